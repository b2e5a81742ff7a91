// The window's looks: Qt's own texts in Russian, real icons, fixed-width controls that hold
// their texts, and failures told in the status line as well as by the bell.
#include "form1_fixture.h"
#include "instrument_on_line.h"
#include "shown_channels.h"

#include "link/instrument_link.h"
#include "mainwindow/action.h"
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/qt_translations.h"
#include "mainwindow/rules/page_layout.h"
#include "mainwindow/widgets/port_combo_box.h"
#include "mainwindow/widgets/readings_grid_view.h"
#include "mainwindow/widgets/status_panels.h"
#include "mainwindow/widgets/string_grid.h"
#include "mainwindow/widgets/tool_icons.h"

#include <QAction>
#include <QCoreApplication>
#include <QDateTime>
#include <QImage>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOption>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolBar>

namespace lmv::test {
namespace {

TEST(QtTranslationsTest, QtButtonsAndDialogsSpeakRussian)
{
    ASSERT_TRUE(mainwindow::InstallQtTranslations(*QCoreApplication::instance()))
        << "qt6-translations-l10n is missing";
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Save As"),
              QStringLiteral("Сохранить как"));
}

bool HasInk(const QIcon& icon, int side, QIcon::Mode mode = QIcon::Normal)
{
    const QImage image = icon.pixmap(QSize(side, side), mode).toImage();
    if (image.size() != QSize(side, side))
        return false;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                return true;
    return false;
}

// A missing theme or SVG plugin leaves empty pictures, and the tool bar shows blank buttons.
TEST_F(Form1Test, EveryPicturedActionDrawsAtOneAndTwoTimesAndWhenDisabled)
{
    for (const QString& name : mainwindow::ActionsWithIcons()) {
        const QIcon icon = Form().Actn(name).Action()->icon();
        EXPECT_TRUE(HasInk(icon, mainwindow::ToolIconSide)) << name.toStdString();
        EXPECT_TRUE(HasInk(icon, 2 * mainwindow::ToolIconSide)) << name.toStdString();
        EXPECT_NE(icon.pixmap(16, QIcon::Disabled).toImage(), icon.pixmap(16).toImage())
            << name.toStdString();
    }
}

int TextWidth(const QWidget& widget, const QString& text)
{
    return widget.fontMetrics().horizontalAdvance(text);
}

QTabWidget& Pages(mainwindow::TForm1& form) { return Named<QTabWidget>(form, "PageControl1"); }
QToolBar& Bar(mainwindow::TForm1& form, const char* name)
{
    return Named<QToolBar>(form, QString::fromLatin1(name));
}
QLineEdit& Field(mainwindow::TForm1& form, const char* name)
{
    return Named<QLineEdit>(form, QString::fromLatin1(name));
}
mainwindow::TPortComboBox& PortChooser(mainwindow::TForm1& form)
{
    return Named<mainwindow::TPortComboBox>(form, "ComboBox1");
}
mainwindow::TStringGrid& ResultsGrid(mainwindow::TForm1& form)
{
    return Named<mainwindow::TStringGrid>(form, "ResultsGrid");
}

// Page 1's curve, of a record shown: 10 points from that value up in steps of 0.001.
void ShowRisingCurve(mainwindow::TForm1& form, const store::TRecordStore& store, double from)
{
    std::vector<model::TPoint> points;
    for (int i = 0; i < 10; ++i)
        points.push_back({double(i), from + i * 0.001});
    ShowChannels(form, store, 1, {{0, points}});
}

TEST_F(Form1Test, PortChooserShowsATypedDevicePathWhole)
{
    Form().show();
    for (const QString& path : {QStringLiteral("/dev/ttyUSB0"), QStringLiteral("/dev/pts/12")}) {
        PortChooser(Form()).setEditText(path);
        QLineEdit* edit = PortChooser(Form()).lineEdit();
        ASSERT_NE(edit, nullptr);
        EXPECT_GE(edit->contentsRect().width(), TextWidth(*edit, path)) << path.toStdString();
    }
}

// A tool bar inside a page has no working overflow menu: what does not fit is out of reach.
TEST_F(Form1Test, EveryToolOfTheTablePageFitsTheWindow)
{
    Form().resize(mainwindow::TForm1::FormWidth, mainwindow::TForm1::FormHeight);
    Form().show();
    Form().Actn(QStringLiteral("ShowAllTabsActn")).Execute();
    Pages(Form()).setCurrentIndex(5);
    QCoreApplication::processEvents();
    for (QAction* action : Bar(Form(), "ToolBar3").actions()) {
        const QWidget* tool = Bar(Form(), "ToolBar3").widgetForAction(action);
        ASSERT_NE(tool, nullptr);
        EXPECT_TRUE(tool->isVisible()) << action->text().toStdString();
    }
}

// The main tool bars' overflow buttons do open, but every tool should be in sight at the
// window's own width and wider; the two bars share a row where it holds them both.
TEST_F(Form1Test, EveryToolOfTheMainToolBarsFitsTheWindow)
{
    Form().show();
    QCoreApplication::processEvents();
    // The narrowest window whose row holds both bars; one pixel less and they take two rows.
    const int oneRow =
        Bar(Form(), "ToolBar2").sizeHint().width() + Bar(Form(), "CurveToolBar").sizeHint().width();
    for (const QSize size : {QSize(mainwindow::TForm1::FormWidth, mainwindow::TForm1::FormHeight),
                             QSize(oneRow - 1, 577), QSize(oneRow, 577), QSize(1280, 800)}) {
        Form().resize(size);
        Form().show();
        QCoreApplication::processEvents();
        for (const QToolBar* bar : {&Bar(Form(), "ToolBar2"), &Bar(Form(), "CurveToolBar")}) {
            for (QAction* action : bar->actions()) {
                const QWidget* tool = bar->widgetForAction(action);
                ASSERT_NE(tool, nullptr);
                EXPECT_TRUE(tool->isVisible())
                    << size.width() << " " << action->text().toStdString();
                EXPECT_LE(tool->mapTo(&Form(), QPoint(tool->width(), 0)).x(), size.width());
            }
        }
        // The curve tools follow the scale and view tools, in their row or below it.
        const QRect first = Bar(Form(), "ToolBar2").geometry();
        const QRect second = Bar(Form(), "CurveToolBar").geometry();
        if (size.width() < oneRow)
            EXPECT_GE(second.top(), first.bottom()) << size.width();
        else
            EXPECT_TRUE(second.top() == first.top() && second.left() > first.left())
                << size.width();
    }
}

TEST_F(Form1Test, DateStampFitsItsColumn)
{
    InstrumentOnLine line{[this]() -> mainwindow::TForm1& { return Form(); }};
    line.SendBareFrame();
    ASSERT_TRUE(Form().Actn(QStringLiteral("AddRowToGridActn")).Execute());
    const mainwindow::TReadingsGridView& grid =
        Named<mainwindow::TReadingsGridView>(Form(), "StringGrid1");
    const QAbstractItemModel& model = *grid.model();
    bool stampSeen = false;
    for (int column = 0; column < model.columnCount(); ++column) {
        const QString text = model.index(0, column).data().toString();
        if (text.isEmpty())
            continue;
        stampSeen |= text.contains(QLatin1Char(':'));
        // As wide as the cell's delegate draws it, grid line included.
        EXPECT_GE(grid.columnWidth(column),
                  static_cast<const QAbstractItemView&>(grid).sizeHintForColumn(column))
            << column << " " << text.toStdString();
    }
    EXPECT_TRUE(stampSeen);
}

// The results page's headings are whole, as the grid's delegate draws them.
TEST_F(Form1Test, ResultsHeadingsFitTheirColumns)
{
    Pages(Form()).setCurrentIndex(mainwindow::ResultsPage);
    const mainwindow::TStringGrid& grid = ResultsGrid(Form());
    for (int column = 0; column < 2; ++column)
        EXPECT_GE(grid.columnWidth(column),
                  static_cast<const QAbstractItemView&>(grid).sizeHintForColumn(column))
            << grid.Cells(column, 0).toStdString();
}

// A long number in a scale field shows its leading digits, not its last decimals.
TEST_F(Form1Test, ScaleFieldsShowTheLeadingDigitsOfALongNumber)
{
    Pages(Form()).setCurrentIndex(0);
    ShowRisingCurve(Form(), store, 12.5);
    Form().ChartZoom();
    EXPECT_GT(Field(Form(), "Edit2").text().size(), 6);
    EXPECT_EQ(Field(Form(), "Edit2").cursorPosition(), 0);
    EXPECT_EQ(Field(Form(), "Edit1").cursorPosition(), 0);
}

// The width QLineEdit lays its text out in (its paint event's line rectangle): the contents
// rectangle of its frame less its text margins and its own 2-pixel margins at each side.
int TextRoomOf(const QLineEdit& field)
{
    QStyleOptionFrame panel;
    panel.initFrom(&field);
    panel.rect = field.contentsRect();
    panel.lineWidth = field.hasFrame()
        ? field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &panel, &field)
        : 0;
    panel.midLineWidth = 0;
    panel.state |= QStyle::State_Sunken;
    panel.features = QStyleOptionFrame::None;
    const QRect contents = field.style()
                               ->subElementRect(QStyle::SE_LineEditContents, &panel, &field)
                               .marginsRemoved(field.textMargins());
    return contents.width() - 2 * 2;
}

