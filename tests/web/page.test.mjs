// The page's own logic, without a browser: pictures as the copy packs them, and what keys,
// moves and pads ask for.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { deflateSync } from 'node:zlib';
import { parseFrame, applyRects, inflate, fitScale } from '../../web/page/frames.js';
import { keyWish, moveDirection, padWishes } from '../../web/page/input.js';
import { chooseLanguage, text, Keys, Languages } from '../../web/page/texts.js';

// A picture as the copy sends it (see WebFrames.h).
function frame(width, height, rects, rgb, flags = 0) {
  const head = Buffer.alloc(8 + 8 * rects.length);
  head.write('P', 0);
  head.writeUInt8(flags, 1);
  head.writeUInt16LE(width, 2);
  head.writeUInt16LE(height, 4);
  head.writeUInt16LE(rects.length, 6);
  rects.forEach((r, i) => [r.x, r.y, r.w, r.h].forEach((v, k) => head.writeUInt16LE(v, 8 + 8 * i + 2 * k)));
  const all = Buffer.concat([head, deflateSync(Buffer.from(rgb))]);
  return all.buffer.slice(all.byteOffset, all.byteOffset + all.length);
}

test('pieces land on their own pixels and nowhere else', async () => {
  const rects = [{ x: 1, y: 0, w: 2, h: 1 }, { x: 0, y: 2, w: 1, h: 2 }];
  const rgb = [10, 11, 12, 20, 21, 22, 30, 31, 32, 40, 41, 42];
  const f = parseFrame(frame(3, 4, rects, rgb));
  const rgba = new Uint8ClampedArray(3 * 4 * 4);
  applyRects(rgba, f.width, f.rects, await inflate(f.packed));
  const at = (x, y) => Array.from(rgba.slice((y * 3 + x) * 4, (y * 3 + x) * 4 + 4));
  assert.deepEqual(at(1, 0), [10, 11, 12, 255]);
  assert.deepEqual(at(2, 0), [20, 21, 22, 255]);
  assert.deepEqual(at(0, 2), [30, 31, 32, 255]);
  assert.deepEqual(at(0, 3), [40, 41, 42, 255]);
  assert.deepEqual(at(0, 0), [0, 0, 0, 0]);
  assert.deepEqual(at(2, 3), [0, 0, 0, 0]);
});

test('a broken picture is refused, not drawn', async () => {
  const cases = [
    ['not a picture', () => { const b = Buffer.from(frame(3, 3, [], [])); b[0] = 0x51; return b.buffer.slice(b.byteOffset, b.byteOffset + b.length); }],
    ['cut short', () => frame(3, 3, [{ x: 0, y: 0, w: 1, h: 1 }], [1, 2, 3]).slice(0, 12)],
    ['a piece outside', () => frame(3, 3, [{ x: 2, y: 0, w: 2, h: 1 }], [1, 2, 3, 4, 5, 6])],
  ];
  for (const [name, make] of cases) assert.throws(() => parseFrame(make()), Error, name);
  const f = parseFrame(frame(3, 3, [{ x: 0, y: 0, w: 2, h: 1 }], [1, 2, 3]));
  assert.throws(() => applyRects(new Uint8ClampedArray(36), 3, f.rects, [1, 2, 3]), /do not match/);
});

test('the arena fits in whole steps where it can', () => {
  for (const [w, h, rw, rh, want] of [[360, 295, 390, 600, 1], [360, 295, 1000, 700, 2], [360, 295, 1300, 700, 2],
                                      [1500, 1500, 390, 500, 390 / 1500], [360, 295, 200, 600, 200 / 360]])
    assert.equal(fitScale(w, h, rw, rh), want, `${w}x${h} in ${rw}x${rh}`);
});

test('keys, moves and pads ask for what the copy\'s own keys ask for', () => {
  assert.deepEqual(['ArrowUp', 'ArrowRight', 'ArrowDown', 'ArrowLeft', ' ', 'a', 'Enter'].map(keyWish),
    [{ t: 'go', d: 1 }, { t: 'go', d: 2 }, { t: 'go', d: 3 }, { t: 'go', d: 4 }, { t: 'turbo' }, null, null]);
  // dx, dy (y down), diagonal: the direction
  const moves = [[30, 0, false, 2], [0, -30, false, 1], [-30, 0, false, 4], [0, 30, false, 3], [30, -28, false, 2], [28, -30, false, 1],
                 [30, -30, true, 5], [30, 30, true, 6], [-30, 30, true, 7], [-30, -30, true, 8], [10, 5, true, 0]];
  for (const [dx, dy, diag, d] of moves) assert.equal(moveDirection(dx, dy, diag, 24), d, `${dx},${dy} ${diag}`);
  const press = (...i) => Array.from({ length: 16 }, (_, k) => ({ pressed: i.includes(k) }));
  let r = padWishes({}, press(12), [0, 0], false);
  assert.deepEqual(r.wishes, [{ t: 'go', d: 1 }]);
  r = padWishes(r.now, press(12), [0, 0], false); // held: nothing new
  assert.deepEqual(r.wishes, []);
  r = padWishes(r.now, press(12, 15), [0, 0], false); // a diagonal without diagonal motion: nothing
  assert.deepEqual(r.wishes, []);
  r = padWishes(r.now, press(0), [0.9, 0.9], true); // the stick down-right and the turbo
  assert.deepEqual(r.wishes, [{ t: 'go', d: 6 }, { t: 'turbo' }]);
});

test('the page speaks the browser\'s language, every text in each, placeholders kept', () => {
  assert.equal(Languages.length, 13); // English and the program's twelve
  for (const [wanted, lang] of [[['de-DE', 'en'], 'de'], [['pt-PT'], 'pt_BR'], [['zh-CN'], 'zh_CN'], [['nl', 'fr-CA'], 'fr'],
                                [['nl'], 'en'], [[], 'en'], [['AR'], 'ar']])
    assert.equal(chooseLanguage(wanted), lang, wanted.join());
  for (const lang of Languages) {
    for (const key of Keys) {
      const t = text(lang, key, 7);
      assert.ok(t && !t.includes('undefined'), `${lang} ${key}`);
      if (text('en', key, '%1').includes('%1')) assert.ok(t.includes('7'), `${lang} ${key} keeps its number`);
    }
  }
});
