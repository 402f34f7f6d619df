#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "BitExact.hpp"
#include "Frustum.hpp"
#include "MenuTables.hpp"
#include "Planix/Planix.hpp"
#include "Solidix/Solidix.hpp"

// Every formula against its golden vectors: tuples chosen so that any other grouping of the
// formula, a fused multiply-add, hypot or pow, or a constant formed another way changes at least
// one result. The vectors are data, written by tools/golden_vectors.py from the documented
// formulas; here each result must match to the bit (any NaN matches a NaN).
namespace {

struct Formula {
    const char* name;
    double (*call)(const double* args);
    std::size_t arity;
};

// The menu tables' own way of calling a formula with an array of values, one per parameter.
using shapecalc::detail::Arity;
using shapecalc::detail::call;

#define FORMULA(f)                                     \
    Formula {                                          \
#f, &call < &f>, Arity < decltype(&f)> ::value \
    }

const Formula kFormulas[] = {
    FORMULA(Planix::Perimeter::Right_angle_traingle),
    FORMULA(Planix::Perimeter::Isosceles_right_angle_traingle),
    FORMULA(Planix::Perimeter::Equilateral_traingle),
    FORMULA(Planix::Perimeter::Isosceles_traingle),
    FORMULA(Planix::Perimeter::Scalene_traingle),
    FORMULA(Planix::Perimeter::Rectangle),
    FORMULA(Planix::Perimeter::Square),
    FORMULA(Planix::Perimeter::Parallelogram),
    FORMULA(Planix::Perimeter::Rhombus),
    FORMULA(Planix::Perimeter::Trapezium),
    FORMULA(Planix::Perimeter::Kite),
    FORMULA(Planix::Perimeter::Circle),
    FORMULA(Planix::Perimeter::Regular_Hexagon),
    FORMULA(Planix::Area::Right_angle_traingle),
    FORMULA(Planix::Area::Isosceles_right_angle_traingle),
    FORMULA(Planix::Area::Equilateral_traingle),
    FORMULA(Planix::Area::Isosceles_traingle),
    FORMULA(Planix::Area::Scalene_traingle),
    FORMULA(Planix::Area::Rectangle),
    FORMULA(Planix::Area::Square),
    FORMULA(Planix::Area::Parallelogram),
    FORMULA(Planix::Area::Rhombus),
    FORMULA(Planix::Area::Trapezium),
    FORMULA(Planix::Area::Kite),
    FORMULA(Planix::Area::Circle),
    FORMULA(Planix::Area::Regular_Hexagon),
    FORMULA(Solidix::CSA::Cube),
    FORMULA(Solidix::CSA::Right_Circular_Cylinder),
    FORMULA(Solidix::CSA::Right_Circular_Cone),
    FORMULA(Solidix::CSA::Frustum),
    FORMULA(Solidix::CSA::Hemisphere),
    FORMULA(Solidix::CSA::Prism),
    FORMULA(Solidix::CSA::Pyramid),
    FORMULA(Solidix::CSA::Tetrahedron),
    FORMULA(Solidix::TSA::Cube),
    FORMULA(Solidix::TSA::Cuboid),
    FORMULA(Solidix::TSA::Right_Circular_Cylinder),
    FORMULA(Solidix::TSA::Right_Circular_Cone),
    FORMULA(Solidix::TSA::Frustum),
    FORMULA(Solidix::TSA::Sphere),
    FORMULA(Solidix::TSA::Hemisphere),
    FORMULA(Solidix::TSA::Pyramid),
    FORMULA(Solidix::TSA::Tetrahedron),
    FORMULA(Solidix::VOLUME::Cube),
    FORMULA(Solidix::VOLUME::Cuboid),
    FORMULA(Solidix::VOLUME::Right_Circular_Cylinder),
    FORMULA(Solidix::VOLUME::Right_Circular_Cone),
    FORMULA(Solidix::VOLUME::Prism),
    FORMULA(Solidix::VOLUME::Sphere),
    FORMULA(Solidix::VOLUME::Hemisphere),
    FORMULA(Solidix::VOLUME::Pyramid),
    FORMULA(Solidix::VOLUME::Tetrahedron),
    FORMULA(shapecalc::frustum_slant_height),
};

void PrintTo(const Formula& formula, std::ostream* out) {
    *out << formula.name;
}

struct Vector {
    int line;
    std::vector<double> args;
    double result;
};

// The vectors of the data file, by function name; a line that cannot be read is reported under
// the name "malformed".
const std::map<std::string, std::vector<Vector>>& vectors() {
    static const auto all = [] {
        std::map<std::string, std::vector<Vector>> by_name;
        std::ifstream file(SHAPECALC_GOLDEN_VECTORS);
        std::string text;
        for (int line = 1; std::getline(file, text); ++line) {
            if (text.empty() || text[0] == '#')
                continue;
            std::istringstream fields(text);
            std::string name, word;
            fields >> name;
            Vector vector{line, {}, 0.0};
            bool complete = false;
            while (fields >> word) {
                char* end = nullptr;
                const double value = std::strtod(word.c_str(), &end);
                if (word == "=") {
                    complete = static_cast<bool>(fields >> word);
                    vector.result = std::strtod(word.c_str(), &end);
                    complete = complete && *end == '\0' && !(fields >> word);
                    break;
                }
                if (*end != '\0')
                    break;
                vector.args.push_back(value);
            }
            by_name[complete ? name : "malformed"].push_back(vector);
        }
        return by_name;
    }();
    return all;
}

class GoldenVectors : public testing::TestWithParam<Formula> {};

TEST_P(GoldenVectors, EveryResultToTheBit) {
    const Formula& formula = GetParam();
    const auto found = vectors().find(formula.name);
    ASSERT_NE(found, vectors().end()) << "no vectors for " << formula.name;
    // Documented examples, special values and at least one everyday tuple.
    EXPECT_GE(found->second.size(), 10u);
    for (const Vector& vector : found->second) {
        ASSERT_EQ(vector.args.size(), formula.arity) << "line " << vector.line;
        const double actual = formula.call(vector.args.data());
        if (std::isnan(vector.result)) {
            EXPECT_TRUE(std::isnan(actual)) << "line " << vector.line << " gives " << actual;
        } else {
            EXPECT_BITS(actual, vector.result) << " at line " << vector.line;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Formulas, GoldenVectors, testing::ValuesIn(kFormulas),
                         [](const testing::TestParamInfo<Formula>& info) {
                             std::string name = info.param.name;
                             for (char& c : name) {
                                 if (c == ':')
                                     c = '_';
                             }
                             return name;
                         });

TEST(GoldenVectorFile, NamesOnlyKnownFormulasInWellFormedLines) {
    for (const auto& [name, list] : vectors()) {
        bool known = false;
        for (const Formula& formula : kFormulas)
            known = known || name == formula.name;
        EXPECT_TRUE(known) << name << " at line " << list.front().line;
    }
    EXPECT_EQ(vectors().size(), std::size(kFormulas));
}

}  // namespace
