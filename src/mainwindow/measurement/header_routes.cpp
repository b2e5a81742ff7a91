// The frames that describe the run: the titration parameters and the header texts.
#include "common/current_error.h"
#include "common/day_count.h"
#include "mainwindow/measurement/measurement_router.h"
#include "mainwindow/measurement/measurement_run.h"
#include "mainwindow/measurement/measurement_texts.h"
#include "mainwindow/measurement/run_record.h"
#include "mainwindow/measurement/text_frames.h"

#include <utility>

namespace lmv::mainwindow {

void TMeasurementRouter::OnTitrationParamsFrame(const link::TRxFrame& frame)
{
    titration_ = DecodeTitrationParams(frame);
    texts_.ShowTitrationParams(TitrationParamTexts(titration_));
    model::TParamsArr& params = record_.LiveRecord().Params;
    const model::TParamsArr pairs = TitrationHeaderParams(titration_);
    params.insert(params.end(), pairs.begin(), pairs.end());
    record_.RefreshHeaderParams();
}

namespace {

constexpr int StatusKind = 100, DateTimeKind = 101, TitleKind = 102, FirstPairKind = 0;
const QString NoHeaderFileMessage =
    QStringLiteral("Нет открытой записи: заголовок от прибора не сохранён в файл");

}

void TMeasurementRouter::OnTextFrame(const link::TRxFrame& frame)
{
    HandleTextFrame(frame.bytes[3], TextFrameText(frame));
}

void TMeasurementRouter::HandleTextFrame(int kind, const QString& text)
{
    if (kind == StatusKind) {
        texts_.SetStatusText(text);
    } else if (kind == DateTimeKind) {
        try {
            SetRunDateTime(text);
            SaveHeader();
        } catch (...) {
            texts_.ShowError(common::CurrentErrorMessage());
        }
    } else if (kind == TitleKind) {
        record_.LiveRecord().Title = text;
        SaveHeader();
    } else {
        model::TParamsArr& params = record_.LiveRecord().Params;
        if (kind == FirstPairKind)
            params.clear();
        TTextTokenizer tokens(text);
        const QString name = tokens.NextToken(u'$');
        const QString value = tokens.NextToken(u'$');
        params.push_back({name, value});
        record_.RefreshHeaderParams();
    }
}

// Both words convert or the record's date and time stay as they were.
void TMeasurementRouter::SetRunDateTime(const QString& text)
{
    TTextTokenizer tokens(text);
    tokens.NextToken(u' ');
    const QString dateText = tokens.NextToken(u' ');
    tokens.SkipBlanks();
    tokens.NextToken(u' ');
    const QString timeText = tokens.NextToken(u' ');
    const QLocale locale = texts_.SystemLocale();
    const QDate date = ParseShortDate(dateText, locale, texts_.Now().date());
    const QTime time = ParseTime(timeText, locale);
    record_.LiveRecord().DateTime = common::DateTimeToDays(QDateTime(date, time));
}

// Without a file to save into, none is created: the header waits in the live record.
void TMeasurementRouter::SaveHeader()
{
    if (!record_.HeaderFileName().isEmpty()) {
        record_.SaveHeader();
        return;
    }
    const int run = run_.Run();
    if (std::exchange(noHeaderFileToldInRun_, run) != run)
        texts_.ShowError(NoHeaderFileMessage);
}

}
