#!/usr/bin/python3
"""The viewer in a real browser: headless Chromium loads the page from
`radarctl serve --sim`, the PPI shows echo (pixels counted in a screenshot),
and the gain changed through the panel comes back as the station's
announcement. A radar that falls silent, and a server that goes, dim the
picture, list the alarm in the strip and sound it until it is silenced (no
token) or acknowledged; a recording shows its own range and says when it has
ended. A ship of a scenario, clicked on, is acquired and listed, and its
vector is drawn where the scenario's own geometry says it goes; its past
positions are drawn, the CPA limit is set from the panel and a trial
manoeuvre comes and goes. At a tablet's and a phone's size the plain
controls work in words (transmit/standby, range +/-, an EBL dragged), the
night palette has nothing bright white, every control is a finger's size,
and the alarm strip, the worst alarm first, never covers the picture.

  tests/serve/browser_test.py --radarctl build/bin/radarctl [--screenshot docs/viewer.png Targets]
  tests/serve/browser_test.py --radarctl build/bin/radarctl --viewer-shots docs Display
  tests/serve/browser_test.py --radarctl build/bin/radarctl --target-shots docs TargetShots
"""
import datetime
import io
import json
import math
import os
import sys
import tempfile
import time
import unittest
import urllib.request

from PIL import Image
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import Select

sys.path.insert(0, __file__.rsplit("/", 1)[0])
import serve_support  # noqa: E402

SCREENSHOT = None
VIEWER_SHOTS = None  # a folder for the README's day and night, tablet and phone pictures
TARGET_SHOTS = None  # a folder for docs/server.md's pictures of targets, trial and alarms


def wait_for(what, condition, seconds=30):
    return serve_support.wait_for(condition, seconds, what)


DRIVER = None


def setUpModule():
    global DRIVER
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    # The alarm sounds without a touch first, as on a screen that has had one.
    for a in ("--headless=new", "--no-sandbox", "--disable-gpu", "--window-size=1024,768",
              "--disable-dev-shm-usage", "--autoplay-policy=no-user-gesture-required"):
        options.add_argument(a)
    DRIVER = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    DRIVER.set_page_load_timeout(30)


def tearDownModule():
    DRIVER.quit()


def text(element_id):
    return DRIVER.find_element(By.ID, element_id).text.strip()


def strip():
    """The alarm strip's entries as shown, in order: (kind, state, title, text)."""
    return [tuple(x) for x in DRIVER.execute_script("""
        return [...document.querySelectorAll('#alarm-list li')].map((li) => [li.dataset.kind, li.dataset.state,
          li.querySelector('.title').textContent, li.querySelector('.text')?.textContent ?? '']);""")]


def give_token():
    """Answers the token dialog, which must be asking, with the test token."""
    d = DRIVER
    wait_for("the token dialog", lambda: d.find_element(By.ID, "token-dialog").is_displayed())
    field = d.find_element(By.ID, "token-input")
    assert field.get_attribute("type") == "password", "the token is typed unseen"
    field.send_keys(serve_support.TOKEN)
    d.find_element(By.ID, "token-ok").click()


