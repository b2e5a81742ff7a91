#pragma once
// A file-save dialog as a form component: its title, filter, default extension and the last
// chosen name, which the next run starts from. It runs through the desktop.
#include "common/desktop.h"

#include <QObject>
#include <QString>

namespace lmv::mainwindow {

class TSaveDialog : public QObject {
    Q_OBJECT
public:
    TSaveDialog(const QString& name, common::TFileDialogRequest request, common::TDesktop& desktop,
                QObject* parent);

    // True when a name was chosen; FileName() then holds it, with the default extension added
    // when it had none. Cancel keeps the last name.
    bool Execute();

    QString FileName() const { return request_.fileName; }
    const common::TFileDialogRequest& Request() const { return request_; }

private:
    common::TFileDialogRequest request_;
    common::TDesktop& desktop_;
};

}
