#include <csignal>
#include <iostream>

#include "Console.hpp"
#include "Dialogue.hpp"

// Shapecalc takes no arguments, reads only standard input and writes only standard output; the
// last key press comes from the console. It always ends with status 0.
int main() {
#ifdef SIGPIPE
    // A reader that goes away (`Shapecalc | head`) makes writes fail instead of killing the
    // program; the dialogue then ends on its own.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    std::ios_base::sync_with_stdio(false);
    std::cin.tie(nullptr);  // the dialogue flushes before it waits for input, and only then
    shapecalc::Dialogue dialogue(std::cin, std::cout);
    dialogue.run();
    std::cout.flush();
    if (std::cout) {  // a farewell nobody could see asks for no key
        shapecalc::wait_for_key();
    }
    return 0;
}
