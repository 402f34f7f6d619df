#include <gtest/gtest.h>

#include <iterator>
#include <regex>
#include <sstream>
#include <string>

#include "Dialogue.hpp"
#include "Transcript.hpp"

// Every session in the transcripts folder runs in-process on string streams (and, where the
// platform can start the program, again as the real program: tests/program_test.py).
namespace {

class Transcript : public testing::TestWithParam<std::string> {};

TEST_P(Transcript, InProcess) {
    const transcript::Session session = transcript::load_named(SHAPECALC_TRANSCRIPTS, GetParam());
    std::istringstream in(session.input);
    std::ostringstream out;
    shapecalc::Dialogue(in, out).run();
    EXPECT_EQ(transcript::visible(out.str()), transcript::visible(session.expected));
}

INSTANTIATE_TEST_SUITE_P(Sessions, Transcript,
                         testing::ValuesIn(transcript::session_names(SHAPECALC_TRANSCRIPTS)));

// A menu's figure numbers are 1 to N, where N is the number of figures its documented list shows:
// N is a figure, N + 1 is an invalid number.
TEST(FigureNumbers, TheLastOfTheDocumentedListIsAFigureAndTheNextIsInvalid) {
    const std::string invalid = transcript::text(SHAPECALC_TRANSCRIPTS, "invalid");
    const std::regex entry("\t[0-9]+\\.");
    const std::pair<const char*, const char*> menus[] = {{"2 1", "plane_list"},
                                                         {"2 2", "plane_list"},
                                                         {"3 1", "curved_list"},
                                                         {"3 2", "total_list"},
                                                         {"3 3", "volume_list"}};
    for (const auto& [words, list_name] : menus) {
        const std::string list = transcript::text(SHAPECALC_TRANSCRIPTS, list_name);
        const auto shown = static_cast<std::size_t>(
            std::distance(std::sregex_iterator(list.begin(), list.end(), entry), {}));
        for (const std::size_t number : {shown, shown + 1}) {
            std::istringstream in(std::string(words) + " " + std::to_string(number) + "\n");
            std::ostringstream out;
            shapecalc::Dialogue(in, out).run();
            EXPECT_EQ(out.str().find(invalid) != std::string::npos, number > shown)
                << "figure " << number << " after '" << words << "': the menu's rows in "
                << "Shapecalc/src/PlaneMenus.cpp or SolidMenus.cpp and " << list_name
                << " in tests/transcripts/fragments.txt (" << shown << " figures) must agree";
        }
    }
}

TEST(TranscriptFolder, HoldsSessions) {
    EXPECT_GE(transcript::session_names(SHAPECALC_TRANSCRIPTS).size(), 20u);
}

}  // namespace
