#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>

#include "NumberReader.hpp"
#include "Transcript.hpp"

// The dialogue's number reads against the table of number_cases.txt, which is written from their
// rules: the characters consumed, the value stored (bit for bit) and the stream's state.
namespace {

constexpr double kLength = 123.25;  // stored by no case: shows whether a read stored anything
constexpr std::int32_t kFigure = 77;
#ifdef _WIN32
constexpr bool kOnWindows = true;
#else
constexpr bool kOnWindows = false;
#endif

// A value (exactly: a double in hexadecimal), a state and the unread text, for comparison.
template <typename T>
std::string shown(T value, const std::string& state, const std::string& rest) {
    std::ostringstream out;
    out << std::hexfloat << value << ' ' << state << " \"" << transcript::visible(rest) << '"';
    return out.str();
}

// The value, state ("-", "F", "E" or "FE") and unread text after `read` from `input`.
template <typename T, typename Read>
std::string outcome(const std::string& input, T value, Read read) {
    std::istringstream in(input);
    read(in, value);
    std::string state = std::string(in.fail() ? "F" : "") + (in.eof() ? "E" : "");
    in.clear();
    std::string rest;
    std::getline(in, rest, '\0');
    return shown(value, state.empty() ? "-" : state, rest);
}

// The same from a field of the table: value ("kept": `start`), state and the unread literal.
template <typename T>
std::string expected(const std::string& field, T start, const std::string& where,
                     const transcript::Fragments& names) {
    std::istringstream in(field);
    std::string value;
    std::string state;
    std::string rest;
    in >> value >> state;
    std::getline(in, rest);
    char* end = nullptr;
    const double number = std::strtod(value.c_str(), &end);
    if (value != "kept" && (value.empty() || *end != '\0'))
        throw std::runtime_error(where + ": not a value: " + value);
    return shown(value == "kept" ? start : static_cast<T>(number), state,
                 transcript::literals(rest, where, names));
}

const auto kReader = [](std::istream& in, auto& value) { shapecalc::read_number(in, value); };

TEST(NumberReader, ReadsAsTheTableSays) {
    std::ifstream table(SHAPECALC_NUMBER_CASES);
    ASSERT_TRUE(table) << SHAPECALC_NUMBER_CASES;
    int cases = 0;
    std::string line;
    transcript::Fragments names;      // "= NAME literals": @NAME in the rows below
    bool after_windows_note = false;  // a row after "# Not on Windows:", which its runtime misreads
    for (int number = 1; std::getline(table, line); ++number) {
        if (line.empty() || line[0] == '#') {
            after_windows_note = line.rfind("# Not on Windows:", 0) == 0;
            continue;
        }
        if (std::exchange(after_windows_note, false) && kOnWindows)
            continue;
        const std::string where = SHAPECALC_NUMBER_CASES ":" + std::to_string(number);
        if (line[0] == '=') {
            const std::size_t end = line.find(' ', 2);
            names[line.substr(2, end - 2)] = transcript::literals(line.substr(end), where, names);
            continue;
        }
        std::istringstream fields(line);
        std::string input;
        std::string length;
        std::string figure;
        std::getline(std::getline(std::getline(fields, input, '|'), length, '|'), figure);
        const std::string text = transcript::literals(input, where, names);
        EXPECT_EQ(outcome(text, kLength, kReader), expected(length, kLength, where, names))
            << where;
        EXPECT_EQ(outcome(text, kFigure, kReader), expected(figure, kFigure, where, names))
            << where;
        ++cases;
    }
    EXPECT_GE(cases, 50);  // the whole table was read
}

// libstdc++'s extraction follows the same rules, so where it is the host's library, the reads
// must match it on any text.
TEST(NumberReader, SameAsTheStreamOnRandomText) {
#ifndef __GLIBCXX__
    GTEST_SKIP() << "the standard library is not libstdc++, whose extraction the reads follow";
#else
    const auto stream = [](std::istream& in, auto& value) { in >> value; };
    const char alphabet[] = " \t\n0123456789.eE+-x";
    std::uint64_t state = 0x853C49E6748FEA9Bu;
    for (int i = 0; i < 100000 && !HasFailure(); ++i) {
        state = state * 6364136223846793005u + 1442695040888963407u;
        std::string text;
        const int length = static_cast<int>((state >> 59) % 14);
        for (int k = 0; k < length; ++k) {
            state = state * 6364136223846793005u + 1442695040888963407u;
            text += alphabet[(state >> 33) % (sizeof alphabet - 1)];
        }
        EXPECT_EQ(outcome(text, kLength, kReader), outcome(text, kLength, stream)) << text;
        EXPECT_EQ(outcome(text, kFigure, kReader), outcome(text, kFigure, stream)) << text;
    }
#endif
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
