#include <fcntl.h>
#include <limits.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <iterator>
#include <string_view>

#include "Console.hpp"
#include "PollWatch.hpp"

// The key wait on a Unix terminal. The key is read from the controlling terminal in
// non-canonical mode without echo. Everything that could leave the terminal in that mode, or
// leave bytes of the key for the shell, is handled here: the whole key is consumed, input that
// was pending before the wait or arrives with the key is discarded, and every signal that stops or
// ends the program restores the terminal first. A stop and continue, caught or not, leaves the
// wait in its own mode again. Only interfaces that every POSIX system has are used: poll, which
// has no limit on the descriptor's number, and a pipe that a signal writes to.
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
// The signals that the wait acts on itself, with the terminal restored: the stops, the hang-up,
// which ends the wait, and the continue, after which it sets its own mode again.
constexpr int kWaking[] = {SIGTSTP, SIGTTIN, SIGTTOU, SIGHUP, SIGCONT};

// The wait's mode: one key, unechoed, without line editing; ISIG off so that Ctrl-C and Ctrl-Z are
// keys like any other.
constexpr tcflag_t kWaitOff = ICANON | ECHO | ISIG | IEXTEN;

// What the handlers need; set before any of them is installed, so no initial value is ever read.
int g_terminal;
termios g_saved;
int g_wake;  // the pipe's end that a waking signal writes to

// What the waking signals asked for since the wait last looked. Flags, not a count: any number of
// stops before a continue is one stop. A continue only wakes the wait, which then looks at the
// terminal again.
volatile std::sig_atomic_t g_stop = 0;  // the last stop signal
volatile std::sig_atomic_t g_hangup = false;

bool in_foreground(int fd) {
    return ::tcgetpgrp(fd) == ::getpgrp();
}

// Puts the terminal's own settings back, unless another group holds the terminal: its settings
// are then the shell's. Tried again until it takes, so that a signal that cuts it short (EINTR)
// cannot leave the terminal in the wait's mode; a terminal gone is in no group's foreground.
// Safe in a signal handler.
void restore() {
    while (in_foreground(g_terminal) && ::tcsetattr(g_terminal, TCSAFLUSH, &g_saved) != 0) {
    }
}

// Puts `signal` back to its default action; the action it had goes to `had`, if given. Safe in a
// signal handler.
void to_default(int signal, struct sigaction* had = nullptr) {
    struct sigaction default_action {};  // an empty mask
    default_action.sa_handler = SIG_DFL;
    ::sigaction(signal, &default_action, had);
}

// Only calls that are safe in a signal handler. The signal is blocked while this runs (another
// may interrupt it, and end the program itself), so the raise takes effect as it returns, now with
// the default action; a fault's instruction (SIGSEGV, SIGBUS, ...) runs again and faults the same
// way. The program dies here before it can write its coverage counts, though the tests run it:
// GCOVR_EXCL_START
extern "C" void restore_and_end(int signal) {
    restore();
    to_default(signal);
    ::raise(signal);
}
// GCOVR_EXCL_STOP

extern "C" void note_and_wake(int signal) {
    const int saved_errno = errno;
    if (signal == SIGHUP) {
        g_hangup = true;
    } else if (signal != SIGCONT) {
        g_stop = signal;
    }
    const auto number = static_cast<unsigned char>(signal);
    // The pipe never blocks: a full one wakes the wait all the same.
    [[maybe_unused]] const auto written = ::write(g_wake, &number, sizeof number);
    errno = saved_errno;
}

// Catches `signal` with `handler`, unless it was ignored when the program started (nohup,
// trap '' TERM): then it stays ignored.
void catch_signal(int signal, void (*handler)(int)) {
    struct sigaction had {};
    if (::sigaction(signal, nullptr, &had) != 0 || had.sa_handler == SIG_IGN)
        return;
    struct sigaction ours {};  // no SA_RESTART: a signal ends a poll
    ours.sa_handler = handler;
    ::sigaction(signal, &ours, nullptr);
}

