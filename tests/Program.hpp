#ifndef SHAPECALC_TESTS_PROGRAM_HPP
#define SHAPECALC_TESTS_PROGRAM_HPP

#include <sys/types.h>

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>

// The one way the tests start the real program: without a terminal (a session of its own, as
// under CI or cron) or on a new pseudo-terminal as a job of a small job-control shell, as from an
// interactive shell. Every wait has a deadline, so that a program that hangs fails its test
// instead of stopping the suite. On Windows (ProgramWindows.cpp) the program runs without a
// console, over pipes and files; there is no terminal, and the output is given to the tests with
// the program's CR LF line ends as LF, so that both platforms compare the same bytes.
namespace harness {

enum class Input {
    Pipe,      // a pipe the test writes to (send), open until close_input or the end
    File,      // a regular file holding `input`
    Path,      // the existing file named by `input`
    DevNull,   // /dev/null
    Closed,    // no standard input at all
    Terminal,  // the pseudo-terminal (with `on_terminal`): what the test types
    Shared,    // the test's own open descriptor `input_fd`: its offset then tells what was read
};

struct Options {
    Input input = Input::Pipe;
    std::string input_text;    // the File's content, or the Path
    bool on_terminal = false;  // a controlling terminal; output is then the terminal's screen
    bool background = false;   // on the terminal, started as `Shapecalc &`
    std::string stdout_file;   // standard output to this file instead of the test
    std::size_t read_limit = static_cast<std::size_t>(-1);  // then the test stops reading
    int input_fd = -1;                                      // the descriptor of Input::Shared

    // On the terminal, false puts the program in the group of another process, as the last
    // command of a pipeline (`printf 'exit\n' | Shapecalc`).
    bool group_leader = true;
    bool nonblocking = false;  // standard input and output left non-blocking by another program
};

class Program {
  public:
    explicit Program(const Options& options = Options{});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Writes to the program's input pipe, or types at its terminal; false when nobody reads.
    bool send(const std::string& bytes);
    void close_input();

    // Reads output until it contains `text` (wait_for) or ends with it (wait_for_tail); false when
    // that has not happened within `limit_ms` or the output has closed first.
    bool wait_for(const std::string& text, int limit_ms);
    bool wait_for_tail(const std::string& tail, int limit_ms);
    // Appends what arrives within `wait_ms`; false when nothing came.
    bool read_some(int wait_ms);
    // Reads output until the program sleeps in a system call: it has then made the read (or
    // write) it was about to make. False when it does not within `limit_ms`.
    bool wait_until_asleep(int limit_ms);

    // Waits for the end, reading the output; with `close` the input is closed first. Returns the
    // status as a shell reports it (128 + the signal that ended it; on Windows the exit code), or
    // -1 when the program had not ended within `limit_ms` (it is then killed).
    int finish(int limit_ms, bool close = true);
    bool running();
    char state();  // the program's state letter in /proc: 'S' asleep, 'T' stopped

    const std::string& output() const { return output_; }
    long max_rss_kb() const { return max_rss_kb_; }
    pid_t program_pid() const { return program_; }
    int terminal() const { return slave_; }  // the terminal's own side, for its settings
    int master() const { return master_; }
    void hang_up();  // closes both sides of the terminal

  private:
    bool read_until(const std::function<bool()>& done, int limit_ms);
    void start_without_terminal(const Options& options);
    void start_on_terminal(const Options& options);

    pid_t child_ = -1;    // the program, or on a terminal the shell whose job it is
    pid_t program_ = -1;  // the program
    int to_program_ = -1;
    int from_program_ = -1;
    int master_ = -1;
    int slave_ = -1;
    bool output_closed_ = false;
    std::size_t read_limit_;
    std::string output_;
    std::string temp_path_;
    long max_rss_kb_ = 0;
    bool reaped_ = false;
    int status_ = -1;
#ifdef _WIN32
    void* process_ = nullptr;  // the program's process handle
    void note_peak_memory();
    void append_output(const char* bytes, std::size_t size);
#endif
};

// Milliseconds since `start`: the deadlines of the harness.
inline int milliseconds_since(std::chrono::steady_clock::time_point start) {
    return static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                std::chrono::steady_clock::now() - start)
                                .count());
}

struct Result {
    std::string output;
    bool exited = false;  // ended by itself, with status 0 to 255, not killed by the deadline
    int exit_status = -1;
    long max_rss_kb = 0;
};

// Runs the program without a terminal on the whole input at once and reads all its output. With
// Input::Pipe the input stays open until the program has ended.
Result run(const Options& options, int limit_seconds = 60);

// Standard input from these answers in a file (`Shapecalc < answers`).
inline Options answers_in_file(const std::string& answers) {
    Options options;
    options.input = Input::File;
    options.input_text = answers;
    return options;
}

inline Result run_without_terminal(const std::string& input) {
    return run(answers_in_file(input));
}

#ifndef _WIN32
// Replaces the calling process by the program, started through the build's launcher (the
// emulator of a cross-build) if there is one. Returns only when that fails.
void exec_program();
#endif

}  // namespace harness

#endif  // SHAPECALC_TESTS_PROGRAM_HPP
