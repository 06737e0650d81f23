#!/usr/bin/env python3
"""Headless play as scripts/run serves it with no display: the VNC server reachable by this
account only (a socket of its own, or a loopback port when asked for) and only with the run's
password, the X display closed to other accounts, a desktop whose window manager shows every
caption, and nothing of the run left, however it ends. Each run has a scratch home.
Usage: test_serve_vnc.py SERVE-VNC PROGRAM"""
import os, re, select, signal, socket, stat, struct, subprocess, sys, tempfile, time, unittest

SERVE_VNC, PROGRAM = sys.argv.pop(1), sys.argv.pop(1)
# Another account on the same computer.
NOBODY = ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "env", "-i"]
SECURITY_NONE, SECURITY_VNC_AUTH = 1, 2


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def proc_stat(pid):
    """The fields of /proc/PID/stat from the state on, after the command's name in parentheses;
    None once the process is gone."""
    try:
        with open(f"/proc/{pid}/stat") as f:
            return f.read().rsplit(")", 1)[1].split()
    except (FileNotFoundError, ProcessLookupError):
        return None


def children(pid):
    return [int(entry) for entry in filter(str.isdigit, os.listdir("/proc"))
            if (fields := proc_stat(entry)) and int(fields[1]) == pid]


def process_file(pid, name):
    with open(f"/proc/{pid}/{name}", "rb") as f:
        return [item.decode() for item in f.read().split(b"\0") if item]


def alive(pid):
    fields = proc_stat(pid)
    return fields is not None and fields[0] != "Z"


def until(check, timeout, pause=0.1):
    """Asks again until the answer is true or the time is up; the last answer."""
    deadline = time.monotonic() + timeout
    while not (answer := check()) and time.monotonic() < deadline:
        time.sleep(pause)
    return answer


def scratch_env(home, port):
    # The desktop's opener finds no program for plain text, as xdg-open answers then.
    opener = os.path.join(home, "opener")
    os.mkdir(opener)
    with open(os.path.join(opener, "xdg-open"), "w") as f:
        f.write("#!/bin/sh\necho \"xdg-open: no method available for opening '$1'\" >&2\nexit 3\n")
    os.chmod(os.path.join(opener, "xdg-open"), 0o755)
    env = {"PATH": f"{opener}:{os.environ['PATH']}", "HOME": home, "LANG": "C.UTF-8",
           **{f"XDG_{name}_HOME": os.path.join(home, name.lower()) for name in ("CONFIG", "DATA", "CACHE", "STATE")}}
    # The suite's runtime folder, where it has one: a socket's path must stay short.
    env["XDG_RUNTIME_DIR"] = os.environ.get("XDG_RUNTIME_DIR") or os.path.join(home, "runtime")
    os.makedirs(env["XDG_RUNTIME_DIR"], 0o700, exist_ok=True)
    if port is not None:
        env["ZELTARO_VNC_PORT"] = str(port)
    return env


def vnc_response(password, challenge):
    """VNC authentication: the challenge enciphered with DES, keyed by the password with the
    bits of each byte reversed."""
    key = bytes(int(f"{b:08b}"[::-1], 2) for b in password.encode().ljust(8, b"\0")[:8])
    return subprocess.run(
        ["openssl", "enc", "-des-ecb", "-nopad", "-K", key.hex(), "-provider", "legacy",
         "-provider", "default"], input=challenge, capture_output=True, check=True).stdout


class Rfb:
    """A VNC client of the protocol's version 3.8, just enough to log in and read the screen."""

    def __init__(self, address):
        port = isinstance(address, int)
        self.sock = socket.socket(socket.AF_INET if port else socket.AF_UNIX)
        self.sock.settimeout(30)
        self.sock.connect(("127.0.0.1", address) if port else address)

    def read(self, n):
        data = b""
        while len(data) < n:
            chunk = self.sock.recv(n - len(data))
            if not chunk:
                raise ConnectionError("the server closed the connection")
            data += chunk
        return data

    def security_types(self):
        self.read(12)
        self.sock.sendall(b"RFB 003.008\n")
        return list(self.read(self.read(1)[0]))

    def log_in(self, password):
        """True when the server accepts the password."""
        self.sock.sendall(bytes([SECURITY_VNC_AUTH]))
        self.sock.sendall(vnc_response(password, self.read(16)))
        return struct.unpack(">I", self.read(4))[0] == 0

    def screen(self):
        """The whole screen as 32-bit pixels, red in bits 16 to 23."""
        self.sock.sendall(b"\1")  # shared with other viewers
        width, height = struct.unpack(">HH", self.read(4))
        self.read(16)
        self.read(struct.unpack(">I", self.read(4))[0])
        pixel_format = struct.pack(">BBBBHHHBBB3x", 32, 24, 0, 1, 255, 255, 255, 16, 8, 0)
        self.sock.sendall(b"\0\0\0\0" + pixel_format)
        self.sock.sendall(struct.pack(">BBHHHH", 3, 0, 0, 0, width, height))
        pixels = bytearray(width * height * 4)
        message, rects = struct.unpack(">Bx H", self.read(4))
        assert message == 0, f"message {message} instead of a framebuffer update"
        for _ in range(rects):
            x, y, w, h, encoding = struct.unpack(">HHHHi", self.read(12))
            assert encoding == 0, f"encoding {encoding} where raw was asked for"
            for row in range(y, y + h):
                start = (row * width + x) * 4
                pixels[start:start + w * 4] = self.read(w * 4)
        return width, height, pixels


