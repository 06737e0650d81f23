#!/usr/bin/env python3
"""Headless play as scripts/run serves it with no display: the VNC server reachable from this
computer only and only with the run's password, the X display closed to other accounts, and
nothing of the run left once the game ends. Each run has a scratch home and a free port.
Usage: test_serve_vnc.py SERVE-VNC PROGRAM"""
import os
import re
import select
import signal
import socket
import struct
import subprocess
import sys
import tempfile
import time
import unittest

SERVE_VNC, PROGRAM = sys.argv.pop(1), sys.argv.pop(1)
# Another account on the same computer.
NOBODY = ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "env", "-i"]
SECURITY_NONE, SECURITY_VNC_AUTH = 1, 2


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def children(pid):
    found = []
    for entry in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{entry}/stat") as stat:
                # The parent's id follows the state, after the command's name in parentheses.
                if int(stat.read().rsplit(")", 1)[1].split()[1]) == pid:
                    found.append(int(entry))
        except FileNotFoundError:  # ended meanwhile
            pass
    return found


def process_file(pid, name):
    with open(f"/proc/{pid}/{name}", "rb") as f:
        return [item.decode() for item in f.read().split(b"\0") if item]


def alive(pid):
    try:
        with open(f"/proc/{pid}/stat") as stat:
            return stat.read().rsplit(")", 1)[1].split()[0] != "Z"
    except FileNotFoundError:
        return False


def scratch_env(home, port):
    env = {"PATH": os.environ["PATH"], "HOME": home, "LANG": "C.UTF-8"}
    for name in ("CONFIG", "DATA", "CACHE", "STATE", "RUNTIME"):
        env[f"XDG_{name}_HOME"] = os.path.join(home, name.lower())
    env["XDG_RUNTIME_DIR"] = env.pop("XDG_RUNTIME_HOME")
    os.mkdir(env["XDG_RUNTIME_DIR"], 0o700)
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

    def __init__(self, port):
        self.sock = socket.create_connection(("127.0.0.1", port), timeout=30)

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

    def close(self):
        self.sock.close()


class Run:
    """scripts/serve-vnc with the game, in a session of its own as a terminal would start it;
    traced, every bind of the run is written down from the first moment."""

    def __init__(self, port, traced=False):
        self.home = tempfile.TemporaryDirectory()
        self.trace = os.path.join(self.home.name, "bind.trace")
        self.port = port
        tracer = ["strace", "-f", "-qq", "--seccomp-bpf", "-e", "trace=bind", "-o", self.trace]
        self.proc = subprocess.Popen(
            (tracer if traced else []) + [SERVE_VNC, PROGRAM], env=scratch_env(self.home.name, port),
            stdout=subprocess.PIPE, stderr=subprocess.STDOUT, bufsize=0, start_new_session=True)
        self.server = self.game = None
        try:
            self.banner = self.read_until(r"Password:\s+(\S+)")
            self.password = re.search(r"Password:\s+(\S+)", self.banner).group(1)
            self.script = children(self.proc.pid)[0] if traced else self.proc.pid
            self.server, self.game = self.wait_for_processes()
        except BaseException:
            self.kill()
            raise
        self.env = dict(item.split("=", 1) for item in process_file(self.game, "environ"))
        args = process_file(self.server, "cmdline")
        self.private_files = [args[i + 1] for i, arg in enumerate(args)
                              if arg in ("-PasswordFile", "-auth")]

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
        deadline = time.monotonic() + 30
        while time.monotonic() < deadline:
            pids = children(self.script)
            names = {process_file(pid, "cmdline")[0]: pid for pid in pids if alive(pid)}
            if "Xvnc" in names and PROGRAM in names:
                return names["Xvnc"], names[PROGRAM]
            time.sleep(0.1)
        raise AssertionError("the server and the game did not both start")

    def x_client(self, args, as_nobody=False):
        env = [f"DISPLAY={self.env['DISPLAY']}"]
        if not as_nobody:
            env.append(f"XAUTHORITY={self.env['XAUTHORITY']}")
        prefix = NOBODY if as_nobody else ["env"]
        return subprocess.run(prefix + env + args, capture_output=True, timeout=60)

    def wait(self, timeout=30):
        self.proc.communicate(timeout=timeout)

    def kill(self):
        """Whatever is left of a run that failed a test."""
        for pid in filter(None, (self.server, self.game)):
            if alive(pid):
                os.kill(pid, signal.SIGKILL)
        if self.proc.poll() is None:
            os.killpg(self.proc.pid, signal.SIGKILL)
            self.proc.wait()
        self.proc.stdout.close()
        self.home.cleanup()


def inet_binds(trace):
    with open(trace) as f:
        return re.findall(r"bind\(\d+, \{sa_family=AF_INET6?, .*?(?:inet_addr\(\"([^\"]+)\"\)|"
                          r"inet_pton\(AF_INET6, \"([^\"]+)\")", f.read())


