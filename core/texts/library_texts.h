#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/texts/translation.h"
#include <vector>

// What the saved plans' library says of documents, entries and names.
namespace vantrell::texts::library {

// Where a document came from, which its refusal names.
enum class Source { kFile, kBrowserStorage };

inline constexpr Text kEmpty = Text("it is empty.");
inline constexpr Text kCutShort = Text("it is cut short.");
inline constexpr Text kNotJson = Text("it is not JSON.");
inline constexpr Text kSomethingElse = Text("it holds something else.");
inline constexpr Text kNoVersion = Text("it has no format version.");
inline constexpr Text kNoPlans = Text("it has no list of plans.");
inline constexpr Text kTooDeep = Text("it is nested deeper than 64 levels, which no list of plans needs.");
inline constexpr Text kTooLarge = Text("it is larger than 64 MB, which no list of plans needs.");

inline constexpr Text kNotAnEntry = Text("This entry is not a saved plan.");
inline constexpr Text kPriorityDoesNotFit = Text("Its training priority does not fit: ");
// The names given to entries that have none of their own; the file keeps what they had.
inline constexpr std::string_view kNamelessEntry = "Plan without a name";
inline constexpr std::string_view kForeignEntry = "Entry that is not a plan";

inline constexpr Text kNameNotText = Text("A plan's name must be text (UTF-8).");
inline constexpr Text kNameMissing = Text("A plan needs a name.");
inline constexpr Text kNameTooLong = Text("A plan's name has at most 80 characters.");
inline constexpr Text kNameWithControls = Text("A plan's name cannot hold control characters.");
inline constexpr Text kNoteTooLong = Text("A plan's note has at most 2,000 characters.");
inline constexpr Text kNoteNotText = Text("A plan's note must be text.");

// Why a file the program was to read could not be opened.
enum class Unopenable { kFolder, kDanglingLink, kMissing, kNoPermission, kOther };
// "\"/path/plans.json\" cannot be read: it is a folder."; `detail` is the system's words for kOther.
std::string UnopenableFile(std::string_view path, Unopenable why, std::string_view detail);
// Said at start-up when the saved plans' file cannot be opened (`fault` says why): it is left as it is.
std::string UnopenableLibraryNote(std::string_view fault);
// Said when an import's document is refused: the file and why.
std::string RefusedImport(std::string_view path, std::string_view reason);

// Why a document is no library: `why` is one of the reasons above.
std::string NotALibrary(Source source, std::string_view why);
// Why a file larger than any library is refused before it is read.
std::string TooLargeFile();
// Why a library of a later format is not read.
std::string NewerLibrary(long long version, int readable);
std::string NameTaken(std::string_view name);
// Said when what the browser keeps under "vantrell.plans" is no library and there is no room
// to keep a copy of it elsewhere: it stays where it is, never written over.
std::string UnreadableStoredPlansLeftNote(std::string_view reason);
// The plans that are kept only in this page, because the browser's storage refused them.
std::string PlansOnlyHere(const std::vector<std::string>& names);

}  // namespace vantrell::texts::library
