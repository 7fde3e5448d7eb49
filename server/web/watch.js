// Whether the picture on this screen is live, said in words, and the alarms
// that must be heard. A picture that has stopped is dimmed within seconds
// and never called live; the server's alarms (echo lost, a dangerous or lost
// target, an echo in a guard zone) and this screen's own (no echo here, the
// server gone) are listed in the alarm strip beside the picture, never over
// it, the worst first, and sound until someone acknowledges them or this
// screen silences them.

const STALE_MS = 2500;  // no line for this long: the picture is dimmed
const LOST_MS = 5000;   // ... and for this long: this screen's own alarm
const BEEP_EVERY_MS = 1000;
const SILENCE_MS = 5 * 60 * 1000;  // a silenced alarm nobody acknowledged sounds again after this
const LOCAL_ID = 'here';
const LOCAL_PRIORITY = 0;  // the screen's own: a dead picture outranks every alarm of the server
// The server gives each alarm its priority (1 the worst); these stand in for a server that does not.
const KIND_PRIORITY = { server_lost: 0, echo_lost: 1, cpa: 2, guard: 3, lost: 4 };
const TITLES = {
  server_lost: 'SERVER LOST: THE PICTURE IS NOT LIVE',
  echo_lost: 'NO ECHO: THE PICTURE IS NOT LIVE',
  cpa: 'DANGEROUS TARGET',
  guard: 'GUARD ZONE: ECHO INSIDE',
  lost: 'TARGET LOST',
};

const $ = (selector) => document.querySelector(selector);

export const priorityOf = (a) => (a.id === LOCAL_ID ? LOCAL_PRIORITY
  : Number.isFinite(a.priority) ? a.priority : KIND_PRIORITY[a.kind] ?? 9);

// Worst first; of equal priority, those still to be acknowledged, then the oldest.
export function byPriority(a, b) {
  return priorityOf(a) - priorityOf(b) || (a.acknowledged === true) - (b.acknowledged === true) ||
    String(a.since ?? '').localeCompare(String(b.since ?? ''));
}

// "20:31:05 UTC" of a time the server gives as UTC text.
export function utcTime(text) {
  const t = new Date(text);
  return typeof text === 'string' && !Number.isNaN(t.getTime()) ? `${t.toISOString().slice(11, 19)} UTC` : '–';
}

function element(tag, className, text) {
  const e = document.createElement(tag);
  if (className) e.className = className;
  if (text !== undefined) e.textContent = text;
  return e;
}

export class Watch {
  // acknowledge(id) sends a server alarm's acknowledgement: {ok, text}.
  constructor(acknowledge) {
    this.acknowledgeOnServer = acknowledge;
    this.alarms = new Map();  // id -> {id, kind, text, acknowledged, active, priority}
    this.lastLine = 0;        // performance.now() of the latest line; 0 none yet
    this.socketUp = false;
    this.status = null;       // the server's latest status event
    this.audio = null;
    this.beeps = 0;
    this.beeping = 0;
    this.ackNote = '';
    this.silenced = new Map();  // id -> performance.now() when this screen silenced it
    this.shown = '';  // what the strip shows, so that it is rebuilt only on a change
    // Browsers let a page sound only after a touch or a key: take the first.
    for (const type of ['pointerdown', 'keydown']) {
      document.addEventListener(type, () => this.unlockAudio(), { capture: true });
    }
    $('#alarm-silence').addEventListener('click', () => this.silence());
    $('#alarm-list').addEventListener('click', (e) => {
      const b = e.target.closest('button.ack');
      if (b) this.acknowledge(b.dataset.id);
    });
    setInterval(() => this.update(), 250);
  }

  line() {
    this.lastLine = performance.now();
  }

  // The radar's transmit state in words ("Standby"), or null while it
  // transmits or has not said: a radar on standby sends no echo, and none
  // is missed. Back on transmit, its echo is given the same time to come.
  power(notTransmitting) {
    if (this.notTransmitting && !notTransmitting) this.transmitSince = performance.now();
    this.notTransmitting = notTransmitting;
    this.update();
  }

  connected(up) {
    this.socketUp = up;
    if (up) {
      // The server sends every alarm that is up when the stream opens.
      for (const id of [...this.alarms.keys()]) if (id !== LOCAL_ID) this.alarms.delete(id);
    } else {
      this.status = null;
    }
    this.update();
  }

  onStatus(message) {
    this.status = message;
  }

