// @ts-check
// What the core hands the page, in the shapes its binding makes. The page has
// no rule and no text of its own, so these are all it knows of a plan.

/**
 * One line of a class as laid out; it never changes while the class is on screen.
 * @typedef {object} LineLayout
 * @property {string} stem the line's name in plan codes and in the page's test contract
 * @property {string} caption
 * @property {string} captionColour
 * @property {string} captionColourDark
 * @property {string} abilitiesColour
 * @property {string} abilitiesColourDark
 * @property {boolean} showsAbilities
 * @property {boolean} explained whether its abilities text opens an explanation
 */

/**
 * @typedef {object} Layout
 * @property {string} listName
 * @property {string} realm
 * @property {string} title
 * @property {string} pointsPerLevelCaption
 * @property {string} pointsPerLevelText
 * @property {number} lowestLevel
 * @property {number} highestLevel
 * @property {LineLayout[]} lines
 */

/**
 * What one line's controls show now.
 * @typedef {object} LineState
 * @property {number} value
 * @property {number} min
 * @property {number} max
 * @property {boolean} enabled
 * @property {boolean} lineOpen
 * @property {string} level
 * @property {string} points
 * @property {string} percent
 * @property {string} abilities
 * @property {string} tooltip
 */

/**
 * @typedef {object} PlannerState
 * @property {number} level
 * @property {string} total
 * @property {string} left the points left
 * @property {boolean} statsEnabled
 * @property {LineState[]} lines
 */

/**
 * @typedef {object} Explanation
 * @property {string} title
 * @property {string} text its lines joined by "\n"
 */

/**
 * A code applied: why it was refused, or which lines the rules kept lower ('' for none).
 * @typedef {{ ok: false, reason: string } | { ok: true, lowered: string }} Applied
 */

/**
 * One line of the training priority, first trained first.
 * @typedef {object} PriorityEntry
 * @property {string} stem
 * @property {string} caption
 * @property {string} captionColour
 * @property {string} captionColourDark
 * @property {string} moveUpLabel
 * @property {string} moveDownLabel
 * @property {boolean} canMoveUp
 * @property {boolean} canMoveDown
 */

/**
 * @typedef {object} Moved
 * @property {number} place the line's new place, 0 first
 * @property {string} announcement
 */

/**
 * One character level of the training path: each line's cell text, which
 * carries the rose marker, and whether the line rose, in screen order.
 * @typedef {object} PathRow
 * @property {number} level
 * @property {string[]} cells
 * @property {boolean[]} rose
 * @property {string} left
 * @property {{ stem: string, text: string }[]} changed
 */

/**
 * @typedef {object} TrainingPath
 * @property {string} intro
 * @property {PathRow[]} rows
 */

/**
 * What Copy Link copies: the page's own address where a server delivered it,
 * else the published home, else the page's file, which opens only here.
 * @typedef {object} SharedLink
 * @property {string} link
 * @property {boolean} localOnly
 * @property {string} note what to tell the user of a local-only link, '' otherwise
 */

/**
 * A saved plan as the Plans list shows it; `class` and `level` are null where they cannot be read.
 * @typedef {object} SavedPlan
 * @property {string} name
 * @property {string | null} class
 * @property {number | null} level
 * @property {string} code
 * @property {boolean} usable
 * @property {string} [reason] why it cannot be opened, only when it cannot
 * @property {string | null} note the user's note on the plan, null when there is none
 */

/**
 * @typedef {object} Imported
 * @property {boolean} ok
 * @property {string} reason why the document is no library, '' when it is
 * @property {number} plans
 * @property {number} unusable
 * @property {string} note what to tell the user
 */

/**
 * One line of one plan in a comparison.
 * @typedef {object} ComparedSide
 * @property {number} level
 * @property {number} points
 * @property {string} abilities
 */

/**
 * Two plans side by side, or why they cannot be; `a` and `b` are the first and
 * second columns, which `headings` name, `lowered` says which of B's lines the
 * rules kept lower ('' for none), `text` is the core's plain-text table.
 * @typedef {{ level: number, total: number, left: number, completeFrom: number }} ComparedPlan
 * @typedef {{ ok: true, a: ComparedPlan, b: ComparedPlan, headings: string[], lowered: string, text: string,
 *     lines: { stem: string, caption: string, a: ComparedSide, b: ComparedSide, differs: boolean }[] }} Compared
 * @typedef {Compared | { ok: false, reason: string }} Comparison
 */

