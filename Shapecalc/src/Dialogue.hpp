#ifndef SHAPECALC_DIALOGUE_HPP
#define SHAPECALC_DIALOGUE_HPP

#include <istream>
#include <ostream>
#include <string_view>

#include "DialogueState.hpp"
#include "MenuTables.hpp"

namespace shapecalc {

// The whole console dialogue, on whatever streams it is given: banner, top menu, both branches
// and the end-sequence texts. The final key wait is not part of it; the caller does that.
class Dialogue {
  public:
    Dialogue(std::istream& in, std::ostream& out) : in_(in), out_(out) {}

    // Runs until "exit" at the top menu, a failed input stream or a failed output stream (nobody
    // can see the dialogue any more), then prints the closing lines (the invalid-inputs message
    // first if the input stream has failed) and flushes them. Always returns; every loop ends at
    // the latest when the input does.
    //
    // Output is flushed before every read that may have to wait for input, and not while input
    // is already waiting, so an input stream tied to the output should be untied.
    void run();

  private:
    void top_menu();
    void branch(const Branch& branch);
    void figure_menu(const FigureMenu& menu);
    void calculate(const FigureRow& row);
    void end_sequence();

    // Writes text, or a result in the default notation of a stream (six significant digits);
    // a write that fails fails the output stream.
    void put(std::string_view text);
    void put_number(double value);

    // Prints a prompt before a read, flushing the output unless an answer is already waiting;
    // false once the output has failed.
    bool prompt(std::string_view text);
    bool stopped() const;

    std::istream& in_;
    std::ostream& out_;
    DialogueState state_;
};

}  // namespace shapecalc

#endif  // SHAPECALC_DIALOGUE_HPP
