#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "Word.hpp"

// Menu words: read whole, compared whole, never overrunning their 50-byte buffer.
namespace {

using shapecalc::read_word;
using shapecalc::Word;

TEST(Word, ReadsOneWordAndLeavesTheRest) {
    std::istringstream in("  \t\n\v\f\r 2 1\n");  // all of the "C" locale's white space
    Word word;
    ASSERT_TRUE(read_word(in, word));
    EXPECT_TRUE(word.is("2"));
    EXPECT_FALSE(in.fail());
    ASSERT_TRUE(read_word(in, word));
    EXPECT_TRUE(word.is("1"));
    EXPECT_EQ(in.get(), '\n');
}

TEST(Word, LongWordsAreKeptInTheBufferAndNeverMatch) {
    const std::string w49(49, 'x');
    const std::string w50(50, 'x');
    std::istringstream in(w49 + " " + w50 + std::string(10000, 'y') + " exit");
    Word word;
    ASSERT_TRUE(read_word(in, word));
    EXPECT_EQ(std::string(word.text), w49);
    EXPECT_TRUE(word.is(w49.c_str()));
    ASSERT_TRUE(read_word(in, word));
    EXPECT_EQ(std::string(word.text), w49);  // the first 49 characters and the NUL
    EXPECT_EQ(word.length, 10050u);
    EXPECT_FALSE(word.is(w49.c_str()));
    ASSERT_TRUE(read_word(in, word));  // the rest of the long word was consumed with it
    EXPECT_TRUE(word.is("exit") && std::string(word.text) == "exit");
}

TEST(Word, ComparisonIsWholeAndCaseSensitive) {
    for (const char* text : {"02", "2.0", "Exit", "EXIT", "exit2", "ex"}) {
        std::istringstream in(text);
        Word word;
        ASSERT_TRUE(read_word(in, word));
        EXPECT_FALSE(word.is("2") || word.is("exit")) << text;
    }
    std::istringstream in(std::string("exit\0x 2", 8));
    Word word;
    ASSERT_TRUE(read_word(in, word));
    EXPECT_FALSE(word.is("exit")) << "a NUL byte inside a word must not cut it short";
}

TEST(Word, EndOfInputGivesTheEmptyWordAndFailsTheStream) {
    std::istringstream in("exit");
    Word word;
    ASSERT_TRUE(read_word(in, word));
    EXPECT_TRUE(word.is("exit"));
    EXPECT_FALSE(in.fail()) << "end of input after a word is not a failure";
    EXPECT_TRUE(in.eof());

    std::istringstream blank(" \n\t ");
    EXPECT_FALSE(read_word(blank, word));
    EXPECT_TRUE(word.is("") && word.text[0] == '\0');
    EXPECT_TRUE(blank.fail());
    EXPECT_FALSE(read_word(blank, word));  // and stays failed
}

}  // namespace
