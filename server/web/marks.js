// The marks a navigator places on the picture: EBLs, VRMs and guard zones,
// drawn from the radar's announced values (or the one being dragged), taken
// hold of by a pointer near them, and moved to where the pointer is. All
// geometry is the picture's own view (ppi.js).

import { M_PER_NM, TURN, formatNm, formatBearing, known, wrap } from './units.js';
import { css } from './palettes.js';

const GRAB_PX = 22;  // CSS pixels: a pointer this near a mark takes hold of it
const LEAST_ARC = Math.PI / 180;  // a zone dragged keeps at least this arc: equal bearings would be the whole circle

// The signed turn from one bearing to another, -π to π (clockwise positive).
const turnBetween = (from, to) => ((to - from + 3 * Math.PI) % TURN) - Math.PI;

export class Marks {
  constructor(ppi) {
    this.ppi = ppi;
    this.preview = {};  // values being dragged, drawn instead of the announced ones
    this.selected = null;  // the mark the panel chose for dragging
  }

  // Draws every mark that is on; `words` gets each one's text.
  draw(g, words) {
    this.drawMarkers(g, words);
    this.drawZones(g, words);
  }

  // A control's value as drawn: the one being dragged, else the radar's.
  value(id) {
    return this.preview[id] ?? this.ppi.values[id];
  }

  setPreview(id, value) {
    if (value === null) delete this.preview[id];
    else this.preview[id] = value;
    this.ppi.overlayDirty = true;
  }

  select(id) {
    this.selected = id;
    this.ppi.overlayDirty = true;
  }

  // The true bearing of an EBL: relative ones are from the bow.
  eblBearing(value) {
    const relative = this.ppi.values.eblReference?.value === 1;
    return wrap(value + (relative ? this.ppi.heading ?? 0 : 0));
  }

  // The true bearings and distances (NM) of a guard zone's four corners.
  static corners(z) {
    const [b1, b2] = [z.value, z.endValue], [d1, d2] = [z.startDistance / M_PER_NM, z.endDistance / M_PER_NM];
    return [[b1, d1], [b1, d2], [b2, d1], [b2, d2]];
  }

  // The mark under a point (device pixels) within reach, or the one the
  // panel chose: {id, corner} for a guard zone's corner.
  grab(x, y) {
    if (this.ppi.perNm() === null) return null;
    const reach = GRAB_PX * this.ppi.dpr;
    let best = null, nearest = reach;
    const consider = (id, d, corner) => { if (d < nearest) [best, nearest] = [{ id, corner }, d]; };
    for (const n of [1, 2]) {
      const z = this.value(`guardZone${n}`);
      if (z?.enabled && known(z.startDistance)) {
        Marks.corners(z).forEach(([b, nm], corner) => {
          const p = this.ppi.at(b, nm);
          consider(`guardZone${n}`, Math.hypot(p.x - x, p.y - y) * 0.8, corner);
        });
      }
    }
    const at = this.ppi.polarAt(x, y, true), k = this.ppi.perNm();
    for (const n of [1, 2]) {
      const ebl = this.value(`ebl${n}`);
      if (ebl?.enabled && known(ebl.value)) {
        const off = Math.abs(((at.bearing - this.eblBearing(ebl.value) + 3 * Math.PI) % TURN) - Math.PI);
        if (off < Math.PI / 2 && at.rangeNm * k > reach) consider(`ebl${n}`, Math.sin(off) * at.rangeNm * k);
      }
      const vrm = this.value(`vrm${n}`);
      if (vrm?.enabled && known(vrm.value)) consider(`vrm${n}`, Math.abs(at.rangeNm - vrm.value / M_PER_NM) * k);
    }
    if (!best && this.selected && !this.selected.startsWith('guardZone')) return { id: this.selected };
    return best;
  }

  // The value a held mark takes with the pointer at a point (device pixels).
  dragValue(hold, x, y) {
    const at = this.ppi.polarAt(x, y, true);
    const old = this.value(hold.id) || {};
    const bearing = Math.round((at.bearing * 1800) / Math.PI) * (Math.PI / 1800);  // tenths of a degree
    const metres = Math.round(Math.min(at.rangeNm, this.ppi.rangeNm()) * 1000) * (M_PER_NM / 1000);
    if (hold.id.startsWith('ebl')) {
      const relative = this.ppi.values.eblReference?.value === 1;
      return { ...old, enabled: true, value: wrap(bearing - (relative ? this.ppi.heading ?? 0 : 0)) };
    }
    if (hold.id.startsWith('vrm')) return { ...old, enabled: true, value: metres };
    const z = { ...old };
    z[hold.corner % 2 === 0 ? 'startDistance' : 'endDistance'] = metres;
    // The arc follows the corner as it turns, never through 360° at once:
    // a corner dragged past the other makes it the other end of a small arc.
    // Equal bearings (a zone never set) open from nothing.
    let end = hold.corner >= 2;
    const fixed = end ? z.value : z.endValue;
    let arc = wrap(z.endValue - z.value);
    if (arc < 1e-6 || TURN - arc < 1e-6) arc = 0;
    const moved = turnBetween(end ? z.endValue : z.value, bearing);
    arc += end ? moved : -moved;
    if (arc < 0) {
      [end, arc] = [!end, -arc];
      hold.corner ^= 2;
    }
    arc = Math.min(Math.max(arc, LEAST_ARC), TURN - LEAST_ARC);
    if (end) Object.assign(z, { value: fixed, endValue: wrap(fixed + arc) });
    else Object.assign(z, { value: wrap(fixed - arc), endValue: fixed });
    return z;
  }

