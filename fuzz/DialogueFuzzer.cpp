// Feeds arbitrary bytes to the whole dialogue, in-process, as a user's typing or a piped file.
// Besides what the sanitizers catch, every run must:
// - end (libFuzzer's -timeout catches a loop);
// - print at most a bounded number of bytes per input byte (a loop that prints without reading
//   would exceed it);
// - end with the farewell;
// - print the invalid-inputs message exactly when the input stream has failed.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "Dialogue.hpp"
#include "Texts.hpp"

namespace {

// The longest output one input byte can cause is a figure list with its prompt after a 2-byte
// answer; the constant covers the banner, the menus and the end sequence of an empty input.
constexpr std::size_t kBytesPerInputByte = 256;
constexpr std::size_t kFixedBytes = 4096;

void check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "dialogue property violated: %s\n", what);
        std::abort();
    }
}

bool ends_with(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream out;
    shapecalc::Dialogue(in, out).run();
    const std::string output = out.str();

    check(output.size() <= kFixedBytes + kBytesPerInputByte * size, "output out of proportion");
    const std::string farewell(shapecalc::text::kFarewell);
    check(ends_with(output, farewell), "output does not end with the farewell");
    const bool warned = ends_with(output, std::string(shapecalc::text::kInvalidInputs) + farewell);
    check(warned == in.fail(), "invalid-inputs message does not match the input stream's state");
    return 0;
}
