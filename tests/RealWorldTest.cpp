#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "Program.hpp"
#include "Transcript.hpp"

// The real program at the ends of the real world: no input, a reader that goes away, huge and
// hostile input. Every case must end by itself with status 0.
namespace {

using harness::Input;
using harness::Options;

std::string text(const char* name) {
    return transcript::text(SHAPECALC_TRANSCRIPTS, name);
}
const std::string kFarewell = text("farewell");
const std::string kInvalidInputs = text("invalid_inputs");
const std::string kTopPrompt = text("top_prompt");
const std::string kOpening = text("start") + text("top_menu") + kTopPrompt;

// A file of `size` bytes made chunk by chunk, so that the test itself never holds it: the peak
// memory of a forked child starts from its parent's.
class BigInput {
  public:
    template <typename Fill>
    BigInput(std::size_t size, Fill fill) {
        char name[] = "/tmp/shapecalc-big-XXXXXX";
        const int fd = ::mkstemp(name);
        path_ = name;
        char chunk[65536];
        for (std::size_t done = 0; done < size; done += sizeof chunk) {
            for (char& c : chunk)
                c = fill();
            if (::write(fd, chunk, sizeof chunk) != static_cast<ssize_t>(sizeof chunk))
                break;
        }
        ::close(fd);
    }
    ~BigInput() { ::unlink(path_.c_str()); }
    Options options() const {
        Options options;
        options.input = Input::Path;
        options.input_text = path_;
        return options;
    }

  private:
    std::string path_;
};

void expect_clean_end(const harness::Result& result) {
    ASSERT_TRUE(result.exited) << "killed, or still running at the hang guard";
    EXPECT_EQ(result.exit_status, 0);
}

TEST(NoInput, DevNullAndClosedStdinEndAtOnce) {
    for (const Input kind : {Input::DevNull, Input::Closed}) {
        Options options;
        options.input = kind;
        const harness::Result result = harness::run(options);
        expect_clean_end(result);
        EXPECT_EQ(result.output, kOpening + kInvalidInputs + kFarewell);
    }
}

TEST(ClosedOutput, ReaderGoingAwayEndsTheProgramWhileItsInputStaysOpen) {
    // The answers keep the program busy, and its input is never closed: it can only end because
    // it notices that nobody reads its output any more.
    Options options;
    options.input = Input::Pipe;
    options.input_text = "2 2 ";
    for (int i = 0; i < 2000; ++i)
        options.input_text += "12 7 ";
    options.read_limit = 100;
    // A program that misses the closed output waits for input forever.
    const harness::Result result = harness::run(options, 10);
    expect_clean_end(result);
    EXPECT_GE(result.output.size(), 100u);
}

TEST(ClosedOutput, HeadOfABigSession) {
    // `Shapecalc < big_session | head -c 100`: ends by itself, with status 0.
    std::string input;
    for (int i = 0; i < 100000; ++i)
        input += "2 2 12 7 0 0 ";
    Options options = harness::answers_in_file(input + "exit\n");
    options.read_limit = 100;
    const harness::Result result = harness::run(options);
    expect_clean_end(result);
    EXPECT_EQ(result.output.substr(0, 100), kOpening.substr(0, 100));
}

TEST(HugeInput, TenMegabyteWordIsOneInvalidWordInBoundedMemory) {
    const harness::Result baseline = harness::run_without_terminal("exit\n");
    expect_clean_end(baseline);

    const BigInput huge(10 << 20, [] { return 'w'; });
    const harness::Result result = harness::run(huge.options());
    expect_clean_end(result);
    EXPECT_EQ(result.output,
              kOpening + text("top_invalid") + kTopPrompt + kInvalidInputs + kFarewell);
    // The word is never held in memory: peak memory does not grow with it.
    EXPECT_LT(result.max_rss_kb, baseline.max_rss_kb + 4096);
}

TEST(HugeInput, TenMegabytesOfRandomBytes) {
    const harness::Result baseline = harness::run_without_terminal("exit\n");
    std::uint64_t state = 0x9E3779B97F4A7C15u;  // a fixed xorshift sequence
    const BigInput random(10 << 20, [&state] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return static_cast<char>(state >> 56);
    });
    const harness::Result result = harness::run(random.options());
    expect_clean_end(result);
    ASSERT_GE(result.output.size(), kFarewell.size());
    EXPECT_EQ(result.output.substr(result.output.size() - kFarewell.size()), kFarewell);
    EXPECT_LT(result.max_rss_kb, baseline.max_rss_kb + 4096);
}

TEST(HugeInput, ManyCalculationsTypedAhead) {
    // Half a million calculations in one run, in both branches, output fully read.
    std::string input;
    const std::string block = "2 2 12 7 0 0 3 3 6 7 0 0 ";
    input.reserve(block.size() * 100000 + 8);
    for (int i = 0; i < 100000; ++i)
        input += block;
    const harness::Result result = harness::run(harness::answers_in_file(input + "exit\n"));
    expect_clean_end(result);
    ASSERT_GE(result.output.size(), kFarewell.size());
    EXPECT_EQ(
        result.output.compare(result.output.size() - kFarewell.size(), kFarewell.size(), kFarewell),
        0);
    EXPECT_EQ(result.output.find(kInvalidInputs), std::string::npos);
}

}  // namespace
