#include "NumberReader.hpp"

#include <cstdlib>
#include <limits>

#include "NextAnswer.hpp"

namespace shapecalc {

namespace {

using traits = std::char_traits<char>;

bool is_digit(traits::int_type c) {
    return c >= '0' && c <= '9';
}

}  // namespace

void read_number(std::istream& in, double& value, std::string& scratch) {
    if (!start_answer(in)) {
        return;
    }
    std::streambuf* buf = in.rdbuf();
    scratch.clear();
    traits::int_type c = buf->sgetc();
    if (c == '+' || c == '-') {
        scratch += traits::to_char_type(c);
        c = buf->snextc();
    }
    bool mantissa = false;
    bool point = false;
    bool exponent = false;
    while (c != traits::eof()) {
        if (is_digit(c)) {
            mantissa = true;
        } else if (c == '.' && !point && !exponent) {
            point = true;
        } else if ((c == 'e' || c == 'E') && !exponent && mantissa) {
            // The exponent's sign is taken with it; any other character is looked at afresh.
            exponent = true;
            scratch += 'e';
            c = buf->snextc();
            if (c == '+' || c == '-') {
                scratch += traits::to_char_type(c);
                c = buf->snextc();
            }
            continue;
        } else {
            break;
        }
        scratch += traits::to_char_type(c);
        c = buf->snextc();
    }
    std::ios_base::iostate state =
        c == traits::eof() ? std::ios_base::eofbit : std::ios_base::goodbit;

    char* end = nullptr;
    const double parsed = std::strtod(scratch.c_str(), &end);
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    if (scratch.empty() || *end != '\0') {
        value = 0.0;
        state |= std::ios_base::failbit;
    } else if (parsed == kInfinity || parsed == -kInfinity) {
        value =
            parsed > 0 ? std::numeric_limits<double>::max() : -std::numeric_limits<double>::max();
        state |= std::ios_base::failbit;
    } else {
        value = parsed;
    }
    in.setstate(state);
}

void read_number(std::istream& in, std::int32_t& value) {
    if (!start_answer(in)) {
        return;
    }
    std::streambuf* buf = in.rdbuf();
    traits::int_type c = buf->sgetc();
    const bool negative = c == '-';
    if (negative || c == '+') {
        c = buf->snextc();
    }
    // The magnitude, saturated just above what any 32-bit value needs.
    constexpr std::uint64_t kBeyond = std::uint64_t{1} << 32;
    std::uint64_t magnitude = 0;
    bool digits = false;
    for (; is_digit(c); c = buf->snextc()) {
        digits = true;
        if (magnitude < kBeyond) {
            magnitude = magnitude * 10 + static_cast<std::uint64_t>(c - '0');
        }
    }
    std::ios_base::iostate state =
        c == traits::eof() ? std::ios_base::eofbit : std::ios_base::goodbit;
    constexpr std::uint64_t kMax = std::numeric_limits<std::int32_t>::max();
    if (!digits) {
        value = 0;
        state |= std::ios_base::failbit;
    } else if (!negative && magnitude > kMax) {
        value = std::numeric_limits<std::int32_t>::max();
        state |= std::ios_base::failbit;
    } else if (negative && magnitude > kMax + 1) {
        value = std::numeric_limits<std::int32_t>::min();
        state |= std::ios_base::failbit;
    } else {
        value = negative ? static_cast<std::int32_t>(-static_cast<std::int64_t>(magnitude))
                         : static_cast<std::int32_t>(magnitude);
    }
    in.setstate(state);
}

}  // namespace shapecalc
