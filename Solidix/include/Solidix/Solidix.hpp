// Copyright (c) 2026 The Shapecalc developers. Released under the MIT licence (see LICENSE).
#ifndef SOLIDIX_SOLIDIX_HPP
#define SOLIDIX_SOLIDIX_HPP

#include "Solidix/Export.hpp"
#include "Solidix/Version.hpp"

// Curved or lateral surface area, total surface area and volume of solid figures.
//
// Every function is a pure function of its arguments: it keeps no state, allocates nothing,
// prints nothing, tests no argument and reports no error, so any thread may call any of them at
// any time. Each operation is carried out in IEEE-754 double precision and rounded to double
// before the next one, in exactly the grouping that each function's documentation gives (no
// fused multiply-add, no wider intermediates), so results are the same bits on every build.
//
// Conventions for all functions:
// - Values carry no unit: lengths in any unit, areas in its square, volumes in its cube.
//   Parameters documented as an area or a perimeter are used as given, never derived.
// - pi is taken as 22/7, the double 22.0 / 7.0 (3.142857142857143). Its multiples are the doubles
//   2pi = 2 * pi, 3pi = 3 * pi, 4pi = 4 * pi, (4/3)pi = (4.0 / 3.0) * pi (4.19047619047619) and
//   (2/3)pi = (2.0 / 3.0) * pi (2.095238095238095); one third is the double 1.0 / 3.0.
// - sqrt(2) and sqrt(3) are computed at each call with the standard, correctly rounded std::sqrt;
//   being roots of positive constants, they are never NaN.
// - A result is NaN exactly when an argument is NaN or an operation of the formula is invalid:
//   zero times infinity (CSA::Prism(0, inf), VOLUME::Cuboid(0, inf, 1), and also
//   VOLUME::Cuboid(1e200, 1e200, 0), whose first product overflows to infinity) or infinities
//   of opposite signs added (TSA::Pyramid(inf, -inf), TSA::Cuboid(inf, -1, 1)).
// - Third powers are plain products, never a general power function: x * (x * x) in the sphere,
//   hemisphere and tetrahedron volumes, (a * a) * a in VOLUME::Cube (the same double).
// - Zero and negative values enter the formulas unchanged: a value that enters an odd number of
//   times keeps its sign, a squared one loses it.
// - Values too large overflow to infinity, which is returned; NaN and infinite arguments follow
//   the IEEE-754 rules.
namespace Solidix {

// Curved or lateral surface area.
class CSA {
  public:
    CSA() = delete;

    // Cube, its four side faces.
    //   a: side.
    // Returns (4 * a) * a.
    SOLIDIX_API static double Cube(double a);

    // Right circular cylinder, its curved surface.
    //   r: radius; h: height.
    // Returns (2pi * r) * h; 440 for r = 7, h = 10, and -440 for r = -7.
    SOLIDIX_API static double Right_Circular_Cylinder(double r, double h);

    // Right circular cone, its curved surface.
    //   r: radius; l: slant height.
    // Returns (pi * r) * l; 220 for r = 7, l = 10.
    SOLIDIX_API static double Right_Circular_Cone(double r, double l);

    // Frustum of a right circular cone, its curved surface.
    //   r1: 1st radius; r2: 2nd radius; l: slant height (not the height: a caller that knows the
    //   height derives l = sqrt((r1 - r2)^2 + h^2) first).
    // Returns (l * pi) * (r1 + r2); 110 for 3, 4, 5.
    SOLIDIX_API static double Frustum(double r1, double r2, double l);

    // Hemisphere, its curved surface.
    //   r: radius.
    // Returns (2pi * r) * r; 308 for r = 7.
    SOLIDIX_API static double Hemisphere(double r);

    // Prism, its lateral faces.
    //   p: perimeter of the base; h: height.
    // Returns p * h.
    SOLIDIX_API static double Prism(double p, double h);

    // Regular pyramid, its lateral faces.
    //   p: perimeter of the base; l: slant height.
    // Returns (0.5 * p) * l.
    SOLIDIX_API static double Pyramid(double p, double l);

    // Regular tetrahedron, three of its four faces.
    //   a: side.
    // Returns ((0.75 * a) * a) * sqrt(3); 5.196152422706632 for a = 2.
    SOLIDIX_API static double Tetrahedron(double a);
};

// Total surface area.
class TSA {
  public:
    TSA() = delete;

