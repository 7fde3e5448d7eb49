#!/usr/bin/python3
"""radarctl serve as a boat and an attacker try it: a radar that falls silent
behind a live command link raises the echo-lost alarm, one address cannot
lock everyone out, the token cannot be guessed fast, a recording that ends
says so, and an echo port taken at start is heard once it is free.

  /usr/bin/python3 tests/serve/safety_test.py --radarctl build/bin/radarctl
"""
import os
import select
import socket
import struct
import tempfile
import threading
import time
import unittest

import serve_support as s

ATTACKER, VIEWER = "127.0.0.2", "127.0.0.3"
PER_ADDRESS, CONNECTIONS = 16, 64


def status(port, source=None):
    code, _, body = s.request(port, "GET", "/api/status", source=source)
    if code != 200:
        raise AssertionError(f"/api/status: {code}")
    return s.json.loads(body)


def alarms(port):
    return s.get_json(port, "/api/alarms")["alarms"]


def connect(port, source):
    c = socket.socket()
    c.bind((source, 0))
    c.connect(("127.0.0.1", port))
    return c


def still_open(conns, seconds=1.0):
    """The connections the server has not closed after `seconds`."""
    time.sleep(seconds)
    closed = set()
    for c in select.select(conns, [], [], 0)[0]:
        try:
            if c.recv(1, socket.MSG_PEEK) == b"":
                closed.add(c)
        except OSError:
            closed.add(c)
    return [c for c in conns if c not in closed]


