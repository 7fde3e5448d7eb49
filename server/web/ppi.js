// The plan position indicator: echo lines painted into a north-up image of
// the current revolution, and the marks (bearing scale, rings, heading line,
// EBL, VRM, guard zones, the cursor, and the layers others add, such as the
// targets) on a second canvas above it.
//
// The geometry lives here alone, in one view: own ship's place on the
// picture, pixels per mile and the bearing at the top. The echo image is
// turned and moved to it by a CSS transform (its pixels outside the circle
// are transparent, so only the disc turns); every mark, click and readout
// goes through the same view, so they agree with the picture.

import { M_PER_NM, TURN, formatNm, formatRangeNm, known, ringSpacing, wrap } from './units.js';
import { css, themeOf } from './palettes.js';
import { Marks } from './marks.js';

export { formatNm };

const BEARINGS = 8192;
const FILL_STEP = 8;  // a line this many bearings ahead of the one before also fills the gap
const TOP_LEVEL = 15;
const LARGEST_SIDE = 2048;  // device pixels; beyond this the picture is scaled up by the browser
const SCALE_PX = 28;  // CSS pixels round the picture for the bearing scale (its labels kept inside the square)
const OFF_CENTRE = 0.75;  // own ship this far down the picture when off centre

// The colours of `radarctl render`, used only until /api/display answers.
export const FALLBACK_DISPLAY = {
  palette: [
    [6, 14, 22], [96, 52, 0], [140, 72, 0], [184, 96, 8], [224, 124, 16],
    [255, 160, 32], [255, 200, 48], [255, 240, 96], [12, 34, 64], [14, 46, 84],
    [16, 60, 104], [18, 78, 124], [20, 100, 140], [24, 126, 150], [30, 156, 150],
    [40, 190, 140],
  ],
  background: [0, 0, 0], ring: [70, 100, 90], heading: [200, 200, 200],
  ranges_nm: [0.125, 0.25, 0.5, 0.75, 1, 1.5, 2, 3, 4, 6, 8, 12, 16, 24, 32, 48, 64, 96],
  sweeps: 8192, samples: 512,
};

// Calls onLine(sweep, offset, scale, count, bytes, start) for each line of a
// binary frame: u16 line count, then per line u16 sweep, u16 bearing offset,
// u16 scale code, u16 sample count n and n level bytes, all little-endian.
// A truncated line ends the frame. Returns the number of lines read.
export function decodeLines(buffer, onLine) {
  const view = new DataView(buffer);
  const bytes = new Uint8Array(buffer);
  if (view.byteLength < 2) return 0;
  const count = view.getUint16(0, true);
  let at = 2, read = 0;
  for (; read < count; ++read) {
    if (at + 8 > view.byteLength) break;
    const sweep = view.getUint16(at, true);
    const offset = view.getUint16(at + 2, true);
    const scale = view.getUint16(at + 4, true);
    const n = view.getUint16(at + 6, true);
    at += 8;
    if (at + n > view.byteLength) break;
    onLine(sweep, offset, scale, n, bytes, at);
    at += n;
  }
  return read;
}

const rgba = ([r, g, b], a = 255) => ((a << 24) | (b << 16) | (g << 8) | r) >>> 0;

export class Ppi {
  // describe(lines): told the marks drawn, in words, whenever they change.
  constructor(canvas, overlay, display = FALLBACK_DISPLAY, describe = () => {}) {
    this.canvas = canvas;
    this.overlay = overlay;
    this.describe = describe;
    this.described = '';
    this.ctx = canvas.getContext('2d');
    this.octx = overlay.getContext('2d');
    this.samples = 512;
    this.levels = null;  // bearings x samples: the last level seen at each bearing
    this.counts = new Uint16Array(BEARINGS);  // sample count of each bearing's line
    this.previous = -1;  // bearing of the line before, none yet
    this.scale = -1;  // scale code of the latest line
    this.values = {};  // the controls' values, as the radar announced them
    this.heading = null;  // radians true, null unknown
    this.course = null;
    this.orientation = 'north';  // 'north' | 'head' | 'course'
    this.courseUp = null;  // the course course up holds (radians true): the one of the moment it was chosen
    this.offCentre = false;
    this.cursor = null;  // {bearing, nm}: where the readout was taken, marked until the next
    this.size = 0;  // the overlay's side, device pixels
    this.imageSize = 0;
    this.dpr = 1;
    this.imageDirty = false;
    this.overlayDirty = true;
    this.layers = [];
    this.marks = new Marks(this);
    this.themeName = 'day';
    this.setDisplay(display);
    const frame = () => { this.draw(); requestAnimationFrame(frame); };
    requestAnimationFrame(frame);
  }

