// Differential fuzzing of the dialogue's number reads against the standard stream's extraction:
// for any bytes, both must consume the same characters, store the same value (bit for bit) and
// leave the same stream state.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

#include "NumberReader.hpp"

namespace {

void check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "number read differs from the stream's: %s\n", what);
        std::abort();
    }
}

std::string rest_of(std::istringstream& in) {
    in.clear();
    std::string rest;
    std::getline(in, rest, '\0');
    return rest;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::string scratch;

    std::istringstream mine(text);
    std::istringstream theirs(text);
    double a = 0.5;
    double b = 0.5;
    shapecalc::read_number(mine, a, scratch);
    theirs >> b;
    check(std::memcmp(&a, &b, sizeof a) == 0, "double value");
    check(mine.rdstate() == theirs.rdstate(), "state after a double");
    check(rest_of(mine) == rest_of(theirs), "characters consumed by a double");

    std::istringstream mine_i(text);
    std::istringstream theirs_i(text);
    std::int32_t i = 5;
    std::int32_t j = 5;
    shapecalc::read_number(mine_i, i);
    theirs_i >> j;
    check(mine_i.rdstate() == theirs_i.rdstate(), "state after an int");
    check(mine_i.fail() || i == j, "int value");
    check(rest_of(mine_i) == rest_of(theirs_i), "characters consumed by an int");
    return 0;
}
