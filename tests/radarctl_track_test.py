#!/usr/bin/env python3
"""radarctl track: a scenario through the encoder, the library's decoder and
the tracker; its JSON lines read back by Python's parser and the target held
against the scenario's geometry, worked out here on its own."""
import argparse
import json
import math
import os
import subprocess
import sys
import unittest

RADARCTL = None
SCENARIOS = None
KEYS = {"id", "status", "acquisition", "range_nm", "bearing_deg", "course_deg", "speed_kn",
        "rel_course_deg", "rel_speed_kn", "cpa_nm", "tcpa_min"}


def truth(scenario, t):
    """Range and true bearing of the first ship from own ship at t (straight courses)."""
    own, ship = scenario["own"], scenario["ships"][0]

    def run(course, speed):
        d = speed * t / 3600
        return d * math.sin(math.radians(course)), d * math.cos(math.radians(course))

    oe, on = run(own["course_deg"], own["speed_kn"])
    se, sn = run(ship["course_deg"], ship["speed_kn"])
    b = math.radians(ship["bearing_deg"])
    e = ship["range_nm"] * math.sin(b) + se - oe
    n = ship["range_nm"] * math.cos(b) + sn - on
    return math.hypot(e, n), math.degrees(math.atan2(e, n)) % 360


class Track(unittest.TestCase):
    def test_a_closing_ship_is_tracked_where_it_is(self):
        path = os.path.join(SCENARIOS, "standard_3_slow_own.json")
        with open(path) as f:
            scenario = json.load(f)
        result = subprocess.run([RADARCTL, "track", "--scenario", path, "--at", "120,30"],
                                capture_output=True, text=True, timeout=100)
        self.assertEqual(result.returncode, 0, result.stderr)
        lines = result.stdout.splitlines()
        self.assertEqual(len(lines), 3, result.stdout)
        answers = [json.loads(line) for line in lines[:2]]
        self.assertEqual([a["t"] for a in answers], [120, 30], "in the order asked for")
        # The events since the time before, in time order: acquired by 30 s,
        # its motion established between 30 and 120 s; and the order's outcome.
        self.assertEqual([(e["kind"], e["id"]) for e in answers[1]["events"]], [("acquired", 1)])
        self.assertEqual([(e["kind"], e["id"]) for e in answers[0]["events"]], [("tracking", 1)])
        self.assertTrue(30 < answers[0]["events"][0]["t"] <= 120, answers[0]["events"])
        self.assertEqual(json.loads(lines[2]),
                         {"orders": [{"at_s": scenario["acquire"][0]["at_s"], "done_s": scenario["acquire"][0]["at_s"],
                                      "status": "acquired", "id": 1}]})
        for answer in answers:
            self.assertEqual(set(answer), {"t", "targets", "events"})
            self.assertEqual(len(answer["targets"]), 1, answer)
            target = answer["targets"][0]
            self.assertEqual(set(target), KEYS)
            self.assertEqual(target["acquisition"], "manual")
            self.assertIn(target["status"], ("acquiring", "tracking", "lost"))
            for key in ("bearing_deg", "course_deg", "rel_course_deg"):
                self.assertTrue(0 <= target[key] < 360, target)
            r, b = truth(scenario, answer["t"])
            self.assertLess(abs(target["range_nm"] - r), 0.05, (target, r))
            self.assertLess(abs((target["bearing_deg"] - b + 180) % 360 - 180), 1.0, (target, b))
        late = answers[0]["targets"][0]
        self.assertEqual(late["status"], "tracking")
        ship = scenario["ships"][0]
        self.assertLess(abs((late["course_deg"] - ship["course_deg"] + 180) % 360 - 180), 5, late)
        self.assertLess(abs(late["speed_kn"] - ship["speed_kn"]), 1.0, late)
        self.assertLess(abs((late["rel_course_deg"] - 225 + 180) % 360 - 180), 5, late)
        self.assertLess(abs(late["rel_speed_kn"] - 20), 1.0, late)

    def test_usage_errors(self):
        path = os.path.join(SCENARIOS, "crossing.json")
        for args in ([], ["--scenario", path], ["--scenario", path, "--at", "10,x"],
                     ["--scenario", path, "--at", "-5"], ["--at", "10"],
                     ["--scenario", path, "--at", "10", "extra"]):
            result = subprocess.run([RADARCTL, "track", *args], capture_output=True, timeout=30)
            self.assertEqual(result.returncode, 2, args)
        result = subprocess.run([RADARCTL, "track", "--scenario", "/nonexistent.json", "--at", "1"],
                                capture_output=True, text=True, timeout=30)
        self.assertEqual(result.returncode, 1)
        self.assertIn("/nonexistent.json", result.stderr)


if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    parser.add_argument("--radarctl", required=True)
    parser.add_argument("--scenarios", required=True)
    options, rest = parser.parse_known_args()
    RADARCTL, SCENARIOS = options.radarctl, options.scenarios
    unittest.main(argv=[sys.argv[0], *rest])
