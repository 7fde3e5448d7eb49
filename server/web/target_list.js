// The targets beside the picture: own ship, the list sorted by the time to
// each target's closest point of approach (the soonest first, those already
// past after them, unknown last) with its bow crossing, the selected
// target's details, the vector and past-position settings, and the orders:
// a click on an echo acquires, a click on a target selects it, and a target
// or all of them can be cancelled.

import { PAST_SECONDS, VECTOR_MINUTES } from './targets.js';
import { formatDuration } from './units.js';

const $ = (selector) => document.querySelector(selector);
const CONFIRM_MS = 4000;  // "Cancel all" asks for a second click within this
// Each status as a word and as the symbol the picture draws.
const STATUS = { acquiring: ['ACQ', '◌'], tracking: ['TRK', '○'], lost: ['LOST', '⊗'] };

const known = (v) => typeof v === 'number' && Number.isFinite(v);
const fixed = (v, digits, unit) => (known(v) ? `${v.toFixed(digits)}${unit}` : '–');
const nm = (v) => fixed(v, 2, ' NM');
const kn = (v) => fixed(v, 1, ' kn');
const minutes = (v) => fixed(v, 1, ' min');
const degrees = (v, digits = 0) => (known(v) ? `${v.toFixed(digits).padStart(digits ? 4 + digits : 3, '0')}°` : '–');

// Soonest closest approach first; passed ones after, the most recent first;
// those without a TCPA last.
export function byTcpa(a, b) {
  const group = (t) => (!known(t.tcpa_min) ? 2 : t.tcpa_min < 0 ? 1 : 0);
  const ga = group(a), gb = group(b);
  if (ga !== gb) return ga - gb;
  if (ga === 2) return a.id - b.id;
  return Math.abs(a.tcpa_min) - Math.abs(b.tcpa_min);
}

// A time the server gives: ISO 8601 text as UTC time of day; seconds.
function when(v) {
  if (typeof v === 'string') {
    const t = new Date(v);
    return Number.isNaN(t.getTime()) ? v : `${t.toISOString().slice(11, 19)} UTC`;
  }
  if (!known(v)) return '–';
  return v > 1e9 ? `${new Date(v * 1000).toISOString().slice(11, 19)} UTC` : `${v.toFixed(1)} s`;
}

// Latitude or longitude in degrees and decimal minutes.
function angle(v, [plus, minus]) {
  if (!known(v)) return '–';
  const a = Math.abs(v), d = Math.floor(a);
  return `${d}°${((a - d) * 60).toFixed(3).padStart(6, '0')}′${v < 0 ? minus : plus}`;
}

export class TargetList {
  // send(method, path, body) sends an order with the token: {ok, text, ...}.
  constructor(targets, send) {
    this.targets = targets;
    this.send = send;
    this.confirming = 0;
    this.message = '';
    const choice = $('#vector-minutes');
    for (const m of VECTOR_MINUTES) choice.append(new Option(`${m} min`, String(m)));
    choice.addEventListener('change', () => targets.setVectors(null, Number(choice.value)));
    const past = $('#past-interval');
    for (const s of PAST_SECONDS) past.append(new Option(s ? formatDuration(s) : 'Off', String(s)));
    past.addEventListener('change', () => targets.setVectors(null, null, Number(past.value)));
    for (const b of document.querySelectorAll('#targets .vectors button')) {
      b.addEventListener('click', () => targets.setVectors(b.dataset.mode, null));
    }
    $('#target-list tbody').addEventListener('click', (e) => {
      const row = e.target.closest('tr[data-id]');
      if (row) targets.select(targets.selected === Number(row.dataset.id) ? null : Number(row.dataset.id));
    });
    $('#target-cancel').addEventListener('click', () => this.cancel(targets.selected));
    $('#targets-cancel-all').addEventListener('click', () => this.cancelAll());
    targets.onChange(() => this.render());
    setInterval(() => this.renderNotes(), 1000);  // ages move on between events
    this.render();
  }

