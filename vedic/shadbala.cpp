#include "vedic/shadbala.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "engine/body.h"
#include "engine/calendar.h"
#include "engine/zodiac.h"
#include "vedic/names.h"
#include "vedic/strength.h"

namespace orvane {

namespace {

using vedic::FloorMod;

// Tables below are indexed by planet Sun..Saturn (index = planet code - 1).
inline constexpr int kPlanets = kPlanetCount;
template <typename T>
using PlanetTable = std::array<T, kPlanets>;

// The planets Sun..Saturn index the tables in body order (engine/body.h).
constexpr int Ix(Body body) { return static_cast<int>(body); }

// Deep debilitation point of each planet, degrees.
constexpr PlanetTable<double> kDebilitationPoint = {190, 213, 118, 345, 275, 177, 20};

// Moolatrikona range of each planet, degrees, both ends included.
struct DegreeRange {
  double from;
  double to;
};
constexpr PlanetTable<DegreeRange> kMoolatrikona = {
    {{120, 140}, {34, 50}, {0, 12}, {166, 170}, {240, 250}, {180, 195}, {300, 320}}};

// Ojayugma: true when the planet favours odd signs (Aries, Gemini, ...).
constexpr PlanetTable<bool> kFavoursOddSign = {true, false, true, true, true, false, true};

// Drekkana: the favourable drekkana, 0 = 1st, 1 = 2nd, 2 = 3rd.
constexpr PlanetTable<int> kFavourableDrekkana = {0, 2, 0, 1, 0, 2, 1};

// Dig bala: the powerless point, degrees ahead of the ascendant.
constexpr PlanetTable<double> kPowerlessFromAscendant = {90, 270, 90, 180, 180, 270, 0};

// Ayana bala: sign of the declination's effect (Mercury takes its absolute value).
constexpr PlanetTable<double> kAyanaFactor = {1, -1, 1, 1, 1, 1, -1};

constexpr PlanetTable<double> kNaturalStrength = {60.0, 51.43, 17.14, 25.7, 34.28, 42.85, 8.57};

// Rupas each planet needs to count as strong.
constexpr PlanetTable<double> kRequiredRupas = kRequiredShadbalaRupas;

// Natural relationship, row: the planet, column: the other planet
// (1 friend, 0 neutral, -1 enemy, 3 itself).
constexpr std::array<PlanetTable<int>, kPlanets> kNaturalRelationship = {{
    {3, 1, 1, 0, 1, -1, -1},
    {1, 3, 0, 1, 0, 0, 0},
    {1, 1, 3, -1, 1, 0, 0},
    {1, -1, 0, 3, 0, 1, 0},
    {1, 1, 1, -1, 3, -1, 0},
    {-1, -1, 0, 1, 0, 3, 1},
    {-1, -1, -1, 1, 0, 1, 3},
}};

// Saptavarga points by compound relationship -2 (great enemy) .. 3 (own sign).
constexpr std::array<double, 6> kSaptavargaPoints = {1.875, 3.75, 7.5, 15, 22.5, 30};
constexpr double kMoolatrikonaPoints = 45;

// Kendra bala by house from the ascendant's sign, (house - 1) mod 3:
// angles, succedent and cadent houses.
constexpr std::array<double, 3> kKendraPoints = {60, 30, 15};

// Ayana bala: declination in minutes of arc at 0, 15, ..., 75 degrees from
// the nearest equinox, and the increase over each following 15 degrees.
constexpr std::array<double, 6> kDeclinationMinutes = {0, 362, 703, 1002, 1238, 1388};
constexpr std::array<double, 6> kDeclinationIncrease = {362, 341, 299, 236, 150, 52};
static_assert([] {
  for (std::size_t i = 0; i + 1 < kDeclinationMinutes.size(); ++i)
    if (kDeclinationMinutes[i] + kDeclinationIncrease[i] != kDeclinationMinutes[i + 1]) return false;
  return true;
}());

// Chesta bala: mean longitude = epoch longitude + days x daily motion +
// correction + years after 1900 x yearly term (degrees).
struct MeanMotion {
  double epoch;
  double perDay;
  double correction;
  double perYear;
};
constexpr MeanMotion kMeanSun = {257.4568, 0.98560265, 0, 0};
constexpr MeanMotion kMeanMars = {270.22, 0.524019, 0, 0};
constexpr MeanMotion kMercurySighrochcha = {164.0, 4.092318, 6.67, -0.00133};
constexpr MeanMotion kMeanJupiter = {220.04, 0.083096, -3.33, -0.0067};
constexpr MeanMotion kVenusSighrochcha = {328.51, 1.602146, -5.0, -0.001};
constexpr MeanMotion kMeanSaturn = {236.74, 0.033439, 5.0, 0.001};
// The Sun's chesta is measured from this point (247 degrees).
constexpr double kSunChestaPoint = -113.0;

// Lord of each weekday, Sunday..Saturday, as a planet code.
constexpr std::array<int, 7> kWeekdayLord = {kSun,     kMoon,    kMars,
                                             kMercury, kJupiter, kVenus,
                                             kSaturn};
// Lords of the hours in the order they follow each other.
constexpr std::array<int, 7> kHoraSequence = {kSaturn, kJupiter, kMars,
                                              kSun,    kVenus,   kMercury,
                                              kMoon};
// Lords of the thirds of the day and of the night.
constexpr std::array<int, 3> kDayThirdLord = {kMercury, kSun, kSaturn};
constexpr std::array<int, 3> kNightThirdLord = {kMoon, kVenus, kMars};

// Bhava dik bala: the class of each sign and the house where it is strongest.
enum SignClass : int { kHuman, kWatery, kQuadruped, kInsect };
constexpr std::array<int, 4> kStrongestHouse = {1, 4, 10, 7};
// Aries..Pisces; Sagittarius and Capricorn change class with the
// ascendant's degrees (below).
constexpr std::array<SignClass, 12> kSignClass = {kQuadruped, kQuadruped, kHuman,  kWatery, kQuadruped, kHuman,
                                                  kHuman,     kInsect,    kHuman,  kQuadruped, kHuman,  kWatery};

int SignIndex(long long sign) { return WrapToSign(sign); }

// A planet code 1..7 as a table index 0..6, or -1 for anything else.
int PlanetIndexOf(long long code) { return PlanetIndexOfSlot(code); }

bool IsBenefic(std::int32_t flag) { return flag >= 1; }

// Weekday 0..6 (0 = Sunday) that a count of days, months or years names:
// w = count mod 7, 0 read as 7, then (w + 2) mod 7.
int WeekdayOfCount(long long count) {
  long long w = FloorMod(count, 7);
  if (w == 0) w = 7;
  return static_cast<int>((w + 2) % 7);
}

// Saptavarga points of planet p for a sign lord (or trimsamsa lord) `lord`,
// by their compound relationship.
double RelationshipPoints(const std::array<PlanetTable<int>, kPlanets>& compound, int p, long long lord) {
  const int q = PlanetIndexOf(lord);
  const int relationship = q < 0 ? 0 : compound[p][q];  // a lord outside the table counts as neutral
  return kSaptavargaPoints[static_cast<std::size_t>(std::clamp(relationship, -2, 3) + 2)];
}

double MeanLongitude(const MeanMotion& m, double days, double yearsAfter1900) {
  return Mod360(m.epoch + days * m.perDay + m.correction + yearsAfter1900 * m.perYear);
}

// "%5.1f  " (or "%5.2f  ") of one item for the seven planets.
void AppendItem(ReportBuffer& out, const std::array<ShadbalaRecord, 7>& s, ShadbalaItem item) {
  for (const ShadbalaRecord& r : s) out.Appendf("%5.1f  ", r[item]);
}

void WriteShadbala(ReportBuffer& out, const StrengthState& st, bool full) {
  const auto& s = st.shadbala;
  if (!full) out.Appendf("SHADBALAS:\n");
  out.Appendf("                             ");  // 29 blanks
  for (int slot = kSun; slot <= kSaturn; ++slot) {
    const std::string_view name = vedic::NameAt(vedic::kPointName, slot);
    out.Appendf("%c%c%c%c   ", name.size() > 0 ? name[0] : ' ', name.size() > 1 ? name[1] : ' ',
                name.size() > 2 ? name[2] : ' ', name.size() > 3 ? name[3] : ' ');
  }
  if (full) {
    out.Appendf("\nSthana Bala");
    out.Appendf("\n    Uchcha Bala             ");
    AppendItem(out, s, kUchchaBala);
    out.Appendf("\n    Saptavarga Bala         ");
    AppendItem(out, s, kSaptavargaBala);
    out.Appendf("\n    Ojayugma Bala           ");
    AppendItem(out, s, kOjayugmaBala);
    out.Appendf("\n    Kendra Bala             ");
    AppendItem(out, s, kKendraBala);
    out.Appendf("\n    Drekkana Bala           ");
    AppendItem(out, s, kDrekkanaBala);
    out.Appendf("\n\nKala Bala");
    out.Appendf("\n    Natonnata Bala          ");
    AppendItem(out, s, kNatonnataBala);
    out.Appendf("\n    Paksha Bala             ");
    AppendItem(out, s, kPakshaBala);
    out.Appendf("\n    Tribhaga Bala           ");
    AppendItem(out, s, kTribhagaBala);
    out.Appendf("\n    Abda Bala               ");
    AppendItem(out, s, kAbdaBala);
    out.Appendf("\n    Masa Bala               ");
    AppendItem(out, s, kMasaBala);
    out.Appendf("\n    Vara Bala               ");
    AppendItem(out, s, kVaraBala);
    out.Appendf("\n    Hora Bala               ");
    AppendItem(out, s, kHoraBala);
    out.Appendf("\n    Ayana Bala              ");
    AppendItem(out, s, kAyanaBala);
    out.Appendf("\n    Yuddha Bala             ");
    AppendItem(out, s, kYuddhaBala);
    out.Appendf("\n");
  }
  out.Appendf("\nSthana Bala                 ");
  AppendItem(out, s, kSthanaBala);
  out.Appendf("\nDigbala                     ");
  AppendItem(out, s, kDigBala);
  out.Appendf("\nKala Bala                   ");
  AppendItem(out, s, kKalaBala);
  out.Appendf("\nChesta Bala                 ");
  AppendItem(out, s, kChestaBala);
  out.Appendf("\nNaisargika Bala             ");
  AppendItem(out, s, kNaisargikaBala);
  out.Appendf("\nDrigbala                    ");
  AppendItem(out, s, kDrigBala);
  out.Appendf("\n\nShadbala Pinda              ");
  AppendItem(out, s, kShadbalaPinda);
  out.Appendf("\nShadbala Pinda (Rupas)      ");
  for (const ShadbalaRecord& r : s) out.Appendf("%5.2f  ", r[kShadbalaRupas]);
  out.Appendf("\nShadbala Strength (%%)       ");
  AppendItem(out, s, kStrengthPercent);
  out.Appendf("\n\nIshta Phala                 ");
  AppendItem(out, s, kIshtaPhala);
  out.Appendf("\nKashta Phala                ");
  AppendItem(out, s, kKashtaPhala);

  if (full) {
    out.Appendf("\n\n\n");
  } else {
    out.Appendf("\n\nBHAVA BALAS:\n");
  }
  out.Appendf("\n       ");
  for (int house = 1; house <= 12; ++house) out.Appendf("  %2d  ", house);
  if (full) {
    out.Appendf("\n\nLord   ");
    for (const BhavaRecord& b : st.bhava) out.Appendf("%4.0f  ", b[kBhavaLord]);
    out.Appendf("\nDik    ");
    for (const BhavaRecord& b : st.bhava) out.Appendf("%4.0f  ", b[kBhavaDik]);
    out.Appendf("\nDrik   ");
    for (const BhavaRecord& b : st.bhava) out.Appendf("%4.0f  ", b[kBhavaDrik]);
  }
  out.Appendf("\n\nTotal  ");
  for (const BhavaRecord& b : st.bhava) out.Appendf("%4.0f  ", b[kBhavaTotal]);
  out.Appendf("\nRupas ");
  for (const BhavaRecord& b : st.bhava) out.Appendf("%5.2f ", b[kBhavaRupas]);
}

}  // namespace

double ArcBetween(double a, double b) {
  const double x = Mod360(a - b);
  return x > 180 ? 360 - x : x;
}

double UchchaBala(int planet, double longitude) {
  if (planet < 1 || planet > kPlanets || !std::isfinite(longitude)) return 0;
  return ArcBetween(longitude, kDebilitationPoint[static_cast<std::size_t>(planet - 1)]) / 3;
}

double DrishtiValue(int planet, double d) {
  double value = 0;
  if (d < 30 || d >= 300) {
    value = 0;
  } else if (d < 60) {
    value = (d - 30) / 2;
  } else if (d < 90) {
    value = (d - 60) + 15;
  } else if (d < 120) {
    value = 30 + (120 - d) / 2;
  } else if (d < 150) {
    value = 150 - d;
  } else if (d < 180) {
    value = 2 * (d - 150);
  } else {
    value = (300 - d) / 2;
  }
  // Special aspects: Mars on the 4th and 8th, Jupiter on the 5th and 9th,
  // Saturn on the 3rd and 10th.
  if (planet == kMars && ((d >= 90 && d < 120) || (d >= 210 && d < 240))) value += 15;
  if (planet == kJupiter && ((d >= 120 && d < 150) || (d >= 240 && d < 270))) value += 30;
  if (planet == kSaturn && ((d >= 60 && d < 90) || (d >= 270 && d < 300))) value += 45;
  return value;
}

double TableDeclination(double folded) {
  const double y = std::isfinite(folded) ? std::clamp(folded, 0.0, 90.0) : 0.0;
  // 90 degrees exactly is the end of the last step, not a seventh row.
  const int row = std::min(static_cast<int>(y / 15), static_cast<int>(kDeclinationMinutes.size()) - 1);
  const double minutes = kDeclinationMinutes[row] + kDeclinationIncrease[row] * (y - 15.0 * row) / 15.0;
  return minutes / 60;
}

std::array<std::int32_t, 9> BeneficFlags(const ChartState& state) {
  const auto& L = state.slotLongitude;
  std::array<std::int32_t, 9> flag = {0, -1, 0, -1, 0, 1, 1, -1, -1};
  flag[kMoon] = ArcBetween(L[kMoon], L[kSun]) >= 90 ? 1 : -1;

  // Mercury takes the nature of the planets it is joined with, opposed to
  // or (for Mars, Jupiter and Saturn) specially aspected by.
  struct SpecialAngles {
    int planet;
    double first;
    double second;
  };
  constexpr std::array<SpecialAngles, 3> kSpecial = {
      {{kMars, 90, 210}, {kJupiter, 120, 240}, {kSaturn, 60, 270}}};
  constexpr std::array<int, 7> kOthers = {kSun,   kMoon,   kMars,
                                          kJupiter, kVenus, kSaturn,
                                          kRahu};
  double sum = 0;
  bool associated = false;
  for (const int q : kOthers) {
    const double d = Mod360(L[kMercury] - L[q]);
    if (d <= 15 || d >= 345 || (d >= 165 && d <= 195)) {
      sum += flag[q];
      associated = true;
    }
    for (const SpecialAngles& s : kSpecial) {
      if (s.planet != q) continue;
      if (std::fabs(d - s.first) <= 15 || std::fabs(d - s.second) <= 15) {
        sum += 0.75 * flag[q];
        associated = true;
      }
    }
  }
  flag[kMercury] = (sum > 0 || (sum == 0 && !associated)) ? 1 : -1;
  return flag;
}

int TribhagaPart(const SunriseValues& sunrise) {
  const double ghatisSinceSunrise = sunrise.minutesSinceSunrise / 24;
  double elapsed = ghatisSinceSunrise;
  double length = sunrise.dayLength;
  if (sunrise.bornInDaytime != 1) {
    elapsed = ghatisSinceSunrise - sunrise.dayLength;
    length = sunrise.nightLength;
  }
  if (!std::isfinite(length) || length <= 0) return 0;
  const double third = std::floor(elapsed / (length / 3));
  if (!std::isfinite(third)) return 0;
  const double part = std::fmod(third, 3.0);  // (-3, 3)
  return static_cast<int>(part < 0 ? part + 3 : part);
}

double DaysSince1900(const BirthData& birth) {
  const double yearValue = std::isfinite(birth.year) ? std::clamp(std::trunc(birth.year), -1.0e6, 1.0e6) : 1900.0;
  const auto year = static_cast<std::int64_t>(yearValue);
  const int month = std::isfinite(birth.month) ? std::clamp(static_cast<int>(birth.month), 1, 12) : 1;
  constexpr std::array<int, 12> kMonthDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  double days = static_cast<double>(GregorianDayCount(year, 1, 1) - GregorianDayCount(1900, 1, 1));
  for (int m = 1; m < month; ++m) days += kMonthDays[m - 1] + (m == 2 && IsLeapYear(static_cast<int>(year)) ? 1 : 0);
  days += std::trunc(birth.day) - 1;
  days += (birth.time + (birth.longitude + 76) / 15) / 24;
  return days;
}

void ComputeShadbala(const ChartState& state, const Settings&, StrengthState& st) {
  const VedicState& v = state.vedic;
  const auto& L = state.slotLongitude;
  const double ascendant = L[kAscendant];
  const int ascendantSign = SignIndex(v.rasi[kAscendant]);

  st.beneficFlag = BeneficFlags(state);
  const auto& flag = st.beneficFlag;

  std::array<ShadbalaRecord, 7> s{};
  PlanetTable<int> rasi{};
  for (int p = 0; p < kPlanets; ++p) rasi[p] = SignIndex(v.rasi[p + 1]);

  // Compound relationship: natural + temporary (+1 for planets 1 to 3 signs
  // apart either way, -1 otherwise); a planet with itself stays 3.
  std::array<PlanetTable<int>, kPlanets> compound{};
  for (int p = 0; p < kPlanets; ++p) {
    for (int q = 0; q < kPlanets; ++q) {
      if (p == q) {
        compound[p][q] = 3;
        continue;
      }
      const int apart = SignIndex(rasi[q] - rasi[p]);
      const int temporary = (apart >= 1 && apart <= 3) || (apart >= 9 && apart <= 11) ? 1 : -1;
      compound[p][q] = kNaturalRelationship[p][q] + temporary;
    }
  }

  // Sthana bala.
  for (int p = 0; p < kPlanets; ++p) {
    const int slot = p + 1;
    ShadbalaRecord& r = s[p];
    r[kUchchaBala] = UchchaBala(slot, L[slot]);

    const bool moolatrikona = L[slot] >= kMoolatrikona[p].from && L[slot] <= kMoolatrikona[p].to;
    double saptavarga = moolatrikona ? kMoolatrikonaPoints : RelationshipPoints(compound, p, vedic::kSignLord[rasi[p]]);
    for (const Varga varga : {kD2, kD3, kD7, kD9, kD12}) {
      saptavarga += RelationshipPoints(compound, p, vedic::kSignLord[SignIndex(v.vargaSign[varga][slot])]);
    }
    saptavarga += RelationshipPoints(compound, p, v.trimsamsaLord[slot]);
    r[kSaptavargaBala] = saptavarga;

    const int navamsa = SignIndex(v.vargaSign[kD9][slot]);
    const auto favoured = [p](int sign) { return (sign % 2 == 0) == kFavoursOddSign[p]; };
    r[kOjayugmaBala] = (favoured(rasi[p]) ? 15 : 0) + (favoured(navamsa) ? 15 : 0);

    r[kKendraBala] = kKendraPoints[SignIndex(rasi[p] - ascendantSign) % 3];

    const int drekkana = SignIndex(v.vargaSign[kD3][slot]);
    r[kDrekkanaBala] = drekkana == SignIndex(rasi[p] + 4 * kFavourableDrekkana[p]) ? 15 : 0;

    r[kSthanaBala] = r[kUchchaBala] + r[kSaptavargaBala] + r[kOjayugmaBala] + r[kKendraBala] + r[kDrekkanaBala];

    r[kDigBala] = ArcBetween(L[slot], ascendant + kPowerlessFromAscendant[p]) / 3;
  }

  // Kala bala.
  const double fromMidnight = ArcBetween(ascendant + 90, L[kSun]) / 3;
  const double elongation = ArcBetween(L[kMoon], L[kSun]) / 3;
  const int tribhagaLord = state.sunrise.bornInDaytime == 1 ? kDayThirdLord[TribhagaPart(state.sunrise)]
                                                             : kNightThirdLord[TribhagaPart(state.sunrise)];
  const long long n = v.dayCount;
  const int abdaLord = kWeekdayLord[WeekdayOfCount(vedic::FloorDiv(n, 360) * 3 + 1)];
  const int masaLord = kWeekdayLord[WeekdayOfCount(vedic::FloorDiv(n, 30) * 2 + 1)];
  const int weekday = WeekdayOfCount(n);
  const int varaLord = kWeekdayLord[weekday];
  const double hoursSinceSunrise = std::floor(state.sunrise.minutesSinceSunrise / 60);
  const long long hours = std::isfinite(hoursSinceSunrise) ? static_cast<long long>(std::fmod(hoursSinceSunrise, 7.0)) : 0;
  const long long varaPosition =
      std::find(kHoraSequence.begin(), kHoraSequence.end(), varaLord) - kHoraSequence.begin();
  const int horaLord = kHoraSequence[FloorMod(varaPosition + hours, 7)];

  for (int p = 0; p < kPlanets; ++p) {
    const int slot = p + 1;
    ShadbalaRecord& r = s[p];
    switch (p) {
      case Ix(Body::kSun):
      case Ix(Body::kJupiter):
      case Ix(Body::kVenus):
        r[kNatonnataBala] = fromMidnight;
        break;
      case Ix(Body::kMercury):
        r[kNatonnataBala] = 60;
        break;
      default:
        r[kNatonnataBala] = 60 - fromMidnight;
        break;
    }
    r[kPakshaBala] = IsBenefic(flag[slot]) ? elongation : 60 - elongation;
    if (p == Ix(Body::kMoon)) r[kPakshaBala] *= 2;

    r[kTribhagaBala] = (p == Ix(Body::kJupiter) || slot == tribhagaLord) ? 60 : 0;
    r[kAbdaBala] = slot == abdaLord ? 15 : 0;
    r[kMasaBala] = slot == masaLord ? 30 : 0;
    r[kVaraBala] = slot == varaLord ? 45 : 0;
    r[kHoraBala] = slot == horaLord ? 60 : 0;

    // Ayana: declination from the tropical longitude (sidereal + 23).
    const double x = Mod360(L[slot] + 23);
    double y = x > 180 ? 360 - x : x;
    if (y > 90) y = 180 - y;
    double declination = TableDeclination(y);
    if (x >= 180) declination = -declination;
    const double effect = p == Ix(Body::kMercury) ? std::fabs(declination) : declination * kAyanaFactor[p];
    r[kAyanaBala] = (effect + 24) * 1.25;
    if (p == Ix(Body::kSun)) r[kAyanaBala] *= 2;

    r[kYuddhaBala] = 0;
    r[kKalaBala] = r[kNatonnataBala] + r[kPakshaBala] + r[kTribhagaBala] + r[kAbdaBala] + r[kMasaBala] +
                   r[kVaraBala] + r[kHoraBala] + r[kAyanaBala] + r[kYuddhaBala];
  }

  // Chesta bala.
  const double days = DaysSince1900(state.birth);
  const double years = std::trunc(state.birth.year) - 1900;
  const double meanSun = MeanLongitude(kMeanSun, days, years);
  s[Ix(Body::kSun)][kChestaBala] = ArcBetween(L[kSun], kSunChestaPoint) / 3;
  s[Ix(Body::kMoon)][kChestaBala] = ArcBetween(L[kMoon], L[kSun]) / 3;
  struct ChestaInputs {
    int p;
    double sighrochcha;
    double meanPlanet;
  };
  const std::array<ChestaInputs, 5> chesta = {{
      {Ix(Body::kMars), meanSun, MeanLongitude(kMeanMars, days, years)},
      {Ix(Body::kMercury), MeanLongitude(kMercurySighrochcha, days, years), meanSun},
      {Ix(Body::kJupiter), meanSun, MeanLongitude(kMeanJupiter, days, years)},
      {Ix(Body::kVenus), MeanLongitude(kVenusSighrochcha, days, years), meanSun},
      {Ix(Body::kSaturn), meanSun, MeanLongitude(kMeanSaturn, days, years)},
  }};
  for (const ChestaInputs& c : chesta) {
    s[c.p][kChestaBala] = ArcBetween(c.sighrochcha, (c.meanPlanet + L[c.p + 1]) / 2) / 3;
  }

  // Naisargika and drig bala, totals and phalas.
  for (int p = 0; p < kPlanets; ++p) {
    const int slot = p + 1;
    ShadbalaRecord& r = s[p];
    r[kNaisargikaBala] = kNaturalStrength[p];

    double aspects = 0;
    for (int q = kSun; q <= kSaturn; ++q) {
      const double value = DrishtiValue(q, Mod360(L[slot] - L[q]));
      aspects += IsBenefic(flag[q]) ? value : -value;
    }
    r[kDrigBala] = aspects / 4;

    r[kShadbalaPinda] = r[kSthanaBala] + r[kDigBala] + r[kKalaBala] + r[kNaisargikaBala] + r[kDrigBala];
    if (p >= Ix(Body::kMars)) r[kShadbalaPinda] += r[kChestaBala];
    r[kShadbalaRupas] = r[kShadbalaPinda] / 60;
    r[kStrengthPercent] = r[kShadbalaRupas] * 100 / kRequiredRupas[p];
    r[kIshtaPhala] = std::sqrt(r[kUchchaBala] * r[kChestaBala]);
    r[kKashtaPhala] = std::sqrt((60 - r[kUchchaBala]) * (60 - r[kChestaBala]));
  }
  st.shadbala = s;

  // Bhava bala.
  const double ascendantDegrees = ascendant - 30.0 * std::floor(ascendant / 30);
  for (int house = 1; house <= 12; ++house) {
    BhavaRecord& b = st.bhava[house - 1];
    const int sign = SignIndex(ascendantSign + house - 1);
    const int lord = PlanetIndexOf(vedic::kSignLord[sign]);
    b[kBhavaLord] = lord < 0 ? 0 : s[lord][kShadbalaPinda];

    SignClass signClass = kSignClass[sign];
    if (sign == ToInt(Rasi::kSagittarius)) signClass = ascendantDegrees < 15 ? kHuman : kQuadruped;
    if (sign == ToInt(Rasi::kCapricorn)) signClass = ascendantDegrees < 15 ? kQuadruped : kWatery;
    const int apart = SignIndex(house - kStrongestHouse[signClass]);
    const int distance = std::min(apart, 12 - apart);  // 0..6
    b[kBhavaDik] = 60 - 10 * distance;

    const double point = ascendant + 30.0 * (house - 1);
    double drik = 0;
    for (int q = kSun; q <= kSaturn; ++q) {
      const double value = DrishtiValue(q, Mod360(point - L[q]));
      if (q == kMercury || q == kJupiter) {
        drik += value;
      } else {
        drik += IsBenefic(flag[q]) ? value / 4 : -value / 4;
      }
    }
    b[kBhavaDrik] = drik;
    b[kBhavaTotal] = b[kBhavaLord] + b[kBhavaDik] + b[kBhavaDrik];
    b[kBhavaRupas] = b[kBhavaTotal] / 60;
  }

}

void WriteShadbalaSection(const ChartState& state, bool full, ReportBuffer& out) {
  out.Clear();
  WriteShadbala(out, state.vedic.strength, full);
}

}  // namespace orvane
