#include "core/color.h"
#include "core/sample.h"
#include "core/history.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <vector>

namespace {

int repaints;
void countRepaint() { repaints++; }

uint32_t rgb(uint32_t r, uint32_t g, uint32_t b) { return r | g << 8 | b << 16; }

struct ColorTest : ::testing::Test {
    void SetUp() override
    {
        curColor = 0;
        oldColor = 0;
        undoArmed = 1;
        repaints = 0;
        colorChanged = countRepaint;
    }
    void TearDown() override { colorChanged = nullptr; }
};

TEST_F(ColorTest, ChannelStepsSaturateAtBothEndsOfEachChannel)
{
    const uint32_t masks[3] = {redMask, greenMask, blueMask};
    for (int c = 0; c < 3; c++) {
        int shift = 8 * c;
        curColor = 250u << shift;
        stepChannelUp(masks[c], 10);
        EXPECT_EQ(255u << shift, curColor) << "channel " << c;
        curColor = 245u << shift;  // lands exactly on 255 through the add
        stepChannelUp(masks[c], 10);
        EXPECT_EQ(255u << shift, curColor);
        curColor = 5u << shift;
        stepChannelDown(masks[c], 10);
        EXPECT_EQ(0u, curColor);
        curColor = 10u << shift;
        stepChannelDown(masks[c], 10);
        EXPECT_EQ(0u, curColor);
    }
}

TEST_F(ColorTest, StepTouchesOnlyItsChannelAndKeepsTopByte)
{
    curColor = 0xAB000000 | rgb(255, 0, 128);
    stepChannelUp(greenMask, 300);
    EXPECT_EQ(0xAB000000 | rgb(255, 255, 128), curColor);
    stepChannelDown(redMask, 0xFFFFFFFFu);  // a huge step must not wrap
    EXPECT_EQ(0xAB000000 | rgb(0, 255, 128), curColor);
    stepChannelUp(blueMask, 0xFFFFFFFFu);
    EXPECT_EQ(0xAB000000 | rgb(0, 255, 255), curColor);
}

TEST_F(ColorTest, EveryOperationRepaintsOnceEvenWithoutChange)
{
    curColor = rgb(255, 255, 255);
    stepChannelUp(redMask, 20);
    lightenColor(20);
    stepChannelUp(blueMask, 0);
    curColor = 0;
    stepChannelDown(greenMask, 5);
    darkenColor(20);
    swapColors();
    EXPECT_EQ(6, repaints);
}

TEST_F(ColorTest, LightenIsLimitedByTheLargestChannel)
{
    curColor = rgb(255, 0, 0);
    lightenColor(20);
    EXPECT_EQ(rgb(255, 0, 0), curColor);
    curColor = rgb(140, 100, 0);
    lightenColor(20);
    EXPECT_EQ(rgb(160, 120, 20), curColor);
    curColor = rgb(230, 10, 10);
    lightenColor(50);
    EXPECT_EQ(rgb(255, 35, 35), curColor);
    curColor = rgb(10, 250, 20);  // green limits
    lightenColor(10);
    EXPECT_EQ(rgb(15, 255, 25), curColor);
    curColor = rgb(10, 20, 240);  // blue limits
    lightenColor(100);
    EXPECT_EQ(rgb(25, 35, 255), curColor);
    curColor = rgb(200, 200, 100);  // equal largest values
    lightenColor(70);
    EXPECT_EQ(rgb(255, 255, 155), curColor);
}

TEST_F(ColorTest, DarkenIsLimitedByTheSmallestChannel)
{
    curColor = rgb(200, 20, 100);
    darkenColor(30);
    EXPECT_EQ(rgb(180, 0, 80), curColor);
    curColor = rgb(0, 80, 90);
    darkenColor(10);
    EXPECT_EQ(rgb(0, 80, 90), curColor);
    curColor = rgb(50, 60, 5);  // blue limits
    darkenColor(10);
    EXPECT_EQ(rgb(45, 55, 0), curColor);
    curColor = rgb(30, 90, 90);  // red limits
    darkenColor(40);
    EXPECT_EQ(rgb(0, 60, 60), curColor);
    curColor = rgb(100, 100, 100);
    darkenColor(20);
    EXPECT_EQ(rgb(80, 80, 80), curColor);
}

TEST_F(ColorTest, ChannelStepsSaveOnlyWhileArmed)
{
    curColor = rgb(1, 2, 3);
    oldColor = rgb(9, 9, 9);
    stepChannelUp(redMask, 10);
    EXPECT_EQ(rgb(1, 2, 3), oldColor);
    EXPECT_EQ(1, undoArmed);  // a step never disarms
    stepChannelDown(blueMask, 1);
    EXPECT_EQ(rgb(11, 2, 3), oldColor);

    undoArmed = 0;  // as during an arrow drag
    stepChannelUp(greenMask, 10);
    EXPECT_EQ(rgb(11, 2, 3), oldColor);
    EXPECT_EQ(rgb(11, 12, 2), curColor);
}

TEST_F(ColorTest, StepAtLimitStillOverwritesTheUndoPoint)
{
    curColor = rgb(255, 0, 0);
    oldColor = rgb(1, 1, 1);
    stepChannelUp(redMask, 20);
    EXPECT_EQ(rgb(255, 0, 0), curColor);
    EXPECT_EQ(rgb(255, 0, 0), oldColor);
}

TEST_F(ColorTest, LightenAndDarkenNeverSaveSoSwapSkipsThem)
{
    curColor = rgb(100, 100, 100);
    stepChannelUp(redMask, 10);  // saves (100,100,100)
    lightenColor(10);
    darkenColor(5);
    EXPECT_EQ(rgb(100, 100, 100), oldColor);
    EXPECT_EQ(rgb(115, 105, 105), curColor);
    swapColors();
    EXPECT_EQ(rgb(100, 100, 100), curColor);
    EXPECT_EQ(rgb(115, 105, 105), oldColor);
}

TEST_F(ColorTest, SwapTwiceRestoresThePairAndIgnoresUndoArmed)
{
    curColor = 0xFF123456;  // top byte travels with the value
    oldColor = rgb(7, 8, 9);
    undoArmed = 0;
    swapColors();
    EXPECT_EQ(rgb(7, 8, 9), curColor);
    EXPECT_EQ(0xFF123456u, oldColor);
    EXPECT_EQ(0, undoArmed);
    swapColors();
    EXPECT_EQ(0xFF123456u, curColor);
    EXPECT_EQ(rgb(7, 8, 9), oldColor);
    curColor = oldColor = rgb(4, 4, 4);
    swapColors();
    EXPECT_EQ(rgb(4, 4, 4), curColor);
    EXPECT_EQ(rgb(4, 4, 4), oldColor);
}

TEST_F(ColorTest, KeyThenSwapUndoesThatStepOnly)
{
    curColor = rgb(10, 10, 10);
    stepChannelUp(redMask, 10);
    stepChannelUp(redMask, 10);  // auto-repeat: each step saves
    swapColors();
    EXPECT_EQ(rgb(20, 10, 10), curColor);
    EXPECT_EQ(rgb(30, 10, 10), oldColor);
}

// A sample's square in an 11 by 11 read, white around it: its mean channel
// by channel, halves up, only the square's pixels on the screen counted.
TEST(Sample, SquareMeanRoundsHalvesUpAndCountsOnlyPixelsOnTheScreen)
{
    std::vector<uint32_t> square(121, rgb(255, 255, 255));
    std::vector<uint8_t> shown(121, 1);
    uint32_t *block = square.data();
    uint8_t *onScreen = shown.data();
    auto at = [](int dx, int dy) { return (5 + dy) * 11 + 5 + dx; };
    for (int dy = -2; dy <= 2; dy++)
        for (int dx = -2; dx <= 2; dx++)
            block[at(dx, dy)] = abs(dx) == 2 || abs(dy) == 2 ? rgb(25, 0, 255) : rgb(0, 0, 255);
    for (int i : {at(0, 0), at(1, 1), at(-1, -1), at(-1, 0), at(0, -1)})
        block[i] |= rgb(1, 0, 0);
    for (int i : {at(1, 0), at(-1, 1), at(1, -1), at(-1, -1)})
        block[i] |= rgb(0, 1, 0);
    EXPECT_EQ(rgb(1, 0, 255), averageSquare(block, onScreen, 11, 3)) << "5 and 4 ninths";
    EXPECT_EQ(rgb(16, 0, 255), averageSquare(block, onScreen, 11, 5)) << "405 and 4 of 25";
    // At a corner of the screen: 2 and 1 of the 4 pixels left.
    for (int d = -2; d <= 2; d++)
        onScreen[at(-1, d)] = onScreen[at(d, -1)] = onScreen[at(-2, d)] = onScreen[at(d, -2)] = 0;
    EXPECT_EQ(rgb(1, 0, 255), averageSquare(block, onScreen, 11, 3));
    EXPECT_EQ(rgb(14, 0, 255), averageSquare(block, onScreen, 11, 5)) << "127 and 1 of 9";
    shown.assign(121, 0);
    EXPECT_EQ(noSample, averageSquare(block, onScreen, 11, 5));
    // A stored zoom other than the five is the default; no zoom reads more than the arrays hold.
    EXPECT_EQ((std::vector<int>{8, 2, 8, 32, 8}), (std::vector<int>{magnifierZoomFromSetting(1),
              magnifierZoomFromSetting(2), magnifierZoomFromSetting(6), magnifierZoomFromSetting(32),
              magnifierZoomFromSetting(64)}));
    EXPECT_EQ((std::vector<int>{43, 43, 7, 3}), (std::vector<int>{magnifierCells(1, 1),
              magnifierCells(0, 5), magnifierCells(32, 5), magnifierCells(32, 1)}));
}

// The square's sizes, stored or stepped, and the zoom that shows a square
// whole with a pixel around it within 96 pixels.
TEST(Sample, SizesStepsAndTheZoomThatShowsTheSquare)
{
    for (uint32_t stored : {1u, 7u, 11u, 21u, 31u})
        EXPECT_EQ((int)stored, sampleSizeFromSetting(stored));
    for (uint32_t stored : {0u, 2u, 13u, 33u, 0x10000007u, 0xFFFFFFFFu})
        EXPECT_EQ(1, sampleSizeFromSetting(stored)) << stored;
    EXPECT_EQ(1, steppedSampleSize(3, -2));
    EXPECT_EQ(15, steppedSampleSize(9, 2));
    EXPECT_EQ(31, steppedSampleSize(21, 3));
    const int zooms[][3] = {{32, 1, 32}, {32, 3, 16}, {16, 5, 8}, {2, 9, 2}, {8, 11, 4},
                            {16, 21, 4}, {32, 31, 2}, {4, 15, 4}};
    for (const auto &z : zooms)
        EXPECT_EQ(z[2], shownZoom(z[0], z[1])) << z[0] << " " << z[1];
}

// Takings go to the top once and the oldest falls off; pins keep their
// order up to their limit. Only 24 bits count.
TEST(History, TakingsPinsAndClear)
{
    recentColors.count = pinnedColors.count = 0;
    for (uint32_t c = 1; c <= 25; c++)
        rememberColor(c | 0xAB000000);
    rememberColor(10);
    rememberColor(10);
    const uint32_t *recent = recentColors.colors;
    EXPECT_EQ((std::vector<uint32_t>{10, 25, 24}), std::vector<uint32_t>(recent, recent + 3));
    EXPECT_EQ(6u, recent[recentColors.count - 1]);
    for (uint32_t c = 0; c < 18; c++)
        togglePin(0x100 + c);
    togglePin(0xFF000105);
    EXPECT_EQ(15, pinnedColors.count);
    EXPECT_TRUE(isPinned(0x10F) && !isPinned(0x110) && !isPinned(0x105));
    EXPECT_EQ(0x106u, pinnedColors.colors[5]);
}

}  // namespace
