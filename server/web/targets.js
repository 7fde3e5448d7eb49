// The tracked targets on the picture, in the symbols of radar practice: a
// broken circle while a target is being acquired, a solid circle with its
// vector once its motion is known, a crossed circle when it is lost, a red
// triangle when it will pass too close (flashing until its alarm is
// acknowledged), brackets round the selected one; past positions as four
// dots; while a trial manoeuvre is on, own ship's trial vector and each
// target's relative motion under it, dashed, and "TRIAL" across the picture.
// Everything comes from the server's "targets" events: nothing is predicted
// here, so what is drawn is what the tracker last said, and it looks stale
// when that is old.

import { css } from './palettes.js';
import { known } from './units.js';

export const VECTOR_MINUTES = [3, 6, 12, 15, 30];
export const PAST_SECONDS = [0, 30, 60, 120, 180];  // between past dots; 0 none
const PAST_DOTS = 4;
const PAST_SLACK_S = 15;  // a dot with no sample this near its age is left out
export const COLOURS = { target: [150, 215, 255], danger: [255, 64, 48], stale: [120, 130, 140] };
const SYMBOL_PX = 7;   // CSS pixels: a symbol's radius
const PICK_PX = 16;    // a click this near a symbol picks its target
const STALE_MS = 2500; // as the picture: events this much later than expected look stale
const LONGEST_GAP_MS = 10000;  // one revolution at the slowest antenna
const FLASH_MS = 500;
const KEPT = 'radarctl-vectors';


// East and north (NM) of a distance along a true bearing or course.
export function eastNorth(distanceNm, deg) {
  const a = (deg * Math.PI) / 180;
  return [distanceNm * Math.sin(a), distanceNm * Math.cos(a)];
}

// Knots east and north of a course and speed.
const velocity = (course, speed) => eastNorth(speed, course);

export class Targets {
  // pictureStale(): whether the picture itself is stale (then so are the targets).
  constructor(ppi, pictureStale) {
    this.ppi = ppi;
    this.pictureStale = pictureStale;
    this.body = null;   // the latest "targets" body
    this.at = 0;        // performance.now() when it came
    this.gap = 0;       // between the two latest
    this.selected = null;
    this.alarms = [];   // the alarms up: a target flashes while its alarm is unacknowledged
    this.listeners = [];
    this.flashOn = true;
    this.wasStale = false;
    let kept = {};
    try {
      kept = JSON.parse(localStorage.getItem(KEPT)) || {};
    } catch { /* none kept */ }
    this.mode = kept.mode === 'true' ? 'true' : 'relative';
    this.minutes = VECTOR_MINUTES.includes(kept.minutes) ? kept.minutes : 6;
    this.pastS = PAST_SECONDS.includes(kept.past) ? kept.past : 60;
    ppi.addLayer((g, p) => this.draw(g, p));
    setInterval(() => this.tick(), FLASH_MS);
  }

  onChange(listener) {
    this.listeners.push(listener);
  }

  changed() {
    this.ppi.invalidate();
    for (const listener of this.listeners) listener();
  }

  update(body) {
    const now = performance.now();
    if (this.at) this.gap = Math.min(now - this.at, LONGEST_GAP_MS);
    this.body = body;
    this.at = now;
    if (!this.list().some((t) => t.id === this.selected)) this.selected = null;
    this.changed();
  }

  setAlarms(alarms) {
    this.alarms = alarms;
    this.changed();
  }

  select(id) {
    this.selected = id;
    this.changed();
  }

  list() {
    return Array.isArray(this.body?.targets) ? this.body.targets : [];
  }

  own() {
    return this.body?.own || null;
  }

  selectedTarget() {
    return this.list().find((t) => t.id === this.selected) || null;
  }

  // True vectors need own ship's motion over ground.
  trueAvailable() {
    const own = this.own();
    return !!own && own.source !== 'none' && known(own.course_deg, own.speed_kn) &&
      !this.list().some((t) => t.relative_only);
  }

  vectorMode() {
    return this.mode === 'true' && this.trueAvailable() ? 'true' : 'relative';
  }

