#include "ConsoleKey.hpp"

namespace shapecalc {

namespace {

// The console whose mode the wait changed, for the control handler, which runs on a thread of
// its own.
HANDLE g_input = nullptr;
DWORD g_mode = 0;

BOOL WINAPI restore_mode(DWORD /*event*/) {
    SetConsoleMode(g_input, g_mode);
    return FALSE;  // the event then does what it would have done: end the program
}

bool is_modifier(WORD key) {
    return key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU || key == VK_CAPITAL ||
           key == VK_NUMLOCK || key == VK_SCROLL || key == VK_LWIN || key == VK_RWIN;
}

// A digit of an Alt+number sequence: a key of the numeric keypad while Alt is held (with Num Lock
// off the keypad sends the cursor keys, told apart from the real ones by ENHANCED_KEY).
bool is_alt_number_digit(const KEY_EVENT_RECORD& key) {
    if ((key.dwControlKeyState & (LEFT_ALT_PRESSED | RIGHT_ALT_PRESSED)) == 0)
        return false;
    const WORD code = key.wVirtualKeyCode;
    if (code >= VK_NUMPAD0 && code <= VK_NUMPAD9)
        return true;
    const bool keypad_cursor = code == VK_INSERT || code == VK_END || code == VK_DOWN ||
                               code == VK_NEXT || code == VK_LEFT || code == VK_CLEAR ||
                               code == VK_RIGHT || code == VK_HOME || code == VK_UP ||
                               code == VK_PRIOR;
    return keypad_cursor && (key.dwControlKeyState & ENHANCED_KEY) == 0;
}

// Reads records until one whole key has come; a key with no character when the console is gone.
ConsoleKey read_key(HANDLE input) {
    wchar_t high_surrogate = 0;
    INPUT_RECORD record;
    DWORD count = 0;
    while (ReadConsoleInputW(input, &record, 1, &count)) {
        if (count == 0 || record.EventType != KEY_EVENT)
            continue;  // mouse, focus and window events are not keys
        const KEY_EVENT_RECORD& key = record.Event.KeyEvent;
        const wchar_t c = key.uChar.UnicodeChar;
        if (!key.bKeyDown) {
            if (key.wVirtualKeyCode == VK_MENU && c != 0)  // the end of an Alt+number sequence
                return {c, key.wVirtualKeyCode};
            continue;
        }
        if ((c == 0 && is_modifier(key.wVirtualKeyCode)) || is_alt_number_digit(key))
            continue;
        if (c >= 0xD800 && c < 0xDC00) {
            high_surrogate = c;  // the rest of the character is the next record
            continue;
        }
        if (c >= 0xDC00 && c < 0xE000 && high_surrogate != 0) {
            return {0x10000 + ((static_cast<char32_t>(high_surrogate) - 0xD800) << 10) +
                        (static_cast<char32_t>(c) - 0xDC00),
                    key.wVirtualKeyCode};
        }
        return {c, key.wVirtualKeyCode};
    }
    return {};
}

}  // namespace

ConsoleKey take_one_key(HANDLE input) {
    DWORD mode = 0;
    const bool has_mode = GetConsoleMode(input, &mode) != 0;
    if (has_mode) {
        g_input = input;
        g_mode = mode;
        SetConsoleCtrlHandler(restore_mode, TRUE);
        // Keys one by one, unechoed, as records (not escape sequences); Ctrl-C read as a key.
        SetConsoleMode(input, mode & ~static_cast<DWORD>(ENABLE_LINE_INPUT | ENABLE_ECHO_INPUT |
                                                         ENABLE_PROCESSED_INPUT |
                                                         ENABLE_VIRTUAL_TERMINAL_INPUT));
    }
    FlushConsoleInputBuffer(input);  // typed or pasted before the prompt: not an answer to it
    const ConsoleKey key = read_key(input);
    FlushConsoleInputBuffer(input);  // the rest of a paste is not for the shell either
    if (has_mode) {
        SetConsoleMode(input, mode);
        SetConsoleCtrlHandler(restore_mode, FALSE);
    }
    return key;
}

}  // namespace shapecalc
