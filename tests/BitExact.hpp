#ifndef SHAPECALC_TESTS_BIT_EXACT_HPP
#define SHAPECALC_TESTS_BIT_EXACT_HPP

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

// Compares two doubles bit for bit (0.0 and -0.0 differ, no tolerance), and shows both as
// shortest round-trip decimals and hexadecimal floats when they differ.
inline testing::AssertionResult SameBits(const char* actual_expr, const char* expected_expr,
                                         double actual, double expected) {
    std::uint64_t a = 0;
    std::uint64_t e = 0;
    std::memcpy(&a, &actual, sizeof a);
    std::memcpy(&e, &expected, sizeof e);
    if (a == e) {
        return testing::AssertionSuccess();
    }
    char text[160];
    std::snprintf(text, sizeof text, "%.17g (%a) but expected %.17g (%a)", actual, actual, expected,
                  expected);
    return testing::AssertionFailure()
           << actual_expr << " is " << text << " from " << expected_expr;
}

#define EXPECT_BITS(actual, expected) EXPECT_PRED_FORMAT2(SameBits, actual, expected)

#endif  // SHAPECALC_TESTS_BIT_EXACT_HPP