class Run:
    """scripts/serve-vnc with the game, in a session of its own as a terminal would start it;
    traced, every bind of the run is written down from the first moment. It serves on its
    socket unless given a port."""

    def __init__(self, port=None, traced=False):
        self.home = tempfile.TemporaryDirectory()
        self.trace = tempfile.mktemp()
        env = scratch_env(self.home.name, port)
        self.home_before = tree(self.home.name)
        tracer = ["strace", "-f", "-qq", "--seccomp-bpf", "-e", "trace=bind", "-o", self.trace]
        self.proc = subprocess.Popen(
            (tracer if traced else []) + [SERVE_VNC, "--game", PROGRAM], env=env, stdout=subprocess.PIPE,
            stderr=subprocess.STDOUT, bufsize=0, start_new_session=True)
        self.parts = {}
        try:
            self.banner = self.read_until(r"Password:\s+(\S+)(.|\n)*vncviewer (\S+)")
            self.password = re.search(r"Password:\s+(\S+)", self.banner).group(1)
            self.address = port or re.search(r"vncviewer (\S+)", self.banner).group(1)
            self.script = children(self.proc.pid)[0] if traced else self.proc.pid
            self.parts = self.wait_for_processes()
        except BaseException:
            self.kill()
            raise
        self.env = dict(item.split("=", 1) for item in process_file(self.parts[PROGRAM], "environ"))
        args = process_file(self.parts["Xvnc"], "cmdline")
        self.private_files = [args[i + 1] for i, arg in enumerate(args)
                              if arg in ("-PasswordFile", "-auth")]
        self.private = os.path.dirname(self.private_files[0])

    def read_until(self, pattern, timeout=60):
        text = ""
        deadline = time.monotonic() + timeout
        while not re.search(pattern, text):
            if not select.select([self.proc.stdout], [], [], max(0, deadline - time.monotonic()))[0]:
                raise AssertionError(f"no {pattern!r} in: {text}")
            line = self.proc.stdout.readline().decode()
            if not line:
                raise AssertionError(f"ended before {pattern!r}: {text}")
            text += line
        return text

    def wait_for_processes(self):
        """The run's parts by name: the server, the window manager, the bus and the game."""
        def parts():
            names = {}
            for pid in filter(alive, children(self.script)):
                try:
                    names[process_file(pid, "cmdline")[0]] = pid
                except (OSError, IndexError):  # ended, or between fork and exec
                    pass
            return names if {"Xvnc", "openbox", "dbus-daemon", PROGRAM} <= names.keys() else None
        names = until(parts, 30)
        assert names, "the server, the window manager, the bus and the game did not all start"
        return names

    def xdotool(self, *args):
        return self.x_client(["xdotool", *args]).stdout.decode().strip()

    def caption(self, name):
        """The top of the frame the window manager put round the window titled so, in pixels."""
        # A window that closes while xdotool walks the tree ends its search with nothing.
        window = until(lambda: self.xdotool("search", "--sync", "--onlyvisible", "--name", f"^{name}$"),
                       30, pause=0)
        extents = self.x_client(["xprop", "-id", window.split()[0], "_NET_FRAME_EXTENTS"])
        return int(extents.stdout.decode().split("=")[1].split(",")[2])

    def x_client(self, args, as_nobody=False):
        prefix = NOBODY if as_nobody else ["env", f"XAUTHORITY={self.env['XAUTHORITY']}"]
        return subprocess.run(prefix + [f"DISPLAY={self.env['DISPLAY']}"] + args, capture_output=True,
                              timeout=60)

    def wait(self, timeout=30):
        self.proc.communicate(timeout=timeout)

    def kill(self):
        """Whatever is left of a run that failed a test."""
        for pid in self.parts.values():
            if alive(pid):
                os.kill(pid, signal.SIGKILL)
        if self.proc.poll() is None:
            os.killpg(self.proc.pid, signal.SIGKILL)
            self.proc.wait()
        self.proc.stdout.close()
        self.home.cleanup()
        if os.path.exists(self.trace):
            os.remove(self.trace)