  // A click on the picture (device pixels): select the target there, or
  // acquire the echo there.
  async clickAt(x, y) {
    const t = this.targets.pick(x, y);
    if (t) return this.targets.select(t.id);
    const at = this.targets.ppi.polarAt(x, y);
    if (!at) return;
    this.targets.select(null);
    const body = { range_nm: Number(at.rangeNm.toFixed(3)), bearing_deg: Number(at.bearingDeg.toFixed(1)) };
    this.say(`acquiring at ${nm(body.range_nm)} ${degrees(body.bearing_deg, 1)}…`);
    const answer = await this.send('POST', 'api/targets', body);
    this.say(answer.ok ? `target ${answer.id} acquired` : `not acquired: ${answer.text}`, answer.ok);
    if (answer.ok && known(answer.id)) this.targets.select(answer.id);
  }

  async cancel(id) {
    if (id === null) return;
    const answer = await this.send('DELETE', `api/targets/${id}`);
    this.say(answer.ok ? `target ${id} cancelled` : `not cancelled: ${answer.text}`, answer.ok);
  }

  // Two clicks: every track is lost by one, and a tap can be a slip.
  async cancelAll() {
    const button = $('#targets-cancel-all');
    if (!this.confirming) {
      button.textContent = 'Cancel all: click again';
      this.confirming = setTimeout(() => this.endConfirming(), CONFIRM_MS);
      return;
    }
    this.endConfirming();
    const answer = await this.send('DELETE', 'api/targets');
    this.say(answer.ok ? 'all targets cancelled' : `not cancelled: ${answer.text}`, answer.ok);
  }

  endConfirming() {
    clearTimeout(this.confirming);
    this.confirming = 0;
    $('#targets-cancel-all').textContent = 'Cancel all';
  }

  say(text, ok = true) {
    const e = $('#targets-result');
    e.textContent = text;
    e.className = `result ${ok ? 'ok' : 'bad'}`;
  }

  render() {
    const t = this.targets, body = t.body;
    $('#targets').hidden = !body;
    if (!body) return;
    const list = [...t.list()].sort(byTcpa);
    $('#targets-count').textContent = known(body.capacity) ? `${list.length} of ${body.capacity}` : String(list.length);
    this.renderVectors();
    this.renderOwn(t.own());
    this.renderNotes();
    $('#target-empty').hidden = list.length > 0;
    $('#target-list').hidden = list.length === 0;
    $('#targets-cancel-all').disabled = list.length === 0;
    $('#targets').classList.toggle('no-bcr', !list.some((x) => 'bcr_nm' in x));
    $('#target-list tbody').replaceChildren(...list.map((x) => this.row(x)));
    this.renderDetails(t.selectedTarget());
  }

  renderNotes() {
    const t = this.targets;
    if (!t.body) return;
    const stale = t.stale(), notes = [];
    $('#targets').classList.toggle('stale', stale);
    if (stale) notes.push(`Not updated for ${Math.round(t.ageS())} s: the targets are not live.`);
    if (t.body.full) notes.push('Target list full: cancel a target to acquire another.');
    if (!t.trueAvailable()) notes.push('Own ship\'s motion unknown: course and speed are relative, vectors relative.');
    const text = notes.join(' ');
    if ($('#targets-note').textContent !== text) $('#targets-note').textContent = text;
    $('#targets-note').hidden = notes.length === 0;
  }

  renderVectors() {
    const mode = this.targets.vectorMode();
    for (const b of document.querySelectorAll('#targets .vectors button')) {
      b.setAttribute('aria-pressed', String(b.dataset.mode === mode));
      if (b.dataset.mode === 'true') {
        b.disabled = !this.targets.trueAvailable();
        b.title = b.disabled ? 'Own ship\'s course and speed over ground are unknown' : '';
      }
    }
    $('#vector-minutes').value = String(this.targets.minutes);
    $('#past-interval').value = String(this.targets.pastS);
    document.body.dataset.vectors = mode;
  }

  renderOwn(own) {
    const e = $('#own-ship');
    if (!own || own.source === 'none') {
      e.textContent = 'Own ship: no heading, course or position: taken as still.';
      return;
    }
    const age = known(own.age_s) && own.age_s >= 5 ? ` · ${Math.round(own.age_s)} s old` : '';
    const limits = this.targets.body.limits;
    e.textContent = `Own ship (${own.source}): heading ${degrees(own.heading_deg, 1)} · ` +
      `COG ${degrees(own.course_deg)} · SOG ${kn(own.speed_kn)} · ` +
      `${angle(own.lat, 'NS')} ${angle(own.lon, 'EW')}${age}` +
      (limits ? ` · limits CPA ${nm(limits.cpa_nm)}, TCPA ${minutes(limits.tcpa_min)}` : '');
  }

