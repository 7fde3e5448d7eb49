"""The radar library's exports as data.

One row per command code's setting group (its Set, Get and Put functions), the
prototypes of the other exports, the echo record and the two callback types,
all as include/radar.h declares them. tests/test_radar.py reads radar.h on its
own and holds every export against this table, so none can be missed or
mistyped.
"""

from collections import namedtuple
from ctypes import (CFUNCTYPE, POINTER, Structure, c_char_p, c_int16, c_int32, c_uint8,
                    c_uint16, c_uint32)

# Field types by letter, as in Python's struct module.
TYPES = {"H": c_uint16, "h": c_int16, "I": c_uint32, "i": c_int32}
BARE = "bare"  # Put takes the kind alone and sends the bare sentence

# stem (OrvaneSet<stem>, OrvaneGet<stem>, OrvanePut<stem>), the command code its
# sentences carry, its title, its fields in argument order and, for a few, BARE.
# A field is name[:type[/type in Put]], the type H unless written; "@" marks a
# selector, which Get takes by value and which says which of several groups is
# meant (guard zone, EBL, VRM, brightness item).
SETTING_ROWS = (
    ("RadarGain", 0x03, "Gain", "mode level"),
    ("RadarACSea", 0x04, "Anti-clutter sea", "mode level"),
    ("RadarACAuto", 0x05, "Automatic anti-clutter", "setting"),
    ("RadarACRain", 0x06, "Anti-clutter rain", "level"),
    ("RadarEchoStrech", 0x07, "Echo stretch", "setting"),
    ("RadarIntReject", 0x08, "Interference rejection", "setting"),
    ("RadarFTC", 0x09, "Fast time constant", "level"),
    ("RadarNoiseReject", 0x0A, "Noise rejection", "setting"),
    ("RadarTune", 0x0B, "Tuning", "mode value"),
    ("RadarCursorMode", 0x0C, "Cursor mode (cursor group, with 0x35)", "mode value"),
    ("RadarCursorPos", 0x35, "Cursor position (cursor group; sent as 0x35)",
     "setting bearing distance:I"),
    ("RadarAntHight", 0x0D, "Antenna height", "setting"),
    ("RadarSTCCurve", 0x0E, "Sensitivity time control curve", "setting"),
    ("RadarDemo", 0x0F, "Demonstration mode", "setting"),
    ("RadarMBSAdjust", 0x10, "Main bang suppression adjustment", "value"),
    ("RadarSweepTiming", 0x11, "Sweep timing", "value"),
    ("RadarOffset", 0x12, "Picture offset", "setting bearing distance:I"),
    ("RadarGuard", 0x13, "Guard zones 1 and 2",
     "@zone:h/H setting type bearing1 bearing2 distance1:I distance2:I"),
    ("RadarBlind", 0x14, "Blind sector", "setting bearing width"),
    ("RadarDispMode", 0x15, "Display mode", "mode bearing"),
    ("RadarReverse", 0x16, "Reverse video", "setting"),
    ("RadarRange", 0x17, "Range", "step value"),
    ("RadarRings", 0x18, "Range rings", "value1 value2 value3"),
    ("RadarZoom", 0x19, "Zoom", "mode bearing distance:I"),
    ("RadarShift", 0x1A, "Picture shift", "mode bearing distance:I"),
    ("RadarEBL", 0x1B, "Electronic bearing lines 1 and 2",
     "@number:h/H value1 value2 value3 bearing"),
    ("RadarVRM", 0x1C, "Variable range markers 1 and 2",
     "@number:h/H value1 value2 value3 distance:I"),
    ("RadarBright", 0x1D, "Brightness", "@item level"),
    ("RadarHeadingMark", 0x1E, "Heading marker", "setting value"),
    ("RadarTrail", 0x1F, "Echo trail display", "value1 value2 value3 value4 value5 value6"),
    ("RadarWatchman", 0x20, "Watchman", "value1 value2 value3 value4"),
    ("RadarTotalOnHours", 0x21, "Total power-on hours", "hours:I"),
    ("RadarTotalTxHours", 0x22, "Total transmit hours", "hours:I"),
    ("RadarWPTMark", 0x23, "Waypoint mark", "setting value number bearing distance:I"),
    ("RadarTxStby", 0x24, "Transmit / standby", "state"),
    ("RadarPulseLength", 0x25, "Pulse length", "setting"),
    ("RadarDirSensor", 0x26, "Direction sensor", "setting"),
    ("RadarTxAntStatus", 0x27, "Transmitter / antenna status", "setting"),
    ("RadarWarmUpTime", 0x28, "Warm-up time", "value"),
    ("RadarRangePreset", 0x29, "Range preset", "setting value:I"),
    ("RadarTuneAdjust", 0x2A, "Tune adjustment", "setting"),
    ("RadarVideoAdjust", 0x2B, "Video adjustment", "setting"),
    ("RadarAntType", 0x2C, "Antenna type", "type"),
    ("RadarMaxRange", 0x2D, "Maximum range", "value"),
    ("RadarMonitorMode", 0x2E, "Monitor mode", "setting"),
    ("Radar2ndEchoReject", 0x2F, "Second-trace echo rejection", "setting"),
    ("RadarSignal", 0x30, "Signal", "value"),
    ("RadarBackGround", 0x31, "Background colour", "value"),
    ("RadarEchoColor", 0x32, "Echo colour", "value"),
    ("RadarAlarmSound", 0x33, "Alarm sound", "setting value"),
    ("RadarFactory", 0x34, "Factory setting", "setting"),
    ("RadarDemoData", 0x36, "Demonstration data", "setting"),
    ("RadarOwnPosiLL", 0x37, "Own position", "setting latitude:i longitude:i"),
    ("RadarNMEAHead", 0x38, "NMEA heading", "setting heading value:h"),
    ("RadarHeadingAdjust", 0x39, "Heading adjustment", "bearing"),
    ("RadarMaxShiftSpeed", 0x3A, "Maximum shift speed", "value"),
    ("RadarAmpType", 0x3B, "Amplifier type", "type"),
    ("RadarTuneInit", 0x3C, "Initial tune value", "value"),
    ("RadarAutoTune", 0x3D, "Automatic tune", "value"),
    ("RadarTuneInd", 0x3E, "Tune indicator", "value"),
    ("ArpaOnOff", 0x40, "ARPA on / off", "setting1 setting2"),
    ("ArpaAllClear", 0x41, "ARPA all clear (event flag)", "flag", BARE),
    ("ArpaPlotInterval", 0x42, "ARPA plot interval", "value"),
    ("ArpaVectorMode", 0x43, "ARPA vector mode", "mode"),
    ("ArpaVectorTime", 0x44, "ARPA vector time", "value"),
    ("ArpaCPA", 0x45, "ARPA CPA limit", "value"),
    ("ArpaTCPA", 0x46, "ARPA TCPA limit", "value"),
    ("ArpaAutoACQ", 0x47, "ARPA automatic acquisition", "setting"),
    ("ArpaAlarm", 0x48, "ARPA alarm", "value"),
    ("ArpaMark", 0x49, "ARPA mark", "value"),
    ("ArpaACQData", 0x4A, "ARPA acquisition data", "value:I/i bearing"),
    ("ArpaEraseData", 0x4B, "ARPA erase data", "index"),
    ("ArpaTargetNumber", 0x4C, "ARPA target number", "setting"),
    ("ArpaServerOnOff", 0x52, "ARPA server on / off", "setting1 setting2"),
    ("OwnCourse", 0x55, "Own course", "setting course"),
    ("ArpaStatus", 0x56, "ARPA status",
     "value1 value2 value3 value4 value5 value6 value7 value8 value9 value10"),
    ("ArpaAlarmStop", 0x57, "ARPA alarm stop (event flag)", "flag", BARE),
)

