#pragma once

#include <optional>

#include "desktop/shell/shell_seams.h"

namespace vantrell::shell {

// Save Plan's dialog: the plan's name on one line, the user's note on it below.
std::optional<PlanDraft> AskPlanDraft(QWidget* parent, const QString& title, const PlanDraft& proposal);

}  // namespace vantrell::shell
