// The catalog as `classes` lists it: realm by realm, each class with its lines and their caps.
#include "core/catalog/class_catalog.h"
#include "core/planner/plain_decimal.h"
#include "core/planner/record_json.h"
#include "core/texts/cli_texts.h"
#include "core/texts/driver_texts.h"
#include "tools/cli/cli_commands.h"

namespace vantrell::cli {
namespace {

using Json = planner::records::Json;
namespace words = texts::cli;

Json CapOf(catalog::LineCap cap) {
    switch (cap) {
    case catalog::LineCap::CharacterLevel: return "characterLevel";
    case catalog::LineCap::HalfCharacterLevel: return "halfCharacterLevel";
    case catalog::LineCap::None: break;
    }
    return nullptr;
}

std::string_view CapText(catalog::LineCap cap) {
    switch (cap) {
    case catalog::LineCap::CharacterLevel: return words::kCapLevel;
    case catalog::LineCap::HalfCharacterLevel: return words::kCapHalfLevel;
    case catalog::LineCap::None: break;
    }
    return words::kCapNone;
}

Json ClassJson(const catalog::ClassDefinition& definition) {
    Json lines = Json::array();
    for (const catalog::SpecLineDefinition& line : definition.lines) {
        lines.push_back({{"stem", line.stem}, {"caption", line.caption}, {"cap", CapOf(line.cap)},
                         {"from", line.availableFromLevel}});
    }
    return {{"class", definition.listName}, {"title", definition.titleCaption}, {"lines", std::move(lines)}};
}

std::string ClassText(const catalog::ClassDefinition& definition) {
    std::string text = "  " + std::string(definition.titleCaption) + "\n";
    for (const catalog::SpecLineDefinition& line : definition.lines) {
        text.append("    ").append(line.caption).append(words::kCapLead).append(CapText(line.cap));
        if (line.availableFromLevel > 1) text.append(words::kOpensAt).append(planner::PlainDecimal(line.availableFromLevel));
        text.append(")\n");
    }
    return text;
}

}  // namespace

Outcome Classes(const std::optional<std::string>& realm, std::string_view format) {
    const auto only = realm ? catalog::RealmNamed(*realm) : std::nullopt;
    if (realm && !only) return {.text = {}, .fault = texts::driver::UnknownRealm(*realm)};
    if (format != "text" && format != "json") return {.text = {}, .fault = texts::driver::UnknownFormat(format)};
    Json realms = Json::array();
    std::string text;
    for (const catalog::Realm each : catalog::kRealms) {
        if (only && each != *only) continue;
        Json classes = Json::array();
        text.append(catalog::RealmName(each)).append("\n");
        for (const catalog::ClassDefinition* definition : catalog::ClassCatalog::AllClasses()) {
            if (definition->realm != each) continue;
            classes.push_back(ClassJson(*definition));
            text += ClassText(*definition);
        }
        realms.push_back({{"realm", catalog::RealmName(each)}, {"classes", std::move(classes)}});
    }
    if (format == "json") return {.text = planner::records::JsonText({{"realms", std::move(realms)}}) + "\n", .fault = {}};
    return {.text = std::move(text), .fault = {}};
}

}  // namespace vantrell::cli
