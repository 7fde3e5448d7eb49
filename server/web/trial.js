// The trial manoeuvre: what if own ship turned to a course and speed, after
// a delay? The server works out every target's CPA under it (POST
// /api/trial, no token: it orders nothing) and ends it by itself after five
// minutes; the picture draws the trial vectors (targets.js) and this lists
// each target's trial CPA and TCPA beside the present one.

import { known } from './units.js';
import { utcTime } from './watch.js';

const $ = (selector) => document.querySelector(selector);
const TURN_DEG = 30;  // the form offers own course this much to starboard
const fixed = (v, digits, unit) => (known(v) ? `${v.toFixed(digits)}${unit}` : '–');

export class Trial {
  // send(method, path, body): an order with the token, for a server that wants one.
  constructor(targets, send) {
    this.targets = targets;
    this.send = send;
    $('#trial-open').addEventListener('click', () => this.openForm(true));
    $('#trial-close').addEventListener('click', () => this.openForm(false));
    $('#trial-form').addEventListener('submit', (e) => {
      e.preventDefault();
      this.start();
    });
    $('#trial-end').addEventListener('click', () => this.order('DELETE', 'api/trial'));
    targets.onChange(() => this.render());
    this.render();
  }

  openForm(open) {
    $('#trial-form').hidden = !open;
    $('#trial-open').hidden = open;
    $('#trial-open').setAttribute('aria-expanded', String(open));
    if (!open) return;
    // Present course (or heading) 30° to starboard, present speed, no delay.
    const own = this.targets.own();
    const course = known(own?.course_deg) ? own.course_deg : own?.heading_deg;
    $('#trial-course').value = known(course) ? String(Math.round(course + TURN_DEG) % 360) : '';
    $('#trial-speed').value = known(own?.speed_kn) ? String(Math.round(own.speed_kn * 10) / 10) : '';
    $('#trial-delay').value = '0';
    $('#trial-course').focus();
  }

  async start() {
    const body = {
      course_deg: Number($('#trial-course').value) % 360,
      speed_kn: Number($('#trial-speed').value),
      delay_min: Number($('#trial-delay').value),
    };
    if (await this.order('POST', 'api/trial', body)) this.openForm(false);
  }

  // Sends without the token; asks for it only if the server wants one.
  async order(method, path, body) {
    const e = $('#trial-result');
    let answer;
    try {
      const reply = await fetch(path, {
        method, headers: { 'Content-Type': 'application/json' },
        body: body === undefined ? undefined : JSON.stringify(body),
      });
      if (reply.status === 401) {
        answer = await this.send(method, path, body);
      } else {
        const json = await reply.json().catch(() => ({}));
        answer = reply.ok ? { ok: true } : { ok: false, text: json.error || `HTTP ${reply.status}` };
      }
    } catch (error) {
      answer = { ok: false, text: error.message };
    }
    e.textContent = answer.ok ? '' : `Trial not ${method === 'POST' ? 'started' : 'ended'}: ${answer.text}`;
    e.className = `result ${answer.ok ? 'ok' : 'bad'}`;
    // The event follows; the list shows the answer at once.
    if (answer.ok) {
      fetch('api/targets', { cache: 'no-store' }).then((r) => r.json()).then((b) => this.targets.update(b), () => {});
    }
    return answer.ok;
  }

  render() {
    const body = this.targets.body, trial = this.targets.trial();
    // A server without trial manoeuvres says nothing of them.
    $('#trial').hidden = !body || !('trial' in body);
    $('#trial-on').hidden = !trial;
    document.body.classList.toggle('trial-on', !!trial);
    if (!trial) {
      if ($('#trial-form').hidden) $('#trial-open').hidden = false;
      return;
    }
    $('#trial-open').hidden = true;
    $('#trial-form').hidden = true;
    const delay = known(trial.delay_min) && trial.delay_min > 0 ? ` in ${fixed(trial.delay_min, 1, ' min')}` : ' now';
    $('#trial-summary').textContent = `TRIAL: own ship to ${String(Math.round(trial.course_deg) % 360).padStart(3, '0')}° ` +
      `at ${fixed(trial.speed_kn, 1, ' kn')}${delay} · ends by itself at ${utcTime(trial.ends)}`;
    const limits = body.limits;
    const rows = this.targets.list().filter((t) => t.trial).sort((a, b) => a.id - b.id).map((t) => {
      const tr = document.createElement('tr');
      tr.dataset.id = String(t.id);
      const danger = known(t.trial.cpa_nm, t.trial.tcpa_min, limits?.cpa_nm, limits?.tcpa_min) &&
        t.trial.cpa_nm < limits.cpa_nm && t.trial.tcpa_min >= 0 && t.trial.tcpa_min <= limits.tcpa_min;
      if (danger) tr.className = 'danger';
      for (const text of [String(t.id), fixed(t.cpa_nm, 2, ' NM'), fixed(t.trial.cpa_nm, 2, ' NM'),
        fixed(t.trial.tcpa_min, 1, ' min')]) {
        const td = document.createElement('td');
        td.textContent = text;
        tr.append(td);
      }
      return tr;
    });
    $('#trial-targets tbody').replaceChildren(...rows);
  }
}
