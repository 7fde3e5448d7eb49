"""Finding and loading the radar library and binding its exports."""

import ctypes
import ctypes.util
import os
import sys
import threading

from ._table import NETWORK_PROTOTYPES, PROTOTYPES

ENVIRONMENT = "RADAR_LIBRARY"  # a path to the radar library, which then is the only one tried
WINDOWS = sys.platform == "win32"
# On 32-bit Windows the exports are __stdcall under decorated names
# ("_OrvaneGetRadarGain@8": every argument takes one 4-byte slot).
DECORATED = WINDOWS and ctypes.sizeof(ctypes.c_void_p) == 4
RADAR_NAME, NETWORK_NAME = ("radar.dll", "orvane.dll") if WINDOWS else ("libradar.so.1",
                                                                       "liborvane.so")
_Loader = ctypes.WinDLL if WINDOWS else ctypes.CDLL


def exported_name(name, argument_count):
    """The name the export table holds for `name`."""
    return "_%s@%d" % (name, 4 * argument_count) if DECORATED else name


def _bind(target, dll, prototypes):
    for name, (restype, arguments) in prototypes.items():
        function = dll[exported_name(name, len(arguments))]
        function.restype = restype
        function.argtypes = [ctype for _, ctype in arguments]
        setattr(target, name, function)


def _candidates():
    """Where the library is looked for, in order: the path in RADAR_LIBRARY
    alone when it is set; else beside this package, then the system's search
    (the loader's path on Linux, PATH on Windows)."""
    chosen = os.environ.get(ENVIRONMENT)
    if chosen:
        return [chosen]
    here = os.path.dirname(os.path.abspath(__file__))
    found = [os.path.join(here, RADAR_NAME)]
    found.append((ctypes.util.find_library("radar") or RADAR_NAME) if WINDOWS else RADAR_NAME)
    return found


class Network:
    """The stand-in network library's own functions (NetSetStation ...)."""

    def __init__(self, path):
        self.path = path
        self.dll = _Loader(path)
        _bind(self, self.dll, NETWORK_PROTOTYPES)


class Library:
    """The radar library, every export a typed ctypes function under its plain name."""

    def __init__(self, path):
        self.path = path
        self.dll = _Loader(path)
        _bind(self, self.dll, PROTOTYPES)
        self._network = None

    def network(self):
        """The network library the radar library loaded, when it is the
        stand-in: the one beside it (the same file gives the same instance),
        else the one the system finds by name (which is the loaded one)."""
        if self._network is None:
            beside = os.path.join(os.path.dirname(self.path), NETWORK_NAME)
            errors = []
            for path in ([beside] if os.path.dirname(self.path) else []) + [NETWORK_NAME]:
                try:
                    self._network = Network(path)
                    break
                except (OSError, AttributeError) as error:
                    errors.append("%s: %s" % (path, error))
            else:
                raise OSError("no stand-in network library: " + "; ".join(errors))
        return self._network


_loaded = None
_loading = threading.Lock()


def load(path=None):
    """The radar library, loaded on first use (from `path` when given, else
    as _candidates says). Later calls return the same library."""
    global _loaded
    with _loading:
        if _loaded is None:
            errors = []
            for candidate in [path] if path else _candidates():
                try:
                    _loaded = Library(candidate)
                    break
                except (OSError, AttributeError) as error:  # not found, or lacks an export
                    errors.append("%s: %s" % (candidate, error))
            else:
                raise OSError("cannot load the radar library (set %s to its path): %s"
                              % (ENVIRONMENT, "; ".join(errors)))
        return _loaded
