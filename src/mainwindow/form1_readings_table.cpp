// The readings table on the page "Таблица": its set-up at the window's start, storing the live row
// by the operator, the interval timer and the frames, removal and clearing, the comment column, the
// saved table, the table-file option and copying a grid to the clipboard.
#include "mainwindow/readings_table_commands.h"

#include "link/instrument_link.h"
#include "mainwindow/action.h"
#include "mainwindow/channel_pages_view.h"
#include "mainwindow/form1.h"
#include "mainwindow/readings_table/copy_grid_rule.h"
#include "mainwindow/readings_table/row_store.h"
#include "mainwindow/readings_table/table_columns.h"
#include "mainwindow/readings_table/table_file_writer.h"
#include "mainwindow/readings_table/table_headings.h"
#include "mainwindow/readings_table/table_text.h"
#include "mainwindow/record_list_commands.h"
#include "mainwindow/results_page_view.h"
#include "mainwindow/table_page_view.h"
#include "mainwindow/widgets/named_control.h"
#include "mainwindow/widgets/readings_grid_view.h"
#include "mainwindow/widgets/save_dialog.h"
#include "mainwindow/widgets/string_grid.h"
#include "store/record_folder.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>

namespace lmv::mainwindow {

namespace {

QList<QStringList> GridRows(const TStringGrid& grid)
{
    QList<QStringList> rows;
    for (int row = 0; row < grid.RowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < grid.ColCount(); ++column)
            cells << grid.Cells(column, row);
        rows << cells;
    }
    return rows;
}

void CopyGridToClipboard(const QList<QStringList>& rows)
{
    QGuiApplication::clipboard()->setText(GridClipboardText(rows));
}

// Shared by the table save and the graph text export.
TSaveDialog* NewSaveDialog1(const QString& startDir, common::TDesktop& desktop, QObject* window)
{
    common::TFileDialogRequest request;
    request.title = QStringLiteral("Вывод в файл");
    request.filter = QStringLiteral("Файл данных (*.DAT)");
    request.defaultExt = QStringLiteral("DAT");
    // The documents folder the working folder lies in; later runs start from the last name.
    request.folder = QDir::cleanPath(startDir + QStringLiteral("/.."));
    return new TSaveDialog(QStringLiteral("SaveDialog1"), request, desktop, window);
}

}

TEditContext TForm1::ReadingsEditContext() const
{
    const bool liveShown = !SelectedFileName().isEmpty() && RecordList->LiveRecordIsShown();
    return {deviceType_, liveShown};
}

void TForm1::CreateReadingsTableCommands()
{
    SaveDialog1 = NewSaveDialog1(store_.StartDir(), desktop_, this);
    Table = std::make_unique<TReadingsTableCommands>(
        readingsTable_,
        TReadingsTableControls{.grid = ReadingsPage->Grid(),
                               .resultsGrid = ResultsView->Grid(),
                               .pages = ChannelPages->Tabs(),
                               .interval = ReadingsPage->RowInterval(),
                               .tableFileBox = ReadingsPage->TableFileOn(),
                               .tableFileName = ReadingsPage->TableFileName(),
                               .linesWritten = ReadingsPage->TableFileLines(),
                               .saveDialog = *SaveDialog1,
                               .addRow = Actn(TActionId::AddRowToGridActn),
                               .addRowWithTimer = Actn(TActionId::AddRowWithTimerActn),
                               .copyGrid = Actn(TActionId::CopyGridActn)},
        *link_, deviceType_, [this](const QString& message) { ShowError(message); }, *this);
    connect(&Table->Timer1(), &QTimer::timeout, this,
            [this] { RunReportingErrors([this] { Table->Timer1Timer(); }); });
}

// Bound by the page "Таблица" as it is made.
TReadingsTableCommands::TReadingsTableCommands(TReadingsTable& table,
                                               const TReadingsTableControls& controls,
                                               link::TInstrumentLink& link, const int& deviceType,
                                               std::function<void(const QString&)> showError,
                                               QObject& window)
    : table_(table), controls_(controls), link_(link), deviceType_(deviceType),
      showError_(std::move(showError)), timer1_(NewNamed<QTimer>(QStringLiteral("Timer1"), &window))
{
    timer1_->setInterval(1000);
}

void TReadingsTableCommands::Start()
{
    WriteStartHeadings(table_);
    ShowTableFileOption();
}

void TReadingsTableCommands::AddRowToGridActnExecute()
{
    const TStoreOutcome outcome =
        StoreLiveRow(table_, link_.FrameSeen,
                     {deviceType_, link_.RowFromFrame, QDateTime::currentDateTime()}, tableFile_);
    if (!outcome.stored)
        return;
    controls_.grid.ScrollToGridRow(table_.LiveRow());
    ShowTableFileOption();
    // The option is off already, so the next interval row cannot raise the box again.
    if (outcome.tableFileError)
        showError_(*outcome.tableFileError);
}

void TReadingsTableCommands::AddRowWithTimerActnExecute()
{
    const bool running = rowInterval_.Toggle();
    controls_.addRowWithTimer.SetChecked(running);
    if (running)
        timer1_->start();
    else
        timer1_->stop();
}

void TReadingsTableCommands::Timer1Timer()
{
    if (rowInterval_.Tick(controls_.interval.value()))
        controls_.addRow.Execute();
}

// No current cell gives grid row 0, which removes nothing.
void TReadingsTableCommands::RemRowActnExecute()
{
    table_.RemoveRow(TReadingsTableModel::GridRow(controls_.grid.currentIndex()));
}

void TReadingsTableCommands::ClearGridActnExecute() { table_.ResetGrid(-1); }

void TReadingsTableCommands::SaveTableActnExecute()
{
    if (!controls_.saveDialog.Execute())
        return;
    if (auto error = SaveTableFile(controls_.saveDialog.FileName(), TableFileBytes(table_)))
        showError_(*error);
}

// The file is chosen here and kept by the option: later runs of SaveDialog1 do not move it.
void TReadingsTableCommands::CheckBox2Click()
{
    if (controls_.tableFileBox.isChecked() && controls_.saveDialog.Execute())
        tableFile_.SwitchOn(controls_.saveDialog.FileName());
    else
        tableFile_.SwitchOff();
    ShowTableFileOption();
}

void TReadingsTableCommands::ShowTableFileOption()
{
    controls_.tableFileBox.setChecked(tableFile_.IsOn());
    controls_.tableFileName.setText(tableFile_.FileName());
    controls_.tableFileName.setVisible(tableFile_.IsOn());
    controls_.linesWritten.setText(QString::number(tableFile_.LinesWritten()));
}

void TReadingsTableCommands::CopyGridActnExecute()
{
    switch (GridToCopy(controls_.pages.currentIndex())) {
    case TCopiedGrid::Readings:
        CopyGridToClipboard(table_.Rows());
        break;
    case TCopiedGrid::Results:
        CopyGridToClipboard(GridRows(controls_.resultsGrid));
        break;
    case TCopiedGrid::None:
        break;
    }
}

void TReadingsTableCommands::CopyGridActnUpdate()
{
    controls_.copyGrid.SetEnabled(CopyGridEnabled(controls_.pages.currentIndex()));
}

}
