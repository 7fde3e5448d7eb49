#!/usr/bin/env python3
"""A first program with the radar binding: a session with a radar station, a
setting ordered and announced back, a few seconds of echo through the echo
callback, and the CPA of a crossing target. Exits non-zero when a step fails.

    radarctl sim &             # prints: radar station: commands on 127.0.0.1:PORT (TCP) ...
    python3 example.py --port PORT

The library is found through RADAR_LIBRARY, beside the package or by the
system (python.md in the documentation).
"""

import argparse
import sys
import threading
import time

import radar


def fail(what):
    print("FAILED:", what, file=sys.stderr)
    return 1


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--station", default="RADAR1", help="station name (1-8 characters)")
    parser.add_argument("--address", default="127.0.0.1", help="station IPv4 address")
    parser.add_argument("--port", type=int, required=True, help="station TCP command port")
    parser.add_argument("--lines", type=int, default=500, help="echo lines to take")
    parser.add_argument("--seconds", type=float, default=10.0, help="longest wait for them")
    options = parser.parse_args()

    print("radar library %s, version %s" % (radar.load().path, radar.version()))

    heard = threading.Event()

    def on_notify(code):  # the network library's thread: read, print, return
        heard.set()
        for setting in radar.settings.by_code(code):
            if not setting.selectors:
                print("  notify 0x%02X %s: %s" % (code, setting.title, setting.get()))

    radar.set_station(options.station, options.address, options.port)
    radar.open_session(options.station, notify=on_notify)
    if not radar.wait_connected(5.0):
        return fail("no connection to %s:%d" % (options.address, options.port))
    # A Put goes to the peer of the latest incoming message: wait for the
    # station's first word (it announces its settings as it connects).
    if not heard.wait(5.0):
        return fail("the station said nothing")
    print("session with %s open" % options.station)

    # Order a gain: the station takes it and announces it back; the library
    # stores what it announced and tells on_notify.
    gain = radar.settings.RadarGain
    gain.put(radar.ORDER, mode=1, level=65)
    deadline = time.monotonic() + 5.0
    while gain.get() != (1, 65):
        if time.monotonic() > deadline:
            return fail("the station did not announce the gain ordered")
        time.sleep(0.01)
    print("gain ordered and announced back: %s" % (gain.get(),))

    # Echo: every line comes to the callback on the library's receiver thread.
    lines, sweeps, lock = [0], set(), threading.Lock()

    def on_line(line):
        with lock:
            lines[0] += 1
            sweeps.add(line.sweep)

    try:
        radar.start_echo(on_line)
    except radar.RadarError as error:  # port 10024 held: the library keeps trying
        print("echo port busy (%s); waiting for it" % error)
    start = time.monotonic()
    while lines[0] < options.lines:
        if time.monotonic() - start > options.seconds:
            return fail("%d echo lines in %.1f s" % (lines[0], options.seconds))
        time.sleep(0.01)
    with lock:
        print("%d echo lines in %.1f s, %d bearings" % (lines[0], time.monotonic() - start,
                                                       len(sweeps)))

    # A target 5 NM abeam to starboard steering west at 10 kn, own ship north at 10 kn.
    cpa = radar.cpa_tcpa(5.0, 90.0, 10.0, 0.0, 10.0, 270.0)
    print("CPA %.2f NM in %.1f min" % (cpa.cpa_nm, cpa.tcpa_min))

    radar.end_session()
    print("ok")
    return 0


if __name__ == "__main__":
    sys.exit(main())
