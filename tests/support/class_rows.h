#pragma once

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <string_view>

#include "tests/support/planner_probe.h"

// Row checks shared by the class groups' tests.
namespace vantrell::testing {

struct TotalRow {
    std::string_view listName;
    int level;
    std::string_view total;
};

// A fresh planner picked to the row's level shows the row's total, all of it left.
inline void ExpectFreshTotals(std::span<const TotalRow> rows) {
    for (const TotalRow& row : rows) {
        SCOPED_TRACE(std::string(row.listName) + " at level " + std::to_string(row.level));
        PlannerProbe probe(row.listName);
        probe.Level(row.level);
        EXPECT_EQ(probe.TotalPoints(), row.total);
        EXPECT_EQ(probe.PointsLeft(), row.total);
    }
}

struct CapRow {
    std::string_view listName;
    std::string_view stem;
    int level;
    int maximum;
};

// At the row's level, with every line at 1, the slider's maximum is the row's
// and a move one or more levels past it stops there.
inline void ExpectSlidersStopAtTheirCaps(std::span<const CapRow> rows) {
    for (const CapRow& row : rows) {
        SCOPED_TRACE(std::string(row.listName) + " " + std::string(row.stem) + " at level " +
                     std::to_string(row.level));
        for (int past : {1, 5}) {
            PlannerProbe probe(row.listName);
            probe.Level(row.level);
            EXPECT_EQ(probe.Maximum(row.stem), row.maximum);
            probe.Slide(row.stem, row.maximum + past);
            EXPECT_EQ(probe.Value(row.stem), row.maximum);
        }
    }
}

}  // namespace vantrell::testing
