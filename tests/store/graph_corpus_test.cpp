// The graph and text-import fuzzers' seed corpora are the fixtures of these tests, byte for
// byte. Run with LMV_WRITE_CORPUS=1 to write them anew after a fixture changed.
#include "graph_fixtures.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace lmv::test {
namespace {

void CheckCorpus(const QString& folder, const std::map<QString, QByteArray>& fixtures)
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

TEST(GraphFuzzCorpus, GraphSeedsAreTheFixtures) { CheckCorpus("graph", GraphCorpus()); }

TEST(GraphFuzzCorpus, ImportTextSeedsAreTheFixtures) { CheckCorpus("text", ImportTextCorpus()); }

}
}
