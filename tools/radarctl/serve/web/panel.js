// The settings panel: the everyday controls, built from /api/schema. Each
// field shows the value the radar last announced; a change is sent as an
// order and the shown value follows only when the radar announces it.

import { formatNm } from './ppi.js';

const EVERYDAY = [
  'RadarTxStby', 'RadarRange', 'RadarGain', 'RadarACSea', 'RadarACRain', 'RadarTune',
  'RadarTrail', 'RadarEBL', 'RadarVRM', 'RadarGuard',
];
const SELECT_SPAN = 20;  // fields with at most this many steps (range steps too) get a list
const SLIDER_SPAN = 1000;  // up to this, a slider; beyond, a number box
const RESULT_MS = 3000;  // how long a POST's result stays in view
const REVERT_MS = 2500;  // an order the radar has not announced by then is shown as not taken

// What one entry of a selector group is called on the bridge.
const ENTRY_NAMES = { RadarEBL: 'EBL', RadarVRM: 'VRM', RadarGuard: 'Guard zone' };

const STATUS_TEXT = { 0: 'sent', '-1': 'refused', '-2': 'out of range', '-3': 'not sent: no radar yet' };

function element(tag, attributes = {}, ...children) {
  const e = document.createElement(tag);
  for (const [k, v] of Object.entries(attributes)) {
    if (k === 'class') e.className = v;
    else e.setAttribute(k, v);
  }
  e.append(...children);
  return e;
}

export class Panel {
  // send(stem, values) resolves to {ok, text}; it carries the token.
  constructor(root, schema, display, send) {
    this.root = root;
    this.display = display;
    this.send = send;
    this.blocks = new Map();  // "RadarGain", "RadarEBL/1" -> {group, fields, inputs, lives, ...}
    this.live = new Map();  // same keys -> values in Get order
    this.controls = root.querySelector('#controls') || root;
    this.controls.replaceChildren();
    const groups = new Map(schema.groups.map((g) => [g.stem, g]));
    for (const stem of EVERYDAY) {
      const group = groups.get(stem);
      if (group && group.fields.length > 0) this.build(group);
    }
  }

  build(group) {
    const section = element('section', { class: 'group', 'data-group': group.stem },
      element('h3', {}, group.title || group.stem));
    const selector = group.selector;
    const fields = selector ? group.fields.slice(1) : group.fields;
    const keys = selector ? selector.values.map((v) => [`${group.stem}/${v}`, v]) : [[group.stem, null]];
    for (const [key, selectorValue] of keys) {
      const block = { group, key, selectorValue, fields, inputs: [], lives: [], pendings: [], timer: 0 };
      const box = selector ? element('div', { class: 'entry' },
        element('h4', {}, `${ENTRY_NAMES[group.stem] || selector.name} ${selectorValue}`)) : section;
      for (const field of fields) {
        const input = this.input(group.stem, field);
        input.dataset.stem = key;
        input.dataset.field = field.name;
        const live = element('output', { class: 'live' }, '–');
        const pending = element('span', { class: 'pending' });
        const id = `f-${key.replace('/', '-')}-${field.name}`;
        input.id = id;
        box.append(element('div', { class: 'field' },
          element('label', { for: id }, field.name), input, live, pending));
        input.addEventListener('input', () => {
          pending.textContent = input.type === 'range' ? `→ ${input.value}` : '';
        });
        input.addEventListener('change', () => this.order(block));
        block.inputs.push(input);
        block.lives.push(live);
        block.pendings.push(pending);
      }
      block.result = element('div', { class: 'result', role: 'status' });
      box.append(block.result);
      if (selector) section.append(box);
      this.blocks.set(key, block);
    }
    this.controls.append(section);
  }

  input(stem, field) {
    const span = field.max - field.min;
    if (span <= SELECT_SPAN) {
      const select = element('select');
      for (let v = field.min; v <= field.max; ++v) {
        select.append(element('option', { value: v }, this.format(stem, field.name, v)));
      }
      return select;
    }
    const type = span <= SLIDER_SPAN ? 'range' : 'number';
    return element('input', { type, min: field.min, max: field.max, step: 1, value: field.min });
  }

  // A value as a navigator reads it: ranges in NM, bearings in degrees.
  format(stem, name, v) {
    if (stem === 'RadarRange' && name === 'step') {
      const nm = this.display.ranges_nm?.[v];
      return nm !== undefined ? formatNm(nm) : String(v);
    }
    if (/^bearing/.test(name)) return `${(v / 10).toFixed(1)}°`;
    if (/^distance/.test(name)) return formatNm(v / 10000);
    return String(v);
  }

  // A recording plays: there is no radar to order, and the range shown is
  // the recording's own (the picture's), not the radar record's.
  setPlayback() {
    if (this.playback) return;
    this.playback = true;
    this.controls.prepend(element('p', { class: 'note', id: 'playback-note' },
      'Playing a recording: there is no radar to control. The range is the recording\'s.'));
    for (const block of this.blocks.values()) block.inputs.forEach((input) => { input.disabled = true; });
  }

  showPictureRange(text) {
    const block = this.blocks.get('RadarRange');
    if (block) block.lives[0].textContent = text;
  }

  // The radar announced a group's values (in Get order).
  update(key, values) {
    this.live.set(key, values);
    const block = this.blocks.get(key);
    if (!block) return;
    clearTimeout(block.timer);
    block.fields.forEach((field, i) => {
      if (values[i] === undefined) return;
      block.lives[i].textContent = this.format(block.group.stem, field.name, values[i]);
    });
    this.sync(block);
  }

  // Puts the inputs back to the announced values, leaving alone a number the
  // user is typing.
  sync(block) {
    const values = this.live.get(block.key);
    if (!values) return;
    block.inputs.forEach((input, i) => {
      if (values[i] === undefined) return;
      if (input.type === 'number' && document.activeElement === input) return;
      input.value = String(values[i]);
      block.pendings[i].textContent = '';
    });
  }

  async order(block) {
    const values = [];
    for (let i = 0; i < block.fields.length; ++i) {
      const field = block.fields[i], text = block.inputs[i].value.trim();
      const v = Number(text);
      if (text === '' || !Number.isInteger(v) || v < field.min || v > field.max) {
        this.result(block, `${field.name}: ${text} is outside ${field.min}-${field.max}`, false);
        return;
      }
      values.push(v);
    }
    if (block.selectorValue !== null) values.unshift(block.selectorValue);
    block.inputs.forEach((input) => { input.disabled = true; });
    let answer;
    try {
      answer = await this.send(block.group.stem, values);
    } finally {
      block.inputs.forEach((input) => { input.disabled = this.playback === true; });
    }
    this.result(block, answer.text, answer.ok);
    clearTimeout(block.timer);
    block.timer = setTimeout(() => this.sync(block), REVERT_MS);
  }

  result(block, text, ok) {
    block.result.textContent = text;
    block.result.className = `result ${ok ? 'ok' : 'bad'}`;
    clearTimeout(block.resultTimer);
    block.resultTimer = setTimeout(() => { block.result.textContent = ''; }, RESULT_MS);
  }

  static statusText(status) {
    return STATUS_TEXT[status] ?? `status ${status}`;
  }
}
