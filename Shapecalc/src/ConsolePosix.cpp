#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <iterator>

#include "Console.hpp"

// The key wait on a Unix terminal. The key is read from the controlling terminal in
// non-canonical mode without echo. Everything that could leave the terminal in that mode, or
// leave bytes of the key for the shell, is handled here: the whole key is consumed, input that
// was pending before the wait or arrives with the key is discarded, and every signal that stops or
// ends the program restores the terminal first. Only interfaces that every POSIX system has are
// used: poll, which has no limit on the descriptor's number, and a pipe that a signal writes to.
namespace shapecalc {

namespace {

// The signals a process may catch whose default action ends it, by name; the real-time ones are
// added at run time. Each restores the terminal, then ends the program as it would have.
constexpr int kEnding[] = {
    SIGINT,    SIGQUIT, SIGTERM, SIGUSR1, SIGUSR2, SIGALRM, SIGVTALRM, SIGPROF, SIGPIPE,
    SIGXCPU,   SIGXFSZ, SIGILL,  SIGTRAP, SIGABRT, SIGBUS,  SIGFPE,    SIGSEGV, SIGSYS,
#ifdef SIGSTKFLT
    SIGSTKFLT,
#endif
#ifdef SIGPWR
    SIGPWR,
#endif
#if defined(__linux__) && defined(SIGPOLL)  // elsewhere its default is to be ignored
    SIGPOLL,
#endif
#ifdef SIGEMT
    SIGEMT,
#endif
};
// The signals whose default action stops the process, and the hang-up, which ends the wait: each
// wakes the wait, which acts on it with the terminal restored.
constexpr int kWaking[] = {SIGTSTP, SIGTTIN, SIGTTOU, SIGHUP};

// What the handlers need; set before any of them is installed.
int g_terminal = -1;
termios g_saved{};
volatile std::sig_atomic_t g_raw = 0;  // 1 while the terminal is in the wait's mode
int g_wake = -1;                       // the pipe's end that a waking signal writes to

// Puts `signal` back to its default action; the action it had goes to `had`, if given. Safe in a
// signal handler.
void to_default(int signal, struct sigaction* had = nullptr) {
    struct sigaction default_action {};
    default_action.sa_handler = SIG_DFL;
    sigemptyset(&default_action.sa_mask);
    ::sigaction(signal, &default_action, had);
}

// Only calls that are safe in a signal handler. The signal is blocked while this runs, so the
// raise takes effect as it returns, now with the default action; a fault's instruction (SIGSEGV,
// SIGBUS, ...) runs again and faults the same way. The program dies here before it can write its
// coverage counts, though the tests run it: GCOVR_EXCL_START
extern "C" void restore_and_end(int signal) {
    if (g_raw != 0) {
        ::tcsetattr(g_terminal, TCSAFLUSH, &g_saved);
    }
    to_default(signal);
    ::raise(signal);
}
// GCOVR_EXCL_STOP

extern "C" void note_and_wake(int signal) {
    const int saved_errno = errno;
    const auto number = static_cast<unsigned char>(signal);
    // The pipe never blocks: a full one wakes the wait all the same.
    [[maybe_unused]] const auto written = ::write(g_wake, &number, 1);
    errno = saved_errno;
}

// The wait's handlers, in place from construction to destruction. A signal ignored when the
// program started (nohup, trap '' TERM) stays ignored.
class Handlers {
  public:
    Handlers() {
        sigset_t all;
        sigemptyset(&all);
        for_each([&all](int signal, bool) { sigaddset(&all, signal); });
        for_each([this, &all](int signal, bool ending) {
            struct sigaction ours {};
            ours.sa_handler = ending ? restore_and_end : note_and_wake;
            ours.sa_mask = all;  // one handler at a time; no SA_RESTART: a signal ends a poll
            struct sigaction& previous = previous_[count_];
            if (::sigaction(signal, &ours, &previous) == 0 && previous.sa_handler == SIG_IGN) {
                ::sigaction(signal, &previous, nullptr);
            }
            signals_[count_++] = signal;
        });
    }
    ~Handlers() {
        for (int i = 0; i < count_; ++i)
            ::sigaction(signals_[i], &previous_[i], nullptr);
    }
    Handlers(const Handlers&) = delete;
    Handlers& operator=(const Handlers&) = delete;

  private:
    template <typename F>
    static void for_each(F each) {
        for (const int signal : kEnding)
            each(signal, true);
        for (const int signal : kWaking)
            each(signal, false);
#ifdef SIGRTMIN
        for (int signal = SIGRTMIN; signal <= SIGRTMAX; ++signal)
            each(signal, true);
#endif
    }

