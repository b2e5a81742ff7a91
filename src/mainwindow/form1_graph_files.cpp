// Graph files, text export and the two-column text import, on the curve of the active page. The
// readers and writers live in the store; here are the dialogs, the questions and the recording
// that an import becomes.
#include "mainwindow/graph_files.h"

#include "common/current_error.h"
#include "common/errors.h"
#include "mainwindow/action.h"
#include "mainwindow/channel_pages_view.h"
#include "mainwindow/form1.h"
#include "mainwindow/record_area_view.h"
#include "mainwindow/record_display/channel_series.h"
#include "mainwindow/rules/device_types.h"
#include "mainwindow/widgets/record_list_view.h"
#include "mainwindow/widgets/save_dialog.h"
#include "mainwindow/window_recording.h"
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
    GraphFiles = std::make_unique<TGraphFiles>(
        TGraphFileParts{
            .notifier = notifier_,
            .desktop = desktop_,
            .store = store_,
            .curves = curves_,
            .curveViews = curveViews_,
            .shownRecord = shownRecord_,
            .run = LiveRecording->LiveRun(),
            .pages = ChannelPages->Tabs(),
            .recordArea = *RecordArea,
            .textDialog = *SaveDialog1,
            .startStop = Actn(TActionId::StartStopActn),
            .deviceType = deviceType_,
            .stopByInstrument = stopByInstrument_,
            .addPoint = [this](int channel, double x, double y) { AddPoint(channel, x, y); },
            .refreshLiveView = [this] { LiveRecording->RefreshLiveViewNow(); },
            .chartZoom = [this] { ChartZoom(); }},
        *this);
}

TGraphFiles::TGraphFiles(TGraphFileParts parts, QObject& window) : parts_(std::move(parts))
{
    common::TFileDialogRequest grf;
    grf.title = QStringLiteral("Запись Графика");
    grf.filter = GraphFilter;
    grf.defaultExt = QStringLiteral("GRF");
    saveDialog2_ = new TSaveDialog(QStringLiteral("SaveDialog2"), grf, parts_.desktop, &window);
    openDialog1_.title = QStringLiteral("Чтение графика");
    openDialog1_.filter = GraphFilter;
    openDialog1_.defaultExt = QStringLiteral("GRF");
    openDialog2_.filter = QStringLiteral("Any file (*);;*.dat (*.dat);;*.txt (*.txt)");
}

void TGraphFiles::SaveSeriesToGrf(TCurveId curve)
{
    if (!saveDialog2_->Execute())
        return;
    try {
        store::WriteGraphFile(saveDialog2_->FileName(), parts_.curves.Curve(curve).Points());
    } catch (const common::Error&) {
        parts_.notifier.MessageBox(CannotCreateText, common::BoxIcon::Information);
    }
}

// A file that cannot be opened or is shorter than its count leaves the curve as it was; so does
// one larger than any graph, refused from its size with a box that names it, its size and the cap.
void TGraphFiles::LoadSeriesFromGrf(TCurveId curve)
{
    const QStringList chosen = RunOpenDialog(parts_.desktop, openDialog1_, false);
    if (chosen.isEmpty())
        return;
    std::optional<std::vector<model::TPoint>> points;
    try {
        points = store::ReadGraphFile(chosen.front());
    } catch (const store::TooLargeFileError& error) {
        parts_.notifier.MessageBox(error.message(), common::BoxIcon::Warning);
        return;
    } catch (const common::Error&) {
    }
    if (!points) {
        parts_.notifier.MessageBox(CannotOpenText, common::BoxIcon::Information);
        return;
    }
    parts_.curveViews.Assign(curve, *points);
    parts_.chartZoom();
}

void TGraphFiles::SaveSeriesAsText(TCurveId curve)
{
    WriteCurveText(parts_.textDialog, parts_.curves.Curve(curve), store::TGraphTextForm::TabBlank);
}

void TGraphFiles::SaveSeriesAsCsv(TCurveId curve)
{
    WriteCurveText(parts_.textDialog, parts_.curves.Curve(curve), store::TGraphTextForm::Commas);
}

std::optional<TCurveId> TGraphFiles::GraphCommandCurve() const
{
    return SeriesOfPage(parts_.pages.currentIndex());
}

// The titration device's external curve goes to a file of its own when the operator wants it.
bool TGraphFiles::SecondGraphWanted()
{
    return parts_.pages.currentIndex() == SecondGraphPage && parts_.deviceType == dtTitrator &&
        parts_.notifier.MessageBox(SecondGraphQuestion, common::BoxIcon::Information) ==
        common::BoxAnswer::Ok;
}

