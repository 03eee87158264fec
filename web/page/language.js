// @ts-check
import { byId, element } from './dom.js';
import { writeAddress } from './links.js';
import { storageKey, wantedLanguages } from './wanted-languages.js';

/** @typedef {import('./core-types.js').Core} Core */

/**
 * Shows every text from now on in the language chosen here before, or else the browser's first the page has.
 * @param {Core} core
 * @returns {string} the language's code
 */
export function useLanguage(core) {
    const code = core.languageFor(wantedLanguages());
    core.useLanguage(code);
    document.documentElement.lang = core.documentLanguage();
    return code;
}

/**
 * The language choice: remembered, and the page shown again in it, the plan on screen kept by its address.
 * @param {Core} core
 * @param {string} caption
 * @param {string} inUse
 */
export function offerLanguages(core, caption, inUse) {
    byId('lblLanguage', HTMLElement).textContent = caption;
    const select = byId('cboLanguage', HTMLSelectElement);
    select.replaceChildren(...core.languages().map(({ code, name }) => element('option', {
        value: code, textContent: name, lang: code, selected: code === inUse })));
    select.addEventListener('change', () => {
        try {
            localStorage.setItem(storageKey, select.value);
            writeAddress();
            location.reload();
        } catch {
            // A storage the page may not use cannot carry the choice across a reload: the choice stays as it was.
            select.value = inUse;
        }
    });
}
