// A phone and a desktop browser play through a copy that lends them seats, in Debian's
// chromium driven over its DevTools protocol. Runs inside a private network (browser.sh):
// one copy lends the seats, another hosts a demo match; this process listens to the LAN.
import { test, after } from 'node:test';
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import { createHash } from 'node:crypto';
import dgram from 'node:dgram';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

const game = process.env.LUMIVEX;
const shots = process.env.LUMIVEX_SHOTS || fs.mkdtempSync(path.join(os.tmpdir(), 'lumivex-shots-'));
const top = fs.mkdtempSync(path.join(os.tmpdir(), 'lumivex-web-'));
const D = '\x01';
const running = [];
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

// A copy of the game with a home of its own; its output lines are kept.
function copy(name, args, ini = '') {
  const home = path.join(top, name);
  fs.mkdirSync(path.join(home, '.config'), { recursive: true });
  fs.writeFileSync(path.join(home, '.config', 'lumivex.ini'), `[Main]\nName=${name}\nWidth=360\nHeight=295\n${ini}`);
  const p = spawn(game, args, { env: { ...process.env, HOME: home, XDG_CONFIG_HOME: path.join(home, '.config'),
                                       QT_QPA_PLATFORM: 'offscreen' } });
  p.lines = [];
  let rest = '';
  p.stdout.on('data', (d) => {
    const parts = (rest + d).split('\n');
    rest = parts.pop();
    p.lines.push(...parts);
  });
  p.stderr.resume();
  running.push(p);
  return p;
}
async function until(what, check, ms = 15000) {
  for (const end = Date.now() + ms; Date.now() < end; await sleep(25)) {
    const v = await check();
    if (v) return v;
  }
  throw new Error(`waited ${ms} ms for ${what}`);
}
async function probe() {
  const p = copy(`probe${running.length}`, ['--probe', '1']);
  await new Promise((r) => p.on('exit', r));
  return p.lines.join('\n');
}

// What the LAN carries, as text with | between fields.
const heard = [];
const lan = dgram.createSocket({ type: 'udp4', reuseAddr: true });
await new Promise((r) => lan.bind(31314, r));
lan.addMembership('234.10.20.31', '127.0.0.1');
lan.on('message', (m) => heard.push(m.toString('latin1')));

const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium', headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
         '--disable-component-update', '--disable-sync', '--disable-quic'],
});
after(async () => {
  await browser.close();
  for (const p of running) p.kill();
  lan.close();
});

// The canvas's pixels in the memory layout of the copy's own arena (blue, green, red, 255 per
// pixel), hashed as the copy's --round-log hashes its arena.
async function pageArenaHash(page) {
  const b64 = await page.evaluate(() => {
    const c = document.getElementById('arena');
    const px = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
    let s = '';
    for (let i = 0; i < px.length; i += 4) s += String.fromCharCode(px[i + 2], px[i + 1], px[i], 255);
    return btoa(s);
  });
  return createHash('md5').update(Buffer.from(b64, 'base64')).digest('hex').slice(0, 16);
}

// Nothing wider than the screen, and the given elements wholly on it.
async function fits(page, selectors) {
  return page.evaluate((sel) => {
    const wide = document.documentElement.scrollWidth <= window.innerWidth;
    const on = sel.map((s) => {
      const r = document.querySelector(s).getBoundingClientRect();
      return r.width > 0 && r.left >= 0 && r.top >= 0 && r.right <= window.innerWidth && r.bottom <= window.innerHeight;
    });
    return wide && on.every(Boolean) ? true : JSON.stringify({ wide, on });
  }, selectors);
}

// What the pages said went wrong: a script error, a file refused by the page's own policy.
const complaints = [];
function watch(page, who) {
  page.on('console', (m) => { if (m.type() === 'error') complaints.push(`${who}: ${m.text()}`); });
  page.on('pageerror', (e) => complaints.push(`${who}: ${e.message}`));
  return page;
}

const serving = copy('Serving', ['--web', '--round-log']);
const address = await until('the address', () => serving.lines.find((l) => l.startsWith('http://')));
let phone;

test('the page joins, and the LAN knows its player', async () => {
  assert.match(address, /^http:\/\/127\.0\.0\.1:31317\/[A-Za-z0-9_-]{22}$/);
  phone = watch(await browser.newPage(), 'phone');
  await phone.emulate({ viewport: { width: 390, height: 844, isMobile: true, hasTouch: true, deviceScaleFactor: 1 },
                        userAgent: 'Mozilla/5.0 (Linux; Android 14) Mobile' });
  await phone.goto(`${address}?name=Phone`);
  await phone.tap('#joinButton');
  await until('joining', () => phone.evaluate(() => window.lumivex.player));
  assert.equal(await phone.evaluate(() => window.lumivex.player), 2); // slot 1: the host is player 1
  assert.match(await probe(), /Phone/);
});

test('arrow keys and the pad send the Steer a key at the copy sends', async () => {
  // Before any match the rider heads nowhere, so every way may be asked for.
  for (const [how, d] of [['key ArrowUp', 1], ['tap 4', 4], ['key ArrowRight', 2], ['tap 3', 3]]) {
    const from = heard.length;
    const [kind, what] = how.split(' ');
    if (kind === 'key') await phone.keyboard.press(what);
    else await phone.tap(`#pad button[data-d="${what}"]`);
    const steer = await until(how, () => heard.slice(from).find((m) => m.startsWith(`2${D}`)), 3000);
    assert.equal(steer, `2${D}1${D}${d}${D}0${D}`, how);
  }
});

test('at each round\'s end the page shows the copy\'s own pixels', async () => {
  copy('Host', ['--demo', '3'], 'Speed=4\n');
  for (let round = 1; round <= 2; round++) {
    const line = await until(`round ${round}`, () => serving.lines.find((l) => l.startsWith(`round ${round} arena`)), 60000);
    await sleep(50); // the last pieces' way to the page
    assert.equal(await pageArenaHash(phone), line.split(' ')[3], line);
  }
});

test('a phone and a desktop window show it all, the pad in reach', async () => {
  assert.equal(await fits(phone, ['#arena', '#pad', '#turbo', '#riders']), true);
  await phone.screenshot({ path: path.join(shots, 'page-390x844.png') });
  const desk = watch(await browser.newPage(), 'desk');
  await desk.setViewport({ width: 1366, height: 768 });
  await desk.goto(`${address}?name=Desk`);
  await desk.click('#joinButton');
  await until('the desk joining', () => desk.evaluate(() => window.lumivex.player && window.lumivex.frames > 0));
  assert.equal(await fits(desk, ['#arena', '#riders', '#say']), true);
  // On a large screen the arena is shown in whole steps.
  const scale = await desk.evaluate(() => document.getElementById('arena').getBoundingClientRect().width / document.getElementById('arena').width);
  assert.ok(scale >= 1 && Number.isInteger(scale), `scale ${scale}`);
  await desk.screenshot({ path: path.join(shots, 'page-1366x768.png') });
  await desk.close();
});

test('closing the page frees its seat on every copy', async () => {
  const from = heard.length;
  await phone.close();
  await until('the seat freed', () => heard.slice(from).includes(`13${D}1${D}`), 12000);
  assert.doesNotMatch(await probe(), /Phone/);
  assert.deepEqual(complaints, []);
});
