#include "mainwindow/widgets/save_dialog.h"

#include <QFileInfo>

namespace lmv::mainwindow {

namespace {

QString WithDefaultExt(const QString& name, const QString& defaultExt)
{
    if (defaultExt.isEmpty() || !QFileInfo(name).suffix().isEmpty())
        return name;
    return name + u'.' + defaultExt;
}

}

TSaveDialog::TSaveDialog(const QString& name, common::TFileDialogRequest request,
                         common::TDesktop& desktop, QObject* parent)
    : QObject(parent), request_(std::move(request)), desktop_(desktop)
{
    setObjectName(name);
}

bool TSaveDialog::Execute()
{
    const QString chosen = desktop_.SaveFileName(request_);
    if (chosen.isEmpty())
        return false;
    request_.fileName = WithDefaultExt(chosen, request_.defaultExt);
    return true;
}

}
