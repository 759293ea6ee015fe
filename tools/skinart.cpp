// Draws the skin's two frames and the icon images with integer arithmetic
// only, so the output is the same bytes on every host and the committed
// files can be checked against a fresh drawing.
#include "tools/skinart.h"

#include <cstdlib>
#include <cstring>

namespace {

// One frame of the skin: face point (x, y) lands at (originX + x, y).
struct Frame {
    RgbImage *image;
    int originX;
    bool lit;
};

const Rgb black = {0, 0, 0};
const Rgb magenta = {255, 0, 255};
const Rgb outlineDark = {40, 40, 40};
const Rgb yellowTop = {255, 255, 0};
const Rgb yellowBottom = {200, 200, 0};

// The artwork's own numbers; everything positional comes from the layout.
const int arrowHalf = 5;         // arrows are 11 rows high, tip 5 columns out
const int gripTop = 21, gripBottom = 66;
const int gripMaxWidth = 7, gripMinWidth = 3;
const uint32_t groundSeed = 0x7A3C1F5Du;

Rgb grey(int level)
{
    uint8_t v = (uint8_t)(level < 0 ? 0 : level > 255 ? 255 : level);
    return {v, v, v};
}

// a + (b - a) * num / den on each channel.
Rgb mix(Rgb a, Rgb b, int num, int den)
{
    return {(uint8_t)(a.r + (b.r - a.r) * num / den), (uint8_t)(a.g + (b.g - a.g) * num / den),
            (uint8_t)(a.b + (b.b - a.b) * num / den)};
}

void put(Frame &f, int x, int y, Rgb c)
{
    if (x < 0 || x >= faceWidth || y < 0 || y >= faceHeight)
        return;
    f.image->pixels[y * f.image->width + f.originX + x] = c;
}

Rgb get(const Frame &f, int x, int y)
{
    return f.image->pixels[y * f.image->width + f.originX + x];
}

// xorshift32. The library's rand() differs between C libraries; this does not.
uint32_t nextRandom(uint32_t &state)
{
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}

// Bilinear diagonal shading (140 top-left, 200 at the two other corners
// of that diagonal, 245 bottom-right) with a light speckle. Each frame
// restarts the generator, so the frames get the same grain.
void drawGround(Frame &f)
{
    uint32_t state = groundSeed;
    const int w = faceWidth - 1, h = faceHeight - 1;
    for (int y = 0; y < faceHeight; y++)
        for (int x = 0; x < faceWidth; x++) {
            int level = (140 * w * h + 60 * x * h + 60 * y * w - 15 * x * y) / (w * h);
            int speckle = (int)(nextRandom(state) % 9) - 4;
            put(f, x, y, grey(level + speckle));
        }
}

// A well shading 165 to 175 downward; its outer ring is blended half-way
// into the ground (corners a quarter) so the edge looks soft.
void drawWell(Frame &f, const FaceRect &r)
{
    const int weight[3] = {4, 2, 1};
    for (int y = r.top; y < r.bottom; y++)
        for (int x = r.left; x < r.right; x++) {
            Rgb well = grey(165 + 10 * (y - r.top) / (r.bottom - r.top - 1));
            int edges = (x == r.left || x == r.right - 1) + (y == r.top || y == r.bottom - 1);
            put(f, x, y, mix(get(f, x, y), well, weight[edges], 4));
        }
}

// The product name in 5-pixel capitals, drawn on the swatch's artwork.
const char *const logoRows[5] = {
    "XXX.XXX.X..X..XXX.XXX..XX..XXX...XX.",
    ".X...X..XX.X.X.....X..X..X.X..X.X..X",
    ".X...X..X.XX.X.....X..X..X.XXX..XXXX",
    ".X...X..X..X.X.....X..X..X.X.X..X..X",
    ".X..XXX.X..X..XXX..X...XX..X..X.X..X",
};

// The swatch's own artwork is always covered by the colour fill, but the
// image still carries one: the logo on light-blue stripes, or plain dark
// stripes in the lit frame.
void drawSwatch(Frame &f)
{
    const FaceRect &s = faceAreas[swatchId];
    for (int y = s.top; y < s.bottom; y++)
        for (int x = s.left; x < s.right; x++) {
            bool band = (y - s.top) / 2 % 2;
            put(f, x, y, f.lit ? grey(band ? 58 : 72) : band ? Rgb{186, 212, 240} : Rgb{206, 228, 250});
        }
    for (int x = s.left - 1; x <= s.right; x++) {
        put(f, x, s.top - 1, grey(30));
        put(f, x, s.bottom, grey(30));
    }
    for (int y = s.top - 1; y <= s.bottom; y++) {
        put(f, s.left - 1, y, grey(30));
        put(f, s.right, y, grey(30));
    }
    if (f.lit)
        return;
    const Rgb ink = {28, 40, 72};
    int width = (int)strlen(logoRows[0]);
    int left = s.left + (s.right - s.left - width) / 2;
    int top = s.top + (s.bottom - s.top - 8) / 2;  // lettering, gap, underline
    for (int row = 0; row < 5; row++)
        for (int col = 0; col < width; col++)
            if (logoRows[row][col] == 'X')
                put(f, left + col, top + row, ink);
    for (int x = left - 1; x <= left + width; x++)
        put(f, x, top + 7, ink);
}

// Width of the left grip on row y, border column included: widest in the
// middle, narrowing along a parabola to both ends.
int gripWidth(int y)
{
    int d = 2 * y - (gripTop + gripBottom);
    int span = gripBottom - gripTop;
    return gripMaxWidth - (gripMaxWidth - gripMinWidth) * d * d / (span * span);
}

bool inLeftGrip(int x, int y)
{
    return y >= gripTop && y <= gripBottom && x >= 1 && x < 1 + gripWidth(y);
}

// The left grip and its mirror image on the right, outlined, ribbed every
// third row and rounded by a lighter middle.
void drawGrips(Frame &f)
{
    for (int y = gripTop; y <= gripBottom; y++)
        for (int x = 1; x <= gripMaxWidth; x++) {
            if (!inLeftGrip(x, y))
                continue;
            bool edge = !inLeftGrip(x - 1, y) || !inLeftGrip(x + 1, y) || !inLeftGrip(x, y - 1) ||
                        !inLeftGrip(x, y + 1);
            int centre = 1 + gripWidth(y) / 2;
            Rgb c = edge ? outlineDark
                         : (y - gripTop) % 3 == 0 ? grey(118)
                                                  : grey(206 - 14 * std::abs(x - centre));
            put(f, x, y, c);
            put(f, faceWidth - 1 - x, y, c);
        }
}

// Title glyphs on a 7 by 5 grid whose top-left is 3 pixels inside the box.
const char *const titleGlyphs[titleButtonCount][5] = {
    {"X.....X", "X.....X", "X.....X", "X.....X", "......."},  // snap: two bars
    {".......", ".XXXXX.", ".......", "XXXXXXX", "......."},  // top: stacked bars
    {".......", ".......", ".......", "XXXXXXX", "......."},  // minimise
    {".X...X.", "..X.X..", "...X...", "..X.X..", ".X...X."},  // close: a cross
};

// A box filling the button's rectangle, light with a black glyph. Lit (a
// toggle that is on, a button pressed) it is dark with a yellow glyph, as
// the lit arrows are yellow: ground and glyph each differ from the normal
// ones by far more than the 3:1 that a control's state needs to be seen.
void drawTitleButton(Frame &f, int id)
{
    const FaceRect &r = faceAreas[id];
    int from = f.lit ? 10 : 164, to = f.lit ? 30 : 228;
    int innerRows = r.bottom - r.top - 2;
    for (int y = r.top; y < r.bottom; y++)
        for (int x = r.left; x < r.right; x++) {
            bool border = x == r.left || x == r.right - 1 || y == r.top || y == r.bottom - 1;
            put(f, x, y, border ? grey(16) : grey(from + (to - from) * (y - r.top - 1) / (innerRows - 1)));
        }
    for (int row = 0; row < 5; row++)
        for (int col = 0; col < 7; col++)
            if (titleGlyphs[id][row][col] == 'X')
                put(f, r.left + 3 + col, r.top + 3 + row, f.lit ? Rgb{244, 244, 0} : black);
}

// An arrow's look: which way it points (-1 left) and its fill from top to
// bottom row in the normal frame.
struct ArrowArt {
    AreaId id;
    int dir;
    bool filled;
    Rgb top, bottom;
};

const ArrowArt arrowArt[arrowButtonCount] = {
    {redUpId, 1, true, {255, 157, 157}, {255, 128, 128}},
    {redDownId, -1, true, {255, 157, 157}, {255, 128, 128}},
    {greenUpId, 1, true, {178, 225, 178}, {153, 214, 153}},
    {greenDownId, -1, true, {178, 225, 178}, {153, 214, 153}},
    {blueUpId, 1, true, {157, 157, 255}, {138, 138, 255}},
    {blueDownId, -1, true, {157, 157, 255}, {138, 138, 255}},
    {lightenId, 1, false, {0, 0, 0}, {0, 0, 0}},
    {darkenId, -1, false, {0, 0, 0}, {0, 0, 0}},
};

// A triangle with its flat side on the button's readout edge and its tip
// on the middle row. Lit, it moves one pixel further out and fills yellow.
void drawArrow(Frame &f, const ArrowArt &a)
{
    const FaceRect &r = faceAreas[a.id];
    int flat = (a.dir < 0 ? r.right - 1 : r.left) + (f.lit ? a.dir : 0);
    int middle = r.top + arrowHalf;
    for (int d = -arrowHalf; d <= arrowHalf; d++) {
        int reach = arrowHalf - std::abs(d);
        Rgb fill = f.lit ? mix(yellowTop, yellowBottom, d + arrowHalf, 2 * arrowHalf)
                         : mix(a.top, a.bottom, d + arrowHalf, 2 * arrowHalf);
        for (int k = 0; k <= reach; k++) {
            int x = flat + a.dir * k;
            if (k == 0 || k == reach)
                put(f, x, middle + d, outlineDark);
            else if (f.lit || a.filled)
                put(f, x, middle + d, fill);
        }
    }
}

// A one-pixel border, black on the top and left, 10 to 30 on the right and
// bottom. Where the outline cuts the notch the side border steps inward
// and the cut-away pixels turn magenta.
void drawBorder(Frame &f)
{
    const int right = faceWidth - 1, bottom = faceHeight - 1;
    for (int x = 0; x < faceWidth; x++) {
        put(f, x, 0, black);
        put(f, x, bottom, grey(10 + 20 * x / right));
    }
    for (int y = 1; y < faceHeight; y++) {
        bool notch = !outlineHolds(0, y);
        put(f, notch ? 1 : 0, y, black);
        put(f, notch ? right - 1 : right, y, grey(10 + 20 * y / bottom));
        if (notch) {
            put(f, 0, y, magenta);
            put(f, right, y, magenta);
        }
    }
}

void drawFrame(RgbImage &skin, int originX, bool lit)
{
    Frame f = {&skin, originX, lit};
    drawGround(f);
    for (int id : {redValueId, greenValueId, blueValueId, hexValueId})
        drawWell(f, faceAreas[id]);
    drawSwatch(f);
    drawGrips(f);
    for (int id = 0; id < titleButtonCount; id++)
        drawTitleButton(f, id);
    for (const ArrowArt &a : arrowArt)
        drawArrow(f, a);
    drawBorder(f);
}

void put16(std::vector<uint8_t> &out, uint32_t v)
{
    out.push_back((uint8_t)v);
    out.push_back((uint8_t)(v >> 8));
}

void put32(std::vector<uint8_t> &out, uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

int rowBytes(int width, int bits)
{
    return (width * bits + 31) / 32 * 4;
}

// BITMAPINFOHEADER, uncompressed unless compression says BI_RLE8 (1).
void putInfoHeader(std::vector<uint8_t> &out, int width, int height, int bits, uint32_t imageSize,
                   uint32_t pixelsPerMetre, uint32_t colours = 0, uint32_t compression = 0)
{
    put32(out, 40);
    put32(out, (uint32_t)width);
    put32(out, (uint32_t)height);
    put16(out, 1);
    put16(out, (uint32_t)bits);
    put32(out, compression);
    put32(out, imageSize);
    put32(out, pixelsPerMetre);
    put32(out, pixelsPerMetre);
    put32(out, colours);  // colours in the table; 0 for all the bit depth allows
    put32(out, 0);
}

// A colour table: blue, green, red and a zero byte per entry.
void putPalette(std::vector<uint8_t> &out, const std::vector<Rgb> &palette)
{
    for (Rgb c : palette) {
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }
}

// 24-bit rows, bottom row first, blue-green-red, zero padded.
void putRows24(std::vector<uint8_t> &out, const RgbImage &image)
{
    int pad = rowBytes(image.width, 24) - image.width * 3;
    for (int y = image.height - 1; y >= 0; y--) {
        for (int x = 0; x < image.width; x++) {
            Rgb c = image.pixels[y * image.width + x];
            out.push_back(c.b);
            out.push_back(c.g);
            out.push_back(c.r);
        }
        out.insert(out.end(), pad, 0);
    }
}

// Lists the image's colours in order of first use and maps each pixel to
// its entry. Fails if there are more than 256.
bool palettize(const RgbImage &image, std::vector<Rgb> &palette, std::vector<uint8_t> &indices)
{
    palette.clear();
    indices.clear();
    for (Rgb c : image.pixels) {
        size_t i = 0;
        while (i < palette.size() && !(palette[i].r == c.r && palette[i].g == c.g && palette[i].b == c.b))
            i++;
        if (i == palette.size()) {
            if (i == 256)
                return false;
            palette.push_back(c);
        }
        indices.push_back((uint8_t)i);
    }
    return true;
}

// One icon image as a DIB: the height counts the colour bitmap and the
// mask together; the mask is all zero, since the icon is fully opaque.
std::vector<uint8_t> iconDib(const RgbImage &image, int bits)
{
    std::vector<Rgb> palette;
    std::vector<uint8_t> indices;
    if (bits == 8 && !palettize(image, palette, indices))
        return {};
    int colourSize = rowBytes(image.width, bits) * image.height;
    int maskSize = rowBytes(image.width, 1) * image.height;
    std::vector<uint8_t> out;
    // An 8-bit image's colour table holds only the colours it uses.
    putInfoHeader(out, image.width, 2 * image.height, bits, (uint32_t)(colourSize + maskSize), 0,
                  (uint32_t)palette.size());
    if (bits == 8) {
        putPalette(out, palette);
        int pad = rowBytes(image.width, 8) - image.width;
        for (int y = image.height - 1; y >= 0; y--) {
            out.insert(out.end(), indices.begin() + y * image.width, indices.begin() + (y + 1) * image.width);
            out.insert(out.end(), pad, 0);
        }
    } else {
        putRows24(out, image);
    }
    out.insert(out.end(), maskSize, 0);
    return out;
}

// One icon image, size 16 or 32: four shaded quadrants between dark lines.
RgbImage drawIconImage(int size)
{
    // Frame line, quadrant, two-pixel divider, quadrant, frame line.
    const int side = (size - 4) / 2;
    const Rgb base[4] = {{224, 40, 40}, {40, 176, 56}, {40, 80, 216}, {240, 208, 32}};
    const Rgb white = {255, 255, 255};
    RgbImage icon = {size, size, std::vector<Rgb>(size * size, black)};
    for (int y = 0; y < size; y++)
        for (int x = 0; x < size; x++) {
            bool right = x > side + 2, lower = y > side + 2;
            int i = x - (right ? side + 3 : 1), j = y - (lower ? side + 3 : 1);
            if (i < 0 || i >= side || j < 0 || j >= side) {
                icon.pixels[y * size + x] = grey(56);
                continue;
            }
            // Light at the quadrant's top-left corner, dark at its bottom-right.
            // Shading along the diagonal only keeps a 32-pixel image to 109
            // colours, so the 8-bit images take it without banding.
            Rgb c = base[(lower ? 2 : 0) + (right ? 1 : 0)];
            Rgb light = mix(c, white, 2, 5), dark = mix(c, black, 3, 10);
            icon.pixels[y * size + x] = mix(light, dark, i + j, 2 * (side - 1));
        }
    return icon;
}

}  // namespace

RgbImage drawSkin()
{
    RgbImage skin = {skinWidth, skinHeight, std::vector<Rgb>(skinWidth * skinHeight, black)};
    drawFrame(skin, 0, false);
    drawFrame(skin, litFrameLeft, true);
    return skin;
}

// One row of indices in BI_RLE8: a run of two or more alike as a count and
// the index, three or more that differ from their neighbours as one
// absolute stretch (0, its length, the indices, padded to a word), and the
// row's end as 0, 0.
void putRle8Row(std::vector<uint8_t> &out, const uint8_t *row, int width)
{
    int x = 0;
    while (x < width) {
        int run = 1;
        while (x + run < width && run < 255 && row[x + run] == row[x])
            run++;
        int mixed = 0;
        while (x + mixed < width && mixed < 255 && (x + mixed + 1 >= width || row[x + mixed + 1] != row[x + mixed]))
            mixed++;
        if (run >= 2 || mixed < 3) {
            out.push_back((uint8_t)run);
            out.push_back(row[x]);
            x += run;
        } else {
            out.push_back(0);
            out.push_back((uint8_t)mixed);
            out.insert(out.end(), row + x, row + x + mixed);
            if (mixed % 2)
                out.push_back(0);
            x += mixed;
        }
    }
    out.push_back(0);
    out.push_back(0);
}

std::vector<uint8_t> encodeBmp(const RgbImage &image)
{
    std::vector<Rgb> palette;
    std::vector<uint8_t> indices;
    if (!palettize(image, palette, indices))
        return {};
    // Run-length coded: the skin's flat areas and rows alike take a fifth
    // less room in the exe than its plain pixels.
    std::vector<uint8_t> pixels;
    for (int y = image.height - 1; y >= 0; y--)
        putRle8Row(pixels, &indices[y * image.width], image.width);
    pixels.push_back(0);  // the end of the bitmap
    pixels.push_back(1);
    uint32_t headersSize = 14 + 40 + 4 * (uint32_t)palette.size();
    std::vector<uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    put32(out, headersSize + (uint32_t)pixels.size());
    put32(out, 0);
    put32(out, headersSize);
    putInfoHeader(out, image.width, image.height, 8, (uint32_t)pixels.size(), 2834, (uint32_t)palette.size(), 1);
    putPalette(out, palette);
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

std::vector<uint8_t> encodeIcon()
{
    const struct {
        int size, bits;
    } images[3] = {{16, 8}, {32, 8}, {32, 24}};
    std::vector<uint8_t> dibs[3];
    for (int n = 0; n < 3; n++) {
        dibs[n] = iconDib(drawIconImage(images[n].size), images[n].bits);
        if (dibs[n].empty())
            return {};
    }
    std::vector<uint8_t> out;
    put16(out, 0);  // reserved
    put16(out, 1);  // icon, not cursor
    put16(out, 3);
    uint32_t offset = 6 + 3 * 16;
    for (int n = 0; n < 3; n++) {
        out.push_back((uint8_t)images[n].size);
        out.push_back((uint8_t)images[n].size);
        out.push_back(0);  // palette size: 0 for 256 colours or more
        out.push_back(0);
        put16(out, 1);
        put16(out, (uint32_t)images[n].bits);
        put32(out, (uint32_t)dibs[n].size());
        put32(out, offset);
        offset += (uint32_t)dibs[n].size();
    }
    for (const std::vector<uint8_t> &dib : dibs)
        out.insert(out.end(), dib.begin(), dib.end());
    return out;
}
