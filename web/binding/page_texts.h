#pragma once

// What the page shows outside a planner's figures: the realms and classes to
// choose from, and every caption and message, all from the core.
#include <emscripten/val.h>

#include <string>

namespace vantrell::web {

emscripten::val Realms();
emscripten::val ClassesOf(const std::string& realmName);
// Every text the page shows, by the key its modules read.
emscripten::val Texts();
std::string ReplacePlanQuestion(const std::string& name);
std::string DeletePlanQuestion(const std::string& name);
std::string UnreadablePlansNote(const std::string& reason, const std::string& keptUnder);
std::string UnreadablePlansLeftNote(const std::string& reason);
// The languages the page can be shown in, English first, each {code, name}.
emscripten::val Languages();
// The first of the wanted languages (navigator.languages, or the one chosen) that the page has; English when none.
std::string LanguageFor(const emscripten::val& wanted);
// Every text from now on is in `code`; false, and English, for a code the page does not have.
bool UseLanguage(const std::string& code);
std::string DocumentLanguage();
// The largest document Import reads, and what is said of a larger one.
emscripten::val ImportLimit();

}  // namespace vantrell::web
