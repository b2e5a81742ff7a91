#pragma once
// The readings table's columns for a device type: 10 columns for the coulometer and the Fischer
// titrator, 9 with the channel headings for every other type. The rows are emptied first.
namespace lmv::mainwindow {

class TReadingsTable;

void ApplyDeviceTableLayout(TReadingsTable& table, int deviceType);

}
