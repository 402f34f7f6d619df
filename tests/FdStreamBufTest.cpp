#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <pthread.h>

#include <chrono>
#include <istream>
#include <ostream>
#include <string>
#include <thread>
#include <utility>

#include "FdStreamBuf.hpp"

// The program's own stream buffers on file descriptors: every byte through, honest in_avail(),
// and failures that fail the stream.
namespace {

struct Pipe {
    int ends[2] = {-1, -1};
    int& read_end = ends[0];
    int& write_end = ends[1];
    Pipe() { EXPECT_EQ(::pipe(ends), 0); }
    ~Pipe() { close_read(), close_write(); }
    void close_read() { ::close(std::exchange(read_end, -1)); }
    void close_write() { ::close(std::exchange(write_end, -1)); }
    std::string drain() {
        close_write();
        std::string all;
        char buf[4096];
        for (ssize_t n = 0; (n = ::read(read_end, buf, sizeof buf)) > 0;)
            all.append(buf, static_cast<size_t>(n));
        return all;
    }
};

TEST(FdInBuf, InAvailTellsWhetherAReadWouldWait) {
    Pipe pipe;
    char storage[4];
    shapecalc::FdInBuf buffer(pipe.read_end, storage, sizeof storage);
    std::istream in(&buffer);
    EXPECT_EQ(buffer.in_avail(), 0) << "nothing has arrived: the next read would wait";
    ASSERT_EQ(::write(pipe.write_end, "2 1 12", 6), 6);
    EXPECT_EQ(buffer.in_avail(), 6);
    int figure = 0;
    in >> figure >> figure;  // a 4-byte buffer refills in the middle
    EXPECT_EQ(figure, 1);
    EXPECT_GT(buffer.in_avail(), 0);
    pipe.close_write();
    in >> figure;
    EXPECT_EQ(figure, 12);
    EXPECT_TRUE(in.eof());
    EXPECT_FALSE(in >> figure);
}

TEST(FdInBuf, ClosedDescriptorIsEndOfInput) {
    char storage[16];
    shapecalc::FdInBuf buffer(-1, storage, sizeof storage);
    std::istream in(&buffer);
    std::string word;
    EXPECT_FALSE(in >> word);
    EXPECT_TRUE(in.eof());
}

TEST(FdOutBuf, EveryByteArrivesWhateverTheSizeOfTheWrites) {
    Pipe pipe;
    char storage[8];
    shapecalc::FdOutBuf buffer(pipe.write_end, storage, sizeof storage);
    std::ostream out(&buffer);
    const std::string block(20, 'x');  // larger than the whole buffer: written through
    out << "abc"
        << "defgh"  // fills the buffer exactly
        << 'i'      // overflows
        << "jklmn"  // does not fit the rest: buffer first, then kept
        << block << std::flush;
    EXPECT_TRUE(out.good());
    EXPECT_EQ(pipe.drain(), "abcdefghijklmn" + block);
}

TEST(FdOutBuf, AReaderThatHasGoneFailsTheStream) {
    ::signal(SIGPIPE, SIG_IGN);
    Pipe pipe;
    char storage[8];
    shapecalc::FdOutBuf buffer(pipe.write_end, storage, sizeof storage);
    std::ostream out(&buffer);
    pipe.close_read();
    EXPECT_EQ(buffer.error(), 0) << "no write has failed yet";
    out << std::string(100, 'x');  // larger than the buffer: written, and failing
    EXPECT_TRUE(out.bad());
    EXPECT_EQ(buffer.error(), EPIPE);
    out.clear();
    out << "abc";
    EXPECT_TRUE(out.good()) << "still buffered";
    out.flush();
    EXPECT_TRUE(out.bad());
    out.clear();
    out << std::string(100, 'x');  // too large, and what is buffered cannot be sent first
    EXPECT_TRUE(out.bad());
    out.clear();
    out << std::string(8, 'f') << "8";  // fills the buffer, then one more, which cannot be sent
    EXPECT_TRUE(out.bad());
    out.clear();
    for (int i = 0; i < 9; ++i)
        out.put('x');  // one character at a time, overflowing
    EXPECT_TRUE(out.bad());
}

// Lets the calling thread block in a system call, then, on another thread, interrupts that call
// once (with `interrupt`) by a signal whose handler does not restart it, and runs `then`. An
// interrupted call must be retried from where it stopped, a descriptor that says "not now" waited
// for: neither is an end.
class Meanwhile {
  public:
    template <typename Then>
    Meanwhile(bool interrupt, Then then) {
        struct sigaction quiet {};
        quiet.sa_handler = [](int) {};
        ::sigaction(SIGUSR1, &quiet, &previous_);
        const pthread_t target = ::pthread_self();
        helper_ = std::thread([target, interrupt, then] {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            if (interrupt)
                ::pthread_kill(target, SIGUSR1);
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            then();
        });
    }
    ~Meanwhile() {
        helper_.join();
        ::sigaction(SIGUSR1, &previous_, nullptr);
    }