def listening(port):
    try:
        socket.create_connection(("127.0.0.1", port), timeout=5).close()
        return True
    except OSError:
        return False


class ServedGame(unittest.TestCase):
    def start(self, traced=False):
        run = Run(free_port(), traced)
        self.addCleanup(run.kill)
        return run

    def test_the_vnc_server_listens_on_loopback_alone_and_asks_for_the_password(self):
        run = self.start(traced=True)
        rfb = Rfb(run.port)
        types = rfb.security_types()
        self.assertNotIn(SECURITY_NONE, types)
        self.assertIn(SECURITY_VNC_AUTH, types)
        self.assertFalse(rfb.log_in("wrong"))
        rfb.close()

        # With the password, the screen shows the game's window: its light face at the top
        # left, where the window lies with no window manager, on the server's black.
        deadline = time.monotonic() + 30
        while True:
            rfb = Rfb(run.port)
            rfb.security_types()
            self.assertTrue(rfb.log_in(run.password))
            width, _, pixels = rfb.screen()
            rfb.close()
            light = sum(1 for y in range(0, 300, 10) for x in range(0, 300, 10)
                        if min(pixels[(y * width + x) * 4:(y * width + x) * 4 + 3]) > 200)
            if light > 450 or time.monotonic() > deadline:
                break
            time.sleep(0.5)
        self.assertGreater(light, 450, "the game's window is not on the served screen")

        os.killpg(run.proc.pid, signal.SIGINT)
        run.wait()
        binds = inet_binds(run.trace)
        self.assertTrue(binds, "no network address bound")
        self.assertEqual({v4 or v6 for v4, v6 in binds}, {"127.0.0.1"})

    @unittest.skipUnless(os.geteuid() == 0, "only the administrator can act as another account")
    def test_another_account_can_neither_open_the_display_nor_read_the_secrets(self):
        run = self.start()
        self.assertEqual(run.x_client(["xdpyinfo"]).returncode, 0, "the cookie does not open it")
        refused = run.x_client(["xdpyinfo"], as_nobody=True)
        self.assertIn(b"Authorization required", refused.stderr, "another account opened it")
        for path in run.private_files + [os.path.dirname(run.private_files[0])]:
            self.assertEqual(os.stat(path).st_mode & 0o077, 0, path)
        for path in run.private_files:
            read = subprocess.run(NOBODY + ["cat", path], capture_output=True)
            self.assertIn(b"Permission denied", read.stderr, f"another account read {path}")

    def test_nothing_is_left_once_the_game_ends(self):
        ends = {
            "Ctrl+C in the terminal": lambda run: os.killpg(run.proc.pid, signal.SIGINT),
            # "изход", the last item of the first menu, "Игра".
            "closed from its menu": lambda run: run.x_client(
                ["xdotool", "search", "--sync", "--onlyvisible", "--name", "Zeltaro", "sleep", "0.5",
                 "mousemove", "20", "10", "click", "1", "sleep", "0.5", "key", "Up", "key",
                 "Return"]),
        }
        for name, end in ends.items():
            with self.subTest(name):
                run = self.start()
                display = run.env["DISPLAY"].lstrip(":")
                private = os.path.dirname(run.private_files[0])
                end(run)
                run.wait()
                for pid in (run.script, run.server, run.game):
                    self.assertFalse(alive(pid), f"process {pid} is still running")
                self.assertFalse(listening(run.port))
                for path in (f"/tmp/.X11-unix/X{display}", f"/tmp/.X{display}-lock", private):
                    self.assertFalse(os.path.exists(path), path)


class Ports(unittest.TestCase):
    def serve(self, port):
        with tempfile.TemporaryDirectory() as home:
            env = scratch_env(home, None)
            env["ZELTARO_VNC_PORT"] = port
            return subprocess.run([SERVE_VNC, PROGRAM], env=env, capture_output=True, text=True,
                                  timeout=60)

    def test_a_port_that_is_not_a_whole_number_from_1024_to_65535_is_refused(self):
        for value in ["abc", "0", "1023", "65536", "70000", "5900x", "-5901", "5 900"]:
            with self.subTest(value):
                result = self.serve(value)
                self.assertNotEqual(result.returncode, 0)
                self.assertIn("ZELTARO_VNC_PORT must be a whole number from 1024 to 65535",
                              result.stderr)

    def test_a_taken_port_is_reported(self):
        with socket.socket() as taken:
            taken.bind(("127.0.0.1", 0))
            taken.listen()
            result = self.serve(str(taken.getsockname()[1]))
        self.assertNotEqual(result.returncode, 0)
        self.assertRegex(result.stderr, r"port \d+ \(ZELTARO_VNC_PORT\) is taken")


if __name__ == "__main__":
    unittest.main()
