// Serves the built page on 127.0.0.1 only: the browser test, the benchmark and
// `tools/build-web.sh --serve` use it.
//   node serve_page.js DIR [PORT]       (PORT 0 or none: a free port)
'use strict';
const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');

const ContentTypes = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css',
  '.wasm': 'application/wasm', '.jpg': 'image/jpeg', '.png': 'image/png',
};

/** Serves the files of `dir` on 127.0.0.1; resolves to { server, url }. */
function servePage(dir, port = 0) {
  const root = path.resolve(dir);
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://host').pathname);
    const file = path.join(root, name === '/' ? 'index.html' : name);
    if (!file.startsWith(root + path.sep) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      response.writeHead(404).end('not found');
      return;
    }
    response.writeHead(200, { 'Content-Type': ContentTypes[path.extname(file)] || 'application/octet-stream' });
    fs.createReadStream(file).pipe(response);
  });
  return new Promise((resolve, reject) => {
    server.once('error', reject);
    server.listen(port, '127.0.0.1', () => resolve({ server, url: `http://127.0.0.1:${server.address().port}/` }));
  });
}

if (require.main === module) {
  const [dir, portText = '0'] = process.argv.slice(2);
  const port = Number(portText);
  if (!dir || !fs.existsSync(path.join(dir, 'index.html')) || !Number.isInteger(port) || port < 0 || port > 65535) {
    console.error('usage: node serve_page.js DIR [PORT]   (DIR holds index.html; PORT 0..65535)');
    process.exit(2);
  }
  servePage(dir, port).then(({ url }) => console.log(`serving the page on ${url} (Ctrl+C stops)`),
                            (error) => { console.error(`serve_page.js: ${error.message}`); process.exit(2); });
}

module.exports = { servePage };
