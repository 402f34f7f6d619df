#ifndef SHAPECALC_TESTS_TRANSCRIPT_HPP
#define SHAPECALC_TESTS_TRANSCRIPT_HPP

#include <map>
#include <string>
#include <vector>

// A transcript file describes one session: the bytes typed in and the bytes expected out, both
// written as C-escaped string literals so that every tab and newline is visible.
//
//   # comment
//   < "2 1 6 3 4\n"                  input bytes (no newline is added)
//   > @start @top_menu "\n\tPerimeter = " "14" "\n"
//                                    expected output: literals and @fragments, concatenated
//   = name                           (fragment files) the following '>' lines define @name
//
// Input and output lines may interleave in dialogue order; each side is concatenated on its own.
namespace transcript {

using Fragments = std::map<std::string, std::string>;

struct Session {
    std::string input;
    std::string expected;
};

// Reads fragment definitions; throws std::runtime_error with the file and line on any error.
Fragments load_fragments(const std::string& path);

// Reads one session, resolving @names from the fragments.
Session load_session(const std::string& path, const Fragments& fragments);

// The sessions of a transcripts folder: the stems of its .t files, sorted.
std::vector<std::string> session_names(const std::string& folder);

// Reads the session `name` of a transcripts folder, with the folder's fragments.txt.
Session load_named(const std::string& folder, const std::string& name);

// The documented text `name` of a transcripts folder's fragments.txt; throws if it has none.
std::string text(const std::string& folder, const std::string& name);

// Shows control characters escaped, for readable failure messages.
std::string visible(const std::string& bytes);

}  // namespace transcript

#endif  // SHAPECALC_TESTS_TRANSCRIPT_HPP
