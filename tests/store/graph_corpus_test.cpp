// The graph, graph file and text-import fuzzers' seed corpora are the fixtures of these tests, byte
// for byte. Run with LMV_WRITE_CORPUS=1 to write them anew after a fixture changed.
#include "corpus_check.h"
#include "graph_fixtures.h"

#include <gtest/gtest.h>

namespace lmv::test {
namespace {

TEST(GraphFuzzCorpus, GraphSeedsAreTheFixtures) { CheckCorpus("graph", GraphCorpus()); }

TEST(GraphFuzzCorpus, GraphFileSeedsAreTheFixtures)
{
    CheckCorpus("graph_file", GraphFileCorpus());
}

TEST(GraphFuzzCorpus, ImportTextSeedsAreTheFixtures) { CheckCorpus("text", ImportTextCorpus()); }

}
}
