// @ts-check
// The built page's first script. It starts compiling the core's module, then
// inflates the page's other scripts, which travel compressed, and runs them in
// order: the module's loader, then the page's own.
import { byId } from './dom.js';
import { compiledModule } from './load-core.js';
import { inflate } from './packed.js';
import { sayStartFailed } from './wanted-languages.js';

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
    // The module compiles on other threads while the scripts are inflated and run.
    compiledModule(byId('vantrellWasm', HTMLElement)).catch(() => {
        // The core's loader, which takes the same promise, says why.
    });
    const scripts = await new Response(inflate(packed)).text();
    const loaderLength = Number(packed.dataset.loaderLength);
    run(scripts.slice(0, loaderLength), 'classic');
    run(scripts.slice(loaderLength), 'module');
} catch (error) {
    sayStartFailed(error);
    throw error;
}