  // Any of them may be left undefined.
  setVectors(mode, minutes, pastS) {
    if (mode) this.mode = mode;
    if (minutes) this.minutes = minutes;
    if (PAST_SECONDS.includes(pastS)) this.pastS = pastS;
    localStorage.setItem(KEPT, JSON.stringify({ mode: this.mode, minutes: this.minutes, past: this.pastS }));
    this.changed();
  }

  // The trial manoeuvre on (the server's), or null.
  trial() {
    const trial = this.body?.trial;
    return trial && known(trial.course_deg, trial.speed_kn) ? trial : null;
  }

  // Where a target was (NM, degrees true from own ship now), four times at
  // the chosen interval back: relative past positions (as it was seen from
  // own ship then) with relative vectors, its ground track with true ones.
  // Ages are counted on the server's clock, from when it was last seen.
  pastPositions(t) {
    if (!this.pastS || !Array.isArray(t.past)) return [];
    const now = Date.parse(t.last_seen);
    const reference = Number.isNaN(now) ? Date.now() : now;
    const ground = this.vectorMode() === 'true';
    const out = [];
    for (let k = 1; k <= PAST_DOTS; ++k) {
      let best = null, off = PAST_SLACK_S;
      for (const p of t.past) {
        const age = (reference - Date.parse(p?.t)) / 1000;
        if (Math.abs(age - k * this.pastS) <= off) [best, off] = [p, Math.abs(age - k * this.pastS)];
      }
      const at = best && (ground ? [best.ground_range_nm, best.ground_bearing_deg] : [best.range_nm, best.bearing_deg]);
      if (at && known(...at)) out.push(at);
    }
    return out;
  }

  // Seconds since the latest event; null before the first.
  ageS() {
    return this.at ? (performance.now() - this.at) / 1000 : null;
  }

  // Stale with the picture, or when the events stop while the picture goes on.
  stale() {
    if (!this.body) return false;
    return this.pictureStale() || performance.now() - this.at > STALE_MS + this.gap;
  }

  // Whether an unacknowledged alarm of `kind` is up for this target. An
  // alarm that names no target ("target": ID, or "subject": "target ID")
  // stands for every target of its kind.
  alarmed(target, kind) {
    const about = (a) => a.target ?? Number(/^target (\d+)$/.exec(a.subject ?? '')?.[1] ?? NaN);
    return this.alarms.some((a) => a.kind === kind && !a.acknowledged &&
      (Number.isNaN(about(a)) || about(a) === target.id));
  }

  flashing(t) {
    return (t.dangerous && this.alarmed(t, 'cpa')) || (t.status === 'lost' && this.alarmed(t, 'lost'));
  }

  tick() {
    this.flashOn = !this.flashOn;
    const stale = this.stale();
    if (stale !== this.wasStale) {
      this.wasStale = stale;
      this.changed();
    } else if (this.list().some((t) => this.flashing(t))) {
      this.ppi.invalidate();
    }
  }

  // Device pixels of a target on the picture; null when unknown.
  position(t, ppi = this.ppi) {
    return known(t.range_nm, t.bearing_deg) ? ppi.pointOf(...eastNorth(t.range_nm, t.bearing_deg)) : null;
  }

  // [course, speed] of the vector in the chosen mode; null when unknown.
  vector(t) {
    const v = this.vectorMode() === 'true' ? [t.course_deg, t.speed_kn] : [t.rel_course_deg, t.rel_speed_kn];
    return known(...v) ? v : null;
  }

  // The target whose symbol is nearest a point (device pixels) within reach.
  pick(x, y) {
    let best = null, nearest = PICK_PX * this.ppi.dpr;
    for (const t of this.list()) {
      const p = this.position(t);
      const d = p ? Math.hypot(p.x - x, p.y - y) : Infinity;
      if (d <= nearest) [best, nearest] = [t, d];
    }
    return best;
  }

