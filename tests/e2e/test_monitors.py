"""The real program on two monitors (Xorg's dummy driver): a move snaps to
the edges of the monitor the window is on; a stored place on a monitor
switched off before the start, and a window on a monitor switched off while
it runs, come onto the one that is left; and on a monitor left of the
primary, at negative coordinates, a pick reads the exact pixel while the
magnifier stays on that monitor; a pick's mean at the edge of a monitor
lowered during the pick counts only the pixels left on it, also after it
began on a still copy of the screen.

Wine 8 sends no WM_DISPLAYCHANGE when a monitor goes, so the test sends it
from another program once Wine reports the new layout, as Windows would."""
import sys
import time

import harness
from test_window import HEIGHT, WIDTH

TARGET = (0xC0, 0xFF, 0xEE)
RING = (0x40, 0x50, 0x60)

check = harness.check


def hex_text(rgb):
    return "%02X%02X%02X" % rgb


def arrange(s, second):
    want = s.arrange(second)
    got = s.wait_monitors(want)
    check("Wine reports the second monitor %s" % second, got == want, repr(got))


def drag_window(s, dx, dy):
    """Drags the window by its face's bare bottom by dx, dy; where it ends."""
    x, y, _, _ = s.geometry()
    s.drag(x + 40, y + 125, x + 40 + dx, y + 125 + dy, steps=12)
    time.sleep(0.3)
    return s.geometry()[:2]


