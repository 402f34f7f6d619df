// Writes the input of every transcript session as a file of its own, named after the session: the
// seeds of the dialogue fuzzer's corpus, and the inputs of the valgrind runs. With --expected,
// writes NAME.in and NAME.expected instead, for running the sessions from a script.
// Usage: transcript_inputs [--expected] TRANSCRIPTS_DIR OUTPUT_DIR
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "Transcript.hpp"

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    const bool expected = argc == 4 && std::strcmp(argv[1], "--expected") == 0;
    if (argc != 3 && !expected) {
        std::cerr << "usage: transcript_inputs [--expected] TRANSCRIPTS_DIR OUTPUT_DIR\n";
        return 2;
    }
    const std::string from = argv[argc - 2];
    const fs::path to = argv[argc - 1];
    fs::create_directories(to);
    int written = 0;
    for (const std::string& name : transcript::session_names(from)) {
        const auto session = transcript::load_named(from, name);
        std::ofstream((to / (expected ? name + ".in" : name)).string(), std::ios::binary)
            << session.input;
        if (expected)
            std::ofstream((to / (name + ".expected")).string(), std::ios::binary)
                << session.expected;
        ++written;
    }
    std::cout << written << " sessions written to " << to.string() << '\n';
    return written > 0 ? 0 : 1;
}
