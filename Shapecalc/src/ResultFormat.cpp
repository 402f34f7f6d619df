#include "ResultFormat.hpp"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace shapecalc {

std::string_view format_result(double value, ResultText& text) {
    if (std::isnan(value)) {
        // How a NaN is spelled is the C library's own ("-nan" with glibc, "nan" with the
        // Windows runtime); printf's %g is what the stream prints, so ask it.
        const int length = std::snprintf(text.digits, sizeof text.digits, "%g", value);
        return std::string_view(text.digits, static_cast<std::size_t>(length));
    }
    // std::to_chars with a precision is specified as printf's %.6g in the "C" locale, without the
    // stream's per-call locale and facet machinery.
    const auto end = std::to_chars(text.digits, text.digits + sizeof text.digits, value,
                                   std::chars_format::general, 6)
                         .ptr;
    return std::string_view(text.digits, static_cast<std::size_t>(end - text.digits));
}

}  // namespace shapecalc
