#ifndef SHAPECALC_NEXT_ANSWER_HPP
#define SHAPECALC_NEXT_ANSWER_HPP

#include <istream>

// The step every read of an answer (a menu word, a figure number, a length) starts with.
namespace shapecalc {

// White space between answers, that of the "C" locale: blank, tab, newline, vertical tab, form
// feed, carriage return. `c` is a character as a streambuf returns it.
bool is_white_space(int c);

// Skips the white space before the next answer, as the stream's sentry does. Returns false, with
// the stream failed, when the stream had already failed or the input ends before an answer.
bool start_answer(std::istream& in);

}  // namespace shapecalc

#endif  // SHAPECALC_NEXT_ANSWER_HPP
