#include "web/binding/values.h"

#include <cstdio>

#include "core/catalog/colour_contrast.h"
#include "core/planner/plan_code.h"

namespace vantrell::web {

using emscripten::val;

val Text(std::string_view text) { return val(std::string(text)); }

val LongText(std::string_view utf8) {
    static const val decoder = val::global("TextDecoder").new_();
    const auto* bytes = reinterpret_cast<const unsigned char*>(utf8.data());
    return decoder.call<val>("decode", val(emscripten::typed_memory_view(utf8.size(), bytes)));
}

std::string DocumentOf(const val& document) {
    if (document.isString()) return document.as<std::string>();
    // The bytes are copied in one step by the browser, not one by one.
    std::string bytes(document["length"].as<std::size_t>(), '\0');
    val(emscripten::typed_memory_view(bytes.size(), reinterpret_cast<unsigned char*>(bytes.data()))).call<void>("set", document);
    return bytes;
}

std::string CssColour(catalog::Rgb rgb) {
    char css[8];
    std::snprintf(css, sizeof css, "#%02x%02x%02x", rgb.red, rgb.green, rgb.blue);
    return css;
}

std::string DarkCssColour(catalog::Rgb rgb) { return CssColour(catalog::ReadableOn(rgb, catalog::kDarkSchemeSurface)); }

val LineState(const planner::LineView& shown) {
    val entry = val::object();
    entry.set("value", shown.sliderValue);
    entry.set("min", shown.sliderMinimum);
    entry.set("max", shown.sliderMaximum);
    entry.set("enabled", shown.sliderEnabled);
    entry.set("lineOpen", shown.lineOpen);
    entry.set("level", shown.level);
    entry.set("points", shown.points);
    entry.set("percent", shown.percent);
    entry.set("abilities", shown.abilities);
    entry.set("tooltip", shown.tooltip);
    return entry;
}

val ComparedSideOf(const planner::ComparedSide& side) {
    val entry = val::object();
    entry.set("level", static_cast<int>(side.level));
    entry.set("points", static_cast<int>(side.points));
    entry.set("abilities", side.abilities);
    return entry;
}

val ComparedPlanOf(const planner::ComparedPlan& plan) {
    val entry = val::object();
    entry.set("level", static_cast<int>(plan.characterLevel));
    entry.set("total", static_cast<double>(plan.totalPoints));
    entry.set("left", static_cast<double>(plan.pointsLeft));
    entry.set("completeFrom", static_cast<int>(plan.completeFrom));
    return entry;
}

val PathRow(const planner::PathRowView& shown) {
    // Two flat arrays rather than an object a cell: a path of 45 rows crosses into the page on every move.
    val cells = val::array();
    val rose = val::array();
    for (const planner::PathCellView& cell : shown.cells) {
        cells.call<void>("push", cell.text);
        rose.call<void>("push", cell.rose);
    }
    val changed = val::array();
    for (const planner::NewAbilityView& ability : shown.newAbilities) {
        val entry = val::object();
        entry.set("stem", Text(ability.stem));
        entry.set("text", ability.text);
        changed.call<void>("push", entry);
    }
    val row = val::object();
    row.set("level", static_cast<int>(shown.characterLevel));
    row.set("cells", cells);
    row.set("rose", rose);
    row.set("left", shown.pointsLeft);
    row.set("changed", changed);
    return row;
}

val Outcome(const planner::Session::Applied& applied) {
    val result = val::object();
    result.set("ok", applied.planner != nullptr);
    if (applied.planner == nullptr) {
        result.set("reason", applied.fault);
    } else {
        result.set("lowered", planner::DescribeLoweredLines(applied.lowered));
    }
    return result;
}

}  // namespace vantrell::web
