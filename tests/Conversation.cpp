#include "Conversation.hpp"

#include "Process.hpp"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>

namespace {

using Clock = std::chrono::steady_clock;

int elapsed_ms(Clock::time_point since) {
    return static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - since).count());
}

}  // namespace

Conversation::Conversation(const std::string& binary) {
    ::signal(SIGPIPE, SIG_IGN);  // an answer to a program that has ended must not kill the test
    int in[2];
    int out[2];
    if (::pipe(in) != 0 || ::pipe(out) != 0)
        throw std::runtime_error("pipe failed");
    pid_ = process::spawn_without_terminal(binary, in[0], out[1], {in[1], out[0]});
    ::close(in[0]);
    ::close(out[1]);
    to_program_ = in[1];
    from_program_ = out[0];
}

Conversation::~Conversation() {
    if (to_program_ >= 0)
        ::close(to_program_);
    if (from_program_ >= 0)
        ::close(from_program_);
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
}

bool Conversation::read_some(int wait_ms) {
    pollfd p{from_program_, POLLIN, 0};
    if (output_closed_ || ::poll(&p, 1, wait_ms) <= 0)
        return false;
    char buf[65536];
    const ssize_t n = ::read(from_program_, buf, sizeof buf);
    if (n <= 0) {
        output_closed_ = true;
        return false;
    }
    output_.append(buf, static_cast<std::size_t>(n));
    return true;
}

bool Conversation::wait_for(const std::string& tail, int limit_ms) {
    const auto start = Clock::now();
    auto ends_with_tail = [&] {
        return output_.size() >= tail.size() &&
               output_.compare(output_.size() - tail.size(), tail.size(), tail) == 0;
    };
    while (!ends_with_tail()) {
        if (output_closed_ || elapsed_ms(start) > limit_ms)
            return false;
        read_some(10);
    }
    return true;
}

bool Conversation::send(const std::string& answer) {
    return ::write(to_program_, answer.data(), answer.size()) ==
           static_cast<ssize_t>(answer.size());
}

int Conversation::finish(int limit_ms) {
    ::close(to_program_);
    to_program_ = -1;
    const auto start = Clock::now();
    while (!output_closed_ && elapsed_ms(start) <= limit_ms)
        read_some(10);
    int status = 0;
    while (::waitpid(pid_, &status, WNOHANG) == 0) {
        if (elapsed_ms(start) > limit_ms)
            return -1;
        ::poll(nullptr, 0, 5);
    }
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
