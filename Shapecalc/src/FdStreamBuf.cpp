#include "FdStreamBuf.hpp"

#include <cerrno>

#if defined(_WIN32)
#include <io.h>
#include <stdlib.h>
#include <winerror.h>
#define SHAPECALC_READ _read
#define SHAPECALC_WRITE _write
#else
#include <sys/ioctl.h>
#include <unistd.h>

#include "PollWatch.hpp"
#define SHAPECALC_READ ::read
#define SHAPECALC_WRITE ::write
#endif

namespace shapecalc {

namespace {

#if !defined(_WIN32)
// "Try again later": one error under two names on most systems, two errors on a few.
bool would_block(int error) {
#if EWOULDBLOCK != EAGAIN
    return error == EAGAIN || error == EWOULDBLOCK;
#else
    return error == EAGAIN;
#endif
}
#endif

enum class Direction { reading, writing };

// Whether a read or write that gave `result` is to be tried again: after a signal, and on a
// descriptor that another program has left non-blocking, once it is ready, as a blocking one
// would have waited. Anything else is an end (0 from a read) or a failure.
bool try_again(long result, int fd, Direction direction) {
    if (result >= 0) {
        return false;
    }
    if (errno == EINTR) {
        return true;
    }
#if defined(_WIN32)
    (void)fd;
    (void)direction;
    return false;
#else
    if (!would_block(errno)) {
        return false;
    }
    pollfd wanted = watch(fd, direction == Direction::writing ? POLLOUT : POLLIN);
    // Any event counts, a hang-up or an error too: the call tried again then reports it. A poll
    // that fails (a signal, the kernel short of memory) needs no loop of its own: the call tried
    // again finds the descriptor not ready yet and comes back here, as a blocking call waits.
    ::poll(&wanted, 1, -1);
    return true;
#endif
}

}  // namespace

FdInBuf::int_type FdInBuf::underflow() {
    // Called when the buffer is used up: refill it with what the descriptor gives.
    for (;;) {
        const auto got = SHAPECALC_READ(fd_, storage_, static_cast<unsigned>(size_));
        if (got > 0) {
            setg(storage_, storage_, storage_ + got);
            return traits_type::to_int_type(*gptr());
        }
        if (try_again(got, fd_, Direction::reading)) {
            continue;
        }
        return traits_type::eof();  // end of input, or no input at all (a closed descriptor)
    }
}

std::streamsize FdInBuf::showmanyc() {
#if defined(FIONREAD)
    int ready = 0;  // what the descriptor holds; left at 0 where it cannot tell
    ::ioctl(fd_, FIONREAD, &ready);
    return ready;
#else
    return 0;
#endif
}

bool FdOutBuf::write_out(const char* data, std::size_t size) {
    while (size > 0 && !failed_) {
        const auto put = SHAPECALC_WRITE(fd_, data, static_cast<unsigned>(size));
        if (put != -1) {  // a write's one failure; it never gives 0 for a byte or more
            data += put;
            size -= static_cast<std::size_t>(put);
        } else if (!try_again(put, fd_, Direction::writing)) {
            failed_ = true;
            error_ = errno;
#if defined(_WIN32)
            // The C runtime calls a pipe whose reader has gone an invalid argument; the system's
            // own code says what it was.
            if (_doserrno == ERROR_BROKEN_PIPE || _doserrno == ERROR_NO_DATA ||
                _doserrno == ERROR_PIPE_NOT_CONNECTED)
                error_ = EPIPE;
#endif
        }
    }
    return !failed_;
}

bool FdOutBuf::drain() {
    const bool ok = write_out(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    setp(pbase(), epptr());
    return ok;
}

FdOutBuf::int_type FdOutBuf::overflow(int_type c) {
    if (!drain()) {
        return traits_type::eof();
    }
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int FdOutBuf::sync() {
    return drain() ? 0 : -1;
}

}  // namespace shapecalc
