#ifndef SHAPECALC_FRUSTUM_HPP
#define SHAPECALC_FRUSTUM_HPP

// The frustum's surface formulas take the slant height, while the dialogue asks the user for the
// height. These derive l = sqrt(((r1 - r2) * (r1 - r2)) + (h * h)) first, each operation rounded
// to double in that order, and pass the radii and l on unchanged.
namespace shapecalc {

double frustum_slant_height(double r1, double r2, double h);
double frustum_curved_surface(double r1, double r2, double h);
double frustum_total_surface(double r1, double r2, double h);

}  // namespace shapecalc

#endif  // SHAPECALC_FRUSTUM_HPP
