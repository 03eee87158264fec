// @ts-check
// The few DOM helpers every view shares.

/**
 * A node the page's HTML holds, of the kind the caller counts on.
 * @template {HTMLElement} T
 * @param {string} id
 * @param {{ new (): T, prototype: T }} kind
 * @returns {T}
 */
export function byId(id, kind) {
    const node = document.getElementById(id);
    if (!(node instanceof kind)) throw new Error(`the page has no ${kind.name} #${id}`);
    return node;
}

/**
 * Properties of a new element: `data` goes to its dataset, `style` to its
 * style (a name that starts with "--" as a custom property), a DOM property is
 * set as one and anything else becomes an attribute.
 * @typedef {{ data?: Record<string, string>, style?: Partial<CSSStyleDeclaration> & Record<`--${string}`, string> } & Record<string, unknown>} Properties
 */

/**
 * @template {keyof HTMLElementTagNameMap} K
 * @param {K} tag
 * @param {Properties} [properties]
 * @param {(Node | string)[]} [children]
 * @returns {HTMLElementTagNameMap[K]}
 */
export function element(tag, properties = {}, children = []) {
    const node = document.createElement(tag);
    const settable = /** @type {Record<string, unknown>} */ (/** @type {unknown} */ (node));
    for (const [key, value] of Object.entries(properties)) {
        if (key === 'data') Object.assign(node.dataset, value);
        else if (key === 'style') setStyle(node, /** @type {Record<string, string>} */ (value));
        else if (key in node) settable[key] = value;
        else node.setAttribute(key, String(value));
    }
    node.append(...children);
    return node;
}

/**
 * @param {HTMLElement} node
 * @param {Record<string, string>} style
 */
function setStyle(node, style) {
    for (const [name, value] of Object.entries(style)) {
        if (name.startsWith('--')) node.style.setProperty(name, value);
        else Object.assign(node.style, { [name]: value });
    }
}

/**
 * A catalog colour in both schemes' variants, for the stylesheet's `.inked` to pick from.
 * @param {string} light
 * @param {string} dark
 */
export function inks(light, dark) {
    return { '--ink-light': light, '--ink-dark': dark };
}

// Only what changed is written, so that a move costs the page as little layout as it can.

/**
 * @param {Node} node
 * @param {string} text
 */
export function setText(node, text) {
    if (node.textContent !== text) node.textContent = text;
}

/**
 * @template {object} T
 * @template {keyof T} K
 * @param {T} node
 * @param {K} name
 * @param {T[K]} value
 */
export function setProperty(node, name, value) {
    if (node[name] !== value) node[name] = value;
}
