#include <cmath>

#include "Constants.hpp"
#include "Planix/Planix.hpp"

// Each expression is written in exactly the grouping of its documented formula.
namespace Planix {

double Perimeter::Right_angle_traingle(double b, double h) {
    return (b + h) + std::sqrt((b * b) + (h * h));
}

double Perimeter::Isosceles_right_angle_traingle(double a) {
    return (2.0 * a) + (std::sqrt(2.0) * a);
}

double Perimeter::Equilateral_traingle(double a) {
    return 3.0 * a;
}

double Perimeter::Isosceles_traingle(double a, double b) {
    return (2.0 * a) + b;
}

double Perimeter::Scalene_traingle(double a, double b, double c) {
    return (a + b) + c;
}

double Perimeter::Rectangle(double l, double w) {
    return (l + w) * 2.0;
}

double Perimeter::Square(double a) {
    return 4.0 * a;
}

double Perimeter::Parallelogram(double l, double w) {
    return (l + w) * 2.0;
}

double Perimeter::Rhombus(double a) {
    return 4.0 * a;
}

double Perimeter::Trapezium(double a, double b, double c, double d) {
    return ((a + b) + c) + d;
}

double Perimeter::Kite(double a, double b) {
    return (a + b) * 2.0;
}

double Perimeter::Circle(double r) {
    return detail::kTwoPi * r;
}

double Perimeter::Regular_Hexagon(double a) {
    return 6.0 * a;
}

}  // namespace Planix
