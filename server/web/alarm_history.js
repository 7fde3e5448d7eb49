// The alarms of the watch so far (GET /api/alarms?history=1): each one when
// it was raised, acknowledged and cleared, the latest first, in a dialog
// opened from the alarm strip or the panel.

import { utcTime } from './watch.js';

const $ = (selector) => document.querySelector(selector);

function cell(tag, text) {
  const e = document.createElement(tag);
  e.textContent = text;
  return e;
}

export class AlarmHistory {
  constructor(dialog) {
    this.dialog = dialog;
    for (const b of document.querySelectorAll('[data-open="alarm-history"]')) {
      b.addEventListener('click', () => this.open());
    }
    dialog.querySelector('.close').addEventListener('click', () => dialog.close());
  }

  async open() {
    const body = $('#alarm-history-list tbody'), note = $('#alarm-history-note');
    note.textContent = 'Asking the server…';
    body.replaceChildren();
    if (!this.dialog.open) this.dialog.showModal();
    let history;
    try {
      const answer = await fetch('api/alarms?history=1', { cache: 'no-store' });
      history = answer.ok ? (await answer.json()).history : null;
    } catch {
      history = null;
    }
    if (!Array.isArray(history)) {
      note.textContent = 'The server keeps no alarm history, or it cannot be reached.';
      return;
    }
    note.textContent = history.length ? `The last ${history.length}, the latest first.` : 'No alarm yet.';
    body.replaceChildren(...[...history].reverse().map((h) => {
      const tr = document.createElement('tr');
      tr.dataset.kind = h.kind ?? '';
      tr.append(cell('td', utcTime(h.raised)), cell('td', h.text ?? `${h.kind} ${h.subject ?? ''}`),
        cell('td', h.acknowledged ? utcTime(h.acknowledged) : 'not acknowledged'),
        cell('td', h.cleared ? utcTime(h.cleared) : 'still up'));
      return tr;
    }));
  }
}
