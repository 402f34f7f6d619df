#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <istream>
#include <ostream>

#include "Console.hpp"
#include "Dialogue.hpp"
#include "FdStreamBuf.hpp"

// Shapecalc takes no arguments, reads only standard input and writes only standard output; the
// last key press comes from the console. It ends with status 0, also after invalid input, unless
// its output could not be written: then standard error names the error and the status is 1. A
// reader that went away (`Shapecalc | head`) chose to stop reading, which is no error.
int main() {
#ifdef SIGPIPE
    // A reader that goes away makes writes fail instead of killing the program; the dialogue then
    // ends on its own.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    // Typed-ahead sessions write far more than they read: large blocks keep system calls few.
    // The dialogue flushes the output before any read that may wait, and only then. No output
    // tells these sizes from a little larger or smaller ones: only the count of calls differs.
    static char input_storage[1 << 16];
    static char output_storage[1 << 17];
    shapecalc::FdInBuf input_buffer(0, input_storage, sizeof input_storage);
    shapecalc::FdOutBuf output_buffer(1, output_storage, sizeof output_storage);
    std::istream input(&input_buffer);
    std::ostream output(&output_buffer);

    shapecalc::Dialogue(input, output).run();  // which flushes its closing lines itself
    if (output_buffer.error() == EPIPE) {
        return 0;  // nobody reads the farewell, nor asks for a key
    }
    if (!output) {
        std::fprintf(stderr, "Shapecalc: write error: %s\n", std::strerror(output_buffer.error()));
        return 1;
    }
    shapecalc::wait_for_key();
    return 0;
}
