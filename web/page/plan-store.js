// @ts-check

/** @typedef {import('./core-types.js').Core} Core */
/** @typedef {import('./core-types.js').Session} Session */
/** @typedef {import('./texts-types.js').Texts} Texts */
/** @typedef {import('./messages.js').Messages} Messages */

const storageKey = 'vantrell.plans';
const asidePrefix = `${storageKey}.unreadable-`;

/** @param {Date} when */
function stamp(when) {
    const two = (/** @type {number} */ n) => String(n).padStart(2, '0');
    return `${when.getFullYear()}${two(when.getMonth() + 1)}${two(when.getDate())}-`
        + `${two(when.getHours())}${two(when.getMinutes())}${two(when.getSeconds())}`;
}

/**
 * Where a copy of `text` is kept already, so that each start does not make one more until the storage is full.
 * @param {string} text
 * @returns {string | null}
 */
function keptAside(text) {
    for (let index = 0; index < localStorage.length; ++index) {
        const key = localStorage.key(index);
        if (key?.startsWith(asidePrefix) && localStorage.getItem(key) === text) return key;
    }
    return null;
}

// Two documents set aside within one second must not share a key: the second would overwrite the first.
function freeAsideKey() {
    const base = asidePrefix + stamp(new Date());
    let key = base;
    for (let copy = 2; localStorage.getItem(key) !== null; ++copy) key = `${base}-${copy}`;
    return key;
}

// The session's library as the browser keeps it: one document under one key,
// the core's own JSON. Changes this tab could not store yet wait in the core's
// journal and are made again on whatever another tab stores meanwhile; what
// cannot be read is copied aside before its key is ever written.
export class PlanStore {
    #core;
    #session;
    #texts;
    #messages;
    #emptyDocument;
    /**
     * The stored document as this tab last read or wrote it: anything else was written elsewhere.
     * @type {string | null}
     */
    #seen = null;
    /**
     * A stored document this version cannot read, while no copy of it exists.
     * @type {{ text: string, reason: string } | null}
     */
    #unreadable = null;
    /** Whether this tab has changes the storage does not hold. */
    #pending = false;
    #refused = false;
    /** Whether the alert line says why the plans are not stored. */
    #troubled = false;

    /**
     * @param {object} settings
     * @param {Core} settings.core
     * @param {Session} settings.session
     * @param {Texts} settings.texts
     * @param {Messages} settings.messages
     * @param {() => void} settings.onChangedElsewhere
     */
    constructor({ core, session, texts, messages, onChangedElsewhere }) {
        this.#core = core;
        this.#session = session;
        this.#texts = texts;
        this.#messages = messages;
        const empty = new core.Session();
        this.#emptyDocument = empty.writeLibrary();
        empty.delete();
        try {
            this.#take(localStorage.getItem(storageKey));
        } catch {
            // A storage the page may not use is said at the first change, which it refuses.
        }
        this.#report(this.#setAside());
        window.addEventListener('storage', (event) => {
            if (event.storageArea !== localStorage || (event.key !== storageKey && event.key !== null)) return;
            // What is stored now, which a later event may already have changed again.
            if (!this.#take(localStorage.getItem(storageKey))) return;
            messages.say(texts.plansChangedElsewhere);
            if (this.#pending) this.#flush();
            else this.#report(this.#setAside());
            onChangedElsewhere();
        });
    }

    // Called after every change of the library; whatever keeps it from the storage is said and tried again.
    write() {
        this.#pending = true;
        this.#flush();
    }

    #flush() {
        let aside = '';
        try {
            // Another tab's change may not have come as an event yet; writing over it would lose it.
            this.#take(localStorage.getItem(storageKey));
            aside = this.#setAside();
            if (!this.#unreadable) {
                const document = this.#session.writeLibrary();
                localStorage.setItem(storageKey, document);
                this.#seen = document;
                this.#session.libraryWritten();
                this.#pending = false;
                this.#refused = false;
            }
        } catch {
            this.#refused = true;
        }
        this.#report(aside);
    }

    /**
     * Makes the stored document this tab's library, its own changes made again on it.
     * @param {string | null} stored
     * @returns {boolean} whether it was news
     */
    #take(stored) {
        if (stored === this.#seen) return false;
        this.#seen = stored;
        // Handed over as UTF-8 bytes, which the browser encodes at once; a large text would go character by character.
        const read = this.#session.readLibrary(new TextEncoder().encode(stored ?? this.#emptyDocument));
        // A document another tab wrote over an unreadable one answers for that one's copy.
        this.#unreadable = read.ok || stored === null ? null : { text: stored, reason: read.reason };
        return true;
    }

    /** @returns {string} what to say of the copy once it exists, '' while it does not or none is needed */
    #setAside() {
        const unreadable = this.#unreadable;
        if (!unreadable) return '';
        try {
            let key = keptAside(unreadable.text);
            if (key === null) {
                key = freeAsideKey();
                localStorage.setItem(key, unreadable.text);
            }
            this.#unreadable = null;
            return this.#core.unreadablePlansNote(unreadable.reason, key);
        } catch {
            return '';
        }
    }

    /** @param {string} aside */
    #report(aside) {
        const trouble = this.#unreadable ? this.#core.unreadablePlansLeftNote(this.#unreadable.reason)
            : this.#refused ? this.#texts.plansNotStored : '';
        const unwritten = trouble && this.#pending ? this.#session.unwrittenPlansNote() : '';
        const text = [aside, trouble, unwritten].filter(Boolean).join('\n');
        // Another part's warning stands unless the store has something to say or takes its own back.
        if (text || this.#troubled) this.#messages.warn(text);
        this.#troubled = trouble !== '';
    }
}