class Viewer(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = serve_support.Server()
        cls.url = f"http://127.0.0.1:{cls.server.port}/"
        cls.driver = DRIVER

    @classmethod
    def tearDownClass(cls):
        # With the browser's connections still open: the server ends cleanly.
        if cls.server.stop() != 0:
            raise AssertionError("radarctl serve did not end with 0 on SIGTERM")

    def values(self):
        return serve_support.get_json(self.server.port, "/api/controls/values")

    def echo_pixels(self, palette):
        """Pixels of the PPI in an echo or trail colour."""
        shot = Image.open(io.BytesIO(self.driver.find_element(By.ID, "ppi").screenshot_as_png))
        colours = {tuple(c) for c in palette[1:]}
        return sum(n for n, rgb in shot.convert("RGB").getcolors(1 << 24) if rgb in colours)

    def test_the_picture_shows_and_the_gain_goes_to_the_radar(self):
        d = self.driver
        d.get(self.url)
        wait_for("the connection", lambda: text("state") == "connected")
        wait_for("live echo", lambda: text("radar-state") == "Radar: live")
        with urllib.request.urlopen(self.url + "api/display", timeout=10) as r:
            palette = json.load(r)["palette"]
        # A revolution at 24 rpm takes 2.5 s: the coast, the ships and the clutter show.
        wait_for("echo on the PPI", lambda: self.echo_pixels(palette) > 2000)

        level = d.find_element(By.CSS_SELECTOR, '[data-control="gain"] input[type=range]')
        wanted = 73 if self.values()["gain"]["value"] != 73 else 37
        d.execute_script("arguments[0].value = arguments[1];"
                         "arguments[0].dispatchEvent(new Event('input', {bubbles: true}));"
                         "arguments[0].dispatchEvent(new Event('change', {bubbles: true}));",
                         level, wanted)
        # The page asks for the token once.
        give_token()
        wait_for("the announced gain", lambda: self.values()["gain"] == {"value": wanted, "auto": False})
        wait_for("the panel showing it",
                 lambda: int(float(level.get_attribute("value"))) == wanted)


class Silence(unittest.TestCase):
    """The radar falls silent behind its command link, then the server goes."""

    def setUp(self):
        self.sim = serve_support.Sim()
        self.server = serve_support.Server(source=self.sim.serve_args())

    def tearDown(self):
        self.server.stop()
        self.sim.stop()

    def sounding(self):
        """Whether the page sounds: beeps keep being played."""
        beeps = lambda: int(DRIVER.find_element(By.TAG_NAME, "body").get_attribute("data-beeps") or 0)
        before = beeps()
        time.sleep(2.2)
        return beeps() - before >= 2

    def alarm_shown(self, title):
        shown = DRIVER.find_element(By.ID, "alarms").is_displayed() and strip()
        return shown and title in shown[0][2]

    def token_asked(self):
        return DRIVER.find_element(By.ID, "token-dialog").is_displayed()

    def stale(self):
        return "stale" in DRIVER.find_element(By.TAG_NAME, "body").get_attribute("class").split()

    def test_the_alarm_is_seen_and_heard_until_acknowledged(self):
        d = DRIVER
        d.get(f"http://127.0.0.1:{self.server.port}/")
        wait_for("live echo", lambda: text("radar-state") == "Radar: live")
        self.assertFalse(self.stale())

        self.sim.pause()
        wait_for("the picture dimmed", self.stale, 5)
        self.assertNotIn("live", text("radar-state"))
        wait_for("the alarm", lambda: self.alarm_shown("NO ECHO"), 8)
        for word in ("live", "connected"):  # never said of a radar not heard from
            self.assertNotIn(word, text("radar-state").replace("command link up", ""))
        self.assertTrue(self.sounding(), "the alarm is not heard")

        # Silenced on this screen without a token; acknowledged for all with it.
        d.find_element(By.ID, "alarm-silence").click()
        self.assertFalse(self.sounding(), "still sounding after Silence")
        self.assertFalse(self.token_asked(), "Silence asked for the token")
        self.assertEqual(strip()[0][1], "raised", "silenced is not acknowledged")
        d.find_element(By.CSS_SELECTOR, "#alarm-list li button.ack").click()
        give_token()
        wait_for("the acknowledgement", lambda: strip()[0][1] == "acknowledged", 10)

        self.sim.resume()
        wait_for("the strip gone", lambda: not d.find_element(By.ID, "alarms").is_displayed(), 10)
        wait_for("live echo again", lambda: text("radar-state") == "Radar: live")
        self.assertFalse(self.stale())

        # The server itself goes: this screen raises its own alarm.
        self.assertEqual(self.server.stop(), 0)
        wait_for("no server", lambda: "no connection to the server" in text("radar-state"), 5)
        self.assertTrue(self.stale())
        wait_for("this screen's own alarm", lambda: self.alarm_shown("SERVER LOST"), 8)
        self.assertTrue(self.sounding())


class Recording(unittest.TestCase):
    def test_its_range_and_its_end(self):
        d = DRIVER
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "echo.rec")
            serve_support.recording(path, datagrams=1600)
            server = serve_support.Server(source=("--play", path, "--rpm", "24"))
            try:
                d.get(f"http://127.0.0.1:{server.port}/")
                wait_for("the recording", lambda: text("radar-state") == "Recording: live")
                range_field = '[data-control="range"] .reading'
                wait_for("the panel's range", lambda: d.find_element(By.CSS_SELECTOR, range_field).text == "1.50 NM")
                self.assertEqual(text("range"), "1.50 NM")
                self.assertTrue(d.find_element(By.ID, "playback-note").is_displayed())
                wait_for("the end", lambda: text("radar-state") == "Recording: played to its end", 15)
                wait_for("the notice", lambda: strip() == [("recording_ended", None, "RECORDING ENDED",
                    "The picture is the last of the recording, not the radar now.")], 5)
            finally:
                server.stop()


SIZES = {"tablet": (1280, 800), "phone": (390, 844)}  # CSS pixels of the page
TOUCH_PX = 44  # the least a control may be each way


def set_page_size(width, height):
    """The page's own size: the window's less what the browser takes round it."""
    DRIVER.set_window_size(width, height)
    w, h = DRIVER.execute_script("return [innerWidth, innerHeight]")
    DRIVER.set_window_size(2 * width - w, 2 * height - h)
    wait_for("the page's size", lambda: DRIVER.execute_script("return [innerWidth, innerHeight]") == [width, height], 5)


