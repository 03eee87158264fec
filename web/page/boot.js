// @ts-check
// The built page's first script. The page's other scripts travel compressed in
// it, the module's loader and then the page's own: they are inflated and run
// in that order, as the page's own script tags would run them.
import { byId } from './dom.js';
import { leadWithoutCore } from './wanted-languages.js';
import { inflate } from './packed.js';

/**
 * @param {string} text
 * @param {'classic' | 'module'} kind
 */
function run(text, kind) {
    const script = document.createElement('script');
    if (kind === 'module') script.type = 'module';
    script.textContent = text;
    document.body.append(script);
}

const packed = byId('vantrellScripts', HTMLElement);
try {
    const scripts = await new Response(inflate(packed)).text();
    const loaderLength = Number(packed.dataset.loaderLength);
    run(scripts.slice(0, loaderLength), 'classic');
    run(scripts.slice(loaderLength), 'module');
} catch (error) {
    const alert = byId('msgAlert', HTMLElement);
    alert.textContent = `${leadWithoutCore(alert)}${error instanceof Error ? error.message : String(error)}`;
    throw error;
}
