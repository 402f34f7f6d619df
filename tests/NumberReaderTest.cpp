#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <sstream>
#include <string>

#include "NumberReader.hpp"

// The dialogue's number reads must be indistinguishable from the standard stream's extraction:
// the same characters consumed, the same value stored (bit for bit), the same stream state.
namespace {

struct Outcome {
    std::uint64_t bits = 0;
    std::ios_base::iostate state = std::ios_base::goodbit;
    std::string rest;
};

template <typename T>
std::uint64_t bits_of(T value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof value);
    return bits;
}

std::string rest_of(std::istringstream& in) {
    in.clear();
    std::string rest;
    std::getline(in, rest, '\0');
    return rest;
}

template <typename T, typename Read>
Outcome outcome(const std::string& text, T start, Read read) {
    std::istringstream in(text);
    T value = start;
    read(in, value);
    Outcome result;
    result.bits = bits_of(value);
    result.state = in.rdstate();
    result.rest = rest_of(in);
    return result;
}

void expect_same_as_stream(const std::string& text) {
    const double start = 123.25;  // shows whether a failed read stored anything
    const Outcome mine_d =
        outcome(text, start, [](std::istream& in, double& v) { shapecalc::read_number(in, v); });
    const Outcome std_d = outcome(text, start, [](std::istream& in, double& v) { in >> v; });
    EXPECT_EQ(mine_d.bits, std_d.bits) << "double from '" << text << "'";
    EXPECT_EQ(mine_d.state, std_d.state) << "double from '" << text << "'";
    EXPECT_EQ(mine_d.rest, std_d.rest) << "double from '" << text << "'";

    const std::int32_t start_i = 77;
    const Outcome mine_i = outcome(
        text, start_i, [](std::istream& in, std::int32_t& v) { shapecalc::read_number(in, v); });
    const Outcome std_i =
        outcome(text, start_i, [](std::istream& in, std::int32_t& v) { in >> v; });
    EXPECT_EQ(mine_i.state, std_i.state) << "int from '" << text << "'";
    EXPECT_EQ(mine_i.rest, std_i.rest) << "int from '" << text << "'";
    EXPECT_EQ(mine_i.bits, std_i.bits) << "int from '" << text << "'";  // 0 or a bound if failed
}

TEST(NumberReader, SameAsTheStreamOnKnownCases) {
    // The cases, separated by '|'; 18446744073709551617 is 2^64 + 1: 1 once 64 bits wrap.
    std::istringstream known(
        "7| \t\n 7 "
        "rest|-7|+7|0|-0|007|1.5|.5|5.|.|-|+|-.|1e5|1E5|1e+5|1e-5|1e|1e+|1ee|e5|.e5|1.2.3|1e5.5|"
        "0x1A|inf|nan|abc||   "
        "|1e400|-1e400|1e-400|4294967297|2147483647|2147483648|-2147483648|-2147483649|"
        "-21474836480|99999999999999999999999|18446744073709551617|-18446744073709551617|12abc|"
        "3,5|--1|+-1|0.000000000000000000000000000001|1234567890123456789012345678901234567890.5");
    for (std::string text; std::getline(known, text, '|');)
        expect_same_as_stream(text);
}

TEST(NumberReader, SameAsTheStreamOnRandomText) {
    const char alphabet[] = " \t\n0123456789.eE+-x";
    std::uint64_t state = 0x853C49E6748FEA9Bu;
    for (int i = 0; i < 100000; ++i) {
        state = state * 6364136223846793005u + 1442695040888963407u;
        std::string text;
        const int length = static_cast<int>((state >> 59) % 14);
        for (int k = 0; k < length; ++k) {
            state = state * 6364136223846793005u + 1442695040888963407u;
            text += alphabet[(state >> 33) % (sizeof alphabet - 1)];
        }
        expect_same_as_stream(text);
        if (HasFailure())
            return;
    }
}

TEST(NumberReader, FailedStreamLeavesTheValue) {
    std::istringstream in("5");
    in.setstate(std::ios_base::failbit);
    double length = 2.5;
    shapecalc::read_number(in, length);
    EXPECT_EQ(length, 2.5);
    std::int32_t figure = 3;
    shapecalc::read_number(in, figure);
    EXPECT_EQ(figure, 3);
}

}  // namespace
