#include "core/texts/library_texts.h"

#include "core/texts/translation.h"
#include "core/texts/unicode.h"

namespace vantrell::texts::library {

std::string NotALibrary(Source source, std::string_view why) {
    // TRANSLATORS: {1} says why, as in "it is empty.".
    return Filled(source == Source::kFile ? Text("This file is not a Vantrell plans library: {1}")
                                          : Text("What the browser keeps under \"vantrell.plans\" is not a Vantrell "
                                                 "plans library: {1}"),
                  {why});
}

std::string TooLargeFile() { return NotALibrary(Source::kFile, kTooLarge); }

std::string UnopenableFile(std::string_view path, Unopenable why, std::string_view detail) {
    std::string reason;
    switch (why) {
    case Unopenable::kFolder: reason = Text("it is a folder, not a file."); break;
    case Unopenable::kDanglingLink: reason = Text("it is a link to a file that does not exist."); break;
    case Unopenable::kMissing: reason = Text("there is no such file."); break;
    case Unopenable::kNoPermission: reason = Text("you do not have permission to read it."); break;
    case Unopenable::kOther: reason = std::string(detail) + '.'; break;
    }
    return Filled(Text("\"{1}\" cannot be read: {2}"), {path, reason});
}

std::string UnopenableLibraryNote(std::string_view fault) {
    return Filled(Text("The saved plans could not be read. {1}\nIt is left as it is. Plans saved now are kept while the "
                       "program runs."),
                  {fault});
}

std::string RefusedImport(std::string_view path, std::string_view reason) {
    return Filled(Text("\"{1}\" was not imported. {2}"), {path, reason});
}

std::string NewerLibrary(long long version, int readable) {
    return Filled(Text("This plans library was written by a newer version of Vantrell (format {1}); this version reads "
                       "format {2}."),
                  {std::to_string(version), std::to_string(readable)});
}

std::string NameTaken(std::string_view name) {
    return Filled(Text("There is already a plan named \"{1}\"."), {Excerpt(name)});
}

std::string UnreadableStoredPlansLeftNote(std::string_view reason) {
    return Filled(Text("The saved plans could not be read: {1}\nThe browser has no room to keep a copy of them, so they "
                       "stay under \"vantrell.plans\" and are not written over. Plans saved now are kept only in this "
                       "page."),
                  {reason});
}

std::string PlansOnlyHere(const std::vector<std::string>& names) {
    constexpr std::size_t kNamed = 10;
    std::string listed;
    for (std::size_t at = 0; at < names.size() && at < kNamed; ++at) {
        if (at > 0) listed += ", ";
        listed.append("\"").append(names[at]).append("\"");
    }
    if (names.size() > kNamed) {
        const std::size_t more = names.size() - kNamed;
        listed = Filled(Text("{1} and {2} more"), {listed, std::to_string(more)});
    }
    return Filled(Plural("This plan is kept only in this page until the browser can store it: {1}.",
                         "These plans are kept only in this page until the browser can store them: {1}.", names.size()),
                  {listed});
}

}  // namespace vantrell::texts::library
