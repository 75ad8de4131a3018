#!/usr/bin/python3
"""The real program as a screen reader and a window manager (openbox) see it: the windows' titles
and hints, the design size and the first layout, the card picture's name, a link of the start page,
the status text, the tracker's pop-up menu from the keyboard, the help window coming back from the
task bar and a name for every control. Run in a D-Bus session under X:
    dbus-run-session -- xvfb-run -a -s '-screen 0 1600x1000x24' /usr/bin/python3 tst_atspi.py <vellumark program>"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

import desktop
from desktop import TITLE, managed_windows, start_openbox, xprop

MWM_FUNC_MINIMIZE, MWM_FUNC_MAXIMIZE, MWM_FUNC_CLOSE = 0x8, 0x10, 0x20
MWM_DECOR_TITLE, MWM_DECOR_MINIMIZE, MWM_DECOR_MAXIMIZE = 0x8, 0x20, 0x40


def wait_for(what, find, seconds=60):
    """As desktop.wait_for, delivering the accessibility bus's events between tries."""
    def deliver_bus_events():
        while GLib.MainContext.default().iteration(False):
            pass
    return desktop.wait_for(what, find, seconds, deliver_bus_events,
                            lambda: f" (windows: {titled_windows()})")


def is_load_state(text):
    """A store page's load as the status bar tells it: opening, or why it failed."""
    return text.startswith("Opening page ") or " \u2014 http" in text


def find(node, role, name=None, in_pages=False):
    """The first node of the role (and name) below node, leaving out the pages' contents unless
    in_pages."""
    for child in node:
        if child is None:
            continue
        if child.getRole() == role and name in (None, child.name):
            return child
        if in_pages or child.getRole() != pyatspi.ROLE_DOCUMENT_WEB:
            found = find(child, role, name, in_pages)
            if found:
                return found
    return None


def actions(node):
    try:
        return node.queryAction().nActions
    except NotImplementedError:
        return 0


def unnamed(node):
    """The showing controls below node a screen reader has no name for: those a user reaches by
    keyboard or mouse, pictures and the status bar. The pages' contents and the lists' rows are
    the user's data, not controls."""
    found = []
    for child in node:
        if child is None or not child.getState().contains(pyatspi.STATE_SHOWING):
            continue
        role = child.getRole()
        if not child.name and (child.getState().contains(pyatspi.STATE_FOCUSABLE) or actions(child)
                               or role in (pyatspi.ROLE_IMAGE, pyatspi.ROLE_STATUS_BAR)):
            found.append(f"{child.getRoleName()} in {node.getRoleName()} {node.name!r}")
        if role not in (pyatspi.ROLE_DOCUMENT_WEB, pyatspi.ROLE_TREE, pyatspi.ROLE_LIST):
            found += unnamed(child)
    return found


