#!/usr/bin/env python3
"""What a screen reader hears from Kalvora, read through AT-SPI as Orca reads it.

Runs the desktop program under a private X server inside the D-Bus session this script was
started in (screen-reader-names.sh starts one), opens the order, check-list, comparison, credit
and reference windows the way a user does (their buttons' actions), and walks each window's
accessibility tree. A control a user can reach must have a name that says what it is:

  * not empty, not "???", with a letter in it;
  * fields, lists and tables are named in Russian (buttons and boxes may be named by their
    Latin captions: "Ambiente", "Check List...");
  * not the title of the group box around it, and not shared with another control of the window;
  * a list is not named after one of its own items (the colour list is "Цвет: Jeans Metallic",
    not "???" or the colour alone);
  * a label that shows a figure says what the figure is ("Базовая цена: 17670 $", not "17670");
  * the base price, the roof-rail surcharge and the total are read with their amounts.

Usage: screen-reader-names.py KALVORA KALVORA_CLI
Exit status 0 when every name is right, 1 with the list of faults, 77 when AT-SPI cannot be
started here (the message says why). KALVORA_AT_SPI_DUMP=FILE writes the trees that were read.
"""

import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIP = 77

# Roles of the controls a user reaches with the keyboard or reads as a whole.
CONTROL_ROLES = {
    "push button", "toggle button", "check box", "radio button", "combo box", "text",
    "password text", "spin button", "table", "tree table", "list", "slider", "entry",
    "menu button",
}
# Controls without a caption of their own: these are named in Russian.
FIELD_ROLES = {"text", "password text", "spin button", "table", "tree table", "list", "combo box",
               "entry"}
CYRILLIC = re.compile("[А-Яа-яЁё]")
LETTER = re.compile("[A-Za-zА-Яа-яЁё]")


def skip(why):
    print("SKIP: " + why)
    sys.exit(SKIP)


def cli_output(cli, lines):
    script = "".join(line + "\n" for line in lines)
    result = subprocess.run([cli, "script"], input=script.encode(), stdout=subprocess.PIPE,
                            stderr=subprocess.PIPE, check=True, timeout=60)
    return result.stdout.decode()


