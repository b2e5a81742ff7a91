// The record list's line texts and their model, the line of a file, the caption and the disk
// chooser's lines.
#include "common/day_count.h"
#include "mainwindow/desktop/disk_lines.h"
#include "mainwindow/record_list/list_lines.h"
#include "mainwindow/record_list/record_list_model.h"

#include <gtest/gtest.h>

namespace lmv::mainwindow {
namespace {

model::TBaseHeaderRecord Entry(const QString& file, const QDateTime& when, const QString& title)
{
    return {title, file, common::DateTimeToDays(when)};
}

TEST(RecordListLines, DateAndTitleWithTheTimeLeftOutAtMidnight)
{
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    const QDate day(2018, 3, 8);
    EXPECT_EQ(BaseListLine(Entry("0", QDateTime(day, QTime(14, 5, 9)), "pH 7"), russian),
              QStringLiteral("08.03.2018 14:05:09 pH 7"));
    EXPECT_EQ(BaseListLine(Entry("1", QDateTime(day, QTime(0, 0)), "Ночь"), russian),
              QStringLiteral("08.03.2018 Ночь"));
    EXPECT_EQ(BaseListLine(Entry("2", QDateTime(day, QTime(0, 0, 1)), ""), russian),
              QStringLiteral("08.03.2018 00:00:01 "));
}

TEST(RecordListLines, TheFirstLineOfAFileAndNoneForAnEmptyName)
{
    const QDateTime when(QDate(2018, 3, 8), QTime(9, 0));
    const model::TBaseHeader list = {Entry("3", when, "a"), Entry("", when, "b"),
                                     Entry("5", when, "c"), Entry("5", when, "d")};
    EXPECT_EQ(LineOfFile(list, QStringLiteral("3")), 0);
    EXPECT_EQ(LineOfFile(list, QStringLiteral("5")), 2);
    EXPECT_EQ(LineOfFile(list, QStringLiteral("4")), -1);
    EXPECT_EQ(LineOfFile(list, QString()), -1);
    EXPECT_EQ(LineOfFile({}, QStringLiteral("3")), -1);
}

// The model keeps no lines of its own: it reads the list it was given whenever it is asked.
TEST(RecordListModel, LinesAreReadFromTheListAtEveryRequest)
{
    const QDateTime when(QDate(2018, 3, 8), QTime(9, 0));
    model::TBaseHeader list = {Entry("3", when, "a"), Entry("4", when, "b")};
    TRecordListModel lines(list);
    ASSERT_EQ(lines.rowCount(), 2);
    EXPECT_EQ(lines.data(lines.index(1)).toString(), BaseListLine(list[1]));
    lines.BeginRefill();
    list[1].Title = QStringLiteral("c");
    list.push_back(Entry("5", when, "d"));
    lines.EndRefill();
    ASSERT_EQ(lines.rowCount(), 3);
    EXPECT_EQ(lines.data(lines.index(1)).toString(), BaseListLine(list[1]));
    const QModelIndex last = lines.index(2);
    EXPECT_EQ(lines.data(last).toString(), BaseListLine(list[2]));
    list.pop_back();  // not told yet: a view's row past the list's end has no text
    EXPECT_FALSE(lines.data(last).isValid());
}

TEST(RecordListLines, CaptionNamesTheVersionAndTheFolder)
{
    EXPECT_EQ(FolderCaption(QStringLiteral("/home/op/Documents/Lmv2Pr/Base/")),
              QStringLiteral("Лумивер-00х V 2018.03.26 [/home/op/Documents/Lmv2Pr/Base/]"));
}

TEST(DiskLines, TheRootComesBackFromItsLineAndFromNoOtherText)
{
    for (const QString& root :
         {QStringLiteral("/media/op/SD CARD"), QStringLiteral("/run/media/x")})
        EXPECT_EQ(RootOfDiskLine(DiskLine(root)), root);
    EXPECT_EQ(DiskLine(QStringLiteral("/media/op/SD")),
              QStringLiteral("/media/op/SD Съемный диск"));
    EXPECT_EQ(RootOfDiskLine(QStringLiteral("/media/op/SD")), QString());
}

}
}
