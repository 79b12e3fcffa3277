// The page in Debian's Chromium: it loads; "ON" plays the start-up animation and reaches the
// main page; the display equals the runner's picture of the same state; the face, the
// keyboard and the wheel work the keys; "OFF" stops; a second "ON" nests and unwinds.
//   node browser_test.js PAGE_DIR RUNNER [--screenshot FILE]
// RUNNER is vantro2-script (native or build-web/vantro2-script.js): it draws the pictures
// the page must show. On a failure the pictures compared are left in the working folder.
'use strict';
const assert = require('node:assert');
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const test = require('node:test');
let support;
try {
  support = require('./page_support.js');
} catch (error) {
  console.error(`browser_test.js: ${error.message}\n(tools/setup.sh --web installs playwright-core into tests/web)`);
  process.exit(2);
}
const { servePage, launchChromium, decodePng } = support;

const [pageDir, runner] = process.argv.slice(2).map((arg) => path.resolve(arg));
const screenshotAt = process.argv.indexOf('--screenshot');
const screenshotFile = screenshotAt > 0 ? path.resolve(process.argv[screenshotAt + 1]) : null;
const Clock = '2026-06-01 09:30:00';
const WaitMs = 20000;  // the longest wait for a picture; a healthy page needs well under a second

// --- the runner's pictures ---------------------------------------------------------------------

const work = fs.mkdtempSync(path.join(os.tmpdir(), 'vantro2-browser-test-'));

/** Runs a script through the runner in the work folder; returns its standard output. */
function runScript(lines) {
  return execFileSync(runner, [], { cwd: work, input: lines.join('\n') + '\n', encoding: 'latin1' });
}

/** The runner's 2x picture after the script, as RGB bytes. */
function runnerPicture(name, lines) {
  runScript([...lines, `png ${name}.png`]);
  return decodePng(fs.readFileSync(path.join(work, `${name}.png`)));
}

// The main page settled after a few seconds of ticks, with the volts above their alarm (an
// alarm would take the first key press); the main menu and knob steps from there.
const PowerOn = [`clock ${Clock}`, 'slider volts 1725', 'on', 'cycle 80', 'seconds 5', 'cycle 2'];
const Settle = ['seconds 3', 'cycle 2'];
const Expected = {
  mainPage: runnerPicture('main-page', PowerOn),
  mainMenu: runnerPicture('main-menu', [...PowerOn, 'key centre', ...Settle]),
  menuClockwise: runnerPicture('menu-cw', [...PowerOn, 'key centre', ...Settle, 'key cw', ...Settle]),
  menuBack: runnerPicture('menu-back', [...PowerOn, 'key centre', ...Settle, 'key cw', ...Settle, 'key ccw', ...Settle]),
};

// The 80 frames of the start-up animation, as the display's text ('#' lit).
const SplashFrames = (() => {
  const lines = ['on'];
  for (let frame = 0; frame < 80; ++frame) lines.push('lcd', 'cycle 1');
  const rows = runScript(lines).split('\n');
  return Array.from({ length: 80 }, (_, i) => rows.slice(i * 64, i * 64 + 64).join('\n'));
})();

/** The top `rows` rows of a picture (RGB, any width). */
function topRows(picture, rows) {
  return Buffer.from(picture.rgb.subarray(0, picture.width * rows * 3)).toString('hex');
}

// --- the page ------------------------------------------------------------------------------------

let page;

async function displayPicture() {
  return decodePng(await page.locator('#image1').screenshot());
}

function differingPixels(a, b) {
  let count = 0;
  for (let i = 0; i < a.rgb.length; i += 3)
    if (a.rgb[i] !== b.rgb[i] || a.rgb[i + 1] !== b.rgb[i + 1] || a.rgb[i + 2] !== b.rgb[i + 2]) ++count;
  return count;
}

/** Waits until the display shows `want` (the runner's picture); fails with both pictures kept. */
async function expectDisplay(name, want) {
  const deadline = Date.now() + WaitMs;
  let got;
  for (;;) {
    got = await displayPicture();
    if (got.width === want.width && got.height === want.height && differingPixels(got, want) === 0) return;
    if (Date.now() > deadline) break;
    await page.waitForTimeout(100);
  }
  const file = path.join(work, `page-${name}.png`);
  fs.writeFileSync(file, await page.locator('#image1').screenshot());
  assert.fail(`${name}: the display (${got.width}x${got.height}) differs from the runner's picture in ` +
              `${differingPixels(got, want)} pixels; see ${file} and ${path.join(work, name)}*.png`);
}

async function state() {
  return page.evaluate(() => ({ cycles: VantroPage.cycles, runDepth: VantroPage.runDepth }));
}

async function waitForRunDepth(depth) {
  await page.waitForFunction((d) => VantroPage.runDepth === d, depth, { timeout: WaitMs });
}

