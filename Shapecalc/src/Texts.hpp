#ifndef SHAPECALC_TEXTS_HPP
#define SHAPECALC_TEXTS_HPP

// The fixed texts of the main loop and of the conventions both branches share. They are printed
// byte for byte as they stand, spelling included.
namespace shapecalc::text {

inline constexpr const char* kBanner = "\nShapecalc Calculator, Created by Orvendal\n\n";
inline constexpr const char* kInstructions =
    "Press the equivalent key for your required calculation\n"
    "Use ony num key for this application, otherwise type exit to close\n\n";

inline constexpr const char* kTopMenu =
    "\n For 2D polygons, Press 2 \n For 3D objects, Press 3 \n For close the app, Type exit \n";
inline constexpr const char* kTopPrompt = "\n Enter your Choice: ";
inline constexpr const char* kTopInvalid = "\n Please press the correct key option\n";

// Prompt of every quantity menu and figure menu, and their invalid-choice message.
inline constexpr const char* kMenuPrompt = "\tEnter your choice: ";
inline constexpr const char* kMenuInvalid = "\n\tPlease press the correct key option\n";

inline constexpr const char* kInvalidInputs =
    "\n You are continueouly giving invalid inputs, any alphabets are not allowed.\n"
    " So, close and restart this application.\n";
inline constexpr const char* kFarewell =
    "\n THANK YOU, for using this application.\n\n Press any key";

}  // namespace shapecalc::text

#endif  // SHAPECALC_TEXTS_HPP
