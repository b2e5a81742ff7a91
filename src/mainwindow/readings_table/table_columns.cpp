#include "mainwindow/readings_table/table_columns.h"

#include "mainwindow/rules/device_types.h"

namespace lmv::mainwindow {
bool HasChargeLayout(int deviceType)
{
    return deviceType == dtCoulometer || deviceType == dtFischerTitrator;
}

int DateColumn(int deviceType) { return HasChargeLayout(deviceType) ? 8 : 7; }

int CommentColumn(int deviceType) { return HasChargeLayout(deviceType) ? 9 : 8; }

bool CanTypeIntoColumn(int column, int deviceType, bool liveRecordOnScreen)
{
    return liveRecordOnScreen && column == CommentColumn(deviceType);
}

}
