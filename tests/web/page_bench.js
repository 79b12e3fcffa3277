// The page's figures: its download size and the instrument's pace in headless Chromium, run
// flat out the way the window benchmark runs it (a press of the centre button once a second).
//   node page_bench.js PAGE_DIR [SECONDS]       (default 60)
// Prints one figure a line: name=value.
'use strict';
const fs = require('node:fs');
const path = require('node:path');
const zlib = require('node:zlib');
const { servePage, launchChromium } = require('./page_support.js');

const pageDir = path.resolve(process.argv[2] || '');
const seconds = Number(process.argv[3] || 60);
if (!fs.existsSync(path.join(pageDir, 'index.html')) || !(seconds >= 1 && seconds <= 3600)) {
  console.error('usage: node page_bench.js PAGE_DIR [SECONDS]   (PAGE_DIR holds index.html; SECONDS 1..3600)');
  process.exit(2);
}

function downloadSizes() {
  let bytes = 0, gzipped = 0;
  for (const name of fs.readdirSync(pageDir)) {
    const data = fs.readFileSync(path.join(pageDir, name));
    console.log(`file_bytes ${name}=${data.length}`);
    bytes += data.length;
    gzipped += zlib.gzipSync(data, { level: 9 }).length;
  }
  console.log(`download_bytes=${bytes}`);
  console.log(`download_bytes_gzip=${gzipped}`);
}

async function cyclesPerSecond() {
  const { server, url } = await servePage(pageDir);
  const { context, close } = await launchChromium();
  try {
    const page = context.pages()[0] || await context.newPage();
    await page.goto(url);
    await page.waitForFunction(() => window.VantroPage && VantroPage.ready);
    await page.click('#button1');
    await page.waitForTimeout(3000);  // past the start-up animation
    const result = await page.evaluate(async (ms) => {
      const clicks = setInterval(() => VantroPage.post(3, 1), 1000);  // the centre button
      const start = { cycles: VantroPage.cycles, at: performance.now() };
      await new Promise((resolve) => setTimeout(resolve, ms));
      clearInterval(clicks);
      return { cycles: VantroPage.cycles - start.cycles, ms: performance.now() - start.at };
    }, seconds * 1000);
    console.log(`seconds=${(result.ms / 1000).toFixed(1)}`);
    console.log(`cycles=${result.cycles}`);
    console.log(`cycles_per_second=${Math.round(result.cycles * 1000 / result.ms)}`);
  } finally {
    await close();
    server.close();
  }
}

downloadSizes();
cyclesPerSecond().catch((error) => { console.error(error.message); process.exit(1); });
