#include "core/planner/session.h"

#include <stdexcept>
#include <utility>
#include <variant>

#include "core/catalog/class_catalog.h"
#include "core/texts/planner_texts.h"

namespace vantrell::planner {

Planner& Session::Open(const catalog::ClassDefinition& definition) {
    auto& slot = planners_[&definition];
    if (!slot.planner) slot.planner = std::make_unique<Planner>(definition);
    current_ = slot.planner.get();
    return *current_;
}

template <typename Self>
auto& Session::HistoryIn(Self& self, const Planner& planner) {
    const auto opened = self.planners_.find(&planner.definition());
    if (opened == self.planners_.end() || opened->second.planner.get() != &planner) {
        throw std::invalid_argument("a planner of another session");
    }
    return opened->second.history;
}

PlanHistory& Session::RecordedHistoryOf(const Planner& planner) { return HistoryIn(*this, planner); }
const PlanHistory& Session::HistoryOf(const Planner& planner) const { return HistoryIn(*this, planner); }

void Session::PickLevel(Planner& planner, std::int16_t characterLevel) {
    RecordedHistoryOf(planner).Record(planner, [&] {
        planner.ApplyLevelChange(characterLevel);
        return true;
    });
}

bool Session::MoveSlider(Planner& planner, std::size_t line, int value) {
    return RecordedHistoryOf(planner).Record(planner, [&] { return planner.MoveSlider(line, value); });
}

bool Session::Undo(Planner& planner) { return RecordedHistoryOf(planner).Undo(planner); }
bool Session::Redo(Planner& planner) { return RecordedHistoryOf(planner).Redo(planner); }

Planner* Session::Open(std::string_view listName) {
    const catalog::ClassDefinition* definition = catalog::ClassCatalog::Find(listName);
    return definition == nullptr ? nullptr : &Open(*definition);
}

TrainingPriority Session::PriorityOf(const catalog::ClassDefinition& definition) const {
    return priorities_.Of(definition);
}

std::string Session::SetPriority(const catalog::ClassDefinition& definition, std::span<const std::string_view> stems) {
    auto priority = PriorityFromStems(definition, stems);
    if (auto* fault = std::get_if<std::string>(&priority)) return std::move(*fault);
    priorities_.Set(definition, std::get<TrainingPriority>(std::move(priority)));
    return {};
}

std::optional<std::size_t> Session::MoveInPriority(const catalog::ClassDefinition& definition, std::size_t place,
                                                   int offset) {
    TrainingPriority priority = priorities_.Of(definition);
    const auto target = static_cast<long long>(place) + offset;
    if (place >= priority.size() || target < 0 || target >= static_cast<long long>(priority.size())) return {};
    const auto to = static_cast<std::size_t>(target);
    std::swap(priority[place], priority[to]);
    priorities_.Set(definition, std::move(priority));
    return to;
}

Session::Applied Session::Apply(const PlanCode& code) {
    Planner& planner = Open(*code.definition);
    auto lowered = RecordedHistoryOf(planner).Record(planner, [&] { return ApplyPlanCode(planner, code); });
    return {.planner = &planner, .lowered = std::move(lowered), .fault = {}};
}

Session::Applied Session::Load(const SavedPlan& plan) {
    if (!plan.usable() || plan.definition == nullptr) return {.planner = nullptr, .lowered = {}, .fault = plan.fault};
    const std::vector<std::string_view> stems(plan.priority.begin(), plan.priority.end());
    if (std::string fault = SetPriority(*plan.definition, stems); !fault.empty()) {
        return {.planner = nullptr, .lowered = {}, .fault = fault};
    }
    Applied applied = ApplyCode(plan.code);
    if (applied.planner != nullptr) savedNames_[plan.definition] = plan.name;
    return applied;
}

std::string Session::SaveCurrent(std::string_view name) {
    if (current_ == nullptr) return std::string(texts::planner::kNoPlanOpen);
    return SavingCurrent(name)(library_);
}

LibraryJournal::Change Session::SavingCurrent(std::string_view name, std::optional<std::string> note) {
    std::vector<std::string> stems;
    for (std::size_t line : PriorityOf(current_->definition())) {
        stems.emplace_back(current_->definition().lines[line].stem);
    }
    savedNames_[&current_->definition()] = PlanLibrary::TrimmedName(name);
    LibraryJournal::Change saving = LibraryJournal::Saving(std::string(name), EncodePlanCode(*current_), std::move(stems));
    if (!note) return saving;
    return [saving = std::move(saving), name = std::string(name), note = std::move(*note)](PlanLibrary& library) {
        // A note that cannot be kept is refused before the plan is saved: the change is whole or nothing.
        if (std::string fault = PlanLibrary::NoteFault(note); !fault.empty()) return fault;
        if (std::string fault = saving(library); !fault.empty()) return fault;
        return library.SetNote(name, note);
    };
}

const SavedPlan* Session::SavedPlanOf(const Planner& planner) const {
    const auto saved = savedNames_.find(&planner.definition());
    return saved == savedNames_.end() ? nullptr : library_.Find(saved->second);
}

std::string Session::ProposedNote(const Planner& planner) const {
    const SavedPlan* plan = SavedPlanOf(planner);
    return plan != nullptr ? plan->note : std::string();
}

LibraryJournal::Change Session::SavingCurrentAsDrafted(std::string_view name, std::string note) {
    const bool given = !note.empty() || !ProposedNote(*current_).empty();
    return SavingCurrent(name, given ? std::optional(std::move(note)) : std::nullopt);
}

std::string Session::NoteOf(const Planner& planner) const {
    const SavedPlan* plan = SavedPlanOf(planner);
    return plan != nullptr && plan->code == EncodePlanCode(planner) ? plan->note : std::string();
}

Session::Applied Session::ApplyCode(std::string_view code) {
    auto decoded = DecodePlanCode(code);
    if (auto* reason = std::get_if<std::string>(&decoded)) return {.planner = nullptr, .lowered = {}, .fault = *reason};
    return Apply(std::get<PlanCode>(decoded));
}

Session::Applied Session::ApplyPasted(std::string_view codeOrLink) { return ApplyCode(PlanCodeTextOf(codeOrLink)); }

}  // namespace vantrell::planner
