#include <cmath>

#include "Constants.hpp"
#include "Solidix/Solidix.hpp"

// Each expression is written in exactly the grouping of its documented formula.
namespace Solidix {

using namespace detail;

double TSA::Cube(double a) {
    return (6.0 * a) * a;
}

double TSA::Cuboid(double l, double w, double h) {
    return (((l * w) + (w * h)) + (h * l)) * 2.0;
}

double TSA::Right_Circular_Cylinder(double r, double h) {
    return (kTwoPi * r) * (r + h);
}

double TSA::Right_Circular_Cone(double r, double l) {
    return (kPi * r) * (r + l);
}

double TSA::Frustum(double r1, double r2, double l) {
    return (((r1 * r1) + ((r1 + r2) * l)) + (r2 * r2)) * kPi;
}

double TSA::Sphere(double r) {
    return (kFourPi * r) * r;
}

double TSA::Hemisphere(double r) {
    return (kThreePi * r) * r;
}

double TSA::Pyramid(double s, double b) {
    return s + b;
}

double TSA::Tetrahedron(double a) {
    return (std::sqrt(3.0) * a) * a;
}

}  // namespace Solidix
