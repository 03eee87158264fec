#include "core/planner/plan_library.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "core/catalog/class_catalog.h"
#include "core/planner/plan_code.h"
#include "core/planner/points.h"
#include "core/planner/training_path.h"
#include "core/planner/whole_number.h"

namespace vantrell::planner {
namespace {

// Keys stay in the order they were read, so a document written back reads as it did.
using Json = nlohmann::ordered_json;

constexpr std::string_view kFormat = "vantrell-plans";
constexpr int kFormatVersion = 1;
constexpr std::size_t kLongestName = 80;
constexpr std::string_view kBlanks = " \t\r\n";

// The code points of UTF-8 text; nothing for text that is not UTF-8.
std::optional<std::vector<char32_t>> CodePoints(std::string_view text) {
    std::vector<char32_t> points;
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = lead < 0x80           ? 1
                                   : (lead >> 5) == 0x6  ? 2
                                   : (lead >> 4) == 0xE  ? 3
                                   : (lead >> 3) == 0x1E ? 4
                                                         : 0;
        if (length == 0 || at + length > text.size()) return std::nullopt;
        char32_t point = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t next = 1; next < length; ++next) {
            const auto byte = static_cast<unsigned char>(text[at + next]);
            if ((byte >> 6) != 0x2) return std::nullopt;
            point = (point << 6) | (byte & 0x3F);
        }
        constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (point < kShortest[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) return std::nullopt;
        points.push_back(point);
        at += length;
    }
    return points;
}

bool IsControl(char32_t point) { return point < 0x20 || (point >= 0x7F && point <= 0x9F); }

// The user's names differ by more than the case of their ASCII letters.
bool SameName(std::string_view one, std::string_view other) {
    return std::equal(one.begin(), one.end(), other.begin(), other.end(), [](char a, char b) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        return lower(a) == lower(b);
    });
}

// The first bytes of `name` that hold at most `points` code points.
std::string_view FirstPoints(std::string_view name, std::size_t points) {
    std::size_t at = 0;
    for (std::size_t seen = 0; at < name.size() && seen < points; ++seen) {
        ++at;
        while (at < name.size() && (static_cast<unsigned char>(name[at]) >> 6) == 0x2) ++at;
    }
    return name.substr(0, at);
}

std::string FieldText(const Json& entry, const std::string& key) {
    const auto found = entry.find(key);
    return found != entry.end() && found->is_string() ? found->get<std::string>() : std::string();
}

SavedPlan EntryOf(const Json& entry) {
    SavedPlan plan;
    plan.stored = entry.dump();
    if (!entry.is_object()) {
        plan.fault = "This entry is not a saved plan.";
        return plan;
    }
    plan.name = FieldText(entry, "name");
    plan.code = FieldText(entry, "code");
    if (const auto priority = entry.find("priority"); priority != entry.end() && priority->is_array()) {
        for (const Json& stem : *priority) plan.priority.push_back(stem.is_string() ? stem.get<std::string>() : "");
    }
    Examine(plan);
    if (plan.fault.empty() && !PlanLibrary::NameFault(plan.name).empty())
        plan.fault = PlanLibrary::NameFault(plan.name);
    return plan;
}

std::string NotALibrary(std::string_view why) {
    return "This file is not a Vantrell plans library: " + std::string(why);
}

}  // namespace

void Examine(SavedPlan& plan) {
    plan.fault.clear();
    plan.definition = nullptr;
    plan.characterLevel.reset();
    auto decoded = DecodePlanCode(plan.code);
    if (auto* reason = std::get_if<std::string>(&decoded)) {
        plan.fault = std::move(*reason);
        // As much as the parts of a code still say.
        std::string_view rest = plan.code;
        std::vector<std::string_view> parts;
        for (std::size_t at = rest.find(':'); parts.size() < 3; at = rest.find(':')) {
            parts.push_back(rest.substr(0, at));
            if (at == std::string_view::npos) break;
            rest.remove_prefix(at + 1);
        }
        if (parts.size() > 1) plan.definition = catalog::ClassCatalog::Find(parts[1]);
        if (parts.size() > 2) {
            const auto level = ParseWholeNumber(parts[2]);
            if (level && *level >= kLowestCharacterLevel && *level <= kHighestCharacterLevel)
                plan.characterLevel = *level;
        }
        return;
    }
    const PlanCode& code = std::get<PlanCode>(decoded);
    plan.definition = code.definition;
    plan.characterLevel = code.characterLevel;
    const std::vector<std::string_view> stems(plan.priority.begin(), plan.priority.end());
    auto priority = PriorityFromStems(*code.definition, stems);
    if (auto* fault = std::get_if<std::string>(&priority)) plan.fault = "Its training priority does not fit: " + *fault;
}

std::string PlanLibrary::TrimmedName(std::string_view name) {
    const auto first = name.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return std::string(name.substr(first, name.find_last_not_of(kBlanks) - first + 1));
}

std::string PlanLibrary::NameFault(std::string_view name) {
    const auto points = CodePoints(TrimmedName(name));
    if (!points) return "A plan's name must be text (UTF-8).";
    if (points->empty()) return "A plan needs a name.";
    if (points->size() > kLongestName) return "A plan's name has at most 80 characters.";
    if (std::any_of(points->begin(), points->end(), IsControl)) return "A plan's name cannot hold control characters.";
    return {};
}