  setDisplay(display) {
    this.display = { ...FALLBACK_DISPLAY, ...display };
    if (this.display.samples !== this.samples || !this.levels) {
      this.samples = this.display.samples || 512;
      this.levels = new Uint8Array(BEARINGS * this.samples);
      this.counts.fill(0);
    }
    this.setTheme(this.themeName);
  }

  setTheme(name) {
    this.themeName = name;
    this.theme = themeOf(name, this.display);
    this.colours = new Uint32Array(16);
    for (let i = 0; i < 16; ++i) this.colours[i] = rgba(this.theme.echo[i] || [0, 0, 0]);
    this.repaint();
    this.overlayDirty = true;
  }

  // Sizes the overlay to a square of `side` CSS pixels; the echo image
  // follows the view.
  resize(side, dpr = 1) {
    const size = Math.max(1, Math.min(LARGEST_SIDE, Math.round(side * dpr)));
    this.overlay.style.width = this.overlay.style.height = `${side}px`;
    this.side = side;
    this.dpr = size / side;
    if (size !== this.size) {
      this.size = size;
      this.overlay.width = this.overlay.height = size;
    }
    this.layout();
  }

  // ---- The view: the only place that knows where things are --------------

  // Own ship's place (device pixels), the radius of the range (device pixels)
  // and the bearing (radians true) at the top of the picture.
  layout() {
    if (!this.size) return;
    const S = this.size, margin = SCALE_PX * this.dpr;
    const cy = this.offCentre ? S * OFF_CENTRE : S / 2;
    this.view = { cx: S / 2, cy, R: Math.max(1, cy - margin), rot: this.rotation() };
    // The echo image: as many pixels as the disc covers, up to the limit.
    const image = Math.max(2, Math.min(LARGEST_SIDE, Math.round(2 * this.view.R)));
    if (image !== this.imageSize) {
      this.imageSize = image;
      this.canvas.width = this.canvas.height = image;
      this.image = new ImageData(image, image);
      this.pixels = new Uint32Array(this.image.data.buffer);
      this.buildTable(image);
      this.repaint();
    }
    this.place();
    this.overlayDirty = true;
  }

  place() {
    const { cx, cy, R, rot } = this.view, d = this.dpr;
    const c = this.canvas.style;
    c.width = c.height = `${(2 * R) / d}px`;
    c.transform = `translate(${(cx - R) / d}px, ${(cy - R) / d}px) rotate(${-rot}rad)`;
    // For whoever needs the geometry in CSS pixels (the tests among them).
    Object.assign(this.overlay.dataset, {
      centreX: (cx / d).toFixed(2), centreY: (cy / d).toFixed(2), radius: (R / d).toFixed(2),
      rotation: ((rot * 180) / Math.PI).toFixed(2), rangeNm: String(this.rangeNm() ?? ''),
    });
  }

  // The bearing at the top of the picture: north, own heading, or the course
  // held for course up. The echo's bearings are counted from the bow and
  // made true with the heading: without a heading the picture is head up
  // whatever was chosen, its bearings relative (the panel says so).
  rotation() {
    if (!known(this.heading)) return 0;
    if (this.orientation === 'head') return this.heading;
    if (this.orientation === 'course') return this.courseUp ?? this.heading;
    return 0;
  }

  // What the picture really shows at the top: 'north', 'head', 'course', or
  // 'relative' (head up for want of a heading).
  shownOrientation() {
    return known(this.heading) ? this.orientation : 'relative';
  }

  setOrientation(orientation, offCentre) {
    if (orientation === 'course' && this.orientation !== 'course') this.courseUp = null;
    this.orientation = orientation;
    this.offCentre = offCentre;
    this.holdCourse(false);
    this.layout();
  }

