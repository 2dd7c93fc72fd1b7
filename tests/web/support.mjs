// What the browser tests share: the built page served on localhost, Debian's Chromium started
// headless with a fresh profile in the test's own temporary folder, and the page's view of
// the game (Module.quenlitState()).
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { cpSync, mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';
import { serve } from '../../scripts/web-serve.mjs';

const here = dirname(fileURLToPath(import.meta.url));
export const pageFolder = resolve(process.env.QUENLIT_WEB_DIR ?? join(here, '../../build-web'));
export const goldenFolder = join(here, '../golden/pictures');
// Loading the page takes a few seconds; a slow machine gets room.
export const kMapSeconds = 180;

// A browser on a page folder of its own: open() serves the folder and starts Chromium;
// close() ends both and removes the folder's temporary files.
export class Browser {
  constructor({ folder = pageFolder, viewport = { width: 1400, height: 900 }, ...options } = {}) {
    this.scratch = mkdtempSync(join(tmpdir(), 'quenlit-web-'));
    this.folder = folder;
    this.viewport = viewport;
    this.options = options;
    this.messages = [];
  }

  // A copy of the built page in this test's own folder, changed by change(folder).
  copyPage(change) {
    const copy = join(this.scratch, 'page');
    cpSync(pageFolder, copy, {
      recursive: true,
      filter: (source) => !/page-game|CMakeFiles|\.a$/.test(source),
    });
    change(copy);
    this.folder = copy;
    return copy;
  }

  async open() {
    this.server = await serve(this.folder);
    this.context = await chromium.launchPersistentContext(join(this.scratch, 'profile'), {
      executablePath: process.env.QUENLIT_CHROMIUM ?? '/usr/bin/chromium',
      headless: true,
      args: [
        '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
        '--disable-background-networking', '--disable-component-update', '--disable-sync',
      ],
      viewport: this.viewport,
      deviceScaleFactor: 1,
      ...this.options,
    });
    this.page = this.context.pages()[0] ?? (await this.context.newPage());
    this.page.on('console', (message) => {
      this.messages.push(message.text());
      if (message.type() === 'error') console.log(`page: ${message.text()}`);
    });
    this.page.on('pageerror', (error) => console.log(`page error: ${error.message}`));
    this.page.on('dialog', (dialog) => {
      console.log(`page dialog: ${dialog.message()}`);
      dialog.dismiss();
    });
    return this.page;
  }

  async close() {
    await this.context?.close();
    this.server?.close();
    rmSync(this.scratch, { recursive: true, force: true });
  }

  get url() {
    return this.server.url;
  }

  // The page's view of the game; {screen: 'NotStarted'} before the program runs.
  state() {
    return this.page.evaluate(() => (typeof Module?.quenlitState === 'function' && Module.calledRun
      ? Module.quenlitState() : { screen: 'NotStarted' }));
  }

  async waitForState(check, what, seconds) {
    const deadline = Date.now() + seconds * 1000;
    let last;
    while (Date.now() < deadline) {
      last = await this.state();
      if (check(last)) return last;
      await this.page.waitForTimeout(20);
    }
    assert.fail(`${what} never came within ${seconds} s; the page's state: ${JSON.stringify(last)}`);
  }

  // Opens (or reloads) the page and waits for the map; returns the seconds it took.
  async openToMap({ reload = false } = {}) {
    const started = Date.now();
    if (reload) {
      await this.page.reload();
    } else {
      await this.page.goto(this.url);
    }
    await this.waitForState((s) => s.screen === 'Map', 'the map', kMapSeconds);
    return (Date.now() - started) / 1000;
  }

  async press(key) {
    await this.page.keyboard.press(key);
    await this.page.waitForTimeout(100);
  }

  // Presses S on the map and waits for the notice that says how the save ended.
  async save() {
    await this.page.keyboard.press('s');
    const saved = await this.waitForState(
      (s) => s.screen === 'Message' && s.message !== '正在保存游戏……', 'the save\'s notice', 20);
    return saved.message;
  }

  // Closes a notice with Enter and waits for the map.
  async backToMap() {
    await this.page.keyboard.press('Enter');
    await this.waitForState((s) => s.screen === 'Map', 'the map after Enter', 5);
  }

  // The text the page shows over the scene when something keeps the game from running.
  failure() {
    return this.page.evaluate(() => {
      const failure = document.getElementById('failure');
      return failure.hidden ? '' : failure.textContent;
    });
  }
}

// The picture's RGB bytes, through ImageMagick.
export function pixels(file) {
  return execFileSync('convert', [file, '-alpha', 'off', '-depth', '8', 'rgb:-'], {
    maxBuffer: 256 * 1024 * 1024,
  });
}

// The picture's width and height.
export function sizeOf(file) {
  const [width, height] = execFileSync('identify', ['-format', '%w %h', file]).toString()
    .split(' ').map(Number);
  return { width, height };
}
