#include "Process.hpp"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace process {

namespace {

// A temporary file that removes itself.
struct TempFile {
    std::string path;
    explicit TempFile(const std::string& content) {
        char name[] = "/tmp/shapecalc-test-XXXXXX";
        const int fd = ::mkstemp(name);
        if (fd < 0)
            throw std::runtime_error("mkstemp failed");
        path = name;
        std::size_t done = 0;
        while (done < content.size()) {
            const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
            if (n <= 0)
                throw std::runtime_error("cannot write " + path);
            done += static_cast<std::size_t>(n);
        }
        ::close(fd);
    }
    ~TempFile() { ::unlink(path.c_str()); }
    std::string read() const {
        std::ifstream file(path, std::ios::binary);
        std::ostringstream all;
        all << file.rdbuf();
        return all.str();
    }
};

}  // namespace

Result run_without_terminal(const std::string& binary, const std::string& input,
                            int limit_seconds) {
    const TempFile in(input);
    const TempFile out("");
    const pid_t pid = ::fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        ::setsid();  // a new session has no controlling terminal
        const int in_fd = ::open(in.path.c_str(), O_RDONLY);
        const int out_fd = ::open(out.path.c_str(), O_WRONLY | O_TRUNC);
        if (in_fd < 0 || out_fd < 0 || ::dup2(in_fd, 0) < 0 || ::dup2(out_fd, 1) < 0)
            _exit(126);
        ::execl(binary.c_str(), binary.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    Result result;
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(limit_seconds);
    pid_t done = 0;
    while ((done = ::waitpid(pid, &status, WNOHANG)) == 0 &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    if (done == 0) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
    } else if (WIFEXITED(status)) {
        result.exited = true;
        result.exit_status = WEXITSTATUS(status);
    }
    result.output = out.read();
    return result;
}

}  // namespace process
