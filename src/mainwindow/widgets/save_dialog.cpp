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

TSaveDialog::TSaveDialog(const QString& name, common::TFileDialogSpec spec,
                         common::TDesktop& desktop, QObject* parent)
    : QObject(parent), spec_(std::move(spec)), desktop_(desktop)
{
    setObjectName(name);
}

bool TSaveDialog::Execute()
{
    const QString chosen = desktop_.SaveFileName(spec_);
    if (chosen.isEmpty())
        return false;
    spec_.fileName = WithDefaultExt(chosen, spec_.defaultExt);
    return true;
}

}
