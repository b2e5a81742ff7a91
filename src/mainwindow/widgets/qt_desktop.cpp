#include "mainwindow/widgets/qt_desktop.h"

#include "mainwindow/desktop/removable_disks.h"
#include "mainwindow/widgets/box_placement.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QToolBar>
#include <QUrl>

namespace lmv::mainwindow {

namespace {

// A start name without a folder opens in request.folder.
void StartAt(QFileDialog& dialog, const common::TFileDialogRequest& request)
{
    const QFileInfo start(request.fileName);
    const bool namesFolder = request.fileName.contains(u'/');
    if (namesFolder)
        dialog.setDirectory(start.absolutePath());
    else if (!request.folder.isEmpty())
        dialog.setDirectory(request.folder);
    if (!request.fileName.isEmpty())
        dialog.selectFile(start.fileName());
}

QStringList RunFileDialog(QFileDialog& dialog, const common::TFileDialogRequest& request)
{
    dialog.setDefaultSuffix(request.defaultExt);
    StartAt(dialog, request);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

QList<TMountedVolume> MountedVolumes()
{
    QList<TMountedVolume> volumes;
    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes())
        volumes.append(
            {storage.rootPath(), QString::fromLocal8Bit(storage.device()),
             storage.isValid() && storage.isReady() && QFileInfo(storage.rootPath()).isReadable()});
    return volumes;
}

}

// Replacing an existing file is asked before the dialog closes (Qt's default for saving).
QString TQtDesktop::SaveFileName(const common::TFileDialogRequest& request)
{
    QFileDialog dialog(BoxParent(parent_), request.title, QString(), request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QStringList chosen = RunFileDialog(dialog, request);
    return chosen.isEmpty() ? QString() : chosen.constFirst();
}

QStringList TQtDesktop::OpenFileNames(const common::TFileDialogRequest& request, bool multiSelect)
{
    QFileDialog dialog(BoxParent(parent_), request.title, QString(), request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(multiSelect ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    return RunFileDialog(dialog, request);
}

QString TQtDesktop::BrowseFolder(const QString& title, const QString& startFolder)
{
    return QFileDialog::getExistingDirectory(BoxParent(parent_), title, startFolder);
}

std::optional<QString> TQtDesktop::InputBox(const QString& caption, const QString& prompt,
                                            const QString& value)
{
    QInputDialog dialog(BoxParent(parent_));
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(value);
    FitCaption(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

int TQtDesktop::ExecModal(QDialog& dialog) { return ExecAboveFrontWindow(dialog); }

void TQtDesktop::PrintPreview(QPrinter& printer, const std::function<void(QPrinter&)>& paint)
{
    QPrintPreviewDialog preview(&printer, BoxParent(parent_));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                     [&paint](QPrinter* shown) { paint(*shown); });
    preview.exec();
}

void TQtDesktop::PrintPreviewWithButton(QPrinter& printer,
                                        const std::function<void(QPrinter&)>& paint,
                                        const QString& caption,
                                        const std::function<void()>& clicked)
{
    QPrintPreviewDialog preview(&printer, BoxParent(parent_));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                     [&paint](QPrinter* shown) { paint(*shown); });
    if (auto* bar = preview.findChild<QToolBar*>()) {
        bar->addSeparator();
        QObject::connect(bar->addAction(caption), &QAction::triggered, &preview,
                         [&clicked] { clicked(); });
    }
    preview.exec();
}

QStringList TQtDesktop::RemovableDisks()
{
    return RemovableDiskRoots(MountedVolumes(), QStringLiteral("/sys/block"),
                              DesktopRemovableMediaFolders());
}

bool TQtDesktop::OpenDocument(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool TQtDesktop::StartProgram(const QString& program, const QStringList& arguments)
{
    return QProcess::startDetached(program, arguments);
}

bool TQtDesktop::OpenHelpTopic(const QString& helpFile, int context)
{
    const QString program = QStandardPaths::findExecutable(helpViewer_.program);
    if (program.isEmpty())
        return false;
    return QProcess::startDetached(program, HelpViewerArguments(helpFile, context));
}

QStringList TQtDesktop::HelpViewerArguments(const QString& helpFile, int context) const
{
    QStringList arguments;
    for (QString argument : helpViewer_.arguments) {
        argument.replace(QStringLiteral("{context}"), QString::number(context));
        argument.replace(QStringLiteral("{file}"), helpFile);
        arguments << argument;
    }
    return arguments;
}

bool TQtDesktop::OpenAddress(const QString& address)
{
    return QDesktopServices::openUrl(QUrl(address));
}

}
