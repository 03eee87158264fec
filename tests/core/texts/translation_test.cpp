// The catalogs built in against the template extracted from the code, and the
// lookup the front ends show every text through.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "core/texts/captions.h"
#include "core/texts/composed.h"
#include "core/texts/embedded_catalogs.h"
#include "core/texts/po_catalog.h"
#include "core/texts/translation.h"
#include "core/texts/unicode.h"

namespace vantrell::texts {
namespace {

po::Catalog Template() {
    std::ifstream file(VANTRELL_TRANSLATIONS_DIR "/vantrell.pot");
    std::stringstream text;
    text << file.rdbuf();
    std::string fault;
    auto catalog = po::Parse(text.str(), &fault);
    EXPECT_TRUE(catalog.has_value()) << fault;
    return catalog.value_or(po::Catalog());
}

// What a translation must keep of its English: placeholders, mnemonics, line breaks, and a padded text's width.
void ExpectKeeps(const std::string& english, const std::string& translated, const std::string& where) {
    auto placeholders = [](std::string_view text) {
        auto found = po::Placeholders(text);
        std::sort(found.begin(), found.end());
        return found;
    };
    EXPECT_FALSE(translated.empty()) << where;
    EXPECT_EQ(placeholders(translated), placeholders(english)) << where;
    EXPECT_EQ(std::count(translated.begin(), translated.end(), '&'), std::count(english.begin(), english.end(), '&'))
        << where;
    EXPECT_EQ(std::count(translated.begin(), translated.end(), '\n'), std::count(english.begin(), english.end(), '\n'))
        << where;
    // A plain-text table's words line up in a monospaced font only at the English width.
    if (english.ends_with("  ")) {
        EXPECT_EQ(CodePointCount(translated), CodePointCount(english)) << where;
    }
    // A row of headings: every heading but the last ends where the English one ends.
    if (english.starts_with("  ")) {
        const auto lastStart = [](std::string_view text) {
            return CodePointCount(text.substr(0, text.find_last_of(' ') + 1));
        };
        EXPECT_EQ(lastStart(translated), lastStart(english)) << where;
    }
}

TEST(Catalogs, EachHoldsEveryTextOfTheTemplateAndNoOtherTranslatedWhole) {
    const po::Catalog wanted = Template();
    ASSERT_GT(wanted.entries.size(), 100U);
    ASSERT_FALSE(EmbeddedCatalogs().empty());
    for (const EmbeddedCatalog& embedded : EmbeddedCatalogs()) {
        std::string fault;
        const auto catalog = po::Parse(embedded.text, &fault);
        ASSERT_TRUE(catalog.has_value()) << embedded.code << ": " << fault;
        std::map<std::string, const po::Entry*> byId;
        for (const po::Entry& entry : catalog->entries) byId.emplace(entry.id, &entry);
        EXPECT_EQ(byId.size(), wanted.entries.size()) << embedded.code << " holds texts the code no longer writes";
        for (const po::Entry& english : wanted.entries) {
            const std::string where = std::string(embedded.code) + ": \"" + english.id + "\"";
            const auto found = byId.find(english.id);
            if (found == byId.end()) {
                ADD_FAILURE() << where << " is missing";
                continue;
            }
            const po::Entry& entry = *found->second;
            EXPECT_FALSE(entry.fuzzy) << where;
            ASSERT_EQ(entry.texts.size(), english.idPlural.empty() ? 1U : 2U) << where;
            ExpectKeeps(english.id, entry.texts.front(), where);
            if (!english.idPlural.empty()) ExpectKeeps(english.idPlural, entry.texts.back(), where + " (plural)");
        }
    }
}

TEST(Languages, TheWantedOneWithACatalogIsChosenItsRegionAside) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> rows{
        {{"de-DE"}, "de"},           {{"fr_FR.UTF-8"}, "fr"}, {{"pt-BR", "fr-CA", "de"}, "fr"},
        {{"DE"}, "de"},              {{}, "en"},              {{"xx", "C", ""}, "en"},
        {{"en-GB", "de"}, "en"},     {{"de@euro"}, "de"},     {{"x-pseudo"}, "x-pseudo"},
    };
    for (const auto& [wanted, chosen] : rows) EXPECT_EQ(LanguageFor(wanted), chosen) << wanted.size();
    ASSERT_EQ(Languages().front().code, "en");
    for (const Language& language : Languages()) EXPECT_FALSE(language.name.empty()) << language.code;
}

class InLanguage : public testing::Test {
protected:
    void TearDown() override { UseLanguage(kSourceLanguage); }
};

TEST_F(InLanguage, EveryTextIsLookedUpInTheCatalogInUseAndUnknownLanguagesAreEnglish) {
    const po::Catalog wanted = Template();
    for (const EmbeddedCatalog& embedded : EmbeddedCatalogs()) {
        ASSERT_TRUE(UseLanguage(embedded.code));
        const auto catalog = po::Parse(embedded.text);
        ASSERT_TRUE(catalog.has_value());
        for (const po::Entry& entry : catalog->entries) EXPECT_EQ(Translated(entry.id), entry.texts.front());
        EXPECT_NE(std::string_view(captions::kTrainingPath), captions::kTrainingPath.english()) << embedded.code;
        EXPECT_EQ(DocumentLanguage(), embedded.code);
    }
    EXPECT_FALSE(UseLanguage("tlh"));
    EXPECT_EQ(LanguageInUse(), kSourceLanguage);
    for (const po::Entry& entry : wanted.entries) EXPECT_EQ(Translated(entry.id), entry.id);
}

TEST_F(InLanguage, ThePseudoLanguageLengthensAndAccentsEveryTextKeepingWhatTranslationsKeep) {
    ASSERT_TRUE(UseLanguage(kPseudoLanguage));
    EXPECT_EQ(DocumentLanguage(), kSourceLanguage);
    for (const po::Entry& entry : Template().entries) {
        const std::string pseudo(Translated(entry.id));
        EXPECT_NE(pseudo, entry.id);
        EXPECT_GE(CodePointCount(pseudo) * 10, CodePointCount(entry.id) * 14) << entry.id;
        EXPECT_EQ(po::Placeholders(pseudo), po::Placeholders(entry.id)) << entry.id;
    }
}

TEST_F(InLanguage, ZeroThingsAreOneInFrenchAndManyInEnglish) {
    const auto imported = [](std::size_t count) { return ImportedPlansNote(count, 0); };
    EXPECT_EQ(imported(0), "0 plans were imported.");
    EXPECT_EQ(imported(1), "1 plan was imported.");
    ASSERT_TRUE(UseLanguage("fr"));
    EXPECT_NE(imported(0).substr(1), imported(2).substr(1));
    EXPECT_EQ(imported(1).substr(1), imported(0).substr(1));
}

TEST(Filled, PlaceholdersTakeTheirValuesInAnyOrderAndAnythingElseStays) {
    const std::vector<std::pair<std::string_view, std::string>> rows{
        {"{2} before {1}", "b before a"}, {"{1}{1}", "aa"}, {"{3} stays", "{3} stays"},
        {"{ 1} {x} {", "{ 1} {x} {"},     {"", ""},          {"end {1}", "end a"},
    };
    for (const auto& [pattern, filled] : rows) EXPECT_EQ(Filled(pattern, {"a", "b"}), filled) << pattern;
}

}  // namespace
}  // namespace vantrell::texts
