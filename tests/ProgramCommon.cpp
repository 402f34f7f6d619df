#include <chrono>
#include <stdexcept>
#include <string>

#include "Program.hpp"

// The parts of the harness that are the same on every platform: waiting for output, and one
// whole run.
namespace harness {

bool Program::read_until(const std::function<bool()>& done, int limit_ms) {
    const auto start = std::chrono::steady_clock::now();
    while (!done()) {
        if (output_closed_ || milliseconds_since(start) > limit_ms)
            return false;
        read_some(10);
    }
    return true;
}

bool Program::wait_for(const std::string& text, int limit_ms) {
    return read_until([&] { return output_.find(text) != std::string::npos; }, limit_ms);
}

bool Program::wait_for_tail(const std::string& tail, int limit_ms) {
    return read_until(
        [&] {
            return output_.size() >= tail.size() &&
                   output_.compare(output_.size() - tail.size(), tail.size(), tail) == 0;
        },
        limit_ms);
}

Result run(const Options& options, int limit_seconds) {
    Program program(options);
    if (options.input == Input::Pipe) {
        if (options.input_text.size() > 60000)  // more would block while nobody reads the output
            throw std::runtime_error("input too large for a pipe");
        program.send(options.input_text);
    }
    Result result;
    const int status = program.finish(limit_seconds * 1000, false);
    result.output = program.output();
    result.exited = status >= 0 && status < 128;
    result.exit_status = status;
    result.max_rss_kb = program.max_rss_kb();
    return result;
}

}  // namespace harness
