#pragma once

#include <string_view>

// The fixed captions of a planner window and its sharing commands, without
// Qt, so every front end shows the same words.
namespace vantrell::texts::captions {

inline constexpr std::string_view kLevel = "Level:";
inline constexpr std::string_view kPointsLeft = "Points Left:";
inline constexpr std::string_view kSkillsAvailable = "Skills Available";
inline constexpr std::string_view kClickForExplanation = "(Click for an explanation)";
inline constexpr std::string_view kSpecializationLevel = "Specialization Level";
inline constexpr std::string_view kPointsUsed = "Pts Used";
inline constexpr std::string_view kPercent = "%";

inline constexpr std::string_view kCopyPlanAsText = "Copy Plan as Text";
inline constexpr std::string_view kCopyPlanCode = "Copy Plan Code";
inline constexpr std::string_view kPastePlanCode = "Paste Plan Code";
// Copies the published page's address with the plan, so the link opens anywhere.
inline constexpr std::string_view kCopyLink = "Copy Link";
// A dialog's button whose menu offers the forms below.
inline constexpr std::string_view kCopyAs = "Copy &As";
inline constexpr std::string_view kCopyAsMarkdown = "Copy as Markdown";
inline constexpr std::string_view kCopyAsBbcode = "Copy as BBCode";
inline constexpr std::string_view kCopyAsImage = "Copy as Image";
inline constexpr std::string_view kSaveAsImage = "Save as Image\u2026";
inline constexpr std::string_view kPrint = "Print\u2026";
inline constexpr std::string_view kExportPdf = "Export PDF\u2026";
inline constexpr std::string_view kImageFiles = "PNG image (*.png);;SVG image (*.svg)";
inline constexpr std::string_view kPdfFiles = "PDF document (*.pdf)";
inline constexpr std::string_view kCouldNotSave = "The file could not be written: ";

inline constexpr std::string_view kTrainingPath = "Training Path";
// The menu command that opens the training path; the ellipsis says a window follows.
inline constexpr std::string_view kTrainingPathCommand = "Training Path\u2026";
inline constexpr std::string_view kTrainingPathTable = "Training path";
inline constexpr std::string_view kPriority = "Priority";
inline constexpr std::string_view kPriorityHint = "Each level's points go to the lines at the top first.";
inline constexpr std::string_view kPathLevel = "Level";
inline constexpr std::string_view kPathPointsLeft = "Points Left";
inline constexpr std::string_view kNewAbilities = "New Abilities";
inline constexpr std::string_view kCopyAsText = "Copy as Text";
// Marks a level at which a line rose, beside the bold type that says the same.
inline constexpr std::string_view kRoseMarker = "\u25B2";
// The same mark in a plain-text table, one byte wide so that monospaced columns stay aligned.
inline constexpr char kPlainRoseMarker = '*';

// The window's comparison of its plan (A) with another plan of the class (B).
inline constexpr std::string_view kCompareCommand = "Compare With\u2026";
inline constexpr std::string_view kCompareTitle = "Compare";
inline constexpr std::string_view kComparisonTable = "Comparison";
inline constexpr std::string_view kComparedLine = "Line";
inline constexpr std::string_view kPlanALevel = "A Level";
inline constexpr std::string_view kPlanAPoints = "A Points";
inline constexpr std::string_view kPlanAAbilities = "A Abilities";
inline constexpr std::string_view kPlanBLevel = "B Level";
inline constexpr std::string_view kPlanBPoints = "B Points";
inline constexpr std::string_view kPlanBAbilities = "B Abilities";
inline constexpr std::string_view kComparedCharacterLevel = "Character Level";
inline constexpr std::string_view kComparedCompleteFrom = "Complete from level";
inline constexpr std::string_view kChooseOtherPlan = "Pick a saved plan or paste a plan code or link as plan B.";
// Heads the column of markers; read aloud where the marker alone would be a bare symbol.
inline constexpr std::string_view kDiffersHeading = "Differs";
// Marks a row whose two plans differ, beside the bold type that says the same.
inline constexpr std::string_view kComparedDiffersMarker = "\u2260";

}  // namespace vantrell::texts::captions