class Display(unittest.TestCase):
    """The plain controls in words, at a tablet's and a phone's size, against the
    station's own announcements (GET /api/controls/values)."""

    @classmethod
    def setUpClass(cls):
        cls.server = serve_support.Server()
        cls.url = f"http://127.0.0.1:{cls.server.port}/"
        cls.ranges = serve_support.get_json(cls.server.port, "/api/controls")["controls"]["range"]["validValues"]

    @classmethod
    def tearDownClass(cls):
        DRIVER.execute_script("localStorage.clear()")  # the next tests see the page as a new user does
        DRIVER.set_window_size(1024, 768)
        cls.server.stop()

    def values(self):
        return serve_support.get_json(self.server.port, "/api/controls/values")

    def put(self, control, body):
        status, _, _ = serve_support.request(self.server.port, "PUT", f"/api/controls/{control}", body,
                                             token=serve_support.TOKEN)
        self.assertEqual(status, 200)

    def marks(self):
        """The marks on the picture, as the page describes them in words (for a screen reader)."""
        return DRIVER.find_element(By.ID, "picture-marks").get_attribute("textContent")

    def offset(self, bearing_deg, fraction):
        """Where a true bearing lies on the picture, `fraction` of the range out:
        CSS pixels from the overlay's middle, through the page's published view."""
        o = DRIVER.find_element(By.ID, "overlay")
        cx, cy, radius, rotation = (float(o.get_attribute(f"data-{k}")) for k in
                                    ("centre-x", "centre-y", "radius", "rotation"))
        a, r = math.radians(bearing_deg - rotation), fraction * radius
        return round(cx - o.rect["width"] / 2 + r * math.sin(a)), round(cy - o.rect["height"] / 2 - r * math.cos(a))

    def click(self, selector):
        DRIVER.find_element(By.CSS_SELECTOR, selector).click()

    def test_the_plain_controls_at_tablet_and_phone_sizes(self):
        for size, (width, height) in SIZES.items():
            with self.subTest(size):
                self.check(size, width, height)

    def check(self, size, width, height):
        d = DRIVER
        set_page_size(width, height)
        d.get(self.url)
        d.execute_script("sessionStorage.setItem('radarctl-token', arguments[0])", serve_support.TOKEN)
        wait_for("live echo", lambda: text("radar-state") == "Radar: live")
        wait_for("the panel", lambda: text("power").startswith("Transmitting"))

        # Every control a finger's size, none cut off, the advanced ones too.
        self.click("#more-toggle")
        small = d.execute_script("""
            const [least, width] = arguments;
            return [...document.querySelectorAll('button, select, input')].filter((e) => e.offsetParent !== null)
              .map((e) => [e.id || e.getAttribute('aria-label') || e.textContent.trim(), e.getBoundingClientRect()])
              .filter(([, r]) => r.width < least || r.height < least || r.right > width + 0.5)
              .map(([name, r]) => `${name} ${r.width}x${r.height} at ${r.left}`);""", TOUCH_PX, width)
        self.assertEqual(small, [], "controls smaller than a finger or cut off")
        self.click("#more-toggle")

        # Standby, then transmit: the button says what the station announced;
        # in standby the stopped picture says why, and no alarm is raised for it.
        for state, word, picture in ((1, "On standby\ntap to transmit", "Radar: Standby, no echo"),
                                     (2, "Transmitting\ntap to go to standby", "Radar: live")):
            self.click("#power")
            wait_for(f"power {state}", lambda: self.values()["power"]["value"] == state)
            wait_for(f"the button saying {word}", lambda: text("power") == word)
            wait_for(f"the picture saying {picture}", lambda: text("radar-state") == picture)
            self.assertFalse(d.find_element(By.ID, "alarms").is_displayed())

        # Range + steps to the next range; the "-" key back.
        before = self.values()["range"]["value"]
        wanted = self.ranges[self.ranges.index(before) + 1]
        self.click('[data-control="range"] button[data-step="1"]')
        wait_for("the next range", lambda: self.values()["range"]["value"] == wanted)
        wait_for("the picture at that range", lambda: text("range") == f"{wanted / 1852:.2f} NM")
        d.find_element(By.TAG_NAME, "body").send_keys("-")
        wait_for("the range back", lambda: self.values()["range"]["value"] == before)
        back = time.monotonic()

        # EBL 1 from 300 degrees dragged to 045: its bearing beside it, and the radar's.
        self.put("ebl1", {"enabled": True, "value": math.radians(300)})
        wait_for("EBL 1 at 300", lambda: "EBL1 300.0°" in self.marks())
        ActionChains(d).move_to_element_with_offset(d.find_element(By.ID, "overlay"), *self.offset(300, 0.6)) \
            .click_and_hold().move_by_offset(5, 5).perform()
        ActionChains(d).move_to_element_with_offset(d.find_element(By.ID, "overlay"), *self.offset(45.3, 0.7)) \
            .release().perform()
        wait_for("EBL 1 at 045", lambda: abs(self.values()["ebl1"]["value"] - math.radians(45.3)) < 0.01)
        wait_for("045 beside it", lambda: "EBL1 045." in self.marks())
        self.assertIn("045.", d.find_element(By.CSS_SELECTOR, '[data-control="ebl1"] .reading').text)

        # Guard zone 1 switched on with no values: 60° ahead (the picture's top
        # without a heading), from a third to two thirds of the range; not 000-000 0-0.
        self.put("guardZone1", {"enabled": False, "value": 0, "endValue": 0, "startDistance": 0, "endDistance": 0})
        wait_for("zone 1 emptied", lambda: self.values()["guardZone1"]["endDistance"] == 0)
        heading = self.values()["heading"]
        ahead = math.degrees(heading["value"]) if heading["enabled"] else 0
        self.click('[data-control="guardZone1"] button[data-key="enabled"]')
        wait_for("zone 1 on", lambda: self.values()["guardZone1"]["enabled"])
        zone = self.values()["guardZone1"]
        self.put("guardZone1", {"enabled": False})
        for key, deg in (("value", ahead - 30), ("endValue", ahead + 30)):
            self.assertLess(angle_off(math.degrees(zone[key]), deg), 0.2, zone)
        for key, part in (("startDistance", 1 / 3), ("endDistance", 2 / 3)):
            self.assertAlmostEqual(zone[key], part * before, delta=20, msg=zone)
        # Its guard alarm, if an echo was inside, acknowledged: the next size starts with none.
        for alarm in serve_support.get_json(self.server.port, "/api/alarms")["alarms"]:
            serve_support.request(self.server.port, "POST", f"/api/alarms/{alarm['id']}/ack", {},
                                  token=serve_support.TOKEN)

        # Guard zone 2's far corner dragged from 240 degrees, 3 NM to 250 degrees, 4 NM (open sea).
        nm = before / 1852
        self.put("guardZone2", {"enabled": True, "value": math.radians(200), "endValue": math.radians(240),
                                "startDistance": 2 * 1852, "endDistance": 3 * 1852})
        wait_for("guard zone 2", lambda: "Guard zone 2 200.0°–240.0°" in self.marks())
        ActionChains(d).move_to_element_with_offset(d.find_element(By.ID, "overlay"), *self.offset(240, 3 / nm)) \
            .click_and_hold().move_by_offset(5, 5).perform()
        ActionChains(d).move_to_element_with_offset(d.find_element(By.ID, "overlay"), *self.offset(250, 4 / nm)) \
            .release().perform()
        zone = lambda: self.values()["guardZone2"]
        wait_for("the corner moved", lambda: abs(zone()["endValue"] - math.radians(250)) < 0.02 and
                 abs(zone()["endDistance"] - 4 * 1852) < 60)
        self.assertAlmostEqual(zone()["value"], math.radians(200), delta=0.002)  # the other corners stay
        self.assertAlmostEqual(zone()["startDistance"], 2 * 1852, delta=1)
        self.put("guardZone2", {"enabled": False})

        if VIEWER_SHOTS:
            self.put("vrm1", {"enabled": True, "value": 2.5 * 1852})
            self.put("guardZone1", {"enabled": True, "value": math.radians(320), "endValue": math.radians(20),
                                    "startDistance": 1.5 * 1852, "endDistance": 3 * 1852})
            wait_for("the marks", lambda: "VRM1" in self.marks() and "Guard zone 1" in self.marks())
            # The picture whole again after the range changed: two turns of the antenna at 24 rpm.
            wait_for("two turns", lambda: time.monotonic() > back + 5.5)

        # Night: nothing bright white anywhere, and the echo still shows.
        for palette in ("night", "day"):
            self.click(f'#palette button[data-value="{palette}"]')
            wait_for(palette, lambda: d.find_element(By.TAG_NAME, "body").get_attribute("data-palette") == palette)
            shot = Image.open(io.BytesIO(d.get_screenshot_as_png())).convert("RGB")
            colours = shot.getcolors(1 << 24)
            if palette == "night":
                white = sum(n for n, (r, g, b) in colours if min(r, g, b) > 160)
                self.assertEqual(white, 0, "bright pixels at night")
                self.assertGreater(sum(n for n, (r, g, b) in colours if r > 120), 500, "no echo at night")
            if VIEWER_SHOTS:
                d.execute_script("document.getElementById('panel').scrollTop = 0")
                save_small(d, os.path.join(VIEWER_SHOTS, f"viewer-{palette}-{size}.png"))