def start_display():
    """A private X server; returns (process, display) or skips."""
    xvfb = shutil.which("Xvfb")
    if not xvfb:
        skip("Xvfb is not installed")
    read_end, write_end = os.pipe()
    server = subprocess.Popen([xvfb, "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                               "-nolisten", "tcp"], pass_fds=(write_end,),
                              stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    deadline = time.time() + 20
    while not number.endswith(b"\n") and time.time() < deadline:
        chunk = os.read(read_end, 16)
        if not chunk:
            break
        number += chunk
    os.close(read_end)
    if not number.strip().isdigit():
        server.kill()
        skip("the X server did not start")
    return server, ":" + number.decode().strip()


def bus_call(connection, destination, path, interface, method, arguments=None, timeout=60):
    """One D-Bus call on `connection`; the reply's values, or None when the call failed."""
    from gi.repository import Gio, GLib
    try:
        reply = connection.call_sync(destination, path, interface, method, arguments, None,
                                     Gio.DBusCallFlags.NONE, timeout * 1000, None)
    except GLib.Error:
        return None
    return reply.unpack()


def has_owner(connection, name):
    from gi.repository import GLib
    reply = bus_call(connection, "org.freedesktop.DBus", "/org/freedesktop/DBus",
                     "org.freedesktop.DBus", "NameHasOwner", GLib.Variant("(s)", (name,)), 10)
    return reply is not None and reply[0]


def wait_until(ready, timeout, alive=lambda: True):
    """Polls `ready` until it holds; False when `alive` fails first or time runs out. The time is
    generous: on a loaded machine each step may take many seconds, and the polls only end the
    wait sooner when all is well."""
    deadline = time.monotonic() + timeout
    pause = 0.05
    while time.monotonic() < deadline and alive():
        if ready():
            return True
        time.sleep(pause)
        pause = min(pause * 2, 0.5)
    return False


def start_accessibility_bus(environment):
    """Starts the AT-SPI bus launcher and waits until the accessibility bus answers and its
    registry has started, so that a program registers with it at once; returns the launcher
    or skips."""
    if not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
        skip("no D-Bus session (run through screen-reader-names.sh)")
    launcher = next((p for p in ("/usr/libexec/at-spi-bus-launcher",
                                 "/usr/lib/at-spi2-core/at-spi-bus-launcher") if os.path.exists(p)),
                    None)
    if not launcher:
        skip("at-spi-bus-launcher is not installed (Debian package at-spi2-core)")
    try:
        from gi.repository import Gio, GLib
    except ImportError:
        skip("python3-gi is not installed")
    process = subprocess.Popen([launcher, "--launch-immediately"], env=environment,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    alive = lambda: process.poll() is None

    def give_up(why):
        # Terminated, not killed: the launcher ends the bus it started.
        process.terminate()
        process.wait(10)
        skip(why)

    session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    # Asking whether the name is taken does not start a second launcher, as asking the session
    # bus to start it would.
    if not wait_until(lambda: has_owner(session, "org.a11y.Bus"), 120, alive):
        give_up("the accessibility bus launcher did not start")
    reply = bus_call(session, "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress")
    if not reply or not reply[0]:
        give_up("the accessibility bus has no address")
    flags = (Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT |
             Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)
    try:
        bus = Gio.DBusConnection.new_for_address_sync(reply[0], flags, None, None)
    except GLib.Error as error:
        give_up("the accessibility bus does not answer: %s" % error.message)
    # The registry is started on demand by the bus; starting it now, and waiting until it owns
    # its name, spares the program a registration that times out while the registry starts. A
    # registry that ended while it started is asked for again.
    def registry_running():
        if has_owner(bus, "org.a11y.atspi.Registry"):
            return True
        bus_call(bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                 "StartServiceByName", GLib.Variant("(su)", ("org.a11y.atspi.Registry", 0)), 60)
        return has_owner(bus, "org.a11y.atspi.Registry")

    if not wait_until(registry_running, 120, alive):
        give_up("the accessibility registry did not start")
    bus.close_sync(None)
    return process


class Reader:
    """The accessibility tree of one program, as pyatspi gives it."""

    def __init__(self, pyatspi, name):
        self.pyatspi = pyatspi
        self.name = name

    def application(self, program=None, timeout=180):
        """The program's accessible application, once it has registered. While `program` (its
        process) runs, its start is awaited however slow the machine is, up to `timeout`."""
        found = []

        def registered():
            desktop = self.pyatspi.Registry.getDesktop(0)
            for i in range(desktop.childCount):
                app = desktop.getChildAtIndex(i)
                if app is not None and app.name == self.name:
                    found.append(app)
                    return True
            return False

        alive = (lambda: program.poll() is None) if program is not None else (lambda: True)
        if wait_until(registered, timeout, alive):
            return found[0]
        if program is not None and program.poll() is not None:
            raise RuntimeError("the program ended with status %d before it appeared on the "
                               "accessibility bus" % program.returncode)
        raise RuntimeError("the program did not appear on the accessibility bus")

    def window(self, caption_start, timeout=60):
        found = []

        def shown():
            app = self.application(timeout=timeout)
            for i in range(app.childCount):
                w = app.getChildAtIndex(i)
                if w is not None and w.name.startswith(caption_start) and self.showing(w):
                    found.append(w)
                    return True
            return False

        if wait_until(shown, timeout):
            return found[0]
        raise RuntimeError("no window «%s»" % caption_start)

    def settled_controls(self, window, at_least=0, timeout=60):
        """The window's controls once two readings in a row agree and there are `at_least` of
        them: a window that fills itself after it is shown is read when it is done."""
        readings = [None]

        def settled():
            entries = self.controls(window)
            shape = [(role, name) for _, role, name, _ in entries]
            previous, readings[0] = readings[0], (shape, entries)
            count = sum(1 for role, _ in shape if role in CONTROL_ROLES)
            return previous is not None and previous[0] == shape and count >= at_least

        wait_until(settled, timeout)
        return readings[0][1]

    def showing(self, o):
        try:
            return o.getState().contains(self.pyatspi.STATE_SHOWING)
        except Exception:  # an object that went away meanwhile
            return False

    def find(self, root, role, name=None):
        if root.getRoleName() == role and (name is None or root.name == name):
            return root
        for i in range(root.childCount):
            child = root.getChildAtIndex(i)
            if child is None or child.getRoleName() == "table":
                continue
            found = self.find(child, role, name)
            if found is not None:
                return found
        return None

    def press(self, root, name):
        button = self.find(root, "push button", name)
        if button is None:
            raise RuntimeError("no button «%s»" % name)
        action = button.queryAction()
        for i in range(action.nActions):
            if action.getName(i) in ("Press", "press", "click"):
                action.doAction(i)
                return
        action.doAction(0)

    def controls(self, window):
        """(object, role, name, ancestors' names) of every showing object of the window."""
        out = []

        def walk(o, ancestors):
            if o is None or not self.showing(o):
                return
            role = o.getRoleName()
            out.append((o, role, o.name, ancestors))
            if role in ("table", "tree table"):
                return  # cells are read with their column headers
            for i in range(o.childCount):
                walk(o.getChildAtIndex(i), ancestors + [o.name])

        walk(window, [])
        return out


def combo_items(o):
    names = []
    for i in range(o.childCount):
        lst = o.getChildAtIndex(i)
        if lst is None:
            continue
        for j in range(lst.childCount):
            item = lst.getChildAtIndex(j)
            if item is not None:
                names.append(item.name)
    return names


def check_window(title, entries, faults):
    seen = {}
    count = 0
    for o, role, name, ancestors in entries:
        shown = name.strip()
        where = "%s: %s «%s»" % (title, role, name)
        if role == "label":
            if re.search(r"\d", shown) and not LETTER.search(shown):
                faults.append(where + " is a figure without saying what it is")
            continue
        if role not in CONTROL_ROLES:
            continue
        count += 1
        if not shown or "??" in shown or not LETTER.search(shown):
            faults.append(where + " has no name that says what it is")
            continue
        if role in FIELD_ROLES and not CYRILLIC.search(shown):
            faults.append(where + " is not named in Russian")
        if any(shown == a.strip() for a in ancestors if a.strip()):
            faults.append(where + " is named after its group")
        if role == "combo box" and shown in [n.strip() for n in combo_items(o)]:
            faults.append(where + " is named after the item it shows")
        if shown in seen:
            faults.append(where + " shares its name with another %s" % seen[shown])
        seen[shown] = role
    return count


def dump(entries, out):
    for o, role, name, ancestors in entries:
        out.write("%s[%s] %r\n" % ("  " * len(ancestors), role, name))


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    kalvora, cli = sys.argv[1], sys.argv[2]

    # The cars: a Ghia wagon with every option (base price, surcharge and total all differ)
    # against an Ambiente three-door.
    full = cli_output(cli, ["start", "trim 3", "click KuzovWag", "click Univers2", "colour 3",
                            "equip", "print state"])
    state = dict(line.split(" ", 1) for line in full.splitlines() if " " in line)
    code, base, surcharge = state["code"], state["base"], state["surcharge"]
    price = state["price-label"]
    second = cli_output(cli, ["start", "trim 0", "click Kuzov3dr", "print code"]).strip()

    server, display = start_display()
    home = tempfile.mkdtemp(prefix="kalvora-at-spi-")
    environment = dict(os.environ, DISPLAY=display, HOME=home,
                       XDG_CONFIG_HOME=os.path.join(home, ".config"),
                       XDG_RUNTIME_DIR=home, QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1",
                       QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    environment.pop("QT_SCALE_FACTOR", None)
    os.environ["DISPLAY"] = display
    launcher = program = opener = None
    faults = []
    counts = {}
    trees = {}
    try:
        launcher = start_accessibility_bus(environment)
        try:
            import pyatspi  # only now: it connects to the accessibility bus when imported
        except ImportError:
            skip("python3-pyatspi is not installed")

        program = subprocess.Popen([kalvora, code], env=environment, cwd=home,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        reader = Reader(pyatspi, "Kalvora")
        reader.application(program)
        main_window = reader.window("Kalvora")
        reader.press(main_window, "Заказ...")
        reader.press(main_window, "Check List...")
        reader.press(main_window, "Сравнить...")
        comparison = reader.window("Сравнение вариантов")
        field = reader.find(comparison, "text")
        field.queryEditableText().setTextContents(second)
        reader.press(comparison, "Сравнить")
        # The reference windows of the main choices and one option's explanation.
        for button in ("Сравнение комплектаций", "Сравнение типов кузовов", "Сравнение двигателей",
                       "About ...", "Пояснение: Предпусковой подогреватель"):
            reader.press(main_window, button)
        # "Кредит..." shows its window modally: the action answers only when the window
        # closes, so it is asked for by a process of its own.
        opener = subprocess.Popen([sys.executable, "-c", CREDIT_OPENER], env=os.environ,
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        windows = [("Главное окно", main_window),
                   ("Заказ", reader.window("Заказ")),
                   ("Перечень", reader.window("Перечень контролируемых")),
                   ("Сравнение", comparison),
                   ("Сравнение комплектаций", reader.window("Сравнение комплектаций")),
                   ("Типы кузова", reader.window("Типы кузова")),
                   ("Сравнение двигателей", reader.window("Сравнение двигателей")),
                   ("About", reader.window("About")),
                   ("Предпусковой подогреватель", reader.window("Предпусковой подогреватель")),
                   ("Денежные расчёты", reader.window("Денежные расчёты"))]
        for title, window in windows:
            # The credit window fills its figures once shown.
            entries = reader.settled_controls(window, 40 if title == "Денежные расчёты" else 0)
            trees[title] = entries
            counts[title] = check_window(title, entries, faults)

        labels = [name for _, role, name, _ in trees["Главное окно"] if role == "label"]
        figures = [("Базовая цена", base), ("Доплата за крышу", surcharge),
                   ("Цена", price.split("$")[-1])]
        for what, amount in figures:
            if not any(n.startswith(what) and amount in n for n in labels):
                faults.append("Главное окно: no label reads «%s» with %s" % (what, amount))
        colour = [name for _, role, name, _ in trees["Главное окно"] if role == "combo box"]
        if colour != ["Цвет: Jeans Metallic"]:
            faults.append("Главное окно: the colour list is read as %r, not «Цвет: Jeans Metallic»"
                          % colour)
        if counts["Денежные расчёты"] < 40:
            faults.append("Денежные расчёты: only %d controls were read" % counts["Денежные расчёты"])
    finally:
        for process in (opener, program):
            if process is not None and process.poll() is None:
                process.send_signal(signal.SIGTERM)
                try:
                    process.wait(10)
                except subprocess.TimeoutExpired:
                    process.kill()
        for process in (launcher, server):
            if process is None:
                continue
            process.terminate()
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                process.kill()
        shutil.rmtree(home, ignore_errors=True)

    dump_path = os.environ.get("KALVORA_AT_SPI_DUMP")
    if dump_path:
        with open(dump_path, "w", encoding="utf-8") as out:
            for title, entries in trees.items():
                out.write("=== %s\n" % title)
                dump(entries, out)
    for title, count in counts.items():
        print("%s: %d controls read" % (title, count))
    if faults:
        print("%d faults:" % len(faults))
        for fault in faults:
            print("  " + fault)
        return 1
    print("every control is named")
    return 0


CREDIT_OPENER = """
import pyatspi
desktop = pyatspi.Registry.getDesktop(0)
def find(o):
    if o.getRoleName() == 'push button' and o.name == 'Кредит...':
        return o
    for i in range(o.childCount):
        c = o.getChildAtIndex(i)
        if c is not None and c.getRoleName() != 'table':
            f = find(c)
            if f is not None:
                return f
for i in range(desktop.childCount):
    app = desktop.getChildAtIndex(i)
    if app is not None and app.name == 'Kalvora':
        find(app).queryAction().doAction(0)
"""

if __name__ == "__main__":
    sys.exit(main())
