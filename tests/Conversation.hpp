#ifndef SHAPECALC_TESTS_CONVERSATION_HPP
#define SHAPECALC_TESTS_CONVERSATION_HPP

#include <sys/types.h>

#include <string>

// The real program driven over two pipes, answer by answer, as a person or a script would: the
// test sees output as it arrives. The program runs in its own session, without a terminal.
class Conversation {
  public:
    explicit Conversation(const std::string& binary);
    ~Conversation();
    Conversation(const Conversation&) = delete;
    Conversation& operator=(const Conversation&) = delete;

    // Waits until all output so far ends with `tail` (and nothing more has come). False when that
    // has not happened within `limit_ms`, or the program closed its output first.
    bool wait_for(const std::string& tail, int limit_ms);

    // Writes an answer; false when the program no longer reads.
    bool send(const std::string& answer);

    // Closes the program's input, reads the rest of its output and returns its exit status
    // (-1 when it did not end by itself within the limit).
    int finish(int limit_ms);

    const std::string& output() const { return output_; }

  private:
    bool read_some(int wait_ms);

    pid_t pid_ = -1;
    int to_program_ = -1;
    int from_program_ = -1;
    bool output_closed_ = false;
    std::string output_;
};

#endif  // SHAPECALC_TESTS_CONVERSATION_HPP
