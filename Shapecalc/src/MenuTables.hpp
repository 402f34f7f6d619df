#ifndef SHAPECALC_MENU_TABLES_HPP
#define SHAPECALC_MENU_TABLES_HPP

#include <cstddef>
#include <string_view>
#include <utility>

// The menus of both branches as data: one generic loop walks them (see Dialogue.cpp).
namespace shapecalc {

// Most values a calculation reads: a, b, c, d.
inline constexpr std::size_t kMaxValues = 4;

// Calls one library function with the values in the order they were read.
using Formula = double (*)(const double* values);

// One numbered figure of a figure menu: its prompts in order, the call, the result label.
struct FigureRow {
    std::string_view prompts[kMaxValues];
    std::size_t prompt_count;
    Formula formula;
    std::string_view label;
};

// A figure menu: the list printed while the figure-list flag is set, and rows 1 to count.
struct FigureMenu {
    std::string_view list;
    const FigureRow* rows;
    unsigned count;
};

// A quantity-menu word and the figure menu it opens.
struct QuantityChoice {
    std::string_view word;
    const FigureMenu* menu;
};

// A branch of the top menu: its quantity menu text and its valid quantity words ("0" goes back).
struct Branch {
    std::string_view quantity_menu;
    const QuantityChoice* choices;
    std::size_t choice_count;
};

extern const Branch kPlaneBranch;  // top-menu word "2"
extern const Branch kSolidBranch;  // top-menu word "3"

namespace detail {

template <typename F>
struct Arity;
template <typename... Args>
struct Arity<double (*)(Args...)> {
    static constexpr std::size_t value = sizeof...(Args);
};

template <auto F, std::size_t... I>
double call_with(const double* values, std::index_sequence<I...>) {
    return F(values[I]...);
}

template <auto F>
double call(const double* values) {
    return call_with<F>(values, std::make_index_sequence<Arity<decltype(F)>::value>{});
}

}  // namespace detail

// A row that calls F with one value per prompt; the count of prompts must match F's parameters.
template <auto F, typename... Prompts>
constexpr FigureRow row(std::string_view label, Prompts... prompts) {
    static_assert(sizeof...(Prompts) == detail::Arity<decltype(F)>::value,
                  "a figure row needs one prompt per argument of its function");
    static_assert(sizeof...(Prompts) >= 1 && sizeof...(Prompts) <= kMaxValues);
    return FigureRow{{std::string_view(prompts)...}, sizeof...(Prompts), &detail::call<F>, label};
}

template <std::size_t N>
constexpr FigureMenu menu(std::string_view list, const FigureRow (&rows)[N]) {
    return FigureMenu{list, rows, static_cast<unsigned>(N)};
}

template <std::size_t N>
constexpr Branch branch(std::string_view quantity_menu, const QuantityChoice (&choices)[N]) {
    return Branch{quantity_menu, choices, N};
}

}  // namespace shapecalc

#endif  // SHAPECALC_MENU_TABLES_HPP
