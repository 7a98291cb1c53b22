#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

#include <memory>

namespace tk {

namespace {

Language currentLanguage = Language::German;

// The translators installed for the current language.
std::unique_ptr<QTranslator>& programTranslator()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}
std::unique_ptr<QTranslator>& qtTranslator()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

void uninstall(std::unique_ptr<QTranslator>& translator)
{
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

// Loads and installs a translation; false when the file is missing or empty.
bool installTranslation(std::unique_ptr<QTranslator>& slot, const QString& name, const QString& folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, folder) || translator->isEmpty())
        return false;
    if (!QCoreApplication::installTranslator(translator.get()))
        return false;
    slot = std::move(translator);
    return true;
}

// The stored choice lives in the program's own settings file
// (~/.config/werkstoffpruefung/werkstoffpruefung.conf).
QSettings languageSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("werkstoffpruefung"),
                     QStringLiteral("werkstoffpruefung"));
}

const QString languageKey = QStringLiteral("language");

}

QString languageCode(Language language)
{
    return language == Language::German ? QStringLiteral("de") : QStringLiteral("en");
}

std::optional<Language> languageOfCode(const QString& code)
{
    const QString c = code.trimmed().toLower();
    if (c == QLatin1String("de"))
        return Language::German;
    if (c == QLatin1String("en"))
        return Language::English;
    return std::nullopt;
}

Language languageOfLocale(const QString& localeName)
{
    const QString name = localeName.trimmed().toLower();
    const bool german = name == QLatin1String("de") || name.startsWith(QLatin1String("de_"))
                     || name.startsWith(QLatin1String("de-")) || name.startsWith(QLatin1String("de."))
                     || name.startsWith(QLatin1String("de@"));
    return german ? Language::German : Language::English;
}

Language chooseLanguage(const QString& commandLineCode, const QString& storedCode, const QString& systemLocale)
{
    if (const auto language = languageOfCode(commandLineCode))
        return *language;
    if (const auto language = languageOfCode(storedCode))
        return *language;
    return languageOfLocale(systemLocale);
}

QLocale localeOf(Language language)
{
    return language == Language::German ? QLocale(QLocale::German, QLocale::Germany)
                                        : QLocale(QLocale::English, QLocale::UnitedStates);
}

bool setInterfaceLanguage(Language language, bool qtTexts)
{
    uninstall(programTranslator());
    uninstall(qtTranslator());
    currentLanguage = language;
    QLocale::setDefault(localeOf(language));
    // German is the program's own language, and Qt's texts are English.
    if (language == Language::German)
        return !qtTexts || installTranslation(qtTranslator(), QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return installTranslation(programTranslator(), QStringLiteral("werkstoffpruefung_en"), QStringLiteral(":/i18n"));
}

Language interfaceLanguage() { return currentLanguage; }

QString storedLanguageCode() { return languageSettings().value(languageKey).toString(); }

void storeLanguage(Language language)
{
    QSettings s = languageSettings();
    s.setValue(languageKey, languageCode(language));
    s.sync();
}

}
