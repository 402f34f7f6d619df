#include "NumberReader.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "NextAnswer.hpp"

namespace shapecalc {

namespace {

using traits = std::char_traits<char>;

bool is_digit(traits::int_type c) {
    return c >= '0' && c <= '9';
}

// The significant digits that can decide how a length rounds; see the header. No input tells
// apart any count from 768 up: each gives the same doubles.
constexpr int kDecidingDigits = 800;
// Where an exponent stops growing; ten times it still fits in 64 bits. No input tells it from a
// ceiling a little lower or higher: it matters only after 10^17 digits before the exponent.
constexpr std::int64_t kExponentCeiling = 100000000000000000;
// Beyond this power of ten, a number of at most kDecidingDigits + 1 digits is infinite or zero
// whatever its digits, so the text given to strtod stays short. No input tells it from any bound
// from about 1200 up.
constexpr std::int64_t kPowerBound = 100000;

// A length's text in bounded memory: its sign, up to kDecidingDigits significant digits and one
// more for any nonzero digit after them, and the power of ten they are multiplied by.
class Significand {
  public:
    void negate() { negative_ = true; }

    void add(char digit, bool after_point) {
        if (kept_ == kDecidingDigits) {  // past the deciding digits only a nonzero one counts
            dropped_nonzero_ = dropped_nonzero_ || digit != '0';
            power_ += after_point ? 0 : 1;
            return;
        }
        if (kept_ > 0 || digit != '0') {  // a leading zero only moves the point
            digits_[kept_++] = digit;
        }
        power_ -= after_point ? 1 : 0;
    }

    // The double of the digits times ten to the power of theirs and `exponent`'s.
    double value(std::int64_t exponent) {
        if (kept_ == 0) {
            return negative_ ? -0.0 : 0.0;  // zero, whatever its exponent
        }
        std::int64_t power = power_ + exponent;
        if (dropped_nonzero_) {
            digits_[kept_++] = '1';  // below every digit kept: only its being nonzero counts
            --power;
        }
        power = power < -kPowerBound ? -kPowerBound : power > kPowerBound ? kPowerBound : power;
        // Digits and an exponent, with no decimal point, which no locale reads otherwise: the
        // sign, the digits kept and one past them, 'e', at most "-100000" and the NUL.
        char text[1 + kDecidingDigits + 1 + 1 + 7 + 1];
        char* end = text;
        if (negative_) {
            *end++ = '-';
        }
        end = std::copy(digits_, digits_ + kept_, end);
        *end++ = 'e';
        end = std::to_chars(end, text + sizeof text - 1, power).ptr;
        *end = '\0';
        return std::strtod(text, nullptr);
    }

  private:
    char digits_[kDecidingDigits + 1];
    int kept_ = 0;
    bool dropped_nonzero_ = false;
    bool negative_ = false;
    // Counted by characters read, so no text that could ever be read makes it overflow.
    std::int64_t power_ = 0;
};

}  // namespace

void read_number(std::istream& in, double& value) {
    if (!start_answer(in)) {
        return;
    }
    std::streambuf* buf = in.rdbuf();
    Significand significand;
    traits::int_type c = buf->sgetc();
    if (c == '+' || c == '-') {
        if (c == '-') {
            significand.negate();
        }
        c = buf->snextc();
    }
    bool mantissa = false;
    bool point = false;
    bool exponent = false;
    bool exponent_digits = false;
    bool exponent_negative = false;
    std::int64_t exponent_value = 0;
    while (c != traits::eof()) {
        if (is_digit(c) && exponent) {
            exponent_digits = true;
            if (exponent_value < kExponentCeiling) {
                exponent_value = exponent_value * 10 + (c - '0');
            }
        } else if (is_digit(c)) {
            mantissa = true;
            significand.add(traits::to_char_type(c), point);
        } else if (c == '.' && !point && !exponent) {
            point = true;
        } else if ((c == 'e' || c == 'E') && !exponent && mantissa) {
            // The exponent's sign is taken with it; any other character is looked at afresh.
            exponent = true;
            c = buf->snextc();
            if (c == '+' || c == '-') {
                exponent_negative = c == '-';
                c = buf->snextc();
            }
            continue;
        } else {
            break;
        }
        c = buf->snextc();
    }
    std::ios_base::iostate state =
        c == traits::eof() ? std::ios_base::eofbit : std::ios_base::goodbit;

    if (!mantissa || (exponent && !exponent_digits)) {
        value = 0.0;
        state |= std::ios_base::failbit;
    } else if (const double parsed =
                   significand.value(exponent_negative ? -exponent_value : exponent_value);
               std::isinf(parsed)) {
        value = std::copysign(std::numeric_limits<double>::max(), parsed);
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
