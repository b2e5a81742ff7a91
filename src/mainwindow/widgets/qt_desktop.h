#pragma once
// The real desktop: Qt's file, folder and input dialogs, modal forms, the print preview, the
// removable disks the system has mounted, and the desktop's launchers.
#include "common/desktop.h"

#include <QPointer>
#include <QWidget>

namespace lmv::mainwindow {

// How a help viewer is started at a topic: the program and its arguments, in which
// "{context}" stands for the context number and "{file}" for the help file.
struct THelpViewerCommand {
    QString program;
    QStringList arguments;
};

// xCHM opens a compiled help file at the topic of a context id.
const THelpViewerCommand DefaultHelpViewer{
    QStringLiteral("xchm"), {QStringLiteral("--contextid={context}"), QStringLiteral("{file}")}};

class TQtDesktop : public common::TDesktop {
public:
    // Dialogs open over this window, or over the window in front of it
    // (widgets/box_placement.h); top-level while none is set and none is in front.
    void SetParentWindow(QWidget* window) { parent_ = window; }

    QString SaveFileName(const common::TFileDialogRequest& request) override;
    QStringList OpenFileNames(const common::TFileDialogRequest& request, bool multiSelect) override;
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
    // Starts the help viewer when its program is found on the search path.
    bool OpenHelpTopic(const QString& helpFile, int context) override;
    bool OpenAddress(const QString& address) override;

    const THelpViewerCommand& HelpViewer() const { return helpViewer_; }
    void SetHelpViewer(THelpViewerCommand command) { helpViewer_ = std::move(command); }
    // The viewer's arguments for a topic.
    QStringList HelpViewerArguments(const QString& helpFile, int context) const;

private:
    QPointer<QWidget> parent_;
    THelpViewerCommand helpViewer_ = DefaultHelpViewer;
};

}
