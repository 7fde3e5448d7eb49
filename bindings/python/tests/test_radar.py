"""The Python binding against radar.h, read here on its own, and against the real
library with `radarctl sim` as the radar station.

RADAR_LIBRARY names the library, RADARCTL the radarctl program (without it the
station's tests are skipped), RADAR_HEADER the header (default: the tree's).
The echo tests bind UDP port 10024: run this under CTest's udp_10024 lock.
"""

import ctypes
import math
import os
import re
import select
import subprocess
import sys
import time
from ctypes import POINTER, c_char_p, c_int16, c_int32, c_uint8, c_uint16, c_uint32
from pathlib import Path

import pytest

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE.parent))
import radar  # noqa: E402

HEADER = Path(os.environ.get("RADAR_HEADER", HERE.parents[2] / "include" / "radar.h")).read_text()
C_TYPES = {"uint8_t": c_uint8, "uint16_t": c_uint16, "int16_t": c_int16, "uint32_t": c_uint32,
           "int32_t": c_int32, "void": None, "RadarNotifyFunc": radar.NotifyFunc,
           "RadarEchoFunc": radar.EchoFunc, "EchoLineRecord": radar.EchoLineRecord}


def declared(declaration):
    """("mode", POINTER(c_uint16)) for "uint16_t *mode"."""
    words = declaration.replace("*", " * ").split()
    base = [w for w in words[:-1] if w not in ("const", "*")][0]
    if base == "char":
        return words[-1], c_char_p
    return words[-1], POINTER(C_TYPES[base]) if "*" in words else C_TYPES[base]


def arguments(text):
    return tuple(declared(a) for a in text.split(",")) if text.strip() != "void" else ()


def until(condition, timeout=5.0):
    deadline = time.monotonic() + timeout
    while not condition():
        if time.monotonic() > deadline:
            return False
        time.sleep(0.005)
    return True


# ---- The package against the header -----------------------------------------------------------

def test_every_export_has_its_prototype():
    exports = re.findall(r"RADAR_EXPORT\s+(\w+)\s+RADAR_API\s+(\w+)\s*\(([^)]*)\)\s*;", HEADER)
    assert len(exports) > 200
    header = {name: (C_TYPES[result], arguments(args)) for result, name, args in exports}
    assert header == radar.PROTOTYPES


def test_callbacks_and_echo_record_match_the_header():
    for name, ctype in (("RadarNotifyFunc", radar.NotifyFunc), ("RadarEchoFunc", radar.EchoFunc)):
        result, args = re.search(r"typedef (\w+)\(RADAR_CALLBACK \*%s\)\(([^)]*)\);" % name,
                                 HEADER).groups()
        assert (ctype._restype_, ctype._argtypes_) == (
            C_TYPES[result], tuple(t for _, t in arguments(args))), name
        assert ctype._flags_ & ctypes._FUNCFLAG_CDECL  # caller cleans on every system
    body = re.search(r"#pragma pack\(push, 1\)\s*typedef struct EchoLineRecord \{(.*?)\}", HEADER,
                     re.S).group(1)
    fields = [declared(d) for d in re.findall(r"^\s*(\w+\s*\*?\s*\w+);", body, re.M)]
    assert [(n, t) for n, t in radar.EchoLineRecord._fields_] == fields
    assert ctypes.sizeof(radar.EchoLineRecord) == 14 + ctypes.sizeof(ctypes.c_void_p)


def test_setting_codes_and_titles_match_the_header():
    blocks = re.findall(r"@name (0x[0-9A-F]{2}) (.*?) \*/(.*?)/\*\*@\}\*/", HEADER, re.S)
    found = {}
    for code, title, body in blocks:
        named = re.search(r"#define RADAR_CODE_\w+ (0x[0-9A-F]{2})", body)
        stem = re.search(r"OrvaneSet(\w+)\(", body).group(1)
        found[stem] = (int(named.group(1) if named else code, 16), title)
    assert found == {s.stem: (s.code, s.title) for s in radar.settings.values()}


# ---- Against the library, with `radarctl sim` ---------------------------------------------------

@pytest.fixture(scope="module")
def station_port():
    if not os.environ.get("RADARCTL"):
        pytest.skip("RADARCTL is not set")
    sim = subprocess.Popen([os.environ["RADARCTL"], "sim", "--rpm", "120"],
                           stdout=subprocess.PIPE, text=True)
    try:
        ready, _, _ = select.select([sim.stdout], [], [], 10)
        line = sim.stdout.readline() if ready else ""
        found = re.search(r"commands on 127\.0\.0\.1:(\d+)", line)
        assert found, "radarctl sim said: %r" % line
        yield int(found.group(1))
    finally:
        sim.terminate()
        sim.wait(10)


@pytest.fixture(scope="module")
def notices(station_port):
    heard = []
    radar.set_station("PYTEST", "127.0.0.1", station_port)
    radar.open_session("PYTEST", notify=heard.append)
    assert radar.wait_connected(5.0)
    assert until(lambda: heard)  # a Put needs a peer: the station has spoken
    return heard


def test_loaded_library_binds_every_export():
    library = radar.load()
    for name, (result, args) in radar.PROTOTYPES.items():
        function = getattr(library, name)
        assert (function.restype, function.argtypes) == (result, [t for _, t in args]), name
    assert len(radar.version()) == 14