  // Every event is shown at once: the server sends an alarm again whenever
  // its text changes (a CPA alarm's figures, each revolution).
  onAlarm(message) {
    if (message.state === 'cleared') this.alarms.delete(message.id);
    else this.alarms.set(message.id, message);
    this.update();
  }

  playbackEnded() {
    return this.socketUp && this.status?.playback_ended === true;
  }

  // The alarms listed, the worst first.
  list() {
    return [...this.alarms.values()].sort(byPriority);
  }

  update() {
    const now = performance.now();
    const heard = Math.max(this.lastLine, this.transmitSince || 0);
    const age = heard ? now - heard : Infinity;
    const live = this.socketUp && age < STALE_MS;
    document.body.classList.toggle('stale', !live);
    this.ownAlarm(age);
    this.sayState(live, age);
    for (const [id, at] of this.silenced) {
      if (!this.alarms.has(id) || this.alarms.get(id).acknowledged || now - at > SILENCE_MS) this.silenced.delete(id);
    }
    const sounding = this.list().filter((a) => !a.acknowledged && !this.silenced.has(a.id));
    this.showStrip(sounding.length > 0);
    this.sound(sounding.length > 0);
  }

  // This screen's alarm: it showed echo, and for a while none has come,
  // whatever the reason (the server gone, this screen's own link), unless
  // the server already says so or the recording has simply ended.
  ownAlarm(age) {
    const serverSays = [...this.alarms.values()].some((a) => a.kind === 'echo_lost' && a.id !== LOCAL_ID);
    const lost = this.lastLine !== 0 && age >= LOST_MS && (!serverSays || !this.socketUp) &&
      !this.playbackEnded() && !this.notTransmitting;
    const own = this.alarms.get(LOCAL_ID);
    if (lost) {
      // Its words follow the cause: the server gone, or this screen's link starved.
      const [kind, text] = this.socketUp
        ? ['echo_lost', `No echo has reached this screen for ${LOST_MS / 1000} s: the picture is not live`]
        : ['server_lost', 'No connection to the server: the picture and every alarm below are not live'];
      if (!own) {
        this.alarms.set(LOCAL_ID, { id: LOCAL_ID, kind, text, acknowledged: false, active: true,
                                    since: new Date().toISOString() });
      } else if (own.kind !== kind) {
        Object.assign(own, { kind, text, acknowledged: false });  // a new cause is heard again
      }
    } else if (own && (age < STALE_MS || serverSays || this.playbackEnded())) {
      this.alarms.delete(LOCAL_ID);
    }
  }

  // Never "live" or "connected" about a radar this screen has not heard from.
  sayState(live, age) {
    const e = $('#radar-state');
    const s = this.status;
    const what = s?.source === 'playback' ? 'Recording' : 'Radar';
    let text, kind;
    if (!this.socketUp) {
      [text, kind] = [`${what}: unknown, no connection to the server`, 'bad'];
    } else if (this.playbackEnded()) {
      [text, kind] = ['Recording: played to its end', 'warn'];
    } else if (live) {
      [text, kind] = [`${what}: live`, 'good'];
    } else if (this.notTransmitting && s?.source !== 'playback') {
      [text, kind] = [`Radar: ${this.notTransmitting}, no echo`, 'warn'];
    } else {
      const link = s && s.source !== 'playback'
        ? { 0: ' (not connected)', 1: ' (connecting)', 2: ' (it answers orders)' }[s.source_status] ?? ''
        : '';
      const since = this.lastLine ? ` for ${Math.round(age / 1000)} s` : ' yet';
      [text, kind] = [`${what}: no echo${since}${link}`, 'bad'];
    }
    if (e.textContent !== text) e.textContent = text;
    e.className = kind;
  }

  // The strip beside the picture: every alarm listed, the worst first, its
  // text as the server last sent it; the recording's end as a calm notice.
  showStrip(sounding) {
    const alarms = this.list();
    const ended = alarms.length === 0 && this.playbackEnded();
    const up = alarms.length > 0 || ended;
    const hint = sounding && this.audio?.state !== 'running';
    const shown = JSON.stringify([alarms.map((a) => [a.id, a.kind, a.text, a.acknowledged, a.active, a.since,
      this.silenced.has(a.id)]), ended, this.socketUp, this.ackNote, hint]);
    document.body.classList.toggle('alarms-up', up);
    $('#alarm-silence').setAttribute('aria-pressed', String(this.silenced.size > 0 && !sounding));
    $('#alarm-silence').disabled = !sounding && this.silenced.size === 0;
    if (shown === this.shown) return;
    this.shown = shown;
    const strip = $('#alarms');
    if (strip.hidden === up) strip.hidden = !up;
    strip.classList.toggle('sounding', sounding);
    $('#alarm-hint').hidden = !hint;
    $('#alarm-note').textContent = this.ackNote;
    $('#alarm-count').textContent = alarms.length ? String(alarms.length) : '';
    const items = alarms.map((a) => this.item(a));
    if (ended) {
      const li = element('li', 'notice');
      li.dataset.kind = 'recording_ended';
      li.append(element('div', 'title', 'RECORDING ENDED'),
        element('div', 'text', 'The picture is the last of the recording, not the radar now.'));
      items.push(li);
    }
    $('#alarm-list').replaceChildren(...items);
  }

