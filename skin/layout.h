// The face's fixed geometry as plain data: every named rectangle and the
// outline polygon. Platform-free, so the regions, the skin artwork generator
// and the tests all read the same numbers.
#pragma once

// The face is 83 by 132 window pixels, origin at its top-left corner.
const int faceWidth = 83;
const int faceHeight = 132;

// Every area of the face. The first four are the title buttons and the next
// eight the arrow buttons, each in the order of their ButtonRecord arrays.
enum AreaId {
    snapId, topId, minId, closeId,
    redUpId, redDownId, greenUpId, greenDownId,
    blueUpId, blueDownId, lightenId, darkenId,
    redValueId, greenValueId, blueValueId, hexValueId,
    swatchId, pickPreviewId,
    areaCount
};

const int titleButtonCount = 4;
const int arrowButtonCount = 8;
const int firstArrowId = redUpId;

// The face's controls in the order a reader meets them: the title row, the
// swatch, each channel's row left to right, the bottom row. Assistive
// technology knows control i here as child i + 1 of the window's client.
const int controlCount = 17;
extern const AreaId readingOrder[controlCount];

// Left, top, right, bottom; right and bottom are exclusive.
struct FaceRect {
    const char *name;
    int left, top, right, bottom;
};

// Indexed by AreaId.
extern const FaceRect faceAreas[areaCount];

struct FacePoint {
    int x, y;
};

// The window's shape: the full face less the one-pixel columns x 0 and
// x 82 over rows 20 to 68, where the side grips sit.
const int outlinePointCount = 13;
extern const FacePoint outlinePoints[outlinePointCount];

// The face's scale k at a display's dots per inch: the whole number
// nearest to dpi / 96, halves up (96-143: 1, 144-239: 2, 240-335: 3), and
// never below 1.
int scaleForDpi(unsigned dpi);

// True when (x, y) lies in the rectangle, right and bottom excluded.
bool rectHolds(const FaceRect &r, int x, int y);

// The readout of the control's row: a channel's arrows and readout have
// that channel's, the bottom row (darken, lighten and the hexadecimal
// readout) the hexadecimal one; areaCount for a control on no row.
AreaId rowReadout(AreaId control);

// The control at face point (x, y); areaCount where there is none.
AreaId controlAt(int x, int y);

// True when (x, y) lies inside the window's shape.
bool outlineHolds(int x, int y);
