#!/usr/bin/python3
"""radarctl serve's plotting aids against the crossing scenario's own
geometry: past positions (relative and over ground), bow crossing, the trial
manoeuvre, and the danger limits as controls. One server, one scenario run.

  /usr/bin/python3 tests/serve/arpa_test.py --radarctl build/bin/radarctl
"""
import calendar
import json
import math
import os
import time

import serve_support as s

SCENARIO_FILE = os.path.join(s.ROOT, "station", "scenarios", "crossing.json")
with open(SCENARIO_FILE) as f:
    SCENARIO = json.load(f)
SHIPS = {ship["name"]: ship for ship in SCENARIO["ships"]}
OWN = SCENARIO["own"]
CPA_LIMIT_NM, TCPA_LIMIT_MIN = 0.02, 20  # the first limits: no ship of the scenario passes that close

# What the tracker achieves on this scenario: places within 0.05 NM; once
# settled (each ship's velocity within 0.4 kn of its true one), the velocity
# wanders within 0.6 kn. A figure worked out from a ship's motion is checked
# against the spread of its truth over that envelope of velocities, widened
# by a place's error (and 0.2 min for a time): a slow relative motion makes a
# TCPA far more sensitive than a fast one, and one fixed tolerance would be
# either loose or flaky.
PLACE_NM = 0.05
SETTLED_KN, WANDER_KN = 0.4, 0.6
TIME_MIN = 0.2


def vec(length, deg):
    return length * math.sin(math.radians(deg)), length * math.cos(math.radians(deg))


def add(a, b, k=1.0):
    return a[0] + k * b[0], a[1] + k * b[1]


def own_velocity():
    return vec(OWN["speed_kn"], OWN["course_deg"])


def ship_velocity(ship):
    return vec(ship["speed_kn"], ship["course_deg"])


def ship_start(ship):
    return vec(ship["range_nm"], ship["bearing_deg"])


def envelope(ship):
    """The ship as it is, and with its velocity off by WANDER_KN in eight directions."""
    ships = [ship]
    for k in range(8):
        v = add(ship_velocity(ship), vec(WANDER_KN, 45 * k))
        ships.append(dict(ship, course_deg=math.degrees(math.atan2(*v)) % 360, speed_kn=math.hypot(*v)))
    return ships


def relative(ship, t_s):
    """Where the ship is from own ship at scene time t (both on straight lines from time 0)."""
    rel_v = add(ship_velocity(ship), own_velocity(), -1)
    return add(ship_start(ship), rel_v, t_s / 3600), rel_v


def off_line(point, start, direction):
    """Distance of a point from the line through `start` along `direction`."""
    dx, dy = point[0] - start[0], point[1] - start[1]
    return abs(dx * direction[1] - dy * direction[0]) / math.hypot(*direction)


def bow_crossing_truth(ship, t_s):
    """Where the ship crosses ahead of own ship's course line: (NM ahead, minutes), or None."""
    (px, py), (vx, vy) = relative(ship, t_s)
    ux, uy = vec(1, OWN["course_deg"])
    closing = ux * vy - uy * vx
    if closing == 0:
        return None
    hours = -(ux * py - uy * px) / closing
    ahead = ux * (px + vx * hours) + uy * (py + vy * hours)
    return (ahead, hours * 60) if hours > 0 and ahead > 0 else None


def trial_truth(ship, t_s, course_deg, speed_kn, delay_min):
    """Closest approach, searched minute by hundredth of a minute over the next two
    hours, own ship keeping her motion for the delay then on the trial's."""
    p, v1 = relative(ship, t_s)
    v2 = add(ship_velocity(ship), vec(speed_kn, course_deg), -1)
    turn = add(p, v1, delay_min / 60)
    best = None
    for step in range(12001):
        t = step / 100
        here = add(p, v1, t / 60) if t < delay_min else add(turn, v2, (t - delay_min) / 60)
        d = math.hypot(*here)
        if best is None or d < best[0]:
            best = (d, t)
    return best


def utc_seconds(text):
    return calendar.timegm(time.strptime(text, "%Y-%m-%dT%H:%M:%SZ"))


