// The instrument's header texts: tokens, date and time words, and each kind's effect on the live
// record through the window's display interface.
#include "common/day_count.h"
#include "common/errors.h"
#include "fake_measurement_display.h"
#include "link/frame_codec.h"
#include "mainwindow/measurement/measurement_router.h"
#include "mainwindow/measurement/text_frames.h"
#include "store/qt_printers.h"

#include <gtest/gtest.h>

namespace lmv::test {
namespace {

using mainwindow::TTextTokenizer;

QStringList Tokens(const QString& text, QChar delim, int count)
{
    TTextTokenizer tokens(text);
    QStringList read;
    for (int i = 0; i < count; ++i)
        read << tokens.NextToken(delim);
    return read;
}

TEST(TextTokenizerTest, BlanksAndDelimitersAsTheInstrumentSendsThem)
{
    EXPECT_EQ(Tokens("Проба$12$", u'$', 2), QStringList({"Проба", "12"}));
    EXPECT_EQ(Tokens("Объем$ 10 мл$", u'$', 2), QStringList({"Объем", "10 мл"}));
    EXPECT_EQ(Tokens("$A$B$", u'$', 2), QStringList({"$A", "B"}));
    EXPECT_EQ(Tokens("name$rest of text", u'$', 2), QStringList({"name", "rest of text"}));
    EXPECT_EQ(Tokens("a b $c", u'$', 2), QStringList({"a b ", "c"}));
    EXPECT_EQ(Tokens("", u'$', 2), QStringList({"", ""}));
}

TEST(TextFrameTextTest, TakesLMinusTwoBytesWithNulsAndNothingBelowThree)
{
    link::TRxFrame frame;
    frame.bytes[3] = 5;
    frame.bytes[4] = 'a';
    frame.bytes[5] = 0;
    frame.bytes[6] = 0xC0;  // 'А'
    frame.length = 5;
    EXPECT_EQ(mainwindow::TextFrameText(frame), QString("a") + QChar(0) + QString("А"));
    frame.length = 2;
    EXPECT_EQ(mainwindow::TextFrameText(frame), "");
}

const QLocale Russian{QLocale::Russian, QLocale::Russia};
const QLocale American{QLocale::English, QLocale::UnitedStates};
const QDate Today(2018, 3, 26);

TEST(DateTimeWordsTest, DateFollowsTheLocalesOrderAndBadWordsAreTold)
{
    EXPECT_EQ(mainwindow::ParseShortDate("08-03-2018", Russian, Today), QDate(2018, 3, 8));
    EXPECT_EQ(mainwindow::ParseShortDate("03-08-2018", American, Today), QDate(2018, 3, 8));
    EXPECT_EQ(mainwindow::ParseShortDate("8-3-18", Russian, Today), QDate(2018, 3, 8));
    EXPECT_EQ(mainwindow::ParseShortDate("8-3-75", Russian, Today), QDate(1975, 3, 8));
    EXPECT_EQ(mainwindow::ParseShortDate("8-3", Russian, Today), QDate(2018, 3, 8));
    EXPECT_EQ(mainwindow::ParseTime("14:05", Russian), QTime(14, 5));
    EXPECT_EQ(mainwindow::ParseTime("14:05:09", Russian), QTime(14, 5, 9));
    for (const char* bad : {"", "08.03.2018", "31-02-2018", "1-2-3-4", "a-3-2018", "-3-2018"}) {
        try {
            mainwindow::ParseShortDate(QString::fromUtf8(bad), Russian, Today);
            ADD_FAILURE() << bad;
        } catch (const common::Error& error) {
            EXPECT_EQ(error.message(), QStringLiteral("'%1' is not a valid date").arg(bad));
        }
    }
    for (const char* bad : {"", "14", "25:00", "14:60", "14-05", "14:05:09:1"}) {
        try {
            mainwindow::ParseTime(QString::fromUtf8(bad), Russian);
            ADD_FAILURE() << bad;
        } catch (const common::Error& error) {
            EXPECT_EQ(error.message(), QStringLiteral("'%1' is not a valid time").arg(bad));
        }
    }
}

class TextFramesTest : public ::testing::Test {
protected:
    FakeMeasurementDisplay display;
    mainwindow::TMeasurementRouter router{display.Ports()};
    const double Before = 43000.5;

    void SetUp() override
    {
        display.now = QDateTime(Today, QTime(9, 0));
        display.liveRecord.DateTime = Before;
        display.headerFileName = QStringLiteral("00000001.LMV");
    }
};

TEST_F(TextFramesTest, StatusKindGoesToTheStatusLineOnly)
{
    router.HandleTextFrame(100, "Титрование");
    EXPECT_EQ(display.statusText, "Титрование");
    EXPECT_EQ(display.headerSaves, 0);
    EXPECT_TRUE(display.liveRecord.Params.empty());
}

TEST_F(TextFramesTest, DateAndTimeSetTogetherAndSave)
{
    router.HandleTextFrame(101, "Дата 08-03-2018   Время 14:05:09");
    EXPECT_EQ(display.liveRecord.DateTime,
              common::DateTimeToDays(QDateTime(QDate(2018, 3, 8), QTime(14, 5, 9))));
    EXPECT_EQ(display.headerSaves, 1);
    EXPECT_TRUE(display.errors.isEmpty());
}

TEST_F(TextFramesTest, BadDateOrTimeWordLeavesDateAndTimeAndSavesNothing)
{
    router.HandleTextFrame(101, "Дата 08.03.2018 Время 14:05");
    router.HandleTextFrame(101, "Дата 08-03-2018 Время 14.05");
    EXPECT_EQ(display.liveRecord.DateTime, Before);
    EXPECT_EQ(display.headerSaves, 0);
    EXPECT_EQ(display.errors,
              QStringList({"'08.03.2018' is not a valid date", "'14.05' is not a valid time"}));
}

TEST_F(TextFramesTest, TitleIsSavedAndWithoutFileKeptAndToldOncePerRun)
{
    router.HandleTextFrame(102, "Опыт 1");
    EXPECT_EQ(display.liveRecord.Title, "Опыт 1");
    EXPECT_EQ(display.headerSaves, 1);
    display.headerFileName.clear();
    router.HandleTextFrame(102, "Опыт 2");
    router.HandleTextFrame(101, "Дата 08-03-2018 Время 14:05");
    EXPECT_EQ(display.liveRecord.Title, "Опыт 2");
    EXPECT_NE(display.liveRecord.DateTime, Before) << "kept in the live record";
    EXPECT_EQ(display.headerSaves, 1);
    EXPECT_EQ(display.errors.size(), 1);
    ++display.runNumber;
    router.HandleTextFrame(102, "Опыт 3");
    EXPECT_EQ(display.errors.size(), 2);
}

TEST_F(TextFramesTest, PairsAppendAndKindZeroStartsAfresh)
{
    display.liveRecord.Params = {{"№ метода", "1"}};
    router.HandleTextFrame(0, "Проба$12$");
    router.HandleTextFrame(5, "Объем$ 10 мл$");
    router.HandleTextFrame(255, "");
    EXPECT_EQ(display.liveRecord.Params,
              (model::TParamsArr{{"Проба", "12"}, {"Объем", "10 мл"}, {"", ""}}));
    EXPECT_EQ(display.headerRefreshes, 3);
    EXPECT_EQ(display.headerSaves, 0) << "pairs wait for the next save";
}

}
}
