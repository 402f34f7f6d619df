#ifndef PLANIX_SRC_CONSTANTS_HPP
#define PLANIX_SRC_CONSTANTS_HPP

#include <cfloat>

// Every intermediate must be a double rounded to double; x87-style wider evaluation would change
// the last bits of the results.
static_assert(FLT_EVAL_METHOD == 0, "Planix needs double arithmetic evaluated in double precision");

namespace Planix::detail {

// pi taken as 22/7, and 2 pi as 44/7 (exactly twice the former double).
constexpr double kPi = 22.0 / 7.0;
constexpr double kTwoPi = 44.0 / 7.0;

}  // namespace Planix::detail

#endif  // PLANIX_SRC_CONSTANTS_HPP
