// The browser build played in headless Chromium: the page reaches the map, which looks like
// the desktop's golden map picture; the hero walks, the game is saved, and after a reload
// of the page the save loads the hero back where he stood.
//
//   QUENLIT_WEB_DIR=build-web node --test tests/web/browser.test.mjs
//
// Needs Debian's chromium (/usr/bin/chromium) and ImageMagick's convert.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { after, before, test } from 'node:test';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';
import { serve } from '../../scripts/web-serve.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const pageFolder = resolve(process.env.QUENLIT_WEB_DIR ?? join(here, '../../build-web'));
const golden = join(here, '../golden/pictures/new_game_map.png');
// The golden pictures' own tolerance: a mean channel difference of at most 1 and at most
// 0.5 % of pixels with a channel more than 24 apart. The live page blinks its two-phase
// sprites three times a second while the golden picture shows the first phase, so the page is
// photographed a few times within a blink and the closest picture counts.
const kChannelSlack = 24;
const kMaxMeanChannel = 1.0;
const kMaxChangedShare = 0.005;
const kShots = 5;
const kShotInterval = 150; // ms: five shots span more than one sprite phase of 333 ms

let server;
let context;
let page;
const scratch = mkdtempSync(join(tmpdir(), 'quenlit-web-'));

before(async () => {
  server = await serve(pageFolder);
  context = await chromium.launchPersistentContext(join(scratch, 'profile'), {
    executablePath: process.env.QUENLIT_CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    args: [
      '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
    ],
    viewport: { width: 1400, height: 900 },
    deviceScaleFactor: 1,
  });
  page = context.pages()[0] ?? (await context.newPage());
  page.on('console', (message) => {
    if (message.type() === 'error') console.log(`page: ${message.text()}`);
  });
  page.on('pageerror', (error) => console.log(`page error: ${error.message}`));
  page.on('dialog', (dialog) => {
    console.log(`page dialog: ${dialog.message()}`);
    dialog.dismiss();
  });
});

after(async () => {
  await context?.close();
  server?.close();
  rmSync(scratch, { recursive: true, force: true });
});

const state = () =>
  page.evaluate(() => (typeof Module?.quenlitState === 'function' && Module.calledRun
    ? Module.quenlitState() : { screen: 'NotStarted' }));

async function waitForState(check, what, seconds) {
  const deadline = Date.now() + seconds * 1000;
  let last;
  while (Date.now() < deadline) {
    last = await state();
    if (check(last)) return last;
    await page.waitForTimeout(50);
  }
  assert.fail(`${what} never came within ${seconds} s; the page's state: ${JSON.stringify(last)}`);
}

// Opens the page and waits for the map; returns the seconds it took.
async function openToMap() {
  const started = Date.now();
  await page.goto(server.url);
  await waitForState((s) => s.screen === 'Map', 'the map', 180);
  return (Date.now() - started) / 1000;
}

async function press(key) {
  await page.keyboard.press(key);
  await page.waitForTimeout(150);
}

// The picture's RGB bytes, through ImageMagick.
function pixels(file) {
  return execFileSync('convert', [file, '-alpha', 'off', '-depth', '8', 'rgb:-'], {
    maxBuffer: 64 * 1024 * 1024,
  });
}

// How far a picture is from the golden one, measured as the golden tests measure it.
function differenceFromGolden(file) {
  const drawn = pixels(file);
  const expected = pixels(golden);
  assert.equal(drawn.length, expected.length, 'the canvas is not the golden picture\'s size');
  let total = 0;
  let changed = 0;
  for (let i = 0; i < drawn.length; i += 3) {
    let largest = 0;
    for (let c = 0; c < 3; ++c) {
      const d = Math.abs(drawn[i + c] - expected[i + c]);
      total += d;
      largest = Math.max(largest, d);
    }
    if (largest > kChannelSlack) ++changed;
  }
  const count = drawn.length / 3;
  return { meanChannel: total / (3 * count), changedShare: changed / count };
}

// The closest of a few photographs of the canvas, shown at its own size, to the golden map.
async function closestToGolden() {
  await page.addStyleTag({ content: '#canvas { width: 1366px !important; height: 768px !important; max-width: none !important; max-height: none !important; }' });
  let best;
  for (let shot = 0; shot < kShots; ++shot) {
    const file = join(scratch, `map-${shot}.png`);
    await page.locator('#canvas').screenshot({ path: file });
    const difference = differenceFromGolden(file);
    if (!best || difference.meanChannel < best.meanChannel) best = difference;
    await page.waitForTimeout(kShotInterval);
  }
  return best;
}

test('the page reaches the map, which matches the golden picture', async () => {
  const seconds = await openToMap();
  console.log(`web: from opening the page to the map: ${seconds.toFixed(2)} s`);
  const start = await state();
  assert.deepEqual([start.floor, start.row, start.column], [1, 12, 7]);
  const { meanChannel, changedShare } = await closestToGolden();
  const figures = `mean channel difference ${meanChannel.toFixed(3)}, ` +
    `pixels changed ${(100 * changedShare).toFixed(3)} %`;
  console.log(`web: the map against the golden picture: ${figures}`);
  assert.ok(meanChannel <= kMaxMeanChannel && changedShare <= kMaxChangedShare,
    `the map is not the golden picture: ${figures}`);
});

test('the hero walks, the save survives a reload of the page and loads', async () => {
  await press('ArrowLeft');
  await press('ArrowUp');
  const walked = await state();
  assert.deepEqual([walked.row, walked.column], [11, 6], 'the hero did not walk left then up');

  await press('s');
  const saved = await waitForState((s) => s.screen === 'Message', 'the save message', 5);
  assert.equal(saved.message, '保存游戏成功');
  await press('Enter');
  await waitForState((s) => s.screen === 'Map', 'the map after the save message', 5);
  // The browser writes IndexedDB on its own time; the page reports when that is done.
  await page.waitForFunction(() => !Module.quenlitStorage.writing, null, { timeout: 10000 });

  await page.reload();
  await waitForState((s) => s.screen === 'Map', 'the map after the reload', 180);
  const fresh = await state();
  assert.deepEqual([fresh.row, fresh.column], [12, 7], 'a reload starts a new game');

  await press('a');
  const loaded = await waitForState((s) => s.screen === 'Message', 'the load message', 5);
  assert.equal(loaded.message, '读取游戏成功');
  assert.deepEqual([loaded.floor, loaded.row, loaded.column], [1, 11, 6]);
});
