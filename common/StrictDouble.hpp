#ifndef SHAPECALC_COMMON_STRICT_DOUBLE_HPP
#define SHAPECALC_COMMON_STRICT_DOUBLE_HPP

#include <cfloat>

// Every translation unit that does the project's arithmetic includes this. Each intermediate must
// be a double rounded to double: x87-style wider evaluation would change the last bits of the
// results, so such a target is refused at compile time (SSE2 arithmetic works).
static_assert(FLT_EVAL_METHOD == 0, "Shapecalc needs double arithmetic evaluated in double");

#endif  // SHAPECALC_COMMON_STRICT_DOUBLE_HPP
