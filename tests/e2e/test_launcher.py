"""The Linux launcher as a user gets it: installed with `cmake --install
--component linux` into a folder of its own, started on a display with only
XDG_DATA_HOME pointing at a data folder. Its Wine prefix there is a
hard-linked copy of the booted template, already marked ready, so the test
skips the first start's boot of a new prefix (some ten seconds)."""
import os
import subprocess
import sys
import time

import harness

check = harness.check


def install(into):
    """Installs the linux component from the build folder of tinctora.exe."""
    build = os.path.dirname(os.path.abspath(harness.EXE))
    subprocess.run(["cmake", "--install", build, "--component", "linux", "--prefix", into],
                   check=True, stdout=subprocess.DEVNULL, timeout=60)


def run(s):
    root = os.path.join(s.tmp, "install")
    install(root)
    launcher = os.path.join(root, "bin", "tinctora")
    check("the launcher is installed and executable", os.access(launcher, os.X_OK))
    exe = os.path.join(root, "share", "tinctora", "tinctora.exe")
    check("the program is installed beside it",
          os.path.exists(exe) and open(exe, "rb").read() == open(harness.EXE, "rb").read())
    entry = open(os.path.join(root, "share", "applications", "tinctora.desktop")).read()
    check("the desktop entry starts the installed launcher",
          'Exec="%s"\n' % launcher in entry, entry)

    data = os.path.join(s.tmp, "data")
    os.makedirs(os.path.join(data, "tinctora"))
    prefix = os.path.join(data, "tinctora", "wineprefix")
    os.symlink(s.prefix, prefix)
    env = dict(s.env, XDG_DATA_HOME=data)
    del env["WINEPREFIX"]
    begin = time.monotonic()
    s.app = subprocess.Popen([launcher], env=env, stdin=subprocess.DEVNULL,
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    s.procs.append(s.app)
    while not s.visible_windows():
        if s.app.poll() is not None:
            raise RuntimeError("the launcher ended with status %d" % s.app.returncode)
        if time.monotonic() - begin > 60:
            raise RuntimeError("no Tinctora window within 60 s")
        time.sleep(0.1)
    s.timings["launcher to window"] = time.monotonic() - begin
    s.window = s.visible_windows()[0]
    check("the window shows, 83 by 132", s.geometry()[2:] == (83, 132), repr(s.geometry()))

    def launch(*args):
        p = subprocess.run([launcher] + list(args), env=env, stdin=subprocess.DEVNULL,
                           stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=60)
        return p.returncode, p.stdout.decode(), p.stderr.decode()[:15]
    got = [launch("--set", "#1e90ff")[0], launch("--get", "--format", "rgb"), launch("--bogus"),
           launch("--set", " ")[0]]
    check("the launcher passes the options, the standard handles and the status through",
          got == [0, (0, "rgb(30, 144, 255)\n", ""), (2, "", "Usage: tinctora"), 1], repr(got))

    s.key("alt+F4")
    status = s.wait_exit()
    check("Alt+F4 ends the launcher with the program's status 0", status == 0, repr(status))
    saved = s.registry()
    check("the program ran in the launcher's prefix, where it saved its settings",
          saved is not None and "curColor" in saved, repr(saved))


if __name__ == "__main__":
    sys.exit(harness.main("launcher", run, screen_on_failure=False))
