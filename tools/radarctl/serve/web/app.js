// The viewer of `radarctl serve`: loads what the server says about drawing
// and settings, keeps a WebSocket open for echo lines and events, and wires
// the PPI and the settings panel to them. Every URL is relative to the page,
// so it works behind any host, port or path.

import { Ppi, FALLBACK_DISPLAY, decodeLines, formatNm } from './ppi.js';
import { Panel } from './panel.js';
import { Watch } from './watch.js';
import { Targets } from './targets.js';
import { TargetList } from './target_list.js';

const TOKEN_KEY = 'radarctl-token';
const FIRST_RETRY_MS = 500, LAST_RETRY_MS = 10000;

const $ = (selector) => document.querySelector(selector);
const settings = {};  // "RadarGain", "RadarEBL/1" -> {code, values}
let ppi, panel, watch, targets, targetList, display = FALLBACK_DISPLAY;
let playback = false;

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

function setting(key, value) {
  settings[key] = value;
  ppi.setSettings(settings);
  panel?.update(key, value.values);
  if (key === 'RadarRange') showRange();
}

function showRange() {
  const nm = ppi.rangeNm();
  $('#range').textContent = nm === null ? '–' : formatNm(nm);
  // A recording's range is its own, not the one the radar record holds.
  if (playback && nm !== null) panel?.showPictureRange(formatNm(nm));
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
  let message = 'Control token (radarctl serve prints it at start):';
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

async function sendOrder(stem, values) {
  const answer = await post(`api/settings/${stem}`, { values });
  return answer.ok ? { ok: answer.status === 0, text: Panel.statusText(answer.status) } : answer;
}

// ---- The stream -----------------------------------------------------------

let lines = 0;

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
    lines += count;
    if (count > 0) watch.line();
    if (ppi.scale !== before) showRange();
  };
  socket.onclose = () => {
    showState('disconnected');
    watch.connected(false);
    const next = opened ? FIRST_RETRY_MS : Math.min(wait * 2, LAST_RETRY_MS);
    setTimeout(() => connect(next), opened ? FIRST_RETRY_MS : wait);
  };
}

function onEvent(text) {
  let message;
  try {
    message = JSON.parse(text);
  } catch {
    return;
  }
  if (message.type === 'setting' && typeof message.stem === 'string' && Array.isArray(message.values)) {
    setting(message.stem, { code: message.code, values: message.values });
  } else if (message.type === 'status') {
    watch.onStatus(message);
    if (message.source === 'playback' && !playback) {
      playback = true;
      panel?.setPlayback();
      showRange();
    }
    // What this screen itself lost lately, not what another viewer did.
    const lost = message.client_lines_dropped;
    $('#radar').textContent = `${message.source ?? ''}` +
      (lost ? ` · ${lost} lines lost on this screen in the last 10 s` : '');
  } else if (message.type === 'alarm') {
    watch.onAlarm(message);
    targets.setAlarms([...watch.alarms.values()]);
  } else if (message.type === 'targets') {
    targets.update(message);
  }
}

function showState(state) {
  const e = $('#state');
  e.textContent = state;
  e.className = state;
}

function countRate() {
  let since = performance.now();
  setInterval(() => {
    const now = performance.now();
    $('#rate').textContent = String(Math.round((lines * 1000) / (now - since)));
    lines = 0;
    since = now;
  }, 1000);
}

// ---- Layout and pointer ---------------------------------------------------

function fit() {
  const view = $('#view');
  const side = Math.floor(Math.min(view.clientWidth, view.clientHeight));
  if (side > 0) ppi.resize(side, Math.min(window.devicePixelRatio || 1, 2));
}

function watchPointer() {
  const overlay = $('#overlay'), out = $('#cursor');
  const show = (e) => {
    const at = ppi.readout(e.clientX, e.clientY);
    out.textContent = at
      ? `${formatNm(at.rangeNm)}  ${at.bearingDeg.toFixed(1).padStart(5, '0')}°`
      : '–';
  };
  overlay.addEventListener('pointermove', show);
  overlay.addEventListener('pointerdown', show);
  overlay.addEventListener('pointerleave', () => { out.textContent = '–'; });
  overlay.addEventListener('click', (e) => {
    const p = ppi.devicePoint(e.clientX, e.clientY);
    targetList.clickAt(p.x, p.y);
  });
}

async function start() {
  ppi = new Ppi($('#ppi'), $('#overlay'), display);
  watch = new Watch((id) => post(`api/alarms/${id}/ack`, {}));
  targets = new Targets(ppi, () => document.body.classList.contains('stale'));
  targetList = new TargetList(targets, send);
  let resizing = 0;  // rebuilding the lookup table at every step of a drag is wasted work
  new ResizeObserver(() => {
    clearTimeout(resizing);
    resizing = setTimeout(fit, 100);
  }).observe($('#view'));
  fit();
  watchPointer();
  countRate();
  $('#panel-toggle').addEventListener('click', () => {
    document.body.classList.toggle('panel-hidden');
  });
  $('#token-change').addEventListener('click', () => {
    sessionStorage.removeItem(TOKEN_KEY);
    askToken('Control token:');
  });
  connect();
  // The events bring the targets once a revolution; this shows them at once.
  getJson('api/targets').then((body) => { if (!targets.body) targets.update(body); }, () => {});

  display = await getJsonPersistently('api/display');
  ppi.setDisplay(display);
  showRange();
  const [schema, current] = await Promise.all([
    getJsonPersistently('api/schema'),
    getJsonPersistently('api/settings'),
  ]);
  panel = new Panel($('#panel'), schema, display, sendOrder);
  if (playback) panel.setPlayback();
  // Events that came first are newer than this answer; keep them.
  for (const [key, value] of Object.entries(current)) {
    if (!(key in settings)) settings[key] = value;
  }
  for (const [key, value] of Object.entries(settings)) setting(key, value);
}

start();
