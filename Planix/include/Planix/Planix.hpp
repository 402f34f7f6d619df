// Copyright (c) 2026 The Shapecalc developers. Released under the MIT licence (see LICENSE).
#ifndef PLANIX_PLANIX_HPP
#define PLANIX_PLANIX_HPP

#include "Planix/Export.hpp"
#include "Planix/Version.hpp"

// Perimeter and area of plane figures: each figure has one function in each class.
//
// Every function is a pure function of its arguments: it keeps no state, allocates nothing,
// prints nothing, tests no argument and reports no error, so any thread may call any of them at
// any time. Each operation is carried out in IEEE-754 double precision and rounded to double
// before the next one, in exactly the grouping that each function's documentation gives (no
// fused multiply-add, no wider intermediates), so results are the same bits on every build.
//
// Conventions for all functions:
// - Lengths carry no unit; a perimeter is in the unit of the lengths, an area in its square.
// - pi is taken as 22/7: the double 22.0 / 7.0 (3.142857142857143); 2 pi is the double
//   44.0 / 7.0 (6.285714285714286).
// - sqrt(2) and sqrt(3) are computed at each call with the standard, correctly rounded std::sqrt.
// - Zero and negative lengths enter the formulas unchanged: a length that enters a perimeter once
//   keeps its sign, a squared one loses it.
// - NaN and infinite arguments follow the IEEE-754 rules; results that overflow are infinite.
// - Where a square root is taken of a negative product the result is NaN; errno and the
//   floating-point exception flags are neither read nor cleared.
namespace Planix {

// Perimeters (and the circumference of the circle).
class Perimeter {
  public:
    Perimeter() = delete;

    // Right-angled triangle from the two sides that enclose the right angle.
    //   b: base; h: height.
    // Returns (b + h) + sqrt((b * b) + (h * h)); 12 for b = 3, h = 4, and -2 for b = -3, h = -4
    // (the hypotenuse is always positive).
    PLANIX_API static double Right_angle_traingle(double b, double h);

    // Isosceles right-angled triangle.
    //   a: base, equal to the height (each of the two equal sides that enclose the right angle).
    // Returns (2 * a) + (sqrt(2) * a); 3.414213562373095 for a = 1.
    PLANIX_API static double Isosceles_right_angle_traingle(double a);

    // Equilateral triangle.
    //   a: side.
    // Returns 3 * a.
    PLANIX_API static double Equilateral_traingle(double a);

    // Isosceles triangle.
    //   a: each of the two equal sides; b: the other side.
    // Returns (2 * a) + b.
    PLANIX_API static double Isosceles_traingle(double a, double b);

    // Scalene (any) triangle.
    //   a: 1st side; b: 2nd side; c: 3rd side.
    // Returns (a + b) + c. Does not test whether the sides can form a triangle.
    PLANIX_API static double Scalene_traingle(double a, double b, double c);

    // Rectangle.
    //   l: length; w: width.
    // Returns (l + w) * 2.
    PLANIX_API static double Rectangle(double l, double w);

    // Square.
    //   a: side.
    // Returns 4 * a; negative for a negative side.
    PLANIX_API static double Square(double a);

    // Parallelogram from two adjacent sides.
    //   l: length; w: width.
    // Returns (l + w) * 2.
    PLANIX_API static double Parallelogram(double l, double w);

    // Rhombus.
    //   a: side.
    // Returns 4 * a.
    PLANIX_API static double Rhombus(double a);

    // Trapezium (any quadrilateral) from its four sides.
    //   a: 1st side; b: 2nd side; c: 3rd side; d: 4th side.
    // Returns ((a + b) + c) + d.
    PLANIX_API static double Trapezium(double a, double b, double c, double d);

    // Kite from one side of each pair of equal sides.
    //   a: 1st non-adjacent side; b: 2nd non-adjacent side.
    // Returns (a + b) * 2.
    PLANIX_API static double Kite(double a, double b);

    // Circumference of a circle.
    //   r: radius.
    // Returns (44/7) * r; 44 for r = 7 and -44 for r = -7.
    PLANIX_API static double Circle(double r);

    // Regular hexagon.
    //   a: side.
    // Returns 6 * a.
    PLANIX_API static double Regular_Hexagon(double a);
};

// Areas.
class Area {
  public:
    Area() = delete;

    // Right-angled triangle.
    //   b: base; h: height.
    // Returns (0.5 * b) * h.
    PLANIX_API static double Right_angle_traingle(double b, double h);

    // Isosceles right-angled triangle.
    //   a: base, equal to the height.
    // Returns (a * a) * 0.5.
    PLANIX_API static double Isosceles_right_angle_traingle(double a);

    // Equilateral triangle.
    //   a: side.
    // Returns (sqrt(3) * 0.25) * (a * a); 1.7320508075688772 for a = 2.
    PLANIX_API static double Equilateral_traingle(double a);

    // Isosceles triangle by Heron's formula.
    //   a: each of the two equal sides; b: the other side.
    // With s = ((a + a) + b) / 2, returns sqrt((((s - a) * s) * (s - a)) * (s - b)); 12 for
    // a = 5, b = 6, 0 for a = 2, b = 4. NaN when the product is negative, as for positive sides
    // with b > 2 * a, and for any infinite side.
    PLANIX_API static double Isosceles_traingle(double a, double b);

    // Scalene (any) triangle by Heron's formula.
    //   a: 1st side; b: 2nd side; c: 3rd side.
    // With s = ((a + b) + c) / 2, returns sqrt((((s - a) * s) * (s - b)) * (s - c)); 6 for 3, 4, 5
    // and 0 for 1, 2, 3. NaN when the product is negative, as for positive sides of which one is
    // longer than the sum of the other two, and for any infinite side.
    PLANIX_API static double Scalene_traingle(double a, double b, double c);

    // Rectangle.
    //   l: length; w: width.
    // Returns l * w.
    PLANIX_API static double Rectangle(double l, double w);

    // Square.
    //   a: side.
    // Returns a * a; positive for a negative side.
    PLANIX_API static double Square(double a);

    // Parallelogram, as base times height.
    //   l: length of a side (the base); w: the perpendicular height onto that side, not the
    //      other side (with the other side this would be the area of a rectangle).
    // Returns l * w.
    PLANIX_API static double Parallelogram(double l, double w);

    // Rhombus from its diagonals.
    //   p: 1st diagonal; q: 2nd diagonal.
    // Returns (p * q) / 2.
    PLANIX_API static double Rhombus(double p, double q);

    // Trapezium.
    //   a: 1st parallel side; b: 2nd parallel side; h: height.
    // Returns (0.5 * h) * (a + b).
    PLANIX_API static double Trapezium(double a, double b, double h);

    // Kite from its diagonals.
    //   p: 1st diagonal; q: 2nd diagonal.
    // Returns (p * q) / 2.
    PLANIX_API static double Kite(double p, double q);

    // Circle.
    //   r: radius.
    // Returns ((22/7) * r) * r; 154 for r = 7 or -7, and 13.860000000000001 for r = 2.1.
    PLANIX_API static double Circle(double r);

    // Regular hexagon.
    //   a: side.
    // Returns ((1.5 * a) * a) * sqrt(3); 2.598076211353316 for a = 1.
    PLANIX_API static double Regular_Hexagon(double a);
};

}  // namespace Planix

#endif  // PLANIX_PLANIX_HPP
