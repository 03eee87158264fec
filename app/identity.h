#pragma once

#include <QString>

#include "app/shell_texts.h"
#include "toolkit/qt_text.h"
#include "vantrell_version.h"

// Who the program is and how to reach its maintainers.
namespace vantrell::app::identity {

inline const QString kProgramName = toolkit::ToQString(texts::kProgramName);
inline const QString kVersionCaption = QStringLiteral("Version ") + toolkit::ToQString(kVersion);
inline const QString kMaintainer = toolkit::ToQString(texts::kMaintainer);
inline const QString kContactAddress = toolkit::ToQString(texts::kContactAddress);
inline const QString kContactLink = QStringLiteral("MailTo:") + kContactAddress + QStringLiteral("?subject=") +
                                    toolkit::ToQString(texts::kContactSubject);
inline const QString kAboutTitle = toolkit::ToQString(texts::kAboutTitle);
inline const QString kAboutText = toolkit::ToQString(texts::kAboutTextLead) + kContactAddress + QStringLiteral(".");

}  // namespace vantrell::app::identity
