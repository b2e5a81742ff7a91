// Automatic scaling in the running window: every bulk change of a shown curve (a record shown, a
// curve tool applied, a graph file read, a text import) and every page change end in the fitted
// view of the current curve, and an undo of a zoom on a page change fits it too.
#include "connect_device.h"
#include "form1_fixture.h"
#include "instrument_on_line.h"

#include "mainwindow/action.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_mouse.h"
#include "mainwindow/chart/chart_series.h"
#include "store/graph_file.h"
#include "store/record_file.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <cmath>

namespace lmv::test {
namespace {

using model::TBaseRecord;
using model::TPoint;

// pH 7.0 .. 7.3 over 31 readings.
std::vector<TPoint> PhCurve()
{
    std::vector<TPoint> curve;
    for (int i = 0; i <= 30; ++i)
        curve.push_back({double(i), 7.0 + 0.01 * i});
    return curve;
}

// A titration curve from pH 3 to pH 11 with its jump at 10 ml.
std::vector<TPoint> TitrationCurve()
{
    std::vector<TPoint> curve;
    for (int i = 0; i <= 200; ++i) {
        const double volume = i * 0.1;
        curve.push_back({volume, 7 + 4 * std::tanh((volume - 10) * 2)});
    }
    return curve;
}

struct TRange {
    double lower;
    double upper;
};

// The view ChartZoom fits: the values' range widened by 5 % of it at each end.
TRange FittedY(const mainwindow::TChartSeries& series)
{
    double lowest = series.YValue(0);
    double highest = lowest;
    for (int i = 1; i < series.Count(); ++i) {
        lowest = std::min(lowest, series.YValue(i));
        highest = std::max(highest, series.YValue(i));
    }
    const double margin = (highest - lowest) * 0.05;
    return {lowest - margin, highest + margin};
}

class Form1FittedViewTest : public Form1Test {
protected:
    QString Stored(const QString& name, int mode, int channel, const std::vector<TPoint>& points)
    {
        Form();
        TBaseRecord record;
        record.Mode = mode;
        record.Channels = {{channel, points}};
        store::WriteRecordFile(store.RecordDir() + name, record);
        return name;
    }

