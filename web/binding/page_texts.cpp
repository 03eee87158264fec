#include "web/binding/page_texts.h"

#include <string_view>
#include <utility>

#include "core/catalog/class_catalog.h"
#include "core/catalog/records.h"
#include "core/planner/training_path_text.h"
#include "core/texts/captions.h"
#include "core/planner/document_limits.h"
#include "core/planner/table_rendering.h"
#include "core/texts/composed.h"
#include "core/texts/library_texts.h"
#include "core/texts/shell_texts.h"
#include "core/texts/translation.h"
#include "core/texts/web_texts.h"
#include "web/binding/values.h"

#include <emscripten/val.h>

namespace vantrell::web {

using emscripten::val;

val Realms() {
    val names = val::array();
    for (catalog::Realm realm : catalog::kRealms) names.call<void>("push", Text(catalog::RealmName(realm)));
    return names;
}

val ClassesOf(const std::string& realmName) {
    val names = val::array();
    if (const auto realm = catalog::RealmNamed(realmName)) {
        for (const catalog::ClassDefinition* definition : catalog::ClassCatalog::ClassesOf(*realm)) {
            names.call<void>("push", Text(definition->listName));
        }
    }
    return names;
}

val Texts() {
    namespace shell = texts::shell;
    namespace window = texts::captions;
    namespace page = texts::web;
    val all = val::object();
    const std::pair<const char*, std::string_view> entries[] = {
        {"programName", shell::kProgramName},
        {"pageDescription", page::kPageDescription},
        {"coreFailedLead", page::kCoreFailedLead},
        {"maintainer", shell::kMaintainer},
        {"byLinePrefix", shell::kByLinePrefix},
        {"contactAddress", shell::kContactAddress},
        {"aboutTitle", shell::kAboutTitle},
        {"introInfo", shell::kIntroInfo},
        {"introInstructions", shell::kIntroInstructions},
        {"questions", shell::kQuestions},
        {"selectRealm", shell::kSelectRealm},
        {"selectClass", shell::kSelectClass},
        {"level", window::kLevel},
        {"pointsLeft", window::kPointsLeft},
        {"skillsAvailable", window::kSkillsAvailable},
        {"clickForExplanation", window::kClickForExplanation},
        {"specializationLevel", window::kSpecializationLevel},
        {"pointsUsed", window::kPointsUsed},
        {"percent", window::kPercent},
        {"copyPlanAsText", window::kCopyPlanAsText},
        {"copyPlanCode", window::kCopyPlanCode},
        {"pastePlanCode", window::kPastePlanCode},
        {"copyLink", window::kCopyLink},
        {"copyAsMarkdown", window::kCopyAsMarkdown},
        {"copyAsBbcode", window::kCopyAsBbcode},
        {"copyAsImage", window::kCopyAsImage},
        {"downloadImage", page::kDownloadImage},
        {"imageFileName", page::kImageFileName},
        {"trainingPath", window::kTrainingPath},
        {"priority", window::kPriority},
        {"priorityHint", window::kPriorityHint},
        {"pathLevel", window::kPathLevel},
        {"pathPointsLeft", window::kPathPointsLeft},
        {"newAbilities", window::kNewAbilities},
        {"copyAsText", window::kCopyAsText},
        {"classes", page::kClasses},
        {"about", page::kAbout},
        {"ok", page::kOk},
        {"apply", page::kApply},
        {"textToCopy", page::kTextToCopy},
        {"copied", page::kCopied},
        {"copyRefused", page::kCopyRefused},
        {"pasteRefused", page::kPasteRefused},
        {"moveUpSymbol", page::kMoveUpSymbol},
        {"moveDownSymbol", page::kMoveDownSymbol},
        {"undo", page::kUndo},
        {"redo", page::kRedo},
        {"savePlan", page::kSavePlan},
        {"planName", page::kPlanName},
        {"planNote", page::kPlanNote},
        {"editNote", page::kEditNote},
        {"editNoteTitle", page::kEditNoteTitle},
        {"save", page::kSave},
        {"cancel", page::kCancel},
        {"replace", page::kReplace},
        {"plans", page::kPlans},
        {"noPlans", page::kNoPlans},
        {"openPlan", page::kOpenPlan},
        {"renamePlan", page::kRenamePlan},
        {"deletePlan", page::kDeletePlan},
        {"importPlans", page::kImportPlans},
        {"exportPlans", page::kExportPlans},
        {"plansFileName", page::kPlansFileName},
        {"unknownClass", page::kUnknownClass},
        {"plansNotStored", page::kPlansNotStored},
        {"plansChangedElsewhere", page::kPlansChangedElsewhere},
        {"saved", page::kSaved},
        {"compare", window::kCompareTitle},
        {"compareNote", page::kCompareNote},
        {"compareSavedPlan", page::kCompareSavedPlan},
        {"comparedPlanGone", page::kComparedPlanGone},
        {"compareNoSavedPlan", page::kCompareNoSavedPlan},
        {"compareCode", page::kCompareCode},
        {"chooseOtherPlan", window::kChooseOtherPlan},
        {"swap", page::kSwap},
        {"compareLine", window::kComparedLine},
        {"planALevel", window::kPlanALevel},
        {"planAPoints", window::kPlanAPoints},
        {"planAAbilities", window::kPlanAAbilities},
        {"planBLevel", window::kPlanBLevel},
        {"planBPoints", window::kPlanBPoints},
        {"planBAbilities", window::kPlanBAbilities},
        {"comparedCharacterLevel", window::kComparedCharacterLevel},
        {"completeFromCaption", window::kComparedCompleteFrom},
        {"differsMarker", window::kComparedDiffersMarker},
        {"differs", window::kDiffersHeading},
        {"language", page::kLanguage},
        {"pasteLead", page::kPasteLead},
    };
    for (const auto& [key, text] : entries) all.set(key, Text(text));
    all.set("versionCaption", texts::VersionCaption());
    all.set("aboutText", texts::AboutText());
    all.set("contactHref", texts::ContactHref());
    all.set("trainingPathNote", planner::TrainingPathNote());
    all.set("titleColour", planner::HexColour(catalog::colour::kBlue));
    all.set("titleColourDark", DarkCssColour(catalog::colour::kBlue));
    return all;
}

std::string ReplacePlanQuestion(const std::string& name) { return texts::ReplacePlanQuestion(name); }
std::string DeletePlanQuestion(const std::string& name) { return texts::DeletePlanQuestion(name); }
std::string UnreadablePlansNote(const std::string& reason, const std::string& keptUnder) {
    return texts::UnreadableStoredPlansNote(reason, keptUnder);
}

std::string UnreadablePlansLeftNote(const std::string& reason) {
    return texts::library::UnreadableStoredPlansLeftNote(reason);
}

emscripten::val ImportLimit() {
    emscripten::val limit = emscripten::val::object();
    limit.set("bytes", static_cast<double>(planner::kLargestDocument));
    limit.set("reason", texts::library::TooLargeFile());
    return limit;
}

val Languages() {
    val all = val::array();
    for (const texts::Language& language : texts::Languages()) {
        val entry = val::object();
        entry.set("code", language.code);
        entry.set("name", language.name);
        all.call<void>("push", entry);
    }
    return all;
}

std::string LanguageFor(const val& wanted) {
    return texts::LanguageFor(emscripten::vecFromJSArray<std::string>(wanted));
}

bool UseLanguage(const std::string& code) { return texts::UseLanguage(code); }

std::string DocumentLanguage() { return std::string(texts::DocumentLanguage()); }

}  // namespace vantrell::web
