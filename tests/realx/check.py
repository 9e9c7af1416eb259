"""Drives the running calculator with real X input and reads what it shows through AT-SPI."""
import os, subprocess, sys, time
import pyatspi

app_pid = int(sys.argv[1])


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True)
    time.sleep(0.15)


def application():
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == app_pid:
                return app
        time.sleep(0.1)
    sys.exit("the calculator never appeared on the accessibility bus")


def find(name, role=None):
    found = pyatspi.findDescendant(application(), lambda a: a.name == name and (role is None or a.getRole() == role))
    assert found is not None, name
    return found


def text(index):
    field = find(FIELDS[index], pyatspi.ROLE_TEXT)
    return field.queryText().getText(0, -1)


def click(accessible):
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    xdotool("mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2), "click", "1")


def enter(six):
    for index, digits in enumerate(six, start=1):
        click(find(FIELDS[index], pyatspi.ROLE_TEXT))
        xdotool("type", digits)


def expect(what, read, wanted):
    """Reads until the calculator shows what is wanted, for up to five seconds."""
    for _ in range(50):
        actual = read()
        if actual == wanted:
            print(f"ok: {what}")
            return
        time.sleep(0.1)
    sys.exit(f"{what}: {actual!r}, wanted {wanted!r}")


FIELDS = ["", "第一个数 整数部分", "第一个数 分母", "第一个数 分子", "第二个数 整数部分", "第二个数 分母",
          "第二个数 分子", "结果 整数部分", "结果 分母", "结果 分子", "结果 小数"]
ONE_AND_A_HALF_TWICE = ["1", "2", "1", "1", "2", "1"]

main = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "V1.1$"], capture_output=True,
                      text=True).stdout.split()[0]
xdotool("windowactivate", "--sync", main)
expect("the focus starts in t(1)", lambda: find(FIELDS[1]).getState().contains(pyatspi.STATE_FOCUSED), True)
xdotool("type", "1a")
expect("letters typed into t(1) are dropped", lambda: text(1), "1")
xdotool("key", "ctrl+n")
expect("Ctrl+N clears", lambda: text(1), "")
enter(ONE_AND_A_HALF_TWICE)
click(find("加", pyatspi.ROLE_PUSH_BUTTON))
click(find("等于", pyatspi.ROLE_PUSH_BUTTON))
expect("1 1/2 + 1 1/2 by mouse", lambda: [text(i) for i in range(7, 11)], ["3", "1", "0", "3"])

xdotool("key", "ctrl+n")
expect("Ctrl+N clears again", lambda: text(10), "")
enter(ONE_AND_A_HALF_TWICE)
click(find("乘", pyatspi.ROLE_PUSH_BUTTON))
click(find(FIELDS[6], pyatspi.ROLE_TEXT))
xdotool("key", "Tab", "Return")
expect("Tab to = and Enter", lambda: [text(i) for i in range(7, 11)], ["2", "4", "1", "2.25"])

click(find(FIELDS[5], pyatspi.ROLE_TEXT))
xdotool("key", "ctrl+n")
xdotool("type", "7")
expect("Ctrl+N clears and puts the focus in t(1)", lambda: [text(i) for i in range(1, 11)], ["7"] + [""] * 9)

for _ in range(2):
    xdotool("windowactivate", "--sync", main)  # raised above the About window, which a click would hide
    click(find("帮助"))
    click(find("关于", pyatspi.ROLE_MENU_ITEM))
expect("the About window comes to the front", lambda: subprocess.run(
    ["xdotool", "getactivewindow", "getwindowname"], capture_output=True, text=True).stdout.strip(), "关于")
expect("关于 twice gives one window", lambda: sorted(w.name for w in application()
                                                  if w.getState().contains(pyatspi.STATE_SHOWING)),
       ["Velmo分数计算器 V1.1", "关于"])

xdotool("windowactivate", "--sync", main, "key", "alt+F4")

def ended():
    try:
        return open(f"/proc/{app_pid}/stat").read().split()[2] == "Z"  # exited, not yet reaped
    except FileNotFoundError:
        return True


expect("closing the main window ends the process", ended, True)
