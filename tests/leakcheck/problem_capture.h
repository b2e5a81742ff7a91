#pragma once
// Keeps every signal of the checker for a test to read.
#include "leakcheck/problems.h"

#include <vector>

namespace lmv::leakcheck::test {

class TProblemCapture : public TProblemSink {
public:
    void Signal(const TProblem& problem) override { problems.push_back(problem); }
    std::vector<TProblem> problems;
};

// A call stack of the given entries, the rest 0.
inline TCallStack Stack(std::initializer_list<uint32_t> entries)
{
    TCallStack stack{};
    size_t i = 0;
    for (uint32_t entry : entries)
        stack[i++] = entry;
    return stack;
}

}