// The wait's handlers, in place until the program ends, which it does right after the wait.
void install_handlers() {
    for (const int signal : kEnding)
        catch_signal(signal, restore_and_end);
#ifdef SIGRTMIN
    for (int signal = SIGRTMIN; signal <= SIGRTMAX; ++signal)
        catch_signal(signal, restore_and_end);
#endif
    for (const int signal : kWaking)
        catch_signal(signal, note_and_wake);
}

// Empties the pipe, which never blocks: a read that comes back short has taken what was there. The
// flags say what the signals asked.
void drain(int woken) {
    unsigned char bytes[PIPE_BUF];
    while (::read(woken, bytes, sizeof bytes) == sizeof bytes) {
    }
}

// How a read of the terminal ended.
enum class Got { byte, nothing, woken, gone };

// One byte from the terminal, waiting at most `timeout_ms` (forever when negative); `woken` when a
// waking signal came, `gone` when the terminal has hung up or cannot be waited on.
Got read_byte(int terminal, int woken, int timeout_ms, unsigned char& byte) {
    pollfd ends[] = {watch(terminal, POLLIN), watch(woken, POLLIN)};
    const int ready = ::poll(ends, std::size(ends), timeout_ms);
    if (ready == -1)  // cut short by a signal, which wrote to the pipe; or no way to wait at all
        return errno == EINTR ? Got::woken : Got::gone;
    if (ready == 0)
        return Got::nothing;
    if (ends[1].revents != 0)
        return Got::woken;
    return ::read(terminal, &byte, 1) == 1 ? Got::byte : Got::gone;
}

// The bytes of one key press follow its first byte at once: within a few milliseconds even over
// a slow link, far sooner than a person presses another key. No person tells this limit from one
// a little longer or shorter.
constexpr int kRestOfKeyMs = 100;

// Reads one whole key: a plain byte, a UTF-8 character, or an escape sequence (arrows, function
// keys, Alt-combinations). A signal before the key's first byte, or the terminal going away,
// ends it without a key; a signal within the key ends the key there.
Got read_key(int terminal, int woken) {
    unsigned char byte = 0;
    const Got first = read_byte(terminal, woken, -1, byte);
    if (first != Got::byte)
        return first;
    const auto next = [&] { return read_byte(terminal, woken, kRestOfKeyMs, byte) == Got::byte; };
    // Escape alone is a key of its own: it goes on below, as a byte that no other follows.
    if (byte == 0x1b && next()) {
        if (byte == '[') {  // CSI: parameters and intermediates, then one final byte
            while (next() && (byte < 0x40 || byte > 0x7e)) {
            }
        } else if (byte == 'O') {  // SS3: one more byte
            next();
        }
        // A sequence ends in a plain byte, which nothing follows; after Alt, the key's own byte
        // is here, and a UTF-8 character goes on below.
    }
    // A lead byte's high bits, after the first, count the continuation bytes that follow it:
    // 110xxxxx one, 1110xxxx two, 11110xxx three.
    int continuation = 0;
    for (unsigned lead = byte; (lead & 0xc0) == 0xc0; lead <<= 1)
        ++continuation;
    while (continuation-- > 0 && next() && (byte & 0xc0) == 0x80) {
    }
    return Got::byte;
}

// Stops the program as `signal` asks, the terminal restored; returns once it is continued, or at
// once where the stop is not allowed (a group no shell controls).
void stop(int signal) {
    struct sigaction ours {};
    to_default(signal, &ours);
    ::raise(signal);  // not blocked: it stops the program before raise returns
    ::sigaction(signal, &ours, nullptr);
}

// A new line on the terminal: "\n" where the terminal turns it into CR LF, "\r\n" elsewhere.
void new_line(int terminal) {
    const bool translated = (g_saved.c_oflag & OPOST) != 0 && (g_saved.c_oflag & ONLCR) != 0;
    const std::string_view line = translated ? "\n" : "\r\n";
    [[maybe_unused]] const auto written = ::write(terminal, line.data(), line.size());
}

