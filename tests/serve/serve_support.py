"""What the radarctl serve tests share: the server process, HTTP over
http.client, a WebSocket client over a raw socket, and the echo frame decoder."""
import argparse
import base64
import errno
import hashlib
import http.client
import json
import os
import re
import select
import signal
import socket
import struct
import subprocess
import sys
import tempfile
import threading
import time
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
TOKEN = "serve-test-token"
ECHO_PORT = 10024
RADARCTL = None


def main():
    """unittest.main, after taking --radarctl PATH off the command line."""
    global RADARCTL
    parser = argparse.ArgumentParser(add_help=False)
    parser.add_argument("--radarctl", required=True)
    args, rest = parser.parse_known_args()
    RADARCTL = os.path.abspath(args.radarctl)
    unittest.main(argv=[sys.argv[0]] + rest)


def wait_for(check, seconds, what):
    """Polls check() until it gives something true; fails after `seconds`."""
    deadline = time.monotonic() + seconds
    while True:
        value = check()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"no {what} within {seconds} s")
        time.sleep(0.05)


def echo_port_free():
    with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as s:
        try:
            s.bind(("0.0.0.0", ECHO_PORT))
            return True
        except OSError as e:
            if e.errno != errno.EADDRINUSE:
                raise
            return False


class Server:
    """`radarctl serve` on a free port: by default `--sim` with the test token.
    Its standard error is kept in `errors` (and passed on)."""

    def __init__(self, source=("--sim",), token_args=("--token", TOKEN), env=None, wait_for_port=True,
                 scenario=None, extra=()):
        # A scenario (a dict) is written to a file of the server's own, for --sim --scenario.
        self.folder = None
        if scenario is not None:
            self.folder = tempfile.TemporaryDirectory()
            path = os.path.join(self.folder.name, "scenario.json")
            with open(path, "w") as f:
                json.dump(scenario, f)
            source = ("--sim", "--scenario", path)
        # Another program's server outside CTest may hold the echo port.
        if wait_for_port:
            wait_for(echo_port_free, 120, f"free UDP port {ECHO_PORT}")
        self.proc = subprocess.Popen(
            [RADARCTL, "serve", *source, *extra, "--listen", "127.0.0.1:0", *token_args],
            stdout=subprocess.PIPE, stderr=subprocess.PIPE, bufsize=0, env=env)
        self.pid = self.proc.pid
        self.terminated = False
        self.errors = []
        threading.Thread(target=self._keep_errors, daemon=True).start()
        out, deadline = b"", time.monotonic() + 10
        while out.count(b"\n") < 2 and select.select(
                [self.proc.stdout], [], [], max(0, deadline - time.monotonic()))[0]:
            chunk = os.read(self.proc.stdout.fileno(), 4096)
            if not chunk:
                break
            out += chunk
        m = re.search(rb"^radarctl serve: listening on http://127\.0\.0\.1:(\d+)/\n"
                      rb"radarctl serve: control token (.+)\n", out)
        if not m:
            self.proc.kill()
            raise AssertionError(f"unexpected start lines: {out!r} {self.errors}")
        self.port = int(m.group(1))
        self.token_line = m.group(2).decode()

    def _keep_errors(self):
        for line in self.proc.stderr:
            text = line.decode(errors="replace")
            self.errors.append(text)
            sys.stderr.write(text)

    def terminate(self):
        """SIGTERM, once: a second one could come after the server stopped listening for it."""
        if self.proc.poll() is None and not self.terminated:
            self.terminated = True
            self.proc.send_signal(signal.SIGTERM)

    def stop(self, seconds=10):
        """SIGTERM; the exit code (None if it did not end in time)."""
        self.terminate()
        try:
            return self.proc.wait(seconds)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            self.proc.wait()
            return None
        finally:
            if self.folder is not None:
                self.folder.cleanup()

    def rss_kib(self):
        with open(f"/proc/{self.pid}/status") as f:
            return int(re.search(r"VmRSS:\s+(\d+) kB", f.read()).group(1))


