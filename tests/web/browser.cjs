// The page in headless Chromium (Debian's), driven with playwright-core.
//
//   node browser.cjs PAGE_DIR HOST_REPLAY RUN_DIR           the test
//   node browser.cjs PAGE_DIR HOST_REPLAY RUN_DIR --bench S  the frame pace
//
// The test serves PAGE_DIR on 127.0.0.1, clicks start and checks: the logo
// comes in when the song heard reaches it, and the canvas then holds exactly
// the frame the host build's demo-replay draws for the render calls the page
// made; Right moves the song on one position; the sound is running and not
// silent; Escape ends the show and the page says so; it plays again from the
// start and says when the song has ended; the page asked nothing of any
// other server and logged no error. The benchmark prints the drawn
// frames per second over S seconds and the ticks worked off without a frame.
'use strict';
const { chromium } = require('playwright-core');
const { spawnSync } = require('child_process');
const fs = require('fs');
const http = require('http');
const os = require('os');
const path = require('path');

const [pageDir, hostReplay, runDir, benchFlag, benchSeconds] = process.argv.slice(2);
if (!runDir || (benchFlag && (benchFlag !== '--bench' || !(Number(benchSeconds) > 0)))) {
  console.error('usage: browser.cjs PAGE_DIR HOST_REPLAY RUN_DIR [--bench SECONDS]');
  process.exit(2);
}

const rowms = 60; // a row of the song before the car's fly-in: speed 3 at 125 BPM
const logoRow = 128; // the logo comes in with the song's second position
const types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css',
                '.wasm': 'application/wasm', '.data': 'application/octet-stream' };

const failures = [];
function check(ok, what) {
  console.log((ok ? 'ok   ' : 'FAIL ') + what);
  if (!ok)
    failures.push(what);
}

function serve() {
  const server = http.createServer((req, res) => {
    const name = path.join(pageDir, path.normalize(decodeURIComponent(req.url.split('?')[0])));
    const file = name.endsWith('/') ? name + 'index.html' : name;
    fs.readFile(file, (err, body) => {
      if (err) {
        res.writeHead(404);
        return res.end();
      }
      res.writeHead(200, { 'Content-Type': types[path.extname(file)] || 'application/octet-stream' });
      res.end(body);
    });
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

async function until(page, what, test, timeoutMs) {
  const end = Date.now() + timeoutMs;
  for (;;) {
    const value = await page.evaluate(test);
    if (value)
      return value;
    if (Date.now() > end)
      throw new Error('timed out waiting for ' + what);
    await sleep(50);
  }
}

// The frame the host's replayer draws after the same render calls, as the
// canvas shows it: RGB565 widened by bit replication.
function replayed(renders) {
  const raw = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'web-test-')), 'frame.raw');
  let script = '';
  for (let i = 0; i < renders.length; i += 3)
    script += `render ${renders[i]} ${renders[i + 1]} ${renders[i + 2]}\n`;
  script += `save ${raw}\n`;
  const run = spawnSync(hostReplay, [], { cwd: runDir, input: script });
  if (run.status !== 0)
    throw new Error('demo-replay: ' + run.stderr);
  const px = fs.readFileSync(raw);
  const rgba = new Uint8Array(320 * 240 * 4);
  for (let p = 0; p < 320 * 240; p++) {
    const v = px[p * 2] | (px[p * 2 + 1] << 8);
    const r = v >> 11, g = (v >> 5) & 63, b = v & 31;
    rgba.set([(r << 3) | (r >> 2), (g << 2) | (g >> 4), (b << 3) | (b >> 2), 255], p * 4);
  }
  return rgba;
}

