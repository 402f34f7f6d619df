#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "Dialogue.hpp"
#include "Transcript.hpp"

// Every session in the transcripts folder runs in-process on string streams (and, where the
// platform can start the program, again as the real program: TranscriptProgramTest.cpp).
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

TEST(TranscriptFolder, HoldsSessions) {
    EXPECT_GE(transcript::session_names(SHAPECALC_TRANSCRIPTS).size(), 20u);
}

}  // namespace
