#!/usr/bin/python3
"""The viewer in a real browser: headless Chromium loads the page from
`radarctl serve --sim`, the PPI shows echo (pixels counted in a screenshot),
and the gain changed through the panel comes back as the station's
announcement.

  tests/serve/browser_test.py --radarctl build/bin/radarctl [--screenshot docs/viewer.png]
"""
import io
import json
import sys
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


class Viewer(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = serve_support.Server()
        cls.url = f"http://127.0.0.1:{cls.server.port}/"
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for a in ("--headless=new", "--no-sandbox", "--disable-gpu", "--window-size=1024,768",
                  "--disable-dev-shm-usage"):
            options.add_argument(a)
        cls.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        cls.driver.set_page_load_timeout(30)

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        cls.server.stop()

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
        wait_for("the connection", lambda: d.find_element(By.ID, "state").text.strip() == "connected")
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
        wait_for("the token dialog", lambda: d.find_element(By.ID, "token-dialog").is_displayed())
        d.find_element(By.ID, "token-input").send_keys(serve_support.TOKEN)
        d.find_element(By.ID, "token-ok").click()
        wait_for("the announced gain", lambda: self.settings()["RadarGain"]["values"][1] == wanted)
        wait_for("the panel showing it",
                 lambda: int(float(level.get_attribute("value"))) == wanted)
        if SCREENSHOT:
            time.sleep(3)  # a full revolution with trails
            d.save_screenshot(SCREENSHOT)


if __name__ == "__main__":
    if "--screenshot" in sys.argv:
        i = sys.argv.index("--screenshot")
        SCREENSHOT = sys.argv[i + 1]
        del sys.argv[i:i + 2]
    serve_support.main()
