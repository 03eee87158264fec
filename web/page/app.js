// The page: it lays out what the core computes and forwards the user's
// gestures to it. No rule and no catalog text lives here.

const $ = (id) => document.getElementById(id);

function decodeBase64(text) {
    if (Uint8Array.fromBase64) return Uint8Array.fromBase64(text);
    const binary = atob(text);
    const bytes = new Uint8Array(binary.length);
    for (let index = 0; index < binary.length; ++index) bytes[index] = binary.charCodeAt(index);
    return bytes;
}

// The module travels gzip-compressed inside the page; it is compiled while it inflates.
async function loadCore() {
    const packed = decodeBase64(document.getElementById('vantrellWasm').textContent);
    const inflated = new Blob([packed]).stream().pipeThrough(new DecompressionStream('gzip'));
    const wasm = new Response(inflated, { headers: { 'Content-Type': 'application/wasm' } });
    return globalThis.createVantrellCore({
        instantiateWasm(imports, receive) {
            WebAssembly.instantiateStreaming(wasm, imports).then((result) => receive(result.instance));
            return {};
        },
    });
}

let core;
try {
    core = await loadCore();
} catch (error) {
    $('msgAlert').textContent = `This browser could not start the planner: ${error.message}`;
    throw error;
}
const texts = core.shellTexts();
const planners = new core.Planners();
// The controls of the planner on screen, one entry a line.
let rows = [];
// Where focus goes back to when an explanation closes.
let explainedFrom = null;
// The training path section of the planner on screen.
let training = null;
// Whether the training path is open; it stays so from class to class.
let trainingOpen = false;

function element(tag, properties = {}, children = []) {
    const node = document.createElement(tag);
    for (const [key, value] of Object.entries(properties)) {
        if (key === 'data') Object.assign(node.dataset, value);
        else if (key === 'style') Object.assign(node.style, value);
        else if (key in node) node[key] = value;
        else node.setAttribute(key, value);
    }
    node.append(...children);
    return node;
}

function say(text) {
    $('msgStatus').textContent = text;
}

function warn(text) {
    $('msgAlert').textContent = text;
}

// ---- Start view -------------------------------------------------------

function fillShell() {
    document.title = texts.programName;
    $('lblSelectRealm').textContent = texts.selectRealm;
    $('lblSelectClass').textContent = texts.selectClass;
    $('lblTitle').textContent = texts.programName;
    $('lblVersion').textContent = texts.versionCaption;
    $('lblInfo').textContent = texts.introInfo;
    $('lblInstructions').textContent = texts.introInstructions;
    $('lblName').textContent = texts.byLinePrefix + texts.maintainer;
    $('lblQuestions').textContent = texts.questions;
    const mail = $('lblEmail');
    mail.textContent = texts.contactAddress;
    mail.href = `mailto:${texts.contactAddress}?subject=${encodeURIComponent(texts.contactSubject)}`;
    $('dlgAboutTitle').textContent = texts.aboutTitle;
    $('dlgAboutText').textContent = texts.aboutText;
    $('cmdAbout').addEventListener('click', () => $('dlgAbout').showModal());

    const realms = $('cboRealm');
    realms.replaceChildren(...core.realms().map((name) => element('option', { value: name, textContent: name })));
    realms.selectedIndex = -1;
    realms.addEventListener('change', () => fillClasses(realms.value));
}

function fillClasses(realm) {
    const buttons = core.classesOf(realm).map((name) =>
        element('li', {}, [element('button', { type: 'button', textContent: name, data: { class: name } })]));
    $('lstClasses').replaceChildren(...buttons);
    markCurrentClass();
}

function markCurrentClass() {
    const current = planners.hasCurrent() ? planners.layout().listName : null;
    for (const button of $('lstClasses').querySelectorAll('button')) {
        if (button.dataset.class === current) button.setAttribute('aria-current', 'true');
        else button.removeAttribute('aria-current');
    }
}

