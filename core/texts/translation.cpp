#include "core/texts/translation.h"

#include <algorithm>
#include <map>
#include <memory>
#include <unordered_map>

#include "core/texts/embedded_catalogs.h"
#include "core/texts/po_catalog.h"
#include "core/texts/unicode.h"

namespace vantrell::texts {
namespace {

// One language's texts by their English, each the forms it takes.
struct Translations {
    po::Catalog catalog;
    std::unordered_map<std::string_view, const po::Entry*> byEnglish;
};

std::string_view HeaderField(std::string_view catalog, std::string_view field) {
    const std::size_t at = catalog.find(field);
    if (at == std::string_view::npos) return {};
    const std::string_view rest = catalog.substr(at + field.size());
    const std::size_t end = rest.find("\\n");
    return end == std::string_view::npos ? std::string_view() : rest.substr(0, end);
}

std::unique_ptr<Translations> Load(std::string_view text) {
    auto catalog = po::Parse(text);
    auto loaded = std::make_unique<Translations>();
    if (!catalog) return loaded;
    loaded->catalog = std::move(*catalog);
    for (const po::Entry& entry : loaded->catalog.entries) {
        const bool translated = !entry.fuzzy && !entry.texts.empty() && !entry.texts.front().empty();
        if (translated) loaded->byEnglish.emplace(entry.id, &entry);
    }
    return loaded;
}

// The pseudo-language's form of a text: its letters accented, about 40 % longer, bracketed so that a cut shows.
std::string Pseudo(std::string_view english) {
    static const std::map<char, std::string_view> kAccented{
        {'a', "á"}, {'c', "ç"}, {'e', "é"}, {'i', "í"}, {'n', "ñ"}, {'o', "ö"}, {'u', "ü"}, {'y', "ý"},
        {'A', "Å"}, {'C', "Ç"}, {'E', "É"}, {'I', "Í"}, {'N', "Ñ"}, {'O', "Ö"}, {'U', "Ü"}, {'Y', "Ý"}};
    std::string text = "[";
    for (std::size_t at = 0; at < english.size(); ++at) {
        if (english[at] == '{') {
            const std::size_t close = english.find('}', at);
            if (close != std::string_view::npos) {
                text.append(english.substr(at, close - at + 1));
                at = close;
                continue;
            }
        }
        const auto accented = kAccented.find(english[at]);
        if (accented == kAccented.end()) text += english[at];
        else text.append(accented->second);
    }
    // In words of five, so that a long text still wraps where its translation would.
    for (std::size_t padding = (CodePointCount(english) * 2 + 4) / 5; padding > 0;) {
        const std::size_t word = std::min<std::size_t>(padding, 5);
        text.append(" ~~~~~", 0, word + 1);
        padding -= word;
    }
    return text + "]";
}

struct State {
    std::string inUse{kSourceLanguage};
    const Translations* translations = nullptr;
    std::map<std::string, std::unique_ptr<Translations>, std::less<>> loaded;
    std::unordered_map<std::string_view, std::string> pseudo;
};

State& Current() {
    static State state;
    return state;
}

const EmbeddedCatalog* EmbeddedFor(std::string_view code) {
    for (const EmbeddedCatalog& catalog : EmbeddedCatalogs()) {
        if (catalog.code == code) return &catalog;
    }
    return nullptr;
}

}  // namespace

std::string_view Translated(std::string_view english, std::size_t form) {
    State& state = Current();
    if (state.inUse == kPseudoLanguage) {
        auto found = state.pseudo.find(english);
        if (found == state.pseudo.end()) found = state.pseudo.emplace(english, Pseudo(english)).first;
        return found->second;
    }
    if (state.translations == nullptr) return english;
    const auto found = state.translations->byEnglish.find(english);
    if (found == state.translations->byEnglish.end()) return english;
    const std::string& chosen = found->second->texts[std::min(form, found->second->texts.size() - 1)];
    return chosen.empty() ? english : std::string_view(chosen);
}

Text::operator std::string_view() const { return Translated(english_, 0); }

std::string_view Plural(std::string_view one, std::string_view many, std::size_t count) {
    const State& state = Current();
    const bool zeroIsSingular = state.translations != nullptr && state.translations->catalog.zeroIsSingular;
    const bool single = count == 1 || (count == 0 && zeroIsSingular);
    if (state.inUse == kPseudoLanguage) return Translated(single ? one : many);
    // A catalog keeps both forms under the English of the one; where it lacks them, the English form is shown.
    const std::string_view translated = Translated(one, single ? 0 : 1);
    return translated != one || single ? translated : many;
}

std::string Filled(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        // {1} to {9}: the number of a value given.
        const char number = at + 2 < pattern.size() && pattern[at + 2] == '}' ? pattern[at + 1] : '\0';
        const bool placeholder = pattern[at] == '{' && number >= '1' && number - '0' <= std::ssize(values);
        if (!placeholder) {
            text += pattern[at];
            continue;
        }
        text.append(values.begin()[number - '1']);
        at += 2;
    }
    return text;
}

const std::vector<Language>& Languages() {
    static const std::vector<Language> languages = [] {
        std::vector<Language> all{{std::string(kSourceLanguage), "English"}};
        for (const EmbeddedCatalog& catalog : EmbeddedCatalogs()) {
            all.push_back({std::string(catalog.code), std::string(HeaderField(catalog.text, "X-Language-Name: "))});
        }
        return all;
    }();
    return languages;
}

std::string LanguageFor(const std::vector<std::string>& wanted) {
    for (const std::string& tag : wanted) {
        if (tag == kPseudoLanguage) return tag;
        const std::string code = tag.substr(0, tag.find_first_of("-_.@"));
        for (const Language& language : Languages()) {
            if (language.code.size() == code.size() &&
                std::equal(code.begin(), code.end(), language.code.begin(),
                           [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; })) {
                return language.code;
            }
        }
    }
    return std::string(kSourceLanguage);
}

bool UseLanguage(std::string_view code) {
    State& state = Current();
    const EmbeddedCatalog* embedded = EmbeddedFor(code);
    const bool known = embedded != nullptr || code == kSourceLanguage || code == kPseudoLanguage;
    state.inUse = known ? std::string(code) : std::string(kSourceLanguage);
    state.translations = nullptr;
    if (embedded != nullptr) {
        auto& loaded = state.loaded[std::string(code)];
        if (!loaded) loaded = Load(embedded->text);
        state.translations = loaded.get();
    }
    return known;
}

std::string_view LanguageInUse() { return Current().inUse; }

std::string_view DocumentLanguage() {
    const std::string_view code = LanguageInUse();
    return code == kPseudoLanguage ? kSourceLanguage : code;
}

}  // namespace vantrell::texts