/** Records every picture the display shows from now on, as the display's text. */
async function recordDisplay() {
  await page.evaluate(() => {
    window.seenFrames = [];
    const context = document.getElementById('image1').getContext('2d');
    VantroPage.onPaint = () => {
      const pixels = context.getImageData(0, 0, 128, 64).data;
      const rows = [];
      for (let y = 0; y < 64; ++y) {
        let row = '';
        for (let x = 0; x < 128; ++x) row += pixels[(y * 128 + x) * 4] < 128 ? '#' : '.';
        rows.push(row);
      }
      const text = rows.join('\n');
      if (window.seenFrames[window.seenFrames.length - 1] !== text) window.seenFrames.push(text);
    };
  });
}

// The animation's pictures in order, each once (frames 55..80 stand still).
const SplashPictures = SplashFrames.filter((picture, i) => i === 0 || picture !== SplashFrames[i - 1]);

/** Every picture of the start-up animation was shown, in order, then the cycles' pictures. */
async function expectStartUpAnimation() {
  const last = SplashPictures[SplashPictures.length - 1];
  const deadline = Date.now() + WaitMs;
  let seen;
  for (;;) {
    seen = await page.evaluate(() => window.seenFrames.slice());
    const end = seen.lastIndexOf(last);
    if (end >= 0 && end + 1 < seen.length) break;
    assert.ok(Date.now() < deadline, `the start-up animation did not end; ${seen.length} pictures seen`);
    await page.waitForTimeout(100);
  }
  const start = seen.indexOf(SplashPictures[0]);
  assert.ok(start >= 0, 'the animation\'s first frame was shown');
  const shown = seen.slice(start, start + SplashPictures.length);
  const inOrder = shown.filter((picture, i) => picture === SplashPictures[i]).length;
  assert.strictEqual(inOrder, SplashPictures.length,
                     `the start-up animation showed ${inOrder} of its ${SplashPictures.length} pictures in order`);
}

async function clickOn() { await page.click('#button1'); }
async function clickOff() { await page.click('#button2'); }

