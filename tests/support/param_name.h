#pragma once
// Readable names for value-parameterised tests: the case's index, then how GoogleTest prints the
// case, with a minus sign as "m" and every other run of characters outside A-Z, a-z, 0-9 as one
// '_'.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace lmv::test {

struct PrintedName {
    template <class T> std::string operator()(const ::testing::TestParamInfo<T>& info) const
    {
        std::string name = std::to_string(info.index);
        bool gap = true;
        const std::string printed = ::testing::PrintToString(info.param);
        for (std::size_t i = 0; i < printed.size(); ++i) {
            const char c = printed[i];
            if (std::isalnum(static_cast<unsigned char>(c))) {
                name += gap ? std::string("_") + c : std::string(1, c);
                gap = false;
            } else if (c == '-' && i + 1 < printed.size() &&
                       std::isdigit(static_cast<unsigned char>(printed[i + 1]))) {
                name += "_m";
                gap = true;
            } else {
                gap = true;
            }
        }
        return name;
    }
};

}
