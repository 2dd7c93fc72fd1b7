// Times the page from opening to the map, as scripts/web-figures.sh reports it:
//   node tests/web/figures.mjs [RUNS]
// Each run opens the page in a browser with a fresh profile (nothing cached: the first visit),
// then reloads it once (the files now come from the page's offline copy). The time is the
// page's own clock from its opening (the navigation's start) to the moment the game has loaded
// and shows the map; the browser driver's round trips do not count. Prints the best of the runs
// of each, in seconds.
import { Browser } from './support.mjs';

const runs = Number(process.argv[2] ?? 3);
// Seconds from the page's opening to the map, by the page's clock.
function loadedAt(browser) {
  return browser.page.evaluate(() => Module.quenlitLoadedAt / 1000);
}

const first = [];
const again = [];
for (let run = 0; run < runs; ++run) {
  const browser = new Browser({ viewport: { width: 1280, height: 800 } });
  try {
    await browser.open();
    await browser.openToMap();
    first.push(await loadedAt(browser));
    await browser.page.evaluate(() => navigator.serviceWorker.ready);
    await browser.openToMap({ reload: true });
    again.push(await loadedAt(browser));
  } finally {
    await browser.close();
  }
}
const best = (times) => Math.min(...times).toFixed(2);
console.log(`first ${best(first)}`);
console.log(`again ${best(again)}`);
