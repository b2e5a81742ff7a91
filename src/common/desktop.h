#pragma once
// What the program asks of the desktop besides message boxes and beeps: file and folder dialogs,
// input boxes, modal forms, print previews, the list of removable disks and launching documents
// and programs. The window installs the real desktop; tests install a fake that answers at once,
// so nothing waits for a person.
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QDialog;
class QPrinter;

namespace lmv::common {

struct TFileDialogRequest {
    QString title;
    QString filter;  // in Qt's form: "Файл данных (*.DAT)"
    QString defaultExt;  // given to a chosen name that has no extension
    QString fileName;  // the name (with or without a folder) the dialog starts from
    QString folder;  // the folder it opens in when fileName names none
};

class TDesktop {
public:
    virtual ~TDesktop() = default;

    // The chosen file name, or '' when the dialog was cancelled.
    virtual QString SaveFileName(const TFileDialogRequest& request) = 0;
    // The chosen files (one unless multiSelect), or none when cancelled.
    virtual QStringList OpenFileNames(const TFileDialogRequest& request, bool multiSelect) = 0;
    // The chosen folder, or '' when cancelled.
    virtual QString BrowseFolder(const QString& title, const QString& startFolder) = 0;
    // The typed text, or nothing when cancelled.
    virtual std::optional<QString> InputBox(const QString& caption, const QString& prompt,
                                            const QString& value) = 0;
    // Runs a modal form; its result code (QDialog::Accepted or Rejected).
    virtual int ExecModal(QDialog& dialog) = 0;
    // Shows the print preview of what `paint` draws on the printer, from which the operator
    // prints.
    virtual void PrintPreview(QPrinter& printer, const std::function<void(QPrinter&)>& paint) = 0;
    // The same preview with one more button on its tool bar; `clicked` runs while it is open.
    virtual void PrintPreviewWithButton(QPrinter& printer,
                                        const std::function<void(QPrinter&)>& paint,
                                        const QString& /*caption*/,
                                        const std::function<void()>& /*clicked*/)
    {
        PrintPreview(printer, paint);
    }
    // The root folders of the removable disks that are mounted and readable.
    virtual QStringList RemovableDisks() = 0;
    // Opens a document with the desktop's program for it; false when none could be started.
    virtual bool OpenDocument(const QString& path) = 0;
    // Starts a program; false when it could not be started.
    virtual bool StartProgram(const QString& program, const QStringList& arguments) = 0;
    // Opens the help file at the topic of the context number in a viewer that can; false, and
    // nothing shown, when there is none.
    virtual bool OpenHelpTopic(const QString& helpFile, int context) = 0;
    // Opens a web or mail address ("https://…", "mailto:…") with the desktop's program for it.
    virtual bool OpenAddress(const QString& address) = 0;
};

}
