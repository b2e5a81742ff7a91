// Graph files, text export and the two-column text import, on the curve of the active page. The
// readers and writers live in the store; here are the dialogs, the questions and the recording
// that an import becomes.
#include "mainwindow/form1.h"

#include "mainwindow/record_area_view.h"

#include "common/current_error.h"
#include "common/errors.h"
#include "mainwindow/action.h"
#include "mainwindow/channel_pages_view.h"
#include "mainwindow/record_display/channel_series.h"
#include "mainwindow/rules/device_types.h"
#include "mainwindow/widgets/record_list_view.h"
#include "mainwindow/widgets/save_dialog.h"
#include "store/graph_file.h"
#include "store/graph_text_export.h"
#include "store/record_folder.h"
#include "store/store_errors.h"
#include "store/text_import.h"

#include <QCoreApplication>
#include <QScopeGuard>
#include <QTabWidget>

#include <algorithm>
#include <cstring>
#include <utility>

namespace lmv::mainwindow {

namespace {

constexpr int SecondGraphPage = 1;
constexpr int ShownRecordWrites = 100;

const QString GraphFilter = QStringLiteral("Файл данных (*.GRF)");
const QString SecondGraphQuestion = QStringLiteral("Выводить второй график ?");
const QString CannotCreateText = QStringLiteral("Не возможно создать файл  для записи");
const QString CannotOpenText = QStringLiteral("Не возможно открыть файл");
const QString ImportWhileRecordingText =
    QStringLiteral("Идет запись. Импорт возможен только после ее остановки.");
const QString ImportNotStartedText =
    QStringLiteral("Импорт невозможен: запись не началась (прибор не передает данные).");

// The chosen files; the next run starts from the first of them.
QStringList RunOpenDialog(common::TDesktop& desktop, common::TFileDialogRequest& request,
                          bool multiSelect)
{
    const QStringList chosen = desktop.OpenFileNames(request, multiSelect);
    if (!chosen.isEmpty())
        request.fileName = chosen.front();
    return chosen;
}

// Channels without points are not stored, and NaN points compare by their bits.
std::vector<const model::TSingleChannel*> ChannelsWithPoints(const model::TBaseRecord& record)
{
    std::vector<const model::TSingleChannel*> channels;
    for (const model::TSingleChannel& channel : record.Channels)
        if (!channel.Points.empty())
            channels.push_back(&channel);
    return channels;
}

bool SamePoints(const model::TBaseRecord& a, const model::TBaseRecord& b)
{
    const auto left = ChannelsWithPoints(a);
    const auto right = ChannelsWithPoints(b);
    return std::equal(left.begin(), left.end(), right.begin(), right.end(),
                      [](const model::TSingleChannel* x, const model::TSingleChannel* y) {
                          return x->Id == y->Id && x->Points.size() == y->Points.size() &&
                              std::memcmp(x->Points.data(), y->Points.data(),
                                          x->Points.size() * sizeof(model::TPoint)) == 0;
                      });
}

void WriteCurveText(TSaveDialog& dialog, const TCurve& curve, store::TGraphTextForm form)
{
    if (dialog.Execute())
        store::WriteGraphText(dialog.FileName(), curve.Points(), form);
}

}

void TForm1::CreateGraphFileDialogs()
{
    common::TFileDialogRequest grf;
    grf.title = QStringLiteral("Запись Графика");
    grf.filter = GraphFilter;
    grf.defaultExt = QStringLiteral("GRF");
    SaveDialog2 = new TSaveDialog(QStringLiteral("SaveDialog2"), grf, desktop_, this);
    OpenDialog1.title = QStringLiteral("Чтение графика");
    OpenDialog1.filter = GraphFilter;
    OpenDialog1.defaultExt = QStringLiteral("GRF");
    OpenDialog2.filter = QStringLiteral("Any file (*);;*.dat (*.dat);;*.txt (*.txt)");
}

void TForm1::SaveSeriesToGrf(TCurveId curve)
{
    if (!SaveDialog2->Execute())
        return;
    try {
        store::WriteGraphFile(SaveDialog2->FileName(), curves_.Curve(curve).Points());
    } catch (const common::Error&) {
        notifier_.MessageBox(CannotCreateText, common::BoxIcon::Information);
    }
}

// A file that cannot be opened or is shorter than its count leaves the curve as it was; so does
// one larger than any graph, refused from its size with a box that names it, its size and the cap.
void TForm1::LoadSeriesFromGrf(TCurveId curve)
{
    const QStringList chosen = RunOpenDialog(desktop_, OpenDialog1, false);
    if (chosen.isEmpty())
        return;
    std::optional<std::vector<model::TPoint>> points;
    try {
        points = store::ReadGraphFile(chosen.front());
    } catch (const store::TooLargeFileError& error) {
        notifier_.MessageBox(error.message(), common::BoxIcon::Warning);
        return;
    } catch (const common::Error&) {
    }
    if (!points) {
        notifier_.MessageBox(CannotOpenText, common::BoxIcon::Information);
        return;
    }
    curveViews_.Assign(curve, *points);
    ChartZoom();
}

void TForm1::SaveSeriesAsText(TCurveId curve)
{
    WriteCurveText(*SaveDialog1, curves_.Curve(curve), store::TGraphTextForm::TabBlank);
}

void TForm1::SaveSeriesAsCsv(TCurveId curve)
{
    WriteCurveText(*SaveDialog1, curves_.Curve(curve), store::TGraphTextForm::Commas);
}

std::optional<TCurveId> TForm1::GraphCommandCurve() const
{
    return SeriesOfPage(ChannelPages->ActivePage());
}

// The titration device's external curve goes to a file of its own when the operator wants it.
bool TForm1::SecondGraphWanted()
{
    return ChannelPages->ActivePage() == SecondGraphPage && DeviceType() == dtTitrator &&
        notifier_.MessageBox(SecondGraphQuestion, common::BoxIcon::Information) ==
        common::BoxAnswer::Ok;
}

void TForm1::N6Click()
{
    if (const std::optional<TCurveId> curve = GraphCommandCurve())
        LoadSeriesFromGrf(*curve);
}

void TForm1::N7Click()
{
    const std::optional<TCurveId> curve = GraphCommandCurve();
    if (!curve)
        return;
    SaveSeriesToGrf(*curve);
    if (SecondGraphWanted())
        SaveSeriesToGrf(TCurveId::Series15);
}

void TForm1::N8Click()
{
    const std::optional<TCurveId> curve = GraphCommandCurve();
    if (!curve)
        return;
    SaveSeriesAsText(*curve);
    if (ChannelPages->ActivePage() == SecondGraphPage &&
        curves_.Curve(TCurveId::Series15).Count() > 0 &&
        notifier_.MessageBox(SecondGraphQuestion, common::BoxIcon::Information,
                             common::BoxButtons::OkNo) == common::BoxAnswer::Ok)
        SaveSeriesAsText(TCurveId::Series15);
}

void TForm1::N9Click()
{
    const std::optional<TCurveId> curve = GraphCommandCurve();
    if (!curve)
        return;
    SaveSeriesAsCsv(*curve);
    if (SecondGraphWanted())
        SaveSeriesAsCsv(TCurveId::Series15);
}

// A running recording is never toggled by an import: it is refused before any file is chosen.
// Every file's problem is told at the end, in one message.
void TForm1::Action1Execute()
{
    if (Recording()) {
        notifier_.MessageBox(ImportWhileRecordingText, common::BoxIcon::Warning);
        return;
    }
    QStringList problems;
    for (const QString& fileName : RunOpenDialog(desktop_, OpenDialog2, true)) {
        if (Recording()) {
            problems << ImportWhileRecordingText;
            break;
        }
        if (!ImportTextFile(fileName, problems)) {
            problems << ImportNotStartedText;
            break;
        }
    }
    if (!problems.isEmpty())
        notifier_.MessageBox(problems.join(u'\n'), common::BoxIcon::Warning);
}

// Every point is stored as a live point; the charts and the view follow once, at the end.
bool TForm1::ImportTextFile(const QString& fileName, QStringList& problems)
{
    Actn(TActionId::StartStopActn).Execute();
    if (!Recording())
        return false;
    ReadImportPoints(fileName, problems);
    try {
        StopImportRecording();
    } catch (...) {
        problems << common::CurrentErrorMessage();
    }
    livePoints_.view.RefreshNow();
    return true;
}

void TForm1::ReadImportPoints(const QString& fileName, QStringList& problems)
{
    curveViews_.Hold();
    const auto release = qScopeGuard([this] { curveViews_.Release(); });
    try {
        const store::TTextImportResult result = store::ReadImportFile(
            fileName, [this](const model::TPoint& point) { AddPoint(1, point.X, point.Y); });
        if (result.FailedLine > 0)
            problems << store::ImportStopText(fileName, result);
    } catch (...) {
        problems << common::CurrentErrorMessage();
    }
}

// The import's own stop is no operator's: the titration device's question, whose Yes would
// delete the import, is not asked.
void TForm1::StopImportRecording()
{
    const bool byInstrument = std::exchange(stopByInstrument_, true);
    const auto restore = qScopeGuard([&] { stopByInstrument_ = byInstrument; });
    Actn(TActionId::StartStopActn).Execute();
}

// Writes the record on screen back into its own file only, and only while that file holds the
// points on screen. A line whose file another record was shown in place of, a record that may not
// be written, the open live record (its autosave writes it) and a run shown while it recorded
// (its copy on screen is older than its file) are refused with a beep.
void TForm1::N64Click()
{
    const int line = RecordArea->List().SelectedLine();
    if (line < 0)
        return;
    const QString fileName = store_.FilteredList()[std::size_t(line)].FileName;
    if (fileName == LiveRun.FileName() || !ShownRecordMayReplace(fileName)) {
        notifier_.Beep();
        return;
    }
    for (int i = 0; i < ShownRecordWrites; ++i) {
        // The pending messages may have shown another record meanwhile.
        if (shownRecord_.FileName() != fileName || !shownRecord_.MayWriteBack()) {
            notifier_.Beep();
            return;
        }
        store_.SaveRecordFile(fileName, shownRecord_.Record());
        QCoreApplication::processEvents();
    }
}

// The points on screen are never edited: a file whose points differ was written after the
// record was shown.
bool TForm1::ShownRecordMayReplace(const QString& fileName)
{
    if (shownRecord_.FileName() != fileName || !shownRecord_.MayWriteBack())
        return false;
    model::TBaseRecord onDisk;
    store_.ReadRecordFile(fileName, onDisk);
    return SamePoints(onDisk, shownRecord_.Record());
}

}