Field = namedtuple("Field", "name ctype put_ctype selector")


def fields_of(text):
    """The Fields of a row's field text."""
    fields = []
    for token in text.split():
        selector = token.startswith("@")
        name, _, types = token.lstrip("@").partition(":")
        own, _, in_put = (types or "H").partition("/")
        fields.append(Field(name, TYPES[own], TYPES[in_put or own], selector))
    return tuple(fields)


class EchoLineRecord(Structure):
    """One echo line as the library hands it over: packed, so Data lies at
    offset 2 and everything after it moves with the size of an address."""
    _pack_ = 1
    _fields_ = [("Mode", c_uint16), ("Data", POINTER(c_uint8)), ("SampleCount", c_uint16),
                ("HeaderNibble", c_uint16), ("Sweep", c_uint16), ("BearingOffset", c_uint16),
                ("LineFlag", c_uint16), ("ScaleCode", c_uint16)]


# Callbacks are __cdecl on 32-bit Windows (RADAR_CALLBACK), and plain C
# elsewhere: CFUNCTYPE on every system, never WINFUNCTYPE.
NotifyFunc = CFUNCTYPE(None, c_int32)
EchoFunc = CFUNCTYPE(None, POINTER(EchoLineRecord))

_char_p, _path = ("name", c_char_p), ("path", c_char_p)
# The exports outside the setting groups: restype and (name, type) of each argument.
OTHER_PROTOTYPES = {
    "OrvaneInitRadarFunc": (c_int16, (_char_p, ("notify", NotifyFunc))),
    "OrvaneChangeRadarHost": (c_int16, (_char_p,)),
    "OrvaneGetRadarSourceStatus": (c_int32, ()),
    "OrvaneGetRadarDllVersionNo": (c_int32, (("destination", c_char_p),)),
    "OrvaneInitRadarEchoFunc": (c_int16, (("callback", EchoFunc),)),
    "OrvaneSetTrailTime": (c_int16, (("seconds", c_uint16),)),
    "OrvaneGetRadarEchoData": (c_int16, (("record", POINTER(EchoLineRecord)),)),
    "OrvaneRecStartRadarEcho": (c_int16, (_path,)),
    "OrvaneRecEndRadarEcho": (c_int16, ()),
    "OrvaneRecStartRadarEchoOneScreen": (c_int16, (_path,)),
    "OrvaneReadStartRadarEcho": (c_int16, (_path,)),
    "OrvaneReadEndRadarEcho": (c_int16, ()),
    "OrvaneCalCpaTcpa": (c_int16, (("range", c_int32), ("bearing", c_int16),
                                   ("own_speed", c_int16), ("own_course", c_int16),
                                   ("target_speed", c_int16), ("target_course", c_int16),
                                   ("cpa", POINTER(c_int32)), ("tcpa", POINTER(c_int32)))),
}

