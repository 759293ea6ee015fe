// The face's hit and clip regions, built at start-up from the layout table
// at the face's scale, and built anew only when the scale changes.
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

extern int faceScale;  // k: each face pixel is k by k window pixels

extern HRGN swatchRgn;       // the colour swatch
extern HRGN pickPreviewRgn;  // its lower half, refilled while picking
extern HRGN redValueRgn, greenValueRgn, blueValueRgn, hexValueRgn;  // readout wells
extern HRGN titleBtnsRgn;    // the four title buttons
extern HRGN readoutsRgn;     // the four readouts
extern HRGN outlineRgn;      // the window's shape; null once the window system owns it
extern HRGN faceRgn;         // the outline without the swatch

// The swatch and its lower half, made before the settings load.
void buildSwatchRegions();
// Every other region, in the order the face is laid out.
void buildRegions();
// Deletes every region the program owns; outlineRgn only until it is applied.
void freeRegions();
// Frees every region and builds them all at scale k.
void scaleRegions(int k);

// Point test with right and bottom edges excluded.
bool regionHolds(HRGN region, int x, int y);
