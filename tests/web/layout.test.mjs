// The scene fills the page: it takes the largest area that keeps its 981:621 shape between
// the title and the key line, follows the window's size at once, shows alone in full screen,
// and nothing grey is left anywhere. Without a touch screen the touch controls stay hidden.
import assert from 'node:assert/strict';
import { join } from 'node:path';
import { after, before, describe, test } from 'node:test';
import { Browser, pixels, sizeOf } from './support.mjs';

const kMargin = [0x10, 0x0e, 0x18]; // the page's and the scene's margin colour
const kGrey = [0x80, 0x80, 0x80];
const kMinShare = 0.8;

// The scene's rectangle on a photograph of the page: the pixels inside the canvas that are
// not the margin colour. The photograph is kept in $QUENLIT_WEB_SHOTS when that is set.
async function sceneOnPage(browser, name) {
  const file = join(process.env.QUENLIT_WEB_SHOTS ?? browser.scratch, `${name}.png`);
  await browser.page.screenshot({ path: file });
  const { width, height } = sizeOf(file);
  const rgb = pixels(file);
  const canvas = await browser.page.locator('#canvas').boundingBox();
  let left = width;
  let top = height;
  let right = -1;
  let bottom = -1;
  const greys = [];
  for (let y = 0; y < height; ++y) {
    for (let x = 0; x < width; ++x) {
      const i = 3 * (y * width + x);
      const colour = [rgb[i], rgb[i + 1], rgb[i + 2]];
      if (colour.every((c, k) => c === kGrey[k])) greys.push([x, y]);
      const inCanvas = x >= canvas.x && x < canvas.x + canvas.width && y >= canvas.y &&
        y < canvas.y + canvas.height;
      if (!inCanvas || colour.every((c, k) => c === kMargin[k])) continue;
      left = Math.min(left, x);
      right = Math.max(right, x);
      top = Math.min(top, y);
      bottom = Math.max(bottom, y);
    }
  }
  // The pictures have a grey pixel here and there; grey outside them is a part of the page
  // that nothing draws.
  const grey = greys.filter(([x, y]) => x < left || x > right || y < top || y > bottom).length;
  return { width: right - left + 1, height: bottom - top + 1, grey, greyInScene: greys.length - grey };
}

// The share of the largest 981:621 rectangle that fits the viewport that the scene covers.
function shareOfLargest(scene, viewport) {
  const scale = Math.min(viewport.width / 981, viewport.height / 621);
  return (scene.width * scene.height) / (981 * scale * 621 * scale);
}

describe('the scene on the page', () => {
  const browser = new Browser({ viewport: { width: 1280, height: 800 } });
  before(async () => {
    await browser.open();
    await browser.openToMap();
  });
  after(() => browser.close());

  for (const viewport of [{ width: 1280, height: 800 }, { width: 1920, height: 1080 },
    { width: 1000, height: 1000 }]) {
    test(`at ${viewport.width} x ${viewport.height}: the largest scene, no grey`, async () => {
      await browser.page.setViewportSize(viewport);
      await browser.page.waitForTimeout(600);
      const canvas = await browser.page.evaluate(() => {
        const element = document.getElementById('canvas');
        return [element.width, element.height, element.clientWidth, element.clientHeight];
      });
      assert.deepEqual(canvas.slice(0, 2), canvas.slice(2), 'the canvas draws at its size');
      const scene = await sceneOnPage(browser, `page-${viewport.width}x${viewport.height}`);
      const share = shareOfLargest(scene, viewport);
      console.log(`web: at ${viewport.width} x ${viewport.height} the scene is ` +
        `${scene.width} x ${scene.height}, ${(100 * share).toFixed(1)} % of the largest; ` +
        `${scene.greyInScene} grey pixels of the pictures`);
      assert.ok(share >= kMinShare, `the scene covers ${share.toFixed(3)} of the largest`);
      assert.ok(Math.abs(scene.width / scene.height - 981 / 621) < 0.01, 'the scene lost its shape');
      assert.equal(scene.grey, 0, 'grey pixels around the scene');
      assert.ok(scene.greyInScene < scene.width * scene.height / 1000, 'a grey scene');
    });
  }

  test('the touch controls stay hidden without a touch screen', async () => {
    assert.equal(await browser.page.locator('#dpad').isVisible(), false);
    assert.equal(await browser.page.locator('#buttons').isVisible(), false);
    assert.ok(await browser.page.locator('#keys').isVisible(), 'the key line is hidden');
  });

  test('full screen, by the button and by F11, shows the scene alone', async () => {
    await browser.page.setViewportSize({ width: 1280, height: 800 });
    for (const enter of [() => browser.page.click('#fullscreen'),
      () => browser.page.keyboard.press('F11')]) {
      await enter();
      await browser.page.waitForFunction(() => document.fullscreenElement?.id === 'stage');
      const screen = await browser.page.evaluate(() => [screen.width, screen.height]);
      const stage = await browser.page.locator('#stage').boundingBox();
      assert.deepEqual([stage.x, stage.y, stage.width, stage.height], [0, 0, ...screen],
        'the scene\'s stage does not fill the screen');
      await browser.page.keyboard.press('F11');
      await browser.page.waitForFunction(() => !document.fullscreenElement);
    }
    assert.equal((await browser.state()).screen, 'Map', 'F11 reached the game');
  });
});
