// The inspector lmvrec run as a program on the fixtures.
#include "qt_printers.h"
#include "store_fixtures.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace lmv::store {
namespace {

struct ProgramRun {
    int exitCode = -1;
    QByteArray out, err;
};

class Lmvrec : public ::testing::Test {
protected:
    ProgramRun Start(const QStringList& args)
    {
        QProcess process;
        process.start(LMVREC_PATH, args);
        EXPECT_TRUE(process.waitForFinished(30000));
        return {process.exitCode(), process.readAllStandardOutput(),
                process.readAllStandardError()};
    }
    QString Put(const QString& name, const QByteArray& bytes)
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    QJsonObject Dump(const QByteArray& bytes)
    {
        const ProgramRun run = Start({"dump", Put("in", bytes)});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        return QJsonDocument::fromJson(run.out).object();
    }
    QTemporaryDir dir;
};

TEST_F(Lmvrec, DumpsEveryFieldOfARecord)
{
    const QJsonObject json = Dump(test::FullRecordBytes());
    EXPECT_EQ(json["Kind"].toString(), "record");
    EXPECT_EQ(json["Title"].toString(), "Опыт 1");
    EXPECT_EQ(json["Mode"].toInt(), 41);
    EXPECT_EQ(json["DateTime"].toDouble(), 43167.5);
    EXPECT_EQ(json["Comments"].toString(), "строка\r\n");
    EXPECT_EQ(json["Params"][0]["Name"].toString(), "Объем");
    EXPECT_EQ(json["Params"][0]["Value"].toString(), "10.5");
    EXPECT_EQ(json["Channels"][1]["Id"].toInt(), 8);
    EXPECT_EQ(json["Channels"][1]["Points"][1][1].toDouble(), -2.0);
    EXPECT_EQ(json["Result1"].toDouble(), 12.5);
    EXPECT_EQ(json["Result2"].toDouble(), 7.25);
    const QJsonObject peak = json["Peaks"][0].toObject();
    EXPECT_EQ(peak["Name"].toString(), "Пик");
    EXPECT_EQ(peak["EndIdx"].toInt(), 7);
    EXPECT_EQ(peak["MaxIdx"].toInt(), 6);
    EXPECT_EQ(peak["X2"].toDouble(), 8.0);
    EXPECT_EQ(peak["Padding1"].toString(), "11223344");
    EXPECT_EQ(peak["Reserved"].toString(), "0102030405060708");
    EXPECT_FALSE(json["Cut"].toBool());
}

TEST_F(Lmvrec, DumpsAnIndexAndSaysWhenAFileWasCut)
{
    const QJsonObject index = Dump(test::TwoEntryIndexBytes());
    EXPECT_EQ(index["Kind"].toString(), "index");
    EXPECT_EQ(index["Entries"][0]["Title"].toString(), "Опыт 1");
    EXPECT_EQ(index["Entries"][1]["FileName"].toString(), "1_0");
    EXPECT_EQ(index["Entries"][1]["DateTime"].toDouble(), 43168.25);
    EXPECT_TRUE(Dump(test::FullRecordBytes().first(300))["Cut"].toBool());
}

// The dump is written as it goes: one line per point, and valid JSON also for fields that JSON
// cannot hold (a NaN date is null).
TEST_F(Lmvrec, DumpWritesOnePointPerLineAsValidJson)
{
    const ProgramRun run = Start({"dump", Put("in", test::FullRecordBytes())});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    int pointLines = 0;
    for (const QByteArray& line : run.out.split('\n'))
        pointLines += line.startsWith('[') ? 1 : 0;
    EXPECT_EQ(pointLines, 5) << run.out.toStdString();
    const QJsonObject nan = Dump(test::NanFieldsRecordBytes());
    EXPECT_EQ(nan["Kind"].toString(), "record");
    EXPECT_TRUE(nan["DateTime"].isNull());
    EXPECT_TRUE(nan["Peaks"][0]["Value"].isNull());
}

TEST_F(Lmvrec, CopyWritesTheFileBackThroughTheSavePath)
{
    for (const QByteArray& bytes :
         {test::FullRecordBytes(), test::MinimalRecordBytes(), test::TwoEntryIndexBytes()}) {
        const QString out = dir.filePath("out");
        const ProgramRun run = Start({"copy", Put("in", bytes), out});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        QFile copy(out);
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
        EXPECT_EQ(copy.readAll(), bytes);
    }
}

// The shell's file size limit makes every write of the copy fail, as a full disk would.
TEST_F(Lmvrec, CopyThatCannotWriteNamesTheCauseAndKeepsTheOlderFile)
{
    const QString in = Put("in", test::FullRecordBytes());
    const QString out = Put("out", test::TwoEntryIndexBytes());
    QProcess process;
    process.start(
        "/bin/sh",
        {"-c", "ulimit -f 0; trap '' XFSZ; exec \"$0\" copy \"$1\" \"$2\"", LMVREC_PATH, in, out});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_EQ(
        QString::fromUtf8(process.readAllStandardError()),
        QStringLiteral("lmvrec: Не удалось записать файл \"%1\": Файл слишком велик\n").arg(out));
    QFile older(out);
    ASSERT_TRUE(older.open(QIODevice::ReadOnly));
    EXPECT_EQ(older.readAll(), test::TwoEntryIndexBytes());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"in", "out"}));
}

TEST_F(Lmvrec, UnreadableFilesFailWithAMessageAndWriteNothing)
{
    struct Case {
        const char* name;
        QStringList args;
        const char* message;
    };
    const QString foreign = Put("foreign", "plain text");
    const QString newer = Put("newer", "LMVRv200");
    const QString damaged = Put("damaged", QByteArray("LMVRv100\x04\0\0\0\x01\0\0\0v", 17));
    const Case cases[] = {
        {"missing", {"dump", dir.filePath("none")}, "нет такого файла"},
        {"foreign", {"dump", foreign}, "не файл записи"},
        {"another version", {"dump", newer}, "Неизвестный формат файла!"},
        {"damaged", {"copy", damaged, dir.filePath("out")}, "без его имени"},
        {"usage", {"dump"}, "вызов:"},
    };
    for (const Case& c : cases) {
        const ProgramRun run = Start(c.args);
        EXPECT_NE(run.exitCode, 0) << c.name;
        EXPECT_TRUE(QString::fromUtf8(run.err).contains(QString::fromUtf8(c.message)))
            << c.name << ": " << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << c.name;
    }
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("out")));
}

}
}
