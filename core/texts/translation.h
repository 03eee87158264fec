#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// Every sentence the program writes is English in the code and looked up in
// the catalog of the language in use (translations/<code>.po) when it is shown.
// The program's texts are written Text("...") and Plural("...", "...", n), the
// forms the catalogs' template is extracted from.
namespace vantrell::texts {

class Text {
public:
    consteval explicit Text(const char* english) : english_(english) {}
    std::string_view english() const { return english_; }
    // The text in the language in use; the English text where its catalog lacks it.
    operator std::string_view() const;  // NOLINT(google-explicit-constructor): every text reads as a string_view

private:
    std::string_view english_;
};

// `english` as the language in use writes it: form 0 of a text, or for one thing, form 1 for many.
std::string_view Translated(std::string_view english, std::size_t form = 0);

// The form of a text for `count` things, as the language in use counts: `one` and `many` are its English forms.
std::string_view Plural(std::string_view one, std::string_view many, std::size_t count);

// `pattern` with {1}, {2}, ... replaced by the values in that order.
std::string Filled(std::string_view pattern, std::initializer_list<std::string_view> values);

struct Language {
    std::string code;
    // Its name in itself, as a language menu offers it.
    std::string name;
};

inline constexpr std::string_view kSourceLanguage = "en";
// Only for tests: every text longer and accented, so that a text that is cut off or
// that bypasses the catalogs shows.
inline constexpr std::string_view kPseudoLanguage = "x-pseudo";

// English first, then every language a catalog is built in for, by code.
const std::vector<Language>& Languages();
// The first of `wanted` (BCP 47 tags or POSIX locale names, most wanted first) that
// a catalog exists for, its region set aside; English when none has one.
std::string LanguageFor(const std::vector<std::string>& wanted);
// Texts are shown in `code` from now on; an unknown code means English. Says whether it is known.
bool UseLanguage(std::string_view code);
std::string_view LanguageInUse();
// What a document in the language in use declares itself written in: the
// pseudo-language's texts stand for English, which is no language's code.
std::string_view DocumentLanguage();

}  // namespace vantrell::texts
