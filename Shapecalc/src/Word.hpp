#ifndef SHAPECALC_WORD_HPP
#define SHAPECALC_WORD_HPP

#include <cstddef>
#include <istream>
#include <string_view>

namespace shapecalc {

// A menu answer: one whitespace-delimited word. The buffer keeps at most 49 characters; a longer
// word is still read whole (never split into two answers) and its full length is kept, so it can
// never equal any menu word.
struct Word {
    static constexpr std::size_t kCapacity = 50;  // 49 characters and the terminating NUL

    char text[kCapacity] = {};
    std::size_t length = 0;

    // True when the whole word, byte for byte, is the given literal (so "02", "Exit" and a word
    // holding a NUL byte are not "2" or "exit").
    bool is(std::string_view literal) const;
};

// Skips white space, then reads characters up to the next white space or the end of input.
// Returns false, with the word empty and the stream failed, when no word is found (end of input,
// or a stream that had already failed).
bool read_word(std::istream& in, Word& word);

}  // namespace shapecalc

#endif  // SHAPECALC_WORD_HPP
