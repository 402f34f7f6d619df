#include "Dialogue.hpp"

#include "Texts.hpp"

namespace shapecalc {

namespace {

// The figure menu a quantity word opens, or null for any other word.
const FigureMenu* find_quantity(const Branch& branch, const Word& word) {
    for (std::size_t i = 0; i < branch.choice_count; ++i) {
        if (word.is(branch.choices[i].word)) {
            return branch.choices[i].menu;
        }
    }
    return nullptr;
}

}  // namespace

void Dialogue::run() {
    out_ << text::kBanner << '\n';
    out_ << text::kInstructions;
    state_.show_menu = true;
    top_menu();
    end_sequence();
}

void Dialogue::top_menu() {
    for (;;) {
        if (state_.show_menu) {
            out_ << text::kTopMenu;
        }
        out_ << text::kTopPrompt;
        if (!ready_to_read() || !read_word(in_, state_.choice)) {
            return;  // end of input: nothing more to answer
        }
        state_.show_quantity_menu = true;
        state_.show_figure_list = true;

        const Branch* chosen = nullptr;
        if (state_.choice.is("2")) {
            chosen = &kPlaneBranch;
        } else if (state_.choice.is("3")) {
            chosen = &kSolidBranch;
        } else if (state_.choice.is("exit")) {
            return;
        } else {
            out_ << text::kTopInvalid;
            state_.show_menu = false;
            continue;
        }
        branch(*chosen);
        if (stopped()) {
            return;
        }
    }
}

void Dialogue::branch(const Branch& branch) {
    for (;;) {
        state_.show_menu = true;
        state_.show_figure_list = true;
        if (state_.show_quantity_menu) {
            out_ << branch.quantity_menu;
        }
        out_ << text::kMenuPrompt;
        if (!ready_to_read() || !read_word(in_, state_.ch1) || state_.ch1.is("0")) {
            return;
        }
        const FigureMenu* menu = find_quantity(branch, state_.ch1);
        if (menu == nullptr) {
            out_ << text::kMenuInvalid;
            state_.show_quantity_menu = false;
            continue;
        }
        figure_menu(*menu);
        if (stopped()) {
            return;
        }
    }
}

void Dialogue::figure_menu(const FigureMenu& menu) {
    for (;;) {
        if (state_.show_figure_list) {
            out_ << menu.list;
        }
        out_ << text::kMenuPrompt;
        if (!ready_to_read() || !(in_ >> state_.ch)) {
            return;
        }
        // Taken as unsigned, every negative number is above the highest figure number too.
        const auto number = static_cast<std::uint32_t>(state_.ch);
        if (number > menu.count) {
            out_ << text::kMenuInvalid;
            state_.show_figure_list = false;
        } else if (number == 0) {
            return;
        } else {
            calculate(menu.rows[number - 1]);
        }
    }
}

void Dialogue::calculate(const FigureRow& row) {
    state_.show_quantity_menu = true;
    state_.show_figure_list = true;
    // A failed read is not acted on here: the remaining prompts are printed, their reads fail at
    // once, and the result of the values as they stand is still printed.
    for (std::size_t i = 0; i < row.prompt_count; ++i) {
        out_ << row.prompts[i];
        ready_to_read();
        in_ >> state_.values[i];
    }
    out_ << row.label << row.formula(state_.values) << '\n';
}

bool Dialogue::ready_to_read() {
    // Whatever the user has not seen yet must be on the screen before a read that may have to
    // wait; while answers are already waiting (typed ahead, or a file), flushing would only cost.
    if (in_.rdbuf()->in_avail() <= 0) {
        out_.flush();
    }
    return !out_.fail();
}

bool Dialogue::stopped() const {
    return in_.fail() || out_.fail();
}

void Dialogue::end_sequence() {
    if (in_.fail()) {
        out_ << text::kInvalidInputs;
    }
    out_ << text::kFarewell;
    out_.flush();
}

}  // namespace shapecalc
