// The controls panel, built from GET /api/controls: the plain controls first
// (transmit, range, gain, sea, rain, trails, rings, EBL, VRM, guard zones),
// the advanced, installation and information ones behind "More". Every value
// shown is the one the radar last announced; a change goes as PUT
// /api/controls/ID, its result is shown for a moment, and the control goes
// back to the announced value if the radar does not take it.

import { M_PER_NM, formatBearing, formatDuration, formatNm, formatRangeNm, formatValue, known, toDeg, toRad }
  from './units.js';

const RESULT_MS = 3000;  // how long an order's result stays in view
const REVERT_MS = 2500;  // an order the radar has not announced by then is shown as not taken
const PLAIN = ['base', 'trails', 'markers', 'guardZones'];
const MORE = ['advanced', 'installation', 'info'];
const CATEGORY_NAMES = {
  base: 'Radar', trails: 'Trails', markers: 'Markers', guardZones: 'Guard zones',
  advanced: 'Advanced', installation: 'Installation', info: 'Information',
};
// Categories shown elsewhere on the page, when it gives them a place: the
// danger limits beside the targets.
const PLACED = { targets: 'Danger limits' };
const STATUS_TEXT = { 0: 'sent', '-1': 'refused', '-2': 'out of range', '-3': 'not sent: no radar yet' };
// The transmitter's state, and what a tap does: never a word that could be either.
const POWER_STATE = { 0: 'Off', 1: 'On standby', 2: 'Transmitting', 3: 'Warming up' };
const POWER_ACTION = { 0: 'tap to transmit', 1: 'tap to transmit', 2: 'tap to go to standby', 3: 'tap to go to standby' };

function element(tag, attributes = {}, ...children) {
  const e = document.createElement(tag);
  for (const [k, v] of Object.entries(attributes)) {
    if (k === 'class') e.className = v;
    else if (v !== undefined && v !== null) e.setAttribute(k, v);
  }
  e.append(...children);
  return e;
}

const button = (text, attributes = {}) => element('button', { type: 'button', ...attributes }, text);

// A slider's number for a value of the radar, in the unit the person reads,
// its decimals and its step when the control gives none.
function sliderScale(def) {
  if (def.units === 'rad') return { to: toDeg, from: toRad, unit: '°', digits: 1 };
  if (def.units === 'm') return { to: (m) => m / M_PER_NM, from: (nm) => nm * M_PER_NM, unit: ' NM', digits: 2, step: 0.05 };
  if (def.units === 's') return { to: (s) => s / 60, from: (min) => min * 60, unit: ' min', digits: 1, step: 0.5 };
  return { to: (v) => v, from: (v) => v, unit: def.units === 'percent' ? ' %' : '', digits: 0 };
}

// A guard zone in words: its bearings clockwise and its distances.
export function zoneText(z) {
  if (!z || !known(z.value)) return '–';
  return `${formatBearing(z.value)} to ${formatBearing(z.endValue)}, ` +
    `${formatNm(z.startDistance / M_PER_NM)} to ${formatNm(z.endDistance / M_PER_NM)}`;
}

