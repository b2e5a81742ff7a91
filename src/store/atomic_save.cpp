#include "store/atomic_save.h"

#include "common/system_error_text.h"
#include "store/save_calls.h"
#include "store/store_errors.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lmv::store {

namespace {

const TSaveCalls SystemCalls{::write, ::fsync, ::rename};
std::atomic<const TSaveCalls*> CallsInForce{&SystemCalls};

[[noreturn]] void Fail(const QString& path, const QString& reason)
{
    throw FileError(QStringLiteral("Не удалось записать файл \"%1\": %2").arg(path, reason));
}

[[noreturn]] void FailWithErrno(const QString& path, int error)
{
    Fail(path, common::SystemErrorText(error));
}

// The file a save replaces: links followed as far as they go (40 at most, as the old save did),
// so that a link keeps pointing at the saved file.
QString LinkTarget(const QString& path)
{
    QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    for (int links = 0; links < 40 && info.isSymLink(); ++links)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? path : info.filePath();
}

// "<target>.XXXXXX" with six letters: the name a crash may leave behind (see record_names.h).
QByteArray TemporaryName(const QByteArray& target)
{
    static const char Letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    QByteArray name = target + '.';
    for (int i = 0; i < 6; ++i)
        name += Letters[QRandomGenerator::global()->bounded(int(sizeof Letters) - 1)];
    return name;
}

constexpr int NameAttempts = 100;

}

const TSaveCalls& SaveCalls() { return *CallsInForce.load(); }

TSaveCallsOverride::TSaveCallsOverride(const TSaveCalls& calls)
    : calls_(calls), previous_(CallsInForce.exchange(&calls_))
{
}

TSaveCallsOverride::~TSaveCallsOverride() { CallsInForce.store(previous_); }

TAtomicFile::TAtomicFile(const QString& path) : path_(path), target_(LinkTarget(path))
{
    const QFileInfo existing(target_);
    if (existing.isDir())
        Fail(path_, QStringLiteral("это папка"));
    const QByteArray target = QFile::encodeName(target_);
    struct stat old {};
    const bool replaces = ::stat(target.constData(), &old) == 0;
    if (replaces && ::access(target.constData(), W_OK) != 0)
        FailWithErrno(path_, errno);
    // Until an old file's permissions are copied, nobody else may read the new one.
    const mode_t mode = replaces ? 0600 : 0666;
#ifdef O_TMPFILE
    const QByteArray folder = QFile::encodeName(existing.absolutePath());
    fd_ = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
#endif
    // No unnamed file on this file system (a memory stick's, say): a named one, found by a crash.
    for (int attempt = 0; fd_ < 0 && attempt < NameAttempts; ++attempt) {
        temporaryName_ = TemporaryName(target);
        fd_ = ::open(temporaryName_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd_ < 0 && errno != EEXIST)
            break;
    }
    if (fd_ < 0) {
        const int error = errno;
        temporaryName_.clear();
        FailWithErrno(path_, error);
    }
    if (replaces)
        ::fchmod(fd_, old.st_mode & 0777);  // a file system without permissions keeps its own
}

TAtomicFile::~TAtomicFile() { Discard(); }

void TAtomicFile::Discard()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (!temporaryName_.isEmpty())
        ::unlink(temporaryName_.constData());
    temporaryName_.clear();
}

void TAtomicFile::Append(QByteArrayView bytes)
{
    if (fd_ < 0)
        Fail(path_, QStringLiteral("файл уже закрыт"));
    const char* data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = SaveCalls().write(fd_, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            // A write that takes nothing of a regular file has no room for it.
            const int error = written < 0 ? errno : ENOSPC;
            if (::ftruncate(fd_, size_) != 0 || ::lseek(fd_, size_, SEEK_SET) != size_)
                damaged_ = true;
            FailWithErrno(path_, error);
        }
        data += written;
        left -= written;
    }
    size_ += bytes.size();
}

void TAtomicFile::Commit()
{
    if (fd_ < 0)
        Fail(path_, QStringLiteral("файл уже закрыт"));
    const auto failWith = [this](int error) {
        Discard();
        FailWithErrno(path_, error);
    };
    if (damaged_) {
        Discard();
        Fail(path_, QStringLiteral("файл записан не полностью"));
    }
    if (SaveCalls().fsync(fd_) != 0)
        failWith(errno);
    const QByteArray target = QFile::encodeName(target_);
    if (temporaryName_.isEmpty()) {
        // The unnamed file gets a name beside the target, then takes the target's.
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd_);
        for (int attempt = 0; temporaryName_.isEmpty() && attempt < NameAttempts; ++attempt) {
            const QByteArray name = TemporaryName(target);
            if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name.constData(),
                         AT_SYMLINK_FOLLOW) == 0)
                temporaryName_ = name;
            else if (errno != EEXIST)
                failWith(errno);
        }
        if (temporaryName_.isEmpty())
            failWith(EEXIST);
    }
    const int closed = ::close(fd_);
    fd_ = -1;
    if (closed != 0 && errno != EINTR)
        failWith(errno);
    if (SaveCalls().rename(temporaryName_.constData(), target.constData()) != 0)
        failWith(errno);
    temporaryName_.clear();
    SyncFolder(QFileInfo(target_).absolutePath());
}

void SaveFileAtomically(const QString& path, QByteArrayView bytes,
                        const std::function<void()>& beforeCommit)
{
    TAtomicFile file(path);
    file.Append(bytes);
    if (beforeCommit)
        beforeCommit();
    file.Commit();
}

void SyncFolder(const QString& folder)
{
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        FailWithErrno(folder, errno);
    const int synced = SaveCalls().fsync(fd);
    const int error = errno;
    ::close(fd);
    if (synced != 0)
        FailWithErrno(folder, error);
}

}
