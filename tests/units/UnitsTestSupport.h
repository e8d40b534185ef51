// Helpers of the units tests.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "engine/ExprEngine.h"

namespace quillex {

// The value of an expression as the engine evaluates it; an error fails the test.
inline double Evaluate(const std::string& expression) {
    ExprEngine engine;
    const Evaluation result = engine.EvaluateText(expression + ";_");
    EXPECT_EQ(result.error, "") << expression;
    return result.value;
}

}  // namespace quillex
