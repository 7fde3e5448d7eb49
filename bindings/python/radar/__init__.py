"""The radar library (libradar.so.1, radar.dll) from Python, through ctypes.

    import radar
    radar.set_station("RADAR1", "192.168.1.20", 10000)   # the stand-in's directory
    radar.open_session("RADAR1", notify=print)            # notify: the command code
    radar.wait_connected(5.0)                             # then the radar's first notify
    radar.settings.RadarGain.put(radar.ORDER, 1, 60)      # order the radar
    radar.settings.RadarGain.get()                        # RadarGain(mode=1, level=60)
    radar.start_echo()                                    # lines to the ring
    for line in radar.echo_lines(wait=1.0): ...

Set and Put raise RadarError on any status but RADAR_OK and return None; Get
returns a named tuple of the values. Every raw export is at hand, typed, as
radar.load().OrvaneGetRadarGain and so on. Values keep the library's units
(tenths of a degree, ten-thousandths of a unit of distance ...) except in
cpa_tcpa, which speaks nautical miles, degrees, knots and minutes.
"""

import ctypes
import os
import time
from collections import namedtuple

from ._library import DECORATED, ENVIRONMENT, Library, load
from ._table import (BARE, PROTOTYPES, SETTING_ROWS, EchoFunc, EchoLineRecord, NotifyFunc,
                     fields_of)

__all__ = [
    "ANNOUNCE", "CONNECTED", "CONNECTING", "DECORATED", "ENDED", "ENVIRONMENT", "KIND_E", "KIND_O",
    "KIND_X", "NOT_SENT", "NO_SOURCE", "OK", "ORDER", "OUT_OF_RANGE", "PROTOTYPES", "REFUSED",
    "REQUEST", "UNKNOWN_STATION", "CpaTcpa", "EchoFunc", "EchoLine", "EchoLineRecord", "Library",
    "NotifyFunc", "RadarError", "Setting", "change_host", "cpa_tcpa", "echo_lines", "end_session",
    "load", "open_session", "playback_end", "playback_start", "read_echo_line", "record_end",
    "record_revolution", "record_start", "set_station", "set_trail_time", "settings",
    "source_status", "start_echo", "version", "wait_connected",
]

# Status results (RADAR_OK ...).
OK, REFUSED, OUT_OF_RANGE, NOT_SENT = 0, -1, -2, -3
_STATUS_WORDS = {REFUSED: "refused", OUT_OF_RANGE: "out of range", NOT_SENT: "not sent"}
# Sentence kinds, the first argument of every Put (RADAR_KIND_...).
ORDER, REQUEST, ANNOUNCE, KIND_X, KIND_E, KIND_O = range(6)
# The network library's source status (ORVANE_STATUS_...).
UNKNOWN_STATION, NO_SOURCE, CONNECTING, CONNECTED, ENDED = -1, 0, 1, 2, 3


class RadarError(Exception):
    """A call that did not return RADAR_OK; `status` holds what it returned."""

    def __init__(self, function, status):
        super().__init__("%s: %s (%d)" % (function, _STATUS_WORDS.get(status, "failed"), status))
        self.function, self.status = function, status


def _call(function, *arguments):
    """Calls the export `function`; RadarError unless it returns RADAR_OK. Each
    whole number must fit its C type, which ctypes would not check (65586 for
    a 16-bit value would arrive as 50): RADAR_OUT_OF_RANGE when it does not."""
    for (_, ctype), value in zip(PROTOTYPES[function][1], arguments):
        if isinstance(value, int) and ctype(value).value != value:
            raise RadarError(function, OUT_OF_RANGE)
    status = getattr(load(), function)(*arguments)
    if status != OK:
        raise RadarError(function, status)


def _arrange(names, values, named):
    """Positional and named values in argument order."""
    if len(values) > len(names):
        raise TypeError("%d values given for %s" % (len(values), ", ".join(names)))
    try:
        ordered = list(values) + [named.pop(name) for name in names[len(values):]]
    except KeyError as missing:
        raise TypeError("no value for %s" % missing) from None
    if named:
        raise TypeError("no field %s" % ", ".join(named))
    return ordered


