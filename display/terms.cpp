#include "display/terms.h"

#include <QByteArray>
#include <QCoreApplication>
#include <array>

namespace orvane {
namespace {

constexpr const char* kContext = "Terms";

constexpr std::array<const char*, 10> kGrahas = {
    "",
    QT_TRANSLATE_NOOP("Terms", "Sun"),
    QT_TRANSLATE_NOOP("Terms", "Moon"),
    QT_TRANSLATE_NOOP("Terms", "Mars"),
    QT_TRANSLATE_NOOP("Terms", "Mercury"),
    QT_TRANSLATE_NOOP("Terms", "Jupiter"),
    QT_TRANSLATE_NOOP("Terms", "Venus"),
    QT_TRANSLATE_NOOP("Terms", "Saturn"),
    QT_TRANSLATE_NOOP("Terms", "Rahu"),
    QT_TRANSLATE_NOOP("Terms", "Ketu"),
};

constexpr std::array<const char*, 12> kSigns = {
    QT_TRANSLATE_NOOP("Terms", "Aries"),       QT_TRANSLATE_NOOP("Terms", "Taurus"),
    QT_TRANSLATE_NOOP("Terms", "Gemini"),      QT_TRANSLATE_NOOP("Terms", "Cancer"),
    QT_TRANSLATE_NOOP("Terms", "Leo"),         QT_TRANSLATE_NOOP("Terms", "Virgo"),
    QT_TRANSLATE_NOOP("Terms", "Libra"),       QT_TRANSLATE_NOOP("Terms", "Scorpio"),
    QT_TRANSLATE_NOOP("Terms", "Sagittarius"), QT_TRANSLATE_NOOP("Terms", "Capricorn"),
    QT_TRANSLATE_NOOP("Terms", "Aquarius"),    QT_TRANSLATE_NOOP("Terms", "Pisces"),
};

// The spellings of the report's nakshatra names.
constexpr std::array<const char*, 27> kNakshatras = {
    QT_TRANSLATE_NOOP("Terms", "Aswini"),     QT_TRANSLATE_NOOP("Terms", "Bharani"),
    QT_TRANSLATE_NOOP("Terms", "Krittika"),   QT_TRANSLATE_NOOP("Terms", "Rohini"),
    QT_TRANSLATE_NOOP("Terms", "Mrigasira"),  QT_TRANSLATE_NOOP("Terms", "Aardra"),
    QT_TRANSLATE_NOOP("Terms", "Punarvasu"),  QT_TRANSLATE_NOOP("Terms", "Pushyami"),
    QT_TRANSLATE_NOOP("Terms", "Aasresha"),   QT_TRANSLATE_NOOP("Terms", "Makha"),
    QT_TRANSLATE_NOOP("Terms", "Poo.Pha."),   QT_TRANSLATE_NOOP("Terms", "U.Pha."),
    QT_TRANSLATE_NOOP("Terms", "Hastha"),     QT_TRANSLATE_NOOP("Terms", "Chitra"),
    QT_TRANSLATE_NOOP("Terms", "Swathi"),     QT_TRANSLATE_NOOP("Terms", "Visakha"),
    QT_TRANSLATE_NOOP("Terms", "Anuradha"),   QT_TRANSLATE_NOOP("Terms", "Jyeshtha"),
    QT_TRANSLATE_NOOP("Terms", "Moola"),      QT_TRANSLATE_NOOP("Terms", "Poo.Shaa."),
    QT_TRANSLATE_NOOP("Terms", "U.Shaa."),    QT_TRANSLATE_NOOP("Terms", "Sravanam"),
    QT_TRANSLATE_NOOP("Terms", "Dhanishtha"), QT_TRANSLATE_NOOP("Terms", "Satabhisham"),
    QT_TRANSLATE_NOOP("Terms", "Poo.Bhaa."),  QT_TRANSLATE_NOOP("Terms", "U.Bhaa."),
    QT_TRANSLATE_NOOP("Terms", "Revathi"),
};

// The names of the charts by chart index, as the diagrams title them.
constexpr std::array<const char*, kChartChoiceCount> kChartTitles = {
    QT_TRANSLATE_NOOP("Terms", "Rasi"),           QT_TRANSLATE_NOOP("Terms", "Hora"),
    QT_TRANSLATE_NOOP("Terms", "Drekkana"),       QT_TRANSLATE_NOOP("Terms", "Chaturthamsa"),
    QT_TRANSLATE_NOOP("Terms", "Panchamsa"),      QT_TRANSLATE_NOOP("Terms", "Shashthamsa"),
    QT_TRANSLATE_NOOP("Terms", "Saptamsa"),       QT_TRANSLATE_NOOP("Terms", "Ashtamsa"),
    QT_TRANSLATE_NOOP("Terms", "Navamsa"),        QT_TRANSLATE_NOOP("Terms", "Dasamsa"),
    QT_TRANSLATE_NOOP("Terms", "Rudramsa"),       QT_TRANSLATE_NOOP("Terms", "Dwadasamsa"),
    QT_TRANSLATE_NOOP("Terms", "Shodasamsa"),     QT_TRANSLATE_NOOP("Terms", "Vimsamsa"),
    QT_TRANSLATE_NOOP("Terms", "Chaturvimsamsa"), QT_TRANSLATE_NOOP("Terms", "Nakshatramsa"),
    QT_TRANSLATE_NOOP("Terms", "Trimsamsa"),      QT_TRANSLATE_NOOP("Terms", "Khavedamsa"),
    QT_TRANSLATE_NOOP("Terms", "Akshavedamsa"),   QT_TRANSLATE_NOOP("Terms", "Shashtyamsa"),
    QT_TRANSLATE_NOOP("Terms", "Rasi"),
};

// The diagram abbreviations of the lagna and the grahas by slot 0..9, and
// the mark a retrograde graha carries after its abbreviation.
constexpr std::array<const char*, 10> kAbbreviations = {
    QT_TRANSLATE_NOOP("Terms", "Asc"), QT_TRANSLATE_NOOP("Terms", "Su"), QT_TRANSLATE_NOOP("Terms", "Mo"),
    QT_TRANSLATE_NOOP("Terms", "Ma"),  QT_TRANSLATE_NOOP("Terms", "Me"), QT_TRANSLATE_NOOP("Terms", "Ju"),
    QT_TRANSLATE_NOOP("Terms", "Ve"),  QT_TRANSLATE_NOOP("Terms", "Sa"), QT_TRANSLATE_NOOP("Terms", "Rh"),
    QT_TRANSLATE_NOOP("Terms", "Ke"),
};
constexpr const char* kRetrogradeMark = QT_TRANSLATE_NOOP("Terms", "(R)");
// The division label of the transit chart (the others are "D-9" and the like).
[[maybe_unused]] constexpr const char* kTransitLabel = QT_TRANSLATE_NOOP("Terms", "Transit");

// The names of the dasa systems the screens list (the nakshatra dasas and
// the Jaimini rasi dasas), looked up by their English names.
[[maybe_unused]] constexpr const char* kDasaNames[] = {
    QT_TRANSLATE_NOOP("Terms", "Vimsottari"),     QT_TRANSLATE_NOOP("Terms", "Kalachakra"),
    QT_TRANSLATE_NOOP("Terms", "Chara"),          QT_TRANSLATE_NOOP("Terms", "Narayana"),
    QT_TRANSLATE_NOOP("Terms", "Sthira"),         QT_TRANSLATE_NOOP("Terms", "Shoola"),
    QT_TRANSLATE_NOOP("Terms", "Niryana Shoola"), QT_TRANSLATE_NOOP("Terms", "Drig"),
};

constexpr std::array<const char*, 16> kTithis = {
    QT_TRANSLATE_NOOP("Terms", "Pratipada"), QT_TRANSLATE_NOOP("Terms", "Dwitiya"),
    QT_TRANSLATE_NOOP("Terms", "Tritiya"),   QT_TRANSLATE_NOOP("Terms", "Chaturthi"),
    QT_TRANSLATE_NOOP("Terms", "Panchami"),  QT_TRANSLATE_NOOP("Terms", "Shashthi"),
    QT_TRANSLATE_NOOP("Terms", "Saptami"),   QT_TRANSLATE_NOOP("Terms", "Ashtami"),
    QT_TRANSLATE_NOOP("Terms", "Navami"),    QT_TRANSLATE_NOOP("Terms", "Dasami"),
    QT_TRANSLATE_NOOP("Terms", "Ekadasi"),   QT_TRANSLATE_NOOP("Terms", "Dwadasi"),
    QT_TRANSLATE_NOOP("Terms", "Trayodasi"), QT_TRANSLATE_NOOP("Terms", "Chaturdasi"),
    QT_TRANSLATE_NOOP("Terms", "Purnima"),   QT_TRANSLATE_NOOP("Terms", "Amavasya"),
};
// The pakshas as a tithi's name carries them (short, as calendars print them).
constexpr const char* kShukla = QT_TRANSLATE_NOOP("Terms", "Shukla");
constexpr const char* kKrishna = QT_TRANSLATE_NOOP("Terms", "Krishna");

constexpr std::array<const char*, 27> kYogas = {
    QT_TRANSLATE_NOOP("Terms", "Vishkambha"), QT_TRANSLATE_NOOP("Terms", "Priti"),
    QT_TRANSLATE_NOOP("Terms", "Ayushman"),   QT_TRANSLATE_NOOP("Terms", "Saubhagya"),
    QT_TRANSLATE_NOOP("Terms", "Sobhana"),    QT_TRANSLATE_NOOP("Terms", "Atiganda"),
    QT_TRANSLATE_NOOP("Terms", "Sukarma"),    QT_TRANSLATE_NOOP("Terms", "Dhriti"),
    QT_TRANSLATE_NOOP("Terms", "Soola"),      QT_TRANSLATE_NOOP("Terms", "Ganda"),
    QT_TRANSLATE_NOOP("Terms", "Vriddhi"),    QT_TRANSLATE_NOOP("Terms", "Dhruva"),
    QT_TRANSLATE_NOOP("Terms", "Vyaghata"),   QT_TRANSLATE_NOOP("Terms", "Harshana"),
    QT_TRANSLATE_NOOP("Terms", "Vajra"),      QT_TRANSLATE_NOOP("Terms", "Siddhi"),
    QT_TRANSLATE_NOOP("Terms", "Vyatipata"),  QT_TRANSLATE_NOOP("Terms", "Variyan"),
    QT_TRANSLATE_NOOP("Terms", "Parigha"),    QT_TRANSLATE_NOOP("Terms", "Siva"),
    QT_TRANSLATE_NOOP("Terms", "Siddha"),     QT_TRANSLATE_NOOP("Terms", "Sadhya"),
    QT_TRANSLATE_NOOP("Terms", "Subha"),      QT_TRANSLATE_NOOP("Terms", "Sukla"),
    QT_TRANSLATE_NOOP("Terms", "Brahma"),     QT_TRANSLATE_NOOP("Terms", "Indra"),
    QT_TRANSLATE_NOOP("Terms", "Vaidhriti"),
};

// A term's translation, or nothing where the language has none.
QString Translated(const char* english) {
  const QString text = TermText(english);
  return text == QLatin1String(english) ? QString() : text;
}

template <std::size_t N>
QString Entry(const std::array<const char*, N>& table, int index) {
  if (index < 0 || index >= static_cast<int>(N) || !*table[static_cast<std::size_t>(index)]) return QStringLiteral("?");
  return TermText(table[static_cast<std::size_t>(index)]);
}

}  // namespace

QString TermText(const char* english) { return QCoreApplication::translate(kContext, english); }
QString TermText(std::string_view english) {
  return TermText(QByteArray(english.data(), static_cast<qsizetype>(english.size())).constData());
}

QString GrahaTerm(int code) { return Entry(kGrahas, code); }
QString SignTerm(int sign) { return Entry(kSigns, sign); }
QString NakshatraTerm(int nakshatra) { return Entry(kNakshatras, nakshatra); }
QString ChartTitleTerm(int chartIndex) {
  return Entry(kChartTitles, chartIndex >= 0 && chartIndex < kChartChoiceCount ? chartIndex : 0);
}

QString TithiTerm(int tithi) {
  if (tithi < 0 || tithi > 29) return {};
  if (tithi == 14 || tithi == 29) return Translated(kTithis[tithi == 14 ? 14 : 15]);
  const QString paksha = Translated(tithi < 15 ? kShukla : kKrishna);
  const QString name = Translated(kTithis[static_cast<std::size_t>(tithi % 15)]);
  if (paksha.isEmpty() || name.isEmpty()) return {};
  //: A tithi: the paksha (fortnight) and the tithi's name.
  return QCoreApplication::translate("Terms", "%1 %2").arg(paksha, name);
}

QString TranslatedSignTerm(int sign) {
  return sign >= 0 && sign < 12 ? Translated(kSigns[static_cast<std::size_t>(sign)]) : QString();
}

QString YogaTerm(int yoga) {
  return yoga >= 0 && yoga < static_cast<int>(kYogas.size()) ? Translated(kYogas[static_cast<std::size_t>(yoga)])
                                                             : QString();
}

QString DiagramLabel(LabelForm form, int retrograde, int slot, bool latin) {
  const std::string_view table = BodyLabel(form, retrograde, slot);
  const QString latinLabel = QString::fromLatin1(table.data(), static_cast<qsizetype>(table.size()));
  if (latin || slot < 0 || slot >= static_cast<int>(kAbbreviations.size())) return latinLabel;
  const char* key = kAbbreviations[static_cast<std::size_t>(slot)];
  const QString shown = TermText(key);
  if (shown == QLatin1String(key)) return latinLabel;  // no abbreviation in this language
  return retrograde != 0 && slot != 0 ? shown + TermText(kRetrogradeMark) : shown;
}

}  // namespace orvane
