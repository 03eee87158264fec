// @ts-check
import { element } from './dom.js';
import { publishedHome } from './links.js';

/** @typedef {import('./core-types.js').Session} Session */
/** @typedef {import('./texts-types.js').Texts} Texts */
/** @typedef {import('./messages.js').Messages} Messages */

/**
 * The plan's picture as a PNG at twice its size, sharp on a screen of any density.
 * @param {Session} session
 * @returns {Promise<Blob>}
 */
async function pictureOf(session) {
    const svg = new Blob([session.planInFormat('svg')], { type: 'image/svg+xml' });
    const image = new Image();
    image.src = URL.createObjectURL(svg);
    await image.decode();
    URL.revokeObjectURL(image.src);
    const canvas = element('canvas', { width: image.naturalWidth * 2, height: image.naturalHeight * 2 });
    canvas.getContext('2d')?.drawImage(image, 0, 0, canvas.width, canvas.height);
    return new Promise((done, failed) => canvas.toBlob((blob) => (blob ? done(blob) : failed(new Error('no image'))), 'image/png'));
}

/**
 * @param {Blob} blob
 * @param {string} name
 */
function download(blob, name) {
    const link = element('a', { href: URL.createObjectURL(blob), download: name });
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 0);
}

// A planner's copy and paste buttons. Where the browser refuses the clipboard,
// the text waits selected in a box, or a box takes what the user pastes.
export class Sharing {
    #texts;
    #messages;
    #copyBox;
    #pasteBox;
    #pasteButton;
    #pasteInput;
    #onPasted;
    /** The buttons, the paste box and the copy box, in the page's order. */
    nodes;

    /**
     * @param {object} settings
     * @param {Session} settings.session
     * @param {Texts} settings.texts
     * @param {Messages} settings.messages
     * @param {(pasted: string) => void} settings.onPasted given a code or link the user pasted
     */
    constructor({ session, texts, messages, onPasted }) {
        this.#texts = texts;
        this.#messages = messages;
        this.#onPasted = onPasted;
        this.#pasteButton = element('button', { type: 'button', id: 'cmdPaste', textContent: texts.pastePlanCode,
            onclick: () => this.#paste() });
        const bar = element('div', { className: 'sharing' }, [
            element('button', { type: 'button', id: 'cmdCopyText', textContent: texts.copyPlanAsText,
                onclick: () => this.copy(session.planText()) }),
            element('button', { type: 'button', id: 'cmdCopyLink', textContent: texts.copyLink,
                onclick: () => this.#copyLink(session) }),
            element('button', { type: 'button', id: 'cmdCopyCode', textContent: texts.copyPlanCode,
                onclick: () => this.copy(session.planCode()) }),
            this.#pasteButton,
            element('button', { type: 'button', id: 'cmdCopyMarkdown', textContent: texts.copyAsMarkdown,
                onclick: () => this.copy(session.planInFormat('markdown')) }),
            element('button', { type: 'button', id: 'cmdCopyBbcode', textContent: texts.copyAsBbcode,
                onclick: () => this.copy(session.planInFormat('bbcode')) }),
            element('button', { type: 'button', id: 'cmdCopyImage', textContent: texts.copyAsImage,
                onclick: () => this.#copyImage(session) }),
            element('button', { type: 'button', id: 'cmdDownloadImage', textContent: texts.downloadImage,
                onclick: async () => download(await pictureOf(session), texts.imageFileName) }),
        ]);
        this.#pasteInput = element('input', { id: 'txtPaste', type: 'text', autocomplete: 'off', spellcheck: false });
        this.#pasteBox = element('form', { id: 'frmPaste', className: 'paste', hidden: true }, [
            element('label', { htmlFor: 'txtPaste', textContent: texts.pastePlanCode }),
            this.#pasteInput,
            element('button', { type: 'submit', textContent: texts.apply }),
            element('button', { type: 'button', id: 'cmdPasteCancel', textContent: texts.cancel,
                onclick: () => this.#closePasteBox() }),
        ]);
        this.#pasteBox.addEventListener('keydown', (event) => {
            if (event.key === 'Escape') this.#closePasteBox();
        });
        this.#pasteBox.addEventListener('submit', (event) => {
            event.preventDefault();
            this.#pasteBox.hidden = true;
            this.#onPasted(this.#pasteInput.value);
        });
        this.#copyBox = element('textarea', { id: 'txtCopy', className: 'copy', readOnly: true, hidden: true,
            rows: 4, 'aria-label': texts.textToCopy });
        this.nodes = [bar, this.#pasteBox, this.#copyBox];
    }

    // Closed unused, the box hands the keyboard back to the button that opened it.
    #closePasteBox() {
        this.#pasteBox.hidden = true;
        this.#messages.say('');
        this.#pasteButton.focus();
    }

    /** @param {string} text */
    async copy(text) {
        const box = this.#copyBox;
        try {
            await navigator.clipboard.writeText(text);
            box.hidden = true;
            this.#messages.say(this.#texts.copied);
        } catch {
            box.value = text;
            box.hidden = false;
            box.focus();
            box.select();
            this.#messages.say(this.#texts.copyRefused);
        }
    }

    /**
     * A link to a page opened from a file opens nowhere else; the user is told
     * so, and that a plan code travels instead.
     * @param {Session} session
     */
    async #copyLink(session) {
        const shared = session.linkFor(location.href, publishedHome());
        await this.copy(shared.link);
        if (shared.localOnly) this.#messages.warn(shared.note, { untilChange: true });
    }

    // As a PNG where the browser lets a page put one on the clipboard, else as a download.
    /** @param {Session} session */
    async #copyImage(session) {
        const picture = await pictureOf(session);
        try {
            await navigator.clipboard.write([new ClipboardItem({ 'image/png': picture })]);
            this.#messages.say(this.#texts.copied);
        } catch {
            download(picture, this.#texts.imageFileName);
        }
    }

    async #paste() {
        let pasted;
        try {
            pasted = await navigator.clipboard.readText();
        } catch {
            this.#pasteBox.hidden = false;
            this.#pasteInput.value = '';
            this.#pasteInput.focus();
            this.#messages.say(this.#texts.pasteRefused);
            return;
        }
        this.#onPasted(pasted);
    }
}
