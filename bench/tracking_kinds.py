"""Scenario kinds beyond the standard's four, and how each run is judged.

Each kind makes, from a seed, a scenario (ships placed at random within the
kind's bounds, kept apart and inside the range) and the subjects to judge:
which ship, how its target is found (a manual order, or the automatic
acquisition nearest the ship), the time its steady tracking counts from (the
acquisition, or the end of a turn), and the time span over which it must stay
tracked under one id with no lost alarm. `judge` reads `radarctl track`'s
answers against the truth of tracking_truth.py.
"""
import math
import random

from tracking_truth import KNOT, NM, Truth, angle_error, distance_nm, turn_end, wrap360

RPM = 24
PERIOD = 60.0 / RPM
# The random sensor errors the standard's figures assume: gyro heading
# sigma 0.12 deg, speed 3 sigma 0.2 kn. --heading-sigma and --speed-sigma
# measure under others (0.3 deg and 0.1 kn is the scenario files' example).
SENSORS = {"heading_sigma_deg": 0.12, "speed_sigma_kn": 0.067}

# The standard's 95 % limits: (quantity, after 1 min, after 3 min). A speed
# limit is (knots, fraction of the true speed), whichever is larger.
LIMITS = [
    ("rel_course_deg", 11.0, 3.0),
    ("rel_speed_kn", (1.5, 0.10), (0.8, 0.01)),
    ("cpa_nm", 1.0, 0.3),
    ("tcpa_min", None, 0.5),
    ("course_deg", None, 5.0),
    ("speed_kn", None, (0.5, 0.01)),
]


# Beyond the standard's scenarios some figures are ill-posed: a tenth of a
# knot turns a relative speed of 2 kn by 3 degrees and a closest point hours
# away by miles, and where a ship passes far off, a degree of relative course
# moves its closest point by minutes. Those are judged only where the
# standard's scenarios lie: a relative speed of 5 kn or more, for TCPA a ship
# that closes within 30 minutes and passes within half its present range, and
# for true course a ship of 6 kn or more (5 degrees of a 6 kn course is 0.5 kn
# across it, the speed's limit; a slower ship's course is a fraction of the
# speed's error). They are still measured, and shown apart.
def well_posed(quantity, real):
    if quantity in ("rel_course_deg", "cpa_nm", "tcpa_min") and real["rel_speed_kn"] < 5:
        return False
    if quantity == "course_deg" and real["speed_kn"] < 6:
        return False
    if quantity == "tcpa_min":
        return 0 <= real["tcpa_min"] <= 30 and real["cpa_nm"] <= real["range_nm"] / 2
    return True


def limit_of(limit, true_value):
    if isinstance(limit, tuple):
        return max(limit[0], limit[1] * true_value)
    return limit


class Case:
    def __init__(self, scenario, end_s):
        self.scenario = scenario
        self.end_s = end_s
        self.subjects = []
        self.times = [round(PERIOD * k + PERIOD / 2, 3) for k in range(int(end_s / PERIOD) + 1)]
        self.leaving = []  # ships that leave the range: (ship, time they leave)
        self.count_false = True

    def subject(self, ship, ref=None, watch=None, order=None, skip=(), accuracy=True):
        self.subjects.append({"ship": ship, "ref": ref, "watch": watch, "order": order, "skip": set(skip),
                              "accuracy": accuracy})


def base(seed, range_nm, own_course=0.0, own_speed=12.0, sea=0.2, own_turns=()):
    return {"rpm": RPM, "range_nm": range_nm, "seed": seed, "sea": sea, "coast": False,
            "own": {"course_deg": own_course, "speed_kn": own_speed, "lat": 50.0, "lon": -1.5,
                    "turns": list(own_turns)},
            "sensors": dict(SENSORS), "ships": [], "acquire": [], "auto_zones": []}


