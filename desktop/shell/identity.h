#pragma once

#include <QString>

#include "core/texts/composed.h"
#include "core/texts/shell_texts.h"
#include "desktop/toolkit/qt_text.h"

// Who the program is and how to reach its maintainers, as the desktop shows it.
namespace vantrell::shell::identity {

inline const QString kProgramName = toolkit::ToQString(texts::shell::kProgramName);
inline const QString kVersionCaption = QString::fromStdString(texts::VersionCaption());
inline const QString kMaintainer = toolkit::ToQString(texts::shell::kMaintainer);
inline const QString kContactAddress = toolkit::ToQString(texts::shell::kContactAddress);
inline const QString kContactLink = QString::fromStdString(texts::ContactLink());
inline const QString kAboutTitle = toolkit::ToQString(texts::shell::kAboutTitle);
inline const QString kAboutText = QString::fromStdString(texts::AboutText());

}  // namespace vantrell::shell::identity
