// What a finger or a mouse does on the picture: the range and bearing under
// it (left on screen until the next tap or move), a tap (a target acquired or
// selected), a mark dragged (EBL, VRM, a guard zone's corner; its value is
// drawn live and sent on release) and a pinch (the range in or out). The
// geometry is the picture's own (ppi.js).

const MOVE_PX = 6;  // CSS pixels a pointer goes before a press becomes a drag
const PINCH_STEP = 1.3;  // fingers this much further apart (or closer) step the range once

export class Picture {
  // on: {readout(at, live), tap(x, y), drop(id, value), range(step)}; x, y device pixels.
  constructor(ppi, overlay, on) {
    this.ppi = ppi;
    this.on = on;
    this.pointers = new Map();  // pointerId -> {x, y} client pixels
    this.press = null;  // {start, hold, moved, value}
    this.pinch = null;  // the distance between two fingers at the last step
    this.enabled = true;  // marks may be dragged (not while a recording plays)
    overlay.addEventListener('pointerdown', (e) => this.down(e));
    overlay.addEventListener('pointermove', (e) => this.move(e));
    overlay.addEventListener('pointerup', (e) => this.up(e));
    overlay.addEventListener('pointercancel', (e) => this.cancel(e));
  }

  spread() {
    const [a, b] = [...this.pointers.values()];
    return Math.hypot(a.x - b.x, a.y - b.y);
  }

  down(e) {
    this.pointers.set(e.pointerId, { x: e.clientX, y: e.clientY });
    e.target.setPointerCapture?.(e.pointerId);
    if (this.pointers.size === 2) {
      this.drop(false);
      this.pinch = this.spread();
      return;
    }
    if (this.pointers.size > 2) return;
    const p = this.ppi.devicePoint(e.clientX, e.clientY);
    this.press = { start: { x: e.clientX, y: e.clientY }, hold: this.enabled ? this.ppi.marks.grab(p.x, p.y) : null,
                   moved: false, value: null };
    this.read(p, true);
  }

  move(e) {
    if (this.pointers.has(e.pointerId)) this.pointers.set(e.pointerId, { x: e.clientX, y: e.clientY });
    if (this.pinch && this.pointers.size === 2) {
      const spread = this.spread();
      if (spread > this.pinch * PINCH_STEP || spread < this.pinch / PINCH_STEP) {
        this.on.range(spread > this.pinch ? -1 : 1);
        this.pinch = spread;
      }
      return;
    }
    const p = this.ppi.devicePoint(e.clientX, e.clientY);
    const press = this.press;
    if (!press || !this.pointers.has(e.pointerId)) {
      if (e.pointerType === 'mouse') this.read(p, false);  // a mouse tells where it is without a press
      return;
    }
    if (!press.moved && Math.hypot(e.clientX - press.start.x, e.clientY - press.start.y) < MOVE_PX) return;
    press.moved = true;
    if (press.hold) {
      press.value = this.ppi.marks.dragValue(press.hold, p.x, p.y);
      this.ppi.marks.setPreview(press.hold.id, press.value);
    }
    this.read(p, true);
  }

  up(e) {
    const press = this.press;
    this.pointers.delete(e.pointerId);
    if (this.pinch) {
      if (this.pointers.size === 0) this.pinch = null;
      return;
    }
    if (!press) return;
    const p = this.ppi.devicePoint(e.clientX, e.clientY);
    // A tap with a mark chosen in the panel puts the mark there.
    if (!press.moved && press.hold && press.hold.id === this.ppi.marks.selected) {
      press.value = this.ppi.marks.dragValue(press.hold, p.x, p.y);
      press.moved = true;
    }
    if (press.moved && press.value) this.drop(true);
    else if (!press.moved) this.on.tap(p.x, p.y);
    this.press = null;
  }

  cancel(e) {
    this.pointers.delete(e.pointerId);
    if (this.pointers.size < 2) this.pinch = null;
    this.drop(false);
  }

  // Ends a drag: the value is sent, or (cancelled) forgotten.
  drop(send) {
    const press = this.press;
    this.press = null;
    if (!press?.hold || !press.value) return;
    if (send) this.on.drop(press.hold.id, press.value);
    else this.ppi.marks.setPreview(press.hold.id, null);
  }

  // The readout at a point; `mark` leaves a cross there on the picture.
  read(p, mark) {
    const at = this.ppi.polarAt(p.x, p.y);
    if (mark) this.ppi.setCursor(at ? { bearing: at.bearing, nm: at.rangeNm } : null);
    this.on.readout(at, this.press?.hold && this.press.value ? this.press.hold.id : null);
  }
}