class EchoLost(s.BehindSim):
    """The radar's echo stops while its command link stays up."""

    def test_alarm_raised_acknowledged_and_cleared(self):
        ws = s.WebSocket(self.port)
        try:
            self.sim.pause()
            stopped = time.monotonic()
            raised = next(e for e in ws.events(15) if e["type"] == "alarm")
            self.assertLess(time.monotonic() - stopped, 6.0)
            self.assertEqual((raised["kind"], raised["state"], raised["acknowledged"]), ("echo_lost", "raised", False))
            now = status(self.port)
            self.assertEqual((now["echo_state"], now["source_status"]), ("stale", 2))
            self.assertGreaterEqual(now["echo_age_s"], 4.5)
            listed = alarms(self.port)
            self.assertEqual([(a["id"], a["kind"], a["acknowledged"]) for a in listed],
                             [(raised["id"], "echo_lost", False)])
            self.assertRegex(listed[0]["since"], r"^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ$")

            ack = f"/api/alarms/{raised['id']}/ack"
            self.assertEqual(s.request(self.port, "POST", ack)[0], 401)
            self.assertEqual(s.request(self.port, "POST", "/api/alarms/99999/ack", token=s.TOKEN)[0], 404)
            self.assertEqual(s.request(self.port, "POST", ack, token=s.TOKEN)[0], 200)
            again = next(e for e in ws.events() if e["type"] == "alarm")
            self.assertEqual((again["id"], again["state"], again["acknowledged"]), (raised["id"], "raised", True))
            self.assertTrue(alarms(self.port)[0]["acknowledged"])

            self.sim.resume()
            cleared = next(e for e in ws.events(10) if e["type"] == "alarm")
            self.assertEqual((cleared["id"], cleared["state"]), (raised["id"], "cleared"))
            self.assertEqual(status(self.port)["echo_state"], "live")
            self.assertEqual(alarms(self.port), [])
        finally:
            self.sim.resume()
            ws.close()


    def test_echo_at_a_range_not_ordered_is_told(self):
        # The radar is ordered to range step 8; another program sends a
        # picture of scale code 5 between the radar's own datagrams.
        self.assertEqual(s.request(self.port, "POST", "/api/settings/RadarRange", token=s.TOKEN,
                                   body={"values": [8, 0]})[0], 200)
        mask = bytes([0, 0, 0xFF, 0xFF, 0, 0, 0, 0])
        body = b"".join(struct.pack("<HH", sweep, 0x8000) + mask + bytes([0x55] * 8) for sweep in range(0, 16, 2))
        header = struct.pack("<BBH", 8, 1, 64 | (5 << 10))
        datagram = bytes(8) + struct.pack("<H", (len(header) + len(body)) // 2) + header + body
        deadline = time.monotonic() + 10
        seen = None
        with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as foreign:
            while seen is None and time.monotonic() < deadline:
                foreign.sendto(datagram, ("127.0.0.1", s.ECHO_PORT))
                time.sleep(0.05)
                seen = status(self.port)["range_mismatch"]
        ranges = s.get_json(self.port, "/api/display")["ranges_nm"]
        self.assertEqual(seen, {"echo_nm": ranges[5], "radar_nm": ranges[8]})
        s.wait_for(lambda: status(self.port)["range_mismatch"] is None, 5, "no mismatch once the radar alone sends")


class AlarmsRankedAndKept(s.BehindSim):
    """A guard zone alarm is up when the radar falls silent: the dead picture
    heads the list; its alarm, cleared by the echo's return before anyone
    acknowledged it, stays listed; the history tells the whole story."""
    scenario = "crossing.json"

    def test_ranked_kept_until_acknowledged_and_in_history(self):
        ws = s.WebSocket(self.port)
        try:
            # Zone 1 all round, 0.5 to 5.5 NM: the scenario's ships are in it.
            code, _, _ = s.request(self.port, "POST", "/api/settings/RadarGuard", token=s.TOKEN,
                                   body={"values": [1, 1, 0, 0, 3599, 55000, 5000]})
            self.assertEqual(code, 200)
            next(e for e in ws.events(15) if e["type"] == "alarm" and e["kind"] == "guard")
            self.sim.pause()
            lost = next(e for e in ws.events(15) if e["type"] == "alarm" and e["kind"] == "echo_lost")
            listed = [(a["priority"], a["kind"]) for a in alarms(self.port)]
            self.assertEqual(listed[0], (1, "echo_lost"))
            self.assertIn((3, "guard"), listed)
            self.assertEqual(listed, sorted(listed, key=lambda a: a[0]))

            self.sim.resume()
            back = next(e for e in ws.events(10) if e["type"] == "alarm" and e["id"] == lost["id"])
            self.assertEqual((back["state"], back["active"], back["acknowledged"]), ("raised", False, False))
            self.assertRegex(back["cleared_at"], r"^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ$")
            kept = [a for a in alarms(self.port) if a["id"] == lost["id"]]
            self.assertEqual([(a["active"], a["acknowledged"]) for a in kept], [(False, False)])

            def record():
                history = s.get_json(self.port, "/api/alarms?history=1")["history"]
                return next(r for r in history if r["id"] == lost["id"])
            self.assertEqual((record()["cleared"] is not None, record()["acknowledged"]), (True, None))
            self.assertEqual(s.request(self.port, "POST", f"/api/alarms/{lost['id']}/ack", token=s.TOKEN)[0], 200)
            gone = next(e for e in ws.events(5) if e["type"] == "alarm" and e["id"] == lost["id"])
            self.assertEqual(gone["state"], "cleared")
            self.assertNotIn(lost["id"], [a["id"] for a in alarms(self.port)])
            done = record()
            self.assertLessEqual(done["raised"], done["cleared"])
            self.assertLessEqual(done["cleared"], done["acknowledged"])
        finally:
            self.sim.resume()
            ws.close()


class WithServer(unittest.TestCase):
    """`radarctl serve --sim` for the class's tests."""

    @classmethod
    def setUpClass(cls):
        cls.server = s.Server()
        cls.port = cls.server.port

    @classmethod
    def tearDownClass(cls):
        cls.server.stop()


class LockOut(WithServer):
    """One address floods the server with idle sockets, headers sent a byte a
    second and WebSockets; a viewer at another address keeps working."""

    def assert_viewer_works(self):
        self.assertEqual(status(self.port, source=VIEWER)["source"], "sim")
        ws = s.WebSocket(self.port, source=VIEWER)
        try:
            while ws.message()[0] != 2:  # past the events, to a frame of lines
                pass
        finally:
            ws.close()

    def test_flood_from_one_address(self):
        slow = [connect(self.port, ATTACKER) for _ in range(64)]
        stop = threading.Event()

        def drip():  # one byte a second on each slow connection
            request = b"GET /api/status HTTP/1.1\r\nHost: x\r\nX-Slow: " + b"a" * 1000
            for i in range(len(request)):
                for c in slow:
                    try:
                        c.send(request[i:i + 1])
                    except OSError:
                        pass
                if stop.wait(1):
                    return
        dripper = threading.Thread(target=drip, daemon=True)
        dripper.start()
        first_byte = time.monotonic()
        idle = [connect(self.port, ATTACKER) for _ in range(64)]
        sockets = []
        for _ in range(64):
            try:
                sockets.append(s.WebSocket(self.port, source=ATTACKER, seconds=2).sock)
            except (EOFError, OSError, AssertionError):
                pass  # refused: closed at once
        try:
            self.assertLessEqual(len(still_open(slow + idle + sockets)), PER_ADDRESS)
            self.assert_viewer_works()
            # Every place taken by idle connections of other addresses: a
            # newcomer takes the place of the one that waited longest.
            fillers = [connect(self.port, f"127.0.0.{4 + i // PER_ADDRESS}") for i in range(CONNECTIONS)]
            try:
                self.assert_viewer_works()
            finally:
                for c in fillers:
                    c.close()
            # Headers a byte a second: the request's time runs out.
            s.wait_for(lambda: not still_open(slow, 0.2), 15, "slow senders closed")
            self.assertLess(time.monotonic() - first_byte, 12)
            self.assert_viewer_works()
        finally:
            stop.set()
            dripper.join()
            for c in slow + idle + sockets:
                c.close()


class Token(WithServer):
    def post(self, token, source=VIEWER):
        return s.request(self.port, "POST", "/api/request/RadarGain", token=token, source=source,
                         headers={"Origin": "http://elsewhere.example"})

    def test_guessing_is_slowed_per_address(self):
        for i in range(6):
            self.assertEqual(self.post(f"guess-number-{i:04d}")[0], 401)
        code, headers, _ = self.post(s.TOKEN)  # the right one too must wait
        self.assertEqual(code, 429)
        wait = int(headers["Retry-After"])
        self.assertGreaterEqual(wait, 1)
        self.assertEqual(self.post(s.TOKEN, source=ATTACKER)[0], 200, "another address is not held up")
        self.assertEqual(s.request(self.port, "GET", "/api/status", source=VIEWER)[0], 200, "reads stay open")
        time.sleep(wait + 0.2)
        self.assertEqual(self.post("guess-number-0006")[0], 401)
        self.assertEqual(int(self.post(s.TOKEN)[1]["Retry-After"]), 2 * wait)  # the wait doubles
        # The log comes through a pipe read by a thread of its own: it may trail the answer.
        s.wait_for(lambda: any(f"wrong token from {VIEWER} (7 in a row)" in e for e in self.server.errors), 5,
                   f"log of the seventh wrong token in {self.server.errors}")

    def test_token_sources(self):
        short = s.subprocess.run([s.RADARCTL, "serve", "--sim", "--token", "abcd"], capture_output=True)
        self.assertEqual(short.returncode, 2)
        self.assertIn(b"12 to 128", short.stderr)
        help_text = s.subprocess.run([s.RADARCTL, "serve", "--help"], capture_output=True).stdout
        self.assertIn(b"RADARCTL_TOKEN", help_text)
        self.assertIn(b"ps", help_text)
        with tempfile.NamedTemporaryFile("w", suffix=".token") as f:
            f.write("kept-in-a-file-0001\n")
            f.flush()
            env = dict(os.environ, RADARCTL_TOKEN="kept-in-the-env-0002")
            for args, env, token, said in [(("--token-file", f.name), None, "kept-in-a-file-0001", f"from {f.name}"),
                                           ((), env, "kept-in-the-env-0002", "from RADARCTL_TOKEN")]:
                with self.subTest(said=said):
                    server = s.Server(token_args=args, env=env, wait_for_port=False)  # beside the class's
                    try:
                        self.assertEqual(server.token_line, said)
                        self.assertEqual(s.request(server.port, "POST", "/api/request/RadarGain", token=token)[0], 200)
                    finally:
                        server.stop()


class Playback(unittest.TestCase):
    def test_a_recording_that_ends_says_so_without_an_alarm(self):
        with tempfile.TemporaryDirectory() as d:
            path = os.path.join(d, "short.rec")
            s.recording(path)
            server = s.Server(source=("--play", path, "--rpm", "24"))
            try:
                s.wait_for(lambda: status(server.port)["echo_state"] == "live", 10, "playing")
                self.assertFalse(status(server.port)["playback_ended"])
                s.wait_for(lambda: status(server.port)["playback_ended"], 10, "the end")
                s.wait_for(lambda: status(server.port)["echo_state"] == "stale", 5, "a stale picture")
                time.sleep(5)
                self.assertEqual(alarms(server.port), [])
            finally:
                server.stop()


class EchoPortTaken(unittest.TestCase):
    def test_echo_heard_once_the_port_is_free(self):
        s.wait_for(s.echo_port_free, 120, "free UDP port")
        holder = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
        holder.bind(("0.0.0.0", s.ECHO_PORT))
        server = s.Server(wait_for_port=False)
        try:
            time.sleep(1.5)
            self.assertTrue(any("is taken by another program" in e for e in server.errors), server.errors)
            self.assertEqual(status(server.port)["echo_state"], "none")
            holder.close()
            s.wait_for(lambda: status(server.port)["echo_state"] == "live", 5, "echo after the port is freed")
        finally:
            holder.close()
            server.stop()


if __name__ == "__main__":
    s.main()
