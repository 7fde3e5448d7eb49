#!/usr/bin/python3
"""radarctl serve's targets and own ship: a scenario's crossing ship tracked
with the motion its geometry gives, acquired and cancelled over the API, its
danger raised as an alarm; own ship from NMEA 0183 over UDP and TCP, with
the sentences checked by an independent parser (pynmea2).

  /usr/bin/python3 tests/serve/tracking_test.py --radarctl build/bin/radarctl
"""
import json
import math
import socket
import unittest

import pynmea2

import serve_support as s

# Own ship north at 10 kn; a ship crossing from starboard to pass close
# ahead; a ship keeping station astern on the port quarter, outside the
# acquisition zone (given on the command line), for manual acquisition.
SCENARIO = {
    "rpm": 60, "range_nm": 6, "seed": 3, "sea": 0, "coast": False,
    "own": {"course_deg": 0, "speed_kn": 10, "lat": 50.0, "lon": -1.5},
    "ships": [
        {"name": "crossing", "range_nm": 2.5, "bearing_deg": 40, "course_deg": 270, "speed_kn": 12,
         "length_m": 80},
        {"name": "astern", "range_nm": 3.0, "bearing_deg": 200, "course_deg": 0, "speed_kn": 10,
         "length_m": 60},
    ],
}
ACQUIRE_ZONE = ("--acquire-zone", "0,90,0.5,5")


def vector(course_deg, speed_kn):
    c = math.radians(course_deg)
    return speed_kn * math.sin(c), speed_kn * math.cos(c)


def truth(ship, t_s):
    """The ship's course, speed, CPA (NM) and TCPA (min) at scene time t, from
    the scenario's straight lines."""
    own = SCENARIO["own"]
    b = math.radians(ship["bearing_deg"])
    x, y = ship["range_nm"] * math.sin(b), ship["range_nm"] * math.cos(b)
    tx, ty = vector(ship["course_deg"], ship["speed_kn"])
    ox, oy = vector(own["course_deg"], own["speed_kn"])
    vx, vy = tx - ox, ty - oy
    tcpa_h = -(x * vx + y * vy) / (vx * vx + vy * vy)
    cpa = math.hypot(x + vx * tcpa_h, y + vy * tcpa_h)
    return ship["course_deg"], ship["speed_kn"], cpa, tcpa_h * 60 - t_s / 60


def angle_off(a, b):
    return abs((a - b + 180) % 360 - 180)


def nmea(body):
    """A sentence with pynmea2's checksum; pynmea2 reads it back where it
    knows the sentence (not THS)."""
    text = "$%s*%02X" % (body, pynmea2.NMEASentence.checksum(body))
    if not body.endswith("THS", 0, 5):
        pynmea2.parse(text, check=True)
    return text


def free_port(kind):
    with socket.socket(socket.AF_INET, kind) as sock:
        sock.bind(("127.0.0.1", 0))
        return sock.getsockname()[1]


def targets(port):
    return s.get_json(port, "/api/targets")