def tree(folder):
    """Every path under the folder with its kind and size."""
    return {os.path.join(top, name): (stat.S_IFMT(os.lstat(os.path.join(top, name)).st_mode),
                                      os.lstat(os.path.join(top, name)).st_size)
            for top, dirs, files in os.walk(folder) for name in dirs + files}


def gone(test, pids, paths, timeout=10):
    """Waits until no process and no path is left, then says which still are."""
    left = lambda: [pid for pid in pids if alive(pid)] + list(filter(os.path.lexists, paths))
    until(lambda: not left(), timeout)
    test.assertEqual(left(), [], "still running or on disk")


def inet_binds(trace):
    with open(trace) as f:
        return re.findall(r"bind\(\d+, \{sa_family=AF_INET6?, .*?(?:inet_addr\(\"([^\"]+)\"\)|"
                          r"inet_pton\(AF_INET6, \"([^\"]+)\")", f.read())


class ServedGame(unittest.TestCase):
    def start(self, port=None, traced=False):
        run = Run(port, traced)
        self.addCleanup(run.kill)
        return run

    def test_the_vnc_server_is_this_accounts_alone_and_asks_for_the_password(self):
        # A socket in the run's private folder and no TCP port at all, unless a port is asked
        # for: then 127.0.0.1 alone.
        for name, port, bound in (("socket", None, set()), ("port", free_port(), {"127.0.0.1"})):
            with self.subTest(name):
                run = self.start(port, traced=True)
                if port is None:
                    info = os.stat(run.address)
                    self.assertTrue(stat.S_ISSOCK(info.st_mode))
                    self.assertEqual((info.st_uid, stat.S_IMODE(info.st_mode)), (os.geteuid(), 0o600))
                    self.assertEqual(os.path.dirname(run.address), run.private)
                rfb = Rfb(run.address)
                types = rfb.security_types()
                self.assertNotIn(SECURITY_NONE, types)
                self.assertIn(SECURITY_VNC_AUTH, types)
                self.assertFalse(rfb.log_in("wrong"))
                rfb.sock.close()

                # With the password, the screen shows the game's window: its light face in the
                # middle, where the window manager places it, on the server's black.
                deadline = time.monotonic() + 30
                while True:
                    rfb = Rfb(run.address)
                    rfb.security_types()
                    self.assertTrue(rfb.log_in(run.password))
                    width, _, pixels = rfb.screen()
                    rfb.sock.close()
                    light = sum(1 for y in range(250, 550, 10) for x in range(250, 550, 10)
                                if min(pixels[(y * width + x) * 4:(y * width + x) * 4 + 3]) > 200)
                    if light > 450 or time.monotonic() > deadline:
                        break
                    time.sleep(0.5)
                self.assertGreater(light, 450, "the game's window is not on the served screen")

                os.killpg(run.proc.pid, signal.SIGINT)
                run.wait()
                self.assertEqual({v4 or v6 for v4, v6 in inet_binds(run.trace)}, bound)

    def test_every_window_has_its_caption_and_the_keys_follow_the_active_one(self):
        run = self.start()
        self.assertGreater(run.caption("Untitled - Zeltaro"), 0)
        # Play with nothing taken, after Start: the game's box, closed with Enter.
        run.xdotool("key", "ctrl+t", "ctrl+p")
        self.assertGreater(run.caption("ВНИМАНИЕ"), 0)
        run.xdotool("key", "Return")
        # New game, then the settings: the keys reach the game once the box has closed.
        run.xdotool("sleep", "0.5", "key", "ctrl+n", "ctrl+g")
        self.assertGreater(run.caption("Общи настройки"), 0)
        run.xdotool("key", "Escape")
        # "Правила" with no program for text: the shell's own window, closed with Esc.
        run.xdotool("sleep", "0.5", "key", "alt", "sleep", "0.3", "key", "Left", "Down", "Return")
        self.assertGreater(run.caption("About Zeltaro"), 0)
        run.xdotool("key", "Tab", "space")
        self.assertGreater(run.caption("HelpZeltaro.txt"), 0)
        run.xdotool("key", "Escape")
        run.xdotool("search", "--sync", "--onlyvisible", "--name", "^Untitled - Zeltaro$",
                    "sleep", "0.5")
        self.assertEqual(run.xdotool("search", "--onlyvisible", "--name", "^HelpZeltaro.txt$"), "")
        os.killpg(run.proc.pid, signal.SIGINT)
        run.wait()
        self.assertEqual(tree(run.home.name), run.home_before, "the run changed the home")

    @unittest.skipUnless(os.geteuid() == 0, "only the administrator can act as another account")
    def test_another_account_can_neither_reach_the_game_nor_read_the_secrets(self):
        run = self.start()
        connect = subprocess.run(NOBODY + ["/usr/bin/python3", "-c", "import socket, sys; socket."
                                           "socket(socket.AF_UNIX).connect(sys.argv[1])", run.address],
                                 capture_output=True)
        self.assertIn(b"PermissionError", connect.stderr, "another account reached the VNC socket")
        self.assertEqual(run.x_client(["xdpyinfo"]).returncode, 0, "the cookie does not open it")
        refused = run.x_client(["xdpyinfo"], as_nobody=True)
        self.assertIn(b"Authorization required", refused.stderr, "another account opened it")
        for path in run.private_files + [os.path.dirname(run.private_files[0])]:
            self.assertEqual(os.stat(path).st_mode & 0o077, 0, path)
        for path in run.private_files:
            read = subprocess.run(NOBODY + ["cat", path], capture_output=True)
            self.assertIn(b"Permission denied", read.stderr, f"another account read {path}")

    def test_nothing_is_left_however_the_run_ends(self):
        # How the run is ended, and whether it serves on a port.
        def kill(part, sig=signal.SIGKILL):
            return lambda run: os.kill(run.parts.get(part, run.script), sig)
        ends = {
            "Ctrl+C in the terminal": (lambda run: os.killpg(run.proc.pid, signal.SIGINT), None),
            # "изход", the last item of the first menu, "Игра".
            "closed from its menu": (lambda run: run.xdotool(
                "search", "--sync", "--onlyvisible", "--name", "Zeltaro", "sleep", "0.5", "key",
                "alt", "sleep", "0.3", "key", "Down", "Up", "Return"), free_port()),
            **{f"{sig.name} to the launcher alone": (kill("launcher", sig), None)
               for sig in (signal.SIGTERM, signal.SIGHUP, signal.SIGINT)},
            **{f"SIGKILL to the {name}": (kill(part), None) for name, part in (
                ("launcher", "launcher"), ("server", "Xvnc"), ("window manager", "openbox"),
                ("bus", "dbus-daemon"), ("game", PROGRAM))},
        }
        for name, (end, port) in ends.items():
            with self.subTest(name):
                run = self.start(port)
                display = run.env["DISPLAY"].lstrip(":")
                end(run)
                run.wait()
                gone(self, [run.script, *run.parts.values()],
                     [f"/tmp/.X11-unix/X{display}", f"/tmp/.X{display}-lock", run.private])
                if port:  # nothing listens on it any more
                    with self.assertRaises(OSError):
                        socket.create_connection(("127.0.0.1", port), timeout=5).close()


