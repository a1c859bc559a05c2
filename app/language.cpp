#include "app/language.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontDatabase>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace orvane {
namespace {

struct Language {
  const char* code;
  const char* nativeName;
  QFontDatabase::WritingSystem script;
};
constexpr Language kLanguages[] = {
    {"en", "English", QFontDatabase::Latin},
    {"hi", "\u0939\u093f\u0928\u094d\u0926\u0940", QFontDatabase::Devanagari},      // हिन्दी
    {"ta", "\u0ba4\u0bae\u0bbf\u0bb4\u0bcd", QFontDatabase::Tamil},                 // தமிழ்
    {"te", "\u0c24\u0c46\u0c32\u0c41\u0c17\u0c41", QFontDatabase::Telugu},          // తెలుగు
    {"bn", "\u09ac\u09be\u0982\u09b2\u09be", QFontDatabase::Bengali},               // বাংলা
    {"mr", "\u092e\u0930\u093e\u0920\u0940", QFontDatabase::Devanagari},            // मराठी
    {"kn", "\u0c95\u0ca8\u0ccd\u0ca8\u0ca1", QFontDatabase::Kannada},               // ಕನ್ನಡ
    {"ml", "\u0d2e\u0d32\u0d2f\u0d3e\u0d33\u0d02", QFontDatabase::Malayalam},       // മലയാളം
    {"gu", "\u0a97\u0ac1\u0a9c\u0ab0\u0abe\u0aa4\u0ac0", QFontDatabase::Gujarati},  // ગુજરાતી
};

const Language* Find(const QString& code) {
  for (const Language& l : kLanguages) {
    if (code == QLatin1String(l.code)) return &l;
  }
  return nullptr;
}

// The translator installed now; replaced when the language changes.
std::unique_ptr<QTranslator>& Installed() {
  static std::unique_ptr<QTranslator> translator;
  return translator;
}

QString TranslationFile(const QString& code) { return QStringLiteral(":/i18n/orvane_%1.qm").arg(code); }

}  // namespace

QStringList AvailableLanguages() {
  QStringList codes;
  for (const Language& l : kLanguages) codes << QLatin1String(l.code);
  return codes;
}

QString LanguageNativeName(const QString& code) {
  const Language* language = Find(code);
  return language ? QString::fromUtf8(language->nativeName) : code;
}

bool HasFontsFor(const QString& code) {
  const Language* language = Find(code);
  return language && !QFontDatabase::families(language->script).isEmpty();
}

QString ChosenLanguage(const Settings& settings) {
  const QString chosen = QString::fromLatin1(settings.language.data()).section(QLatin1Char('_'), 0, 0);
  if (!chosen.isEmpty()) return AvailableLanguages().contains(chosen) ? chosen : QStringLiteral("en");
  // The system's languages in order of preference; the first translated one.
  for (const QString& name : QLocale::system().uiLanguages()) {
    const QString code = name.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
    if (code == QLatin1String("en")) return code;
    if (AvailableLanguages().contains(code)) return code;
  }
  return QStringLiteral("en");
}

QString InstallLanguage(const QString& code) {
  std::unique_ptr<QTranslator>& installed = Installed();
  if (installed) {
    QCoreApplication::removeTranslator(installed.get());
    installed.reset();
  }
  // English has a translation too: the plural forms of its counted texts.
  if (!QFile::exists(TranslationFile(code)))
    return code == QLatin1String("en") ? code : InstallLanguage(QStringLiteral("en"));
  // Without a font for its script the language would show as boxes: the
  // program stays in English then.
  if (code != QLatin1String("en") && !HasFontsFor(code)) {
    qWarning(
        "No font for the script of the language \"%s\" is installed (Debian: fonts-noto-core); "
        "the program stays in English.",
        qPrintable(code));
    return InstallLanguage(QStringLiteral("en"));
  }
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(TranslationFile(code))) return QStringLiteral("en");
  QCoreApplication::installTranslator(translator.get());
  installed = std::move(translator);
  return code;
}

}  // namespace orvane
