#pragma once
// Hand-built graph files and import texts of the graph tests, also the seed corpora of the graph
// reader's and the text import's fuzzers.
#include <QByteArray>
#include <QString>
#include <map>

namespace lmv::test {

// A graph file of `count` in the count field followed by `points` whole points (X = i, Y = 10 i)
// and `extraBytes` bytes of a cut point.
QByteArray GraphBytes(int32_t count, int points, int extraBytes = 0);

std::map<QString, QByteArray> GraphCorpus();
// The seeds of the fuzzer of the graph file reader, which reads them as files.
std::map<QString, QByteArray> GraphFileCorpus();
std::map<QString, QByteArray> ImportTextCorpus();

}