# Own ship northward at 10 kn; ship A crosses ahead to starboard (true course
# 090, relative 135), B is acquired by the scenario itself. Neither comes
# inside 2.5 NM, so no alarm covers the picture.
OWN = {"course_deg": 0, "speed_kn": 10, "lat": 50.0, "lon": -1.5}
SHIP_A = {"name": "A", "range_nm": 4, "bearing_deg": 30, "course_deg": 90, "speed_kn": 10, "length_m": 90}
SHIP_B = {"name": "B", "range_nm": 3, "bearing_deg": 300, "course_deg": 0, "speed_kn": 6, "length_m": 90}
SCENARIO = {"rpm": 30, "range_nm": 6, "seed": 4, "sea": 0, "coast": False, "own": OWN,
            "ships": [SHIP_A, SHIP_B], "acquire": [{"at_s": 3, "range_nm": 3, "bearing_deg": 300}]}
TARGET_RGB = (150, 215, 255)  # targets.js COLOURS.target


def velocity(course_deg, speed_kn):
    a = math.radians(course_deg)
    return speed_kn * math.sin(a), speed_kn * math.cos(a)


def truth(ship, t_s):
    """The ship seen from own ship t_s after the scene began: range (NM), bearing,
    true and relative course (degrees), relative speed (kn) and TCPA (min)."""
    ve, vn = velocity(ship["course_deg"], ship["speed_kn"])
    oe, on = velocity(OWN["course_deg"], OWN["speed_kn"])
    re_, rn = ve - oe, vn - on
    e, n = velocity(ship["bearing_deg"], ship["range_nm"])
    e, n = e + re_ * t_s / 3600, n + rn * t_s / 3600
    rel_speed = math.hypot(re_, rn)
    return {"range": math.hypot(e, n), "bearing": math.degrees(math.atan2(e, n)) % 360,
            "course": ship["course_deg"], "rel_course": math.degrees(math.atan2(re_, rn)) % 360,
            "speed": ship["speed_kn"], "rel_speed": rel_speed,
            "tcpa": -(e * re_ + n * rn) / rel_speed ** 2 * 60}


