#include "planner/points.h"

#include <gtest/gtest.h>

TEST(Smoke, Builds) { EXPECT_EQ(vantrell::planner::LineCost(3), 5); }