class Refusals(unittest.TestCase):
    """Runs that must not start, and say why."""

    def serve(self, env):
        return subprocess.run([SERVE_VNC, "--game", PROGRAM], env=env, capture_output=True,
                              text=True, timeout=60)

    @unittest.skipUnless(os.geteuid() == 0, "only the administrator can act as another account")
    def test_a_temporary_folder_another_account_can_change_is_refused(self):
        # TMPDIR's owner and mode; the session's runtime folder is another account's too, so it
        # is no way out.
        for name, owner, mode in (("another account's", 65534, 0o700),
                                  ("writable by all, not sticky", 0, 0o777)):
            with self.subTest(name), tempfile.TemporaryDirectory() as home:
                hostile = os.path.join(home, "tmp")
                os.mkdir(hostile)
                os.chmod(hostile, mode)
                os.chown(hostile, owner, owner)
                runtime = os.path.join(home, "runtime")
                os.mkdir(runtime, 0o700)
                os.chown(runtime, 65534, 65534)
                result = self.serve(scratch_env(home, None) | {"TMPDIR": hostile,
                                                               "XDG_RUNTIME_DIR": runtime})
                self.assertEqual(result.returncode, 1)
                self.assertIn(f"TMPDIR ({hostile}) is not a folder that only your account", result.stderr)
                self.assertEqual(os.listdir(hostile), [])

    def test_a_port_that_is_not_a_whole_number_from_1024_to_65535_is_refused(self):
        for value in ["abc", "0", "1023", "65536", "70000", "5900x", "-5901", "5 900"]:
            with self.subTest(value), tempfile.TemporaryDirectory() as home:
                result = self.serve(scratch_env(home, value))
                self.assertNotEqual(result.returncode, 0)
                self.assertIn("ZELTARO_VNC_PORT must be a whole number from 1024 to 65535",
                              result.stderr)

    def test_a_taken_port_is_reported(self):
        with socket.socket() as taken, tempfile.TemporaryDirectory() as home:
            taken.bind(("127.0.0.1", 0))
            taken.listen()
            result = self.serve(scratch_env(home, taken.getsockname()[1]))
        self.assertNotEqual(result.returncode, 0)
        self.assertRegex(result.stderr, r"port \d+ \(ZELTARO_VNC_PORT\) is taken")


if __name__ == "__main__":
    unittest.main()
