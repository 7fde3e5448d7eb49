// The viewer of `radarctl serve`: loads what the server says about drawing
// and about the radar's controls, keeps a WebSocket open for echo lines and
// events, and wires the picture, the panel and the targets to them. Every
// URL is relative to the page, so it works behind any host, port or path.

import { Ppi, FALLBACK_DISPLAY, decodeLines } from './ppi.js';
import { Panel, zoneText } from './panel.js';
import { Picture } from './picture.js';
import { DisplayChoices } from './display_choices.js';
import { Watch } from './watch.js';
import { AlarmHistory } from './alarm_history.js';
import { Targets } from './targets.js';
import { TargetList } from './target_list.js';
import { Trial } from './trial.js';
import { M_PER_NM, formatBearing, formatDuration, formatNm, formatRangeNm, known, toRad, wrap } from './units.js';

const TOKEN_KEY = 'radarctl-token';
const FIRST_RETRY_MS = 500, LAST_RETRY_MS = 10000;
const REREAD_MS = 150;  // a setting event without its controls event: the values read again this soon after
const PREVIEW_MS = 2500;  // a dragged mark the radar has not announced by then goes back
const ORIENTATION_TEXT = { north: 'North up', head: 'Head up', course: 'Course up',
  relative: 'Head up (no heading)' };
const SOURCE_TEXT = { sim: 'simulated radar', station: 'radar', playback: 'recording' };
const OWN_SOURCE = { radar: 'radar', nmea: 'NMEA', none: 'none' };
const TRANSMIT = 2;  // the power control's value while the radar transmits

const $ = (selector) => document.querySelector(selector);
const values = {};  // the controls' values, as the radar announced them: id -> {value, ...}
let ppi, panel, choices, watch, targets, targetList, display = FALLBACK_DISPLAY;
let playback = false, controlsEvents = false, rereading = 0;
const previews = new Map();  // id -> timer: marks dragged, waiting for the radar

async function getJson(path) {
  const answer = await fetch(path, { cache: 'no-store' });
  if (!answer.ok) throw new Error(`${path}: HTTP ${answer.status}`);
  return answer.json();
}

// Tries until the server answers: the page may be open before it starts.
async function getJsonPersistently(path) {
  for (let wait = FIRST_RETRY_MS; ; wait = Math.min(wait * 2, LAST_RETRY_MS)) {
    try {
      return await getJson(path);
    } catch (error) {
      console.warn(error.message);
      await new Promise((resolve) => setTimeout(resolve, wait));
    }
  }
}

// The radar announced values (some or all of the controls).
function announced(changed) {
  Object.assign(values, changed);
  for (const id of Object.keys(changed)) {
    if (previews.has(id)) {
      clearTimeout(previews.get(id));
      previews.delete(id);
      ppi.marks.setPreview(id, null);
    }
  }
  ppi.setValues(values);
  panel?.update(changed);
  if ('range' in changed) showRange();
  if ('rings' in changed) showVectors();
  if ('heading' in changed) showMotion();
  if ('power' in changed) {
    const power = changed.power.value;
    // Its words come with the panel's definitions, which the announcement may precede.
    watch.power(power === TRANSMIT ? null : panel?.defs.power?.descriptions?.[power] ?? `power ${power}`);
  }
}

function showRange() {
  const nm = ppi.rangeNm();
  $('#range').textContent = nm === null ? '–' : formatNm(nm);
  showVectors();
  // A recording's range is its own, not the one the radar record holds.
  if (playback && nm !== null) panel?.showPictureRange(formatNm(nm));
}

// Own heading and course over ground: the tracking's own ship (the radar's
// heading or NMEA's, whichever is fresh), else the radar's heading control
// while it says it is valid.
function showMotion() {
  const own = targets?.own();
  let heading = known(own?.heading_deg) ? toRad(own.heading_deg) : null;
  if (heading === null && !own && values.heading?.enabled === true) heading = values.heading.value;
  const course = known(own?.course_deg) ? toRad(own.course_deg) : null;
  ppi.setMotion(heading, course);
  const shown = ppi.shownOrientation();
  choices?.showFallback(shown);
  $('#orientation').textContent = (shown === 'course' ? `Course up ${formatBearing(ppi.rotation())}`
    : ORIENTATION_TEXT[shown]) + (choices?.state.offCentre ? ', off centre' : '');
  $('#orientation').className = shown === 'relative' ? 'warn' : '';
  showOwn(own, heading);
  showVectors();
}

