#include "desktop/planner_window/control_names.h"

namespace vantrell::catalog {

LineControlNames ControlNamesOf(const SpecLineDefinition& line) {
    const std::string stem(line.stem);
    const std::string labelStem = line.labelStem.empty() ? stem : std::string(line.labelStem);
    LineControlNames names{
        .slider = "sld" + stem,
        .level = "lbl" + labelStem + "Skill",
        .points = "lbl" + labelStem + "Pts",
        .percent = "lbl" + labelStem + "Pct",
        .abilities = {},
    };
    if (!line.abilitiesLabelName.empty()) {
        names.abilities = line.abilitiesLabelName;
    } else if (line.abilitiesKind) {
        names.abilities = "lbl" + stem + std::string(AbilitiesKindSuffix(*line.abilitiesKind));
    }
    return names;
}

}  // namespace vantrell::catalog
