#include <windows.h>

#include "Console.hpp"
#include "ConsoleKey.hpp"

// The key wait on a Windows console. The key comes from the console itself (CONIN$), never from a
// redirected standard input. Without a console, or when the farewell went to a file or a pipe
// (standard output is then no console), nobody could answer or see it.
namespace shapecalc {

void wait_for_key() {
    DWORD mode = 0;
    if (GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) == 0) {
        return;
    }
    // Writing to the input is what discarding pending input needs.
    const HANDLE input =
        CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (input == INVALID_HANDLE_VALUE) {
        return;
    }
    (void)take_one_key(input);
    CloseHandle(input);
    // The next prompt starts on a line of its own: written to the console itself, so that
    // standard output gets no byte more.
    const HANDLE screen =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (screen != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteConsoleA(screen, "\r\n", 2, &written, nullptr);
        CloseHandle(screen);
    }
}

}  // namespace shapecalc
