"""The monkey: the real program driven with random real input from a seed,
every rule checked after each action and at every rest.

Input comes from xdotool (presses, clicks, holds, drags over painted
targets, keys, the wheel), from another process (win_helper: the
clipboard, window commands, broadcasts, the accessible object's default
actions, the registry between runs) and from new starts. The seeds in SEEDS,
each of which once found a fault, run first, then one fresh seed until the
time is up. A failure prints the seed, the rule and the last 50 actions;
the same seed replays the same run:

    TINCTORA_MONKEY_SEED=1234 TINCTORA_MONKEY_MINUTES=5 python3 tests/e2e/test_monkey.py

TINCTORA_MONKEY_MINUTES (default 3) bounds the whole run."""
import collections
import ctypes
import os
import random
import re
import select
import subprocess
import sys
import time
import traceback

import harness

# Seeds that once found a fault, run first: (seed, actions, what it found).
SEEDS = [(976335248, 110, "a stored colour with a top byte, which the program keeps and does not show")]
MINUTES = float(os.environ.get("TINCTORA_MONKEY_MINUTES", "3"))
ONE_SEED = os.environ.get("TINCTORA_MONKEY_SEED")

WIDTH, HEIGHT = 83, 132
# The controls in reading order, child ids 1 to 17: face rectangles.
CONTROLS = [("snap", (6, 5, 19, 15)), ("top", (22, 5, 35, 15)), ("min", (48, 5, 61, 15)),
            ("close", (64, 5, 77, 15)), ("swatch", (18, 20, 65, 60)),
            ("redDown", (18, 69, 28, 80)), ("red", (28, 69, 55, 80)), ("redUp", (55, 69, 64, 80)),
            ("greenDown", (18, 81, 28, 92)), ("green", (28, 81, 55, 92)),
            ("greenUp", (55, 81, 64, 92)), ("blueDown", (18, 93, 28, 104)),
            ("blue", (28, 93, 55, 104)), ("blueUp", (55, 93, 64, 104)),
            ("darken", (7, 111, 17, 122)), ("hex", (17, 111, 67, 122)),
            ("lighten", (67, 111, 76, 122))]
RECT = dict(CONTROLS)
TITLE = ("snap", "top", "min", "close")
ARROWS = ("redDown", "redUp", "greenDown", "greenUp", "blueDown", "blueUp", "darken", "lighten")
# Where each readout's text starts; the hex pairs split at the next pair.
DECIMAL = [("red", (32, 68)), ("green", (32, 81)), ("blue", (32, 93))]
PAIRS = [(19, 110, 36), (36, 110, 52), (52, 110, 67)]
TEXT = (10, 10, 10)
# Painted targets: a Wine window and a native X one.
PAINT, NATIVE = ("C0FFEE", 300, 200, 80, 80), ("5A1E3C", 440, 300, 60, 60)
CLIPS = ["FF8000", "#ff8000", "0x1F", " ff80", "rgb(255, 128, 0)", "rgba(10, 20, 30, 0.5)",
         "rgb(100% 50% 0% / 0.5)", "hsl(30deg, 100%, 50%)", "hsla(200, 60%, 10%, 1)", "#F80",
         "#F80C", "oklch(0.7 0.1 30)", "hello", "##123456", "", "7" * 3000, "-12", "rgb(1,2"]
FORMS = ("hex", "#hex", "rgb", "hsl", "oklch")

class Fault(Exception):
    pass


def inside(rect, x, y):
    return rect[0] <= x < rect[2] and rect[1] <= y < rect[3]


def control_at(x, y):
    return next((name for name, r in CONTROLS if inside(r, x, y)), None)


def hsl(r, g, b):
    """The program's hsl(): exact ratios rounded halves up."""
    def q(n, d):
        return (2 * n + d) // (2 * d)
    high, low = max(r, g, b), min(r, g, b)
    spread, total = high - low, high + low
    if not spread:
        return "hsl(0, 0%%, %d%%)" % q(total * 100, 510)
    hue = (60 * (g - b) if high == r else 120 * spread + 60 * (b - r) if high == g
           else 240 * spread + 60 * (r - g)) % (360 * spread)
    return "hsl(%d, %d%%, %d%%)" % (q(hue, spread) % 360,
                                     q(spread * 100, total if total <= 255 else 510 - total),
                                     q(total * 100, 510))


