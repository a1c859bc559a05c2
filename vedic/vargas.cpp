#include "vedic/vargas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "engine/zodiac.h"
#include "vedic/names.h"
#include "vedic/panchanga.h"

namespace orvane {

using vedic::FloorMod;
using vedic::kSignLord;

namespace {

using enum Rasi;  // the signs that start the counts below

// Part number 0..n-1 of an n-fold division of the sign.
int PartOf(double degrees, int n) {
  const double p = std::floor(degrees * n / 30.0);
  if (p < 0.0) return 0;
  if (p > n - 1) return n - 1;  // rounding at the very end of a sign
  return static_cast<int>(p);
}

bool IsOddSign(int sign) { return sign % 2 == 0; }  // Aries, Gemini, ...

int Wrap12(long long n) { return WrapToSign(n); }

// Hora by the Sun-and-Moon table (method 4), indexed by the rasi.
constexpr std::array<Rasi, 12> kHoraMoonRow = {kAries,       kTaurus,    kGemini,   kCancer,
                                              kCancer,      kGemini,    kTaurus,   kAries,
                                              kSagittarius, kCapricorn, kCapricorn, kSagittarius};
constexpr std::array<Rasi, 12> kHoraSunRow = {kScorpio, kLibra, kVirgo,    kLeo,      kLeo,      kVirgo,
                                             kLibra,   kScorpio, kPisces, kAquarius, kAquarius, kPisces};

// Counting starts by sign class: movable, fixed, dual (sign mod 3).
constexpr std::array<Rasi, 3> kAshtamsaStart = {kAries, kSagittarius, kLeo};
constexpr std::array<Rasi, 3> kShodasamsaStart = {kAries, kLeo, kSagittarius};
constexpr std::array<Rasi, 3> kVimsamsaStart = {kAries, kSagittarius, kLeo};
constexpr std::array<Rasi, 3> kAkshavedamsaStart = {kAries, kLeo, kSagittarius};
// By element: fiery, earthy, airy, watery (sign mod 4).
constexpr std::array<Rasi, 4> kNakshatramsaStart = {kAries, kCancer, kLibra, kCapricorn};

// The trimsamsa and panchamsa lord rule: x is the distance from the start of
// an odd sign or from the end of an even sign; the first bound that x does
// not pass decides the part. The panchamsa's first bound is strict. The
// five parts belong to Mars, Saturn, Jupiter, Mercury and Venus in turn.
constexpr std::array<double, 4> kTrimsamsaBound = {5, 10, 18, 25};
constexpr std::array<double, 4> kPanchamsaBound = {6, 12, 18, 24};
constexpr std::array<int, 5> kLordPartPlanet = {kMars, kSaturn, kJupiter,
                                                kMercury, kVenus};
constexpr std::array<Rasi, 5> kLordPartOddSign = {kAries, kAquarius, kSagittarius, kGemini, kLibra};
constexpr std::array<Rasi, 5> kLordPartEvenSign = {kScorpio, kCapricorn, kPisces, kVirgo, kTaurus};

int LordPartOf(double longitude, const std::array<double, 4>& bound, bool strictFirst) {
  const int s = SignOf(longitude);
  const double d = DegreesInSignHeld(longitude, s);
  const double x = IsOddSign(s) ? d : 30.0 - d;
  if (strictFirst ? x < bound[0] : x <= bound[0]) return 0;
  for (int i = 1; i < 4; ++i) {
    if (x <= bound[i]) return i;
  }
  return 4;
}

int LordPartSign(double longitude, int part) {
  return ToInt(IsOddSign(SignOf(longitude)) ? kLordPartOddSign[part] : kLordPartEvenSign[part]);
}

// Hadda: four bounds in degrees of the sign and the lords of the five parts.
constexpr int kJu = kJupiter, kVe = kVenus, kMe = kMercury,
              kMa = kMars, kSa = kSaturn;
constexpr std::array<std::array<double, 4>, 12> kHaddaBound = {{
    {6, 12, 20, 25},   // Aries
    {8, 14, 22, 27},   // Taurus
    {6, 12, 17, 24},   // Gemini
    {7, 13, 19, 26},   // Cancer
    {6, 11, 18, 24},   // Leo
    {7, 17, 21, 28},   // Virgo
    {6, 14, 21, 28},   // Libra
    {7, 11, 19, 24},   // Scorpio
    {12, 17, 21, 26},  // Sagittarius
    {7, 14, 22, 26},   // Capricorn
    {7, 13, 20, 25},   // Aquarius
    {12, 16, 19, 28},  // Pisces
}};
constexpr std::array<std::array<int, 5>, 12> kHaddaLord = {{
    {kJu, kVe, kMe, kMa, kSa},  // Aries
    {kVe, kMe, kJu, kSa, kMa},  // Taurus
    {kMe, kVe, kJu, kMa, kSa},  // Gemini
    {kMa, kVe, kMe, kJu, kSa},  // Cancer
    {kJu, kVe, kSa, kMe, kMa},  // Leo
    {kMe, kVe, kJu, kMa, kSa},  // Virgo
    {kSa, kMe, kJu, kVe, kMa},  // Libra
    {kMa, kVe, kMe, kJu, kSa},  // Scorpio
    {kJu, kVe, kMe, kMa, kSa},  // Sagittarius
    {kMe, kJu, kVe, kSa, kMa},  // Capricorn
    {kMe, kVe, kJu, kMa, kSa},  // Aquarius
    {kVe, kJu, kMe, kMa, kSa},  // Pisces
}};

// Charts counted for the vimsopaka dignities: the seven of the saptavarga
// (the trimsamsa through its lord) and the nine more of the shodasavarga.
constexpr std::array<Varga, 6> kSaptaVargas = {kD1, kD9, kD3, kD2, kD7, kD12};
constexpr std::array<Varga, 9> kShodasaExtraVargas = {kD10, kD4, kD16, kD20, kD24, kD27, kD40, kD45, kD60};

// Rows of the degree table: every chart but the trimsamsa, labels four
// characters wide.
struct DegreeRow {
  Varga varga;
  std::string_view label;
};
constexpr std::array<DegreeRow, 19> kDegreeRow = {{
    {kD1, "D-1 "},  {kD2, "D-2 "},  {kD3, "D-3 "},  {kD4, "D-4 "},  {kD5, "D-5 "},
    {kD6, "D-6 "},  {kD7, "D-7 "},  {kD8, "D-8 "},  {kD9, "D-9 "},  {kD10, "D-10"},
    {kD11, "D-11"}, {kD12, "D-12"}, {kD16, "D-16"}, {kD20, "D-20"}, {kD24, "D-24"},
    {kD27, "D-27"}, {kD40, "D-40"}, {kD45, "D-45"}, {kD60, "D-60"},
}};

// Dignity names by shodasa count, 13-character fields. The counts 13 to 16
// carry the names of the highest shodasavarga dignities.
constexpr std::array<std::string_view, 17> kDignityName = {
    "             ", "             ", "Parijatamsa  ", "Parvatamsa   ", "Simhasanamsa ",
    "Swargabalamsa", "Indramsa     ", "Rajapadamsa  ", "Gopuramsa    ", "Brahmapadamsa",
    "Vaishnavamsa ", "Saivamsa     ", "Vaiseshikamsa", "Vidrumamsa   ", "Indrasanamsa ",
    "Golokamsa    ", "Sreevallabha "};
static_assert(std::all_of(kDignityName.begin(), kDignityName.end(),
                          [](std::string_view name) { return name.size() == 13; }));

char NameChar(int slot, std::size_t i) {
  const std::string_view name = vedic::NameAt(vedic::kPointName, slot);
  return i < name.size() ? name[i] : ' ';
}

}  // namespace

int HoraSign(double longitude, int horaMethod) {
  const int s = SignOf(longitude);
  const double d = DegreesInSignHeld(longitude, s);
  const int secondHalf = d >= 15.0 ? 1 : 0;
  switch (horaMethod) {
    case 0: {
      // h counts the halves from Aries, one ahead in a sign's second half.
      const long long h = static_cast<long long>(std::floor(longitude / 30.0 + 0.5));
      return ToInt(h % 2 == 0 ? kLeo : kCancer);
    }
    case 2:
      return Wrap12(s + 6 * secondHalf);
    case 3:
      return Wrap12(s + 2 * secondHalf);
    case 4: {
      const long long h = static_cast<long long>(std::floor(longitude / 30.0 + 0.5));
      return ToInt(h % 2 != 0 ? kHoraMoonRow[s] : kHoraSunRow[s]);
    }
    default:
      return Wrap12(static_cast<long long>(std::floor(longitude / 15.0)));
  }
}

int VargaSignOf(Varga varga, double longitude, int horaMethod) {
  const int s = SignOf(longitude);
  const double d = DegreesInSignHeld(longitude, s);
  const int n = kVargaDivision[static_cast<std::size_t>(varga)];
  const int p = PartOf(d, n);
  switch (varga) {
    case kD1: return s;
    case kD2: return HoraSign(longitude, horaMethod);
    case kD3: return Wrap12(s + 4 * p);
    case kD4: return Wrap12(s + 3 * p);
    case kD5: return LordPartSign(longitude, LordPartOf(longitude, kPanchamsaBound, true));
    case kD6: return Wrap12(static_cast<long long>(std::floor(longitude / 5.0)));
    case kD7: return Wrap12(static_cast<long long>(std::floor(7.0 * longitude / 30.0)));
    case kD8: return Wrap12(ToInt(kAshtamsaStart[s % 3]) + p);
    case kD9: return NavamsaOf(longitude);
    case kD10: return Wrap12(IsOddSign(s) ? s + p : s + 8 + p);
    case kD11: return Wrap12(p - s + 24);
    case kD12: return Wrap12(s + p);
    case kD16: return Wrap12(ToInt(kShodasamsaStart[s % 3]) + p);
    case kD20: return Wrap12(ToInt(kVimsamsaStart[s % 3]) + p);
    case kD24: return Wrap12(ToInt(IsOddSign(s) ? kLeo : kCancer) + p);
    case kD27: return Wrap12(ToInt(kNakshatramsaStart[s % 4]) + p);
    case kD30: return LordPartSign(longitude, LordPartOf(longitude, kTrimsamsaBound, false));
    case kD40: return Wrap12(ToInt(IsOddSign(s) ? kAries : kLibra) + p);
    case kD45: return Wrap12(ToInt(kAkshavedamsaStart[s % 3]) + p);
    case kD60: return Wrap12(s + FloorMod(static_cast<long long>(std::floor(2.0 * d)), 12));
  }
  return s;
}

double DegreesInVarga(Varga varga, double longitude) {
  if (!std::isfinite(longitude)) return 0;
  const int s = SignOf(longitude);
  const double d = std::clamp(DegreesInSignHeld(longitude, s), 0.0, 30.0);
  double inPart = 0;
  if (varga == kD5 || varga == kD30) {
    // Unequal parts, counted from the start of an odd sign and from the end
    // of an even one.
    const std::array<double, 4>& bound = varga == kD5 ? kPanchamsaBound : kTrimsamsaBound;
    const double x = IsOddSign(s) ? d : 30.0 - d;
    const int part = LordPartOf(longitude, bound, varga == kD5);
    const double lo = part == 0 ? 0.0 : bound[static_cast<std::size_t>(part - 1)];
    const double hi = part == 4 ? 30.0 : bound[static_cast<std::size_t>(part)];
    inPart = hi > lo ? std::clamp((x - lo) / (hi - lo), 0.0, 1.0) * 30.0 : 0.0;
  } else {
    const int n = kVargaDivision[static_cast<std::size_t>(varga)];
    inPart = std::fmod(d * n, 30.0);
  }
  return std::clamp(inPart, 0.0, std::nextafter(30.0, 0.0));
}

int TrimsamsaLordOf(double longitude) {
  return kLordPartPlanet[LordPartOf(longitude, kTrimsamsaBound, false)];
}

int HaddaLordOf(double longitude) {
  const int s = SignOf(longitude);
  const double d = DegreesInSignHeld(longitude, s);
  for (int i = 0; i < 4; ++i) {
    if (kHaddaBound[s][i] > d) return kHaddaLord[s][i];
  }
  return kHaddaLord[s][4];
}

void ComputeVargas(ChartState& state, const Settings& settings) {
  VedicState& v = state.vedic;
  v.vargaSign[kD1] = v.rasi;
  v.vargaSign[kD9] = v.navamsa;
  for (int varga = kD2; varga < kVargaCount; ++varga) {
    if (varga == kD9) continue;
    for (int slot = 0; slot < kSlotCount; ++slot) {
      v.vargaSign[varga][slot] = VargaSignOf(static_cast<Varga>(varga), state.slotLongitude[slot], settings.horaMethod);
    }
  }
  for (int slot = 0; slot < kSlotCount; ++slot) v.trimsamsaLord[slot] = TrimsamsaLordOf(state.slotLongitude[slot]);
  for (int slot = 0; slot < 10; ++slot) v.haddaLord[slot] = HaddaLordOf(state.slotLongitude[slot]);

  // Vimsopaka dignities: charts in which the planet stands in its own sign.
  v.saptaCount = {};
  v.shodasaCount = {};
  for (int planet = kSun; planet <= kSaturn; ++planet) {
    int sapta = 0;
    for (const Varga varga : kSaptaVargas) {
      if (kSignLord[Wrap12(v.vargaSign[varga][planet])] == planet) ++sapta;
    }
    if (v.trimsamsaLord[planet] == planet) ++sapta;
    int shodasa = sapta;
    for (const Varga varga : kShodasaExtraVargas) {
      if (kSignLord[Wrap12(v.vargaSign[varga][planet])] == planet) ++shodasa;
    }
    v.saptaCount[planet] = sapta;
    v.shodasaCount[planet] = shodasa;
  }
  for (int i = 0; i < 7; ++i) v.dignityOrder[i] = i + 1;
  std::stable_sort(v.dignityOrder.begin(), v.dignityOrder.end(), [&v](int a, int b) {
    if (v.shodasaCount[a] != v.shodasaCount[b]) return v.shodasaCount[a] > v.shodasaCount[b];
    return v.saptaCount[a] > v.saptaCount[b];
  });
}

void WriteVargaDegreeTable(const ChartState& state, ReportBuffer& out) {
  out.Appendf("\n\n         ");
  for (int slot = 0; slot < 10; ++slot) {
    out.Appendf("    %c%c%c%c", NameChar(slot, 0), NameChar(slot, 1), NameChar(slot, 2), NameChar(slot, 3));
  }
  out.Appendf("\n");
  for (const DegreeRow& row : kDegreeRow) {
    const int n = kVargaDivision[static_cast<std::size_t>(row.varga)];
    out.Appendf("\n  %s       ", row.label.data());
    for (int slot = 0; slot < 10; ++slot) {
      const double L = state.slotLongitude[slot];
      const double k = std::floor(L * n / 30.0);
      const double y = (L - k * 30.0 / n) * n;
      const bool odd = IsOddSign(Wrap12(state.vedic.vargaSign[row.varga][slot]));
      out.Appendf("%4.1f    ", odd ? y : 30.0 - y);
    }
  }
  out.Appendf("\n\n");
}

void WriteDignityList(const ChartState& state, ReportBuffer& out) {
  const VedicState& v = state.vedic;
  if (v.shodasaCount[v.dignityOrder[0]] < 2) return;
  out.Appendf("\n\n");
  out.Appendf("                     Amsa         Shodasa      Sapta\n\n");
  for (const int planet : v.dignityOrder) {
    const int shodasa = v.shodasaCount[planet];
    if (shodasa < 2) break;
    out.Appendf("    %c%c%c%c         %s       %2d          %2d\n", NameChar(planet, 0), NameChar(planet, 1),
                NameChar(planet, 2), NameChar(planet, 3), vedic::NameAt(kDignityName, shodasa).data(),
                shodasa, v.saptaCount[planet]);
  }
  out.Appendf("\n");
}

}  // namespace orvane
