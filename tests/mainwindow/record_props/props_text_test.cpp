// The properties window's texts: comments between Windows-1251 CR LF lines and the memo, the
// parameter rows and the copied selection.
#include "mainwindow/record_props/props_text.h"

#include <gtest/gtest.h>

namespace lmv::mainwindow {
namespace {

TEST(CommentsText, CrLfLinesInCp1251BecomeMemoLinesAndBack)
{
    const QByteArray stored = "\xCF\xF0\xEE\xE1\xE0 1\r\n\r\nend\r\n";  // "Проба 1", "", "end"
    EXPECT_EQ(CommentsMemoText(stored), QStringLiteral("Проба 1\n\nend"));
    EXPECT_EQ(CommentsFromMemo(CommentsMemoText(stored)), stored);
}

TEST(CommentsText, LineEndsAndEmptyText)
{
    const struct {
        const char* memo;
        QByteArray stored;
    } cases[] = {
        {"", ""},
        {"a", "a\r\n"},
        {"a\n", "a\r\n"},  // the memo's empty last line is no line
        {"a\nb", "a\r\nb\r\n"},
        {"\n", "\r\n"},
        {"a\rb", "a\r\nb\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CommentsFromMemo(QString::fromLatin1(c.memo)), c.stored) << c.memo;
    EXPECT_EQ(CommentsMemoText("a\nb\rc\r\n"), QStringLiteral("a\nb\nc"));
    EXPECT_EQ(CommentsFromMemo(QStringLiteral("日本")), QByteArray("??\r\n"));
}

TEST(ParamGridRows, OneRowPerParameterOrOneEmptyRow)
{
    EXPECT_EQ(ParamGridRows({}), (QList<QStringList>{{QString(), QString()}}));
    const model::TParamsArr params{{"Объём", "10.0"}, {"Метод", "КТТ"}};
    EXPECT_EQ(ParamGridRows(params), (QList<QStringList>{{"Объём", "10.0"}, {"Метод", "КТТ"}}));
}

TEST(GridSelectionText, TabBetweenCellsAndOneCrAfterEachRow)
{
    const QList<QStringList> block{{"a", "1"}, {"b", "2"}, {"c", "3"}};
    EXPECT_EQ(GridSelectionText(block), QStringLiteral("a\t1\rb\t2\rc\t3\r"));
    EXPECT_EQ(GridSelectionText({{"only"}}), QStringLiteral("only\r"));
    EXPECT_TRUE(GridSelectionText({}).isEmpty());
}

}
}
