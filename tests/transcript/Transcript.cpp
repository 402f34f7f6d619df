#include "Transcript.hpp"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace transcript {

namespace {

// The bytes of one line's C-escaped literals and @fragments; throws with `where` on anything else.
std::string tokens(const std::string& line, const Fragments& fragments, const std::string& where) {
    std::string out;
    for (std::size_t pos = 1; pos < line.size();) {
        const char c = line[pos];
        if (c == ' ') {
            ++pos;
        } else if (c == '@') {
            const std::size_t end = std::min(line.find(' ', pos), line.size());
            const auto found = fragments.find(line.substr(pos + 1, end - pos - 1));
            if (found == fragments.end())
                throw std::runtime_error(where + ": unknown fragment " +
                                         line.substr(pos, end - pos));
            out += found->second;
            pos = end;
        } else if (c == '"') {
            std::string piece;
            for (++pos; pos < line.size() && line[pos] != '"'; ++pos) {
                if (line[pos] != '\\') {
                    piece += line[pos];
                    continue;
                }
                const char escape = line.at(++pos);
                const std::string plain = "nt0r\\\"";
                if (escape == 'x') {
                    piece += static_cast<char>(std::stoi(line.substr(pos + 1, 2), nullptr, 16));
                    pos += 2;
                } else if (plain.find(escape) != std::string::npos) {
                    piece += "\n\t\0\r\\\""[plain.find(escape)];
                } else {
                    throw std::runtime_error(where + ": unknown escape \\" + escape);
                }
            }
            if (pos++ >= line.size())
                throw std::runtime_error(where + ": unterminated literal");
            std::size_t count = 1;  // "0"*1000: the literal's bytes a thousand times
            if (pos + 1 < line.size() && line[pos] == '*' &&
                std::isdigit(static_cast<unsigned char>(line[pos + 1]))) {
                std::size_t digits = 0;
                count = std::stoul(line.substr(pos + 1), &digits);
                pos += 1 + digits;
            }
            for (; count > 0; --count)
                out += piece;
        } else {
            throw std::runtime_error(where + ": unexpected '" + c + "'");
        }
    }
    return out;
}

// Reads a file of '<', '>' and '=' lines: inputs, expected outputs and (fragments) their names.
Session read(const std::string& path, Fragments& fragments) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot open " + path);
    Session session;
    std::string line;
    std::string name;
    for (int number = 1; std::getline(file, line); ++number) {
        const std::string where = path + ":" + std::to_string(number);
        if (line.empty() || line[0] == '#')
            continue;
        if (line[0] == '=')
            fragments[name = line.substr(2)];
        else if (line[0] == '<')
            session.input += tokens(line, fragments, where);
        else if (line[0] == '>')
            (name.empty() ? session.expected : fragments[name]) += tokens(line, fragments, where);
        else
            throw std::runtime_error(where + ": unknown line");
    }
    return session;
}

Fragments fragments_of(const std::string& folder) {
    Fragments fragments;
    read(folder + "/fragments.txt", fragments);
    return fragments;
}

}  // namespace

std::vector<std::string> session_names(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() == ".t")
            names.push_back(entry.path().stem().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

Session load_named(const std::string& folder, const std::string& name) {
    Fragments fragments = fragments_of(folder);
    return read(folder + "/" + name + ".t", fragments);
}

std::string text(const std::string& folder, const std::string& name) {
    return fragments_of(folder).at(name);
}

std::string literals(const std::string& text, const std::string& where, const Fragments& names) {
    return tokens(" " + text, names, where);  // as a line's tokens after its mark
}

std::string visible(const std::string& bytes) {
    std::string out;
    for (const char c : bytes) {
        char hex[5];
        std::snprintf(hex, sizeof hex, "\\x%02x", static_cast<unsigned char>(c));
        out += c == '\n'                           ? "\\n\n"
               : c == '\t'                         ? "\\t"
               : (c >= 0 && c < 0x20) || c == 0x7f ? hex
                                                   : std::string(1, c);
    }
    return out;
}

}  // namespace transcript