class Tracking(s.SceneServer):
    @classmethod
    def server_args(cls):
        return {"scenario": SCENARIO, "extra": ACQUIRE_ZONE}

    def test_a_crossing_ship_tracked_with_its_cpa_and_alarm(self):
        crossing = SCENARIO["ships"][0]
        course, speed, cpa, _ = truth(crossing, 0)
        self.assertLess(cpa, 1.0)  # the scenario is meant to be dangerous

        seen = []

        def close_to_truth():
            seen[:] = targets(self.port)["targets"]
            for t in seen:
                if t["status"] == "tracking" and t["acquisition"] == "auto" and \
                        angle_off(t["course_deg"], course) < 5 and abs(t["speed_kn"] - speed) < 1.0 and \
                        abs(t["cpa_nm"] - cpa) < 0.3:
                    return t
            return None
        try:
            target = s.wait_for(close_to_truth, 60, "crossing ship tracked close to its truth")
        except AssertionError as e:
            status = s.get_json(self.port, "/api/status")
            raise AssertionError(f"{e}: truth {course}, {speed}, {cpa:.3f}; seen {seen}; echo "
                                 f"{status['echo_state']}, {status['lines_received']} lines") from None
        _, _, _, tcpa = truth(crossing, self.scene_time())
        self.assertAlmostEqual(target["tcpa_min"], tcpa, delta=0.8)
        self.assertTrue(target["dangerous"])
        self.assertFalse(target["relative_only"])
        self.assertRegex(target["first_seen"], r"^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ$")

        body = targets(self.port)
        own = body["own"]
        self.assertEqual((own["source"], own["sources"]),
                         ("radar", {"heading": "radar", "velocity": "radar", "position": "radar"}))
        self.assertAlmostEqual(own["heading_deg"], 0, delta=0.2)
        self.assertAlmostEqual(own["speed_kn"], 10, delta=0.3)
        self.assertAlmostEqual(own["lat"], 50 + 10 * self.scene_time() / 3600 / 60, delta=0.001)
        self.assertEqual(body["limits"], {"cpa_nm": 1.0, "tcpa_min": 12.0})
        self.assertEqual(s.get_json(self.port, "/api/status")["tracking"]["own_source"], "radar")

        subject = f"target {target['id']}"
        alarm = s.wait_for(lambda: [a for a in s.get_json(self.port, "/api/alarms")["alarms"]
                                    if a["kind"] == "cpa" and a["subject"] == subject], 10, "cpa alarm")[0]
        self.assertRegex(alarm["text"], rf"^Target {target['id']}: CPA \d+\.\d\d NM in \d+\.\d min$")
        ack = f"/api/alarms/{alarm['id']}/ack"
        self.assertEqual(s.request(self.port, "POST", ack)[0], 401)
        self.assertEqual(s.request(self.port, "POST", ack, token=s.TOKEN)[0], 200)
        listed = [a for a in s.get_json(self.port, "/api/alarms")["alarms"] if a["id"] == alarm["id"]]
        self.assertEqual([a["acknowledged"] for a in listed], [True])

        ws = s.WebSocket(self.port)
        try:
            event = next(e for e in ws.events(10) if e["type"] == "targets")
            self.assertIn(target["id"], [t["id"] for t in event["targets"]])
            self.assertEqual(set(event) - {"type"}, set(body))
        finally:
            ws.close()

    def test_b_acquire_and_cancel(self):
        astern = SCENARIO["ships"][1]
        where = {"range_nm": astern["range_nm"], "bearing_deg": astern["bearing_deg"]}
        refused = [  # body, token, status
            (where, None, 401),
            ({"range_nm": 2.0, "bearing_deg": 290}, s.TOKEN, 404),  # empty sea
            ({"range_nm": "3", "bearing_deg": 200}, s.TOKEN, 400),
            ({"range_nm": 3.0, "bearing_deg": 400}, s.TOKEN, 400),
            ("not json", s.TOKEN, 400),
        ]
        s.wait_for(lambda: s.get_json(self.port, "/api/status")["echo_state"] == "live", 10, "echo")
        for body, token, status in refused:
            code, _, answer = s.request(self.port, "POST", "/api/targets", body=body, token=token)
            self.assertEqual(code, status, (body, answer))
            self.assertIn("error", json.loads(answer))

        def acquired():
            code, _, answer = s.request(self.port, "POST", "/api/targets", body=where, token=s.TOKEN)
            return json.loads(answer)["id"] if code == 200 else None
        new = s.wait_for(acquired, 10, "manual acquisition")
        listed = {t["id"]: t for t in targets(self.port)["targets"]}
        self.assertEqual(listed[new]["acquisition"], "manual")
        self.assertAlmostEqual(listed[new]["range_nm"], astern["range_nm"], delta=0.15)
        self.assertLess(angle_off(listed[new]["bearing_deg"], astern["bearing_deg"]), 3)

        self.assertEqual(s.request(self.port, "DELETE", f"/api/targets/{new}")[0], 401)
        self.assertEqual(s.request(self.port, "DELETE", f"/api/targets/{new}", token=s.TOKEN)[0], 200)
        self.assertNotIn(new, [t["id"] for t in targets(self.port)["targets"]])
        self.assertEqual(s.request(self.port, "DELETE", f"/api/targets/{new}", token=s.TOKEN)[0], 404)
        code, _, answer = s.request(self.port, "DELETE", "/api/targets", token=s.TOKEN)
        self.assertEqual(code, 200)
        self.assertEqual(targets(self.port)["targets"], [])

    def test_c_guard_zone_of_the_radar(self):
        def guard(setting):  # zone 1: 000-090 degrees, 1 to 4 NM
            code, _, _ = s.request(self.port, "POST", "/api/settings/RadarGuard", token=s.TOKEN,
                                   body={"values": [1, setting, 0, 0, 900, 40000, 10000]})
            self.assertEqual(code, 200)

        def guard_alarms():
            return [a for a in s.get_json(self.port, "/api/alarms")["alarms"] if a["kind"] == "guard"]
        ws = s.WebSocket(self.port)
        try:
            guard(1)
            raised = next(e for e in ws.events(15) if e["type"] == "alarm" and e["kind"] == "guard")
            self.assertEqual((raised["subject"], raised["state"]), ("zone 1", "raised"))
            self.assertRegex(raised["text"], r"^Guard zone 1: (target \d+|an echo) at [1-4]\.\d\d NM, "
                                             r"bearing 0[0-8]\d\.\d\u00b0$")
            self.assertEqual(s.request(self.port, "POST", f"/api/alarms/{raised['id']}/ack", token=s.TOKEN)[0], 200)
            # Acknowledged, it clears: the zone is armed for the next intrusion.
            next(e for e in ws.events(5) if e["type"] == "alarm" and e["id"] == raised["id"] and
                 e["state"] == "cleared")
            guard(0)
            s.wait_for(lambda: not guard_alarms(), 5, "no guard alarm with the zone off")
        finally:
            ws.close()