// A field shows its whole text when the text, the cursor and the pixel QLineEdit keeps after
// it fit the line (QLineEdit scrolls the text otherwise).
TEST_F(Form1Test, ScaleFieldsHoldTheWidestNumberWhole)
{
    const QString widest = QStringLiteral("-1234.567890");
    Form().resize(mainwindow::TForm1::FormWidth, mainwindow::TForm1::FormHeight);
    Form().show();
    QCoreApplication::processEvents();
    for (QLineEdit* field : {&Field(Form(), "Edit2"), &Field(Form(), "Edit1")}) {
        const int cursorWidth =
            field->style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, field);
        EXPECT_GE(TextRoomOf(*field), TextWidth(*field, widest) + 1 + cursorWidth)
            << field->objectName().toStdString() << " is " << field->width() << " px wide";
        // As painted: the cursor at the text's end does not scroll it.
        field->setText(widest);
        field->setCursorPosition(0);
        field->grab();
        const int start = field->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
        field->setCursorPosition(int(widest.size()));
        field->grab();
        const int end = field->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
        EXPECT_EQ(end - start, TextWidth(*field, widest)) << field->objectName().toStdString();
    }
}

// Every write into a scale field leaves its start in sight: the rewrite of a typed scale, a
// step by ten, the rewrite after a bad text, and the fit of a page change.
TEST_F(Form1Test, EveryWriteIntoAScaleFieldShowsItsStart)
{
    mainwindow::TForm1& window = Form();
    window.Actn(QStringLiteral("ShowAllTabsActn")).Execute();
    Pages(window).setCurrentIndex(0);
    auto expectStart = [&](const char* what) {
        EXPECT_EQ(Field(window, "Edit2").cursorPosition(), 0)
            << what << " " << Field(window, "Edit2").text().toStdString();
        EXPECT_EQ(Field(window, "Edit1").cursorPosition(), 0)
            << what << " " << Field(window, "Edit1").text().toStdString();
    };

    Field(window, "Edit2").setText(QStringLiteral("25,002992"));
    Field(window, "Edit1").setText(QStringLiteral("100,5"));
    window.Actn(QStringLiteral("SetScaleActn")).Execute();
    ASSERT_EQ(Field(window, "Edit2").text(), "25.002992");
    expectStart("a typed scale");

    window.Actn(QStringLiteral("MultScaleBy10Actn")).Execute();
    ASSERT_EQ(Field(window, "Edit1").text(), "1005.000000");
    expectStart("a step by ten");
    window.Actn(QStringLiteral("DivScaleBy10Actn")).Execute();
    expectStart("a step by ten");

    Field(window, "Edit2").setText(QStringLiteral("I00.50"));
    window.Actn(QStringLiteral("SetScaleActn")).Execute();
    ASSERT_EQ(notifier.boxes.size(), 1);
    expectStart("the rewrite after a bad text");

    ShowRisingCurve(window, store, 25.002992);
    window.Actn(QStringLiteral("FitImageActn")).Execute();
    ASSERT_TRUE(window.Actn(QStringLiteral("FitImageActn")).Checked());
    Pages(window).setCurrentIndex(1);
    Pages(window).setCurrentIndex(0);
    expectStart("a page change");
}

// Status panel 2 shows the status text.
constexpr int StatusTextPanel = 2;

TEST_F(Form1Test, PortThatWillNotOpenIsToldInStatusPanelThenStatusTextReturns)
{
    Form().SetStatusText(QStringLiteral("Запись остановлена"));
    PortChooser(Form()).setEditText(folder.path() + QStringLiteral("/missing-port"));
    Form().Actn(QStringLiteral("ConnectActn")).Execute();
    EXPECT_EQ(notifier.beeps, 1);
    const QString shown =
        Named<mainwindow::TStatusPanels>(Form(), "StatusBar1").PanelText(StatusTextPanel);
    EXPECT_TRUE(shown.contains(QStringLiteral("missing-port"))) << shown.toStdString();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return Named<mainwindow::TStatusPanels>(Form(), "StatusBar1")
                       .PanelText(StatusTextPanel) == Form().StatusText();
        },
        mainwindow::TStatusPanels::BriefMs + 2000));
}

}
}