/**
 * The planners the page has opened, the one on screen and the priorities.
 * @typedef {object} Session
 * @property {(listName: string) => boolean} open
 * @property {() => boolean} hasCurrent
 * @property {() => Layout} layout
 * @property {() => PlannerState} state
 * @property {(level: number) => boolean} pickLevel
 * @property {(line: number, value: number) => boolean} slide
 * @property {() => boolean} undo
 * @property {() => boolean} redo
 * @property {() => { undo: number, redo: number }} history
 * @property {() => string} proposedPlanName
 * @property {(name: string) => boolean} hasPlan
 * @property {(name: string) => string} savePlan the reason the name is refused, '' once saved
 * @property {(name: string, note: string) => string} savePlanWithNote likewise with its note
 * @property {() => string} proposedPlanNote the note of the saved plan last opened or saved in the planner on screen
 * @property {(name: string, note: string) => string} setPlanNote the reason the note is refused, '' once kept
 * @property {(name: string) => string} savedPlanNote the saved plan's note, '' for none
 * @property {(name: string, newName: string) => string} renamePlan
 * @property {(name: string) => string} deletePlan
 * @property {() => SavedPlan[]} plans
 * @property {() => number} planCount
 * @property {(first: number, count: number) => SavedPlan[]} plansFrom at most `count` plans from place `first` on
 * @property {(name: string) => Applied} loadPlan
 * @property {(document: string | Uint8Array) => { ok: boolean, reason: string }} readLibrary the stored document becomes the
 *     library with this session's unstored changes made again on it; one that cannot be read changes nothing
 * @property {() => string} writeLibrary
 * @property {() => void} libraryWritten the storage holds what writeLibrary gave: the changes kept till now are let go
 * @property {() => string} unwrittenPlansNote names the plans the storage does not hold, '' when it holds them all
 * @property {(document: string | Uint8Array) => Imported} importLibrary a file's text or, sooner, its bytes
 * @property {(line: number) => Explanation | null} explanation
 * @property {() => string} planCode
 * @property {() => string} planText
 * @property {(format: 'markdown' | 'bbcode' | 'html' | 'svg') => string} planInFormat
 * @property {(pageAddress: string, home: string) => SharedLink} linkFor
 * @property {(fragment: string) => Applied} applyFragment
 * @property {(pasted: string) => Applied} applyPasted
 * @property {() => string[]} priority
 * @property {() => PriorityEntry[]} priorityList
 * @property {(stems: string[]) => string} setPriority
 * @property {(place: number, offset: number) => Moved | null} movePriority
 * @property {() => TrainingPath} trainingPath
 * @property {() => string} trainingPathText
 * @property {(format: string) => string} trainingPathInFormat
 * @property {() => string} planNote the note of the saved plan on screen while the plan is as saved, else ''
 * @property {(codeOrLink: string, swapped: boolean, format: string) => string} comparisonInFormat
 * @property {(codeOrLink: string, swapped: boolean) => Comparison} compare
 * @property {() => string} completeFrom the line that says from which character level the plan is whole
 * @property {() => { name: string, code: string }[]} comparablePlans
 * @property {() => void} delete
 */

/**
 * @typedef {object} Core
 * @property {() => string[]} realms
 * @property {(realm: string) => string[]} classesOf
 * @property {() => import('./texts-types.js').Texts} texts
 * @property {() => { code: string, name: string }[]} languages English first
 * @property {(wanted: string[]) => string} languageFor the first wanted language the page has, 'en' when none
 * @property {(code: string) => boolean} useLanguage every text from now on is in that language
 * @property {() => string} documentLanguage what `<html lang>` says of the language in use
 * @property {(name: string) => string} replacePlanQuestion
 * @property {(name: string) => string} deletePlanQuestion
 * @property {(reason: string, keptUnder: string) => string} unreadablePlansNote
 * @property {(reason: string) => string} unreadablePlansLeftNote for a document no copy of which could be made
 * @property {() => { bytes: number, reason: string }} importLimit a larger file is refused unread, with the reason
 * @property {new () => Session} Session
 */

export {};
