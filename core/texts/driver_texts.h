#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

// What the scenario driver says of a script it cannot run as written, and of
// the files a script names; vantrell-cli says the same of its arguments. Read by whoever writes the script; the words are
// part of the driver's output, which its checks compare.
namespace vantrell::texts::driver {

inline constexpr std::string_view kRenameUsage = "rename takes '<old name> => <new name>'";
inline constexpr std::string_view kNoteUsage = "note takes '<name> => <JSON string>'";
inline constexpr std::string_view kExportUsage = "export takes the file to write.";
inline constexpr std::string_view kImportUsage = "import takes the file to read.";

std::string CouldNotRead(std::string_view path);
std::string CouldNotWrite(std::string_view path);
std::string PlannerFault(std::string_view what);
// The line of standard error that stops a script.
std::string ScriptError(long line, std::string_view reason);
std::string TakesArguments(std::string_view command, std::size_t arguments);
std::string BeforeAnyOpen(std::string_view command);
std::string UnknownCommand(std::string_view command);
std::string UnknownClass(std::string_view listName);
std::string NotANumber(std::string_view text);
std::string LevelOutside(long long level, int lowest, int highest);
std::string UnknownFormat(std::string_view format);
std::string UnknownRealm(std::string_view realm);
std::string UnknownStem(std::string_view stem, std::string_view listName);

}  // namespace vantrell::texts::driver