class Arpa(s.SceneServer):
    @classmethod
    def server_args(cls):
        return {"source": ("--sim", "--scenario", SCENARIO_FILE),
                "extra": ("--cpa-limit", str(CPA_LIMIT_NM), "--tcpa-limit", str(TCPA_LIMIT_MIN))}

    def targets(self):
        return s.get_json(self.port, "/api/targets")

    def matched(self, body, names, tracking=True):
        """The scenario's ships by name, each the target nearest its true place (within 0.3 NM)."""
        t_s = self.scene_time()
        found = {}
        for name in names:
            truth, _ = relative(SHIPS[name], t_s)
            for t in body["targets"]:
                place = vec(t["range_nm"], t["bearing_deg"])
                if math.hypot(place[0] - truth[0], place[1] - truth[1]) < 0.3 and \
                        (not tracking or t["status"] == "tracking"):
                    found[name] = t
        return found if len(found) == len(names) else None

    def assert_within(self, value, truths, margin, what):
        self.assertTrue(min(truths) - margin <= value <= max(truths) + margin,
                        f"{what}: {value} outside {min(truths):.3f}-{max(truths):.3f} +- {margin}")

    def settled(self, names=tuple(SHIPS)):
        """Every ship tracking with its velocity within SETTLED_KN of the truth."""
        def check():
            found = self.matched(self.targets(), names)
            if not found:
                return None
            for name, t in found.items():
                ship = SHIPS[name]
                seen = vec(t["speed_kn"], t["course_deg"])
                if math.hypot(*add(seen, ship_velocity(ship), -1)) > SETTLED_KN:
                    return None
            return found
        return s.wait_for(check, 60, f"{', '.join(names)} tracked close to the truth")

    def put_limit(self, key, value, token=s.TOKEN):
        return s.request(self.port, "PUT", f"/api/controls/{key}", {"value": value}, token)

    def test_a_limits_are_controls(self):
        table = s.get_json(self.port, "/api/controls")["controls"]
        for key, units in (("cpaLimit", "m"), ("tcpaLimit", "s")):
            self.assertEqual((table[key]["category"], table[key]["dataType"], table[key]["units"]),
                             ("targets", "number", units))
        values = s.get_json(self.port, "/api/controls/values")
        self.assertAlmostEqual(values["cpaLimit"]["value"], CPA_LIMIT_NM * 1852, delta=0.2)
        self.assertEqual(values["tcpaLimit"]["value"], TCPA_LIMIT_MIN * 60)
        self.assertEqual(self.targets()["limits"], {"cpa_nm": CPA_LIMIT_NM, "tcpa_min": TCPA_LIMIT_MIN})

        crosser = self.settled(["CROSSER"])["CROSSER"]
        subject = f"target {crosser['id']}"

        def cpa_alarms():
            return [a for a in s.get_json(self.port, "/api/alarms")["alarms"]
                    if a["kind"] == "cpa" and a["subject"] == subject and a.get("active", True)]
        self.assertFalse(crosser["dangerous"])
        self.assertEqual(cpa_alarms(), [])

        for key, value, token, status in [("cpaLimit", 1852, None, 401), ("cpaLimit", -1, s.TOKEN, 400),
                                          ("tcpaLimit", 3601, s.TOKEN, 400), ("cpaLimit", "far", s.TOKEN, 400)]:
            code, _, answer = self.put_limit(key, value, token)
            self.assertEqual(code, status, (key, value, answer))
            self.assertIn("error", json.loads(answer))
        ws = s.WebSocket(self.port)
        try:
            code, _, answer = self.put_limit("cpaLimit", 1852)
            self.assertEqual((code, json.loads(answer)), (200, {"status": 0}))
            next(e for e in ws.events(10) if e["type"] == "controls" and
                 e["values"].get("cpaLimit", {}).get("value") == 1852)
            limits = next(e for e in ws.events(10) if e["type"] == "targets")["limits"]
            self.assertAlmostEqual(limits["cpa_nm"], 1.0, delta=1e-4)
        finally:
            ws.close()
        alarm = s.wait_for(cpa_alarms, 15, "cpa alarm for CROSSER")[0]
        self.assertRegex(alarm["text"], rf"^Target {crosser['id']}: CPA")
        self.assertEqual(self.put_limit("cpaLimit", CPA_LIMIT_NM * 1852)[0], 200)
        s.wait_for(lambda: not self.matched(self.targets(), ["CROSSER"])["CROSSER"]["dangerous"], 15,
                   "CROSSER no longer dangerous under the small limit")

    def test_b_bow_crossing(self):
        found = self.settled()
        t_s = self.scene_time()
        for name, target in found.items():
            with self.subTest(name):
                truths = [bow_crossing_truth(ship, t_s) for ship in envelope(SHIPS[name])]
                if all(t is None for t in truths):
                    self.assertEqual((target["bcr_nm"], target["bct_min"]), (None, None))
                elif None not in truths:
                    self.assertIsNotNone(target["bcr_nm"])
                    self.assert_within(target["bcr_nm"], [t[0] for t in truths], PLACE_NM, f"{name} BCR")
                    self.assert_within(target["bct_min"], [t[1] for t in truths], TIME_MIN, f"{name} BCT")
        self.assertIsNotNone(bow_crossing_truth(SHIPS["CROSSER"], t_s))  # the scenario crosses ahead

    def test_c_trial_manoeuvre(self):
        self.settled()
        starboard = (OWN["course_deg"] + 30) % 360
        plans = [  # course, speed, delay: 30 degrees to starboard at the present speed, now and in 4
            (starboard, OWN["speed_kn"], 0),  # minutes; the present course and speed (the ordinary CPA)
            (starboard, OWN["speed_kn"], 4),
            (OWN["course_deg"], OWN["speed_kn"], 0)]
        refused = [{"course_deg": 361, "speed_kn": 12}, {"course_deg": 30, "speed_kn": -1},
                   {"course_deg": 30, "speed_kn": 12, "delay_min": 31}, {"course_deg": "30", "speed_kn": 12},
                   {"speed_kn": 12}, {"course_deg": 30, "speed_kn": 12, "delay": 1}, "not json"]
        for body in refused:
            code, _, answer = s.request(self.port, "POST", "/api/trial", body=body)
            self.assertEqual(code, 400, body)
            self.assertIn("error", json.loads(answer))
        for course, speed, delay in plans:
            plan = {"course_deg": course, "speed_kn": speed, "delay_min": delay}
            code, _, answer = s.request(self.port, "POST", "/api/trial", body=plan)
            t_s = self.scene_time()
            self.assertEqual(code, 200, answer)
            answer = json.loads(answer)
            self.assertEqual({k: answer["trial"][k] for k in plan}, plan)
            self.assertEqual(utc_seconds(answer["trial"]["ends"]) - utc_seconds(answer["trial"]["started"]), 300)
            by_id = {a["id"]: a for a in answer["targets"]}
            found = self.matched(self.targets(), SHIPS)
            for name, target in found.items():
                with self.subTest(name=name, plan=plan):
                    truths = [trial_truth(ship, t_s, course, speed, delay) for ship in envelope(SHIPS[name])]
                    mine = by_id[target["id"]]
                    self.assert_within(mine["cpa_nm"], [t[0] for t in truths], PLACE_NM, f"{name} trial CPA")
                    self.assert_within(mine["tcpa_min"], [t[1] for t in truths], TIME_MIN, f"{name} trial TCPA")
                    self.assertEqual(set(target["trial"]), {"cpa_nm", "tcpa_min"})
        self.assertEqual(self.targets()["trial"]["course_deg"], OWN["course_deg"])  # the latest in place
        code, _, answer = s.request(self.port, "DELETE", "/api/trial")
        self.assertEqual((code, json.loads(answer)), (200, {"trial": None}))
        body = self.targets()
        self.assertEqual((body["trial"], {t["trial"] is None for t in body["targets"]}), (None, {True}))

    def test_d_past_positions(self):
        def sampled():
            found = self.matched(self.targets(), SHIPS)
            return found if found and all(len(t["past"]) >= 2 for t in found.values()) else None
        # The first samples come 30 and 60 s after the start.
        found = s.wait_for(sampled, max(10.0, 75 - self.scene_time()), "two past positions of every ship")
        t_s = self.scene_time()
        own_now = add((0, 0), own_velocity(), t_s / 3600)
        for name, target in found.items():
            ship = SHIPS[name]
            past = target["past"]
            with self.subTest(name):
                self.assertLessEqual(len(past), 24)
                times = [utc_seconds(p["t"]) for p in past]
                self.assertTrue(all(abs(b - a - 30) <= 1 for a, b in zip(times, times[1:])), times)
                ground = [add(own_now, vec(p["ground_range_nm"], p["ground_bearing_deg"])) for p in past]
                rel = [vec(p["range_nm"], p["bearing_deg"]) for p in past]
                _, rel_v = relative(ship, 0)
                for g, r in zip(ground, rel):
                    self.assertLess(off_line(g, ship_start(ship), ship_velocity(ship)), PLACE_NM)
                    self.assertLess(off_line(r, ship_start(ship), rel_v), PLACE_NM)
                for series, speed in ((ground, ship["speed_kn"]), (rel, math.hypot(*rel_v))):
                    for p, q in zip(series, series[1:]):
                        self.assertAlmostEqual(math.hypot(q[0] - p[0], q[1] - p[1]), speed * 30 / 3600,
                                               delta=PLACE_NM)


if __name__ == "__main__":
    s.main()
