#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "Dialogue.hpp"
#include "Program.hpp"
#include "Transcript.hpp"

// Over pipes the program must show every prompt before it waits for the answer, while a block of
// answers typed ahead gives exactly the same bytes as the same answers sent one at a time.
namespace {

constexpr int kPromptLimitMs = 10000;  // a prompt held back is never sent: this only stops a hang

std::string text(const char* name) {
    return transcript::text(SHAPECALC_TRANSCRIPTS, name);
}
const std::string kTopPrompt = text("top_prompt");
const std::string kPrompt = text("prompt");

struct Step {
    std::string prompt;  // what must have arrived, to its last byte, before the answer is sent
    std::string answer;
};

void converse(harness::Program& program, const std::vector<Step>& steps) {
    for (const Step& step : steps) {
        ASSERT_TRUE(program.wait_for_tail(step.prompt, kPromptLimitMs))
            << "prompt held back before answer '" << step.answer << "'; output so far:\n"
            << transcript::visible(program.output());
        ASSERT_TRUE(program.send(step.answer));
    }
}

TEST(PipeDialogue, EveryPromptArrivesBeforeItsAnswerIsNeeded) {
    harness::Program program;
    converse(program, {{kTopPrompt, "2\n"},
                       {kPrompt, "2\n"},
                       {kPrompt, "12\n"},
                       {"\tLength of radius: ", "7\n"},
                       {kPrompt, "0\n"},
                       {kPrompt, "0\n"},
                       {kTopPrompt, "3\n"},
                       {kPrompt, "2\n"},
                       {kPrompt, "2\n"},
                       {"\tLength : ", "3\n"},
                       {"\tWidth : ", "4\n"},
                       {"\tHeight : ", "5\n"},
                       {kPrompt, "0\n"},
                       {kPrompt, "0\n"},
                       {kTopPrompt, "exit\n"}});
    EXPECT_NE(program.output().find(text("area") + "154\n"), std::string::npos);
    EXPECT_NE(program.output().find(text("total") + "94\n"), std::string::npos);
    EXPECT_TRUE(program.wait_for_tail(text("farewell"), kPromptLimitMs));
    EXPECT_EQ(program.finish(kPromptLimitMs), 0);
}

TEST(PipeDialogue, FailedReadEndsWithoutWaitingForMore) {
    harness::Program program;
    converse(
        program,
        {{kTopPrompt, "2\n"}, {kPrompt, "1\n"}, {kPrompt, "1\n"}, {"\tLength of base: ", "x\n"}});
    // The rest comes without any further answer and without closing the input.
    EXPECT_TRUE(program.wait_for_tail(text("invalid_inputs") + text("farewell"), kPromptLimitMs));
    EXPECT_EQ(program.finish(kPromptLimitMs), 0);
}

// Splits typed input into answers: each word with the white space after it.
std::vector<std::string> answers_of(const std::string& input) {
    std::vector<std::string> answers;
    std::size_t start = 0;
    while (start < input.size()) {
        std::size_t end = input.find_first_of(" \t\r\n", start);
        end = end == std::string::npos ? input.size() : input.find_first_not_of(" \t\r\n", end);
        if (end == std::string::npos)
            end = input.size();
        answers.push_back(input.substr(start, end - start));
        start = end;
    }
    return answers;
}

class OneByOne : public testing::TestWithParam<const char*> {};

TEST_P(OneByOne, SameBytesAsTheBlockTypedAhead) {
    const auto session = transcript::load_named(SHAPECALC_TRANSCRIPTS, GetParam());

    harness::Program program;
    for (const std::string& answer : answers_of(session.input)) {
        // Every prompt ends in ": "; the next answer goes once the program asks for one.
        program.wait_for_tail(": ", 2000);
        if (!program.send(answer))
            break;  // the program has ended
    }
    EXPECT_EQ(program.finish(kPromptLimitMs), 0);
    EXPECT_EQ(transcript::visible(program.output()), transcript::visible(session.expected));
}

INSTANTIATE_TEST_SUITE_P(Sessions, OneByOne,
                         testing::Values("typed_ahead_rectangle", "plane_perimeters",
                                         "solid_total_surfaces", "quantity_flag_after_calculation",
                                         "failed_length_keeps_earlier_values",
                                         "figure_number_with_fraction", "long_words",
                                         "exit_with_blanks_and_trailing_words"));

}  // namespace