class Sim:
    """`radarctl sim` in a process of its own: a radar whose echo can be
    stopped (SIGSTOP: the command link stays up, nothing is sent) and resumed."""

    def __init__(self, rpm=24, scenario=None):
        more = ["--scenario", os.path.join(ROOT, "station", "scenarios", scenario)] if scenario else []
        self.proc = subprocess.Popen([RADARCTL, "sim", "--rpm", str(rpm)] + more, stdout=subprocess.PIPE)
        line = self.proc.stdout.readline()
        m = re.search(rb"commands on 127\.0\.0\.1:(\d+)", line)
        if not m:
            self.proc.kill()
            raise AssertionError(f"unexpected sim line: {line!r}")
        self.port = int(m.group(1))

    def serve_args(self):
        return ("--station", "RADARSIM", "--host", "127.0.0.1", "--port", str(self.port))

    def pause(self):
        self.proc.send_signal(signal.SIGSTOP)

    def resume(self):
        self.proc.send_signal(signal.SIGCONT)

    def stop(self):
        self.resume()
        self.proc.terminate()
        self.proc.wait(10)
        self.proc.stdout.close()


class SceneServer(unittest.TestCase):
    """One `radarctl serve` for the class's tests, made from `server_args()`
    (Server's keywords), with the scene's clock; it must end cleanly."""

    @classmethod
    def server_args(cls):
        return {}

    @classmethod
    def setUpClass(cls):
        cls.server = Server(**cls.server_args())
        cls.started = time.monotonic()  # the scene's clock started a moment before
        cls.port = cls.server.port

    @classmethod
    def tearDownClass(cls):
        code = cls.server.stop()
        if code != 0:
            raise AssertionError(f"radarctl serve ended with {code} on SIGTERM")

    def scene_time(self):
        return time.monotonic() - self.started


class BehindSim(unittest.TestCase):
    """`radarctl serve` in front of a `radarctl sim` of its own (with the
    class's `scenario`, if any), once its echo is live."""
    scenario = None

    @classmethod
    def setUpClass(cls):
        cls.sim = Sim(scenario=cls.scenario)
        cls.server = Server(source=cls.sim.serve_args())
        cls.port = cls.server.port
        wait_for(lambda: get_json(cls.port, "/api/status")["echo_state"] == "live", 10, "live echo")

    @classmethod
    def tearDownClass(cls):
        cls.server.stop()
        cls.sim.stop()


def recording(path, datagrams=400, lines_per_datagram=8, step=2):
    """Writes a recording of echo datagrams: sweeps `step` apart, scale code 5,
    64 samples, a band of level 5 at samples 16-31; returns its revolutions' count."""
    sweep = 0
    with open(path, "wb") as f:
        for _ in range(datagrams):
            body = b""
            for _ in range(lines_per_datagram):
                mask = bytes([0, 0, 0xFF, 0xFF, 0, 0, 0, 0])  # samples 16-31
                body += struct.pack("<HH", sweep % 8192, 0x8000) + mask + bytes([0x55] * 8)
                sweep += step
            header = struct.pack("<BBH", lines_per_datagram, 1, 64 | (5 << 10))
            words = (len(header) + len(body)) // 2
            f.write(bytes(8) + struct.pack("<H", words) + header + body)
    return sweep / 8192


def request(port, method, path, body=None, token=None, headers=None, source=None):
    """One request on its own connection, from the address `source` if given:
    (status, headers, body bytes)."""
    conn = http.client.HTTPConnection("127.0.0.1", port, timeout=10,
                                      source_address=(source, 0) if source else None)
    h = dict(headers or {})
    if token is not None:
        h["Authorization"] = "Bearer " + token
    if isinstance(body, (dict, list)):
        body = json.dumps(body)
    try:
        conn.request(method, path, body=body, headers=h)
        r = conn.getresponse()
        return r.status, r.headers, r.read()
    finally:
        conn.close()


def get_json(port, path):
    status, _, body = request(port, "GET", path)
    if status != 200:
        raise AssertionError(f"GET {path}: {status} {body!r}")
    return json.loads(body)


def raw_exchange(port, data, seconds=10):
    """Sends raw bytes; what comes back until the server closes or `seconds` pass."""
    with socket.create_connection(("127.0.0.1", port), timeout=seconds) as s:
        s.sendall(data)
        out, deadline = b"", time.monotonic() + seconds
        while time.monotonic() < deadline:
            try:
                chunk = s.recv(65536)
            except (socket.timeout, ConnectionResetError):
                break
            if not chunk:
                break
            out += chunk
        return out

def header_groups():
    """Every parameter group block of radar.h: {stem: code}."""
    with open(os.path.join(ROOT, "include", "radar.h")) as f:
        text = f.read()
    starts = [m.start() for m in re.finditer(r"^/\* 0x[0-9A-F]{2} ", text, re.M)] + [len(text)]
    groups = {}
    for start, end in zip(starts, starts[1:]):
        stem = re.search(r"OrvaneGet(\w+)\(", text[start:end]).group(1)
        groups[stem] = int(text[start + 5:start + 7], 16)
    return groups, set(re.findall(r"^RADAR_EXPORT [^\n]*OrvaneGet(\w+)\(", text, re.M))


