#pragma once

#include <QLocale>
#include <QString>
#include <optional>

// The language of the user interface. German is the language the program is
// written in; English comes from the compiled-in translation. The language is
// chosen once at start-up (the windows take their texts when they are
// created): from the command line, else the choice stored by the title
// window's language item, else the system's locale.
namespace tk {

enum class Language { German, English };

// "de" and "en", as the command line and the stored choice spell them.
QString languageCode(Language language);
// The language of a code (case and blanks do not matter); none for any other.
std::optional<Language> languageOfCode(const QString& code);

// The language of a locale name such as "de_DE", "de-AT" or "en_US": German
// for every German locale, English for all others (the C locale included).
Language languageOfLocale(const QString& localeName);

// The interface language: the command line's code, else the stored code,
// else the system's locale. An empty or unknown code is passed over.
Language chooseLanguage(const QString& commandLineCode, const QString& storedCode, const QString& systemLocale);

// The locale the interface's numbers follow: de_DE (decimal comma) for
// German, en_US (decimal point) for English, whatever the system's locale.
QLocale localeOf(Language language);

// Installs the program's translation and, with qtTexts, Qt's own (dialogs,
// message boxes) for the language, and makes its locale the default one.
// Returns false when a translation could not be loaded (the texts then stay
// German, Qt's English). May be called again; the translators of the
// previous call are removed. The tests leave Qt's texts as Qt writes them.
bool setInterfaceLanguage(Language language, bool qtTexts = true);
Language interfaceLanguage();

// The choice stored by the title window's language item, read at the next
// start; empty when none was stored.
QString storedLanguageCode();
void storeLanguage(Language language);

}