# The program's oklch() text: lightness and chroma with at most five
# decimals, a hue below 360 with at most three.
OKLCH = re.compile(r"oklch\((0|1|0\.\d{0,4}[1-9]) (0|\d\.\d{0,4}[1-9]|\d) (\d{1,3}(\.\d{0,2}[1-9])?)\)$")


def oklch_rgb(text):
    """The sRGB colour of an oklch() text as the program writes it, or None;
    through XYZ with CSS Color 4's matrices, as the program reads it."""
    import math
    m = OKLCH.match(text)
    if not m or float(m.group(3)) >= 360:
        return None
    l, c, h = (float(m.group(i)) for i in (1, 2, 3))
    a, b = c * math.cos(math.radians(h)), c * math.sin(math.radians(h))
    v = [(l + 0.3963377773761749 * a + 0.2158037573099136 * b) ** 3,
         (l - 0.1055613458156586 * a - 0.0638541728258133 * b) ** 3,
         (l - 0.0894841775298119 * a - 1.2914855480194092 * b) ** 3]
    for m in (((1.2268798758459243, -0.5578149944602171, 0.2813910456659647),
               (-0.0405757452148008, 1.1122868032803170, -0.0717110580655164),
               (-0.0763729366746601, -0.4214933324022432, 1.5869240198367816)),
              ((12831 / 3959, -329 / 214, -1974 / 3959), (-851781 / 878810, 1648619 / 878810,
               36519 / 878810), (705 / 12673, -2585 / 12673, 705 / 667))):
        v = [sum(k * x for k, x in zip(row, v)) for row in m]
    def srgb(v):
        v = max(0.0, min(1.0, v))
        v = 12.92 * v if v <= 0.0031308 else 1.055 * math.exp(math.log(v) / 2.4) - 0.055
        return math.floor(max(0.0, min(1.0, v)) * 255 + 0.5 + 1e-5)
    return tuple(srgb(x) for x in v)


def copy_text_ok(text, rgb, form):
    """Whether a copy of colour rgb in form reads as the program writes it:
    the oklch() form pastes back exactly."""
    r, g, b = rgb
    want = {"hex": "%02X%02X%02X" % rgb, "#hex": "#%02X%02X%02X" % rgb,
            "rgb": "rgb(%d, %d, %d)" % rgb, "hsl": hsl(r, g, b)}.get(form)
    return text == want if want else oklch_rgb(text) == tuple(rgb)


class CursorImage(ctypes.Structure):
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short), ("width", ctypes.c_ushort),
                ("height", ctypes.c_ushort), ("xhot", ctypes.c_ushort), ("yhot", ctypes.c_ushort),
                ("serial", ctypes.c_ulong), ("pixels", ctypes.POINTER(ctypes.c_ulong))]


class Cursor:
    """The pointer's image on the display, as XFixes gives it."""

    def __init__(self, display):
        self.x11, self.xf = ctypes.CDLL("libX11.so.6"), ctypes.CDLL("libXfixes.so.3")
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.dpy = ctypes.c_void_p(self.x11.XOpenDisplay(display.encode()))
        self.xf.XFixesGetCursorImage.restype = ctypes.POINTER(CursorImage)
        self.xf.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
        n = ctypes.c_int()
        self.xf.XFixesQueryExtension(self.dpy, ctypes.byref(n), ctypes.byref(n))

    def image(self):
        img = self.xf.XFixesGetCursorImage(self.dpy).contents
        data = (img.width, img.height, img.xhot, img.yhot,
                tuple(img.pixels[i] for i in range(img.width * img.height)))
        self.x11.XFree(ctypes.byref(img))
        return data

    def close(self):
        self.x11.XCloseDisplay(self.dpy)


class Helper:
    """win_helper's serve mode: one Windows process answering questions."""

    def __init__(self, s):
        self.p = subprocess.Popen([harness.WINE, harness.HELPER, "serve"], env=s.env,
                                  stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                  stderr=subprocess.DEVNULL)
        s.procs.append(self.p)

    def ask(self, *words, timeout=30):
        """The answer's lines, the last "status=N"."""
        os.write(self.p.stdin.fileno(), ("\t".join(map(str, words)) + "\n").encode("latin-1"))
        out, deadline = b"", time.monotonic() + timeout
        while not (out == b".\n" or out.endswith(b"\n.\n")):
            if not select.select([self.p.stdout], [], [], max(0, deadline - time.monotonic()))[0]:
                raise Fault("no answer to %r within %d s: a window hangs" % (words[0], timeout))
            out += os.read(self.p.stdout.fileno(), 65536).replace(b"\r", b"")
        return out.decode("latin-1").split("\n")[:-2]


