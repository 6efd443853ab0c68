// The figures of browser seats, on the real program with its windows shown (run by
// tools/web-measure.sh inside a private network, under Xvfb):
//   - a Positions on the LAN to the pixels on a page's canvas (median, p99);
//   - a key on the page to its Steer on the LAN, beyond the browser's own event;
//   - bytes a second to a page, watching a match of 8 riders at the panel's Speed;
//   - the serving copy's processor with 0, 1 and 4 pages, taking turns;
//   - the page's weight, and the time from opening the address to joined.
import { spawn } from 'node:child_process';
import dgram from 'node:dgram';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { performance } from 'node:perf_hooks';

const top = path.resolve(path.dirname(new URL(import.meta.url).pathname), '..');
const { default: puppeteer } = await import(path.join(top, 'tests/web/node_modules/puppeteer-core/lib/esm/puppeteer/puppeteer-core.js'));
const game = process.argv[2];
const seconds = Number(process.argv[3] || 30);
const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'lumivex-measure-'));
const D = '\x01';
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));
const now = () => performance.timeOrigin + performance.now();
const pct = (v, p) => { const s = [...v].sort((a, b) => a - b); return s[Math.min(s.length - 1, Math.round(p * (s.length - 1)))]; };
const procs = [];

function copy(name, args, env = {}) {
  const home = path.join(dir, name);
  fs.mkdirSync(path.join(home, '.config'), { recursive: true });
  fs.writeFileSync(path.join(home, '.config', 'lumivex.ini'), `[Main]\nName=${name}\nWidth=360\nHeight=295\n`);
  const p = spawn(game, args, { env: { ...process.env, HOME: home, XDG_CONFIG_HOME: path.join(home, '.config'), ...env } });
  p.lines = [];
  p.stdout.on('data', (d) => p.lines.push(...String(d).split('\n')));
  p.stderr.resume();
  procs.push(p);
  return p;
}
const cpuSeconds = (pid) => { const f = fs.readFileSync(`/proc/${pid}/stat`, 'utf8').split(') ')[1].split(' '); return (Number(f[11]) + Number(f[12])) / 100; };

const positions = [];
const steers = [];
const lan = dgram.createSocket({ type: 'udp4', reuseAddr: true });
await new Promise((r) => lan.bind(31314, r));
lan.addMembership('234.10.20.31', '127.0.0.1');
lan.on('message', (m) => {
  const at = now();
  const s = m.toString('latin1');
  if (s.startsWith(`1${D}`)) positions.push([at, s.split(D).slice(1, 17).map(Number)]);
  else if (s.startsWith(`2${D}`)) steers.push(at);
});

