#include "Program.hpp"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace harness {

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

// The shell's way of reporting how a child ended.
int shell_status(int status) {
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// In the child: standard input and output as the options ask; `pipe_in` and `pipe_out` are the
// test's pipe ends for Input::Pipe and for the output (-1 when not used).
void redirect(const Options& options, const std::string& temp_path, int pipe_in, int pipe_out) {
    int in = -2;  // -2: leave as it is (the terminal)
    switch (options.input) {
        case Input::Pipe:
            in = pipe_in;
            break;
        case Input::File:
            in = ::open(temp_path.c_str(), O_RDONLY);
            break;
        case Input::Path:
            in = ::open(options.input_text.c_str(), O_RDONLY);
            break;
        case Input::DevNull:
            in = ::open("/dev/null", O_RDONLY);
            break;
        case Input::Closed:
            in = -1;
            break;
        case Input::Terminal:
            break;
        case Input::Shared:
            in = options.input_fd;
            break;
    }
    if (in == -1)
        ::close(0);
    else if (in >= 0 && ::dup2(in, 0) < 0)
        _exit(126);
    // O_NOCTTY: a terminal named here is not the controlling terminal of a program in a session
    // of its own, since a shell opens it before `setsid` starts the program.
    const int out = options.stdout_file.empty()
                        ? pipe_out
                        : ::open(options.stdout_file.c_str(), O_WRONLY | O_TRUNC | O_NOCTTY);
    if (out >= 0 && ::dup2(out, 1) < 0)
        _exit(126);
    if (options.nonblocking) {
        for (const int fd : {0, 1})
            ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    }
}

// In the child, just before exec: every signal at its default disposition and none blocked, as a
// shell starts a command. The test process ignores SIGPIPE, and ignored signals and the mask
// would otherwise pass through exec.
[[noreturn]] void exec_as_a_shell_would() {
    struct sigaction default_action {};
    default_action.sa_handler = SIG_DFL;
    for (int signal = 1; signal < NSIG; ++signal)
        ::sigaction(signal, &default_action, nullptr);
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    exec_program();
    _exit(127);
}

// Runs in the child of forkpty, the session leader of the new terminal: starts the program in a
// process group of its own, gives it the terminal unless it is a background job, reports its pid
// and ends with the program's status as a shell reports it.
[[noreturn]] void job_control_shell(const Options& options, const std::string& temp_path,
                                    int report) {
    // The job's process group: the program's own, or that of a first command that waits until
    // the shell ends (its pipe then closes), as `printf 'exit\n' | Shapecalc` has one.
    int leader_lives[2] = {-1, -1};
    pid_t group = 0;
    if (!options.group_leader) {
        if (::pipe2(leader_lives, O_CLOEXEC) != 0)
            _exit(125);
        group = ::fork();
        if (group == 0) {
            ::setpgid(0, 0);
            ::close(leader_lives[1]);
            char none;
            while (::read(leader_lives[0], &none, 1) < 0) {
            }
            _exit(0);
        }
        ::setpgid(group, group);
    }
    const pid_t program = ::fork();
    if (program == 0) {
        ::setpgid(0, group);
        if (!options.background) {
            sigset_t ttou;
            sigemptyset(&ttou);
            sigaddset(&ttou, SIGTTOU);
            ::sigprocmask(SIG_BLOCK, &ttou, nullptr);
            ::tcsetpgrp(STDIN_FILENO, ::getpgrp());
            ::sigprocmask(SIG_UNBLOCK, &ttou, nullptr);
        }
        const rlimit no_core{0, 0};
        ::setrlimit(RLIMIT_CORE, &no_core);
        redirect(options, temp_path, -1, -1);
        exec_as_a_shell_would();
    }
    ::signal(SIGHUP, SIG_IGN);  // the terminal going away is the program's business
    if (group == 0)
        group = program;
    ::setpgid(program, group);
    if (!options.background)
        ::tcsetpgrp(STDIN_FILENO, group);
    if (::write(report, &program, sizeof program) != sizeof program)
        _exit(125);
    int status = 0;
    while (::waitpid(program, &status, 0) < 0) {
    }
    _exit(shell_status(status));
}

}  // namespace

void exec_program() {
    std::vector<std::string> words;
#ifdef SHAPECALC_LAUNCHER
    std::istringstream launcher(SHAPECALC_LAUNCHER);
    for (std::string word; launcher >> word;)
        words.push_back(word);
#endif
    words.push_back(SHAPECALC_BINARY);
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    ::execvp(argv[0], argv.data());
}

Program::Program(const Options& options) : read_limit_(options.read_limit) {
    ::signal(SIGPIPE, SIG_IGN);  // input for a program that has ended must not kill the test
    if (options.input == Input::File) {
        char name[] = "/tmp/shapecalc-test-XXXXXX";
        const int fd = ::mkstemp(name);
        if (fd < 0)
            throw std::runtime_error("mkstemp failed");
        temp_path_ = name;
        write_all(fd, options.input_text);
        ::close(fd);
    }
    if (options.on_terminal)
        start_on_terminal(options);
    else
        start_without_terminal(options);
    output_closed_ = from_program_ < 0;
}

