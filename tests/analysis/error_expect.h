#pragma once
// Runs an action that must fail with a common::MathError of the given text.
#include "common/errors.h"

#include <gtest/gtest.h>

#include <QString>

namespace lmv::test {

template <typename Action> void ExpectMathError(Action&& action, const char* message)
{
    try {
        action();
        ADD_FAILURE() << "no error, expected \"" << message << "\"";
    } catch (const common::MathError& error) {
        EXPECT_EQ(error.message(), QString::fromUtf8(message));
    }
}

}
