// What a call into Planix or Solidix costs on top of its arithmetic: every function through the
// shared library beside the same expression written inline, on the same varying inputs.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstddef>

#include "Planix/Planix.hpp"
#include "Solidix/Solidix.hpp"

namespace {

constexpr double kPi = 22.0 / 7.0;

struct Values {
    double a, b, c, d;
};

// Inputs change every call, so that neither form can be computed once and reused.
constexpr std::size_t kInputs = 64;
const Values* inputs() {
    static Values values[kInputs];
    for (std::size_t i = 0; i < kInputs; ++i) {
        const double x = 2.0 + static_cast<double>(i) * 0.37;  // every triangle is a real one
        values[i] = {x, x + 1.5, x + 2.25, x * 0.5};
    }
    return values;
}

template <typename Formula>
void run(benchmark::State& state, Formula formula) {
    const Values* values = inputs();
    std::size_t i = 0;
    for (auto _ : state) {
        // The compiler must assume the inputs have changed, so neither form is computed ahead.
        benchmark::ClobberMemory();
        const Values& v = values[i++ % kInputs];
        double result = formula(v.a, v.b, v.c, v.d);
        benchmark::DoNotOptimize(result);
    }
}

}  // namespace

#define FORMULA(NAME, CALL, INLINE)                                                              \
    void NAME##_library(benchmark::State& state) {                                               \
        run(state, []([[maybe_unused]] double a, [[maybe_unused]] double b,                      \
                      [[maybe_unused]] double c, [[maybe_unused]] double d) { return CALL; });   \
    }                                                                                            \
    void NAME##_inline(benchmark::State & state) {                                               \
        run(state, []([[maybe_unused]] double a, [[maybe_unused]] double b,                      \
                      [[maybe_unused]] double c, [[maybe_unused]] double d) { return INLINE; }); \
    }                                                                                            \
    BENCHMARK(NAME##_library);                                                                   \
    BENCHMARK(NAME##_inline);

using namespace Planix;
using namespace Solidix;

// clang-format off
FORMULA(Perimeter_Right_angle_traingle, Perimeter::Right_angle_traingle(a, b), (a + b) + std::sqrt((a * a) + (b * b)))
FORMULA(Perimeter_Isosceles_right_angle_traingle, Perimeter::Isosceles_right_angle_traingle(a), (2.0 * a) + (std::sqrt(2.0) * a))
FORMULA(Perimeter_Equilateral_traingle, Perimeter::Equilateral_traingle(a), 3.0 * a)
FORMULA(Perimeter_Isosceles_traingle, Perimeter::Isosceles_traingle(a, b), (2.0 * a) + b)
FORMULA(Perimeter_Scalene_traingle, Perimeter::Scalene_traingle(a, b, c), (a + b) + c)
FORMULA(Perimeter_Rectangle, Perimeter::Rectangle(a, b), (a + b) * 2.0)
FORMULA(Perimeter_Square, Perimeter::Square(a), 4.0 * a)
FORMULA(Perimeter_Parallelogram, Perimeter::Parallelogram(a, b), (a + b) * 2.0)
FORMULA(Perimeter_Rhombus, Perimeter::Rhombus(a), 4.0 * a)
FORMULA(Perimeter_Trapezium, Perimeter::Trapezium(a, b, c, d), ((a + b) + c) + d)
FORMULA(Perimeter_Kite, Perimeter::Kite(a, b), (a + b) * 2.0)
FORMULA(Perimeter_Circle, Perimeter::Circle(a), (44.0 / 7.0) * a)
FORMULA(Perimeter_Regular_Hexagon, Perimeter::Regular_Hexagon(a), 6.0 * a)
FORMULA(Area_Right_angle_traingle, Area::Right_angle_traingle(a, b), (0.5 * a) * b)
FORMULA(Area_Isosceles_right_angle_traingle, Area::Isosceles_right_angle_traingle(a), (a * a) * 0.5)
FORMULA(Area_Equilateral_traingle, Area::Equilateral_traingle(a), (std::sqrt(3.0) * 0.25) * (a * a))
FORMULA(Area_Isosceles_traingle, Area::Isosceles_traingle(a, b), [&] { const double s = ((a + a) + b) / 2.0; return std::sqrt((((s - a) * s) * (s - a)) * (s - b)); }())
FORMULA(Area_Scalene_traingle, Area::Scalene_traingle(a, b, c), [&] { const double s = ((a + b) + c) / 2.0; return std::sqrt((((s - a) * s) * (s - b)) * (s - c)); }())
FORMULA(Area_Rectangle, Area::Rectangle(a, b), a * b)
FORMULA(Area_Square, Area::Square(a), a * a)
FORMULA(Area_Parallelogram, Area::Parallelogram(a, b), a * b)
FORMULA(Area_Rhombus, Area::Rhombus(a, b), (a * b) / 2.0)
FORMULA(Area_Trapezium, Area::Trapezium(a, b, c), (0.5 * c) * (a + b))
FORMULA(Area_Kite, Area::Kite(a, b), (a * b) / 2.0)
FORMULA(Area_Circle, Area::Circle(a), (kPi * a) * a)
FORMULA(Area_Regular_Hexagon, Area::Regular_Hexagon(a), ((1.5 * a) * a) * std::sqrt(3.0))
FORMULA(CSA_Cube, CSA::Cube(a), (4.0 * a) * a)
FORMULA(CSA_Right_Circular_Cylinder, CSA::Right_Circular_Cylinder(a, b), ((2.0 * kPi) * a) * b)
FORMULA(CSA_Right_Circular_Cone, CSA::Right_Circular_Cone(a, b), (kPi * a) * b)
FORMULA(CSA_Frustum, CSA::Frustum(a, b, c), (c * kPi) * (a + b))
FORMULA(CSA_Hemisphere, CSA::Hemisphere(a), ((2.0 * kPi) * a) * a)
FORMULA(CSA_Prism, CSA::Prism(a, b), a * b)
FORMULA(CSA_Pyramid, CSA::Pyramid(a, b), (0.5 * a) * b)
FORMULA(CSA_Tetrahedron, CSA::Tetrahedron(a), ((0.75 * a) * a) * std::sqrt(3.0))
FORMULA(TSA_Cube, TSA::Cube(a), (6.0 * a) * a)
FORMULA(TSA_Cuboid, TSA::Cuboid(a, b, c), (((a * b) + (b * c)) + (c * a)) * 2.0)
FORMULA(TSA_Right_Circular_Cylinder, TSA::Right_Circular_Cylinder(a, b), ((2.0 * kPi) * a) * (a + b))
FORMULA(TSA_Right_Circular_Cone, TSA::Right_Circular_Cone(a, b), (kPi * a) * (a + b))
FORMULA(TSA_Frustum, TSA::Frustum(a, b, c), (((a * a) + ((a + b) * c)) + (b * b)) * kPi)
FORMULA(TSA_Sphere, TSA::Sphere(a), ((4.0 * kPi) * a) * a)
FORMULA(TSA_Hemisphere, TSA::Hemisphere(a), ((3.0 * kPi) * a) * a)
FORMULA(TSA_Pyramid, TSA::Pyramid(a, b), a + b)
FORMULA(TSA_Tetrahedron, TSA::Tetrahedron(a), (std::sqrt(3.0) * a) * a)
FORMULA(VOLUME_Cube, VOLUME::Cube(a), (a * a) * a)
FORMULA(VOLUME_Cuboid, VOLUME::Cuboid(a, b, c), (a * b) * c)
FORMULA(VOLUME_Right_Circular_Cylinder, VOLUME::Right_Circular_Cylinder(a, b), ((kPi * a) * a) * b)
FORMULA(VOLUME_Right_Circular_Cone, VOLUME::Right_Circular_Cone(a, b), (((kPi * a) * a) * b) / 3.0)
FORMULA(VOLUME_Prism, VOLUME::Prism(a, b), a * b)
FORMULA(VOLUME_Sphere, VOLUME::Sphere(a), (a * (a * a)) * ((4.0 / 3.0) * kPi))
FORMULA(VOLUME_Hemisphere, VOLUME::Hemisphere(a), (a * (a * a)) * ((2.0 / 3.0) * kPi))
FORMULA(VOLUME_Pyramid, VOLUME::Pyramid(a, b), ((1.0 / 3.0) * a) * b)
FORMULA(VOLUME_Tetrahedron, VOLUME::Tetrahedron(a), (std::sqrt(2.0) / 12.0) * (a * (a * a)))
// clang-format on

BENCHMARK_MAIN();
