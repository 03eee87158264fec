// @ts-check
import { byId, element } from './dom.js';

/** @typedef {import('./core-types.js').Core} Core */

// The realm list and its classes' buttons, with the class on screen marked.
export class Selector {
    #core;
    #onPick;
    #realms = byId('cboRealm', HTMLSelectElement);
    #classes = byId('lstClasses', HTMLUListElement);
    /** @type {string | null} */
    #current = null;

    /**
     * @param {Core} core
     * @param {(listName: string) => void} onPick called with the class a user picks
     */
    constructor(core, onPick) {
        this.#core = core;
        this.#onPick = onPick;
        this.#realms.replaceChildren(...core.realms().map((name) => element('option', { value: name, textContent: name })));
        this.#realms.selectedIndex = -1;
        this.#realms.addEventListener('change', () => this.#fillClasses(this.#realms.value));
        this.#classes.addEventListener('click', (event) => {
            const button = event.target instanceof Element ? event.target.closest('button[data-class]') : null;
            if (button instanceof HTMLElement && button.dataset.class) this.#onPick(button.dataset.class);
        });
    }

    /**
     * Marks the class on screen, its realm's classes listed.
     * @param {string} realm
     * @param {string} listName
     */
    show(realm, listName) {
        this.#current = listName;
        if (this.#realms.value === realm) {
            this.#markCurrent();
            return;
        }
        this.#realms.value = realm;
        this.#fillClasses(realm);
    }

    /** @param {string} realm */
    #fillClasses(realm) {
        const buttons = this.#core.classesOf(realm).map((name) =>
            element('li', {}, [element('button', { type: 'button', textContent: name, data: { class: name } })]));
        this.#classes.replaceChildren(...buttons);
        this.#markCurrent();
    }

    #markCurrent() {
        for (const button of this.#classes.querySelectorAll('button')) {
            if (button.dataset.class === this.#current) button.setAttribute('aria-current', 'true');
            else button.removeAttribute('aria-current');
        }
    }
}
