# Drives the running calculator with real X input and reads what it shows through AT-SPI.
# Input goes only to a window that is mapped and focused, and a control is clicked only
# once it shows; every wait is bounded and names what it waited for.
import subprocess, sys, time
import pyatspi
from gi.repository import GLib

pid = int(sys.argv[1])
# The captions and the accessible names, by their names in the description (Names.cpp).
D = dict(line.rstrip("\n").split("=", 1) for line in open(sys.argv[2], encoding="utf-8"))
NAMES = [D[f"t{i}"] for i in range(1, 11)]


def xdotool(*args):
    return subprocess.run(["xdotool", *args], check=True, capture_output=True, text=True).stdout.strip()


def application():
    return next(a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.get_process_id() == pid)


def find(name, role=None):
    return pyatspi.findDescendant(application(), lambda a: a.name == name and role in (None, a.getRole()))


# Reads until the calculator shows what is wanted, for up to ten seconds (at first it is not yet on the bus).
def expect(what, read, wanted):
    for _ in range(100):
        while GLib.MainContext.default().iteration(False): pass  # the events that came in meanwhile
        try:
            if (actual := read()) == wanted:
                print(f"ok: {what}")
                return actual
        except (StopIteration, AttributeError, subprocess.CalledProcessError) as error:
            actual = error
        time.sleep(0.1)
    sys.exit(f"{what}: {actual!r}, wanted {wanted!r}")


def fields():
    return [find(name).queryText().getText(0, -1) for name in NAMES]


def shown_centre(name, role):
    accessible = find(name, role)
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    showing = accessible.getState().contains(pyatspi.STATE_SHOWING) and box.width > 0
    return (box.x + box.width // 2, box.y + box.height // 2) if showing else None


def click(name, role):
    for _ in range(100):
        if centre := shown_centre(name, role):
            return xdotool("mousemove", str(centre[0]), str(centre[1]), "click", "1")
        time.sleep(0.1)
    sys.exit(f"{name} never showed")


def visible_main_window():
    return xdotool("search", "--onlyvisible", "--pid", str(pid), "--name", "".join("\\" + c if c in ".^$*+?()[]{}|\\" else c for c in D["Form1"]) + "$").split()[0]


def activate(window, what):
    xdotool("windowactivate", window)
    expect(what, lambda: xdotool("getactivewindow"), window)


# Keys sent before the window is mapped and focused would be lost.
main = expect("the main window is mapped", lambda: visible_main_window().isdigit(), True) and visible_main_window()
activate(main, "the main window has the focus")
xdotool("type", "1a")
expect("the focus starts in t(1), which keeps only digits", lambda: fields()[0], "1")
announced = set()  # the fields whose new description was announced
pyatspi.Registry.registerEventListener(lambda e: announced.add(e.source.name), "object:property-change:accessible-description")
# Tab through A, Space on "×", Tab through B, Enter on "＝".
xdotool("key", *"Tab 2 Tab 1 Tab Tab Tab space Tab Tab 1 Tab 2 Tab 1 Tab Return".split())
expect("1 1/2 × 1 1/2 by the keyboard", fields, ["1", "2", "1", "1", "2", "1", "2", "4", "1", "2.25"])
expect("the whole result read out", lambda: announced >= set(NAMES[6:]), True)
click(D["help"], None)
click(D["about"], pyatspi.ROLE_MENU_ITEM)
expect("关于 brings the About window to the front", lambda: xdotool("getactivewindow", "getwindowname"), D["Form2"])
activate(main, "the main window in front of the About window, which a click would hide")
click(D["help"], None)
click(D["about"], pyatspi.ROLE_MENU_ITEM)
expect("关于 again brings the one About window back to the front", lambda: (xdotool("getactivewindow", "getwindowname"),
       sum(window.name == D["Form2"] for window in application())), (D["Form2"], 1))
activate(main, "the main window back in front of the About window")
click(D["gongneng"], None)
click(D["exit"], pyatspi.ROLE_MENU_ITEM)
expect("退出 ends the program, the About window open", lambda: subprocess.run(
    ["ps", "-o", "stat=", "-p", str(pid)], capture_output=True, text=True).stdout.strip() in ("", "Z"), True)
