// The browser build played in headless Chromium: the page reaches the map, which looks like
// the desktop's golden map picture; the hero walks, the game is saved, and after a reload
// of the page the save loads the hero back where he stood.
//
//   QUENLIT_WEB_DIR=build-web node --test tests/web/browser.test.mjs
//
// Needs Debian's chromium (/usr/bin/chromium) and ImageMagick's compare.
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
// The live page blinks its two-phase sprites and draws with the browser's own filtering, so
// it is held to the desktop window's limit in the smoke test rather than to the still
// pictures' one: a root-mean-square difference of at most 0.04 (another screen, such as
// the loading screen, differs by about 0.39).
const kGoldenLimit = 0.04;

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

// Root-mean-square difference (0 to 1) of the canvas, shown at its own size, and the golden.
async function differenceFromGolden() {
  await page.addStyleTag({ content: '#canvas { width: 1366px !important; height: 768px !important; max-width: none !important; max-height: none !important; }' });
  const shot = join(scratch, 'map.png');
  await page.locator('#canvas').screenshot({ path: shot });
  let output;
  try {
    output = execFileSync('compare', ['-metric', 'RMSE', shot, golden, 'null:'], { stdio: 'pipe' });
  } catch (error) {
    output = error.stderr; // compare exits 1 when the pictures differ at all
  }
  const figure = /\(([0-9.e-]+)\)/.exec(String(output));
  assert.ok(figure, `compare gave no figure: ${output}`);
  return Number(figure[1]);
}

test('the page reaches the map, which matches the golden picture', async () => {
  const seconds = await openToMap();
  console.log(`web: from opening the page to the map: ${seconds.toFixed(2)} s`);
  const start = await state();
  assert.deepEqual([start.floor, start.row, start.column], [1, 12, 7]);
  const difference = await differenceFromGolden();
  console.log(`web: the map differs from the golden picture by ${difference} (at most ${kGoldenLimit})`);
  assert.ok(difference <= kGoldenLimit, `the map differs from the golden picture by ${difference}`);
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
