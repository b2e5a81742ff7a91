#include "mainwindow/readings_table/table_file_option.h"

#include "mainwindow/readings_table/table_file_writer.h"

namespace lmv::mainwindow {

void TTableFileOption::SwitchOn(const QString& fileName)
{
    if (fileName.isEmpty()) {
        SwitchOff();
        return;
    }
    on_ = true;
    fileName_ = fileName;
    linesWritten_ = 0;
}

void TTableFileOption::SwitchOff() { on_ = false; }

std::optional<QString> TTableFileOption::Append(const QByteArray& line)
{
    if (!on_)
        return std::nullopt;
    if (auto error = AppendTableLine(fileName_, line)) {
        SwitchOff();
        return error;
    }
    ++linesWritten_;
    return std::nullopt;
}

}
