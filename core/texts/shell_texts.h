#pragma once

#include <string_view>

#include "core/texts/translation.h"

// The shell's own texts, without Qt, so every front end shows the same words.
namespace vantrell::texts::shell {

inline constexpr std::string_view kProgramName = "Vantrell";
inline constexpr Text kMaintainer = Text("the Vantrell maintainers");
inline constexpr std::string_view kContactAddress = "vantrell@example.org";
inline constexpr std::string_view kContactSubject = "Regarding Vantrell program";
inline constexpr Text kAboutTitle = Text("About Vantrell");
// The about text ends with the contact address and a full stop.
inline constexpr Text kAboutTextLead =
    Text("Vantrell was first thought of by a player of Ostrand who wanted to see where a character could go before "
    "walking the road, and was later handed on to the Vantrell maintainers, who play the character Wrenna "
    "Ashvale in the game. Please send your recommendations, and reports of any faults you find, by e-mail to ");

inline constexpr Text kIntroInfo =
    Text("Have you not figured out who you want to be in Ostrand? Or if you have, do you not know what to train "
    "in to get the best out of your character? This program projects potential characters and their "
    "corresponding spells and skills in hopes that you will have a clearer future in Ostrand.");
inline constexpr Text kIntroInstructions =
    Text("To start select a Realm then click a Class. From there use the scroll bar to increase skills in the areas "
    "of your preference.");
inline constexpr Text kByLinePrefix = Text("By ");
inline constexpr Text kQuestions = Text("Any questions or comments? Found a bug? Email me");

inline constexpr Text kSelectRealm = Text("Select Realm");
inline constexpr Text kSelectClass = Text("Select Class");

}  // namespace vantrell::texts::shell
