"""The face worked from the keyboard and the wheel: Tab and Shift+Tab walk
the controls with a focus ring that a mouse press hides, the keys work the
focused control, a pick runs from the keyboard onto a painted target, the
wheel steps the row under the pointer, the pick hotkey starts a pick
from another program that averages a square and copies what it takes, and
the History's palette items copy, save and open through the system's
dialogs."""
import os
import re
import sys
import time

import harness
from test_interaction import Picker
from test_window import face_mismatches

FACE = (40, 125)  # bare face, where resting the pointer shows no tooltip


def check(what, got, want):
    harness.check(what, got == want, "got %r, want %r" % (got, want))


def ring_shown(s, art):
    """The face points that differ from the face at rest, the swatch black."""
    face = s.settle(*s.geometry())
    return {(x, y) for x, y, _, _ in face_mismatches(face, art)}


def ring(left, top, right, bottom):
    """A control's rectangle grown by one pixel, less the rectangle."""
    return {(x, y) for x in range(left - 1, right + 1) for y in range(top - 1, bottom + 1)
            if not (left <= x < right and top <= y < bottom)}


def run(s):
    art, p = harness.skin(), Picker(s)
    s.start()
    s.click(*FACE)
    s.key(*["Tab"] * 8, at=FACE)  # the eighth control: Raise red
    check("Tab rings the eighth control", ring_shown(s, art), ring(55, 69, 64, 80))
    s.key("shift+Tab", at=FACE)
    check("Shift+Tab moves the ring back, none left behind", ring_shown(s, art),
          ring(28, 69, 55, 80))
    s.click(*FACE)
    check("a mouse press hides the ring", ring_shown(s, art), set())
    # Red readout: Page Up twice, Right, Up, Down; then Raise red: Space.
    s.key("Prior", "Prior", "Right", "Up", "Down", "Tab", "space", at=FACE)
    check("keys step the focused control", p.hex(), "3D0000")
    # A pick from the keyboard: the swatch, three back, Enter held past its
    # repeats; Shift+Right and Right onto the target, Enter takes it.
    s.paint("C0FFEE", 560, 200, 80, 80)  # up to the screen's right edge
    s.click(*FACE)
    s.key(*["shift+Tab"] * 3, at=FACE)
    s.move(548, 230)
    s.xdo("keydown", "Return", "sleep", 1, "keyup", "Return")
    s.xdo("key", "shift+Right", "Right", "Right", "Right")
    time.sleep(0.3)
    x, y, _, _ = s.geometry()
    screen = s.screenshot()
    s.xdo("key", "Return")
    check("the keys move the pick onto the target, Enter takes it",
          (screen.pixel(x + 40, y + 50), screen.pixel(x + 40, y + 25), p.hex()),
          ((0xC0, 0xFF, 0xEE), (0x3D, 0, 0), "C0FFEE"))
    # Again: the mouse moves the sample off the target, Escape cancels.
    s.key("space", at=FACE)
    s.move(200, 230)
    time.sleep(0.3)
    preview = s.screenshot().pixel(x + 40, y + 50)
    s.xdo("key", "Escape")
    colour = p.hex()
    s.key("ctrl+z", at=FACE)
    check("the mouse moves the pick, Escape puts colour and undo point back",
          (preview, colour, p.hex()), ((0, 0, 0), "C0FFEE", "3D0000"))
    # A press ends such a pick and does nothing more: a right click cancels
    # and its release copies nothing; a left click takes the colour under the
    # pointer (the preview, still the bare face's) and the double-click it
    # begins on the swatch pastes nothing.
    p.set_clipboard("123456")
    for button, repeat in ((3, 1), (1, 2)):
        s.key("space", at=FACE)
        s.move(x + 40, y + 50)
        s.xdo("click", "--repeat", repeat, "--delay", 80, button)
        time.sleep(0.3)
    kept = p.clipboard()
    check("a click ends the pick and acts on nothing else", (kept, p.hex()),
          ("123456", "%02X%02X%02X" % art.pixel(*FACE)))
    # A nudge past the screen's edge stops there, and the pick takes what
    # the screen shows at its edge, the target, not black.
    s.key("space", at=FACE)
    s.xdo("mousemove", 639, 230, "sleep", 0.2, "key", "Right", "shift+Right")
    time.sleep(0.3)
    preview = s.screenshot().pixel(x + 40, y + 50)
    s.xdo("key", "Return")
    check("a nudge stops at the screen's edge", (preview, p.hex()), ((0xC0, 0xFF, 0xEE), "C0FFEE"))
    s.key("ctrl+z", at=FACE)
    # The wheel: green up three notches and down one, nothing over the
    # swatch, the hex readout one lighter.
    for at, buttons in (((40, 86), [4, 4, 5, 4]), ((40, 30), [4]), ((40, 116), [4])):
        s.move(x + at[0], y + at[1])
        for b in buttons:
            s.xdo("click", b)
    check("wheel notches step the row under the pointer", p.hex(), "DDDFDD")
    # Green over the target's lower right quarter: a square centred on the
    # green's corner holds 4 of 9 or 9 of 25 green pixels. The hotkey, in
    # the paint window, starts the pick; Enter, or the hotkey again, takes
    # the mean, which is copied; the magnifier frames the square.
    s.paint("00FF60", 600, 240, 40, 40)
    s.click(*FACE)
    for menu, take, frame, want in (("3", "Return", (32, 57), "6BFFAF"),
                                    ("5", "super+shift+c", (24, 65), "7BFFBB")):
        for keys in (("e", menu), ("y", "p" if menu == "3" else "Escape", "Escape")):
            windows = re.search(" user=\\d+", s.helper("state")[1]).group()
            s.click(*FACE)  # the keyboard went back to the paint window after the pick
            s.key("alt+space", at=FACE)
            for _ in range(40):  # until the menu shows
                if windows not in s.helper("state")[1]:
                    break
            s.xdo("key", *keys)
        p.set_clipboard("x")
        s.move(600, 240)
        s.xdo("windowfocus", "--sync", s.visible_windows("^paint$")[-1])
        s.xdo("key", "super+shift+c")
        time.sleep(0.5)
        row = [s.screenshot().pixel(490 + i, 305) for i in range(90)]  # left of it
        s.xdo("key", take)
        black = [i for i in range(20, 70) if row[i] == (0, 0, 0)]
        check("hotkey, %s by %s average, magnifier frame, copy" % (menu, menu),
              (black, p.clipboard()), (list(frame), want))
    # Three colours in one hotkey pick (Shift+Enter, a Shift+click, Enter),
    # each copied, head the History in order; then L on the first: the face
    # follows a painter there until R.
    for i, rgb in enumerate(("123456", "654321", "ABCDEF")):
        s.paint(rgb, 300 + 40 * i, 350, 40, 40)

    def hotkey(at, *keys):
        s.click(*FACE)
        s.move(*at)
        s.xdo("windowfocus", "--sync", s.visible_windows("^paint$")[-1])
        s.xdo("key", "super+shift+c", "sleep", 0.6, *keys, "sleep", 0.4)

    hotkey((320, 370), "key", "shift+Return", "mousemove", 360, 370, "sleep", 0.3, "keydown",
           "shift", "click", 1, "keyup", "shift", "mousemove", 400, 370, "sleep", 0.3, "key", "Return")
    copied = p.clipboard()
    s.click(*FACE)
    s.key("shift+F10", at=FACE)
    s.xdo("sleep", 0.5, "key", "h", "a")
    check("three colours of one pick copied and in the History in order",
          (copied, p.clipboard().split("\n")[:3]), ("ABCDEF", ["ABCDEF", "654321", "123456"]))
    hotkey((320, 370), "key", "l")
    shown = []
    for rgb in ("0F1E2D", "E1D2C3"):
        s.paint(rgb, 300, 350, 40, 40)
        time.sleep(0.4)
        shown.append(s.screenshot().pixel(40, 40))
        s.click(*FACE)
        s.key("R", at=FACE)
    # Watched again, until Alt+Space, L (Stop watching); the pick gave the
    # keyboard back to the painter, so the face is clicked first.
    hotkey((320, 370), "key", "l")
    s.click(*FACE)
    s.key("alt+space", at=FACE)
    s.xdo("sleep", 0.5, "key", "l")
    s.paint("2D1E0F", 300, 350, 40, 40)
    time.sleep(0.4)
    shown.append(s.screenshot().pixel(40, 40))
    check("a watched point followed until R, and until Alt+Space, L", shown,
          [(0x0F, 0x1E, 0x2D), (0x19, 0x1E, 0x2D), (0xE1, 0xD2, 0xC3)])
    # The 31 by 31 mean at the screen's corner (] up to 31): of the 16 by
    # 16 pixels on the screen, 6 columns of one colour, 10 of another;
    # green 26.5 rounded up.
    s.paint("204000", 600, 440, 40, 40)
    s.paint("FF0401", 630, 440, 10, 40)
    hotkey((639, 479), *["key", "bracketright"] * 7, "key", "Return")
    check("the 31 by 31 mean at the corner", p.clipboard(), "AB1B01")
    # The still screen (Alt+Space, F): the hotkey's pick takes a hover
    # colour that goes as the face comes forward.
    s.paint("336699", 500, 100, 60, 60, "CC3300")
    for freeze in (True, False):
        s.click(*FACE)
        s.key("alt+space", at=FACE)
        s.xdo("sleep", 0.5, "key", "f")
        if freeze:
            s.click(530, 130)
            s.xdo("mousemove", 531, 131, "sleep", 0.4)
            hover = s.screenshot().pixel(510, 110)
            s.xdo("key", "super+shift+c", "sleep", 0.6, "key", "Return", "sleep", 0.4)
    check("the still screen picks a hover colour", (hover, p.clipboard()), ((0xCC, 0x33, 0), "CC3300"))
    # A pick that read no pixel (a hold released unmoved) takes and copies
    # nothing.
    p.set_clipboard("x")
    s.move(x + 40, y + 30)
    s.xdo("mousedown", 1, "sleep", 0.8, "mouseup", 1)
    check("a pick that read no pixel copies nothing", p.clipboard(), "x")
    # A move's button held through Alt+Space, which ends the move and waits
    # for the release: the hotkey meanwhile starts no pick, after the menu
    # one, also after a right click over the bare desktop ended a pick.
    s.key("super+shift+c", at=FACE)
    s.xdo("sleep", 0.5, "mousemove", 300, 400, "mousedown", 3, "sleep", 0.2, "mouseup", 3)
    s.move(x + 40, y + 125)
    s.xdo("mousedown", 1, "mousemove_relative", 5, 0, "key", "alt+space", "sleep", 0.3,
          "key", "super+shift+c", "sleep", 0.5)
    magnifier = [re.search(" magnifier=\\d", s.helper("state")[1]).group()]
    s.xdo("mouseup", 1, "sleep", 0.5, "key", "Escape")
    s.key("super+shift+c", at=FACE)
    magnifier.append(re.search(" magnifier=\\d", s.helper("state")[1]).group())
    s.xdo("key", "Escape")
    check("no pick from the hotkey while a menu waits for a release, one after",
          magnifier, [" magnifier=0", " magnifier=1"])
    # A copy template from the registry is the copy form; the context menu
    # copies another form once (Shift+F10, 3) and the contrast report (the
    # Menu key, C), and the copy form stays.
    s.key("alt+F4", at=FACE)
    s.wait_exit()
    template = "Color(0xFF{RR}{GG}{BB}) {{{name}}}"
    s.wine("reg", "add", harness.KEY, "/v", "copyTemplate", "/d", template, "/f")
    s.wine("reg", "add", harness.KEY, "/v", "copyForm", "/t", "REG_DWORD", "/d", "5", "/f")
    s.start()
    for text in ("#FFFFFF", "#767676"):
        p.set_clipboard(text)
        s.key("ctrl+v", at=FACE)
    copies = []
    for door, item in (("shift+F10", "3"), ("Menu", "c")):
        s.key(door, at=FACE)
        time.sleep(0.5)
        s.xdo("key", item)
        time.sleep(0.3)
        copies.append(p.clipboard())
    check("the template copies; the menu copies rgb() and the contrast once",
          (p.hex(), copies), ("Color(0xFF767676) {gray}", [
              "rgb(118, 118, 118)", "#767676 and #FFFFFF: contrast 4.54:1, AA"]))
    s.key("alt+F4", at=FACE)
    s.wait_exit()
    check("the template is saved", (s.registry() or {}).get("copyTemplate"), ("REG_SZ", template))
    # Copy all, the template still the copy form: the pinned colour, then
    # the recent ones, each once. A save by keyboard under a name outside
    # the ANSI code page, of the type chosen in the list (the third, CSS).
    s.start()

    def until(ready):  # 5 s at most
        for _ in range(50):
            if ready():
                break
            time.sleep(0.1)

    def history(*keys, dialog=None):
        s.key("shift+F10", at=FACE)
        time.sleep(0.5)
        s.xdo("key", "h", *keys)
        if dialog:
            until(lambda: s.visible_windows(dialog))
            time.sleep(0.5)  # until it takes keys

    history("c")
    for text in ("#FF8000", "#0A1E28"):
        p.set_clipboard(text)
        s.key("ctrl+v", at=FACE)
    history("p")
    history("a")
    copied = p.clipboard()
    # The name is a link: the file it leads to is replaced, the link kept.
    saved = os.path.join(s.tmp, "pal-\u4e2d.css")
    with open(os.path.join(s.tmp, "linked.css"), "w") as f:
        f.write("old")
    os.symlink("linked.css", saved)
    history("s", dialog="^Save As$")
    s.xdo("type", "Z:" + s.tmp.replace("/", "\\") + "\\pal-")
    s.xdo("type", "--delay", 300, "\u4e2d")  # time for Wine to map the key xdotool binds
    s.xdo("key", "Tab", "Down", "Down", "Return")
    time.sleep(1)
    s.xdo("key", "Return")  # yes, replace it
    until(lambda: not s.visible_windows("^Save As$"))  # the face is disabled until then
    check("Copy all", copied, "Color(0xFF0A1E28) {midnight blue}\nColor(0xFFFF8000) {dark orange}")
    # A pick from the hotkey ends as the menu opens; the hotkey does nothing
    # while the Open dialog shows. A .gpl with CR LF and names outside ASCII
    # pins its colours up to 16, the one pinned already kept in place.
    rows = ["GIMP Palette", "# x"] + ["%d %d %d\tn\u00e4me" % (i, 2 * i, 3 * i) for i in range(1, 20)]
    with open(os.path.join(s.tmp, "in.gpl"), "w", encoding="utf-8", newline="\r\n") as f:
        f.write("\n".join(rows + ["10 30 40", "300 0 0"]) + "\n")
    s.move(300, 300)
    s.xdo("key", "super+shift+c")
    until(lambda: "magnifier=1" in s.helper("state")[1])
    picking = s.helper("state")[1]
    history("o", dialog="^Open$")
    s.xdo("key", "super+shift+c")
    time.sleep(0.5)
    states = [re.search("magnifier=\\d", t).group() for t in (picking, s.helper("state")[1])]
    s.xdo("type", "Z:" + s.tmp.replace("/", "\\") + "\\in.gpl")
    s.xdo("key", "Return")
    until(lambda: s.helper("dialog", "Tinctora")[0] == 0)
    said = s.helper("dialog", "Tinctora")[1].split("\n")
    s.xdo("key", "Return")
    s.key("alt+F4", at=FACE)
    s.wait_exit()
    check("the palette saved; a pick ends, the hotkey waits, a palette opened is pinned and what"
          " did not fit said", (os.path.islink(saved) and open(saved).read(), states, said[2:3],
                                (s.registry() or {}).get("pinned")),
          (":root {\n  --color-1: #0a1e28; /* near midnight blue */\n"
           "  --color-2: #ff8000; /* near dark orange */\n}\n",
           ["magnifier=1", "magnifier=0"], ["16 of 20 colours pinned: the pinned colours hold 16"],
           ("REG_BINARY", "0A1E2800" + "".join("%02X%02X%02X00" % (i, 2 * i, 3 * i)
                                                for i in range(1, 16)))))


if __name__ == "__main__":
    sys.exit(harness.main("keyboard", run))