def decode_lines(frame):
    """An echo frame as (sweep, bearing offset, scale code, levels) tuples;
    fails unless the lengths add up to the frame exactly."""
    (count,), pos, lines = struct.unpack_from("<H", frame), 2, []
    for _ in range(count):
        if pos + 8 > len(frame):
            raise AssertionError(f"frame of {count} lines ends inside line {len(lines)}")
        sweep, offset, scale, n = struct.unpack_from("<4H", frame, pos)
        pos += 8
        lines.append((sweep, offset, scale, frame[pos:pos + n]))
        pos += n
    if pos != len(frame):
        raise AssertionError(f"{count} lines take {pos} bytes, the frame has {len(frame)}")
    return lines


class WebSocket:
    """A client without extensions over a plain socket, for raw control."""
    GUID = "258EAFA5-E914-47DA-95CA-C5AB0DC85B11"

    def __init__(self, port, rcvbuf=None, seconds=10, path="/ws", source=None):
        self.sock = socket.socket()
        if rcvbuf:
            self.sock.setsockopt(socket.SOL_SOCKET, socket.SO_RCVBUF, rcvbuf)
        if source:
            self.sock.bind((source, 0))
        self.sock.settimeout(seconds)
        try:
            self._open(port, path)
        except BaseException:
            self.sock.close()
            raise

    def _open(self, port, path):
        self.sock.connect(("127.0.0.1", port))
        key = base64.b64encode(os.urandom(16)).decode()
        self.sock.sendall((f"GET {path} HTTP/1.1\r\nHost: 127.0.0.1:{port}\r\nUpgrade: websocket\r\n"
                           f"Connection: Upgrade\r\nSec-WebSocket-Key: {key}\r\n"
                           "Sec-WebSocket-Version: 13\r\n\r\n").encode())
        self.buf = b""
        while b"\r\n\r\n" not in self.buf:
            self._fill()
        head, rest = self.buf.split(b"\r\n\r\n", 1)
        self.buf, self.pos = bytearray(rest), 0
        accept = base64.b64encode(hashlib.sha1((key + self.GUID).encode()).digest()).decode()
        if not head.startswith(b"HTTP/1.1 101") or \
                f"sec-websocket-accept: {accept.lower()}" not in head.decode().lower():
            raise AssertionError(f"no WebSocket upgrade: {head!r}")

    def _fill(self):
        chunk = self.sock.recv(262144)
        if not chunk:
            raise EOFError("the server closed the connection")
        self.buf += chunk

    def _take(self, n):
        while len(self.buf) - self.pos < n:
            del self.buf[:self.pos]
            self.pos = 0
            self._fill()
        self.pos += n
        return bytes(self.buf[self.pos - n:self.pos])

    def frame(self):
        """The next frame: (fin, opcode, payload)."""
        b0, b1 = self._take(2)
        n = b1 & 0x7F
        if n == 126:
            (n,) = struct.unpack("!H", self._take(2))
        elif n == 127:
            (n,) = struct.unpack("!Q", self._take(8))
        if b1 & 0x80:
            raise AssertionError("the server masked a frame")
        return bool(b0 & 0x80), b0 & 0x0F, self._take(n)

    def message(self):
        """The next whole message: (opcode, payload); 1 text, 2 binary, 8 close."""
        fin, opcode, payload = self.frame()
        while not fin:
            fin, _, more = self.frame()
            payload += more
        return opcode, payload

    def events(self, seconds=10):
        """Yields the JSON text events until `seconds` pass."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            opcode, payload = self.message()
            if opcode == 8:
                raise EOFError(f"closed: {payload!r}")
            if opcode == 1:
                yield json.loads(payload)
        raise AssertionError(f"no such event within {seconds} s")

    @staticmethod
    def encode(opcode, payload, fin=True):
        """A masked client frame."""
        mask = os.urandom(4)
        n = len(payload)
        size = bytes([0x80 | n]) if n < 126 else bytes([0xFE]) + struct.pack("!H", n) \
            if n < 65536 else bytes([0xFF]) + struct.pack("!Q", n)
        body = bytes(b ^ mask[i % 4] for i, b in enumerate(payload))
        return bytes([(0x80 if fin else 0) | opcode]) + size + mask + body

    def close(self):
        self.sock.close()
