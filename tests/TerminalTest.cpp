#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "Process.hpp"

// The final key wait on a real terminal: the program runs on a pseudo-terminal as a job of a
// small job-control shell (its own process group, in the foreground or the background), as it
// would from an interactive shell.
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kLimit = std::chrono::seconds(20);
// How long a program that must not wait for a key may take to end.
constexpr auto kNoWait = std::chrono::seconds(5);

struct Job {
    const char* stdin_file = nullptr;   // standard input from this file instead of the terminal
    const char* stdout_file = nullptr;  // standard output to this file instead of the terminal
    bool background = false;            // started as `Shapecalc &`
};

// Runs in the child of forkpty, the session leader of the new terminal: starts the program in a
// process group of its own, gives it the terminal unless it is a background job, and ends with
// the program's status as a shell reports it (128 + the signal that ended it).
[[noreturn]] void job_control_shell(const Job& job, int report) {
    const pid_t program = ::fork();
    if (program == 0) {
        ::setpgid(0, 0);
        if (!job.background) {
            sigset_t ttou;
            sigemptyset(&ttou);
            sigaddset(&ttou, SIGTTOU);
            ::sigprocmask(SIG_BLOCK, &ttou, nullptr);
            ::tcsetpgrp(STDIN_FILENO, ::getpid());
            ::sigprocmask(SIG_UNBLOCK, &ttou, nullptr);
        }
        const rlimit no_core{0, 0};
        ::setrlimit(RLIMIT_CORE, &no_core);
        const int in = job.stdin_file ? ::open(job.stdin_file, O_RDONLY) : 0;
        const int out = job.stdout_file ? ::open(job.stdout_file, O_WRONLY | O_TRUNC) : 1;
        if (in < 0 || out < 0 || ::dup2(in, 0) < 0 || ::dup2(out, 1) < 0)
            _exit(126);
        process::exec_program(SHAPECALC_BINARY);
        _exit(127);
    }
    ::signal(SIGHUP, SIG_IGN);  // the terminal going away is the program's business
    ::setpgid(program, program);
    if (!job.background)
        ::tcsetpgrp(STDIN_FILENO, program);
    if (::write(report, &program, sizeof program) != sizeof program)
        _exit(125);
    int status = 0;
    while (::waitpid(program, &status, 0) < 0) {
    }
    _exit(WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
}

class Terminal : public testing::Test {
  protected:
    void start(const Job& job = Job{}) {
        int report[2];
        ASSERT_EQ(::pipe(report), 0);
        pid_ = ::forkpty(&master_, nullptr, nullptr, nullptr);
        ASSERT_GE(pid_, 0);
        if (pid_ == 0) {
            ::close(report[0]);
            job_control_shell(job, report[1]);
        }
        ::close(report[1]);
        ASSERT_EQ(::read(report[0], &program_, sizeof program_),
                  static_cast<ssize_t>(sizeof program_));
        ::close(report[0]);
        slave_ = ::open(::ptsname(master_), O_RDWR | O_NOCTTY);
        ASSERT_GE(slave_, 0);
        ASSERT_EQ(::tcgetattr(slave_, &original_), 0);
    }

    void TearDown() override {
        if (program_ > 0 && !reaped_)
            ::kill(program_, SIGKILL);
        if (pid_ > 0 && !reaped_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        if (slave_ >= 0)
            ::close(slave_);
        if (master_ >= 0)
            ::close(master_);
    }

    void type(const std::string& keys) {
        ASSERT_EQ(::write(master_, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
    }

    // Reads what the program shows until `text` has appeared; false on the time limit.
    bool read_until(const std::string& text) {
        const auto deadline = Clock::now() + kLimit;
        while (screen_.find(text) == std::string::npos) {
            if (Clock::now() > deadline)
                return false;
            read_some(100);
        }
        return true;
    }

    // Takes what the terminal still holds after the program has ended.
    void drain() {
        while (read_some(50)) {
        }
    }

    // Appends what arrives within wait_ms; false when nothing came.
    bool read_some(int wait_ms) {
        pollfd p{master_, POLLIN, 0};
        if (::poll(&p, 1, wait_ms) <= 0)
            return false;
        char buf[512];
        const ssize_t n = ::read(master_, buf, sizeof buf);
        if (n <= 0)
            return false;
        screen_.append(buf, static_cast<std::size_t>(n));
        return true;
    }

    // Waits until `ready` holds of the terminal's settings; false on the time limit.
    template <typename Ready>
    bool wait_for_mode(Ready ready) {
        const auto deadline = Clock::now() + kLimit;
        termios now{};
        while (Clock::now() < deadline) {
            if (::tcgetattr(slave_, &now) == 0 && ready(now))
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return false;
    }

    // The key-wait mode: no echo, no line editing.
    bool wait_for_raw_mode() {
        return wait_for_mode([](const termios& t) { return (t.c_lflag & (ECHO | ICANON)) == 0; });
    }

    void expect_settings_restored() {
        termios after{};
        ASSERT_EQ(::tcgetattr(slave_, &after), 0);
        EXPECT_EQ(after.c_lflag, original_.c_lflag);
        EXPECT_EQ(after.c_cc[VMIN], original_.c_cc[VMIN]);
        EXPECT_EQ(after.c_cc[VTIME], original_.c_cc[VTIME]);
    }

    // The program's exit status as a shell reports it; -1 when it has not ended in time.
    int exit_status(Clock::duration limit = kLimit) {
        int status = 0;
        const auto deadline = Clock::now() + limit;
        pid_t done = 0;
        while ((done = ::waitpid(pid_, &status, WNOHANG)) == 0 && Clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        if (done != pid_)
            return -1;
        reaped_ = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    bool still_running() { return ::waitpid(pid_, nullptr, WNOHANG) == 0; }

    // The program's state letter in /proc: 'T' while it is stopped.
    char program_state() {
        std::ifstream stat("/proc/" + std::to_string(program_) + "/stat");
        std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
        const std::size_t end_of_name = text.rfind(')');
        return end_of_name == std::string::npos ? '?' : text[end_of_name + 2];
    }

    bool wait_until_stopped() {
        const auto deadline = Clock::now() + kLimit;
        while (program_state() != 'T') {
            if (Clock::now() > deadline)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return true;
    }

    // What the terminal still holds for the next reader (the shell), after the program.
    std::string left_for_the_shell() {
        termios raw = original_;
        cfmakeraw(&raw);
        raw.c_cc[VMIN] = 0;
        raw.c_cc[VTIME] = 0;
        ::tcsetattr(slave_, TCSANOW, &raw);
        std::string left;
        char buf[256];
        ssize_t n = 0;
        while ((n = ::read(slave_, buf, sizeof buf)) > 0)
            left.append(buf, static_cast<std::size_t>(n));
        ::tcsetattr(slave_, TCSANOW, &original_);
        return left;
    }

    // Ends the dialogue with "exit" and waits until the program waits for its key.
    void reach_the_key_wait() {
        start();
        type("exit\n");
        ASSERT_TRUE(read_until("Press any key"));
        ASSERT_TRUE(wait_for_raw_mode());
    }

    pid_t pid_ = -1;      // the shell
    pid_t program_ = -1;  // the program, its job
    int master_ = -1;
    int slave_ = -1;
    bool reaped_ = false;
    termios original_{};
    std::string screen_;
};

// A file of the test's own, removed when the test ends.
class TempFile {
  public:
    explicit TempFile(const std::string& content) {
        char name[] = "/tmp/shapecalc-term-XXXXXX";
        const int fd = ::mkstemp(name);
        path_ = name;
        EXPECT_EQ(::write(fd, content.data(), content.size()),
                  static_cast<ssize_t>(content.size()));
        ::close(fd);
    }
    ~TempFile() { ::unlink(path_.c_str()); }
    const char* path() const { return path_.c_str(); }

  private:
    std::string path_;
};

TEST_F(Terminal, OneKeyWithoutEchoThenSettingsRestored) {
    start();
    type("exit\n");
    ASSERT_TRUE(read_until("\n THANK YOU, for using this application.\r\n\r\n Press any key"));
    ASSERT_TRUE(wait_for_raw_mode());
    EXPECT_TRUE(still_running()) << "ended before a key was pressed";
    const std::size_t before_key = screen_.size();
    type("k");
    EXPECT_EQ(exit_status(), 0);
    drain();
    EXPECT_EQ(screen_.find('k', before_key), std::string::npos) << "the key was echoed";
    expect_settings_restored();
}

TEST_F(Terminal, KeyComesFromTheTerminalNotFromRedirectedInput) {
    // The answers come from a file that also holds a spare key; the program must still wait for
    // a key typed at the terminal, since its farewell is on the terminal.
    const TempFile answers("exit\nx");
    Job job;
    job.stdin_file = answers.path();
    start(job);
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
    EXPECT_NE(screen_.find("continueouly"), std::string::npos);
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
    ::close(slave_);  // hang up: no one holds the terminal any more
    slave_ = -1;
    ::close(master_);
    master_ = -1;
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
                                         "\x1b", "ab"));

// Over a slow link the bytes of one key arrive in pieces, a few milliseconds apart.
class SplitKey : public Terminal, public testing::WithParamInterface<std::vector<const char*>> {};

TEST_P(SplitKey, NothingOfTheKeyIsLeftForTheShell) {
    reach_the_key_wait();
    for (const char* piece : GetParam()) {
        type(piece);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(exit_status(), 0);
    EXPECT_EQ(left_for_the_shell(), "");
}

INSTANTIATE_TEST_SUITE_P(KeyWait, SplitKey,
                         testing::Values(std::vector<const char*>{"\x1b", "[", "A"},
                                         std::vector<const char*>{"\x1b", "O", "P"},
                                         std::vector<const char*>{"\x1b[1", ";5", "C"},
                                         std::vector<const char*>{"\xe2", "\x82", "\xac"}));

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
    ASSERT_EQ(::kill(program_, GetParam().signal), 0);
    EXPECT_EQ(exit_status(), GetParam().status);
    expect_settings_restored();
}

// A hang-up ends the wait with status 0, as the terminal going away does.
INSTANTIATE_TEST_SUITE_P(KeyWait, SignalDuringTheWait,
                         testing::Values(Ending{SIGTERM, 128 + SIGTERM},
                                         Ending{SIGQUIT, 128 + SIGQUIT},
                                         Ending{SIGINT, 128 + SIGINT}, Ending{SIGHUP, 0}));

TEST_F(KeyWait, StopRestoresTheTerminalAndContinueWaitsAgain) {
    reach_the_key_wait();
    ASSERT_EQ(::kill(program_, SIGTSTP), 0);
    ASSERT_TRUE(wait_until_stopped());
    expect_settings_restored();
    ASSERT_EQ(::kill(program_, SIGCONT), 0);
    ASSERT_TRUE(wait_for_raw_mode());
    EXPECT_TRUE(still_running());
    type("k");
    EXPECT_EQ(exit_status(), 0);
    expect_settings_restored();
}

TEST_F(KeyWait, BackgroundJobEndsWithoutTouchingTheTerminal) {
    // `echo exit | Shapecalc &`: the farewell reaches the terminal, but a background job can
    // neither read a key nor change the terminal's settings; it must not be stopped for trying.
    const TempFile answers("exit\n");
    Job job;
    job.stdin_file = answers.path();
    job.background = true;
    start(job);
    EXPECT_EQ(exit_status(kNoWait), 0) << "state " << program_state();
    expect_settings_restored();
}

class OutputNotATerminal : public Terminal, public testing::WithParamInterface<const char*> {};

TEST_P(OutputNotATerminal, NoKeyWaitWhenNobodySawTheFarewell) {
    // `echo exit | Shapecalc > file` with a terminal present: the prompt went to the file (or
    // failed, on a full disk), so waiting for a key would look like a hang.
    const TempFile answers("exit\n");
    const TempFile output("");
    Job job;
    job.stdin_file = answers.path();
    job.stdout_file = GetParam()[0] != '\0' ? GetParam() : output.path();
    start(job);
    EXPECT_EQ(exit_status(kNoWait), 0) << "waited for a key";
}

INSTANTIATE_TEST_SUITE_P(KeyWait, OutputNotATerminal, testing::Values("", "/dev/full"));

TEST(NoTerminal, KeyWaitReturnsAtOnce) {
    // With no controlling terminal and nothing on standard input, the program must not block.
    const process::Result result = process::run_without_terminal(SHAPECALC_BINARY, "");
    ASSERT_TRUE(result.exited) << "blocked with no terminal";
    EXPECT_EQ(result.exit_status, 0);
}

}  // namespace
