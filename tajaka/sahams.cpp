// The 36 Tajaka sahams (sensitive points X - Y + Z with the night exchange
// and the 30-degree rule) with their important dates in a Tajaka chart
// (section 10), and the Tajaka yogas: applying and separating aspects
// between pairs of planets within their mean orb (section 12).
#include <array>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <utility>

#include "dasa/periods.h"
#include "tajaka/tajaka.h"
#include "tajaka/tajaka_rules.h"
#include "vedic/names.h"
#include "vedic/vargas.h"

namespace orvane {

namespace tajaka {

namespace {

using vedic::kSignLord;

// What a saham takes as one of its three points.
enum class Ref : std::uint8_t {
  kSlot,        // a body slot (0 ascendant, 1..9 Sun..Ketu)
  kSaham,       // an earlier saham of the table
  kCusp,        // cusp n: the ascendant + 30 (n - 1) degrees
  kSignLordOf,  // the lord of the n-th sign from the ascendant's sign (1 = its own)
  kSunSignLord, // the lord of the Sun's sign
  kDegrees,     // a fixed longitude
};

struct Point {
  Ref ref;
  int value;
};

struct SahamRow {
  std::string_view name;
  Point x, y, z;
};

constexpr Point Slot(int slot) { return {Ref::kSlot, slot}; }
constexpr Point Of(int saham) { return {Ref::kSaham, saham}; }
constexpr Point Cusp(int n) { return {Ref::kCusp, n}; }
constexpr Point LordOf(int nthSign) { return {Ref::kSignLordOf, nthSign}; }
constexpr Point kAsc = Slot(kAscendant);

// X - Y + Z by day, in the order the sahams are computed and listed (later
// ones read earlier ones).
constexpr std::array<SahamRow, kSahamCount> kSahamTable = {{
    {"Punya", Slot(kMoon), Slot(kSun), kAsc},
    {"Vidya", Slot(kSun), Slot(kMoon), kAsc},
    {"Yasa", Slot(kJupiter), Of(kPunya), kAsc},
    {"Mitra", Slot(kJupiter), Of(kPunya), Slot(kVenus)},
    {"Mahatmya", Of(kPunya), Slot(kMars), kAsc},
    {"Asha", Slot(kSaturn), Slot(kMars), kAsc},
    {"Samartha", Slot(kMars), LordOf(1), kAsc},
    {"Bhratru", Slot(kJupiter), Slot(kSaturn), kAsc},
    {"Gaurava", Slot(kJupiter), Slot(kMoon), Slot(kSun)},
    {"Pitru", Slot(kSaturn), Slot(kSun), kAsc},
    {"Rajya", Slot(kSaturn), Slot(kSun), kAsc},
    {"Matru", Slot(kMoon), Slot(kVenus), kAsc},
    {"Putra", Slot(kJupiter), Slot(kMoon), kAsc},
    {"Jeeva", Slot(kSaturn), Slot(kJupiter), kAsc},
    {"Karma", Slot(kMars), Slot(kMercury), kAsc},
    {"Roga", kAsc, Slot(kMoon), kAsc},
    {"Kali", Slot(kJupiter), Slot(kMars), kAsc},
    {"Sastra", Slot(kJupiter), Slot(kSaturn), Slot(kMercury)},
    {"Bandhu", Slot(kMercury), Slot(kMoon), kAsc},
    {"Mrityu", Cusp(8), Slot(kMoon), kAsc},
    {"Paradesa", Cusp(9), LordOf(9), kAsc},
    {"Artha", Cusp(2), LordOf(2), kAsc},
    {"Paradara", Slot(kVenus), Slot(kSun), kAsc},
    {"Vanik", Slot(kMoon), Slot(kMercury), kAsc},
    {"Karyasiddhi", Slot(kSaturn), Slot(kSun), {Ref::kSunSignLord, 0}},
    {"Vivaha", Slot(kVenus), Slot(kSaturn), kAsc},
    {"Santapa", Slot(kSaturn), Slot(kMoon), Cusp(6)},
    {"Sraddha", Slot(kVenus), Slot(kMars), kAsc},
    {"Preeti", Of(kSastra), Of(kPunya), kAsc},
    {"Jadya", Slot(kMars), Slot(kSaturn), Slot(kMercury)},
    {"Vyapara", Slot(kMars), Slot(kSaturn), kAsc},
    {"Satru", Slot(kMars), Slot(kSaturn), kAsc},
    {"Jalapatana", {Ref::kDegrees, 105}, Slot(kSaturn), kAsc},  // 15 deg of Cancer
    {"Bandhana", Of(kPunya), Slot(kSaturn), kAsc},
    {"Apamrityu", Cusp(8), Slot(kMars), kAsc},
    {"Labha", Cusp(11), LordOf(11), kAsc},
}};

// Sahams whose X and Y stay in place by night (Karyasiddhi changes its Y
// and Z instead).
constexpr bool KeepsDayOrder(int index) {
  return index == kBhratru || index == kArtha || index == kVyapara || index == kLabha || index == kKaryasiddhi;
}

int LordOfSign(int sign) { return kSignLord[static_cast<std::size_t>(vedic::FloorMod(sign, 12))]; }

// Lord of the sign holding a longitude.
int LordAt(double longitude) { return LordOfSign(SignOf(longitude)); }

double Resolve(const SahamChart& chart, const std::array<double, kSahamCount>& sahams, const Point& p) {
  const double asc = chart.longitude[kAscendant];
  switch (p.ref) {
    case Ref::kSlot: return chart.longitude[static_cast<std::size_t>(p.value)];
    case Ref::kSaham: return sahams[static_cast<std::size_t>(p.value)];
    case Ref::kCusp: return Mod360(asc + 30.0 * (p.value - 1));
    case Ref::kSignLordOf:
      return chart.longitude[static_cast<std::size_t>(LordOfSign(SignOf(asc) + p.value - 1))];
    case Ref::kSunSignLord: return chart.longitude[static_cast<std::size_t>(LordAt(chart.longitude[kSun]))];
    case Ref::kDegrees: return p.value;
  }
  return 0;
}

// Degrees and whole minutes inside the sign, and the sign.
struct InSign {
  int sign;
  int degrees;
  int minutes;
};
InSign InSignOf(double longitude) {
  const int sign = SignOf(longitude);
  double d = longitude - 30.0 * sign;
  if (!(d >= 0 && d < 30)) d = 0;
  const double whole = std::floor(d);
  int minutes = static_cast<int>(std::floor((d - whole) * 60));
  if (minutes > 59) minutes = 59;
  return {sign, static_cast<int>(whole), minutes};
}

// Aspect orbs by planet code (the nodes have none).
constexpr std::array<double, 10> kYogaOrb = {0, 15, 12, 8, 7, 9, 7, 9, 0, 0};
// Speed order by planet code: lower is faster.
constexpr std::array<int, 10> kSpeedOrder = {0, 4, 1, 5, 2, 6, 3, 7, 8, 8};

enum Aspect : int { kNoAspect, kTrine, kSextile, kSemiSextile, kSquare, kOpposition, kConjunction };
constexpr std::array<const char*, 7> kAspectName = {"None",   "Trine",      "Sextile",    "Semi-sextile",
                                                    "Square", "Opposition", "Conjunction"};
// Aspect by the distance in signs 0..11.
constexpr std::array<Aspect, 12> kAspectBySigns = {kConjunction, kSemiSextile, kSextile, kSquare,
                                                   kTrine,       kNoAspect,    kOpposition, kNoAspect,
                                                   kTrine,       kSquare,      kSextile,    kSemiSextile};

}  // namespace

double ComputeSaham(const SahamChart& chart, int index, double x, double y, double z) {
  const std::array<double, 10>& L = chart.longitude;
  const double asc = L[kAscendant];
  if (index == kSamartha && LordAt(asc) == kMars) {
    x = L[kJupiter];
    y = L[kMars];
    z = asc;
  }
  if (index == kKaryasiddhi && chart.night) {
    y = L[kMoon];
    z = L[static_cast<std::size_t>(LordAt(L[kMoon]))];
  }
  if (chart.night && !KeepsDayOrder(index)) std::swap(x, y);
  double s = z + x - y;
  // 30 degrees more unless the ascendant lies on the arc from Y forward to X.
  if ((asc > x && x > y) || (y > asc && x > y) || (y > asc && asc > x)) s += 30;
  return Normalise360(s);
}

std::array<double, kSahamCount> ComputeSahamTable(const SahamChart& chart) {
  std::array<double, kSahamCount> sahams{};
  for (int i = 0; i < kSahamCount; ++i) {
    const SahamRow& row = kSahamTable[static_cast<std::size_t>(i)];
    sahams[static_cast<std::size_t>(i)] = ComputeSaham(chart, i, Resolve(chart, sahams, row.x),
                                                       Resolve(chart, sahams, row.y), Resolve(chart, sahams, row.z));
  }
  return sahams;
}

}  // namespace tajaka

void ComputeSahams(ChartState& state, const Settings&, ReportBuffer* report) {
  tajaka::SahamChart chart;
  for (int slot = 0; slot < 10; ++slot) chart.longitude[static_cast<std::size_t>(slot)] = state.slotLongitude[slot];
  chart.night = state.vedic.dayBirth == 0;
  TajakaState& tj = state.tajaka;
  tj.sahams = tajaka::ComputeSahamTable(chart);
  if (!report) return;

  const bool tajakaChart = state.options.tajakaMode != 0;
  ReportBuffer& out = *report;
  out.Appendf("\nTajaka Sahams:\n\n  Name   ");
  out.Append("        ");
  out.Appendf("Position  ");
  if (tajakaChart) {
    out.Append("                              ");
    out.Appendf("Important Dates");
  }
  out.Appendf("\n\n");

  // The important dates count from the Tajaka date (0 h of the day found).
  const std::int64_t tajakaDay =
      GregorianDayCount(static_cast<std::int64_t>(tj.moment.year), static_cast<std::int64_t>(tj.moment.month),
                        static_cast<std::int64_t>(tj.moment.day));
  for (int i = 0; i < kSahamCount; ++i) {
    const double p = tj.sahams[static_cast<std::size_t>(i)];
    // The name, blank-padded to 12 characters.
    std::array<char, 13> name{};
    name.fill(' ');
    const std::string_view n = tajaka::kSahamTable[static_cast<std::size_t>(i)].name;
    n.copy(name.data(), n.size() < 12 ? n.size() : 12);
    name[12] = '\0';
    out.Appendf("  %s   ", name.data());
    const tajaka::InSign at = tajaka::InSignOf(p);
    out.Appendf("%02d %s %02d   ", at.degrees, vedic::kSignAbbreviation[static_cast<std::size_t>(at.sign)].data(),
                at.minutes);
    if (tajakaChart) {
      // P the saham, L the lord of its sign, E the lord of the eleventh sign
      // from it: days from one to the other along the zodiac.
      const double lord = state.slotLongitude[tajaka::LordOfSign(at.sign)];
      const double eleventh = state.slotLongitude[tajaka::LordOfSign(at.sign + 10)];
      const std::array<std::array<double, 2>, 6> pairs = {
          {{p, lord}, {lord, p}, {p, eleventh}, {eleventh, p}, {lord, eleventh}, {eleventh, lord}}};
      for (const auto& [from, to] : pairs) {
        int y, m, d;
        GregorianFromDayCount(tajakaDay + static_cast<std::int64_t>(std::trunc(Mod360(to - from))), y, m, d);
        out.Appendf("  %02d-%02d-%04d", d, m, y);
      }
    }
    out.Appendf("\n");
  }
}

void TajakaYogas(const ChartState& state, const Settings&, ReportBuffer& out) {
  out.Appendf("Tajaka Yogas:\n\n");
  const SlotArray<double>& L = state.slotLongitude;
  for (int i = kSun; i <= kKetu; ++i) {
    for (int j = i + 1; j <= kKetu; ++j) {
      const int si = SignOf(L[i]), sj = SignOf(L[j]);
      const tajaka::Aspect aspect = tajaka::kAspectBySigns[static_cast<std::size_t>(vedic::FloorMod(si - sj, 12))];
      if (aspect == tajaka::kNoAspect) continue;
      if ((j == kRahu || j == kKetu) && aspect != tajaka::kConjunction) continue;
      const double a = L[i] - 30.0 * si, b = L[j] - 30.0 * sj;
      const double d = std::fabs(a - b);
      if (!(d <= (tajaka::kYogaOrb[static_cast<std::size_t>(i)] + tajaka::kYogaOrb[static_cast<std::size_t>(j)]) / 2))
        continue;
      // Applying when the faster planet stands at fewer degrees.
      const int speedI = tajaka::kSpeedOrder[static_cast<std::size_t>(i)];
      const int speedJ = tajaka::kSpeedOrder[static_cast<std::size_t>(j)];
      const bool applying = (speedJ < speedI && b <= a) || (speedI < speedJ && a <= b);
      const bool poorna = d <= 1;
      const char* li = dasa::kDasaLabel[static_cast<std::size_t>(i)];
      const char* lj = dasa::kDasaLabel[static_cast<std::size_t>(j)];
      const char* name = tajaka::kAspectName[static_cast<std::size_t>(aspect)];
      if (applying && poorna) {
        out.Appendf("Poorna Ithasala:   %c%c%c%c and %c%c%c%c   by   %4.2f deg   (%s)\n", li[0], li[1], li[2], li[3],
                    lj[0], lj[1], lj[2], lj[3], d, name);
      } else if (applying) {
        out.Appendf("Ithasala:          %c%c%c%c and %c%c%c%c   by   %4.2f deg   (%s)\n", li[0], li[1], li[2], li[3],
                    lj[0], lj[1], lj[2], lj[3], d, name);
      } else if (poorna) {
        out.Appendf("Poorna Easarpha:   %c%c%c%c and %c%c%c%c   by   %4.2f deg   (%s)\n", li[0], li[1], li[2], li[3],
                    lj[0], lj[1], lj[2], lj[3], d, name);
      } else {
        out.Appendf("Easarpha:          %c%c%c%c and %c%c%c%c   by   %4.2f deg   (%s)\n", li[0], li[1], li[2], li[3],
                    lj[0], lj[1], lj[2], lj[3], d, name);
      }
    }
  }
  out.Appendf("\n");
}

}  // namespace orvane
