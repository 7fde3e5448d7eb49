// Units as a navigator reads them. The server speaks SI (metres, radians,
// seconds); the screen shows nautical miles, degrees (three digits) and
// minutes, every number with its unit.

export const M_PER_NM = 1852;
export const TURN = 2 * Math.PI;

export const toRad = (deg) => (deg * Math.PI) / 180;
export const toDeg = (rad) => (rad * 180) / Math.PI;
export const wrap = (rad) => ((rad % TURN) + TURN) % TURN;
// Whether every value given is a finite number.
export const known = (...values) => values.every((v) => typeof v === 'number' && Number.isFinite(v));

export function formatNm(nm) {
  if (nm >= 10) return `${nm.toFixed(1)} NM`;
  if (nm >= 1) return `${nm.toFixed(2)} NM`;
  return `${nm.toFixed(3)} NM`;
}

// A range as the range scale names it: "0.125 NM", "1.5 NM", "12 NM".
export function formatRangeNm(nm) {
  return `${Number(nm.toFixed(3))} NM`;
}

// Ring spacings a navigator reads at a glance: never "1.13 NM".
const ROUND_NM = [0.025, 0.05, 0.1, 0.2, 0.25, 0.5, 1, 2, 3, 4, 5, 6, 8, 10, 12, 16, 20, 24, 25, 50];

// The spacing of the range rings for a range (NM): a round value giving
// about four rings, a whole number of them where one can be had.
export function ringSpacing(rangeNm) {
  let best = null, bestScore = Infinity;
  for (const s of ROUND_NM) {
    const rings = rangeNm / s;
    if (rings < 2.5 || rings > 6.01) continue;
    const score = Math.abs(rings - 4) + (Math.abs(rings - Math.round(rings)) < 1e-6 ? 0 : 1);
    if (score < bestScore) [best, bestScore] = [s, score];
  }
  return best ?? rangeNm / 4;
}

// "045.0°": a bearing in three-digit degrees and tenths.
export function formatBearing(rad) {
  let deg = Math.round(toDeg(wrap(rad)) * 10) / 10;
  if (deg >= 360) deg -= 360;
  return `${deg.toFixed(1).padStart(5, '0')}°`;
}

// "Off", "15 s", "1 min", "1 h 30 min".
export function formatDuration(s, zeroIsOff = false) {
  if (zeroIsOff && s === 0) return 'Off';
  if (s < 60) return `${s} s`;
  if (s < 3600) return s % 60 ? `${Math.floor(s / 60)} min ${s % 60} s` : `${s / 60} min`;
  if (s >= 86400) return `${(s / 3600).toFixed(1)} h`;  // a running total of hours
  const h = Math.floor(s / 3600), m = Math.round((s % 3600) / 60);
  return m ? `${h} h ${m} min` : `${h} h`;
}

// A control's value in its unit for a person, from its definition.
export function formatValue(def, v) {
  if (!known(v)) return v === undefined || v === null ? '–' : String(v);
  if (def?.descriptions && def.descriptions[String(v)] !== undefined) return def.descriptions[String(v)];
  switch (def?.units) {
    case 'm': return formatNm(v / M_PER_NM);
    case 'rad': return def.minValue < 0 ? `${toDeg(v).toFixed(1)}°` : formatBearing(v);
    case 's': return formatDuration(v, def.id !== undefined && def.category === 'trails');
    case 'percent': return `${Math.round(v)} %`;
    default: return def?.units ? `${v} ${def.units}` : String(v);
  }
}