// Own ship in the picture's corner: heading, course and speed over ground,
// each with where it comes from.
function showOwn(own, heading) {
  const sources = own?.sources ?? {};
  const from = (part) => (sources[part] ? ` (${OWN_SOURCE[sources[part]] ?? sources[part]})` : '');
  const stale = (part) => (Array.isArray(own?.stale) && own.stale.includes(part) ? ', stale' : '');
  const hdgFrom = own ? from('heading') : heading !== null ? ' (radar)' : '';
  $('#own-heading').textContent = heading === null ? `HDG not known${stale('heading')}`
    : `HDG ${formatBearing(heading)}${hdgFrom}`;
  const unknown = ` not known${stale('velocity')}`;
  $('#own-course').textContent = known(own?.course_deg)
    ? `COG ${formatBearing(toRad(own.course_deg))}${from('velocity')}` : `COG${unknown}`;
  $('#own-speed').textContent = known(own?.speed_kn)
    ? `SOG ${own.speed_kn.toFixed(1)} kn${from('velocity')}` : `SOG${unknown}`;
}

// The vectors' mode and length, the past dots' spacing and the rings', on the picture.
function showVectors() {
  if (!targets) return;
  const words = [];
  if (targets.body) {
    words.push(`Vectors ${targets.vectorMode() === 'true' ? 'T' : 'R'} ${targets.minutes} min`);
    if (targets.pastS) words.push(`past ${formatDuration(targets.pastS)}`);
    if (targets.trial()) words.push('TRIAL');
  }
  const rings = ppi.rings();
  const shown = [['#vector-state', words.join(', ')], ['#rings-state', rings ? `rings ${formatRangeNm(rings)}` : '']];
  for (const [id, text] of shown) if ($(id).textContent !== text) $(id).textContent = text;
}

// Echo arriving at a range the radar was not ordered to: the picture's
// distances may be wrong.
function showRangeMismatch(mismatch) {
  const e = $('#range-mismatch');
  const shown = mismatch && known(mismatch.echo_nm, mismatch.radar_nm);
  e.hidden = !shown;
  if (shown) {
    e.textContent = `Range mismatch: echo at ${formatRangeNm(mismatch.echo_nm)}, ` +
      `radar set to ${formatRangeNm(mismatch.radar_nm)}`;
  }
}

// The values a mark switched on takes when it has none: where it is seen.
// An EBL at the cursor's last bearing, else 045° from the bow; a VRM at half
// the range; a guard zone 60° wide ahead, from a third to two thirds of it.
function placeNew(id, v) {
  const range = ppi.rangeNm();
  const ahead = known(ppi.heading) ? ppi.heading : 0;  // without a heading the bow is at the top
  const zero = (...xs) => xs.every((x) => !known(x) || x === 0);
  if (/^ebl\d$/.test(id) && zero(v?.value)) {
    const bearing = ppi.cursor ? ppi.cursor.bearing : wrap(ahead + toRad(45));
    return { value: values.eblReference?.value === 1 ? wrap(bearing - ahead) : bearing };
  }
  if (!range) return {};
  const metres = (nm) => (Math.round(nm * 100) / 100) * M_PER_NM;
  if (/^vrm\d$/.test(id) && zero(v?.value)) return { value: metres(range / 2) };
  if (/^guardZone\d$/.test(id) && zero(v?.value, v?.endValue, v?.startDistance, v?.endDistance)) {
    return { value: wrap(ahead - toRad(30)), endValue: wrap(ahead + toRad(30)),
             startDistance: metres(range / 3), endDistance: metres((2 * range) / 3) };
  }
  return {};
}

// ---- The token ------------------------------------------------------------

let asking = null;  // one dialog at a time, shared by every waiting order

function askToken(message) {
  if (asking) return asking;
  const dialog = $('#token-dialog'), input = $('#token-input');
  $('#token-message').textContent = message;
  input.value = '';
  asking = new Promise((resolve) => {
    dialog.addEventListener('close', () => {
      asking = null;
      const token = dialog.returnValue === 'ok' ? input.value.trim() : '';
      if (token) sessionStorage.setItem(TOKEN_KEY, token);
      resolve(token || null);
    }, { once: true });
  });
  dialog.returnValue = '';
  dialog.showModal();
  input.focus();
  return asking;
}

