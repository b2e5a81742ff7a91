// A save interrupted at any point leaves the old file whole.
#include "store/atomic_save.h"
#include "store/store_errors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

TEST_F(AtomicSave, AMissingFolderIsAnError)
{
    EXPECT_THROW(SaveFileAtomically(QDir(dir.path()).filePath("no/such/file"), newBytes),
                 FileError);
}

}
}
