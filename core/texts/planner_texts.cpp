#include "core/texts/planner_texts.h"

#include "core/texts/translation.h"
#include "core/texts/unicode.h"

namespace vantrell::texts::planner {
namespace {

std::string Number(long long value) { return std::to_string(value); }

}  // namespace

std::string CodeOfOtherFormat(int version, int readable) {
    return Filled(Text("This plan code has format {1}; this version of Vantrell reads format {2}."),
                  {Number(version), Number(readable)});
}

std::string CodeOfUnknownClass(std::string_view name) {
    return Filled(Text("The plan code names an unknown class \"{1}\"."), {Excerpt(name)});
}

std::string CodeLevelOutOfRange(std::string_view level, int lowest, int highest) {
    return Filled(Text("The plan code's character level \"{1}\" is not between {2} and {3}."),
                  {Excerpt(level), Number(lowest), Number(highest)});
}

std::string CodeLevelNotANumber(std::string_view level) {
    return Filled(Text("The plan code's character level \"{1}\" is not a number."), {Excerpt(level)});
}

std::string CodeLineCountMismatch(std::size_t levels, std::string_view classTitle, std::size_t lines) {
    // TRANSLATORS: {2} is a class's title, such as "Healer".
    return Filled(Text("The plan code holds {1} line levels, but the {2} has {3} lines."),
                  {std::to_string(levels), classTitle, std::to_string(lines)});
}

std::string CodeLineLevelOutOfRange(std::string_view level, int highest) {
    return Filled(Text("The plan code's line level \"{1}\" is not between 1 and {2}."), {Excerpt(level), Number(highest)});
}

std::string CodeLineLevelNotANumber(std::string_view level) {
    return Filled(Text("The plan code's line level \"{1}\" is not a number."), {Excerpt(level)});
}

std::string LoweredLine(std::string_view caption, int requested, int applied) {
    // TRANSLATORS: {1} is a specialization line's name, {2} the level asked for and {3} the level kept.
    return Filled(Text("{1}: {2} lowered to {3}"), {caption, Number(requested), Number(applied)});
}

std::string ClassesDiffer(std::string_view thisClass, std::string_view otherClass) {
    return Filled(Text("Plans of two classes cannot be compared: this plan is for {1}, the other for {2}."),
                  {thisClass, otherClass});
}

std::string NoSuchLine(std::size_t line, std::string_view classListName) {
    return Filled(Text("no line {1} in {2}"), {std::to_string(line), classListName});
}

std::string LineNamedTwice(std::string_view caption) { return Filled(Text("{1} is named twice"), {Quoted(caption)}); }

std::string PriorityLeavesOut(std::string_view captions) {
    return Filled(Text("the priority leaves out {1}"), {captions});
}

std::string UnknownStem(std::string_view stem, std::string_view classListName) {
    return Filled(Text("unknown stem {1} for {2}"), {Quoted(stem), classListName});
}

std::string NextUnlockHint(int level, int cost, std::string_view abilities) {
    return Filled(Text("Next at level {1} ({2} more points):\n{3}"), {Number(level), Number(cost), abilities});
}

std::string OpensAtLevel(int characterLevel) {
    return Filled(Text("Opens at character level {1}."), {Number(characterLevel)});
}

std::string TrainingPathNote(int lowestLevel) {
    return Filled(Text("what to train at every level from {1} to this plan"), {Number(lowestLevel)});
}

std::string TrainingPathIntro(int lowestLevel, int characterLevel, std::string_view roseMarker) {
    // TRANSLATORS: {3} is the mark beside a level at which a line rises.
    return Filled(Text("How to train from level {1} to this plan at level {2}: at every level the lines rise in the "
                       "priority order as far as the plan, their caps and the points allow. {3} and bold mark the "
                       "levels at which a line rises."),
                  {Number(lowestLevel), Number(characterLevel), roseMarker});
}

}  // namespace vantrell::texts::planner