  // Course up holds a course: the one over ground when it was chosen (the
  // heading when that is unknown), taken again on `again` (the reset button),
  // not the course of every moment, which would swing the picture through a turn.
  holdCourse(again) {
    if (this.orientation !== 'course') return;
    if (again || this.courseUp === null) {
      this.courseUp = known(this.course) ? this.course : known(this.heading) ? this.heading : null;
    }
    this.turn();
  }

  turn() {
    const rot = this.rotation();
    if (this.view && rot !== this.view.rot) {
      this.view.rot = rot;
      this.place();
    }
    this.overlayDirty = true;
  }

  // Own heading and course over ground (radians true, null unknown).
  setMotion(heading, course) {
    if (heading === this.heading && course === this.course) return;
    this.heading = heading;
    this.course = course;
    this.holdCourse(false);
    this.turn();
  }

  // The spacing of the rings (NM), null while they are off or the range is unknown.
  rings() {
    const range = this.rangeNm();
    return this.values.rings?.value === 1 && range ? ringSpacing(range) : null;
  }

  // Device pixels per NM; null before the range is known.
  perNm() {
    const range = this.rangeNm();
    return range && this.view ? this.view.R / range : null;
  }

  // Device pixels of a point at a true bearing (radians) and distance (NM).
  at(bearing, nm) {
    const k = this.perNm();
    if (k === null) return null;
    const a = bearing - this.view.rot;
    return { x: this.view.cx + nm * k * Math.sin(a), y: this.view.cy - nm * k * Math.cos(a) };
  }

  // Device pixels of a point east and north of own ship (NM); null before
  // the range is known. Points outside the picture are given too.
  pointOf(eastNm, northNm) {
    return this.at(Math.atan2(eastNm, northNm), Math.hypot(eastNm, northNm));
  }

  // The canvas's angle of a true bearing (for arcs).
  angleOf(bearing) {
    return bearing - this.view.rot - Math.PI / 2;
  }

  // A point given in client pixels, as the overlay's device pixels.
  devicePoint(clientX, clientY) {
    const box = this.overlay.getBoundingClientRect();
    const k = this.size / box.width;
    return { x: (clientX - box.left) * k, y: (clientY - box.top) * k };
  }

  // Range (NM) and true bearing (degrees, and `bearing` in radians) of a
  // point in device pixels; null outside the picture or before its range is
  // known, unless `anywhere`.
  polarAt(x, y, anywhere = false) {
    const k = this.perNm();
    if (k === null) return null;
    const dx = x - this.view.cx, dy = this.view.cy - y;
    const r = Math.hypot(dx, dy);
    if (!anywhere && r > this.view.R) return null;
    const bearing = wrap(Math.atan2(dx, dy) + this.view.rot);
    return { rangeNm: r / k, bearing, bearingDeg: (bearing * 180) / Math.PI };
  }

  // Range (NM) and bearing (degrees) under a point given in client pixels.
  readout(clientX, clientY) {
    const p = this.devicePoint(clientX, clientY);
    return this.polarAt(p.x, p.y);
  }

  // The range of the picture: that of the latest line's scale code, or of the
  // radar's range before any line has come.
  rangeNm() {
    const ranges = this.display.ranges_nm;
    if (this.scale >= 0 && this.scale < ranges.length) return ranges[this.scale];
    const m = this.values.range?.value;
    return known(m) && m > 0 ? m / M_PER_NM : null;
  }

  // ---- The echo ------------------------------------------------------------

  // The polar lookup table: for each bearing, the pixels nearest to it and
  // how far out each lies (0 centre, 1 rim), inside the disc only.
  buildTable(size) {
    const c = size / 2 - 0.5, radius = size / 2, limit = radius * radius;
    const perRadian = BEARINGS / TURN;
    const bearingOf = new Int16Array(size * size).fill(-1);
    const start = new Uint32Array(BEARINGS + 1);
    for (let y = 0, i = 0; y < size; ++y) {
      const dy = c - y;
      for (let x = 0; x < size; ++x, ++i) {
        const dx = x - c;
        if (dx * dx + dy * dy > limit) continue;
        const turn = Math.round(Math.atan2(dx, dy) * perRadian);
        const b = ((turn % BEARINGS) + BEARINGS) % BEARINGS;
        bearingOf[i] = b;
        ++start[b + 1];
      }
    }
    for (let b = 0; b < BEARINGS; ++b) start[b + 1] += start[b];
    const pix = new Uint32Array(start[BEARINGS]);
    const frac = new Float32Array(start[BEARINGS]);
    const next = start.slice(0, BEARINGS);
    for (let i = 0; i < bearingOf.length; ++i) {
      const b = bearingOf[i];
      if (b < 0) continue;
      const k = next[b]++;
      pix[k] = i;
      const dx = (i % size) - c, dy = c - Math.floor(i / size);
      frac[k] = Math.sqrt(dx * dx + dy * dy) / radius;
    }
    this.table = { start, pix, frac };
  }

