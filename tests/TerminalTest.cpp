#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "Process.hpp"

// The final key wait on a real terminal: the program runs on a pseudo-terminal, as at a console.
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kLimit = std::chrono::seconds(20);

class Terminal : public testing::Test {
  protected:
    // Starts the program on a new pseudo-terminal; with `stdin_file` or `stdout_file`, that
    // stream is the file instead of the terminal (which stays the controlling terminal).
    void start(const char* stdin_file = nullptr, const char* stdout_file = nullptr) {
        pid_ = ::forkpty(&master_, nullptr, nullptr, nullptr);
        ASSERT_GE(pid_, 0);
        if (pid_ == 0) {
            if (stdin_file != nullptr) {
                const int fd = ::open(stdin_file, O_RDONLY);
                if (fd < 0 || ::dup2(fd, 0) < 0)
                    _exit(126);
            }
            if (stdout_file != nullptr) {
                const int fd = ::open(stdout_file, O_WRONLY);
                if (fd < 0 || ::dup2(fd, 1) < 0)
                    _exit(126);
            }
            process::exec_program(SHAPECALC_BINARY);
            _exit(127);
        }
        slave_ = ::open(::ptsname(master_), O_RDWR | O_NOCTTY);
        ASSERT_GE(slave_, 0);
        ASSERT_EQ(::tcgetattr(slave_, &original_), 0);
    }

    void TearDown() override {
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

    // Waits until the terminal is in the key-wait mode: no echo, no line editing.
    bool wait_for_raw_mode() {
        const auto deadline = Clock::now() + kLimit;
        termios now{};
        while (Clock::now() < deadline) {
            if (::tcgetattr(slave_, &now) == 0 && (now.c_lflag & (ECHO | ICANON)) == 0)
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return false;
    }

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

    pid_t pid_ = -1;
    int master_ = -1;
    int slave_ = -1;
    bool reaped_ = false;
    termios original_{};
    std::string screen_;
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

    termios after{};
    ASSERT_EQ(::tcgetattr(slave_, &after), 0);
    EXPECT_EQ(after.c_lflag, original_.c_lflag);
    EXPECT_EQ(after.c_cc[VMIN], original_.c_cc[VMIN]);
    EXPECT_EQ(after.c_cc[VTIME], original_.c_cc[VTIME]);
}

TEST_F(Terminal, KeyComesFromTheTerminalNotFromRedirectedInput) {
    // The answers come from a file that also holds a spare key; the program must still wait for
    // a key typed at the terminal.
    char name[] = "/tmp/shapecalc-key-XXXXXX";
    const int fd = ::mkstemp(name);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, "exit\nx", 6), 6);
    ::close(fd);
    start(name);
    ASSERT_TRUE(read_until("Press any key"));
    ASSERT_TRUE(wait_for_raw_mode());
    EXPECT_TRUE(still_running());
    type(" ");
    EXPECT_EQ(exit_status(), 0);
    ::unlink(name);
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
    termios after{};
    ASSERT_EQ(::tcgetattr(slave_, &after), 0);
    EXPECT_EQ(after.c_lflag, original_.c_lflag);
}

TEST_F(Terminal, TerminalGoneDuringTheKeyWait) {
    start();
    type("exit\n");
    ASSERT_TRUE(read_until("Press any key"));
    ASSERT_TRUE(wait_for_raw_mode());
    ::close(slave_);  // hang up: no one holds the terminal any more
    slave_ = -1;
    ::close(master_);
    master_ = -1;
    EXPECT_EQ(exit_status(), 0);
}

TEST_F(Terminal, NoKeyWaitAfterTheOutputHasFailed) {
    // Standard output is a full disk: nobody saw the farewell, so no key is asked for, although
    // a terminal is there to give one.
    start(nullptr, "/dev/full");
    EXPECT_EQ(exit_status(std::chrono::seconds(5)), 0) << "waited for a key";
}

TEST(NoTerminal, KeyWaitReturnsAtOnce) {
    // With no controlling terminal and nothing on standard input, the program must not block.
    const process::Result result = process::run_without_terminal(SHAPECALC_BINARY, "");
    ASSERT_TRUE(result.exited) << "blocked with no terminal";
    EXPECT_EQ(result.exit_status, 0);
}

}  // namespace
