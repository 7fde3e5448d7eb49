// The plan position indicator: echo lines painted into an image of the
// current revolution, and the overlays (rings, heading, EBL, VRM, guard zones,
// and the layers others add, such as the targets) on a second canvas above it.

const BEARINGS = 8192;
const FILL_STEP = 8;  // a line this many bearings ahead of the one before also fills the gap
const TOP_LEVEL = 15;
const LARGEST_SIDE = 2048;  // device pixels; beyond this the picture is scaled up by the browser

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
const css = ([r, g, b], a = 1) => `rgba(${r},${g},${b},${a})`;

export class Ppi {
  constructor(canvas, overlay, display = FALLBACK_DISPLAY) {
    this.canvas = canvas;
    this.overlay = overlay;
    this.ctx = canvas.getContext('2d');
    this.octx = overlay.getContext('2d');
    this.samples = 512;
    this.levels = null;  // bearings x samples: the last level seen at each bearing
    this.counts = new Uint16Array(BEARINGS);  // sample count of each bearing's line
    this.previous = -1;  // bearing of the line before, none yet
    this.scale = -1;  // scale code of the latest line
    this.settings = {};
    this.size = 0;
    this.dpr = 1;
    this.imageDirty = false;
    this.overlayDirty = true;
    this.layers = [];
    this.setDisplay(display);
    const frame = () => { this.draw(); requestAnimationFrame(frame); };
    requestAnimationFrame(frame);
  }

  setDisplay(display) {
    this.display = { ...FALLBACK_DISPLAY, ...display };
    this.colours = new Uint32Array(16);
    for (let i = 0; i < 16; ++i) this.colours[i] = rgba(this.display.palette[i] || [0, 0, 0]);
    if (this.display.samples !== this.samples || !this.levels) {
      this.samples = this.display.samples || 512;
      this.levels = new Uint8Array(BEARINGS * this.samples);
      this.counts.fill(0);
    }
    this.canvas.style.background = css(this.display.background);
    this.repaint();
  }

  // Sizes both canvases to a square of `side` CSS pixels and rebuilds the
  // polar lookup table: for each bearing, the pixels nearest to it and how far
  // out each lies (0 centre, 1 rim).
  resize(side, dpr = 1) {
    const size = Math.max(1, Math.min(LARGEST_SIDE, Math.round(side * dpr)));
    for (const c of [this.canvas, this.overlay]) {
      c.style.width = c.style.height = `${side}px`;
    }
    if (size === this.size) return;
    this.size = size;
    this.dpr = size / side;
    this.canvas.width = this.canvas.height = this.overlay.width = this.overlay.height = size;
    this.image = new ImageData(size, size);
    this.pixels = new Uint32Array(this.image.data.buffer);
    this.buildTable(size);
    this.repaint();
    this.overlayDirty = true;
  }

