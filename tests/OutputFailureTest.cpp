#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>
#include <string>

#include "Dialogue.hpp"

// When nobody reads the output any more (a closed pipe, a full disk), the dialogue stops reading
// answers instead of working through the rest of its input unseen.
namespace {

// Accepts `room` bytes, then fails every write, as a pipe whose reader has gone.
class ClosingBuffer : public std::streambuf {
  public:
    explicit ClosingBuffer(std::size_t room) : room_(room) {}

  protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof()) || room_ == 0) {
            return traits_type::eof();
        }
        --room_;
        return c;
    }

  private:
    std::size_t room_;
};

// Runs a session of many calculations whose output fails after `room` bytes; returns how many
// input bytes were left unread.
std::streamsize unread_after_output_fails(std::size_t room) {
    std::string answers;
    for (int i = 0; i < 1000; ++i)
        answers += "2 2 12 7 0 0 3 1 1 2 0 0 ";
    answers += "exit\n";
    std::istringstream in(answers);
    ClosingBuffer buffer(room);
    std::ostream out(&buffer);
    shapecalc::Dialogue(in, out).run();
    EXPECT_TRUE(out.fail());
    return in.rdbuf()->in_avail();
}

TEST(OutputFailure, StopsAtTheTopMenu) {
    // The top menu ends at byte 253 and its prompt at 274: the output fails in the prompt.
    EXPECT_GT(unread_after_output_fails(260), 20000);
}

TEST(OutputFailure, StopsAtAQuantityMenu) {
    // Fails in the plane branch's quantity menu (bytes 274 to 345), right after the first "2".
    EXPECT_GT(unread_after_output_fails(300), 20000);
}

TEST(OutputFailure, StopsAtAFigureMenu) {
    EXPECT_GT(unread_after_output_fails(400), 20000);
}

TEST(OutputFailure, StopsLaterInTheSession) {
    EXPECT_GT(unread_after_output_fails(100000), 0);
}

}  // namespace
