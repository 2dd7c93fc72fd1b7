// Whatever keeps the game from running is said on the page, naming what failed: never an
// endless loading text, a black canvas or a blank page. Each case serves its own copy of the
// built page with one file missing or damaged, or takes something from the browser.
import assert from 'node:assert/strict';
import { randomBytes } from 'node:crypto';
import { readFileSync, rmSync, truncateSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { test } from 'node:test';
import { Browser } from './support.mjs';

const kSeconds = 60;

const missing = (name) => (folder) => rmSync(join(folder, name));
const cutInHalf = (name) => (folder) => {
  const path = join(folder, name);
  truncateSync(path, Math.floor(readFileSync(path).length / 2));
};
const scrambled = (name) => (folder) => {
  const path = join(folder, name);
  writeFileSync(path, randomBytes(readFileSync(path).length));
};

const cases = [
  ['quenlit.js missing', missing('quenlit.js'), /无法下载游戏程序 quenlit\.js/],
  ['quenlit.js cut short', cutInHalf('quenlit.js'), /游戏程序 quenlit\.js 下载不完整或已损坏/],
  ['quenlit.wasm missing', missing('quenlit.wasm'), /无法下载游戏程序 quenlit\.wasm/],
  ['quenlit.wasm damaged', scrambled('quenlit.wasm'), /游戏程序 quenlit\.wasm 下载不完整或已损坏/],
  ['quenlit.data missing', missing('quenlit.data'), /无法下载游戏数据 quenlit\.data/],
  ['quenlit.data cut short', cutInHalf('quenlit.data'),
    /游戏数据 quenlit\.data 下载不完整或已损坏/],
  ['quenlit.data damaged', scrambled('quenlit.data'), /游戏数据 quenlit\.data 下载不完整或已损坏/],
];

for (const [what, change, expected] of cases) {
  test(`${what}: the page says so`, async () => {
    const browser = new Browser();
    try {
      browser.copyPage(change);
      const page = await browser.open();
      await page.goto(browser.url);
      await page.waitForFunction(() => !document.getElementById('failure').hidden, null,
        { timeout: kSeconds * 1000 });
      const text = await browser.failure();
      assert.match(text, expected);
      assert.doesNotMatch(text, /篡改|integrity/i, 'a damaged download is not tampering');
      assert.ok(await page.locator('#failure').isVisible(), 'the message is hidden');
      assert.equal(await page.locator('#status').textContent(), '', 'a loading text stays');
      assert.equal((await browser.state()).screen, 'NotStarted', 'the game runs all the same');
    } finally {
      await browser.close();
    }
  });
}

test('a browser without WebAssembly: the page says so', async () => {
  const browser = new Browser();
  try {
    const page = await browser.open();
    await page.addInitScript(() => {
      delete window.WebAssembly;
    });
    await page.goto(browser.url);
    assert.match(await browser.failure(), /不支持 WebAssembly/);
    await page.waitForTimeout(1000);
    const requested = await page.evaluate(() => performance.getEntriesByType('resource')
      .map((entry) => entry.name).filter((name) => /quenlit\.(js|wasm|data)$/.test(name)));
    assert.deepEqual(requested.filter((name) => !name.endsWith('quenlit.js')), [],
      'the page downloads a game it cannot run');
  } finally {
    await browser.close();
  }
});
