#include "core/texts/planner_texts.h"

#include "core/texts/unicode.h"

namespace vantrell::texts::planner {
namespace {

std::string Number(long long value) { return std::to_string(value); }

}  // namespace

std::string CodeOfOtherFormat(int version, int readable) {
    return "This plan code has format " + Number(version) + "; this version of Vantrell reads format " +
           Number(readable) + ".";
}

std::string CodeOfUnknownClass(std::string_view name) {
    return "The plan code names an unknown class \"" + Excerpt(name) + "\".";
}

std::string CodeLevelOutOfRange(std::string_view level, int lowest, int highest) {
    return "The plan code's character level \"" + Excerpt(level) + "\" is not between " + Number(lowest) + " and " +
           Number(highest) + ".";
}

std::string CodeLevelNotANumber(std::string_view level) {
    return "The plan code's character level \"" + Excerpt(level) + "\" is not a number.";
}

std::string CodeLineCountMismatch(std::size_t levels, std::string_view classTitle, std::size_t lines) {
    return "The plan code holds " + std::to_string(levels) + " line levels, but the " + std::string(classTitle) +
           " has " + std::to_string(lines) + " lines.";
}

std::string CodeLineLevelOutOfRange(std::string_view level, int highest) {
    return "The plan code's line level \"" + Excerpt(level) + "\" is not between 1 and " + Number(highest) + ".";
}

std::string CodeLineLevelNotANumber(std::string_view level) {
    return "The plan code's line level \"" + Excerpt(level) + "\" is not a number.";
}

std::string LoweredLine(std::string_view caption, int requested, int applied) {
    std::string text(caption);
    text.append(": ").append(Number(requested)).append(" lowered to ").append(Number(applied));
    return text;
}

std::string ClassesDiffer(std::string_view thisClass, std::string_view otherClass) {
    return "Plans of two classes cannot be compared: this plan is for " + std::string(thisClass) + ", the other for " +
           std::string(otherClass) + ".";
}

std::string NoSuchLine(std::size_t line, std::string_view classListName) {
    return "no line " + std::to_string(line) + " in " + std::string(classListName);
}

std::string LineNamedTwice(std::string_view caption) { return Quoted(caption) + " is named twice"; }

std::string PriorityLeavesOut(std::string_view captions) { return "the priority leaves out " + std::string(captions); }

std::string UnknownStem(std::string_view stem, std::string_view classListName) {
    return "unknown stem " + Quoted(stem) + " for " + std::string(classListName);
}

std::string NextUnlockHint(int level, int cost, std::string_view abilities) {
    return "Next at level " + Number(level) + " (" + Number(cost) + " more points):\n" + std::string(abilities);
}

std::string OpensAtLevel(int characterLevel) { return "Opens at character level " + Number(characterLevel) + "."; }

std::string TrainingPathNote(int lowestLevel) {
    return "what to train at every level from " + Number(lowestLevel) + " to this plan";
}

std::string TrainingPathIntro(int lowestLevel, int characterLevel, std::string_view roseMarker) {
    return "How to train from level " + Number(lowestLevel) + " to this plan at level " + Number(characterLevel) +
           ": at every level the lines rise in the priority order as far as the plan, their caps and the points "
           "allow. " +
           std::string(roseMarker) + " and bold mark the levels at which a line rises.";
}

}  // namespace vantrell::texts::planner
