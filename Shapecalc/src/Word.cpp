#include "Word.hpp"

#include "NextAnswer.hpp"

#include <string>

namespace shapecalc {

bool Word::is(std::string_view literal) const {
    return std::string_view(text, length) == literal;
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
