#!/usr/bin/python3
"""The viewer in a real browser: headless Chromium loads the page from
`radarctl serve --sim`, the PPI shows echo (pixels counted in a screenshot),
and the gain changed through the panel comes back as the station's
announcement. A radar that falls silent, and a server that goes, dim the
picture, show the banner and sound the alarm until it is acknowledged; a
recording shows its own range and says when it has ended.

  tests/serve/browser_test.py --radarctl build/bin/radarctl [--screenshot docs/viewer.png]
"""
import io
import json
import os
import sys
import tempfile
import time
import unittest
import urllib.request

from PIL import Image
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By

sys.path.insert(0, __file__.rsplit("/", 1)[0])
import serve_support  # noqa: E402

SCREENSHOT = None


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

    def settings(self):
        with urllib.request.urlopen(self.url + "api/settings", timeout=10) as r:
            return json.load(r)

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

        level = d.find_element(By.CSS_SELECTOR, '[data-stem="RadarGain"][data-field="level"]')
        before = self.settings()["RadarGain"]["values"]
        wanted = 73 if before[1] != 73 else 37
        d.execute_script("arguments[0].value = arguments[1];"
                         "arguments[0].dispatchEvent(new Event('input', {bubbles: true}));"
                         "arguments[0].dispatchEvent(new Event('change', {bubbles: true}));",
                         level, wanted)
        # The page asks for the token once.
        give_token()
        wait_for("the announced gain", lambda: self.settings()["RadarGain"]["values"][1] == wanted)
        wait_for("the panel showing it",
                 lambda: int(float(level.get_attribute("value"))) == wanted)
        if SCREENSHOT:
            time.sleep(3)  # a full revolution with trails
            d.save_screenshot(SCREENSHOT)



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
        banner = DRIVER.find_element(By.ID, "banner")
        return banner.is_displayed() and title in text("banner-title")

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
        wait_for("the banner", lambda: self.alarm_shown("NO ECHO"), 8)
        for word in ("live", "connected"):  # never said of a radar not heard from
            self.assertNotIn(word, text("radar-state").replace("command link up", ""))
        self.assertTrue(self.sounding(), "the alarm is not heard")

        d.find_element(By.ID, "banner-ack").click()
        give_token()
        wait_for("the acknowledgement", lambda: "acknowledged" in
                 d.find_element(By.ID, "banner").get_attribute("class"), 10)
        self.assertFalse(self.sounding(), "still sounding after the acknowledgement")

        self.sim.resume()
        wait_for("the banner gone", lambda: not d.find_element(By.ID, "banner").is_displayed(), 10)
        wait_for("live echo again", lambda: text("radar-state") == "Radar: live")
        self.assertFalse(self.stale())

        # The server itself goes: this screen raises its own alarm.
        self.assertEqual(self.server.stop(), 0)
        wait_for("no server", lambda: "no connection to the server" in text("radar-state"), 5)
        self.assertTrue(self.stale())
        wait_for("this screen's own alarm", lambda: self.alarm_shown("NO ECHO"), 8)
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
                range_field = '[data-group="RadarRange"] output.live'
                wait_for("the panel's range", lambda: d.find_element(By.CSS_SELECTOR, range_field).text == "1.50 NM")
                self.assertEqual(text("range"), "1.50 NM")
                self.assertTrue(d.find_element(By.ID, "playback-note").is_displayed())
                wait_for("the end", lambda: text("radar-state") == "Recording: played to its end", 15)
                self.assertIn("RECORDING ENDED", text("banner-title"))
                self.assertEqual(d.find_element(By.ID, "banner").get_attribute("class"), "notice")
            finally:
                server.stop()


if __name__ == "__main__":
    if "--screenshot" in sys.argv:
        i = sys.argv.index("--screenshot")
        SCREENSHOT = sys.argv[i + 1]
        del sys.argv[i:i + 2]
    serve_support.main()
