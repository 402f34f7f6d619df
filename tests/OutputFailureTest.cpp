#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>
#include <string>
#include <utility>

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

// Where the output fails, after `room` bytes, and how much input must be left unread: in the top
// menu's prompt (the menu ends at byte 253, its prompt at 274), in the plane branch's quantity menu
// (bytes 274 to 345, right after the first "2"), in a figure menu, and later in the session.
TEST(OutputFailure, StopsReadingWhereverTheOutputFails) {
    for (const auto& [room, unread] : {std::pair<std::size_t, std::streamsize>{260, 20000},
                                       {300, 20000},
                                       {400, 20000},
                                       {100000, 0}}) {
        EXPECT_GT(unread_after_output_fails(room), unread) << "output failing after " << room;
    }
}

}  // namespace
