// Serves a built page folder on this machine only, on a port the system picks.
//   node scripts/web-serve.mjs build-web     prints the address and serves until stopped
// The browser test imports serve() to do the same for its own run. As a static host does, it
// answers a request whose ETag still matches with 304, so the page's offline copy revalidates
// cheaply.
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { createHash } from 'node:crypto';
import { extname, join, normalize, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript',
  '.wasm': 'application/wasm',
  '.data': 'application/octet-stream',
  '.png': 'image/png',
  '.webmanifest': 'application/manifest+json',
};

export function serve(folder) {
  const root = resolve(folder);
  const server = createServer(async (request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    const file = normalize(join(root, path === '/' ? 'quenlit.html' : path));
    if (!file.startsWith(root + '/')) {
      response.writeHead(403).end();
      return;
    }
    try {
      const body = await readFile(file);
      const etag = `"${createHash('sha1').update(body).digest('hex')}"`;
      const headers = {
        'Content-Type': types[extname(file)] ?? 'application/octet-stream',
        'Cache-Control': 'no-cache',
        ETag: etag,
      };
      if (request.headers['if-none-match'] === etag) {
        response.writeHead(304, headers).end();
        return;
      }
      response.writeHead(200, headers);
      response.end(request.method === 'HEAD' ? undefined : body);
    } catch {
      response.writeHead(404).end();
    }
  });
  return new Promise((done, failed) => {
    server.once('error', failed);
    server.listen(0, '127.0.0.1', () => {
      done({
        url: `http://127.0.0.1:${server.address().port}/`,
        close: () => {
          server.closeAllConnections();
          server.close();
        },
      });
    });
  });
}

if (import.meta.url === pathToFileURL(process.argv[1]).href) {
  const folder = process.argv[2] ?? 'build-web';
  const { url } = await serve(folder);
  console.log(`Quenlit is served at ${url} (Ctrl+C stops)`);
}