  // One line from the stream. Its levels go to its bearing; when the line
  // before was 2 to FILL_STEP bearings behind, the bearings between take the
  // same levels, so lines every few sweeps leave no dark spokes.
  addLine(sweep, offset, scale, n, bytes, at) {
    if (scale !== this.scale) {
      if (this.scale >= 0) this.clear();
      this.scale = scale;
      this.overlayDirty = true;
      if (this.view) this.place();
    }
    const samples = this.samples;
    const count = Math.min(n, samples);
    const bearing = (sweep + offset) % BEARINGS;
    const row = bearing * samples;
    const levels = this.levels;
    for (let i = 0; i < count; ++i) {
      const v = bytes[at + i];
      levels[row + i] = v > TOP_LEVEL ? TOP_LEVEL : v;
    }
    levels.fill(0, row + count, row + samples);
    this.counts[bearing] = count;
    this.paint(bearing);
    if (this.previous >= 0) {
      const step = (bearing - this.previous + BEARINGS) % BEARINGS;
      if (step >= 2 && step <= FILL_STEP) {
        for (let k = 1; k < step; ++k) {
          const between = (this.previous + k) % BEARINGS;
          levels.copyWithin(between * samples, row, row + samples);
          this.counts[between] = count;
          this.paint(between);
        }
      }
    }
    this.previous = bearing;
  }

  // Colours the pixels of one bearing from its stored levels.
  paint(bearing) {
    if (!this.table) return;
    const { start, pix, frac } = this.table;
    const n = this.counts[bearing], row = bearing * this.samples;
    const levels = this.levels, colours = this.colours, pixels = this.pixels;
    const background = colours[0];
    for (let k = start[bearing], end = start[bearing + 1]; k < end; ++k) {
      if (n === 0) { pixels[pix[k]] = background; continue; }
      let s = (frac[k] * n) | 0;
      if (s >= n) s = n - 1;
      pixels[pix[k]] = colours[levels[row + s]];
    }
    this.imageDirty = true;
  }

  repaint() {
    if (!this.table) return;
    for (let b = 0; b < BEARINGS; ++b) this.paint(b);
  }

  clear() {
    this.levels.fill(0);
    this.counts.fill(0);
    this.previous = -1;
    this.repaint();
  }

  // ---- The marks -----------------------------------------------------------

  setValues(values) {
    this.values = values;
    this.overlayDirty = true;
    if (this.view) this.place();
  }

  setCursor(cursor) {
    this.cursor = cursor;
    this.overlayDirty = true;
  }

  // Drawings of others on the overlay, called with (context, ppi) after its own.
  addLayer(draw) {
    this.layers.push(draw);
    this.overlayDirty = true;
  }

  invalidate() {
    this.overlayDirty = true;
  }

  // Clips a context to the picture's disc.
  clip(g) {
    g.beginPath();
    g.arc(this.view.cx, this.view.cy, this.view.R, 0, TURN);
    g.clip();
  }

  draw() {
    if (!this.image) return;
    if (this.imageDirty) {
      this.ctx.putImageData(this.image, 0, 0);
      this.imageDirty = false;
    }
    if (this.overlayDirty) {
      this.overlayDirty = false;
      this.drawOverlay();
    }
  }

