// The removable-disk rule over a fake /sys/block and a made-up mount list.
#include "mainwindow/desktop/removable_disks.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace lmv::mainwindow {
namespace {

class RemovableDisksTest : public ::testing::Test {
protected:
    RemovableDisksTest()
    {
        Disk("sda", "0\n", {"sda1", "sda2"});
        Disk("sdb", "1\n", {"sdb1"});
        Disk("mmcblk0", "1\n", {"mmcblk0p1"});
        Disk("sr0", "1\n", {});
        Disk("nvme0n1", "0\n", {"nvme0n1p1"});
        Disk("loop0", "", {});
    }

    void Disk(const char* name, const QByteArray& removable, const QStringList& partitions)
    {
        QDir block(SysBlock());
        block.mkpath(QString::fromLatin1(name));
        if (!removable.isEmpty()) {
            QFile flag(block.filePath(QString::fromLatin1(name) + QStringLiteral("/removable")));
            ASSERT_TRUE(flag.open(QIODevice::WriteOnly));
            flag.write(removable);
        }
        for (const QString& partition : partitions)
            block.mkpath(QString::fromLatin1(name) + u'/' + partition);
    }

    QString SysBlock() const { return sys.path() + QStringLiteral("/block"); }

    QTemporaryDir sys;
};

TEST_F(RemovableDisksTest, TheDiskOrTheDiskOfAPartitionDecides)
{
    struct Case {
        const char* device;
        bool removable;
    };
    const Case cases[] = {
        {"/dev/sdb1", true},   {"/dev/sdb", true},   {"/dev/mmcblk0p1", true},
        {"/dev/sr0", true},    {"/dev/sda1", false}, {"/dev/nvme0n1p1", false},
        {"/dev/loop0", false}, {"/dev/sdz1", false}, {"tmpfs", false},
        {"/dev/..", false},    {"", false},          {"sdb1", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsRemovableBlockDevice(SysBlock(), QString::fromLatin1(c.device)), c.removable)
            << c.device;
}

TEST_F(RemovableDisksTest, ReadableRemovableOrMediaMountedVolumesAreListedOnce)
{
    const QList<TMountedVolume> volumes = {
        {QStringLiteral("/"), QStringLiteral("/dev/sda1"), true},
        {QStringLiteral("/mnt/stick"), QStringLiteral("/dev/sdb1"), true},
        {QStringLiteral("/mnt/stick"), QStringLiteral("/dev/sdb1"), true},
        {QStringLiteral("/mnt/card"), QStringLiteral("/dev/mmcblk0p1"), false},
        {QStringLiteral("/media/user/DISK"), QStringLiteral("/dev/sdz9"), true},
        {QStringLiteral("/run/media/user/CAM"), QStringLiteral("/dev/mapper/cam"), true},
        {QStringLiteral("/media"), QStringLiteral("/dev/sda2"), true},
        {QStringLiteral("/mediathek"), QStringLiteral("/dev/sda2"), true},
        {QStringLiteral("/run/user/1000"), QStringLiteral("tmpfs"), true},
    };
    EXPECT_EQ(RemovableDiskRoots(volumes, SysBlock(), DesktopRemovableMediaFolders()),
              QStringList({"/mnt/stick", "/media/user/DISK", "/run/media/user/CAM"}));
}

TEST_F(RemovableDisksTest, NoSysFolderLeavesOnlyTheMediaFolders)
{
    const QList<TMountedVolume> volumes = {
        {QStringLiteral("/mnt/stick"), QStringLiteral("/dev/sdb1"), true},
        {QStringLiteral("/media/user/DISK"), QStringLiteral("/dev/sdb1"), true},
    };
    EXPECT_EQ(RemovableDiskRoots(volumes, sys.path() + QStringLiteral("/none"),
                                 DesktopRemovableMediaFolders()),
              QStringList({"/media/user/DISK"}));
}

}
}
