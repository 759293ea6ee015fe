// The face's hit and clip regions, built once at start-up from the layout
// table and kept until the process ends.
#pragma once
#include <windows.h>

struct ButtonRecord {
    HRGN region;
    BYTE pressed;  // set by a press on the control; an arrow's clears when its gesture ends
};

extern ButtonRecord titleButtons[4];  // snapBtn, topBtn, minBtn, closeBtn
extern ButtonRecord arrowButtons[8];  // redUpBtn ... darkenBtn, in layout order

extern ButtonRecord &snapBtn, &topBtn, &minBtn, &closeBtn;
extern ButtonRecord &redUpBtn, &redDownBtn, &greenUpBtn, &greenDownBtn;
extern ButtonRecord &blueUpBtn, &blueDownBtn, &lightenBtn, &darkenBtn;

extern HRGN swatchRgn;       // the colour swatch
extern HRGN pickPreviewRgn;  // its lower half, refilled while picking
extern HRGN redValueRgn, greenValueRgn, blueValueRgn, hexValueRgn;  // readout wells
extern HRGN titleBtnsRgn;    // the four title buttons
extern HRGN readoutsRgn;     // the four readouts
extern HRGN outlineRgn;      // the window's shape; the window system owns it once applied
extern HRGN faceRgn;         // the outline without the swatch

// The swatch and its lower half, made before the settings load.
void buildSwatchRegions();
// Every other region, in the order the face is laid out.
void buildRegions();

// Point test with right and bottom edges excluded.
bool regionHolds(HRGN region, int x, int y);
