#include <cmath>

#include "Constants.hpp"
#include "Planix/Planix.hpp"

// Each expression is written in exactly the grouping of its documented formula.
namespace Planix {

namespace {

// Heron's formula over the sides in the order 1st, 2nd, 3rd: the product is built as
// ((s - 1st) * s) * (s - 2nd) * (s - 3rd), each step rounded, and its root is not tested.
double heron(double first, double second, double third) {
    const double s = ((first + second) + third) / 2.0;
    return std::sqrt((((s - first) * s) * (s - second)) * (s - third));
}

}  // namespace

double Area::Right_angle_traingle(double b, double h) {
    return (0.5 * b) * h;
}

double Area::Isosceles_right_angle_traingle(double a) {
    return (a * a) * 0.5;
}

double Area::Equilateral_traingle(double a) {
    return (std::sqrt(3.0) * 0.25) * (a * a);
}

double Area::Isosceles_traingle(double a, double b) {
    return heron(a, a, b);
}

double Area::Scalene_traingle(double a, double b, double c) {
    return heron(a, b, c);
}

double Area::Rectangle(double l, double w) {
    return l * w;
}

double Area::Square(double a) {
    return a * a;
}

double Area::Parallelogram(double l, double w) {
    return l * w;
}

double Area::Rhombus(double p, double q) {
    return (p * q) / 2.0;
}

double Area::Trapezium(double a, double b, double h) {
    return (0.5 * h) * (a + b);
}

double Area::Kite(double p, double q) {
    return (p * q) / 2.0;
}

double Area::Circle(double r) {
    return (detail::kPi * r) * r;
}

double Area::Regular_Hexagon(double a) {
    return ((1.5 * a) * a) * std::sqrt(3.0);
}

}  // namespace Planix
