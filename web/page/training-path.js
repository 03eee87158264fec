// @ts-check
import { element, inks, setText } from './dom.js';

/** @typedef {import('./core-types.js').Layout} Layout */
/** @typedef {import('./core-types.js').PathRow} PathRow */
/** @typedef {import('./core-types.js').Session} Session */
/** @typedef {import('./texts-types.js').Texts} Texts */
/** @typedef {import('./messages.js').Messages} Messages */

// A planner's Training Path section: the priority with its move buttons, and
// the table of what to train at each character level. The table is worked out
// only while the section is open, so that a slider move stays cheap otherwise;
// a closed section holds no rows, never stale ones.
export class TrainingPathView {
    #session;
    #texts;
    #messages;
    #lineCount;
    #intro = element('p', { id: 'lblTrainingPathIntro', className: 'path-intro' });
    #completeFrom = element('p', { id: 'lblCompleteFrom', className: 'path-intro' });
    #priority = element('ol', { id: 'lstPriority', className: 'priority', 'aria-labelledby': 'lblPriority' });
    #body = element('tbody');
    #section;
    /** The stems in priority order, as the list shows them. */
    #order = /** @type {string[]} */ ([]);
    /** Each place's move buttons, up first. */
    #movers = /** @type {[HTMLButtonElement, HTMLButtonElement][]} */ ([]);
    /** What each row's new abilities cell shows, so that it is rebuilt only when that changes. */
    #shownAbilities = /** @type {WeakMap<HTMLTableCellElement, string>} */ (new WeakMap());
    /** The section, for the planner to place. */
    node;

