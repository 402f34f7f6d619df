#ifndef SHAPECALC_TEXTS_HPP
#define SHAPECALC_TEXTS_HPP

// The fixed texts of the main loop and of the conventions both branches share. They are printed
// byte for byte as they stand, spelling included.
#include <string_view>

namespace shapecalc::text {

inline constexpr std::string_view kBanner = "\nShapecalc Calculator, Created by Orvendal\n\n";
inline constexpr std::string_view kInstructions =
    "Press the equivalent key for your required calculation\n"
    "Use ony num key for this application, otherwise type exit to close\n\n";

inline constexpr std::string_view kTopMenu =
    "\n For 2D polygons, Press 2 \n For 3D objects, Press 3 \n For close the app, Type exit \n";
inline constexpr std::string_view kTopPrompt = "\n Enter your Choice: ";
inline constexpr std::string_view kTopInvalid = "\n Please press the correct key option\n";

// Prompt of every quantity menu and figure menu, and their invalid-choice message.
inline constexpr std::string_view kMenuPrompt = "\tEnter your choice: ";
inline constexpr std::string_view kMenuInvalid = "\n\tPlease press the correct key option\n";

inline constexpr std::string_view kInvalidInputs =
    "\n You are continueouly giving invalid inputs, any alphabets are not allowed.\n"
    " So, close and restart this application.\n";
inline constexpr std::string_view kFarewell =
    "\n THANK YOU, for using this application.\n\n Press any key";

// Length prompts that both branches ask with.
inline constexpr std::string_view kSide = "\tLength of side: ";
inline constexpr std::string_view kRadius = "\tLength of radius: ";
inline constexpr std::string_view kHeight = "\tLength of height: ";

}  // namespace shapecalc::text

#endif  // SHAPECALC_TEXTS_HPP
