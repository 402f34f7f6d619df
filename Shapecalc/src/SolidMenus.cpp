#include "Frustum.hpp"
#include "MenuTables.hpp"
#include "Texts.hpp"

#include "Solidix/Solidix.hpp"

// The solid-figure branch: quantity menu, the curved-surface, total-surface and volume menus and
// each figure's prompts and library call. Each menu has one result label for all its rows.
namespace shapecalc {

namespace {

using Solidix::CSA;
using Solidix::TSA;
using Solidix::VOLUME;
using text::kHeight;
using text::kRadius;
using text::kSide;

constexpr std::string_view kQuantityMenu =
    "\t1. Curved/Lateral Surface Area\n\t2. Total Surface Area\n\t3. Volume\n"
    "\t0. Back to previous option\n";

#define SHAPECALC_BACK "\n\t0.Back to previous option\n\n"
constexpr std::string_view kCurvedList =
    "\n\t1.Cube\n\t2.Right_Circular_Cylinder\n\t3.Right_Circular_Cone\n\t4.Frustum\n"
    "\t5.Hemisphere\n\t6.Prism\n\t7.Pyramid\n\t8.Tetrahedron\n" SHAPECALC_BACK;
constexpr std::string_view kTotalList =
    "\n\t1.Cube\n\t2.Cuboid\n\t3.Right_Circular_Cylinder\n\t4.Right_Circular_Cone\n\t5.Frustum\n"
    "\t6.Sphere\n\t7.Hemisphere\n\t8.Pyramid\n\t9.Tetrahedron\n" SHAPECALC_BACK;
constexpr std::string_view kVolumeList =
    "\n\t1.Cube\n\t2.Cuboid\n\t3.Right_Circular_Cylinder\n\t4.Right_Circular_Cone\n\t5.Prism\n"
    "\t6.Sphere\n\t7.Hemisphere\n\t8.Pyramid\n\t9.Tetrahedron\n" SHAPECALC_BACK;
#undef SHAPECALC_BACK

constexpr std::string_view kCurved = "\n\tCurved/Lateral Surface Area = ";
constexpr std::string_view kTotal = "\n\tTotal Surface Area = ";
constexpr std::string_view kVolume = "\n\tVolume = ";

constexpr std::string_view kSlantHeight = "\tLength of slant height: ";
constexpr std::string_view kRadius1 = "\tLength of 1st radius: ";
constexpr std::string_view kRadius2 = "\tLength of 2nd radius: ";
constexpr std::string_view kBasePerimeter = "\tPermeter of base: ";
constexpr std::string_view kBaseArea = "\tArea of base: ";
constexpr std::string_view kCuboidLength = "\tLength : ";
constexpr std::string_view kCuboidWidth = "\tWidth : ";
constexpr std::string_view kCuboidHeight = "\tHeight : ";

constexpr FigureRow kCurvedRows[] = {
    row<&CSA::Cube>(kCurved, kSide),
    row<&CSA::Right_Circular_Cylinder>(kCurved, kRadius, kHeight),
    row<&CSA::Right_Circular_Cone>(kCurved, kRadius, kSlantHeight),
    row<&frustum_curved_surface>(kCurved, kRadius1, kRadius2, kHeight),
    row<&CSA::Hemisphere>(kCurved, kRadius),
    row<&CSA::Prism>(kCurved, kBasePerimeter, kHeight),
    row<&CSA::Pyramid>(kCurved, kBasePerimeter, kSlantHeight),
    row<&CSA::Tetrahedron>(kCurved, kSide),
};

constexpr FigureRow kTotalRows[] = {
    row<&TSA::Cube>(kTotal, kSide),
    row<&TSA::Cuboid>(kTotal, kCuboidLength, kCuboidWidth, kCuboidHeight),
    row<&TSA::Right_Circular_Cylinder>(kTotal, kRadius, kHeight),
    row<&TSA::Right_Circular_Cone>(kTotal, kRadius, kSlantHeight),
    row<&frustum_total_surface>(kTotal, kRadius1, kRadius2, kHeight),
    row<&TSA::Sphere>(kTotal, kRadius),
    row<&TSA::Hemisphere>(kTotal, kRadius),
    row<&TSA::Pyramid>(kTotal, "\tArea of lateral face: ", kBaseArea),
    row<&TSA::Tetrahedron>(kTotal, kSide),
};

constexpr FigureRow kVolumeRows[] = {
    row<&VOLUME::Cube>(kVolume, kSide),
    row<&VOLUME::Cuboid>(kVolume, kCuboidLength, kCuboidWidth, kCuboidHeight),
    row<&VOLUME::Right_Circular_Cylinder>(kVolume, kRadius, kHeight),
    row<&VOLUME::Right_Circular_Cone>(kVolume, kRadius, kHeight),
    row<&VOLUME::Prism>(kVolume, "\tBase area: ", kHeight),
    row<&VOLUME::Sphere>(kVolume, kRadius),
    row<&VOLUME::Hemisphere>(kVolume, kRadius),
    row<&VOLUME::Pyramid>(kVolume, kBaseArea, "\tHeight: "),
    row<&VOLUME::Tetrahedron>(kVolume, kSide),
};

constexpr FigureMenu kCurvedMenu = menu(kCurvedList, kCurvedRows);
constexpr FigureMenu kTotalMenu = menu(kTotalList, kTotalRows);
constexpr FigureMenu kVolumeMenu = menu(kVolumeList, kVolumeRows);

constexpr QuantityChoice kChoices[] = {
    {"1", &kCurvedMenu}, {"2", &kTotalMenu}, {"3", &kVolumeMenu}};

}  // namespace

const Branch kSolidBranch = branch(kQuantityMenu, kChoices);

}  // namespace shapecalc
