#include "service/notebook_service.h"

#include "common/cp1251_codec.h"
#include "common/errors.h"
#include "common/notifier.h"
#include "link/instrument_link.h"

#include <QSaveFile>

namespace lmv::service {

namespace {

const QString PageFailedText = QStringLiteral("Страница блокнота %1 не прочитана");
const QString FileFailedText = QStringLiteral("Файл блокнота не записан: %1");
const QString LinesKeptText = QStringLiteral(". Строки прочитанных страниц записаны в файл.");

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

common::TFileDialogSpec TNotebookService::FileDialogSpec()
{
    common::TFileDialogSpec spec;
    spec.title = QStringLiteral("Файл блокнота фотометра");
    spec.filter = QStringLiteral("Файл данных (*.TXT)");
    spec.defaultExt = QStringLiteral("TXT");
    return spec;
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
    const QString fileName = desktop_.SaveFileName(FileDialogSpec());
    if (fileName.isEmpty())
        return TServiceResult::Cancelled;
    const TChooserRestore restore(view.showChooser, chooserValue);
    return WritePages(fileName, view);
}

TServiceResult TNotebookService::WritePages(const QString& fileName, const TDumpView& view)
{
    QSaveFile file(fileName);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) {
        notifier_.MessageBox(FileFailedText.arg(file.errorString()), common::BoxIcon::Error);
        return TServiceResult::FileFailed;
    }
    QString failure;
    TServiceResult cause = TServiceResult::Done;
    int failedPage = 0;
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
        const QByteArray line = common::ToCp1251(NotebookLine(page, fields_)) + "\r\n";
        if (file.write(line) != line.size()) {
            notifier_.MessageBox(FileFailedText.arg(file.errorString()), common::BoxIcon::Error);
            file.cancelWriting();
            return TServiceResult::FileFailed;
        }
    }
    if (!file.commit()) {
        notifier_.MessageBox(FileFailedText.arg(file.errorString()), common::BoxIcon::Error);
        return TServiceResult::FileFailed;
    }
    if (failedPage == 0)
        return TServiceResult::Done;
    QString text = PageFailedText.arg(failedPage);
    if (!failure.isEmpty())
        text += QStringLiteral(": ") + failure;
    notifier_.MessageBox(text + LinesKeptText, common::BoxIcon::Error);
    return cause;
}

}
