#include "mainwindow/desktop/removable_disks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace lmv::mainwindow {

namespace {

bool RemovableFlagSet(const QString& diskDir)
{
    QFile flag(diskDir + QStringLiteral("/removable"));
    return flag.open(QIODevice::ReadOnly) && flag.read(8).trimmed() == "1";
}

// A device given through a link (/dev/disk/by-label/...) is named by what it points to.
QString DeviceName(const QString& device)
{
    const QString resolved = QFileInfo(device).canonicalFilePath();
    return QFileInfo(resolved.isEmpty() ? device : resolved).fileName();
}

bool UnderOneOf(const QString& rootPath, const QStringList& folders)
{
    const QString root = QDir::cleanPath(rootPath);
    for (const QString& folder : folders)
        if (root.startsWith(QDir::cleanPath(folder) + u'/'))
            return true;
    return false;
}

}

QStringList DesktopRemovableMediaFolders()
{
    return {QStringLiteral("/media"), QStringLiteral("/run/media")};
}

bool IsRemovableBlockDevice(const QString& sysBlockDir, const QString& device)
{
    if (!device.startsWith(QStringLiteral("/dev/")))
        return false;
    const QString name = DeviceName(device);
    if (name.isEmpty() || name.startsWith(u'.'))
        return false;
    const QDir sysBlock(sysBlockDir);
    if (sysBlock.exists(name))
        return RemovableFlagSet(sysBlock.filePath(name));
    for (const QString& disk : sysBlock.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (QFileInfo(sysBlock.filePath(disk + u'/' + name)).isDir())
            return RemovableFlagSet(sysBlock.filePath(disk));
    return false;
}

QStringList RemovableDiskRoots(const QList<TMountedVolume>& volumes, const QString& sysBlockDir,
                               const QStringList& mediaFolders)
{
    QStringList roots;
    for (const TMountedVolume& volume : volumes) {
        if (!volume.readable || roots.contains(volume.rootPath))
            continue;
        if (UnderOneOf(volume.rootPath, mediaFolders) ||
            IsRemovableBlockDevice(sysBlockDir, volume.device))
            roots << volume.rootPath;
    }
    return roots;
}

}