export class Panel {
  // send(id, body) resolves to the answer {ok, text, status}; it carries the
  // token. onSelect(id | null): a marker chosen to be placed by dragging.
  // places: {category: element} for categories shown elsewhere (PLACED).
  // placeNew(id, value): the values a mark switched on takes when it has none.
  constructor(plain, more, definitions, send, onSelect, { places = {}, placeNew = () => ({}) } = {}) {
    this.send = send;
    this.onSelect = onSelect;
    this.placeNew = placeNew;
    this.defs = definitions;
    this.values = {};
    this.rows = new Map();  // id -> {def, root, sync(value), widgets, result, timer}
    this.selected = null;
    this.playback = false;
    this.plain = plain;
    plain.replaceChildren();
    more.replaceChildren();
    const ids = Object.keys(definitions).sort((a, b) => definitions[a].id - definitions[b].id);
    for (const category of [...PLAIN, ...MORE]) {
      const inCategory = ids.filter((id) => definitions[id].category === category);
      if (inCategory.length === 0) continue;
      const section = element('section', { class: 'group', 'data-category': category },
        element('h3', {}, CATEGORY_NAMES[category]));
      (PLAIN.includes(category) ? plain : more).append(section);
      for (const id of inCategory) section.append(this.build(id, definitions[id]));
    }
    for (const [category, title] of Object.entries(PLACED)) {
      const inCategory = ids.filter((id) => definitions[id].category === category);
      if (!places[category] || inCategory.length === 0) continue;
      const section = element('div', { 'data-category': category }, element('div', { class: 'label' }, title));
      for (const id of inCategory) section.append(this.build(id, definitions[id]));
      places[category].replaceChildren(section);
    }
    // Controls of a category this page does not know still show, behind "More".
    const shown = [...PLAIN, ...MORE, ...Object.keys(PLACED).filter((c) => places[c])];
    const others = ids.filter((id) => !shown.includes(definitions[id].category));
    if (others.length) {
      const section = element('section', { class: 'group' }, element('h3', {}, 'Other'));
      for (const id of others) section.append(this.build(id, definitions[id]));
      more.append(section);
    }
  }

  build(id, def) {
    const row = { id, def, widgets: [], syncs: [], timer: 0 };
    row.root = element('div', { class: `control ${def.dataType}`, 'data-control': id, title: def.description ?? '' });
    row.result = element('div', { class: 'result', role: 'status' });
    this.rows.set(id, row);
    if (id === 'power') this.buildPower(row);
    else if (id === 'range') this.buildRange(row);
    else if (def.isReadOnly) this.buildReading(row);
    else if (/^(ebl|vrm)\d$/.test(id)) this.buildMarker(row);
    else if (def.dataType === 'zone' || def.dataType === 'sector') this.buildZone(row);
    else if (def.dataType === 'button') this.buildButton(row);
    else if (def.validValues) this.buildChoice(row);
    else if (def.dataType === 'number' && known(def.minValue) && known(def.maxValue)) this.buildSlider(row);
    else this.buildReading(row);
    row.root.append(row.result);
    return row.root;
  }

  // The name, the reading (what the radar announced) and the widgets, in a
  // line; `before` go between the name and the reading.
  head(row, widgets = [], before = []) {
    row.reading = element('output', { class: 'reading' }, '–');
    row.root.append(element('div', { class: 'line' },
      element('span', { class: 'name' }, row.def.name), ...before, row.reading, ...widgets));
  }

  buildPower(row) {
    const b = button('', { id: 'power', class: 'power' });
    b.append(element('span', { class: 'state' }, '–'), element('span', { class: 'hint' }, ''));
    b.addEventListener('click', () => {
      const v = this.values.power?.value;
      this.order(row, { value: v === 2 || v === 3 ? 1 : 2 });
    });
    row.root.append(b);
    row.widgets.push(b);
    row.syncs.push((value) => {
      const v = value?.value;
      b.dataset.state = String(v);
      b.querySelector('.state').textContent = POWER_STATE[v] ?? row.def.descriptions?.[String(v)] ?? '–';
      b.querySelector('.hint').textContent = POWER_ACTION[v] ?? '';
    });
  }

  buildRange(row) {
    const down = button('−', { 'data-step': '-1', 'aria-label': 'Shorter range', class: 'step' });
    const up = button('+', { 'data-step': '1', 'aria-label': 'Longer range', class: 'step' });
    down.addEventListener('click', () => this.stepRange(-1));
    up.addEventListener('click', () => this.stepRange(1));
    row.reading = element('output', { class: 'reading big' }, '–');
    row.root.append(element('div', { class: 'line' }, element('span', { class: 'name' }, row.def.name),
      down, row.reading, up));
    row.widgets.push(down, up);
    row.syncs.push((value) => {
      if (this.pictureRange) return;
      row.reading.textContent = known(value?.value) ? formatRangeNm(value.value / M_PER_NM) : '–';
    });
  }

