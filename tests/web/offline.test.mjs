// Once played, the game opens and plays without a network: the page's service worker keeps the
// build, a build of its own version that an update replaces, and the page can be installed (a
// manifest with the game's icons).
import assert from 'node:assert/strict';
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { Browser } from './support.mjs';

const browser = new Browser();
before(() => browser.open());
after(() => browser.close());

test('the page names its manifest, whose icons are there', async () => {
  await browser.openToMap();
  const manifest = await browser.page.evaluate(async () => {
    const link = document.querySelector('link[rel="manifest"]');
    return (await fetch(link.href)).json();
  });
  assert.equal(manifest.name, 'Quenlit');
  const sizes = manifest.icons.map((icon) => icon.sizes).sort();
  assert.deepEqual(sizes, ['192x192', '512x512']);
  for (const icon of manifest.icons) {
    const response = await browser.page.request.get(new URL(icon.src, browser.url).href);
    assert.equal(response.headers()['content-type'], 'image/png', icon.src);
  }
});

test('offline: the page reloads to the map, saves, and loads the save after a reload', async () => {
  // The worker has the whole build before the network goes.
  await browser.page.evaluate(() => navigator.serviceWorker.ready);
  await browser.page.waitForFunction(() => navigator.serviceWorker.controller !== null, null,
    { timeout: 60000 });
  browser.server.close();
  await browser.context.setOffline(true);

  await browser.openToMap({ reload: true });
  await browser.press('ArrowLeft');
  await browser.press('ArrowUp');
  assert.equal(await browser.save(), '保存游戏成功');
  await browser.backToMap();

  await browser.openToMap({ reload: true });
  await browser.press('a');
  const loaded = await browser.state();
  assert.equal(loaded.message, '读取游戏成功');
  assert.deepEqual([loaded.floor, loaded.row, loaded.column], [1, 11, 6]);
});

test('an updated page replaces the kept copy with its own', async () => {
  const updated = new Browser();
  try {
    const folder = updated.copyPage(() => {});
    const page = await updated.open();
    await updated.openToMap();
    await page.evaluate(() => navigator.serviceWorker.ready);
    const caches = () => page.evaluate(() => window.caches.keys());
    const [first] = await caches();
    assert.match(first, /^quenlit-[0-9a-f]{16}$/);

    const worker = join(folder, 'quenlit-sw.js');
    writeFileSync(worker, readFileSync(worker, 'utf8').replace(first.slice(8), 'a1b2c3d4e5f60718'));
    await updated.openToMap({ reload: true });
    await page.waitForFunction(async () => {
      const names = await window.caches.keys();
      return names.length === 1 && names[0] === 'quenlit-a1b2c3d4e5f60718';
    }, null, { timeout: 60000, polling: 200 });
  } finally {
    await updated.close();
  }
});
