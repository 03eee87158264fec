// @ts-check
// The texts the core gives the page: the page writes no sentence of its own.

/**
 * Every text the page shows, the contact link and the title's colour.
 * @typedef {object} Texts
 * @property {string} programName
 * @property {string} pageDescription what the page's description says of it: English in the file, the language in use once open
 * @property {string} coreFailedLead what goes before the reason the core could not start, written in for every language when the page is built
 * @property {string} maintainer
 * @property {string} byLinePrefix
 * @property {string} contactAddress
 * @property {string} contactHref the whole mailto link, its subject encoded
 * @property {string} aboutTitle
 * @property {string} aboutText
 * @property {string} versionCaption
 * @property {string} introInfo
 * @property {string} introInstructions
 * @property {string} questions
 * @property {string} selectRealm
 * @property {string} selectClass
 * @property {string} classes the selector's name for a screen reader
 * @property {string} about
 * @property {string} ok
 * @property {string} level
 * @property {string} pointsLeft
 * @property {string} skillsAvailable
 * @property {string} clickForExplanation
 * @property {string} specializationLevel
 * @property {string} pointsUsed
 * @property {string} percent
 * @property {string} copyPlanAsText
 * @property {string} copyPlanCode
 * @property {string} copyLink
 * @property {string} copyAsMarkdown
 * @property {string} copyAsBbcode
 * @property {string} copyAsImage
 * @property {string} downloadImage
 * @property {string} imageFileName
 * @property {string} pastePlanCode
 * @property {string} pasteLead what goes before a pasted code's fault
 * @property {string} trainingPathNote the note beside the Training Path heading
 * @property {string} apply
 * @property {string} textToCopy
 * @property {string} copied
 * @property {string} copyRefused
 * @property {string} pasteRefused
 * @property {string} trainingPath
 * @property {string} priority
 * @property {string} priorityHint
 * @property {string} pathLevel
 * @property {string} pathPointsLeft
 * @property {string} newAbilities
 * @property {string} copyAsText
 * @property {string} moveUpSymbol
 * @property {string} moveDownSymbol
 * @property {string} undo
 * @property {string} redo
 * @property {string} savePlan
 * @property {string} planName
 * @property {string} planNote
 * @property {string} editNote
 * @property {string} editNoteTitle
 * @property {string} save
 * @property {string} cancel
 * @property {string} replace
 * @property {string} plans
 * @property {string} noPlans
 * @property {string} openPlan
 * @property {string} renamePlan
 * @property {string} deletePlan
 * @property {string} importPlans
 * @property {string} exportPlans
 * @property {string} plansFileName what Export names its download
 * @property {string} unknownClass
 * @property {string} plansNotStored
 * @property {string} plansChangedElsewhere
 * @property {string} saved
 * @property {string} compare
 * @property {string} compareNote
 * @property {string} compareSavedPlan
 * @property {string} comparedPlanGone
 * @property {string} compareNoSavedPlan
 * @property {string} compareCode
 * @property {string} swap
 * @property {string} language labels the choice of the page's language
 * @property {string} chooseOtherPlan what the Compare section asks for until it has plan B
 * @property {string} compareLine
 * @property {string} planALevel
 * @property {string} planAPoints
 * @property {string} planAAbilities
 * @property {string} planBLevel
 * @property {string} planBPoints
 * @property {string} planBAbilities
 * @property {string} comparedCharacterLevel
 * @property {string} completeFromCaption
 * @property {string} differsMarker marks a row whose plans differ
 * @property {string} differs what a screen reader says of such a row
 * @property {string} titleColour a CSS colour
 * @property {string} titleColourDark the title's colour in a dark scheme
 */

export {};
