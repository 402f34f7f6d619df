#ifndef SHAPECALC_TESTS_TRANSCRIPT_HPP
#define SHAPECALC_TESTS_TRANSCRIPT_HPP

#include <map>
#include <string>
#include <vector>

// The in-process tests' reader of the session files of tests/transcripts (the format is described
// in tools/transcript.py, their reader for the other tests and tools): the bytes typed in and the
// bytes expected out, written as C-escaped literals and @fragments of fragments.txt.
namespace transcript {

using Fragments = std::map<std::string, std::string>;

struct Session {
    std::string input;
    std::string expected;
};

// The sessions of a transcripts folder: the stems of its .t files, sorted.
std::vector<std::string> session_names(const std::string& folder);

// Reads the session `name` of a transcripts folder, with the folder's fragments.txt; throws
// std::runtime_error with the file and line on any error.
Session load_named(const std::string& folder, const std::string& name);

// The documented text `name` of a transcripts folder's fragments.txt; throws if it has none.
std::string text(const std::string& folder, const std::string& name);

// The bytes of the C-escaped literals of `text`, written one after another (a data file's field),
// each repeated N times where "*N" follows it, and of the @names among them, defined in `names`;
// throws std::runtime_error naming `where` on anything else.
std::string literals(const std::string& text, const std::string& where,
                     const Fragments& names = {});

// Shows control characters escaped, for readable failure messages.
std::string visible(const std::string& bytes);

}  // namespace transcript

#endif  // SHAPECALC_TESTS_TRANSCRIPT_HPP
