#ifndef SHAPECALC_TESTS_PROCESS_HPP
#define SHAPECALC_TESTS_PROCESS_HPP

#include <string>

// Runs the real program as a user's pipeline would, but in a session of its own, so that it has
// no controlling terminal (as under CI or cron).
namespace process {

struct Result {
    std::string output;   // everything written to standard output
    bool exited = false;  // ended by itself, not by a signal or the hang guard
    int exit_status = -1;
};

// Starts `binary` with standard input read from the given bytes (a regular file) and standard
// output into a file; kills it if it has not ended within `limit_seconds` (a hang).
Result run_without_terminal(const std::string& binary, const std::string& input,
                            int limit_seconds = 30);

}  // namespace process

#endif  // SHAPECALC_TESTS_PROCESS_HPP