  drawOverlay() {
    const g = this.octx, d = this.dpr, t = this.theme, words = [];
    const { cx, cy, R } = this.view;
    g.clearRect(0, 0, this.size, this.size);
    g.lineWidth = d;
    g.font = `${Math.round(12 * d)}px system-ui, sans-serif`;
    g.textBaseline = 'middle';
    this.drawScale(g);
    const range = this.rangeNm();
    g.save();
    this.clip(g);
    const spacing = this.rings();
    if (spacing) {
      // Rings at round distances, each inside the rim labelled.
      g.textAlign = 'left';
      for (let k = 1; k * spacing <= range + 1e-9; ++k) {
        const r = (R * k * spacing) / range;
        g.strokeStyle = css(t.ring);
        g.beginPath();
        g.arc(cx, cy, r, 0, TURN);
        g.stroke();
        if (k * spacing < range - 1e-9) {
          g.fillStyle = css(t.text, 0.8);
          g.fillText(formatRangeNm(k * spacing), cx + 4 * d, cy - r - 7 * d);
        }
      }
    }
    // The heading line: own heading, or the top of the picture when unknown.
    const heading = known(this.heading) ? this.heading : this.view.rot;
    this.spoke(g, heading, css(t.heading, 0.85), 1.5 * d);
    this.ownShip(g, heading);
    if (range) this.marks.draw(g, words);
    if (this.cursor && range) {
      const p = this.at(this.cursor.bearing, this.cursor.nm), s = 7 * d;
      g.strokeStyle = css(t.cursor);
      g.lineWidth = 1.5 * d;
      g.beginPath();
      g.moveTo(p.x - s, p.y); g.lineTo(p.x + s, p.y);
      g.moveTo(p.x, p.y - s); g.lineTo(p.x, p.y + s);
      g.stroke();
    }
    g.restore();
    for (const draw of this.layers) {
      g.save();
      draw(g, this);
      g.restore();
    }
    const text = words.join('\n');
    if (text !== this.described) this.describe((this.described = text) ? words : []);
  }

  // Own ship at its place: a hull along the heading, seen at any range.
  ownShip(g, heading) {
    const { cx, cy } = this.view, d = this.dpr, a = heading - this.view.rot;
    const [c, s] = [Math.cos(a), Math.sin(a)];
    const half = 9 * d, beam = 3.5 * d;  // CSS pixels: a symbol, not to scale
    const hull = [[0, half], [beam, half / 3], [beam * 0.8, -half], [-beam * 0.8, -half], [-beam, half / 3]];
    g.beginPath();
    hull.forEach(([x, y], i) => g[i ? 'lineTo' : 'moveTo'](cx + x * c + y * s, cy - (y * c - x * s)));
    g.closePath();
    g.lineWidth = 3 * d;
    g.strokeStyle = css(this.theme.echo[0], 0.9);
    g.stroke();
    g.lineWidth = 1.5 * d;
    g.strokeStyle = css(this.theme.heading);
    g.stroke();
  }

  spoke(g, bearing, style, width, dash = []) {
    const end = this.at(bearing, this.rangeNm() ?? 1) ?? {
      x: this.view.cx + this.view.R * Math.sin(bearing - this.view.rot),
      y: this.view.cy - this.view.R * Math.cos(bearing - this.view.rot),
    };
    g.strokeStyle = style;
    g.lineWidth = width;
    g.setLineDash(dash);
    g.beginPath();
    g.moveTo(this.view.cx, this.view.cy);
    g.lineTo(end.x, end.y);
    g.stroke();
    g.setLineDash([]);
  }

  // Ticks every 5 and 10 degrees outside the rim, true bearings every 30,
  // turning with the picture.
  drawScale(g) {
    const { cx, cy, R } = this.view, d = this.dpr, t = this.theme;
    g.strokeStyle = css(t.scale);
    g.fillStyle = css(t.scaleText);
    g.textAlign = 'center';
    g.beginPath();
    g.arc(cx, cy, R, 0, TURN);
    for (let deg = 0; deg < 360; deg += 5) {
      const a = this.angleOf((deg * Math.PI) / 180), long = deg % 10 === 0 ? 7 : 4;
      const [c, s] = [Math.cos(a), Math.sin(a)];
      g.moveTo(cx + R * c, cy + R * s);
      g.lineTo(cx + (R + long * d) * c, cy + (R + long * d) * s);
      if (deg % 30 === 0) {
        const r = R + 14 * d;
        g.fillText(String(deg).padStart(3, '0'), cx + r * c, cy + r * s);
      }
    }
    g.stroke();
  }

}
