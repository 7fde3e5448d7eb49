#!/usr/bin/python3
"""radarctl serve's HTTP API and WebSocket stream, against the simulated station.

  /usr/bin/python3 tests/serve/api_test.py --radarctl build/bin/radarctl
"""
import asyncio
import json
import time
import unittest

import websockets

import serve_support as s

STATUS_TYPES = {"version": str, "source": str, "source_status": int, "lines_received": int,
                "lines_sent": int, "lines_dropped": int, "clients": int, "echo_age_s": (float, type(None)),
                "echo_state": str, "playback_ended": bool, "tracking": dict,
                "range_mismatch": (dict, type(None))}
TYPE_RANGES = {"u16": (0, 65535), "s16": (-32768, 32767), "u32": (0, 2**32 - 1),
               "s32": (-2**31, 2**31 - 1)}
# What the simulated station announces when the library connects.
ANNOUNCED = {"RadarGain": [1, 50], "RadarACSea": [1, 30], "RadarACRain": [20], "RadarFTC": [0],
             "RadarRings": [2, 1, 0], "RadarTrail": [1, 0, 1, 1, 2, 0]}
SELECTORS = {"RadarGuard": ("zone", [1, 2]), "RadarEBL": ("number", [1, 2]),
             "RadarVRM": ("number", [1, 2]), "RadarBright": ("item", list(range(8)))}


class ApiTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = s.Server()
        cls.port = cls.server.port
        s.wait_for(lambda: s.get_json(cls.port, "/api/status")["source_status"] == 2, 10,
                   "connected source")
        # The station's announcements at connect, the last of them the trails.
        s.wait_for(lambda: any(s.get_json(cls.port, "/api/settings")["RadarTrail"]["values"]),
                   10, "announced settings")
        cls.initial = s.get_json(cls.port, "/api/settings")
        cls.schema = {g["stem"]: g for g in s.get_json(cls.port, "/api/schema")["groups"]}

    @classmethod
    def tearDownClass(cls):
        code = cls.server.stop()
        if code != 0:
            raise AssertionError(f"radarctl serve ended with {code} on SIGTERM")

    def post(self, path, body=None, token=s.TOKEN, headers=None):
        return s.request(self.port, "POST", path, body, token, headers)

    def assert_error(self, answer, status, naming=None):
        code, headers, body = answer
        self.assertEqual(code, status, body)
        self.assertEqual(headers["Content-Type"], "application/json")
        error = json.loads(body)
        self.assertIsInstance(error, dict)
        self.assertIsInstance(error.get("error"), str)
        if naming:
            self.assertIn(naming, error["error"])

    def events(self):
        """A WebSocket past its first setting events, one per group reading."""
        ws = s.WebSocket(self.port)
        keys = [e["stem"] for e, _ in zip(ws.events(), self.initial)]
        self.assertEqual(sorted(keys), sorted(self.initial))
        return ws

    def gain_events_until_asked(self, ws):
        """The RadarGain events up to and with the station's answer to a request
        for it: the station answers in turn, so whatever was sent before shows."""
        self.assertEqual(json.loads(self.post("/api/request/RadarGain")[2]), {"status": 0})
        seen = []
        for e in ws.events():
            if e.get("stem") == "RadarGain":
                seen.append(e["values"])
                return seen

    def test_status(self):
        status = s.get_json(self.port, "/api/status")
        self.assertEqual(set(status), set(STATUS_TYPES))
        for key, kind in STATUS_TYPES.items():
            self.assertIn(type(status[key]), kind if isinstance(kind, tuple) else (kind,), key)
        self.assertEqual(status["source"], "sim")
        self.assertEqual(status["source_status"], 2)
        self.assertEqual(status["echo_state"], "live")
        self.assertLess(status["echo_age_s"], 2)
        self.assertEqual(s.get_json(self.port, "/api/alarms"), {"alarms": []})

    def test_schema_has_every_group_of_the_header(self):
        groups, gets = s.header_groups()
        self.assertEqual({stem: g["code"] for stem, g in self.schema.items()}, groups)
        self.assertEqual(gets - set(groups), {"RadarSourceStatus", "RadarDllVersionNo", "RadarEchoData"})
        self.assertEqual(self.schema["RadarCursorPos"].get("sent_as"), 0x35)
        self.assertEqual(self.schema["ArpaAllClear"]["fields"], [])  # the kind alone
        for stem, group in self.schema.items():
            for field in group["fields"]:
                low, high = TYPE_RANGES[field["type"]]
                self.assertIsInstance(field["name"], str, stem)
                self.assertTrue(low <= field["min"] <= field["max"] <= high, (stem, field))
            if stem in SELECTORS:
                name, values = SELECTORS[stem]
                self.assertEqual(group["selector"], {"name": name, "values": values})
                self.assertEqual(group["fields"][0]["name"], name)
            else:
                self.assertNotIn("selector", group, stem)

    def test_settings_hold_every_reading_and_the_announced_values(self):
        keys = set()
        for stem, group in self.schema.items():
            values = SELECTORS.get(stem, (None, None))[1]
            keys |= {f"{stem}/{v}" for v in values} if values else {stem}
        self.assertEqual(set(self.initial), keys)
        for key, reading in self.initial.items():
            group = self.schema[key.split("/")[0]]
            self.assertEqual(reading["code"], group["code"], key)
            self.assertEqual(len(reading["values"]), len(group["values"]), key)
        for stem, values in ANNOUNCED.items():
            self.assertEqual(self.initial[stem]["values"], values, stem)

    def test_display(self):
        display = s.get_json(self.port, "/api/display")
        self.assertEqual(len(display["palette"]), 16)
        self.assertTrue(all(len(c) == 3 and all(0 <= x <= 255 for x in c) for c in display["palette"]))
        self.assertEqual((display["sweeps"], display["samples"]), (8192, 512))

    def test_order_is_obeyed_and_announced(self):
        ws = self.events()
        try:
            answer = self.post("/api/settings/RadarGain", {"values": [2, 60]})
            self.assertEqual((answer[0], json.loads(answer[2])), (200, {"status": 0}))
            want = {"type": "setting", "stem": "RadarGain", "code": 3, "values": [2, 60]}
            next(e for e in ws.events() if e == want)
            self.assertEqual(s.get_json(self.port, "/api/settings")["RadarGain"]["values"], [2, 60])
            answer = self.post("/api/request/RadarRange")
            self.assertEqual((answer[0], json.loads(answer[2])), (200, {"status": 0}))
            next(e for e in ws.events() if e.get("stem") == "RadarRange")
        finally:
            ws.close()

    def test_refused_orders_send_nothing(self):
        path = "/api/settings/RadarGain"
        # Authorization headers (None: none at all).
        unauthorised = [None, "Bearer wrong-token", "Bearer ", f"Basic {s.TOKEN}", f"Bearer {s.TOKEN}x",
                        s.TOKEN]
        bad = [  # body, the field the error names
            ("not json", None), ("[3, 77]", None), ("{}", None), ('{"values": 3}', None),
            ('{"values": [3]}', None), ('{"values": [3, 77, 1]}', None),
            ('{"values": ["3", 77]}', "mode"), ('{"values": [3, 77.5]}', "level"),
            ('{"values": [true, 77]}', "mode"), ('{"values": [-1, 77]}', "mode"),
            ('{"values": [3, 101]}', "level"), ('{"values": [4, 77]}', "mode"),
            # Numbers no 64-bit integer holds are named as they were sent.
            ('{"values": [3, 18446744073709551615]}', "level: 18446744073709551615 is outside 0-100"),
            ('{"values": [3, 99999999999999999999]}', "level: 99999999999999999999 is outside 0-100"),
            ('{"values": [3, 1e400]}', "level: 1e400 is outside 0-100")]
        ws = self.events()
        try:
            before = s.get_json(self.port, "/api/settings")["RadarGain"]["values"]
            self.assertNotEqual(before, [3, 77])
            for value in unauthorised:
                with self.subTest(authorization=value):
                    headers = {} if value is None else {"Authorization": value}
                    self.assert_error(self.post(path, {"values": [3, 77]}, None, headers), 401)
            for body, field in bad:
                with self.subTest(body=body):
                    self.assert_error(self.post(path, body), 400, field)
            self.assertEqual(self.gain_events_until_asked(ws), [before])
            self.assertEqual(s.get_json(self.port, "/api/settings")["RadarGain"]["values"], before)
        finally:
            ws.close()

    def test_errors(self):
        cases = [("POST", "/api/settings/NoSuchStem", 404), ("POST", "/api/request/NoSuchStem", 404),
                 ("GET", "/no/such/path", 404), ("GET", "/api/settings/RadarGain", 405),
                 ("POST", "/api/status", 405)]
        for method, path, status in cases:
            with self.subTest(method=method, path=path):
                body = '{"values": [1, 50]}' if method == "POST" else None
                token = s.TOKEN if method == "POST" else None
                self.assert_error(s.request(self.port, method, path, body, token), status)

    def test_cross_origin(self):
        for path in ("/api/status", "/api/schema", "/api/settings", "/api/display"):
            _, headers, _ = s.request(self.port, "GET", path, headers={"Origin": "http://plotter"})
            self.assertEqual(headers["Access-Control-Allow-Origin"], "*", path)
        status, headers, _ = s.request(self.port, "OPTIONS", "/api/settings/RadarGain", headers={
            "Origin": "http://plotter", "Access-Control-Request-Method": "POST",
            "Access-Control-Request-Headers": "authorization, content-type"})
        self.assertEqual(status, 204)
        self.assertEqual(headers["Access-Control-Allow-Origin"], "*")
        self.assertIn("POST", headers["Access-Control-Allow-Methods"])
        allowed = headers["Access-Control-Allow-Headers"].lower()
        self.assertTrue("authorization" in allowed and "content-type" in allowed, allowed)

    def test_viewer_files(self):
        status, headers, page = s.request(self.port, "GET", "/")
        self.assertEqual(status, 200)
        self.assertTrue(headers["Content-Type"].startswith("text/html"))
        # No other site may frame the page or feed it scripts.
        self.assertIn("frame-ancestors 'none'", headers["Content-Security-Policy"])
        self.assertIn("default-src 'self'", headers["Content-Security-Policy"])
        self.assertEqual(headers["X-Frame-Options"], "DENY")
        self.assertIn(b"<html", page.lower())
        for name, kind in [("app.js", "javascript"), ("ppi.js", "javascript"), ("panel.js", "javascript"),
                           ("watch.js", "javascript"), ("style.css", "text/css")]:
            status, headers, body = s.request(self.port, "GET", "/" + name)
            self.assertEqual(status, 200, name)
            self.assertIn(kind, headers["Content-Type"], name)
            self.assertTrue(body, name)

    def test_stream(self):
        asyncio.run(self.stream())

    async def stream(self):
        url = f"ws://127.0.0.1:{self.port}/ws?from=test"  # a query string is no reason to refuse
        async with websockets.connect(url, compression="deflate", max_size=None) as ws:
            self.assertIn("permessage-deflate", ws.response_headers.get("Sec-WebSocket-Extensions", ""))
            first = [json.loads(await asyncio.wait_for(ws.recv(), 5)) for _ in self.initial]
            self.assertEqual({e["type"] for e in first}, {"setting"})
            self.assertEqual(sorted(e["stem"] for e in first), sorted(self.initial))
            sweeps, forms, levels, statuses = set(), set(), set(), []
            deadline = time.monotonic() + 10
            while len(sweeps) < 4096 or len(statuses) < 3:
                message = await asyncio.wait_for(ws.recv(), deadline - time.monotonic())
                if isinstance(message, str):
                    event = json.loads(message)
                    if event["type"] == "status":
                        statuses.append(time.monotonic())
                        self.assertEqual(set(event) - {"type"}, set(STATUS_TYPES) | {"client_lines_dropped"})
                        self.assertEqual(event["client_lines_dropped"], 0)
                    continue
                for sweep, offset, scale, data in s.decode_lines(message):
                    self.assertTrue(sweep < 8192 and offset < 8192 and scale < 64)
                    sweeps.add(sweep)
                    forms.add((scale, len(data)))
                    levels |= set(data)
        self.assertEqual(sweeps, set(range(0, 8192, 2)))
        self.assertEqual(len(forms), 1, forms)
        self.assertLessEqual(max(levels), 15)
        gaps = [b - a for a, b in zip(statuses, statuses[1:])]
        self.assertTrue(all(0.5 < g < 1.5 for g in gaps), gaps)


if __name__ == "__main__":
    s.main()
