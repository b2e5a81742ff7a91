#include "service/notebook_service.h"

#include "common/cp1251_codec.h"
#include "common/errors.h"
#include "common/notifier.h"
#include "link/instrument_link.h"

#include "store/atomic_save.h"

#include <optional>

namespace lmv::service {

namespace {

const QString PageFailedText = QStringLiteral("Страница блокнота %1 не прочитана");
const QString FileFailedText = QStringLiteral("Файл блокнота не записан: %1");
const QString LinesKeptText = QStringLiteral(". Строки прочитанных страниц записаны в файл.");
const QString PageNotWrittenText = QStringLiteral("Страница блокнота %1 не записана в файл: %2");

// What the file keeps when the line of `page` could not be written.
QString LinesBeforeText(int page)
{
    if (page == 1)
        return QStringLiteral(". Файл блокнота пуст.");
    return QStringLiteral(". Строки страниц 1–%1 записаны в файл.").arg(page - 1);
}

// Gives the chooser its former value back however the dump is left.
class TChooserRestore {
public:
    TChooserRestore(const std::function<void(int)>& show, int value) : show_(show), value_(value) {}
    ~TChooserRestore()
    {
        if (show_)
            show_(value_);
    }
    TChooserRestore(const TChooserRestore&) = delete;
    TChooserRestore& operator=(const TChooserRestore&) = delete;

private:
    const std::function<void(int)>& show_;
    int value_;
};

}

TNotebookService::TNotebookService(link::TInstrumentLink& link, common::Notifier& notifier,
                                   common::TDesktop& desktop)
    : link_(link), notifier_(notifier), desktop_(desktop)
{
    fields_.unit = QStringLiteral("мг/л");
}

common::TFileDialogRequest TNotebookService::FileDialogRequest()
{
    common::TFileDialogRequest request;
    request.title = QStringLiteral("Файл блокнота фотометра");
    request.filter = QStringLiteral("Файл данных (*.TXT)");
    request.defaultExt = QStringLiteral("TXT");
    return request;
}

TNotebookService::TPageRead TNotebookService::AskPage(int page, QString* failure,
                                                      TServiceResult* cause)
{
    link_.TxFrame[3] = static_cast<uint8_t>(page - 1);
    const TAskResult answer = AskInstrument(link_, notifier_, link::NotebookPageFrame, 2);
    if (!answer) {
        *cause = answer.failure;
        return TPageRead::Failed;
    }
    if (IsEmptyNotebookPage(*answer))
        return TPageRead::Empty;
    try {
        fields_ = DecodeNotebookPage(*answer);
    } catch (const common::Error& error) {
        *failure = error.message();
        *cause = TServiceResult::BadAnswer;
        return TPageRead::Failed;
    }
    return TPageRead::Filled;
}

TServiceResult TNotebookService::ReadPage(int page)
{
    if (page < 1 || page > LastNotebookPage) {
        notifier_.MessageBox(common::RangeError().message(), common::BoxIcon::Error);
        return TServiceResult::InvalidRequest;
    }
    if (!RequestCanStart(link_, notifier_))
        return TServiceResult::Refused;
    QString failure;
    TServiceResult cause = TServiceResult::Done;
    const TPageRead read = AskPage(page, &failure, &cause);
    if (!failure.isEmpty())
        notifier_.MessageBox(failure, common::BoxIcon::Error);
    return read == TPageRead::Failed ? cause : TServiceResult::Done;
}

TServiceResult TNotebookService::DumpToFile(int chooserValue, const TDumpView& view)
{
    if (!RequestCanStart(link_, notifier_))
        return TServiceResult::Refused;
    const QString fileName = desktop_.SaveFileName(FileDialogRequest());
    if (fileName.isEmpty())
        return TServiceResult::Cancelled;
    const TChooserRestore restore(view.showChooser, chooserValue);
    return WritePages(fileName, view);
}

TServiceResult TNotebookService::WritePages(const QString& fileName, const TDumpView& view)
{
    std::optional<store::TAtomicFile> file;
    try {
        file.emplace(fileName);
    } catch (const common::Error& error) {
        notifier_.MessageBox(FileFailedText.arg(error.message()), common::BoxIcon::Error);
        return TServiceResult::FileFailed;
    }
    QString failure;
    TServiceResult cause = TServiceResult::Done;
    int failedPage = 0;
    bool lineFailed = false;
    for (int page = 1; page <= LastNotebookPage; ++page) {
        if (view.showChooser)
            view.showChooser(page);
        const TPageRead read = AskPage(page, &failure, &cause);
        if (read == TPageRead::Empty)
            break;
        if (read == TPageRead::Failed) {
            failedPage = page;
            break;
        }
        if (view.showFields)
            view.showFields();
        try {
            file->Append(common::ToCp1251(NotebookLine(page, fields_)) + "\r\n");
        } catch (const common::Error& error) {
            // The append took its part of a line back: the file holds the whole lines before.
            failure = error.message();
            failedPage = page;
            lineFailed = true;
            break;
        }
    }
    try {
        file->Commit();
    } catch (const common::Error& error) {
        QString text = FileFailedText.arg(error.message());
        if (lineFailed)
            text = PageNotWrittenText.arg(QString::number(failedPage), failure) +
                QStringLiteral(". ") + text;
        notifier_.MessageBox(text, common::BoxIcon::Error);
        return TServiceResult::FileFailed;
    }
    if (failedPage == 0)
        return TServiceResult::Done;
    if (lineFailed) {
        notifier_.MessageBox(PageNotWrittenText.arg(QString::number(failedPage), failure) +
                                 LinesBeforeText(failedPage),
                             common::BoxIcon::Error);
        return TServiceResult::FileFailed;
    }
    QString text = PageFailedText.arg(failedPage);
    if (!failure.isEmpty())
        text += QStringLiteral(": ") + failure;
    notifier_.MessageBox(text + LinesKeptText, common::BoxIcon::Error);
    return cause;
}

}
