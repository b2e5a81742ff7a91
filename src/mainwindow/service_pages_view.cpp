#include "mainwindow/service_pages_view.h"

#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/series_kinds.h"
#include "mainwindow/widgets/string_grid.h"
#include "service/calibration_readouts.h"
#include "service/calibration_service.h"
#include "service/notebook_page.h"
#include "service/reports/calibration_sheet.h"
#include "service/service_texts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <qcustomplot.h>
#include <stdexcept>

namespace lmv::mainwindow {

namespace {

const QColor Black(0, 0, 0);
const QColor Red(255, 0, 0);
const QColor Green(0, 128, 0);

QSpinBox* NewSpinEdit(const QString& name, int minimum, int maximum, QWidget* parent)
{
    auto* edit = new QSpinBox(parent);
    edit->setObjectName(name);
    edit->setRange(minimum, maximum);
    edit->setValue(minimum);
    return edit;
}

QLabel* NewText(const QString& name, QWidget* parent, const QString& text = {})
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setMinimumWidth(60);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// A caption and its field on one row of a grid layout.
void AddLabelled(QGridLayout& grid, int row, const QString& caption, QWidget* field)
{
    grid.addWidget(new QLabel(caption, field->parentWidget()), row, 0);
    grid.addWidget(field, row, 1);
}

// Labels of the graduation chart's axes, "#,##0.0###".
class TGraduationTicker : public QCPAxisTicker {
protected:
    QString getTickLabel(double tick, const QLocale&, QChar, int) override
    {
        return service::GraduationAxisText(tick);
    }
};

// A calibration drawn as a line through the calibration's values and the measured points as
// circles large enough to be seen, never on the frame.
void AddCalibrationSeries(TChart& chart, const QString& lineName, QColor lineColor,
                          TChartSeries*& line, const QString& pointsName, TChartSeries*& points,
                          QObject* owner)
{
    line = new TLineSeries(lineName, lineColor, owner);
    chart.AddSeries(line);
    auto* circles = new TPointSeries(pointsName, Green, owner);
    circles->SetPointStyle(TPointStyle::Circle);
    chart.AddSeries(circles);
    points = circles;
}

// The photometer's and the conductometer's page: the calibration read's group over a second
// group on the left, the chart beside them. The read group's first row holds the number or
// range with its caption and the read button; its fourth row the page's table.
struct TCalibrationPage {
    QGroupBox* read;
    QGridLayout* readRows;
    QGroupBox* second;
    QGridLayout* secondRows;
};

TCalibrationPage LayOutCalibrationPage(QWidget* page, const QString& readTitle,
                                       const QString& secondTitle, TChart* chart)
{
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(2, 2, 2, 2);
    auto* left = new QVBoxLayout;
    TCalibrationPage parts;
    parts.read = new QGroupBox(readTitle, page);
    parts.readRows = new QGridLayout(parts.read);
    left->addWidget(parts.read, 1);
    parts.second = new QGroupBox(secondTitle, page);
    parts.secondRows = new QGridLayout(parts.second);
    left->addWidget(parts.second);
    row->addLayout(left);
    row->addWidget(chart, 1);
    return parts;
}

void AddReadRows(QGridLayout& rows, const QString& caption, QSpinBox* edit, QPushButton* button,
                 TStringGrid* grid)
{
    AddLabelled(rows, 0, caption, edit);
    rows.addWidget(button, 0, 2);
    rows.addWidget(grid, 3, 0, 1, 3);
}

// Four coefficient texts two by two from the given row on.
std::array<QLabel*, 4> AddCoefficientTexts(QGridLayout& rows, int firstRow, int firstNumber,
                                           const std::array<QString, 4>& captions, QWidget* parent)
{
    std::array<QLabel*, 4> texts{};
    for (int i = 0; i < 4; ++i) {
        texts[i] =
            NewText(QStringLiteral("StaticText%1").arg(firstNumber + i), parent, captions[i]);
        rows.addWidget(texts[i], firstRow + i / 2, i % 2);
    }
    return texts;
}

void ShowGrid(TStringGrid& grid, const service::TTextGrid& texts)
{
    for (int row = 0; row < std::min(grid.RowCount(), texts.Rows()); ++row)
        for (int column = 0; column < std::min(grid.ColCount(), texts.Columns()); ++column)
            grid.SetCells(column, row, texts.Cell(row, column));
}

void ShowSeries(TChartSeries& series, const service::TSortedPoints& points)
{
    series.Clear();
    for (const QPointF& point : points.Points())
        series.AddXY(point.x(), point.y());
}

template <size_t N>
void ShowTexts(const std::array<QLabel*, N>& labels, const std::array<QString, N>& texts)
{
    for (size_t i = 0; i < N; ++i)
        labels[i]->setText(texts[i]);
}

}

TServicePagesView::TServicePagesView(const TServicePageHosts& hosts, QObject* seriesOwner,
                                     QObject* parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("ServicePagesView"));
    CreateCalibrationPage(hosts.calibrationPage, seriesOwner);
    CreatePhotometerPage(hosts.photometerPage, seriesOwner);
    CreateConductometerPage(hosts.conductometerPage, seriesOwner);
    CreateCorrosionRow(hosts.corrosionBox);
    TakeTestCommands(hosts.testPanel);
}

