// The service pages' controls, built on the window's pages.
#include "mainwindow/service_pages_view.h"

#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/series_kinds.h"
#include "mainwindow/widgets/named_control.h"
#include "mainwindow/widgets/string_grid.h"
#include "service/calibration_service.h"
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
    auto* edit = NewNamed<QSpinBox>(name, parent);
    edit->setRange(minimum, maximum);
    edit->setValue(minimum);
    return edit;
}

QLabel* NewText(const QString& name, QWidget* parent, const QString& text = {})
{
    auto* label = NewNamed<QLabel>(name, text, parent);
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
    auto* button = NewNamed<QPushButton>(name, caption, parent);
    buttons_.push_back(button);
    return button;
}

void TServicePagesView::CreateCalibrationPage(QWidget* page, QObject* seriesOwner)
{
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(2, 2, 2, 2);
    auto* inputs = new QHBoxLayout;
    ComboBox2 = NewNamed<QComboBox>(QStringLiteral("ComboBox2"), page);
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

// The photometer's and the conductometer's page: the calibration read's group over a second
// group on the left, the chart beside them. The read group's first row holds the number or range
// with its caption and the read button, its fourth row the page's table.
TServicePagesView::TCalibrationPage
TServicePagesView::LayOutCalibrationPage(QWidget* page, const TCalibrationPageNames& names)
{
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(2, 2, 2, 2);
    auto* left = new QVBoxLayout;
    TCalibrationPage parts;
    parts.read = new QGroupBox(names.title, page);
    parts.readRows = new QGridLayout(parts.read);
    parts.edit = NewSpinEdit(names.edit, 1, names.editMaximum, parts.read);
    AddLabelled(*parts.readRows, 0, names.editCaption, parts.edit);
    parts.readRows->addWidget(
        NewButton(names.button, QStringLiteral("Чтение калибровки"), parts.read), 0, 2);
    parts.grid = new TStringGrid(names.grid, names.gridColumns, names.gridRows, parts.read);
    parts.readRows->addWidget(parts.grid, 3, 0, 1, 3);
    left->addWidget(parts.read, 1);
    parts.second = new QGroupBox(names.secondTitle, page);
    parts.secondRows = new QGridLayout(parts.second);
    left->addWidget(parts.second);
    row->addLayout(left);
    parts.chart = new TChart(names.chart, page);
    row->addWidget(parts.chart, 1);
    return parts;
}

void TServicePagesView::CreatePhotometerPage(QWidget* page, QObject* seriesOwner)
{
    const TCalibrationPage parts =
        LayOutCalibrationPage(page,
                              {.title = QStringLiteral("Фотометр"),
                               .secondTitle = QStringLiteral("Блокнот"),
                               .chart = QStringLiteral("Chart8"),
                               .edit = QStringLiteral("SpinEdit8"),
                               .editCaption = QStringLiteral("Номер калибровки"),
                               .editMaximum = 40,
                               .button = QStringLiteral("Button21"),
                               .grid = QStringLiteral("StringGrid3"),
                               .gridColumns = 5,
                               .gridRows = 16});
    Chart8 = parts.chart;
    SpinEdit8 = parts.edit;
    StringGrid3 = parts.grid;
    QGroupBox* photometer = parts.read;
    QGridLayout& read = *parts.readRows;
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
    const TCalibrationPage parts = LayOutCalibrationPage(page,
                                                         {.title = QStringLiteral("Кондуктометр"),
                                                          .secondTitle = QStringLiteral("Часы"),
                                                          .chart = QStringLiteral("Chart9"),
                                                          .edit = QStringLiteral("SpinEdit9"),
                                                          .editCaption = QStringLiteral("Диапазон"),
                                                          .editMaximum = 6,
                                                          .button = QStringLiteral("Button23"),
                                                          .grid = QStringLiteral("StringGrid4"),
                                                          .gridColumns = 4,
                                                          .gridRows = 6});
    Chart9 = parts.chart;
    SpinEdit9 = parts.edit;
    StringGrid4 = parts.grid;
    QGroupBox* conductometer = parts.read;
    QGridLayout& read = *parts.readRows;
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

}