  row(t) {
    const rel = t.relative_only ? ' rel' : '';
    const [word, symbol] = STATUS[t.status] || [String(t.status), '?'];
    // Being acquired, it has no motion yet: said once, not as four dashes.
    const motion = t.status === 'acquiring' ? [['acquiring', 'motion', 4]] : [
      [degrees(t.course_deg) + rel, 'course'],
      [kn(t.speed_kn) + rel, 'speed'],
      [nm(t.cpa_nm), 'cpa'],
      [minutes(t.tcpa_min), 'tcpa'],
    ];
    const cells = [
      [String(t.id), 'id'],
      [[t.dangerous && t.status !== 'lost' ? '▲' : symbol, word], 'status'],
      [nm(t.range_nm), 'range'],
      [degrees(t.bearing_deg, 1), 'bearing'],
      ...motion,
      [known(t.bcr_nm) ? `${nm(t.bcr_nm)}\n${minutes(t.bct_min)}` : '–', 'bcr'],
    ];
    const tr = document.createElement('tr');
    tr.dataset.id = String(t.id);
    tr.dataset.status = t.status;
    tr.className = [t.dangerous && 'danger', t.id === this.targets.selected && 'selected',
      known(t.tcpa_min) && t.tcpa_min < 0 && 'past'].filter(Boolean).join(' ');
    if (t.dangerous) tr.title = 'Dangerous: passes inside the CPA limit within the TCPA limit';
    for (const [text, field, span] of cells) {
      const td = document.createElement('td');
      td.dataset.field = field;
      if (span) Object.assign(td, { colSpan: span, className: 'acquiring' });
      if (field === 'bcr') td.className = 'bcr';
      if (Array.isArray(text)) {
        const [sym, word] = text.map((t) => Object.assign(document.createElement('span'), { textContent: t }));
        sym.className = 'sym';
        word.className = 'word';
        td.append(sym, ' ', word);
        td.title = t.status + (t.dangerous ? ', dangerous' : '');
      } else {
        td.textContent = text;
      }
      tr.append(td);
    }
    return tr;
  }

  renderDetails(t) {
    $('#target-details').hidden = !t;
    if (!t) return;
    const motion = t.relative_only ? 'relative (own motion unknown)' : 'true over ground';
    const acquiring = t.status === 'acquiring';
    const rows = [
      ['Target', `${t.id} · ${t.status} · ${t.acquisition === 'auto' ? 'automatic' : 'manual'} acquisition`],
      ['Position', `${nm(t.range_nm)} at ${degrees(t.bearing_deg, 1)}`],
      ...(acquiring ? [['Motion', 'acquiring: its course and speed are not known yet']] : [
        ['Motion', `${degrees(t.course_deg)} at ${kn(t.speed_kn)}, ${motion}`],
        ['Relative', `${degrees(t.rel_course_deg)} at ${kn(t.rel_speed_kn)}`],
        ['CPA', `${nm(t.cpa_nm)} in ${minutes(t.tcpa_min)}${t.dangerous ? ' · DANGEROUS' : ''}`],
      ]),
      // A server without bow crossings leaves the line out.
      ...(!acquiring && 'bcr_nm' in t ? [['Bow crossing', known(t.bcr_nm)
        ? `${nm(t.bcr_nm)} ahead of own ship in ${minutes(t.bct_min)}` : 'does not cross ahead']] : []),
      ...(t.trial && known(t.trial.cpa_nm) ? [['Trial CPA', `${nm(t.trial.cpa_nm)} in ${minutes(t.trial.tcpa_min)}`]] : []),
      ['Seen', `${when(t.first_seen)} to ${when(t.last_seen)}`],
    ];
    $('#target-details dl').replaceChildren(...rows.flatMap(([k, v]) => {
      const dt = document.createElement('dt'), dd = document.createElement('dd');
      dt.textContent = k;
      dd.textContent = v;
      return [dt, dd];
    }));
  }
}