def place(scenario, rnd, ships, end_s, inner, outer, apart_nm, tries=4000):
    """Adds ships (dicts as in a scenario file) that stay between inner and
    outer NM of own ship and apart_nm from each other for the whole run;
    each is a function of rnd that draws one. Returns their indexes."""
    checks = [end_s * k / 24 for k in range(25)]
    placed = []
    paths = []
    for draw in ships:
        for _ in range(tries):
            s = draw(rnd)
            probe = Truth({"own": scenario["own"], "ships": [s]})
            path = [probe.relative_xy(0, t) for t in checks]
            if any(not inner <= math.hypot(*p) <= outer for p in path):
                continue
            if any(math.hypot(p[0] - q[0], p[1] - q[1]) < apart_nm for other in paths
                   for p, q in zip(path, other)):
                continue
            paths.append(path)
            scenario["ships"].append(s)
            placed.append(len(scenario["ships"]) - 1)
            break
    return placed


def order_for(scenario, ship, at_s):
    """A manual order at the ship's true place at that time."""
    r, b = Truth(scenario).position(ship, at_s)
    scenario["acquire"].append({"at_s": at_s, "range_nm": round(r, 5), "bearing_deg": round(b, 4)})
    return len(scenario["acquire"]) - 1


def ship(range_nm, bearing_deg, course_deg, speed_kn, length_m=60, turns=()):
    s = {"range_nm": round(range_nm, 4), "bearing_deg": round(wrap360(bearing_deg), 3),
         "course_deg": round(wrap360(course_deg), 3), "speed_kn": round(speed_kn, 3), "length_m": length_m}
    if turns:
        s["turns"] = list(turns)
    return s


# ---- The kinds ------------------------------------------------------------------

def target_turns(seed):
    """Ships of 8-30 kn that turn 30-120 degrees at 0.5-3 deg/s, at ranges
    from a quarter to nine tenths of the 3, 6 or 12 NM range, any bearing,
    either way round; acquired by hand, judged from the end of the turn."""
    rnd = random.Random(seed * 7919 + 1)
    scale = (3, 6, 12)[seed % 3]
    sc = base(seed, scale, own_speed=rnd.uniform(8, 15))
    turn_at = 100.0

    def draw(rnd):
        speed = rnd.uniform(8, 30)
        course = rnd.uniform(0, 360)
        angle = rnd.uniform(30, 120) * rnd.choice((-1, 1))
        rate = rnd.uniform(0.5, 3)
        return ship(rnd.uniform(0.25, 0.9) * scale, rnd.uniform(0, 360), course, speed,
                    length_m=rnd.choice((40, 80, 150)),
                    turns=[{"at_s": turn_at + rnd.uniform(0, 30), "course_deg": round(wrap360(course + angle), 2),
                            "rate_deg_s": round(rate, 3)}])

    end = turn_at + 30 + 120 / 0.5 + 185
    placed = place(sc, rnd, [draw] * 5, end, 0.15 * scale, 0.95 * scale, 0.12 * scale + 0.3)
    case = Case(sc, end)
    for i in placed:
        s = sc["ships"][i]
        done = turn_end(s["course_deg"], s["turns"])
        case.subject(i, ref=done, watch=(10.0, done + 180), order=order_for(sc, i, 5.0))
    return case


def own_turns(seed):
    """Own ship at 10-20 kn turns 60-120 degrees at 1-3 deg/s; the ships
    hold their courses; judged from the end of own ship's turn."""
    rnd = random.Random(seed * 7919 + 2)
    scale = (6, 12)[seed % 2]
    speed = rnd.uniform(10, 20)
    course = rnd.uniform(0, 360)
    angle = rnd.uniform(60, 120) * rnd.choice((-1, 1))
    rate = rnd.uniform(1, 3)
    turn = {"at_s": 90.0, "course_deg": round(wrap360(course + angle), 2), "rate_deg_s": round(rate, 3)}
    sc = base(seed, scale, own_course=course, own_speed=speed, own_turns=[turn])
    done = turn_end(course, [turn])
    end = done + 185

    def draw(rnd):
        return ship(rnd.uniform(0.25, 0.9) * scale, rnd.uniform(0, 360), rnd.uniform(0, 360),
                    rnd.uniform(0, 25), length_m=80)

    placed = place(sc, rnd, [draw] * 5, end, 0.15 * scale, 0.95 * scale, 0.12 * scale + 0.3)
    case = Case(sc, end)
    for i in placed:
        skip = ("course_deg",) if sc["ships"][i]["speed_kn"] < 2 else ()
        case.subject(i, ref=done, watch=(10.0, end), order=order_for(sc, i, 5.0), skip=skip)
    return case


