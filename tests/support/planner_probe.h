#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "core/catalog/class_catalog.h"
#include "core/planner/planner.h"

namespace vantrell::testing {

// A planner for a catalog class, with lookups by stem for readable tests.
class PlannerProbe {
public:
    explicit PlannerProbe(std::string_view listName) : planner_(Definition(listName)) {}
    explicit PlannerProbe(const catalog::ClassDefinition& definition) : planner_(definition) {}

    planner::Planner& planner() { return planner_; }
    void Level(int characterLevel) { planner_.ApplyLevelChange(static_cast<std::int16_t>(characterLevel)); }
    bool Slide(std::string_view stem, int value) { return planner_.MoveSlider(Index(stem), value); }

    const planner::LineDisplay& Shown(std::string_view stem) const { return planner_.display().lines[Index(stem)]; }
    const planner::LinePlan& Plan(std::string_view stem) const { return planner_.state().lines[Index(stem)]; }
    int Value(std::string_view stem) const { return Shown(stem).sliderValue; }
    int Maximum(std::string_view stem) const { return Plan(stem).sliderMaximum; }
    bool Enabled(std::string_view stem) const { return planner_.SliderEnabled(Index(stem)); }
    const std::string& Abilities(std::string_view stem) const { return Shown(stem).abilities; }
    const std::string& PointsLeft() const { return planner_.display().pointsLeft; }
    const std::string& TotalPoints() const { return planner_.display().totalPoints; }
    const catalog::DescriptionMessage* Click(std::string_view stem) const {
        return planner_.ExplanationFor(Index(stem));
    }

    std::size_t Index(std::string_view stem) const {
        const auto index = planner_.LineIndexOf(stem);
        if (!index) throw std::invalid_argument("no line " + std::string(stem));
        return *index;
    }

private:
    static const catalog::ClassDefinition& Definition(std::string_view listName) {
        const catalog::ClassDefinition* definition = catalog::ClassCatalog::Find(listName);
        if (definition == nullptr) throw std::invalid_argument("no class " + std::string(listName));
        return *definition;
    }

    planner::Planner planner_;
};

}  // namespace vantrell::testing
