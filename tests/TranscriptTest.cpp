#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "Dialogue.hpp"
#include "Program.hpp"
#include "Transcript.hpp"

// Every session in the transcripts folder runs twice: in-process on string streams, and as the
// real program with no controlling terminal, which must also end with status 0.
namespace {

namespace fs = std::filesystem;

// The session names: the stems of the .t files.
std::vector<std::string> session_names() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(SHAPECALC_TRANSCRIPTS)) {
        if (entry.path().extension() == ".t")
            names.push_back(entry.path().stem().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

transcript::Session load(const std::string& name) {
    const fs::path folder = SHAPECALC_TRANSCRIPTS;
    static const transcript::Fragments fragments =
        transcript::load_fragments((folder / "fragments.txt").string());
    return transcript::load_session((folder / (name + ".t")).string(), fragments);
}

class Transcript : public testing::TestWithParam<std::string> {};

TEST_P(Transcript, InProcess) {
    const transcript::Session session = load(GetParam());
    std::istringstream in(session.input);
    std::ostringstream out;
    shapecalc::Dialogue(in, out).run();
    EXPECT_EQ(transcript::visible(out.str()), transcript::visible(session.expected));
}

TEST_P(Transcript, RealProgram) {
    const transcript::Session session = load(GetParam());
    const harness::Result result = harness::run_without_terminal(session.input);
    ASSERT_TRUE(result.exited) << "killed or hung";
    EXPECT_EQ(result.exit_status, 0);
    EXPECT_EQ(transcript::visible(result.output), transcript::visible(session.expected));
}

INSTANTIATE_TEST_SUITE_P(Sessions, Transcript, testing::ValuesIn(session_names()));

TEST(TranscriptFolder, HoldsSessions) {
    EXPECT_GE(session_names().size(), 20u);
}

}  // namespace