  // The next range in or out from the one the radar announced.
  stepRange(step) {
    const row = this.rows.get('range'), valid = row?.def.validValues;
    const now = this.values.range?.value;
    if (!valid || !known(now) || this.playback) return;
    let at = 0;
    valid.forEach((v, i) => { if (Math.abs(v - now) < Math.abs(valid[at] - now)) at = i; });
    const next = valid[Math.min(valid.length - 1, Math.max(0, at + step))];
    if (next !== valid[at]) this.order(row, { value: next });
  }

  buildReading(row) {
    this.head(row);
    row.syncs.push((value) => { row.reading.textContent = this.format(row.def, value); });
  }

  buildButton(row) {
    const b = button(row.def.name);
    b.addEventListener('click', () => this.order(row, { value: 1 }));
    row.root.append(b);
    row.widgets.push(b);
  }

  // An enum or a number with a few values: buttons side by side when there
  // are few, else a list.
  buildChoice(row) {
    const def = row.def, values = def.validValues;
    const label = (v) => (def.descriptions ? def.descriptions[String(v)] ?? String(v)
      : def.units === 's' ? formatDuration(v, true) : formatValue(def, v));
    if (values.length <= 4) {
      // The pressed button says the value; two short ones fit beside the name.
      const group = element('div', { class: 'choice', role: 'group', 'aria-label': def.name });
      for (const v of values) {
        const b = button(label(v), { 'data-value': String(v), 'aria-pressed': 'false' });
        b.addEventListener('click', () => this.order(row, { value: v }));
        group.append(b);
        row.widgets.push(b);
      }
      const inline = values.length <= 2 && values.every((v) => label(v).length <= 8);
      this.head(row, inline ? [group] : []);
      row.reading.hidden = inline;
      if (!inline) row.root.append(group);
      row.syncs.push((value) => {
        for (const b of group.children) b.setAttribute('aria-pressed', String(Number(b.dataset.value) === value?.value));
      });
    } else {
      // The list shows the value; it stands beside the name.
      const select = element('select', { 'aria-label': def.name });
      for (const v of values) select.append(new Option(label(v), String(v)));
      select.addEventListener('change', () => this.order(row, { value: Number(select.value) }));
      this.head(row, [select]);
      row.reading.hidden = true;
      row.widgets.push(select);
      row.syncs.push((value) => {
        if (!known(value?.value)) return;
        // The option nearest the value: a value between them shows as its neighbour.
        let best = values[0];
        for (const v of values) if (Math.abs(v - value.value) < Math.abs(best - value.value)) best = v;
        select.value = String(best);
      });
    }
    row.syncs.push((value) => { row.reading.textContent = label(value?.value); });
  }

  buildSlider(row) {
    const def = row.def, s = sliderScale(def);
    const input = element('input', {
      type: 'range', min: s.to(def.minValue), max: s.to(def.maxValue),
      // The person's step (0.05 NM, half a minute) where the radar's resolution is finer.
      step: known(def.stepValue) ? Math.max(s.to(def.stepValue), s.step ?? 0) : s.step ?? 'any', 'aria-label': def.name,
    });
    const widgets = [];
    if (def.hasEnabled) widgets.push(this.toggle(row, 'enabled', 'On'));
    if (def.hasAuto) widgets.push(this.toggle(row, 'auto', 'Auto'));
    this.head(row, widgets, [input]);
    row.widgets.push(input);
    input.addEventListener('input', () => {
      row.editing = true;
      row.reading.textContent = `→ ${Number(input.value).toFixed(s.digits)}${s.unit}`;
    });
    input.addEventListener('change', () => {
      row.editing = false;
      // Moving the slider sets the level by hand.
      this.order(row, { value: s.from(Number(input.value)), ...(def.hasAuto ? { auto: false } : {}) });
    });
    row.syncs.push((value) => {
      if (row.editing || !known(value?.value)) return;
      input.value = String(s.to(value.value));
      input.classList.toggle('auto', value.auto === true);
      // In auto the level is the radar's: shown only when it reports one.
      const level = known(value.value) && value.value > 0 ? this.format(def, value) : '';
      row.reading.textContent = value.auto ? (level ? `Auto · ${level}` : 'Auto') : this.format(def, value);
    });
  }