# The stand-in network library's own functions (orvane.h) that an application
# needs to choose and leave its station; a maker's network library lacks them.
NETWORK_PROTOTYPES = {
    "NetSetStation": (c_int32, (_char_p, ("ipv4", c_char_p), ("port", c_uint16))),
    "NetClearStations": (None, ()),
    "NetShutdown": (c_int32, ()),
    "GetRadarSourceAddr": (c_int32, (("buffer16", c_char_p),)),
}


def group_prototypes(stem, fields, bare):
    """The Set, Get and Put prototypes of one setting group."""
    kind = ("kind", c_uint16)
    put = () if bare else tuple((f.name, f.put_ctype) for f in fields)
    return {
        "OrvaneSet" + stem: (c_int16, tuple((f.name, f.ctype) for f in fields)),
        "OrvaneGet" + stem: (c_int16, tuple((f.name, f.ctype if f.selector else POINTER(f.ctype))
                                            for f in fields)),
        "OrvanePut" + stem: (c_int16, (kind,) + put),
    }


# Every export of the radar library: name -> (restype, ((argument, type), ...)).
PROTOTYPES = dict(OTHER_PROTOTYPES)
for _row in SETTING_ROWS:
    PROTOTYPES.update(group_prototypes(_row[0], fields_of(_row[3]), BARE in _row[4:]))
