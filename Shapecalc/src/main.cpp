#include <iostream>

#include "Console.hpp"
#include "Dialogue.hpp"

// Shapecalc takes no arguments, reads only standard input and writes only standard output; the
// last key press comes from the console. It always ends with status 0.
int main() {
    std::ios_base::sync_with_stdio(false);
    shapecalc::Dialogue dialogue(std::cin, std::cout);
    dialogue.run();
    std::cout.flush();
    shapecalc::wait_for_key();
    return 0;
}
