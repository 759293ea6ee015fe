#include "input/snap.h"

#include <gtest/gtest.h>

namespace {

const ScreenRect wide = {0, 0, 1920, 1050};

ScreenRect windowAt(int32_t x, int32_t y) { return {x, y, x + 83, y + 132}; }

ScreenPoint snap(int32_t x, int32_t y, int32_t tol, const ScreenRect &work = wide)
{
    return snapWindowPosition(windowAt(x, y), work, tol);
}

TEST(SnapTest, ToleranceIncludesEqualityFromBothSides)
{
    EXPECT_EQ(0, snap(8, 500, 8).x);
    EXPECT_EQ(0, snap(-8, 500, 8).x);
    EXPECT_EQ(9, snap(9, 500, 8).x);
    EXPECT_EQ(-9, snap(-9, 500, 8).x);
    EXPECT_EQ(0, snap(500, 8, 8).y);
    EXPECT_EQ(-9, snap(500, -9, 8).y);
    // Right and bottom edges: the window is put flush inside.
    EXPECT_EQ(1920 - 83, snap(1920 - 83 + 8, 500, 8).x);
    EXPECT_EQ(1920 - 83, snap(1920 - 83 - 8, 500, 8).x);
    EXPECT_EQ(1920 - 83 + 9, snap(1920 - 83 + 9, 500, 8).x);
    EXPECT_EQ(1050 - 132, snap(500, 1050 - 132 - 3, 8).y);
}

TEST(SnapTest, ZeroToleranceFollowsExactlyAndNegativeNeverSnaps)
{
    for (int32_t x : {-1, 0, 1, 1837, 1838}) {
        ScreenPoint p = snap(x, x, 0);
        EXPECT_EQ(x, p.x);
        EXPECT_EQ(x, p.y);
    }
    ScreenPoint p = snap(0, 0, -5);
    EXPECT_EQ(0, p.x);  // a distance of 0 is not within -5; the window stays put anyway
    p = snap(2, 3, -5);
    EXPECT_EQ(2, p.x);
    EXPECT_EQ(3, p.y);
}

TEST(SnapTest, AxesSnapIndependentlyIntoCorners)
{
    ScreenPoint p = snap(1920 - 83 - 4, 1050 - 132 + 6, 8);
    EXPECT_EQ(1920 - 83, p.x);
    EXPECT_EQ(1050 - 132, p.y);
    p = snap(3, 700, 8);
    EXPECT_EQ(0, p.x);
    EXPECT_EQ(700, p.y);
}

TEST(SnapTest, LeftAndTopWinWhenBothEdgesAreInReach)
{
    const ScreenRect narrow = {100, 200, 100 + 83 + 10, 200 + 132 + 10};
    ScreenPoint p = snap(105, 205, 8, narrow);
    EXPECT_EQ(100, p.x);
    EXPECT_EQ(200, p.y);
    // Only the right edge in reach.
    p = snap(109, 209, 8, narrow);
    EXPECT_EQ(110, p.x);
    EXPECT_EQ(210, p.y);
}

TEST(SnapTest, WorkAreaWithOffsetOriginAndLargeTolerance)
{
    const ScreenRect docked = {64, 30, 1920, 1080};
    ScreenPoint p = snap(64 + 20, 30 - 20, 20, docked);
    EXPECT_EQ(64, p.x);
    EXPECT_EQ(30, p.y);
    p = snap(64 + 21, 30 - 21, 20, docked);
    EXPECT_EQ(85, p.x);
    EXPECT_EQ(9, p.y);
}

TEST(SnapTest, FarOffPositionsDoNotOverflow)
{
    ScreenRect far = {INT32_MIN + 10, INT32_MAX - 200, INT32_MIN + 93, INT32_MAX - 68};
    ScreenPoint p = snapWindowPosition(far, wide, 8);
    EXPECT_EQ(far.left, p.x);
    EXPECT_EQ(far.top, p.y);
    p = snapWindowPosition(far, wide, INT32_MAX);
    EXPECT_EQ(0, p.y);  // the top distance is within the largest tolerance
}

TEST(SnapTest, AStoredPlaceOffEveryWorkAreaComesBackNearest)
{
    // One shown pixel is enough; a window only touching the edge shows none.
    EXPECT_TRUE(showsAnyPixel(-82, -131, 83, 132, wide));
    EXPECT_TRUE(showsAnyPixel(1919, 1049, 83, 132, wide));
    EXPECT_FALSE(showsAnyPixel(-83, 500, 83, 132, wide));
    EXPECT_FALSE(showsAnyPixel(500, 1050, 83, 132, wide));
    EXPECT_FALSE(showsAnyPixel(INT32_MAX - 10, INT32_MIN, 83, 132, wide));

    ScreenPoint p = nearestPlaceInside(5000, -400, 83, 132, wide);
    EXPECT_EQ(1920 - 83, p.x);
    EXPECT_EQ(0, p.y);
    p = nearestPlaceInside(INT32_MIN, INT32_MAX - 10, 83, 132, wide);
    EXPECT_EQ(0, p.x);
    EXPECT_EQ(1050 - 132, p.y);
    const ScreenRect small = {-800, 100, -750, 150};  // smaller than the window
    p = nearestPlaceInside(-2000, 900, 83, 132, small);
    EXPECT_EQ(-800, p.x);
    EXPECT_EQ(100, p.y);
}

}  // namespace
