#include <cmath>

#include "Constants.hpp"
#include "Solidix/Solidix.hpp"

// Each expression is written in exactly the grouping of its documented formula.
namespace Solidix {

using namespace detail;

double VOLUME::Cube(double a) {
    return (a * a) * a;
}

double VOLUME::Cuboid(double l, double w, double h) {
    return (l * w) * h;
}

double VOLUME::Right_Circular_Cylinder(double r, double h) {
    return ((kPi * r) * r) * h;
}

// One third is divided out last here, unlike the pyramid's multiplication by the double 1/3 first;
// the two differ in the last digit.
double VOLUME::Right_Circular_Cone(double r, double h) {
    return (((kPi * r) * r) * h) / 3.0;
}

double VOLUME::Prism(double b, double h) {
    return b * h;
}

double VOLUME::Sphere(double r) {
    return cube(r) * kFourThirdsPi;
}

double VOLUME::Hemisphere(double r) {
    return cube(r) * kTwoThirdsPi;
}

double VOLUME::Pyramid(double b, double h) {
    return (kOneThird * b) * h;
}

double VOLUME::Tetrahedron(double a) {
    return (std::sqrt(2.0) / 12.0) * cube(a);
}

}  // namespace Solidix
