// One door for every colour the user takes: a copy of the whole colour, a
// pick that ends with a colour, and a colour set whole (a paste, a History
// entry, a colour given on the command line). Each door only says how the
// colour came and calls takeColor; what a taking means besides (the
// history, the undo rule, the copy after each pick) is done there, once.
#pragma once
#include <windows.h>
#include <cstdint>

enum TakenBy {
    // The colour shown, already put on the clipboard by the caller.
    takenByCopy,
    // A colour read from the screen. It becomes the current colour; the
    // undo point is the colour from before the pick (a pick run on the face
    // set it at its start, while its preview changed the colour; with no
    // pick running it is set here, as for takenBySet). Copied in the copy
    // form when the user asked for a copy after each pick.
    takenByPick,
    // A colour from outside. It becomes the current colour and the one
    // before it the previous colour, so that Ctrl+Z goes back.
    takenBySet,
    // A colour in place of the current one, the previous colour kept: a
    // contrast fix, whose pair is the fixed colour and the one it is
    // fixed against.
    takenInPlace,
};

// The colour (its low 24 bits) taken: the swatch shows it and it heads the
// history. A door calls this only once the taking has happened: a copy
// that reached the clipboard, a pick that read a pixel, a text that was a
// colour. Without a window (the command line, with no Tinctora running)
// only the colours and the history change.
void takeColor(HWND window, TakenBy how, uint32_t color);
