#include "mainwindow/readings_table/table_file_writer.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace lmv::mainwindow {
namespace {

QString WriteErrorText(const QString& path, const QString& reason)
{
    return QStringLiteral("Ошибка записи в файл %1: %2").arg(QDir::toNativeSeparators(path), reason);
}

}

std::optional<QString> SaveTableFile(const QString& path, const QByteArray& bytes)
{
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
