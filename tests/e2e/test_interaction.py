"""The real program used as a person would: arrow clicks and drags, keys
and accelerators, the clipboard both ways, right-click copies, the
double-click paste, the eyedropper, window moves with snapping, the title
buttons, and the settings kept across a restart."""
import sys
import time

import harness

checks = []


def check(name, got, want):
    checks.append((name, got == want, got, want))


class Picker:
    def __init__(self, s):
        self.s = s

    def at(self, x, y):
        """A face point in screen pixels, wherever the window is now."""
        wx, wy, _, _ = self.s.geometry()
        return str(wx + x), str(wy + y)

    def click(self, x, y, button=1):
        self.s.xdo("mousemove", *self.at(x, y))
        self.s.xdo("click", str(button))
        time.sleep(0.2)

    def drag(self, x, y, dx, dy, steps=10, hold=0.1):
        self.s.xdo("mousemove", *self.at(x, y))
        self.s.xdo("mousedown", "1")
        time.sleep(hold)
        for _ in range(steps):
            self.s.xdo("mousemove_relative", "--", str(dx // steps), str(dy // steps))
            time.sleep(0.02)
        time.sleep(0.2)
        self.s.xdo("mouseup", "1")
        time.sleep(0.2)

    def hold_and_pick(self, x, y):
        """Holds on the swatch until the pick begins and moves the pointer
        to screen x, y and one pixel on, keeping the button down."""
        self.s.xdo("mousemove", *self.at(40, 30))
        self.s.xdo("mousedown", "1")
        time.sleep(0.8)
        self.s.xdo("mousemove", str(x), str(y))
        time.sleep(0.1)
        self.s.xdo("mousemove", str(x + 1), str(y + 1))
        time.sleep(0.3)

    def cancel(self, x, y, dx, dy, hold=0.1, then=(0, 0)):
        """Presses on face point x, y, holds, moves by dx, dy, types Escape,
        moves on by `then` and releases there."""
        self.s.xdo("mousemove", *self.at(x, y))
        self.s.xdo("mousedown", "1")
        time.sleep(hold)
        self.s.xdo("mousemove_relative", "--", str(dx), str(dy))
        self.s.xdo("windowfocus", "--sync", self.s.window)
        self.s.xdo("key", "Escape")
        self.s.xdo("mousemove_relative", "--", *map(str, then))
        time.sleep(0.2)
        self.s.xdo("mouseup", "1")
        time.sleep(0.2)

    def clipboard(self):
        time.sleep(0.3)
        return self.s.clipboard()

    def hex(self):
        """The colour as the program copies it with Ctrl+C."""
        self.s.key("ctrl+c")
        return self.clipboard()

    def set_clipboard(self, text):
        self.s.helper("settext", text)

    def tooltip(self, wait=3):
        """The text of the tooltip showing, waiting for one up to wait s."""
        for _ in range(int(wait * 5) + 1):
            text = self.s.helper("tooltips")[1].strip()
            if text or not wait:
                return text
            time.sleep(0.2)
        return text

    def state(self):
        return [int(v) for v in self.s.helper("winstate", "Tinctora")[1].split()]


def registry(s):
    """The program's REG_DWORD values as numbers."""
    return {name: int(text, 16) for name, (kind, text) in (s.registry() or {}).items()
            if kind == "REG_DWORD"}


def run(s):
    p = Picker(s)
    s.start()
    # Arrows: a click steps by 20; a 30-pixel drag by exactly 30; Ctrl+Z undoes it.
    p.click(59, 74)
    check("red up click", p.hex(), "140000")
    # A click whose pointer slips five pixels down, still on the arrow, is a
    # click all the same: only sideways travel makes a drag.
    s.xdo("mousemove", *p.at(59, 72))
    s.xdo("mousedown", "1")
    s.xdo("mousemove_relative", "0", "5")
    time.sleep(0.1)
    s.xdo("mouseup", "1")
    check("red up click with a vertical slip", p.hex(), "280000")
    s.key("ctrl+z")
    p.drag(59, 74, 30, 0, steps=3)
    check("red drag +30", p.hex(), "320000")
    s.key("ctrl+z")
    check("undo drag", p.hex(), "140000")
    p.click(22, 86)  # green down at 0 saturates
    p.click(59, 98)  # blue up
    check("green down, blue up", p.hex(), "140014")
    p.click(71, 116)  # lighten
    check("lighten", p.hex(), "281428")
    p.click(11, 116)  # darken
    check("darken", p.hex(), "140014")
    # A slip of a pixel either way is a click; a slide onto another arrow acts on neither.
    s.xdo("mousemove", *p.at(59, 74))
    s.xdo("mousedown", "1", "mousemove_relative", "1", "0", "mousemove_relative", "--", "-2", "0",
          "sleep", "0.1", "mouseup", "1")
    p.drag(59, 74, 0, 12, steps=3)
    check("a slip is a click, a slide steps nothing", p.hex(), "280014")
    s.key("r", "r")
    # Letter keys step by 10.
    s.key("R", "G", "B")
    check("RGB", p.hex(), "1E0A1E")
    s.key("r", "g", "b")
    check("rgb", p.hex(), "140014")
    s.key("W")
    check("W", p.hex(), "1E0A1E")
    s.key("w")
    check("w", p.hex(), "140014")
    # Copy and paste by every accelerator.
    p.set_clipboard("x")
    s.key("ctrl+x")
    check("ctrl+x copies", p.clipboard(), "140014")
    p.set_clipboard("x")
    s.key("ctrl+Insert")
    check("ctrl+insert copies", p.clipboard(), "140014")
    p.set_clipboard("FF8000 and more")
    s.key("ctrl+v")
    check("ctrl+v", p.hex(), "FF8000")
    p.set_clipboard("0x1F")
    s.key("shift+Insert")
    check("shift+insert", p.hex(), "00001F")
    p.set_clipboard("##123456")
    s.key("ctrl+v")
    check("rejected paste", p.hex(), "00001F")
    s.key("ctrl+z")
    check("undo paste", p.hex(), "FF8000")
    # Right-click copies.
    p.click(40, 74, 3)
    check("right-click red", p.clipboard(), "255")
    p.click(40, 86, 3)
    check("right-click green", p.clipboard(), "128")
    p.click(40, 30, 3)
    check("right-click swatch", p.clipboard(), "FF8000")
    p.set_clipboard("keep")
    p.click(5, 125, 3)
    check("right-click face copies nothing", p.clipboard(), "keep")
    # Double-click on the swatch pastes and starts no pick.
    p.set_clipboard("336699")
    s.xdo("mousemove", *p.at(40, 30))
    s.xdo("click", "--repeat", "2", "--delay", "80", "1")
    time.sleep(0.6)
    check("double-click paste", p.hex(), "336699")
    # Eyedropper over a window of a known colour; undo returns to before.
    paint = s.paint("C0FFEE", 300, 200, 80, 80)
    p.hold_and_pick(330, 230)
    screen = s.screenshot()
    s.save(screen, "pick")
    wx, wy, _, _ = s.geometry()
    s.save(screen.crop(wx, wy, 83, 132), "window", 3)  # the README's picture
    check("preview lower half", screen.pixel(wx + 40, wy + 50), (0xC0, 0xFF, 0xEE))
    check("upper half keeps", screen.pixel(wx + 40, wy + 25), (0x33, 0x66, 0x99))
    # Held there, a letter, a paste and the swap change nothing; Ctrl+C
    # copies the colour shown.
    p.set_clipboard("000000")
    s.xdo("key", "r", "ctrl+v", "ctrl+z", "ctrl+c")
    check("keys during a pick change nothing, Ctrl+C copies it", p.clipboard(), "C0FFEE")
    s.xdo("mouseup", "1")
    time.sleep(0.3)
    check("picked", p.hex(), "C0FFEE")
    s.key("ctrl+z")
    check("undo pick", p.hex(), "336699")
    # Escape cancels a pick, and a drag released over another arrow, which
    # then steps nothing: the undo point stays the one from before both.
    p.cancel(40, 30, 290, 200, hold=0.8)
    check("escape cancels a pick", p.hex(), "336699")
    # A press that Escape cancelled is no first click of a double-click.
    p.set_clipboard("123456")
    s.xdo("windowfocus", "--sync", s.window)
    s.xdo("mousemove", *p.at(40, 30))
    s.xdo("mousedown", "1", "key", "Escape", "mouseup", "1", "click", "1", "sleep", "0.3")
    check("a quick press after a cancel pastes nothing", p.hex(), "336699")
    p.cancel(59, 74, 30, 0, then=(0, 12))
    check("escape cancels a drag", p.hex(), "336699")
    s.key("ctrl+z")
    check("and keeps the undo point", p.hex(), "C0FFEE")
    s.key("ctrl+z")
    at = s.geometry()[:2]
    p.cancel(40, 125, 100, 50)
    check("escape puts a moved window back", s.geometry()[:2], at)
    # Alt+Space during a move ends it where it is, and the menu opens once
    # the button is up: the release over where its items show chooses none,
    # Escape closes it and the face takes the next click.
    s.xdo("mousemove", *p.at(40, 125))
    s.xdo("mousedown", "1", "mousemove_relative", "40", "0", "sleep", "0.2", "key", "alt+space",
          "sleep", "0.3", "mousemove_relative", "5", "3", "sleep", "0.2", "mouseup", "1",
          "sleep", "0.5", "key", "Escape", "sleep", "0.3")
    moved = s.geometry()[:2]
    p.click(59, 74)
    check("Alt+Space ends a move, the face answers", (moved, p.hex()), ((at[0] + 40, at[1]), "476699"))
    p.drag(40, 125, -40, 0, steps=2)
    s.key("ctrl+z")
    # Shift+F10 likewise: the context menu waits too, its release copies no
    # form.
    p.set_clipboard("kept")
    s.xdo("mousemove", *p.at(40, 125))
    s.xdo("mousedown", "1", "mousemove_relative", "40", "0", "sleep", "0.2", "key", "shift+F10",
          "sleep", "0.3", "mousemove_relative", "5", "3", "sleep", "0.2", "mouseup", "1",
          "sleep", "0.5", "key", "Escape", "sleep", "0.3")
    check("Shift+F10 ends a move, its release copies nothing", (s.geometry()[:2], p.clipboard()),
          ((at[0] + 40, at[1]), "kept"))
    p.drag(40, 125, -40, 0, steps=2)
    # A native X window over the right half of that Wine window: the pick
    # reads what the screen shows there, not the covered window's surface.
    native = s.native_paint("5A1E3C", 340, 200, 40, 80)
    p.hold_and_pick(350, 230)
    s.xdo("mouseup", "1")
    time.sleep(0.3)
    check("pick over a native window", p.hex(), "5A1E3C")
    native.kill()
    paint.kill()
    # Window moves: a known distance, then snaps to each work-area edge.
    p.drag(40, 125, 100, 50)
    check("moved", s.geometry()[:2], (100, 50))
    p.drag(40, 125, -95, -45, steps=5)
    check("snap left and top", s.geometry()[:2], (0, 0))
    p.drag(40, 125, 640 - 83 - 5, 480 - 132 - 5, steps=5)
    check("snap right and bottom", s.geometry()[:2], (640 - 83, 480 - 132))
    p.drag(40, 125, -200, -200, steps=4)
    x, y, _, _ = s.geometry()
    # Title buttons: on top, snap off, minimise.
    p.click(28, 10)
    check("topmost on", p.state()[1], 1)
    # The window menu reaches the toggles from the keyboard: Alt+Space, O.
    for want in (0, 1):
        s.key("alt+space")
        time.sleep(0.3)
        s.xdo("key", "o")
        time.sleep(0.3)
        check("window menu always on top -> %d" % want, p.state()[1], want)
    # Hover help: the close button's tip is hidden by a menu the keyboard
    # opens away from it, and the swatch's, due as the menu opens, shows not
    # over it; resting on the red readout shows its name; a press hides it
    # and none shows while the button is held.
    s.xdo("mousemove", *p.at(70, 10), "mousemove_relative", "1", "0")
    p.tooltip()
    s.xdo("windowfocus", "--sync", s.window, "key", "shift+F10", "sleep", 0.5)
    tips = [p.tooltip(wait=0)]
    s.xdo("key", "Escape", "mousemove", *p.at(40, 40), "key", "shift+F10", "sleep", 1.5)
    check("no hover help over the menu the keyboard opens", tips + [p.tooltip(wait=0)], ["", ""])
    s.xdo("key", "Escape")
    s.xdo("mousemove", *p.at(40, 74))
    s.xdo("mousemove_relative", "1", "0")
    check("hover help", p.tooltip(),
          "Red: right-click to copy, arrow keys or wheel for 1, Page Up or Down for 20")
    s.xdo("mousedown", "1")
    time.sleep(1.5)
    check("no hover help while held", p.tooltip(wait=0), "")
    s.xdo("mouseup", "1")
    p.click(12, 10)
    p.drag(40, 125, 0, -(y - 4), steps=4)
    check("no snap when off", s.geometry()[1], 4)
    p.click(54, 10)
    check("minimised", p.state()[0], 1)
    return x


def main():
    s = harness.Session("interaction")
    try:
        x = run(s)
        # Close through the title button; the settings are saved.
        s.helper("restore", "Tinctora")
        time.sleep(0.3)
        Picker(s).click(70, 10)
        check("close status", s.wait_exit(), 0)
        reg = registry(s)
        check("saved", (reg.get("alwyOnTop"), reg.get("snapTol"), reg.get("xPos"), reg.get("yPos"),
                        reg.get("curColor"), reg.get("oldColor")),
              (1, 0, x, 4, 0x3C1E5A, 0x996633))
        # The next start reads them back.
        s.start()
        check("restored position", s.geometry()[:2], (x, 4))
        check("restored colour", Picker(s).hex(), "5A1E3C")
        check("restored topmost", Picker(s).state()[1], 1)
        # The copy form, chosen in the window menu: Alt+Space, Y, 4.
        s.key("alt+space")
        time.sleep(0.3)
        s.xdo("key", "y", "4")
        check("copy as hsl()", Picker(s).hex(), "hsl(330, 50%, 24%)")
        # Logoff ends the program after WM_ENDSESSION, with no WM_DESTROY:
        # what changed since the start is kept all the same.
        s.key("R")
        s.wine("wineboot", "--end-session")
        check("logoff ends the program", s.wait_exit() is not None, True)
        check("logoff saves", (registry(s).get("curColor"), registry(s).get("copyForm")),
              (0x3C1E64, 3))
        s.start()
        check("the copy form is kept", Picker(s).hex(), "hsl(334, 54%, 25%)")
        # Stylesheet colours paste as browsers show them (CSS Color 4's and
        # the web-platform-tests' values); Copy format 5 writes oklch(),
        # which pastes back exactly.
        p = Picker(s)

        def menu(*keys):
            s.key("alt+space")
            time.sleep(0.3)
            s.xdo("key", *keys)

        def copy_form(digit):
            menu("y", digit)
        for text, want in (("lab(29.2345% 39.3825 20.0664)", "7D2329"), (" DarkOrange;", "FF8C00"),
                           ("color(display-p3 0.21604 0.49418 0.13151 / 0.5)", "008000"),
                           ("hwb(320deg 30% 40%)", "994D80")):
            copy_form("5")
            p.set_clipboard(text)
            s.key("ctrl+v")
            oklch = p.hex()
            for paste in ("black", oklch):
                p.set_clipboard(paste)
                s.key("ctrl+v")
            copy_form("1")
            check("paste of %s, copied as oklch() and back" % text, (oklch[:6], p.hex()),
                  ("oklch(", want))
        # Copy format 7, 8, 9, 0 and K; and the context menu, whose K copies
        # cmyk() once, also with no template between.
        copies = []
        for key in "7890k":
            copy_form(key)
            copies.append(p.hex())
            for paste in ("black", copies[-1]):
                p.set_clipboard(paste)
                s.key("ctrl+v")
            copy_form("1")
            copies.append(p.hex())
        s.key("shift+F10")
        time.sleep(0.5)
        s.xdo("key", "k")
        time.sleep(0.3)
        check("hsv(), hwb(), lab(), lch() and cmyk() copied and pasted back", copies + [p.clipboard()], [
            "hsv(320, 50%, 60%)", "994D80", "hwb(319.7 30.2% 40%)", "994D80", "lab(43.82 37.3 -14)",
            "994D80", "lch(43.82 39.84 339.43)", "994D80", "cmyk(0%, 50%, 16%, 40%)", "994D81",
            "cmyk(0%, 50%, 16%, 40%)"])
        # The history: two pastes, one copied, then a pick that the window
        # menu interrupts, which ends first with its colour; the menu opens
        # once the button is up: H, 2 then gives the colour before it, and
        # Ctrl+Z goes back.
        for text in ("102030", "405060"):
            p.set_clipboard(text)
            s.key("ctrl+v")
        p.hex()
        paint = s.paint("C0FFEE", 300, 200, 80, 80)
        p.hold_and_pick(330, 230)
        s.xdo("windowfocus", "--sync", s.window)
        s.xdo("key", "alt+space", "sleep", "0.3", "mouseup", "1", "sleep", "0.5", "key", "h", "2")
        check("a pick, then Alt+Space, H, 2", p.hex(), "405060")
        s.key("ctrl+z")
        check("back to the pick", p.hex(), "C0FFEE")
        paint.kill()
        # A move by the window menu's Move and the arrow keys is what the
        # close stores.
        x0, y0 = s.geometry()[:2]
        s.key("alt+space")
        time.sleep(0.3)
        s.xdo("key", "m", *(["Right"] * 10 + ["Down"] * 5 + ["Return"]))
        time.sleep(0.5)
        moved = s.geometry()[:2]
        s.key("alt+F4")
        check("close status", s.wait_exit(), 0)
        reg = registry(s)
        check("a move by the window menu is stored", (reg.get("xPos"), reg.get("yPos")),
              moved if moved != (x0, y0) else "a move")
        # It is there after a start; a pinned colour stays first after a clear.
        s.start()
        menu("h", "3")
        check("the history after a start", p.hex(), "102030")
        for item in "pc":
            menu("h", item)
        p.set_clipboard("AABBCC")
        s.key("ctrl+v")
        menu("h", "1")
        check("the pinned colour first after a clear", p.hex(), "102030")
        s.key("alt+F4")
        s.wait_exit()
        stored = s.registry()
        check("what is stored", (stored["history"], stored["pinned"]),
              (("REG_BINARY", "10203000AABBCC00"), ("REG_BINARY", "10203000")))
    except Exception as e:  # report what ran so far
        checks.append(("exception", False, repr(e), None))
    finally:
        s.close()
    failed = [c for c in checks if not c[1]]
    for name, ok, got, want in checks:
        if not ok:
            print("FAIL %s: got %r, want %r" % (name, got, want))
    print("%d passed, %d failed" % (len(checks) - len(failed), len(failed)))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
