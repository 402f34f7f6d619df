#include "NextAnswer.hpp"

#include <string>

namespace shapecalc {

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

}  // namespace shapecalc