$('lstClasses').addEventListener('click', (event) => {
    const button = event.target.closest('button[data-class]');
    if (!button) return;
    warn('');
    say('');
    if (planners.open(button.dataset.class)) showCurrentPlanner();
});

// ---- The planner ------------------------------------------------------

function showCurrentPlanner() {
    const layout = planners.layout();
    const realms = $('cboRealm');
    if (realms.value !== layout.realm) {
        realms.value = layout.realm;
        fillClasses(layout.realm);
    }
    buildPlanner(layout);
    markCurrentClass();
    $('frmIntro').hidden = true;
    $('frmPlanner').hidden = false;
    render();
}

function buildPlanner(layout) {
    const levels = element('select', { id: 'cboLevel' });
    for (let level = layout.lowestLevel; level <= layout.highestLevel; ++level) {
        levels.append(element('option', { value: String(level), textContent: String(level) }));
    }
    levels.addEventListener('change', () => {
        planners.pickLevel(Number(levels.value));
        afterChange();
    });

    const header = element('div', { className: 'figures' }, [
        element('label', { htmlFor: 'cboLevel', textContent: texts.level }), levels,
        element('span', { id: 'lblPointsPerLevelCaption', textContent: layout.pointsPerLevelCaption }),
        element('output', { id: 'txtPointsPerLevel', textContent: layout.pointsPerLevelText,
            'aria-labelledby': 'lblPointsPerLevelCaption' }),
        element('span', { id: 'lblPointsLeftCaption', textContent: texts.pointsLeft }),
        element('span', { className: 'budget' }, [
            element('output', { id: 'lblPointsLeft', 'aria-labelledby': 'lblPointsLeftCaption' }),
            element('span', { textContent: ' / ', 'aria-hidden': 'true' }),
            element('output', { id: 'lblTotalPoints' }),
        ]),
    ]);

    const headings = element('div', { className: 'line headings', 'aria-hidden': 'true' }, [
        element('span', { className: 'col-level', textContent: texts.specializationLevel }),
        element('span', { className: 'col-points', textContent: texts.pointsUsed }),
        element('span', { className: 'col-percent', textContent: texts.percent }),
        element('span', { className: 'col-abilities' }, [
            texts.skillsAvailable, ' ', element('i', { textContent: texts.clickForExplanation })]),
    ]);

    rows = layout.lines.map((line, index) => buildLine(line, index));
    const stats = element('div', { id: 'fraStats', className: 'stats', role: 'group',
        'aria-label': texts.specializationLevel }, [headings, ...rows.map((row) => row.node)]);

    const sharing = element('div', { className: 'sharing' }, [
        element('button', { type: 'button', id: 'cmdCopyText', textContent: texts.copyPlanAsText,
            onclick: () => copy(planners.planText()) }),
        element('button', { type: 'button', id: 'cmdCopyLink', textContent: 'Copy Link',
            onclick: () => copy(linkToPlan()) }),
        element('button', { type: 'button', id: 'cmdPaste', textContent: texts.pastePlanCode, onclick: paste }),
    ]);
    const pasteBox = element('form', { id: 'frmPaste', className: 'paste', hidden: true }, [
        element('label', { htmlFor: 'txtPaste', textContent: texts.pastePlanCode }),
        element('input', { id: 'txtPaste', type: 'text', autocomplete: 'off', spellcheck: false }),
        element('button', { type: 'submit', textContent: 'Apply' }),
    ]);
    pasteBox.addEventListener('submit', (event) => {
        event.preventDefault();
        pasteBox.hidden = true;
        applyPasted($('txtPaste').value);
    });
    const copyBox = element('textarea', { id: 'txtCopy', className: 'copy', readOnly: true, hidden: true,
        rows: 4, 'aria-label': 'Text to copy' });

    $('frmPlanner').replaceChildren(
        element('h2', { id: 'lblClassTitle', textContent: layout.title,
            style: { color: texts.titleColour }, tabIndex: -1 }),
        header, stats, sharing, pasteBox, copyBox, buildTrainingPath(layout));
}

