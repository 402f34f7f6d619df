#ifndef PLANIX_SRC_CONSTANTS_HPP
#define PLANIX_SRC_CONSTANTS_HPP

#include "StrictDouble.hpp"

namespace Planix::detail {

// pi taken as 22/7, and 2 pi as 44/7 (exactly twice the former double).
constexpr double kPi = 22.0 / 7.0;
constexpr double kTwoPi = 44.0 / 7.0;

}  // namespace Planix::detail

#endif  // PLANIX_SRC_CONSTANTS_HPP