def angle_off(a, b):
    return abs((a - b + 180) % 360 - 180)


def utc(text):
    return datetime.datetime.fromisoformat(text.replace("Z", "+00:00"))


def past_dots(target, interval_s):
    """The dots a target's past positions make: for one to four intervals back,
    one where a sample lies within 15 s of that age (from when it was last seen)."""
    ages = [(utc(target["last_seen"]) - utc(p["t"])).total_seconds() for p in target.get("past") or []]
    return sum(any(abs(a - k * interval_s) <= 15 for a in ages) for k in range(1, 5))


def save_small(driver, path, flashing=False):
    """The page as a picture for the documentation: few colours, under 200 KB.
    `flashing`: the one of a few shots with the most of the dangerous red on
    the picture, so that a flashing target is seen."""
    shots = []
    for _ in range(5 if flashing else 1):
        shots.append(Image.open(io.BytesIO(driver.get_screenshot_as_png())).convert("RGB"))
        time.sleep(0.2)
    red = lambda shot: sum(n for n, (r, g, b) in shot.getcolors(1 << 24) if r > 200 and g < 100 and b < 100)
    max(shots, key=red).quantize(colors=64, dither=Image.Dither.NONE).save(path, optimize=True)


def set_slider(element, value):
    DRIVER.execute_script("arguments[0].value = arguments[1];"
                          "arguments[0].dispatchEvent(new Event('input', {bubbles: true}));"
                          "arguments[0].dispatchEvent(new Event('change', {bubbles: true}));", element, value)