function buildLine(line, index) {
    const part = (name) => ({ data: { stem: line.stem, part: name } });
    const sliderId = `sldLine${index}`;
    const caption = element('label', { ...part('caption'), htmlFor: sliderId, textContent: line.caption,
        className: 'caption', style: { color: line.captionColour } });
    const slider = element('input', { ...part('slider'), type: 'range', id: sliderId, step: '1' });
    const level = element('b', { ...part('level'), className: 'col-level' });
    const points = element('span', { ...part('points'), className: 'col-points' });
    const percent = element('span', { ...part('percent'), className: 'col-percent' });
    const abilities = element(line.explained ? 'button' : 'p', { ...part('abilities'),
        className: `col-abilities abilities${line.explained ? ' explained' : ''}`,
        style: { color: line.abilitiesColour }, hidden: !line.showsAbilities });
    if (line.explained) abilities.type = 'button';
    // The hint a tooltip gives a mouse, spoken to a screen reader with the slider.
    const hint = element('span', { ...part('hint'), id: `hintLine${index}`, className: 'hint' });
    slider.setAttribute('aria-describedby', hint.id);
    const closedNote = element('span', { ...part('closed'), className: 'closed-note', hidden: true });

    slider.addEventListener('change', () => move(index, Number(slider.value)));
    slider.addEventListener('keydown', (event) => {
        // A page step is one level, as on the desktop's sliders.
        const step = { PageUp: 1, PageDown: -1 }[event.key];
        if (step === undefined || slider.disabled) return;
        event.preventDefault();
        slider.value = String(Number(slider.value) + step);
        move(index, Number(slider.value));
    });
    if (line.explained) abilities.addEventListener('click', () => explain(index, abilities));

    const node = element('div', { className: 'line' }, [
        element('div', { className: 'caption-cell' }, [caption, closedNote]),
        slider, level, points, percent, abilities, hint]);
    return { node, slider, level, points, percent, abilities, hint, closedNote };
}

function move(index, value) {
    planners.slide(index, value);
    afterChange();
}

function afterChange() {
    say('');
    render();
}

// Only what changed is written, so a move costs the page as little layout as it can.
function setText(node, text) {
    if (node.textContent !== text) node.textContent = text;
}

function setProperty(node, name, value) {
    if (node[name] !== value) node[name] = value;
}

function render() {
    const state = planners.state();
    setProperty($('cboLevel'), 'value', String(state.level));
    setText($('lblPointsLeft'), state.pointsLeft);
    setText($('lblTotalPoints'), state.totalPoints);
    $('fraStats').classList.toggle('disabled', !state.statsEnabled);
    state.lines.forEach((shown, index) => renderLine(rows[index], shown));
    renderTrainingPath();
    history.replaceState(null, '', `#${planners.planCode()}`);
}

function renderLine(row, shown) {
    const { slider } = row;
    setProperty(slider, 'min', String(shown.min));
    setProperty(slider, 'max', String(shown.max));
    setProperty(slider, 'value', String(shown.value));
    setProperty(slider, 'disabled', !shown.enabled);
    setText(row.level, shown.level);
    setText(row.points, shown.points);
    setText(row.percent, shown.percent);
    setText(row.abilities, shown.abilities);
    setProperty(row.abilities, 'title', shown.tooltip);
    setText(row.hint, shown.tooltip);
    // A closed line says why in words as well as by its greyed slider.
    setProperty(row.closedNote, 'hidden', shown.lineOpen);
    setText(row.closedNote, shown.lineOpen ? '' : shown.tooltip);
    row.node.classList.toggle('closed', !shown.lineOpen);
}