class Monkey:
    def __init__(self, s):
        self.s, self.help, self.art = s, Helper(s), harness.skin()
        self.cursor, self.arrow = Cursor(s.display), None
        self.glyph, self.adv, self.width = {}, {}, 0
        self.log = collections.deque(maxlen=50)
        self.objects = {"gdi": [], "user": []}
        self.actions = 0

    # Observing

    def rule(self, name, ok, detail=""):
        if not ok:
            raise Fault("%s -- %s" % (name, detail))

    def state(self):
        lines = self.help.ask("state")
        return {k: int(v) for k, v in (w.split("=") for w in lines[0].split())}

    def alive(self):
        return self.s.app.poll() is None

    def after_close(self):
        """An action that may have closed the program: if it did, with
        status 0, and a new start; a close that had to happen happened."""
        status = self.s.wait_exit(5 if self.closing == "yes" else 0.5)
        if self.held:
            self.s.xdo("mouseup", 1)
            self.held = None
        self.rule("a close ends the program", status is not None or self.closing != "yes")
        self.closing = None
        if status is not None:
            self.rule("a close ends the program with status 0", status == 0, "status %r" % status)
            self.changes()
            self.start()

    def quick(self):
        """The rules that hold after every action; the state."""
        st = self.state()
        self.rule("the process is alive unless the run closed it", self.alive() and "x" in st,
                  "%r, exit status %r" % (st, self.s.app.poll()))
        self.rule("exactly one window titled Tinctora", st["windows"] == 1, repr(st))
        self.rule("the window answers within 2 s", st["answers"] == 1)
        if not st["iconic"]:
            self.rule("the window has the face's size and is not maximised",
                      (st["width"], st["height"], st["zoomed"]) == (WIDTH, HEIGHT, 0), repr(st))
            x, y = st["x"], st["y"]
            self.rule("the window lies on a monitor's work area",
                      x < 640 and y < 480 and x + WIDTH > 0 and y + HEIGHT > 0, repr(st))
        # What the last input ends may show for a moment, until it is handled:
        # a tip from before the press, a pick's magnifier until its release.
        if self.held:
            st = self.gone(st, "tooltip")
            self.rule("no tooltip while a button is held", not st["tooltip"], repr(st))
        elif not self.kbpick:
            st = self.gone(st, "magnifier")
            self.rule("no magnifier while no button is held and no pick runs",
                      not st["magnifier"], repr(st))
        self.st = st
        return st

    def gone(self, st, what):
        """The state once `what` no longer shows, or after a second."""
        for _ in range(20):
            if not st[what]:
                break
            time.sleep(0.05)
            st = self.state()
        return st

    def copied(self):
        """What Ctrl+C puts on the clipboard."""
        marker = "monkey-%d" % self.actions
        self.help.ask("settext", marker)
        seq = self.help.ask("clipseq")
        self.keys("ctrl+c")
        # Read once the copy has changed the clipboard: a read opens it, and
        # the program's copy, which never waits, finds it busy meanwhile.
        for _ in range(200):
            if self.help.ask("clipseq") != seq:
                *text, status = self.help.ask("cliptext")  # status 1: the clipboard was busy
                if status == "status=0" and text != [marker]:
                    return "\n".join(text)
            time.sleep(0.05)
        self.rule("Ctrl+C copies within 10 s", False)

    def face(self):
        x, y = self.st["x"], self.st["y"]
        return self.s.settle(max(x, 0), max(y, 0), min(WIDTH, 640 - x, WIDTH + x),
                             min(HEIGHT, 480 - y, HEIGHT + y)), max(-x, 0), max(-y, 0)

    def mask(self):
        """Face pixels the focus indicator may cover."""
        st = self.st
        if not st.get("focus"):
            return lambda x, y: False
        left, top = st["fx"] - st["x"] - 2, st["fy"] - st["y"] - 2
        right, bottom = left + st["fwidth"] + 4, top + st["fheight"] + 4
        return lambda x, y: left <= x < right and top <= y < bottom

    def ink(self, face, ox, oy, left, top, right, bottom, origin, masked):
        """Text pixels of a face area relative to a text origin; None when
        the area is not wholly on the screen."""
        if left < ox or top < oy or right - ox > face.width or bottom - oy > face.height:
            return None
        return {(x - origin[0], y - origin[1]) for y in range(top, bottom)
                for x in range(left, right)
                if not masked(x, y) and face.pixel(x - ox, y - oy) == TEXT}

    def readouts(self, face, ox, oy, masked=lambda x, y: False):
        dec = [self.ink(face, ox, oy, *RECT[name], origin, masked) for name, origin in DECIMAL]
        pairs = [self.ink(face, ox, oy, x, 111, end, 122, (x, y), masked) for x, y, end in PAIRS]
        return dec, pairs

    def expected(self, rgb, masked):
        """The readouts' ink for a colour, from the glyphs learnt."""
        def shift(points, dx):
            return {(x + dx, y) for x, y in points}
        dec = [set().union(*(shift(self.glyph[c], i * self.width) for i, c in enumerate("%03d" % v)))
               for v in rgb]
        pairs = [self.glyph[p[0]] | shift(self.glyph[p[1]], self.adv[p[0]])
                 for p in ("%02X" % v for v in rgb)]
        def unmasked(points, origin):
            return {(x, y) for x, y in points if not masked(x + origin[0], y + origin[1])}
        return ([unmasked(d, o) for d, (_, o) in zip(dec, DECIMAL)],
                [unmasked(p, (x, y)) for p, (x, y, _) in zip(pairs, PAIRS)])

    def rest(self):
        """Every rule that holds at rest."""
        if self.quick()["iconic"]:
            return
        self.point(self.bare_point())
        text = self.copied()
        face, ox, oy = self.face()
        st = self.state()
        self.rule("no magnifier and no tooltip at rest", not st["magnifier"] and not st["tooltip"],
                  repr(st))
        cursor = self.cursor.image()
        self.arrow = self.arrow or cursor
        self.rule("the cursor is the arrow outside a pick", cursor == self.arrow)
        masked = self.mask()
        lit = {"snap": st.get("snap"), "top": st["topmost"]}
        bad, swatch = [], set()
        for y in range(oy, oy + face.height):
            for x in range(ox, ox + face.width):
                got, c = face.pixel(x - ox, y - oy), control_at(x, y)
                if masked(x, y) or (x in (0, 82) and 20 <= y <= 68):
                    continue
                if c == "swatch":
                    swatch.add(got)
                    continue
                want = self.art.pixel(x + 83 if lit.get(c) else x, y)
                if got != want and not (c in ("red", "green", "blue", "hex") and got == TEXT):
                    bad.append((x, y, got, want))
        self.rule("the face at rest is the skin with the toggles", not bad,
                  "%d pixels, first %r, toggles %r" % (len(bad), bad[:3], lit))
        self.rule("the swatch shows one colour", len(swatch) <= 1, repr(sorted(swatch)[:4]))
        if not swatch:
            return
        rgb = swatch.pop()
        shown = sum(self.readouts(face, ox, oy, masked), [])
        wrong = [i for i, (got, want) in enumerate(zip(shown, sum(self.expected(rgb, masked), [])))
                 if got is not None and got != want]
        self.rule("the readouts show the swatch's colour", not wrong,
                  "colour %02X%02X%02X, readouts %r differ (red, green, blue, hex pairs)"
                  % (rgb + (wrong,)))
        self.rule("Ctrl+C copies the colour shown in the chosen form",
                  copy_text_ok(text, rgb, self.form), "%r for %r in %s" % (text, rgb, self.form))
        for kind in ("gdi", "user"):
            seen = self.objects[kind]
            seen.append(st[kind])
            self.rule("the %s object count stays near its first idle value" % kind.upper(),
                      st[kind] <= self.base[kind] + (12 if kind == "gdi" else 2),
                      "%d, first %d" % (st[kind], self.base[kind]))
        self.shown = (rgb, st)

    # Acting

    def do(self, what, *xdo):
        self.log.append("%7.2f %s" % (time.monotonic() - self.began, what))
        if xdo:
            self.s.xdo(*xdo)

    def at(self, p):
        return self.st["x"] + p[0], self.st["y"] + p[1]

    def point(self, p):
        self.s.move(*self.at(p))

    def keys(self, *keys, what=None):
        """Keys to the program, the pointer left where it is."""
        self.do(what or "keys " + " ".join(map(str, keys)), "windowfocus", "--sync", self.s.window,
                "key", *keys)

    def on_screen(self, p):
        x, y = self.at(p)
        return 0 <= x < 640 and 0 <= y < 480

    def bare_point(self):
        for _ in range(1000):
            p = (self.rng.randrange(2, 81), self.rng.randrange(0, HEIGHT))
            if not control_at(*p) and self.on_screen(p):
                return p
        return None

    def control_point(self, name):
        r = RECT[name]
        p = (self.rng.randrange(r[0], r[2]), self.rng.randrange(r[1], r[3]))
        return p if self.on_screen(p) else self.bare_point()

    def target(self):
        """A face point to press: a control's, the swatch's or the bare face's."""
        pick = self.rng.random()
        if pick < 0.2:
            return self.bare_point()
        return self.control_point("swatch" if pick < 0.45 else self.rng.choice(list(RECT)))

    def screen_point(self):
        r = self.rng.random()
        if r < 0.4:
            _, x, y, w, h = PAINT if r < 0.2 else NATIVE
            return x + self.rng.randrange(w), y + self.rng.randrange(h)
        return self.rng.randrange(640), self.rng.randrange(480)

    def press(self):
        p = self.target()
        if not p:
            return self.drag_home()
        self.point(p)
        self.do("press at face %r (%s)" % (p, control_at(*p)), "mousedown", 1)
        # A press ends a pick from the keyboard, and then does nothing else.
        self.held = {"on": control_at(*p), "at": time.monotonic(), "nudged": False,
                     "escaped": False, "moves": 0, "pick": self.kbpick}
        self.kbpick = None

    def release(self):
        held, self.held = self.held, None
        loc = self.s.xdo_shell("getmouselocation")
        x, y = loc["X"], loc["Y"]
        over = control_at(x - self.st["x"], y - self.st["y"])
        self.do("release at %d,%d (%s)" % (x, y, over), "mouseup", 1)
        # The control under the release acts after a press on a title button,
        # and after one on the swatch unless a pick began; after a press on
        # an arrow only that arrow does.
        if over == "close" and not held["escaped"] and held["on"] in TITLE + ("swatch",):
            self.closing = "yes" if held["on"] in TITLE and not held["pick"] else "maybe"

    def while_held(self):
        held, r = self.held, self.rng.random()
        if held["moves"] > 8 or r < 0.2:
            return self.release()
        held["moves"] += 1
        if r < 0.35 or (held["on"] == "swatch" and held["moves"] == 1 and r < 0.7):
            self.do("hold", "sleep", self.rng.choice((0.2, 0.6, 0.9)))
        elif r < 0.45:
            dx, dy = self.rng.choice((-1, 1, 0)), self.rng.choice((-2, 2, 0))
            self.do("tremble %d,%d" % (dx, dy), "mousemove_relative", "--", dx, dy, "sleep", 0.05,
                    "mousemove_relative", "--", -dx, -dy)
        elif r < 0.6:
            to = self.target()
            if to:
                self.slide(self.at(to), "slide to face %r (%s)" % (to, control_at(*to)))
        elif r < 0.75:
            self.slide(self.screen_point(), "drag across the screen")
        elif r < 0.85:
            held["nudged"] = True
            self.keys(self.rng.choice(("Left", "Right", "Up", "Down", "shift+Right", "shift+Up")))
        elif r < 0.9:
            held["escaped"] = True
            self.keys("Escape")
        elif r < 0.95:
            self.other()
        else:
            self.idle_key()

    def slide(self, to, what):
        loc = self.s.xdo_shell("getmouselocation")
        steps = self.rng.randrange(1, 8)
        path = []
        for i in range(1, steps + 1):
            path += ["mousemove", loc["X"] + (to[0] - loc["X"]) * i // steps,
                     loc["Y"] + (to[1] - loc["Y"]) * i // steps, "sleep", 0.02]
        self.do(what, *path)

    def idle_key(self):
        r = self.rng.random()
        if r < 0.3:
            self.keys(self.rng.choice("RGBWrgbwxq"))
        elif r < 0.6:
            keys = self.rng.sample(["Tab", "shift+Tab", "Left", "Right", "Up", "Down", "Prior",
                                    "Next", "space", "Return"], self.rng.randrange(1, 4))
            self.keys(*keys)
            # Space and Enter press the focused control: it may be Close, or
            # the swatch, whose pick from the keyboard then runs.
            if not self.held and ("space" in keys or "Return" in keys):
                self.closing = self.kbpick = "maybe"
        else:
            self.keys(self.rng.choice(("ctrl+c", "ctrl+x", "ctrl+v", "ctrl+z", "ctrl+Insert",
                                       "shift+Insert", "Escape")))

    def menu(self):
        """The window menu or the context menu from the keyboard: a toggle,
        a copy form, a move, minimise, close (C in the window menu), a copy
        once (a digit or C in the context menu), the history or nothing."""
        user = self.st["user"]
        door = self.rng.choice(("alt+space", "alt+space", "shift+F10", "Menu"))
        self.keys(door)
        for _ in range(50):
            if self.state()["user"] > user:
                break
            time.sleep(0.02)
        choice = self.rng.choice(["p", "o", "y", "m", "n", "x", "Escape", "c"] if door == "alt+space"
                                 else ["p", "o", "y", "1", "3", "5", "Escape", "c"])
        # Drawn apart, so that the older seeds draw as they did.
        if self.history_rng.random() < 0.2:
            choice = "h"
        if choice == "h":
            # An entry, pin or clear; Escape closes what stays open.
            self.keys("h", self.history_rng.choice("1234569pc"), "Escape", "Escape")
        elif choice == "y":
            n = self.rng.randrange(1, 6)
            self.keys("y", str(n), "Escape", "Escape")
            self.form = FORMS[n - 1]
        elif choice == "m":
            moves = [self.rng.choice(("Left", "Right", "Up", "Down")) for _ in range(5)]
            self.keys("m", *moves, "Return")
        elif choice == "c" and door == "alt+space":
            self.closing = "yes"
            self.keys("c")
        else:
            self.keys(choice, "Escape")

    def other(self):
        """Events from another process."""
        r = self.rng.random()
        if r < 0.3:
            child = self.rng.randrange(1, 18)
            if child == 4:
                self.closing = "yes"
            self.do("default action of child %d" % child)
            self.help.ask("act", child)
        elif r < 0.5:
            self.do("minimise and restore from another process")
            self.help.ask("minimize", "Tinctora")
            time.sleep(self.rng.choice((0, 0.3)))
            self.help.ask("restore", "Tinctora")
        elif r < 0.6:
            self.do("maximise from another process")
            self.help.ask("maximize", "Tinctora")
        elif r < 0.85:
            what = self.rng.choice(("settings", "display"))
            self.do("broadcast " + what)
            self.help.ask("broadcast", what)
        else:
            self.do("second start")
            status, _ = self.s.wine(harness.EXE)
            self.rule("a second start ends with status 0", status == 0, "status %r" % status)

    def clipboard(self):
        r = self.rng.random()
        if r < 0.8:
            text = self.rng.choice(CLIPS)
            self.do("clipboard text %r" % text[:40])
            self.help.ask("settext", text) if text else self.help.ask("clip", "empty")
        else:
            what = "image" if r < 0.9 else "empty"
            self.do("clipboard " + what)
            self.help.ask("clip", what)

    def idle(self):
        if self.st["iconic"]:
            self.do("restore from another process")
            return self.help.ask("restore", "Tinctora")
        r = self.rng.random()
        if r < 0.3:
            p = self.target()
            if not p:
                return self.drag_home()
            self.point(p)
            button = 3 if r < 0.05 else 1
            repeat = 2 if r < 0.1 else 1
            if control_at(*p) == "close" and button == 1:
                self.closing = "maybe" if self.kbpick else "yes"
            self.do("click %d x%d at face %r (%s)" % (button, repeat, p, control_at(*p)),
                    "click", "--repeat", repeat, "--delay", 80, button)
            self.kbpick = None
        elif r < 0.5:
            self.press()
        elif r < 0.65:
            self.point(self.bare_point() or (2, 2))
            self.idle_key()
        elif r < 0.7:
            p = self.target()
            if p:
                self.point(p)
                self.do("wheel at face %r (%s)" % (p, control_at(*p)), "click", "--repeat",
                        self.rng.randrange(1, 4), self.rng.choice((4, 5)))
        elif r < 0.77:
            self.clipboard()
        elif r < 0.83:
            self.point(self.bare_point() or (2, 2))
            self.menu()
        elif r < 0.95:
            self.other()
        else:
            self.close()
            self.start()

    def drag_home(self):
        """The face dragged wholly onto the screen, by a point of it that shows."""
        x, y = self.st["x"], self.st["y"]
        dx, dy = min(max(x, 0), 640 - WIDTH) - x, min(max(y, 0), 480 - HEIGHT) - y
        p = self.bare_point()
        if p and (dx or dy):
            self.point(p)
            self.do("drag the face onto the screen", "mousedown", 1, "sleep", 0.1,
                    "mousemove_relative", "--", dx, dy, "sleep", 0.2, "mouseup", 1)
            self.quick()

    # Starts and closes

    def start(self):
        self.s.start()
        self.closing = self.held = self.kbpick = None
        self.st = self.state()
        # One of each first use, so that what stays loaded for good (the
        # hover help, the window menu, the context menu, the magnifier) is in
        # the first value.
        self.point(self.control_point("red"))
        self.s.xdo("mousemove_relative", 1, 0, "sleep", 1)
        self.point(self.bare_point())
        self.keys("alt+space", "sleep", 0.3, "key", "Escape", what="warm-up menu")
        self.keys("Menu", "sleep", 0.3, "key", "h", "sleep", 0.3, "key", "Escape", "Escape",
                  what="warm-up context menu and history")
        self.point(self.control_point("swatch"))
        self.s.xdo("mousedown", 1, "sleep", 0.7, "mousemove_relative", 5, 5, "sleep", 0.2,
                   "mousemove_relative", "--", -5, -5, "mouseup", 1)
        self.base = {kind: self.state()[kind] for kind in ("gdi", "user")}

    def close(self):
        """A close by one of its doors after a look at what the face shows,
        the previous colour by swapping twice; the settings saved checked,
        and sometimes changed."""
        self.end_gesture()
        if self.st["iconic"]:
            self.help.ask("restore", "Tinctora")
        self.quick()
        self.drag_home()
        self.rest()
        rgb, st = self.shown
        self.keys("ctrl+z", what="swap to see the previous colour")
        old = self.face()[0].pixel(40 - max(-st["x"], 0), 30 - max(-st["y"], 0))
        self.keys("ctrl+z", what="swap back")
        door = self.rng.choice(("alt+F4", "button", "action"))
        self.do("close by " + door)
        self.closing = "yes"
        if door == "alt+F4":
            self.keys("alt+F4")
        elif door == "button":
            self.point(self.control_point("close"))
            self.s.xdo("click", 1)
        else:
            self.help.ask("act", 4)
        status = self.s.wait_exit(10)
        self.rule("a close ends the program with status 0", status == 0, "status %r" % status)
        reg = self.s.registry() or {}
        lists = {"history", "pinned"}
        self.rule("every setting is a REG_DWORD, the colour lists REG_BINARY",
                  {k for k, (t, _) in reg.items()} >= {"alwyOnTop", "snapTol", "xPos", "yPos",
                                                        "curColor", "oldColor", "copyForm"} | lists
                  and all(t == ("REG_BINARY" if k in lists else "REG_DWORD")
                          for k, (t, _) in reg.items()), repr(reg))
        got = {k: int(v, 16) for k, (_, v) in reg.items() if k not in lists}
        # A colour's top byte is kept as it was stored, and shown by nothing.
        got["curColor"] &= 0xFFFFFF
        got["oldColor"] &= 0xFFFFFF
        bgr = lambda c: c[0] | c[1] << 8 | c[2] << 16  # noqa: E731
        want = {"curColor": bgr(rgb), "oldColor": bgr(old), "xPos": st["x"] & 0xFFFFFFFF,
                "yPos": st["y"] & 0xFFFFFFFF, "alwyOnTop": st["topmost"],
                "copyForm": FORMS.index(self.form)}
        self.rule("the settings saved are what the face showed",
                  all(got[k] == v for k, v in want.items())
                  and (got["snapTol"] != 0) == bool(st.get("snap")), "saved %r, shown %r" % (got, want))
        self.closing = None
        self.changes()

    def changes(self):
        """Sometimes the registry changed between runs, as a user or an
        older or newer version might."""
        if self.rng.random() < 0.5:
            return
        values = {"alwyOnTop": (0, 1, 7), "snapTol": (0, 8, 1, 1000, 0xFFFFFFFF),
                  "xPos": (0, 100, 557, -40, 5000, 0x80000000), "yPos": (0, 200, 348, -100, 9999),
                  "curColor": (0, 0x123456, 0xFFFFFF, 0xFF123456, 0x01000010),
                  "oldColor": (0xABCDEF, 0x80000000), "copyForm": (0, 1, 2, 3, 4, 5, 99)}
        for name in self.rng.sample(sorted(values), self.rng.randrange(1, 4)):
            value = self.rng.choice(values[name]) & 0xFFFFFFFF
            self.do("registry %s = 0x%X" % (name, value))
            self.help.ask("regset", name, value)
            if name == "copyForm":
                self.form = FORMS[value] if value < len(FORMS) else "hex"

    def end_gesture(self):
        """What is held let go and a pick from the keyboard cancelled, for a
        rest."""
        if self.held:
            self.release()
        if self.kbpick:
            self.point(self.bare_point() or (2, 2))
            self.keys("Escape")
        self.kbpick = None
        if self.closing:
            self.after_close()

    def calibrate(self):
        """The readouts' glyphs, learnt from colours pasted on the first
        run: each decimal digit, its width, each hex letter and its advance."""
        self.point(self.bare_point())
        for text in ("000000", "7B91A7", "BD0009", "0A0B0C", "0D0E0F", "A0B0C0", "D0E0F0"):
            self.help.ask("settext", text)
            self.keys("ctrl+v")
            face, ox, oy = self.face()
            dec, pairs = self.readouts(face, ox, oy)
            rgb = [int(text[i:i + 2], 16) for i in (0, 2, 4)]
            for ink, value in zip(dec, rgb):
                if not self.width:  # "000": three copies of one glyph
                    left = min(x for x, _ in ink)
                    self.width = next(w for w in range(3, 16) if ink == {
                        (x + i * w, y) for x, y in ink if x < left + w for i in range(3)})
                for i, c in enumerate("%03d" % value):
                    self.glyph.setdefault(c, {(x - i * self.width, y) for x, y in ink
                                              if i * self.width <= x < (i + 1) * self.width})
            for ink, pair in zip(pairs, ("%02X" % v for v in rgb)):
                if pair[0] == "0" and pair[1] not in self.glyph:
                    self.glyph[pair[1]] = {(x - self.width, y) for x, y in ink if x >= self.width}
                elif pair[1] == "0" and pair[0] not in self.adv:
                    rest = ink - self.glyph[pair[0]]
                    self.adv[pair[0]] = min(x for x, _ in rest) - min(x for x, _ in self.glyph["0"])
        self.adv.update({c: self.width for c in "0123456789"})
        self.help.ask("settext", "FF00")
        self.form = "hex"
        self.point(self.bare_point())
        self.keys("alt+space", "sleep", 0.3, "key", "y", "5", "sleep", 0.1, "key", "Escape",
                  "Escape")
        self.form = "oklch"

    def run(self, seed, actions, until):
        """One seed's run, from a first start with an empty clipboard."""
        self.rng, self.form = random.Random(seed), "hex"
        self.history_rng = random.Random(seed + 1)
        self.help.ask("regclear")
        self.help.ask("clip", "empty")
        self.s.park()
        self.start()
        self.rest()
        done = 0
        while done < actions and time.monotonic() < until:
            done += 1
            self.actions += 1
            self.while_held() if self.held else self.idle()
            if self.closing:
                self.after_close()
            self.quick()
            if not self.held and self.rng.random() < 0.25:
                self.end_gesture()
                self.rest()
        self.end_gesture()
        self.close()
        return done


def main():
    if not os.path.exists(harness.EXE):
        print("FAIL: %s is not built" % harness.EXE)
        return 1
    fresh = int(ONE_SEED) if ONE_SEED else random.SystemRandom().randrange(1 << 31)
    seeds = [(fresh, 10 ** 9, "fresh")] if ONE_SEED else SEEDS + [(fresh, 10 ** 9, "fresh")]
    began = time.monotonic()
    until = began + 60 * MINUTES
    status = 0
    with harness.Session("monkey") as s:
        s.helper("warmup")
        paint = s.paint(*PAINT)
        s.native_paint(*NATIVE)
        m = Monkey(s)
        m.began, m.rng = began, random.Random(0)
        m.start()
        m.calibrate()
        m.rest()
        m.close()
        for seed, actions, found in seeds:
            print("seed %d (%s)" % (seed, found), flush=True)
            try:
                m.run(seed, actions, until)
            except Exception as e:  # a rule failed, or the run could not go on
                print("FAIL seed %d: %s: %s" % (seed, type(e).__name__, e))
                if not isinstance(e, Fault):
                    traceback.print_exc()
                print("last actions:\n  " + "\n  ".join(m.log))
                print("state:", " ".join(m.help.ask("state")))
                print("screen:", s.save(s.screenshot(), "failure-%d" % seed))
                status = 1
                break
        minutes = (time.monotonic() - began) / 60
        print("%d actions in %.1f minutes, %.0f a minute" % (m.actions, minutes, m.actions / minutes))
        for kind, seen in m.objects.items():
            if seen:
                print("%s objects at rest: %d to %d" % (kind.upper(), min(seen), max(seen)))
        paint.kill()
        m.cursor.close()
    print("all rules held" if not status else "a rule failed")
    return status


if __name__ == "__main__":
    sys.exit(main())
