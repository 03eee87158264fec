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
// The largest document Import reads, and what is said of a larger one.
emscripten::val ImportLimit();

}  // namespace vantrell::web
