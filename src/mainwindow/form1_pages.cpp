// PageControl1: fourteen pages in their fixed index order, with their charts, series and grids.
#include "mainwindow/form1.h"

#include "mainwindow/action.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/series_kinds.h"
#include "mainwindow/widgets/readings_grid_view.h"
#include "mainwindow/widgets/steady_tabs.h"
#include "mainwindow/widgets/string_grid.h"
#include "mainwindow/widgets/tight_tool_bar.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <limits>

namespace lmv::mainwindow {

namespace {

const char* const SheetNames[PageCount] = {
    "TabSheet1",  "TabSheet2",  "TabSheet3",  "TabSheet4",      "TabSheet5",
    "TabSheet6",  "TabSheet7",  "TabSheet8",  "TabSheet13",     "TabSheet9",
    "TabSheet10", "TabSheet11", "TabSheet12", "KTTResultSheet",
};

constexpr int ChannelAxisLimit = 4000;
constexpr double TimeMarkWidthPercent = 1.0;

const QColor Red(255, 0, 0);
const QColor Green(0, 128, 0);
const QColor Maroon(128, 0, 0);
const QColor Navy(0, 0, 128);
const QColor Aqua(0, 255, 255);
const QColor Fuchsia(255, 0, 255);

QVBoxLayout* ColumnOf(QWidget* page)
{
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(2, 2, 2, 2);
    return column;
}

TLineSeries* NewLine(TChart& chart, const QString& name, QColor color, QObject* owner,
                     int width = 1)
{
    auto* series = new TLineSeries(name, color, owner);
    series->SetPenWidth(width);
    chart.AddSeries(series);
    return series;
}

QLabel* NewStaticText(const QString& name, QWidget* parent)
{
    auto* text = new QLabel(parent);
    text->setObjectName(name);
    return text;
}

}

void TForm1::CreatePages()
{
    PageControl1 = new TSteadyTabWidget;
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    // With every page shown the captions do not fit: they stay whole and the bar scrolls.
    PageControl1->setElideMode(Qt::ElideNone);
    PageControl1->setUsesScrollButtons(true);
    const TPageLayout form = FormPageLayout();
    for (int index = 0; index < PageCount; ++index) {
        Pages[index] = new QWidget;
        Pages[index]->setObjectName(QString::fromLatin1(SheetNames[index]));
        PageControl1->addTab(Pages[index], form.tabCaptions[index]);
    }
    CreateChannelPages();
    CreateTablePage();
    CreateFourPlusOnePage();
    CreateTestAndTwoParameterPages();
    CreateServicePages();
    BindCurveViews();
    for (int index = 0; index < ChannelPageCount; ++index)
        PageCharts[index]->SetTitle(form.chartTitles[index]);
    connect(PageControl1, &QTabWidget::currentChanged, this,
            [this] { RunReportingErrors(&TForm1::PageControl1Change); });
}

void TForm1::BindCurveViews()
{
    for (const TCurveId curve : AllCurves)
        curveViews_.Bind(curve,
                         *findChild<TChartSeries*>(CurveName(curve), Qt::FindDirectChildrenOnly));
}

void TForm1::CreateChannelPages()
{
    std::array<TChart**, ChannelPageCount> charts{&Chart1, &Chart2, &Chart3, &Chart4, &Chart5};
    for (int index = 0; index < ChannelPageCount; ++index) {
        auto* chart = new TChart(QStringLiteral("Chart%1").arg(index + 1), Pages[index]);
        chart->LeftAxis().SetMinMax(-ChannelAxisLimit, ChannelAxisLimit);
        ColumnOf(Pages[index])->addWidget(chart);
        *charts[index] = chart;
        PageCharts[index] = chart;
    }
    Series1 = NewLine(*Chart1, QStringLiteral("Series1"), Red, this, 2);
    Series8 = new TBarSeries(QStringLiteral("Series8"), Green, TimeMarkWidthPercent, this);
    Chart1->AddSeries(Series8);
    FastLineSeries1 = NewLine(*Chart2, QStringLiteral("FastLineSeries1"), Red, this);
    Series15 = NewLine(*Chart2, QStringLiteral("Series15"), Green, this);
    Series15->SetOnRightAxis(true);
    FastLineSeries2 = NewLine(*Chart3, QStringLiteral("FastLineSeries2"), Red, this);
    FastLineSeries3 = NewLine(*Chart4, QStringLiteral("FastLineSeries3"), Red, this);
    FastLineSeries4 = NewLine(*Chart5, QStringLiteral("FastLineSeries4"), Red, this);
}

void TForm1::CreateTablePage()
{
    QWidget* page = Pages[5];
    QVBoxLayout* column = ColumnOf(page);

    ToolBar3 = new QToolBar(page);
    ToolBar3->setObjectName(QStringLiteral("ToolBar3"));
    ToolBar3->setToolButtonStyle(Qt::ToolButtonTextOnly);
    MakeTight(*ToolBar3);
    ToolBar3->addAction(Actn(TActionId::AddRowToGridActn).Action());
    ToolBar3->addAction(Actn(TActionId::AddRowWithTimerActn).Action());
    SpinEdit1 = new QSpinBox(ToolBar3);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    SpinEdit1->setValue(10);
    SpinEdit1->setFixedWidth(64);
    SpinEdit1->setToolTip(QStringLiteral("Итервал между измерениями, сек"));
    ToolBar3->addWidget(SpinEdit1);
    ToolBar3->addWidget(new QLabel(QStringLiteral(" сек "), ToolBar3));
    // Removing and clearing show their pictures only, so that every tool fits the page.
    for (const TActionId id : {TActionId::RemRowActn, TActionId::ClearGridActn}) {
        QAction* action = Actn(id).Action();
        ToolBar3->addAction(action);
        if (auto* button = qobject_cast<QToolButton*>(ToolBar3->widgetForAction(action)))
            button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
    CheckBox4 = new QCheckBox(QStringLiteral("Единицы измерения"), ToolBar3);
    CheckBox4->setObjectName(QStringLiteral("CheckBox4"));
    ToolBar3->addWidget(CheckBox4);
    column->addWidget(ToolBar3);

    StringGrid1 = new TReadingsGridView(readingsTable_, ReadingsModel, page);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setProperty("HelpContext", 33);
    column->addWidget(StringGrid1, 1);

    Panel3 = new QWidget(page);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    auto* panel3Column = new QVBoxLayout(Panel3);
    CorrosBox = new QGroupBox(QStringLiteral("Коррозиметр"), Panel3);
    CorrosBox->setObjectName(QStringLiteral("CorrosBox"));
    panel3Column->addWidget(CorrosBox);
    CorrosBox->hide();
    Panel3->hide();
    column->addWidget(Panel3);

    Panel4 = new QWidget(page);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    auto* panel4Row = new QHBoxLayout(Panel4);
    CheckBox2 = new QCheckBox(QStringLiteral("Запись   в файл"), Panel4);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    connect(CheckBox2, &QCheckBox::clicked, this,
            [this] { RunReportingErrors(&TForm1::CheckBox2Click); });
    panel4Row->addWidget(CheckBox2);
    StaticText2 = NewStaticText(QStringLiteral("StaticText2"), Panel4);
    panel4Row->addWidget(StaticText2);
    StaticText3 = NewStaticText(QStringLiteral("StaticText3"), Panel4);
    panel4Row->addWidget(StaticText3);
    Panel4->hide();
    column->addWidget(Panel4);
}

void TForm1::CreateFourPlusOnePage()
{
    QWidget* page = Pages[6];
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(2, 2, 2, 2);
    Chart6 = new TChart(QStringLiteral("Chart6"), page);
    PageCharts[6] = Chart6;
    row->addWidget(Chart6, 1);
    Series2 = NewLine(*Chart6, QStringLiteral("Series2"), Red, this);
    Series3 = NewLine(*Chart6, QStringLiteral("Series3"), Maroon, this);
    Series4 = NewLine(*Chart6, QStringLiteral("Series4"), Navy, this);
    Series5 = NewLine(*Chart6, QStringLiteral("Series5"), Aqua, this);
    Series6 = NewLine(*Chart6, QStringLiteral("Series6"), Fuchsia, this);

    Panel5 = new QWidget(page);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    auto* legend = new QGridLayout(Panel5);
    const std::array<TChartSeries*, 5> lines{Series2, Series3, Series4, Series5, Series6};
    const char* const labels[] = {"1", "2", "3", "4", "C"};
    for (int line = 0; line < 5; ++line) {
        auto* swatch = new QLabel(QString::fromLatin1(labels[line]), Panel5);
        swatch->setAlignment(Qt::AlignCenter);
        swatch->setFixedSize(20, 16);
        swatch->setStyleSheet(
            QStringLiteral("background-color: %1; color: white;").arg(lines[line]->Color().name()));
        legend->addWidget(swatch, line, 0);
        StaticText11To15[line] =
            NewStaticText(QStringLiteral("StaticText%1").arg(11 + line), Panel5);
        StaticText11To15[line]->setMinimumWidth(80);
        legend->addWidget(StaticText11To15[line], line, 1);
    }
    legend->setRowStretch(5, 1);
    row->addWidget(Panel5);
}

void TForm1::CreateTestAndTwoParameterPages()
{
    Chart7 = new TChart(QStringLiteral("Chart7"), Pages[7]);
    ColumnOf(Pages[7])->addWidget(Chart7);
    Series7 = new TArrivalOrderSeries(QStringLiteral("Series7"), Red, this);
    Chart7->AddSeries(Series7);

    Chart11 = new TChart(QStringLiteral("Chart11"), Pages[8]);
    PageCharts[8] = Chart11;
    ColumnOf(Pages[8])->addWidget(Chart11);
    FastLineSeries5 = NewLine(*Chart11, QStringLiteral("FastLineSeries5"), Red, this, 2);
}

}