function explain(index, from) {
    const explanation = planners.explanation(index);
    if (!explanation) return;
    $('dlgExplanationTitle').textContent = explanation.title;
    $('dlgExplanationText').textContent = explanation.text;
    explainedFrom = from;
    $('dlgExplanation').showModal();
}

$('dlgExplanation').addEventListener('close', () => {
    if (explainedFrom?.isConnected) explainedFrom.focus();
    explainedFrom = null;
});

// ---- Training path ----------------------------------------------------

function buildTrainingPath(layout) {
    const priority = element('ol', { id: 'lstPriority', className: 'priority', 'aria-labelledby': 'lblPriority' });
    priority.addEventListener('click', (event) => {
        const button = event.target.closest('button[data-move]');
        if (button) movePriority(button.dataset.line, Number(button.dataset.move));
    });
    const body = element('tbody');
    const intro = element('p', { id: 'lblTrainingPathIntro', className: 'path-intro' });
    const section = element('details', { id: 'frmTrainingPath', className: 'training', open: trainingOpen }, [
        element('summary', {}, [element('h3', { id: 'lblTrainingPath', textContent: texts.trainingPath }),
            element('span', { className: 'summary-note',
                textContent: `what to train at every level from ${layout.lowestLevel} to this plan` })]),
        intro,
        element('div', { className: 'priority-panel' }, [
            element('h4', { id: 'lblPriority', textContent: texts.priority }),
            priority,
            element('div', { className: 'priority-side' }, [
                element('p', { className: 'priority-hint', textContent: texts.priorityHint }),
                element('button', { type: 'button', id: 'cmdCopyPathText', textContent: texts.copyAsText,
                    onclick: () => copy(planners.trainingPathText()) }),
            ]),
        ]),
        buildPathTable(layout, body),
    ]);
    section.addEventListener('toggle', () => {
        trainingOpen = section.open;
        renderTrainingPath();
    });
    training = { lines: new Map(layout.lines.map((line) => [line.stem, line])), section, priority, body, intro,
        lineCount: layout.lines.length };
    renderPriority();
    return section;
}

function buildPathTable(layout, body) {
    const headings = element('tr', {}, [
        element('th', { scope: 'col', textContent: texts.pathLevel }),
        ...layout.lines.map((line) => element('th', { scope: 'col', textContent: line.caption })),
        element('th', { scope: 'col', textContent: texts.pathPointsLeft }),
        element('th', { scope: 'col', className: 'path-abilities', textContent: texts.newAbilities }),
    ]);
    const table = element('table', { id: 'tblTrainingPath', className: 'path-table' }, [
        element('thead', {}, [headings]), body]);
    // Focusable, so that a keyboard alone can scroll a table wider than the screen.
    return element('div', { className: 'path-scroller', tabIndex: 0, role: 'region',
        'aria-labelledby': 'lblTrainingPath' }, [table]);
}

function renderPriority() {
    const order = planners.priority();
    training.priority.replaceChildren(...order.map((stem, place) => {
        const line = training.lines.get(stem);
        const mover = (offset, symbol, where) => element('button', { type: 'button', className: 'move',
            textContent: symbol, title: `Move ${line.caption} ${where}`, 'aria-label': `Move ${line.caption} ${where}`,
            disabled: place + offset < 0 || place + offset >= order.length,
            data: { line: stem, move: String(offset) } });
        return element('li', {}, [
            element('span', { className: 'priority-caption', textContent: line.caption,
                style: { color: line.captionColour } }),
            mover(-1, '\u2191', 'up'), mover(1, '\u2193', 'down')]);
    }));
}

