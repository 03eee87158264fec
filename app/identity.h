#pragma once

#include <QString>

#include "app/shell_texts.h"
#include "planner/window/qt_text.h"

// Who the program is and how to reach its maintainers.
namespace vantrell::app::identity {

inline const QString kProgramName = window::ToQString(texts::kProgramName);
inline const QString kVersionCaption = QStringLiteral("Version 1.3.17");
inline const QString kMaintainer = window::ToQString(texts::kMaintainer);
inline const QString kContactAddress = window::ToQString(texts::kContactAddress);
inline const QString kContactLink = QStringLiteral("MailTo:") + kContactAddress + QStringLiteral("?subject=") +
                                    window::ToQString(texts::kContactSubject);
inline const QString kAboutTitle = window::ToQString(texts::kAboutTitle);
inline const QString kAboutText = window::ToQString(texts::kAboutTextLead) + kContactAddress + QStringLiteral(".");

}  // namespace vantrell::app::identity
