#pragma once
// Which mounted volumes are removable disks. Qt's volume list carries no removable flag, so the
// kernel's per-disk attribute decides, and so does the desktop's habit of mounting removable
// media under its own folders.
#include <QList>
#include <QString>
#include <QStringList>

namespace lmv::mainwindow {

struct TMountedVolume {
    QString rootPath;
    QString device;  // the block device, "/dev/sdb1"; anything else for pseudo file systems
    bool readable = false;  // mounted, ready and its root can be read
};

// The folders under which the desktop mounts removable media.
QStringList DesktopRemovableMediaFolders();

// True when <sysBlockDir>/<disk>/removable holds 1 for the disk the device is, or the disk
// whose partition it is.
bool IsRemovableBlockDevice(const QString& sysBlockDir, const QString& device);

// The root paths of the readable volumes that are removable, in the given order and once each.
QStringList RemovableDiskRoots(const QList<TMountedVolume>& volumes, const QString& sysBlockDir,
                               const QStringList& mediaFolders);

}
