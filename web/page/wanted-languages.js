// @ts-check
// The languages the player wants, asked of the page itself: they are needed
// before the core, which knows the languages, has started, and if it cannot.

export const storageKey = 'vantrell.language';

/** @returns {string | null} */
function chosen() {
    try {
        return localStorage.getItem(storageKey);
    } catch {
        return null;
    }
}

/**
 * The languages the player wants, most wanted first: the one chosen here before, or else the browser's.
 * @returns {string[]}
 */
export function wantedLanguages() {
    const stored = chosen();
    return stored ? [stored] : [...navigator.languages];
}

/**
 * What the page says before the reason its core could not start, in the first wanted language it was
 * written in when the page was built: with no core, no catalog can be asked.
 * @param {HTMLElement} alert the element that carries the leads
 * @returns {string}
 */
function leadWithoutCore(alert) {
    for (const tag of wantedLanguages()) {
        const lead = alert.getAttribute(`data-core-failed-lead-${tag.split(/[-_.@]/)[0].toLowerCase()}`);
        if (lead !== null) return lead;
    }
    return alert.dataset.coreFailedLead ?? '';
}

/**
 * Says in the alert line, in the wanted language, that the page cannot start and why.
 * @param {unknown} error
 */
export function sayStartFailed(error) {
    const alert = document.getElementById('msgAlert');
    if (alert) alert.textContent = `${leadWithoutCore(alert)}${error instanceof Error ? error.message : String(error)}`;
}
