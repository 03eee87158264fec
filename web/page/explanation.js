// @ts-check
import { byId } from './dom.js';

/** @typedef {import('./core-types.js').Explanation} Explanation */

// The explanation box, which gives focus back to what opened it when it closes.
export class ExplanationDialog {
    #dialog = byId('dlgExplanation', HTMLDialogElement);
    #title = byId('dlgExplanationTitle', HTMLElement);
    #text = byId('dlgExplanationText', HTMLElement);
    /** @type {HTMLElement | null} */
    #openedFrom = null;

    constructor() {
        this.#dialog.addEventListener('close', () => {
            // The control may be gone by then, replaced with another class's.
            if (this.#openedFrom?.isConnected) this.#openedFrom.focus();
            this.#openedFrom = null;
        });
    }

    /**
     * @param {Explanation} explanation
     * @param {HTMLElement} from
     */
    show(explanation, from) {
        this.#title.textContent = explanation.title;
        this.#text.textContent = explanation.text;
        this.#openedFrom = from;
        this.#dialog.showModal();
    }
}
