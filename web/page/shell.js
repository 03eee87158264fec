// @ts-check
import { byId } from './dom.js';

/** @typedef {import('./texts-types.js').Texts} Texts */

/**
 * Writes the texts that stay the same all the time the page is open: the start
 * view, the About box and the buttons and names the HTML leaves empty.
 * @param {Texts} texts
 */
export function fillShell(texts) {
    document.title = texts.programName;
    // The file carries the English description for those that read it unopened; an open page says it in its language.
    document.querySelector('meta[name="description"]')?.setAttribute('content', texts.pageDescription);
    // The headings' blue, in the variant each colour scheme reads.
    document.documentElement.style.setProperty('--title-light', texts.titleColour);
    document.documentElement.style.setProperty('--title-dark', texts.titleColourDark);
    const selector = document.querySelector('nav.selector');
    if (selector) selector.setAttribute('aria-label', texts.classes);
    const text = (/** @type {string} */ id, /** @type {string} */ shown) => {
        byId(id, HTMLElement).textContent = shown;
    };
    text('lblSelectRealm', texts.selectRealm);
    text('lblSelectClass', texts.selectClass);
    text('cmdAbout', texts.about);
    text('lblTitle', texts.programName);
    // Once the introduction gives way to a planner, the page keeps its one top heading for those who listen.
    text('lblPlannerPageTitle', texts.programName);
    text('lblVersion', texts.versionCaption);
    text('lblInfo', texts.introInfo);
    text('lblInstructions', texts.introInstructions);
    text('lblName', texts.byLinePrefix + texts.maintainer);
    text('lblQuestions', texts.questions);
    const mail = byId('lblEmail', HTMLAnchorElement);
    mail.textContent = texts.contactAddress;
    mail.href = texts.contactHref;
    text('dlgAboutTitle', texts.aboutTitle);
    text('dlgAboutText', texts.aboutText);
    text('dlgAboutOk', texts.ok);
    text('dlgExplanationOk', texts.ok);
    const about = byId('dlgAbout', HTMLDialogElement);
    byId('cmdAbout', HTMLButtonElement).addEventListener('click', () => about.showModal());
}
