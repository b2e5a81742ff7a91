#pragma once
// A desktop that answers from queues and records every call, so tests see what the program asked
// and no dialog ever waits for a person. An empty queue answers "cancelled".
#include "common/desktop.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

namespace lmv::test {

class FakeDesktop : public common::TDesktop {
public:
    struct TLaunch {
        QString program;
        QStringList arguments;
    };
    struct THelpTopic {
        QString helpFile;
        int context;
    };

    QString SaveFileName(const common::TFileDialogRequest& request) override
    {
        saveRequests.push_back(request);
        return Take(saveNames, QString());
    }
    QStringList OpenFileNames(const common::TFileDialogRequest& request, bool) override
    {
        openRequests.push_back(request);
        return Take(openNames, QStringList());
    }
    QString BrowseFolder(const QString& title, const QString&) override
    {
        folderTitles << title;
        return Take(folders, QString());
    }
    std::optional<QString> InputBox(const QString& caption, const QString& prompt,
                                    const QString&) override
    {
        inputPrompts << caption + QLatin1Char('|') + prompt;
        return Take(inputs, std::optional<QString>());
    }
    int ExecModal(QDialog& dialog) override
    {
        ++modalRuns;
        if (onModal)
            return onModal(dialog);
        return 0;
    }
    void PrintPreview(QPrinter& printer, const std::function<void(QPrinter&)>& paint) override
    {
        ++previews;
        if (onPreview)
            onPreview(printer, paint);
    }
    void PrintPreviewWithButton(QPrinter& printer, const std::function<void(QPrinter&)>& paint,
                                const QString& caption,
                                const std::function<void()>& clicked) override
    {
        previewButtons << caption;
        if (onPreviewButton)
            onPreviewButton(clicked);
        PrintPreview(printer, paint);
    }
    QStringList RemovableDisks() override { return removableDisks; }
    bool OpenDocument(const QString& path) override
    {
        openedDocuments << path;
        return documentsOpen;
    }
    bool StartProgram(const QString& program, const QStringList& arguments) override
    {
        launches.push_back({program, arguments});
        return programsStart;
    }
    bool OpenHelpTopic(const QString& helpFile, int context) override
    {
        helpTopics.push_back({helpFile, context});
        return helpViewerInstalled;
    }
    bool OpenAddress(const QString& address) override
    {
        openedAddresses << address;
        return true;
    }

    std::deque<QString> saveNames;
    std::deque<QStringList> openNames;
    std::deque<QString> folders;
    std::deque<std::optional<QString>> inputs;
    std::function<int(QDialog&)> onModal;
    std::function<void(QPrinter&, const std::function<void(QPrinter&)>&)> onPreview;
    // Given the extra button's action while the preview is open.
    std::function<void(const std::function<void()>&)> onPreviewButton;
    QStringList removableDisks;
    bool documentsOpen = true;
    bool programsStart = true;
    bool helpViewerInstalled = true;

    std::vector<common::TFileDialogRequest> saveRequests;
    std::vector<common::TFileDialogRequest> openRequests;
    QStringList folderTitles;
    QStringList inputPrompts;
    int modalRuns = 0;
    int previews = 0;
    QStringList previewButtons;
    QStringList openedDocuments;
    std::vector<TLaunch> launches;
    std::vector<THelpTopic> helpTopics;
    QStringList openedAddresses;

private:
    // The next queued answer, else `cancelled`.
    template <class T> static T Take(std::deque<T>& queue, T cancelled)
    {
        T answer = std::move(cancelled);
        if (!queue.empty()) {
            answer = std::move(queue.front());
            queue.pop_front();
        }
        return answer;
    }
};

}
