// What the player's keys, touches and pads ask for. Directions as the game numbers them:
// 1 up, 2 right, 3 down, 4 left, 5 up-right, 6 down-right, 7 down-left, 8 up-left.
const Arrows = { ArrowUp: 1, ArrowRight: 2, ArrowDown: 3, ArrowLeft: 4 };

// The wish a key asks for, or null for a key that steers nothing.
export function keyWish(key) {
  if (key === ' ' || key === 'Spacebar') return { t: 'turbo' };
  const d = Arrows[key];
  return d ? { t: 'go', d } : null;
}

// The direction of a move by (dx, dy) on the screen (y grows downwards): one of the four, or
// of the eight with diagonal motion; 0 when it is shorter than `least`.
export function moveDirection(dx, dy, diagonal, least) {
  if (Math.hypot(dx, dy) < least) return 0;
  const angle = Math.atan2(-dy, dx); // counter-clockwise from the right, y up
  const sectors = diagonal ? 8 : 4;
  const i = ((Math.round(angle / (2 * Math.PI / sectors)) % sectors) + sectors) % sectors;
  return diagonal ? [2, 5, 1, 8, 4, 7, 3, 6][i] : [2, 1, 4, 3][i];
}

// A pad's wishes since the last look: its cross and left stick steer, its first button is the
// turbo. `was` is what the last look saw (start with {}); returns the wishes and what it saw.
export function padWishes(was, buttons, axes, diagonal) {
  const pressed = (i) => Boolean(buttons[i] && buttons[i].pressed);
  let dx = (pressed(15) ? 1 : 0) - (pressed(14) ? 1 : 0);
  let dy = (pressed(13) ? 1 : 0) - (pressed(12) ? 1 : 0);
  if (!dx && !dy && axes.length >= 2) {
    dx = Math.abs(axes[0]) > 0.5 ? Math.sign(axes[0]) : 0;
    dy = Math.abs(axes[1]) > 0.5 ? Math.sign(axes[1]) : 0;
  }
  const d = diagonal || !dx || !dy ? moveDirection(dx, dy, diagonal, 0.5) : 0;
  const turbo = pressed(0);
  const wishes = [];
  if (d && d !== was.d) wishes.push({ t: 'go', d });
  if (turbo && !was.turbo) wishes.push({ t: 'turbo' });
  return { wishes, now: { d, turbo } };
}
