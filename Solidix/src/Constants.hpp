#ifndef SOLIDIX_SRC_CONSTANTS_HPP
#define SOLIDIX_SRC_CONSTANTS_HPP

#include "StrictDouble.hpp"

namespace Solidix::detail {

// pi taken as 22/7 and the multiples of it that the formulas use, each formed as one double
// operation on the doubles before it. (4/3)pi is not the double nearest 88/21, nor (2/3)pi the
// one nearest 44/21: the sphere volumes depend on that.
constexpr double kPi = 22.0 / 7.0;
constexpr double kTwoPi = 2.0 * kPi;
constexpr double kThreePi = 3.0 * kPi;
constexpr double kFourPi = 4.0 * kPi;
constexpr double kFourThirdsPi = (4.0 / 3.0) * kPi;
constexpr double kTwoThirdsPi = (2.0 / 3.0) * kPi;
constexpr double kOneThird = 1.0 / 3.0;

// The third power as the value times its square, the order of the sphere, hemisphere and
// tetrahedron volumes (VOLUME::Cube writes its own (a * a) * a, the same double).
constexpr double cube(double x) {
    return x * (x * x);
}

}  // namespace Solidix::detail

#endif  // SOLIDIX_SRC_CONSTANTS_HPP
