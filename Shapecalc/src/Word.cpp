#include "Word.hpp"

#include <cstring>
#include <locale>
#include <string>

namespace shapecalc {

bool Word::is(const char* literal) const {
    const std::size_t n = std::strlen(literal);
    return length == n && std::memcmp(text, literal, n) == 0;
}

bool read_word(std::istream& in, Word& word) {
    using traits = std::char_traits<char>;
    word.text[0] = '\0';
    word.length = 0;

    // The sentry flushes the tied output (so the prompt is visible before we wait) and skips
    // leading white space; at end of input it fails the stream.
    const std::istream::sentry ready(in);
    if (!ready) {
        return false;
    }
    const auto& ctype = std::use_facet<std::ctype<char>>(in.getloc());
    std::streambuf* buf = in.rdbuf();
    std::size_t kept = 0;
    for (traits::int_type c = buf->sgetc();; c = buf->snextc()) {
        if (traits::eq_int_type(c, traits::eof())) {
            in.setstate(std::ios_base::eofbit);
            break;
        }
        const char ch = traits::to_char_type(c);
        if (ctype.is(std::ctype_base::space, ch)) {
            break;
        }
        if (kept + 1 < Word::kCapacity) {
            word.text[kept++] = ch;
        }
        ++word.length;
    }
    word.text[kept] = '\0';
    return true;
}

}  // namespace shapecalc
