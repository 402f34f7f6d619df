#include <conio.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

#include "Console.hpp"

// The key wait on a Windows console: _getch reads one key without echo. Without a console, or
// when the farewell went to a file or a pipe, nobody could answer or see it.
namespace shapecalc {

void wait_for_key() {
    if (GetConsoleWindow() == nullptr || _isatty(_fileno(stdout)) == 0) {
        return;
    }
    const int key = _getch();
    if (key == 0 || key == 0xE0) {
        (void)_getch();  // an extended key (arrows, function keys) comes as a prefix and a code
    }
}

}  // namespace shapecalc
