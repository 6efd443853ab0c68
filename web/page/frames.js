// The arena's pictures as the copy sends them: which rectangles changed, then their pixels
// (red, green, blue) packed with zlib.
export const Resized = 1;
export const Whole = 2;
export const Raw = 4; // the pixels come as they are, not packed

export function parseFrame(buffer) {
  const view = new DataView(buffer);
  if (view.byteLength < 8 || view.getUint8(0) !== 0x50) throw new Error('not a picture');
  const flags = view.getUint8(1);
  const width = view.getUint16(2, true);
  const height = view.getUint16(4, true);
  const count = view.getUint16(6, true);
  const head = 8 + 8 * count;
  if (view.byteLength < head) throw new Error('a picture cut short');
  const rects = [];
  let pixels = 0;
  for (let i = 0; i < count; i++) {
    const o = 8 + 8 * i;
    const r = { x: view.getUint16(o, true), y: view.getUint16(o + 2, true),
                w: view.getUint16(o + 4, true), h: view.getUint16(o + 6, true) };
    if (r.x + r.w > width || r.y + r.h > height) throw new Error('a piece outside the arena');
    rects.push(r);
    pixels += r.w * r.h;
  }
  return { flags, width, height, rects, pixels, packed: new Uint8Array(buffer, head) };
}

// Writes the pieces' pixels into an RGBA picture of the arena's width.
export function applyRects(rgba, width, rects, rgb) {
  let k = 0;
  for (const r of rects) {
    for (let y = r.y; y < r.y + r.h; y++) {
      let o = (y * width + r.x) * 4;
      for (let x = 0; x < r.w; x++, o += 4, k += 3) {
        rgba[o] = rgb[k];
        rgba[o + 1] = rgb[k + 1];
        rgba[o + 2] = rgb[k + 2];
        rgba[o + 3] = 255;
      }
    }
  }
  if (k !== rgb.length) throw new Error('the pixels do not match the pieces');
}

export async function inflate(bytes) {
  const stream = new Blob([bytes]).stream().pipeThrough(new DecompressionStream('deflate'));
  return new Uint8Array(await new Response(stream).arrayBuffer());
}

// The largest scale at which the arena fits the room: whole steps where one fits, else a
// fraction (a phone narrower than the arena).
export function fitScale(width, height, roomWidth, roomHeight) {
  if (width <= 0 || height <= 0) return 1;
  const most = Math.min(roomWidth / width, roomHeight / height);
  return most >= 1 ? Math.floor(most) : Math.max(most, 0.1);
}