  draw(g, ppi) {
    if (!this.body || !ppi.size) return;
    const d = ppi.dpr, stale = this.stale(), colours = this.colours();
    ppi.clip(g);
    g.lineCap = 'round';
    g.font = `${Math.round(11 * d)}px system-ui, sans-serif`;
    const own = this.own();
    if (this.vectorMode() === 'true' && own) this.line(g, ppi, [0, 0], own.course_deg, own.speed_kn,
      css(stale ? colours.stale : colours.target, 0.8), 1.5 * d);
    // The selected one last, over the others.
    const order = [...this.list()].sort((a, b) => (a.id === this.selected) - (b.id === this.selected));
    const dots = {};
    for (const t of order) dots[t.id] = this.drawPast(g, ppi, t, stale);
    ppi.overlay.dataset.pastDots = JSON.stringify(dots);
    const trial = this.trial();
    if (trial) this.drawTrial(g, ppi, trial, own, order, stale);
    ppi.overlay.dataset.trial = trial ? 'on' : 'off';
    for (const t of order) this.drawTarget(g, ppi, t, stale);
  }

  // Four dots where the target was; their count.
  drawPast(g, ppi, t, stale) {
    const palette = this.colours(), d = ppi.dpr;
    g.fillStyle = css(stale ? palette.stale : palette.target, 0.85);
    let drawn = 0;
    for (const [range, bearing] of this.pastPositions(t)) {
      const p = ppi.pointOf(...eastNorth(range, bearing));
      if (!p) continue;
      g.beginPath();
      g.arc(p.x, p.y, 2.2 * d, 0, 2 * Math.PI);
      g.fill();
      ++drawn;
    }
    return drawn;
  }

  // Own ship's trial vector (true: the present course for the delay, then
  // the trial's) and each target's relative motion under it, dashed.
  drawTrial(g, ppi, trial, own, targets, stale) {
    const d = ppi.dpr, palette = this.colours(), colour = css(stale ? palette.stale : ppi.theme.trial ?? palette.target);
    const now = known(own?.course_deg, own?.speed_kn) ? velocity(own.course_deg, own.speed_kn) : [0, 0];
    const tried = velocity(trial.course_deg, trial.speed_kn);
    const delay = Math.min(Math.max(known(trial.delay_min) ? trial.delay_min : 0, 0), this.minutes);
    g.setLineDash([6 * d, 4 * d]);
    this.path(g, ppi, [0, 0], [[now, delay], [tried, this.minutes - delay]], colour, 2 * d);
    const limits = this.body.limits;
    for (const t of targets) {
      if (t.status !== 'tracking' || t.relative_only || !known(t.course_deg, t.speed_kn, t.range_nm, t.bearing_deg)) {
        continue;
      }
      const v = velocity(t.course_deg, t.speed_kn);
      const rel = (o) => [v[0] - o[0], v[1] - o[1]];
      const danger = known(t.trial?.cpa_nm, t.trial?.tcpa_min, limits?.cpa_nm, limits?.tcpa_min) &&
        t.trial.cpa_nm < limits.cpa_nm && t.trial.tcpa_min >= 0 && t.trial.tcpa_min <= limits.tcpa_min;
      this.path(g, ppi, eastNorth(t.range_nm, t.bearing_deg), [[rel(now), delay], [rel(tried), this.minutes - delay]],
        danger && !stale ? css(palette.danger) : colour, 1.5 * d);
    }
    g.setLineDash([]);
    // Large, low on the picture and outlined: no one takes it for the real motion.
    const { cx, cy, R } = ppi.view, size = Math.round(ppi.size * 0.09);
    g.save();
    g.font = `800 ${size}px system-ui, sans-serif`;
    g.textAlign = 'center';
    g.textBaseline = 'middle';
    const y = Math.min(cy + 0.55 * R, ppi.size - size);
    g.lineWidth = 4 * d;
    g.strokeStyle = css(ppi.theme.echo[0], 0.8);
    g.strokeText('TRIAL', cx, y);
    g.fillStyle = css(ppi.theme.trial ?? palette.target, 0.85);
    g.fillText('TRIAL', cx, y);
    g.restore();
  }

