"""The command line as a script uses it, its output read through a pipe:
usage errors, --get and --set on the stored settings with no window and
on the running window, UTF-8 out of UTF-16 words, --pick, which starts the
program when none runs and is refused while another pick runs, and a
palette file named alone, opened in the running program or in one it
starts.

A Wine process hands its Unix standard error on to the processes it
starts, so the program that --pick starts would hold a pipe there open:
standard error goes to a file where a program may start."""
import subprocess
import sys
import time

import harness


def check(what, got, want):
    harness.check(what, got == want, "got %r, want %r" % (got, want))


def cli(s, *args, wait=True):
    # A UTF-8 locale, from which Wine hands the words on as UTF-16.
    p = subprocess.Popen([harness.WINE, harness.EXE] + list(args), env=dict(s.env, LC_ALL="C.UTF-8"),
                         stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                         stderr=open(s.tmp + "/stderr.txt", "w"))
    if not wait:
        return p
    out = p.communicate(timeout=60)[0].decode("utf-8")
    return p.returncode, out, open(s.tmp + "/stderr.txt").read()


def finish(p):
    return p.communicate(timeout=30)[0].decode("utf-8"), p.returncode


def run(s):
    s.helper("warmup")
    status, out, err = cli(s, "--get", "--format", "cmyk-ish")
    check("an unknown form: usage on standard error, status 2",
          (status, out, err.startswith("Usage: tinctora")), (2, "", True))
    check("a repeated option is a usage error", cli(s, "--get", "--GET")[0], 2)
    check("/? prints the usage", cli(s, "/?")[1].startswith("Usage: tinctora"), True)
    # No Tinctora runs: the stored colours are read and set, no window shows.
    check("--set with no window, any case", cli(s, "--SET=color: #ff8000;")[0], 0)
    check("--set of no colour, or an empty or blank one, changes nothing",
          [cli(s, "--set", t)[0::2] for t in ("transparent", "", " \t")],
          [(1, "tinctora: the text given to --set is no colour; nothing was changed.\n")] * 3)
    check("--get reads the stored colour in the form asked, to the letter in UTF-8",
          [cli(s, "--format", "rgb", "--get")[:2], cli(s, "--get", "--template", "€ü日本 {G}")[:2]],
          [(0, "rgb(255, 128, 0)\n"), (0, "€ü日本 128\n")])
    reg = s.registry()
    check("the set is a paste: undo point and history",
          (reg["curColor"][1], reg["oldColor"][1], reg["history"][1]),
          ("0x80ff", "0x0", "FF800000"))
    check("and no window showed", s.visible_windows(), [])
    # --pick with none running starts the program, which picks and stays.
    s.paint("0CC84D", 300, 300, 40, 40)
    s.move(320, 321)
    p = cli(s, "--pick", "--template", "{R},{G},{B} at {x},{y}", wait=False)
    deadline = time.monotonic() + 60
    while not s.visible_windows() and time.monotonic() < deadline:
        time.sleep(0.1)
    s.window = s.visible_windows()[0]
    time.sleep(1)
    second = cli(s, "--pick")
    s.xdo("key", "Return")
    check("--pick starts the program, Enter takes the pixel and its place",
          finish(p), ("12,200,77 at 320,321\n", 0))
    check("a second --pick during a pick is refused", second[:2], (1, ""))
    check("the program runs on", len(s.visible_windows()), 1)
    # The running window: a cancelled pick, then a set and a get.
    p = cli(s, "--pick", wait=False)
    time.sleep(1.5)
    s.xdo("key", "Escape")
    check("Escape: nothing printed, status 1", finish(p), ("", 1))
    s.key("shift+F10")
    time.sleep(0.5)
    refused = cli(s, "--set", "#ff0000")[0]
    s.xdo("key", "Escape")
    check("--set is refused while a menu is open, then done",
          (refused, cli(s, "--set", "rgb(1 2 3)")[0]), (1, 0))
    s.key("ctrl+z")
    check("--set's undo point is the colour before it, where it was picked",
          cli(s, "--get", "--template", "{RR}{GG}{BB} {x}{y}")[:2], (0, "0CC84D 320321\n"))
    s.key("ctrl+z")
    check("a colour not picked has no place", cli(s, "--get", "--template", "{x}{y}")[:2],
          (0, "\n"))
    # A palette file alone: opened in the running program, or in one it
    # starts; a word that names no file is a usage error.
    folder = "Z:" + s.tmp.replace("/", "\\") + "\\"
    for name, text in (("warm \u4e2d.hex", "ff0000\n00ff00\n"), ("cool.gpl", "GIMP Palette\n0 0 255\n")):
        with open(s.tmp + "/" + name, "w", encoding="utf-8") as f:
            f.write(text)
    none = cli(s, folder + "none.hex")
    opened = [cli(s, folder + "warm \u4e2d.hex")[0], none[0], none[2][:15]]

    def close():
        time.sleep(1)
        s.wine("taskkill", "/im", "tinctora.exe")
        while s.visible_windows():
            time.sleep(0.1)
    close()
    p = cli(s, folder + "cool.gpl", wait=False)
    while not s.visible_windows() and p.poll() is None:
        time.sleep(0.1)
    close()
    opened += [finish(p), (s.registry() or {}).get("pinned")]
    check("a palette file alone is pinned by the running program or by one it starts",
          opened, [0, 2, "Usage: tinctora", ("", 0), ("REG_BINARY", "FF00000000FF00000000FF00")])


if __name__ == "__main__":
    sys.exit(harness.main("commandline", run))
