#include "Word.hpp"

#include <cstring>
#include <string>

namespace shapecalc {

bool Word::is(std::string_view literal) const {
    return length == literal.size() && std::memcmp(text, literal.data(), literal.size()) == 0;
}

bool is_white_space(int c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool start_answer(std::istream& in) {
    using traits = std::char_traits<char>;
    if (!in.good()) {
        in.setstate(std::ios_base::failbit);
        return false;
    }
    std::streambuf* buf = in.rdbuf();
    traits::int_type c = buf->sgetc();
    while (c != traits::eof() && is_white_space(c)) {
        c = buf->snextc();
    }
    if (c == traits::eof()) {
        in.setstate(std::ios_base::eofbit | std::ios_base::failbit);
        return false;
    }
    return true;
}

bool read_word(std::istream& in, Word& word) {
    using traits = std::char_traits<char>;
    const traits::int_type eof = traits::eof();
    word.text[0] = '\0';
    word.length = 0;
    if (!start_answer(in)) {
        return false;
    }
    std::streambuf* buf = in.rdbuf();
    traits::int_type c = buf->sgetc();
    std::size_t kept = 0;
    for (; c != eof && !is_white_space(c); c = buf->snextc()) {
        if (kept + 1 < Word::kCapacity) {
            word.text[kept++] = traits::to_char_type(c);
        }
        ++word.length;
    }
    if (c == eof) {
        in.setstate(std::ios_base::eofbit);
    }
    word.text[kept] = '\0';
    return true;
}

}  // namespace shapecalc
