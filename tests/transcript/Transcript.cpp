#include "Transcript.hpp"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace transcript {

namespace {

[[noreturn]] void fail(const std::string& where, const std::string& what) {
    throw std::runtime_error(where + ": " + what);
}

int hex_digit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Parses one C-escaped literal starting at the opening quote; advances pos past the closing one.
std::string literal(const std::string& line, std::size_t& pos, const std::string& where) {
    std::string out;
    for (++pos; pos < line.size(); ++pos) {
        char c = line[pos];
        if (c == '"') {
            ++pos;
            return out;
        }
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++pos == line.size())
            break;
        switch (line[pos]) {
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            case 'r':
                out += '\r';
                break;
            case '0':
                out += '\0';
                break;
            case '\\':
                out += '\\';
                break;
            case '"':
                out += '"';
                break;
            case 'x': {
                const int hi = pos + 1 < line.size() ? hex_digit(line[pos + 1]) : -1;
                const int lo = pos + 2 < line.size() ? hex_digit(line[pos + 2]) : -1;
                if (hi < 0 || lo < 0)
                    fail(where, "\\x needs two hex digits");
                out += static_cast<char>(hi * 16 + lo);
                pos += 2;
                break;
            }
            default:
                fail(where, std::string("unknown escape \\") + line[pos]);
        }
    }
    fail(where, "unterminated literal");
}

// Concatenates the literals and @fragments of one line's tokens.
std::string tokens(const std::string& line, std::size_t pos, const Fragments& fragments,
                   const std::string& where) {
    std::string out;
    while (pos < line.size()) {
        const char c = line[pos];
        if (std::isspace(static_cast<unsigned char>(c))) {
            ++pos;
        } else if (c == '"') {
            out += literal(line, pos, where);
        } else if (c == '@') {
            std::size_t end = pos + 1;
            while (end < line.size() &&
                   (std::isalnum(static_cast<unsigned char>(line[end])) || line[end] == '_')) {
                ++end;
            }
            const std::string name = line.substr(pos + 1, end - pos - 1);
            const auto found = fragments.find(name);
            if (found == fragments.end())
                fail(where, "unknown fragment @" + name);
            out += found->second;
            pos = end;
        } else {
            fail(where, std::string("unexpected character '") + c + "'");
        }
    }
    return out;
}

// Walks a file's lines, handing each '<', '>' or '=' line to the callback.
template <typename Callback>
void each_line(const std::string& path, Callback&& callback) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot open " + path);
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        const std::string where = path + ":" + std::to_string(number);
        if (line.empty() || line[0] == '#')
            continue;
        if (line[0] != '<' && line[0] != '>' && line[0] != '=')
            fail(where, "unknown line");
        callback(line[0], line, where);
    }
}

}  // namespace

Fragments load_fragments(const std::string& path) {
    Fragments fragments;
    std::string current;
    each_line(path, [&](char kind, const std::string& line, const std::string& where) {
        if (kind == '=') {
            current = line.substr(1);
            current.erase(0, current.find_first_not_of(' '));
            if (current.empty() || fragments.count(current))
                fail(where, "bad fragment name");
            fragments[current];
        } else if (kind == '>' && !current.empty()) {
            fragments[current] += tokens(line, 1, fragments, where);
        } else {
            fail(where, "fragment files hold only '=' and '>' lines");
        }
    });
    return fragments;
}

Session load_session(const std::string& path, const Fragments& fragments) {
    Session session;
    each_line(path, [&](char kind, const std::string& line, const std::string& where) {
        if (kind == '<') {
            session.input += tokens(line, 1, fragments, where);
        } else if (kind == '>') {
            session.expected += tokens(line, 1, fragments, where);
        } else {
            fail(where, "fragments are defined in the fragment file");
        }
    });
    return session;
}

std::string visible(const std::string& bytes) {
    std::string out;
    for (const char c : bytes) {
        if (c == '\n') {
            out += "\\n\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02x", static_cast<unsigned char>(c));
            out += hex;
        } else {
            out += c;
        }
    }
    return out;
}

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
    return load_session(folder + "/" + name + ".t", load_fragments(folder + "/fragments.txt"));
}

std::string text(const std::string& folder, const std::string& name) {
    const Fragments fragments = load_fragments(folder + "/fragments.txt");
    const auto found = fragments.find(name);
    if (found == fragments.end())
        throw std::runtime_error(folder + "/fragments.txt has no text " + name);
    return found->second;
}

}  // namespace transcript