std::variant<PlanLibrary, std::string> PlanLibrary::Read(std::string_view document) {
    if (document.find_first_not_of(kBlanks) == std::string_view::npos) return NotALibrary("it is empty.");
    Json json;
    try {
        json = Json::parse(document);
    } catch (const Json::parse_error& error) {
        return NotALibrary(error.byte > document.size() ? "it is cut short." : "it is not JSON.");
    } catch (const Json::exception&) {
        // A number too large for any plan, which the reader refuses rather than rounds.
        return NotALibrary("it is not JSON.");
    }
    if (!json.is_object() || FieldText(json, "format") != kFormat) return NotALibrary("it holds something else.");
    const auto version = json.find("version");
    if (version == json.end() || !version->is_number_integer() || version->get<long long>() < 1) {
        return NotALibrary("it has no format version.");
    }
    if (version->get<long long>() > kFormatVersion) {
        return "This plans library was written by a newer version of Vantrell (format " +
               std::to_string(version->get<long long>()) + "); this version reads format " +
               std::to_string(kFormatVersion) + ".";
    }
    const auto plans = json.find("plans");
    if (plans == json.end() || !plans->is_array()) return NotALibrary("it has no list of plans.");

    PlanLibrary library;
    for (const Json& entry : *plans) library.plans_.push_back(EntryOf(entry));
    json.erase("format");
    json.erase("version");
    json.erase("plans");
    if (!json.empty()) library.storedDocument_ = json.dump();
    return library;
}

std::string PlanLibrary::Write() const {
    Json document = {{"format", std::string(kFormat)}, {"version", kFormatVersion}, {"plans", Json::array()}};
    Json& plans = document["plans"];
    for (const SavedPlan& plan : plans_) {
        Json entry = plan.stored.empty() ? Json::object() : Json::parse(plan.stored);
        if (entry.is_object()) {
            entry["name"] = plan.name;
            if (plan.usable()) {
                entry["code"] = plan.code;
                entry["priority"] = plan.priority;
            }
        }
        plans.push_back(std::move(entry));
    }
    if (!storedDocument_.empty()) document.update(Json::parse(storedDocument_));
    return document.dump(2) + '\n';
}

template <typename Plans>
auto NamedIn(Plans& plans, std::string_view name) {
    const std::string trimmed = PlanLibrary::TrimmedName(name);
    return std::find_if(plans.begin(), plans.end(),
                        [&](const SavedPlan& plan) { return SameName(plan.name, trimmed); });
}

std::vector<SavedPlan>::iterator PlanLibrary::Named(std::string_view name) { return NamedIn(plans_, name); }

const SavedPlan* PlanLibrary::Find(std::string_view name) const {
    const auto found = NamedIn(plans_, name);
    return found == plans_.end() ? nullptr : &*found;
}

std::string PlanLibrary::Save(std::string_view name, std::string_view code, std::vector<std::string> priority) {
    if (std::string fault = NameFault(name); !fault.empty()) return fault;
    SavedPlan plan;
    plan.name = TrimmedName(name);
    plan.code = code;
    plan.priority = std::move(priority);
    Examine(plan);
    if (!plan.usable()) return plan.fault;
    if (const auto existing = Named(plan.name); existing != plans_.end()) {
        plan.stored = std::move(existing->stored);
        *existing = std::move(plan);
    } else {
        plans_.push_back(std::move(plan));
    }
    return {};
}

std::string PlanLibrary::Rename(std::string_view name, std::string_view newName) {
    const auto plan = Named(name);
    if (plan == plans_.end()) return "There is no plan named \"" + TrimmedName(name) + "\".";
    if (std::string fault = NameFault(newName); !fault.empty()) return fault;
    const auto taken = Named(newName);
    if (taken != plans_.end() && taken != plan) return "There is already a plan named \"" + taken->name + "\".";
    plan->name = TrimmedName(newName);
    return {};
}

std::string PlanLibrary::Delete(std::string_view name) {
    const auto plan = Named(name);
    if (plan == plans_.end()) return "There is no plan named \"" + TrimmedName(name) + "\".";
    plans_.erase(plan);
    return {};
}

std::string PlanLibrary::FreeNameFrom(std::string_view name) const {
    if (Find(name) == nullptr) return std::string(name);
    for (int copy = 2;; ++copy) {
        std::string suffix = " (";
        suffix += std::to_string(copy);
        suffix += ')';
        const std::string candidate = std::string(FirstPoints(name, kLongestName - suffix.size())) + suffix;
        if (Find(candidate) == nullptr) return candidate;
    }
}

PlanLibrary::Imported PlanLibrary::Import(const PlanLibrary& other) {
    Imported imported;
    for (SavedPlan plan : other.plans_) {
        plan.name = FreeNameFrom(plan.name);
        imported.unusable += plan.usable() ? 0 : 1;
        ++imported.plans;
        plans_.push_back(std::move(plan));
    }
    return imported;
}

}  // namespace vantrell::planner
