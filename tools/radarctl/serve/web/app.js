// The viewer of `radarctl serve`: loads what the server says about drawing
// and settings, keeps a WebSocket open for echo lines and events, and wires
// the PPI and the settings panel to them. Every URL is relative to the page,
// so it works behind any host, port or path.

import { Ppi, FALLBACK_DISPLAY, decodeLines, formatNm } from './ppi.js';
import { Panel } from './panel.js';

const TOKEN_KEY = 'radarctl-token';
const FIRST_RETRY_MS = 500, LAST_RETRY_MS = 10000;
const RADAR_STATUS = { 0: 'radar not connected', 1: 'radar connecting', 2: 'radar connected' };

const $ = (selector) => document.querySelector(selector);
const settings = {};  // "RadarGain", "RadarEBL/1" -> {code, values}
let ppi, panel, display = FALLBACK_DISPLAY;

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

// Sends an order; asks for the token when none is kept or the server
// refused the one kept.
async function sendOrder(stem, values) {
  let message = 'Control token (radarctl serve prints it at start):';
  for (let attempt = 0; attempt < 3; ++attempt) {
    const token = sessionStorage.getItem(TOKEN_KEY) || (await askToken(message));
    if (!token) return { ok: false, text: 'not sent: no token' };
    let answer;
    try {
      answer = await fetch(`api/settings/${stem}`, {
        method: 'POST',
        headers: { 'Content-Type': 'application/json', Authorization: `Bearer ${token}` },
        body: JSON.stringify({ values }),
      });
    } catch (error) {
      return { ok: false, text: `not sent: ${error.message}` };
    }
    const body = await answer.json().catch(() => ({}));
    if (answer.status === 401) {
      sessionStorage.removeItem(TOKEN_KEY);
      message = 'That token was refused. Control token:';
      continue;
    }
    if (!answer.ok) return { ok: false, text: body.error || `HTTP ${answer.status}` };
    return { ok: body.status === 0, text: Panel.statusText(body.status) };
  }
  return { ok: false, text: 'not sent: token refused' };
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
  };
  socket.onmessage = (message) => {
    if (typeof message.data === 'string') return onEvent(message.data);
    const before = ppi.scale;
    lines += decodeLines(message.data, (...line) => ppi.addLine(...line));
    if (ppi.scale !== before) showRange();
  };
  socket.onclose = () => {
    showState('disconnected');
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
    const radar = RADAR_STATUS[message.source_status] ?? `radar status ${message.source_status}`;
    $('#radar').textContent = `${message.source ?? ''} · ${radar}` +
      (message.lines_dropped ? ` · ${message.lines_dropped} lines dropped` : '');
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
}

async function start() {
  ppi = new Ppi($('#ppi'), $('#overlay'), display);
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

  display = await getJsonPersistently('api/display');
  ppi.setDisplay(display);
  showRange();
  const [schema, current] = await Promise.all([
    getJsonPersistently('api/schema'),
    getJsonPersistently('api/settings'),
  ]);
  panel = new Panel($('#panel'), schema, display, sendOrder);
  // Events that came first are newer than this answer; keep them.
  for (const [key, value] of Object.entries(current)) {
    if (!(key in settings)) settings[key] = value;
  }
  for (const [key, value] of Object.entries(settings)) setting(key, value);
}

start();
