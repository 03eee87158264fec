#include "desktop/shell/language_choice.h"

#include <QLocale>
#include <QSettings>
#include <vector>

#include "core/texts/translation.h"

namespace vantrell::shell {
namespace {

constexpr auto kLanguageKey = "language";

QSettings Settings() { return QSettings(QSettings::IniFormat, QSettings::UserScope, "Vantrell", "vantrell"); }

}  // namespace

std::string StartLanguage() {
    std::vector<std::string> wanted;
    const QString chosen = Settings().value(kLanguageKey).toString();
    if (!chosen.isEmpty()) wanted.push_back(chosen.toStdString());
    for (const QString& language : QLocale::system().uiLanguages()) wanted.push_back(language.toStdString());
    return texts::LanguageFor(wanted);
}

void RememberLanguage(const std::string& code) { Settings().setValue(kLanguageKey, QString::fromStdString(code)); }

}  // namespace vantrell::shell
