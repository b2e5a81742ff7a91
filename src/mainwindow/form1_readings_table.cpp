// The readings table on the page "Таблица": its set-up at the window's start, storing the live row
// by the operator, the interval timer and the frames, removal and clearing, the comment column, the
// saved table, the table-file option and copying a grid to the clipboard.
#include "mainwindow/form1.h"

#include "link/instrument_link.h"
#include "mainwindow/action.h"
#include "mainwindow/channel_pages_view.h"
#include "mainwindow/readings_table/copy_grid_rule.h"
#include "mainwindow/readings_table/row_store.h"
#include "mainwindow/readings_table/table_columns.h"
#include "mainwindow/readings_table/table_file_writer.h"
#include "mainwindow/readings_table/table_headings.h"
#include "mainwindow/readings_table/table_text.h"
#include "mainwindow/results_page_view.h"
#include "mainwindow/table_page_view.h"
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

}

// Shared by the table save and the graph text export, as the form defines it.
void TForm1::CreateSaveDialog1()
{
    common::TFileDialogRequest request;
    request.title = QStringLiteral("Вывод в файл");
    request.filter = QStringLiteral("Файл данных (*.DAT)");
    request.defaultExt = QStringLiteral("DAT");
    // The documents folder the working folder lies in; later runs start from the last name.
    request.folder = QDir::cleanPath(store_.StartDir() + QStringLiteral("/.."));
    SaveDialog1 = new TSaveDialog(QStringLiteral("SaveDialog1"), request, desktop_, this);
}

void TForm1::InitReadingsTable()
{
    WriteStartHeadings(readingsTable_);
    ShowTableFileOption();
}

TEditContext TForm1::ReadingsEditContext() const
{
    const bool liveShown = !SelectedFileName().isEmpty() && LiveRecordIsShown();
    return {deviceType_, liveShown};
}

void TForm1::AddRowToGridActnExecute()
{
    const TStoreOutcome outcome =
        StoreLiveRow(readingsTable_, Link().FrameSeen,
                     {deviceType_, Link().RowFromFrame, QDateTime::currentDateTime()}, TableFile);
    if (!outcome.stored)
        return;
    ReadingsPage->Grid().ScrollToGridRow(readingsTable_.LiveRow());
    ShowTableFileOption();
    // The option is off already, so the next interval row cannot raise the box again.
    if (outcome.tableFileError)
        ShowError(*outcome.tableFileError);
}

void TForm1::AddRowWithTimerActnExecute()
{
    const bool running = RowInterval.Toggle();
    Actn(TActionId::AddRowWithTimerActn).SetChecked(running);
    if (running)
        Timer1->start();
    else
        Timer1->stop();
}

void TForm1::Timer1Timer()
{
    if (RowInterval.Tick(ReadingsPage->RowInterval().value()))
        Actn(TActionId::AddRowToGridActn).Execute();
}

// No current cell gives grid row 0, which removes nothing.
void TForm1::RemRowActnExecute()
{
    readingsTable_.RemoveRow(TReadingsTableModel::GridRow(ReadingsPage->Grid().currentIndex()));
}

void TForm1::ClearGridActnExecute() { readingsTable_.ResetGrid(-1); }

void TForm1::SaveTableActnExecute()
{
    if (!SaveDialog1->Execute())
        return;
    if (auto error = SaveTableFile(SaveDialog1->FileName(), TableFileBytes(readingsTable_)))
        ShowError(*error);
}

// The file is chosen here and kept by the option: later runs of SaveDialog1 do not move it.
void TForm1::CheckBox2Click()
{
    if (ReadingsPage->TableFileOn().isChecked() && SaveDialog1->Execute())
        TableFile.SwitchOn(SaveDialog1->FileName());
    else
        TableFile.SwitchOff();
    ShowTableFileOption();
}

void TForm1::ShowTableFileOption()
{
    ReadingsPage->TableFileOn().setChecked(TableFile.IsOn());
    ReadingsPage->TableFileName().setText(TableFile.FileName());
    ReadingsPage->TableFileName().setVisible(TableFile.IsOn());
    ReadingsPage->TableFileLines().setText(QString::number(TableFile.LinesWritten()));
}

void TForm1::CopyGridActnExecute()
{
    switch (GridToCopy(ChannelPages->ActivePage())) {
    case TCopiedGrid::Readings:
        CopyGridToClipboard(readingsTable_.Rows());
        break;
    case TCopiedGrid::Results:
        CopyGridToClipboard(GridRows(ResultsView->Grid()));
        break;
    case TCopiedGrid::None:
        break;
    }
}

void TForm1::CopyGridActnUpdate()
{
    Actn(TActionId::CopyGridActn).SetEnabled(CopyGridEnabled(ChannelPages->ActivePage()));
}

}
