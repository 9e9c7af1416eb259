"""Drives the running calculator with real X input and reads what it shows through AT-SPI."""
import subprocess, sys, time
import pyatspi

pid = int(sys.argv[1])
NAMES = ["第一个数 整数部分", "第一个数 分母", "第一个数 分子", "第二个数 整数部分", "第二个数 分母", "第二个数 分子",
         "结果 整数部分", "结果 分母", "结果 分子", "结果 小数"]


def xdotool(*args):
    out = subprocess.run(["xdotool", *args], check=True, capture_output=True, text=True).stdout.strip()
    time.sleep(0.15)
    return out


def find(name, role=pyatspi.ROLE_TEXT):
    for _ in range(100):
        apps = [a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.get_process_id() == pid]
        found = apps and pyatspi.findDescendant(apps[0], lambda a: a.name == name and role in (None, a.getRole()))
        if found:
            return found
        time.sleep(0.1)
    sys.exit(f"{name} never appeared on the accessibility bus")


def click(name, role=pyatspi.ROLE_TEXT):
    box = find(name, role).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    xdotool("mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2), "click", "1")


def fields():
    return [find(name).queryText().getText(0, -1) for name in NAMES]


def expect(what, read, wanted):
    """Reads until the calculator shows what is wanted, for up to five seconds."""
    for _ in range(50):
        if (actual := read()) == wanted:
            return print(f"ok: {what}")
        time.sleep(0.1)
    sys.exit(f"{what}: {actual!r}, wanted {wanted!r}")


main = xdotool("search", "--sync", "--onlyvisible", "--name", "V1.1$").split()[0]
xdotool("windowactivate", "--sync", main, "type", "1a")
expect("the focus starts in t(1), which keeps only digits", lambda: fields()[0], "1")
for name, digits in zip(NAMES[1:6], "21121"):
    click(name)
    xdotool("type", digits)
click("乘", pyatspi.ROLE_PUSH_BUTTON)
click(NAMES[5])
xdotool("key", "Tab", "Return")
expect("1 1/2 × 1 1/2 by mouse, then Tab to = and Enter", lambda: fields()[6:], ["2", "4", "1", "2.25"])
xdotool("key", "ctrl+n", "type", "7")
expect("Ctrl+N clears and puts the focus in t(1)", fields, ["7"] + [""] * 9)
for _ in range(2):
    xdotool("windowactivate", "--sync", main)  # raised above the About window, which a click would hide
    click("帮助", None)
    click("关于", pyatspi.ROLE_MENU_ITEM)
expect("关于 brings the About window to the front", lambda: xdotool("getactivewindow", "getwindowname"), "关于")
xdotool("windowactivate", "--sync", main, "key", "alt+F4")
expect("closing the main window ends the process", lambda: subprocess.run(
    ["ps", "-o", "stat=", "-p", str(pid)], capture_output=True, text=True).stdout.strip() in ("", "Z"), True)
