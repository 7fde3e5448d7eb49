#!/usr/bin/env python3
"""radarctl sim --nmea-out: own ship's HDT and RMC sentences read back by
pynmea2 (Debian's python3-nmea2), a parser of its own, checksums checked,
against the scenario's own ship."""
import argparse
import json
import math
import os
import socket
import subprocess
import sys
import tempfile
import time
import unittest

import pynmea2

RADARCTL = None

# Own ship: south and east of Greenwich, so both hemisphere letters count.
SCENARIO = {"rpm": 60, "range_nm": 6, "ships": [],
            "own": {"course_deg": 123.4, "speed_kn": 12.5, "lat": -33.85, "lon": 151.21}}


def position_at(t):
    """Own ship's latitude and longitude after t seconds on its course."""
    run = SCENARIO["own"]["speed_kn"] * 1852 / 3600 * t
    course = math.radians(SCENARIO["own"]["course_deg"])
    lat0, lon0 = SCENARIO["own"]["lat"], SCENARIO["own"]["lon"]
    lat = lat0 + run * math.cos(course) / 111120
    lon = lon0 + run * math.sin(course) / (111120 * math.cos(math.radians(lat0)))
    return lat, lon


class NmeaOut(unittest.TestCase):
    def test_hdt_and_rmc_each_second(self):
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "own.json")
            with open(path, "w") as f:
                json.dump(SCENARIO, f)
            listener = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
            listener.bind(("127.0.0.1", 0))
            listener.settimeout(0.2)
            port = listener.getsockname()[1]
            sim = subprocess.Popen([RADARCTL, "sim", "--scenario", path, "--nmea-out",
                                    f"udp://127.0.0.1:{port}", "--seconds", "30"],
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            started = time.time()
            sentences = []
            try:
                deadline = time.time() + 20
                while time.time() < deadline and len(sentences) < 8:
                    try:
                        data = listener.recv(2048)
                    except socket.timeout:
                        continue
                    sentences.append((time.time() - started, data.decode("ascii")))
            finally:
                sim.terminate()
                sim.wait(10)
                listener.close()
        self.assertGreaterEqual(len(sentences), 8, "HDT and RMC each second")
        kinds = []
        for elapsed, text in sentences:
            self.assertTrue(text.endswith("\r\n"), text)
            message = pynmea2.parse(text.strip(), check=True)  # a bad checksum raises
            kinds.append(message.sentence_type)
            if message.sentence_type == "HDT":
                self.assertAlmostEqual(float(message.heading), 123.4, places=3)
                self.assertEqual(message.hdg_true, "T")
            elif message.sentence_type == "RMC":
                self.assertEqual(message.status, "A")
                self.assertAlmostEqual(float(message.spd_over_grnd), 12.5, places=3)
                self.assertAlmostEqual(float(message.true_course), 123.4, places=3)
                # Sent at a whole second of scene time, at most `elapsed` in.
                lat, lon = position_at(max(0.0, elapsed))
                lat0, lon0 = position_at(0)
                self.assertLess(message.latitude, 0)
                self.assertGreater(message.longitude, 0)
                tolerance = 1e-5  # a ten-thousandth of a minute is 1.7e-6 degrees
                self.assertTrue(min(lat0, lat) - tolerance <= message.latitude <= max(lat0, lat) + tolerance,
                                (message.latitude, lat0, lat))
                self.assertTrue(min(lon0, lon) - tolerance <= message.longitude <= max(lon0, lon) + tolerance,
                                (message.longitude, lon0, lon))
                now = time.gmtime()
                self.assertEqual(message.datestamp.year, now.tm_year)
                self.assertLess(abs(message.timestamp.hour * 3600 + message.timestamp.minute * 60
                                    + message.timestamp.second
                                    - (now.tm_hour * 3600 + now.tm_min * 60 + now.tm_sec)) % 86400, 60)
            else:
                self.fail(f"unexpected sentence {text!r}")
        self.assertEqual(kinds.count("HDT"), kinds.count("RMC"), kinds)

    def test_bad_options(self):
        for args in (["--nmea-out", "udp://127.0.0.1:10110"],  # no scenario
                     ["--scenario", "x.json", "--nmea-out", "tcp://127.0.0.1:10110"],
                     ["--scenario", "x.json", "--nmea-out", "udp://localhost:10110"],
                     ["--scenario", "x.json", "--nmea-out", "udp://127.0.0.1:0"]):
            result = subprocess.run([RADARCTL, "sim", *args], capture_output=True, timeout=30)
            self.assertEqual(result.returncode, 2, args)


if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    parser.add_argument("--radarctl", required=True)
    parser.add_argument("--scenarios")
    options, rest = parser.parse_known_args()
    RADARCTL = options.radarctl
    unittest.main(argv=[sys.argv[0], *rest])
