#ifndef SHAPECALC_FD_STREAM_BUF_HPP
#define SHAPECALC_FD_STREAM_BUF_HPP

#include <cstddef>
#include <streambuf>

// Stream buffers straight on a file descriptor, with buffers the caller owns: large blocks for
// typed-ahead sessions and files, and an honest in_avail() for the dialogue's flush decision.
// Both wait as on a blocking descriptor when the descriptor was left non-blocking by another
// program (an inherited pipe, a terminal): "try again later" is never taken as an end or a failure.
namespace shapecalc {

// Reads a file descriptor. in_avail() counts the buffered bytes and, once they are used up, the
// bytes the descriptor can give without blocking, so 0 means "the next read may wait".
class FdInBuf : public std::streambuf {
  public:
    FdInBuf(int fd, char* storage, std::size_t size) : fd_(fd), storage_(storage), size_(size) {}

  protected:
    int_type underflow() override;
    std::streamsize showmanyc() override;

  private:
    int fd_;
    char* storage_;
    std::size_t size_;
};

// Writes a file descriptor in blocks of the storage's size; a failed write (a reader that has
// gone, a full disk) fails the stream.
class FdOutBuf : public std::streambuf {
  public:
    FdOutBuf(int fd, char* storage, std::size_t size) : fd_(fd) { setp(storage, storage + size); }

    // The errno of the first write that failed (EPIPE: the reader has gone), or 0 while none has.
    int error() const { return error_; }

  protected:
    int_type overflow(int_type c) override;
    int sync() override;

  private:
    bool write_out(const char* data, std::size_t size);
    bool drain();

    int fd_;
    bool failed_ = false;
    int error_ = 0;
};

}  // namespace shapecalc

#endif  // SHAPECALC_FD_STREAM_BUF_HPP
