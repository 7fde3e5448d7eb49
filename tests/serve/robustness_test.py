#!/usr/bin/python3
"""radarctl serve with clients that misbehave: after each, the server still
answers, and a well-behaved WebSocket client keeps receiving its lines.

  /usr/bin/python3 tests/serve/robustness_test.py --radarctl build/bin/radarctl
"""
import json
import re
import select
import socket
import struct
import threading
import time
import unittest

import serve_support as s

WINDOW = 6  # seconds over which a client's line rate is compared
PER_ADDRESS = 16  # connections one client address may hold
LINE_RATE = 4096 / 2.5  # the simulation's: every second sweep at 24 rpm

# Raw requests and the status each is answered with before the server closes.
REQUESTS = [
    (b"\x16\x03\x01\x00\xa5garbage\xff\xfe\r\n\r\n", 400),
    (b"GET\r\n\r\n", 400),
    (b"GET / HTTP/9.9\r\nHost: x\r\n\r\n", 400),
    (b"GET /api/st\x00atus HTTP/1.1\r\nHost: x\r\n\r\n", 400),
    (b"GET /" + b"a" * 10000 + b" HTTP/1.1\r\nHost: x\r\n\r\n", 431),
    (b"GET /api/status HTTP/1.1\r\nHost: x\r\nX-Big: " + b"a" * 9000 + b"\r\n\r\n", 431),
    (b"POST /api/settings/RadarGain HTTP/1.1\r\nHost: x\r\nAuthorization: Bearer " +
     s.TOKEN.encode() + b"\r\nContent-Length: 20000\r\n\r\n", 413),
    (b"POST /api/settings/RadarGain HTTP/1.1\r\nHost: x\r\nAuthorization: Bearer " +
     s.TOKEN.encode() + b"\r\nConnection: close\r\nContent-Length: 8\r\n\r\n{oops, }", 400),
]


class Watcher(threading.Thread):
    """A WebSocket client that reads all the time, noting when its lines come."""

    def __init__(self, port):
        super().__init__(daemon=True)
        self.ws = s.WebSocket(port)
        self.arrivals = []  # (time, lines)
        self.statuses = []  # the status events
        self.close_payload = None
        self.start()

    def run(self):
        try:
            while True:
                opcode, payload = self.ws.message()
                if opcode == 2:
                    self.arrivals.append((time.monotonic(), struct.unpack_from("<H", payload)[0]))
                elif opcode == 1 and b'"status"' in payload:
                    self.statuses.append(json.loads(payload))
                elif opcode == 8:
                    self.close_payload = payload
                    return
        except (EOFError, OSError):
            return

    def lines_since(self, start, end=None):
        end = end or time.monotonic()
        return sum(n for t, n in list(self.arrivals) if start <= t < end)


class RobustnessTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = s.Server()
        cls.port = cls.server.port
        s.wait_for(lambda: s.get_json(cls.port, "/api/status")["lines_received"] > 0, 10, "echo lines")
        cls.watcher = Watcher(cls.port)
        # Connects and says nothing: checked last, when the request time is up.
        cls.idle = socket.create_connection(("127.0.0.1", cls.port))
        cls.idle_since = time.monotonic()

    @classmethod
    def tearDownClass(cls):
        cls.idle.close()
        code = cls.server.stop()
        if code != 0:
            raise AssertionError(f"radarctl serve ended with {code} on SIGTERM")

    def status(self):
        return s.get_json(self.port, "/api/status")

    def assert_still_serving(self):
        self.assertEqual(s.request(self.port, "GET", "/api/status")[0], 200)
        now = time.monotonic()
        s.wait_for(lambda: self.watcher.lines_since(now) > 0, 3, "lines at the watching client")

    def assert_clients_back(self):
        s.wait_for(lambda: self.status()["clients"] == 1, 5, "the watching client alone")

    def test_malformed_requests(self):
        for data, status in REQUESTS:
            with self.subTest(request=data[:40]):
                answer = s.raw_exchange(self.port, data)
                m = re.match(rb"HTTP/1\.1 (\d{3}) [^\r]*\r\n(.*?)\r\n\r\n(.*)", answer, re.S)
                self.assertTrue(m, answer[:200])
                self.assertEqual(int(m.group(1)), status)
                self.assertIn("error", json.loads(m.group(3)))
                self.assert_still_serving()

    def test_half_a_request(self):
        with socket.create_connection(("127.0.0.1", self.port)) as c:
            c.sendall(b"POST /api/settings/RadarGain HTTP/1.1\r\nContent-Len")
        self.assert_still_serving()

    def test_more_connections_than_one_address_may_hold(self):
        conns = [socket.create_connection(("127.0.0.1", self.port)) for _ in range(PER_ADDRESS + 10)]
        try:
            time.sleep(1)
            ready = select.select(conns, [], [], 0)[0]
            kept = [c for c in conns if c not in ready or c.recv(1, socket.MSG_PEEK) != b""]
            # The watcher and the silent connection hold two of this address's places.
            self.assertLessEqual(len(kept), PER_ADDRESS - 2)
            self.assertGreaterEqual(len(kept), PER_ADDRESS - 4)
            for c in kept:
                c.settimeout(10)
                c.sendall(b"GET /api/status HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n")
                self.assertTrue(c.recv(100).startswith(b"HTTP/1.1 200 "))
        finally:
            for c in conns:
                c.close()
        s.wait_for(lambda: s.request(self.port, "GET", "/api/status")[0] == 200, 5, "an answer")
        self.assert_still_serving()

    def test_websocket_vanishing_mid_frame(self):
        ws = s.WebSocket(self.port)
        ws.sock.sendall(s.WebSocket.encode(2, bytes(300))[:3])
        ws.close()
        self.assert_clients_back()
        self.assert_still_serving()

    def test_websocket_message_too_large(self):
        ws = s.WebSocket(self.port)
        try:
            try:
                ws.sock.sendall(s.WebSocket.encode(1, b"x" * 65536))
            except OSError:
                pass  # the server may close before taking it all
            while (message := ws.message())[0] != 8:
                pass
            self.assertEqual(struct.unpack("!H", message[1][:2])[0], 1009)
        finally:
            ws.close()
        self.assert_clients_back()
        self.assert_still_serving()

    def test_websocket_that_never_reads(self):
        s.wait_for(lambda: self.watcher.arrivals and
                   time.monotonic() - self.watcher.arrivals[0][0] > WINDOW, 10, "watching long enough")
        before = self.watcher.lines_since(time.monotonic() - WINDOW)
        self.assertGreater(before, 0.6 * LINE_RATE * WINDOW)
        rss, dropped = self.server.rss_kib(), self.status()["lines_dropped"]
        slow = s.WebSocket(self.port, rcvbuf=4096)
        try:
            start = time.monotonic()
            s.wait_for(lambda: self.status()["lines_dropped"] > dropped, 20, "dropped lines")
            s.wait_for(lambda: time.monotonic() - start >= 10, 11, "ten seconds")
            during = self.watcher.lines_since(time.monotonic() - WINDOW)
            self.assertGreaterEqual(during, 0.8 * before)
            # The watcher is told what it lost itself: nothing.
            self.assertEqual(self.watcher.statuses[-1]["client_lines_dropped"], 0)
            self.assertGreater(self.watcher.statuses[-1]["lines_dropped"], dropped)
            self.assertLess(self.server.rss_kib() - rss, 64 * 1024)
        finally:
            slow.close()
        self.assert_clients_back()
        self.assert_still_serving()

    def test_z1_silent_connection_closed(self):
        ready = select.select([self.idle], [], [], max(0, self.idle_since + 35 - time.monotonic()))[0]
        self.assertTrue(ready, "still open after 35 s")
        try:
            self.assertEqual(self.idle.recv(1), b"")
        except ConnectionResetError:
            pass
        self.assertGreater(time.monotonic() - self.idle_since, 25)
        self.assert_still_serving()

    def test_z2_sigterm(self):
        self.server.terminate()
        self.watcher.join(10)
        self.assertFalse(self.watcher.is_alive())
        self.assertIsNotNone(self.watcher.close_payload, "no close frame")
        self.assertEqual(struct.unpack("!H", self.watcher.close_payload[:2])[0], 1001)
        self.assertEqual(self.server.stop(), 0)


if __name__ == "__main__":
    s.main()
