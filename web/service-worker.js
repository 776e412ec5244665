// The installed page's service worker: it keeps the site's files so that the page opens and
// works without a network, and takes the files of a new version when one is served. The
// browser fetches this file afresh at each visit; a new version of the page has a new version
// name, so this worker is replaced, keeps the new files and drops the old. The page in view
// when that happens stays as it is; the next visit shows the new version.
//
// The site may share its origin with other apps, and with other copies of itself under other
// paths, so the worker touches only caches of its own: their names begin with its prefix, the
// package's name and the scope it serves.
const prefix = `{{package}} ${self.registration.scope} `;
const current = prefix + "{{version}}";
// Each file it keeps, with the SHA-256 of the bytes this version was built with.
const files = {{files}};

const hex = (digest) => [...new Uint8Array(digest)]
  .map((byte) => byte.toString(16).padStart(2, "0")).join("");

// Every file, each checked against its digest; a file that is not the one built fails the
// install, which the browser tries again later, and leaves no cache behind. What is kept is the
// bytes and their type under the file's own name, never the response as it came: a host may
// answer a name by a redirect (index.html to ./), and a browser refuses a redirected response
// as the answer to a visit.
async function keepFiles() {
  const cache = await caches.open(current);
  try {
    for (const [name, digest] of Object.entries(files)) {
      // Past the browser's own cache, which may still hold the files of the version before.
      const response = await fetch(new Request(name, { cache: "reload" }));
      const bytes = await response.arrayBuffer();
      if (!response.ok || hex(await crypto.subtle.digest("SHA-256", bytes)) !== digest)
        throw new Error(`${name} is not the file this version was built with`);
      const type = response.headers.get("Content-Type");
      const kept = () => new Response(bytes, type ? { headers: { "Content-Type": type } } : {});
      // The page answers at the site's own address too.
      if (name === "index.html") await cache.put("./", kept());
      await cache.put(name, kept());
    }
  } catch (error) {
    await caches.delete(current);
    throw error;
  }
}

self.addEventListener("install", (event) => {
  event.waitUntil(keepFiles().then(() => self.skipWaiting()));
});

const older = (name) => name !== current && name.startsWith(prefix);

self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter(older).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// Answers from its own cache, which it only reads (it would create it by opening it); what it
// does not keep, from the network.
self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  event.respondWith(caches.match(event.request, { cacheName: current, ignoreSearch: true })
    .then((kept) => kept || fetch(event.request)));
});
