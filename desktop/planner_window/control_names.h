#pragma once

#include <string>
#include <string_view>

#include "core/catalog/records.h"

// The names a planner window gives its controls, so that tests and tools can
// find a control from the catalog alone. Prefixes: frm window, lbl label,
// sld slider, cbo combo box, cmd button, fra frame, lst list, txt text box.
namespace vantrell::planner_window {

struct LineControlNames {
    std::string slider;
    std::string level;
    std::string points;
    std::string percent;
    std::string abilities;  // empty for a line without an abilities label
};

// A line whose labels were named apart from its stem when its window was drawn.
struct ControlNameException {
    std::string_view listName;
    std::string_view stem;
    std::string_view labelStem;           // for the level, points and percent labels; empty keeps the stem
    std::string_view abilitiesLabelName;  // whole name; empty derives it from the stem
};

// The slider always keeps the line's stem; only these labels differ.
inline constexpr ControlNameException kControlNameExceptions[] = {
    {.listName = "Bard", .stem = "Nurturing", .labelStem = "Nurture", .abilitiesLabelName = "lblNurtureSpells"},
    {.listName = "Druid", .stem = "Nurturing", .labelStem = "Nurture", .abilitiesLabelName = "lblNurtureSpells"},
    {.listName = "Warden", .stem = "Regrowth", .labelStem = "Reg", .abilitiesLabelName = "lblRegSpells"},
    {.listName = "Warden", .stem = "Nurturing", .labelStem = "Nur", .abilitiesLabelName = "lblNurSpells"},
    {.listName = "Warden", .stem = "Blades", .labelStem = "Bla", .abilitiesLabelName = {}},
    {.listName = "Warden", .stem = "Blunts", .labelStem = "Blu", .abilitiesLabelName = {}},
    // The window drew this shield line's abilities under the large weapons label's name.
    {.listName = "Blademaster", .stem = "Shield", .labelStem = {}, .abilitiesLabelName = "lblLargeSkills"},
};

std::string WindowNameOf(const catalog::ClassDefinition& definition);

// `line` is one of `definition`'s lines: the class decides the exceptions.
LineControlNames ControlNamesOf(const catalog::ClassDefinition& definition, const catalog::SpecLineDefinition& line);

}  // namespace vantrell::planner_window
