#include "desktop/shell/language_choice.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>
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

void ApplyLanguage(const std::string& code) {
    texts::UseLanguage(code);
    static QTranslator qtTexts;
    QCoreApplication::removeTranslator(&qtTexts);
    // English is Qt's own; the pseudo-language has no Qt catalog and shows what bypasses the program's.
    const std::string_view inUse = texts::LanguageInUse();
    if (inUse == texts::kSourceLanguage || inUse == texts::kPseudoLanguage) return;
    if (qtTexts.load(QLocale(QString::fromUtf8(inUse.data(), static_cast<qsizetype>(inUse.size()))), "qtbase", "_",
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qtTexts);
    }
}

}  // namespace vantrell::shell