QPushButton* TServicePagesView::NewButton(const QString& name, const QString& caption,
                                          QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    buttons_.push_back(button);
    return button;
}

void TServicePagesView::CreateCalibrationPage(QWidget* page, QObject* seriesOwner)
{
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(2, 2, 2, 2);
    auto* inputs = new QHBoxLayout;
    ComboBox2 = new QComboBox(page);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    for (const char* kind : service::CalibrationKinds)
        ComboBox2->addItem(QString::fromLatin1(kind));
    inputs->addWidget(ComboBox2);
    inputs->addWidget(new QLabel(QStringLiteral("Канал"), page));
    SpinEdit7 = NewSpinEdit(QStringLiteral("SpinEdit7"), 1, 50, page);
    inputs->addWidget(SpinEdit7);
    inputs->addWidget(new QLabel(QStringLiteral("Диапазон/Номер калибровки"), page));
    SpinEdit5 = NewSpinEdit(QStringLiteral("SpinEdit5"), 1, 50, page);
    inputs->addWidget(SpinEdit5);
    inputs->addWidget(
        NewButton(QStringLiteral("Button20"), QStringLiteral("Чтение калибровки"), page));
    StaticText20 = NewText(QStringLiteral("StaticText20"), page);
    inputs->addWidget(StaticText20);
    StaticText16 = NewText(QStringLiteral("StaticText16"), page);
    inputs->addWidget(StaticText16);
    inputs->addStretch(1);
    column->addLayout(inputs);

    auto* outputs = new QHBoxLayout;
    StringGrid2 = new TStringGrid(QStringLiteral("StringGrid2"), 4, 31, page);
    outputs->addWidget(StringGrid2, 1);
    Chart10 = new TChart(QStringLiteral("Chart10"), page);
    outputs->addWidget(Chart10, 1);
    AddCalibrationSeries(*Chart10, QStringLiteral("Series13"), Red, Series13,
                         QStringLiteral("Series14"), Series14, seriesOwner);
    column->addLayout(outputs, 1);
}

void TServicePagesView::CreatePhotometerPage(QWidget* page, QObject* seriesOwner)
{
    Chart8 = new TChart(QStringLiteral("Chart8"), page);
    const TCalibrationPage parts =
        LayOutCalibrationPage(page, QStringLiteral("Фотометр"), QStringLiteral("Блокнот"), Chart8);
    QGroupBox* photometer = parts.read;
    QGridLayout& read = *parts.readRows;
    SpinEdit8 = NewSpinEdit(QStringLiteral("SpinEdit8"), 1, 40, photometer);
    QPushButton* button21 =
        NewButton(QStringLiteral("Button21"), QStringLiteral("Чтение калибровки"), photometer);
    StringGrid3 = new TStringGrid(QStringLiteral("StringGrid3"), 5, 16, photometer);
    AddReadRows(read, QStringLiteral("Номер калибровки"), SpinEdit8, button21, StringGrid3);
    StaticText19 = NewText(QStringLiteral("StaticText19"), photometer);
    read.addWidget(StaticText19, 1, 0);
    StaticText33 = NewText(QStringLiteral("StaticText33"), photometer);
    read.addWidget(StaticText33, 1, 1);
    StaticText22 = NewText(QStringLiteral("StaticText22"), photometer);
    read.addWidget(StaticText22, 2, 0, 1, 2);
    StaticText23 = NewText(QStringLiteral("StaticText23"), photometer);
    read.addWidget(StaticText23, 2, 2);
    StaticText24To27 = AddCoefficientTexts(read, 4, 24, {}, photometer);
    read.addWidget(
        NewButton(QStringLiteral("Button22"), QStringLiteral("Печать калибровки"), photometer), 4,
        2);

    QGroupBox* notebook = parts.second;
    QGridLayout& fields = *parts.secondRows;
    SpinEdit6 = NewSpinEdit(QStringLiteral("SpinEdit6"), 1, 100, notebook);
    fields.addWidget(SpinEdit6, 0, 0);
    fields.addWidget(
        NewButton(QStringLiteral("Button26"), QStringLiteral("Чтение страницы"), notebook), 0, 1);
    fields.addWidget(
        NewButton(QStringLiteral("Button28"), QStringLiteral("Блокнот в файл"), notebook), 0, 2);
    StaticText37 = NewText(QStringLiteral("StaticText37"), notebook);
    AddLabelled(fields, 1, QStringLiteral("Результат"), StaticText37);
    StaticText38 = NewText(QStringLiteral("StaticText38"), notebook, QStringLiteral("мг/л"));
    fields.addWidget(StaticText38, 1, 2);
    StaticText50 = NewText(QStringLiteral("StaticText50"), notebook);
    AddLabelled(fields, 2, QStringLiteral("D="), StaticText50);
    StaticText40 = NewText(QStringLiteral("StaticText40"), notebook);
    AddLabelled(fields, 3, QStringLiteral("Калибровка N"), StaticText40);
    StaticText49 = NewText(QStringLiteral("StaticText49"), notebook);
    fields.addWidget(StaticText49, 3, 2);
    StaticText51 = NewText(QStringLiteral("StaticText51"), notebook);
    fields.addWidget(StaticText51, 4, 0, 1, 3);
    StaticText45 = NewText(QStringLiteral("StaticText45"), notebook);
    fields.addWidget(StaticText45, 5, 0, 1, 3);

    Chart8->SetTitle(QStringLiteral("Градуировочный график"));
    Chart8->BottomAxis().Axis()->setLabel(QStringLiteral("мг/л"));
    Chart8->LeftAxis().Axis()->setLabel(QStringLiteral("Оптическая плотность"));
    for (TChartAxis* axis : {&Chart8->BottomAxis(), &Chart8->LeftAxis()})
        axis->Axis()->setTicker(QSharedPointer<TGraduationTicker>::create());
    AddCalibrationSeries(*Chart8, QStringLiteral("Series9"), Black, Series9,
                         QStringLiteral("Series10"), Series10, seriesOwner);
}

