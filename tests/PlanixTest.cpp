#include <cmath>
#include <limits>

#include "BitExact.hpp"
#include "Planix/Planix.hpp"

// Expected values are the documented examples and the formulas worked by hand (or in another
// IEEE-754 double arithmetic) in the documented grouping; the grouping cases are chosen so that
// any other grouping, or a fused multiply-add, gives a different double.
namespace {

using Planix::Area;
using Planix::Perimeter;

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(PlanixPerimeter, DocumentedExamples) {
    EXPECT_BITS(Perimeter::Right_angle_traingle(3, 4), 12.0);
    EXPECT_BITS(Perimeter::Right_angle_traingle(-3, -4), -2.0);
    EXPECT_BITS(Perimeter::Isosceles_right_angle_traingle(1), 3.414213562373095);
    EXPECT_BITS(Perimeter::Circle(7), 44.0);
    EXPECT_BITS(Perimeter::Circle(-7), -44.0);
    EXPECT_BITS(Perimeter::Square(-3), -12.0);
}

TEST(PlanixPerimeter, EachFormulaOnExactValues) {
    EXPECT_BITS(Perimeter::Equilateral_traingle(2.5), 7.5);
    EXPECT_BITS(Perimeter::Isosceles_traingle(5, 6), 16.0);
    EXPECT_BITS(Perimeter::Scalene_traingle(3, 4, 5), 12.0);
    EXPECT_BITS(Perimeter::Rectangle(3, 4), 14.0);
    EXPECT_BITS(Perimeter::Square(2.5), 10.0);
    EXPECT_BITS(Perimeter::Parallelogram(3, 4.5), 15.0);
    EXPECT_BITS(Perimeter::Rhombus(1.25), 5.0);
    EXPECT_BITS(Perimeter::Trapezium(1, 2, 3, 4), 10.0);
    EXPECT_BITS(Perimeter::Kite(3, 4), 14.0);
    EXPECT_BITS(Perimeter::Regular_Hexagon(2.5), 15.0);
    EXPECT_BITS(Perimeter::Circle(0.5), 3.142857142857143);
}

TEST(PlanixPerimeter, OrderOfEvaluation) {
    // sqrt((b * b) + (h * h)) with both squares rounded: a fused b * b + (h * h) gives ...308.
    EXPECT_BITS(Perimeter::Right_angle_traingle(3.3, 0.2), 6.806055050963307);
    // (b + h) first, then the hypotenuse.
    EXPECT_BITS(Perimeter::Right_angle_traingle(0.1, 0.7), 1.5071067811865473);
    // (2 * a) + (sqrt(2) * a), not (2 + sqrt(2)) * a.
    EXPECT_BITS(Perimeter::Isosceles_right_angle_traingle(0.7), 2.3899494936611667);
    // Sums from the left.
    EXPECT_BITS(Perimeter::Scalene_traingle(0.1, 0.1, 1.1), 1.3);
    EXPECT_BITS(Perimeter::Trapezium(0.1, 0.1, 0.1, 3.3), 3.5999999999999996);
}

TEST(PlanixArea, DocumentedExamples) {
    EXPECT_BITS(Area::Scalene_traingle(3, 4, 5), 6.0);
    EXPECT_BITS(Area::Scalene_traingle(1, 2, 3), 0.0);
    EXPECT_BITS(Area::Isosceles_traingle(5, 6), 12.0);
    EXPECT_BITS(Area::Isosceles_traingle(2, 4), 0.0);
    EXPECT_BITS(Area::Circle(7), 154.0);
    EXPECT_BITS(Area::Circle(-7), 154.0);
    EXPECT_BITS(Area::Circle(2.1), 13.860000000000001);  // not 13.86: ((22/7) * r) * r
    EXPECT_BITS(Area::Equilateral_traingle(2), 1.7320508075688772);
    EXPECT_BITS(Area::Regular_Hexagon(1), 2.598076211353316);
    EXPECT_BITS(Area::Regular_Hexagon(0.1), 0.025980762113533163);
    EXPECT_BITS(Area::Regular_Hexagon(5.1), 67.57596225729974);
    EXPECT_BITS(Area::Square(-3), 9.0);
}

TEST(PlanixArea, EachFormulaOnExactValues) {
    EXPECT_BITS(Area::Right_angle_traingle(3, 4), 6.0);
    EXPECT_BITS(Area::Isosceles_right_angle_traingle(3), 4.5);
    EXPECT_BITS(Area::Rectangle(3, 4.5), 13.5);
    EXPECT_BITS(Area::Square(2.5), 6.25);
    EXPECT_BITS(Area::Parallelogram(3, 4), 12.0);
    EXPECT_BITS(Area::Rhombus(3, 5), 7.5);
    EXPECT_BITS(Area::Trapezium(2, 3, 4), 10.0);
    EXPECT_BITS(Area::Kite(3, 4), 6.0);
}

TEST(PlanixArea, HeronOutsideTheTriangleInequalityIsNaN) {
    // For 1, 2, 10 the product under the root is -563.0625.
    EXPECT_TRUE(std::isnan(Area::Scalene_traingle(1, 2, 10)));
    EXPECT_TRUE(std::isnan(Area::Isosceles_traingle(2, 5)));
    EXPECT_TRUE(std::isnan(Area::Isosceles_traingle(1, 2.5)));
    EXPECT_TRUE(std::isnan(Area::Scalene_traingle(kInf, 1, 1)));
    EXPECT_TRUE(std::isnan(Area::Scalene_traingle(3, 4, kInf)));
    EXPECT_TRUE(std::isnan(Area::Isosceles_traingle(kInf, 1)));
}

TEST(PlanixArea, TwinFiguresShareTheirComputation) {
    const double pairs[][2] = {{3, 4}, {0.1, 0.7}, {-2.5, 1e300}, {1e-300, 1e-300}};
    for (const auto& p : pairs) {
        EXPECT_BITS(Area::Kite(p[0], p[1]), Area::Rhombus(p[0], p[1]));
        EXPECT_BITS(Area::Parallelogram(p[0], p[1]), Area::Rectangle(p[0], p[1]));
        EXPECT_BITS(Perimeter::Parallelogram(p[0], p[1]), Perimeter::Rectangle(p[0], p[1]));
    }
}

TEST(PlanixDomain, ZeroLengthsGiveZero) {
    for (double r : {Perimeter::Right_angle_traingle(0, 0),
                     Perimeter::Isosceles_right_angle_traingle(0),
                     Perimeter::Equilateral_traingle(0),
                     Perimeter::Isosceles_traingle(0, 0),
                     Perimeter::Scalene_traingle(0, 0, 0),
                     Perimeter::Rectangle(0, 0),
                     Perimeter::Square(0),
                     Perimeter::Parallelogram(0, 0),
                     Perimeter::Rhombus(0),
                     Perimeter::Trapezium(0, 0, 0, 0),
                     Perimeter::Kite(0, 0),
                     Perimeter::Circle(0),
                     Perimeter::Regular_Hexagon(0),
                     Area::Right_angle_traingle(0, 0),
                     Area::Isosceles_right_angle_traingle(0),
                     Area::Equilateral_traingle(0),
                     Area::Isosceles_traingle(0, 0),
                     Area::Scalene_traingle(0, 0, 0),
                     Area::Rectangle(0, 0),
                     Area::Square(0),
                     Area::Parallelogram(0, 0),
                     Area::Rhombus(0, 0),
                     Area::Trapezium(0, 0, 0),
                     Area::Kite(0, 0),
                     Area::Circle(0),
                     Area::Regular_Hexagon(0)}) {
        EXPECT_BITS(r, 0.0);
    }
}

TEST(PlanixDomain, OverflowAndNaNFollowIeee) {
    EXPECT_BITS(Area::Square(1e200), kInf);
    EXPECT_BITS(Perimeter::Square(-1e308), -kInf);
    EXPECT_BITS(Area::Circle(-kInf), kInf);
    EXPECT_TRUE(std::isnan(Perimeter::Circle(std::nan(""))));
    EXPECT_TRUE(std::isnan(Area::Trapezium(1, 2, std::nan(""))));
}

}  // namespace