class Targets(unittest.TestCase):
    """`radarctl serve --sim --scenario`: a click on a ship's echo acquires it."""

    @classmethod
    def setUpClass(cls):
        cls.started = time.monotonic()
        cls.server = serve_support.Server(scenario=SCENARIO)
        cls.url = f"http://127.0.0.1:{cls.server.port}/"

    @classmethod
    def tearDownClass(cls):
        cls.server.stop()

    def scene_s(self):
        return time.monotonic() - self.started

    def api_targets(self):
        return serve_support.get_json(self.server.port, "/api/targets")["targets"]

    def overlay_half(self):
        """The picture's radius (CSS pixels): the range's."""
        return float(DRIVER.find_element(By.ID, "overlay").get_attribute("data-radius"))

    def css_offset(self, range_nm, bearing_deg):
        """Where a range and bearing lie on the picture, CSS pixels from its centre."""
        r = range_nm / SCENARIO["range_nm"] * self.overlay_half()
        return r * math.sin(math.radians(bearing_deg)), -r * math.cos(math.radians(bearing_deg))

    def click_at(self, range_nm, bearing_deg):
        dx, dy = self.css_offset(range_nm, bearing_deg)
        ActionChains(DRIVER).move_to_element_with_offset(
            DRIVER.find_element(By.ID, "overlay"), round(dx), round(dy)).click().perform()

    def rows(self):
        """The target list as shown: id, status and each cell's text by field."""
        return DRIVER.execute_script("""
            return [...document.querySelectorAll('#target-list tbody tr[data-id]')].map((tr) => ({
              id: tr.dataset.id, status: tr.dataset.status,
              cells: Object.fromEntries([...tr.cells].map((td) => [td.dataset.field, td.textContent])) }));""")

    def drawn_vector(self, target_id, reach_px):
        """The direction (degrees) and length (CSS px) of the line drawn from a
        target's symbol in the targets' colour, from the overlay's pixels. Waits
        for it: the next frame draws it, and on a busy machine a late event can
        grey the targets as stale for a moment."""
        def seen():
            [target] = [t for t in self.api_targets() if t["id"] == target_id]
            line = self.vector_pixels(target, reach_px)
            return line if len(line) > 20 else None
        line = wait_for("a vector drawn beyond the symbol", seen, 10)
        e, n = sum(dx for dx, _ in line), sum(-dy for _, dy in line)
        return math.degrees(math.atan2(e, n)) % 360, max(math.hypot(dx, dy) for dx, dy in line)

    def vector_pixels(self, target, reach_px):
        x, y = self.css_offset(target["range_nm"], target["bearing_deg"])
        points = DRIVER.execute_script("""
            const [x, y, reach, rgb] = arguments, c = document.getElementById('overlay');
            const k = c.width / c.getBoundingClientRect().width, half = c.width / 2;
            const cx = half + x * k, cy = half + y * k, r = Math.ceil(reach * k);
            const box = c.getContext('2d').getImageData(Math.round(cx - r), Math.round(cy - r), 2 * r, 2 * r);
            const out = [];
            for (let j = 0; j < 2 * r; ++j) for (let i = 0; i < 2 * r; ++i) {
              const p = 4 * (j * 2 * r + i), d = box.data;
              if (d[p + 3] > 200 && [0, 1, 2].every((n) => Math.abs(d[p + n] - rgb[n]) < 30))
                out.push([(Math.round(cx - r) + i - cx) / k, (Math.round(cy - r) + j - cy) / k]);
            }
            return out;""", x, y, reach_px, TARGET_RGB)
        # Beyond the symbol, its brackets and its label.
        return [(dx, dy) for dx, dy in points if 30 <= math.hypot(dx, dy) <= reach_px]

    def test_a_click_acquires_the_ship_its_vector_shows_and_it_is_cancelled(self):
        d = DRIVER
        d.get(self.url)
        wait_for("live echo", lambda: text("radar-state") == "Radar: live")
        wait_for("the range", lambda: text("range") == "6.00 NM")
        wait_for("the scenario's own acquisition", lambda: len(self.api_targets()) == 1)
        [b_id] = [t["id"] for t in self.api_targets()]

        a = truth(SHIP_A, self.scene_s())
        self.click_at(a["range"], a["bearing"])
        give_token()
        wait_for("A in the list", lambda: len(self.rows()) == 2)
        [target] = [t for t in self.api_targets() if t["id"] != b_id]
        self.assertEqual(target["acquisition"], "manual")
        a = truth(SHIP_A, self.scene_s())  # the click went where the ship is
        self.assertLess(abs(target["range_nm"] - a["range"]), 0.15, target)
        self.assertLess(angle_off(target["bearing_deg"], a["bearing"]), 2.5, target)

        a_id = target["id"]
        wait_for("A tracked", lambda: self.rows()[0]["status"] == "tracking" == self.rows()[1]["status"], 60)
        # Sorted by TCPA: A passes within minutes, B in about twenty.
        rows = self.rows()
        self.assertEqual([r["id"] for r in rows], [str(a_id), str(b_id)])
        cells = rows[0]["cells"]
        for field, unit in (("range", " NM"), ("bearing", "°"), ("course", "°"), ("speed", " kn"),
                            ("cpa", " NM"), ("tcpa", " min")):
            self.assertRegex(cells[field], r"^\d+\.?\d*" + unit + "$", field)

        # The vectors, 12 minutes long, against the scenario's geometry: true, then relative.
        Select(d.find_element(By.ID, "vector-minutes")).select_by_value("12")
        for mode, course, speed in (("true", "course", "speed"), ("relative", "rel_course", "rel_speed")):
            d.find_element(By.CSS_SELECTOR, f'#targets button[data-mode="{mode}"]').click()
            wait_for(f"{mode} vectors", lambda: d.find_element(By.TAG_NAME, "body")
                     .get_attribute("data-vectors") == mode)
            a = truth(SHIP_A, self.scene_s())
            length = a[speed] * 12 / 60 / SCENARIO["range_nm"] * self.overlay_half()
            direction, drawn = self.drawn_vector(a_id, length * 1.1 + 6)
            self.assertLess(angle_off(direction, a[course]), 12, f"{mode} vector at {direction:.0f}°")
            self.assertLess(abs(drawn - length), 0.2 * length + 4, f"{mode} vector {drawn:.0f} px long")
        if SCREENSHOT:
            save_small(d, SCREENSHOT)

        # B's past positions 30 s apart: as many dots as the server's samples give, one at least.
        Select(d.find_element(By.ID, "past-interval")).select_by_value("30")

        def dots_drawn():
            [target] = [t for t in self.api_targets() if t["id"] == b_id]
            drawn = json.loads(d.find_element(By.ID, "overlay").get_attribute("data-past-dots") or "{}")
            return past_dots(target, 30) >= 1 and drawn.get(str(b_id)) == past_dots(target, 30)
        wait_for("B's past positions", dots_drawn, 45)

        # The CPA limit from the panel, in NM: the server holds it in metres.
        set_slider(d.find_element(By.CSS_SELECTOR, '#target-limits [data-control="cpaLimit"] input'), 1.5)
        wait_for("the limit", lambda: abs(serve_support.get_json(self.server.port, "/api/controls/values")
                                          ["cpaLimit"]["value"] - 1.5 * 1852) < 1)
        wait_for("the limit in NM", lambda: "1.50 NM" in text("target-limits"))

        # A trial 30° to starboard at the present speed: TRIAL on the picture,
        # each target's trial CPA listed, until it is ended.
        d.find_element(By.ID, "trial-open").click()
        self.assertEqual(float(d.find_element(By.ID, "trial-course").get_attribute("value")),
                         (OWN["course_deg"] + 30) % 360)
        self.assertAlmostEqual(float(d.find_element(By.ID, "trial-speed").get_attribute("value")),
                               OWN["speed_kn"], delta=0.5)
        d.find_element(By.ID, "trial-start").click()
        overlay = d.find_element(By.ID, "overlay")
        wait_for("TRIAL on the picture", lambda: overlay.get_attribute("data-trial") == "on")

        def trial_listed():
            body = serve_support.get_json(self.server.port, "/api/targets")
            shown = d.execute_script("""return Object.fromEntries([...document.querySelectorAll(
                '#trial-targets tbody tr')].map((tr) => [tr.dataset.id, tr.cells[2].textContent]));""")
            return body["trial"]["course_deg"] == 30 and shown == {
                str(t["id"]): f'{t["trial"]["cpa_nm"]:.2f} NM' for t in body["targets"] if t["trial"]}
        wait_for("the trial CPAs listed", trial_listed, 10)
        d.find_element(By.ID, "trial-end").click()
        wait_for("TRIAL gone", lambda: overlay.get_attribute("data-trial") == "off" and
                 serve_support.get_json(self.server.port, "/api/targets")["trial"] is None)

        # A click on open water acquires nothing; one on A selects it.
        self.click_at(2, 200)
        wait_for("the refusal", lambda: "no echo" in text("targets-result"))
        self.assertFalse(d.find_element(By.ID, "target-details").is_displayed())
        [target] = [t for t in self.api_targets() if t["id"] == a_id]
        self.click_at(target["range_nm"], target["bearing_deg"])
        wait_for("A's details", lambda: d.find_element(By.ID, "target-details").is_displayed())
        self.assertIn("manual", text("target-details"))
        d.find_element(By.ID, "target-cancel").click()
        wait_for("A cancelled", lambda: [t["id"] for t in self.api_targets()] == [b_id])
        wait_for("A gone from the list", lambda: [r["id"] for r in self.rows()] == [str(b_id)])