void TServicePagesView::CreateConductometerPage(QWidget* page, QObject* seriesOwner)
{
    Chart9 = new TChart(QStringLiteral("Chart9"), page);
    const TCalibrationPage parts =
        LayOutCalibrationPage(page, QStringLiteral("Кондуктометр"), QStringLiteral("Часы"), Chart9);
    QGroupBox* conductometer = parts.read;
    QGridLayout& read = *parts.readRows;
    SpinEdit9 = NewSpinEdit(QStringLiteral("SpinEdit9"), 1, 6, conductometer);
    QPushButton* button23 =
        NewButton(QStringLiteral("Button23"), QStringLiteral("Чтение калибровки"), conductometer);
    StringGrid4 = new TStringGrid(QStringLiteral("StringGrid4"), 4, 6, conductometer);
    AddReadRows(read, QStringLiteral("Диапазон"), SpinEdit9, button23, StringGrid4);
    StaticText29To32 =
        AddCoefficientTexts(read, 1, 29, {"A = ", "B = ", "C = ", "S = "}, conductometer);

    QGroupBox* clock = parts.second;
    QGridLayout& clockFields = *parts.secondRows;
    clockFields.addWidget(NewButton(QStringLiteral("Button24"), QStringLiteral("Set Clock"), clock),
                          0, 0);
    clockFields.addWidget(NewButton(QStringLiteral("Button25"), QStringLiteral("Get Clock"), clock),
                          0, 1);
    StaticText41 = NewText(QStringLiteral("StaticText41"), clock);
    AddLabelled(clockFields, 1, QStringLiteral("Clock PC"), StaticText41);
    StaticText42 = NewText(QStringLiteral("StaticText42"), clock);
    AddLabelled(clockFields, 2, QStringLiteral("Clock L00x"), StaticText42);

    AddCalibrationSeries(*Chart9, QStringLiteral("Series11"), Red, Series11,
                         QStringLiteral("Series12"), Series12, seriesOwner);
}

void TServicePagesView::CreateCorrosionRow(QWidget* box)
{
    auto* row = new QHBoxLayout(box);
    row->addWidget(new QLabel(QStringLiteral("Канал коррозиметра"), box));
    SpinEdit10 = NewSpinEdit(QStringLiteral("SpinEdit10"), 1, 8, box);
    row->addWidget(SpinEdit10);
    row->addWidget(NewButton(QStringLiteral("Button27"), QStringLiteral("Чтение блокнота"), box));
}

void TServicePagesView::TakeTestCommands(QWidget* panel)
{
    for (const char* name : {"Button13", "Button14"})
        buttons_.push_back(panel->findChild<QPushButton*>(QString::fromLatin1(name)));
    SpinEdit4 = panel->findChild<QSpinBox*>(QStringLiteral("SpinEdit4"));
}

