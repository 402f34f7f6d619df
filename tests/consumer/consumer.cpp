// A program of someone else's, built against the installed Planix and Solidix.
#include <Planix/Planix.hpp>
#include <Solidix/Solidix.hpp>

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

int failures = 0;

void expect_bits(const char* what, double actual, double expected) {
    std::uint64_t a = 0;
    std::uint64_t e = 0;
    std::memcpy(&a, &actual, sizeof a);
    std::memcpy(&e, &expected, sizeof e);
    if (a != e) {
        std::printf("FAIL %s: %.17g, expected %.17g\n", what, actual, expected);
        ++failures;
    }
}

}  // namespace

int main() {
    expect_bits("Area::Circle(2.1)", Planix::Area::Circle(2.1), 13.860000000000001);
    expect_bits("Perimeter::Circle(7)", Planix::Perimeter::Circle(7), 44.0);
    expect_bits("Area::Regular_Hexagon(0.1)", Planix::Area::Regular_Hexagon(0.1),
                0.025980762113533163);
    expect_bits("VOLUME::Sphere(21)", Solidix::VOLUME::Sphere(21), 38807.99999999999);
    expect_bits("VOLUME::Pyramid(7, 10)", Solidix::VOLUME::Pyramid(7, 10), 23.33333333333333);
    expect_bits("TSA::Cuboid(3, 4, 5)", Solidix::TSA::Cuboid(3, 4, 5), 94.0);
    static_assert(PLANIX_VERSION_MAJOR == 1 && SOLIDIX_VERSION_MAJOR == 1, "version headers");
    std::printf("consumer: Planix %s, Solidix %s, %d failures\n", PLANIX_VERSION_STRING,
                SOLIDIX_VERSION_STRING, failures);
    return failures == 0 ? 0 : 1;
}
