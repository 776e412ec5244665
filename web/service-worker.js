// The installed page's service worker: it keeps the site's files so that the page opens and
// works without a network, and takes the files of a new version when one is served. The
// browser fetches this file afresh at each visit; a new version of the page has a new version
// name, so this worker is replaced, keeps the new files and drops the old. The page in view
// when that happens stays as it is; the next visit shows the new version.
//
// The site may share its origin with other apps, so the worker touches only caches of its own:
// their names begin with its prefix, the package's name and the scope it serves.
const prefix = `{{package}} ${self.registration.scope} `;
const current = prefix + "{{version}}";
// Each file it keeps, with the SHA-256 of the bytes this version was built with.
const files = {{files}};

const hex = (digest) => [...new Uint8Array(digest)]
  .map((byte) => byte.toString(16).padStart(2, "0")).join("");

// Every file, each checked against its digest; a file that is not the one built fails the
// install, which the browser tries again later, and leaves no cache behind.
async function keepFiles() {
  const cache = await caches.open(current);
  try {
    for (const [name, digest] of Object.entries(files)) {
      // Past the browser's own cache, which may still hold the files of the version before.
      const response = await fetch(new Request(name, { cache: "reload" }));
      const kept = response.clone();
      const bytes = await response.arrayBuffer();
      if (!response.ok || hex(await crypto.subtle.digest("SHA-256", bytes)) !== digest)
        throw new Error(`${name} is not the file this version was built with`);
      // The page answers at the site's own address too: the same response, fetched once.
      if (name === "index.html") await cache.put("./", kept.clone());
      await cache.put(name, kept);
    }
  } catch (error) {
    await caches.delete(current);
    throw error;
  }
}

self.addEventListener("install", (event) => {
  event.waitUntil(keepFiles().then(() => self.skipWaiting()));
});

// Older versions of its own go; before its names had a prefix, a version was named by 16 hex
// digits alone.
const older = (name) => name !== current && (name.startsWith(prefix) || /^[0-9a-f]{16}$/.test(name));

self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter(older).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  event.respondWith(caches.open(current)
    .then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((kept) => kept || fetch(event.request)));
});
