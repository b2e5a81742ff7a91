#include "store/atomic_save.h"

#include "store/store_errors.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace lmv::store {

namespace {

[[noreturn]] void Fail(const QString& path, const QString& reason)
{
    throw FileError(QStringLiteral("Не удалось записать файл \"%1\": %2").arg(path, reason));
}

}

void SaveFileAtomically(const QString& path, QByteArrayView bytes,
                        const std::function<void()>& beforeCommit)
{
    if (QFileInfo(path).isDir())
        Fail(path, QStringLiteral("это папка"));
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        Fail(path, file.errorString());
    if (file.write(bytes.data(), bytes.size()) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        Fail(path, reason);
    }
    if (beforeCommit)
        beforeCommit();
    if (!file.commit())
        Fail(path, file.errorString());
    SyncFolder(QFileInfo(path).absolutePath());
}

void SyncFolder(const QString& folder)
{
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        Fail(folder, QString::fromLocal8Bit(strerror(errno)));
    const int synced = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    if (synced != 0)
        Fail(folder, QString::fromLocal8Bit(strerror(error)));
}

}
