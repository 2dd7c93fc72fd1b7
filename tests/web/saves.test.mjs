// The browser's saves: "保存游戏成功" only for a save the browser's storage has committed; a
// save it refuses is said to have failed and changes nothing, and the next one works again; a
// reload right after S keeps the save; without storage the game plays on and says so.
import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';
import { Browser } from './support.mjs';

const kSaved = '保存游戏成功';
const kNotSaved = '保存游戏失败：无法写入存档';
const kLoaded = '读取游戏成功';
const kNotLoaded = '读取游戏失败：存档不存在或已损坏';

const where = (s) => [s.floor, s.row, s.column];

describe('with storage', () => {
  const browser = new Browser();
  before(() => browser.open());
  after(() => browser.close());

  test('a save the storage refuses fails, loses nothing, and the next save survives a reload',
    async () => {
      await browser.openToMap();
      // The storage refuses the commit, as a full disk makes it: the transaction aborts
      // without any request failing. (Chromium's quota override does not reach a database
      // that is already open, so the refusal is played by the page's IndexedDB itself.)
      const refuse = (on) => browser.page.evaluate((refusing) => {
        if (!window.refusingCommits) {
          const commit = IDBTransaction.prototype.commit;
          IDBTransaction.prototype.commit = function refusableCommit() {
            if (window.refusingCommits.on) return this.abort();
            return commit.call(this);
          };
          window.refusingCommits = {};
        }
        window.refusingCommits.on = refusing;
      }, on);

      await browser.press('ArrowLeft');
      await refuse(true);
      assert.equal(await browser.save(), kNotSaved, 'a save the storage refuses');
      await browser.backToMap();
      const storage = await browser.page.evaluate(() => Module.quenlitStorage);
      assert.deepEqual(storage, { ready: true, kept: true, pending: 0 }, 'the storage is left busy');
      await browser.press('a');
      assert.equal((await browser.state()).message, kNotLoaded, 'the refused save can be loaded');
      await browser.backToMap();

      await refuse(false);
      await browser.press('ArrowUp');
      assert.equal(await browser.save(), kSaved, 'the save once the storage takes it again');
      await browser.backToMap();

      await browser.openToMap({ reload: true });
      await browser.press('a');
      const loaded = await browser.state();
      assert.equal(loaded.message, kLoaded);
      assert.deepEqual(where(loaded), [1, 11, 6]);
      await browser.backToMap();
    });

  test('a reload at once after S keeps the save, every time', async () => {
    // Each round walks one step from where the last save left the hero and saves there.
    for (const [key, row, column] of [['ArrowLeft', 11, 5], ['ArrowRight', 11, 6],
      ['ArrowDown', 12, 6]]) {
      await browser.press(key);
      assert.deepEqual(where(await browser.state()), [1, row, column], `the hero after ${key}`);
      await browser.page.keyboard.press('s');
      await browser.openToMap({ reload: true });
      await browser.press('a');
      const loaded = await browser.state();
      assert.equal(loaded.message, kLoaded);
      assert.deepEqual(where(loaded), [1, row, column], `the save made before the reload`);
      await browser.backToMap();
    }
  });
});

// Each way a browser keeps a page from storing anything: the game plays on, the page says
// for good that saves are not kept, and S says the save failed.
const refusals = [
  ['no IndexedDB at all', () => {
    Object.defineProperty(window, 'indexedDB', { value: undefined });
  }],
  ['IndexedDB that refuses to open', () => {
    IDBFactory.prototype.open = function open() {
      throw new DOMException('The user denied permission to access the database.',
        'SecurityError');
    };
  }],
  ['IndexedDB whose database never opens', () => {
    IDBFactory.prototype.open = function open() {
      return {};
    };
  }],
];

for (const [what, refuse] of refusals) {
  describe(`with ${what}`, () => {
    const browser = new Browser();
    before(async () => {
      await browser.open();
      await browser.page.addInitScript(refuse);
    });
    after(() => browser.close());

    test('the game plays, the page says saves are not kept, and S says so', async () => {
      await browser.openToMap();
      await browser.press('ArrowLeft');
      assert.deepEqual(where(await browser.state()), [1, 12, 6], 'the hero walks');
      assert.equal(await browser.save(), kNotSaved);
      await browser.backToMap();
      await browser.press('a');
      assert.equal((await browser.state()).message, kNotLoaded, 'a save that was not kept loads');
      // The notice stays: nothing the page or the game does later takes it away.
      await browser.page.waitForTimeout(3000);
      const notice = await browser.page.locator('#notice');
      assert.ok(await notice.isVisible(), 'the notice is gone');
      assert.match(await notice.textContent(), /存档不会被保留/);
    });
  });
}
