#ifndef SHAPECALC_RESULT_FORMAT_HPP
#define SHAPECALC_RESULT_FORMAT_HPP

#include <string_view>

namespace shapecalc {

// Room for any double in general notation with six significant digits ("-1.79769e+308", 13
// characters); no result tells a byte more or less of room apart.
struct ResultText {
    char digits[32];
};

// A result as a default-formatted stream prints it: general notation with six significant digits,
// the bytes of printf's "%g" ("154", "13.86", "1.79769e+308", "inf", "-nan"). Returns a view into
// `text`.
std::string_view format_result(double value, ResultText& text);

}  // namespace shapecalc

#endif  // SHAPECALC_RESULT_FORMAT_HPP
