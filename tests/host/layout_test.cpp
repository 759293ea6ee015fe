#include "skin/layout.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

const FaceRect &area(const char *name)
{
    for (const FaceRect &r : faceAreas)
        if (strcmp(r.name, name) == 0)
            return r;
    ADD_FAILURE() << "no area " << name;
    return faceAreas[0];
}

// Which of the seventeen disjoint areas (all but the swatch's lower half)
// holds a point, or null for bare face.
const char *areaAt(int x, int y)
{
    const char *found = nullptr;
    for (int i = 0; i < areaCount; i++) {
        if (i == pickPreviewId || !rectHolds(faceAreas[i], x, y))
            continue;
        EXPECT_EQ(nullptr, found) << "areas overlap at " << x << "," << y;
        found = faceAreas[i].name;
    }
    return found;
}

TEST(LayoutTest, EveryAreaHasItsRectangle)
{
    struct { const char *name; int l, t, r, b; } want[] = {
        {"snapBtn", 6, 5, 19, 15},       {"topBtn", 22, 5, 35, 15},
        {"minBtn", 48, 5, 61, 15},       {"closeBtn", 64, 5, 77, 15},
        {"redDownBtn", 18, 69, 28, 80},  {"redUpBtn", 55, 69, 64, 80},
        {"greenDownBtn", 18, 81, 28, 92}, {"greenUpBtn", 55, 81, 64, 92},
        {"blueDownBtn", 18, 93, 28, 104}, {"blueUpBtn", 55, 93, 64, 104},
        {"darkenBtn", 7, 111, 17, 122},  {"lightenBtn", 67, 111, 76, 122},
        {"redValueRgn", 28, 69, 55, 80}, {"greenValueRgn", 28, 81, 55, 92},
        {"blueValueRgn", 28, 93, 55, 104}, {"hexValueRgn", 17, 111, 67, 122},
        {"swatchRgn", 18, 20, 65, 60},   {"pickPreviewRgn", 18, 40, 65, 60},
    };
    ASSERT_EQ((int)(sizeof want / sizeof want[0]), (int)areaCount);
    for (const auto &w : want) {
        const FaceRect &r = area(w.name);
        EXPECT_EQ(w.l, r.left) << w.name;
        EXPECT_EQ(w.t, r.top) << w.name;
        EXPECT_EQ(w.r, r.right) << w.name;
        EXPECT_EQ(w.b, r.bottom) << w.name;
    }
    // The button arrays take the table's order.
    EXPECT_STREQ("snapBtn", faceAreas[snapId].name);
    EXPECT_STREQ("closeBtn", faceAreas[closeId].name);
    EXPECT_STREQ("redUpBtn", faceAreas[firstArrowId].name);
    EXPECT_STREQ("darkenBtn", faceAreas[firstArrowId + arrowButtonCount - 1].name);
}

TEST(LayoutTest, AreasAreDisjointAndInsideTheOutline)
{
    int covered = 0;
    for (int y = -2; y < faceHeight + 2; y++)
        for (int x = -2; x < faceWidth + 2; x++) {
            const char *a = areaAt(x, y);
            if (a) {
                covered++;
                EXPECT_TRUE(outlineHolds(x, y)) << a << " at " << x << "," << y;
            }
        }
    int sum = 0;
    for (int i = 0; i < areaCount; i++)
        if (i != pickPreviewId)
            sum += (faceAreas[i].right - faceAreas[i].left) * (faceAreas[i].bottom - faceAreas[i].top);
    EXPECT_EQ(sum, covered);

    const FaceRect &s = faceAreas[swatchId], &p = faceAreas[pickPreviewId];
    EXPECT_TRUE(p.left >= s.left && p.right <= s.right && p.top >= s.top && p.bottom <= s.bottom);
    EXPECT_EQ(s.bottom, p.bottom);
    EXPECT_EQ((s.top + s.bottom) / 2, p.top);
}

TEST(LayoutTest, EdgePointsFallWhereExpected)
{
    struct { int x, y; const char *name; } points[] = {
        {18, 14, "snapBtn"},  {19, 5, nullptr},  {18, 15, nullptr},
        {27, 79, "redDownBtn"}, {28, 69, "redValueRgn"}, {54, 79, "redValueRgn"},
        {55, 69, "redUpBtn"}, {63, 79, "redUpBtn"}, {64, 69, nullptr},
        {27, 80, nullptr},    {40, 92, nullptr},  {40, 80, nullptr},
        {16, 111, "darkenBtn"}, {17, 111, "hexValueRgn"}, {66, 121, "hexValueRgn"},
        {67, 121, "lightenBtn"}, {75, 111, "lightenBtn"}, {76, 111, nullptr},
        {40, 39, "swatchRgn"}, {64, 59, "swatchRgn"}, {65, 59, nullptr}, {18, 60, nullptr},
        {6, 5, "snapBtn"}, {76, 14, "closeBtn"}, {77, 14, nullptr},
        {65535, 70, nullptr},  // a point left of the window, as the capture reports it
    };
    for (const auto &p : points) {
        const char *a = areaAt(p.x, p.y);
        if (p.name)
            EXPECT_STREQ(p.name, a ? a : "(none)") << p.x << "," << p.y;
        else
            EXPECT_EQ(nullptr, a) << p.x << "," << p.y;
    }
    EXPECT_TRUE(rectHolds(faceAreas[pickPreviewId], 40, 40));
    EXPECT_FALSE(rectHolds(faceAreas[pickPreviewId], 40, 39));
}

TEST(LayoutTest, OutlineCutsOnlyTheNotchColumns)
{
    int outside = 0;
    for (int y = 0; y < faceHeight; y++)
        for (int x = 0; x < faceWidth; x++)
            if (!outlineHolds(x, y)) {
                outside++;
                EXPECT_TRUE(y >= 20 && y <= 68 && (x == 0 || x == 82)) << x << "," << y;
            }
    EXPECT_EQ(98, outside);
    EXPECT_TRUE(outlineHolds(0, 19));
    EXPECT_TRUE(outlineHolds(82, 69));
    EXPECT_FALSE(outlineHolds(83, 0));
    EXPECT_FALSE(outlineHolds(0, 132));
    EXPECT_EQ(outlinePoints[0].x, outlinePoints[outlinePointCount - 1].x);
    EXPECT_EQ(outlinePoints[0].y, outlinePoints[outlinePointCount - 1].y);
}

// Halves round up; a display reporting nothing sensible still gets the face.
TEST(LayoutTest, ScaleIsTheWholeMultipleNearestTheDisplays)
{
    const struct { unsigned dpi; int k; } scales[] = {
        {0, 1}, {96, 1}, {120, 1}, {143, 1}, {144, 2}, {192, 2},
        {239, 2}, {240, 3}, {335, 3}, {336, 4}, {4000000000u, 41666667},
    };
    for (const auto &s : scales)
        EXPECT_EQ(s.k, scaleForDpi(s.dpi)) << s.dpi;
}

}  // namespace
