#pragma once
// The table-file option: while it is on, every stored row is appended to the file chosen when
// it was switched on. The name is kept here, apart from the save dialog's last name, so that a
// later table save or graph export elsewhere does not redirect the rows.
#include <QByteArray>
#include <QString>
#include <optional>

namespace lmv::mainwindow {

class TTableFileOption {
public:
    // An empty name leaves the option off.
    void SwitchOn(const QString& fileName);
    void SwitchOff();

    bool IsOn() const { return on_; }
    QString FileName() const { return fileName_; }
    int LinesWritten() const { return linesWritten_; }

    // Appends the line while the option is on and counts it. A file that cannot be opened or
    // written switches the option off and returns its error, so the operator sees it once.
    std::optional<QString> Append(const QByteArray& line);

private:
    bool on_ = false;
    QString fileName_;
    int linesWritten_ = 0;
};

}
