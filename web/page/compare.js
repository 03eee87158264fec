// @ts-check
import { element, setProperty, setText } from './dom.js';

/** @typedef {import('./core-types.js').ComparedSide} ComparedSide */
/** @typedef {import('./core-types.js').Session} Session */
/** @typedef {import('./texts-types.js').Texts} Texts */

/**
 * What the Compare section keeps from one planner view to the next.
 * @typedef {object} CompareSettings
 * @property {boolean} open
 * @property {string} source plan B's code or link, '' for none yet
 * @property {string} plan the saved plan B is, by its name; '' when B is a code
 * @property {boolean} swapped whether B stands in the first columns
 */

// The Compare section: the plan on screen beside a saved plan or a code. Like
// the training path it is worked out only while open, and a closed section
// holds no rows, never stale ones.
export class CompareView {
    #session;
    #texts;
    #settings;
    #plans = element('select', { id: 'cboComparePlan' });
    #code = element('input', { id: 'txtCompareCode', type: 'text', autocomplete: 'off', spellcheck: false });
    #reason = element('p', { id: 'lblCompareReason', className: 'compare-reason', role: 'status' });
    #lowered = element('p', { id: 'lblCompareLowered', className: 'compare-reason' });
    #swap;
    #body = element('tbody');
    #foot = element('tfoot');
    /** @type {HTMLTableCellElement[]} */
    #sideHeadings = [];
    #section;
    /** Copy as Text and the copies in other forms beside it. @type {HTMLButtonElement[]} */
    #copies = [];
    /** What Copy as Text copies: the core's text of the comparison on screen. */
    #text = '';
    /** The section, for the planner to place. */
    node;

