#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "Program.hpp"
#include "Transcript.hpp"

// The final key wait on a real terminal: the program runs on a pseudo-terminal as a job of a
// small job-control shell (its own process group, in the foreground or the background), as it
// would from an interactive shell.
namespace {

using Clock = std::chrono::steady_clock;
constexpr int kLimitMs = 20000;
// How long a program that must not wait for a key may take to end.
constexpr int kNoWaitMs = 5000;

class Terminal : public testing::Test {
  protected:
    static harness::Options answers_from_terminal() {
        harness::Options options;
        options.input = harness::Input::Terminal;
        return options;
    }

    void start(harness::Options options = answers_from_terminal()) {
        options.on_terminal = true;
        program_.emplace(options);
        ASSERT_GE(program_->terminal(), 0);
        ASSERT_EQ(::tcgetattr(program_->terminal(), &original_), 0);
    }

    void type(const std::string& keys) { ASSERT_TRUE(program_->send(keys)); }
    bool read_until(const std::string& text) { return program_->wait_for(text, kLimitMs); }
    const std::string& screen() const { return program_->output(); }
    bool still_running() { return program_->running(); }
    int exit_status(int limit_ms = kLimitMs) { return program_->finish(limit_ms); }

    // Polls `done` until it holds; false on the time limit.
    template <typename Done>
    static bool eventually(Done done) {
        const auto deadline = Clock::now() + std::chrono::milliseconds(kLimitMs);
        while (!done()) {
            if (Clock::now() > deadline)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return true;
    }

    // Waits until the terminal is in the key-wait mode: no echo, no line editing.
    bool in_raw_mode() {
        termios now{};
        return ::tcgetattr(program_->terminal(), &now) == 0 && (now.c_lflag & (ECHO | ICANON)) == 0;
    }
    bool wait_for_raw_mode() {
        return eventually([this] { return in_raw_mode(); });
    }

    void expect_settings_restored() {
        termios after{};
        ASSERT_EQ(::tcgetattr(program_->terminal(), &after), 0);
        EXPECT_EQ(after.c_lflag, original_.c_lflag);
        EXPECT_EQ(after.c_cc[VMIN], original_.c_cc[VMIN]);
        EXPECT_EQ(after.c_cc[VTIME], original_.c_cc[VTIME]);
    }

    bool wait_until_stopped() {
        return eventually([this] { return program_->state() == 'T'; });
    }

    // What the terminal still holds for the next reader (the shell), after the program.
    std::string left_for_the_shell() {
        const int terminal = program_->terminal();
        termios raw = original_;
        cfmakeraw(&raw);
        raw.c_cc[VMIN] = 0;
        raw.c_cc[VTIME] = 0;
        ::tcsetattr(terminal, TCSANOW, &raw);
        std::string left;
        char buf[256];
        ssize_t n = 0;
        while ((n = ::read(terminal, buf, sizeof buf)) > 0)
            left.append(buf, static_cast<std::size_t>(n));
        ::tcsetattr(terminal, TCSANOW, &original_);
        return left;
    }

    // Ends the dialogue with "exit" and waits until the program waits for its key.
    void reach_the_key_wait() {
        start();
        type("exit\n");
        ASSERT_TRUE(read_until("Press any key"));
        ASSERT_TRUE(wait_for_raw_mode());
    }

    std::optional<harness::Program> program_;
    termios original_{};
};

// How a shell may start the program in the foreground: as a command of its own, as the last
// command of a pipeline (the group's leader is another process), or with descriptors another
// program left non-blocking (the first read then finds nothing typed yet).
struct Start {
    const char* name;
    bool group_leader;
    bool nonblocking;
};
void PrintTo(const Start& param, std::ostream* out) {
    *out << param.name;
}

class ForegroundStart : public Terminal, public testing::WithParamInterface<Start> {};

TEST_P(ForegroundStart, OneKeyWithoutEchoThenSettingsRestored) {
    harness::Options options = answers_from_terminal();
    options.group_leader = GetParam().group_leader;
    options.nonblocking = GetParam().nonblocking;
    start(options);
    ASSERT_TRUE(read_until("Enter your Choice: "));
    ASSERT_TRUE(program_->wait_until_asleep(kLimitMs)) << "the first read is made before typing";
    type("exit\n");
    ASSERT_TRUE(read_until("\n THANK YOU, for using this application.\r\n\r\n Press any key"));
    EXPECT_EQ(screen().find("continueouly"), std::string::npos) << "nothing invalid was typed";
    ASSERT_TRUE(wait_for_raw_mode());
    EXPECT_TRUE(still_running()) << "ended before a key was pressed";
    const std::size_t before_key = screen().size();
    type("k");
    EXPECT_EQ(exit_status(), 0);
    EXPECT_EQ(screen().find('k', before_key), std::string::npos) << "the key was echoed";
    expect_settings_restored();
}

INSTANTIATE_TEST_SUITE_P(Terminal, ForegroundStart,
                         testing::Values(Start{"Alone", true, false},
                                         Start{"LastOfAPipeline", false, false},
                                         Start{"NonBlocking", true, true}),
                         [](const testing::TestParamInfo<Start>& info) { return info.param.name; });

// Ctrl-D at a terminal ends the input, but the terminal still gives whatever is typed after it.
// An answer ended by Ctrl-D, then Ctrl-D again, then one more line: the dialogue ends at the end
// of input, whichever reader met it, and never reads that line.
struct EndedAnswer {
    const char* name;
    const char* typed;                  // before the two Ctrl-D
    std::vector<std::string> expected;  // the program's output: texts, and fragments as @names
};
void PrintTo(const EndedAnswer& param, std::ostream* out) {
    *out << param.name;
}

class EndOfInputAtATerminal : public Terminal, public testing::WithParamInterface<EndedAnswer> {};

TEST_P(EndOfInputAtATerminal, IsFinalThoughMoreIsTyped) {
    const transcript::Fragments fragments =
        transcript::load_fragments(SHAPECALC_TRANSCRIPTS "/fragments.txt");
    std::string expected;
    for (const std::string& piece : GetParam().expected)
        expected += piece[0] == '@' ? fragments.at(piece.substr(1)) : piece;
    start();
    termios no_echo = original_;  // the screen then holds the program's output alone
    no_echo.c_lflag &= static_cast<tcflag_t>(~ECHO);
    ASSERT_EQ(::tcsetattr(program_->terminal(), TCSANOW, &no_echo), 0);
    original_ = no_echo;
    // A program that read on would take the line, then end at the third Ctrl-D.
    type(std::string(GetParam().typed) + "\x04\x04" + "1\n\x04");
    ASSERT_TRUE(read_until("Press any key"));
    std::string output = screen();
    for (std::size_t at = 0; (at = output.find("\r\n", at)) != std::string::npos;)
        output.erase(at, 1);
    EXPECT_EQ(transcript::visible(output), transcript::visible(expected));
    // What was typed after the end is discarded when the wait begins; had the terminal passed it
    // on only later, it was the key.
    ASSERT_TRUE(eventually([this] { return in_raw_mode() || !still_running(); }));
    type("k");
    EXPECT_EQ(exit_status(), 0);
}

// The output up to the plane figure menu's prompt, then `rest`.
std::vector<std::string> after_plane_list(const std::vector<std::string>& rest) {
    std::vector<std::string> pieces = {"@start",  "@top_menu",   "@top_prompt", "@plane_quantities",
                                       "@prompt", "@plane_list", "@prompt"};
    pieces.insert(pieces.end(), rest.begin(), rest.end());
    return pieces;
}

INSTANTIATE_TEST_SUITE_P(
    Terminal, EndOfInputAtATerminal,
    testing::Values(
        EndedAnswer{"TopMenuWord",
                    "2",
                    {"@start", "@top_menu", "@top_prompt", "@plane_quantities", "@prompt",
                     "@invalid_inputs", "@farewell"}},
        EndedAnswer{"QuantityWord", "2 2", after_plane_list({"@invalid_inputs", "@farewell"})},
        EndedAnswer{"FigureNumber", "2 2 12",
                    after_plane_list({"\tLength of radius: ", "@area", "0\n", "@plane_list",
                                      "@prompt", "@invalid_inputs", "@farewell"})},
        EndedAnswer{"Length", "2 2 12 7",
                    after_plane_list({"\tLength of radius: ", "@area", "154\n", "@plane_list",
                                      "@prompt", "@invalid_inputs", "@farewell"})}),
    [](const testing::TestParamInfo<EndedAnswer>& info) { return info.param.name; });

TEST_F(Terminal, KeyComesFromTheTerminalNotFromRedirectedInput) {
    // The answers come from a file that also holds a spare key; the program must still wait for
    // a key typed at the terminal, since its farewell is on the terminal.
    start(harness::answers_in_file("exit\nx"));
    ASSERT_TRUE(read_until("Press any key"));
    ASSERT_TRUE(wait_for_raw_mode());
    EXPECT_TRUE(still_running());
    type(" ");
    EXPECT_EQ(exit_status(), 0);
}

TEST_F(Terminal, ControlCIsAKeyLikeAnyOther) {
    start();
    type("abc\n");    // an invalid top-menu word
    type("2 1 q\n");  // letters at a figure prompt end the run
    ASSERT_TRUE(read_until("Press any key"));
    EXPECT_NE(screen().find("continueouly"), std::string::npos);
    ASSERT_TRUE(wait_for_raw_mode());
    type("\x03");
    EXPECT_EQ(exit_status(), 0);
    expect_settings_restored();
}

TEST_F(Terminal, ControlCAtAPromptEndsTheProgramByTheSignal) {
    start();
    ASSERT_TRUE(read_until("Enter your Choice: "));
    type("\x03");
    EXPECT_EQ(exit_status(), 128 + SIGINT);
}

TEST_F(Terminal, TerminalGoneDuringTheKeyWait) {
    reach_the_key_wait();
    program_->hang_up();  // no one holds the terminal any more
    EXPECT_EQ(exit_status(), 0);
}

// The cases a person meets at a real terminal, one suite: whole keys, pastes, signals, job
// control and output that is not the terminal.
class KeyWait : public Terminal {};

// A key press is consumed whole, so that nothing of it reaches the shell's command line; a key
// typed together with it ("ab") is discarded too.
class WholeKey : public Terminal, public testing::WithParamInterface<const char*> {};

TEST_P(WholeKey, NothingOfTheKeyIsLeftForTheShell) {
    reach_the_key_wait();
    type(GetParam());
    EXPECT_EQ(exit_status(), 0);
    EXPECT_EQ(left_for_the_shell(), "");
    expect_settings_restored();
}

INSTANTIATE_TEST_SUITE_P(KeyWait, WholeKey,
                         testing::Values("k", "\x1b[A", "\x1bOP", "\x1b[15~", "\x1b[1;5C",
                                         "\xc3\xa9", "\xe2\x82\xac", "\xf0\x9f\x99\x82", "\x1bx",
                                         "\x1b", "ab", "\x1b[", "\xc3", "\xe2x"));

// Over a slow link the bytes of one key arrive in pieces, a few milliseconds apart.
// Strings, so that a case prints as its bytes.
using Pieces = std::vector<std::string>;
class SplitKey : public Terminal, public testing::WithParamInterface<Pieces> {};

TEST_P(SplitKey, NothingOfTheKeyIsLeftForTheShell) {
    reach_the_key_wait();
    for (const std::string& piece : GetParam()) {
        type(piece);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(exit_status(), 0);
    EXPECT_EQ(left_for_the_shell(), "");
}

INSTANTIATE_TEST_SUITE_P(KeyWait, SplitKey,
                         testing::Values(Pieces{"\x1b", "[", "A"}, Pieces{"\x1b", "O", "P"},
                                         Pieces{"\x1b[1", ";5", "C"}, Pieces{"\xc3", "\xa9"},
                                         Pieces{"\xe2", "\x82", "\xac"},
                                         Pieces{"\xf0", "\x9f", "\x99", "\x82"},
                                         // not a final byte: the sequence goes on
                                         Pieces{"\x1b[1", "\xc3", "A"}));

TEST_F(KeyWait, PastedLinesAreNotTheKeyAndNeverReachTheShell) {
    // "exit" and a second line pasted at once at the top menu: the second line is discarded when
    // the wait begins, so the program still waits for a key of its own.
    start();
    type("exit\necho LEAKED\n");
    ASSERT_TRUE(read_until("Press any key"));
    ASSERT_TRUE(wait_for_raw_mode());
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_TRUE(still_running()) << "the pasted line was taken as the key";
    type("k");
    EXPECT_EQ(exit_status(), 0);
    EXPECT_EQ(left_for_the_shell(), "");
}

struct Ending {
    int signal;
    int status;  // as a shell reports it
};

void PrintTo(const Ending& ending, std::ostream* out) {
    *out << "signal " << ending.signal;
}

class SignalDuringTheWait : public Terminal, public testing::WithParamInterface<Ending> {};

TEST_P(SignalDuringTheWait, RestoresTheTerminalThenEndsAsTheSignalWould) {
    reach_the_key_wait();
    ASSERT_EQ(::kill(program_->program_pid(), GetParam().signal), 0);
    EXPECT_EQ(exit_status(), GetParam().status);
    expect_settings_restored();
}

// A hang-up ends the wait with status 0, as the terminal going away does.
INSTANTIATE_TEST_SUITE_P(KeyWait, SignalDuringTheWait,
                         testing::Values(Ending{SIGTERM, 128 + SIGTERM},
                                         Ending{SIGQUIT, 128 + SIGQUIT},
                                         Ending{SIGINT, 128 + SIGINT}, Ending{SIGHUP, 0}));

// What happens to a job stopped at the key wait: continued (`fg`), sent a signal while stopped,
// or, when the terminal closes, hung up, sent SIGHUP and continued, as a shell does to its
// stopped jobs.
enum class Act { Stop, Continue, Key, HangUp, Hup, Term };

struct Sequence {
    const char* name;
    std::vector<Act> acts;
    int status;  // as a shell reports it
};
void PrintTo(const Sequence& param, std::ostream* out) {
    *out << param.name;
}

class StoppedAtTheWait : public Terminal, public testing::WithParamInterface<Sequence> {};

TEST_P(StoppedAtTheWait, EndsAsTheLastActAsks) {
    reach_the_key_wait();
    const pid_t pid = program_->program_pid();
    bool terminal_open = true;
    for (const Act act : GetParam().acts) {
        switch (act) {
            case Act::Stop:
                ASSERT_EQ(::kill(pid, SIGTSTP), 0);
                ASSERT_TRUE(wait_until_stopped());
                expect_settings_restored();
                break;
            case Act::Continue:
                ASSERT_EQ(::kill(pid, SIGCONT), 0);
                break;
            case Act::Key:
                ASSERT_TRUE(wait_for_raw_mode()) << "does not wait again once continued";
                EXPECT_TRUE(still_running());
                type("k");
                break;
            case Act::HangUp:
                program_->hang_up();
                terminal_open = false;
                break;
            case Act::Hup:
                ASSERT_EQ(::kill(pid, SIGHUP), 0);
                break;
            case Act::Term:
                ASSERT_EQ(::kill(pid, SIGTERM), 0);
                break;
        }
    }
    EXPECT_EQ(exit_status(), GetParam().status);
    if (terminal_open)
        expect_settings_restored();
}

INSTANTIATE_TEST_SUITE_P(
    KeyWait, StoppedAtTheWait,
    testing::Values(
        Sequence{"ContinuedWaitsAgain", {Act::Stop, Act::Continue, Act::Key}, 0},
        Sequence{"StoppedTwice", {Act::Stop, Act::Continue, Act::Stop, Act::Continue, Act::Key}, 0},
        Sequence{"HangUpWhileStopped", {Act::Stop, Act::Hup, Act::Continue}, 0},
        Sequence{
            "TerminalClosedWhileStopped", {Act::Stop, Act::HangUp, Act::Hup, Act::Continue}, 0},
        Sequence{"TerminatedWhileStopped", {Act::Stop, Act::Term, Act::Continue}, 128 + SIGTERM}),
    [](const testing::TestParamInfo<Sequence>& info) { return info.param.name; });

TEST_F(KeyWait, BackgroundJobEndsWithoutTouchingTheTerminal) {
    // `echo exit | Shapecalc &`: the farewell reaches the terminal, but a background job can
    // neither read a key nor change the terminal's settings; it must not be stopped for trying.
    harness::Options options = harness::answers_in_file("exit\n");
    options.background = true;
    start(options);
    EXPECT_EQ(exit_status(kNoWaitMs), 0) << "state " << program_->state();
    expect_settings_restored();
}

class OutputNotATerminal : public Terminal, public testing::WithParamInterface<const char*> {};

TEST_P(OutputNotATerminal, NoKeyWaitWhenNobodySawTheFarewell) {
    // `echo exit | Shapecalc > file` with a terminal present: the prompt went to the file (or
    // failed, on a full disk), so waiting for a key would look like a hang.
    harness::Options options = harness::answers_in_file("exit\n");
    options.stdout_file = GetParam();
    start(options);
    EXPECT_EQ(exit_status(kNoWaitMs), 0) << "waited for a key";
}

INSTANTIATE_TEST_SUITE_P(KeyWait, OutputNotATerminal, testing::Values("/dev/null", "/dev/full"));

// With no controlling terminal (a session of its own, as under cron or `setsid`) no key can be
// read, whether the farewell went to a pipe or to some terminal: the program must not block.
class NoTerminal : public testing::TestWithParam<bool> {};

TEST_P(NoTerminal, KeyWaitReturnsAtOnce) {
    const int screen = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_TRUE(screen >= 0 && ::grantpt(screen) == 0 && ::unlockpt(screen) == 0);
    harness::Options options = harness::answers_in_file("exit\n");
    if (GetParam())
        options.stdout_file = ::ptsname(screen);  // `setsid Shapecalc > /dev/pts/N`
    const harness::Result result = harness::run(options, kNoWaitMs / 1000);
    ASSERT_TRUE(result.exited) << "blocked with no terminal";
    EXPECT_EQ(result.exit_status, 0);
    std::string shown = result.output;
    char buf[4096];
    for (ssize_t n = 0; GetParam() && (n = ::read(screen, buf, sizeof buf)) > 0;)
        shown.append(buf, static_cast<std::size_t>(n));
    EXPECT_NE(shown.find("Press any key"), std::string::npos) << "the farewell went elsewhere";
    ::close(screen);
}

INSTANTIATE_TEST_SUITE_P(KeyWait, NoTerminal, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                             return info.param ? "OutputOnATerminal" : "OutputToAPipe";
                         });

}  // namespace
