// The touch controls on a phone held upright (touch emulation): they sit below the scene; a
// tap on the D-pad walks one step, a held direction repeats as a held key does, several fingers
// work at once, and a tap on Enter closes a message.
import assert from 'node:assert/strict';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { Browser } from './support.mjs';

const browser = new Browser({
  viewport: { width: 390, height: 844 },
  deviceScaleFactor: 2,
  hasTouch: true,
  isMobile: true,
});
let devtools;

before(async () => {
  await browser.open();
  devtools = await browser.context.newCDPSession(browser.page);
  await browser.openToMap();
});
after(() => browser.close());

const where = async () => {
  const s = await browser.state();
  return [s.row, s.column];
};

// The centre of a control, or of one arm of the D-pad.
async function spot(selector, arm) {
  const box = await browser.page.locator(selector).boundingBox();
  const reach = { Up: [0, -1], Down: [0, 1], Left: [-1, 0], Right: [1, 0] }[arm] ?? [0, 0];
  return {
    x: box.x + box.width / 2 + (reach[0] * box.width) / 3,
    y: box.y + box.height / 2 + (reach[1] * box.height) / 3,
  };
}

// The fingers on the screen, each {x, y, id}: a finger left out of the list lifts, and
// touchEnd (with none) lifts them all.
function touch(type, fingers) {
  return devtools.send('Input.dispatchTouchEvent', { type, touchPoints: fingers });
}

async function tap(at) {
  await touch('touchStart', [{ ...at, id: 1 }]);
  await touch('touchEnd', []);
  await browser.page.waitForTimeout(150);
}

test('the controls sit below the scene on a phone held upright', async () => {
  const canvas = await browser.page.locator('#canvas').boundingBox();
  for (const control of ['#dpad', '#buttons']) {
    assert.ok(await browser.page.locator(control).isVisible(), `${control} is hidden`);
    const box = await browser.page.locator(control).boundingBox();
    assert.ok(box.y >= canvas.y + canvas.height - 1, `${control} is not below the scene`);
    assert.ok(box.y + box.height <= 844, `${control} runs off the screen`);
  }
  assert.ok(canvas.width >= 389, 'the scene does not take the whole width');
  if (process.env.QUENLIT_WEB_SHOTS) {
    await browser.page.screenshot({ path: join(process.env.QUENLIT_WEB_SHOTS, 'phone-portrait.png') });
  }
});

test('a tap on the D-pad walks one step', async () => {
  assert.deepEqual(await where(), [12, 7]);
  await tap(await spot('#dpad', 'Left'));
  assert.deepEqual(await where(), [12, 6]);
});

test('a held direction walks on until the finger lifts', async () => {
  await touch('touchStart', [{ ...(await spot('#dpad', 'Up')), id: 1 }]);
  await browser.page.waitForTimeout(900);
  await touch('touchEnd', []);
  await browser.page.waitForTimeout(200);
  const [row] = await where();
  assert.ok(row <= 9, `the hero took ${12 - row} steps up the corridor`);
  const lifted = await where();
  await browser.page.waitForTimeout(300);
  assert.deepEqual(await where(), lifted, 'the hero walks on after the finger lifted');
});

test('two fingers at once: one holds a direction while the other opens the manual', async () => {
  const down = await spot('#dpad', 'Down');
  const manual = await spot('#buttons button[data-key="D"]');
  const enter = await spot('#buttons button[data-key="Return"]');
  const [start] = await where();
  await touch('touchStart', [{ ...down, id: 1 }]);
  await browser.page.waitForTimeout(300);
  // The second finger comes down while the first still holds Down; both lift before a held
  // key would repeat (a finger cannot be lifted alone through the DevTools protocol).
  await touch('touchStart', [{ ...down, id: 1 }, { ...manual, id: 2 }]);
  await touch('touchEnd', []);
  await browser.waitForState((s) => s.screen === 'Manual', 'the manual', 5);
  const [walked] = await where();
  assert.ok(walked > start, 'the held direction walked the hero down');
  await tap(enter);
  await browser.waitForState((s) => s.screen === 'Map', 'the map after Enter', 5);
});

test('a tap on S saves, and a tap on Enter closes the message', async () => {
  await browser.waitForState((s) => s.screen === 'Map', 'the map', 5);
  await tap(await spot('#buttons button[data-key="S"]'));
  const saved = await browser.waitForState(
    (s) => s.screen === 'Message' && s.message !== '正在保存游戏……', 'the save\'s notice', 20);
  assert.equal(saved.message, '保存游戏成功');
  await tap(await spot('#buttons button[data-key="Return"]'));
  await browser.waitForState((s) => s.screen === 'Map', 'the map after Enter', 5);
});
