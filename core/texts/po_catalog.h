#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A gettext catalog (.po) as translators' tools write it: entries of msgid,
// msgid_plural and msgstr or msgstr[n], each a run of quoted strings, with
// '#' comments and flags. Obsolete entries ("#~") are comments too.
namespace vantrell::texts::po {

struct Entry {
    std::string id;
    std::string idPlural;
    // One text, or one per plural form.
    std::vector<std::string> texts;
    // Marked "#, fuzzy": a guess not yet checked, never shown.
    bool fuzzy = false;
};

struct Catalog {
    // The header's entry (msgid "") is left out of the entries.
    std::vector<Entry> entries;
    // Whether one thing and none take the same form, as the header's Plural-Forms says with "n > 1".
    bool zeroIsSingular = false;
};

// The catalog in `text`; nothing when it is not one, with the line at fault in `fault`.
std::optional<Catalog> Parse(std::string_view text, std::string* fault = nullptr);

// The placeholders {1}, {2}, ... a text holds, in the order written.
std::vector<std::string> Placeholders(std::string_view text);

}  // namespace vantrell::texts::po