  // A line from a point (NM east, north) through legs of [velocity (kn east,
  // north), minutes].
  path(g, ppi, [east, north], legs, style, width) {
    const start = ppi.pointOf(east, north);
    if (!start) return;
    g.strokeStyle = style;
    g.lineWidth = width;
    g.beginPath();
    g.moveTo(start.x, start.y);
    for (const [[ve, vn], minutes] of legs) {
      if (minutes <= 0) continue;
      [east, north] = [east + (ve * minutes) / 60, north + (vn * minutes) / 60];
      const p = ppi.pointOf(east, north);
      g.lineTo(p.x, p.y);
    }
    g.stroke();
  }

  // The palette's colours for targets (day: COLOURS).
  colours() {
    const theme = this.ppi.theme;
    return theme?.target ? { target: theme.target, danger: theme.danger, stale: theme.stale } : COLOURS;
  }

  // A vector of `minutes` at a course and speed from a point (NM east, north).
  line(g, ppi, [east, north], course, speed, style, width) {
    if (!known(course, speed)) return null;
    const [de, dn] = eastNorth((speed * this.minutes) / 60, course);
    const from = ppi.pointOf(east, north), to = ppi.pointOf(east + de, north + dn);
    if (!from || !to) return null;
    g.strokeStyle = style;
    g.lineWidth = width;
    g.beginPath();
    g.moveTo(from.x, from.y);
    g.lineTo(to.x, to.y);
    g.stroke();
    return to;
  }

  drawTarget(g, ppi, t, stale) {
    const p = this.position(t, ppi);
    if (!p) return;
    const d = ppi.dpr, r = SYMBOL_PX * d;
    const palette = this.colours();
    const colour = css(stale ? palette.stale : t.dangerous ? palette.danger : palette.target);
    const shown = stale || !this.flashing(t) || this.flashOn;
    const width = (t.dangerous ? 2.5 : 1.5) * d;
    g.setLineDash([]);
    if (shown && t.status !== 'lost' && t.status !== 'acquiring') {
      const v = this.vector(t);
      if (v) this.line(g, ppi, eastNorth(t.range_nm, t.bearing_deg), ...v, colour, width);
    }
    g.strokeStyle = g.fillStyle = colour;
    g.lineWidth = width;
    if (shown) {
      g.beginPath();
      if (t.status === 'acquiring') {
        // A broken circle: four quarter arcs with gaps.
        for (let k = 0; k < 4; ++k) {
          const a = (k * Math.PI) / 2;
          g.moveTo(p.x + r * Math.cos(a + 0.3), p.y + r * Math.sin(a + 0.3));
          g.arc(p.x, p.y, r, a + 0.3, a + Math.PI / 2 - 0.3);
        }
      } else if (t.dangerous) {
        const s = r * 1.35;
        g.moveTo(p.x, p.y - s);
        g.lineTo(p.x + s * 0.87, p.y + s * 0.5);
        g.lineTo(p.x - s * 0.87, p.y + s * 0.5);
        g.closePath();
      } else {
        g.arc(p.x, p.y, r, 0, 2 * Math.PI);
      }
      if (t.status === 'lost') {
        const x = r * 1.1;
        g.moveTo(p.x - x, p.y - x);
        g.lineTo(p.x + x, p.y + x);
        g.moveTo(p.x + x, p.y - x);
        g.lineTo(p.x - x, p.y + x);
      }
      g.stroke();
      g.fillText(String(t.id), p.x + r + 7 * d, p.y - r - 2 * d);
    }
    if (t.id === this.selected) this.brackets(g, p, r + 5 * d, 5 * d, d);
  }

  // Square brackets at the four corners of a box round the selected target.
  brackets(g, p, half, arm, d) {
    g.strokeStyle = css(this.colours().target);
    g.lineWidth = 1.5 * d;
    g.beginPath();
    for (const [sx, sy] of [[-1, -1], [1, -1], [1, 1], [-1, 1]]) {
      const x = p.x + sx * half, y = p.y + sy * half;
      g.moveTo(x - sx * arm, y);
      g.lineTo(x, y);
      g.lineTo(x, y - sy * arm);
    }
    g.stroke();
  }
}