# What the library's record holds as given, through each C type and a selector.
STORES = [  # stem, selector, values
    ("RadarGuard", (2,), (1, 4, 100, 3599, 5000, 99999999)),
    ("RadarEBL", (1,), (1, 0, 1, 2700)),
    ("RadarOwnPosiLL", (), (1, -353894400, 707788800)),
    ("RadarNMEAHead", (), (1, 1800, -5)),
    ("ArpaACQData", (), (4000000000, 1800)),  # above 2^31: unsigned all the way
]


@pytest.mark.parametrize("stem,selector,values", STORES)
def test_set_then_get(stem, selector, values):
    setting = radar.settings[stem]
    setting.set(*(selector + values))
    assert setting.get(*selector) == values


REFUSALS = [  # legend, call, status
    ("gain mode 4", lambda: radar.settings.RadarGain.set(4, 50), radar.OUT_OF_RANGE),
    ("a level past 16 bits is not wrapped to 50",
     lambda: radar.settings.RadarGain.set(1, 65536 + 50), radar.OUT_OF_RANGE),
    ("guard zone 3", lambda: radar.settings.RadarGuard.get(3), radar.REFUSED),
    ("kind 6", lambda: radar.settings.RadarGain.put(6, 1, 50), radar.OUT_OF_RANGE),
    ("host name with a bad character", lambda: radar.change_host("NO!"), radar.REFUSED),
    ("trail time 0x8000", lambda: radar.set_trail_time(0x8000), radar.REFUSED),
    ("CPA at bearing 360", lambda: radar.cpa_tcpa(5, 360, 10, 0, 10, 0), radar.REFUSED),
]


@pytest.mark.parametrize("legend,call,status", REFUSALS, ids=[r[0] for r in REFUSALS])
def test_refusals_raise_with_the_status(legend, call, status):
    before = radar.settings.RadarGain.get()
    with pytest.raises(radar.RadarError) as raised:
        call()
    assert raised.value.status == status
    assert radar.settings.RadarGain.get() == before


# Closest approach worked out in plain floating point from the geometry: own ship
# and target moving straight, the target's position relative to own ship.
def geometry(range_nm, bearing, own_speed, own_course, target_speed, target_course):
    def vector(length, degrees):
        return length * math.sin(math.radians(degrees)), length * math.cos(math.radians(degrees))
    px, py = vector(range_nm, bearing)
    (ox, oy), (tx, ty) = vector(own_speed, own_course), vector(target_speed, target_course)
    vx, vy = tx - ox, ty - oy
    speed2 = vx * vx + vy * vy
    if speed2 == 0:
        return range_nm, 0.0
    hours = -(px * vx + py * vy) / speed2
    return math.hypot(px + vx * hours, py + vy * hours), hours * 60


CPA_CASES = [  # range NM, bearing, own speed kn, own course, target speed kn, target course
    (5.0, 90, 10, 0, 10, 270),   # crossing ahead
    (5.0, 90, 10, 0, 10, 90),    # running away east: past
    (10.0, 0, 10, 0, 0, 0),      # stopped dead ahead
    (10.0, 0, 0, 0, 0, 0),       # both stopped
    (3.2, 45, 12.5, 30, 18, 200),
    (-2.0, 10, 6, 350, 4, 120),  # a negative range lies on the reciprocal bearing
]


@pytest.mark.parametrize("case", CPA_CASES)
def test_cpa_tcpa_against_geometry(case):
    cpa, minutes = geometry(abs(case[0]), case[1] + (180 if case[0] < 0 else 0), *case[2:])
    result = radar.cpa_tcpa(*case)
    assert result.cpa_nm == pytest.approx(cpa, abs=2e-3)
    assert result.tcpa_min == pytest.approx(minutes, abs=2e-2)


# The example runs in a process of its own before this one opens its session (the station
# serves one connection: a newer takes over) and binds the echo port.
def test_example(station_port):
    run = subprocess.run([sys.executable, str(HERE.parent / "example.py"), "--station", "EXAMPLE",
                          "--port", str(station_port)], capture_output=True, text=True, timeout=60,
                         env=dict(os.environ, PYTHONPATH=str(HERE.parent)))
    assert run.returncode == 0, run.stdout + run.stderr
    assert "CPA 3.54 NM in 15.0 min" in run.stdout


# Two orders in turn, each announced back by the station (its first gain is 1,50).
ORDERS = [
    ("RadarGain", (2, 65), (3, 40)),
    ("RadarACRain", (35,), (60,)),
    ("RadarCursorPos", (1, 1234, 56789), (0, 3599, 99999999)),  # sent as 0x35, Q.R and Q.RRRR
]


@pytest.mark.parametrize("stem,first,second", ORDERS)
def test_order_announced_back_is_stored_and_told(notices, stem, first, second):
    setting = radar.settings[stem]
    for values in (first, second):
        told = len(notices)
        setting.put(radar.ORDER, *values)
        assert until(lambda: setting.get() == values), (values, setting.get())
        assert until(lambda: setting.code in notices[told:])


def test_echo_lines_from_the_ring(station_port):
    radar.start_echo()
    lines = []
    for line in radar.echo_lines(wait=5.0):
        lines.append(line)
        if len(lines) == 2000:
            break
    assert len(lines) == 2000
    for line in lines:
        assert line.mode == 1 and line.line_flag is None
        assert 0 < len(line.samples) <= 512 and max(line.samples) <= 15
        assert line.sweep < 8192 and line.bearing_offset < 8192 and line.scale_code < 64
        assert 1 <= line.header_nibble <= 15 or line.header_nibble == 240
    assert len({line.sweep for line in lines}) > 100  # the antenna turns
    assert sum(any(1 <= s <= 7 for s in line.samples) for line in lines) > 100  # and sees echo
