#pragma once

#include <QString>

#include "core/texts/composed.h"
#include "core/texts/shell_texts.h"
#include "desktop/toolkit/qt_text.h"

// Who the program is and how to reach its maintainers, as the desktop shows it in the language in use.
namespace vantrell::shell::identity {

inline QString ProgramName() { return toolkit::ToQString(texts::shell::kProgramName); }
inline QString VersionCaption() { return QString::fromStdString(texts::VersionCaption()); }
inline QString Maintainer() { return toolkit::ToQString(texts::shell::kMaintainer); }
inline QString ContactAddress() { return toolkit::ToQString(texts::shell::kContactAddress); }
inline QString ContactLink() { return QString::fromStdString(texts::ContactLink()); }
inline QString AboutTitle() { return toolkit::ToQString(texts::shell::kAboutTitle); }
inline QString AboutText() { return QString::fromStdString(texts::AboutText()); }

}  // namespace vantrell::shell::identity
