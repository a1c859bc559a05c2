#include "match/porutham.h"

#include <algorithm>
#include <cstdio>

namespace orvane::match {
namespace {

// The count of `to` from `from`, 1..n, both counted.
int CountFrom(int from, int to, int n) { return ((to - from) % n + n) % n + 1; }

std::string Ordinal(int n) {
  const int tens = n % 100;
  const char* suffix = (tens >= 11 && tens <= 13) ? "th" : n % 10 == 1 ? "st" : n % 10 == 2 ? "nd" : n % 10 == 3 ? "rd" : "th";
  return std::to_string(n) + suffix;
}

// The nakshatras a woman's Moon may share with the groom's and still have
// Dina porutham: Rohini, Ardra, Magha, Hasta, Vishakha, Shravana, Uttara
// Bhadrapada, Revati.
constexpr std::array<int, 8> kSameStarGood = {3, 5, 9, 12, 15, 21, 25, 26};

// Vasya: the signs each sign (the key) holds under its sway.
constexpr std::array<std::array<int, 2>, 12> kVasya = {{
    {4, 7},    // Aries: Leo, Scorpio
    {3, 6},    // Taurus: Cancer, Libra
    {5, -1},   // Gemini: Virgo
    {7, 8},    // Cancer: Scorpio, Sagittarius
    {6, -1},   // Leo: Libra
    {11, 2},   // Virgo: Pisces, Gemini
    {9, 5},    // Libra: Capricorn, Virgo
    {3, -1},   // Scorpio: Cancer
    {11, -1},  // Sagittarius: Pisces
    {0, 10},   // Capricorn: Aries, Aquarius
    {0, -1},   // Aquarius: Aries
    {9, -1},   // Pisces: Capricorn
}};
bool HoldsSway(int over, int under) {
  const auto& v = kVasya[static_cast<std::size_t>(over)];
  return v[0] == under || v[1] == under;
}

// Vedha: pairs of nakshatras that pierce each other; Mrigashira, Chitra
// and Dhanishta pierce one another.
constexpr std::array<std::array<int, 2>, 15> kVedha = {{
    {0, 17}, {1, 16}, {2, 15}, {3, 14}, {5, 21}, {6, 20}, {7, 19}, {8, 18},
    {9, 26}, {10, 25}, {11, 24}, {12, 23}, {4, 13}, {4, 22}, {13, 22},
}};

}  // namespace

std::string_view AgreementText(Agreement agreement) {
  switch (agreement) {
    case Agreement::kNo: return "no";
    case Agreement::kPartly: return "partly";
    case Agreement::kYes: return "yes";
  }
  return "";
}

int RajjuOf(int nakshatra) {
  static constexpr std::array<int, 9> kPattern = {0, 1, 2, 3, 4, 3, 2, 1, 0};
  const int n = ((nakshatra % 27) + 27) % 27;
  // Ashwini..Ashlesha run Pada to Siro and back; Magha starts again at Pada.
  return kPattern[static_cast<std::size_t>(n % 9)];
}

PoruthamMatch MatchPoruthams(const MoonPoint& groom, const MoonPoint& bride) {
  PoruthamMatch m;
  const KootaTables& t = kGunaMilanTables;
  const int star = CountFrom(bride.nakshatra, groom.nakshatra, 27);  // the groom's star from the bride's
  const int sign = CountFrom(bride.sign, groom.sign, 12);             // the groom's sign from the bride's
  auto set = [&](Porutham p, Agreement a, std::string reason) {
    m.poruthams[static_cast<std::size_t>(p)] = {p, a, std::move(reason)};
  };

  // Dina: the groom's star counted from the bride's; a remainder of 2, 4, 6,
  // 8 or 0 on dividing by 9 agrees. One star for both agrees only for the
  // stars that allow it.
  if (star == 1) {
    const bool ok = std::find(kSameStarGood.begin(), kSameStarGood.end(), bride.nakshatra) != kSameStarGood.end();
    set(kDinaPorutham, ok ? Agreement::kYes : Agreement::kNo,
        ok ? "one star for both, one that allows it" : "one star for both");
  } else {
    const int r = star % 9;
    set(kDinaPorutham, r % 2 == 0 ? Agreement::kYes : Agreement::kNo,
        "the " + Ordinal(star) + " star from the bride's; " + std::to_string(star) + " mod 9 is " + std::to_string(r));
  }

  // Gana: the same gana agrees; Deva with Manushya agrees in part; a
  // Rakshasa with anyone but a Rakshasa does not.
  {
    const Gana g = t.nakshatraGana[static_cast<std::size_t>(groom.nakshatra)];
    const Gana b = t.nakshatraGana[static_cast<std::size_t>(bride.nakshatra)];
    const std::string names = std::string(AttributeName(kGanaKoota, g)) + " and " + std::string(AttributeName(kGanaKoota, b));
    if (g == b) {
      set(kGanaPorutham, Agreement::kYes, names);
    } else if (g != kRakshasa && b != kRakshasa) {
      set(kGanaPorutham, Agreement::kPartly, names);
    } else {
      set(kGanaPorutham, Agreement::kNo, names);
    }
  }

  // Mahendra: the groom's star the 4th, 7th, 10th, ... 25th from the bride's.
  set(kMahendraPorutham, star % 3 == 1 && star > 1 ? Agreement::kYes : Agreement::kNo,
      "the " + Ordinal(star) + " star from the bride's");

  // Stree Deergha: the groom's star far enough from the bride's: beyond the
  // 13th agrees, beyond the 7th in part.
  set(kStreeDeerghaPorutham, star > 13 ? Agreement::kYes : star > 7 ? Agreement::kPartly : Agreement::kNo,
      "the " + Ordinal(star) + " star from the bride's");

  // Yoni: the animals of the two stars; sworn enemies do not agree.
  {
    const Yoni g = t.nakshatraYoni[static_cast<std::size_t>(groom.nakshatra)];
    const Yoni b = t.nakshatraYoni[static_cast<std::size_t>(bride.nakshatra)];
    const double points = t.yoniPoints[static_cast<std::size_t>(g)][static_cast<std::size_t>(b)];
    const std::string names = std::string(AttributeName(kYoniKoota, g)) + " and " + std::string(AttributeName(kYoniKoota, b));
    set(kYoniPorutham, points >= 3 ? Agreement::kYes : points >= 1 ? Agreement::kPartly : Agreement::kNo,
        names + (points == 0 ? ", sworn enemies" : ""));
  }

  // Rasi: the groom's sign from the bride's: the same, the 7th or beyond
  // the 6th agree; the 6th (and its 8th), 2nd, 3rd, 4th and 5th do not.
  set(kRasiPorutham, sign == 1 || sign > 6 ? Agreement::kYes : Agreement::kNo,
      "the groom's Moon sign the " + Ordinal(sign) + " from the bride's");

  // Rasi Adhipati: the lords of the two Moon signs.
  {
    const Body g = t.signLord[static_cast<std::size_t>(groom.sign)];
    const Body b = t.signLord[static_cast<std::size_t>(bride.sign)];
    const double points = t.maitriPoints[IndexOf(g)][IndexOf(b)];
    const std::string names = std::string(AttributeName(kMaitriKoota, static_cast<int>(IndexOf(g)))) + " and " +
                              std::string(AttributeName(kMaitriKoota, static_cast<int>(IndexOf(b))));
    set(kRasiAdhipatiPorutham, points >= 4 ? Agreement::kYes : points >= 3 ? Agreement::kPartly : Agreement::kNo,
        names + (points >= 4 ? ": the same or friends" : points >= 3 ? ": neutral" : ": unfriendly"));
  }

  // Vasya: one Moon sign holds the other under its sway.
  {
    const bool brideOverGroom = HoldsSway(bride.sign, groom.sign), groomOverBride = HoldsSway(groom.sign, bride.sign);
    set(kVasyaPorutham, brideOverGroom || groomOverBride ? Agreement::kYes : Agreement::kNo,
        brideOverGroom && groomOverBride ? "each sign holds the other"
        : brideOverGroom                 ? "the bride's sign holds the groom's"
        : groomOverBride                 ? "the groom's sign holds the bride's"
                                         : "neither sign holds the other");
  }

  // Rajju: the two stars in one rajju do not agree.
  {
    const int g = RajjuOf(groom.nakshatra), b = RajjuOf(bride.nakshatra);
    set(kRajjuPorutham, g != b ? Agreement::kYes : Agreement::kNo,
        g == b ? "both in " + std::string(kRajjuName[static_cast<std::size_t>(g)]) + " rajju"
               : std::string(kRajjuName[static_cast<std::size_t>(g)]) + " and " +
                     std::string(kRajjuName[static_cast<std::size_t>(b)]) + " rajju");
  }

  // Vedha: the two stars pierce each other.
  {
    bool vedha = false;
    for (const auto& [a, b] : kVedha) {
      vedha = vedha || (a == groom.nakshatra && b == bride.nakshatra) || (b == groom.nakshatra && a == bride.nakshatra);
    }
    set(kVedhaPorutham, vedha ? Agreement::kNo : Agreement::kYes, vedha ? "the stars pierce each other" : "no vedha");
  }

  for (const PoruthamResult& p : m.poruthams) {
    if (p.agreement == Agreement::kYes) ++m.agreeing;
    m.score += p.agreement == Agreement::kYes ? 1.0 : p.agreement == Agreement::kPartly ? 0.5 : 0.0;
  }
  m.rajjuOrVedha = m.poruthams[kRajjuPorutham].agreement == Agreement::kNo ||
                   m.poruthams[kVedhaPorutham].agreement == Agreement::kNo;
  return m;
}

void WritePoruthamReport(ReportBuffer& out, const PoruthamMatch& m) {
  out.Appendf("\nThe ten poruthams (South Indian matching)\n\n");
  for (const PoruthamResult& p : m.poruthams) {
    out.Appendf("%-14s %-7s %s\n", std::string(kPoruthamName[static_cast<std::size_t>(p.porutham)]).c_str(),
                std::string(AgreementText(p.agreement)).c_str(), p.reason.c_str());
  }
  out.Appendf("\n%d of 10 agree (%.1f counting a part as half)%s\n", m.agreeing, m.score,
              m.rajjuOrVedha ? "; Rajju or Vedha fails, which the tradition does not pass over" : "");
}

}  // namespace orvane::match