# Sentences in order, each with the counter it must move and what own ship
# then shows: good ones of every kind, then faults that must change nothing.
RMC = "GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W"
SENTENCES = [
    ("HDT", nmea("HEHDT,274.1,T"), "used", {"heading_deg": 274.1}),
    ("RMC", nmea(RMC), "used", {"lat": pynmea2.parse(nmea(RMC)).latitude,
                                "lon": pynmea2.parse(nmea(RMC)).longitude,
                                "course_deg": 84.4, "speed_kn": 22.4}),
    ("HDG and variation", nmea("HCHDG,98.3,0.5,E,12.6,W"), "used", {"heading_deg": 98.3 + 0.5 - 12.6}),
    ("THS", nmea("INTHS,123.4,A"), "used", {"heading_deg": 123.4}),
    ("VTG", nmea("GPVTG,054.7,T,034.4,M,005.5,N,010.2,K,A"), "used", {"course_deg": 54.7, "speed_kn": 5.5}),
    ("GGA", nmea("GPGGA,123520,4916.450,N,12311.120,W,1,08,0.9,545.4,M,46.9,M,,"), "used",
     {"lat": 49 + 16.45 / 60, "lon": -(123 + 11.12 / 60)}),
    ("GLL, other talker", nmea("GNGLL,5000.000,N,00130.000,W,123521,A,A"), "used", {"lat": 50.0, "lon": -1.5}),
    ("bad checksum", nmea("HEHDT,200.0,T")[:-2] + "%02X" % (int(nmea("HEHDT,200.0,T")[-2:], 16) ^ 1),
     "bad_checksum", {"heading_deg": 123.4}),
    ("truncated", "$GPRMC,123519,A,48", "no_checksum", {"lat": 50.0}),
    ("too few fields", nmea("GPGGA,123519,4807.038,N"), "malformed", {"lat": 50.0}),
    ("RMC void", nmea(RMC.replace(",A,", ",V,", 1)), "not_valid", {"lat": 50.0}),
    ("GGA no fix", nmea("GPGGA,123519,4807.038,N,01131.000,E,0,00,,,M,,M,,"), "not_valid", {"lat": 50.0}),
    ("THS not valid", nmea("INTHS,10.0,V"), "not_valid", {"heading_deg": 123.4}),
    ("not read", nmea("GPZDA,201530.00,04,07,2002,00,00"), "other", {"heading_deg": 123.4}),
]


class NmeaOverUdp(unittest.TestCase):
    def test_sentences(self):
        port = free_port(socket.SOCK_DGRAM)
        server = s.Server(source=("--sim", "--nmea-in", f"udp://127.0.0.1:{port}"))
        sender = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
        try:
            own = targets(server.port)["own"]
            self.assertEqual((own["source"], own["heading_deg"], own["age_s"]), ("none", None, None))
            self.assertEqual(own["nmea"]["input"], f"udp://127.0.0.1:{port}")
            for name, sentence, counter, expected in SENTENCES:
                before = own["nmea"]["sentences"]

                def moved():
                    now = targets(server.port)["own"]
                    return now if now["nmea"]["sentences"][counter] > before[counter] else None
                sender.sendto(sentence.encode() + b"\r\n", ("127.0.0.1", port))
                own = s.wait_for(moved, 5, f"{name} counted as {counter}")
                changed = {k: v - before[k] for k, v in own["nmea"]["sentences"].items() if v != before[k]}
                self.assertEqual(changed, {counter: 1}, name)
                for key, value in expected.items():
                    self.assertAlmostEqual(own[key], value, delta=1e-5, msg=f"{name}: {key}")
            self.assertEqual(own["source"], "nmea")
            self.assertEqual(set(own["sources"].values()), {"nmea"})
            self.assertEqual(s.get_json(server.port, "/api/status")["tracking"]["own_source"], "nmea")
        finally:
            sender.close()
            self.assertEqual(server.stop(), 0)


class NmeaOverTcp(unittest.TestCase):
    def test_client_connects_again_and_data_go_stale(self):
        listener = socket.create_server(("127.0.0.1", 0))
        listener.settimeout(15)
        port = listener.getsockname()[1]
        server = s.Server(source=("--sim", "--nmea-in", f"tcp://127.0.0.1:{port}"))
        try:
            for heading in (12.5, 34.5):  # the second time after the link dropped
                conn, _ = listener.accept()
                with conn:
                    conn.sendall((nmea(f"HEHDT,{heading},T") + "\r\n").encode())
                    s.wait_for(lambda: abs((targets(server.port)["own"]["heading_deg"] or -1) - heading) < 1e-6,
                               5, f"heading {heading} over TCP")
                    self.assertTrue(targets(server.port)["own"]["nmea"]["connected"])
            own = s.wait_for(lambda: (lambda o: o if o["sources"]["heading"] == "none" else None)(
                targets(server.port)["own"]), 15, "stale heading")
            self.assertEqual((own["heading_deg"], own["stale"], own["source"]), (None, ["heading"], "none"))
        finally:
            listener.close()
            self.assertEqual(server.stop(), 0)


if __name__ == "__main__":
    s.main()
