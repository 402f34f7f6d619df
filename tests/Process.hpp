#ifndef SHAPECALC_TESTS_PROCESS_HPP
#define SHAPECALC_TESTS_PROCESS_HPP

#include <sys/types.h>

#include <cstddef>
#include <initializer_list>
#include <string>

// Runs the real program as a user's pipeline would, but in a session of its own, so that it has
// no controlling terminal (as under CI or cron). Standard output is a pipe that the test reads.
namespace process {

enum class Stdin {
    File,      // a regular file holding `input`
    Path,      // the existing file named by `input`
    OpenPipe,  // a pipe holding `input` whose writer stays open until the program has ended
    DevNull,   // /dev/null
    Closed,    // no standard input at all
};

struct Launch {
    std::string input;
    Stdin stdin_kind = Stdin::File;
    std::size_t read_limit = static_cast<std::size_t>(-1);  // the reader closes the pipe after this
    int limit_seconds = 60;                                 // the hang guard
};

struct Result {
    std::string output;   // what was read from standard output
    bool exited = false;  // ended by itself, not by a signal or the hang guard
    int exit_status = -1;
    long max_rss_kb = 0;  // peak resident memory
};

Result run(const std::string& binary, const Launch& launch);

// Replaces the calling process by `binary`, started through the build's launcher (the emulator
// of a cross-build) if there is one. Returns only when that fails.
void exec_program(const std::string& binary);

// Starts `binary` in a session of its own, with `stdin_fd` as standard input (none when -1) and
// `stdout_fd` as standard output; the child closes `close_in_child` first. Returns its pid.
pid_t spawn_without_terminal(const std::string& binary, int stdin_fd, int stdout_fd,
                             std::initializer_list<int> close_in_child);

inline Result run_without_terminal(const std::string& binary, const std::string& input) {
    Launch launch;
    launch.input = input;
    return run(binary, launch);
}

}  // namespace process

#endif  // SHAPECALC_TESTS_PROCESS_HPP
