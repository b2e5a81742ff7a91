// The fuzzers' seed corpora are the fixtures of these tests, byte for byte. Run with
// LMV_WRITE_CORPUS=1 to write them anew after a fixture changed.
#include "corpus_check.h"
#include "store_fixtures.h"

#include <gtest/gtest.h>

namespace lmv::store {
namespace {

TEST(FuzzCorpus, RecordSeedsAreTheFixtures) { test::CheckCorpus("record", test::RecordCorpus()); }

TEST(FuzzCorpus, IndexSeedsAreTheFixtures) { test::CheckCorpus("index", test::IndexCorpus()); }

}
}
