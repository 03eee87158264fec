#include "core/planner/plan_entry.h"

#include <algorithm>
#include <utility>

#include "core/catalog/class_catalog.h"
#include "core/planner/blanks.h"
#include "core/planner/json_string.h"
#include "core/planner/plan_code.h"
#include "core/planner/points.h"
#include "core/planner/training_path.h"
#include "core/planner/whole_number.h"

namespace vantrell::planner {
namespace {

namespace library = texts::library;

// An entry that was not one is kept under this key of the entry that takes its place.
constexpr std::string_view kOriginalKey = "original";

// A name as a document may hold it: text, or a number or truth value written as text.
std::string NameText(const LibraryJson& entry) {
    const auto found = entry.find("name");
    if (found == entry.end()) return {};
    if (found->is_string()) return PlanLibrary::TrimmedName(found->get<std::string>());
    if (found->is_number() || found->is_boolean()) return found->dump();
    return {};
}

// A name as read, kept as it is when no blank surrounds it, which spares a copy for nearly every plan.
std::string WithoutBlanksAround(std::string name) {
    const std::string_view trimmed = WithoutBlanks(name);
    return trimmed.size() == name.size() ? std::move(name) : std::string(trimmed);
}

// An entry of a plan's own fields alone, in the order they are written, is written back from
// the plan itself; any other is kept as it was read, which takes far longer for many plans.
bool IsPlain(const LibraryJson& entry) {
    if (!entry.is_object() || entry.size() < 3 || entry.size() > 4) return false;
    if (entry.size() == 4) {
        const auto note = std::prev(entry.end());
        if (note.key() != "note" || !note->is_string() || note->get_ref<const std::string&>().empty()) return false;
        if (!PlanLibrary::NoteFault(note->get_ref<const std::string&>()).empty()) return false;
    }
    auto field = entry.begin();
    const auto is = [&field](std::string_view key) { return field.key() == key; };
    if (!is("name") || !field->is_string()) return false;
    ++field;
    if (!is("code") || !field->is_string()) return false;
    ++field;
    if (!is("priority") || !field->is_array()) return false;
    return std::all_of(field->begin(), field->end(), [](const LibraryJson& stem) { return stem.is_string(); });
}

// Whether the entry read was a plan's, not something else kept in its place.
bool IsEntry(const LibraryJson& entry) {
    return entry.is_object() && (entry.contains("code") || !entry.contains(std::string(kOriginalKey)));
}

// What the parts of a code that does not decode still say of its class and level.
void ExamineParts(SavedPlan& plan) {
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
        if (level && *level >= kLowestCharacterLevel && *level <= kHighestCharacterLevel) plan.characterLevel = *level;
    }
}

void ExamineCode(SavedPlan& plan) {
    auto decoded = DecodePlanCode(plan.code);
    if (auto* reason = std::get_if<std::string>(&decoded)) {
        plan.fault = std::move(*reason);
        ExamineParts(plan);
        return;
    }
    const PlanCode& code = std::get<PlanCode>(decoded);
    plan.definition = code.definition;
    plan.characterLevel = code.characterLevel;
    const std::vector<std::string_view> stems(plan.priority.begin(), plan.priority.end());
    auto priority = PriorityFromStems(*code.definition, stems);
    if (auto* fault = std::get_if<std::string>(&priority)) plan.fault = std::string(library::kPriorityDoesNotFit) + *fault;
}

}  // namespace

void AppendEntry(std::string& document, const SavedPlan& plan) {
    document.append("    ");
    if (!plan.stored.empty()) {
        AppendIndented(document, EntryOfPlan(plan).dump(2), 4);
        return;
    }
    document.append("{\n      \"name\": ");
    AppendJsonString(document, plan.name);
    document.append(",\n      \"code\": ");
    AppendJsonString(document, plan.code);
    document.append(",\n      \"priority\": [");
    for (const std::string& stem : plan.priority) {
        document.append(&stem == plan.priority.data() ? "\n        " : ",\n        ");
        AppendJsonString(document, stem);
    }
    document.append(plan.priority.empty() ? "]" : "\n      ]");
    if (!plan.note.empty()) {
        document.append(",\n      \"note\": ");
        AppendJsonString(document, plan.note);
    }
    document.append("\n    }");
}

void AppendIndented(std::string& document, std::string_view text, std::size_t indent) {
    // A dumped document holds line breaks only between its values: those in its texts are escaped.
    for (std::size_t end = text.find('\n'); end != std::string_view::npos; end = text.find('\n')) {
        document.append(text.substr(0, end + 1)).append(indent, ' ');
        text.remove_prefix(end + 1);
    }
    document.append(text);
}

std::string FieldText(const LibraryJson& document, const std::string& key) {
    const auto found = document.find(key);
    return found != document.end() && found->is_string() ? found->get<std::string>() : std::string();
}

void Examine(SavedPlan& plan) {
    plan.fault.clear();
    plan.definition = nullptr;
    plan.characterLevel.reset();
    if (plan.foreign) {
        plan.fault = library::kNotAnEntry;
        return;
    }
    ExamineCode(plan);
    if (plan.fault.empty()) plan.fault = PlanLibrary::NameFault(plan.name);
}

SavedPlan PlanOfPlainEntry(std::string name, std::string code, std::vector<std::string> priority) {
    SavedPlan plan;
    plan.name = WithoutBlanksAround(std::move(name));
    if (plan.name.empty()) plan.name = library::kNamelessEntry;
    plan.code = std::move(code);
    plan.priority = std::move(priority);
    Examine(plan);
    return plan;
}

SavedPlan PlanOfEntry(const LibraryJson& entry) {
    SavedPlan plan;
    if (!IsPlain(entry)) plan.stored = entry.dump();
    if (!IsEntry(entry)) {
        plan.foreign = true;
        plan.name = entry.is_object() ? NameText(entry) : std::string();
        if (plan.name.empty()) plan.name = library::kForeignEntry;
        Examine(plan);
        return plan;
    }
    plan.name = NameText(entry);
    if (plan.name.empty()) plan.name = library::kNamelessEntry;
    plan.code = FieldText(entry, "code");
    if (std::string note = FieldText(entry, "note"); PlanLibrary::NoteFault(note).empty()) plan.note = std::move(note);
    if (const auto priority = entry.find("priority"); priority != entry.end() && priority->is_array()) {
        for (const LibraryJson& stem : *priority) plan.priority.push_back(stem.is_string() ? stem.get<std::string>() : "");
    }
    Examine(plan);
    return plan;
}

LibraryJson EntryOfPlan(const SavedPlan& plan) {
    if (plan.stored.empty()) {
        LibraryJson entry{{"name", plan.name}, {"code", plan.code}, {"priority", plan.priority}};
        if (!plan.note.empty()) entry["note"] = plan.note;
        return entry;
    }
    LibraryJson read = LibraryJson::parse(plan.stored);
    LibraryJson entry = read.is_object() ? std::move(read) : LibraryJson{{std::string(kOriginalKey), std::move(read)}};
    entry["name"] = plan.name;
    if (plan.usable()) {
        entry["code"] = plan.code;
        entry["priority"] = plan.priority;
    }
    // A note too long for this version stays as it was read.
    if (PlanLibrary::NoteFault(FieldText(entry, "note")).empty()) {
        if (plan.note.empty()) entry.erase("note");
        else entry["note"] = plan.note;
    }
    return entry;
}

}  // namespace vantrell::planner