  buildTable(size) {
    const c = size >> 1, radius = size / 2, limit = radius * radius;
    const perRadian = BEARINGS / (2 * Math.PI);
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

  setSettings(settings) {
    this.settings = settings;
    this.overlayDirty = true;
  }

  // The range of the picture: that of the latest line's scale code, or of the
  // range setting before any line has come.
  rangeNm() {
    const ranges = this.display.ranges_nm;
    if (this.scale >= 0 && this.scale < ranges.length) return ranges[this.scale];
    const step = this.settings.RadarRange?.values?.[0];
    return step !== undefined && step < ranges.length ? ranges[step] : null;
  }

  // The picture's geometry, in one place: north up, own ship at the centre.
  // A point given in client pixels, as the canvas's device pixels.
  devicePoint(clientX, clientY) {
    const box = this.overlay.getBoundingClientRect();
    const k = this.size / box.width;
    return { x: (clientX - box.left) * k, y: (clientY - box.top) * k };
  }

  // Range (NM) and true bearing (degrees) of a point in device pixels; null
  // outside the picture or before its range is known.
  polarAt(x, y) {
    const half = this.size / 2, range = this.rangeNm();
    const dx = x - half, dy = half - y;
    const r = Math.hypot(dx, dy) / half;
    if (r > 1 || range === null || !this.size) return null;
    const bearing = ((Math.atan2(dx, dy) * 180) / Math.PI + 360) % 360;
    return { rangeNm: r * range, bearingDeg: bearing };
  }

  // Device pixels of a point east and north of own ship (NM); null before
  // the range is known. Points outside the picture are given too.
  pointOf(eastNm, northNm) {
    const half = this.size / 2, range = this.rangeNm();
    if (range === null || !this.size) return null;
    return { x: half + (eastNm / range) * half, y: half - (northNm / range) * half };
  }

  // Range (NM) and bearing (degrees) under a point given in client pixels.
  readout(clientX, clientY) {
    const p = this.devicePoint(clientX, clientY);
    return this.polarAt(p.x, p.y);
  }

  // Drawings of others on the overlay, called with (context, ppi) after its own.
  addLayer(draw) {
    this.layers.push(draw);
    this.overlayDirty = true;
  }

  invalidate() {
    this.overlayDirty = true;
  }

  draw() {
    if (!this.image) return;
    if (this.imageDirty) {
      this.ctx.putImageData(this.image, 0, 0);
      this.imageDirty = false;
    }
    if (this.overlayDirty) {
      this.drawOverlay();
      this.overlayDirty = false;
    }
  }

  drawOverlay() {
    const g = this.octx, size = this.size, d = this.dpr;
    const c = size / 2, R = size / 2 - d;
    const s = this.settings, range = this.rangeNm();
    const values = (stem) => s[stem]?.values || [];
    const toCanvas = (deg) => ((deg - 90) * Math.PI) / 180;
    const toRadius = (tenThousandths) =>
      range ? (tenThousandths / 10000 / range) * (size / 2) : null;
    const spoke = (deg) => {
      g.beginPath();
      g.moveTo(c, c);
      g.lineTo(c + R * Math.cos(toCanvas(deg)), c + R * Math.sin(toCanvas(deg)));
      g.stroke();
    };
    g.clearRect(0, 0, size, size);
    g.lineWidth = d;
    g.font = `${Math.round(11 * d)}px system-ui, sans-serif`;

    if (values('RadarRings')[1] === 1) {
      g.strokeStyle = g.fillStyle = css(this.display.ring);
      for (let k = 1; k <= 4; ++k) {
        g.beginPath();
        g.arc(c, c, (R * k) / 4, 0, 2 * Math.PI);
        g.stroke();
        if (range && k < 4) g.fillText(formatNm((range * k) / 4), c + 3 * d, c - (R * k) / 4 - 3 * d);
      }
    }

    const course = values('OwnCourse')[1];
    g.strokeStyle = css(this.display.heading, 0.8);
    spoke(course !== undefined ? course / 10 : 0);

    g.setLineDash([6 * d, 4 * d]);
    g.strokeStyle = g.fillStyle = 'rgba(150, 190, 200, 0.85)';
    for (const n of [1, 2]) {
      const ebl = values(`RadarEBL/${n}`);
      if (ebl[1] === 1) {
        const deg = ebl[3] / 10;
        spoke(deg);
        const a = toCanvas(deg), at = R * 0.8;
        g.fillText(`EBL${n}`, c + at * Math.cos(a) + 4 * d, c + at * Math.sin(a) - 4 * d);
      }
      const vrm = values(`RadarVRM/${n}`);
      const r = toRadius(vrm[3]);
      if (vrm[1] !== undefined && vrm[1] !== 0 && r !== null && r <= R) {
        g.beginPath();
        g.arc(c, c, r, 0, 2 * Math.PI);
        g.stroke();
        g.textAlign = 'right';
        g.fillText(`VRM${n} ${formatNm(vrm[3] / 10000)}`, c + r * 0.707 - 3 * d, c + r * 0.707);
        g.textAlign = 'left';
      }
    }
    g.setLineDash([]);

    for (const n of [1, 2]) {
      const [setting, , b1, b2, d1, d2] = values(`RadarGuard/${n}`);
      if (setting !== 1 || range === null) continue;
      const inner = Math.min(R, toRadius(Math.min(d1, d2)));
      const outer = Math.min(R, toRadius(Math.max(d1, d2)));
      const a1 = toCanvas(b1 / 10);
      const a2 = b1 === b2 ? a1 + 2 * Math.PI : toCanvas(b2 / 10);
      g.beginPath();
      g.arc(c, c, outer, a1, a2, false);
      g.arc(c, c, inner, a2, a1, true);
      g.closePath();
      g.fillStyle = 'rgba(200, 60, 40, 0.12)';
      g.strokeStyle = 'rgba(220, 80, 60, 0.8)';
      g.fill();
      g.stroke();
    }
    for (const draw of this.layers) {
      g.save();
      draw(g, this);
      g.restore();
    }
  }
}

export function formatNm(nm) {
  if (nm >= 10) return `${nm.toFixed(1)} NM`;
  if (nm >= 1) return `${nm.toFixed(2)} NM`;
  return `${nm.toFixed(3)} NM`;
}
