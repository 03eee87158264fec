#pragma once

#include <optional>
#include <iterator>
#include <string_view>
#include <type_traits>

#include "core/planner/plan_code.h"
#include "core/planner/plan_compare.h"
#include "core/planner/plan_library.h"
#include "core/planner/planner_view.h"
#include "core/planner/session.h"
#include "core/planner/training_path_view.h"

// The records the front ends and the driver show, each described once, field
// by field, in the order shown. Every form a record takes (the driver's JSON,
// the page's objects) is derived from its description, so a field cannot be
// shown in one and forgotten in the other. A field either form leaves out says
// so where it is described; a value worked out from the record is handed over
// as a function, called only by the form that shows it.
namespace vantrell::planner::records {

// One member of each of a list's items, as a list of its own, without copying them.
template <typename Item, typename Member>
class EachOf {
public:
    EachOf(const std::vector<Item>& items, Member Item::*member) : items_(items), member_(member) {}

    class Iterator {
    public:
        Iterator(const Item* at, Member Item::*member) : at_(at), member_(member) {}
        const Member& operator*() const { return at_->*member_; }
        Iterator& operator++() {
            ++at_;
            return *this;
        }
        bool operator!=(const Iterator& other) const { return at_ != other.at_; }

    private:
        const Item* at_;
        Member Item::*member_;
    };
    Iterator begin() const { return {items_.data(), member_}; }
    Iterator end() const { return {items_.data() + items_.size(), member_}; }

private:
    const std::vector<Item>& items_;
    Member Item::*member_;
};

enum class Form : unsigned char { kDriver = 1, kPage = 2, kBoth = kDriver | kPage };

constexpr bool ShownIn(Form field, Form form) {
    return (static_cast<unsigned>(field) & static_cast<unsigned>(form)) != 0;
}

// A saved plan as a list shows it. Why it cannot be opened is given only when it cannot.
template <typename Fields>
void Describe(Fields& fields, const SavedPlan& plan) {
    fields("name", plan.name);
    fields("class", plan.definition == nullptr ? std::nullopt : std::optional<std::string_view>(plan.definition->listName));
    fields("level", plan.characterLevel);
    fields("code", plan.code);
    fields("usable", plan.usable());
    if (!plan.usable()) fields("reason", plan.fault);
    fields("note", plan.note.empty() ? std::nullopt : std::optional<std::string_view>(plan.note));
}

template <typename Fields>
void Describe(Fields& fields, const LineView& line) {
    fields("stem", line.stem, Form::kDriver);
    fields("value", line.sliderValue);
    fields("min", line.sliderMinimum);
    fields("max", line.sliderMaximum);
    fields("enabled", line.sliderEnabled);
    fields("lineOpen", line.lineOpen, Form::kPage);
    fields("level", line.level);
    fields("points", line.points);
    fields("percent", line.percent);
    fields("abilities", line.abilities);
    fields("tooltip", line.tooltip, Form::kPage);
}

template <typename Fields>
void Describe(Fields& fields, const PlannerView& view) {
    fields("class", view.definition->listName, Form::kDriver);
    fields("title", view.definition->titleCaption, Form::kDriver);
    fields("level", view.characterLevel);
    fields("total", view.totalPoints);
    fields("left", view.pointsLeft);
    fields("statsEnabled", view.statsEnabled, Form::kPage);
    fields("lines", view.lines);
}

template <typename Fields>
void Describe(Fields& fields, const NewAbilityView& ability) {
    fields("stem", ability.stem);
    fields("abilities", ability.abilities, Form::kDriver);
    fields("text", ability.text, Form::kPage);
}

// The page takes a row's cells as flat arrays: a path of 45 rows crosses into it on every move.
template <typename Fields>
void Describe(Fields& fields, const PathRowView& row) {
    fields("level", row.characterLevel);
    fields("lines", EachOf(row.cells, &PathCellView::level), Form::kDriver);
    fields("cells", EachOf(row.cells, &PathCellView::text), Form::kPage);
    fields("rose", EachOf(row.cells, &PathCellView::rose), Form::kPage);
    fields("left", row.wholePointsLeft, Form::kDriver);
    fields("left", row.pointsLeft, Form::kPage);
    fields("changed", row.newAbilities);
}

template <typename Fields>
void Describe(Fields& fields, const TrainingPathView& view) {
    fields("intro", view.intro);
    fields("rows", view.rows);
}

template <typename Fields>
void Describe(Fields& fields, const LoweredLine& line) {
    fields("caption", line.caption);
    fields("requested", line.requested);
    fields("applied", line.applied);
}

template <typename Fields>
void Describe(Fields& fields, const ComparedPlan& plan) {
    fields("level", plan.characterLevel);
    fields("total", plan.totalPoints);
    fields("left", plan.pointsLeft);
    fields("completeFrom", plan.completeFrom, Form::kPage);
}

template <typename Fields>
void Describe(Fields& fields, const ComparedSide& side) {
    fields("level", side.level);
    fields("points", side.points);
    fields("abilities", side.abilities);
}

template <typename Fields>
void Describe(Fields& fields, const ComparedLine& line) {
    fields("stem", line.stem);
    fields("caption", line.caption, Form::kPage);
    fields("a", line.a);
    fields("b", line.b);
    fields("differs", line.differs);
}

// Which plan stands first is told by the headings and the text.
template <typename Fields>
void Describe(Fields& fields, const PlanComparison& comparison) {
    fields("class", comparison.definition->listName, Form::kDriver);
    fields("headings", [&] { return SideHeadings(comparison); }, Form::kPage);
    fields("a", comparison.a);
    fields("b", comparison.b);
    fields("lines", comparison.lines);
    fields("lowered", comparison.lowered, Form::kDriver);
    fields("lowered", [&] { return DescribeLoweredLines(comparison.lowered); }, Form::kPage);
    fields("text", [&] { return ComparisonAsText(comparison); }, Form::kPage);
}

// A plan applied from a code or a saved plan; the class it opened is named by whoever asked.
template <typename Fields>
void Describe(Fields& fields, const Session::Applied& applied) {
    fields("ok", applied.planner != nullptr, Form::kPage);
    if (applied.planner == nullptr) {
        fields("reason", applied.fault, Form::kPage);
        return;
    }
    fields("lowered", applied.lowered, Form::kDriver);
    fields("lowered", [&] { return DescribeLoweredLines(applied.lowered); }, Form::kPage);
}

// A value with a description of its own, which each form shows as an object of its own.
template <typename Value>
concept DescribedRecord = requires(const Value& value, void (*fields)(std::string_view, int)) { Describe(fields, value); };

// Values each form shows as a list.
template <typename Value>
concept ListOfValues = requires(const Value& value) {
    std::begin(value) != std::end(value);
    *std::begin(value);
} && !std::is_convertible_v<const Value&, std::string_view>;

// The members of each record its description shows, and those it keeps out on
// purpose: together, every member. A member added to a record must be put in one.
inline constexpr std::string_view kSavedPlanShown[] = {"name", "definition", "characterLevel", "code", "fault", "note"};
inline constexpr std::string_view kSavedPlanKeptOut[] = {"priority", "stored", "foreign"};
inline constexpr std::string_view kLineViewShown[] = {"stem",      "sliderValue", "sliderMinimum", "sliderMaximum",
                                                      "sliderEnabled", "lineOpen", "level", "points",
                                                      "percent",   "abilities", "tooltip"};
inline constexpr std::string_view kPlannerViewShown[] = {"definition", "characterLevel", "totalPoints",
                                                         "pointsLeft", "statsEnabled", "lines"};
inline constexpr std::string_view kNewAbilityShown[] = {"stem", "abilities", "text"};
inline constexpr std::string_view kPathCellShown[] = {"level", "text", "rose"};
inline constexpr std::string_view kPathCellKeptOut[] = {"open"};
inline constexpr std::string_view kPathRowShown[] = {"characterLevel", "cells", "pointsLeft", "wholePointsLeft",
                                                     "newAbilities"};
inline constexpr std::string_view kTrainingPathShown[] = {"intro", "rows"};
inline constexpr std::string_view kLoweredLineShown[] = {"caption", "requested", "applied"};
inline constexpr std::string_view kComparedPlanShown[] = {"characterLevel", "totalPoints", "pointsLeft", "completeFrom"};
inline constexpr std::string_view kComparedSideShown[] = {"level", "points", "abilities"};
inline constexpr std::string_view kComparedLineShown[] = {"stem", "caption", "a", "b", "differs"};
inline constexpr std::string_view kComparisonShown[] = {"definition", "a", "b", "lines", "lowered"};
inline constexpr std::string_view kComparisonKeptOut[] = {"bFirst"};
inline constexpr std::string_view kAppliedShown[] = {"planner", "lowered", "fault"};

}  // namespace vantrell::planner::records