def click_row(rows, row, *clicks):
    """Clicks the row's first cell with the mouse."""
    cell = rows.queryTable().getAccessibleAt(row, 0).queryComponent().getExtents(
        pyatspi.DESKTOP_COORDS)
    run("xdotool", "mousemove", str(cell.x + 5), str(cell.y + cell.height // 2),
        "click", *clicks, "1")


def press(app, role, name):
    press_node(wait_for(f'"{name}" appeared', lambda: find(app, role, name)))


def press_node(node):
    action = node.queryAction()
    action.doAction([action.getName(i) for i in range(action.nActions)].index("Press"))


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


def titled_windows():
    """The title of each window the window manager manages, by window id."""
    return {window: xprop(window, "_NET_WM_NAME").strip('"') for window in managed_windows()}


def window_titled(title):
    return wait_for(f'a window titled "{title}" was shown', lambda: next(
        (w for w, shown in titled_windows().items() if shown == title), None))


def size(node):
    extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return extents.width, extents.height


def check_fixed_title_and_close_only(window):
    _, functions, decorations = [int(v, 16) for v in xprop(window, "_MOTIF_WM_HINTS").split(",")][:3]
    if functions & (MWM_FUNC_MINIMIZE | MWM_FUNC_MAXIMIZE) or not functions & MWM_FUNC_CLOSE:
        sys.exit(f"FAIL: window {window} asks for the functions {functions:#x}")
    if decorations & (MWM_DECOR_MINIMIZE | MWM_DECOR_MAXIMIZE) or not decorations & MWM_DECOR_TITLE:
        sys.exit(f"FAIL: window {window} asks for the decorations {decorations:#x}")
    if any(a in xprop(window, "_NET_WM_ALLOWED_ACTIONS") for a in ("MAXIMIZE", "ACTION_RESIZE")):
        sys.exit(f"FAIL: the window manager lets window {window} be resized or maximized")


def main():
    openbox = start_openbox()
    with tempfile.TemporaryDirectory() as home:
        # A copy of the program in a folder of its own keeps its data files in there.
        program = shutil.copy(sys.argv[1], os.path.join(home, "vellumark"))
        tracker = os.path.join(home, "file.dtt")
        with open(tracker, "wb") as rows:
            rows.write(b"Card 1\r\nhttp://a.test/1\r\nCard 2\r\nhttp://a.test/2\r\n"
                       b"Card 3\r\nhttp://a.test/3\r\n")
        # The collection: a card with a picture, then one without.
        picture = shutil.copy(os.path.join(os.path.dirname(__file__), "../../dist/icons/hicolor/"
                                           "16x16/apps/io.github.vellumark.Vellumark.png"),
                              os.path.join(home, "Black Lotus.png"))
        with open(os.path.join(home, "file2.dtt"), "wb") as rows:
            for card, path in (("Black Lotus", picture), ("Plain", "")):
                rows.write(f"{card}\r\n1\r\n\r\n\r\n\r\nRARE\r\n\r\n\r\n{path}\r\n".encode())
        os.mkdir(os.path.join(home, "file3.dtt"))  # unreadable: the program says so in a box
        environment = dict(os.environ, HOME=home, XDG_DATA_HOME=os.path.join(home, "data"),
                           QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
        running = subprocess.Popen([program], env=environment)
        try:
            desktop = pyatspi.Registry.getDesktop(0)
            app = wait_for("the program started", lambda: next(
                (a for a in desktop if a and a.get_process_id() == running.pid), None))
            wait_for("the message box and the main window were shown, titled " + TITLE,
                     lambda: list(titled_windows().values()) == [TITLE, TITLE])
            press(app, pyatspi.ROLE_PUSH_BUTTON, "OK")
            main_window = window_titled(TITLE)

            # The first layout, once the frame is known, is the one a resize to that size gives.
            collection = wait_for("the collection list", lambda: find(
                app, pyatspi.ROLE_TREE, "My Collection"))
            tabs = find(app, pyatspi.ROLE_FILLER, "Stores and lists")
            time.sleep(1)
            first = size(collection), size(tabs)
            geometry = dict(line.split("=") for line in run(
                "xdotool", "getwindowgeometry", "--shell", main_window).split())
            # It opens at its design size: a client area of 13650 x 8880 twips (910 x 592 pixels
            # at 96 dpi) holding the status bar, and the menu bar on top.
            opened = int(geometry["WIDTH"]), int(geometry["HEIGHT"])
            if opened != (910, 592 + size(find(app, pyatspi.ROLE_MENU_BAR))[1]):
                sys.exit(f"FAIL: the window opened at {opened}")
            for grow in (40, 0):
                run("xdotool", "windowsize", "--sync", main_window,
                    str(int(geometry["WIDTH"]) + grow), str(int(geometry["HEIGHT"]) + grow))
                time.sleep(1)
            if (size(collection), size(tabs)) != first:
                sys.exit(f"FAIL: first layout {first}, after a resize to the same size "
                         f"{(size(collection), size(tabs))}")
            # The layout follows the outer size, frame and title bar included: the tab control is
            # that size less 450 x 1550 twips, 30 x 103 pixels at 96 dpi.
            left, right, top, bottom = (int(v) for v in xprop(main_window, "_NET_FRAME_EXTENTS").split(","))
            outer = int(geometry["WIDTH"]) + left + right, int(geometry["HEIGHT"]) + top + bottom
            if size(tabs) != (outer[0] - 30, outer[1] - 103):
                sys.exit(f"FAIL: tab control {size(tabs)} in a window of outer size {outer}")

            # The card picture is spoken as its file's name, or as missing, for the card last
            # double-clicked.
            press(app, pyatspi.ROLE_PAGE_TAB, "My Collection")
            card_picture = wait_for("the empty card picture was named", lambda: find(
                app, pyatspi.ROLE_FILLER, "No card picture"))
            for row, name in ((0, "Black Lotus.png"), (1, "No card picture")):
                click_row(collection, row, "--repeat", "2")
                wait_for(f'the card picture was named "{name}"', lambda: card_picture.name == name)

            # A screen reader finds a link of the start page by its name, and it opens.
            press(app, pyatspi.ROLE_PAGE_TAB, "Home")
            link = wait_for("the start page's link to Troll and Toad", lambda: find(
                app, pyatspi.ROLE_LINK, "Troll and Toad", in_pages=True))
            link.queryAction().doAction(0)
            status = find(app, pyatspi.ROLE_STATUS_BAR)
            wait_for("the link opened its page", lambda: find(status, pyatspi.ROLE_LABEL) and (
                "http://www.trollandtoad.com/" in find(status, pyatspi.ROLE_LABEL).name))

            # A screen reader reads the status text of a store tab.
            press(app, pyatspi.ROLE_PUSH_BUTTON, "Find It!")
            wait_for("the status text was readable", lambda: find(status, pyatspi.ROLE_LABEL) and (
                is_load_state(find(status, pyatspi.ROLE_LABEL).name)))

            # The tracker's pop-up menu from the keyboard: read on the bus and chosen there.
            menus = []
            pyatspi.Registry.registerEventListener(
                lambda event: event.source and event.source.getRole() == pyatspi.ROLE_POPUP_MENU
                and event.detail1 and menus.append(event.source), "object:state-changed:showing")
            press(app, pyatspi.ROLE_PAGE_TAB, "Tracker")
            tracker_list = wait_for("the tracker list", lambda: find(app, pyatspi.ROLE_TREE, "Tracker"))
            for row, key, entry, done in (
                    (1, "shift+F10", "Delete", lambda: open(tracker, "rb").read().count(b"\r\n") == 4),
                    (0, "Menu", "Display", lambda: find(app, pyatspi.ROLE_PAGE_TAB_LIST, "Ebay"))):
                # The pop-up chosen before may still hold the pointer for a moment: click again.
                wait_for(f"row {row} was selected by a click", lambda: click_row(
                    tracker_list, row) or time.sleep(0.5) or
                    list(tracker_list.queryTable().getSelectedRows()) == [row])
                menus.clear()
                run("xdotool", "key", key)
                menu = wait_for(f"the pop-up menu was shown by {key}", lambda: menus and menus[-1])
                if [item.name for item in menu] != ["Delete", "Display"] or not menu.name:
                    sys.exit(f"FAIL: the pop-up menu {menu.name!r} holds {[i.name for i in menu]}")
                press(menu, pyatspi.ROLE_MENU_ITEM, entry)
                wait_for(f'"{entry}" chosen on the bus did its work', done)
            if b"Card 2" in open(tracker, "rb").read():
                sys.exit("FAIL: Delete removed another row than the selected second one")

            # The help window: a fixed border with a close button only; back from the task bar.
            press(app, pyatspi.ROLE_MENU_ITEM, "Help Page")
            help_window = window_titled("Help Page")
            check_fixed_title_and_close_only(help_window)
            run("xdotool", "windowminimize", "--sync", help_window)
            press(app, pyatspi.ROLE_MENU_ITEM, "Help Page")
            wait_for("the minimized help window came back to the front", lambda: (
                "Normal" in xprop(help_window, "WM_STATE") and
                int(xprop("root", "_NET_ACTIVE_WINDOW").split("#")[-1], 16) == int(help_window, 16)))

            # A screen reader names every control on every tab and in the help window, and below in
            # the About box; the tab control is named by its current tab.
            names_missing = []
            tab_list = find(app, pyatspi.ROLE_PAGE_TAB, "Tracker").parent
            for tab in [t for t in tab_list if t.getRole() == pyatspi.ROLE_PAGE_TAB]:
                press_node(tab)
                wait_for(f'the tab "{tab.name}" was shown', lambda: tab_list.name == tab.name)
                names_missing += unnamed(app)

            # The About box: a fixed dialog of the main window, not in the task bar.
            press(app, pyatspi.ROLE_MENU_ITEM, "About Us")
            about = window_titled("About Vellumark - (Duelkin)")
            check_fixed_title_and_close_only(about)
            if (int(xprop(about, "WM_TRANSIENT_FOR").split("#")[-1], 16) != int(main_window, 16) or
                    not xprop(about, "_NET_WM_WINDOW_TYPE").startswith("_NET_WM_WINDOW_TYPE_DIALOG")):
                sys.exit("FAIL: the About box is not a dialog of the main window")
            if sorted(titled_windows().values()) != sorted(
                    ["About Vellumark - (Duelkin)", "Help Page", TITLE]):
                sys.exit(f"FAIL: the window manager shows the titles {titled_windows()}")
            names_missing += unnamed(app)
            if names_missing:
                sys.exit("FAIL: unnamed: " + ", ".join(sorted(set(names_missing))))
            print("PASS: titles, hints, design size, layout, card picture, start page link, "
                  "status text, pop-up menu, help window and names")
        finally:
            running.terminate()
            running.wait(30)
            openbox.terminate()


if __name__ == "__main__":
    main()