const serving = copy('Serving', ['--web']); // its windows shown (the run's display)
let address;
for (let i = 0; i < 200 && !address; i++, await sleep(50)) address = serving.lines.find((l) => l.startsWith('http://'));
const browser = await puppeteer.launch({ executablePath: '/usr/bin/chromium', headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking', '--disable-component-update', '--disable-sync'] });
const open = async (name, join = true) => {
  const page = await browser.newPage();
  await page.setViewport({ width: 1366, height: 768 });
  const t0 = now();
  await page.goto(`${address}?name=${name}&measure`);
  if (join) {
    await page.click('#joinButton');
    await page.waitForFunction(() => window.lumivex.player);
  } else {
    await page.waitForFunction(() => window.lumivex.frames > 0);
  }
  page.joinMs = now() - t0;
  return page;
};

// Opening to joined, five times.
const joins = [];
for (let i = 0; i < 5; i++) {
  const p = await open(`Try${i}`);
  joins.push(p.joinMs);
  await p.close();
  await sleep(300);
}
const weight = ['index.html', 'style.css', 'app.js', 'frames.js', 'input.js', 'texts.js', 'icon.svg']
  .reduce((n, f) => n + fs.statSync(path.join(top, 'web/page', f)).size, 0);
console.log(`page: ${weight} bytes uncompressed; opening to joined ${pct(joins, 0.5).toFixed(0)} ms median (5 tries, ${joins.map((j) => j.toFixed(0)).join(', ')})`);

// A key to its Steer: before any match every key asks for a turn.
const page = await open('Measure');
await page.bringToFront();
await page.focus('body');
const keys = ['ArrowUp', 'ArrowLeft', 'ArrowDown', 'ArrowRight'];
const keyLag = [];
for (let i = 0; i < 200; i++) {
  const from = steers.length;
  await page.keyboard.press(keys[i % 4]);
  for (let w = 0; w < 100 && steers.length === from; w++) await sleep(2);
  const pressed = await page.evaluate(() => window.lumivex.keys.at(-1));
  if (steers.length > from) keyLag.push(steers[from] - pressed);
}
console.log(`key to Steer: median ${pct(keyLag, 0.5).toFixed(2)} ms, p99 ${pct(keyLag, 0.99).toFixed(2)} ms (${keyLag.length} keys)`);

// A match of 8 riders at the panel's Speed: the page's rider and 7 of the host's.
copy('Host', ['--demo', '8'], { QT_QPA_PLATFORM: 'offscreen' });
for (let i = 0; i < 200 && positions.length === 0; i++) await sleep(50);
await page.evaluate(() => { window.lumivex.drawn.length = 0; });
const bytes0 = await page.evaluate(() => window.lumivex.bytes);
const t0 = now();
await sleep(seconds * 1000);
const bytes1 = await page.evaluate(() => window.lumivex.bytes);
console.log(`bytes to the page: ${((bytes1 - bytes0) / ((now() - t0) / 1000) / 1024).toFixed(1)} KB/s over ${seconds} s of 8 riders`);
const drawn = await page.evaluate(() => window.lumivex.drawn);
const lag = [];
let prev = null;
for (const [at, xy] of positions) {
  if (at < t0 || at > now() - 500) { prev = xy; continue; }
  const heads = [];
  for (let i = 0; i < 8; i++) if (prev && (xy[2 * i] !== prev[2 * i] || xy[2 * i + 1] !== prev[2 * i + 1])) heads.push([xy[2 * i], xy[2 * i + 1]]);
  prev = xy;
  if (!heads.length) continue;
  const inside = (rects, [x, y]) => rects.some((r) => x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h);
  const f = drawn.find(([when, rects]) => when >= at && heads.every((h) => inside(rects, h)));
  if (f) lag.push(f[0] - at);
}
console.log(`Positions to the canvas: median ${pct(lag, 0.5).toFixed(1)} ms, p90 ${pct(lag, 0.9).toFixed(1)} ms, p99 ${pct(lag, 0.99).toFixed(1)} ms (${lag.length} Positions of ${positions.length})`);
if (process.env.MEASURE_DUMP) fs.writeFileSync(process.env.MEASURE_DUMP, JSON.stringify({ positions: positions.filter(([at]) => at >= t0), drawn }));

// The serving copy's processor with 0, 1 and 4 pages, taking turns.
await page.close();
const pages = [];
const cpu = { 0: [], 1: [], 4: [] };
for (let turn = 0; turn < 3; turn++) {
  for (const n of [0, 1, 4]) {
    while (pages.length > n) await pages.pop().close();
    while (pages.length < n) pages.push(await open(`Watch${pages.length}`, false));
    await sleep(1500);
    const c0 = cpuSeconds(serving.pid); const w0 = now();
    await sleep(6000);
    cpu[n].push(100 * (cpuSeconds(serving.pid) - c0) / ((now() - w0) / 1000));
  }
}
for (const n of [0, 1, 4]) console.log(`serving copy's processor with ${n} page(s): ${pct(cpu[n], 0.5).toFixed(1)}% median of ${cpu[n].map((c) => c.toFixed(1)).join(', ')}`);
await browser.close();
for (const p of procs) p.kill();
lan.close();
