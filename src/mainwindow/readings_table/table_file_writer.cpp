#include "mainwindow/readings_table/table_file_writer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace lmv::mainwindow {
namespace {

QString WriteErrorText(const QString& path, const QString& reason)
{
    return QStringLiteral("Ошибка записи в файл %1: %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

// A device or a pipe is no table file: a save would replace it by a plain file, an append to a
// pipe would wait for a reader forever.
std::optional<QString> NotAPlainFile(const QString& path)
{
    if (path.isEmpty())
        return WriteErrorText(path, QStringLiteral("не указано имя файла"));
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return WriteErrorText(path, QStringLiteral("не обычный файл"));
    return std::nullopt;
}

}

std::optional<QString> SaveTableFile(const QString& path, const QByteArray& bytes)
{
    if (auto error = NotAPlainFile(path))
        return error;
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return WriteErrorText(path, file.errorString());
    // commit() ignores a failed flush of the last buffered bytes, so flush first.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return WriteErrorText(path, reason);
    }
    if (!file.commit())
        return WriteErrorText(path, file.errorString());
    return std::nullopt;
}

std::optional<QString> AppendTableLine(const QString& path, const QByteArray& line)
{
    if (auto error = NotAPlainFile(path))
        return error;
    QFile file(path);
    // Unbuffered, so that a failed write leaves nothing queued that a later flush could add.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return WriteErrorText(path, file.errorString());
    const qint64 sizeBefore = file.size();
    if (file.write(line) == line.size())
        return std::nullopt;
    const QString reason = file.errorString();
    file.resize(sizeBefore);
    return WriteErrorText(path, reason);
}

}
