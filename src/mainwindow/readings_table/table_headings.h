#pragma once
// The headings of the readings table: the channel headings the instrument's labels follow, and
// the headings and widths the window starts with.
#include <QString>
#include <array>

namespace lmv::mainwindow {

class TReadingsTable;

// Each ends in a blank so that a channel's label can follow directly.
inline const std::array<QString, 5> ChannelHeadings = {
    QStringLiteral("Канал 1 "), QStringLiteral("Канал 2 "), QStringLiteral("Канал 3 "),
    QStringLiteral("Канал 4 "), QStringLiteral("Канал 5 "),
};

// Row 0: "NN", the channel headings, "Время", "Дата", "Комментарий"; column 0 30 pixels wide,
// the date and comment columns 100, the others keep their width.
void WriteStartHeadings(TReadingsTable& table);

}
