// The page of a seat this copy of Lumivex lends: it shows the game as the copy's game window
// does and sends the player's wishes to the copy, which steers the rider by them.
import { parseFrame, applyRects, inflate, fitScale, Resized, Raw } from './frames.js';
import { keyWish, moveDirection, padWishes } from './input.js';
import { chooseLanguage, text, RightToLeft } from './texts.js';

const $ = (id) => document.getElementById(id);
// The page speaks the browser's language where the program does.
const lang = chooseLanguage(navigator.languages && navigator.languages.length ? navigator.languages : [navigator.language]);
const say = (key, ...args) => text(lang, key, ...args);
document.documentElement.lang = lang.replace('_', '-');
document.documentElement.dir = RightToLeft.includes(lang) ? 'rtl' : 'ltr';
for (const e of document.querySelectorAll('[data-t]')) e.textContent = say(e.dataset.t);
for (const e of document.querySelectorAll('[data-t-label]')) e.setAttribute('aria-label', say(e.dataset.tLabel));
for (const e of document.querySelectorAll('[data-t-placeholder]')) e.placeholder = say(e.dataset.tPlaceholder);
const secret = location.pathname.split('/')[1];
const arena = $('arena');
const draw = arena.getContext('2d', { alpha: false });
let picture = null; // the arena's RGBA pixels, as the copy has them
let socket = null;
let joined = false;
let diagonal = false;
let chosenColour = '#ffffff';
let pictures = Promise.resolve();
// What the tests and the measurements read.
const seen = { frames: 0, bytes: 0, drawnAt: 0, joinedAt: 0, openedAt: performance.now() };
window.lumivex = seen;
// tools/web-measure.sh asks for each frame's time and pieces, and each key's time.
const measuring = new URLSearchParams(location.search).has('measure');
if (measuring) Object.assign(seen, { drawn: [], keys: [] });

function send(message) {
  if (socket && socket.readyState === WebSocket.OPEN) socket.send(JSON.stringify(message));
}

function connect() {
  socket = new WebSocket(`${location.origin.replace(/^http/, 'ws')}/${secret}/ws`);
  socket.binaryType = 'arraybuffer';
  socket.onmessage = (e) => {
    if (typeof e.data === 'string') {
      seen.bytes += e.data.length;
      heard(JSON.parse(e.data));
    } else {
      seen.bytes += e.data.byteLength;
      received(e.data);
    }
  };
  socket.onclose = () => {
    joined = false;
    $('controls').hidden = true;
    $('join').hidden = false;
    $('joinNote').textContent = say('gone');
    $('joinButton').disabled = true;
  };
}

// Raw pieces are drawn at once; packed ones wait for their turn after those before them.
function received(buffer) {
  const f = parseFrame(buffer);
  if (f.flags & Raw) pictures = pictures.then(() => show(f, f.packed));
  else {
    const rgb = inflate(f.packed);
    pictures = pictures.then(async () => show(f, await rgb));
  }
  pictures = pictures.catch((err) => console.error(err));
}

function show(f, rgb) {
  if (f.flags & Resized || !picture || picture.width !== f.width || picture.height !== f.height) {
    arena.width = f.width;
    arena.height = f.height;
    picture = draw.createImageData(f.width, f.height);
    fit();
  }
  applyRects(picture.data, f.width, f.rects, rgb);
  for (const r of f.rects) draw.putImageData(picture, 0, 0, r.x, r.y, r.w, r.h);
  seen.frames++;
  seen.drawnAt = performance.now();
  if (measuring && seen.drawn.length < 20000) seen.drawn.push([performance.timeOrigin + seen.drawnAt, f.rects]);
}

function heard(m) {
  switch (m.t) {
  case 'hello': colours(m.colours); break;
  case 'joined':
    joined = true;
    seen.joinedAt = seen.joinedAt || performance.now();
    seen.player = m.player;
    $('join').hidden = true;
    $('controls').hidden = false;
    fit();
    break;
  case 'left':
    joined = false;
    $('join').hidden = false;
    $('controls').hidden = true;
    $('joinNote').textContent = say('takenBack');
    break;
  case 'full': $('joinNote').textContent = say('full'); break;
  case 'state': state(m); break;
  case 'chat': chat(m); break;
  }
}

function colours(list) {
  const box = $('colours');
  box.querySelectorAll('button').forEach((b) => b.remove());
  const choose = (c, b) => {
    chosenColour = c;
    localStorage.setItem('lumivex.colour', c);
    box.querySelectorAll('button').forEach((o) => o.setAttribute('aria-pressed', String(o === b)));
  };
  const kept = localStorage.getItem('lumivex.colour') || '#ffffff';
  ['#ffffff', ...list].forEach((c, i) => {
    const b = document.createElement('button');
    b.type = 'button';
    b.className = 'swatch';
    b.style.setProperty('--c', c);
    b.title = i === 0 ? say('ownColour') : c;
    b.setAttribute('aria-label', b.title);
    b.onclick = () => choose(c, b);
    box.append(b);
    if (c === kept) choose(c, b);
  });
}

