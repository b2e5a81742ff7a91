#include "mainwindow/widgets/prop_form.h"

#include "mainwindow/record_props/props_text.h"
#include "mainwindow/widgets/named_control.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QVBoxLayout>

namespace lmv::mainwindow {

namespace {

constexpr int HelpContext = 21;

QList<QStringList> SelectedBlock(const QTableWidget& grid)
{
    const QList<QTableWidgetSelectionRange> ranges = grid.selectedRanges();
    QTableWidgetSelectionRange block;
    if (!ranges.isEmpty())
        block = ranges.first();
    else if (grid.currentRow() >= 0 && grid.currentColumn() >= 0)
        block = QTableWidgetSelectionRange(grid.currentRow(), grid.currentColumn(),
                                           grid.currentRow(), grid.currentColumn());
    QList<QStringList> cells;
    for (int row = block.topRow(); row <= block.bottomRow() && block.rowCount() > 0; ++row) {
        QStringList line;
        for (int column = block.leftColumn(); column <= block.rightColumn(); ++column) {
            const QTableWidgetItem* item = grid.item(row, column);
            line << (item ? item->text() : QString());
        }
        cells << line;
    }
    return cells;
}

}

TPropForm::TPropForm(QWidget* mainWindow)
    : QWidget(mainWindow,
              Qt::Window | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                  Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                  Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("PropForm"));
    setWindowTitle(QStringLiteral("Параметры"));
    setProperty("HelpContext", HelpContext);
    CreateControls();
    InitGridHeader();
}

void TPropForm::CreateControls()
{
    auto* column = new QVBoxLayout(this);
    column->addWidget(new QLabel(QStringLiteral("Параметры"), this));
    PropGrid = NewNamed<QTableWidget>(QStringLiteral("PropGrid"), 0, 2, this);
    PropGrid->verticalHeader()->hide();
    PropGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    PropGrid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    PropGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    for (int c = 0; c < 2; ++c)
        PropGrid->setColumnWidth(c, ColumnWidth);
    PropGrid->installEventFilter(this);
    column->addWidget(PropGrid, 1);

    column->addWidget(new QLabel(QStringLiteral("Название"), this));
    TitleEdit = NewNamed<QLineEdit>(QStringLiteral("TitleEdit"), this);
    column->addWidget(TitleEdit);
    connect(TitleEdit, &QLineEdit::textEdited, this, &TPropForm::Edited);

    column->addWidget(new QLabel(QStringLiteral("Комментарии"), this));
    CommentsMemo = NewNamed<QPlainTextEdit>(QStringLiteral("CommentsMemo"), this);
    column->addWidget(CommentsMemo, 1);
    connect(CommentsMemo, &QPlainTextEdit::textChanged, this, &TPropForm::Edited);
    resize(2 * ColumnWidth + 40, 420);
}

void TPropForm::InitGridHeader()
{
    PropGrid->setHorizontalHeaderLabels({QStringLiteral("Параметр"), QStringLiteral("Значение")});
}

void TPropForm::ShowRecord(const model::TBaseRecord& rec, const QString&)
{
    filling_ = true;
    TitleEdit->setText(rec.Title);
    ShowParams(rec.Params);
    CommentsMemo->setPlainText(CommentsMemoText(rec.Comments));
    filling_ = false;
}

void TPropForm::ShowParams(const model::TParamsArr& params)
{
    const QList<QStringList> rows = ParamGridRows(params);
    PropGrid->clearContents();
    PropGrid->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row)
        for (int c = 0; c < 2; ++c)
            PropGrid->setItem(row, c, new QTableWidgetItem(rows[row][c]));
}

QString TPropForm::Title() const { return TitleEdit->text(); }

QByteArray TPropForm::Comments() const { return CommentsFromMemo(CommentsMemo->toPlainText()); }

void TPropForm::CopyGridSelection(const QTableWidget& grid)
{
    QGuiApplication::clipboard()->setText(GridSelectionText(SelectedBlock(grid)));
}

void TPropForm::ShowForTitle()
{
    show();
    raise();
    activateWindow();
    TitleEdit->setFocus();
}

void TPropForm::Edited()
{
    if (!filling_ && onEdited_)
        onEdited_();
}

void TPropForm::closeEvent(QCloseEvent* event)
{
    if (onClose_)
        onClose_();
    event->accept();
}

// Centred on the main window the first time it is shown, its frame (not known before it is
// first shown: taken as wide as the main window's) on the main window's frame; afterwards where
// the operator put it.
void TPropForm::showEvent(QShowEvent* event)
{
    if (!placed_ && parentWidget()) {
        const QWidget& main = *parentWidget();
        QRect frame(QPoint(), size() + (main.frameSize() - main.size()));
        frame.moveCenter(main.frameGeometry().center());
        move(frame.topLeft());
        placed_ = true;
    }
    QWidget::showEvent(event);
}

// Ctrl+C copies the selected block, not only the current cell.
bool TPropForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == PropGrid && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_C && key->modifiers().testFlag(Qt::ControlModifier)) {
            CopyGridSelection(*PropGrid);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}