def run(s):
    arrange(s, "right")  # primary 0..1024 x 0..768, second 1024..1824 x 0..600
    s.start()
    # Onto the second monitor, 4 pixels in from its right and 5 up from its
    # bottom: both are its edges, not the primary's.
    at = drag_window(s, 1824 - WIDTH - 4, 600 - HEIGHT - 5)
    check("a move snaps to the edges of the second monitor", at == (1824 - WIDTH, 600 - HEIGHT),
          repr(at))
    s.key("alt+F4")
    s.wait_exit()

    arrange(s, "off")
    s.start()
    at = s.geometry()[:2]
    check("a place stored on a monitor now off opens on the nearest place of the other",
          at == (1024 - WIDTH, 600 - HEIGHT), repr(at))

    arrange(s, "right")
    at = drag_window(s, 400, -300)
    arrange(s, "off")
    s.helper("broadcast", "display")
    time.sleep(0.5)
    moved = s.geometry()[:2]
    check("a window on a monitor switched off comes onto the other",
          moved == (1024 - WIDTH, at[1]), "from %r to %r" % (at, moved))

    # The second monitor left of the primary, X's 0..800 and Wine's
    # -800..0: a one-pixel target near its right edge, inside a ring.
    arrange(s, "left")
    ox, oy = s.origin
    s.paint(hex_text(RING), -13, 299, 3, 3)
    s.paint(hex_text(TARGET), -12, 300, 1, 1)
    wx, wy, ww, wh = s.geometry()
    s.move(wx + 40, wy + 30)
    s.xdo("mousedown", 1)
    time.sleep(0.8)
    s.move(ox - 12, oy + 300)
    time.sleep(0.3)
    screen = s.screenshot()
    s.xdo("mouseup", 1)
    block = {(x, y) for y in range(screen.height) for x in range(screen.width)
             if screen.pixel(x, y) == TARGET and not (wx <= x < wx + ww and wy <= y < wy + wh)}
    block.discard((ox - 12, oy + 300))
    check("the magnifier stays on the pointer's monitor at its edge",
          len(block) == 64 and max(x for x, _ in block) < ox, "%d target pixels, %r"
          % (len(block), sorted(block)[:2]) + " " + s.save(screen, "magnifier"))
    s.key("ctrl+c")
    got = s.clipboard()
    check("a pick at negative coordinates reads the exact pixel", got == hex_text(TARGET), repr(got))

    # Minimised on a monitor which then goes (with the WM_DISPLAYCHANGE that
    # Windows sends, or without as under Wine): the restore brings the window
    # onto the other, in X as in Wine, and the close stores where it came back.
    for dx, side in ((-1200, "left"), (1300, "right")):
        arrange(s, side)
        x, y = drag_window(s, dx, 0)
        s.click(x + 54, y + 10)
        arrange(s, "off")
        if dx > 0:
            s.helper("broadcast", "display")
        s.helper("restore", "Tinctora")
        time.sleep(1)
        at, told = s.geometry()[:2], s.helper("winstate", "Tinctora")[1].split()[2:4]
        check("a window restored after its monitor (%s) went comes onto the other" % side,
              at == (0 if dx < 0 else 1024 - WIDTH, y) and told == [str(n) for n in at],
              "X %r, Wine %r" % (at, told))
    s.key("alt+F4")
    check("Alt+F4 ends the program with status 0", s.wait_exit() == 0)
    saved = {name: int(text, 16) for name, (kind, text) in s.registry().items()
             if kind == "REG_DWORD"}
    check("the close stores the place it came back to", (saved["xPos"], saved["yPos"]) == at,
          repr(saved))

    # Stored on the second monitor, minimised by its button, the monitor
    # switched off with the broadcast and restored from another program, the
    # window managed as Wine's default has it: 3 s later the X window lies
    # on the screen, at the nearest place, and the close stores that place.
    s.wine("reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v", "Managed", "/d", "Y", "/f")
    for name, value in (("xPos", 1300), ("yPos", 200)):
        s.wine("reg", "add", harness.KEY, "/v", name, "/t", "REG_DWORD", "/d", str(value), "/f")
    arrange(s, "right")
    s.start()
    s.click(1300 + 54, 200 + 10)
    arrange(s, "off")
    s.helper("broadcast", "display")
    s.helper("restore", "Tinctora")
    time.sleep(3)
    at = s.geometry()
    s.key("alt+F4")
    saved = [s.wait_exit()] + [s.registry()[name][1] for name in ("xPos", "yPos")]
    check("a managed window restored after its monitor went is back on the screen, and stored",
          (at, saved) == ((1024 - WIDTH, 200, WIDTH, HEIGHT), [0, "0x%x" % (1024 - WIDTH), "0xc8"]),
          "X %r, stored %r" % (at, saved))
    s.wine("reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v", "Managed", "/d", "N", "/f")

    # The 5 by 5 mean at the monitor's right, lowered to 800 by 600 during
    # the pick, then at its new edge; the window where the change leaves it.
    # The pick began on the still screen, whose copy the change lets go: a
    # window shown there since is what the pick reads.
    for name, value in (("sampleSize", "5"), ("xPos", "0"), ("freezeScreen", "1")):
        s.wine("reg", "add", harness.KEY, "/v", name, "/t", "REG_DWORD", "/d", value, "/f")
    s.paint("3366CC", 0, 0, 1024, 768)
    s.start()
    x, y = s.geometry()[:2]
    s.xdo("mousemove", x + 40, y + 30, "mousedown", 1, "sleep", 0.8, "mousemove", 797, 450)
    s.xrandr("--addmode", "DUMMY0", "800x600_60")
    s.xrandr("--output", "DUMMY0", "--mode", "800x600_60")
    s.wait_monitors([(0, 0, 800, 600) * 2 + (1,)])
    s.helper("broadcast", "display")
    s.paint("33CC66", 700, 400, 100, 100)
    s.xdo("mousemove", 798, 450, "sleep", 0.3, "mouseup", 1)
    shown = s.settle(x, y, WIDTH, HEIGHT).pixel(40, 50)
    check("a pick's mean counts no pixel past the edge of a monitor made smaller",
          shown == (0x33, 0xCC, 0x66), repr(shown))


if __name__ == "__main__":
    sys.exit(harness.main("monitors", run, session=harness.TwoMonitors))
