"""What the window manager (openbox under Xvfb) knows of the program's windows, for the tests that
run the real program on a desktop."""
import subprocess
import sys
import time

TITLE = "Vellumark - (Sorcelan)"


def wait_for(what, find, seconds=60, between=lambda: None, told=lambda: ""):
    """find()'s first true answer; the test fails when none comes in time. between() runs before
    each new try; told() adds to the failure message."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        between()
        time.sleep(0.1)
    sys.exit(f"FAIL: {what} within {seconds} s{told()}")


def xprop(window, name):
    """The property's value; empty when the window or the property is gone."""
    shown = subprocess.run(["xprop"] + (["-root"] if window == "root" else ["-id", window]) + [name],
                           capture_output=True, text=True).stdout
    _, typed, value = shown.partition(")")  # NAME(TYPE) = value, or NAME(TYPE): value
    return value.lstrip(" =:").strip() if typed and "not found" not in shown else ""


def managed_windows():
    """The ids of the windows the window manager manages."""
    return xprop("root", "_NET_CLIENT_LIST").partition("#")[2].replace(",", " ").split()


def start_openbox():
    openbox = subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wait_for("openbox took over the screen", lambda: xprop("root", "_NET_SUPPORTING_WM_CHECK"))
    return openbox
