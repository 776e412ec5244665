// The installed page's service worker: it keeps the site's files so that the page opens and
// works without a network, and takes the files of a new version when one is served. The
// browser fetches this file afresh at each visit; a new version of the page has a new version
// name, so this worker is replaced, keeps the new files and drops the old. The page in view
// when that happens stays as it is; the next visit shows the new version.
const version = "{{version}}";
const files = {{files}};

self.addEventListener("install", (event) => {
  // Past the browser's own cache, which may still hold the files of the version before.
  const requests = ["./", ...files].map((file) => new Request(file, { cache: "reload" }));
  event.waitUntil(caches.open(version)
    .then((cache) => cache.addAll(requests))
    .then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name !== version)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  event.respondWith(caches.match(event.request, { ignoreSearch: true })
    .then((kept) => kept || fetch(event.request)));
});
