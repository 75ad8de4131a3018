#!/usr/bin/python3
"""A second start on the same data folder, as the window manager (openbox) sees it: the running
window comes to the front, also from minimized, and nothing is written; a copy killed with SIGKILL
does not block the next start, one that does not answer is named in a message box; copies on two
folders both run. Run in a D-Bus session under X:
    dbus-run-session -- xvfb-run -a -s '-screen 0 1600x1000x24' /usr/bin/python3 tst_second_copy.py <vellumark program>"""
import os
import shutil
import signal
import subprocess
import sys
import tempfile

from desktop import TITLE, managed_windows, start_openbox, wait_for, xprop


def windows_of(process):
    """The ids of the windows titled TITLE that the window manager manages for the process."""
    return [w for w in managed_windows() if xprop(w, "_NET_WM_PID") == str(process.pid)
            and xprop(w, "_NET_WM_NAME").strip('"') == TITLE]


def is_active(window):
    active = xprop("root", "_NET_ACTIVE_WINDOW").split("#")[-1].strip()
    return active and int(active, 16) == int(window, 16) and "Normal" in xprop(window, "WM_STATE")


def snapshot(folder):
    """Every file below the folder with its bytes, by relative path."""
    return {os.path.relpath(os.path.join(top, name), folder): open(os.path.join(top, name), "rb").read()
            for top, _, names in os.walk(folder) for name in names}


def main():
    openbox = start_openbox()
    running = []
    with tempfile.TemporaryDirectory() as home:
        environment = dict(os.environ, HOME=home, XDG_DATA_HOME=os.path.join(home, "data"),
                           QT_QPA_PLATFORM="xcb")
        programs = []
        for folder in ("a", "b"):  # a copy in a folder of its own keeps its data files there
            os.mkdir(os.path.join(home, folder))
            programs.append(shutil.copy(sys.argv[1], os.path.join(home, folder, "vellumark")))
            with open(os.path.join(home, folder, "file2.dtt"), "wb") as rows:
                rows.write(b"Mox Sapphire\r\n265\r\n")

        def start(program):
            running.append(subprocess.Popen([program], env=environment))
            return running[-1], wait_for("the main window was shown",
                                         lambda: windows_of(running[-1]))[0]

        try:
            first, first_window = start(programs[0])
            os.kill(first.pid, signal.SIGKILL)  # its lock stays behind and must not block
            first.wait()
            if not os.path.exists(os.path.join(home, "a", ".vellumark.lock")):
                sys.exit("FAIL: no lock was left behind by the killed copy")
            first, first_window = start(programs[0])
            other, other_window = start(programs[1])  # another folder: runs, and is in front
            wait_for("the copy on the other folder was in front", lambda: is_active(other_window))
            before = snapshot(os.path.join(home, "a"))
            for minimized in (False, True):
                if minimized:
                    subprocess.run(["xdotool", "windowminimize", "--sync", first_window], check=True)
                    wait_for("the other copy was in front", lambda: is_active(other_window))
                second = subprocess.run([programs[0]], env=environment, timeout=60).returncode
                if second != 0:
                    sys.exit(f"FAIL: the second copy ended with {second}")
                wait_for(f"the first window came to the front (minimized: {minimized})",
                         lambda: is_active(first_window), 10)
                if snapshot(os.path.join(home, "a")) != before:
                    sys.exit("FAIL: a second start changed the data folder")
            os.kill(first.pid, signal.SIGSTOP)  # running, but not answering: the user is told
            running.append(subprocess.Popen([programs[0]], env=environment))
            second = running[-1]
            box = wait_for("the second copy said the first does not answer",
                           lambda: windows_of(second))[0]
            subprocess.run(["xdotool", "windowactivate", "--sync", box, "key", "Return"], check=True)
            os.kill(first.pid, signal.SIGCONT)
            if second.wait(30) != 1 or snapshot(os.path.join(home, "a")) != before:
                sys.exit("FAIL: a second start without an answer did not end, or changed files")
            if first.poll() is not None or other.poll() is not None:
                sys.exit("FAIL: a running copy ended")
            print("PASS: second copy shows the first, stale lock taken over, two folders both run")
        finally:
            for process in running:
                process.kill()
                process.wait(30)
            openbox.terminate()


if __name__ == "__main__":
    main()
