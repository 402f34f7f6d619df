// Writes the input of every transcript session as a file of its own, named after the session: the
// seeds of the dialogue fuzzer's corpus, and the inputs of the valgrind runs.
// Usage: transcript_inputs TRANSCRIPTS_DIR OUTPUT_DIR
#include <filesystem>
#include <fstream>
#include <iostream>

#include "Transcript.hpp"

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    if (argc != 3) {
        std::cerr << "usage: transcript_inputs TRANSCRIPTS_DIR OUTPUT_DIR\n";
        return 2;
    }
    const fs::path from = argv[1];
    const fs::path to = argv[2];
    fs::create_directories(to);
    const auto fragments = transcript::load_fragments((from / "fragments.txt").string());
    int written = 0;
    for (const auto& entry : fs::directory_iterator(from)) {
        if (entry.path().extension() != ".t")
            continue;
        const auto session = transcript::load_session(entry.path().string(), fragments);
        std::ofstream((to / entry.path().stem()).string(), std::ios::binary) << session.input;
        ++written;
    }
    std::cout << written << " session inputs written to " << to.string() << '\n';
    return written > 0 ? 0 : 1;
}
