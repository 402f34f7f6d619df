#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cfenv>
#include <cstring>

#include "BitExact.hpp"

// Loading a formula library must leave the process's floating-point environment as it was: a
// library linked with a fast-math start-up file would switch on flush-to-zero and
// denormals-are-zero for the whole process, the caller's own arithmetic included. This program
// does not link the libraries; it loads each one itself, after taking the environment.
namespace {

struct Library {
    const char* path;
    const char* symbol;  // a product of two arguments: Area::Square(a) or CSA::Prism(p, h)
    bool two_arguments;
};

void PrintTo(const Library& library, std::ostream* out) {
    *out << library.path;
}

class LoadedLibrary : public testing::TestWithParam<Library> {};

double subnormal_product() {
    volatile double a = 0x1p-520;  // volatile: computed now, under the current environment
    return a * a;
}

TEST_P(LoadedLibrary, LeavesTheFloatingPointEnvironmentAlone) {
    const Library& library = GetParam();
    std::fenv_t before;
    ASSERT_EQ(std::fegetenv(&before), 0);
    EXPECT_BITS(subnormal_product(), 0x1p-1040);

    void* handle = dlopen(library.path, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(handle, nullptr) << dlerror();
    std::fenv_t after;
    ASSERT_EQ(std::fegetenv(&after), 0);
    EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0) << "the environment changed";
    EXPECT_BITS(subnormal_product(), 0x1p-1040);

    // The library's own results: a subnormal result is not flushed, a subnormal argument is not
    // taken as zero.
    void* symbol = dlsym(handle, library.symbol);
    ASSERT_NE(symbol, nullptr) << dlerror();
    if (library.two_arguments) {
        const auto prism = reinterpret_cast<double (*)(double, double)>(symbol);
        EXPECT_BITS(prism(0x1p-520, 0x1p-520), 0x1p-1040);
        EXPECT_BITS(prism(0x1p-1060, 4.0), 0x1p-1058);
    } else {
        const auto square = reinterpret_cast<double (*)(double)>(symbol);
        EXPECT_BITS(square(0x1p-520), 0x1p-1040);
        EXPECT_BITS(square(-0x1p-537), 0x1p-1074);
    }
}

INSTANTIATE_TEST_SUITE_P(
    FormulaLibraries, LoadedLibrary,
    testing::Values(Library{SHAPECALC_PLANIX_PATH, "_ZN6Planix4Area6SquareEd", false},
                    Library{SHAPECALC_SOLIDIX_PATH, "_ZN7Solidix3CSA5PrismEdd", true}),
    [](const testing::TestParamInfo<Library>& info) {
        return std::string(info.param.two_arguments ? "Solidix" : "Planix");
    });

}  // namespace
