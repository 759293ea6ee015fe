"""The real program on scaled displays. At 120 dots per inch (125 %) the
face keeps its 83 by 132 pixels and its skin, and the readouts, whose stock
font there comes from the large-font set, still show every digit whole in
its well. At 192 (200 %) the face is twice the size, every skin pixel a 2
by 2 block, the scaled arrows step the colour, and the eyedropper picks the
very pixel under the pointer, not one beside it.

Wine reads the scale from LogPixels under HKCU\\Control Panel\\Desktop when
a process starts, and the prefix's font files are those of Windows, so the
large-font set takes over above 96 dots per inch as it does there."""
import sys
import time

import harness
from test_window import (BACKGROUND, HEIGHT, WIDTH, check_readouts, face_mismatches,
                         save_diff)

TARGET = (0xC0, 0xFF, 0xEE)
RING = (0x40, 0x50, 0x60)

check = harness.check


def hex_text(rgb):
    return "%02X%02X%02X" % rgb


def arrow_keys(s, *keys):
    for key in keys:
        s.xdo("windowfocus", "--sync", s.window)
        s.xdo("key", key)


def pick(s, x, y, k, keys=(), turns=()):
    """Holds on the swatch until the pick begins, moves to screen x, y with
    the real pointer, types the arrow keys, releases; the screens before
    each turn of the wheel in turns (xdotool click's arguments) and before
    and after the release, where the pointer was then, and the colour as
    Ctrl+C copies it."""
    wx, wy, _, _ = s.geometry()
    s.move(wx + 40 * k, wy + 30 * k)
    s.xdo("mousedown", 1)
    time.sleep(0.8)
    s.move(x, y)
    arrow_keys(s, *keys)
    time.sleep(0.3)
    during = [s.screenshot()]
    for turn in turns:
        s.xdo("click", *turn, "sleep", 0.3)
        during.append(s.screenshot())
    pointer = s.xdo_shell("getmouselocation")
    s.xdo("mouseup", 1)
    time.sleep(0.2)
    after = s.screenshot()
    s.key("ctrl+c")
    return during, after, (pointer["X"], pointer["Y"]), s.clipboard()


def shown_outside(screen, window, rgb):
    """Screen points of one colour outside the program's window."""
    wx, wy, ww, wh = window
    return {(x, y) for y in range(screen.height) for x in range(screen.width)
            if not (wx <= x < wx + ww and wy <= y < wy + wh) and screen.pixel(x, y) == rgb}


def magnified(s, screen, side, rgb=TARGET):
    """Whether the magnifier beside the pointer shows the target (as rgb) as a block side wide; why not."""
    block = shown_outside(screen, s.geometry(), rgb) - {(301, 201)}
    left, top = min(block, default=(0, 0))
    return (block == {(left + i, top + j) for i in range(side) for j in range(side)}
            and 301 < left <= 301 + 64 * 2 and 201 < top <= 201 + 64 * 2,
            "%d target pixels from %r; %s" % (len(block), (left, top), s.save(screen, "magnifier")))


def linear(rgb):
    return [c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4 for c in (v / 255 for v in rgb)]


def protanopia(rgb):
    """The colour as the published protanopia matrix (Machado et al. 2009) shows it."""
    m = ((0.152286, 1.052583, -0.204868), (0.114503, 0.786281, 0.099216),
         (-0.003882, -0.048116, 1.051998))
    v = [min(1, max(0, sum(a * b for a, b in zip(row, linear(rgb))))) for row in m]
    return tuple(int((12.92 * c if c <= 0.0031308 else 1.055 * c ** (1 / 2.4) - 0.055) * 255 + 0.5) for c in v)


def contrast(a, b):
    ya, yb = (sum(w * c for w, c in zip((0.2126, 0.7152, 0.0722), linear(rgb))) + 0.05 for rgb in (a, b))
    return max(ya, yb) / min(ya, yb)


