// This screen's own choices, kept per browser: the orientation (north up,
// head up, course up), off-centre, the palette and the brightness. They
// change this screen alone, never the radar. Without a heading the picture
// can only be head up (its bearings are the radar's, from the bow): north
// up and course up are then not offered, and the note says why.

import { BRIGHTNESS, NAMES, PALETTES, keep, kept } from './palettes.js';

const KEPT = 'radarctl-view';
const ORIENTATIONS = { north: 'North up', head: 'Head up', course: 'Course up' };

function choice(name, options, current, onPick) {
  const group = document.createElement('div');
  group.className = 'choice';
  group.setAttribute('role', 'group');
  group.setAttribute('aria-label', name);
  for (const [value, text] of Object.entries(options)) {
    const b = document.createElement('button');
    b.type = 'button';
    b.dataset.value = value;
    b.textContent = text;
    b.addEventListener('click', () => onPick(value));
    group.append(b);
  }
  const show = (value) => {
    for (const b of group.children) b.setAttribute('aria-pressed', String(b.dataset.value === value));
  };
  show(current);
  return { group, show };
}

function line(name, ...widgets) {
  const div = document.createElement('div');
  div.className = 'line';
  const label = document.createElement('span');
  label.className = 'name';
  label.textContent = name;
  div.append(label, ...widgets);
  return div;
}

export class DisplayChoices {
  // onChange({orientation, offCentre, palette, brightness}) after each change;
  // onHoldCourse(): course up is to take the present course again.
  constructor(root, onChange, onHoldCourse = () => {}) {
    this.onChange = onChange;
    let view = {};
    try {
      view = JSON.parse(localStorage.getItem(KEPT)) || {};
    } catch { /* none kept */ }
    this.state = {
      orientation: view.orientation in ORIENTATIONS ? view.orientation : 'north',
      offCentre: view.offCentre === true,
      ...kept(),
    };
    const s = this.state;
    this.orientation = choice('Orientation', ORIENTATIONS, s.orientation, (v) => this.set({ orientation: v }));
    this.centre = choice('Own ship', { centred: 'Centred', off: 'Off centre' }, s.offCentre ? 'off' : 'centred',
      (v) => this.set({ offCentre: v === 'off' }));
    this.palette = choice('Palette', Object.fromEntries(PALETTES.map((p) => [p, NAMES[p]])), s.palette,
      (v) => this.set({ palette: v }));
    this.palette.group.id = 'palette';
    this.orientation.group.id = 'orientation-choice';
    const slider = document.createElement('input');
    Object.assign(slider, { type: 'range', min: BRIGHTNESS.min, max: BRIGHTNESS.max, step: BRIGHTNESS.step,
      value: s.brightness, id: 'brightness' });
    slider.setAttribute('aria-label', 'Brightness');
    this.brightnessText = document.createElement('output');
    this.brightnessText.className = 'reading';
    slider.addEventListener('input', () => this.set({ brightness: Number(slider.value) }));
    this.note = document.createElement('div');
    this.note.className = 'note';
    this.note.id = 'orientation-note';
    this.note.hidden = true;
    this.holdCourse = document.createElement('button');
    Object.assign(this.holdCourse, { type: 'button', id: 'course-up-reset', hidden: true,
      textContent: 'Course up: take the present course' });
    this.holdCourse.addEventListener('click', () => onHoldCourse());
    root.append(
      line('Orientation'), this.orientation.group, this.note, this.holdCourse,
      line('Own ship'), this.centre.group,
      line('Palette'), this.palette.group,
      line('Brightness', this.brightnessText), slider);
    this.apply();
  }

  set(change) {
    Object.assign(this.state, change);
    const s = this.state;
    localStorage.setItem(KEPT, JSON.stringify({ orientation: s.orientation, offCentre: s.offCentre }));
    keep({ palette: s.palette, brightness: s.brightness });
    this.apply();
  }

  apply() {
    const s = this.state;
    this.orientation.show(s.orientation);
    this.centre.show(s.offCentre ? 'off' : 'centred');
    this.palette.show(s.palette);
    this.brightnessText.textContent = `${Math.round(s.brightness * 100)} %`;
    document.body.dataset.palette = s.palette;
    document.documentElement.style.setProperty('--brightness', String(s.brightness));
    this.onChange({ ...s });
  }

  // What the picture really is ('north', 'head', 'course', or 'relative':
  // head up for want of a heading): the choices that cannot be had are
  // disabled, and the note says why.
  showFallback(shown) {
    const relative = shown === 'relative';
    const why = 'No heading source (the radar\'s or NMEA): the picture is head up, its bearings relative to the bow';
    for (const b of this.orientation.group.children) {
      b.disabled = relative && b.dataset.value !== 'head';
      b.title = b.disabled ? `${why}. ${b.textContent} needs a heading.` : '';
    }
    this.orientation.show(relative ? 'head' : this.state.orientation);
    this.note.textContent = relative ? `${why}.` : '';
    this.note.hidden = !relative;
    this.holdCourse.hidden = shown !== 'course';
  }
}
