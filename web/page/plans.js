// @ts-check
import { element } from './dom.js';

/** @typedef {import('./core.js').Core} Core */
/** @typedef {import('./core.js').Session} Session */
/** @typedef {import('./core.js').Texts} Texts */
/** @typedef {import('./messages.js').Messages} Messages */

const storageKey = 'vantrell.plans';

/** @param {Date} when */
function stamp(when) {
    const two = (/** @type {number} */ n) => String(n).padStart(2, '0');
    return `${when.getFullYear()}${two(when.getMonth() + 1)}${two(when.getDate())}-`
        + `${two(when.getHours())}${two(when.getMinutes())}${two(when.getSeconds())}`;
}

// The session's library as the browser keeps it: one document under one key,
// the core's own JSON. What cannot be read there is set aside, never overwritten.
export class PlanStore {
    #session;
    #texts;
    #messages;
    /** A document that was no library, still waiting to be set aside. @type {{ key: string, text: string } | null} */
    #aside = null;
    #refused = false;

    /**
     * @param {object} settings
     * @param {Core} settings.core
     * @param {Session} settings.session
     * @param {Texts} settings.texts
     * @param {Messages} settings.messages
     * @param {() => void} settings.onChangedElsewhere
     */
    constructor({ core, session, texts, messages, onChangedElsewhere }) {
        this.#session = session;
        this.#texts = texts;
        this.#messages = messages;
        const stored = this.#read();
        if (stored !== null) {
            const read = session.readLibrary(stored);
            if (!read.ok) {
                const key = `${storageKey}.unreadable-${stamp(new Date())}`;
                this.#aside = { key, text: stored };
                try {
                    this.#setAside();
                } catch {
                    // Tried again before every write, which waits for it.
                }
                messages.warn(core.unreadablePlansNote(read.reason, key));
            }
        }
        window.addEventListener('storage', (event) => {
            if (event.storageArea !== localStorage || (event.key !== storageKey && event.key !== null)) return;
            const empty = new core.Session();
            const document = event.newValue ?? empty.writeLibrary();
            empty.delete();
            if (!session.readLibrary(document).ok) return;
            messages.say(texts.plansChangedElsewhere);
            onChangedElsewhere();
        });
    }

    // Called after every change of the library; a refusal is said once and retried at the next change.
    write() {
        try {
            this.#setAside();
            localStorage.setItem(storageKey, this.#session.writeLibrary());
            if (this.#refused) this.#messages.warn('');
            this.#refused = false;
        } catch {
            this.#refused = true;
            this.#messages.warn(this.#texts.plansNotStored);
        }
    }

    // The unreadable document stays under the library's key until it is kept elsewhere.
    #setAside() {
        if (!this.#aside) return;
        localStorage.setItem(this.#aside.key, this.#aside.text);
        this.#aside = null;
    }

    /** @returns {string | null} */
    #read() {
        try {
            return localStorage.getItem(storageKey);
        } catch {
            this.#refused = true;
            return null;
        }
    }
}

// A small modal form: a question and two buttons, or a name to give.
export class PlanDialogs {
    #texts;
    #dialog = element('dialog', { id: 'dlgPlan', 'aria-labelledby': 'dlgPlanTitle' });
    #title = element('h2', { id: 'dlgPlanTitle' });
    #question = element('p', { id: 'dlgPlanQuestion' });
    #nameLabel = element('label', { htmlFor: 'txtPlanName' });
    #name = element('input', { id: 'txtPlanName', type: 'text', autocomplete: 'off', spellcheck: false,
        maxLength: 200 });
    #fault = element('p', { id: 'lblPlanNameFault', className: 'fault', role: 'alert' });
    #ok = element('button', { type: 'submit', id: 'dlgPlanOk', value: 'ok' });
    #cancel = element('button', { type: 'submit', id: 'dlgPlanCancel', value: 'cancel', formNoValidate: true });
    #field = element('div', { className: 'name-field' }, [this.#nameLabel, this.#name]);
    /** @type {((value: string | null) => string) | null} */
    #onAnswer = null;
    /** How many questions the dialog has asked. */
    #asked = 0;