  drawMarkers(g, words) {
    const d = this.ppi.dpr, t = this.ppi.theme, { cx, cy, R } = this.ppi.view;
    const k = this.ppi.perNm();
    for (const n of [1, 2]) {
      const id = `ebl${n}`, ebl = this.value(id);
      if (ebl?.enabled && known(ebl.value)) {
        const bearing = this.eblBearing(ebl.value), thick = this.selected === id || id in this.preview;
        this.ppi.spoke(g, bearing, css(t.marker), (thick ? 2.5 : 1.5) * d, [8 * d, 5 * d]);
        const text = `EBL${n} ${formatBearing(bearing)}`;
        this.label(g, text, bearing, 0.55 * R, t.marker);
        words.push(text);
      }
    }
    for (const n of [1, 2]) {
      const id = `vrm${n}`, vrm = this.value(id);
      if (vrm?.enabled && known(vrm.value)) {
        const nm = vrm.value / M_PER_NM, r = nm * k;
        g.strokeStyle = css(t.marker);
        g.lineWidth = (this.selected === id || id in this.preview ? 2.5 : 1.5) * d;
        g.setLineDash([8 * d, 5 * d]);
        g.beginPath();
        g.arc(cx, cy, r, 0, TURN);
        g.stroke();
        g.setLineDash([]);
        const text = `VRM${n} ${formatNm(nm)}`;
        // Inside its ring, below and right of own ship (above, when off
        // centre puts that part out of the picture): never cut at the rim.
        let a = Math.PI / 4 + (n - 1) * 0.35;
        if (cy + r * Math.sin(a) + 14 * d > this.ppi.size) a = -a;
        const x = cx + r * Math.cos(a), y = cy + r * Math.sin(a);
        this.text(g, text, x - 6 * d, y + (a > 0 ? -8 : 10) * d, t.marker, 'right');
        words.push(text);
      }
    }
  }

  // Text beside a spoke at a distance from own ship, on the side that reads.
  label(g, text, bearing, r, colour) {
    const a = this.ppi.angleOf(bearing), d = this.ppi.dpr, { cx, cy } = this.ppi.view;
    const x = cx + r * Math.cos(a), y = cy + r * Math.sin(a);
    // On the side of the line that faces outward, turned back inside the
    // square when it would leave it.
    const width = g.measureText(text).width;
    let right = Math.cos(a) >= 0;
    if (right && x + 8 * d + width > this.ppi.size) right = false;
    else if (!right && x - 8 * d - width < 0) right = true;
    this.text(g, text, x + (right ? 8 : -8) * d, y - 10 * d, colour, right ? 'left' : 'right');
  }

  // Text with a dark edge, readable over echo.
  text(g, text, x, y, colour, align) {
    g.textAlign = align;
    g.lineWidth = 3 * this.ppi.dpr;
    g.strokeStyle = css(this.ppi.theme.echo[0], 0.9);
    g.strokeText(text, x, y);
    g.fillStyle = css(colour);
    g.fillText(text, x, y);
  }

  drawZones(g, words) {
    const d = this.ppi.dpr, t = this.ppi.theme, { cx, cy } = this.ppi.view, k = this.ppi.perNm();
    for (const n of [1, 2]) {
      const z = this.value(`guardZone${n}`);
      if (!z?.enabled || !known(z.value) || !known(z.startDistance)) continue;
      const inner = (Math.min(z.startDistance, z.endDistance) / M_PER_NM) * k;
      const outer = (Math.max(z.startDistance, z.endDistance) / M_PER_NM) * k;
      const a1 = this.ppi.angleOf(z.value);
      const whole = Math.abs(wrap(z.endValue) - wrap(z.value)) < 1e-6;
      const a2 = whole ? a1 + TURN : this.ppi.angleOf(z.endValue);
      g.beginPath();
      g.arc(cx, cy, outer, a1, a2, false);
      g.arc(cx, cy, inner, a2, a1, true);
      g.closePath();
      g.fillStyle = css(t.guard, 0.12);
      g.strokeStyle = css(t.guard, 0.9);
      g.lineWidth = (`guardZone${n}` in this.preview ? 2.5 : 1.5) * d;
      g.fill();
      g.stroke();
      g.fillStyle = css(t.guard);
      for (const [b, nm] of Marks.corners(z)) {
        const p = this.ppi.at(b, nm), s = 4 * d;
        g.fillRect(p.x - s, p.y - s, 2 * s, 2 * s);
      }
      const text = `Guard zone ${n} ${formatBearing(z.value)}–${formatBearing(z.endValue)} ` +
        `${formatNm(z.startDistance / M_PER_NM)}–${formatNm(z.endDistance / M_PER_NM)}`;
      const mid = this.ppi.at(z.value + wrap(z.endValue - z.value) / 2 + (whole ? Math.PI : 0),
        Math.max(z.startDistance, z.endDistance) / M_PER_NM);
      this.text(g, `G${n}`, mid.x, mid.y - 10 * d, t.guard, 'center');
      words.push(text);
    }
  }
}
