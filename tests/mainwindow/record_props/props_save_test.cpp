// What saving the properties does for each kind of record on screen.
#include "mainwindow/record_props/props_save.h"

#include <gtest/gtest.h>

namespace lmv::mainwindow {
namespace {

TPropsSituation Stored()
{
    TPropsSituation s;
    s.recordSelected = s.modified = s.edited = s.mayWriteBack = s.leaving = true;
    return s;
}

TEST(PropsSave, EachKindOfRecord)
{
    struct TCase {
        const char* name;
        TPropsSituation situation;
        TPropsSave expected;
    };
    std::vector<TCase> cases;
    cases.push_back({"stored", Stored(), TPropsSave::WriteBack});
    TPropsSituation s = Stored();
    s.modified = s.edited = false;
    cases.push_back({"unchanged", s, TPropsSave::Nothing});
    s = Stored();
    s.recordSelected = false;
    cases.push_back({"nothing selected", s, TPropsSave::Nothing});
    s = Stored();
    s.liveShown = true;
    cases.push_back({"live", s, TPropsSave::IntoLiveRecord});
    s = Stored();
    s.awaitingShown = true;
    cases.push_back({"awaiting end-of-run values", s, TPropsSave::IntoAwaitingRecord});
    s = Stored();
    s.mayWriteBack = false;
    cases.push_back({"disk or foreign", s, TPropsSave::OnScreenOnly});
    s.cut = true;
    cases.push_back({"cut, edited, left", s, TPropsSave::AskBeforeWritingCut});
    s.leaving = false;
    cases.push_back({"cut, window closed", s, TPropsSave::OnScreenOnly});
    s.leaving = true;
    s.edited = false;
    cases.push_back({"cut, only recalculated", s, TPropsSave::OnScreenOnly});
    for (const TCase& c : cases)
        EXPECT_EQ(PropsSaveFor(c.situation), c.expected) << c.name;
}

TEST(PropsSave, EditsReplaceTitleCommentsAndPeaksOnly)
{
    model::TBaseRecord record;
    record.Title = "old";
    record.Params = {{"a", "1"}};
    record.Mode = 41;
    model::TPeakRec peak;
    peak.EndIdx = 3;
    TakePropsEdits(record, {"new", "c\r\n", {peak}});
    EXPECT_EQ(record.Title, "new");
    EXPECT_EQ(record.Comments, "c\r\n");
    EXPECT_EQ(record.Peaks, (model::TPeaks{peak}));
    EXPECT_EQ(record.Params, (model::TParamsArr{{"a", "1"}}));
    EXPECT_EQ(record.Mode, 41);
}

TEST(PropsSave, MessagesNameTheRecord)
{
    EXPECT_EQ(RecordLabel("", "5.lmv"), "5.lmv");
    EXPECT_EQ(RecordLabel("Опыт", "5.lmv"), "Опыт (5.lmv)");
    EXPECT_TRUE(CutRecordQuestion("Опыт (5.lmv)").contains("Опыт (5.lmv)"));
    EXPECT_TRUE(CutRecordQuestion("x").contains("только прочитанная часть"));
    const QString failed = PropsNotSavedMessage("Опыт (5.lmv)", "Нет места");
    EXPECT_TRUE(failed.contains("Опыт (5.lmv)"));
    EXPECT_TRUE(failed.contains("не сохранены"));
    EXPECT_TRUE(failed.contains("Нет места"));
}

}
}