# Own ship north at 10 kn; C crosses from starboard to meet it in 8.5 minutes,
# acquired by the scenario itself: a cpa alarm.
SHIP_C = {"name": "C", "range_nm": 2, "bearing_deg": 45, "course_deg": 270, "speed_kn": 10, "length_m": 90}
ALARM_SCENARIO = {**SCENARIO, "ships": [SHIP_C], "acquire": [{"at_s": 3, "range_nm": 2, "bearing_deg": 45}]}


def strip_over_picture():
    """What of the alarm strip, by its elements' rectangles, lies over the
    picture's disc and its bearing scale (CSS pixels); a picture too small."""
    return DRIVER.execute_script("""
        const o = document.getElementById('overlay'), box = o.getBoundingClientRect();
        const cx = box.left + Number(o.dataset.centreX), cy = box.top + Number(o.dataset.centreY);
        const r = Number(o.dataset.radius) + 20, out = [];
        if (r < 150) out.push(`a picture of radius ${r}`);
        for (const e of [document.getElementById('alarms'), ...document.querySelectorAll('#alarms *')]) {
          const b = e.getBoundingClientRect();
          if (!b.width || !b.height) continue;
          const x = Math.max(b.left, Math.min(cx, b.right)), y = Math.max(b.top, Math.min(cy, b.bottom));
          if (Math.hypot(x - cx, y - cy) < r) out.push(`${e.tagName}.${e.className} ${b.left},${b.top} ${b.width}x${b.height}`);
        }
        return out;""")


def layout():
    """The picture's place and the strip's, once they stay put (a resize lays them out again)."""
    read = lambda: DRIVER.execute_script("""
        const o = document.getElementById('overlay'), a = document.getElementById('alarms');
        return JSON.stringify([o.dataset, o.getBoundingClientRect(), a.getBoundingClientRect()]);""")
    last = [None]

    def same():
        now, before = read(), last[0]
        last[0] = now
        return now == before
    wait_for("the layout settled", lambda: same() or time.sleep(0.2), 5)


