#include "Dialogue.hpp"

#include <string_view>

#include "NextAnswer.hpp"
#include "NumberReader.hpp"
#include "ResultFormat.hpp"
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
    put(text::kBanner);
    put("\n");
    put(text::kInstructions);
    top_menu();
    end_sequence();
}

void Dialogue::top_menu() {
    for (;;) {
        if (state_.show_menu) {
            put(text::kTopMenu);
        }
        if (!prompt(text::kTopPrompt) || !read_word(in_, state_.choice)) {
            return;  // end of input: nothing more to answer
        }
        state_.show_quantity_menu = true;

        const Branch* chosen = nullptr;
        if (state_.choice.is("2")) {
            chosen = &kPlaneBranch;
        } else if (state_.choice.is("3")) {
            chosen = &kSolidBranch;
        } else if (state_.choice.is("exit")) {
            return;
        } else {
            put(text::kTopInvalid);
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
            put(branch.quantity_menu);
        }
        if (!prompt(text::kMenuPrompt) || !read_word(in_, state_.ch1) || state_.ch1.is("0")) {
            return;
        }
        const FigureMenu* menu = find_quantity(branch, state_.ch1);
        if (menu == nullptr) {
            put(text::kMenuInvalid);
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
            put(menu.list);
        }
        if (!prompt(text::kMenuPrompt)) {
            return;
        }
        read_number(in_, state_.ch);
        if (in_.fail()) {
            return;
        }
        // Taken as unsigned, every negative number is above the highest figure number too.
        const auto number = static_cast<std::uint32_t>(state_.ch);
        if (number > menu.count) {
            put(text::kMenuInvalid);
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
    // A failed read is not acted on here: the remaining prompts are printed and their reads fail
    // at once. No result is printed then: it would be made of lengths nobody typed.
    for (std::size_t i = 0; i < row.prompt_count; ++i) {
        prompt(row.prompts[i]);
        read_number(in_, state_.values[i]);
    }
    if (in_.fail()) {
        return;
    }
    put(row.label);
    put_number(row.formula(state_.values));
    put("\n");
}

bool Dialogue::prompt(std::string_view text) {
    put(text);
    // Whatever the user has not seen yet must be on the screen before a read that may have to
    // wait; while answers are already waiting (typed ahead, or a file), flushing would only cost.
    // Every read skips the white space before its answer, so the white space that has already
    // arrived (the end of the line just answered) is skipped here: only an answer counts.
    std::streambuf* input = in_.rdbuf();
    while (in_.good() && input->in_avail() > 0 && is_white_space(input->sgetc())) {
        input->sbumpc();
    }
    if (input->in_avail() <= 0) {
        out_.flush();
    }
    return !out_.fail();
}

void Dialogue::put(std::string_view text) {
    const auto size = static_cast<std::streamsize>(text.size());
    if (out_.rdbuf()->sputn(text.data(), size) != size) {
        out_.setstate(std::ios_base::badbit);
    }
}

void Dialogue::put_number(double value) {
    ResultText text;
    put(format_result(value, text));
}

bool Dialogue::stopped() const {
    return in_.fail() || out_.fail();
}

void Dialogue::end_sequence() {
    if (in_.fail()) {
        put(text::kInvalidInputs);
    }
    put(text::kFarewell);
    out_.flush();
}

}  // namespace shapecalc
