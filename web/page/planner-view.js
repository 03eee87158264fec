// @ts-check
import { CompareView } from './compare.js';
import { element, inks, setProperty, setText } from './dom.js';
import { showInAddress } from './links.js';
import { Sharing } from './sharing.js';
import { TrainingPathView } from './training-path.js';

/** @typedef {import('./compare.js').CompareSettings} CompareSettings */
/** @typedef {import('./core-types.js').Layout} Layout */
/** @typedef {import('./core-types.js').LineLayout} LineLayout */
/** @typedef {import('./core-types.js').LineState} LineState */
/** @typedef {import('./core-types.js').Session} Session */
/** @typedef {import('./texts-types.js').Texts} Texts */
/** @typedef {import('./explanation.js').ExplanationDialog} ExplanationDialog */
/** @typedef {import('./messages.js').Messages} Messages */

/**
 * One line's controls.
 * @typedef {object} LineControls
 * @property {HTMLDivElement} node
 * @property {HTMLInputElement} slider
 * @property {HTMLElement} level
 * @property {HTMLSpanElement} points
 * @property {HTMLSpanElement} percent
 * @property {HTMLElement} abilities
 * @property {HTMLSpanElement} hint
 * @property {HTMLSpanElement} closedNote
 */

// The planner of the class on screen: it lays out the core's figures and hands
// the user's gestures to the core, then shows what the core makes of them.
// A new class gets a new view; nothing of the last one is reused.
export class PlannerView {
    /** The note of the saved plan on screen, printed with it. */
    #note = element('p', { id: 'lblPlanNote', className: 'saved-note', hidden: true });
    #session;
    #texts;
    #messages;
    #explanations;
    #levels;
    #pointsLeft = element('output', { id: 'lblPointsLeft', 'aria-labelledby': 'lblPointsLeftCaption' });
    #totalPoints = element('output', { id: 'lblTotalPoints' });
    #stats;
    /** @type {LineControls[]} */
    #lines;
    #trainingPath;
    #compare;
    #undo;
    #redo;
    /** The view's nodes, for the page to place. */
    nodes;

