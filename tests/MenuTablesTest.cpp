#include <gtest/gtest.h>

#include <string>

#include "MenuTables.hpp"

// The generic row builder: values go to the function in prompt order, one per prompt.
namespace {

using shapecalc::FigureRow;

double digits(double a, double b, double c, double d) {
    return ((a * 1000 + b * 100) + c * 10) + d;
}
double difference(double a, double b) {
    return a - b;
}

// Texts known only at run time, so that the builders run here rather than in the compiler.
const std::string kLabel = "label";
const std::string kList = "list";

TEST(MenuTables, RowPassesTheValuesInPromptOrder) {
    const FigureRow row = shapecalc::row<&digits>(kLabel.c_str(), "1st", "2nd", "3rd", "4th");
    EXPECT_EQ(row.prompt_count, 4u);
    EXPECT_EQ(row.prompts[0], "1st");
    EXPECT_EQ(row.prompts[3], "4th");
    EXPECT_EQ(row.label, "label");
    const double values[] = {1, 2, 3, 4};
    EXPECT_EQ(row.formula(values), 1234.0);
}

TEST(MenuTables, RowUsesOnlyItsOwnValues) {
    const FigureRow row = shapecalc::row<&difference>(kLabel.c_str(), "a", "b");
    EXPECT_EQ(row.prompt_count, 2u);
    EXPECT_TRUE(row.prompts[2].empty());
    const double values[] = {7, 2, 1e300, -1e300};  // c and d left from an earlier dialogue
    EXPECT_EQ(row.formula(values), 5.0);
}

TEST(MenuTables, MenuAndBranchCountTheirEntries) {
    const FigureRow rows[] = {shapecalc::row<&difference>(kLabel.c_str(), "a", "b"),
                              shapecalc::row<&difference>(kLabel.c_str(), "a", "b"),
                              shapecalc::row<&digits>(kLabel.c_str(), "a", "b", "c", "d")};
    const shapecalc::FigureMenu menu = shapecalc::menu(kList.c_str(), rows);
    EXPECT_EQ(menu.count, 3u);
    EXPECT_EQ(menu.rows, rows);
    const shapecalc::QuantityChoice choices[] = {{"1", &menu}, {"2", &menu}};
    const shapecalc::Branch branch = shapecalc::branch(kList.c_str(), choices);
    EXPECT_EQ(branch.choice_count, 2u);
    EXPECT_EQ(branch.choices[1].word, "2");
}

}  // namespace
