"""The real program's window on a first run, over a window of one known
colour: where it is and how big, which of its pixels are cut out of its
shape, what its face shows at rest, and that Alt+F4 ends it cleanly; then,
its window managed as Wine's default has it, with Notepad over it.

Wine under Xvfb paints the cut-out pixels of a shaped window black instead
of showing the window beneath; a plain Wine window given the same region
does the same, while a shaped window of X's own shows what lies beneath.
So the cut-out is checked where the X server decides it, by asking which
window the pointer is over at every pixel of the face, and the pixels
there are checked to be the background or that black, never the face."""
import subprocess
import sys
import time

import harness

BACKGROUND = (0x33, 0x66, 0xCC)
WINE_CUTOUT = (0, 0, 0)
TEXT = (10, 10, 10)
WIDTH, HEIGHT = 83, 132
SWATCH = (18, 20, 65, 60)
SNAP = (6, 5, 19, 15)
# Each decimal readout's well and the point its text is drawn from.
DECIMALS = {"red": ((28, 69, 55, 80), (32, 68)), "green": ((28, 81, 55, 92), (32, 81)),
            "blue": ((28, 93, 55, 104), (32, 93))}
HEX_WELL = (17, 111, 67, 122)
HEX_PAIRS = [(19, 110), (36, 110), (52, 110)]
WELLS = [w for w, _ in DECIMALS.values()] + [HEX_WELL]

check = harness.check


def inside(rect, x, y):
    return rect[0] <= x < rect[2] and rect[1] <= y < rect[3]


def in_notch(x, y):
    return x in (0, WIDTH - 1) and 20 <= y <= 68


def at_rest(art, x, y):
    """The face at rest: the normal frame, the snap button from the lit one."""
    return art.pixel(x + WIDTH if inside(SNAP, x, y) else x, y)


def face_mismatches(face, art, k=1):
    """Pixels of a face at scale k that are not what the window shows at
    rest, each face pixel a k by k block: (x, y, got, want)."""
    bad = []
    for wy in range(HEIGHT * k):
        for wx in range(WIDTH * k):
            got, x, y = face.pixel(wx, wy), wx // k, wy // k
            if in_notch(x, y):
                ok, want = got in (BACKGROUND, WINE_CUTOUT), "background"
            elif inside(SWATCH, x, y):
                ok, want = got == (0, 0, 0), (0, 0, 0)
            elif any(inside(w, x, y) for w in WELLS):
                ok, want = got in (at_rest(art, x, y), TEXT), "well or text"
            else:
                want = at_rest(art, x, y)
                ok = got == want
            if not ok:
                bad.append((wx, wy, got, want))
    return bad


def ink(face, left, top, right, bottom, origin):
    """The text pixels in an area, relative to the point the text is drawn from."""
    return {(x - origin[0], y - origin[1]) for y in range(top, bottom) for x in range(left, right)
            if face.pixel(x, y) == TEXT}


def check_readouts(face, k=1):
    """Black reads 000 in each decimal readout and 00 00 00 in the hex one:
    the same ink three times, and a hex pair is a decimal text less one digit.
    Each text is clipped to its own well, and the red well leaves a row less
    above the text and a row more below it than the green and blue ones, so
    the same ink in all three also means that no digit is cut off."""
    def scaled(*values):
        return [v * k for v in values]
    decimal = {name: ink(face, *scaled(*well), scaled(*origin))
               for name, (well, origin) in DECIMALS.items()}
    edges = [x for x, _ in HEX_PAIRS[1:]] + [HEX_WELL[2]]
    pairs = [ink(face, *scaled(x, HEX_WELL[1], end, HEX_WELL[3]), scaled(x, y))
             for (x, y), end in zip(HEX_PAIRS, edges)]
    check("each readout shows a text", all(decimal.values()) and all(pairs),
          "ink pixels: %r, hex pairs %r" % ({k: len(v) for k, v in decimal.items()},
                                           [len(p) for p in pairs]))
    red, green, blue = decimal["red"], decimal["green"], decimal["blue"]
    check("red, green and blue read the same", red == green == blue,
          "ink unlike red's, relative to the text point: green %r, blue %r"
          % (sorted(green ^ red)[:4], sorted(blue ^ red)[:4]))
    check("the three hex pairs read the same", pairs[0] == pairs[1] == pairs[2],
          "ink unlike the first pair's: second %r, third %r"
          % (sorted(pairs[1] ^ pairs[0])[:4], sorted(pairs[2] ^ pairs[0])[:4]))
    # "000" is "00" plus the same pair one digit further right: the digit
    # it lacks starts two digit widths after the pair's first.
    pair = pairs[0]
    third = red - pair
    step = (min(x for x, _ in third) - min(x for x, _ in pair)) // 2 if third and pair else 0
    check("a hex pair shows the digit of the decimal texts",
          step > 0 and red == pair | {(x + step, y) for x, y in pair},
          "decimal ink %d pixels, pair ink %d, digit width %d" % (len(red), len(pair), step))


