// @ts-check
import { byId } from './dom.js';

// The page's two live regions: a status said politely, an alert at once.
export class Messages {
    #status = byId('msgStatus', HTMLElement);
    #alert = byId('msgAlert', HTMLElement);
    /** Whether the alert is about what the user did last, which the next change answers. */
    #passing = false;

    /** @param {string} text */
    say(text) {
        this.#status.textContent = text;
    }

    /**
     * @param {string} text
     * @param {{ untilChange?: boolean }} [options] whether the next change of the plan takes the alert away
     */
    warn(text, { untilChange = false } = {}) {
        this.#alert.textContent = text;
        this.#passing = untilChange && text !== '';
    }

    // The plan changed: an alert about the last gesture no longer applies, a standing one stays.
    planChanged() {
        this.say('');
        if (this.#passing) this.warn('');
    }
}
