# Drives the running calculator with real X input and reads what it shows through AT-SPI.
import subprocess, sys, time
import pyatspi
from gi.repository import GLib

pid = int(sys.argv[1])
NAMES = ["第一个数 整数部分", "第一个数 分母", "第一个数 分子", "第二个数 整数部分", "第二个数 分母", "第二个数 分子",
         "结果 整数部分", "结果 分母", "结果 分子", "结果 小数"]


def xdotool(*args):
    out = subprocess.run(["xdotool", *args], check=True, capture_output=True, text=True).stdout.strip()
    time.sleep(0.15)
    return out


def find(name, role=None):
    app = next(a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.get_process_id() == pid)
    return pyatspi.findDescendant(app, lambda a: a.name == name and role in (None, a.getRole()))


# Reads until the calculator shows what is wanted, for up to ten seconds (at first it is not yet on the bus).
def expect(what, read, wanted):
    for _ in range(100):
        while GLib.MainContext.default().iteration(False): pass  # the events that came in meanwhile
        try:
            if (actual := read()) == wanted:
                return print(f"ok: {what}")
        except (StopIteration, AttributeError) as error:
            actual = error
        time.sleep(0.1)
    sys.exit(f"{what}: {actual!r}, wanted {wanted!r}")


def fields():
    return [find(name).queryText().getText(0, -1) for name in NAMES]


def click(name, role):
    box = find(name, role).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    xdotool("mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2), "click", "1")


main = xdotool("search", "--sync", "--onlyvisible", "--name", "V1.1$").split()[0]
xdotool("windowactivate", "--sync", main, "type", "1a")
expect("the focus starts in t(1), which keeps only digits", lambda: fields()[0], "1")
announced = set()  # the fields whose new description was announced
pyatspi.Registry.registerEventListener(lambda e: announced.add(e.source.name), "object:property-change:accessible-description")
# Tab through A, Space on "×", Tab through B, Enter on "＝".
xdotool("key", *"Tab 2 Tab 1 Tab Tab Tab space Tab Tab 1 Tab 2 Tab 1 Tab Return".split())
expect("1 1/2 × 1 1/2 by the keyboard", fields, ["1", "2", "1", "1", "2", "1", "2", "4", "1", "2.25"])
expect("the whole result read out", lambda: announced >= set(NAMES[6:]), True)
click("帮助", None)
click("关于", pyatspi.ROLE_MENU_ITEM)
expect("关于 brings the About window to the front", lambda: xdotool("getactivewindow", "getwindowname"), "关于")
xdotool("windowactivate", "--sync", main)  # raised above the About window, which a click would hide
click("功能", None)
click("退出", pyatspi.ROLE_MENU_ITEM)
expect("退出 ends the program, the About window open", lambda: subprocess.run(
    ["ps", "-o", "stat=", "-p", str(pid)], capture_output=True, text=True).stdout.strip() in ("", "Z"), True)
