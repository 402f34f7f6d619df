#include "Process.hpp"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace process {

namespace {

void write_all(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0)
            throw std::runtime_error("cannot write the program's input");
        done += static_cast<std::size_t>(n);
    }
}

// The file descriptor the program reads; for a pipe, `writer` gets the other end.
int open_stdin(const Launch& launch, int& writer, std::string& temp_path) {
    switch (launch.stdin_kind) {
        case Stdin::File: {
            char name[] = "/tmp/shapecalc-test-XXXXXX";
            const int fd = ::mkstemp(name);
            if (fd < 0)
                throw std::runtime_error("mkstemp failed");
            temp_path = name;
            write_all(fd, launch.input);
            ::lseek(fd, 0, SEEK_SET);
            return fd;
        }
        case Stdin::OpenPipe: {
            int ends[2];
            if (::pipe(ends) != 0)
                throw std::runtime_error("pipe failed");
            if (launch.input.size() > 60000)
                throw std::runtime_error("input too large for a pipe");
            write_all(ends[1], launch.input);
            writer = ends[1];
            return ends[0];
        }
        case Stdin::Path:
            return ::open(launch.input.c_str(), O_RDONLY);
        case Stdin::DevNull:
            return ::open("/dev/null", O_RDONLY);
        case Stdin::Closed:
            return -1;
    }
    return -1;
}

}  // namespace

pid_t spawn_without_terminal(const std::string& binary, int stdin_fd, int stdout_fd,
                             std::initializer_list<int> close_in_child) {
    const pid_t pid = ::fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        ::setsid();  // a new session has no controlling terminal
        for (const int fd : close_in_child) {
            if (fd >= 0)
                ::close(fd);
        }
        if (stdin_fd >= 0) {
            ::dup2(stdin_fd, 0);
        } else {
            ::close(0);
        }
        ::dup2(stdout_fd, 1);
        exec_program(binary);
        _exit(127);
    }
    return pid;
}

void exec_program(const std::string& binary) {
    std::vector<std::string> words;
#ifdef SHAPECALC_LAUNCHER
    std::istringstream launcher(SHAPECALC_LAUNCHER);
    for (std::string word; launcher >> word;)
        words.push_back(word);
#endif
    words.push_back(binary);
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    ::execvp(argv[0], argv.data());
}

Result run(const std::string& binary, const Launch& launch) {
    int writer = -1;
    std::string temp_path;
    const int in_fd = open_stdin(launch, writer, temp_path);
    int out[2];
    if (::pipe(out) != 0)
        throw std::runtime_error("pipe failed");

    const pid_t pid = spawn_without_terminal(binary, in_fd, out[1], {out[0], writer});
    if (in_fd >= 0)
        ::close(in_fd);
    ::close(out[1]);

    Result result;
    int reader = out[0];
    int status = 0;
    rusage usage{};
    bool ended = false;
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::seconds(launch.limit_seconds);
    while (!ended || reader >= 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(pid, SIGKILL);
            ::wait4(pid, &status, 0, &usage);
            status = -1;
            ended = true;
            break;
        }
        if (reader < 0) {
            ::poll(nullptr, 0, 10);  // only the end of the program is awaited
        } else {
            pollfd p{reader, POLLIN, 0};
            if (::poll(&p, 1, 10) > 0) {
                char buf[65536];
                const ssize_t n = ::read(reader, buf, sizeof buf);
                if (n > 0)
                    result.output.append(buf, static_cast<std::size_t>(n));
                if (n <= 0 || result.output.size() >= launch.read_limit) {
                    ::close(reader);  // end of output, or the reader has seen enough
                    reader = -1;
                }
            }
        }
        if (!ended && ::wait4(pid, &status, WNOHANG, &usage) == pid) {
            ended = true;
        }
    }
    if (reader >= 0)
        ::close(reader);
    if (writer >= 0)
        ::close(writer);
    if (!temp_path.empty())
        ::unlink(temp_path.c_str());

    if (status != -1 && WIFEXITED(status)) {
        result.exited = true;
        result.exit_status = WEXITSTATUS(status);
    }
    result.max_rss_kb = usage.ru_maxrss;
    return result;
}

}  // namespace process
