#include <gtest/gtest.h>

#include <string>

#include "Program.hpp"
#include "Transcript.hpp"

// Every session in the transcripts folder, run by the real program with no controlling terminal,
// which must also end with status 0.
namespace {

class TranscriptProgram : public testing::TestWithParam<std::string> {};

TEST_P(TranscriptProgram, SameBytesAsInProcess) {
    const transcript::Session session = transcript::load_named(SHAPECALC_TRANSCRIPTS, GetParam());
    const harness::Result result = harness::run_without_terminal(session.input);
    ASSERT_TRUE(result.exited) << "killed or hung";
    EXPECT_EQ(result.exit_status, 0);
    EXPECT_EQ(transcript::visible(result.output), transcript::visible(session.expected));
}

INSTANTIATE_TEST_SUITE_P(Sessions, TranscriptProgram,
                         testing::ValuesIn(transcript::session_names(SHAPECALC_TRANSCRIPTS)));

}  // namespace
