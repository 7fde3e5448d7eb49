#!/usr/bin/python3
"""The controls in words (/api/controls) against radar.h and the simulated
station: every parameter group is a control or left to the raw API on
purpose, and each conversion goes to the radar's fields and back.

  /usr/bin/python3 tests/serve/controls_test.py --radarctl build/bin/radarctl
"""
import json
import math
import time
import unittest

import serve_support as s

NM = 1852.0
# PUT body -> the group's fields the station announces back (None: not looked
# at), worked out by hand from the radar's units, and the value read back.
ROUND_TRIPS = [
    ("power", {"value": 1}, "RadarTxStby", [1]),
    ("power", {"value": 2}, "RadarTxStby", [2]),
    ("range", {"value": 3 * NM}, "RadarRange", [7, None]),
    ("range", {"value": 2.9 * NM}, "RadarRange", [7, None]),  # the nearest range
    ("gain", {"value": 70, "auto": False}, "RadarGain", [0, 70]),
    ("gain", {"auto": True}, "RadarGain", [1, 70]),
    ("sea", {"value": 0, "auto": False}, "RadarACSea", [0, 0]),
    ("ebl1", {"value": math.radians(45), "enabled": True}, "RadarEBL/1", [None, 1, None, 450]),
    ("ebl2", {"value": math.radians(-90)}, "RadarEBL/2", [None, None, None, 2700]),  # bearings go round
    ("vrm1", {"value": 1.25 * NM, "enabled": True}, "RadarVRM/1", [None, 1, None, 12500]),
    ("guardZone1", {"enabled": True, "value": math.radians(30), "endValue": math.radians(60),
                    "startDistance": 0.5 * NM, "endDistance": NM},
     "RadarGuard/1", [1, None, 300, 600, 5000, 10000]),
    ("trails", {"value": 60}, "RadarTrail", [1, None, 2, None, None, None]),
    ("trails", {"value": 0}, "RadarTrail", [0, None, 2, None, None, None]),
    ("interferenceRejection", {"value": 2}, "RadarIntReject", [2]),
    ("bearingAlignment", {"value": math.radians(-5.7)}, "RadarHeadingAdjust", [3543]),
    ("power", {"value": 2}, "RadarTxStby", [2]),
]
REFUSED = [  # (method, id, body, token, status)
    ("PUT", "nothing", {"value": 1}, True, 404),
    ("PUT", "gain", {"value": 1}, False, 401),
    ("PUT", "operatingHours", {"value": 1}, True, 400),  # information
    ("PUT", "power", {"value": 3}, True, 400),  # warming up is the radar's to say
    ("PUT", "gain", {"value": 101}, True, 400),
    ("PUT", "gain", {"enabled": True}, True, 400),
    ("PUT", "vrm1", {"value": 1e9}, True, 400),  # beyond 9999 NM
    ("PUT", "gain", {"value": "high"}, True, 400),
    ("PUT", "range", {"value": 1e300}, True, 400),
    ("PUT", "gain", {"level": 3}, True, 400),
    ("POST", "gain", {"value": 1}, True, 405),
]


class ControlsTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = s.Server()
        cls.port = cls.server.port
        s.wait_for(lambda: s.get_json(cls.port, "/api/status")["source_status"] == 2, 10, "connected source")
        s.wait_for(lambda: s.get_json(cls.port, "/api/controls/values")["power"]["value"] == 2, 10,
                   "the station transmitting")
        cls.table = s.get_json(cls.port, "/api/controls")

    @classmethod
    def tearDownClass(cls):
        cls.server.stop()

    def put(self, key, body, token=True, method="PUT"):
        return s.request(self.port, method, f"/api/controls/{key}", body, s.TOKEN if token else None)

    def test_every_group_is_a_control_or_left_raw(self):
        groups, _ = s.header_groups()
        # The danger limits are the server's own values, with no group behind them.
        controlled = {c["group"] for c in self.table["controls"].values() if c["category"] != "targets"}
        raw = set(self.table["raw"])
        self.assertEqual(controlled | raw, set(groups))
        self.assertEqual(controlled & raw, set())
        ids = [c["id"] for c in self.table["controls"].values()]
        self.assertEqual(len(ids), len(set(ids)))
        for key, c in self.table["controls"].items():
            with self.subTest(key):
                self.assertTrue(c["name"] and c["description"])
                if c["dataType"] == "enum":
                    self.assertTrue(set(map(str, c.get("validValues", []))) <= set(c["descriptions"]))
                elif c["dataType"] == "number" and key not in ("tune", "mainBangSuppression"):
                    self.assertIn(c["units"], ("m", "rad", "s", "percent"))

    def test_values_go_to_the_radar_in_its_units_and_come_back(self):
        for key, body, stem, fields in ROUND_TRIPS:
            with self.subTest(key=key, body=body):
                code, _, answer = self.put(key, body)
                self.assertEqual((code, json.loads(answer)), (200, {"status": 0}))

                def announced():
                    values = s.get_json(self.port, "/api/settings")[stem]["values"]
                    return all(f is None or f == v for f, v in zip(fields, values))
                s.wait_for(announced, 5, f"{stem} announced as {fields}")
                back = s.get_json(self.port, "/api/controls/values")[key]
                for name, given in body.items():
                    if isinstance(given, bool):
                        self.assertEqual(back[name], given)
                    elif key.startswith("ebl") or key == "bearingAlignment":
                        turn = (back[name] - given) % (2 * math.pi)
                        self.assertLess(min(turn, 2 * math.pi - turn), math.radians(0.051))
                    elif key != "range":
                        self.assertAlmostEqual(back[name], given, delta=abs(given) * 1e-3 + 0.5)

    def test_changes_that_are_refused(self):
        for method, key, body, token, status in REFUSED:
            with self.subTest(key=key, body=body):
                code, _, answer = self.put(key, body, token, method)
                self.assertEqual(code, status, answer)
                self.assertIn("error", json.loads(answer))

    def test_a_change_comes_as_a_controls_event(self):
        ws = s.WebSocket(self.port)
        try:
            self.assertEqual(self.put("rain", {"value": 42})[0], 200)
            for event in ws.events(10):
                if event.get("type") == "controls" and event["values"].get("rain", {}).get("value") == 42:
                    break
        finally:
            ws.close()

    def test_standby_stops_the_echo_without_an_echo_lost_alarm(self):
        self.assertEqual(self.put("power", {"value": 1})[0], 200)
        status = lambda: s.get_json(self.port, "/api/status")
        s.wait_for(lambda: status()["echo_state"] == "stale", 10, "the echo stopped in standby")
        # Past the time after which a missing echo raises the alarm.
        end = time.monotonic() + 6.5
        while time.monotonic() < end:
            kinds = [a["kind"] for a in s.get_json(self.port, "/api/alarms")["alarms"]]
            self.assertNotIn("echo_lost", kinds)
            time.sleep(0.5)
        self.assertEqual(self.put("power", {"value": 2})[0], 200)
        s.wait_for(lambda: status()["echo_state"] == "live", 10, "the echo back on transmit")

    def test_trails_follow_the_radar_trail_display(self):
        def trail_samples(seconds):
            ws, seen = s.WebSocket(self.port), 0
            try:
                end = time.monotonic() + seconds
                while time.monotonic() < end:
                    opcode, payload = ws.message()
                    if opcode == 2:
                        seen += sum(1 for line in s.decode_lines(payload) for v in line[3] if v >= 8)
            finally:
                ws.close()
            return seen
        self.assertEqual(self.put("trails", {"value": 0})[0], 200)
        s.wait_for(lambda: s.get_json(self.port, "/api/controls/values")["trails"]["value"] == 0, 5, "trails off")
        self.assertEqual(trail_samples(2), 0)
        self.assertEqual(self.put("trails", {"value": 30})[0], 200)
        s.wait_for(lambda: trail_samples(2) > 0, 15, "trail levels in the echo")


if __name__ == "__main__":
    s.main()
