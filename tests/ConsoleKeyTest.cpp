#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <string>
#include <vector>

#include "ConsoleKey.hpp"

// The Windows key wait on a real console input, which the test fills with the records that typing
// and pasting make: what was pending is discarded, one whole key ends the wait, nothing is left
// for the shell, and the console mode is as before.
namespace {

using namespace std::chrono_literals;

INPUT_RECORD key_record(bool down, WORD virtual_key, wchar_t c, DWORD state = 0) {
    INPUT_RECORD record{};
    record.EventType = KEY_EVENT;
    record.Event.KeyEvent.bKeyDown = down;
    record.Event.KeyEvent.wRepeatCount = 1;
    record.Event.KeyEvent.wVirtualKeyCode = virtual_key;
    record.Event.KeyEvent.uChar.UnicodeChar = c;
    record.Event.KeyEvent.dwControlKeyState = state;
    return record;
}

// What typing or pasting the text makes: a press and a release of each character.
std::vector<INPUT_RECORD> typed(const std::wstring& text) {
    std::vector<INPUT_RECORD> records;
    for (const wchar_t c : text) {
        records.push_back(key_record(true, VK_PACKET, c));
        records.push_back(key_record(false, VK_PACKET, c));
    }
    return records;
}

constexpr DWORD kAlt = LEFT_ALT_PRESSED;

struct Case {
    const char* name;
    std::vector<INPUT_RECORD> key;  // the records of the one key, as the console makes them
    char32_t character;             // what the wait must have taken
    WORD virtual_key;
};

const Case kCases[] = {
    {"Letter", typed(L"e"), U'e', VK_PACKET},
    {"UpArrow",
     {key_record(true, VK_UP, 0, ENHANCED_KEY), key_record(false, VK_UP, 0, ENHANCED_KEY)},
     0,
     VK_UP},
    {"ShiftThenF5",
     {key_record(true, VK_SHIFT, 0, SHIFT_PRESSED), key_record(true, VK_F5, 0, SHIFT_PRESSED)},
     0,
     VK_F5},
    {"OutsideTheCodePage",  // U+1F600: a surrogate pair, one record each
     {key_record(true, VK_PACKET, 0xD83D), key_record(true, VK_PACKET, 0xDE00)},
     U'\U0001F600',
     VK_PACKET},
    {"AltNumber",  // Alt+2,3,3: the character comes with the release of Alt
     {key_record(true, VK_MENU, 0, kAlt), key_record(true, VK_NUMPAD2, 0, kAlt),
      key_record(false, VK_NUMPAD2, 0, kAlt), key_record(true, VK_NEXT, 0, kAlt),
      key_record(false, VK_NEXT, 0, kAlt), key_record(true, VK_NUMPAD3, 0, kAlt),
      key_record(false, VK_NUMPAD3, 0, kAlt), key_record(false, VK_MENU, 0xE9)},
     U'\u00E9',
     VK_MENU},
    {"CtrlC", {key_record(true, 'C', 3, LEFT_CTRL_PRESSED)}, 3, 'C'},
};

class ConsoleKeyWait : public testing::TestWithParam<Case> {
  protected:
    void SetUp() override {
        AllocConsole();  // fails when the test already has one, which is as good
        input_ =
            CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                        nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(input_, INVALID_HANDLE_VALUE) << "no console for the test";
        ASSERT_TRUE(GetConsoleMode(input_, &mode_));
    }
    void TearDown() override {
        if (wait_.valid() && wait_.wait_for(0s) != std::future_status::ready)
            put(typed(L"x"));  // a wait that a failed test left running: lets it end
        if (wait_.valid())
            wait_.wait();
        CloseHandle(input_);
    }

    void put(const std::vector<INPUT_RECORD>& records) {
        DWORD written = 0;
        ASSERT_TRUE(WriteConsoleInputW(input_, records.data(), static_cast<DWORD>(records.size()),
                                       &written));
        ASSERT_EQ(written, records.size());
    }
    DWORD pending() {
        DWORD count = 0;
        GetNumberOfConsoleInputEvents(input_, &count);
        return count;
    }

    HANDLE input_ = INVALID_HANDLE_VALUE;
    DWORD mode_ = 0;
    std::future<shapecalc::ConsoleKey> wait_;
};

TEST_P(ConsoleKeyWait, TakesOneWholeKeyAndLeavesNothing) {
    const Case& c = GetParam();
    put(typed(L"exit\recho LEAKED\r"));  // typed ahead: no answer to the prompt to come
    wait_ = std::async(std::launch::async, shapecalc::take_one_key, input_);
    // The wait has begun once what was pending is gone; a key put before that would be lost too.
    for (int tries = 0; pending() != 0 && tries < 3000; ++tries)
        Sleep(10);
    ASSERT_EQ(pending(), 0u) << "pending input not discarded";
    ASSERT_EQ(wait_.wait_for(50ms), std::future_status::timeout) << "ended with no key";

    std::vector<INPUT_RECORD> key_then_paste = c.key;
    for (const INPUT_RECORD& record : typed(L"cho LEAKED\r"))
        key_then_paste.push_back(record);
    put(key_then_paste);
    ASSERT_EQ(wait_.wait_for(30s), std::future_status::ready) << "the key did not end the wait";
    const shapecalc::ConsoleKey key = wait_.get();
    EXPECT_EQ(key.character, c.character);
    EXPECT_EQ(key.virtual_key, c.virtual_key);
    EXPECT_EQ(pending(), 0u) << "input left for the shell";
    DWORD mode = 0;
    GetConsoleMode(input_, &mode);
    EXPECT_EQ(mode, mode_);
}

INSTANTIATE_TEST_SUITE_P(Keys, ConsoleKeyWait, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) { return info.param.name; });

}  // namespace
