// The service pages "Калибровка", "Фотометр" and "Кондуктометр", the corrosion meter's box on the
// table page: their inputs, buttons, texts, grids and charts.
#include "mainwindow/form1.h"

#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/series_kinds.h"
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

QPushButton* NewButton(const QString& name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
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

template <class TSeries>
TSeries* NewSeries(TChart& chart, const QString& name, QColor color, QObject* owner)
{
    auto* series = new TSeries(name, color, owner);
    chart.AddSeries(series);
    return series;
}

// The measured points of a calibration: circles large enough to be seen, never on the frame.
TPointSeries* NewMeasuredPoints(TChart& chart, const QString& name, QObject* owner)
{
    auto* series = NewSeries<TPointSeries>(chart, name, Green, owner);
    series->SetPointStyle(TPointStyle::Circle);
    return series;
}

}

void TForm1::CreateServicePages()
{
    CreateCalibrationPage();
    CreatePhotometerPage();
    CreateConductometerPage();
    CreateTitrationParamsPage();
    CreateCorrosionBox();
    CreateResultsPage();
}

void TForm1::CreateCalibrationPage()
{
    QWidget* page = Pages[9];
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
    Button20 = NewButton(QStringLiteral("Button20"), QStringLiteral("Чтение калибровки"), page);
    inputs->addWidget(Button20);
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
    Series13 = NewSeries<TLineSeries>(*Chart10, QStringLiteral("Series13"), Red, this);
    Series14 = NewMeasuredPoints(*Chart10, QStringLiteral("Series14"), this);
    column->addLayout(outputs, 1);
}

void TForm1::CreatePhotometerPage()
{
    QWidget* page = Pages[10];
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(2, 2, 2, 2);
    auto* left = new QVBoxLayout;

    auto* photometer = new QGroupBox(QStringLiteral("Фотометр"), page);
    auto* read = new QGridLayout(photometer);
    SpinEdit8 = NewSpinEdit(QStringLiteral("SpinEdit8"), 1, 40, photometer);
    AddLabelled(*read, 0, QStringLiteral("Номер калибровки"), SpinEdit8);
    Button21 =
        NewButton(QStringLiteral("Button21"), QStringLiteral("Чтение калибровки"), photometer);
    read->addWidget(Button21, 0, 2);
    StaticText19 = NewText(QStringLiteral("StaticText19"), photometer);
    read->addWidget(StaticText19, 1, 0);
    StaticText33 = NewText(QStringLiteral("StaticText33"), photometer);
    read->addWidget(StaticText33, 1, 1);
    StaticText22 = NewText(QStringLiteral("StaticText22"), photometer);
    read->addWidget(StaticText22, 2, 0, 1, 2);
    StaticText23 = NewText(QStringLiteral("StaticText23"), photometer);
    read->addWidget(StaticText23, 2, 2);
    StringGrid3 = new TStringGrid(QStringLiteral("StringGrid3"), 5, 16, photometer);
    read->addWidget(StringGrid3, 3, 0, 1, 3);
    for (int i = 0; i < 4; ++i) {
        StaticText24To27[i] = NewText(QStringLiteral("StaticText%1").arg(24 + i), photometer);
        read->addWidget(StaticText24To27[i], 4 + i / 2, i % 2);
    }
    Button22 =
        NewButton(QStringLiteral("Button22"), QStringLiteral("Печать калибровки"), photometer);
    read->addWidget(Button22, 4, 2);
    left->addWidget(photometer, 1);

    auto* notebook = new QGroupBox(QStringLiteral("Блокнот"), page);
    auto* fields = new QGridLayout(notebook);
    SpinEdit6 = NewSpinEdit(QStringLiteral("SpinEdit6"), 1, 100, notebook);
    fields->addWidget(SpinEdit6, 0, 0);
    Button26 = NewButton(QStringLiteral("Button26"), QStringLiteral("Чтение страницы"), notebook);
    fields->addWidget(Button26, 0, 1);
    Button28 = NewButton(QStringLiteral("Button28"), QStringLiteral("Блокнот в файл"), notebook);
    fields->addWidget(Button28, 0, 2);
    StaticText37 = NewText(QStringLiteral("StaticText37"), notebook);
    AddLabelled(*fields, 1, QStringLiteral("Результат"), StaticText37);
    StaticText38 = NewText(QStringLiteral("StaticText38"), notebook, QStringLiteral("мг/л"));
    fields->addWidget(StaticText38, 1, 2);
    StaticText50 = NewText(QStringLiteral("StaticText50"), notebook);
    AddLabelled(*fields, 2, QStringLiteral("D="), StaticText50);
    StaticText40 = NewText(QStringLiteral("StaticText40"), notebook);
    AddLabelled(*fields, 3, QStringLiteral("Калибровка N"), StaticText40);
    StaticText49 = NewText(QStringLiteral("StaticText49"), notebook);
    fields->addWidget(StaticText49, 3, 2);
    StaticText51 = NewText(QStringLiteral("StaticText51"), notebook);
    fields->addWidget(StaticText51, 4, 0, 1, 3);
    StaticText45 = NewText(QStringLiteral("StaticText45"), notebook);
    fields->addWidget(StaticText45, 5, 0, 1, 3);
    left->addWidget(notebook);
    row->addLayout(left);

    Chart8 = new TChart(QStringLiteral("Chart8"), page);
    Chart8->SetTitle(QStringLiteral("Градуировочный график"));
    Chart8->BottomAxis().Axis()->setLabel(QStringLiteral("мг/л"));
    Chart8->LeftAxis().Axis()->setLabel(QStringLiteral("Оптическая плотность"));
    for (TChartAxis* axis : {&Chart8->BottomAxis(), &Chart8->LeftAxis()})
        axis->Axis()->setTicker(QSharedPointer<TGraduationTicker>::create());
    Series9 = NewSeries<TLineSeries>(*Chart8, QStringLiteral("Series9"), Black, this);
    Series10 = NewMeasuredPoints(*Chart8, QStringLiteral("Series10"), this);
    row->addWidget(Chart8, 1);
}

