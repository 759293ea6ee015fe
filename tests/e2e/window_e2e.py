"""The real program on a first run: where its window is, what its face
shows, that the notch columns are cut out of it, and that Alt+F4 ends it
with status 0.

Wine under Xvfb shapes the X window but leaves the cut-out pixels black
instead of showing the window beneath, so the notch is checked to show
neither the skin's magenta nor anything of the face."""
import sys

from session import Session, skin

SWATCH = (18, 20, 65, 60)
READOUTS = [(28, 69, 55, 80), (28, 81, 55, 92), (28, 93, 55, 104), (17, 111, 67, 122)]
SNAP = (6, 5, 19, 15)


def inside(r, x, y):
    return r[0] <= x < r[2] and r[1] <= y < r[3]


def main():
    s = Session("window")
    failures = []
    try:
        s.paint("3366CC", 0, 0, 200, 200)
        s.start()
        geometry = s.geometry()
        if geometry != (0, 0, 83, 132):
            failures.append("window geometry %r, want (0, 0, 83, 132)" % (geometry,))
        rows = s.grab("window.png")
        art = skin()
        bad = []
        for y in range(132):
            for x in range(83):
                got = rows[y][x]
                notch = x in (0, 82) and 20 <= y <= 68
                if notch:
                    if got == (255, 0, 255):
                        bad.append((x, y, got, "not the face"))
                    continue
                if inside(SWATCH, x, y):
                    want = (0, 0, 0)
                elif any(inside(r, x, y) for r in READOUTS):
                    continue
                else:
                    want = art[y][x + 83 if inside(SNAP, x, y) else x]
                if got != want:
                    bad.append((x, y, got, want))
        if bad:
            failures.append("%d face pixels differ, first %r" % (len(bad), bad[:5]))
        s.key("alt+F4")
        status = s.wait_app()
        if status != 0:
            failures.append("exit status %r after Alt+F4" % status)
    finally:
        s.close()
    for f in failures:
        print("FAIL:", f)
    print("%d passed, %d failed" % (1 if not failures else 0, 1 if failures else 0))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
