#include "Console.hpp"

#if defined(_WIN32)

#include <conio.h>
#include <windows.h>

namespace shapecalc {

void wait_for_key() {
    if (GetConsoleWindow() != nullptr) {
        (void)_getch();
    }
}

}  // namespace shapecalc

#else

#include <fcntl.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

namespace shapecalc {

void wait_for_key() {
    const int fd = ::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return;  // no controlling terminal
    }
    termios saved{};
    if (::tcgetattr(fd, &saved) == 0) {
        termios raw = saved;
        // One byte, unechoed, without line editing; ISIG off so that Ctrl-C is a key like any
        // other and cannot end the program with the terminal left in this mode.
        raw.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO | ISIG));
        raw.c_cc[VMIN] = 1;
        raw.c_cc[VTIME] = 0;
        // A terminal that goes away during the wait ends the read instead of the program.
        struct sigaction ignore {};
        struct sigaction previous {};
        ignore.sa_handler = SIG_IGN;
        ::sigaction(SIGHUP, &ignore, &previous);
        if (::tcsetattr(fd, TCSANOW, &raw) == 0) {
            char key = 0;
            ssize_t got = 0;
            do {
                got = ::read(fd, &key, 1);
            } while (got < 0 && errno == EINTR);
            ::tcsetattr(fd, TCSANOW, &saved);
        }
        ::sigaction(SIGHUP, &previous, nullptr);
    }
    ::close(fd);
}

}  // namespace shapecalc

#endif
