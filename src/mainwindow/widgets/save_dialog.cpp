#include "mainwindow/widgets/save_dialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QWidget>

namespace lmv::mainwindow {

namespace {

QString WithDefaultExt(const QString& name, const QString& defaultExt)
{
    if (defaultExt.isEmpty() || !QFileInfo(name).suffix().isEmpty())
        return name;
    return name + u'.' + defaultExt;
}

}

QString RunQtSaveDialog(QWidget* parent, const TSaveDialogSpec& spec)
{
    QFileDialog dialog(parent, spec.title, QString(), spec.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(spec.defaultExt);
    if (!spec.fileName.isEmpty())
        dialog.selectFile(spec.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

TSaveDialog::TSaveDialog(const QString& name, TSaveDialogSpec spec, TRunSaveDialog run,
                         QWidget* parent)
    : QObject(parent), spec_(std::move(spec)), run_(std::move(run))
{
    setObjectName(name);
    if (!run_)
        run_ = [parent](const TSaveDialogSpec& shown) { return RunQtSaveDialog(parent, shown); };
}

bool TSaveDialog::Execute()
{
    const QString chosen = run_(spec_);
    if (chosen.isEmpty())
        return false;
    spec_.fileName = WithDefaultExt(chosen, spec_.defaultExt);
    return true;
}

}