def pointer_holes(s, window):
    """Face pixels where the X server puts the pointer over another window."""
    steps = []
    for y in range(HEIGHT):
        for x in range(WIDTH):
            steps += ["mousemove", x, y, "getmouselocation"]
    holes = set()
    for line in s.xdo(*steps, timeout=120).splitlines():
        where = dict(field.split(":") for field in line.split())
        if where["window"] != window:
            holes.add((int(where["x"]), int(where["y"])))
    return holes


def save_diff(s, face, bad):
    """The face with every mismatching pixel in red, the rest dimmed."""
    rgb = bytearray(b // 3 for b in face.rgb)
    for x, y, _, _ in bad:
        rgb[3 * (y * face.width + x):3 * (y * face.width + x) + 3] = b"\xff\x00\x00"
    return s.save(harness.Image(face.width, face.height, rgb), "face-diff", 4)


def run(s):
    art = harness.skin()
    s.paint("%02X%02X%02X" % BACKGROUND, 0, 0, 200, 200)
    behind = s.screenshot().crop(0, 0, 200, 200)
    check("the background window shows its colour", behind.colors() == {BACKGROUND},
          repr(behind.colors()))
    check("a fresh prefix has no settings key", s.registry() is None)

    window = s.start()
    geometry = s.geometry()
    check("the window is at (0,0), 83 by 132", geometry == (0, 0, WIDTH, HEIGHT),
          "geometry %r" % (geometry,))
    screen = s.screenshot()
    face = screen.crop(0, 0, WIDTH, HEIGHT)
    print("face at rest:", s.save(face, "face", 4))
    bad = face_mismatches(face, art)
    check("every face pixel shows the face at rest, the swatch black", not bad,
          "%d pixels differ, first %r; %s" % (len(bad), bad[:4], bad and save_diff(s, face, bad)))
    check_readouts(face)
    outside = [(x, y) for x, y in [(WIDTH, 0), (WIDTH, 40), (0, HEIGHT), (WIDTH, HEIGHT)]
               if screen.pixel(x, y) != BACKGROUND]
    check("the background shows right and below the window", not outside, repr(outside))

    holes = pointer_holes(s, window)
    notch = {(x, y) for y in range(HEIGHT) for x in range(WIDTH) if in_notch(x, y)}
    check("exactly columns 0 and 82 of rows 20-68 are cut out of the shape", holes == notch,
          "cut out but should not be: %r; not cut out: %r"
          % (sorted(holes - notch)[:6], sorted(notch - holes)[:6]))

    # Minimised by its title button, a settings broadcast from another
    # program while minimised, restored: the face comes back exactly, and
    # the close below stores the place the window is at, not the icon's.
    s.click(54, 10)
    deadline = time.monotonic() + 10
    while s.helper("winstate", "Tinctora")[1].split()[:1] != ["1"] and time.monotonic() < deadline:
        time.sleep(0.1)
    check("the minimise button minimises", s.helper("winstate", "Tinctora")[1].split()[:1] == ["1"])
    check("the broadcast reaches every window", s.helper("broadcast", "settings")[0] == 0)
    s.park()
    s.helper("restore", "Tinctora")
    again = s.settle(0, 0, WIDTH, HEIGHT)
    check("after minimise, broadcast and restore the face is as before", again == face,
          "" if again == face else s.save(again, "restored", 4))

    # The window menu and its icon leave the face whole (Alt+Space, Escape);
    # maximise is refused, from the menu (X is its mnemonic) and from
    # another program alike.
    s.key("alt+space")
    time.sleep(0.3)
    s.xdo("key", "Escape")
    s.park()
    again = s.settle(0, 0, WIDTH, HEIGHT)
    check("after Alt+Space, Escape the face is as before", again == face,
          "" if again == face else s.save(again, "after-menu", 4))
    s.key("alt+space")
    time.sleep(0.3)
    s.xdo("key", "x", "Escape")
    s.helper("maximize", "Tinctora")
    time.sleep(0.5)
    state = s.helper("winstate", "Tinctora")[1].split()
    check("maximise leaves the window as it is", (s.geometry(), state[4:]) == ((0, 0, WIDTH, HEIGHT), ["0"]),
          "geometry %r, state %r" % (s.geometry(), state))
    # A second start while this one is minimised restores it and ends,
    # with no second window and no settings written.
    s.click(54, 10)
    time.sleep(0.5)
    status, _ = s.wine(harness.EXE)
    state = s.helper("winstate", "Tinctora")[1].split()
    check("a second start ends with 0, restores the first and writes nothing",
          (status, state[:1], len(s.visible_windows()), s.registry()) == (0, ["0"], 1, None),
          "status %r, state %r, windows %r, key %r" % (status, state, s.visible_windows(), s.registry()))

    # Minimised during a drag and closed so: the close stores the face's place.
    s.move(40, 125)
    s.xdo("mousedown", 1)
    s.xdo("mousemove_relative", 5, 0)
    s.helper("minimize", "Tinctora")
    s.xdo("mouseup", 1)
    s.wine("taskkill", "/im", "tinctora.exe")
    status = s.wait_exit()
    check("a close while minimised ends the program with status 0", status == 0, "status %r" % status)
    deadline = time.monotonic() + 10
    while s.visible_windows() and time.monotonic() < deadline:
        time.sleep(0.1)
    check("the window is gone", not s.visible_windows())
    area = s.settle(0, 0, WIDTH, HEIGHT)
    gone = area.colors() == {BACKGROUND}
    check("the background shows where the window was", gone,
          "" if gone else s.save(area, "after-close", 4))
    saved = s.registry()
    want = {name: ("REG_DWORD", value) for name, value in
            [("alwyOnTop", "0x0"), ("snapTol", "0x8"), ("xPos", "0x0"), ("yPos", "0x0"),
             ("curColor", "0x0"), ("oldColor", "0x0"), ("copyForm", "0x0"),
             ("copyOnPick", "0x0"), ("sampleSize", "0x1"), ("magnifierZoom", "0x8"),
             ("pickHotkey", "0x1143"), ("visionFilter", "0x0")]}
    want.update(history=("REG_BINARY", ""), pinned=("REG_BINARY", ""))
    check("closing saves the first-run settings", saved == want, "key holds %r" % (saved,))

    # As Wine runs by default (the launcher's prefix), its windows managed,
    # without a window manager and under Openbox, and under Openbox with the
    # windows unmanaged (the run script's prefix): with Notepad over the
    # face and holding the keys, a second start and the pick hotkey each
    # bring the face forward, and the hotkey's pick hears the arrows and
    # Escape. A logoff, and under Openbox a close (Alt+F4), during such a
    # pick store the colour from before it.
    for wm, managed in (("", "Y"), ("openbox", "Y"), ("openbox", "N")):
        s.wine("reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v", "Managed", "/d", managed, "/f")
        if wm and managed == "Y":  # stopped by PID with the session's other processes
            s.procs.append(subprocess.Popen([wm], env=s.env, stdout=subprocess.DEVNULL,
                                            stderr=subprocess.DEVNULL))
        while wm and not s.xdo("get_num_desktops", check=False).strip():
            time.sleep(0.1)
        s.start()
        s.wine("notepad", wait=False)
        pad = s.xdo("search", "--sync", "--onlyvisible", "--name", "Notepad").split()[0]
        x, y, _, _ = s.geometry()
        shown = []
        for door in ((harness.WINE, harness.EXE), ("xdotool", "key", "super+shift+c")):
            s.xdo("windowmove", "--sync", pad, x, y, "windowraise", pad)
            s.click(300, 200)
            subprocess.run(door, env=s.env, timeout=60)
            bad = face_mismatches(s.settle(x, y, WIDTH, HEIGHT), art)
            shown.append([b[:2] for b in bad if not inside(SWATCH, *b[:2])] == [])
        s.xdo("key", "Right", "Right", "Escape", "sleep", 0.3)
        after = (s.xdo_shell("getmouselocation")["X"], "magnifier=0" in s.helper("state")[1])
        check("%s: a second start and the hotkey raise the face over Notepad" % (wm or "no WM"),
              shown == [True, True], repr(shown))
        check("the hotkey's pick hears the arrows and Escape", after == (302, True), repr(after))
        # A right click cancels such a pick; its release opens no menu in Notepad.
        s.xdo("key", "super+shift+c", "sleep", 0.5, "mousedown", 3, "sleep", 0.2, "mouseup", 3,
              "sleep", 1)
        below = s.screenshot().crop(302, 200, 80, 80).colors()
        s.xdo("key", "Escape")
        check("a right click's release goes to the pick it ended", below == {(255, 255, 255)},
              repr(below))
        # Notepad has the keyboard back after such a pick, however it ended;
        # the Enter that ended it is held back while down (its repeats) and
        # let go once released, here with Alt held. (With no manager a click moves no
        # X focus: it is put where the click would put it.)
        s.click(300, 200)
        if not wm:
            s.xdo("windowfocus", "--sync", pad)
        s.xdo("key", "super+shift+c", "sleep", 0.5, "keydown", "Return", "sleep", 1.2, "keydown",
              "alt", "keyup", "Return", "keyup", "alt", "sleep", 0.3, "type", "x")
        s.xdo("key", "Return", "type", "y")
        time.sleep(0.5)
        typed = s.helper("dialog", "Untitled - Notepad", "Notepad")[1].split("\n")[:3]
        s.wine("taskkill", "/f", "/im", "notepad.exe")
        check("the keys typed after the pick reach Notepad, none held back", typed == ["x", "", "y"],
              repr(typed))
        # Under a manager, a dialog of the face's closed, the face has the
        # keyboard: r lowers red. (With none a dialog never has the X focus.)
        if wm:
            s.click(x + 40, y + 125)
            red = [int(s.wine(harness.EXE, "--get", "--format", "hex")[1][:2], 16)]
            s.xdo("key", "shift+F10", "sleep", 0.5, "key", "t", "sleep", 1.5, "key", "Escape",
                  "sleep", 1, "key", "r")
            red.append(int(s.wine(harness.EXE, "--get", "--format", "hex")[1][:2], 16))
            check("after a dialog the face hears the keys", red[0] - red[1] == 10, repr(red))
        if wm:
            s.click(x + 40, y + 125)  # the face's: Openbox's Alt+F4 closes the window with the keys
        s.move(300, 200)
        s.xdo("key", "super+shift+c", "sleep", 0.5)
        # Openbox keeps Alt+F4 for the windows it manages.
        subprocess.run(("xdotool", "key", "alt+F4") if wm and managed == "Y"
                       else (harness.WINE, "wineboot", "--end-session"), env=s.env, timeout=60)
        stored = [s.wait_exit()] + [(s.registry() or {}).get(n) for n in ("curColor", "oldColor")]
        before = ["0xfffff5", "0xffffff"] if wm else ["0xffffff", "0x0"]
        check("a close or a logoff during a pick stores the colours from before it",
              stored == [0] + [("REG_DWORD", c) for c in before], repr(stored))


if __name__ == "__main__":
    sys.exit(harness.main("window", run))
