// @ts-check
// The published site keeps itself for offline use through its service worker.
// Only the site's page links a manifest: the single file opened from disk (or
// served on its own) has no worker beside it, and file: pages cannot have one.
const servedAsSite = /^https?:$/.test(location.protocol) && 'serviceWorker' in navigator
    && document.querySelector('link[rel="manifest"]') !== null;

if (servedAsSite) {
    // After the page's own start, so that the worker's first download does not compete with it.
    const register = () => {
        navigator.serviceWorker.register('sw.js').catch((error) => {
            console.warn(`The planner will not work offline: ${error.message}`);
        });
    };
    if (document.readyState === 'complete') register();
    else window.addEventListener('load', register, { once: true });
}
