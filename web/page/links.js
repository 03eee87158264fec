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

/** What the address is to show once the page's change is on screen; null when it shows it already. */
let pendingCode = /** @type {string | null} */ (null);

/**
 * Replaces the address rather than adding to the history, so that Back leaves the page. A new
 * address makes the browser lay the page out at once and fetch its icon again, which would double
 * what a slider move costs: it is written after the change is on screen, once for a burst of changes.
 * @param {string} code
 */
export function showInAddress(code) {
    if (pendingCode === null) afterNextPaint(writeAddress);
    pendingCode = code;
}

/** Writes the address now, as a reload the page asks for needs it. */
export function writeAddress() {
    if (pendingCode === null) return;
    history.replaceState(null, '', `#${pendingCode}`);
    pendingCode = null;
}

/** @param {() => void} then */
function afterNextPaint(then) {
    // A hidden page paints no frames.
    if (document.hidden) setTimeout(then, 0);
    else requestAnimationFrame(() => setTimeout(then, 0));
}

/**
 * The address the page is published at, which the build writes into the page; '' for none.
 * @returns {string}
 */
export function publishedHome() {
    return document.querySelector('meta[name="vantrell-home"]')?.getAttribute('content') ?? '';
}