class Setting:
    """One command code's group: OrvaneSet<stem>, OrvaneGet<stem>, OrvanePut<stem>."""

    def __init__(self, stem, code, title, field_text, *flags):
        self.stem, self.code, self.title = stem, code, title
        self.fields = fields_of(field_text)
        self.bare = BARE in flags
        self.selectors = tuple(f.name for f in self.fields if f.selector)
        self.Values = namedtuple(stem, [f.name for f in self.fields if not f.selector])

    def __repr__(self):
        return "<Setting %s 0x%02X %s>" % (self.stem, self.code, self.title)

    def get(self, *selector):
        """The stored values, as a named tuple (selectors, if any, first)."""
        if len(selector) != len(self.selectors):
            raise TypeError("%s.get takes %s" % (self.stem, ", ".join(self.selectors) or "nothing"))
        chosen, cells, arguments = list(selector), [], []
        for field in self.fields:
            if field.selector:
                arguments.append(chosen.pop(0))
            else:
                cells.append(field.ctype())
                arguments.append(ctypes.byref(cells[-1]))
        _call("OrvaneGet" + self.stem, *arguments)
        return self.Values(*(cell.value for cell in cells))

    def set(self, *values, **named):
        """Stores the values in the library's record; RadarError when one is out of range."""
        arguments = _arrange([f.name for f in self.fields], values, named)
        _call("OrvaneSet" + self.stem, *arguments)

    def put(self, kind, *values, **named):
        """Sends one sentence of `kind` (ORDER, REQUEST, ANNOUNCE ...) to the radar."""
        arguments = _arrange([] if self.bare else [f.name for f in self.fields], values, named)
        _call("OrvanePut" + self.stem, kind, *arguments)


class _Settings(dict):
    """Every setting group by stem, also as attributes: settings.RadarGain."""

    def __getattr__(self, stem):
        try:
            return self[stem]
        except KeyError:
            raise AttributeError(stem) from None

    def by_code(self, code):
        """The groups a notify code tells of (0x0C: cursor mode)."""
        return [setting for setting in self.values() if setting.code == code]


settings = _Settings((row[0], Setting(*row)) for row in SETTING_ROWS)

# Every callback handed to the library stays alive as long as the process: the
# library may call it at any time from its own threads, and cannot be told to
# forget an echo callback.
_kept = []


def _text(value):
    return value.encode("ascii") if isinstance(value, str) else value


# ---- Session --------------------------------------------------------------------------------

def version():
    """The library's version text."""
    buffer = ctypes.create_string_buffer(16)
    load().OrvaneGetRadarDllVersionNo(buffer)
    return buffer.value.decode("ascii")


def set_station(name, ipv4, port):
    """Enters the station `name` at `ipv4`:`port` (TCP) in the stand-in network
    library's directory; a maker's network library knows its stations itself."""
    if load().network().NetSetStation(_text(name), _text(ipv4), port) != 0:
        raise RadarError("NetSetStation", REFUSED)


def open_session(name, notify=None):
    """Opens the session with the radar host `name`. `notify(code)` is called on
    the network library's thread with the command code of every message that
    changed a setting (settings.by_code(code) says which); keep it short."""
    callback = NotifyFunc(notify) if notify else NotifyFunc()  # no arguments: a null pointer
    _call("OrvaneInitRadarFunc", _text(name), callback)
    _kept.append(callback)


def change_host(name):
    """Switches the session to the radar host `name`."""
    _call("OrvaneChangeRadarHost", _text(name))


def source_status():
    """The network library's source status: CONNECTED, CONNECTING ..."""
    return load().OrvaneGetRadarSourceStatus()


def wait_connected(timeout):
    """True once the network library is connected, False after `timeout` seconds."""
    deadline = time.monotonic() + timeout
    while source_status() != CONNECTED:
        if time.monotonic() > deadline:
            return False
        time.sleep(0.01)
    return True


