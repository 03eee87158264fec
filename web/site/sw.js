// The published site's offline copy. The build writes the program's version
// and the site's files in; a new version therefore makes a new worker (the
// browser compares the bytes at each visit) with a cache of its own.
// The page is fetched from the network first, so a new version shows at the
// next visit, and from the cache when the network fails or stalls; everything
// else comes from the cache first.
const version = '0.0.0';
const siteFiles = ['index.html'];

const scope = self.registration.scope;
// Caches are shared by the whole origin: the name holds the scope, so that a
// copy of the site in another folder of the same host keeps its own.
const cachePrefix = 'vantrell ';
const cacheName = `${cachePrefix}${version} ${scope}`;
const pageUrl = new URL('index.html', scope).href;
// A phone with a signal too weak to load anything gets the cached page after this long.
const networkPatience = 4000;

self.addEventListener('install', (event) => {
    event.waitUntil((async () => {
        const cache = await caches.open(cacheName);
        // Past the HTTP cache, which may still hold the previous version's files.
        await cache.addAll(siteFiles.map((file) => new Request(file, { cache: 'reload' })));
        await self.skipWaiting();
    })());
});

self.addEventListener('activate', (event) => {
    event.waitUntil((async () => {
        const stale = (await caches.keys()).filter((name) =>
            name.startsWith(cachePrefix) && name.endsWith(` ${scope}`) && name !== cacheName);
        await Promise.all(stale.map((name) => caches.delete(name)));
        await self.clients.claim();
    })());
});

self.addEventListener('fetch', (event) => {
    const { request } = event;
    if (request.method !== 'GET' || !request.url.startsWith(scope)) return;
    event.respondWith(request.mode === 'navigate' ? pageFromNetwork(event) : fromCache(request));
});

// Any address in the site is the one page, whose fragment says what to show.
async function pageFromNetwork(event) {
    const { request } = event;
    const cache = await caches.open(cacheName);
    const cached = () => cache.match(pageUrl);
    try {
        const response = await Promise.race([
            fetch(request, { cache: 'no-cache' }),
            new Promise((_, reject) => setTimeout(() => reject(new Error('the network is too slow')), networkPatience)),
        ]);
        const address = request.url.split(/[?#]/)[0];
        // Kept while the page already streams in, for the next time the network fails.
        if (response.ok && (address === scope || address === pageUrl)) {
            event.waitUntil(cache.put(pageUrl, response.clone()));
        }
        return response.ok ? response : (await cached()) ?? response;
    } catch (error) {
        const page = await cached();
        if (page) return page;
        throw error;
    }
}

async function fromCache(request) {
    const cached = await caches.match(request, { cacheName });
    if (cached) return cached;
    // The page at an address under a folder the site lacks asks for the site's files beside itself.
    const name = new URL(request.url).pathname.split('/').pop() ?? '';
    const own = siteFiles.includes(name) ? await caches.match(new URL(name, scope).href, { cacheName }) : undefined;
    return own ?? fetch(request);
}