def close_crossings(seed):
    """Two pairs of ships of 8-20 kn whose tracks cross so that each pair
    passes 100-200 m apart, at a quarter to three fifths of the range; all
    acquired by hand. No lost alarm and no swap while their echoes merge;
    judged from the moment they pass."""
    rnd = random.Random(seed * 7919 + 3)
    scale = (6, 12)[seed % 2]
    sc = base(seed, scale, own_speed=rnd.uniform(0, 15))
    own = Truth({"own": sc["own"], "ships": []}).own
    meet_at = rnd.uniform(150, 200)
    end = meet_at + 185
    k = KNOT
    pairs = 0
    while pairs < 2:
        # The meeting point, seen from own ship then, and two ships that pass
        # it with the given closest distance between them.
        oe, on, *_ = own.at(meet_at)
        r, b = rnd.uniform(0.25, 0.6) * scale * NM, 180 * pairs + rnd.uniform(-60, 60)
        me, mn = oe + r * math.sin(math.radians(b)), on + r * math.cos(math.radians(b))
        c1 = rnd.uniform(0, 360)
        c2 = c1 + rnd.choice((-1, 1)) * rnd.uniform(30, 150)
        v1, v2 = rnd.uniform(8, 20), rnd.uniform(8, 20)
        apart = rnd.uniform(100, 200)
        # The second ship set off across the relative track by `apart`.
        rvx = v2 * k * math.sin(math.radians(c2)) - v1 * k * math.sin(math.radians(c1))
        rvy = v2 * k * math.cos(math.radians(c2)) - v1 * k * math.cos(math.radians(c1))
        rv = math.hypot(rvx, rvy)
        ox, oy = -rvy / rv * apart, rvx / rv * apart
        pair = []
        for course, speed, dx, dy in ((c1, v1, 0, 0), (c2, v2, ox, oy)):
            ve, vn = speed * k * math.sin(math.radians(course)), speed * k * math.cos(math.radians(course))
            e0, n0 = me + dx - ve * meet_at, mn + dy - vn * meet_at
            pair.append(ship(math.hypot(e0, n0) / NM, math.degrees(math.atan2(e0, n0)), course, speed,
                             length_m=rnd.choice((60, 100, 150))))
        trial = dict(sc, ships=sc["ships"] + pair)
        truth = Truth(trial)
        n = len(trial["ships"])
        checks = [end * j / 24 for j in range(25)]
        if any(not 0.1 * scale < truth.position(i, t)[0] < 0.95 * scale for i in (n - 2, n - 1) for t in checks):
            continue
        if pairs and any(math.dist(truth.relative_xy(i, t), truth.relative_xy(j, t)) < 0.5
                         for i in (0, 1) for j in (n - 2, n - 1) for t in checks):
            continue
        sc["ships"] += pair
        pairs += 1
    case = Case(sc, end)
    for i in range(len(sc["ships"])):
        case.subject(i, ref=meet_at, watch=(10.0, end), order=order_for(sc, i, 5.0))
    return case


