"""The truth of a scenario, worked out from its own geometry and nothing else.

Own ship and every other ship move on straight legs and arcs at a constant
rate of turn, at one speed, as docs/scenarios.md describes a scenario file:
a turn starts at `at_s`, heads for `course_deg` the shorter way round at
`rate_deg_s`, and a turn that starts while another is under way takes over.
Positions are metres east and north of own ship's start, on a flat sea.
The tracker's figures are held against what is computed here.
"""
import math

KNOT = 1852.0 / 3600.0  # m/s
NM = 1852.0


def wrap360(deg):
    deg = math.fmod(deg, 360.0)
    return deg + 360.0 if deg < 0 else deg


def angle_error(a, b):
    d = abs(a - b) % 360.0
    return min(d, 360.0 - d)


def course_of(east, north):
    return wrap360(math.degrees(math.atan2(east, north)))


class Motion:
    """Legs and arcs: each piece starts at a time, a place and a course and
    turns at a constant rate (0 on a leg)."""

    def __init__(self, east_m, north_m, course_deg, speed_kn, turns=()):
        self.speed = speed_kn * KNOT
        self.pieces = [(0.0, east_m, north_m, math.radians(wrap360(course_deg)), 0.0)]
        for turn in sorted(turns, key=lambda x: x["at_s"]):
            at, rate = turn["at_s"], turn.get("rate_deg_s", 1.0)
            e, n, course, _, _ = self._along(self._piece(at), at)
            self.pieces = [p for p in self.pieces if p[0] < at]
            delta = (wrap360(turn["course_deg"]) - math.degrees(course) + 180.0) % 360.0 - 180.0
            if abs(delta) < 1e-9:
                self.pieces.append((at, e, n, math.radians(wrap360(turn["course_deg"])), 0.0))
                continue
            arc = (at, e, n, course, math.copysign(math.radians(rate), delta))
            self.pieces.append(arc)
            end = at + abs(delta) / rate
            e2, n2, _, _, _ = self._along(arc, end)
            self.pieces.append((end, e2, n2, math.radians(wrap360(turn["course_deg"])), 0.0))

    def _piece(self, t):
        piece = self.pieces[0]
        for p in self.pieces:
            if p[0] <= t:
                piece = p
        return piece

    def _along(self, piece, t):
        start, e, n, course, rate = piece
        dt = t - start
        c = course + rate * dt
        if rate == 0:
            e += self.speed * math.sin(c) * dt
            n += self.speed * math.cos(c) * dt
        else:
            radius = self.speed / rate
            e += radius * (math.cos(course) - math.cos(c))
            n += radius * (math.sin(c) - math.sin(course))
        return e, n, c, self.speed * math.sin(c), self.speed * math.cos(c)

    def at(self, t):
        """(east m, north m, course deg, east m/s, north m/s) at time t."""
        e, n, c, ve, vn = self._along(self._piece(t), t)
        return e, n, wrap360(math.degrees(c)), ve, vn

    def turning(self, t):
        return self._piece(t)[4] != 0


def turn_end(course_deg, turns):
    """When the last of a ship's turns is done (0 without turns)."""
    end, course = 0.0, course_deg
    motion = Motion(0, 0, course_deg, 10, turns)
    for turn in sorted(turns, key=lambda x: x["at_s"]):
        course = motion.at(turn["at_s"])[2]
        delta = abs((wrap360(turn["course_deg"]) - course + 180.0) % 360.0 - 180.0)
        end = max(end, turn["at_s"] + delta / turn.get("rate_deg_s", 1.0))
    return end


class Truth:
    """Own ship and the ships of a scenario dictionary."""

    def __init__(self, scenario):
        own = scenario.get("own", {})
        self.own = Motion(0, 0, own.get("course_deg", 0), own.get("speed_kn", 0), own.get("turns", []))
        self.ships = []
        for s in scenario["ships"]:
            b = math.radians(s["bearing_deg"])
            r = s["range_nm"] * NM
            self.ships.append(Motion(r * math.sin(b), r * math.cos(b), s.get("course_deg", 0),
                                     s.get("speed_kn", 0), s.get("turns", [])))

    def position(self, i, t):
        """Ship i from own ship: (range NM, bearing deg) at t."""
        oe, on, *_ = self.own.at(t)
        e, n, *_ = self.ships[i].at(t)
        return math.hypot(e - oe, n - on) / NM, course_of(e - oe, n - on)

    def relative_xy(self, i, t):
        """Ship i from own ship, NM east and north."""
        oe, on, *_ = self.own.at(t)
        e, n, *_ = self.ships[i].at(t)
        return (e - oe) / NM, (n - on) / NM

    def figures(self, i, t):
        """What the tracker should show for ship i at t: range, bearing,
        relative and true course and speed, and CPA and TCPA if both ships
        held their present course and speed."""
        oe, on, _, ove, ovn = self.own.at(t)
        e, n, course, ve, vn = self.ships[i].at(t)
        px, py = (e - oe) / NM, (n - on) / NM
        rx, ry = (ve - ove) / KNOT, (vn - ovn) / KNOT  # knots
        rel = math.hypot(rx, ry)
        tcpa_h = -(px * rx + py * ry) / rel ** 2 if rel > 1e-9 else 0.0
        return {
            "range_nm": math.hypot(px, py), "bearing_deg": course_of(px, py),
            "rel_course_deg": course_of(rx, ry), "rel_speed_kn": rel,
            "course_deg": course, "speed_kn": math.hypot(ve, vn) / KNOT,
            "cpa_nm": math.hypot(px + rx * tcpa_h, py + ry * tcpa_h), "tcpa_min": tcpa_h * 60.0,
        }


def target_xy(target):
    b = math.radians(target["bearing_deg"])
    return target["range_nm"] * math.sin(b), target["range_nm"] * math.cos(b)


def distance_nm(target, xy):
    tx, ty = target_xy(target)
    return math.hypot(tx - xy[0], ty - xy[1])
