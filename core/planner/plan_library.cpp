#include "core/planner/plan_library.h"

#include <algorithm>

#include "core/planner/blanks.h"
#include "core/planner/document_limits.h"
#include "core/planner/library_reader.h"
#include "core/planner/plain_library_reader.h"
#include "core/planner/plan_entry.h"
#include "core/texts/composed.h"
#include "core/texts/unicode.h"

namespace vantrell::planner {
namespace {

namespace library = texts::library;

constexpr std::string_view kFormat = "vantrell-plans";
constexpr int kFormatVersion = 1;
constexpr std::size_t kLongestName = 80;
constexpr std::size_t kLongestNote = 2000;

bool IsControl(char32_t point) { return point < 0x20 || (point >= 0x7F && point <= 0x9F); }

std::string_view RefusalReason(JsonRefusal refusal) {
    switch (refusal) {
    case JsonRefusal::kTooLarge: return library::kTooLarge;
    case JsonRefusal::kTooDeep: return library::kTooDeep;
    case JsonRefusal::kCutShort: return library::kCutShort;
    case JsonRefusal::kNotJson: break;
    }
    return library::kNotJson;
}

// Why a parsed document is not a library of this version; nothing when it is.
std::optional<std::string> DocumentFault(const LibraryJson& json, PlanLibrary::Source source) {
    if (!json.is_object() || FieldText(json, "format") != kFormat) {
        return library::NotALibrary(source, library::kSomethingElse);
    }
    const auto version = json.find("version");
    if (version == json.end() || !version->is_number_integer() || version->get<long long>() < 1) {
        return library::NotALibrary(source, library::kNoVersion);
    }
    if (version->get<long long>() > kFormatVersion) return library::NewerLibrary(version->get<long long>(), kFormatVersion);
    const auto plans = json.find("plans");
    if (plans == json.end() || !plans->is_array()) return library::NotALibrary(source, library::kNoPlans);
    return std::nullopt;
}

}  // namespace

std::string PlanLibrary::TrimmedName(std::string_view name) { return std::string(WithoutBlanks(name)); }

std::string PlanLibrary::NameFault(std::string_view name) {
    const std::string_view trimmed = WithoutBlanks(name);
    // Printable ASCII, as nearly every name is, can only be too long or missing.
    if (std::all_of(trimmed.begin(), trimmed.end(), [](char c) { return c >= 0x20 && c < 0x7F; })) {
        if (trimmed.empty()) return std::string(library::kNameMissing);
        return trimmed.size() > kLongestName ? std::string(library::kNameTooLong) : std::string();
    }
    const auto points = texts::CodePoints(trimmed);
    if (!points) return std::string(library::kNameNotText);
    if (points->empty()) return std::string(library::kNameMissing);
    if (points->size() > kLongestName) return std::string(library::kNameTooLong);
    if (std::any_of(points->begin(), points->end(), IsControl)) return std::string(library::kNameWithControls);
    return {};
}

std::variant<PlanLibrary, std::string> PlanLibrary::Read(std::string_view document, Source source) {
    if (document.size() <= kLargestDocument && document.find_first_not_of(kBlanks) == std::string_view::npos) {
        return library::NotALibrary(source, library::kEmpty);
    }
    if (document.size() <= kLargestDocument) {
        if (auto plans = ReadPlainLibrary(document, kFormat)) return Indexed(std::move(*plans));
    }
    auto read = ReadLibraryDocument(document);
    if (const auto* refusal = std::get_if<JsonRefusal>(&read)) {
        return library::NotALibrary(source, RefusalReason(*refusal));
    }
    auto& [json, plans] = std::get<LibraryDocument>(read);
    if (auto fault = DocumentFault(json, source)) return std::move(*fault);

    PlanLibrary library = Indexed(std::move(plans));
    json.erase("format");
    json.erase("version");
    json.erase("plans");
    if (!json.empty()) library.storedDocument_ = json.dump();
    return library;
}

PlanLibrary PlanLibrary::Indexed(std::vector<SavedPlan> plans) {
    PlanLibrary library;
    CopyNumbers nextCopies;
    library.plans_ = std::move(plans);
    library.positions_.Reserve(library.plans_.size());
    for (std::size_t position = 0; position < library.plans_.size(); ++position) library.IndexUnique(position, nextCopies);
    return library;
}

std::string PlanLibrary::Write() const {
    std::string document = "{\n  \"format\": \"";
    document.append(kFormat).append("\",\n  \"version\": ").append(std::to_string(kFormatVersion));
    document.append(",\n  \"plans\": [");
    for (const SavedPlan& plan : plans_) {
        document.append(&plan == plans_.data() ? "\n" : ",\n");
        AppendEntry(document, plan);
    }
    document.append(plans_.empty() ? "]" : "\n  ]");
    if (!storedDocument_.empty()) {
        const LibraryJson stored = LibraryJson::parse(storedDocument_);
        for (const auto& field : stored.items()) {
            document.append(",\n  ").append(LibraryJson(field.key()).dump()).append(": ");
            AppendIndented(document, field.value().dump(2), 2);
        }
    }
    document.append("\n}\n");
    return document;
}

auto PlanLibrary::NameAt() const -> NameOfPlace {
    return NameOfPlace{&plans_};
}

std::optional<std::size_t> PlanLibrary::PositionOf(std::string_view name) const {
    return positions_.Find(name, NameAt());
}

const SavedPlan* PlanLibrary::Find(std::string_view name) const {
    const auto position = PositionOf(name);
    return position ? &plans_[*position] : nullptr;
}

void PlanLibrary::IndexUnique(std::size_t position, CopyNumbers& nextCopies) {
    std::string& name = plans_[position].name;
    std::size_t hash = NameIndex::HashOf(name);
    if (const auto holder = positions_.FindHashed(name, hash, NameAt())) {
        // Where the last copy of this name was numbered, so that many plans of one name take linear time.
        int& copy = nextCopies.try_emplace(*holder, 2).first->second;
        for (;; ++copy) {
            std::string suffix = " (";
            suffix += std::to_string(copy);
            suffix += ')';
            std::string candidate(texts::FirstCodePoints(name, kLongestName - suffix.size()));
            candidate += suffix;
            hash = NameIndex::HashOf(candidate);
            if (!positions_.FindHashed(candidate, hash, NameAt())) {
                name = std::move(candidate);
                break;
            }
        }
    }
    positions_.AddHashed(hash, position);
}

std::string PlanLibrary::Save(std::string_view name, std::string_view code, std::vector<std::string> priority) {
    if (std::string fault = NameFault(name); !fault.empty()) return fault;
    SavedPlan plan;
    plan.name = TrimmedName(name);
    plan.code = code;
    plan.priority = std::move(priority);
    Examine(plan);
    if (!plan.usable()) return plan.fault;
    if (const auto position = PositionOf(plan.name)) {
        // Found by the new name, the plan it replaces keeps its place and its key in the index.
        SavedPlan& existing = plans_[*position];
        plan.stored = std::move(existing.stored);
        plan.note = std::move(existing.note);
        existing = std::move(plan);
    } else {
        positions_.Add(plan.name, plans_.size());
        plans_.push_back(std::move(plan));
    }
    return {};
}

std::string PlanLibrary::Rename(std::string_view name, std::string_view newName) {
    const auto position = PositionOf(name);
    if (!position) return texts::NoSavedPlanNamed(TrimmedName(name));
    if (std::string fault = NameFault(newName); !fault.empty()) return fault;
    const auto taken = PositionOf(newName);
    if (taken && taken != position) return library::NameTaken(plans_[*taken].name);
    SavedPlan& plan = plans_[*position];
    positions_.Remove(plan.name, NameAt());
    plan.name = TrimmedName(newName);
    Examine(plan);
    positions_.Add(plan.name, *position);
    return {};
}

std::string PlanLibrary::NoteFault(std::string_view note) {
    const auto points = texts::CodePoints(note);
    if (!points) return std::string(library::kNoteNotText);
    return points->size() > kLongestNote ? std::string(library::kNoteTooLong) : std::string();
}

std::string PlanLibrary::SetNote(std::string_view name, std::string_view note) {
    const auto position = PositionOf(name);
    if (!position) return texts::NoSavedPlanNamed(TrimmedName(name));
    if (std::string fault = NoteFault(note); !fault.empty()) return fault;
    plans_[*position].note = note;
    return {};
}

std::string PlanLibrary::Delete(std::string_view name) {
    const auto position = PositionOf(name);
    if (!position) return texts::NoSavedPlanNamed(TrimmedName(name));
    positions_.Remove(plans_[*position].name, NameAt());
    plans_.erase(plans_.begin() + static_cast<std::ptrdiff_t>(*position));
    positions_.Closed(*position);
    return {};
}

PlanLibrary::Imported PlanLibrary::Import(const PlanLibrary& other) {
    // Counted before anything is added: `other` may be this library itself.
    const Imported imported = other.ImportTally();
    if (plans_.empty()) {
        // Into an empty library, every name is already one of its own: the plans come with their index.
        plans_ = other.plans_;
        positions_ = other.positions_;
        return imported;
    }
    CopyNumbers nextCopies;
    plans_.reserve(plans_.size() + other.plans_.size());
    positions_.Reserve(plans_.size() + other.plans_.size());
    for (const SavedPlan& plan : other.plans_) {
        plans_.push_back(plan);
        IndexUnique(plans_.size() - 1, nextCopies);
    }
    return imported;
}

PlanLibrary::Imported PlanLibrary::ImportTally() const {
    Imported tally{.plans = plans_.size()};
    for (const SavedPlan& plan : plans_) tally.unusable += plan.usable() ? 0 : 1;
    return tally;
}

std::vector<std::string> PlanLibrary::NotHeldIn(const PlanLibrary& kept) const {
    std::vector<std::string> names;
    for (const SavedPlan& plan : plans_) {
        const SavedPlan* there = kept.Find(plan.name);
        if (there == nullptr || there->name != plan.name || there->code != plan.code || there->priority != plan.priority) {
            names.push_back(plan.name);
        }
    }
    return names;
}

}  // namespace vantrell::planner
