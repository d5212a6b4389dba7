// SPDX-License-Identifier: MIT
// A static file server on the loopback interface, on a port the system picks, as a
// school's web space would serve the page: a browser keeps what it gets, but asks
// again on every visit, and gets the file again only when it has changed. It records
// the path of every file it sends.

import { createHash } from 'node:crypto';
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import path from 'node:path';

const contentTypes = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.woff2': 'font/woff2',
  '.webmanifest': 'application/manifest+json',
  '.svg': 'image/svg+xml',
  '.png': 'image/png',
  '.txt': 'text/plain; charset=utf-8',
};

export async function startStaticServer(root) {
  const served = [];
  const server = createServer(async (request, response) => {
    const urlPath = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    const file = path.join(root, urlPath.endsWith('/') ? `${urlPath}index.html` : urlPath);
    if (!file.startsWith(root + path.sep)) {
      response.writeHead(403).end();
      return;
    }
    try {
      const body = await readFile(file);
      const etag = `"${createHash('sha256').update(body).digest('base64url')}"`;
      if (request.headers['if-none-match'] === etag) {
        response.writeHead(304, { ETag: etag }).end();
        return;
      }
      response.writeHead(200, {
        'Content-Type': contentTypes[path.extname(file)] ?? 'application/octet-stream',
        'Cache-Control': 'no-cache',
        ETag: etag,
      });
      response.end(body);
      served.push(urlPath);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const { port } = server.address();
  return {
    url: `http://127.0.0.1:${port}/`,
    served,
    close: () => new Promise((resolve) => server.close(resolve)),
  };
}