test('the page in Chromium', { timeout: 300000 }, async (t) => {
  const { server, url } = await servePage(pageDir);
  const { context, close } = await launchChromium();
  t.after(async () => { await close(); server.close(); });
  page = context.pages()[0] || await context.newPage();
  const problems = [];
  page.on('pageerror', (error) => problems.push(error.message));
  page.on('console', (message) => { if (message.type() === 'error') problems.push(message.text()); });

  await t.test('loads with every control', async () => {
    await page.goto(url + '?clock=' + Clock.replace(' ', 'T'));
    await page.waitForFunction(() => window.VantroPage && VantroPage.ready);
    assert.strictEqual(await page.locator('#statusbar1').textContent(), 'Press "ON".');
    assert.strictEqual(await page.locator('#sliders input[type=range]').count(), 8);
    assert.strictEqual(await page.locator('#label9').textContent(), '0');
    assert.strictEqual(await page.locator('#label6').textContent(), 'Fuel Level');
    assert.strictEqual((await state()).runDepth, 0);
  });

  await t.test('a slider sets its input and its label', async () => {
    await page.locator('#trackbar4').fill('1725');
    await page.waitForFunction(() => document.getElementById('label9').textContent === '1725', null, { timeout: WaitMs });
  });

  await t.test('ON plays the start-up animation and reaches the main page', async () => {
    await recordDisplay();
    await clickOn();
    await waitForRunDepth(1);
    await expectStartUpAnimation();
    await expectDisplay('main-page', Expected.mainPage);
    assert.strictEqual(await page.locator('#statusbar1').textContent(), 'Running.');
    if (screenshotFile) await page.locator('#form1').screenshot({ path: screenshotFile });
  });

  await t.test('the centre button on the face opens the main menu', async () => {
    await page.click('#image5');
    await expectDisplay('main-menu', Expected.mainMenu);
  });

  await t.test('the keyboard and the wheel turn the knob', async () => {
    await page.keyboard.press('ArrowUp');
    await expectDisplay('menu-cw', Expected.menuClockwise);
    await page.mouse.move(160, 160);
    await page.mouse.wheel(0, 120);  // wheel down: anticlockwise
    await expectDisplay('menu-back', Expected.menuBack);
  });

  await t.test('OFF stops the instrument', async () => {
    await clickOff();
    await waitForRunDepth(0);
    const before = (await state()).cycles;
    await page.waitForTimeout(300);
    assert.strictEqual((await state()).cycles, before, 'no cycle runs after "OFF"');
  });

  await t.test('a second ON while running starts a nested run; one OFF ends both', async () => {
    await clickOn();
    await expectDisplay('main-page-again', Expected.mainPage);
    await recordDisplay();
    await clickOn();
    await waitForRunDepth(2);
    assert.strictEqual(await page.locator('#statusbar1').textContent(), 'Running, 2 runs nested.');
    await expectStartUpAnimation();
    await expectDisplay('nested-main-page', Expected.mainPage);
    await clickOff();
    await waitForRunDepth(0);
  });

  await t.test('a second ON during the animation leaves the first run cycling after OFF', async () => {
    // Both clicks in one go: the second reaches the instrument in the animation's first frame.
    await page.evaluate(() => { document.getElementById('button1').click(); document.getElementById('button1').click(); });
    await waitForRunDepth(2);
    await expectDisplay('nested-in-animation', Expected.mainPage);
    await clickOff();
    await waitForRunDepth(1);
    const before = (await state()).cycles;
    await page.waitForFunction((n) => VantroPage.cycles > n + 100, before, { timeout: WaitMs });
    await clickOff();
    await waitForRunDepth(0);
  });

  await t.test('"ON" nests up to eight runs; each ends with its own "OFF" after its animation', async () => {
    // Ten clicks at once: each reaches the instrument in the animation of the run before it.
    await page.evaluate(() => { for (let i = 0; i < 10; ++i) document.getElementById('button1').click(); });
    await waitForRunDepth(8);
    for (let depth = 8; depth > 0; --depth) {
      await waitForRunDepth(depth);
      const before = (await state()).cycles;
      await page.waitForFunction((n) => VantroPage.cycles > n + 10, before, { timeout: WaitMs });
      await clickOff();
    }
    await waitForRunDepth(0);
  });

  await t.test('the circuit demo with the instrument off presses "ON" and moves the altitude at x60', async () => {
    assert.strictEqual((await state()).runDepth, 0);
    await page.selectOption('#flightspeed', '60');
    await page.selectOption('#demoflight', '0');
    await waitForRunDepth(1);
    assert.strictEqual(await page.locator('#flightstatus').textContent(), 'Playing circuit at x60');
    const start = await page.locator('#label3').textContent();
    // Lift-off is six minutes into the flight: six seconds at x60.
    await page.waitForFunction((was) => document.getElementById('label3').textContent !== was, start,
                               { timeout: WaitMs });
    const moved = await page.evaluate(() => ({ label: document.getElementById('label3').textContent,
                                               slider: document.getElementById('trackbar2').value }));
    assert.notStrictEqual(moved.slider, start, 'the altitude slider follows the flight');
    assert.strictEqual(moved.label, moved.slider, 'the altitude label shows the slider');
    // The main page's header row, whatever values it shows below.
    const want = topRows(Expected.mainPage, 16);
    const deadline = Date.now() + WaitMs;
    while (topRows(await displayPicture(), 16) !== want) {
      assert.ok(Date.now() < deadline, 'the display shows the main page');
      await page.waitForTimeout(100);
    }
    await page.click('#flightpause');
    await page.waitForFunction(() => document.getElementById('flightstatus').textContent === 'Paused circuit',
                               null, { timeout: WaitMs });
    const paused = await page.locator('#trackbar2').inputValue();
    await page.waitForTimeout(500);
    assert.strictEqual(await page.locator('#trackbar2').inputValue(), paused, 'the altitude stands still while paused');
    assert.strictEqual(await page.locator('#flightpause').textContent(), 'Resume');
    await clickOff();
    await waitForRunDepth(0);
  });

  await t.test('a clock in the address is checked before the instrument takes it', async () => {
    const cases = [
      ['2155-12-31T23:59:59', 'Press "ON".'],  // the last second the clock holds
      ['2024-02-29T12:00:00', 'Press "ON".'],
      ['2026-02-29T12:00:00', 'ignored: clock=2026-02-29T12:00:00 is not a valid date and time'],
      ['1899-12-31T23:59:59', 'ignored: clock=1899-12-31T23:59:59 is not a valid date and time'],
      ['2026-06-01T24:00:00', 'ignored: clock=2026-06-01T24:00:00 is not a valid date and time'],
      ['2026-6-1T09:30:00', 'ignored: clock=2026-6-1T09:30:00 is not YYYY-MM-DDTHH:MM:SS'],
    ];
    for (const [clock, status] of cases) {
      await page.goto(url + '?clock=' + clock);
      await page.waitForFunction(() => window.VantroPage && VantroPage.ready);
      await page.waitForFunction((want) => document.getElementById('statusbar1').textContent === want, status,
                                 { timeout: WaitMs }).catch(() => {});
      assert.strictEqual(await page.locator('#statusbar1').textContent(), status, clock);
    }
  });

  await t.test('no errors on the page', () => {
    assert.deepStrictEqual(problems, []);
  });
});

process.on('exit', (code) => { if (code === 0) fs.rmSync(work, { recursive: true, force: true }); });