void TGraphFiles::N6Click()
{
    if (const std::optional<TCurveId> curve = GraphCommandCurve())
        LoadSeriesFromGrf(*curve);
}

void TGraphFiles::N7Click()
{
    const std::optional<TCurveId> curve = GraphCommandCurve();
    if (!curve)
        return;
    SaveSeriesToGrf(*curve);
    if (SecondGraphWanted())
        SaveSeriesToGrf(TCurveId::Series15);
}

void TGraphFiles::N8Click()
{
    const std::optional<TCurveId> curve = GraphCommandCurve();
    if (!curve)
        return;
    SaveSeriesAsText(*curve);
    if (parts_.pages.currentIndex() == SecondGraphPage &&
        parts_.curves.Curve(TCurveId::Series15).Count() > 0 &&
        parts_.notifier.MessageBox(SecondGraphQuestion, common::BoxIcon::Information,
                                   common::BoxButtons::OkNo) == common::BoxAnswer::Ok)
        SaveSeriesAsText(TCurveId::Series15);
}

void TGraphFiles::N9Click()
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
void TGraphFiles::Action1Execute()
{
    if (parts_.run.Recording()) {
        parts_.notifier.MessageBox(ImportWhileRecordingText, common::BoxIcon::Warning);
        return;
    }
    QStringList problems;
    for (const QString& fileName : RunOpenDialog(parts_.desktop, openDialog2_, true)) {
        if (parts_.run.Recording()) {
            problems << ImportWhileRecordingText;
            break;
        }
        if (!ImportTextFile(fileName, problems)) {
            problems << ImportNotStartedText;
            break;
        }
    }
    if (!problems.isEmpty())
        parts_.notifier.MessageBox(problems.join(u'\n'), common::BoxIcon::Warning);
}

// Every point is stored as a live point; the charts and the view follow once, at the end.
bool TGraphFiles::ImportTextFile(const QString& fileName, QStringList& problems)
{
    parts_.startStop.Execute();
    if (!parts_.run.Recording())
        return false;
    ReadImportPoints(fileName, problems);
    try {
        StopImportRecording();
    } catch (...) {
        problems << common::CurrentErrorMessage();
    }
    parts_.refreshLiveView();
    return true;
}

void TGraphFiles::ReadImportPoints(const QString& fileName, QStringList& problems)
{
    parts_.curveViews.Hold();
    const auto release = qScopeGuard([this] { parts_.curveViews.Release(); });
    try {
        const store::TTextImportResult result = store::ReadImportFile(
            fileName, [this](const model::TPoint& point) { parts_.addPoint(1, point.X, point.Y); });
        if (result.FailedLine > 0)
            problems << store::ImportStopText(fileName, result);
    } catch (...) {
        problems << common::CurrentErrorMessage();
    }
}

// The import's own stop is no operator's: the titration device's question, whose Yes would
// delete the import, is not asked.
void TGraphFiles::StopImportRecording()
{
    const bool byInstrument = std::exchange(parts_.stopByInstrument, true);
    const auto restore = qScopeGuard([&] { parts_.stopByInstrument = byInstrument; });
    parts_.startStop.Execute();
}

// Writes the record on screen back into its own file only, and only while that file holds the
// points on screen. A line whose file another record was shown in place of, a record that may not
// be written, the open live record (its autosave writes it) and a run shown while it recorded
// (its copy on screen is older than its file) are refused with a beep.
void TGraphFiles::N64Click()
{
    const int line = parts_.recordArea.List().SelectedLine();
    if (line < 0)
        return;
    const QString fileName = parts_.store.FilteredList()[std::size_t(line)].FileName;
    if (fileName == parts_.run.FileName() || !ShownRecordMayReplace(fileName)) {
        parts_.notifier.Beep();
        return;
    }
    for (int i = 0; i < ShownRecordWrites; ++i) {
        // The pending messages may have shown another record meanwhile.
        if (parts_.shownRecord.FileName() != fileName || !parts_.shownRecord.MayWriteBack()) {
            parts_.notifier.Beep();
            return;
        }
        parts_.store.SaveRecordFile(fileName, parts_.shownRecord.Record());
        QCoreApplication::processEvents();
    }
}

// The points on screen are never edited: a file whose points differ was written after the
// record was shown.
bool TGraphFiles::ShownRecordMayReplace(const QString& fileName)
{
    if (parts_.shownRecord.FileName() != fileName || !parts_.shownRecord.MayWriteBack())
        return false;
    model::TBaseRecord onDisk;
    parts_.store.ReadRecordFile(fileName, onDisk);
    return SamePoints(onDisk, parts_.shownRecord.Record());
}

}
