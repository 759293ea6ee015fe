// Checks the committed res/skin.bmp and res/tinctora.ico: that they are what
// the generator draws now, and that their pixels follow the face layout.
// The files are decoded here byte by byte, independently of the encoders.
#include "tools/skinart.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>

namespace {

std::vector<uint8_t> readResource(const char *name)
{
    std::string path = std::string(TINCTORA_RES_DIR) + "/" + name;
    std::vector<uint8_t> bytes;
    FILE *f = fopen(path.c_str(), "rb");
    if (!f)
        return bytes;
    int c;
    while ((c = fgetc(f)) != EOF)
        bytes.push_back((uint8_t)c);
    fclose(f);
    return bytes;
}

uint32_t le16(const std::vector<uint8_t> &b, size_t at)
{
    return b[at] | b[at + 1] << 8;
}

uint32_t le32(const std::vector<uint8_t> &b, size_t at)
{
    return le16(b, at) | le16(b, at + 2) << 16;
}

const std::vector<uint8_t> &skinFile()
{
    static const std::vector<uint8_t> bytes = readResource("skin.bmp");
    return bytes;
}

const std::vector<uint8_t> &iconFile()
{
    static const std::vector<uint8_t> bytes = readResource("tinctora.ico");
    return bytes;
}

uint32_t paletteSize()
{
    return skinFile().size() < 54 ? 0 : le32(skinFile(), 46);
}

size_t pixelOffset()
{
    return 54 + 4 * (size_t)paletteSize();
}

// The skin's indices, bottom row first, 166 a row, decoded from BI_RLE8: a
// count and an index, or 0 and 3 to 255 indices padded to a word; 0, 0 ends
// a row and 0, 1 the bitmap. Empty if the coding breaks any of that.
const std::vector<uint8_t> &skinIndices()
{
    static std::vector<uint8_t> rows = [] {
        const std::vector<uint8_t> &b = skinFile();
        std::vector<uint8_t> out, row;
        for (size_t at = pixelOffset(); at + 1 < b.size(); at += 2) {
            uint8_t n = b[at], v = b[at + 1];
            if (n)
                row.insert(row.end(), n, v);
            else if (v == 1)
                return row.empty() && at + 2 == b.size() ? out : std::vector<uint8_t>();
            else if (v == 0 && row.size() == 166) {
                out.insert(out.end(), row.begin(), row.end());
                row.clear();
            } else if (v > 2 && at + 2 + v <= b.size()) {
                row.insert(row.end(), b.begin() + at + 2, b.begin() + at + 2 + v);
                at += v + v % 2;
            } else
                break;
        }
        return std::vector<uint8_t>();
    }();
    return rows;
}

bool skinLoaded()
{
    return paletteSize() <= 256 && skinIndices().size() == 166 * 132;
}

// Face point (x, y) of the normal (lit false) or lit frame, read from the
// committed file, whose first stored row is the face's bottom row.
Rgb pixel(bool lit, int x, int y)
{
    size_t at = 54 + 4 * (size_t)skinIndices()[(131 - y) * 166 + x + (lit ? 83 : 0)];
    const std::vector<uint8_t> &b = skinFile();
    return {b[at + 2], b[at + 1], b[at]};
}

bool same(Rgb a, Rgb b)
{
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

bool isMagenta(Rgb c)
{
    return c.r == 255 && c.g == 0 && c.b == 255;
}

bool isOutline(Rgb c)
{
    return c.r <= 60 && c.g <= 60 && c.b <= 60;
}

bool isGrey(Rgb c)
{
    return c.r == c.g && c.g == c.b;
}

bool inControlOrSwatch(int x, int y)
{
    for (int id = 0; id < titleButtonCount + arrowButtonCount; id++)
        if (rectHolds(faceAreas[id], x, y))
            return true;
    return rectHolds(faceAreas[swatchId], x, y);
}

std::string where(bool lit, int x, int y)
{
    return std::string(lit ? "lit" : "normal") + " (" + std::to_string(x) + "," + std::to_string(y) + ")";
}

TEST(SkinArtFiles, CommittedFilesAreWhatTheGeneratorDraws)
{
    // On failure: cmake --build --preset host --target update_skin_art
    std::vector<uint8_t> skin = encodeBmp(drawSkin());
    std::vector<uint8_t> icon = encodeIcon();
    ASSERT_FALSE(icon.empty());
    EXPECT_EQ(skin.size(), skinFile().size());
    EXPECT_TRUE(skin == skinFile()) << "res/skin.bmp is stale";
    EXPECT_EQ(icon.size(), iconFile().size());
    EXPECT_TRUE(icon == iconFile()) << "res/tinctora.ico is stale";
    // The 8-bit file holds every pixel the generator draws, unchanged.
    ASSERT_TRUE(skinLoaded());
    RgbImage drawn = drawSkin();
    for (int y = 0; y < 132; y++)
        for (int x = 0; x < 166; x++)
            ASSERT_TRUE(same(drawn.pixels[y * 166 + x], pixel(x >= 83, x % 83, y))) << x << "," << y;
}

TEST(SkinBmp, HeadersDescribeAn8BitBottomUpImage)
{
    const std::vector<uint8_t> &b = skinFile();
    ASSERT_TRUE(skinLoaded()) << "size " << b.size();
    EXPECT_EQ('B', b[0]);
    EXPECT_EQ('M', b[1]);
    EXPECT_EQ(b.size(), le32(b, 2));  // whole file
    EXPECT_EQ(0u, le32(b, 6));
    EXPECT_EQ(pixelOffset(), le32(b, 10));  // the colour table between header and pixels
    EXPECT_EQ(40u, le32(b, 14));
    EXPECT_EQ(166u, le32(b, 18));
    EXPECT_EQ(132u, le32(b, 22));  // positive: rows stored bottom-up
    EXPECT_EQ(1u, le16(b, 26));
    EXPECT_EQ(8u, le16(b, 28));
    EXPECT_EQ(1u, le32(b, 30));  // BI_RLE8
    EXPECT_EQ(b.size() - pixelOffset(), le32(b, 34));
    EXPECT_EQ(2834u, le32(b, 38));
    EXPECT_EQ(2834u, le32(b, 42));
    EXPECT_EQ(0u, le32(b, 50));
    for (uint8_t index : skinIndices())
        ASSERT_LT(index, paletteSize());
}

// Mean grey of a 3 by 3 patch, which evens out the speckle.
int patchLevel(bool lit, int x, int y)
{
    int sum = 0;
    for (int dy = 0; dy < 3; dy++)
        for (int dx = 0; dx < 3; dx++)
            sum += pixel(lit, x + dx, y + dy).g;
    return sum / 9;
}

TEST(SkinFace, GroundShadesDiagonallyWithSpeckle)
{
    ASSERT_TRUE(skinLoaded());
    // Patches just inside the border; a file stored top-down would swap
    // the top and bottom levels.
    EXPECT_NEAR(140, patchLevel(false, 2, 2), 8);
    EXPECT_NEAR(200, patchLevel(false, 78, 2), 8);
    EXPECT_NEAR(200, patchLevel(false, 2, 127), 8);
    EXPECT_NEAR(245, patchLevel(false, 78, 127), 8);
    int rough = 0;
    for (int y = 62; y < 68; y++)
        for (int x = 20; x < 60; x++) {
            EXPECT_TRUE(isGrey(pixel(false, x, y))) << where(false, x, y);
            rough += std::abs(pixel(false, x, y).g - pixel(false, x + 1, y).g) >= 3;
        }
    EXPECT_GT(rough, 40) << "the ground has no speckle";
}

TEST(SkinFace, OnlyTheNotchPixelsAreMagenta)
{
    ASSERT_TRUE(skinLoaded());
    for (bool lit : {false, true}) {
        int count = 0;
        for (int y = 0; y < 132; y++)
            for (int x = 0; x < 83; x++) {
                bool notch = (x == 0 || x == 82) && y >= 20 && y <= 68;
                EXPECT_EQ(notch, isMagenta(pixel(lit, x, y))) << where(lit, x, y);
                count += isMagenta(pixel(lit, x, y));
            }
        EXPECT_EQ(98, count);
    }
}

TEST(SkinFace, BorderStepsInsideTheNotch)
{
    ASSERT_TRUE(skinLoaded());
    for (bool lit : {false, true}) {
        for (int x = 0; x < 83; x++) {
            EXPECT_TRUE(same(Rgb{0, 0, 0}, pixel(lit, x, 0))) << where(lit, x, 0);
            EXPECT_LE(pixel(lit, x, 131).g, 30) << where(lit, x, 131);
        }
        for (int y = 1; y < 131; y++) {
            bool notch = y >= 20 && y <= 68;
            EXPECT_TRUE(same(Rgb{0, 0, 0}, pixel(lit, notch ? 1 : 0, y))) << where(lit, 0, y);
            EXPECT_LE(pixel(lit, notch ? 81 : 82, y).g, 30) << where(lit, 82, y);
        }
    }
}

TEST(SkinFace, LitFrameDiffersOnlyInsideControlsAndSwatch)
{
    ASSERT_TRUE(skinLoaded());
    int changed[titleButtonCount + arrowButtonCount] = {};
    for (int y = 0; y < 132; y++)
        for (int x = 0; x < 83; x++) {
            bool differs = !same(pixel(false, x, y), pixel(true, x, y));
            if (!inControlOrSwatch(x, y)) {
                EXPECT_FALSE(differs) << where(true, x, y);
            }
            for (int id = 0; id < titleButtonCount + arrowButtonCount; id++)
                changed[id] += differs && rectHolds(faceAreas[id], x, y);
        }
    for (int id = 0; id < titleButtonCount + arrowButtonCount; id++)
        EXPECT_GT(changed[id], 0) << faceAreas[id].name << " looks the same lit";
}

TEST(SkinFace, SwatchFrameIsDark)
{
    ASSERT_TRUE(skinLoaded());
    for (bool lit : {false, true}) {
        for (int x = 17; x <= 65; x++) {
            EXPECT_NEAR(30, pixel(lit, x, 19).g, 6) << where(lit, x, 19);
            EXPECT_NEAR(30, pixel(lit, x, 60).g, 6) << where(lit, x, 60);
        }
        for (int y = 19; y <= 60; y++) {
            EXPECT_NEAR(30, pixel(lit, 17, y).g, 6) << where(lit, 17, y);
            EXPECT_NEAR(30, pixel(lit, 65, y).g, 6) << where(lit, 65, y);
        }
    }
}

TEST(SkinTitleButtons, BoxesShadeDownwardAndDarkerWhenLit)
{
    ASSERT_TRUE(skinLoaded());
    for (int id = 0; id < titleButtonCount; id++) {
        const FaceRect &r = faceAreas[id];
        for (bool lit : {false, true}) {
            for (int x = r.left; x < r.right; x++) {
                EXPECT_TRUE(isOutline(pixel(lit, x, r.top))) << r.name << where(lit, x, r.top);
                EXPECT_TRUE(isOutline(pixel(lit, x, r.bottom - 1))) << r.name << where(lit, x, r.bottom - 1);
            }
            // Column left + 1 carries no glyph on any button.
            EXPECT_NEAR(lit ? 10 : 164, pixel(lit, r.left + 1, r.top + 1).g, 6) << r.name;
            EXPECT_NEAR(lit ? 30 : 228, pixel(lit, r.left + 1, r.bottom - 2).g, 6) << r.name;
        }
    }
}

// The relative luminance of stylesheets' contrast rules.
double luminance(Rgb c)
{
    double s[3] = {c.r / 255.0, c.g / 255.0, c.b / 255.0}, k[3] = {0.2126, 0.7152, 0.0722}, l = 0;
    for (int i = 0; i < 3; i++)
        l += k[i] * (s[i] <= 0.04045 ? s[i] / 12.92 : std::pow((s[i] + 0.055) / 1.055, 2.4));
    return l;
}

// Black glyphs on the normal frame, yellow on the lit one; and every pixel
// inside a button's border, glyph or ground, at least 3:1 from its other
// look, so that a toggle's state is plain to see.
TEST(SkinTitleButtons, GlyphsAndTheirGroundTellLitFromNormal)
{
    ASSERT_TRUE(skinLoaded());
    struct { int x, y; } ink[] = {
        {9, 8}, {9, 11}, {15, 8}, {15, 11},              // snapBtn's bars
        {26, 9}, {30, 9}, {25, 11}, {31, 11},            // topBtn's bars
        {51, 11}, {57, 11},                              // minBtn's bar
        {68, 8}, {72, 8}, {70, 10}, {68, 12}, {72, 12},  // closeBtn's cross
    };
    struct { int x, y; } blank[] = {{12, 9}, {26, 10}, {28, 8}, {54, 10}, {70, 8}, {70, 12}};
    for (bool lit : {false, true}) {
        Rgb glyph = lit ? Rgb{244, 244, 0} : Rgb{0, 0, 0};
        for (auto p : ink)
            EXPECT_TRUE(same(glyph, pixel(lit, p.x, p.y))) << where(lit, p.x, p.y);
        for (auto p : blank)
            EXPECT_FALSE(same(glyph, pixel(lit, p.x, p.y))) << where(lit, p.x, p.y);
    }
    for (int id = 0; id < titleButtonCount; id++) {
        const FaceRect &r = faceAreas[id];
        for (int y = r.top + 1; y < r.bottom - 1; y++)
            for (int x = r.left + 1; x < r.right - 1; x++) {
                double a = luminance(pixel(false, x, y)), b = luminance(pixel(true, x, y));
                EXPECT_GE((std::max(a, b) + 0.05) / (std::min(a, b) + 0.05), 3.0) << where(true, x, y);
            }
    }
}

enum Fill { redFill, greenFill, blueFill, noFill };

bool hasFill(Fill fill, bool lit, Rgb c)
{
    if (lit)
        return c.r >= 200 && c.g == c.r && c.b == 0;
    switch (fill) {
    case redFill:
        return c.r == 255 && c.g >= 128 && c.g <= 157 && c.b >= 128 && c.b <= 157;
    case greenFill:
        return c.g >= 214 && c.g <= 225 && c.r >= 153 && c.r <= 178 && c.b >= 153 && c.b <= 178;
    case blueFill:
        return c.b == 255 && c.r >= 138 && c.r <= 157 && c.g >= 138 && c.g <= 157;
    case noFill:
        return isGrey(c) && c.g > 100;  // the ground shows through
    }
    return false;
}

TEST(SkinArrows, TrianglesSitOnTheirColumnsAndMoveOutWhenLit)
{
    ASSERT_TRUE(skinLoaded());
    struct {
        AreaId id;
        int middle, flat, tip;  // normal frame; lit is one further out
        Fill fill;
    } arrows[] = {
        {redDownId, 74, 27, 22, redFill},     {redUpId, 74, 55, 60, redFill},
        {greenDownId, 86, 27, 22, greenFill}, {greenUpId, 86, 55, 60, greenFill},
        {blueDownId, 98, 27, 22, blueFill},   {blueUpId, 98, 55, 60, blueFill},
        {darkenId, 116, 16, 11, noFill},      {lightenId, 116, 67, 72, noFill},
    };
    for (const auto &a : arrows) {
        int dir = a.tip < a.flat ? -1 : 1;
        for (bool lit : {false, true}) {
            int flat = a.flat + (lit ? dir : 0), tip = a.tip + (lit ? dir : 0);
            std::string name = std::string(faceAreas[a.id].name) + (lit ? " lit" : " normal");
            EXPECT_TRUE(isOutline(pixel(lit, flat, a.middle))) << name << " flat side";
            EXPECT_TRUE(isOutline(pixel(lit, tip, a.middle))) << name << " tip";
            EXPECT_FALSE(isOutline(pixel(lit, tip + dir, a.middle))) << name << " past the tip";
            EXPECT_FALSE(isOutline(pixel(lit, flat - dir, a.middle))) << name << " behind the flat side";
            for (int x = flat + dir; x != tip; x += dir)
                EXPECT_TRUE(hasFill(a.fill, lit, pixel(lit, x, a.middle))) << name << " inside at x " << x;
            // The flat side spans all 11 rows; the rows at its ends are a single pixel.
            for (int y = a.middle - 5; y <= a.middle + 5; y++)
                EXPECT_TRUE(isOutline(pixel(lit, flat, y))) << name << " flat side row " << y;
            for (int y : {a.middle - 5, a.middle + 5})
                EXPECT_FALSE(isOutline(pixel(lit, flat + dir, y))) << name << " end row " << y;
        }
    }
}

// Header fields of icon image n's directory entry and of its DIB.
struct IconImage {
    int width, height, bits, planes;
    uint32_t size, offset;
};

IconImage iconEntry(int n)
{
    const std::vector<uint8_t> &b = iconFile();
    size_t e = 6 + 16 * n;
    return {b[e], b[e + 1], (int)le16(b, e + 6), (int)le16(b, e + 4), le32(b, e + 8), le32(b, e + 12)};
}

// Pixel (x, y), counted from the top, of an icon image; rows are stored
// bottom-up, 8-bit ones through the colour table the header sizes.
Rgb iconPixel(int n, int x, int y)
{
    const std::vector<uint8_t> &b = iconFile();
    IconImage e = iconEntry(n);
    size_t bits = e.offset + 40 + 4 * le32(b, e.offset + 32);
    int stride = (e.width * e.bits + 31) / 32 * 4;
    size_t at = bits + (size_t)(e.height - 1 - y) * stride;
    if (e.bits == 24) {
        at += 3 * x;
        return {b[at + 2], b[at + 1], b[at]};
    }
    size_t entry = e.offset + 40 + 4 * b[at + x];
    return {b[entry + 2], b[entry + 1], b[entry]};
}

TEST(SkinIcon, DirectoryListsThreeImagesInOrder)
{
    const std::vector<uint8_t> &b = iconFile();
    ASSERT_GE(b.size(), 6u + 3 * 16);
    EXPECT_EQ(0u, le16(b, 0));
    EXPECT_EQ(1u, le16(b, 2));  // icon, not cursor
    ASSERT_EQ(3u, le16(b, 4));
    const struct { int size, bits; } want[3] = {{16, 8}, {32, 8}, {32, 24}};
    uint32_t next = 6 + 3 * 16;
    for (int n = 0; n < 3; n++) {
        IconImage e = iconEntry(n);
        EXPECT_EQ(want[n].size, e.width) << n;
        EXPECT_EQ(want[n].size, e.height) << n;
        EXPECT_EQ(want[n].bits, e.bits) << n;
        EXPECT_EQ(1, e.planes) << n;
        EXPECT_EQ(next, e.offset) << n;  // images follow each other without gaps
        int stride = (e.width * e.bits + 31) / 32 * 4, maskStride = (e.width + 31) / 32 * 4;
        uint32_t colours = le32(b, e.offset + 32), maskAt = e.offset + 40 + 4 * colours + stride * e.height;
        EXPECT_EQ(e.bits == 8, colours > 0 && colours <= 256) << n;
        EXPECT_EQ(maskAt + maskStride * e.height - e.offset, e.size) << n;
        ASSERT_LE((size_t)e.offset + e.size, b.size()) << n;
        // The DIB's height covers the colour bitmap and the mask.
        EXPECT_EQ(40u, le32(b, e.offset));
        EXPECT_EQ((uint32_t)e.width, le32(b, e.offset + 4));
        EXPECT_EQ((uint32_t)(2 * e.height), le32(b, e.offset + 8));
        EXPECT_EQ((uint32_t)e.bits, le16(b, e.offset + 14));
        EXPECT_EQ(0u, le32(b, e.offset + 16));
        for (uint32_t i = maskAt; i < e.offset + e.size; i++)
            ASSERT_EQ(0, b[i]) << "image " << n << " is not opaque at byte " << i;
        next = e.offset + e.size;
    }
    EXPECT_EQ(next, b.size());
}

TEST(SkinIcon, QuadrantsAreRedGreenBlueYellowBetweenDarkLines)
{
    ASSERT_GE(iconFile().size(), 6u + 3 * 16);
    ASSERT_EQ(3u, le16(iconFile(), 4));
    for (int n = 0; n < 3; n++) {
        int size = iconEntry(n).width, near = size / 4, far = 3 * size / 4;
        Rgb red = iconPixel(n, near, near), green = iconPixel(n, far, near);
        Rgb blue = iconPixel(n, near, far), yellow = iconPixel(n, far, far);
        EXPECT_TRUE(red.r > red.g + 60 && red.r > red.b + 60) << "image " << n;
        EXPECT_TRUE(green.g > green.r + 60 && green.g > green.b + 60) << "image " << n;
        EXPECT_TRUE(blue.b > blue.r + 60 && blue.b > blue.g + 60) << "image " << n;
        EXPECT_TRUE(yellow.r > yellow.b + 60 && yellow.g > yellow.b + 60) << "image " << n;
        // The dividing lines run through the middle, darker than either side.
        for (int line : {size / 2 - 1, size / 2}) {
            Rgb across = iconPixel(n, line, near), down = iconPixel(n, near, line);
            EXPECT_LT(across.r + across.g + across.b, red.r + red.g + red.b) << "image " << n;
            EXPECT_LT(across.r + across.g + across.b, green.r + green.g + green.b) << "image " << n;
            EXPECT_LT(down.r + down.g + down.b, blue.r + blue.g + blue.b) << "image " << n;
        }
    }
}

}  // namespace
