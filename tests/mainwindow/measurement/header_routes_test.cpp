// The titration parameters onto their boxes and into the live record's parameters.
#include "fake_measurement_display.h"
#include "instrument_frames.h"
#include "mainwindow/measurement/measurement_router.h"
#include "store/qt_printers.h"

#include <gtest/gtest.h>

namespace lmv::test {
namespace {

using model::TParamRec;
using model::TParamsArr;

link::TRxFrame Rx(const std::vector<uint8_t>& bytes)
{
    link::TRxFrame frame;
    std::copy(bytes.begin(), bytes.end() - 1, frame.bytes.begin());
    frame.length = bytes[1];
    return frame;
}

lmvsim::TTitrationParamSet Params(int mode, int tipLevel)
{
    lmvsim::TTitrationParamSet p;
    p.tipLevel = tipLevel;
    p.ktt = 7.25;
    p.zona = 0.5;
    p.end = 12.125;
    p.speed1 = 4;
    p.speed2 = 2;
    p.timer = 30;
    p.plotnost = 1.5;
    p.mode = mode;
    p.ion = std::string("Cl\0\0\0", 5);
    p.nm = 0;
    p.source = 1;
    return p;
}

class HeaderRoutesTest : public ::testing::Test {
protected:
    FakeMeasurementDisplay display;
    mainwindow::TMeasurementRouter router{display.Ports()};

    void Send(const lmvsim::TTitrationParamSet& p)
    {
        router.OnTitrationParamsFrame(Rx(lmvsim::TitrationParamsBytes(p)));
    }
};

TEST_F(HeaderRoutesTest, SetPointMethodWithIonFillsBoxesAndPairs)
{
    Send(Params(0, 3));
    const mainwindow::TTitrationParamTexts& t = *display.titrationTexts;
    EXPECT_EQ(QStringList({t.Ktt, t.Zona, t.End, t.Speed1, t.Speed2, t.Plotnost, t.Ion, t.Nm,
                           t.Mode, t.TipLevel, t.Source, t.Timer}),
              QStringList(
                  {"7.250", "0.500", "12.125", "4", "2", "1.500", "Cl", "1", "0", "3", "1", "30"}));
    EXPECT_TRUE(t.IonShown);
    const QString ion = QStringLiteral("Cl") + QString(3, QChar(0));
    EXPECT_EQ(router.TitrationParams().Ion, ion) << "kept with its NULs";
    EXPECT_EQ(display.liveRecord.Params,
              (TParamsArr{{"№ метода", "1"},
                          {"Метод титрования", "До заданной точки"},
                          {"КТТ", "7.250"},
                          {"Выдержка", "30"},
                          {"Зона", "0.500"},
                          {"Скорость вне зоны", "4"},
                          {"Скорость в зоне", "2"},
                          {"Плотность", "1.500"},
                          {"Ион", ion},
                          {"Источник данных", "Внешний"}}));
    EXPECT_EQ(display.headerRefreshes, 1);
}

TEST_F(HeaderRoutesTest, CurveMethodWithoutIonAndRepeatedSetsAppend)
{
    lmvsim::TTitrationParamSet p = Params(1, 0);
    p.source = 0;
    display.liveRecord.Params = {{"Проба", "12"}};
    Send(p);
    Send(p);
    EXPECT_FALSE(display.titrationTexts->IonShown);
    EXPECT_EQ(display.titrationTexts->TipLevel, "0");
    const TParamsArr set{{"№ метода", "1"},
                         {"Метод титрования", "Регистрация кривой"},
                         {"Точка эквивалентности", "7.250"},
                         {"Окончание", "12.125"},
                         {"Зона", "0.500"},
                         {"Скорость вне зоны", "4"},
                         {"Скорость в зоне", "2"},
                         {"Плотность", "1.500"},
                         {"Источник данных", "Внутренний"}};
    TParamsArr expected{{"Проба", "12"}};
    expected.insert(expected.end(), set.begin(), set.end());
    expected.insert(expected.end(), set.begin(), set.end());
    EXPECT_EQ(display.liveRecord.Params, expected);
}

TEST_F(HeaderRoutesTest, TipLevelBoxIsTheCharacterOfCode48PlusLevel)
{
    for (const auto& [level, text] : {std::pair{9, "9"}, {10, ":"}, {208, "\x00"}, {255, "/"}}) {
        Send(Params(0, level));
        EXPECT_EQ(display.titrationTexts->TipLevel, QString(QChar(text[0]))) << level;
    }
}

}
}
