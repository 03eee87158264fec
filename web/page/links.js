// @ts-check
// The address carries the plan on screen, so that a link or a bookmark reopens it.

/** @returns {string} the address's fragment, decoded where it can be */
export function fragmentText() {
    const raw = location.hash.slice(1);
    try {
        return decodeURIComponent(raw);
    } catch {
        return raw;
    }
}

/**
 * Replaces the address rather than adding to the history, so that Back leaves the page.
 * @param {string} code
 */
export function showInAddress(code) {
    history.replaceState(null, '', `#${code}`);
}

/**
 * The address the page is published at, which the build writes into the page; '' for none.
 * @returns {string}
 */
export function publishedHome() {
    return document.querySelector('meta[name="vantrell-home"]')?.getAttribute('content') ?? '';
}
