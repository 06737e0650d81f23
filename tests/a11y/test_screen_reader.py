"""The game read from outside through AT-SPI, as a screen reader reads it: on a display, a session
bus and an accessibility bus of its own, with the listeners Orca registers. A reader speaks a
focus that comes to an object of another name or place; so each change must arrive that way."""
import os, shutil, signal, subprocess, sys, tempfile, time, unittest

GAME = sys.argv.pop(1)


def place(accessible):
    try:
        return tuple(accessible.queryComponent().getExtents(0))
    except NotImplementedError:
        return None


def start(*command):
    # A group of its own, so that what it starts in turn (the accessibility bus's daemon) ends
    # with it.
    return subprocess.Popen(command, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                            start_new_session=True)


class ScreenReader(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        os.environ["XDG_RUNTIME_DIR"] = tempfile.mkdtemp()
        # The server takes a free display itself: other suites pick theirs at the same time.
        cls.procs = [start("Xvfb", "-displayfd", "1", "-nolisten", "tcp")]
        cls.addClassCleanup(cls.stop)
        os.environ["DISPLAY"] = ":" + cls.procs[0].stdout.readline().decode().strip()
        bus = start("dbus-daemon", "--session", "--nofork", "--print-address=1")
        cls.procs.append(bus)
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()
        cls.procs.append(start("/usr/libexec/at-spi-bus-launcher", "--launch-immediately"))
        # The game comes once the accessibility bus is there, with no reader on yet.
        from gi.repository import Gio, GLib
        session, bus = Gio.bus_get_sync(Gio.BusType.SESSION), GLib.Variant("(s)", ["org.a11y.Bus"])
        while not session.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus",
                                    "org.freedesktop.DBus", "NameHasOwner", bus, None, 0, -1)[0]:
            time.sleep(0.05)
        cls.procs.append(start(GAME))
        global pyatspi
        import pyatspi  # reads the bus's address from the environment
        cls.events = []
        pyatspi.Registry.registerEventListener(
            cls.events.append, "object:state-changed:focused", "focus:", "window:activate",
            "object:children-changed", "object:property-change:accessible-name")
        cls.app = cls.wait(lambda: next((a for a in pyatspi.Registry.getDesktop(0)
                                          if a and a.name == "Zeltaro"), None))
        cls.focus_window()

    @classmethod
    def focus_window(cls, name="Zeltaro"):  # there is no window manager to give the focus
        window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", name],
                                capture_output=True, text=True, timeout=10).stdout.split()[-1]
        start = len(cls.events)
        subprocess.run(["xdotool", "windowfocus", "--sync", window], timeout=10)
        cls.wait(lambda: cls.focused(start) or None, 3)

    @classmethod
    def focused(cls, start):
        return [e for e in cls.events[start:]
                if e.type == "object:state-changed:focused" and e.detail1 == 1]

    @classmethod
    def stop(cls):  # also when the set-up itself fails
        for proc in reversed(cls.procs):
            os.killpg(proc.pid, signal.SIGTERM)  # Xvfb takes its lock file with it
            proc.wait()
        shutil.rmtree(os.environ["XDG_RUNTIME_DIR"])

    @staticmethod
    def wait(found, seconds=10):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            pyatspi.Registry.pumpQueuedEvents()
            from gi.repository import GLib
            while GLib.MainContext.default().iteration(False):
                pass
            if (result := found()) is not None:
                return result
            time.sleep(0.05)
        return None

    def heard(self, *keys):
        """What a reader says after each key: the name and description of each new focus."""
        said = []
        for key in keys:
            start = len(self.events)
            subprocess.run(["xdotool", "key", key])
            self.wait(lambda: self.focused(start) or None, 3)
            self.wait(lambda: None, 0.3)
            for e in self.focused(start):
                # Orca takes a focus of the same name and place as the last for that one.
                was = place(self.focus) if hasattr(self, "focus") else None
                if was is None or self.focus.name != e.source.name or was != place(e.source):
                    said.append(f"{e.source.name} / {e.source.description}")
                self.focus = e.source
        return said

    def find(self, root, role, name=None):
        return pyatspi.findDescendant(
            root, lambda a: a.getRole() == role and (name is None or a.name == name))

    def test_0_settings_read_as_a_form(self):
        subprocess.run(["xdotool", "key", "ctrl+g"])
        self.focus_window("Общи настройки")
        dialog = self.wait(lambda: self.find(self.app, pyatspi.ROLE_DIALOG, "Общи настройки"))

        def labels(role):
            return [[r.getTarget(i).name for r in a.getRelationSet() for i in range(r.getNTargets())
                     if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
                    for a in pyatspi.findAllDescendants(dialog, lambda a: a.getRole() == role)]
        self.assertEqual(labels(pyatspi.ROLE_COMBO_BOX), [["Избери общия брой предмети"],
                         ["Избери максималния брой предмети за вземане"]])
        self.assertEqual(labels(pyatspi.ROLE_RADIO_BUTTON), [["Влез в играта"]] * 2)
        self.assertEqual(self.heard("Tab", "Tab", "Down")[-1], "23 / ")
        self.heard("Escape")  # Cancel: 25 items, at most 4, player first
        self.focus_window()

    def test_1_game_is_told_as_it_happens(self):
        first = "Вие влизате в играта първи. Максималният брой предмети, които може да вземете е 4."
        self.assertEqual(self.heard("ctrl+t"), [f"Предмет 1, на дъската / {first}"])
        self.assertTrue(self.wait(lambda: any(
            e.type.startswith("object:children-changed:add") and e.any_data is not None and
            e.any_data.name == "Вие сте взели: 0" for e in self.events) or None, 3))
        self.assertEqual(self.find(self.app, pyatspi.ROLE_FILLER, "Дъска").name, "Дъска")
        self.assertEqual(self.heard("space"), ["Предмет 1, взет / Взети 1 от 4."])
        self.assertEqual(self.heard("Right", "space", "ctrl+z"),
                         ["Предмет 2, на дъската / ", "Предмет 2, взет / Взети 2 от 4.",
                          "Предмет 2, взет / Върнат предмет 1. Взети 1 от 4."])
        said = self.heard("ctrl+p")
        self.assertEqual(len(said), 1)
        self.assertRegex(said[0], r"^Предмет \d+, на дъската / Компютърът взе \d\. Вие сте "
                                  r"взели: 1\. Компютър: \d\. Остават \d+\.$")
        self.assertRegex(self.heard("F5")[0], r"Остават \d+\. Взети 0 от 4\.$")
        item = self.find(self.app, pyatspi.ROLE_PUSH_BUTTON, "Предмет 25, на дъската")
        self.assertEqual(item.queryAction().getKeyBinding(0), "")

    def test_2_press_returns_at_once(self):
        # A press whose click opens a box returns at once, and the box comes after: Play with
        # nothing taken, from the menu and the toolbar, and a fifth item with four to take.
        presses = [(pyatspi.ROLE_MENU_ITEM, "играй", pyatspi.ROLE_ALERT, "ВНИМАНИЕ"),
                   (pyatspi.ROLE_PUSH_BUTTON, "играй", pyatspi.ROLE_ALERT, "ВНИМАНИЕ")]
        presses += [(pyatspi.ROLE_PUSH_BUTTON, f"Предмет {k}, на дъската", pyatspi.ROLE_PUSH_BUTTON,
                     f"Предмет {k}, взет") for k in range(21, 25)]
        presses += [(pyatspi.ROLE_PUSH_BUTTON, "Предмет 25, на дъската", pyatspi.ROLE_ALERT,
                     " ВНИМАНИЕ")]
        for role, name, then_role, then_name in presses:
            began = time.monotonic()
            self.find(self.app, role, name).queryAction().doAction(0)
            self.assertLess(time.monotonic() - began, 1.0, name)
            then = self.wait(lambda: self.find(self.app, then_role, then_name))
            self.assertIsNotNone(then, then_name)
            if then_role == pyatspi.ROLE_ALERT:
                self.find(then, pyatspi.ROLE_PUSH_BUTTON).queryAction().doAction(0)
                self.wait(lambda: None if self.find(self.app, then_role) else True)


if __name__ == "__main__":
    unittest.main(verbosity=2)