def end_session():
    """Ends the stand-in network library's session (NetShutdown)."""
    load().network().NetShutdown()


# ---- Echo -----------------------------------------------------------------------------------

EchoLine = namedtuple("EchoLine", "mode sweep bearing_offset scale_code header_nibble line_flag "
                                  "samples")
EchoLine.__doc__ = """One echo line: mode 1 live, 2 played back, 3 a file's last datagram;
sweep and bearing_offset 0-8191; scale_code 0-63; header_nibble 1-15 or 240;
line_flag 0 or 1 (None for lines from the ring, which does not keep it);
samples: bytes, one level each, 0 none, 1-7 echo, 8-15 trail."""


def _line(record, line_flag):
    return EchoLine(record.Mode, record.Sweep, record.BearingOffset, record.ScaleCode,
                    record.HeaderNibble, line_flag,
                    ctypes.string_at(record.Data, record.SampleCount))


def start_echo(callback=None):
    """Starts the echo side, once per process. With `callback(line)` every
    EchoLine goes to it on the library's receiver thread; without, lines wait
    in the library's ring for read_echo_line and echo_lines. RadarError when UDP
    port 10024 is held by another program (the library keeps asking for it)."""
    function = EchoFunc()  # a null pointer: lines to the ring
    if callback:
        function = EchoFunc(lambda record: callback(_line(record[0], record[0].LineFlag)))
        _kept.append(function)
    _call("OrvaneInitRadarEchoFunc", function)


def set_trail_time(seconds):
    """Trail time in seconds, 0 (off) to 32767; clears the trails."""
    _call("OrvaneSetTrailTime", seconds)


def read_echo_line():
    """The oldest line waiting in the ring, or None."""
    record = EchoLineRecord()
    if load().OrvaneGetRadarEchoData(ctypes.byref(record)) <= 0:
        return None
    return _line(record, None)


def echo_lines(wait=0.0, poll=0.005):
    """Yields the lines waiting in the ring, and those that come after; ends
    once none has come for `wait` seconds (None: never)."""
    last = time.monotonic()
    while True:
        line = read_echo_line()
        if line is not None:
            last = time.monotonic()
            yield line
        elif wait is not None and time.monotonic() - last >= wait:
            return
        else:
            time.sleep(poll)


# ---- Recording and playback -----------------------------------------------------------------

def record_start(path):
    """Records every echo datagram to the file at `path`."""
    _call("OrvaneRecStartRadarEcho", os.fsencode(path))


def record_end():
    _call("OrvaneRecEndRadarEcho")


def record_revolution(path):
    """Records the next whole antenna revolution to the file at `path`."""
    _call("OrvaneRecStartRadarEchoOneScreen", os.fsencode(path))


def playback_start(path):
    """Plays the recording at `path` in place of the live echo."""
    _call("OrvaneReadStartRadarEcho", os.fsencode(path))


def playback_end():
    _call("OrvaneReadEndRadarEcho")


# ---- Target geometry ------------------------------------------------------------------------

CpaTcpa = namedtuple("CpaTcpa", "cpa_nm tcpa_min")
CpaTcpa.__doc__ = "Closest approach in nautical miles, the time to it in minutes (negative: past)."


def cpa_tcpa(range_nm, bearing_deg, own_speed_kn, own_course_deg, target_speed_kn,
             target_course_deg):
    """CPA and TCPA of a target at `range_nm` and `bearing_deg`, own ship and
    target each at a speed (knots) on a course (degrees). The arguments are
    rounded to the library's units (hundredths of a mile, tenths of a knot and
    of a degree); RadarError when one is outside the library's ranges."""
    cpa, tcpa = ctypes.c_int32(), ctypes.c_int32()
    _call("OrvaneCalCpaTcpa", round(range_nm * 100), round(bearing_deg * 10),
          round(own_speed_kn * 10), round(own_course_deg * 10), round(target_speed_kn * 10),
          round(target_course_deg * 10), ctypes.byref(cpa), ctypes.byref(tcpa))
    return CpaTcpa(cpa.value / 65536, tcpa.value / 65536)
