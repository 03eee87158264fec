// @ts-check
// The published site keeps itself for offline use through its service worker.
// Only the site's page links a manifest: the single file opened from disk (or
// served on its own) has no worker beside it, and file: pages cannot have one.
const servedAsSite = /^https?:$/.test(location.protocol) && 'serviceWorker' in navigator
    && document.querySelector('link[rel="manifest"]') !== null;

// A page the worker already serves may stand at an address under a folder the site
// lacks, beside which there is no worker script: the serving worker's own is registered.
function register() {
    const script = navigator.serviceWorker.controller?.scriptURL ?? 'sw.js';
    navigator.serviceWorker.register(script).catch((error) => {
        console.warn(`The planner will not work offline: ${error.message}`);
    });
}

if (servedAsSite) {
    // Once the planner is ready, so that the worker's start and its first
    // download do not hold the page's own start back.
    const root = document.documentElement;
    const whenReady = new MutationObserver(() => {
        if (root.dataset.ready !== 'true') return;
        whenReady.disconnect();
        register();
    });
    whenReady.observe(root, { attributes: true, attributeFilter: ['data-ready'] });
}