def leaving_range(seed):
    """Ships that run out of the range and ships that come into it, with an
    acquisition zone over the picture: a ship leaving raises no lost alarm
    and its target goes; a ship coming in is acquired."""
    rnd = random.Random(seed * 7919 + 4)
    scale = (3, 6, 12)[seed % 3]
    sc = base(seed, scale, own_speed=rnd.uniform(0, 12))
    sc["auto_zones"] = [{"from_deg": 0, "to_deg": 360, "inner_nm": 0.1 * scale, "outer_nm": scale}]
    own = Truth({"own": sc["own"], "ships": []}).own
    subjects, leaves = [], []
    while len(sc["ships"]) < 4:
        leaving = len(sc["ships"]) % 2 == 0
        speed = rnd.uniform(10, 25)
        b = rnd.uniform(0, 360)
        when = rnd.uniform(100, 250)  # at the range's edge
        oe, on, *_ = own.at(when)
        ee, en = oe + scale * NM * math.sin(math.radians(b)), on + scale * NM * math.cos(math.radians(b))
        course = wrap360(b + rnd.uniform(-50, 50) + (0 if leaving else 180))
        e0 = ee - speed * KNOT * math.sin(math.radians(course)) * when
        n0 = en - speed * KNOT * math.cos(math.radians(course)) * when
        s = ship(math.hypot(e0, n0) / NM, math.degrees(math.atan2(e0, n0)), course, speed)
        # Well inside (or well outside) at the start, and it crosses the edge once.
        probe = Truth(dict(sc, ships=[s]))
        track = [probe.position(0, t)[0] / scale for t in range(0, 301, 5)]
        inside = [r < 1 for r in track]
        if track[0] > 0.93 and leaving or track[0] < 1.05 and not leaving or \
                sum(a != b for a, b in zip(inside, inside[1:])) != 1 or min(track) < 0.15:
            continue
        sc["ships"].append(s)
        i = len(sc["ships"]) - 1
        t = 5.0 * next(k for k in range(1, len(inside)) if inside[k] != inside[k - 1])
        if leaving:
            leaves.append((i, t))
            subjects.append((i, (60.0, t - 40)))
        else:
            subjects.append((i, (t + 60, t + 120)))
    # On past the last ship to come in by two minutes, and the last to leave by one.
    case = Case(sc, max([w[1] for _, w in subjects] + [t + 60 for _, t in leaves]))
    case.leaving = leaves
    for i, watch in subjects:
        case.subject(i, watch=watch, accuracy=False)
    return case


def acquired_automatically(seed, salt, count, ranges, speeds, lengths, own_speeds, apart_nm, watch_from):
    """Ships on straight courses on the 12 NM range, acquired automatically
    over the picture."""
    rnd = random.Random(seed * 7919 + salt)
    sc = base(seed, 12, own_speed=rnd.uniform(*own_speeds))
    sc["auto_zones"] = [{"from_deg": 0, "to_deg": 360, "inner_nm": 1, "outer_nm": 11.5}]
    end = 250.0

    def draw(rnd):
        return ship(rnd.uniform(*ranges), rnd.uniform(0, 360), rnd.uniform(0, 360), rnd.uniform(*speeds),
                    length_m=rnd.choice(lengths))

    case = Case(sc, end)
    for i in place(sc, rnd, [draw] * count, end, 1.5, 11.3, apart_nm):
        case.subject(i, watch=(watch_from, end))
    return case


def fast_craft(seed):
    """Craft of 50-70 kn on straight courses, acquired automatically."""
    return acquired_automatically(seed, 5, 3, (3, 10), (50, 70), (30,), (0, 20), 1.5, 30.0)


