// The peak edits in the running window: the automatic search by a typed threshold, the peak
// menu's state, rename and removal by name, and the copy of the peak list.
#include "form1_fixture.h"
#include "peak_menu_click.h"

#include "mainwindow/action.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_series.h"
#include "mainwindow/widgets/prop_form.h"

#include <qcustomplot.h>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <tuple>

namespace lmv::test {
namespace {

class Form1PeakMarkingTest : public Form1Test {
protected:
    mainwindow::TForm1& Window()
    {
        if (!form)
            ShowPeaks({});
        return *form;
    }
    // A pH record shown whose curve on page 0 is y = 0, 5, 5, 0, 3.5, 0 at x = 0 .. 5, with
    // these peaks.
    void ShowPeaks(const model::TPeaks& peaks)
    {
        model::TBaseRecord record;
        record.Mode = 1;
        const std::vector<double> y{0, 5, 5, 0, 3.5, 0};
        record.Channels = {{0, {}}};
        for (std::size_t i = 0; i < y.size(); ++i)
            record.Channels[0].Points.push_back({double(i), y[i]});
        record.Peaks = peaks;
        Form().ShowRecord(store.SaveNewRecord(record));
        Tabs().setCurrentIndex(0);
    }
    QTabWidget& Tabs() { return Named<QTabWidget>(Form(), QStringLiteral("PageControl1")); }
    QMenu& PeakMenu() { return Named<QMenu>(Form(), QStringLiteral("PopupMenu1")); }

    QStringList Names()
    {
        QStringList names;
        for (const model::TPeakRec& peak : form->PeakSet().Peaks())
            names << peak.GetName();
        return names;
    }

