// @ts-check
import { element } from './dom.js';

/** @typedef {import('./core-types.js').Texts} Texts */

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
     * Calls `then` once the dialog has closed and given the focus back, which `then` may move elsewhere.
     * @param {() => void} then
     */
    afterClose(then) {
        this.#dialog.addEventListener('close', then, { once: true });
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
