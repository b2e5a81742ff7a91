#pragma once
// A fuzzer's seed corpus folder holds exactly the given fixtures, byte for byte; with
// LMV_WRITE_CORPUS set it is written anew from them. LMV_STORE_CORPUS_DIR names the corpora.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>
#include <map>

namespace lmv::test {

inline void CheckCorpus(const QString& folder, const std::map<QString, QByteArray>& fixtures)
{
    const QDir dir(QStringLiteral(LMV_STORE_CORPUS_DIR "/") + folder);
    const bool write = qEnvironmentVariableIsSet("LMV_WRITE_CORPUS");
    if (write)
        QDir().mkpath(dir.path());
    for (const auto& [name, bytes] : fixtures) {
        QFile file(dir.filePath(name));
        if (write) {
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(bytes);
            continue;
        }
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        EXPECT_EQ(file.readAll(), bytes) << name.toStdString();
    }
    EXPECT_EQ(dir.entryList(QDir::Files).size(), qsizetype(fixtures.size()))
        << folder.toStdString();
}

}