function state(m) {
  diagonal = m.diagonal;
  document.body.classList.toggle('diagonal', diagonal);
  const riders = $('riders');
  riders.replaceChildren(...m.riders.map((r) => {
    const box = document.createElement('div');
    box.className = 'rider' + (r.p === m.player ? ' mine' : '');
    box.style.setProperty('--c', r.colour);
    const score = document.createElement('b');
    score.textContent = r.score;
    const name = document.createElement('span');
    name.textContent = r.name || say('player', r.p);
    const gauge = document.createElement('i');
    gauge.style.setProperty('--fuel', r.fuel);
    gauge.style.setProperty('--g', r.gauge);
    box.append(score, name, gauge);
    return box;
  }));
  const stop = $('stop');
  stop.textContent = m.stop;
  stop.style.setProperty('--c', m.stopColour);
  $('status').textContent = m.status;
  const banner = $('banner');
  banner.hidden = m.banner.length === 0;
  banner.replaceChildren(...m.banner.map((line) => Object.assign(document.createElement('p'), { textContent: line })));
  $('turbo').hidden = !m.turbo;
}

function chat(m) {
  const li = document.createElement('li');
  if (m.notice) li.className = 'notice';
  else {
    const who = document.createElement('b');
    who.textContent = `${m.name}: `;
    who.style.color = m.colour;
    li.append(who);
  }
  li.append(m.text);
  const lines = $('lines');
  lines.append(li);
  while (lines.children.length > 5) lines.firstChild.remove();
}

// The arena as large as the room allows: whole steps where it fits, so pixels stay sharp.
function fit() {
  const field = $('field');
  const others = ['boxes', 'status', 'controls'].map((id) => $(id))
    .filter((e) => !e.hidden && getComputedStyle(e).gridArea !== 'chat')
    .reduce((h, e) => h + e.getBoundingClientRect().height, 0);
  const side = document.body.classList.contains('wide') ? $('chat').getBoundingClientRect().width + 18 : 0;
  const roomWidth = Math.min(field.parentElement.clientWidth - 12, window.innerWidth - 12 - side);
  const roomHeight = window.innerHeight - others - 36;
  const scale = fitScale(arena.width, arena.height, roomWidth, Math.max(roomHeight, 120));
  arena.style.width = `${Math.floor(arena.width * scale)}px`;
  arena.style.height = `${Math.floor(arena.height * scale)}px`;
}

function layout() {
  document.body.classList.toggle('wide', window.innerWidth >= 760 && window.innerWidth > window.innerHeight);
  fit();
}

function wish(w) {
  if (joined && w) send(w);
}

// Keys: the arrows and Space, as at the copy's own keyboard.
document.addEventListener('keydown', (e) => {
  if (e.target instanceof HTMLInputElement) return;
  const w = keyWish(e.key);
  if (!w) return;
  e.preventDefault();
  if (measuring) seen.keys.push(performance.timeOrigin + e.timeStamp);
  if (!e.repeat) wish(w);
});

// The pad on the screen, and swipes over the arena.
for (const b of document.querySelectorAll('#pad button')) {
  b.addEventListener('pointerdown', (e) => {
    e.preventDefault();
    wish({ t: 'go', d: Number(b.dataset.d) });
  });
}
$('turbo').addEventListener('pointerdown', (e) => {
  e.preventDefault();
  wish({ t: 'turbo' });
});
// A touch shows the pad, whatever the browser said of its pointer.
window.addEventListener('touchstart', () => {
  if (!document.body.classList.contains('touch')) {
    document.body.classList.add('touch');
    fit();
  }
}, { passive: true, capture: true });
let swipe = null;
$('field').addEventListener('pointerdown', (e) => { swipe = { x: e.clientX, y: e.clientY }; });
$('field').addEventListener('pointermove', (e) => {
  if (!swipe || !joined) return;
  const d = moveDirection(e.clientX - swipe.x, e.clientY - swipe.y, diagonal, 24);
  if (d) {
    wish({ t: 'go', d });
    swipe = { x: e.clientX, y: e.clientY };
  }
});
for (const end of ['pointerup', 'pointercancel', 'pointerleave']) $('field').addEventListener(end, () => { swipe = null; });

// Pads, through the browser's Gamepad API.
const pads = new Map();
function pollPads() {
  for (const pad of navigator.getGamepads ? navigator.getGamepads() : []) {
    if (!pad) continue;
    const r = padWishes(pads.get(pad.index) || {}, pad.buttons, pad.axes, diagonal);
    pads.set(pad.index, r.now);
    r.wishes.forEach(wish);
  }
  requestAnimationFrame(pollPads);
}

$('join').addEventListener('submit', (e) => {
  e.preventDefault();
  const name = $('name').value.trim();
  localStorage.setItem('lumivex.name', name);
  send({ t: 'join', name, colour: chosenColour });
});
$('say').addEventListener('submit', (e) => {
  e.preventDefault();
  const line = $('line');
  if (line.value.trim()) send({ t: 'say', text: line.value });
  line.value = '';
  line.blur();
});
window.addEventListener('pagehide', () => send({ t: 'leave' }));
window.addEventListener('resize', layout);

$('name').value = new URLSearchParams(location.search).get('name') || localStorage.getItem('lumivex.name') || '';
setInterval(() => send({ t: 'hi' }), 2000);
layout();
connect();
requestAnimationFrame(pollPads);
