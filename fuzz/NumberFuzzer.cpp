// Differential fuzzing of the dialogue's number reads against the standard stream's extraction:
// for any bytes, both must consume the same characters, store the same value (bit for bit) and
// leave the same stream state. The same bytes, with runs spelt out, then make numbers of any
// length, whose value must be strtod's over the whole text read.
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

#include "NumberReader.hpp"

namespace {

void check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "number read differs from the stream's: %s\n", what);
        std::abort();
    }
}

// Everything a read left unread, NUL bytes included.
std::string rest_of(std::istringstream& in) {
    in.clear();
    return in.str().substr(static_cast<std::size_t>(in.tellg()));
}

// Decimal digits, least significant first, multiplied by a small factor.
std::string times(std::string digits, unsigned factor) {
    unsigned carry = 0;
    for (char& d : digits) {
        carry += static_cast<unsigned>(d - '0') * factor;
        d = static_cast<char>('0' + carry % 10);
        carry /= 10;
    }
    for (; carry > 0; carry /= 10)
        digits += static_cast<char>('0' + carry % 10);
    return digits;
}

// '*' and a byte n repeat the character before them 64 * (n + 1) times, up to 16 KiB; '#' and a
// byte k give the 752 to 755 digits of (2k + 1) * 5^1075, which times 10^-1075 ("e-1075") lie
// halfway between two subnormal doubles, where the digits far down decide the rounding.
std::string spelt_out(const std::string& text) {
    static const std::string five_to_1075 = [] {
        std::string digits = "1";
        for (int k = 0; k < 1075; ++k)
            digits = times(digits, 5);
        return digits;
    }();
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '*' && i + 1 < text.size() && !out.empty()) {
            out.append(64 * (static_cast<unsigned char>(text[++i]) + 1u), out.back());
        } else if (text[i] == '#' && i + 1 < text.size()) {
            const std::string digits =
                times(five_to_1075, 2u * static_cast<unsigned char>(text[++i]) + 1u);
            out.append(digits.rbegin(), digits.rend());
        } else {
            out += text[i];
        }
    }
    return out;
}

// A length of any length reads as strtod reads the whole of the text it took.
void check_long(const std::string& text) {
    std::istringstream in(text);
    double value = 0.5;
    shapecalc::read_number(in, value);
    const bool failed = in.fail();
    const std::string read = text.substr(0, text.size() - rest_of(in).size());
    char* end = nullptr;
    const double expected = std::strtod(read.c_str(), &end);
    const bool whole = end != read.c_str() && *end == '\0';
    if (!whole) {
        check(failed && (value == 0.0 || value == 0.5), "a long text that is no number");
    } else if (expected == HUGE_VAL || expected == -HUGE_VAL) {
        check(failed && std::fabs(value) == DBL_MAX, "a long number beyond the doubles");
    } else {
        check(!failed && std::memcmp(&value, &expected, sizeof value) == 0, "a long number");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::istringstream mine(text);
    std::istringstream theirs(text);
    double a = 0.5;
    double b = 0.5;
    shapecalc::read_number(mine, a);
    theirs >> b;
    check(std::memcmp(&a, &b, sizeof a) == 0, "double value");
    check(mine.rdstate() == theirs.rdstate(), "state after a double");
    check(rest_of(mine) == rest_of(theirs), "characters consumed by a double");

    std::istringstream mine_i(text);
    std::istringstream theirs_i(text);
    std::int32_t i = 5;
    std::int32_t j = 5;
    shapecalc::read_number(mine_i, i);
    theirs_i >> j;
    check(mine_i.rdstate() == theirs_i.rdstate(), "state after an int");
    check(mine_i.fail() || i == j, "int value");
    check(rest_of(mine_i) == rest_of(theirs_i), "characters consumed by an int");

    check_long(spelt_out(text));
    return 0;
}
