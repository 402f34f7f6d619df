#include "FdStreamBuf.hpp"

#include <cerrno>
#include <cstring>

#if defined(_WIN32)
#include <io.h>
#define SHAPECALC_READ _read
#define SHAPECALC_WRITE _write
#else
#include <sys/ioctl.h>
#include <unistd.h>
#define SHAPECALC_READ ::read
#define SHAPECALC_WRITE ::write
#endif

namespace shapecalc {

FdInBuf::int_type FdInBuf::underflow() {
    // Called when the buffer is used up: refill it with what the descriptor gives.
    for (;;) {
        const auto got = SHAPECALC_READ(fd_, storage_, static_cast<unsigned>(size_));
        if (got > 0) {
            setg(storage_, storage_, storage_ + got);
            return traits_type::to_int_type(*gptr());
        }
        if (got < 0 && errno == EINTR) {
            continue;
        }
        return traits_type::eof();  // end of input, or no input at all (a closed descriptor)
    }
}

std::streamsize FdInBuf::showmanyc() {
#if defined(FIONREAD)
    int ready = 0;
    if (::ioctl(fd_, FIONREAD, &ready) == 0 && ready > 0) {
        return ready;
    }
#endif
    return 0;
}

bool FdOutBuf::write_out(const char* data, std::size_t size) {
    while (size > 0 && !failed_) {
        const auto put = SHAPECALC_WRITE(fd_, data, static_cast<unsigned>(size));
        if (put > 0) {
            data += put;
            size -= static_cast<std::size_t>(put);
        } else if (!(put < 0 && errno == EINTR)) {
            failed_ = true;
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

std::streamsize FdOutBuf::xsputn(const char* s, std::streamsize n) {
    const auto room = epptr() - pptr();
    if (n <= room) {
        std::memcpy(pptr(), s, static_cast<std::size_t>(n));
        pbump(static_cast<int>(n));
        return n;
    }
    // Larger than what is left: send the buffer, then keep or send the block.
    if (!drain()) {
        return 0;
    }
    if (n <= epptr() - pbase()) {
        std::memcpy(pptr(), s, static_cast<std::size_t>(n));
        pbump(static_cast<int>(n));
        return n;
    }
    return write_out(s, static_cast<std::size_t>(n)) ? n : 0;
}

int FdOutBuf::sync() {
    return drain() ? 0 : -1;
}

}  // namespace shapecalc
