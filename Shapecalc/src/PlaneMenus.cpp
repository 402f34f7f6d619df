#include "MenuTables.hpp"
#include "Texts.hpp"

#include "Planix/Planix.hpp"

#include <iterator>

// The plane-figure branch: quantity menu, the two figure menus (same list, same numbers) and
// each figure's prompts, library call and label.
namespace shapecalc {

namespace {

using Planix::Area;
using Planix::Perimeter;
using text::kHeight;
using text::kRadius;
using text::kSide;

constexpr std::string_view kQuantityMenu =
    "\t1. Perimeter\n\t2. Area\n\t0. Back to previous option\n";

constexpr std::string_view kFigureList =
    "\n\tTriangle:\n"
    "\t\t1. Right_angle_traingle \n\t\t2.Isosceles_right_angle_traingle \n"
    "\t\t3.Equilateral_traingle \n\t\t4.Isosceles_traingle \n\t\t5.Scalene_traingle \n"
    "\tQudrilateral:\n"
    "\t\t6. Rectangle \n\t\t7.Square \n\t\t8.Parallelogram \n\t\t9.Rhombus \n\t\t10.Trapezium \n"
    "\t\t11.Kite \n"
    "\tOther Polygons:\n"
    "\t\t12. Circle \n\t\t13. Regular_Hexagon \n"
    "\tBack to previous option:\n"
    "\t\t\t    Press 0 \n\n";

constexpr std::string_view kPerimeter = "\n\tPerimeter = ";
constexpr std::string_view kCircumference = "\n\tCircumference = ";
constexpr std::string_view kArea = "\n\tArea = ";

constexpr std::string_view kBase = "\tLength of base: ";
constexpr std::string_view kBaseHeight = "\tLength of base/height: ";
constexpr std::string_view kEqualSides = "\tLength of equal sides: ";
constexpr std::string_view kOtherSide = "\tLength of other side: ";
constexpr std::string_view kSide1 = "\tLength of 1st side: ";
constexpr std::string_view kSide2 = "\tLength of 2nd side: ";
constexpr std::string_view kSide3 = "\tLength of 3rd side: ";
constexpr std::string_view kLength = "\tLength of lenth: ";
constexpr std::string_view kWidth = "\tLength of width: ";
constexpr std::string_view kDiagonal1 = "\tLength of 1st diagonal: ";
constexpr std::string_view kDiagonal2 = "\tLength of 2nd diagonal: ";

constexpr FigureRow kPerimeterRows[] = {
    row<&Perimeter::Right_angle_traingle>(kPerimeter, kBase, kHeight),
    row<&Perimeter::Isosceles_right_angle_traingle>(kPerimeter, kBaseHeight),
    row<&Perimeter::Equilateral_traingle>(kPerimeter, kSide),
    row<&Perimeter::Isosceles_traingle>(kPerimeter, kEqualSides, kOtherSide),
    row<&Perimeter::Scalene_traingle>(kPerimeter, kSide1, kSide2, kSide3),
    row<&Perimeter::Rectangle>(kPerimeter, kLength, kWidth),
    row<&Perimeter::Square>(kPerimeter, kSide),
    row<&Perimeter::Parallelogram>(kPerimeter, kLength, kWidth),
    row<&Perimeter::Rhombus>(kPerimeter, kSide),
    row<&Perimeter::Trapezium>(kPerimeter, "\tLength of 1st: ", "\tLength of 2nd: ",
                               "\tLength of 3rd: ", "\tLength of 4th: "),
    row<&Perimeter::Kite>(
        kPerimeter, "\tLength of 1st non adjacent side: ", "\tLength of 2nd non adjacent side: "),
    row<&Perimeter::Circle>(kCircumference, kRadius),
    row<&Perimeter::Regular_Hexagon>(kPerimeter, kSide),
};

constexpr FigureRow kAreaRows[] = {
    row<&Area::Right_angle_traingle>(kArea, kBase, kHeight),
    row<&Area::Isosceles_right_angle_traingle>(kArea, kBaseHeight),
    row<&Area::Equilateral_traingle>(kArea, kSide),
    row<&Area::Isosceles_traingle>(kArea, kEqualSides, kOtherSide),
    row<&Area::Scalene_traingle>(kArea, kSide1, kSide2, kSide3),
    row<&Area::Rectangle>(kArea, kLength, kWidth),
    row<&Area::Square>(kArea, kSide),
    row<&Area::Parallelogram>(kArea, kLength, kWidth),
    row<&Area::Rhombus>(kArea, kDiagonal1, kDiagonal2),
    row<&Area::Trapezium>(
        kArea, "\tLength of 1st parallel side: ", "\tLength of 2nd parallel side: ", kHeight),
    row<&Area::Kite>(kArea, kDiagonal1, kDiagonal2),
    row<&Area::Circle>(kArea, kRadius),
    row<&Area::Regular_Hexagon>(kArea, kSide),
};

static_assert(std::size(kPerimeterRows) == std::size(kAreaRows),
              "the two plane menus differ in length: each figure has a perimeter row and an area "
              "row, in the same place");

constexpr FigureMenu kPerimeterMenu = menu(kFigureList, kPerimeterRows);
constexpr FigureMenu kAreaMenu = menu(kFigureList, kAreaRows);

constexpr QuantityChoice kChoices[] = {{"1", &kPerimeterMenu}, {"2", &kAreaMenu}};

}  // namespace

const Branch kPlaneBranch = branch(kQuantityMenu, kChoices);

}  // namespace shapecalc
