#!/usr/bin/python3
"""The real program as a screen reader drives it: "Find It!", found by its name on the desktop's
accessibility bus (AT-SPI), is pressed and the store tabs open. Run in a D-Bus session under X:
    dbus-run-session -- xvfb-run -a /usr/bin/python3 tst_atspi.py <vellumark program>"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi


def wait_for(what, find, seconds=60):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.2)
    sys.exit(f"FAIL: {what} did not appear within {seconds} s")


def find(node, role, name):
    """The first node of the role and name below node, leaving out the pages' contents."""
    for child in node:
        if child is None:
            continue
        if child.getRole() == role and child.name == name:
            return child
        if child.getRole() != pyatspi.ROLE_DOCUMENT_WEB:
            found = find(child, role, name)
            if found:
                return found
    return None


def main():
    with tempfile.TemporaryDirectory() as home:
        # A copy of the program in a folder of its own keeps its data files in there.
        program = shutil.copy(sys.argv[1], os.path.join(home, "vellumark"))
        environment = dict(os.environ, HOME=home, XDG_DATA_HOME=os.path.join(home, "data"),
                           QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
        running = subprocess.Popen([program], env=environment)
        try:
            desktop = pyatspi.Registry.getDesktop(0)
            app = wait_for("the program", lambda: next(
                (a for a in desktop if a and a.get_process_id() == running.pid), None))
            find_it = wait_for('"Find It!"', lambda: find(app, pyatspi.ROLE_PUSH_BUTTON, "Find It!"))
            if not find(app, pyatspi.ROLE_PAGE_TAB, "Home"):
                sys.exit('FAIL: the first store tab does not read "Home" before the search')
            action = find_it.queryAction()
            action.doAction([action.getName(i) for i in range(action.nActions)].index("Press"))
            wait_for('the "Ebay" tab', lambda: find(app, pyatspi.ROLE_PAGE_TAB, "Ebay"))
            print('PASS: "Find It!" pressed through AT-SPI opened the store tabs')
        finally:
            running.terminate()
            running.wait(30)


if __name__ == "__main__":
    main()