  item(a) {
    const li = element('li', 'alarm');
    const cleared = a.active === false;
    const state = a.acknowledged ? 'acknowledged' : cleared ? 'cleared' : 'raised';
    Object.assign(li.dataset, { id: String(a.id), kind: a.kind, state });
    const local = a.id === LOCAL_ID;
    const words = [local ? 'this screen' : a.since ? `since ${utcTime(a.since)}` : '',
      cleared && !a.acknowledged ? 'cleared, not acknowledged' : '',
      a.acknowledged ? (cleared ? 'acknowledged, cleared' : 'acknowledged') : '',
      this.silenced.has(a.id) ? 'silenced on this screen' : '',
      !local && !this.socketUp ? 'as last heard from the server' : ''].filter(Boolean);
    li.append(element('div', 'title', TITLES[a.kind] || `ALARM: ${a.kind}`),
      element('div', 'text', a.text ?? ''), element('div', 'meta', words.join(' · ')));
    if (!a.acknowledged) {
      const b = element('button', 'ack', 'Acknowledge');
      b.type = 'button';
      b.dataset.id = String(a.id);
      b.title = local ? 'For this screen' : 'For every screen (needs the control token)';
      li.append(b);
    }
    return li;
  }

  // Acknowledges for every screen (the token is asked for); this screen's
  // own alarm is acknowledged here alone.
  async acknowledge(id) {
    const alarm = [...this.alarms.values()].find((a) => String(a.id) === id);
    if (!alarm || alarm.acknowledged) return;
    this.unlockAudio();
    if (alarm.id === LOCAL_ID) {
      alarm.acknowledged = true;
    } else {
      const answer = await this.acknowledgeOnServer(alarm.id);
      this.ackNote = answer.ok ? '' : `Not acknowledged: ${answer.text}`;
    }
    this.update();
  }

  // This screen stops sounding the alarms up now; no token is needed, and
  // every other screen still sounds. A new alarm sounds again, as does one
  // nobody has acknowledged within SILENCE_MS. Pressed again: sound again.
  silence() {
    this.unlockAudio();
    const unheard = this.list().filter((a) => !a.acknowledged && !this.silenced.has(a.id));
    if (unheard.length === 0) this.silenced.clear();
    for (const a of unheard) this.silenced.set(a.id, performance.now());
    this.update();
  }

  unlockAudio() {
    const Context = window.AudioContext || window.webkitAudioContext;
    if (!this.audio && Context) this.audio = new Context();
    if (this.audio?.state === 'suspended') this.audio.resume().catch(() => {});
  }

  sound(on) {
    if (on && !this.beeping) {
      this.unlockAudio();
      this.beep();
      this.beeping = setInterval(() => this.beep(), BEEP_EVERY_MS);
    } else if (!on && this.beeping) {
      clearInterval(this.beeping);
      this.beeping = 0;
    }
    document.body.dataset.alarmSound = on ? 'on' : 'off';
  }

  // Two short high tones: heard over an engine, unlike anything else aboard.
  beep() {
    const a = this.audio;
    if (!a || a.state !== 'running') return;
    for (const [start, pitch] of [[0, 880], [0.25, 1320]]) {
      const tone = a.createOscillator(), gain = a.createGain();
      tone.type = 'square';
      tone.frequency.value = pitch;
      const t = a.currentTime + start;
      gain.gain.setValueAtTime(0.0001, t);
      gain.gain.exponentialRampToValueAtTime(0.3, t + 0.02);
      gain.gain.exponentialRampToValueAtTime(0.0001, t + 0.18);
      tone.connect(gain).connect(a.destination);
      tone.start(t);
      tone.stop(t + 0.2);
    }
    document.body.dataset.beeps = String(++this.beeps);
  }
}
