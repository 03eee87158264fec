// @ts-check
import { element } from './dom.js';

/** @typedef {import('./texts-types.js').Texts} Texts */

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
    #noteLabel = element('label', { htmlFor: 'txtPlanNote' });
    // The core counts a note's characters and says why a longer one is refused.
    #note = element('textarea', { id: 'txtPlanNote', rows: 4, spellcheck: true });
    #noteField = element('div', { className: 'name-field note-field' }, [this.#noteLabel, this.#note]);
    /** @type {((value: string | null, note: string) => string) | null} */
    #onAnswer = null;
    /** How many questions the dialog has asked. */
    #asked = 0;

    /** @param {Texts} texts */
    constructor(texts) {
        this.#texts = texts;
        const form = element('form', { method: 'dialog' }, [this.#question, this.#field, this.#noteField, this.#fault,
            element('div', { className: 'dialog-buttons' }, [this.#ok, this.#cancel])]);
        this.#dialog.append(this.#title, form);
        this.#cancel.textContent = texts.cancel;
        form.addEventListener('submit', (event) => {
            const submitter = /** @type {SubmitEvent} */ (event).submitter;
            const answer = submitter === this.#cancel ? null : this.#name.value;
            const asked = this.#asked;
            const fault = this.#onAnswer?.(answer, this.#note.value) ?? '';
            // A refused name is said in place; a question that follows the answer takes over the dialog.
            if (fault || this.#asked !== asked) event.preventDefault();
            if (fault) {
                this.#fault.textContent = fault;
                (this.#field.hidden ? this.#note : this.#name).focus();
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
     * Asks for a name and, when one is proposed, a note; `take` says why they were refused ('' once taken).
     * @param {{ title: string, action: string, proposal: string, note?: string,
     *     take: (name: string, note: string) => string }} question
     */
    askName({ title, action, proposal, note, take }) {
        this.#show(title, '', action, true, note !== undefined);
        this.#name.value = proposal;
        this.#note.value = note ?? '';
        this.#onAnswer = (answer, written) => (answer === null ? '' : take(answer, written));
        this.#name.select();
    }

    /**
     * Asks for a note alone.
     * @param {{ title: string, action: string, proposal: string, take: (note: string) => string }} question
     */
    askNote({ title, action, proposal, take }) {
        this.#show(title, '', action, false, true);
        this.#note.value = proposal;
        this.#onAnswer = (answer, written) => (answer === null ? '' : take(written));
        this.#note.focus();
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
     * @param {boolean} [noted]
     */
    #show(title, question, action, named, noted = false) {
        this.#asked += 1;
        this.#title.textContent = title;
        this.#question.textContent = question;
        this.#question.hidden = question === '';
        this.#nameLabel.textContent = this.#texts.planName;
        this.#field.hidden = !named;
        this.#noteLabel.textContent = this.#texts.planNote;
        this.#noteField.hidden = !noted;
        this.#fault.textContent = '';
        this.#ok.textContent = action;
        if (!this.#dialog.open) this.#dialog.showModal();
    }
}
