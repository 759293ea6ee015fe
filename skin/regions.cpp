#include "regions.h"
#include "layout.h"

ButtonRecord titleButtons[4];
ButtonRecord arrowButtons[8];

ButtonRecord &snapBtn = titleButtons[0], &topBtn = titleButtons[1];
ButtonRecord &minBtn = titleButtons[2], &closeBtn = titleButtons[3];
ButtonRecord &redUpBtn = arrowButtons[0], &redDownBtn = arrowButtons[1];
ButtonRecord &greenUpBtn = arrowButtons[2], &greenDownBtn = arrowButtons[3];
ButtonRecord &blueUpBtn = arrowButtons[4], &blueDownBtn = arrowButtons[5];
ButtonRecord &lightenBtn = arrowButtons[6], &darkenBtn = arrowButtons[7];

int faceScale = 1;

HRGN swatchRgn, pickPreviewRgn;
HRGN redValueRgn, greenValueRgn, blueValueRgn, hexValueRgn;
HRGN titleBtnsRgn, readoutsRgn, outlineRgn, faceRgn;

static HRGN areaRegion(AreaId id)
{
    const FaceRect &r = faceAreas[id];
    int k = faceScale;
    return CreateRectRgn(r.left * k, r.top * k, r.right * k, r.bottom * k);
}

static HRGN unionOf(AreaId first, const HRGN *members, int count)
{
    HRGN u = areaRegion(first);
    for (int i = 0; i < count; i++)
        CombineRgn(u, u, members[i], RGN_OR);
    return u;
}

// A vertex of the outline at scale k, k times as far from the origin, but
// for the diagonal steps beside the notches: they stay one pixel tall, so
// that what is cut out is exactly the notch pixels, each k by k.
static POINT outlineVertex(int i, int k)
{
    const FacePoint &p = outlinePoints[i];
    auto stepsDownTo = [&](int j) {
        return outlinePoints[(j + outlinePointCount) % outlinePointCount].y == p.y + 1;
    };
    bool stepTop = stepsDownTo(i - 1) || stepsDownTo(i + 1);
    return {p.x * k, stepTop ? (p.y + 1) * k - 1 : p.y * k};
}

void buildSwatchRegions()
{
    swatchRgn = areaRegion(swatchId);
    pickPreviewRgn = areaRegion(pickPreviewId);
}

void buildRegions()
{
    for (int i = 0; i < titleButtonCount; i++)
        titleButtons[i].region = areaRegion(AreaId(snapId + i));
    HRGN titles[4] = {snapBtn.region, topBtn.region, minBtn.region, closeBtn.region};
    titleBtnsRgn = unionOf(snapId, titles, 4);

    // Row by row, the left arrow first.
    const AreaId arrowOrder[8] = {redDownId, redUpId, greenDownId, greenUpId,
                                  blueDownId, blueUpId, darkenId, lightenId};
    for (AreaId id : arrowOrder)
        arrowButtons[id - firstArrowId].region = areaRegion(id);

    redValueRgn = areaRegion(redValueId);
    greenValueRgn = areaRegion(greenValueId);
    blueValueRgn = areaRegion(blueValueId);
    hexValueRgn = areaRegion(hexValueId);
    HRGN readouts[3] = {greenValueRgn, blueValueRgn, hexValueRgn};
    readoutsRgn = unionOf(redValueId, readouts, 3);

    POINT pts[outlinePointCount];
    for (int i = 0; i < outlinePointCount; i++)
        pts[i] = outlineVertex(i, faceScale);
    outlineRgn = CreatePolygonRgn(pts, outlinePointCount, WINDING);

    faceRgn = areaRegion(swatchId);
    CombineRgn(faceRgn, outlineRgn, faceRgn, RGN_XOR);
}

void scaleRegions(int k)
{
    freeRegions();
    faceScale = k;
    buildSwatchRegions();
    buildRegions();
}

void freeRegions()
{
    HRGN owned[] = {swatchRgn, pickPreviewRgn, redValueRgn, greenValueRgn, blueValueRgn,
                    hexValueRgn, titleBtnsRgn, readoutsRgn, outlineRgn, faceRgn};
    for (HRGN r : owned)
        DeleteObject(r);
    for (ButtonRecord &b : titleButtons)
        DeleteObject(b.region);
    for (ButtonRecord &b : arrowButtons)
        DeleteObject(b.region);
}

bool regionHolds(HRGN region, int x, int y)
{
    return PtInRegion(region, x, y) != 0;
}
