// @ts-check
import { element } from './dom.js';

/** @typedef {import('./core-types.js').SavedPlan} SavedPlan */
/** @typedef {import('./texts-types.js').Texts} Texts */

// A screenful and more, and every library a user keeps by hand: listed before the tab paints again.
const firstEntries = 400;
// What a later step of a long list may take of the tab, in milliseconds: short enough to keep it answering.
const stepTime = 10;
// How many plans a later step fetches from the core at once.
const partSize = 256;

/**
 * What a plan's entry shows besides its name: an entry is made again only when this changes.
 * @param {SavedPlan} plan
 */
function shownOf(plan) {
    return `${plan.class}\n${plan.level}\n${plan.code}\n${plan.usable}\n${plan.reason}\n${plan.note}`;
}

/**
 * What every entry has, made once and cloned, which is the fastest way to many thousands of them.
 * @param {Texts} texts
 */
function skeleton(texts) {
    /**
     * @param {string} action
     * @param {string} caption
     */
    const command = (action, caption) => element('button', { type: 'button', textContent: caption, data: { action } });
    return element('li', {}, [
        element('span', { className: 'plan-name', data: { part: 'name' } }),
        element('span', { className: 'plan-class' }, [element('span', { data: { part: 'class' } }), ' ',
            element('span', { data: { part: 'level' } })]),
        element('span', { className: 'plan-fault', data: { part: 'fault' } }),
        element('span', { className: 'plan-note', data: { part: 'note' } }),
        element('span', { className: 'plan-commands' }, [command('open', texts.openPlan),
            command('rename', texts.renamePlan), command('note', texts.editNote), command('delete', texts.deletePlan)]),
    ]);
}

