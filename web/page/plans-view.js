// @ts-check
import { element } from './dom.js';
import { PlanList } from './plan-list.js';

/** @typedef {import('./core-types.js').Core} Core */
/** @typedef {import('./core-types.js').Session} Session */
/** @typedef {import('./texts-types.js').Texts} Texts */
/** @typedef {import('./messages.js').Messages} Messages */
/** @typedef {import('./plan-dialogs.js').PlanDialogs} PlanDialogs */
/** @typedef {import('./plan-store.js').PlanStore} PlanStore */

// The Plans section: every saved plan with its class and level, or why it
// cannot be opened, and the import and export of the whole library.
export class PlansView {
    #core;
    #session;
    #texts;
    #messages;
    #store;
    #dialogs;
    #onOpened;
    #onChanged;
    #list;
    #empty = element('p', { id: 'lblNoPlans', className: 'plans-empty' });
    #file = element('input', { id: 'filImportPlans', type: 'file', accept: '.json,application/json' });
    /** The section, for the page to place. */
    node;

    /**
     * @param {object} settings
     * @param {Core} settings.core
     * @param {Session} settings.session
     * @param {Texts} settings.texts
     * @param {Messages} settings.messages
     * @param {PlanStore} settings.store
     * @param {PlanDialogs} settings.dialogs
     * @param {(result: import('./core-types.js').Applied) => void} settings.onOpened given what opening a plan did
     * @param {() => void} settings.onChanged after the library changed here
     */
    constructor({ core, session, texts, messages, store, dialogs, onOpened, onChanged }) {
        this.#core = core;
        this.#session = session;
        this.#texts = texts;
        this.#messages = messages;
        this.#store = store;
        this.#dialogs = dialogs;
        this.#onOpened = onOpened;
        this.#onChanged = onChanged;
        this.#empty.textContent = texts.noPlans;
        this.#list = new PlanList(texts);
        this.#list.node.addEventListener('click', (event) => {
            const button = event.target instanceof Element ? event.target.closest('button[data-action]') : null;
            const entry = button?.closest('[data-plan]');
            if (button instanceof HTMLButtonElement && entry instanceof HTMLElement) {
                this.#act(button.dataset.action ?? '', entry.dataset.plan ?? '');
            }
        });
        this.#file.addEventListener('change', () => this.#import());
        const importLabel = element('label', { htmlFor: 'filImportPlans', className: 'file-button',
            textContent: texts.importPlans });
        this.node = element('details', { id: 'frmPlans', className: 'plans-section' }, [
            element('summary', {}, [element('h2', { id: 'lblPlans', textContent: texts.plans })]),
            this.#empty, this.#list.node,
            element('div', { className: 'plans-commands' }, [
                this.#file, importLabel,
                element('button', { type: 'button', id: 'cmdExportPlans', textContent: texts.exportPlans,
                    onclick: () => this.#export() }),
            ]),
        ]);
        this.render();
    }

    render() {
        const count = this.#session.planCount();
        this.#empty.hidden = count > 0;
        this.#list.show(count, (first, part) => this.#session.plansFrom(first, part));
    }

    // Save Plan: a name, proposed from the class and level; a plan of that name is replaced only when the user says so.
    saveCurrent() {
        const texts = this.#texts;
        this.#dialogs.askName({ title: texts.savePlan, action: texts.save,
            proposal: this.#session.proposedPlanName(), note: this.#session.proposedPlanNote(), take: (name, note) => {
                if (!this.#session.hasPlan(name)) return this.#save(name, note);
                this.#dialogs.confirm(this.#core.replacePlanQuestion(name.trim()), texts.replace,
                    () => this.#save(name, note), texts.savePlan);
                return '';
            } });
    }

    /**
     * @param {string} name
     * @param {string} note
     */
    #save(name, note) {
        const fault = this.#session.savePlanWithNote(name, note);
        if (fault) return fault;
        this.#changed();
        this.#messages.say(this.#texts.saved);
        return '';
    }

    /**
     * @param {string} action
     * @param {string} name
     */
    #act(action, name) {
        const texts = this.#texts;
        if (action === 'open') {
            this.#onOpened(this.#session.loadPlan(name));
            return;
        }
        // After a rename or a deletion the keyboard stays on the plan, or on the one now in its place.
        const place = this.#list.placeOf(name);
        const refocus = () => this.#dialogs.afterClose(() => {
            if (!this.#list.focusAt(place, action)) this.node.querySelector('summary')?.focus();
        });
        /** A change asked for in the dialog: made and shown, or refused there. @param {string} fault */
        const changed = (fault) => {
            if (!fault) {
                this.#changed();
                refocus();
            }
            return fault;
        };
        if (action === 'rename') {
            this.#dialogs.askName({ title: texts.renamePlan, action: texts.renamePlan, proposal: name,
                take: (newName) => {
                    const fault = this.#session.renamePlan(name, newName);
                    if (!fault) this.#list.forget(name);
                    return changed(fault);
                } });
        } else if (action === 'note') {
            this.#dialogs.askNote({ title: texts.editNoteTitle, action: texts.save,
                proposal: this.#session.savedPlanNote(name),
                take: (note) => changed(this.#session.setPlanNote(name, note)) });
        } else if (action === 'delete') {
            this.#dialogs.confirm(this.#core.deletePlanQuestion(name), texts.deletePlan, () => {
                const fault = this.#session.deletePlan(name);
                if (fault) {
                    this.#messages.warn(fault);
                    return;
                }
                this.#list.forget(name);
                this.#changed();
                refocus();
            });
        }
    }

    /** @param {boolean} [listFirst] an import lists its plans before they are written, which may take long */
    #changed(listFirst = false) {
        if (!listFirst) this.#store.write();
        this.render();
        this.#onChanged();
        if (listFirst) setTimeout(() => this.#store.write(), 0);
    }

    #export() {
        const blob = new Blob([this.#session.writeLibrary()], { type: 'application/json' });
        const link = element('a', { href: URL.createObjectURL(blob), download: this.#texts.plansFileName });
        document.body.append(link);
        link.click();
        link.remove();
        setTimeout(() => URL.revokeObjectURL(link.href), 0);
    }

    // A file too large for any library is refused before its text is read, which could take the tab's memory.
    async #import() {
        const file = this.#file.files?.[0];
        this.#file.value = '';
        if (!file) return;
        const limit = this.#core.importLimit();
        // Its bytes, which the core reads as they are: a large file's text would be decoded and encoded again.
        const imported = file.size > limit.bytes ? null
            : this.#session.importLibrary(new Uint8Array(await file.arrayBuffer()));
        if (!imported?.ok) {
            // The last import's success no longer stands beside this one's failure.
            this.#messages.say('');
            this.#messages.warn(imported?.reason ?? limit.reason);
            return;
        }
        this.#messages.warn('');
        this.#messages.say(imported.note);
        this.#changed(true);
    }
}
