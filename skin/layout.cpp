#include "layout.h"

const FaceRect faceAreas[areaCount] = {
    {"snapBtn", 6, 5, 19, 15},
    {"topBtn", 22, 5, 35, 15},
    {"minBtn", 48, 5, 61, 15},
    {"closeBtn", 64, 5, 77, 15},
    {"redUpBtn", 55, 69, 64, 80},
    {"redDownBtn", 18, 69, 28, 80},
    {"greenUpBtn", 55, 81, 64, 92},
    {"greenDownBtn", 18, 81, 28, 92},
    {"blueUpBtn", 55, 93, 64, 104},
    {"blueDownBtn", 18, 93, 28, 104},
    {"lightenBtn", 67, 111, 76, 122},
    {"darkenBtn", 7, 111, 17, 122},
    {"redValueRgn", 28, 69, 55, 80},
    {"greenValueRgn", 28, 81, 55, 92},
    {"blueValueRgn", 28, 93, 55, 104},
    {"hexValueRgn", 17, 111, 67, 122},
    {"swatchRgn", 18, 20, 65, 60},
    {"pickPreviewRgn", 18, 40, 65, 60},
};

const AreaId readingOrder[controlCount] = {
    snapId, topId, minId, closeId, swatchId,
    redDownId, redValueId, redUpId,
    greenDownId, greenValueId, greenUpId,
    blueDownId, blueValueId, blueUpId,
    darkenId, hexValueId, lightenId,
};

const FacePoint outlinePoints[outlinePointCount] = {
    {0, 0}, {83, 0}, {83, 19}, {82, 20}, {82, 68}, {83, 69}, {83, 132},
    {0, 132}, {0, 69}, {1, 68}, {1, 20}, {0, 19}, {0, 0},
};

bool rectHolds(const FaceRect &r, int x, int y)
{
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

AreaId rowReadout(AreaId control)
{
    if (control >= redValueId && control <= hexValueId)
        return control;
    // Arrows come in pairs, up then down, row by row.
    if (control >= firstArrowId && control < firstArrowId + arrowButtonCount)
        return AreaId(redValueId + (control - firstArrowId) / 2);
    return areaCount;
}

AreaId controlAt(int x, int y)
{
    for (AreaId control : readingOrder)
        if (rectHolds(faceAreas[control], x, y))
            return control;
    return areaCount;
}

bool outlineHolds(int x, int y)
{
    if (x < 0 || x >= faceWidth || y < 0 || y >= faceHeight)
        return false;
    bool notchRow = y >= 20 && y <= 68;
    return !(notchRow && (x == 0 || x == faceWidth - 1));
}

int scaleForDpi(unsigned dpi)
{
    unsigned k = dpi / 96 + (dpi % 96 >= 48);
    return k < 1 ? 1 : (int)k;
}