// The saved plans as a list, one `data-plan` entry each, kept in step with
// the core's: a change makes entries only for the plans it touched, and a long
// list is fetched and made a screenful first, the rest in short steps after.
export class PlanList {
    #texts;
    #skeleton;
    /** Each listed plan's entry by its name. @type {Map<string, { node: HTMLLIElement, shown: string }>} */
    #entries = new Map();
    /**
     * The list being brought about: how many plans, how to fetch some, how many are in place, and the names
     * placed so far, so that the entries of plans no longer saved go when the last step is done.
     */
    #goal = { count: 0, fetch: /** @type {(first: number, count: number) => SavedPlan[]} */ (() => []), done: 0,
        placed: new Set() };
    /** The first entry after those in place. @type {Element | null} */
    #next = null;
    /** New entries not in the list yet, which go in before `#next`. */
    #waiting = document.createDocumentFragment();
    #steps = new MessageChannel();
    #stepAsked = false;
    node = element('ul', { id: 'lstPlans', className: 'plans', 'aria-labelledby': 'lblPlans' });

    /** @param {Texts} texts */
    constructor(texts) {
        this.#texts = texts;
        this.#skeleton = skeleton(texts);
        // A message, unlike a timer, is not slowed down in a tab behind another.
        this.#steps.port1.onmessage = () => {
            this.#stepAsked = false;
            this.#step(0);
        };
    }

    /**
     * Where the entry of the plan named `name` stands in the list; -1 when it is not listed.
     * @param {string} name
     */
    placeOf(name) {
        const entry = this.#entries.get(name);
        return entry ? Array.prototype.indexOf.call(this.node.children, entry.node) : -1;
    }

    /**
     * Puts the focus on the command `action` of the entry at `place`, or of the last one when fewer are left.
     * @param {number} place
     * @param {string} action
     * @returns {boolean} whether an entry was left to take it
     */
    focusAt(place, action) {
        const entries = this.node.children;
        const entry = entries[Math.min(place, entries.length - 1)];
        const command = entry?.querySelector(`[data-action="${action}"]`);
        if (command instanceof HTMLElement) command.focus();
        return command instanceof HTMLElement;
    }

    /**
     * Takes the entry of a plan that is gone off the list at once, rather than when the next pass ends:
     * every entry after it would be moved one by one in front of it.
     * @param {string} name
     */
    forget(name) {
        const entry = this.#entries.get(name);
        if (!entry) return;
        this.#drop(entry.node);
        this.#entries.delete(name);
    }

    /**
     * @param {number} count how many plans are saved
     * @param {(first: number, count: number) => SavedPlan[]} fetch the saved plans from place `first` on
     */
    show(count, fetch) {
        this.#goal = { count, fetch, done: 0, placed: new Set() };
        this.#waiting = document.createDocumentFragment();
        this.#next = this.node.firstElementChild;
        this.#step(firstEntries);
    }

    /**
     * New entries wait in a fragment until a kept entry follows them, the first step ends or the last does:
     * a list that grew in every step would be laid out again in every frame.
     * @param {number} least how many entries to place whatever the time
     */
    #step(least) {
        const goal = this.#goal;
        const end = performance.now() + stepTime;
        const first = goal.done;
        while (goal.done < goal.count && (goal.done - first < least || performance.now() <= end)) {
            const part = goal.fetch(goal.done, Math.max(least - (goal.done - first), partSize));
            if (part.length === 0) goal.count = goal.done;
            for (const plan of part) this.#place(plan);
            goal.done += part.length;
        }
        const more = goal.done < goal.count;
        if (!more || least > 0) this.node.insertBefore(this.#waiting, this.#next);
        if (!more) this.#dropUnplaced();
        if (this.node.getAttribute('aria-busy') !== String(more)) this.node.setAttribute('aria-busy', String(more));
        if (!more || this.#stepAsked) return;
        this.#stepAsked = true;
        this.#steps.port2.postMessage(null);
    }

    /** @param {SavedPlan} plan */
    #place(plan) {
        const shown = shownOf(plan);
        this.#goal.placed.add(plan.name);
        const kept = this.#entries.get(plan.name);
        if (kept?.shown !== shown) {
            if (kept) this.#drop(kept.node);
            const node = this.#entry(plan);
            this.#entries.set(plan.name, { node, shown });
            this.#waiting.append(node);
            return;
        }
        if (this.#waiting.firstChild) this.node.insertBefore(this.#waiting, this.#next);
        if (kept.node === this.#next) this.#next = kept.node.nextElementSibling;
        else this.node.insertBefore(kept.node, this.#next);
    }

    #dropUnplaced() {
        const placed = this.#goal.placed;
        for (const [name, entry] of this.#entries) {
            if (placed.has(name)) continue;
            this.#drop(entry.node);
            this.#entries.delete(name);
        }
    }

    /** @param {Element} node an entry that goes, which may be the one the next are placed before */
    #drop(node) {
        if (node === this.#next) this.#next = node.nextElementSibling;
        node.remove();
    }

    /** @param {SavedPlan} plan */
    #entry(plan) {
        const texts = this.#texts;
        const node = /** @type {HTMLLIElement} */ (this.#skeleton.cloneNode(true));
        const [name, place, fault, note, commands] = node.children;
        const [open, rename, editNote, remove] = commands.children;
        node.dataset.plan = plan.name;
        node.dataset.code = plan.code;
        name.textContent = plan.name;
        /** @type {Element} */ (place.firstChild).textContent = plan.class ?? texts.unknownClass;
        if (plan.level === null) place.replaceChildren(/** @type {Element} */ (place.firstChild));
        else /** @type {Element} */ (place.lastChild).textContent = String(plan.level);
        if (plan.usable) {
            fault.remove();
        } else {
            node.className = 'unusable';
            fault.textContent = plan.reason ?? '';
            /** @type {HTMLButtonElement} */ (open).disabled = true;
        }
        // Its first line in the list, all of it on hover and to a screen reader.
        if (plan.note === null) {
            note.remove();
        } else {
            note.textContent = plan.note.split('\n', 1)[0];
            note.setAttribute('title', plan.note);
            note.setAttribute('aria-label', plan.note);
        }
        open.setAttribute('aria-label', `${texts.openPlan} ${plan.name}`);
        rename.setAttribute('aria-label', `${texts.renamePlan} ${plan.name}`);
        editNote.setAttribute('aria-label', `${texts.editNoteTitle} ${plan.name}`);
        remove.setAttribute('aria-label', `${texts.deletePlan} ${plan.name}`);
        return node;
    }
}