// What the wait shows again after a continue, on a line of its own.
constexpr std::string_view kShownAgain = " Press any key";

// Whether the terminal is in the wait's mode: a continue after a stop that the program could not
// catch finds the shell's instead.
bool in_wait_mode(int terminal) {
    termios now{};
    return ::tcgetattr(terminal, &now) == 0 && (now.c_lflag & kWaitOff) == 0;
}

// Waits for one key in the wait's mode. It ends with a key, the terminal gone or a hang-up; a
// stop, however many signals asked for it, stops it once, and in the background it stops again
// until it is brought to the foreground.
void wait_in(int terminal, int woken, const termios& raw) {
    bool first = true;
    for (;;) {
        drain(woken);
        if (g_hangup)
            return;
        if (g_stop != 0) {
            const int signal = g_stop;
            restore();
            stop(signal);
            g_stop = 0;  // the stops that came before the continue were this one
            continue;
        }
        const pid_t holder = ::tcgetpgrp(terminal);
        if (holder == -1)
            return;  // the terminal gone
        const bool foreground = holder == ::getpgrp();
        if (!foreground) {
            // In the background the terminal is the shell's: stop as its reading would, until the
            // shell's fg continues the wait in the foreground. Where no shell can (an orphaned
            // group, in which the stop is discarded), the read below waits for a signal alone.
            stop(SIGTTOU);
        } else if (first || !in_wait_mode(terminal)) {
            // TCSAFLUSH discards what was typed or pasted meanwhile: only a new key counts. Cut
            // short by a signal, the mode is set once that signal has been seen to.
            ::tcsetattr(terminal, TCSAFLUSH, &raw);
            if (!first) {
                // The shell wrote over the screen while the program was stopped.
                new_line(terminal);
                [[maybe_unused]] const auto written =
                    ::write(terminal, kShownAgain.data(), kShownAgain.size());
            }
            first = false;
        }
        // In the background the terminal is not watched: only a signal ends this read.
        const Got got = read_key(foreground ? terminal : -1, woken);
        if (got == Got::woken)
            continue;
        // A key, or the terminal gone. After a key the shell's prompt starts on a line of its
        // own; standard output is left alone.
        if (got == Got::byte)
            new_line(terminal);
        return;
    }
}

// The wait on the terminal `fd`, whose settings g_saved holds, woken through the pipe `wake`.
void wait_with(int fd, const int (&wake)[2]) {
    for (const int end : wake)
        ::fcntl(end, F_SETFL, O_NONBLOCK);
    g_terminal = fd;
    g_wake = wake[1];

    termios raw = g_saved;
    raw.c_lflag &= static_cast<tcflag_t>(~kWaitOff);
    raw.c_cc[VMIN] = 1;  // TIME does not matter: a byte is read only once poll has found it
    install_handlers();
    wait_in(fd, wake[0], raw);
    // Restoring discards what is left after the key, so nothing of it reaches the shell. The
    // handlers stay: a hang-up that comes with the terminal going away, now or in a moment, ends
    // nothing but the wait, and the program ends with status 0 right after.
    restore();
}

}  // namespace

void wait_for_key() {
    // Nobody would see "Press any key" when it went to a file or a pipe.
    if (::isatty(STDOUT_FILENO) == 0)
        return;
    const int fd = ::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    // No controlling terminal (-1 is in no foreground), or a background job, which can neither
    // read the terminal nor change its settings: nothing to wait on.
    if (in_foreground(fd) && ::tcgetattr(fd, &g_saved) == 0) {
        int wake[2];
        if (::pipe(wake) == 0) {
            wait_with(fd, wake);
            for (const int end : wake)
                ::close(end);
        } else {
            // No key can be awaited safely: the shell's prompt still starts on a line of its own.
            new_line(fd);
        }
    }
    ::close(fd);
}

}  // namespace shapecalc
