// What a call into Planix or Solidix costs on top of its arithmetic: every function of the formula
// list (tests/golden/formulas.txt, through the generated formulas.inc) called through the shared
// library, beside the same expression written inline, on the same varying inputs. Before it times
// anything, it checks that each inline expression gives the library's double on every input.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <utility>

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

using Bench = void (*)(benchmark::State&);
using Value = double (*)(double, double, double, double);

// One form of a formula: how it is timed, and what it gives.
struct Form {
    Bench measure;
    Value value;
};

template <auto F, std::size_t... I>
double apply(const double* values, std::index_sequence<I...>) {
    return F(values[I]...);
}

template <typename... Args>
constexpr std::size_t arity(double (*)(Args...)) {
    return sizeof...(Args);
}

template <auto F>
double call(double a, double b, double c, double d) {
    const double values[] = {a, b, c, d};
    return apply<F>(values, std::make_index_sequence<arity(F)>{});
}

template <auto F>
void library(benchmark::State& state) {
    run(state, [](double a, double b, double c, double d) { return call<F>(a, b, c, d); });
}

// The functions of the list, through the shared libraries.
#define FORMULA(f) std::pair<std::string, Form>{#f, {&library<&f>, &call<&f>}},
const std::pair<std::string, Form> kLibrary[] = {
#include "formulas.inc"
};
#undef FORMULA

using namespace Planix;
using namespace Solidix;

// An expression is timed as the compiler inlines it into the loop, and called for its value.
template <typename Expression>
Form inlined(Expression expression) {
    static const Expression kept = expression;
    return {[](benchmark::State& state) { run(state, kept); }, expression};
}

// The same formulas inline, by benchmark name: the function's name without its library.
#define INLINE(NAME, EXPRESSION)                                                                 \
    {#NAME,                                                                                      \
     inlined([]([[maybe_unused]] double a, [[maybe_unused]] double b, [[maybe_unused]] double c, \
                [[maybe_unused]] double d) { return EXPRESSION; })},