    /**
     * @param {object} settings
     * @param {Session} settings.session
     * @param {Texts} settings.texts
     * @param {Layout} settings.layout
     * @param {Messages} settings.messages
     * @param {(text: string) => void} settings.copy
     * @param {boolean} settings.open whether the section starts open
     * @param {(open: boolean) => void} settings.onToggle
     */
    constructor({ session, texts, layout, messages, copy, open, onToggle }) {
        this.#session = session;
        this.#texts = texts;
        this.#messages = messages;
        this.#lineCount = layout.lines.length;
        this.#priority.addEventListener('click', (event) => {
            const button = event.target instanceof Element ? event.target.closest('button[data-move]') : null;
            if (button instanceof HTMLElement) this.#move(button.dataset.line ?? '', Number(button.dataset.move));
        });
        this.#section = element('details', { id: 'frmTrainingPath', className: 'training', open }, [
            element('summary', {}, [element('h3', { id: 'lblTrainingPath', textContent: texts.trainingPath }),
                element('span', { className: 'summary-note', textContent: texts.trainingPathNote })]),
            this.#intro, this.#completeFrom,
            element('div', { className: 'priority-panel' }, [
                element('h4', { id: 'lblPriority', textContent: texts.priority }),
                this.#priority,
                element('div', { className: 'priority-side' }, [
                    element('p', { className: 'priority-hint', textContent: texts.priorityHint }),
                    element('button', { type: 'button', id: 'cmdCopyPathText', textContent: texts.copyAsText,
                        onclick: () => copy(session.trainingPathText()) }),
                    element('button', { type: 'button', id: 'cmdCopyPathMarkdown', textContent: texts.copyAsMarkdown,
                        onclick: () => copy(session.trainingPathInFormat('markdown')) }),
                    element('button', { type: 'button', id: 'cmdCopyPathBbcode', textContent: texts.copyAsBbcode,
                        onclick: () => copy(session.trainingPathInFormat('bbcode')) }),
                ]),
            ]),
            this.#table(layout),
        ]);
        this.#section.addEventListener('toggle', () => {
            onToggle(this.#section.open);
            this.render();
        });
        this.node = this.#section;
        this.#renderPriority();
    }

    render() {
        const body = this.#body;
        if (!this.#section.open) {
            body.replaceChildren();
            setText(this.#completeFrom, '');
            return;
        }
        const path = this.#session.trainingPath();
        setText(this.#intro, path.intro);
        setText(this.#completeFrom, this.#session.completeFrom());
        const { rows } = path;
        while (body.rows.length > rows.length) body.lastElementChild?.remove();
        while (body.rows.length < rows.length) body.append(this.#row());
        rows.forEach((row, index) => this.#fillRow(body.rows[index], row));
    }

    /** @param {Layout} layout */
    #table(layout) {
        const texts = this.#texts;
        const headings = element('tr', {}, [
            element('th', { scope: 'col', textContent: texts.pathLevel }),
            ...layout.lines.map((line) => element('th', { scope: 'col', textContent: line.caption })),
            element('th', { scope: 'col', textContent: texts.pathPointsLeft }),
            element('th', { scope: 'col', className: 'path-abilities', textContent: texts.newAbilities }),
        ]);
        const table = element('table', { id: 'tblTrainingPath', className: 'path-table' }, [
            element('thead', {}, [headings]), this.#body]);
        // Focusable, so that a keyboard alone can scroll a table wider than the screen.
        return element('div', { className: 'path-scroller', tabIndex: 0, role: 'region',
            'aria-labelledby': 'lblTrainingPath' }, [table]);
    }

    #renderPriority() {
        const texts = this.#texts;
        const entries = this.#session.priorityList();
        this.#order = entries.map((entry) => entry.stem);
        /**
         * @param {string} stem
         * @param {number} offset
         * @param {string} label
         * @param {boolean} can
         */
        const mover = (stem, offset, label, can) => element('button', { type: 'button', className: 'move',
            textContent: offset < 0 ? texts.moveUpSymbol : texts.moveDownSymbol, title: label, 'aria-label': label,
            disabled: !can, data: { line: stem, move: String(offset) } });
        this.#movers = entries.map((entry) => [
            mover(entry.stem, -1, entry.moveUpLabel, entry.canMoveUp),
            mover(entry.stem, 1, entry.moveDownLabel, entry.canMoveDown),
        ]);
        this.#priority.replaceChildren(...entries.map((entry, place) => element('li', {}, [
            element('span', { className: 'priority-caption inked', textContent: entry.caption,
                style: inks(entry.captionColour, entry.captionColourDark) }),
            ...this.#movers[place]])));
    }

    /**
     * @param {string} stem
     * @param {number} offset
     */
    #move(stem, offset) {
        const moved = this.#session.movePriority(this.#order.indexOf(stem), offset);
        if (!moved) return;
        this.#renderPriority();
        this.render();
        // Focus stays with the line, so that it can be walked several places at once.
        const [up, down] = this.#movers[moved.place];
        const again = offset < 0 ? up : down;
        (again.disabled ? (offset < 0 ? down : up) : again).focus();
        this.#messages.say(moved.announcement);
    }

    #row() {
        const cells = Array.from({ length: this.#lineCount }, () => element('td'));
        return element('tr', {}, [element('th', { scope: 'row' }), ...cells,
            element('td', { className: 'path-left' }), element('td', { className: 'path-abilities' })]);
    }

    /**
     * @param {HTMLTableRowElement} row
     * @param {PathRow} shown
     */
    #fillRow(row, shown) {
        const { cells } = row;
        setText(cells[0], String(shown.level));
        shown.cells.forEach((text, line) => {
            const cell = cells[1 + line];
            const rose = shown.rose[line];
            setText(cell, text);
            if (cell.classList.contains('rose') !== rose) cell.classList.toggle('rose', rose);
        });
        setText(cells[1 + this.#lineCount], shown.left);
        const abilities = cells[2 + this.#lineCount];
        const texts = shown.changed.map((changed) => changed.text);
        const key = texts.join('\n\n');
        if (this.#shownAbilities.get(abilities) === key) return;
        this.#shownAbilities.set(abilities, key);
        abilities.replaceChildren(...texts.map((text) => element('div', { textContent: text })));
    }
}
