// A save interrupted at any point leaves the old file whole.
#include "store/atomic_save.h"
#include "store/save_calls.h"
#include "store/store_errors.h"
#include "support/full_disk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace lmv::store {
namespace {

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

class AtomicSave : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = QDir(dir.path()).filePath("Header");
        SaveFileAtomically(path, oldBytes);
    }
    QStringList Entries() const
    {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }

    QTemporaryDir dir;
    QString path;
    const QByteArray oldBytes = QByteArray("LMVHv100") + QByteArray(4000, 'o');
    const QByteArray newBytes = QByteArray("LMVHv100") + QByteArray(9000, 'n');
};

TEST_F(AtomicSave, ReplacesTheFileWhole)
{
    SaveFileAtomically(path, newBytes);
    EXPECT_EQ(Contents(path), newBytes);
    EXPECT_EQ(Entries(), QStringList{"Header"});
}

TEST_F(AtomicSave, AFailureBeforeTheRenameKeepsTheOldFileAndLeavesNoTemporary)
{
    EXPECT_THROW(SaveFileAtomically(path, newBytes, [] { throw FileError("disk gone"); }),
                 FileError);
    EXPECT_EQ(Contents(path), oldBytes);
    EXPECT_EQ(Entries(), QStringList{"Header"});
}

// The process dies after writing every byte of the new file and before the rename.
TEST_F(AtomicSave, AProcessKilledDuringTheSaveLeavesTheOldFileReadable)
{
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        SaveFileAtomically(path, newBytes, [] { _exit(7); });
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 7);
    EXPECT_EQ(Contents(path), oldBytes);
}

// Each step that can fail on a full or broken disk names its cause from errno; the old file stays
// byte for byte and no temporary is left.
struct FailedCallCase {
    const char* step;
    TSaveCalls calls;
    const char* reason;
};

ssize_t NoSpace(int, const void*, size_t)
{
    errno = ENOSPC;
    return -1;
}
int NotFlushed(int)
{
    errno = EIO;
    return -1;
}
int NotRenamed(const char*, const char*)
{
    errno = EROFS;
    return -1;
}

TEST_F(AtomicSave, AFailedWriteFlushOrRenameNamesItsCauseAndKeepsTheOldFile)
{
    const FailedCallCase cases[] = {
        {"write", {NoSpace, ::fsync, ::rename}, "Диск заполнен"},
        {"flush", {::write, NotFlushed, ::rename}, "Ошибка ввода-вывода"},
        {"rename", {::write, ::fsync, NotRenamed}, "Диск доступен только для чтения"},
    };
    for (const FailedCallCase& c : cases) {
        const TSaveCallsOverride failing(c.calls);
        try {
            SaveFileAtomically(path, newBytes);
            ADD_FAILURE() << c.step << ": no error";
        } catch (const FileError& error) {
            EXPECT_EQ(error.message(),
                      QStringLiteral("Не удалось записать файл \"%1\": %2").arg(path, c.reason))
                << c.step;
        }
        EXPECT_EQ(Contents(path), oldBytes) << c.step;
        EXPECT_EQ(Entries(), QStringList{"Header"}) << c.step;
    }
}

TEST_F(AtomicSave, AFullDiskAfterPartOfTheBytesKeepsTheEarlierAppendsCommittable)
{
    TAtomicFile file(path);
    file.Append("line 1\r\n");
    {
        const test::FullDisk disk(3);
        EXPECT_THROW(file.Append("line 2\r\n"), FileError);
    }
    EXPECT_EQ(file.Size(), 8);
    EXPECT_EQ(Contents(path), oldBytes) << "nothing replaced before the commit";
    file.Commit();
    EXPECT_EQ(Contents(path), "line 1\r\n");
    EXPECT_EQ(Entries(), QStringList{"Header"});
}

// A real write refused by the system, with no arranged call: a file size limit of this process
// (in a child, so that nothing else of the test is limited).
TEST_F(AtomicSave, AWriteTheSystemRefusesIsToldWithTheSystemsCause)
{
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1000, 1000};
        setrlimit(RLIMIT_FSIZE, &limit);
        try {
            SaveFileAtomically(path, newBytes);
        } catch (const FileError& error) {
            _exit(error.message().endsWith(": Файл слишком велик") ? 3 : 4);
        }
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 3) << "3: the cause named, 4: another text, 0: no error";
    EXPECT_EQ(Contents(path), oldBytes);
    EXPECT_EQ(Entries(), QStringList{"Header"});
}

TEST_F(AtomicSave, AMissingFolderIsAnError)
{
    EXPECT_THROW(SaveFileAtomically(QDir(dir.path()).filePath("no/such/file"), newBytes),
                 FileError);
}

}
}
