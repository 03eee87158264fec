#include "core/planner/session.h"

#include <utility>
#include <variant>

#include "core/catalog/class_catalog.h"

namespace vantrell::planner {

Planner& Session::Open(const catalog::ClassDefinition& definition) {
    auto& slot = planners_[&definition];
    if (!slot) slot = std::make_unique<Planner>(definition);
    current_ = slot.get();
    return *slot;
}

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
    return {.planner = &planner, .lowered = ApplyPlanCode(planner, code), .fault = {}};
}

Session::Applied Session::ApplyCode(std::string_view code) {
    auto decoded = DecodePlanCode(code);
    if (auto* reason = std::get_if<std::string>(&decoded)) return {.planner = nullptr, .lowered = {}, .fault = *reason};
    return Apply(std::get<PlanCode>(decoded));
}

Session::Applied Session::ApplyPasted(std::string_view codeOrLink) { return ApplyCode(PlanCodeTextOf(codeOrLink)); }

}  // namespace vantrell::planner
