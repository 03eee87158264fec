#pragma once

#include <string_view>

#include "core/texts/translation.h"

// The fixed captions of a planner window and its sharing commands, without
// Qt, so every front end shows the same words.
namespace vantrell::texts::captions {

inline constexpr Text kLevel = Text("Level:");
inline constexpr Text kPointsLeft = Text("Points Left:");
inline constexpr Text kSkillsAvailable = Text("Skills Available");
inline constexpr Text kClickForExplanation = Text("(Click for an explanation)");
inline constexpr Text kSpecializationLevel = Text("Specialization Level");
inline constexpr Text kPointsUsed = Text("Pts Used");
inline constexpr std::string_view kPercent = "%";

inline constexpr Text kCopyPlanAsText = Text("Copy Plan as Text");
inline constexpr Text kCopyPlanCode = Text("Copy Plan Code");
inline constexpr Text kPastePlanCode = Text("Paste Plan Code");
// Copies the published page's address with the plan, so the link opens anywhere.
inline constexpr Text kCopyLink = Text("Copy Link");
// A dialog's button whose menu offers the forms below.
inline constexpr Text kCopyAs = Text("Copy &As");
inline constexpr Text kCopyAsMarkdown = Text("Copy as Markdown");
inline constexpr Text kCopyAsBbcode = Text("Copy as BBCode");
inline constexpr Text kCopyAsImage = Text("Copy as Image");
inline constexpr Text kSaveAsImage = Text("Save as Image\u2026");
inline constexpr Text kPrint = Text("Print\u2026");
inline constexpr Text kExportPdf = Text("Export PDF\u2026");
inline constexpr Text kImageFiles = Text("PNG image (*.png);;SVG image (*.svg)");
inline constexpr Text kPdfFiles = Text("PDF document (*.pdf)");
inline constexpr Text kCouldNotSave = Text("The file could not be written: ");

inline constexpr Text kTrainingPath = Text("Training Path");
// The menu command that opens the training path; the ellipsis says a window follows.
inline constexpr Text kTrainingPathCommand = Text("Training Path\u2026");
inline constexpr Text kTrainingPathTable = Text("Training path");
inline constexpr Text kPriority = Text("Priority");
inline constexpr Text kPriorityHint = Text("Each level's points go to the lines at the top first.");
inline constexpr Text kPathLevel = Text("Level");
inline constexpr Text kPathPointsLeft = Text("Points Left");
inline constexpr Text kNewAbilities = Text("New Abilities");
inline constexpr Text kCopyAsText = Text("Copy as Text");
// Marks a level at which a line rose, beside the bold type that says the same.
inline constexpr std::string_view kRoseMarker = "\u25B2";
// The same mark in a plain-text table, one byte wide so that monospaced columns stay aligned.
inline constexpr char kPlainRoseMarker = '*';

// The window's comparison of its plan (A) with another plan of the class (B).
inline constexpr Text kCompareCommand = Text("Compare With\u2026");
inline constexpr Text kCompareTitle = Text("Compare");
inline constexpr Text kComparisonTable = Text("Comparison");
inline constexpr Text kComparedLine = Text("Line");
inline constexpr Text kPlanALevel = Text("A Level");
inline constexpr Text kPlanAPoints = Text("A Points");
inline constexpr Text kPlanAAbilities = Text("A Abilities");
inline constexpr Text kPlanBLevel = Text("B Level");
inline constexpr Text kPlanBPoints = Text("B Points");
inline constexpr Text kPlanBAbilities = Text("B Abilities");
inline constexpr Text kComparedCharacterLevel = Text("Character Level");
inline constexpr Text kComparedCompleteFrom = Text("Complete from level");
inline constexpr Text kChooseOtherPlan = Text("Pick a saved plan or paste a plan code or link as plan B.");
// Heads the column of markers; read aloud where the marker alone would be a bare symbol.
inline constexpr Text kDiffersHeading = Text("Differs");
// Marks a row whose two plans differ, beside the bold type that says the same.
inline constexpr std::string_view kComparedDiffersMarker = "\u2260";

}  // namespace vantrell::texts::captions
