"""The real program on a display scaled to 150 % (144 dots per inch): the
window keeps its 83 by 132 pixels and its face looks exactly as at 100 %,
and the eyedropper picks the very pixel under the pointer, not one beside it.

Wine reads the scale from LogPixels under HKCU\\Control Panel\\Desktop
(falling back to HKLM\\...\\Hardware Profiles\\Current\\Software\\Fonts) once
in each process, so it is set before the first window of the session.
Wine 8 treats every program as DPI aware, manifest or not, and never
stretches a window; what it does scale is the system's fonts."""
import sys

import harness
from test_window import BACKGROUND, HEIGHT, WIDTH, face_mismatches, save_diff

DPI = 144
TARGET = (0xC0, 0xFF, 0xEE)
RING = (0x40, 0x50, 0x60)

check = harness.check


def hex_text(rgb):
    return "%02X%02X%02X" % rgb


def pick(s, x, y):
    """Holds on the swatch until the pick begins, drags to screen x, y with
    the real pointer, releases; the colour as Ctrl+C copies it."""
    wx, wy, _, _ = s.geometry()
    s.drag(wx + 40, wy + 30, x, y, steps=8, hold=0.8)
    s.key("ctrl+c")
    return s.clipboard()


def run(s):
    key = r"HKCU\Control Panel\Desktop"
    s.wine("reg", "add", key, "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(DPI), "/f")
    check("the scale is set", s.registry(key).get("LogPixels") == ("REG_DWORD", hex(DPI)),
          repr(s.registry(key).get("LogPixels")))

    # One pixel of TARGET inside a ring of RING, on the background.
    s.paint(hex_text(BACKGROUND), 0, 0, 400, 300)
    s.paint(hex_text(RING), 300, 200, 3, 3)
    s.paint(hex_text(TARGET), 301, 201, 1, 1)
    shown = s.screenshot().crop(300, 200, 3, 3)
    check("the target pixel shows inside its ring",
          [shown.pixel(x, y) for y in range(3) for x in range(3)] == [RING] * 4 + [TARGET] + [RING] * 4,
          s.save(shown, "target", 8))

    s.start()
    geometry = s.geometry()
    check("the window is 83 by 132 at (0,0)", geometry == (0, 0, WIDTH, HEIGHT), repr(geometry))
    face = s.screenshot().crop(0, 0, WIDTH, HEIGHT)
    print("face at rest:", s.save(face, "face", 4))
    bad = face_mismatches(face, harness.skin())
    check("the face shows the skin pixel for pixel, its texts inside their wells", not bad,
          "%d pixels differ, first %r; %s" % (len(bad), bad[:4], bad and save_diff(s, face, bad)))

    got = pick(s, 301, 201)
    check("a pick ending on the target reads it", got == hex_text(TARGET), repr(got))
    got = pick(s, 302, 201)
    check("a pick ending one pixel right reads the ring", got == hex_text(RING), repr(got))

    s.key("alt+F4")
    status = s.wait_exit()
    check("Alt+F4 ends the program with status 0", status == 0, "status %r" % status)


if __name__ == "__main__":
    sys.exit(harness.main("dpi", run))