    /** @param {Texts} texts */
    constructor(texts) {
        this.#texts = texts;
        const form = element('form', { method: 'dialog' }, [this.#question, this.#field, this.#fault,
            element('div', { className: 'dialog-buttons' }, [this.#ok, this.#cancel])]);
        this.#dialog.append(this.#title, form);
        this.#cancel.textContent = texts.cancel;
        form.addEventListener('submit', (event) => {
            const submitter = /** @type {SubmitEvent} */ (event).submitter;
            const answer = submitter === this.#cancel ? null : this.#name.value;
            const asked = this.#asked;
            const fault = this.#onAnswer?.(answer) ?? '';
            // A refused name is said in place; a question that follows the answer takes over the dialog.
            if (fault || this.#asked !== asked) event.preventDefault();
            if (fault) {
                this.#fault.textContent = fault;
                this.#name.focus();
            }
        });
        document.body.append(this.#dialog);
    }

    /**
     * Asks for a name; `take` says why a name was refused ('' once it is taken).
     * @param {{ title: string, action: string, proposal: string, take: (name: string) => string }} question
     */
    askName({ title, action, proposal, take }) {
        this.#show(title, '', action, true);
        this.#name.value = proposal;
        this.#onAnswer = (answer) => (answer === null ? '' : take(answer));
        this.#name.select();
    }

    /**
     * Asks before something is replaced or deleted.
     * @param {string} question
     * @param {string} action
     * @param {() => void} onYes
     * @param {string} [title]
     */
    confirm(question, action, onYes, title = this.#texts.plans) {
        this.#show(title, question, action, false);
        this.#onAnswer = (answer) => {
            if (answer !== null) onYes();
            return '';
        };
        this.#ok.focus();
    }

    /**
     * @param {string} title
     * @param {string} question
     * @param {string} action
     * @param {boolean} named
     */
    #show(title, question, action, named) {
        this.#asked += 1;
        this.#title.textContent = title;
        this.#question.textContent = question;
        this.#question.hidden = question === '';
        this.#nameLabel.textContent = this.#texts.planName;
        this.#field.hidden = !named;
        this.#fault.textContent = '';
        this.#ok.textContent = action;
        if (!this.#dialog.open) this.#dialog.showModal();
    }
}

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
    #list = element('ul', { id: 'lstPlans', className: 'plans', 'aria-labelledby': 'lblPlans' });
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
     * @param {(result: import('./core.js').Applied) => void} settings.onOpened given what opening a plan did
     */
    constructor({ core, session, texts, messages, store, dialogs, onOpened }) {
        this.#core = core;
        this.#session = session;
        this.#texts = texts;
        this.#messages = messages;
        this.#store = store;
        this.#dialogs = dialogs;
        this.#onOpened = onOpened;
        this.#empty.textContent = texts.noPlans;
        this.#list.addEventListener('click', (event) => {
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
            element('summary', {}, [element('h3', { id: 'lblPlans', textContent: texts.plans })]),
            this.#empty, this.#list,
            element('div', { className: 'plans-commands' }, [
                this.#file, importLabel,
                element('button', { type: 'button', id: 'cmdExportPlans', textContent: texts.exportPlans,
                    onclick: () => this.#export() }),
            ]),
        ]);
        this.render();
    }

    render() {
        const texts = this.#texts;
        const plans = this.#session.plans();
        this.#empty.hidden = plans.length > 0;
        this.#list.replaceChildren(...plans.map((plan) => {
            /**
             * @param {string} action
             * @param {string} caption
             */
            const command = (action, caption) => element('button', { type: 'button', textContent: caption,
                'aria-label': `${caption} ${plan.name}`, data: { action } });
            const open = command('open', texts.openPlan);
            open.disabled = !plan.usable;
            return element('li', { data: { plan: plan.name, code: plan.code }, className: plan.usable ? '' : 'unusable' }, [
                element('span', { className: 'plan-name', textContent: plan.name, data: { part: 'name' } }),
                element('span', { className: 'plan-class' }, [
                    element('span', { textContent: plan.class ?? texts.unknownClass, data: { part: 'class' } }),
                    ...(plan.level === null ? [] : [' ', element('span', { textContent: String(plan.level),
                        data: { part: 'level' } })]),
                ]),
                ...(plan.usable ? [] : [element('span', { className: 'plan-fault', textContent: plan.reason,
                    data: { part: 'fault' } })]),
                element('span', { className: 'plan-commands' }, [
                    open, command('rename', texts.renamePlan), command('delete', texts.deletePlan)]),
            ]);
        }));
    }

    // Save Plan: a name, proposed from the class and level; a plan of that name is replaced only when the user says so.
    saveCurrent() {
        const texts = this.#texts;
        this.#dialogs.askName({ title: texts.savePlan, action: texts.save,
            proposal: this.#session.proposedPlanName(), take: (name) => {
                if (!this.#session.hasPlan(name)) return this.#save(name);
                this.#dialogs.confirm(this.#core.replacePlanQuestion(name.trim()), texts.replace,
                    () => this.#save(name), texts.savePlan);
                return '';
            } });
    }

    /** @param {string} name */
    #save(name) {
        const fault = this.#session.savePlan(name);
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
        } else if (action === 'rename') {
            this.#dialogs.askName({ title: texts.renamePlan, action: texts.renamePlan, proposal: name,
                take: (newName) => {
                    const fault = this.#session.renamePlan(name, newName);
                    if (!fault) this.#changed();
                    return fault;
                } });
        } else if (action === 'delete') {
            this.#dialogs.confirm(this.#core.deletePlanQuestion(name), texts.deletePlan, () => {
                const fault = this.#session.deletePlan(name);
                if (fault) this.#messages.warn(fault);
                else this.#changed();
            });
        }
    }

    #changed() {
        this.#store.write();
        this.render();
    }

    #export() {
        const blob = new Blob([this.#session.writeLibrary()], { type: 'application/json' });
        const link = element('a', { href: URL.createObjectURL(blob), download: this.#texts.plansFileName });
        document.body.append(link);
        link.click();
        link.remove();
        setTimeout(() => URL.revokeObjectURL(link.href), 0);
    }

    async #import() {
        const file = this.#file.files?.[0];
        if (!file) return;
        const imported = this.#session.importLibrary(await file.text());
        this.#file.value = '';
        if (!imported.ok) {
            this.#messages.warn(imported.reason);
            return;
        }
        this.#messages.warn('');
        this.#messages.say(imported.note);
        this.#changed();
    }
}
