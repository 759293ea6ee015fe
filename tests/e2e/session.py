"""End-to-end sessions: a fresh Wine prefix, a virtual display of its own and
the real tinctora.exe, driven with xdotool and read back with screenshots,
xclip and the registry. Everything started here is stopped by PID or through
this prefix's own wineserver."""
import os
import shutil
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(ROOT, "scripts"))
import screenshot  # noqa: E402

BUILD = os.path.join(ROOT, "build", "windows")
EXE = os.path.join(BUILD, "tinctora.exe")
HELPER = os.path.join(BUILD, "tests", "win_helper.exe")
WINE = "/usr/lib/wine/wine64"
WINESERVER = "/usr/lib/wine/wineserver64"
TEMPLATE = os.path.join(ROOT, "build", "wineprefix")
OUT = os.path.join(ROOT, "build", "e2e")


def skin():
    """The skin image as rows of (r, g, b): normal frame x 0-82, lit x 83-165."""
    data = open(os.path.join(ROOT, "res", "skin.bmp"), "rb").read()
    off = int.from_bytes(data[10:14], "little")
    rows = []
    for y in range(132):
        base = off + (131 - y) * 500
        rows.append([(data[base + 3 * x + 2], data[base + 3 * x + 1], data[base + 3 * x])
                     for x in range(166)])
    return rows


class Session:
    def __init__(self, name):
        self.name = name
        self.tmp = tempfile.mkdtemp(prefix="tinctora-e2e-")
        self.procs = []
        self.app = None
        subprocess.run([os.path.join(ROOT, "scripts", "wine-prefix.sh")], check=True)
        # A fresh prefix in a moment: hard links to the booted template, with
        # the registry files copied so the template is never written.
        self.prefix = os.path.join(self.tmp, "prefix")
        subprocess.run(["cp", "-al", TEMPLATE, self.prefix], check=True)
        for f in os.listdir(self.prefix):
            if f.endswith(".reg"):
                p = os.path.join(self.prefix, f)
                data = open(p, "rb").read()
                os.unlink(p)
                open(p, "wb").write(data)
        for f in (".tinctora-ready", "wineserver"):
            if os.path.lexists(os.path.join(self.prefix, f)):
                os.unlink(os.path.join(self.prefix, f))
        for _ in range(5):
            num = self.start_display()
            if num:
                break
        else:
            raise AssertionError("Xvfb did not start")
        self.env = dict(os.environ, DISPLAY=":" + num, WINEPREFIX=self.prefix, WINEDEBUG="-all",
                        WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d")
        os.makedirs(OUT, exist_ok=True)
        self.wine(HELPER, "warmup")

    def start_display(self):
        """A virtual display on a free number; its number, or "" when it failed."""
        r, w = os.pipe()
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(w), "-screen", "0", "640x480x24",
                                      "-nolisten", "tcp", "-noreset"], pass_fds=(w,),
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(w)
        num = os.read(r, 16).decode().strip()
        os.close(r)
        # A stale socket left by a killed server can make the number chosen
        # unusable: check that a client really connects.
        ok = num and subprocess.run(["xdotool", "getdisplaygeometry"],
                                    env=dict(os.environ, DISPLAY=":" + num),
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                    timeout=20).returncode == 0
        if not ok:
            self.xvfb.terminate()
            self.xvfb.wait(10)
            return ""
        return num

    def wine(self, *args, wait=True):
        """Runs a Windows program; its output goes to a file, since Wine's
        background processes would keep a pipe open."""
        log = open(os.path.join(self.tmp, "out-%d.txt" % len(self.procs)), "w+")
        p = subprocess.Popen([WINE] + list(args), env=self.env, stdout=log,
                             stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL)
        self.procs.append(p)
        if wait:
            p.wait(60)
            log.seek(0)
            return log.read()
        p.log = log
        return p

    def paint(self, rgb, x, y, w, h):
        p = self.wine(HELPER, "paint", rgb, str(x), str(y), str(w), str(h), wait=False)
        for _ in range(600):
            p.log.seek(0)
            if "ready" in p.log.read():
                return p
            time.sleep(0.05)
        raise AssertionError("the paint window did not show")

    def start(self):
        self.app = self.wine(EXE, wait=False)
        deadline = time.time() + 60
        while time.time() < deadline:
            found = subprocess.run(["xdotool", "search", "--name", "^Tinctora$"], env=self.env,
                                   stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
            if found.stdout.split():
                self.window = found.stdout.split()[0]
                time.sleep(0.5)
                return self.window
            time.sleep(0.2)
        raise AssertionError("the Tinctora window did not appear")

    def xdo(self, *args, timeout=20):
        return subprocess.run(["xdotool"] + list(args), env=self.env, check=True, timeout=timeout,
                              stdout=subprocess.PIPE, text=True).stdout

    def geometry(self):
        out = self.xdo("getwindowgeometry", "--shell", self.window)
        g = dict(line.split("=") for line in out.split())
        return int(g["X"]), int(g["Y"]), int(g["WIDTH"]), int(g["HEIGHT"])

    def key(self, *keys):
        x, y, _, _ = self.geometry()
        self.xdo("mousemove", str(x + 40), str(y + 100))
        self.xdo("windowfocus", "--sync", self.window)
        self.xdo("key", *keys)

    def grab(self, save=None):
        old = os.environ.get("DISPLAY")
        os.environ["DISPLAY"] = self.env["DISPLAY"]
        try:
            _, _, rows = screenshot.grab()
        finally:
            if old is None:
                del os.environ["DISPLAY"]
            else:
                os.environ["DISPLAY"] = old
        if save:
            screenshot.write_png(os.path.join(OUT, save), rows)
        return rows

    def wait_app(self, timeout=20):
        return self.app.wait(timeout)

    def close(self):
        for p in self.procs:
            if p.poll() is None:
                p.kill()
        subprocess.run([WINESERVER, "-k"], env=self.env, stderr=subprocess.DEVNULL)
        subprocess.run([WINESERVER, "-w"], env=self.env, stderr=subprocess.DEVNULL)
        # A clean stop removes the display's lock and socket for the next one.
        self.xvfb.terminate()
        self.xvfb.wait(10)
        shutil.rmtree(self.tmp, ignore_errors=True)