void TForm1::CreateConductometerPage()
{
    QWidget* page = Pages[11];
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(2, 2, 2, 2);
    auto* left = new QVBoxLayout;

    auto* conductometer = new QGroupBox(QStringLiteral("Кондуктометр"), page);
    auto* read = new QGridLayout(conductometer);
    SpinEdit9 = NewSpinEdit(QStringLiteral("SpinEdit9"), 1, 6, conductometer);
    AddLabelled(*read, 0, QStringLiteral("Диапазон"), SpinEdit9);
    Button23 =
        NewButton(QStringLiteral("Button23"), QStringLiteral("Чтение калибровки"), conductometer);
    read->addWidget(Button23, 0, 2);
    const char* const captions[] = {"A = ", "B = ", "C = ", "S = "};
    for (int i = 0; i < 4; ++i) {
        StaticText29To32[i] = NewText(QStringLiteral("StaticText%1").arg(29 + i), conductometer,
                                      QString::fromLatin1(captions[i]));
        read->addWidget(StaticText29To32[i], 1 + i / 2, i % 2);
    }
    StringGrid4 = new TStringGrid(QStringLiteral("StringGrid4"), 4, 6, conductometer);
    read->addWidget(StringGrid4, 3, 0, 1, 3);
    left->addWidget(conductometer, 1);

    auto* clock = new QGroupBox(QStringLiteral("Часы"), page);
    auto* clockFields = new QGridLayout(clock);
    Button24 = NewButton(QStringLiteral("Button24"), QStringLiteral("Set Clock"), clock);
    clockFields->addWidget(Button24, 0, 0);
    Button25 = NewButton(QStringLiteral("Button25"), QStringLiteral("Get Clock"), clock);
    clockFields->addWidget(Button25, 0, 1);
    StaticText41 = NewText(QStringLiteral("StaticText41"), clock);
    AddLabelled(*clockFields, 1, QStringLiteral("Clock PC"), StaticText41);
    StaticText42 = NewText(QStringLiteral("StaticText42"), clock);
    AddLabelled(*clockFields, 2, QStringLiteral("Clock L00x"), StaticText42);
    left->addWidget(clock);
    row->addLayout(left);

    Chart9 = new TChart(QStringLiteral("Chart9"), page);
    Series11 = NewSeries<TLineSeries>(*Chart9, QStringLiteral("Series11"), Red, this);
    Series12 = NewMeasuredPoints(*Chart9, QStringLiteral("Series12"), this);
    row->addWidget(Chart9, 1);
}

void TForm1::CreateCorrosionBox()
{
    auto* row = new QHBoxLayout(CorrosBox);
    row->addWidget(new QLabel(QStringLiteral("Канал коррозиметра"), CorrosBox));
    SpinEdit10 = NewSpinEdit(QStringLiteral("SpinEdit10"), 1, 8, CorrosBox);
    row->addWidget(SpinEdit10);
    Button27 = NewButton(QStringLiteral("Button27"), QStringLiteral("Чтение блокнота"), CorrosBox);
    row->addWidget(Button27);
}

}