// Sends a change (an order, an acknowledgement, a target acquired or
// cancelled); asks for the token when none is kept or the server refused the
// one kept. Resolves to the answer's body with `ok` and a `text` to show.
async function send(method, path, body) {
  let message = 'Control token: the one radarctl serve was given (best in a file, --token-file FILE), ' +
    'or the one it printed when it started:';
  for (let attempt = 0; attempt < 3; ++attempt) {
    const token = sessionStorage.getItem(TOKEN_KEY) || (await askToken(message));
    if (!token) return { ok: false, text: 'not sent: no token' };
    let answer;
    try {
      answer = await fetch(path, {
        method,
        headers: { 'Content-Type': 'application/json', Authorization: `Bearer ${token}` },
        body: body === undefined ? undefined : JSON.stringify(body),
      });
    } catch (error) {
      return { ok: false, text: `not sent: ${error.message}` };
    }
    const reply = await answer.json().catch(() => ({}));
    if (answer.status === 401) {
      sessionStorage.removeItem(TOKEN_KEY);
      message = 'That token was refused. Control token:';
      continue;
    }
    if (answer.status === 429) {
      return { ok: false, text: `not sent: too many wrong tokens, wait ${answer.headers.get('Retry-After')} s` };
    }
    if (!answer.ok) return { ok: false, text: reply.error || `HTTP ${answer.status}` };
    return { ...reply, ok: true, text: 'done' };
  }
  return { ok: false, text: 'not sent: token refused' };
}

const post = (path, body) => send('POST', path, body);
const putControl = (id, body) => send('PUT', `api/controls/${encodeURIComponent(id)}`, body);

// ---- The stream -----------------------------------------------------------

function connect(wait = FIRST_RETRY_MS) {
  const url = new URL('ws', location.href);
  url.protocol = location.protocol === 'https:' ? 'wss:' : 'ws:';
  showState('connecting');
  const socket = new WebSocket(url);
  socket.binaryType = 'arraybuffer';
  let opened = false;
  socket.onopen = () => {
    opened = true;
    showState('connected');
    watch.connected(true);
    targets.setAlarms([...watch.alarms.values()]);
  };
  socket.onmessage = (message) => {
    if (typeof message.data === 'string') return onEvent(message.data);
    const before = ppi.scale;
    const count = decodeLines(message.data, (...line) => ppi.addLine(...line));
    if (count > 0) watch.line();
    if (ppi.scale !== before) showRange();
  };
  socket.onclose = () => {
    showState('disconnected');
    showRangeMismatch(null);
    watch.connected(false);
    const next = opened ? FIRST_RETRY_MS : Math.min(wait * 2, LAST_RETRY_MS);
    setTimeout(() => connect(next), opened ? FIRST_RETRY_MS : wait);
  };
}

// The values read again: for a server that announces settings without
// saying which controls they changed.
function reread() {
  clearTimeout(rereading);
  rereading = setTimeout(() => getJson('api/controls/values').then(announced, () => {}), REREAD_MS);
}

function onEvent(text) {
  let message;
  try {
    message = JSON.parse(text);
  } catch {
    return;
  }
  if (message.type === 'controls' && message.values && typeof message.values === 'object') {
    controlsEvents = true;
    announced(message.values);
  } else if (message.type === 'setting') {
    if (!controlsEvents) reread();
  } else if (message.type === 'status') {
    watch.onStatus(message);
    if (message.source === 'playback' && !playback) {
      playback = true;
      panel?.setPlayback();
      picture.enabled = false;
      showRange();
    }
    // What this screen itself lost lately, not what another viewer did.
    const lost = message.client_lines_dropped;
    $('#source').textContent = SOURCE_TEXT[message.source] ?? String(message.source ?? 'radar');
    $('#link-note').hidden = !lost;
    $('#link-note').textContent = lost ? 'Slow link: parts of the picture missed on this screen' : '';
    showRangeMismatch(message.range_mismatch);
  } else if (message.type === 'alarm') {
    watch.onAlarm(message);
    targets.setAlarms([...watch.alarms.values()]);
  } else if (message.type === 'targets') {
    targets.update(message);
    showMotion();
  }
}

function showState(state) {
  const e = $('#state');
  e.textContent = state;
  e.className = state;
}

// ---- Layout, pointer and keys ---------------------------------------------

function fit() {
  const scope = $('#scope');
  const side = Math.floor(Math.min(scope.clientWidth, scope.clientHeight));
  if (side <= 0) return;
  $('#frame').style.width = $('#frame').style.height = `${side}px`;
  ppi.resize(side, Math.min(window.devicePixelRatio || 1, 2));
}

