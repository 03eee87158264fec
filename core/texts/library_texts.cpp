#include "core/texts/library_texts.h"

#include "core/texts/unicode.h"

namespace vantrell::texts::library {

std::string NotALibrary(Source source, std::string_view why) {
    std::string text(source == Source::kFile ? "This file" : "What the browser keeps under \"vantrell.plans\"");
    text += " is not a Vantrell plans library: ";
    text += why;
    return text;
}

std::string TooLargeFile() { return NotALibrary(Source::kFile, kTooLarge); }

std::string UnopenableFile(std::string_view path, Unopenable why, std::string_view detail) {
    std::string text = "\"";
    text += path;
    text += "\" cannot be read: ";
    switch (why) {
    case Unopenable::kFolder: text += "it is a folder, not a file."; break;
    case Unopenable::kDanglingLink: text += "it is a link to a file that does not exist."; break;
    case Unopenable::kMissing: text += "there is no such file."; break;
    case Unopenable::kNoPermission: text += "you do not have permission to read it."; break;
    case Unopenable::kOther: text.append(detail).append("."); break;
    }
    return text;
}

std::string UnopenableLibraryNote(std::string_view fault) {
    return "The saved plans could not be read. " + std::string(fault) +
           "\nIt is left as it is. Plans saved now are kept while the program runs.";
}

std::string RefusedImport(std::string_view path, std::string_view reason) {
    std::string text = "\"";
    text += path;
    text += "\" was not imported. ";
    text += reason;
    return text;
}

std::string NewerLibrary(long long version, int readable) {
    std::string text = "This plans library was written by a newer version of Vantrell (format ";
    text += std::to_string(version);
    text += "); this version reads format ";
    text += std::to_string(readable);
    text += '.';
    return text;
}

std::string NameTaken(std::string_view name) { return "There is already a plan named \"" + Excerpt(name) + "\"."; }

std::string UnreadableStoredPlansLeftNote(std::string_view reason) {
    return "The saved plans could not be read: " + std::string(reason) +
           "\nThe browser has no room to keep a copy of them, so they stay under \"vantrell.plans\" and are not "
           "written over. Plans saved now are kept only in this page.";
}

std::string PlansOnlyHere(const std::vector<std::string>& names) {
    std::string text = names.size() == 1 ? "This plan is kept only in this page until the browser can store it: "
                                         : "These plans are kept only in this page until the browser can store them: ";
    constexpr std::size_t kNamed = 10;
    for (std::size_t at = 0; at < names.size() && at < kNamed; ++at) {
        if (at > 0) text += ", ";
        text += '"';
        text += names[at];
        text += '"';
    }
    if (names.size() > kNamed) {
        text += " and ";
        text += std::to_string(names.size() - kNamed);
        text += " more";
    }
    text += '.';
    return text;
}

}  // namespace vantrell::texts::library
