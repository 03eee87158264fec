#pragma once

#include <QString>

#include "toolkit/qt_text.h"
#include "vantrell_version.h"

// Who the program is and how to reach its maintainers.
namespace vantrell::app::identity {

inline const QString kProgramName = QStringLiteral("Vantrell");
inline const QString kVersionCaption = QStringLiteral("Version ") + toolkit::ToQString(kVersion);
inline const QString kMaintainer = QStringLiteral("the Vantrell maintainers");
inline const QString kContactAddress = QStringLiteral("vantrell@example.org");
inline const QString kContactLink =
    QStringLiteral("MailTo:") + kContactAddress + QStringLiteral("?subject=Regarding Vantrell program");
inline const QString kAboutTitle = QStringLiteral("About Vantrell");
inline const QString kAboutText =
    QStringLiteral(
        "Vantrell was first thought of by a player of Ostrand who wanted to see where a character could go before "
        "walking the road, and was later handed on to the Vantrell maintainers, who play the character Wrenna "
        "Ashvale in the game. Please send your recommendations, and reports of any faults you find, by e-mail to ") +
    kContactAddress + QStringLiteral(".");

}  // namespace vantrell::app::identity
