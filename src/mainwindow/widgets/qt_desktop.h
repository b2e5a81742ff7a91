#pragma once
// The real desktop: Qt's file, folder and input dialogs, modal forms, the print preview, the
// removable disks the system has mounted, and the desktop's launchers.
#include "common/desktop.h"

#include <QPointer>
#include <QWidget>

namespace lmv::mainwindow {

class TQtDesktop : public common::TDesktop {
public:
    // Dialogs open over this window; top-level while none is set.
    void SetParentWindow(QWidget* window) { parent_ = window; }

    QString SaveFileName(const common::TFileDialogSpec& spec) override;
    QStringList OpenFileNames(const common::TFileDialogSpec& spec, bool multiSelect) override;
    QString BrowseFolder(const QString& title, const QString& startFolder) override;
    std::optional<QString> InputBox(const QString& caption, const QString& prompt,
                                    const QString& value) override;
    int ExecModal(QDialog& dialog) override;
    void PrintPreview(QPrinter& printer, const std::function<void(QPrinter&)>& paint) override;
    void PrintPreviewWithButton(QPrinter& printer, const std::function<void(QPrinter&)>& paint,
                                const QString& caption,
                                const std::function<void()>& clicked) override;
    QStringList RemovableDisks() override;
    bool OpenDocument(const QString& path) override;
    bool StartProgram(const QString& program, const QStringList& arguments) override;

private:
    QPointer<QWidget> parent_;
};

}