def slow_ships(seed):
    """Anchored and 1 kn ships, own ship at 12 or 20 kn, acquired by hand.
    An anchored ship has no course to judge."""
    rnd = random.Random(seed * 7919 + 6)
    scale = (6, 12)[seed % 2]
    own_speed = (12, 20)[(seed // 2) % 2]
    sc = base(seed, scale, own_course=rnd.uniform(0, 360), own_speed=own_speed)
    end = 190.0

    def draw(rnd, speed):
        return ship(rnd.uniform(0.3, 0.9) * scale, rnd.uniform(0, 360), rnd.uniform(0, 360), speed, length_m=80)

    placed = place(sc, rnd, [lambda r: draw(r, 0)] * 2 + [lambda r: draw(r, 1)] * 3, end,
                   0.15 * scale, 0.95 * scale, 0.1 * scale + 0.3)
    case = Case(sc, end)
    for i in placed:
        skip = ("course_deg",) if sc["ships"][i]["speed_kn"] == 0 else ()
        case.subject(i, ref=5.0, watch=(10.0, end), order=order_for(sc, i, 5.0), skip=skip)
    return case


def forty_targets(seed):
    """40 ships at once, 3-25 kn, acquired automatically over the picture."""
    return acquired_automatically(seed, 7, 40, (2, 11), (3, 25), (40, 80, 150), (5, 15), 0.6, 40.0)


def small_boat(seed):
    """A 10 m boat at 5-20 kn in a moderate sea (0.25-0.35: strong to about
    half a mile), 0.4-1.2 NM off on the 1.5 NM range, acquired by hand, with an
    acquisition zone over the picture: the boat stays tracked and the clutter
    makes no target."""
    rnd = random.Random(seed * 7919 + 8)
    sc = base(seed, 1.5, own_speed=rnd.uniform(0, 10), sea=rnd.uniform(0.25, 0.35))
    sc["auto_zones"] = [{"from_deg": 0, "to_deg": 360, "inner_nm": 0.1, "outer_nm": 1.5}]
    end = 190.0

    def draw(rnd):
        return ship(rnd.uniform(0.4, 1.2), rnd.uniform(0, 360), rnd.uniform(0, 360), rnd.uniform(5, 20), length_m=10)

    placed = place(sc, rnd, [draw], end, 0.3, 1.35, 0.3)
    case = Case(sc, end)
    for i in placed:
        case.subject(i, ref=5.0, watch=(10.0, end), order=order_for(sc, i, 5.0))
    return case


def orders_all_round(seed):
    """Nine ships round own ship in a moderate sea on the 0.75 to 12 NM
    ranges; each is ordered by hand with the antenna at another angle past
    it, so that over the seeds every ten degrees of the antenna's turn is
    tried at every range."""
    rnd = random.Random(seed * 7919 + 9)
    scale = (0.75, 1.5, 3, 6, 12)[seed % 5]
    sc = base(seed, scale, own_speed=rnd.uniform(0, 12), sea=0.3)
    end = 40.0
    case = Case(sc, end)
    case.count_false = False
    for k in range(9):
        b = 40 * k + rnd.uniform(0, 20)
        sc["ships"].append(ship(rnd.uniform(0.35, 0.85) * scale, b, rnd.uniform(0, 360), rnd.uniform(0, 20),
                                length_m=rnd.choice((20, 60, 120))))
        i = len(sc["ships"]) - 1
        # The antenna past the ship by `past` degrees at the order's time.
        past = 10 * (4 * k + seed // 5 % 4)
        truth = Truth(sc)
        t0 = 10.0
        own_course = truth.own.at(t0)[2]
        target_rel = (truth.position(i, t0)[1] - own_course) % 360
        antenna = (target_rel + past) % 360
        at = t0 + ((antenna / 360.0 - (t0 / PERIOD) % 1.0) % 1.0) * PERIOD
        case.subject(i, watch=(at + PERIOD, end), order=order_for(sc, i, round(at, 4)), accuracy=False)
        case.subjects[-1]["past"] = past
    return case


# name, what it is, the function that makes a seed's case
KINDS = [
    ("turns", "target turns 30-120 deg at 0.5-3 deg/s, 8-30 kn", target_turns),
    ("own_turns", "own ship turns 60-120 deg at 1-3 deg/s", own_turns),
    ("crossings", "close crossings, 100-200 m apart", close_crossings),
    ("range_edge", "ships leaving and entering the range", leaving_range),
    ("fast", "fast craft, 50-70 kn", fast_craft),
    ("slow", "anchored and 1 kn ships", slow_ships),
    ("forty", "40 targets at once", forty_targets),
    ("small_boat", "a 10 m boat in moderate sea", small_boat),
    ("orders", "manual orders at every antenna position", orders_all_round),
]


# ---- Judging a run --------------------------------------------------------------

def match_nm(scale):
    return max(0.08, 0.03 * scale)


def judge(case, answers, orders):
    """Errors against the limits and the counts of faults of one run."""
    truth = Truth(case.scenario)
    scale = case.scenario["range_nm"]
    by_time = sorted(answers, key=lambda a: a["t"])
    events = [e for a in by_time for e in a.get("events", [])]
    acquired_at = {e["id"]: e["t"] for e in events if e["kind"] == "acquired"}
    out = {"subjects": 0, "errors": [], "unjudged": [], "lost": 0, "swaps": 0, "missing": 0, "no_echo": 0, "wrong_echo": 0,
           "false": 0, "left_lost": 0, "left_kept": 0, "left": 0, "notes": []}
    ids = {}
    for sub in case.subjects:
        out["subjects"] += 1
        i = sub["ship"]
        tid = None
        if sub["order"] is not None:
            o = orders[sub["order"]]
            if o["id"] is None:
                out["no_echo"] += 1
                out["notes"].append(f"order for ship {i} at {o['at_s']} took nothing")
                continue
            tid = o["id"]
            # The target it made must be this ship's echo.
            after = next((a for a in by_time if a["t"] >= o["done_s"]), None)
            t = next((x for x in after["targets"] if x["id"] == tid), None) if after else None
            if t is None or distance_nm(t, truth.relative_xy(i, after["t"])) > match_nm(scale):
                out["wrong_echo"] += 1
                out["notes"].append(f"order for ship {i} at {o['at_s']} took another echo")
                continue
        lo, hi = sub["watch"]
        for a in by_time:
            if a["t"] < lo or a["t"] > hi:
                continue
            xy = truth.relative_xy(i, a["t"])
            near = sorted(a["targets"], key=lambda x: distance_nm(x, xy))
            near = [x for x in near if distance_nm(x, xy) <= match_nm(scale)]
            if tid is None:
                if not near:
                    continue
                tid = near[0]["id"]
            mine = next((x for x in a["targets"] if x["id"] == tid), None)
            if mine is None or distance_nm(mine, xy) > match_nm(scale):
                if near and near[0]["id"] != tid:
                    out["swaps"] += 1
                    out["notes"].append(f"ship {i} at {a['t']}: target {near[0]['id']} where {tid} was")
                else:
                    out["missing"] += 1
                    out["notes"].append(f"ship {i} at {a['t']}: target {tid} is not there")
                break
        if tid is None:
            out["missing"] += 1
            out["notes"].append(f"ship {i}: never acquired")
            continue
        ids[tid] = i
        lost = [e for e in events if e["id"] == tid and e["kind"] == "lost" and lo <= e["t"] <= hi]
        if lost:
            out["lost"] += 1
            out["notes"].append(f"ship {i}: target {tid} lost at {lost[0]['t']}")
        if not sub["accuracy"]:
            continue
        ref = sub["ref"] if sub["ref"] is not None else acquired_at.get(tid)
        if ref is None:
            continue
        for k, after_s in enumerate((60.0, 180.0)):
            t = ref + after_s
            if t > hi + 1e-6:
                continue
            a = min(by_time, key=lambda x: abs(x["t"] - t))
            mine = next((x for x in a["targets"] if x["id"] == tid), None)
            if mine is None or mine["status"] == "lost":
                continue
            real = truth.figures(i, a["t"])
            for q, *limits in LIMITS:
                if limits[k] is None or q in sub["skip"]:
                    continue
                e = angle_error(mine[q], real[q]) if q.endswith("course_deg") else abs(mine[q] - real[q])
                if not well_posed(q, real):
                    out["unjudged"].append((k, q, e))
                    continue
                out["errors"].append((k, q, e, e / limit_of(limits[k], real[q]),
                                      f"ship {i} {q} {mine[q]:.3f} for {real[q]:.3f} at {a['t']}"))
    for i, when in case.leaving:
        tid = next((t for t, s in ids.items() if s == i), None)
        if tid is None:
            continue
        out["left"] += 1
        if any(e["id"] == tid and e["kind"] == "lost" for e in events):
            out["left_lost"] += 1
            out["notes"].append(f"ship {i} left the range at {when}: a lost alarm")
        last = by_time[-1]
        if any(x["id"] == tid for x in last["targets"]) and last["t"] > when + 30:
            out["left_kept"] += 1
            out["notes"].append(f"ship {i} left the range at {when}: its target is still shown")
    if case.count_false:
        # A target held as tracking that was never near any ship.
        seen = {}
        for a in by_time:
            for x in a["targets"]:
                near = any(distance_nm(x, truth.relative_xy(i, a["t"])) <= match_nm(scale) * 2
                           for i in range(len(case.scenario["ships"])))
                state = seen.setdefault(x["id"], [False, False])
                state[0] |= near
                state[1] |= x["status"] == "tracking"
        out["false"] = sum(1 for near, tracking in seen.values() if tracking and not near)
    return out