    QString Put(const QString& name, const QByteArray& bytes)
    {
        const QString path = QDir(folder.path()).filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    // The chart shows the whole curve: its left axis the fitted value range (to the six
    // decimals of the scale fields), its bottom axis the curve's X range.
    void ExpectFitted(mainwindow::TChart& chart, const mainwindow::TChartSeries& series)
    {
        ASSERT_GT(series.Count(), 1);
        const TRange y = FittedY(series);
        EXPECT_NEAR(chart.LeftAxis().Minimum(), y.lower, 1e-6) << chart.objectName().toStdString();
        EXPECT_NEAR(chart.LeftAxis().Maximum(), y.upper, 1e-6) << chart.objectName().toStdString();
        EXPECT_DOUBLE_EQ(chart.BottomAxis().Minimum(), series.XValue(0));
        EXPECT_DOUBLE_EQ(chart.BottomAxis().Maximum(), series.XValue(series.Count() - 1));
        for (int i = 0; i < series.Count(); ++i) {
            ASSERT_GE(series.YValue(i), chart.LeftAxis().Minimum()) << "point " << i;
            ASSERT_LE(series.YValue(i), chart.LeftAxis().Maximum()) << "point " << i;
        }
    }

    bool FitOn() { return Form().Actn(QStringLiteral("FitImageActn")).Checked(); }

    mainwindow::TChart& Chart(const char* name)
    {
        return Named<mainwindow::TChart>(Form(), QString::fromLatin1(name));
    }
    mainwindow::TChartSeries& Series(const char* name)
    {
        return Named<mainwindow::TChartSeries>(Form(), QString::fromLatin1(name));
    }
    QLineEdit& Y() { return Named<QLineEdit>(Form(), QStringLiteral("Edit2")); }
    QLineEdit& DY() { return Named<QLineEdit>(Form(), QStringLiteral("Edit1")); }
    QTabWidget& Tabs() { return Named<QTabWidget>(Form(), QStringLiteral("PageControl1")); }
    // The instrument's lamp lit, as a good frame lights it: a run may start.
    void LampOn() { line.SendBareFrame(); }
    // A run's readings of channel 0, drawn on Series1 at once; the view follows only on the
    // replot tick, which the event loop has not run yet.
    void LivePoints(const std::vector<TPoint>& points)
    {
        LampOn();
        Form().Actn(QStringLiteral("StartStopActn")).Execute();
        ASSERT_TRUE(form->Recording());
        for (const TPoint& point : points)
            form->AddPoint(0, point.X, point.Y);
    }
    InstrumentOnLine line{[this]() -> mainwindow::TForm1& { return Form(); }};
};

TEST_F(Form1FittedViewTest, OnAFreshStartAStoredPhRecordIsFitted)
{
    const QString name = Stored("ph.lmv", 1, 0, PhCurve());
    ASSERT_TRUE(FitOn());
    form->ShowRecord(name);
    ASSERT_EQ(form->GetCurrentChart(), &Chart("Chart1"));
    ExpectFitted(Chart("Chart1"), Series("Series1"));
    EXPECT_EQ(Y().text(), "7.150000");
    EXPECT_EQ(DY().text(), "0.165000");
    EXPECT_TRUE(notifier.boxes.isEmpty());
}

TEST_F(Form1FittedViewTest, AfterAPhRecordATitrationRecordIsFitted)
{
    const QString ph = Stored("ph.lmv", 1, 0, PhCurve());
    const QString titration = Stored("kt.lmv", 41, 1, TitrationCurve());
    form->ShowRecord(ph);
    ExpectFitted(Chart("Chart1"), Series("Series1"));
    form->ShowRecord(titration);
    ASSERT_EQ(form->GetCurrentChart(), &Chart("Chart2"));
    ExpectFitted(Chart("Chart2"), Series("FastLineSeries1"));
    form->ShowRecord(ph);
    ASSERT_EQ(form->GetCurrentChart(), &Chart("Chart1"));
    ExpectFitted(Chart("Chart1"), Series("Series1"));
}

// A device's page layout runs the page change even when the active page stays the same.
TEST_F(Form1FittedViewTest, APageChangeFitsTheCurveAlsoWhenThePageStays)
{
    ConnectDevice(Form(), 1);
    ASSERT_EQ(form->GetCurrentChart(), &Chart("Chart1"));
    LivePoints(PhCurve());
    form->ConfigureForDevice(1);
    ExpectFitted(Chart("Chart1"), Series("Series1"));
}

TEST_F(Form1FittedViewTest, APageChangeUndoesAZoomIntoTheFittedView)
{
    Form().resize(mainwindow::TForm1::FormWidth, mainwindow::TForm1::FormHeight);
    form->ShowRecord(Stored("ph.lmv", 1, 0, PhCurve()));
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    mainwindow::TChart& chart = Chart("Chart1");
    const mainwindow::TChartMouse& mouse = *chart.findChild<mainwindow::TChartMouse*>();
    chart.replot();
    auto send = [&chart](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held,
                         QPoint at) {
        QMouseEvent event(type, at, chart.mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(&chart, &event);
    };
    const QPoint from(chart.width() / 3, chart.height() / 3);
    const QPoint to(chart.width() / 2, chart.height() / 2);
    send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, from);
    send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, to);
    send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, to);
    ASSERT_TRUE(mouse.Zoomed());
    // Another curve read into the zoomed chart: the undo's axes are the old curve's.
    desktop.openNames = {{Put("curve.GRF", store::SerializeGraph(TitrationCurve()))}};
    Named<QAction>(*form, QStringLiteral("N6")).trigger();
    ASSERT_EQ(Series("Series1").Count(), int(TitrationCurve().size()));
    form->ConfigureForDevice(1);
    EXPECT_FALSE(mouse.Zoomed());
    ExpectFitted(chart, Series("Series1"));
}

TEST_F(Form1FittedViewTest, SwitchingAutomaticScalingBackOnFitsTheCurve)
{
    Form().ShowRecord(Stored("ph.lmv", 1, 0, PhCurve()));
    form->Actn(QStringLiteral("MultScaleBy10Actn")).Execute();
    ASSERT_FALSE(FitOn());
    form->ShowRecord(Stored("kt.lmv", 1, 0, TitrationCurve()));
    form->Actn(QStringLiteral("FitImageActn")).Execute();
    ASSERT_TRUE(FitOn());
    ExpectFitted(Chart("Chart1"), Series("Series1"));
}

// With automatic scaling off a page change keeps the operator's scale.
TEST_F(Form1FittedViewTest, WithAutomaticScalingOffAPageChangeKeepsTheScaleSet)
{
    Form().ShowRecord(Stored("ph.lmv", 1, 0, PhCurve()));
    Y().setText(QStringLiteral("7"));
    DY().setText(QStringLiteral("1"));
    form->Actn(QStringLiteral("SetScaleActn")).Execute();
    ASSERT_FALSE(FitOn());
    form->ConfigureForDevice(1);
    EXPECT_EQ(Y().text(), "7");
    EXPECT_EQ(DY().text(), "1");
    EXPECT_DOUBLE_EQ(Chart("Chart1").LeftAxis().Minimum(), 6);
    EXPECT_DOUBLE_EQ(Chart("Chart1").LeftAxis().Maximum(), 8);
}

// The derivative keeps the curve's raw last point, and the fit takes it in.
TEST_F(Form1FittedViewTest, TheDerivativeIsFittedWithItsPeakAndItsRawLastPoint)
{
    Form().ShowRecord(Stored("kt.lmv", 41, 1, TitrationCurve()));
    ASSERT_EQ(form->GetCurrentChart(), &Chart("Chart2"));
    form->Actn(QStringLiteral("ShowDerivativeActn")).Execute();
    const mainwindow::TChartSeries& derivative = Series("FastLineSeries1");
    double peak = 0;
    for (int i = 0; i + 1 < derivative.Count(); ++i)
        peak = std::max(peak, derivative.YValue(i));
    ASSERT_GT(peak, 7.5) << "the jump's slope is 8 pH/ml";
    EXPECT_DOUBLE_EQ(derivative.YValue(derivative.Count() - 1), TitrationCurve().back().Y);
    ExpectFitted(Chart("Chart2"), derivative);
}

TEST_F(Form1FittedViewTest, TheFilterIsFitted)
{
    std::vector<TPoint> noisy = PhCurve();
    noisy[15].Y = 9;
    Form().ShowRecord(Stored("ph.lmv", 1, 0, noisy));
    ExpectFitted(Chart("Chart1"), Series("Series1"));
    Named<QSpinBox>(*form, QStringLiteral("FiltrSpinEdit")).setValue(5);
    form->Actn(QStringLiteral("FilterActn")).Execute();
    ASSERT_LT(FittedY(Series("Series1")).upper, 8.5) << "the spike is smoothed";
    ExpectFitted(Chart("Chart1"), Series("Series1"));
}

TEST_F(Form1FittedViewTest, AGraphFileReadIsFitted)
{
    const QString path = Put("curve.GRF", store::SerializeGraph(TitrationCurve()));
    Form().ShowRecord(Stored("ph.lmv", 1, 0, PhCurve()));
    desktop.openNames = {{path}};
    Named<QAction>(*form, QStringLiteral("N6")).trigger();
    ASSERT_EQ(Series("Series1").Count(), int(TitrationCurve().size()));
    ExpectFitted(Chart("Chart1"), Series("Series1"));
    EXPECT_TRUE(notifier.boxes.isEmpty());
}

// The import reads the file into channel 1, drawn on page 1: with the titration device that
// page is the active one; with a pH meter page 0 stays active and page 1 is fitted when shown.
TEST_F(Form1FittedViewTest, AnImportIsFittedOnItsPage)
{
    for (const int device : {41, 1}) {
        SCOPED_TRACE(device);
        LampOn();
        form->ShowRecord(Stored("ph.lmv", 1, 0, PhCurve()));
        ConnectDevice(*form, device);
        QByteArray text;
        // Each run its own range, so that no view is left fitted from the one before.
        const double scale = device == 41 ? 1 : 100;
        for (const TPoint& point : TitrationCurve())
            text += QByteArray::number(point.X) + '\t' +
                QByteArray::number(point.Y * scale, 'f', 6) + "\r\n";
        desktop.openNames = {{Put("kt.txt", text)}};
        form->Actn(QStringLiteral("Action1")).Execute();
        ASSERT_FALSE(form->Recording());
        ASSERT_TRUE(notifier.boxes.isEmpty()) << notifier.boxes.join(u'\n').toStdString();
        ASSERT_EQ(Series("FastLineSeries1").Count(), int(TitrationCurve().size()));
        if (device != 41) {
            ASSERT_EQ(form->GetCurrentChart(), &Chart("Chart1"));
            Tabs().setCurrentIndex(1);
        }
        ASSERT_EQ(form->GetCurrentChart(), &Chart("Chart2"));
        ExpectFitted(Chart("Chart2"), Series("FastLineSeries1"));
    }
}

// The fields follow a run's points on the replot tick, not point by point.
TEST_F(Form1FittedViewTest, LivePointsAreFittedByTheNextTick)
{
    LivePoints(PhCurve());
    EXPECT_TRUE(QTest::qWaitFor([this] { return Y().text() == "7.150000"; }));
    EXPECT_EQ(DY().text(), "0.165000");
    ExpectFitted(Chart("Chart1"), Series("Series1"));
}

}
}
