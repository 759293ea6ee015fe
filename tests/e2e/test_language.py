"""The real program started in German, Japanese, Arabic and Hebrew, the
language Wine is given (LANG): the names and descriptions screen readers read
through the accessible object, a tooltip, and the window menu worked by its
letters, each in that language, the Arabic and Hebrew tooltips right to
left. Then the Language submenu: a language chosen there is in use at once
and after a restart, and Windows' choice again follows Wine's language."""
import os
import time

import harness

check = harness.check
TEXTS = os.path.join(harness.ROOT, "res", "texts")
# The languages' tags in the Language submenu's order.
LISTED = [line.split()[0] for line in open(os.path.join(TEXTS, "languages.txt"))
          if line.strip() and not line.startswith("#")]
# The controls' names in the order of the accessible object's children.
NAMES = ["snapName", "onTopName", "minimiseName", "closeName", "colourName", "lowerRedName",
         "redName", "raiseRedName", "lowerGreenName", "greenName", "raiseGreenName",
         "lowerBlueName", "blueName", "raiseBlueName", "darkenName", "hexName", "lightenName"]


def texts(tag):
    """A language's texts by key, as res/texts holds them."""
    found = {}
    for line in open(os.path.join(TEXTS, tag + ".txt"), encoding="utf-8"):
        if " = " in line and not line.startswith("#"):
            key, text = line.rstrip("\n").split(" = ", 1)
            found[key] = text
    return found


def words(s):
    """The menu, the 17 names and descriptions and the tooltips, as the
    helper reads them from the running program."""
    p = s.wine(harness.HELPER, "words", wait=False)
    p.wait(30)
    parts = ("\n" + open(p.out, encoding="utf-8").read()).split("\n-\n")
    if len(parts) != 3:
        return {"names": [], "tips": []}
    return {"names": parts[1].split("\n")[::2], "tips": parts[2].split("\n")[:-1]}


def start(s, locale):
    s.use_locale(locale)
    s.start()


def close(s):
    s.xdo("windowfocus", "--sync", s.window)
    s.xdo("key", "alt+F4")
    check("the program ends", s.wait_exit() == 0)


def shows(s, tag, what):
    got = words(s)["names"]
    want = [texts(tag)[key] for key in NAMES]
    check("%s: the face's names are in %s" % (what, tag), got == want, "%s" % got[:3])


def topmost(s):
    return " topmost=1" in s.helper("state")[1]


def run(s):
    for tag, locale, letter in (("de", "de_DE.UTF-8", "o"), ("ja", "ja_JP.UTF-8", "o"),
                                ("ar", "ar_EG.UTF-8", None), ("he", "he_IL.UTF-8", None)):
        own = texts(tag)
        start(s, locale)
        shows(s, tag, "started in " + locale)
        # A tooltip over the first title button.
        x, y, _, _ = s.geometry()
        s.move(x + 12, y + 10)
        s.move(x + 13, y + 10)
        tip, deadline = [], time.monotonic() + 10
        while not tip and time.monotonic() < deadline:
            time.sleep(0.3)
            tip = words(s)["tips"]
        check("%s: the tooltip names the control" % tag,
              len(tip) == 1 and own["snapName"] in tip[0], "%s" % tip)
        check("%s: the tooltip reads right to left in Arabic and Hebrew only" % tag,
              len(tip) == 1 and tip[0].startswith("rtl ") == (tag in ("ar", "he")), "%s" % tip)
        # The window menu's letter for Always on top, in this language.
        if letter:
            was = topmost(s)
            s.key("alt+space")
            time.sleep(0.5)
            s.xdo("key", letter)
            time.sleep(0.5)
            check("%s: Alt+Space, %s switches Always on top" % (tag, letter), topmost(s) != was)
        if tag != "de":
            close(s)
            continue
        # Japanese, reached upwards from the Language submenu's end: at
        # once, and after a restart, which stores it.
        s.key("alt+space")
        time.sleep(0.5)
        s.xdo("key", "p", *["Up"] * (len(LISTED) - LISTED.index("ja")), "Return")
        time.sleep(0.5)
        shows(s, "ja", "chosen in German")
        close(s)
        check("the choice is stored", (s.registry() or {}).get("language") == ("REG_SZ", "ja"),
              "%s" % s.registry())
        start(s, locale)
        shows(s, "ja", "after a restart in German")
        # Windows' choice, the submenu's first item: German again.
        s.key("alt+space")
        time.sleep(0.5)
        s.xdo("key", "g", "Return")
        time.sleep(0.5)
        shows(s, "de", "Windows' choice")
        close(s)
        check("Windows' choice stores no language", "language" not in (s.registry() or {}))


if __name__ == "__main__":
    raise SystemExit(harness.main("language", run))
