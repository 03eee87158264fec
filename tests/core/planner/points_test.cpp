#include "core/planner/points.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "core/planner/plain_decimal.h"

namespace vantrell::planner {
namespace {

struct TotalRow {
    double factor;
    std::int16_t level;
    double total;
};

void PrintTo(const TotalRow& row, std::ostream* out) { *out << "factor " << row.factor << " level " << row.level; }

class TotalPointsTest : public ::testing::TestWithParam<TotalRow> {};

TEST_P(TotalPointsTest, AddsTheRoundedDownFactorPerLevelFromSix) {
    const TotalRow row = GetParam();
    EXPECT_EQ(TotalPointsAtLevel({row.factor}, row.level), row.total);
}

INSTANTIATE_TEST_SUITE_P(Rows, TotalPointsTest,
                         ::testing::Values(TotalRow{1, 5, 14}, TotalRow{1.5, 5, 14}, TotalRow{2, 5, 14},
                                           TotalRow{1, 6, 20}, TotalRow{1.5, 6, 23}, TotalRow{2, 6, 26},
                                           TotalRow{1, 7, 27}, TotalRow{1.5, 7, 33}, TotalRow{2, 7, 40},
                                           TotalRow{1.5, 8, 45}, TotalRow{1.5, 9, 58}, TotalRow{1, 10, 54},
                                           TotalRow{1.5, 10, 73}, TotalRow{2, 10, 94}, TotalRow{1, 20, 209},
                                           TotalRow{1.5, 20, 303}, TotalRow{2, 20, 404}, TotalRow{1, 30, 464},
                                           TotalRow{1.5, 30, 683}, TotalRow{2, 30, 914}, TotalRow{1, 40, 819},
                                           TotalRow{1.5, 40, 1213}, TotalRow{2, 40, 1624}, TotalRow{1, 50, 1274},
                                           TotalRow{1.5, 50, 1893}, TotalRow{2, 50, 2534}));

TEST(TotalPoints, FactorTwoFollowsTheClosedForm) {
    for (std::int16_t level = 6; level <= 50; ++level) {
        EXPECT_EQ(TotalPointsAtLevel({2}, level), level * level + level - 16) << "level " << level;
    }
}

TEST(LineCost, SumsTwoUpToTheLevel) {
    EXPECT_EQ(LineCost(1), 0);
    EXPECT_EQ(LineCost(2), 2);
    EXPECT_EQ(LineCost(3), 5);
    EXPECT_EQ(LineCost(10), 54);
    EXPECT_EQ(LineCost(50), 1274);
    EXPECT_EQ(LineCost(101), 5150);
    for (std::int16_t level = 2; level <= 101; ++level) EXPECT_EQ(LineCost(level) - LineCost(level - 1), level);
}

TEST(LineCost, OverflowFailsLoudlyInsteadOfWrapping) {
    EXPECT_NO_THROW(LineCost(255));
    EXPECT_THROW(LineCost(256), std::overflow_error);
}

TEST(PercentOfTotal, RoundsDown) {
    EXPECT_EQ(PercentOfTotal(2, 20), 10);
    EXPECT_EQ(PercentOfTotal(5, 1274), 0);
    EXPECT_EQ(PercentOfTotal(1274, 1274), 100);
    EXPECT_EQ(PercentOfTotal(209, 404), 51);
    EXPECT_EQ(PercentOfTotal(0, 2534), 0);
}

TEST(PointsLeft, SubtractsEveryLinesSpending) {
    const LinePlan lines[] = {{3, 5, 3}, {1, 0, 1}, {10, 54, 10}};
    EXPECT_EQ(PointsLeft(94, lines), 35);
    EXPECT_EQ(PointsLeft(50, lines), -9);
}

struct StepsRow {
    std::int16_t level;
    double pointsLeft;
    std::int16_t steps;
};

void PrintTo(const StepsRow& row, std::ostream* out) { *out << "level " << row.level << " left " << row.pointsLeft; }

class AffordableStepsTest : public ::testing::TestWithParam<StepsRow> {};

TEST_P(AffordableStepsTest, CountsWithTheOneLevelOvershoot) {
    const StepsRow row = GetParam();
    EXPECT_EQ(AffordableSteps(row.level, row.pointsLeft), row.steps);
}

// Level 1 with 8 left reaches 4 although 4 costs 9; 1274 reaches exactly 50;
// 2534 reaches 71 though only 70 is affordable.
INSTANTIATE_TEST_SUITE_P(Rows, AffordableStepsTest,
                         ::testing::Values(StepsRow{1, 8, 3}, StepsRow{1, 1274, 49}, StepsRow{1, 2534, 70},
                                           StepsRow{1, 20, 5}, StepsRow{3, 3, 0}, StepsRow{1, 0, 0},
                                           StepsRow{5, -14, 0}, StepsRow{70, 50, 0}, StepsRow{1, 1, 0},
                                           StepsRow{1, 2, 1}, StepsRow{100, 1000, 1}, StepsRow{101, 1000, 0}));

TEST(CappedMaximum, BoundsByTheCharacterLevelOrItsHalf) {
    using catalog::LineCap;
    EXPECT_EQ(CappedMaximum(LineCap::None, 20, 28), 28);
    EXPECT_EQ(CappedMaximum(LineCap::CharacterLevel, 20, 28), 20);
    EXPECT_EQ(CappedMaximum(LineCap::CharacterLevel, 20, 12), 12);
    EXPECT_EQ(CappedMaximum(LineCap::HalfCharacterLevel, 25, 40), 12);
    EXPECT_EQ(CappedMaximum(LineCap::HalfCharacterLevel, 7, 40), 3);
    EXPECT_EQ(CappedMaximum(LineCap::HalfCharacterLevel, 50, 2), 2);
}

TEST(PlainDecimal, ShowsWholeNumbersWithoutADecimalPoint) {
    EXPECT_EQ(PlainDecimal(1274.0), "1274");
    EXPECT_EQ(PlainDecimal(-3.0), "-3");
    EXPECT_EQ(PlainDecimal(0.0), "0");
    EXPECT_EQ(PlainDecimal(-0.0), "0");
    EXPECT_EQ(PlainDecimal(std::int16_t{12}), "12");
    EXPECT_EQ(PlainDecimal(std::int16_t{-1}), "-1");
}

}  // namespace
}  // namespace vantrell::planner
