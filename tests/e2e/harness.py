"""End-to-end harness: the real tinctora.exe under Wine, on a prefix and a
virtual display of its own, driven with xdotool and read back through
screenshots, the X clipboard and the registry.

Each Session makes a fresh prefix from hard links to the booted template
(build/wineprefix), starts its own Xvfb and wineserver, and tears all of it
down again on close, whatever happened in between. A TwoMonitors session
runs on an Xorg server with two monitors instead of Xvfb. Everything a
session starts is stopped by PID or through this prefix's own wineserver."""
import os
import select
import shutil
import struct
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(ROOT, "scripts"))
from screenshot import Image, parse_xwd  # noqa: E402  (the same reader as run.sh's)

BUILD = os.path.join(ROOT, "build", "windows")
EXE = os.environ.get("TINCTORA_EXE", os.path.join(BUILD, "tinctora.exe"))
HELPER = os.environ.get("TINCTORA_HELPER", os.path.join(BUILD, "tests", "win_helper.exe"))
OUT = os.environ.get("TINCTORA_E2E_OUT", os.path.join(ROOT, "build", "e2e"))
TEMPLATE = os.environ.get("TINCTORA_WINEPREFIX", os.path.join(ROOT, "build", "wineprefix"))
WINE = "/usr/lib/wine/wine64"
WINESERVER = "/usr/lib/wine/wineserver64"
KEY = r"HKCU\Software\Arvex\Tinctora"
FONT_SUBSTITUTES = r"HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes"