void TServicePagesView::Start()
{
    ComboBox2->setCurrentIndex(0);
    StringGrid3->SetColWidths({30, 50, 80, 30, 50});
    const char* const photometerHeadings[] = {"N", "мг/л", "D", " %", "ON/OFF"};
    for (int column = 0; column < 5; ++column)
        StringGrid3->SetCells(column, 0, QString::fromUtf8(photometerHeadings[column]));
    StringGrid4->SetColWidths({30, 120, 120, 50});
    StringGrid2->SetColWidths({30, 120, 120});
}

void TServicePagesView::OnClicked(const QString& button, const std::function<void()>& handler)
{
    for (QPushButton* candidate : buttons_) {
        if (candidate->objectName() == button) {
            connect(candidate, &QPushButton::clicked, this, handler);
            return;
        }
    }
    throw std::out_of_range("no service button " + button.toStdString());
}

int TServicePagesView::CalibrationKind() const { return ComboBox2->currentIndex(); }
int TServicePagesView::CalibrationChannel() const { return SpinEdit7->value(); }
int TServicePagesView::CalibrationNumber() const { return SpinEdit5->value(); }
int TServicePagesView::PhotometerNumber() const { return SpinEdit8->value(); }
int TServicePagesView::ConductometerRange() const { return SpinEdit9->value(); }
int TServicePagesView::NotebookPage() const { return SpinEdit6->value(); }
void TServicePagesView::SetNotebookPage(int page) { SpinEdit6->setValue(page); }
int TServicePagesView::CorrosionChannel() const { return SpinEdit10->value(); }
int TServicePagesView::TestReadNumber() const { return SpinEdit4->value(); }

// The page "Калибровка" draws no points: its read empties the chart.
void TServicePagesView::ShowGeneral(const service::TGeneralCalibrationReadout& readout)
{
    ShowGrid(*StringGrid2, readout.grid);
    StaticText16->setText(readout.numberText);
    StaticText20->setText(readout.channelText);
    Series13->Clear();
    Series14->Clear();
}

void TServicePagesView::ShowPhotometer(const service::TPhotometerReadout& readout)
{
    ShowGrid(*StringGrid3, readout.grid);
    ShowTexts(StaticText24To27, readout.coefficientTexts);
    StaticText19->setText(readout.numberText);
    StaticText33->setText(readout.wavelengthText);
    StaticText22->setText(readout.firstText);
    StaticText23->setText(readout.secondText);
    ShowSeries(*Series9, readout.line);
    ShowSeries(*Series10, readout.points);
    Chart8->BottomAxis().Axis()->setLabel(readout.axisTitle);
    Chart8->Refresh();
}

void TServicePagesView::ShowConductometer(const service::TConductometerReadout& readout)
{
    ShowGrid(*StringGrid4, readout.grid);
    ShowTexts(StaticText29To32, readout.coefficientTexts);
    ShowSeries(*Series11, readout.curve);
    ShowSeries(*Series12, readout.points);
}

void TServicePagesView::ShowNotebook(const service::TNotebookFields& fields)
{
    StaticText37->setText(fields.result);
    StaticText38->setText(fields.unit);
    StaticText50->setText(fields.density);
    StaticText40->setText(fields.calibration);
    StaticText49->setText(fields.wavelength);
    StaticText51->setText(fields.firstText);
    StaticText45->setText(fields.secondText);
}

void TServicePagesView::ShowPcClock(const QString& text) { StaticText41->setText(text); }

void TServicePagesView::ShowInstrumentClock(const QString& text) { StaticText42->setText(text); }

service::reports::TCalibrationSheetInput TServicePagesView::CalibrationSheetInput() const
{
    service::reports::TCalibrationSheetInput input;
    input.number = SpinEdit8->value();
    for (std::size_t i = 0; i < input.coefficients.size(); ++i)
        input.coefficients[i] = StaticText24To27[i]->text();
    input.text1 = StaticText22->text();
    input.text2 = StaticText23->text();
    input.wavelength = StaticText33->text();
    input.cell = [grid = StringGrid3](int column, int row) { return grid->Cells(column, row); };
    return input;
}

// The printed copy names its line and points as the sheet's own chart does.
std::unique_ptr<TChart> TServicePagesView::GraduationChartCopy(const QString& name) const
{
    const std::array<reports::TSeriesCopy, 2> series{
        reports::TSeriesCopy{Series9, QStringLiteral("Series1")},
        reports::TSeriesCopy{Series10, QStringLiteral("Series2")}};
    return reports::MakeReportChart(name, Chart8, series);
}

}
