#!/usr/bin/python3
# Reads the program's tables over the accessibility bus (AT-SPI), as a screen
# reader such as Orca does: the main window's cipher table after "alles
# verschlüsseln", and the table of "Kryptoanalyse Einzelzeichen" sorted by
# count, each with its headers, cells, selection and focused cell, and the
# events the program sends meanwhile. It starts the program itself and ends it
# afterwards.
#
# Needs an X display, a D-Bus session, at-spi2-core, python3-pyatspi and
# xdotool (for the keys a learner types). On a machine without a desktop:
#
#   xvfb-run -a dbus-run-session -- /usr/bin/python3 tools/read-tables.py build/app/chiffrarium
#
# (Debian's /usr/bin/python3: pyatspi is a Debian package, not a pip one.)

import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

PROGRAM = sys.argv[1] if len(sys.argv) > 1 else "build/app/chiffrarium"


def wait_for(what, find, seconds=15):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = find()
        if found is not None:
            return found
        time.sleep(0.1)
    sys.exit(f"gave up waiting for {what}")


def program(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def x_window(pid, title):
    """The program's X window of this title, or None."""
    found = subprocess.run(["xdotool", "search", "--pid", str(pid), "--name", title],
                           capture_output=True, text=True)
    for window_id in found.stdout.split():
        name = subprocess.run(["xdotool", "getwindowname", window_id], capture_output=True,
                              text=True)
        if name.stdout.strip() == title:
            return window_id
    return None


def activate(pid, title):
    """Gives a window the keyboard focus, as a click into it would: a display
    without a window manager activates nothing by itself."""
    window_id = wait_for(title, lambda: x_window(pid, title))
    subprocess.run(["xdotool", "windowfocus", "--sync", window_id], check=True)


def window(app, title):
    for top in app:
        if top is not None and top.name == title:
            return top
    return None


def descendant(root, role, name):
    """The first descendant with this role and name, depth first. (pyatspi's
    findDescendant searches the whole tree again for every child of the root,
    which a table of hundreds of cells turns into minutes.)"""
    for child in root:
        if child is None:
            continue
        if child.getRole() == role and child.name == name:
            return child
        found = descendant(child, role, name)
        if found is not None:
            return found
    return None


def press(button):
    button.queryAction().doAction(0)


def keys(pid, title, *names):
    """Keys typed into a window of the program."""
    window_id = wait_for(title, lambda: x_window(pid, title))
    subprocess.run(["xdotool", "key", "--window", window_id, "--delay", "30", *names], check=True)


def quoted(text, limit=24):
    return '"' + (text if len(text) <= limit else text[:limit] + "…") + '"'


def where(cell):
    return f"{quoted(cell.name)} ({cell.description})"


def listen(action, seconds=1.5):
    """Runs action inside the event loop and gives the table events it brought."""
    seen = []

    def heard(event):
        source = event.source
        if source is None or source.getRole() not in (pyatspi.ROLE_TABLE_CELL,
                                                       pyatspi.ROLE_TABLE):
            return
        kind = event.type
        if kind.startswith("object:state-changed"):
            kind += "=1" if event.detail1 else "=0"
        seen.append(f"{kind}: {source.getRoleName()} {quoted(source.name)}")

    kinds = ["focus:", "object:state-changed:selected", "object:property-change:accessible-name"]
    pyatspi.Registry.registerEventListener(heard, *kinds)
    GLib.idle_add(lambda: action() and False)
    GLib.timeout_add(int(seconds * 1000), lambda: pyatspi.Registry.stop() and False)
    pyatspi.Registry.start()
    pyatspi.Registry.deregisterEventListener(heard, *kinds)
    return seen


def show_table(grid, rows_shown):
    table = grid.queryTable()
    print(f"table {quoted(grid.name)}: {table.nRows} row(s) x {table.nColumns} column(s)")
    heads = [table.getColumnHeader(c) for c in range(table.nColumns)]
    print("  column headers: " + " | ".join(quoted(h.name) if h else "-" for h in heads))
    for r in range(min(rows_shown, table.nRows)):
        head = table.getRowHeader(r)
        cells = [table.getAccessibleAt(r, c).name for c in range(table.nColumns)]
        lead = f"{quoted(head.name)}: " if head else ""
        print(f"  row {r}: {lead}" + " | ".join(quoted(c, 12) for c in cells))
    selected = []
    for r in range(table.nRows):
        for c in range(table.nColumns):
            if table.isSelected(r, c):
                selected.append(f"({r},{c}) {quoted(table.getAccessibleAt(r, c).name)}")
    print(f"  selected columns: {list(table.getSelectedColumns())}, "
          f"selected rows: {list(table.getSelectedRows())}")
    print(f"  selected cells: {', '.join(selected) if selected else 'none'}")
    focused = next((cell for cell in grid if cell is not None
                    and cell.getState().contains(pyatspi.STATE_FOCUSED)), None)
    print(f"  focused cell: {where(focused) if focused else 'none'}")


def main():
    pyatspi.Registry.getDesktop(0)  # brings up the accessibility bus before the program looks for it
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    child = subprocess.Popen([PROGRAM], env=env, stderr=subprocess.DEVNULL)
    try:
        app = wait_for("the program on the bus", lambda: program(child.pid))
        title = "Chiffrarium -- Cäsar-Chiffrierung"
        main_window = wait_for("the main window", lambda: window(app, title))
        cipher_grid = wait_for("the cipher table",
                               lambda: descendant(main_window, pyatspi.ROLE_TABLE, "Chiffre"))
        activate(child.pid, title)
        time.sleep(0.5)

        print('== main window: "hallo" typed into the plaintext, "alles verschlüsseln" pressed')
        subprocess.run(["xdotool", "type", "--delay", "30", "hallo"], check=True)
        run = descendant(main_window, pyatspi.ROLE_PUSH_BUTTON, "alles verschlüsseln")
        for event in listen(lambda: press(run)):
            print("  event " + event)
        cipher = descendant(main_window, pyatspi.ROLE_TEXT, "Chiffrierter Text")
        print(f"ciphertext: {quoted(cipher.queryText().getText(0, -1))}")
        show_table(cipher_grid, 1)

        print('\n== "Kryptoanalyse Einzelzeichen", sorted by count')
        press(descendant(main_window, pyatspi.ROLE_PUSH_BUTTON, "Kryptoanalyse Einzelzeichen"))
        title = "Kryptoanalyse -- Einzelzeichen"
        dialog = wait_for("the frequency window", lambda: window(app, title))
        frequencies = wait_for("its table", lambda: descendant(
            dialog, pyatspi.ROLE_TABLE, "Häufigkeitstabelle"))
        sort = descendant(dialog, pyatspi.ROLE_PUSH_BUTTON, "nach Häufigkeit sortieren")
        for event in listen(lambda: press(sort)):
            print("  event " + event)
        show_table(frequencies, 5)

        print("\n== the frequency table focused, Shift+Down and Shift+Right typed")
        frequencies.queryComponent().grabFocus()
        time.sleep(0.3)
        for event in listen(lambda: keys(child.pid, title, "shift+Down", "shift+Right")):
            print("  event " + event)
        show_table(frequencies, 3)

        press(descendant(dialog, pyatspi.ROLE_PUSH_BUTTON, "Beenden"))
        time.sleep(0.5)
    finally:
        child.terminate()
        child.wait(timeout=10)


if __name__ == "__main__":
    main()
