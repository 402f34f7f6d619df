#ifndef SHAPECALC_DIALOGUE_STATE_HPP
#define SHAPECALC_DIALOGUE_STATE_HPP

#include <cstdint>

#include "MenuTables.hpp"
#include "Word.hpp"

namespace shapecalc {

// The one dialogue state of a run, shared by the main loop and both branches. Lengths are never
// cleared between calculations: a row that reads fewer values leaves the others as they were.
struct DialogueState {
    Word choice;                                       // top-menu word
    Word ch1;                                          // quantity-menu word of either branch
    std::int32_t ch = 0;                               // figure number of every figure menu
    double values[kMaxValues] = {0.0, 0.0, 0.0, 0.0};  // a, b, c, d in prompt order
    bool show_menu = true;                             // the top menu is shown at the start
    bool show_quantity_menu = true;
    bool show_figure_list = true;  // set again by every pass of a quantity menu
};

}  // namespace shapecalc

#endif  // SHAPECALC_DIALOGUE_STATE_HPP