def start_at(s, dpi, k):
    """Starts the program at a scale; its face as first shown."""
    key = r"HKCU\Control Panel\Desktop"
    s.wine("reg", "add", key, "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(dpi), "/f")
    s.park()
    s.start()
    geometry = s.geometry()
    check("at %d dpi the window is %d by %d at (0,0)" % (dpi, WIDTH * k, HEIGHT * k),
          geometry == (0, 0, WIDTH * k, HEIGHT * k), repr(geometry))
    face = s.screenshot().crop(0, 0, WIDTH * k, HEIGHT * k)
    print("face at %d dpi:" % dpi, s.save(face, "face-%d" % dpi, 4 // k))
    bad = face_mismatches(face, harness.skin(), k)
    check("at %d dpi the face is the skin at %d times, pixel for pixel" % (dpi, k), not bad,
          "%d pixels differ, first %r; %s" % (len(bad), bad[:4], bad and save_diff(s, face, bad)))
    check_readouts(face, k)
    return face


def close(s):
    s.key("alt+F4")
    status = s.wait_exit()
    check("Alt+F4 ends the program with status 0", status == 0, "status %r" % status)


def run(s):
    # One pixel of TARGET inside a ring of RING, on the background.
    s.paint(hex_text(BACKGROUND), 0, 0, 400, 300)
    s.paint(hex_text(RING), 300, 200, 3, 3)
    s.paint(hex_text(TARGET), 301, 201, 1, 1)
    shown = s.screenshot().crop(300, 200, 3, 3)
    check("the target pixel shows inside its ring",
          [shown.pixel(x, y) for y in range(3) for x in range(3)] == [RING] * 4 + [TARGET] + [RING] * 4,
          s.save(shown, "target", 8))

    # With the buttons swapped Wine still reports the primary one as the left.
    s.wine("reg", "add", r"HKCU\Control Panel\Mouse", "/v", "SwapMouseButtons", "/d", "1", "/f")
    start_at(s, 120, 1)
    s.drag(40, 125, 100, 175)
    time.sleep(0.3)
    check("a drag with swapped buttons moves the window", s.geometry()[:2] == (60, 50),
          repr(s.geometry()))
    s.drag(100, 175, 40, 125)
    close(s)

    s.wine("reg", "add", harness.KEY, "/v", "magnifierZoom", "/t", "REG_DWORD", "/d", "64", "/f")
    start_at(s, 192, 2)
    s.click(59 * 2, 74 * 2)   # red up
    s.click(22 * 2, 98 * 2)   # blue down, saturating
    s.click(71 * 2, 116 * 2)  # lighten
    s.key("ctrl+c")
    got = s.clipboard()
    check("the scaled arrows step the colour", got == "281414", repr(got))
    # Mid-pick the magnifier shows the one-pixel target as a solid block of
    # twice the zoom: 8 (64 stored is none), 16 a notch up, 32 two more (no
    # zoom past it), 2 five down; after the release no trace of it is left.
    during, after, _, got = pick(s, 301, 201, 2, turns=((4,), ("--repeat", 2, 4), ("--repeat", 5, 5)))
    check("a pick ending on the target reads it", got == hex_text(TARGET), repr(got))
    print("mid-pick:", s.save(during[0].crop(0, 0, 530, 430), "pick-192"))  # the README's picture
    for screen, side in zip(during, (16, 32, 64, 4)):
        check("mid-pick the magnifier shows the target as a %d pixels wide block" % side,
              *magnified(s, screen, side))
    after = shown_outside(after, s.geometry(), TARGET)
    check("after the release no magnifier is left", after == {(301, 201)}, repr(sorted(after)[:4]))
    # Under Wine the keys' pointer moves end the button's grab, and the
    # release goes to another window: the pick must end all the same.
    _, after, pointer, got = pick(s, 301, 201, 2, keys=("Right", "Right", "Left", "Down", "Down", "Up"))
    check("each arrow key moves the pointer one pixel its way during a pick", pointer == (302, 202),
          repr(pointer))
    check("and the release picks the ring there", got == hex_text(RING), repr(got))
    after = shown_outside(after, s.geometry(), TARGET)
    check("after that release no magnifier is left", after == {(301, 201)}, repr(sorted(after)[:4]))
    # Neither the bare root nor a native X window tells Wine of a release:
    # the nudged pick ends there all the same, and the next click clicks.
    native = s.native_paint("5A1E3C", 520, 20, 40, 40)
    for x, y in ((600, 400), (530, 30)):
        (during,), _, pointer, got = pick(s, x, y, 2, keys=("Left",))
        shown = s.xdo("search", "--onlyvisible", "--classname", "tinctora.exe", check=False).split()
        s.click(59 * 2, 74 * 2)
        s.key("ctrl+c")
        r, g, b = during.pixel(*pointer)
        got, want = (got, len(shown), s.clipboard()), (hex_text((r, g, b)), 1, hex_text((min(255, r + 20), g, b)))
        check("a nudged pick released at %r off Wine's windows ends there" % (pointer,), got == want, repr(got))
    native.kill()
    before = s.xdo_shell("getmouselocation")
    arrow_keys(s, "Right")
    time.sleep(0.2)
    check("nor does an arrow key move the pointer", s.xdo_shell("getmouselocation") == before,
          repr(before))
    close(s)
    # The next start keeps zoom 2; in the hotkey's pick = and the keypad's
    # + zoom in, - and the keypad's - out, as the wheel: 4, 8, 4, 8, 16, 8, 4.
    s.start()
    s.move(301, 201)
    s.xdo("key", "super+shift+c", "sleep", 0.5, "key", "equal", "equal", "minus", "KP_Add",
          "KP_Add", "KP_Subtract", "click", 5, "sleep", 0.3)
    check("the zoom kept and zoomed in the hotkey's pick", *magnified(s, s.screenshot(), 8))
    # V shows the magnifier as protanopia sees it; the pick still takes the
    # target. Against white (a paste, then Ctrl+Z back) the target fails AA:
    # Fix contrast (X) takes the nearest lightness of it that passes.
    s.xdo("key", "v", "sleep", 0.3)
    check("V shows the target as protanopia sees it",
          *magnified(s, s.screenshot(), 8, protanopia(TARGET)))
    s.xdo("key", "Return", "sleep", 0.3)
    s.key("ctrl+c")
    check("the pick takes the target itself", s.clipboard() == hex_text(TARGET), repr(s.clipboard()))
    s.helper("settext", "FFFFFF")
    s.key("ctrl+v", "ctrl+z")
    s.key("shift+F10")
    s.xdo("sleep", 0.5, "key", "x", "sleep", 0.3)
    s.key("ctrl+c")
    fixed = s.clipboard() or "000000"
    ratio = contrast(bytes.fromhex(fixed), (255, 255, 255))
    check("Fix contrast takes the nearest colour that passes AA against white",
          4.5 <= ratio < 4.6 and fixed != hex_text(TARGET), "%s at %.2f:1" % (fixed, ratio))


if __name__ == "__main__":
    sys.exit(harness.main("dpi", run))