def read_bmp(path):
    """An Image from an uncompressed 24-bit or 8-bit BMP, bottom-up or
    top-down, or an 8-bit bottom-up one in BI_RLE8."""
    data = open(path, "rb").read()
    offset, = struct.unpack_from("<I", data, 10)
    width, height, _, bits, compression = struct.unpack_from("<iiHHI", data, 18)
    assert data[:2] == b"BM" and bits in (8, 24) and compression in (0, bits == 8), "not a BMP read here"
    # An 8-bit image's colour table follows the header: blue, green, red, 0.
    colours = struct.unpack_from("<I", data, 46)[0] or 256
    table = [bytes((data[54 + 4 * i + 2], data[54 + 4 * i + 1], data[54 + 4 * i]))
             for i in range(colours if bits == 8 else 0)]
    stride = (bits // 8 * width + 3) & ~3
    if compression:  # runs of (count, index), or 0, n and n indices; 0, 0 ends a row
        lines, at = [b""], offset
        while data[at:at + 2] != b"\0\1":
            n, v = data[at], data[at + 1]
            run = bytes((v,)) * n if n else data[at + 2:at + 2 + v] if v > 2 else None
            at += 2 + (0 if n else v + v % 2 if v > 2 else 0)
            lines[-1:] = [lines[-1] + run] if run is not None else [lines[-1].ljust(stride, b"\0"), b""]
        data, offset = b"".join(lines), 0
    rgb = bytearray()
    for y in range(abs(height)):
        row = y if height < 0 else abs(height) - 1 - y
        line = data[offset + row * stride:offset + (row + 1) * stride]
        for x in range(width):
            rgb += table[line[x]] if bits == 8 else bytes(reversed(line[3 * x:3 * x + 3]))
    return Image(width, abs(height), rgb)


def skin():
    """The skin image: normal frame at x 0-82, lit frame at x 83-165."""
    return read_bmp(os.path.join(ROOT, "res", "skin.bmp"))


class Session:
    """A fresh prefix, display and wineserver; use it in a with block."""

    def __init__(self, name, screen="640x480x24"):
        self.name, self.procs, self.xserver, self.timings = name, [], None, {}
        self.tmp = tempfile.mkdtemp(prefix="tinctora-e2e-")
        os.makedirs(OUT, exist_ok=True)
        try:
            self._make_prefix()
            self._start_display(screen)
            self.env = dict(os.environ, DISPLAY=self.display, WINEPREFIX=self.prefix,
                            WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d")
            subprocess.run([WINESERVER, "-p"], env=self.env, stdin=subprocess.DEVNULL,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True, timeout=30)
        except BaseException:
            self.close()
            raise

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def _make_prefix(self):
        subprocess.run([os.path.join(ROOT, "scripts", "wine-prefix.sh")], check=True,
                       env=dict(os.environ, TINCTORA_WINEPREFIX=TEMPLATE))
        start = time.monotonic()
        self.prefix = os.path.join(self.tmp, "prefix")
        subprocess.run(["cp", "-al", TEMPLATE, self.prefix], check=True)
        # Hard links share the template's files: give this prefix registry
        # files of its own, and no trace of the template's wineserver.
        for name in os.listdir(self.prefix):
            path = os.path.join(self.prefix, name)
            if name.endswith(".reg"):
                text = open(path, encoding="latin-1").read()
                os.unlink(path)
                with open(path, "w", encoding="latin-1") as f:
                    f.write(forget_program_key(text) if name == "user.reg" else text)
            elif name == "wineserver":
                os.unlink(path)
        self.timings["fresh prefix"] = time.monotonic() - start

    def _x_server(self, screen, fd):
        """Starts the X server, which writes its display number to fd."""
        return subprocess.Popen(
            ["Xvfb", "-displayfd", str(fd), "-screen", "0", screen, "-nolisten", "tcp", "-noreset"],
            pass_fds=(fd,), stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL)

    def _start_display(self, screen):
        start = time.monotonic()
        for _ in range(3):
            r, w = os.pipe()
            self.xserver = self._x_server(screen, w)
            os.close(w)
            # Read up to the newline: the server dies if the pipe closes before it.
            text, chunk, deadline = b"", b"-", time.monotonic() + 20
            while chunk and not text.endswith(b"\n") and time.monotonic() < deadline:
                if select.select([r], [], [], 1)[0]:
                    chunk = os.read(r, 32)
                    text += chunk
            os.close(r)
            number = text.decode().strip()
            self.display = ":" + number
            # A stale socket from a killed server can leave a number that
            # takes no client: then try another display.
            if number and subprocess.run(["xdotool", "getdisplaygeometry"], timeout=20,
                                         env=dict(os.environ, DISPLAY=self.display),
                                         stdout=subprocess.DEVNULL,
                                         stderr=subprocess.DEVNULL).returncode == 0:
                self.timings["display"] = time.monotonic() - start
                return
            self._stop_display()
        raise RuntimeError("the X server did not start")

    def _stop_display(self):
        if self.xserver and self.xserver.poll() is None:
            self.xserver.terminate()
            try:
                self.xserver.wait(10)
            except subprocess.TimeoutExpired:
                self.xserver.kill()
                self.xserver.wait()

    # Windows programs

    def wine(self, *args, wait=True, timeout=60):
        """Runs a Windows program in this prefix. With wait, returns its exit
        status and output; else the process, its output going to p.out.
        Output goes to a file: Wine's background processes inherit it and
        would hold a pipe open."""
        out = os.path.join(self.tmp, "out-%d.txt" % len(self.procs))
        with open(out, "w") as f:
            p = subprocess.Popen([WINE] + list(args), env=self.env, stdin=subprocess.DEVNULL,
                                 stdout=f, stderr=subprocess.DEVNULL)
        p.out = out
        self.procs.append(p)
        if not wait:
            return p
        status = p.wait(timeout)
        return status, open(out).read()

    def helper(self, *args):
        return self.wine(HELPER, *args)

    def paint(self, rgb, x, y, w, h, timeout=60):
        """A plain window of colour RRGGBB at x, y, w by h; its process."""
        p = self.wine(HELPER, "paint", rgb, str(x), str(y), str(w), str(h), wait=False)
        deadline = time.monotonic() + timeout
        while "ready" not in open(p.out).read():
            if p.poll() is not None or time.monotonic() > deadline:
                raise RuntimeError("the paint window did not show")
            time.sleep(0.05)
        self.settle(x, y, w, h)
        return p

    def native_paint(self, rgb, x, y, w, h, timeout=20):
        """A native X window (xlogo, drawn all in one colour RRGGBB) at x, y,
        w by h, above whatever is there; its process."""
        colour = "#" + rgb
        p = subprocess.Popen(["xlogo", "-geometry", "%dx%d+%d+%d" % (w, h, x, y), "-bw", "0",
                              "-bg", colour, "-fg", colour], env=self.env,
                             stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
        self.procs.append(p)
        want = tuple(int(rgb[i:i + 2], 16) for i in (0, 2, 4))
        deadline = time.monotonic() + timeout
        while self.screenshot().crop(x, y, w, h).colors() != {want}:
            if p.poll() is not None or time.monotonic() > deadline:
                raise RuntimeError("the native window did not show")
            time.sleep(0.1)
        return p

    def use_locale(self, locale):
        """Runs the programs started from now on in a locale (LANG). Wine
        draws right-to-left text in the first font alone, and in Hebrew its
        dialog font is its own Tahoma, which has no Hebrew letters: there
        "MS Shell Dlg", which the menus, tooltips and dialogs use, is made
        DejaVu Sans, after the first program has set up the fonts of the
        locale (which would undo it)."""
        self.env.update(LANG=locale, LC_ALL=locale)
        if locale.startswith("he_"):
            self.wine("reg", "add", FONT_SUBSTITUTES, "/v", "MS Shell Dlg", "/t", "REG_SZ",
                      "/d", "DejaVu Sans", "/f")

    def start(self, timeout=60):
        """Starts tinctora.exe and waits until its window shows and stops
        changing; returns the X window id."""
        begin = time.monotonic()
        self.app = self.wine(EXE, wait=False)
        search = subprocess.Popen(
            ["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Tinctora$"],
            env=self.env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        try:
            while search.poll() is None:
                if self.app.poll() is not None:
                    raise RuntimeError("tinctora.exe ended with status %d before its window showed"
                                       % self.app.returncode)
                if time.monotonic() - begin > timeout:
                    raise RuntimeError("no Tinctora window within %d s" % timeout)
                time.sleep(0.05)
        finally:
            if search.poll() is None:
                search.kill()
        self.window = search.communicate()[0].split()[0]
        self.timings["start to window"] = time.monotonic() - begin
        self.settle(*self.geometry())
        self.timings["start to painted"] = time.monotonic() - begin
        return self.window

    def wait_exit(self, timeout=20):
        """The program's exit status, or None if it is still running."""
        try:
            return self.app.wait(timeout)
        except subprocess.TimeoutExpired:
            return None

    # The display

    def xdo(self, *args, timeout=20, check=True):
        return subprocess.run(["xdotool"] + [str(a) for a in args], env=self.env, check=check,
                              timeout=timeout, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                              text=True).stdout

    def xdo_shell(self, command, *args):
        """The numbers an xdotool command prints with --shell, by name."""
        pairs = (line.split("=") for line in self.xdo(command, "--shell", *args).split())
        return {k: int(v) for k, v in pairs if v.lstrip("-").isdigit()}

    def geometry(self, window=None):
        """Screen x, y, width and height of a window (Tinctora's by default)."""
        g = self.xdo_shell("getwindowgeometry", window or self.window)
        return g["X"], g["Y"], g["WIDTH"], g["HEIGHT"]

    def visible_windows(self, title="^Tinctora$"):
        return self.xdo("search", "--onlyvisible", "--name", title, check=False).split()

    def screenshot(self):
        out = os.path.join(self.tmp, "screen.xwd")
        # xwd fails now and then (BadMatch) while a window is being mapped.
        for attempt in (1, 2):
            with open(out, "wb") as f:
                r = subprocess.run(["xwd", "-root", "-silent"], env=self.env, stdout=f,
                                   stderr=subprocess.DEVNULL, timeout=30)
            if r.returncode == 0 or attempt == 2:
                r.check_returncode()
                return parse_xwd(open(out, "rb").read())
            time.sleep(0.1)

    def settle(self, x, y, w, h, timeout=10):
        """Waits until an area of the screen looks the same twice in a row;
        returns it."""
        last = None
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            area = self.screenshot().crop(x, y, w, h)
            if area == last:
                return area
            last = area
            time.sleep(0.15)
        return last

    def save(self, image, what, scale=1):
        """Saves an image as build/e2e/<session>-<what>.png; its path."""
        path = os.path.join(OUT, "%s-%s.png" % (self.name, what))
        image.save(path, scale)
        return path

    # Input: there is no window manager, so the focus follows the pointer.

    def move(self, x, y):
        """Puts the pointer at screen x, y and waits until it is there."""
        loc = self.xdo_shell("getmouselocation")
        if (loc["X"], loc["Y"]) != (x, y):  # --sync would wait for a move that never comes
            self.xdo("mousemove", "--sync", x, y)

    def park(self):
        """Puts the pointer in the screen's bottom-right corner, off the
        program's face, where resting it would show a control's tooltip."""
        g = self.xdo_shell("getdisplaygeometry")
        self.move(g["WIDTH"] - 1, g["HEIGHT"] - 1)

    def click(self, x, y, button=1):
        self.move(x, y)
        self.xdo("click", button)

    def drag(self, x0, y0, x1, y1, steps=10, hold=0.1):
        """Presses at x0, y0, holds, moves in steps to x1, y1, releases."""
        self.move(x0, y0)
        self.xdo("mousedown", 1)
        time.sleep(hold)
        for i in range(1, steps + 1):
            self.xdo("mousemove", x0 + (x1 - x0) * i // steps, y0 + (y1 - y0) * i // steps)
            time.sleep(0.02)
        self.xdo("mouseup", 1)

    def key(self, *keys, at=(40, 100)):
        """Sends keys to Tinctora, the pointer on face point `at` first."""
        x, y, _, _ = self.geometry()
        self.move(x + at[0], y + at[1])
        self.xdo("windowfocus", "--sync", self.window)
        self.xdo("key", *keys)

    # Clipboard and registry

    def clipboard(self):
        """The X clipboard's text, or None when nothing offers text."""
        out = os.path.join(self.tmp, "clipboard.txt")
        with open(out, "wb") as f:
            r = subprocess.run(["xclip", "-o", "-selection", "clipboard"], env=self.env,
                               stdout=f, stderr=subprocess.DEVNULL, timeout=10)
        return open(out, encoding="latin-1").read() if r.returncode == 0 else None

    def registry(self, key=KEY):
        """The values under a registry key as {name: (type, text)}, or None
        when the key does not exist."""
        status, out = self.wine("reg", "query", key)
        if status != 0:
            return None
        values = {}
        for line in out.splitlines():
            parts = line.split(None, 2)
            if len(parts) >= 2 and parts[1].startswith("REG_"):
                values[parts[0]] = (parts[1], parts[2] if len(parts) == 3 else "")
        return values

    def close(self):
        for p in self.procs:
            if p.poll() is None:
                p.kill()
                p.wait()
        if getattr(self, "env", None):
            for flag in ("-k", "-w"):
                try:
                    subprocess.run([WINESERVER, flag], env=self.env, stdin=subprocess.DEVNULL,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=30)
                except subprocess.TimeoutExpired:
                    pass
        self._stop_display()
        shutil.rmtree(self.tmp, ignore_errors=True)




class TwoMonitors(Session):
    """A Session on Xorg's dummy driver with two monitors: the primary,
    output DUMMY0 at 1024 by 768, and a second, DUMMY1 at 800 by 600, at
    first right of the primary. Wine puts the primary's top left at (0, 0)
    wherever X has it, so X's screen x, y (xdotool, screenshots) is Wine's
    plus self.origin. The pointer stays on the monitors: X's screen corners
    that no monitor covers cannot be reached."""

    def __init__(self, name):
        super().__init__(name)
        try:
            # Only a living desktop process takes in xrandr's changes; without
            # one Wine goes on reporting the layout it first saw.
            self.wine(HELPER, "idle", wait=False)
            self.helper("warmup")
        except BaseException:
            self.close()
            raise

    def _x_server(self, screen, fd):
        conf = os.path.join(ROOT, "scripts", "xorg-two-monitors.conf")
        return subprocess.Popen(
            ["Xorg", "-displayfd", str(fd), "-config", conf, "-noreset", "-nolisten", "tcp",
             "-logfile", os.path.join(self.tmp, "xorg.log")],
            pass_fds=(fd,), stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL)

    def _start_display(self, screen):
        super()._start_display(screen)
        self.xrandr("--newmode", "800x600_60", "38.25", "800", "832", "912", "1024",
                    "600", "603", "607", "624", "-hsync", "+vsync")
        self.xrandr("--addmode", "DUMMY1", "800x600_60")
        self.arrange("right")

    def xrandr(self, *args):
        # The dummy driver calls an output connected only once a client has
        # asked, so every change is followed by a query.
        for command in (args, ("--query",)):
            subprocess.run(["xrandr"] + list(command), env=dict(os.environ, DISPLAY=self.display),
                           check=True, timeout=20, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL)

    def arrange(self, second):
        """Puts the second monitor "right" or "left" of the primary, tops
        aligned, or switches it "off". Returns the monitors Wine should then
        report, as monitors() gives them."""
        if second not in ("right", "left", "off"):
            raise ValueError("no such place for the second monitor: %r" % second)
        primary = (0, 0, 1024, 768) * 2 + (1,)
        if second == "off":
            self.xrandr("--output", "DUMMY1", "--off", "--output", "DUMMY0", "--mode", "1024x768",
                        "--pos", "0x0", "--primary")
            self.origin = (0, 0)
            return [primary]
        x = 1024 if second == "right" else -800
        self.origin = (0, 0) if second == "right" else (800, 0)
        self.xrandr("--output", "DUMMY0", "--mode", "1024x768", "--pos", "%dx0" % self.origin[0],
                    "--primary", "--output", "DUMMY1", "--mode", "800x600_60",
                    "--pos", "%dx0" % (x + self.origin[0]))
        return sorted([primary, (x, 0, x + 800, 600) * 2 + (0,)])

    def monitors(self):
        """The monitors Wine reports, sorted: (left, top, right, bottom,
        the same of the work area, 1 for the primary else 0) each."""
        _, out = self.helper("monitors")
        return sorted(tuple(int(n) for n in line.split()) for line in out.splitlines() if line.strip())

    def wait_monitors(self, want, timeout=20):
        """Waits until Wine reports the monitors want; the last report.
        Wine takes in an xrandr change a moment later, and a new wineserver
        can first answer with the layout kept in the prefix's registry."""
        deadline = time.monotonic() + timeout
        while True:
            got = self.monitors()
            if got == sorted(want) or time.monotonic() > deadline:
                return got
            time.sleep(0.2)


# Checks and the test's runner

failures = []


def check(what, ok, detail=""):
    """Prints one check's outcome and remembers a failure."""
    print("%s: %s%s" % ("ok  " if ok else "FAIL", what, "" if ok else " -- " + detail))
    if not ok:
        failures.append(what)


def main(name, run, screen_on_failure=True, session=Session):
    """Runs run(s) in a fresh session(name) and reports; the exit status
    for the test."""
    if not os.path.exists(EXE):
        print("FAIL: %s is not built" % EXE)
        return 1
    with session(name) as s:
        try:
            run(s)
        except Exception as e:
            check("the run completes", False, "%s: %s" % (type(e).__name__, e))
        if failures and screen_on_failure:
            print("screen:", s.save(s.screenshot(), "failure"))
        print("timings: " + ", ".join("%s %.2f s" % kv for kv in s.timings.items()))
    print("%d checks failed" % len(failures) if failures else "all checks passed")
    return 1 if failures else 0


def forget_program_key(user_reg):
    """A user.reg text without the program's key, so that every session is
    a first run whatever the template's registry holds."""
    key = "[software\\\\arvex\\\\tinctora"
    return "\n\n".join(b for b in user_reg.split("\n\n")
                         if not b.lstrip("\n").lower().startswith((key + "]", key + "\\\\")))
