#pragma once

#include <QString>

#include "core/texts/shell_texts.h"
#include "desktop/toolkit/qt_text.h"
#include "vantrell_version.h"

// Who the program is and how to reach its maintainers.
namespace vantrell::app::identity {

inline const QString kProgramName = toolkit::ToQString(texts::shell::kProgramName);
inline const QString kVersionCaption = QStringLiteral("Version ") + toolkit::ToQString(kVersion);
inline const QString kMaintainer = toolkit::ToQString(texts::shell::kMaintainer);
inline const QString kContactAddress = toolkit::ToQString(texts::shell::kContactAddress);
inline const QString kContactLink = QStringLiteral("MailTo:") + kContactAddress + QStringLiteral("?subject=") +
                                    toolkit::ToQString(texts::shell::kContactSubject);
inline const QString kAboutTitle = toolkit::ToQString(texts::shell::kAboutTitle);
inline const QString kAboutText = toolkit::ToQString(texts::shell::kAboutTextLead) + kContactAddress + QStringLiteral(".");

}  // namespace vantrell::app::identity
