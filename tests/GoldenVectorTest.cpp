#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
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

#define FORMULA(f) Formula{#f, &call<&f>, Arity<decltype(&f)>::value},

// The library functions, from the headings of the golden-vector file (tests/FormulaList.cmake),
// and the program's own frustum arithmetic: the slant height and the surfaces derived through it.
const Formula kFormulas[] = {
#include "formulas.inc"
    // clang-format off
    FORMULA(shapecalc::frustum_slant_height)
    FORMULA(shapecalc::frustum_curved_surface)
    FORMULA(shapecalc::frustum_total_surface)
    // clang-format on
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

// A figure menu has one row for each function of its class in the list.
TEST(GoldenVectorFile, EachFigureMenuHasOneRowPerFunctionOfItsClass) {
    struct Menu {
        std::string_view functions;
        const shapecalc::Branch& branch;
        std::size_t choice;
        const char* file;
    };
    const char* const plane = "Shapecalc/src/PlaneMenus.cpp";
    const char* const solid = "Shapecalc/src/SolidMenus.cpp";
    for (const Menu& menu : {Menu{"Planix::Perimeter::", shapecalc::kPlaneBranch, 0, plane},
                             Menu{"Planix::Area::", shapecalc::kPlaneBranch, 1, plane},
                             Menu{"Solidix::CSA::", shapecalc::kSolidBranch, 0, solid},
                             Menu{"Solidix::TSA::", shapecalc::kSolidBranch, 1, solid},
                             Menu{"Solidix::VOLUME::", shapecalc::kSolidBranch, 2, solid}}) {
        std::size_t listed = 0;
        for (const Formula& formula : kFormulas)
            listed +=
                std::string_view(formula.name).substr(0, menu.functions.size()) == menu.functions;
        EXPECT_EQ(menu.branch.choices[menu.choice].menu->count, listed)
            << "rows of the " << menu.functions << " menu in " << menu.file << " against its "
            << "functions in tests/golden/formulas.txt: add the row, or the formula to "
            << "tools/golden_vectors.py";
    }
}

}  // namespace
