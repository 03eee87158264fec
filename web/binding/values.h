#pragma once

// The core's records as the page reads them: plain objects of numbers and texts.
#include <emscripten/val.h>

#include <string>
#include <string_view>

#include "core/catalog/records.h"
#include "core/planner/plan_compare.h"
#include "core/planner/planner_view.h"
#include "core/planner/session.h"
#include "core/planner/training_path_view.h"

namespace vantrell::web {

emscripten::val Text(std::string_view text);
// A long UTF-8 text as a JavaScript string, decoded by the browser at once: the
// binding's own conversion looks at each byte in turn, which a document of many
// plans makes slow.
emscripten::val LongText(std::string_view utf8);
// A document the page hands over as text or, far sooner for a large one, as its UTF-8 bytes (a Uint8Array).
std::string DocumentOf(const emscripten::val& document);

std::string CssColour(catalog::Rgb rgb);
// The colour a dark scheme shows in place of one of the catalog's.
std::string DarkCssColour(catalog::Rgb rgb);

emscripten::val LineState(const planner::LineView& shown);
emscripten::val ComparedSideOf(const planner::ComparedSide& side);
emscripten::val ComparedPlanOf(const planner::ComparedPlan& plan);
emscripten::val PathRow(const planner::PathRowView& shown);
// Says why a code was not taken, or which lines the rules kept lower.
emscripten::val Outcome(const planner::Session::Applied& applied);

}  // namespace vantrell::web
