#include "ResultFormat.hpp"

#include <charconv>

namespace shapecalc {

std::string_view format_result(double value, ResultText& text) {
    // std::to_chars with a precision is specified as printf's %.6g in the "C" locale, without the
    // stream's per-call locale and facet machinery.
    const auto end = std::to_chars(text.digits, text.digits + sizeof text.digits, value,
                                   std::chars_format::general, 6)
                         .ptr;
    return std::string_view(text.digits, static_cast<std::size_t>(end - text.digits));
}

}  // namespace shapecalc
