#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <sstream>
#include <string>

#include "ResultFormat.hpp"

// Results must be the bytes a default-formatted output stream prints, which is printf's %g.
namespace {

std::string printf_g(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

std::string stream_default(double value) {
    std::ostringstream out;
    out << value;
    return out.str();
}

std::string formatted(double value) {
    shapecalc::ResultText text;
    return std::string(shapecalc::format_result(value, text));
}

TEST(ResultFormat, DocumentedExamples) {
    EXPECT_EQ(formatted(12), "12");
    EXPECT_EQ(formatted(12.5), "12.5");
    EXPECT_EQ(formatted(13.860000000000001), "13.86");
    EXPECT_EQ(formatted(1437.333333333333), "1437.33");
    EXPECT_EQ(formatted(718.6666666666665), "718.667");
    EXPECT_EQ(formatted(38807.99999999999), "38808");
    EXPECT_EQ(formatted(19403.999999999996), "19404");
    EXPECT_EQ(formatted(1e200 * 1e200), "inf");
    EXPECT_EQ(formatted(1234567), "1.23457e+06");
    EXPECT_EQ(formatted(0.0001), "0.0001");
    EXPECT_EQ(formatted(0.00001), "1e-05");
}

TEST(ResultFormat, SameBytesAsPrintfAndTheStreamForAnyDouble) {
    const double special[] = {0.0,
                              -0.0,
                              std::numeric_limits<double>::infinity(),
                              -std::numeric_limits<double>::infinity(),
                              std::numeric_limits<double>::quiet_NaN(),
                              -std::numeric_limits<double>::quiet_NaN(),
                              std::numeric_limits<double>::max(),
                              std::numeric_limits<double>::lowest(),
                              std::numeric_limits<double>::min(),
                              std::numeric_limits<double>::denorm_min(),
                              999999.5,
                              9999995,
                              0.000099999949999};
    for (const double value : special) {
        EXPECT_EQ(formatted(value), printf_g(value)) << value;
        EXPECT_EQ(formatted(value), stream_default(value)) << value;
    }
    std::uint64_t state = 0x2545F4914F6CDD1Du;  // xorshift over all bit patterns
    for (int i = 0; i < 200000; ++i) {
        state ^= state >> 12;
        state ^= state << 25;
        state ^= state >> 27;
        double value = 0;
        const std::uint64_t bits = state * 0x2545F4914F6CDD1Du;
        std::memcpy(&value, &bits, sizeof value);
        ASSERT_EQ(formatted(value), printf_g(value)) << std::hexfloat << value;
        // Values of everyday size, where rounding to six digits matters most.
        const double everyday = static_cast<double>(bits % 100000000) / 1000.0;
        ASSERT_EQ(formatted(everyday), printf_g(everyday)) << everyday;
        ASSERT_EQ(formatted(everyday), stream_default(everyday)) << everyday;
    }
}

}  // namespace
