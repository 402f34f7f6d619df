#include <cmath>
#include <limits>

#include "BitExact.hpp"
#include "Solidix/Solidix.hpp"

// Expected values are the documented examples and the formulas worked by hand (or in another
// IEEE-754 double arithmetic) in the documented grouping and with the documented constants.
namespace {

using Solidix::CSA;
using Solidix::TSA;
using Solidix::VOLUME;

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(SolidixPi, RadiusSevenGivesWholeNumbers) {
    EXPECT_BITS(TSA::Sphere(7), 616.0);
    EXPECT_BITS(CSA::Hemisphere(7), 308.0);
    EXPECT_BITS(TSA::Hemisphere(7), 462.0);
    EXPECT_BITS(CSA::Right_Circular_Cone(7, 10), 220.0);
    EXPECT_BITS(TSA::Right_Circular_Cone(7, 10), 374.0);
    EXPECT_BITS(CSA::Right_Circular_Cylinder(7, 10), 440.0);
    EXPECT_BITS(TSA::Right_Circular_Cylinder(7, 10), 748.0);
    EXPECT_BITS(VOLUME::Right_Circular_Cylinder(7, 10), 1540.0);
}

TEST(SolidixPi, SphereFactorsAreTheDocumentedProducts) {
    // (4/3)pi = (4.0 / 3.0) * (22.0 / 7.0), not 88/21; likewise (2/3)pi.
    EXPECT_BITS(VOLUME::Sphere(1), 4.19047619047619);
    EXPECT_BITS(VOLUME::Hemisphere(1), 2.095238095238095);
    EXPECT_BITS(VOLUME::Sphere(3), 113.14285714285712);
    EXPECT_BITS(VOLUME::Hemisphere(3), 56.57142857142856);
    EXPECT_BITS(VOLUME::Sphere(7), 1437.333333333333);
    EXPECT_BITS(VOLUME::Hemisphere(7), 718.6666666666665);
    EXPECT_BITS(VOLUME::Sphere(21), 38807.99999999999);
    EXPECT_BITS(VOLUME::Hemisphere(21), 19403.999999999996);
}

TEST(SolidixPi, OtherMultiplesOfPi) {
    EXPECT_BITS(TSA::Hemisphere(1), 9.428571428571429);  // 3pi
    EXPECT_BITS(TSA::Sphere(1), 12.571428571428571);     // 4pi
    EXPECT_BITS(CSA::Right_Circular_Cylinder(0.7, 1.1), 4.84);
    EXPECT_BITS(TSA::Right_Circular_Cone(0.7, 1.1), 3.9599999999999995);
    EXPECT_BITS(TSA::Right_Circular_Cylinder(0.3, 0.7), 1.8857142857142857);
}

TEST(SolidixThird, PyramidMultipliesByAThirdConeDividesByThree) {
    EXPECT_BITS(VOLUME::Pyramid(7, 10), 23.33333333333333);  // 70 / 3 is ...332
    EXPECT_BITS(VOLUME::Pyramid(5, 5), 8.333333333333332);
    EXPECT_BITS(VOLUME::Right_Circular_Cone(7, 10), 513.3333333333334);
    EXPECT_BITS(VOLUME::Right_Circular_Cone(3, 7), 66.0);
}

TEST(SolidixFlatFigures, CubesCuboidsPrismsPyramids) {
    EXPECT_BITS(CSA::Cube(2), 16.0);
    EXPECT_BITS(TSA::Cube(2), 24.0);
    EXPECT_BITS(VOLUME::Cube(2.5), 15.625);
    EXPECT_BITS(TSA::Cuboid(3, 4, 5), 94.0);
    EXPECT_BITS(VOLUME::Cuboid(3, 4, 5), 60.0);
    // Each product rounded before the sums: a fused multiply-add gives 0.9400000000000001 or ..2.
    EXPECT_BITS(TSA::Cuboid(0.1, 0.3, 1.1), 0.94);
    EXPECT_BITS(CSA::Prism(12, 2.5), 30.0);
    EXPECT_BITS(VOLUME::Prism(6, 2.5), 15.0);
    EXPECT_BITS(CSA::Pyramid(12, 5), 30.0);
    EXPECT_BITS(TSA::Pyramid(7, 10), 17.0);
    EXPECT_BITS(TSA::Pyramid(0, 5), 5.0);
}

TEST(SolidixTetrahedron, DocumentedValues) {
    EXPECT_BITS(CSA::Tetrahedron(2), 5.196152422706632);
    EXPECT_BITS(TSA::Tetrahedron(2), 6.928203230275509);
    EXPECT_BITS(VOLUME::Tetrahedron(2), 0.9428090415820635);
    EXPECT_BITS(VOLUME::Tetrahedron(1), 0.11785113019775793);
}

TEST(SolidixFrustum, SlantHeightFormulas) {
    EXPECT_BITS(CSA::Frustum(3, 4, 5), 110.0);
    EXPECT_BITS(CSA::Frustum(4, 3, 5), 110.0);
    EXPECT_BITS(TSA::Frustum(3, 4, 5), 188.57142857142856);
    EXPECT_BITS(TSA::Frustum(4, 3, 5), 188.57142857142856);
    // Rounded products added in order: a fused form gives 0.3457142857142858.
    EXPECT_BITS(TSA::Frustum(0.1, 0.2, 0.2), 0.34571428571428575);
}

TEST(SolidixDomain, NegativeValuesKeepOrLoseTheirSign) {
    EXPECT_BITS(VOLUME::Cube(-2), -8.0);
    EXPECT_BITS(VOLUME::Sphere(-2), -33.52380952380952);
    EXPECT_BITS(TSA::Sphere(-2), 50.285714285714285);
    EXPECT_BITS(CSA::Right_Circular_Cylinder(-7, 10), -440.0);
    EXPECT_BITS(VOLUME::Right_Circular_Cylinder(-7, 10), 1540.0);
    EXPECT_BITS(CSA::Hemisphere(-7), 308.0);
}

TEST(SolidixDomain, OverflowAndNaNFollowIeee) {
    EXPECT_BITS(VOLUME::Cube(1e200), kInf);
    EXPECT_BITS(TSA::Sphere(1e200), kInf);
    EXPECT_BITS(VOLUME::Sphere(-1e200), -kInf);
    EXPECT_TRUE(std::isnan(TSA::Cuboid(kInf, 0, 1)));
    EXPECT_TRUE(std::isnan(VOLUME::Tetrahedron(std::nan(""))));
}

TEST(SolidixDomain, ZeroArgumentsGiveZero) {
    for (double r : {CSA::Cube(0),
                     CSA::Right_Circular_Cylinder(0, 0),
                     CSA::Right_Circular_Cone(0, 0),
                     CSA::Frustum(0, 0, 0),
                     CSA::Hemisphere(0),
                     CSA::Prism(0, 0),
                     CSA::Pyramid(0, 0),
                     CSA::Tetrahedron(0),
                     TSA::Cube(0),
                     TSA::Cuboid(0, 0, 0),
                     TSA::Right_Circular_Cylinder(0, 0),
                     TSA::Right_Circular_Cone(0, 0),
                     TSA::Frustum(0, 0, 0),
                     TSA::Sphere(0),
                     TSA::Hemisphere(0),
                     TSA::Pyramid(0, 0),
                     TSA::Tetrahedron(0),
                     VOLUME::Cube(0),
                     VOLUME::Cuboid(0, 0, 0),
                     VOLUME::Right_Circular_Cylinder(0, 0),
                     VOLUME::Right_Circular_Cone(0, 0),
                     VOLUME::Prism(0, 0),
                     VOLUME::Sphere(0),
                     VOLUME::Hemisphere(0),
                     VOLUME::Pyramid(0, 0),
                     VOLUME::Tetrahedron(0)}) {
        EXPECT_BITS(r, 0.0);
    }
}

}  // namespace
