#pragma once
// A file-save dialog as a form component: its title, filter, default extension and the last
// chosen name, which the next run starts from. How it runs is injected, so tests choose the file
// without a dialog on screen.
#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace lmv::mainwindow {

struct TSaveDialogSpec {
    QString title;
    QString filter;  // in Qt's form: "Файл данных (*.DAT)"
    QString defaultExt;  // given to a chosen name that has no extension
    QString fileName;  // the name the dialog starts from
};

// Shows the dialog and gives the chosen name, or '' when it was cancelled.
using TRunSaveDialog = std::function<QString(const TSaveDialogSpec& spec)>;

// The desktop's save dialog, asking before an existing file is replaced.
QString RunQtSaveDialog(QWidget* parent, const TSaveDialogSpec& spec);

class TSaveDialog : public QObject {
    Q_OBJECT
public:
    // An empty `run` uses RunQtSaveDialog over `parent`.
    TSaveDialog(const QString& name, TSaveDialogSpec spec, TRunSaveDialog run, QWidget* parent);

    // True when a name was chosen; FileName() then holds it, with the default extension added
    // when it had none. Cancel keeps the last name.
    bool Execute();

    QString FileName() const { return spec_.fileName; }
    const TSaveDialogSpec& Spec() const { return spec_; }

private:
    TSaveDialogSpec spec_;
    TRunSaveDialog run_;
};

}