// Swaps a line with its neighbour; the core decides whether the order is one.
function movePriority(stem, offset) {
    const order = planners.priority();
    const from = order.indexOf(stem);
    const to = from + offset;
    if (from < 0 || to < 0 || to >= order.length) return;
    [order[from], order[to]] = [order[to], order[from]];
    const fault = planners.setPriority(order);
    if (fault) {
        warn(fault);
        return;
    }
    renderPriority();
    renderTrainingPath();
    // Focus stays with the line, so that it can be walked several places at once.
    const buttons = (move) => training.priority.querySelector(
        `button[data-line="${CSS.escape(stem)}"][data-move="${move}"]`);
    const again = buttons(offset);
    (again.disabled ? buttons(-offset) : again).focus();
    say(`${training.lines.get(stem).caption} is number ${to + 1} of the priority.`);
}

// The path is worked out only while its section is open, so that a slider move
// stays cheap otherwise; a closed section holds no rows, never stale ones.
function renderTrainingPath() {
    const { body, section } = training;
    if (!section.open) {
        body.replaceChildren();
        return;
    }
    setText(training.intro, planners.trainingPathIntro());
    const steps = planners.trainingPath();
    while (body.rows.length > steps.length) body.lastElementChild.remove();
    while (body.rows.length < steps.length) body.append(pathRow());
    steps.forEach((step, index) => fillPathRow(body.rows[index], step));
}

function pathRow() {
    const cells = Array.from({ length: training.lineCount }, () => element('td'));
    return element('tr', {}, [element('th', { scope: 'row' }), ...cells,
        element('td', { className: 'path-left' }), element('td', { className: 'path-abilities' })]);
}

function fillPathRow(row, step) {
    const { cells } = row;
    setText(cells[0], String(step.level));
    step.lines.forEach((level, line) => {
        const cell = cells[1 + line];
        const rose = step.rose[line];
        setText(cell, rose ? `${texts.roseMarker} ${level}` : String(level));
        if (cell.classList.contains('rose') !== rose) cell.classList.toggle('rose', rose);
    });
    setText(cells[1 + training.lineCount], step.left);
    const abilities = cells[2 + training.lineCount];
    const shown = step.changed.map((changed) => changed.text);
    const key = shown.join('\n\n');
    if (abilities.shownKey === key) return;
    abilities.shownKey = key;
    abilities.replaceChildren(...shown.map((text) => element('div', { textContent: text })));
}

// ---- Sharing ----------------------------------------------------------

function linkToPlan() {
    const url = new URL(location.href);
    url.hash = planners.planCode();
    return url.href;
}

async function copy(text) {
    const box = $('txtCopy');
    try {
        await navigator.clipboard.writeText(text);
        box.hidden = true;
        say('Copied to the clipboard.');
    } catch {
        box.value = text;
        box.hidden = false;
        box.focus();
        box.select();
        say('The browser did not let the page copy. The text is selected: press Ctrl+C (or Command+C) to copy it.');
    }
}

async function paste() {
    try {
        applyPasted(await navigator.clipboard.readText());
    } catch {
        const box = $('frmPaste');
        box.hidden = false;
        $('txtPaste').value = '';
        $('txtPaste').focus();
        say('The browser did not let the page read the clipboard. Paste the code or link here, then press Apply.');
    }
}

function applyPasted(text) {
    showApplied(planners.applyPasted(text), `${texts.pastePlanCode}: `);
}

function showApplied(result, prefix = '') {
    if (!result.ok) {
        warn(prefix + result.reason);
        return;
    }
    warn(result.lowered ? prefix + result.lowered : '');
    say('');
    showCurrentPlanner();
}

// ---- Links --------------------------------------------------------------

function fragmentText() {
    const raw = location.hash.slice(1);
    try {
        return decodeURIComponent(raw);
    } catch {
        return raw;
    }
}

function applyFragment() {
    const text = fragmentText();
    if (text === '') return;
    if (planners.hasCurrent() && text === planners.planCode()) return;
    showApplied(planners.applyFragment(text));
}

fillShell();
// What the benchmark measures the page's start-up by.
performance.mark('vantrell-ready');
applyFragment();
window.addEventListener('hashchange', applyFragment);
document.documentElement.dataset.ready = 'true';