const std::map<std::string, Form> kInline = {
    // clang-format off
INLINE(Perimeter_Right_angle_traingle, (a + b) + std::sqrt((a * a) + (b * b)))
INLINE(Perimeter_Isosceles_right_angle_traingle, (2.0 * a) + (std::sqrt(2.0) * a))
INLINE(Perimeter_Equilateral_traingle, 3.0 * a)
INLINE(Perimeter_Isosceles_traingle, (2.0 * a) + b)
INLINE(Perimeter_Scalene_traingle, (a + b) + c)
INLINE(Perimeter_Rectangle, (a + b) * 2.0)
INLINE(Perimeter_Square, 4.0 * a)
INLINE(Perimeter_Parallelogram, (a + b) * 2.0)
INLINE(Perimeter_Rhombus, 4.0 * a)
INLINE(Perimeter_Trapezium, ((a + b) + c) + d)
INLINE(Perimeter_Kite, (a + b) * 2.0)
INLINE(Perimeter_Circle, (44.0 / 7.0) * a)
INLINE(Perimeter_Regular_Hexagon, 6.0 * a)
INLINE(Area_Right_angle_traingle, (0.5 * a) * b)
INLINE(Area_Isosceles_right_angle_traingle, (a * a) * 0.5)
INLINE(Area_Equilateral_traingle, (std::sqrt(3.0) * 0.25) * (a * a))
INLINE(Area_Isosceles_traingle, [&] { const double s = ((a + a) + b) / 2.0; return std::sqrt((((s - a) * s) * (s - a)) * (s - b)); }())
INLINE(Area_Scalene_traingle, [&] { const double s = ((a + b) + c) / 2.0; return std::sqrt((((s - a) * s) * (s - b)) * (s - c)); }())
INLINE(Area_Rectangle, a * b)
INLINE(Area_Square, a * a)
INLINE(Area_Parallelogram, a * b)
INLINE(Area_Rhombus, (a * b) / 2.0)
INLINE(Area_Trapezium, (0.5 * c) * (a + b))
INLINE(Area_Kite, (a * b) / 2.0)
INLINE(Area_Circle, (kPi * a) * a)
INLINE(Area_Regular_Hexagon, ((1.5 * a) * a) * std::sqrt(3.0))
INLINE(CSA_Cube, (4.0 * a) * a)
INLINE(CSA_Right_Circular_Cylinder, ((2.0 * kPi) * a) * b)
INLINE(CSA_Right_Circular_Cone, (kPi * a) * b)
INLINE(CSA_Frustum, (c * kPi) * (a + b))
INLINE(CSA_Hemisphere, ((2.0 * kPi) * a) * a)
INLINE(CSA_Prism, a * b)
INLINE(CSA_Pyramid, (0.5 * a) * b)
INLINE(CSA_Tetrahedron, ((0.75 * a) * a) * std::sqrt(3.0))
INLINE(TSA_Cube, (6.0 * a) * a)
INLINE(TSA_Cuboid, (((a * b) + (b * c)) + (c * a)) * 2.0)
INLINE(TSA_Right_Circular_Cylinder, ((2.0 * kPi) * a) * (a + b))
INLINE(TSA_Right_Circular_Cone, (kPi * a) * (a + b))
INLINE(TSA_Frustum, (((a * a) + ((a + b) * c)) + (b * b)) * kPi)
INLINE(TSA_Sphere, ((4.0 * kPi) * a) * a)
INLINE(TSA_Hemisphere, ((3.0 * kPi) * a) * a)
INLINE(TSA_Pyramid, a + b)
INLINE(TSA_Tetrahedron, (std::sqrt(3.0) * a) * a)
INLINE(VOLUME_Cube, (a * a) * a)
INLINE(VOLUME_Cuboid, (a * b) * c)
INLINE(VOLUME_Right_Circular_Cylinder, ((kPi * a) * a) * b)
INLINE(VOLUME_Right_Circular_Cone, (((kPi * a) * a) * b) / 3.0)
INLINE(VOLUME_Prism, a * b)
INLINE(VOLUME_Sphere, (a * (a * a)) * ((4.0 / 3.0) * kPi))
INLINE(VOLUME_Hemisphere, (a * (a * a)) * ((2.0 / 3.0) * kPi))
INLINE(VOLUME_Pyramid, ((1.0 / 3.0) * a) * b)
INLINE(VOLUME_Tetrahedron, (std::sqrt(2.0) / 12.0) * (a * (a * a)))
    // clang-format on
};
#undef INLINE

// Whether the inline expression gives the library's double, bit for bit, on every input; if not,
// says so for the first input where it does not.
bool same(const std::string& function, const Form& library, const Form& expression) {
    const Values* values = inputs();
    for (std::size_t i = 0; i < kInputs; ++i) {
        const Values& v = values[i];
        const double expected = library.value(v.a, v.b, v.c, v.d);
        const double got = expression.value(v.a, v.b, v.c, v.d);
        if (std::memcmp(&expected, &got, sizeof got) != 0) {
            std::fprintf(stderr,
                         "bench/FormulaBench.cpp: the inline expression of %s gives %a where the "
                         "library gives %a\n",
                         function.c_str(), got, expected);
            return false;
        }
    }
    return true;
}

}  // namespace

// A function of the list without an inline expression here is measured through the library only,
// and the run says so; an expression for no function of the list, or one that gives another double
// than the library, ends the run before anything is timed.
int main(int argc, char** argv) {
    std::size_t matched = 0;
    bool agree = true;
    for (const auto& [function, form] : kLibrary) {
        std::string name = function.substr(function.find("::") + 2);
        name.replace(name.find("::"), 2, "_");
        benchmark::RegisterBenchmark((name + "_library").c_str(), form.measure);
        const auto found = kInline.find(name);
        if (found == kInline.end()) {
            std::fprintf(stderr, "bench/FormulaBench.cpp has no inline expression for %s\n",
                         function.c_str());
            continue;
        }
        agree = same(function, form, found->second) && agree;
        benchmark::RegisterBenchmark((name + "_inline").c_str(), found->second.measure);
        ++matched;
    }
    if (matched != kInline.size()) {
        std::fprintf(stderr,
                     "bench/FormulaBench.cpp has inline expressions for functions that "
                     "tests/golden/formulas.txt does not list\n");
        return 1;
    }
    if (!agree) {
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
