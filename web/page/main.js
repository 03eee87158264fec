// @ts-check
// The page: it lays out what the core computes and forwards the user's
// gestures to it. No rule and no catalog text lives here.
import { byId } from './dom.js';
import { ExplanationDialog } from './explanation.js';
import { offerLanguages, useLanguage } from './language.js';
import { fragmentText } from './links.js';
import { loadCore } from './load-core.js';
import { Messages } from './messages.js';
import './offline.js';
import { PlannerView } from './planner-view.js';
import { PlanDialogs } from './plan-dialogs.js';
import { PlanStore } from './plan-store.js';
import { PlansView } from './plans-view.js';
import { Selector } from './selector.js';
import { fillShell } from './shell.js';
import { sayStartFailed } from './wanted-languages.js';

/** @typedef {import('./core-types.js').Applied} Applied */
/** @typedef {import('./core-types.js').Core} Core */

// The start view, the selector and the planner on screen, over one session of the core.
class Page {
    #session;
    #texts;
    #messages = new Messages();
    #explanations = new ExplanationDialog();
    #selector;
    #intro = byId('frmIntro', HTMLElement);
    #plannerPageTitle = byId('lblPlannerPageTitle', HTMLElement);
    #frame = byId('frmPlanner', HTMLElement);
    /** Whether the Training Path is open; it stays so from class to class. */
    #trainingPathOpen = false;
    /** The Compare section's state, which also stays from class to class. */
    #compare = { open: false, source: '', plan: '', swapped: false };
    /** @type {PlannerView | null} */
    #view = null;
    #plans;

    /** @param {Core} core */
    constructor(core) {
        this.#session = new core.Session();
        this.#texts = core.texts();
        fillShell(this.#texts);
        this.#selector = new Selector(core, (listName) => {
            this.#messages.warn('');
            this.#messages.say('');
            if (this.#session.open(listName)) this.#showCurrentPlanner();
        });
        const store = new PlanStore({ core, session: this.#session, texts: this.#texts, messages: this.#messages,
            onChangedElsewhere: () => {
                this.#plans.render();
                this.#view?.render();
            } });
        this.#plans = new PlansView({ core, session: this.#session, texts: this.#texts, messages: this.#messages,
            store, dialogs: new PlanDialogs(this.#texts), onOpened: (result) => this.#showApplied(result, ''),
            onChanged: () => this.#view?.render() });
        this.#frame.after(this.#plans.node);
        document.addEventListener('keydown', (event) => this.#stepKey(event));
    }

    // Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y, except where a text field has its own.
    /** @param {KeyboardEvent} event */
    #stepKey(event) {
        if (!(event.ctrlKey || event.metaKey) || event.altKey || !this.#view) return;
        const key = event.key.toLowerCase();
        const redo = key === 'y' || (key === 'z' && event.shiftKey);
        if (key !== 'z' && !redo) return;
        const target = event.target;
        // A list of choices takes no typing to undo, so the plan's own undo works there.
        const typing = target instanceof HTMLTextAreaElement
            || (target instanceof HTMLElement && target.isContentEditable)
            || (target instanceof HTMLInputElement && !['range', 'checkbox', 'radio', 'button', 'submit', 'file']
                .includes(target.type));
        if (typing || document.querySelector('dialog[open]')) return;
        event.preventDefault();
        if (redo) this.#view.redo();
        else this.#view.undo();
    }

    // Follows the address, now and whenever its fragment changes.
    followLinks() {
        this.#applyFragment();
        window.addEventListener('hashchange', () => this.#applyFragment());
    }

    #showCurrentPlanner() {
        const layout = this.#session.layout();
        const view = new PlannerView({
            session: this.#session, texts: this.#texts, messages: this.#messages, explanations: this.#explanations,
            trainingPathOpen: this.#trainingPathOpen,
            onTrainingPathToggle: (open) => { this.#trainingPathOpen = open; },
            compare: this.#compare,
            onPasted: (pasted) => this.#showApplied(this.#session.applyPasted(pasted), this.#texts.pasteLead),
            onSavePlan: () => this.#plans.saveCurrent(),
        });
        this.#view = view;
        this.#selector.show(layout.realm, layout.listName);
        this.#frame.replaceChildren(...view.nodes);
        this.#intro.hidden = true;
        this.#plannerPageTitle.hidden = false;
        this.#frame.hidden = false;
        view.render();
    }

    #applyFragment() {
        const text = fragmentText();
        if (text === '') return;
        // The page's own replacement of the address comes back here; it is no news.
        if (this.#session.hasCurrent() && text === this.#session.planCode()) return;
        this.#showApplied(this.#session.applyFragment(text), '');
    }

    /**
     * @param {Applied} result
     * @param {string} lead what the alert starts with
     */
    #showApplied(result, lead) {
        if (!result.ok) {
            this.#messages.warn(lead + result.reason, { untilChange: true });
            return;
        }
        this.#messages.warn(result.lowered ? lead + result.lowered : '', { untilChange: true });
        this.#messages.say('');
        this.#showCurrentPlanner();
    }
}

const core = await loadCore(byId('vantrellWasm', HTMLElement)).catch((error) => {
    sayStartFailed(error);
    throw error;
});
const language = useLanguage(core);
const page = new Page(core);
offerLanguages(core, core.texts().language, language);
// What the benchmark measures the page's start-up by.
performance.mark('vantrell-ready');
page.followLinks();
document.documentElement.dataset.ready = 'true';
