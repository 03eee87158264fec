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
 * @param {string} code
 * @returns {string} this page's address with the plan as its fragment
 */
export function linkTo(code) {
    const url = new URL(location.href);
    url.hash = code;
    return url.href;
}
