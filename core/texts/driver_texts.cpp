#include "core/texts/driver_texts.h"

#include <initializer_list>

#include "core/texts/unicode.h"

namespace vantrell::texts::driver {
namespace {

std::string Joined(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (std::string_view part : parts) text.append(part);
    return text;
}

}  // namespace

std::string CouldNotRead(std::string_view path) { return Joined({"Could not read ", Quoted(path), "."}); }
std::string CouldNotWrite(std::string_view path) { return Joined({"Could not write ", Quoted(path), "."}); }
std::string PlannerFault(std::string_view what) { return Joined({"planner fault: ", what}); }
std::string ScriptError(long line, std::string_view reason) {
    return Joined({"error: line ", std::to_string(line), ": ", reason});
}
std::string TakesArguments(std::string_view command, std::size_t arguments) {
    return Joined({Quoted(command), " takes ", std::to_string(arguments), " argument(s)"});
}
std::string BeforeAnyOpen(std::string_view command) { return Joined({Quoted(command), " before any 'open'"}); }
std::string UnknownCommand(std::string_view command) { return Joined({"unknown command ", Quoted(command)}); }
std::string UnknownClass(std::string_view listName) { return Joined({"unknown class ", Quoted(listName)}); }
std::string NotANumber(std::string_view text) { return Joined({"not a number: ", Quoted(text)}); }
std::string LevelOutside(long long level, int lowest, int highest) {
    return Joined({"level ", std::to_string(level), " is outside ", std::to_string(lowest), " to ", std::to_string(highest)});
}
std::string UnknownFormat(std::string_view format) { return Joined({"unknown format ", Quoted(format)}); }
std::string UnknownRealm(std::string_view realm) { return Joined({"unknown realm ", Quoted(realm)}); }
std::string UnknownStem(std::string_view stem, std::string_view listName) {
    return Joined({"unknown stem ", Quoted(stem), " for ", listName});
}

}  // namespace vantrell::texts::driver