// A mark's value in words, for the readout while it is dragged.
function markText(id, v) {
  if (id.startsWith('ebl')) return `EBL${id.slice(3)} ${formatBearing(ppi.marks.eblBearing(v.value))}`;
  if (id.startsWith('vrm')) return `VRM${id.slice(3)} ${formatNm(v.value / M_PER_NM)}`;
  return `Guard zone ${id.slice(9)} ${zoneText(v)}`;
}

function rangeStep(step) {
  if (!playback) panel?.stepRange(step);
}

// A mark dragged and let go: sent; drawn where it was let go until the radar
// announces it, or for a while.
async function dropped(id, value) {
  clearTimeout(previews.get(id));
  previews.set(id, setTimeout(() => { previews.delete(id); ppi.marks.setPreview(id, null); }, PREVIEW_MS));
  panel?.select(null);
  const answer = await panel?.order(panel.rows.get(id), value);
  if (!answer?.ok || answer.status !== 0) ppi.marks.setPreview(id, null);
}

let picture;

function watchPointer() {
  const out = $('#cursor');
  picture = new Picture(ppi, $('#overlay'), {
    readout: (at, live) => {
      const where = at ? `${formatNm(at.rangeNm)}  ${formatBearing(at.bearing)}` : '–';
      out.textContent = live ? `${markText(live, ppi.marks.value(live))}` : where;
    },
    tap: (x, y) => targetList.clickAt(x, y),
    drop: dropped,
    range: rangeStep,
  });
  document.addEventListener('keydown', (e) => {
    if (e.target.closest?.('input, select, textarea, dialog') || e.ctrlKey || e.metaKey || e.altKey) return;
    if (e.key === '+' || e.key === '=') rangeStep(1);
    else if (e.key === '-' || e.key === '−' || e.key === '_') rangeStep(-1);
    else return;
    e.preventDefault();
  });
}

function describeMarks(words) {
  $('#picture-marks').replaceChildren(...words.map((w) => Object.assign(document.createElement('li'),
    { textContent: w })));
}

async function start() {
  ppi = new Ppi($('#ppi'), $('#overlay'), display, describeMarks);
  choices = new DisplayChoices($('#display'), (c) => {
    ppi.setTheme(c.palette);
    ppi.setOrientation(c.orientation, c.offCentre);
    targets?.changed();
    showMotion();
  }, () => {
    ppi.holdCourse(true);
    showMotion();
  });
  watch = new Watch((id) => post(`api/alarms/${id}/ack`, {}));
  new AlarmHistory($('#alarm-history'));
  targets = new Targets(ppi, () => document.body.classList.contains('stale'));
  targetList = new TargetList(targets, send);
  new Trial(targets, send);
  targets.onChange(showVectors);
  let resizing = 0;  // rebuilding the lookup table at every step of a drag is wasted work
  new ResizeObserver(() => {
    clearTimeout(resizing);
    resizing = setTimeout(fit, 100);
  }).observe($('#scope'));
  fit();
  watchPointer();
  showMotion();
  $('#panel-toggle').addEventListener('click', () => {
    document.body.classList.toggle('panel-hidden');
  });
  $('#more-toggle').addEventListener('click', () => {
    const open = $('#more').hidden;
    $('#more').hidden = !open;
    $('#more-toggle').setAttribute('aria-expanded', String(open));
    $('#more-toggle').textContent = open ? 'Fewer controls' : 'More controls';
  });
  $('#token-change').addEventListener('click', () => {
    sessionStorage.removeItem(TOKEN_KEY);
    askToken('Control token:');
  });
  connect();
  // The events bring the targets once a revolution; this shows them at once.
  getJson('api/targets').then((body) => { if (!targets.body) { targets.update(body); showMotion(); } }, () => {});

  display = await getJsonPersistently('api/display');
  ppi.setDisplay(display);
  showRange();
  const [definitions, current] = await Promise.all([
    getJsonPersistently('api/controls'),
    getJsonPersistently('api/controls/values'),
  ]);
  panel = new Panel($('#controls'), $('#more'), definitions.controls, putControl, (id) => ppi.marks.select(id),
    { places: { targets: $('#target-limits') }, placeNew });
  if (playback) panel.setPlayback();
  // Events that came first are newer than this answer; keep them.
  announced({ ...current, ...values });
}

start();
