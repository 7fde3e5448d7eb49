// Whether the picture on this screen is live, said in words, and the alarms
// that must be heard. A picture that has stopped is dimmed within seconds
// and never called live; the server's alarms (echo lost, a dangerous or lost
// target, an echo in a guard zone) and this screen's own (no echo here, the
// server gone) show a large banner and sound until someone acknowledges them.

const STALE_MS = 2500;  // no line for this long: the picture is dimmed
const LOST_MS = 5000;   // ... and for this long: this screen's own alarm
const BEEP_EVERY_MS = 1000;
const LOCAL_ID = 'here';
const TITLES = {
  echo_lost: 'NO ECHO: THE PICTURE IS NOT LIVE',
  cpa: 'DANGEROUS TARGET: CLOSE QUARTERS',
  guard: 'GUARD ZONE: ECHO INSIDE',
  lost: 'TARGET LOST',
};

const $ = (selector) => document.querySelector(selector);

export class Watch {
  // acknowledge(id) sends a server alarm's acknowledgement: {ok, text}.
  constructor(acknowledge) {
    this.acknowledgeOnServer = acknowledge;
    this.alarms = new Map();  // id -> {id, kind, text, acknowledged}, the server's and this screen's
    this.lastLine = 0;        // performance.now() of the latest line; 0 none yet
    this.socketUp = false;
    this.status = null;       // the server's latest status event
    this.audio = null;
    this.beeps = 0;
    this.beeping = 0;
    this.ackNote = '';
    // Browsers let a page sound only after a touch or a key: take the first.
    for (const type of ['pointerdown', 'keydown']) {
      document.addEventListener(type, () => this.unlockAudio(), { capture: true });
    }
    $('#banner-ack').addEventListener('click', () => this.acknowledge());
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

  onAlarm(message) {
    if (message.state === 'cleared') this.alarms.delete(message.id);
    else this.alarms.set(message.id, message);
    this.update();
  }

  playbackEnded() {
    return this.socketUp && this.status?.playback_ended === true;
  }

  update() {
    const now = performance.now();
    const heard = Math.max(this.lastLine, this.transmitSince || 0);
    const age = heard ? now - heard : Infinity;
    const live = this.socketUp && age < STALE_MS;
    document.body.classList.toggle('stale', !live);
    this.ownAlarm(age);
    this.sayState(live, age);
    this.showBanner();
    this.sound([...this.alarms.values()].some((a) => !a.acknowledged));
  }

  // This screen's alarm: it showed echo, and for a while none has come,
  // whatever the reason (the server gone, this screen's own link), unless
  // the server already says so or the recording has simply ended.
  ownAlarm(age) {
    const serverSays = [...this.alarms.values()].some((a) => a.kind === 'echo_lost' && a.id !== LOCAL_ID);
    const lost = this.lastLine !== 0 && age >= LOST_MS && !serverSays && !this.playbackEnded() &&
      !this.notTransmitting;
    if (lost && !this.alarms.has(LOCAL_ID)) {
      const why = this.socketUp ? 'on this screen' : 'from the server (connection lost)';
      this.alarms.set(LOCAL_ID, {
        id: LOCAL_ID, kind: 'echo_lost', acknowledged: false,
        text: `No echo ${why} for ${LOST_MS / 1000} s: the picture is not live`,
      });
    } else if (!lost && this.alarms.has(LOCAL_ID) && (age < STALE_MS || serverSays || this.playbackEnded())) {
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
        ? { 0: ' (not connected)', 1: ' (connecting)', 2: ' (command link up)' }[s.source_status] ?? ''
        : '';
      const since = this.lastLine ? ` for ${Math.round(age / 1000)} s` : ' yet';
      [text, kind] = [`${what}: no echo${since}${link}`, 'bad'];
    }
    if (e.textContent !== text) e.textContent = text;
    e.className = kind;
  }

  showBanner() {
    const banner = $('#banner');
    const alarms = [...this.alarms.values()];
    const first = alarms.find((a) => !a.acknowledged) || alarms[0];
    if (!first && !this.playbackEnded()) {
      banner.hidden = true;
      return;
    }
    banner.hidden = false;
    if (!first) {
      banner.className = 'notice';
      $('#banner-title').textContent = 'RECORDING ENDED';
      $('#banner-text').textContent = 'The picture is the last of the recording, not the radar now.';
      $('#banner-ack').hidden = true;
      $('#banner-hint').hidden = true;
      return;
    }
    banner.className = first.acknowledged ? 'alarm acknowledged' : 'alarm';
    banner.dataset.kind = first.kind;
    $('#banner-title').textContent = TITLES[first.kind] || 'ALARM';
    const more = alarms.length > 1 ? ` (and ${alarms.length - 1} more)` : '';
    $('#banner-text').textContent = first.text + more + (this.ackNote ? ` · ${this.ackNote}` : '');
    $('#banner-ack').hidden = first.acknowledged;
    $('#banner-hint').hidden = first.acknowledged || this.audio?.state === 'running';
  }

  async acknowledge() {
    const first = [...this.alarms.values()].find((a) => !a.acknowledged);
    if (!first) return;
    this.unlockAudio();
    if (first.id === LOCAL_ID) {
      first.acknowledged = true;
    } else {
      const answer = await this.acknowledgeOnServer(first.id);
      this.ackNote = answer.ok ? '' : `not acknowledged: ${answer.text}`;
    }
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
