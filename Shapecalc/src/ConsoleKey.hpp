#ifndef SHAPECALC_CONSOLE_KEY_HPP
#define SHAPECALC_CONSOLE_KEY_HPP

#include <windows.h>

namespace shapecalc {

// One key press, as the Windows console reports it.
struct ConsoleKey {
    char32_t character = 0;  // 0 for a key without one (an arrow, a function key)
    WORD virtual_key = 0;
};

// Takes one key press whole from the console input `input` (CONIN$, or any console input a test
// fills with records): discards the input pending when it is called, waits for a key (an extended
// key; a character outside the console's code page, which comes as two records; an Alt+number
// sequence, whose character comes when Alt is released), then discards what follows it (the rest
// of a paste). Meanwhile Ctrl-C is a key like any other; the console mode is left as it was found,
// also when Ctrl-Break or closing the console ends the program during the wait.
ConsoleKey take_one_key(HANDLE input);

}  // namespace shapecalc

#endif  // SHAPECALC_CONSOLE_KEY_HPP
