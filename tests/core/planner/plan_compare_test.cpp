#include "core/planner/plan_compare.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "core/catalog/class_catalog.h"
#include "core/planner/plan_code.h"

namespace vantrell::planner {
namespace {

Planner PlannerWith(std::string_view code) {
    const PlanCode plan = std::get<PlanCode>(DecodePlanCode(code));
    Planner planner(*plan.definition);
    EXPECT_TRUE(ApplyPlanCode(planner, plan).empty()) << code;
    return planner;
}

PlanComparison Compared(std::string_view a, std::string_view b) {
    auto compared = ComparePlans(PlannerWith(a), b);
    if (auto* reason = std::get_if<std::string>(&compared)) ADD_FAILURE() << *reason;
    return std::get<PlanComparison>(std::move(compared));
}

struct CompleteRow {
    const char* limit;
    const char* code;
    int from;
};

// Healer's total at level L is 14 + (6 + … + L); Armsman's doubles the sum.
TEST(CompleteFrom, IsDecidedByWhicheverLimitComesLast) {
    const std::vector<CompleteRow> rows = {
        // Mending 45 costs 2 + … + 45 = 1034; Healer has 1035 points at 45, 990 at 44; the line is uncapped.
        {"points", "VT1:Healer:50:45.1.1", 45},
        // Slashing 30 costs 464, which 22 levels pay for (490), but it is capped at the character level.
        {"cap", "VT1:Armsman:50:30.1.1.1.1.1.1.1", 30},
        // Crossbows at 2 costs 2 points but opens at 15.
        {"opening", "VT1:Armsman:50:1.1.1.1.1.2.1.1", 15},
        {"nothing trained", "VT1:Healer:37:1.1.1", 6},
    };
    for (const CompleteRow& row : rows) {
        SCOPED_TRACE(std::string(row.limit) + ": " + row.code);
        EXPECT_EQ(CompleteFrom(PlannerWith(row.code)), row.from);
    }
}

TEST(ComparePlans, NamesWhatTheRulesKeptLowerInB) {
    const PlanComparison comparison = Compared("VT1:Armsman:50:1.1.1.1.1.1.1.1", "VT1:Armsman:20:30.1.1.1.1.1.1.1");
    ASSERT_EQ(comparison.lowered.size(), 1U);
    EXPECT_EQ(comparison.lowered[0].caption, "Slashing");
    EXPECT_EQ(comparison.lowered[0].requested, 30);
    EXPECT_EQ(comparison.lowered[0].applied, 20);
    EXPECT_EQ(comparison.b.characterLevel, 20);
    EXPECT_TRUE(comparison.lines[0].differs);
    EXPECT_EQ(comparison.lines[0].b.level, 20);
    EXPECT_EQ(comparison.lines[0].b.points, 209) << "2 + 3 + … + 20";
    EXPECT_FALSE(comparison.lines[1].differs);
}

TEST(ComparePlans, SetsAPlanAgainstTheSameAtALowerLevel) {
    const PlanComparison comparison = Compared("VT1:Healer:50:10.1.1", "VT1:Healer:40:10.1.1");
    EXPECT_EQ(comparison.a.totalPoints, 1274);
    EXPECT_EQ(comparison.a.pointsLeft, 1274 - 54);
    EXPECT_EQ(comparison.b.totalPoints, 819);
    EXPECT_EQ(comparison.b.pointsLeft, 819 - 54);
    EXPECT_EQ(comparison.a.completeFrom, comparison.b.completeFrom);
    for (const ComparedLine& line : comparison.lines) EXPECT_FALSE(line.differs) << line.stem;
    EXPECT_TRUE(comparison.lowered.empty());
    const std::string text = ComparisonAsText(comparison);
    EXPECT_NE(text.find("* Character Level"), std::string::npos) << text;
    EXPECT_NE(text.find("  Complete from level"), std::string::npos) << text;
}

TEST(ComparePlans, RefusesPlansOfTwoClassesNamingBoth) {
    const auto refused =
        ComparePlans(PlannerWith("VT1:Healer:50:10.1.1"), "https://example.org/#VT1:Bard:50:1.1.1.1.1");
    ASSERT_TRUE(std::holds_alternative<std::string>(refused));
    const std::string& reason = std::get<std::string>(refused);
    EXPECT_NE(reason.find("Healer"), std::string::npos) << reason;
    EXPECT_NE(reason.find("Bard"), std::string::npos) << reason;
}

}  // namespace
}  // namespace vantrell::planner
