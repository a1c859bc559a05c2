// The astrological names the desktop program shows (planets, signs,
// nakshatras, divisional charts, dasa levels and the chart diagrams'
// abbreviations) in the language chosen. The English names are the keys of
// the "Terms" translations, which translations/glossary.tsv fills, so that a
// term reads the same on every screen. Without a translation (English, or a
// term a language lacks) each falls back to the English text.
#pragma once

#include <QString>
#include <string_view>

#include "display/chart_labels.h"

namespace orvane {

// A term by its English name, in the chosen language.
QString TermText(const char* english);
QString TermText(std::string_view english);

// By graha code 1..9 (Sun..Ketu); "?" outside it.
QString GrahaTerm(int code);
// By sign 0..11 (Aries..Pisces); "?" outside it.
QString SignTerm(int sign);
// By nakshatra 0..26 (Aswini..Revathi); "?" outside it.
QString NakshatraTerm(int nakshatra);
// The name of a chart by its index ("Rasi", "Navamsa", "Transit" for 20).
QString ChartTitleTerm(int chartIndex);

// The panchanga's tithi (0..29, Shukla Pratipada .. Amavasya), a sign
// (0..11) and a yoga (0..26, Vishkambha .. Vaidhriti) in the language;
// empty where the language has no name for it (English: the caller keeps
// its own spelling).
QString TithiTerm(int tithi);
QString TranslatedSignTerm(int sign);
QString YogaTerm(int yoga);

// The label of a body slot in a chart diagram. With `latin`, or where the
// language has no abbreviation for the slot, the Latin label of the table
// (chart_labels.h); otherwise the language's abbreviation with its
// retrograde mark.
QString DiagramLabel(LabelForm form, int retrograde, int slot, bool latin);

}  // namespace orvane
