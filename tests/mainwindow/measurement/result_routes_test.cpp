// Notebook, soil and replicate rows into the readings table, and the instrument's start and stop,
// routed through the window's display interface.
#include "common/errors.h"
#include "fake_measurement_display.h"
#include "instrument_frames.h"
#include "mainwindow/measurement/measurement_router.h"
#include "store/qt_printers.h"

#include <gtest/gtest.h>

namespace lmv::test {
namespace {

using mainwindow::TMeasurementRouter;

link::TRxFrame Rx(const std::vector<uint8_t>& bytes)
{
    link::TRxFrame frame;
    std::copy(bytes.begin(), bytes.end() - 1, frame.bytes.begin());
    frame.length = bytes[1];
    return frame;
}

class ResultRoutesTest : public ::testing::Test {
protected:
    FakeMeasurementDisplay display;
    TMeasurementRouter router{display.Ports()};

    QStringList Row(int row) const { return display.table.Row(row); }
    QStringList Headings() const { return display.table.Row(0); }
    QList<int> Widths() const
    {
        QList<int> widths;
        for (int column = 0; column < display.table.ColumnCount(); ++column)
            widths << display.table.ColumnWidth(column);
        return widths;
    }
    void Replicate(int position, int sample, int value, bool water = false)
    {
        router.OnReplicateResultFrame(
            Rx(lmvsim::ReplicateResultBytes({position, sample, water, value})));
    }
};

lmvsim::TNotebookPage Page(int page, int unit)
{
    lmvsim::TNotebookPage p;
    p.page = page;
    p.value = 12.5;
    p.density = 0.25;
    p.unit = unit;
    p.calibration = 2;
    p.wavelength = 540;
    p.firstText = "\xCD\xE8\xF2\xF0\xE0\xF2";  // "Нитрат" in Windows-1251
    p.secondText = std::string("ab\0cd", 5);
    return p;
}

TEST_F(ResultRoutesTest, NotebookFirstPageSetsLayoutAndStoresRowWithoutStamp)
{
    router.OnNotebookPageFrame(Rx(lmvsim::NotebookPageBytes(Page(0, 1))));
    EXPECT_EQ(Headings(),
              QStringList({"NN", "Данные", "ед.изм", "N клб", "  нм", "  D", "", "", ""}));
    EXPECT_EQ(Widths(), QList<int>({30, 80, 40, 40, 40, 60, 100, 320, 10}));
    EXPECT_EQ(Row(1),
              QStringList({"1", "12.5000", "мкг/л", "3", "540", "0.2500", "Нитрат", "ab", ""}));
    EXPECT_EQ(display.storedFromFrame, std::vector<bool>{true});
    EXPECT_FALSE(display.rowFromFrame);
}

TEST_F(ResultRoutesTest, NotebookLaterPageKeepsTheLayoutItFinds)
{
    const QStringList before = Headings();
    router.OnNotebookPageFrame(Rx(lmvsim::NotebookPageBytes(Page(3, 0))));
    EXPECT_EQ(Headings(), before);
    EXPECT_EQ(display.table.Cell(2, 1), " мг/л");
    EXPECT_EQ(display.table.LiveRow(), 2);
}

TEST_F(ResultRoutesTest, NotebookBadUnitWritesValueOnlyStoresNothingAndDropsFlag)
{
    EXPECT_THROW(router.OnNotebookPageFrame(Rx(lmvsim::NotebookPageBytes(Page(0, 7)))),
                 common::RangeError);
    EXPECT_EQ(display.table.Cell(1, 1), "12.5000");
    EXPECT_EQ(display.table.Cell(2, 1), "");
    EXPECT_EQ(display.table.LiveRow(), 1);
    EXPECT_TRUE(display.storedFromFrame.empty());
    EXPECT_FALSE(display.rowFromFrame);
}

TEST_F(ResultRoutesTest, ResultRowIsWrittenButNotStoredWhileStoreActionIsDisabled)
{
    display.addRowEnabled = false;
    router.OnNotebookPageFrame(Rx(lmvsim::NotebookPageBytes(Page(0, 1))));
    EXPECT_EQ(display.table.Cell(1, 1), "12.5000");
    EXPECT_EQ(display.table.LiveRow(), 1);
}

TEST_F(ResultRoutesTest, SoilBlocksFillTheirColumnsOneRowEach)
{
    router.OnSoilAnalysisFrame(
        Rx(lmvsim::SoilAnalysisBytes({0, 5, 0, 0, {1.23, 2.0, 3.05, 4.0}, {76.4, 5.0, 6.0, 7.6}})));
    router.OnSoilAnalysisFrame(
        Rx(lmvsim::SoilAnalysisBytes({1, 5, 1, 1, {8.0, 9.0, 0, 0}, {10.0, 11.0, 0, 0}})));
    EXPECT_EQ(display.table.ColumnCount(), 15);
    EXPECT_EQ(Headings().mid(1, 3), QStringList({"Проба", "грунта", " NO3 мМ"}));
    EXPECT_EQ(Headings().last(), " Mg  мг");
    EXPECT_EQ(Widths().mid(0, 3), QList<int>({20, 20, 50}));
    EXPECT_EQ(Row(1),
              QStringList({"1", "5", "грунт", "1.2", "76", "2.0", "5", "3.0", "6", "4.0", "8", "",
                           "", "", ""}));
    EXPECT_EQ(Row(2),
              QStringList(
                  {"2", "5", "раствор", "", "", "", "", "", "", "", "", "8.0", "10", "9.0", "11"}));
    EXPECT_EQ(display.storedFromFrame, std::vector<bool>({true, true}));
    EXPECT_FALSE(display.rowFromFrame);
}

TEST_F(ResultRoutesTest, ReplicateRepeatsFillTheSampleRowUpToItsLastColumn)
{
    Replicate(0, 7, 120, true);
    Replicate(1, 7, 130);
    EXPECT_EQ(display.table.ColumnCount(), 6);
    EXPECT_EQ(Headings(),
              QStringList({"NN", "Проба", "Объект", " 1    мкг/л", " 2    мкг/л", " Результат"}));
    EXPECT_EQ(Row(1), QStringList({"1", "7", "Вода", "120", "130", ""}));
    Replicate(2, 7, 140);
    Replicate(3, 7, 150);  // beyond the layout: dropped
    EXPECT_EQ(Row(1).mid(3), QStringList({"120", "130", "140"}));
    EXPECT_EQ(router.ReplicateCount(), 3);
    EXPECT_EQ(display.table.LiveRow(), 2);
    // The live row keeps the repeat's sample and object until the next sample.
    EXPECT_EQ(display.table.Cell(2, 2), "Моча");
    Replicate(4, 8, 90, true);
    EXPECT_EQ(Row(2).mid(1, 3), QStringList({"8", "Вода", "90"}));
    EXPECT_EQ(router.ReplicateSample(), 8);
    EXPECT_EQ(router.ReplicateCount(), 0);
    EXPECT_EQ(display.storedFromFrame, std::vector<bool>({false, false}));
}

TEST_F(ResultRoutesTest, ReplicateObjectByWaterBitOnly)
{
    for (const auto& [flags, object] :
         {std::pair{2, "Вода"}, {0, "Моча"}, {1, "Моча"}, {3, "Вода"}}) {
        std::vector<uint8_t> bytes = lmvsim::ReplicateResultBytes({0, 1, false, 5});
        link::TRxFrame frame = Rx(bytes);
        frame.bytes[5] = uint8_t(flags);
        router.OnReplicateResultFrame(frame);
        EXPECT_EQ(display.table.Cell(2, display.table.LiveRow() - 1), QString::fromUtf8(object))
            << flags;
    }
}

TEST_F(ResultRoutesTest, ReplicateRepeatAfterTableResetStartsNewSampleNotHeadings)
{
    Replicate(0, 7, 120);
    display.table.ResetGrid(-1);
    EXPECT_EQ(router.ReplicateSample(), 7);  // survives the reset
    Replicate(1, 7, 130);
    EXPECT_EQ(display.table.Cell(4, 0), " 2    мкг/л");
    EXPECT_EQ(Row(1).mid(1, 3), QStringList({"7", "Моча", "130"}));
    EXPECT_EQ(display.table.LiveRow(), 2);
}

TEST_F(ResultRoutesTest, StartOnlyWhileIdleStopOnlyWhileRecordingByInstrument)
{
    router.OnStopFrame({});
    EXPECT_TRUE(display.startStops.empty());
    router.OnStartFrame({});
    EXPECT_EQ(display.startStops, std::vector<bool>{false});
    display.recording = true;
    router.OnStartFrame({});
    router.OnStopFrame({});
    EXPECT_EQ(display.startStops, std::vector<bool>({false, true}));
}

}
}