    /**
     * @param {object} settings
     * @param {Session} settings.session
     * @param {Texts} settings.texts
     * @param {Messages} settings.messages
     * @param {ExplanationDialog} settings.explanations
     * @param {boolean} settings.trainingPathOpen
     * @param {(open: boolean) => void} settings.onTrainingPathToggle
     * @param {CompareSettings} settings.compare kept from view to view
     * @param {(pasted: string) => void} settings.onPasted
     * @param {() => void} settings.onSavePlan
     */
    constructor({ session, texts, messages, explanations, trainingPathOpen, onTrainingPathToggle, compare, onPasted,
        onSavePlan }) {
        this.#session = session;
        this.#texts = texts;
        this.#messages = messages;
        this.#explanations = explanations;
        const layout = session.layout();

        this.#levels = element('select', { id: 'cboLevel' });
        for (let level = layout.lowestLevel; level <= layout.highestLevel; ++level) {
            this.#levels.append(element('option', { value: String(level), textContent: String(level) }));
        }
        this.#levels.addEventListener('change', () => {
            session.pickLevel(Number(this.#levels.value));
            this.#changed();
        });

        this.#lines = layout.lines.map((line, index) => this.#line(line, index));
        this.#stats = element('div', { id: 'fraStats', className: 'stats', role: 'group',
            'aria-label': texts.specializationLevel }, [this.#headings(), ...this.#lines.map((line) => line.node)]);

        this.#undo = element('button', { type: 'button', id: 'cmdUndo', textContent: texts.undo,
            'aria-keyshortcuts': 'Control+Z', onclick: () => this.undo() });
        this.#redo = element('button', { type: 'button', id: 'cmdRedo', textContent: texts.redo,
            'aria-keyshortcuts': 'Control+Shift+Z Control+Y', onclick: () => this.redo() });
        const steps = element('div', { className: 'steps' }, [this.#undo, this.#redo,
            element('button', { type: 'button', id: 'cmdSavePlan', textContent: texts.savePlan,
                onclick: onSavePlan })]);

        const sharing = new Sharing({ session, texts, messages, onPasted });
        this.#trainingPath = new TrainingPathView({ session, texts, layout, messages,
            copy: (text) => sharing.copy(text), open: trainingPathOpen, onToggle: onTrainingPathToggle });
        this.#compare = new CompareView({ session, texts, settings: compare, copy: (text) => sharing.copy(text) });

        this.nodes = [
            element('h2', { id: 'lblClassTitle', textContent: layout.title, tabIndex: -1 }), this.#note,
            this.#figures(layout), this.#stats, steps, ...sharing.nodes, this.#trainingPath.node,
            this.#compare.node];
    }

    // Shows the plan as the core holds it now, and puts it in the address.
    render() {
        const state = this.#session.state();
        setProperty(this.#levels, 'value', String(state.level));
        setText(this.#pointsLeft, state.left);
        setText(this.#totalPoints, state.total);
        this.#stats.classList.toggle('disabled', !state.statsEnabled);
        const note = this.#session.planNote();
        setText(this.#note, note);
        setProperty(this.#note, 'hidden', note === '');
        state.lines.forEach((shown, index) => PlannerView.#renderLine(this.#lines[index], shown));
        this.#trainingPath.render();
        this.#compare.render();
        const steps = this.#session.history();
        // The counts are also the page's test contract: what the scenario driver's `history` prints.
        setProperty(this.#undo, 'disabled', steps.undo === 0);
        this.#undo.dataset.steps = String(steps.undo);
        setProperty(this.#redo, 'disabled', steps.redo === 0);
        this.#redo.dataset.steps = String(steps.redo);
        showInAddress(this.#session.planCode());
    }

    undo() {
        if (this.#session.undo()) this.#stepped(this.#undo, this.#redo);
    }

    redo() {
        if (this.#session.redo()) this.#stepped(this.#redo, this.#undo);
    }

    /**
     * A button that has just taken the last step it could would leave its focus nowhere.
     * @param {HTMLButtonElement} taken
     * @param {HTMLButtonElement} other
     */
    #stepped(taken, other) {
        const focused = document.activeElement === taken;
        this.#changed();
        if (focused && taken.disabled) other.focus();
    }

    #changed() {
        this.#messages.planChanged();
        this.render();
    }

    /** @param {Layout} layout */
    #figures(layout) {
        return element('div', { className: 'figures' }, [
            element('label', { htmlFor: 'cboLevel', textContent: this.#texts.level }), this.#levels,
            element('span', { id: 'lblPointsPerLevelCaption', textContent: layout.pointsPerLevelCaption }),
            element('output', { id: 'txtPointsPerLevel', textContent: layout.pointsPerLevelText,
                'aria-labelledby': 'lblPointsPerLevelCaption' }),
            element('span', { id: 'lblPointsLeftCaption', textContent: this.#texts.pointsLeft }),
            element('span', { className: 'budget' }, [
                this.#pointsLeft, element('span', { textContent: ' / ', 'aria-hidden': 'true' }), this.#totalPoints]),
        ]);
    }

    #headings() {
        const texts = this.#texts;
        return element('div', { className: 'line headings', 'aria-hidden': 'true' }, [
            element('span', { className: 'col-level', textContent: texts.specializationLevel }),
            element('span', { className: 'col-points', textContent: texts.pointsUsed }),
            element('span', { className: 'col-percent', textContent: texts.percent }),
            element('span', { className: 'col-abilities' }, [
                texts.skillsAvailable, ' ', element('i', { textContent: texts.clickForExplanation })]),
        ]);
    }

    /**
     * @param {LineLayout} line
     * @param {number} index
     * @returns {LineControls}
     */
    #line(line, index) {
        /** @param {string} name */
        const part = (name) => ({ data: { stem: line.stem, part: name } });
        const sliderId = `sldLine${index}`;
        const caption = element('label', { ...part('caption'), htmlFor: sliderId, textContent: line.caption,
            className: 'caption inked', style: inks(line.captionColour, line.captionColourDark) });
        const slider = element('input', { ...part('slider'), type: 'range', id: sliderId, step: '1' });
        const level = element('b', { ...part('level'), className: 'col-level' });
        const points = element('span', { ...part('points'), className: 'col-points' });
        const percent = element('span', { ...part('percent'), className: 'col-percent' });
        const abilities = element(line.explained ? 'button' : 'p', { ...part('abilities'),
            className: `col-abilities abilities inked${line.explained ? ' explained' : ''}`,
            style: inks(line.abilitiesColour, line.abilitiesColourDark), hidden: !line.showsAbilities });
        if (abilities instanceof HTMLButtonElement) abilities.type = 'button';
        // The hint a tooltip gives a mouse, spoken to a screen reader with the slider.
        const hint = element('span', { ...part('hint'), id: `hintLine${index}`, className: 'hint' });
        slider.setAttribute('aria-describedby', hint.id);
        const closedNote = element('span', { ...part('closed'), className: 'closed-note', hidden: true });

        const move = () => {
            this.#session.slide(index, Number(slider.value));
            this.#changed();
        };
        slider.addEventListener('change', move);
        slider.addEventListener('keydown', (event) => {
            // A page step is one level, as on the desktop's sliders.
            const step = { PageUp: 1, PageDown: -1 }[event.key];
            if (step === undefined || slider.disabled) return;
            event.preventDefault();
            slider.value = String(Number(slider.value) + step);
            move();
        });
        if (line.explained) {
            abilities.addEventListener('click', () => {
                const explanation = this.#session.explanation(index);
                if (explanation) this.#explanations.show(explanation, abilities);
            });
        }

        const node = element('div', { className: 'line' }, [
            element('div', { className: 'caption-cell' }, [caption, closedNote]),
            slider, level, points, percent, abilities, hint]);
        return { node, slider, level, points, percent, abilities, hint, closedNote };
    }

    /**
     * @param {LineControls} controls
     * @param {LineState} shown
     */
    static #renderLine(controls, shown) {
        const { slider } = controls;
        setProperty(slider, 'min', String(shown.min));
        setProperty(slider, 'max', String(shown.max));
        setProperty(slider, 'value', String(shown.value));
        setProperty(slider, 'disabled', !shown.enabled);
        setText(controls.level, shown.level);
        setText(controls.points, shown.points);
        setText(controls.percent, shown.percent);
        setText(controls.abilities, shown.abilities);
        setProperty(controls.abilities, 'title', shown.tooltip);
        setText(controls.hint, shown.tooltip);
        // A closed line says why in words as well as by its greyed slider.
        setProperty(controls.closedNote, 'hidden', shown.lineOpen);
        setText(controls.closedNote, shown.lineOpen ? '' : shown.tooltip);
        controls.node.classList.toggle('closed', !shown.lineOpen);
    }
}