  // An on/off button for a key of the value ("enabled", "auto").
  toggle(row, key, text) {
    const b = button(text, { class: 'toggle', 'data-key': key, 'aria-pressed': 'false' });
    b.addEventListener('click', () => {
      const on = !(this.values[row.id]?.[key] === true);
      // A mark switched on with no values of its own comes on where it is seen.
      const where = key === 'enabled' && on ? this.placeNew(row.id, this.values[row.id]) : {};
      this.order(row, { [key]: on, ...where });
    });
    row.widgets.push(b);
    row.syncs.push((value) => { b.setAttribute('aria-pressed', String(value?.[key] === true)); });
    return b;
  }

  // EBL and VRM: on or off alone, their reading, and "Move" to place them by
  // dragging anywhere on the picture.
  buildMarker(row) {
    const on = this.toggle(row, 'enabled', 'On');
    const move = button('Move', { class: 'move', 'aria-pressed': 'false',
      title: 'Then drag on the picture to place it' });
    move.addEventListener('click', () => this.select(this.selected === row.id ? null : row.id));
    row.widgets.push(move);
    this.head(row, [on, move]);
    row.syncs.push((value) => {
      row.reading.textContent = value?.enabled ? this.format(row.def, value) : 'Off';
    });
  }

  buildZone(row) {
    const on = this.toggle(row, 'enabled', 'On');
    this.head(row, [on]);
    row.root.append(element('div', { class: 'hint' }, 'Drag its corners on the picture'));
    row.syncs.push((value) => { row.reading.textContent = value?.enabled ? zoneText(value) : 'Off'; });
  }

  select(id) {
    this.selected = id;
    for (const row of this.rows.values()) {
      row.root.querySelector('.move')?.setAttribute('aria-pressed', String(row.id === id));
    }
    this.onSelect(id);
  }

  format(def, value) {
    if (!value) return '–';
    // Information the radar marks as not valid (a heading it has not got).
    if (def.isReadOnly && value.enabled === false) return 'not known';
    return formatValue(def, value.value);
  }

  // The radar announced values (some or all controls).
  update(values) {
    Object.assign(this.values, values);
    for (const [id, value] of Object.entries(values)) {
      const row = this.rows.get(id);
      if (!row) continue;
      clearTimeout(row.timer);
      for (const sync of row.syncs) sync(value);
    }
  }

  resync(row) {
    row.editing = false;
    for (const sync of row.syncs) sync(this.values[row.id]);
  }

  // A recording plays: there is no radar to order, and the range shown is
  // the recording's own (the picture's), not the radar's.
  setPlayback() {
    if (this.playback) return;
    this.playback = true;
    this.plain.prepend(element('p', { class: 'note', id: 'playback-note' },
      'Playing a recording: there is no radar to control. The range is the recording\'s.'));
    for (const row of this.rows.values()) row.widgets.forEach((w) => { w.disabled = true; });
  }

  showPictureRange(text) {
    this.pictureRange = text;
    const row = this.rows.get('range');
    if (row) row.reading.textContent = text;
  }

  // Sends part of a control's value; the widgets wait for the answer.
  async order(row, body) {
    if (this.playback) return;
    row.widgets.forEach((w) => { w.disabled = true; });
    let answer;
    try {
      answer = await this.send(row.id, body);
    } finally {
      row.widgets.forEach((w) => { w.disabled = this.playback; });
    }
    const ok = answer.ok && answer.status === 0;
    this.result(row, answer.ok ? Panel.statusText(answer.status) : answer.text, ok);
    clearTimeout(row.timer);
    row.timer = setTimeout(() => this.resync(row), REVERT_MS);
    return answer;
  }

  result(row, text, ok) {
    row.result.textContent = text;
    row.result.className = `result ${ok ? 'ok' : 'bad'}`;
    clearTimeout(row.resultTimer);
    row.resultTimer = setTimeout(() => { row.result.textContent = ''; }, RESULT_MS);
  }

  static statusText(status) {
    return STATUS_TEXT[status] ?? `status ${status}`;
  }
}