  private:
    struct sigaction previous_ {};
    std::thread helper_;
};

// How the descriptor behaves while the buffer waits on it.
struct Waiting {
    const char* name;
    bool interrupt;    // a signal comes while it waits
    bool nonblocking;  // left non-blocking by another program
    bool pipe_full;    // output: the pipe is full before the write (else it fills midway)
};
void PrintTo(const Waiting& param, std::ostream* out) {
    *out << param.name;
}

class Blocked : public testing::TestWithParam<Waiting> {
  protected:
    void SetUp() override {
        if (GetParam().nonblocking) {
            for (const int fd : {pipe_.read_end, pipe_.write_end})
                ASSERT_EQ(::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK), 0);
        }
    }
    Pipe pipe_;
};

TEST_P(Blocked, ReadGoesOnWhenInputComes) {
    char storage[16];
    shapecalc::FdInBuf buffer(pipe_.read_end, storage, sizeof storage);
    std::istream in(&buffer);
    const int writer = pipe_.write_end;
    int figure = 0;
    {
        const Meanwhile later(GetParam().interrupt,
                              [writer] { EXPECT_EQ(::write(writer, "7 ", 2), 2); });
        in >> figure;  // waits until the helper writes
    }
    EXPECT_EQ(figure, 7);
}

TEST_P(Blocked, WriteGoesOnFromWhereItStoppedEveryByteInOrder) {
    ASSERT_GT(::fcntl(pipe_.write_end, F_SETPIPE_SZ, 4096), 0);
    const auto capacity = static_cast<std::size_t>(::fcntl(pipe_.write_end, F_GETPIPE_SZ));
    const std::string before(GetParam().pipe_full ? capacity : 0, 'f');
    ASSERT_EQ(::write(pipe_.write_end, before.data(), before.size()),
              static_cast<ssize_t>(before.size()));
    // Several times the pipe and a byte, in a pattern that does not repeat with the pipe's size:
    // a write that starts again from the beginning after a partial one sends other bytes, and the
    // last byte, left alone by pipe-sized partial writes, must go too.
    std::string block(5 * capacity + 1, '\0');
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<char>('a' + (i / 7) % 26);
    char storage[8];
    shapecalc::FdOutBuf buffer(pipe_.write_end, storage, sizeof storage);
    std::ostream out(&buffer);
    std::string arrived;
    const int reader = pipe_.read_end;
    const std::size_t expected_size = before.size() + block.size();
    {
        const Meanwhile later(GetParam().interrupt, [reader, &arrived, expected_size] {
            // A write that never sends its last bytes must not stop the test: give up after a
            // while instead of waiting for them forever.
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
            char buf[8192];
            while (arrived.size() < expected_size && std::chrono::steady_clock::now() < deadline) {
                pollfd p{reader, POLLIN, 0};
                if (::poll(&p, 1, 100) <= 0)
                    continue;
                const ssize_t n = ::read(reader, buf, sizeof buf);
                if (n > 0)
                    arrived.append(buf, static_cast<std::size_t>(n));
            }
        });
        out << block << std::flush;  // waits on the full pipe until the helper reads
    }
    EXPECT_TRUE(out.good());
    EXPECT_TRUE(arrived == before + block) << arrived.size() << " bytes arrived";
}

INSTANTIATE_TEST_SUITE_P(FdStreamBuf, Blocked,
                         testing::Values(Waiting{"InterruptedBeforeAByte", true, false, true},
                                         Waiting{"InterruptedMidway", true, false, false},
                                         Waiting{"NonBlocking", false, true, false},
                                         Waiting{"NonBlockingAndInterrupted", true, true, true}),
                         [](const testing::TestParamInfo<Waiting>& info) {
                             return info.param.name;
                         });

}  // namespace
