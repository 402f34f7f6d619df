#include <fcntl.h>
#include <sys/select.h>
#include <termios.h>
#include <unistd.h>

#include <csignal>
#include <iterator>

#include "Console.hpp"

// The key wait on a Unix terminal. The key is read from the controlling terminal in
// non-canonical mode without echo. Everything that could leave the terminal in that mode, or
// leave bytes of the key for the shell, is handled here: the whole key is consumed, input that
// was pending before the wait or arrives with the key is discarded, and the signals that stop or
// end the program restore the terminal first.
namespace shapecalc {

namespace {

// The signals that end or stop the program; they are blocked except while a read waits, so that
// one arriving at any other moment is seen when the wait starts, never lost.
constexpr int kWatched[] = {SIGTERM, SIGQUIT, SIGINT, SIGHUP, SIGTSTP};

volatile std::sig_atomic_t g_caught = 0;

extern "C" void note_signal(int signal) {
    g_caught = signal;
}

// One byte from the terminal, waiting at most `timeout_ms` (forever when negative); false when
// the time is up, a watched signal came (g_caught tells) or the terminal has hung up. Only while
// it waits are the watched signals let through, so that none slips in between a test and the
// wait. They are the only signals with a handler, so an interrupted wait is always one of them;
// and the read that follows a wait that found a byte is never interrupted, since they are blocked
// again by then.
bool read_byte(int fd, int timeout_ms, const sigset_t& waiting_mask, unsigned char& byte) {
    fd_set readable{};  // every bit clear, as FD_ZERO leaves it
    FD_SET(fd, &readable);
    timespec limit{timeout_ms / 1000, (timeout_ms % 1000) * 1000000L};
    return ::pselect(fd + 1, &readable, nullptr, nullptr, timeout_ms < 0 ? nullptr : &limit,
                     &waiting_mask) > 0 &&
           ::read(fd, &byte, 1) == 1;
}

// The bytes of one key press follow its first byte at once: within a few milliseconds even over
// a slow link, far sooner than a person presses another key.
constexpr int kRestOfKeyMs = 100;

// Reads one whole key: a plain byte, a UTF-8 character, or an escape sequence (arrows, function
// keys, Alt-combinations). A signal or the terminal going away ends it early (g_caught tells).
void read_key(int fd, const sigset_t& waiting_mask) {
    unsigned char byte = 0;
    if (!read_byte(fd, -1, waiting_mask, byte))
        return;
    if (byte == 0x1b) {
        if (!read_byte(fd, kRestOfKeyMs, waiting_mask, byte))
            return;         // Escape alone
        if (byte == '[') {  // CSI: parameters and intermediates, then one final byte
            while (read_byte(fd, kRestOfKeyMs, waiting_mask, byte) &&
                   (byte < 0x40 || byte > 0x7e)) {
            }
            return;
        }
        if (byte == 'O') {  // SS3: one more byte
            read_byte(fd, kRestOfKeyMs, waiting_mask, byte);
            return;
        }
        // Alt with a key: that key's byte is here; a UTF-8 character goes on below.
    }
    int continuation = byte >= 0xf0 ? 3 : byte >= 0xe0 ? 2 : byte >= 0xc0 ? 1 : 0;
    while (continuation-- > 0 && read_byte(fd, kRestOfKeyMs, waiting_mask, byte) &&
           (byte & 0xc0) == 0x80) {
    }
}

bool in_foreground(int fd) {
    return ::tcgetpgrp(fd) == ::getpgrp();
}

void lift_signal(int signal) {
    sigset_t one;
    sigemptyset(&one);
    sigaddset(&one, signal);
    ::sigprocmask(SIG_UNBLOCK, &one, nullptr);
}

}  // namespace

void wait_for_key() {
    // Nobody would see "Press any key" when it went to a file or a pipe.
    if (::isatty(STDOUT_FILENO) == 0)
        return;
    const int fd = ::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return;  // no controlling terminal
    termios saved{};
    if (!in_foreground(fd) || ::tcgetattr(fd, &saved) != 0) {
        ::close(fd);  // a background job cannot read the terminal, nor change its settings
        return;
    }
    termios raw = saved;
    // One key, unechoed, without line editing; ISIG off so that Ctrl-C and Ctrl-Z are keys like
    // any other.
    raw.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO | ISIG | IEXTEN));
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;

    sigset_t watched;
    sigset_t waiting_mask;
    sigemptyset(&watched);
    for (const int signal : kWatched)
        sigaddset(&watched, signal);
    ::sigprocmask(SIG_BLOCK, &watched, &waiting_mask);
    struct sigaction note {};
    note.sa_handler = note_signal;  // no SA_RESTART: a signal ends the wait's pselect
    sigemptyset(&note.sa_mask);
    struct sigaction previous[std::size(kWatched)];
    for (std::size_t i = 0; i < std::size(kWatched); ++i) {
        ::sigaction(kWatched[i], &note, &previous[i]);
        // One ignored when the program started (nohup, trap '' TERM) stays ignored.
        if (previous[i].sa_handler == SIG_IGN)
            ::sigaction(kWatched[i], &previous[i], nullptr);
    }

    for (;;) {
        g_caught = 0;
        // TCSAFLUSH discards what was typed or pasted before the wait: only a new key counts.
        if (!in_foreground(fd) || ::tcsetattr(fd, TCSAFLUSH, &raw) != 0)
            break;
        read_key(fd, waiting_mask);
        // Restoring discards what is left after the key, so nothing reaches the shell.
        ::tcsetattr(fd, TCSAFLUSH, &saved);
        // A signal may also come while the rest of a key is awaited: it acts all the same.
        const int caught = g_caught;
        if (caught == 0 || caught == SIGHUP)
            break;  // a key, or the terminal gone: the wait is over
        if (caught == SIGTSTP) {
            // Stop as the signal asks, with the terminal restored; when continued, wait again.
            ::signal(SIGTSTP, SIG_DFL);
            ::raise(SIGTSTP);
            lift_signal(SIGTSTP);
            ::sigprocmask(SIG_BLOCK, &watched, nullptr);
            ::sigaction(SIGTSTP, &note, nullptr);
            continue;
        }
        // A terminating signal ends the program as it would have, now that the terminal is
        // restored. The tests run this, but the program dies of the signal before it can write
        // its coverage counts, and the break is never reached: GCOVR_EXCL_START
        ::signal(caught, SIG_DFL);
        ::raise(caught);
        lift_signal(caught);
        break;  // not reached
        // GCOVR_EXCL_STOP
    }

    // A hang-up that came with the terminal going away has ended the wait, not the program; any
    // other signal still pending takes effect as the mask is restored.
    sigset_t hangup;
    sigemptyset(&hangup);
    sigaddset(&hangup, SIGHUP);
    const timespec now{};  // no waiting: only what is pending
    while (::sigtimedwait(&hangup, nullptr, &now) == SIGHUP) {
    }
    for (std::size_t i = 0; i < std::size(kWatched); ++i)
        ::sigaction(kWatched[i], &previous[i], nullptr);
    ::sigprocmask(SIG_SETMASK, &waiting_mask, nullptr);
    ::close(fd);
}

}  // namespace shapecalc