class Alarms(unittest.TestCase):
    """The alarm strip at a tablet's and a phone's size: beside or below the
    picture, never over it; its text as the server sends it now; the dead
    picture heads it."""

    def test_the_strip_never_covers_the_picture_and_lists_the_worst_first(self):
        d = DRIVER
        server = serve_support.Server(scenario=ALARM_SCENARIO)
        try:
            d.get(f"http://127.0.0.1:{server.port}/")
            wait_for("live echo", lambda: text("radar-state") == "Radar: live")
            cpa = lambda: [a["text"] for a in serve_support.get_json(server.port, "/api/alarms")["alarms"]
                           if a["kind"] == "cpa"]
            wait_for("the cpa alarm", lambda: [k for k, *_ in strip()] == ["cpa"], 60)
            # The server sends the alarm again as its figures change; the strip follows.
            first = strip()[0][3]
            wait_for("the new figures", lambda: first not in cpa() and [strip()[0][3]] == cpa(), 20)
            self.check_sizes()

            server.stop()
            wait_for("the dead picture first", lambda: [k for k, *_ in strip()] == ["server_lost", "cpa"], 10)
            self.check_sizes()
        finally:
            server.stop()
            d.set_window_size(1024, 768)

    def check_sizes(self):
        for size, (width, height) in SIZES.items():
            with self.subTest(size):
                set_page_size(width, height)
                layout()
                self.assertTrue(DRIVER.find_element(By.ID, "alarms").is_displayed())
                self.assertEqual(strip_over_picture(), [], f"the strip over the picture at {size} size")


class TargetShots(unittest.TestCase):
    """docs/server.md's pictures of targets (--target-shots DIR): the crossing
    scenario with past positions, bow crossings, the CPA limit set from the
    panel, the alarm strip, and a trial 30° to starboard."""

    def test_pictures(self):
        if not TARGET_SHOTS:
            self.skipTest("no --target-shots folder")
        d = DRIVER
        with open(os.path.join(serve_support.ROOT, "station", "scenarios", "crossing.json")) as f:
            server = serve_support.Server(scenario=json.load(f))
        api = lambda path: serve_support.get_json(server.port, path)
        try:
            set_page_size(*SIZES["tablet"])
            d.get(f"http://127.0.0.1:{server.port}/")
            d.execute_script("sessionStorage.setItem('radarctl-token', arguments[0])", serve_support.TOKEN)
            wait_for("live echo", lambda: text("radar-state") == "Radar: live")
            Select(d.find_element(By.ID, "past-interval")).select_by_value("30")
            set_slider(d.find_element(By.CSS_SELECTOR, '#target-limits [data-control="cpaLimit"] input'), 1.5)
            wait_for("the limit", lambda: api("/api/targets")["limits"]["cpa_nm"] == 1.5)
            # The crossing ship: the one that crosses ahead, with its four past dots.
            crosser = lambda: [t for t in api("/api/targets")["targets"] if t.get("bcr_nm") is not None]
            wait_for("the crossing ship", crosser, 60)
            dots = lambda: json.loads(d.find_element(By.ID, "overlay").get_attribute("data-past-dots") or "{}")
            wait_for("four past dots", lambda: dots().get(str(crosser()[0]["id"])) == 4, 200)
            d.find_element(By.CSS_SELECTOR, f'#target-list tr[data-id="{crosser()[0]["id"]}"]').click()
            self.shoot("targets", "#target-details")
            d.find_element(By.ID, "trial-open").click()
            d.find_element(By.ID, "trial-start").click()
            wait_for("the trial", lambda: d.find_element(By.ID, "overlay").get_attribute("data-trial") == "on")
            self.shoot("trial", "#trial")
        finally:
            server.stop()
            d.set_window_size(1024, 768)

    def shoot(self, name, show):
        for size, (width, height) in SIZES.items():
            set_page_size(width, height)
            layout()
            DRIVER.execute_script("document.querySelector(arguments[0]).scrollIntoView({block: 'end'})", show)
            save_small(DRIVER, os.path.join(TARGET_SHOTS, f"viewer-{name}-{size}.png"), flashing=True)


if __name__ == "__main__":
    if "--screenshot" in sys.argv:
        i = sys.argv.index("--screenshot")
        SCREENSHOT = sys.argv[i + 1]
        del sys.argv[i:i + 2]
    if "--viewer-shots" in sys.argv:
        i = sys.argv.index("--viewer-shots")
        VIEWER_SHOTS = sys.argv[i + 1]
        del sys.argv[i:i + 2]
    if "--target-shots" in sys.argv:
        i = sys.argv.index("--target-shots")
        TARGET_SHOTS = sys.argv[i + 1]
        del sys.argv[i:i + 2]
    serve_support.main()
