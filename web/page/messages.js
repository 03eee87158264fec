// @ts-check
import { byId } from './dom.js';

// The page's two live regions: a status said politely, an alert at once.
export class Messages {
    #status = byId('msgStatus', HTMLElement);
    #alert = byId('msgAlert', HTMLElement);

    /** @param {string} text */
    say(text) {
        this.#status.textContent = text;
    }

    /** @param {string} text */
    warn(text) {
        this.#alert.textContent = text;
    }
}
