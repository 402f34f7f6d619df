#include "Frustum.hpp"

#include <cmath>

#include "Solidix/Solidix.hpp"
#include "StrictDouble.hpp"

namespace shapecalc {

double frustum_slant_height(double r1, double r2, double h) {
    return std::sqrt(((r1 - r2) * (r1 - r2)) + (h * h));
}

double frustum_curved_surface(double r1, double r2, double h) {
    return Solidix::CSA::Frustum(r1, r2, frustum_slant_height(r1, r2, h));
}

double frustum_total_surface(double r1, double r2, double h) {
    return Solidix::TSA::Frustum(r1, r2, frustum_slant_height(r1, r2, h));
}

}  // namespace shapecalc