    // Cube, all six faces.
    //   a: side.
    // Returns (6 * a) * a.
    SOLIDIX_API static double Cube(double a);

    // Cuboid.
    //   l: length; w: width; h: height.
    // Returns (((l * w) + (w * h)) + (h * l)) * 2, each product rounded before it is added; 94 for
    // 3, 4, 5.
    SOLIDIX_API static double Cuboid(double l, double w, double h);

    // Right circular cylinder, curved surface and both discs.
    //   r: radius; h: height.
    // Returns (2pi * r) * (r + h); 748 for r = 7, h = 10.
    SOLIDIX_API static double Right_Circular_Cylinder(double r, double h);

    // Right circular cone, curved surface and base.
    //   r: radius; l: slant height.
    // Returns (pi * r) * (r + l); 374 for r = 7, l = 10.
    SOLIDIX_API static double Right_Circular_Cone(double r, double l);

    // Frustum of a right circular cone, curved surface and both discs.
    //   r1: 1st radius; r2: 2nd radius; l: slant height (see CSA::Frustum).
    // Returns (((r1 * r1) + ((r1 + r2) * l)) + (r2 * r2)) * pi; 188.57142857142856 for 3, 4, 5.
    SOLIDIX_API static double Frustum(double r1, double r2, double l);

    // Sphere.
    //   r: radius.
    // Returns (4pi * r) * r; 616 for r = 7, +infinity for r = 1e200.
    SOLIDIX_API static double Sphere(double r);

    // Hemisphere, curved surface and the flat disc.
    //   r: radius.
    // Returns (3pi * r) * r; 462 for r = 7.
    SOLIDIX_API static double Hemisphere(double r);

    // Pyramid.
    //   s: the lateral surface area, all lateral faces added together (not the area of one
    //      face: nothing is multiplied by a number of faces); b: area of the base.
    // Returns s + b.
    SOLIDIX_API static double Pyramid(double s, double b);

    // Regular tetrahedron, all four faces.
    //   a: side.
    // Returns (sqrt(3) * a) * a; 6.928203230275509 for a = 2.
    SOLIDIX_API static double Tetrahedron(double a);
};

// Volume.
class VOLUME {
  public:
    VOLUME() = delete;

    // Cube.
    //   a: side.
    // Returns (a * a) * a; -8 for a = -2, +infinity for a = 1e200.
    SOLIDIX_API static double Cube(double a);

    // Cuboid.
    //   l: length; w: width; h: height.
    // Returns (l * w) * h.
    SOLIDIX_API static double Cuboid(double l, double w, double h);

    // Right circular cylinder.
    //   r: radius; h: height.
    // Returns ((pi * r) * r) * h; 1540 for r = 7 or -7, h = 10.
    SOLIDIX_API static double Right_Circular_Cylinder(double r, double h);

    // Right circular cone.
    //   r: radius; h: height (not the slant height).
    // Returns (((pi * r) * r) * h) / 3; 513.3333333333334 for r = 7, h = 10.
    SOLIDIX_API static double Right_Circular_Cone(double r, double h);

    // Prism.
    //   b: area of the base; h: height.
    // Returns b * h.
    SOLIDIX_API static double Prism(double b, double h);

    // Sphere.
    //   r: radius.
    // Returns (r * (r * r)) * (4/3)pi; 1437.333333333333 for r = 7, 38807.99999999999 for r = 21.
    SOLIDIX_API static double Sphere(double r);

    // Hemisphere.
    //   r: radius.
    // Returns (r * (r * r)) * (2/3)pi; 718.6666666666665 for r = 7.
    SOLIDIX_API static double Hemisphere(double r);

    // Pyramid.
    //   b: area of the base; h: height.
    // Returns (1/3 * b) * h; 23.33333333333333 for b = 7, h = 10.
    SOLIDIX_API static double Pyramid(double b, double h);

    // Regular tetrahedron.
    //   a: side.
    // Returns (sqrt(2) / 12) * (a * (a * a)); 0.11785113019775793 for a = 1.
    SOLIDIX_API static double Tetrahedron(double a);
};

}  // namespace Solidix

#endif  // SOLIDIX_SOLIDIX_HPP
