#include "desktop/planner_window/control_names.h"

namespace vantrell::planner_window {
namespace {

const ControlNameException* ExceptionFor(std::string_view listName, std::string_view stem) {
    for (const ControlNameException& exception : kControlNameExceptions) {
        if (exception.listName == listName && exception.stem == stem) return &exception;
    }
    return nullptr;
}

}  // namespace

std::string WindowNameOf(const catalog::ClassDefinition& definition) {
    return "frm" + std::string(definition.listName);
}

LineControlNames ControlNamesOf(const catalog::ClassDefinition& definition, const catalog::SpecLineDefinition& line) {
    const ControlNameException* exception = ExceptionFor(definition.listName, line.stem);
    const std::string stem(line.stem);
    const std::string labelStem =
        exception != nullptr && !exception->labelStem.empty() ? std::string(exception->labelStem) : stem;
    LineControlNames names{
        .slider = "sld" + stem,
        .level = "lbl" + labelStem + "Skill",
        .points = "lbl" + labelStem + "Pts",
        .percent = "lbl" + labelStem + "Pct",
        .abilities = {},
    };
    if (exception != nullptr && !exception->abilitiesLabelName.empty()) {
        names.abilities = exception->abilitiesLabelName;
    } else if (line.abilitiesKind) {
        names.abilities = "lbl" + stem + std::string(catalog::AbilitiesKindSuffix(*line.abilitiesKind));
    }
    return names;
}

}  // namespace vantrell::planner_window