async function main() {
  const server = await serve();
  const origin = `http://127.0.0.1:${server.address().port}`;
  const browser = await chromium.launch({
    executablePath: '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu'],
  });
  try {
    const page = await browser.newPage({ viewport: { width: 1280, height: 960 } });
    const errors = [], strangers = [];
    page.on('console', (m) => m.type() === 'error' && errors.push(m.text()));
    page.on('pageerror', (e) => errors.push(String(e)));
    page.on('request', (r) => {
      const url = r.url();
      if (!url.startsWith(origin + '/') && !url.startsWith('data:'))
        strangers.push(url);
    });

    await page.goto(origin + '/');
    await until(page, 'the start button', () => window.demoTest.state() === 'ready', 60000);
    await page.click('#start');
    await until(page, 'the show', () => window.demoTest.state() === 'running', 5000);
    if (benchFlag)
      return await bench(page, Number(benchSeconds));

    // The logo, once the song heard is well into it.
    await until(page, 'the logo', () => window.demoTest.demotime() >= 150, 30000);
    const shot = await page.evaluate(() => {
      // Base64, as a large array would cross over slowly.
      const px = window.demoTest.pixels();
      let bytes = '';
      for (let i = 0; i < px.length; i += 8192)
        bytes += String.fromCharCode.apply(null, px.subarray(i, i + 8192));
      return { renders: window.demoTest.renders(), pixels: btoa(bytes) };
    });
    const pixels = Buffer.from(shot.pixels, 'base64');
    const renders = shot.renders;
    let first = 0;
    while (first < renders.length && renders[first + 1] * 128 + renders[first + 2] < logoRow)
      first += 3;
    // What is heard lags what is mixed by the queue, about 250 ms: the logo
    // must come with the song's row 128 as heard, neither before it nor
    // much later.
    const due = logoRow * rowms;
    check(renders[first] >= due - 20 && renders[first] <= due + 400,
          `the logo comes in at ${renders[first]} ms, with the song heard (${due} ms)`);
    // Right, early in a position, so the song does not move on by itself.
    const posNow = async () => page.evaluate(() => {
      const r = window.demoTest.renders();
      return [r[r.length - 2], r[r.length - 1]];
    });
    await until(page, 'an early row', () => {
      const r = window.demoTest.renders();
      return r[r.length - 1] < 64;
    }, 10000);
    const [before] = await posNow();
    await page.keyboard.press('ArrowRight');
    await sleep(1000);
    const [after, row] = await posNow();
    check(after === before + 1 && row < 40, `Right moves the song from position ${before} to ${after}`);

    const expected = replayed(renders);
    let differ = 0;
    for (let i = 0; i < expected.length; i++)
      differ += pixels[i] !== expected[i];
    check(differ === 0,
          `the canvas holds the replayer's frame after ${renders.length / 3} render calls` +
          (differ ? ` (${differ} bytes differ)` : ''));

    const level = await page.evaluate(async () => {
      let max = 0;
      for (let i = 0; i < 10; i++) {
        max = Math.max(max, window.demoTest.level());
        await new Promise((r) => setTimeout(r, 30));
      }
      return max;
    });
    const audio = await page.evaluate(() => window.demoTest.audio());
    check(audio === 'running' && level > 0.01, `the sound runs (${audio}), level ${level.toFixed(3)}`);

    await page.keyboard.press('Escape');
    await until(page, 'the end', () => window.demoTest.state() === 'escaped', 2000);
    const said = await page.textContent('#message');
    check(/Escape/.test(said) && await page.isVisible('text=Play again'), `Escape ends the show: "${said}"`);

    // Again, from the start; then skipped position by position to the end.
    await page.click('#start');
    await until(page, 'the show again', () => window.demoTest.renders().length >= 6, 5000);
    const again = await page.evaluate(() => window.demoTest.renders().slice(0, 3));
    check(again[0] < 200 && again[1] === 0, `play again starts the song anew (${again})`);
    for (let i = 0; i < 30 && await page.evaluate(() => window.demoTest.state()) === 'running'; i++) {
      await page.keyboard.press('ArrowRight');
      await sleep(150);
    }
    await until(page, 'the song\'s end', () => window.demoTest.state() === 'ended', 5000);
    const end = await page.textContent('#message');
    check(/ended/.test(end) && await page.isVisible('text=Play again'), `the end of the song: "${end}"`);

    check(strangers.length === 0, 'no request outside the page\'s server' +
          (strangers.length ? ': ' + strangers.join(' ') : ''));
    check(errors.length === 0, 'no error in the console' + (errors.length ? ': ' + errors.join(' | ') : ''));
  } finally {
    await browser.close();
    server.close();
  }
}

async function bench(page, seconds) {
  const read = () => page.evaluate(() => [performance.now(), window.demoTest.drawn(), window.demoTest.ticks()]);
  await sleep(1000);
  const [t0, drawn0, ticks0] = await read();
  await sleep(seconds * 1000);
  const [t1, drawn1, ticks1] = await read();
  const drawn = drawn1 - drawn0, ticks = ticks1 - ticks0;
  console.log(`browser frame pace over ${((t1 - t0) / 1000).toFixed(1)} s: ` +
              `${(drawn / ((t1 - t0) / 1000)).toFixed(2)} drawn frames per second, ` +
              `${ticks - drawn} of ${ticks} ticks worked off without a frame of their own`);
}

main().then(() => {
  if (failures.length) {
    console.error(`browser test: ${failures.length} check(s) failed`);
    process.exit(1);
  }
}, (e) => {
  console.error('browser test: ' + e.message);
  process.exit(1);
});
