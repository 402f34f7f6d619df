#ifndef SHAPECALC_NUMBER_READER_HPP
#define SHAPECALC_NUMBER_READER_HPP

#include <cstdint>
#include <istream>

// Figure numbers and lengths, read exactly as the standard stream's formatted extraction reads
// them in the "C" locale (same characters consumed, same value stored, same stream state), but
// straight from the stream buffer, without the per-character locale machinery:
// - white space is skipped first; a stream that has failed, or input that ends before a number,
//   fails the stream and leaves the variable unchanged;
// - a length is an optional sign, digits with at most one '.', and an exponent ('e' or 'E',
//   optional sign, digits) once a digit has been seen; no hexadecimal, no "inf" or "nan". Text
//   that does not form a whole number ("x", "-", ".", "1e+") fails the stream and stores 0, a
//   value beyond the range of double fails it and stores the largest double of its sign;
// - a figure number is an optional sign and decimal digits; no digit, or a value beyond 32 bits,
//   fails the stream.
// Neither read allocates, and neither needs more memory for a longer number. A length's value is
// the correctly rounded double of its whole text, as strtod in the "C" locale gives it, however
// long the text: leading zeros only move the point, the first 800 significant digits are kept
// (a point halfway between two doubles has at most 768: the one between the largest subnormal and
// 2^-1022 has 768, and cut to 767 it rounds the other way), and of the digits after them only
// whether one is nonzero counts. An exponent stops growing once it reaches 10^17, beyond which
// every nonzero length is infinite or zero, unless 10^17 digits were typed before it. The global
// locale never changes a value.
namespace shapecalc {

// Reads a length into `value` (see above).
void read_number(std::istream& in, double& value);

// Reads a figure number into `value` (see above).
void read_number(std::istream& in, std::int32_t& value);

}  // namespace shapecalc

#endif  // SHAPECALC_NUMBER_READER_HPP