    bool Execute(const char* action) { return Window().Actn(action).Execute(); }
};

TEST_F(Form1PeakMarkingTest, AutomaticSearchReplacesThePeaksOfEveryPage)
{
    Window();
    Tabs().setCurrentIndex(2);
    form->AddPeak("old", 0, 1);
    Tabs().setCurrentIndex(0);
    desktop.inputs.push_back(QStringLiteral("3"));
    Execute("PeakAutoSearchActn");

    EXPECT_EQ(Names(), (QStringList{"0", "1"}));
    EXPECT_EQ(form->PeakSet().Peaks()[0].StartIdx, 0);
    EXPECT_EQ(form->PeakSet().Peaks()[0].EndIdx, 3);
    EXPECT_EQ(form->PeakSet().Peaks()[1].StartIdx, 3);
    EXPECT_EQ(form->PeakSet().Peaks()[1].EndIdx, 5);
    EXPECT_NE(form->PeakSet().Peaks()[0].Value, 0.0);
    EXPECT_TRUE(form->Modified());
    EXPECT_EQ(desktop.inputPrompts.last(), "Введите нижний порг значений|");
}

TEST_F(Form1PeakMarkingTest, AThresholdThatIsNoNumberChangesNothingCancelNeither)
{
    Window().AddPeak("kept", 0, 1);
    desktop.inputs.push_back(QStringLiteral("3,5"));
    Window().Actn("PeakAutoSearchActn").ExecuteReportingErrors();
    ASSERT_EQ(notifier.boxes.size(), 1);
    EXPECT_TRUE(notifier.boxes[0].contains("'3,5' is not a valid floating point value"));
    desktop.inputs.push_back(std::nullopt);
    Execute("PeakAutoSearchActn");
    EXPECT_EQ(Names(), QStringList{"kept"});
    EXPECT_FALSE(form->Modified());
}

TEST_F(Form1PeakMarkingTest, MenuAboutAHitPeakRenamesTheFirstAndRemovesEveryOfItsName)
{
    model::TPeaks peaks(3);
    const std::tuple<const char*, int, int> made[] = {{"a", 0, 1}, {"b", 3, 5}, {"a", 1, 2}};
    for (std::size_t i = 0; i < peaks.size(); ++i) {
        peaks[i].SetName(QString::fromLatin1(std::get<0>(made[i])));
        peaks[i].StartIdx = std::get<1>(made[i]);
        peaks[i].EndIdx = std::get<2>(made[i]);
    }
    peaks[1].CalcType = 1;
    ShowPeaks(peaks);
    ASSERT_FALSE(form->ShownRecord().Edited());
    RightClickOnPage(*form, 0, 4);  // over peak 1; its menu opens
    EXPECT_TRUE(form->Actn("RenamePeakActn").Enabled());
    EXPECT_TRUE(form->Actn("CalcIntSectActn").Checked());
    EXPECT_FALSE(form->Actn("CalcS2Actn").Checked());
    EXPECT_EQ(form->findChild<QAction*>("PeakNameItem")->text(), "b");

    RightClickOnPage(*form, 0, 1.5);  // over peak 2 only
    desktop.inputs.push_back(QStringLiteral("c"));
    Execute("RenamePeakActn");
    EXPECT_EQ(Names(), (QStringList{"c", "b", "a"}));
    EXPECT_TRUE(form->ShownRecord().Edited());

    RightClickOnPage(*form, 0, 0.5);  // over peak 0
    desktop.inputs.push_back(QString());
    Execute("RenamePeakActn");
    EXPECT_EQ(Names(), (QStringList{"c", "b", "a"}));
    form->AddPeak("c", 2, 4);
    Execute("RemovePeakActn");
    EXPECT_EQ(Names(), (QStringList{"b", "a"}));

    emit PeakMenu().aboutToShow();  // the removed peak's index is no peak any more
    EXPECT_FALSE(form->Actn("RemovePeakActn").Enabled());
    EXPECT_EQ(form->findChild<QAction*>("PeakNameItem")->text(), "");
}

TEST_F(Form1PeakMarkingTest, CopyGivesTheTitleAndEveryPeakWithLoneCarriageReturns)
{
    desktop.inputs.push_back(QStringLiteral("3"));
    Execute("PeakAutoSearchActn");
    ASSERT_EQ(form->PeakSet().Peaks()[0].Value, 10);
    ASSERT_EQ(form->PeakSet().Peaks()[1].Value, 3.5);
    Execute("CopyPeaksDataActn");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "\r0\t10\r1\t3.5\r");
}

// The title as it stands in the properties window, typed but not yet saved.
TEST_F(Form1PeakMarkingTest, CopyTakesTheTitleTypedInThePropertiesWindow)
{
    model::TBaseRecord record;
    record.Mode = 1;
    record.Title = "Сохранённое";
    record.Channels = {{0, {{0, 0}, {1, 5}, {2, 5}, {3, 0}}}};
    Form();
    form->ShowRecord(store.SaveNewRecord(record));
    Named<QLineEdit>(*form, QStringLiteral("TitleEdit")).setText("Набранное");
    Execute("CopyPeaksDataActn");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Набранное\r");
}

TEST_F(Form1PeakMarkingTest, MarkingModeFlipsItsCheck)
{
    mainwindow::TAction& marking = Window().Actn("SetPeakBordersActn");
    Execute("SetPeakBordersActn");
    EXPECT_TRUE(marking.Checked());
    Execute("SetPeakBordersActn");
    EXPECT_FALSE(marking.Checked());
}

TEST_F(Form1PeakMarkingTest, BandsAreDrawnWhileTheMarkingIsShownOnly)
{
    Window().AddPeak("P", 1, 2);
    mainwindow::TChart& chart = Named<mainwindow::TChart>(*form, QStringLiteral("Chart1"));
    chart.replot();
    auto bandPixel = [&] {
        const QImage image = chart.toPixmap(chart.width(), chart.height()).toImage();
        const QRect plot = chart.axisRect()->rect();
        return image.pixelColor(int(chart.xAxis->coordToPixel(1.37)),
                                plot.top() + plot.height() * 3 / 5);
    };
    ASSERT_TRUE(form->Actn("ShowBordersActn").Checked());
    EXPECT_EQ(bandPixel(), QColor(0xBC, 0xCD, 0xFE));
    form->Actn("ShowBordersActn").SetChecked(false);
    EXPECT_NE(bandPixel(), QColor(0xBC, 0xCD, 0xFE));
    Execute("SetPeakBordersActn");
    EXPECT_EQ(bandPixel(), QColor(0xBC, 0xCD, 0xFE));
}

}
}
