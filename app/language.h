// The language of the desktop program: the one the preferences name, or
// the system locale's; its translations (built into the program) are
// installed before any window is made.
#pragma once

#include <QString>
#include <QStringList>

#include "io/settings.h"

namespace orvane {

// The languages the program is translated into, as their codes ("hi",
// "ta", ...), English first.
QStringList AvailableLanguages();
// A language's name in its own script ("हिन्दी"), for the language choice.
QString LanguageNativeName(const QString& code);

// Whether a font for the script of the language is installed.
bool HasFontsFor(const QString& code);

// The language code the preferences choose, or the system locale's when
// they choose none ("en" where no translation matches the locale).
QString ChosenLanguage(const Settings& settings);

// Installs the program's translations of `code` (and removes those
// installed before); an unknown code installs English, whose translation
// gives the plural forms of its counted texts. Returns the language now in
// effect.
QString InstallLanguage(const QString& code);

}  // namespace orvane
