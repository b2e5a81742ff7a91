#include "mainwindow/readings_table/readings_table_model.h"

#include "mainwindow/readings_table/readings_table.h"
#include "mainwindow/readings_table/table_fixture.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QSize>

#include <gtest/gtest.h>

namespace lmv::mainwindow {
namespace {

// The model tester reports broken model contracts as warnings; each one fails the test.
QStringList Warnings;

void CollectWarnings(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        Warnings << message;
}

class ReadingsTableModelTest : public testing::Test {
protected:
    ReadingsTableModelTest()
        : previousHandler_(qInstallMessageHandler(CollectWarnings)),
          model_(table_, [this] { return context_; }),
          tester_(&model_, QAbstractItemModelTester::FailureReportingMode::Warning)
    {
        Warnings.clear();
    }
    ~ReadingsTableModelTest() override { qInstallMessageHandler(previousHandler_); }

    void TearDown() override { EXPECT_EQ(Warnings, QStringList()); }

    QString Shown(int row, int column) const
    {
        return model_.data(model_.index(row, column)).toString();
    }
    bool Editable(int row, int column) const
    {
        return model_.flags(model_.index(row, column)) & Qt::ItemIsEditable;
    }

    QtMessageHandler previousHandler_;
    TReadingsTable table_;
    TEditContext context_{3, true};
    TReadingsTableModel model_;
    QAbstractItemModelTester tester_;
};

TEST_F(ReadingsTableModelTest, HeadingRowIsTheHeaderAndGridRowsFollow)
{
    EXPECT_EQ(model_.rowCount(), 9);
    EXPECT_EQ(model_.columnCount(), 10);
    EXPECT_EQ(model_.headerData(0, Qt::Horizontal).toString(), "NN");
    EXPECT_EQ(model_.headerData(8, Qt::Horizontal).toString(), "Комментарий");
    EXPECT_EQ(model_.headerData(7, Qt::Horizontal, Qt::SizeHintRole).toSize(), QSize(100, 16));
    EXPECT_EQ(model_.headerData(1, Qt::Horizontal, Qt::SizeHintRole).toSize(), QSize(64, 16));
    test::StoreReadings(table_, {"7.000"});
    EXPECT_EQ(Shown(0, 0), "1");
    EXPECT_EQ(Shown(0, 1), "7.000");
}

TEST_F(ReadingsTableModelTest, StoreRemoveAndResetReachTheView)
{
    table_.ResetGrid(9);
    QSignalSpy inserted(&model_, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&model_, &QAbstractItemModel::rowsRemoved);
    QSignalSpy reset(&model_, &QAbstractItemModel::modelReset);
    QSignalSpy changed(&model_, &QAbstractItemModel::dataChanged);

    test::StoreReadings(table_, {"r1"});
    test::StoreReadings(table_, {"r2"});
    EXPECT_EQ(inserted.count(), 2);
    EXPECT_EQ(model_.rowCount(), 3);
    EXPECT_GT(changed.count(), 0);

    ASSERT_TRUE(table_.RemoveRow(1));
    EXPECT_EQ(removed.count(), 1);
    EXPECT_EQ(model_.rowCount(), 2);
    EXPECT_EQ(Shown(0, 1), "r2");

    table_.ResetGrid(15);
    EXPECT_EQ(reset.count(), 1);
    EXPECT_EQ(model_.rowCount(), 1);
    EXPECT_EQ(model_.columnCount(), 15);
}

TEST_F(ReadingsTableModelTest, HeadingChangeIsAHeaderChange)
{
    QSignalSpy header(&model_, &QAbstractItemModel::headerDataChanged);
    table_.SetCell(1, 0, "Канал 1 pH  ");
    EXPECT_EQ(header.count(), 1);
    EXPECT_EQ(model_.headerData(1, Qt::Horizontal).toString(), "Канал 1 pH  ");
    table_.SetColumnWidth(1, 80);
    EXPECT_EQ(header.count(), 2);
    EXPECT_EQ(model_.headerData(1, Qt::Horizontal, Qt::SizeHintRole).toSize(), QSize(80, 16));
}

TEST_F(ReadingsTableModelTest, OnlyTheCommentColumnTakesTypingWhileTheLiveRecordIsShown)
{
    test::StoreReadings(table_, {"r1"});
    for (int column = 0; column < model_.columnCount(); ++column) {
        EXPECT_EQ(Editable(0, column), column == 8) << "stored row, column " << column;
        EXPECT_EQ(Editable(1, column), column == 8) << "live row, column " << column;
    }
    EXPECT_TRUE(model_.setData(model_.index(0, 8), "проба 1"));
    EXPECT_EQ(table_.Cell(8, 1), "проба 1");

    EXPECT_FALSE(model_.setData(model_.index(0, 1), "typed"));
    EXPECT_EQ(table_.Cell(1, 1), "r1");

    context_.liveRecordOnScreen = false;
    EXPECT_FALSE(Editable(0, 8));
    EXPECT_FALSE(model_.setData(model_.index(0, 8), "typed"));
    EXPECT_EQ(table_.Cell(8, 1), "проба 1");

    context_ = {38, true};
    EXPECT_FALSE(Editable(0, 8));
    EXPECT_TRUE(Editable(0, 9));
}

TEST_F(ReadingsTableModelTest, DetachesFromTheTableWhenGone)
{
    TReadingsTable table;
    {
        TReadingsTableModel model(table, [] { return TEditContext{}; });
    }
    test::StoreReadings(table, {"r1"});
    table.ResetGrid(6);
    EXPECT_EQ(table.RowCount(), 2);
}

}
}