void Program::start_without_terminal(const Options& options) {
    int in[2] = {-1, -1};
    int out[2] = {-1, -1};
    if ((options.input == Input::Pipe && ::pipe(in) != 0) ||
        (options.stdout_file.empty() && ::pipe(out) != 0))
        throw std::runtime_error("pipe failed");
    child_ = program_ = ::fork();
    if (child_ < 0)
        throw std::runtime_error("fork failed");
    if (child_ == 0) {
        ::setsid();  // a new session has no controlling terminal
        for (const int fd : {in[1], out[0]}) {
            if (fd >= 0)
                ::close(fd);
        }
        redirect(options, temp_path_, in[0], out[1]);
        exec_as_a_shell_would();
    }
    for (const int fd : {in[0], out[1]}) {
        if (fd >= 0)
            ::close(fd);
    }
    to_program_ = in[1];
    from_program_ = out[0];
}

void Program::start_on_terminal(const Options& options) {
    int report[2];
    if (::pipe(report) != 0)
        throw std::runtime_error("pipe failed");
    child_ = ::forkpty(&master_, nullptr, nullptr, nullptr);
    if (child_ < 0)
        throw std::runtime_error("forkpty failed");
    if (child_ == 0) {
        ::close(report[0]);
        job_control_shell(options, temp_path_, report[1]);
    }
    ::close(report[1]);
    if (::read(report[0], &program_, sizeof program_) != sizeof program_)
        throw std::runtime_error("the shell did not start the program");
    ::close(report[0]);
    slave_ = ::open(::ptsname(master_), O_RDWR | O_NOCTTY);
    to_program_ = from_program_ = master_;
}

Program::~Program() {
    if (to_program_ >= 0 && to_program_ != master_)
        ::close(to_program_);
    if (from_program_ >= 0 && from_program_ != master_)
        ::close(from_program_);
    if (!reaped_ && child_ > 0) {
        if (program_ > 0)
            ::kill(program_, SIGKILL);
        ::kill(child_, SIGKILL);
        ::waitpid(child_, nullptr, 0);
    }
    hang_up();
    if (!temp_path_.empty())
        ::unlink(temp_path_.c_str());
}

void Program::hang_up() {
    for (int* fd : {&slave_, &master_}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
    to_program_ = from_program_ = -1;
    output_closed_ = true;
}

bool Program::send(const std::string& bytes) {
    return to_program_ >= 0 &&
           ::write(to_program_, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
}

void Program::close_input() {
    if (to_program_ >= 0 && to_program_ != master_) {
        ::close(to_program_);
        to_program_ = -1;
    }
}

bool Program::read_some(int wait_ms) {
    pollfd p{from_program_, POLLIN, 0};
    if (output_closed_ || ::poll(&p, 1, wait_ms) <= 0)
        return false;
    char buf[65536];
    const ssize_t n = ::read(from_program_, buf, sizeof buf);
    if (n > 0)
        output_.append(buf, static_cast<std::size_t>(n));
    if (n <= 0 || output_.size() >= read_limit_) {
        if (from_program_ != master_)  // the end of output, or the reader has seen enough
            ::close(from_program_);
        from_program_ = -1;
        output_closed_ = true;
    }
    return n > 0;
}

bool Program::wait_until_asleep(int limit_ms) {
    return read_until([this] { return state() == 'S'; }, limit_ms);
}

char Program::state() {
    std::ifstream stat("/proc/" + std::to_string(program_) + "/stat");
    const std::string text((std::istreambuf_iterator<char>(stat)),
                           std::istreambuf_iterator<char>());
    const std::size_t end_of_name = text.rfind(')');
    return end_of_name == std::string::npos ? '?' : text[end_of_name + 2];
}

bool Program::running() {
    siginfo_t info{};  // WNOWAIT: looks without reaping, so that finish still sees the end
    return !reaped_ &&
           ::waitid(P_PID, static_cast<id_t>(child_), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
           info.si_pid == 0;
}

int Program::finish(int limit_ms, bool close) {
    if (close)
        close_input();
    if (reaped_)
        return status_;
    const auto start = std::chrono::steady_clock::now();
    int status = 0;
    rusage usage{};
    bool ended = false;
    for (;;) {
        // The output of a program on a terminal is read while it runs; a pipe is read to its end.
        ended = ended || ::wait4(child_, &status, WNOHANG, &usage) == child_;
        if (ended && (output_closed_ || master_ >= 0)) {
            while (master_ >= 0 && read_some(20)) {
            }
            break;
        }
        if (milliseconds_since(start) > limit_ms) {
            if (!ended) {
                if (program_ > 0)
                    ::kill(program_, SIGKILL);
                ::kill(child_, SIGKILL);
                ::waitpid(child_, nullptr, 0);
            }
            reaped_ = true;
            return status_ = -1;
        }
        if (!read_some(10) && output_closed_)
            ::poll(nullptr, 0, 5);
    }
    max_rss_kb_ = usage.ru_maxrss;
    reaped_ = true;
    return status_ = shell_status(status);
}

}  // namespace harness
