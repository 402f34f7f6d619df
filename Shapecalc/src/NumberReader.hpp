#ifndef SHAPECALC_NUMBER_READER_HPP
#define SHAPECALC_NUMBER_READER_HPP

#include <cstdint>
#include <istream>
#include <string>

// Figure numbers and lengths, read exactly as the standard stream's formatted extraction reads
// them in the "C" locale (same characters consumed, same value stored, same stream state), but
// straight from the stream buffer, without the per-character locale machinery:
// - white space is skipped first; a stream that has failed, or input that ends before a number,
//   fails the stream and leaves the variable unchanged;
// - a length is an optional sign, digits with at most one '.', and an exponent ('e' or 'E',
//   optional sign, digits) once a digit has been seen; text that does not form a whole number
//   ("x", "-", ".", "1e+") fails the stream and stores 0, a value beyond the range of double
//   fails it and stores the largest double of its sign;
// - a figure number is an optional sign and decimal digits; no digit, or a value beyond 32 bits,
//   fails the stream.
namespace shapecalc {

// `scratch` holds the characters of the number; it is reused so that reading allocates nothing
// once it has grown to the longest number seen.
void read_number(std::istream& in, double& value, std::string& scratch);
void read_number(std::istream& in, std::int32_t& value);

}  // namespace shapecalc

#endif  // SHAPECALC_NUMBER_READER_HPP
