// Day, dusk and night: the colours of the picture and its marks, derived
// from the server's echo palette (/api/display), and the page's own colours
// (style.css, by body[data-palette]). Night is dark red on black and nothing
// bright: no colour here has red, green and blue all above 160, so eyes used
// to the dark stay so. The choice and the brightness are kept per browser.

export const PALETTES = ['day', 'dusk', 'night'];
export const NAMES = { day: 'Day', dusk: 'Dusk', night: 'Night' };
export const BRIGHTNESS = { min: 0.2, max: 1, step: 0.05 };
const KEPT = 'radarctl-palette';

const scale = ([r, g, b], k) => [Math.round(r * k), Math.round(g * k), Math.round(b * k)];

// How strong a colour looks, 0-1 (Rec. 709 luma).
const luma = ([r, g, b]) => (0.2126 * r + 0.7152 * g + 0.0722 * b) / 255;

// The marks over the picture. Day keeps the colours of `radarctl render` and
// of the targets as they have always been.
const MARKS = {
  day: {
    marker: [150, 200, 215], guard: [230, 90, 64], text: [175, 195, 205], scale: [70, 90, 100], scaleText: [30, 45, 55],
    cursor: [230, 230, 160], target: [150, 215, 255], danger: [255, 64, 48], stale: [120, 130, 140],
    trial: [255, 196, 64],
  },
  dusk: {
    marker: [100, 140, 150], guard: [180, 70, 50], text: [120, 135, 145], scale: [80, 105, 105], scaleText: [110, 125, 135],
    cursor: [160, 160, 110], target: [105, 150, 180], danger: [220, 56, 40], stale: [84, 91, 98],
    trial: [190, 145, 50],
  },
  night: {
    marker: [170, 60, 40], guard: [200, 40, 20], text: [150, 45, 30], scale: [110, 30, 20], scaleText: [150, 45, 30],
    cursor: [200, 80, 40], target: [190, 90, 50], danger: [255, 40, 20], stale: [80, 30, 25],
    trial: [215, 120, 30],
  },
};

// The picture's colours for a palette: `echo` (16 levels: 0 the picture's
// own ground, 1-7 echo, 8-15 trail), `ring`, `heading`, the marks and the
// page's ground around the picture.
export function themeOf(name, display) {
  const echo = display.palette.map((c) => [...(c || [0, 0, 0])]);
  const marks = MARKS[name] || MARKS.day;
  if (name === 'dusk') {
    return { name, ...marks, echo: echo.map((c) => scale(c, 0.7)), ring: scale(display.ring, 0.7),
             heading: scale(display.heading, 0.6), ground: [0, 0, 0] };
  }
  if (name === 'night') {
    // Echo by its strength in reds, strongest brightest; trails in dim
    // purples below the weakest echo, so the two stay apart.
    const night = echo.map((c, level) => {
      if (level === 0) return [8, 0, 0];
      const t = Math.min(1, Math.max(0, luma(c)));
      if (level <= 7) return [Math.round(90 + 165 * t), Math.round(10 + 50 * t), 0];
      return [Math.round(30 + 60 * t), 0, Math.round(12 + 30 * t)];
    });
    return { name, ...marks, echo: night, ring: [80, 20, 12], heading: [150, 40, 25], ground: [0, 0, 0] };
  }
  return { name: 'day', ...marks, echo, ring: display.ring, heading: display.heading, ground: [205, 212, 218] };
}

export function kept() {
  let k = {};
  try {
    k = JSON.parse(localStorage.getItem(KEPT)) || {};
  } catch { /* none kept */ }
  const brightness = Number(k.brightness);
  return {
    palette: PALETTES.includes(k.palette) ? k.palette : 'day',
    brightness: brightness >= BRIGHTNESS.min && brightness <= BRIGHTNESS.max ? brightness : 1,
  };
}

export function keep(choice) {
  localStorage.setItem(KEPT, JSON.stringify(choice));
}

// A colour [r, g, b] as CSS, with an opacity.
export const css = ([r, g, b], a = 1) => `rgba(${r},${g},${b},${a})`;
