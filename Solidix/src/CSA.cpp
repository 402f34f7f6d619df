#include <cmath>

#include "Constants.hpp"
#include "Solidix/Solidix.hpp"

// Each expression is written in exactly the grouping of its documented formula.
namespace Solidix {

using namespace detail;

double CSA::Cube(double a) {
    return (4.0 * a) * a;
}

double CSA::Right_Circular_Cylinder(double r, double h) {
    return (kTwoPi * r) * h;
}

double CSA::Right_Circular_Cone(double r, double l) {
    return (kPi * r) * l;
}

double CSA::Frustum(double r1, double r2, double l) {
    return (l * kPi) * (r1 + r2);
}

double CSA::Hemisphere(double r) {
    return (kTwoPi * r) * r;
}

double CSA::Prism(double p, double h) {
    return p * h;
}

double CSA::Pyramid(double p, double l) {
    return (0.5 * p) * l;
}

double CSA::Tetrahedron(double a) {
    return ((0.75 * a) * a) * std::sqrt(3.0);
}

}  // namespace Solidix