    // Each signal once, and every signal's number is below NSIG.
    int signals_[NSIG] = {};
    struct sigaction previous_[NSIG] = {};
    int count_ = 0;
};

// The terminal, the pipe that wakes the wait, and the waking signal that came (0: none).
struct Wait {
    int terminal;
    int woken;
    int caught;
};

// One byte from the terminal, waiting at most `timeout_ms` (forever when negative); false when
// the time is up, a waking signal came (wait.caught tells) or the terminal has hung up.
bool read_byte(Wait& wait, int timeout_ms, unsigned char& byte) {
    pollfd ends[2] = {{wait.terminal, POLLIN, 0}, {wait.woken, POLLIN, 0}};
    int ready = 0;
    do {
        ready = ::poll(ends, 2, timeout_ms);
    } while (ready < 0 && errno == EINTR);  // the pipe tells which signal it was
    unsigned char signal = 0;
    if (ready > 0 && ends[1].revents != 0 && ::read(wait.woken, &signal, 1) == 1) {
        wait.caught = signal;
        return false;
    }
    return ready > 0 && (ends[0].revents & POLLIN) != 0 && ::read(wait.terminal, &byte, 1) == 1;
}

// The bytes of one key press follow its first byte at once: within a few milliseconds even over
// a slow link, far sooner than a person presses another key.
constexpr int kRestOfKeyMs = 100;

// Reads one whole key: a plain byte, a UTF-8 character, or an escape sequence (arrows, function
// keys, Alt-combinations); false when no key came. A signal or the terminal going away ends it
// early (wait.caught tells).
bool read_key(Wait& wait) {
    unsigned char byte = 0;
    if (!read_byte(wait, -1, byte))
        return false;
    if (byte == 0x1b) {
        if (!read_byte(wait, kRestOfKeyMs, byte))
            return true;    // Escape alone
        if (byte == '[') {  // CSI: parameters and intermediates, then one final byte
            while (read_byte(wait, kRestOfKeyMs, byte) && (byte < 0x40 || byte > 0x7e)) {
            }
            return true;
        }
        if (byte == 'O') {  // SS3: one more byte
            read_byte(wait, kRestOfKeyMs, byte);
            return true;
        }
        // Alt with a key: that key's byte is here; a UTF-8 character goes on below.
    }
    int continuation = byte >= 0xf0 ? 3 : byte >= 0xe0 ? 2 : byte >= 0xc0 ? 1 : 0;
    while (continuation-- > 0 && read_byte(wait, kRestOfKeyMs, byte) && (byte & 0xc0) == 0x80) {
    }
    return true;
}

bool in_foreground(int fd) {
    return ::tcgetpgrp(fd) == ::getpgrp();
}

// Stops the program as `signal` asks, the terminal restored; returns once it is continued.
void stop(int signal) {
    struct sigaction ours {};
    to_default(signal, &ours);
    ::raise(signal);  // not blocked: it stops the program before raise returns
    ::sigaction(signal, &ours, nullptr);
}

// The waits for one key, each in the wait's mode; they end with a key, the terminal gone, a
// hang-up, or the program no longer in the foreground.
void wait_in(Wait& wait, const termios& raw) {
    for (;;) {
        wait.caught = 0;
        g_raw = 1;
        // TCSAFLUSH discards what was typed or pasted before the wait: only a new key counts.
        if (!in_foreground(wait.terminal) || ::tcsetattr(wait.terminal, TCSAFLUSH, &raw) != 0) {
            g_raw = 0;
            return;
        }
        const bool key = read_key(wait);
        // Restoring discards what is left after the key, so nothing reaches the shell.
        ::tcsetattr(wait.terminal, TCSAFLUSH, &g_saved);
        g_raw = 0;
        if (key && wait.caught == 0) {
            // The shell's prompt starts on a line of its own; standard output is left alone.
            const bool translated =
                (g_saved.c_oflag & OPOST) != 0 && (g_saved.c_oflag & ONLCR) != 0;
            [[maybe_unused]] const auto written =
                translated ? ::write(wait.terminal, "\n", 1) : ::write(wait.terminal, "\r\n", 2);
            return;
        }
        // A signal may also come while the rest of a key is awaited: it acts all the same.
        if (wait.caught == 0 || wait.caught == SIGHUP)
            return;  // the terminal gone: the wait is over
        stop(wait.caught);
    }
}

}  // namespace

void wait_for_key() {
    // Nobody would see "Press any key" when it went to a file or a pipe.
    if (::isatty(STDOUT_FILENO) == 0)
        return;
    const int fd = ::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return;  // no controlling terminal
    int wake[2] = {-1, -1};
    if (!in_foreground(fd) || ::tcgetattr(fd, &g_saved) != 0 || ::pipe(wake) != 0) {
        ::close(fd);  // a background job cannot read the terminal, nor change its settings
        return;
    }
    ::fcntl(wake[1], F_SETFL, O_NONBLOCK);
    g_terminal = fd;
    g_wake = wake[1];

    termios raw = g_saved;
    // One key, unechoed, without line editing; ISIG off so that Ctrl-C and Ctrl-Z are keys like
    // any other.
    raw.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO | ISIG | IEXTEN));
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    Wait wait{fd, wake[0], 0};
    {
        const Handlers handlers;
        wait_in(wait, raw);
    }
    // A hang-up that came with the terminal going away, now or in a moment, ends the wait, not
    // the program, which ends with status 0 right after.
    if (wait.caught == SIGHUP || ::tcgetpgrp(fd) < 0)
        ::signal(SIGHUP, SIG_IGN);
    for (const int end : wake)
        ::close(end);
    ::close(fd);
}

}  // namespace shapecalc
