// Prints the shape of the dialogue's figure menus, straight from its tables, for the session
// benchmark: one line per figure menu, "<top word> <quantity word>|<values of row 1> <row 2> ...".
#include <cstdio>
#include <string>

#include "MenuTables.hpp"

int main() {
    const std::pair<const char*, const shapecalc::Branch*> branches[] = {
        {"2", &shapecalc::kPlaneBranch}, {"3", &shapecalc::kSolidBranch}};
    for (const auto& [top, branch] : branches) {
        for (std::size_t q = 0; q < branch->choice_count; ++q) {
            const shapecalc::QuantityChoice& choice = branch->choices[q];
            std::string line = std::string(top) + " " + std::string(choice.word) + "|";
            for (unsigned r = 0; r < choice.menu->count; ++r)
                line += (r ? " " : "") + std::to_string(choice.menu->rows[r].prompt_count);
            std::puts(line.c_str());
        }
    }
    return 0;
}