    /**
     * @param {object} settings
     * @param {Session} settings.session
     * @param {Texts} settings.texts
     * @param {CompareSettings} settings.settings kept and changed in place
     * @param {(text: string) => void} settings.copy
     */
    constructor({ session, texts, settings, copy }) {
        this.#session = session;
        this.#texts = texts;
        this.#settings = settings;
        this.#code.value = settings.source;
        this.#plans.addEventListener('focus', () => this.#fillPlans());
        this.#plans.addEventListener('change', () => {
            this.#code.value = '';
            const option = this.#plans.selectedOptions[0];
            this.#compareWith(this.#plans.value, option?.value ? option.textContent ?? '' : '');
        });
        this.#swap = element('button', { type: 'button', id: 'cmdCompareSwap', textContent: texts.swap,
            onclick: () => { settings.swapped = !settings.swapped; this.render(); } });
        const copyText = element('button', { type: 'button', id: 'cmdCompareCopy', textContent: texts.copyAsText,
            onclick: () => copy(this.#text) });
        /** @param {string} id @param {string} caption @param {string} format */
        const copyIn = (id, caption, format) => element('button', { type: 'button', id, textContent: caption,
            onclick: () => copy(session.comparisonInFormat(settings.source, settings.swapped, format)) });
        this.#copies = [copyText, copyIn('cmdCompareCopyMarkdown', texts.copyAsMarkdown, 'markdown'),
            copyIn('cmdCompareCopyBbcode', texts.copyAsBbcode, 'bbcode')];
        const form = element('form', { className: 'compare-source' }, [
            element('label', { htmlFor: 'cboComparePlan', textContent: texts.compareSavedPlan }), this.#plans,
            element('label', { htmlFor: 'txtCompareCode', textContent: texts.compareCode }), this.#code,
            element('button', { type: 'submit', id: 'cmdCompare', textContent: texts.compare }), this.#swap,
            ...this.#copies,
        ]);
        form.addEventListener('submit', (event) => {
            event.preventDefault();
            this.#plans.value = '';
            this.#compareWith(this.#code.value.trim(), '');
        });
        this.#section = element('details', { id: 'frmCompare', className: 'training', open: settings.open }, [
            element('summary', {}, [element('h3', { id: 'lblCompare', textContent: texts.compare }),
                element('span', { className: 'summary-note', textContent: texts.compareNote })]),
            form, this.#reason, this.#lowered, this.#table(),
        ]);
        this.#section.addEventListener('toggle', () => {
            settings.open = this.#section.open;
            this.render();
        });
        this.node = this.#section;
    }

    render() {
        const { open } = this.#section;
        const texts = this.#texts;
        // A saved plan deleted while it was B is compared no more, and the section says so.
        const gone = this.#settings.plan !== '' && !this.#session.hasPlan(this.#settings.plan);
        if (gone) Object.assign(this.#settings, { source: '', plan: '' });
        if (open) this.#fillPlans();
        const { source, swapped } = this.#settings;
        const compared = open && source !== '' ? this.#session.compare(source, swapped) : null;
        const idle = gone ? texts.comparedPlanGone : texts.chooseOtherPlan;
        setText(this.#reason, !open ? '' : !compared ? idle : compared.ok ? '' : compared.reason);
        this.#text = compared?.ok ? compared.text : '';
        setText(this.#lowered, compared?.ok ? compared.lowered : '');
        setProperty(this.#swap, 'disabled', !this.#text);
        for (const button of this.#copies) setProperty(button, 'disabled', !this.#text);
        const headings = compared?.ok ? compared.headings : this.#unswappedHeadings();
        this.#sideHeadings.forEach((cell, index) => setText(cell, headings[index]));
        if (!compared?.ok) {
            this.#body.replaceChildren();
            this.#foot.replaceChildren();
            return;
        }
        /** @param {ComparedSide} side */
        const cells = (side) => [element('td', { textContent: String(side.level) }),
            element('td', { textContent: String(side.points) }),
            element('td', { className: 'compare-abilities', textContent: side.abilities })];
        this.#body.replaceChildren(...compared.lines.map((line) =>
            this.#row({ stem: line.stem }, line.caption, line.differs, [...cells(line.a), ...cells(line.b)])));
        /**
         * @param {string} name
         * @param {string} caption
         * @param {'level' | 'left' | 'completeFrom'} figure
         */
        const total = (name, caption, figure) => {
            const [a, b] = [compared.a, compared.b].map((plan) => String(plan[figure]));
            return this.#row({ row: name }, caption, a !== b, [
                element('td', { colSpan: 3, textContent: a }), element('td', { colSpan: 3, textContent: b })]);
        };
        this.#foot.replaceChildren(total('level', texts.comparedCharacterLevel, 'level'),
            total('left', texts.pathPointsLeft, 'left'), total('complete', texts.completeFromCaption, 'completeFrom'));
    }

    /**
     * @param {string} source
     * @param {string} plan
     */
    #compareWith(source, plan) {
        Object.assign(this.#settings, { source, plan });
        this.render();
    }

    // The class's saved plans, read again whenever they may have changed; a plan's code is its option's value.
    #fillPlans() {
        const plans = this.#session.comparablePlans();
        const key = JSON.stringify(plans);
        if (this.#plans.dataset.key === key) return;
        const chosen = this.#plans.value;
        this.#plans.dataset.key = key;
        this.#plans.replaceChildren(element('option', { value: '', textContent: this.#texts.compareNoSavedPlan }),
            ...plans.map((plan) => element('option', { value: plan.code, textContent: plan.name })));
        this.#plans.value = plans.some((plan) => plan.code === chosen) ? chosen : '';
    }

    /** The headings over A's columns, then B's, until a comparison names them in the order it shows. */
    #unswappedHeadings() {
        const texts = this.#texts;
        return [texts.planALevel, texts.planAPoints, texts.planAAbilities,
            texts.planBLevel, texts.planBPoints, texts.planBAbilities];
    }

    #table() {
        this.#sideHeadings = this.#unswappedHeadings().map((text) => element('th', { scope: 'col', textContent: text }));
        const table = element('table', { id: 'tblCompare', className: 'path-table compare-table' }, [
            element('thead', {}, [element('tr', {},
                [element('th', { scope: 'col', textContent: this.#texts.compareLine }), ...this.#sideHeadings])]),
            this.#body, this.#foot]);
        // Focusable, so that a keyboard alone can scroll a table wider than the screen.
        return element('div', { className: 'path-scroller', tabIndex: 0, role: 'region',
            'aria-labelledby': 'lblCompare' }, [table]);
    }

    /**
     * A row under its caption, in bold and marked in words where the plans differ.
     * @param {Record<string, string>} data
     * @param {string} caption
     * @param {boolean} differs
     * @param {HTMLTableCellElement[]} cells
     */
    #row(data, caption, differs, cells) {
        const texts = this.#texts;
        const heading = element('th', { scope: 'row' }, differs ? [
            element('span', { textContent: `${texts.differsMarker} `, 'aria-hidden': 'true' }), caption,
            element('span', { className: 'visually-hidden', textContent: ` (${texts.differs})` })] : [caption]);
        return element('tr', { className: differs ? 'differs' : '', data: { ...data, differs: String(differs) } },
            [heading, ...cells]);
    }
}
