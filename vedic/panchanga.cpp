#include "vedic/panchanga.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "engine/zodiac.h"
#include "engine/ephemeris_engine.h"
#include "engine/calendar.h"
#include "chart/chart_state.h"
#include "engine/cast.h"
#include "io/settings.h"
#include "vedic/names.h"
#include "vedic/vargas.h"

namespace orvane {

using vedic::FloorDiv;
using vedic::FloorMod;
using vedic::NameAt;

namespace {

constexpr std::array<std::string_view, 30> kTithiName = {
    "Sukla Pratipat",   "Sukla Dwitiya",     "Sukla Tritiya",     "Sukla Chaturthi",   "Sukla Panchami",
    "Sukla Shashthi",   "Sukla Sapthami",    "Sukla Ashtami",     "Sukla Navami",      "Sukla Dasami",
    "Sukla Ekadasi",    "Sukla Dwadasi",     "Sukla Trayodasi",   "Sukla Chaturdasi",  "Pournimasya",
    "Krishna Pratipat", "Krishna Dwitiya",   "Krishna Tritiya",   "Krishna Chaturthi", "Krishna Panchami",
    "Krishna Shashthi", "Krishna Sapthami",  "Krishna Ashtami",   "Krishna Navami",    "Krishna Dasami",
    "Krishna Ekadasi",  "Krishna Dwadasi",   "Krishna Trayodasi", "Krishna Chaturdasi", "Amavasya"};

// Indexed by the Sun's sign at the new moon that began the lunar month.
constexpr std::array<std::string_view, 12> kLunarMonthName = {
    "Vaisakha", "Jyeshtha", "Ashadha",   "Sravana", "Bhadrapada", "Aswayuja",
    "Karthika", "Margasira", "Pushya",   "Magha",   "Phalguna",   "Chaitra"};

constexpr std::array<std::string_view, 27> kYogaName = {
    "Vishkambha", "Priti",   "Ayushman", "Soubhagya", "Sobhana", "Atiganda", "Sukarman",
    "Dhriti",     "Soola",   "Ganda",    "Vriddhi",   "Dhruva",  "Vyaghata", "Harshana",
    "Vajra",      "Siddhi",  "Vyatipata", "Variyan",  "Parigha", "Siva",     "Siddha",
    "Sadhya",     "Subha",   "Sukla",    "Brahma",    "Indra",   "Vaidhriti"};

enum Karana : int { kBava = 0, kVishti = 6, kSakuna = 7, kChatushpada = 8, kNaga = 9, kKimstughna = 10 };
constexpr std::array<std::string_view, 11> kKaranaName = {
    "Bava",   "Balava", "Kaulava",     "Taitula", "Garija",    "Vanija",
    "Vishti", "Sakuna", "Chatushpada", "Naga",    "Kimstughna"};

constexpr std::array<std::string_view, 7> kWeekdayName = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                          "Thursday", "Friday", "Saturday"};

// Taras: eight-character fields, the blanks are part of the column.
constexpr std::array<std::string_view, 9> kTaraName = {"Janma   ", "Sampat  ", "Vipat   ", "Kshema  ", "Pratyak ",
                                                       "Sadhana ", "Naidhana", "Mitra   ", "P.Mitra "};
static_assert(std::all_of(kTaraName.begin(), kTaraName.end(), [](std::string_view n) { return n.size() == 8; }));

// Chara karaka abbreviations, AK .. DK, three characters.
constexpr std::array<std::string_view, 8> kCharaKarakaAbbreviation = {" AK", "AmK", " BK", " MK",
                                                                      "PiK", " PK", " GK", " DK"};

constexpr std::array<std::string_view, 3> kSunriseMethodName = {
    "Apparent rise - upper limb", "True rise - upper limb", "True rise - center"};

// Ordinal suffixes of the houses 1..12.
constexpr std::array<std::string_view, 12> kOrdinalSuffix = {"st", "nd", "rd", "th", "th", "th",
                                                             "th", "th", "th", "th", "th", "th"};

// Days of the months of a common year, January first.
constexpr std::array<int, 12> kMonthDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Highest day number read as a Julian-calendar date (15 October 1582).
constexpr double kLastJulianDayNumber = 2299171;
constexpr std::int64_t kDayCount1900 = 26543;      // 1 January 1900
constexpr std::int64_t kDayNumber1900 = 2415021;   // its day number
constexpr std::int64_t kDayCountCycle = 75600;     // 10800 weeks

// Slots of the planet tables, in order; the table may stop after the ghati
// lagna (the first thirteen rows).
constexpr std::array<int, 24> kPlanetTableSlot = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  11, 12,
                                                  13, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39};
constexpr std::size_t kPlanetTableLagnaRows = 13;

int ClampIndex(double x, int last) {
  if (!(x >= 0)) return 0;
  if (x >= last) return last;
  return static_cast<int>(x);
}

// An int from a double known to be a modest whole number; absurd values are
// held at a bound instead of overflowing.
int ToInt(double x) {
  if (!std::isfinite(x)) return 0;
  if (x > 1e9) return 1000000000;
  if (x < -1e9) return -1000000000;
  return static_cast<int>(x);
}

// A value in degrees + minutes/100 split for display: whole degrees and
// minutes, the minutes read with (floor(1000 * fraction) + 4) / 10 so that
// 0.12 stored as 0.11999... still shows 12.
struct DegreesMinutes {
  bool negative = false;
  int whole = 0;
  int minutes = 0;
};
DegreesMinutes SplitDegreesMinutes(double x) {
  DegreesMinutes p;
  if (!std::isfinite(x)) return p;
  p.negative = x < 0;
  const double a = std::fabs(x);
  const double whole = std::floor(a);
  p.whole = ToInt(whole);
  p.minutes = (ToInt(std::floor((a - whole) * 1000)) + 4) / 10;
  return p;
}

// A clock time in hours + minutes/100 + seconds/6000, rounded to the second.
struct ClockTime {
  int hours = 0;  // 0..23
  int minutes = 0;
  int seconds = 0;
};
ClockTime SplitClockTime(double time) {
  ClockTime c;
  if (!std::isfinite(time)) return c;
  const DmsParts p = SplitDms(time);
  long long seconds = std::llround(p.seconds);
  long long minutes = static_cast<long long>(p.minutes);
  long long hours = static_cast<long long>(std::fmod(p.whole, 24.0));
  if (seconds >= 60) {
    seconds -= 60;
    ++minutes;
  }
  if (minutes >= 60) {
    minutes -= 60;
    ++hours;
  }
  c.hours = static_cast<int>(hours % 24);
  c.minutes = static_cast<int>(minutes);
  c.seconds = static_cast<int>(seconds);
  return c;
}

// Whole degrees and minutes of a longitude inside its sign.
struct SignPosition {
  int sign = 0;
  int degrees = 0;
  int minutes = 0;
};
SignPosition SignPositionOf(double longitude) {
  SignPosition p;
  p.sign = SignOf(longitude);
  double d = longitude - 30.0 * p.sign;
  if (!(d >= 0)) d = 0;
  const double whole = std::floor(d);
  p.degrees = ClampIndex(whole, 29);
  p.minutes = ClampIndex(std::floor((d - whole) * 60), 59);
  return p;
}

void WritePanchangaText(const ChartState& state, const Settings& settings, ReportBuffer& out) {
  const VedicState& v = state.vedic;
  out.Appendf("Lunar month (maasa):   %s \n", NameAt(kLunarMonthName, state.lunarMonthSign).data());
  out.Appendf("Lunar day (tithi):     %s\n", NameAt(kTithiName, v.tithi).data());
  out.Appendf("Tithi balance:         %6.4f\n", v.tithiBalance);
  out.Appendf("Nakshatra balance:     %6.4f\n", v.moonNakshatraBalance);
  out.Appendf("Sun-Moon Yoga:         %s\n", NameAt(kYogaName, v.yoga).data());
  out.Appendf("Sun-Moon Karana:       %s\n", NameAt(kKaranaName, v.karana).data());
  out.Appendf("Vara (weekday):        %s\n", NameAt(kWeekdayName, v.vara).data());

  double hours = state.sunrise.sunriseGhatis * 0.4;
  if (!(hours >= 0 && hours < 24)) hours = 0;
  const double wholeHours = std::floor(hours);
  out.Appendf("\nSunrise = %d:%02d am (%s)", static_cast<int>(wholeHours),
              ClampIndex(std::floor((hours - wholeHours) * 60), 59),
              NameAt(kSunriseMethodName, settings.sunriseDefinition).data());

  const bool tajaka = state.options.tajakaMode != 0;
  if (tajaka) {
    const SignPosition m = SignPositionOf(v.munthaLongitude);
    out.Appendf("\nMuntha is at %2d %s %02d, ", m.degrees, NameAt(vedic::kSignAbbreviation, m.sign).data(),
                m.minutes);
    out.Appendf("in %d%s bhava (residential strength is %3.0f%%).\n", v.munthaBhava + 1,
                NameAt(kOrdinalSuffix, v.munthaBhava).data(), v.munthaStrength * 100);
  }

  // The ayanamsa as a positive correction, split on its magnitude (the sign
  // goes with the degrees) and rounded to the second with its carries, so
  // that 59.6 seconds show as the next minute rather than as 60.
  const double ayanamsa = -state.ayanamsaValue;
  const double magnitude = std::isfinite(ayanamsa) ? std::fabs(ayanamsa) : 0.0;
  double degrees = std::floor(magnitude);
  const double minutesExact = (magnitude - degrees) * 60;
  double minutes = std::floor(minutesExact);
  double seconds = std::nearbyint((minutesExact - minutes) * 60);
  if (seconds >= 60) {
    seconds -= 60;
    minutes += 1;
  }
  if (minutes >= 60) {
    minutes -= 60;
    degrees += 1;
  }
  // A negative value under one degree keeps its sign on the zero degrees.
  const bool negative = ayanamsa < 0 && (degrees > 0 || minutes > 0 || seconds > 0);
  if (negative && degrees == 0) {
    out.Appendf("\nAyanamsa = -00-%02d-%.0f\n", ToInt(minutes), seconds);
  } else {
    const int shownDegrees = negative ? -ToInt(degrees) : ToInt(degrees);
    out.Appendf("\nAyanamsa = %02d-%02d-%.0f\n", shownDegrees, ToInt(minutes), seconds);
  }
  // The engine is named only when it is not the classic one.
  const EngineSettings engine = EngineSettingsOf(settings);
  if (engine.ephemeris != EphemerisKind::kClassic) {
    out.Appendf("Ephemeris = %s\n", EngineFor(engine.ephemeris).Describe(state.swissSource).c_str());
  }
  if (!tajaka) {
    out.Appendf("Dasa year length chosen = %8.4f days\n", state.dasa.yearLength);
  } else {
    out.Appendf("\n");
  }
}

// Appends blanks until `start` is followed by `width` characters.
void PadTo(ReportBuffer& out, std::size_t start, std::size_t width) {
  constexpr std::string_view kBlanks = "                ";
  const std::size_t written = out.Position() - start;
  if (written < width) out.Append(kBlanks.substr(0, std::min(width - written, kBlanks.size())));
}

}  // namespace

int NavamsaOf(double longitude) {
  const NakshatraPosition p = NakshatraOf(longitude);
  return static_cast<int>(FloorMod(4LL * p.nakshatra + p.pada, 12));
}

std::int64_t DayCountOf(int year, int month, int day) {
  const double dayNumber = DayNumber(month, day, year);
  if (dayNumber <= kLastJulianDayNumber) {
    std::int64_t n = static_cast<std::int64_t>(dayNumber) - kDayNumber1900 + kDayCount1900;
    if (n < 0) n += kDayCountCycle * FloorDiv(kDayCountCycle - 1 - n, kDayCountCycle);
    return n;
  }
  // Whole years from 1900 (counted forward) or back to the birth year, by
  // the leap-year rule of the calendar.
  std::int64_t n = kDayCount1900;
  if (year > 1900) {
    n += GregorianDayCount(year, 1, 1) - GregorianDayCount(1900, 1, 1);
  } else if (year < 1900) {
    n -= GregorianDayCount(1900, 1, 1) - GregorianDayCount(year, 1, 1);
    if (n < 0) n += kDayCountCycle * FloorDiv(kDayCountCycle - 1 - n, kDayCountCycle);
  }
  const int m = std::clamp(month, 1, 12);
  for (int i = 0; i + 1 < m; ++i) n += kMonthDays[i] + (i == 1 ? IsLeapYear(year) : 0);
  return n + (day - 1);
}

Weekday WeekdayOf(int year, int month, int day, double clockTime, double ascendant, double sun) {
  Weekday w;
  w.dayCount = DayCountOf(year, month, day);
  // Before 11 h with the Sun below the horizon: still the previous day.
  if (clockTime < 11.0 && Mod360(ascendant - sun) > 180.0) w.dayCount -= 1;
  w.vara = static_cast<int>(FloorMod(w.dayCount + 2, 7));
  return w;
}

PanchangaValues PanchangaOf(double sun, double moon, double ascendant) {
  PanchangaValues p;
  p.dayBirth = Mod360(ascendant - sun) <= 180.0 ? 1 : 0;
  p.yoga = ClampIndex(std::floor(0.075 * Normalise360(moon + sun)), 26);
  const double x = Mod360(moon - sun);
  p.tithi = ClampIndex(std::floor(x / 12), 29);
  p.tithiBalance = 1 - (x - 12 * p.tithi) / 12;
  p.karana = KaranaOfHalfTithi(ClampIndex(std::floor(x / 6), 59));
  return p;
}

int KaranaOfHalfTithi(int k) {
  if (k <= 0) return kKimstughna;
  if (k <= 56) return (k - 1) % 7;  // Bava .. Vishti, seven times over
  return k >= 59 ? kNaga : kSakuna + (k - 57);  // Sakuna, Chatushpada, Naga
}

std::string_view TithiName(int tithi) { return NameAt(kTithiName, tithi); }
std::string_view YogaName(int yoga) { return NameAt(kYogaName, yoga); }
std::string_view KaranaName(int karana) { return NameAt(kKaranaName, karana); }
std::string_view WeekdayName(int vara) { return NameAt(kWeekdayName, vara); }
std::string_view LunarMonthNameBySunSign(int sign) { return NameAt(kLunarMonthName, sign); }

int BhavaOf(double longitude, double ascendant) {
  const double start = Mod360(ascendant - 15);
  return ClampIndex(std::floor(Mod360(longitude - start) / 30), 11);
}

double ResidentialStrengthOf(double longitude, double ascendant, int bhava) {
  const double middle = Mod360(ascendant + 30.0 * bhava);
  double L = longitude;
  if (middle < 16 && L > 344) L -= 360;
  if (middle > 344 && L < 16) L += 360;
  const double strength = 1 - std::fabs(L - middle) / 15;
  return std::clamp(strength, 0.0, 1.0);
}

int SubLordOf(double longitude) {
  const double L = Mod360(longitude);
  const NakshatraPosition p = NakshatraOf(L);
  int lord = vedic::NakshatraLord(p.nakshatra);
  // Degrees travelled, times nine, against the lords' years: 13 deg 20 min
  // hold the whole 120 years.
  double r = 9 * (L - kNakshatraSpan * p.nakshatra) - vedic::kVimsottariYears[lord];
  for (int step = 0; step < 9 && r > 0; ++step) {
    lord = vedic::kVimsottariNext[lord];
    r -= vedic::kVimsottariYears[lord];
  }
  return lord;
}

BirthData ChartMomentOf(const ChartState& state) {
  if (state.options.tajakaMode == 0) return state.birth;
  BirthData m = state.castMoment;
  m.zone = state.birth.zone;
  m.longitude = state.birth.longitude;
  m.latitude = state.birth.latitude;
  return m;
}

void WriteBirthDataHeader(const ChartState& state, ReportBuffer& out) {
  out.Clear();
  const BirthData m = ChartMomentOf(state);
  const bool tajaka = state.options.tajakaMode != 0;
  const char* month = NameAt(vedic::kMonthName, static_cast<long long>(ToInt(m.month)) - 1).data();
  if (tajaka) {
    out.Appendf("Date of New Year:      %s %d, %d\n", month, ToInt(m.day), ToInt(m.year));
  } else {
    out.Appendf("Date of Birth:         %s %d, %d\n", month, ToInt(m.day), ToInt(m.year));
  }
  const ClockTime c = SplitClockTime(m.time);
  const int hour12 = c.hours % 12 == 0 ? 12 : c.hours % 12;
  const char* half = c.hours < 12 ? "am" : "pm";
  if (tajaka) {
    out.Appendf("Time of New Year:      %d:%02d:%02d %s\n", hour12, c.minutes, c.seconds, half);
  } else {
    out.Appendf("Time of Birth:         %d:%02d:%02d %s\n", hour12, c.minutes, c.seconds, half);
  }
  const DegreesMinutes zone = SplitDegreesMinutes(m.zone);
  out.Appendf("Time Zone of Birth:    %d:%02d %s\n", zone.whole, zone.minutes,
              zone.negative ? "East of GMT" : "West of GMT");
  const DegreesMinutes lon = SplitDegreesMinutes(m.longitude);
  out.Appendf("Longitude of Birth:    %d %s %02d\n", lon.whole, lon.negative ? "E" : "W", lon.minutes);
  const DegreesMinutes lat = SplitDegreesMinutes(m.latitude);
  out.Appendf("Latitude of Birth:     %d %s %02d\n", lat.whole, lat.negative ? "S" : "N", lat.minutes);
}

Weekday ChartWeekday(const ChartState& state) {
  const BirthData m = ChartMomentOf(state);
  return WeekdayOf(ToInt(m.year), ToInt(m.month), ToInt(m.day), m.time, state.slotLongitude[kAscendant],
                   state.slotLongitude[kSun]);
}

void ComputePointsAndPanchanga(const ChartState& state, VedicState& v) {
  const double ascendant = state.slotLongitude[kAscendant];
  const NakshatraPosition moon = NakshatraOf(state.slotLongitude[kMoon]);
  v.moonNakshatra = moon.nakshatra;
  v.moonPada = moon.pada;
  v.moonNakshatraBalance = moon.unelapsed;

  for (int slot = 0; slot < kSlotCount; ++slot) {
    const double L = state.slotLongitude[slot];
    const NakshatraPosition p = NakshatraOf(L);
    v.rasi[slot] = SignOf(L);
    v.nakshatra[slot] = p.nakshatra;
    v.pada[slot] = p.pada;
    v.navamsa[slot] = static_cast<std::int32_t>(FloorMod(4LL * p.nakshatra + p.pada, 12));
    v.bhava[slot] = BhavaOf(L, ascendant);
    v.residentialStrength[slot] = ResidentialStrengthOf(L, ascendant, v.bhava[slot]);
    v.tara[slot] = static_cast<std::int32_t>(FloorMod(FloorMod(p.nakshatra - moon.nakshatra, 27), 9));
    v.subLord[slot] = SubLordOf(L);
  }
  v.vargaSign[kD1] = v.rasi;
  v.vargaSign[kD9] = v.navamsa;

  // Own taras: the lords met from the Moon's nakshatra lord on rule the
  // taras in order.
  v.ownTara = {};
  int lord = vedic::NakshatraLord(moon.nakshatra);
  for (int k = 0; k < 9; ++k) {
    v.ownTara[lord] = k;
    lord = vedic::kVimsottariNext[lord];
  }

  const PanchangaValues pan = PanchangaOf(state.slotLongitude[kSun], state.slotLongitude[kMoon], ascendant);
  v.dayBirth = pan.dayBirth;
  v.yoga = pan.yoga;
  v.tithi = pan.tithi;
  v.tithiBalance = pan.tithiBalance;
  v.karana = pan.karana;

  if (state.options.tajakaMode != 0) {
    const ChartOptions& o = state.options;
    const long long years = static_cast<long long>(o.tajakaYear) - ToInt(state.birth.year);
    double m = state.tajaka.natalLongitude[kAscendant] + 30.0 * FloorMod(years, 12);  // a sign a year
    if (o.tajakaMonthly != 0) {
      const int hora = o.tajakaHoraWanted != 0 ? o.tajakaHora : 0;
      m += 2.5 * (o.tajakaMonth - 1) + (2.5 / 12) * hora;
    }
    v.munthaLongitude = Normalise360(m);
    v.munthaRasi = SignOf(v.munthaLongitude);
    v.munthaBhava = BhavaOf(v.munthaLongitude, ascendant);
    v.munthaStrength = ResidentialStrengthOf(v.munthaLongitude, ascendant, v.munthaBhava);
  }

  ComputeCharaKarakas(state, v);
}

void ComputeCharaKarakas(const ChartState& state, VedicState& v) {
  // Rahu moves backward: its degrees count from the end of its sign.
  std::array<double, 9> degrees{};
  for (int slot = kSun; slot <= kRahu; ++slot) {
    double L = state.slotLongitude[slot];
    if (slot == kRahu) {
      const int s = SignOf(L);
      L = Normalise360(30.0 * s + (30.0 - (L - 30.0 * s)));
    }
    degrees[slot] = L - 30.0 * SignOf(L);
  }
  std::array<int, 8> order = {kSun, kMoon, kMars, kMercury, kJupiter, kVenus, kSaturn, kRahu};
  std::stable_sort(order.begin(), order.end(), [&degrees](int a, int b) { return degrees[a] > degrees[b]; });
  v.charaKaraka = {};
  for (int k = 0; k < 8; ++k) v.charaKaraka[order[k]] = k;
  v.atmakarakaSlot = order[0];
  v.karakamsa = v.navamsa[order[0]];
}

void WritePlanetTable(const ChartState& state, bool full, ReportBuffer& out) {
  const VedicState& v = state.vedic;
  if (full) {
    out.Appendf("Planet      Position  Pada        CharaK Resi OwnTara  InTara   Rasi Nava Naks Sub\n\n");
  } else {
    out.Appendf("Planet      Position  Pada        CharaK \n\n");
  }
  const std::size_t rows =
      state.options.planetTableWithoutUpagrahas != 0 ? kPlanetTableLagnaRows : kPlanetTableSlot.size();
  for (std::size_t row = 0; row < rows; ++row) {
    const int slot = kPlanetTableSlot[row];
    const char* name = NameAt(vedic::kPointName, slot).data();
    const std::size_t start = out.Position();
    if (state.slotRetrograde[slot] == 1) {
      out.Appendf("%s (R)", name);
    } else {
      out.Appendf("%s", name);
    }
    PadTo(out, start, 11);

    const SignPosition pos = SignPositionOf(state.slotLongitude[slot]);
    out.Appendf(" %2d %s %02d ", pos.degrees, NameAt(vedic::kSignAbbreviation, pos.sign).data(), pos.minutes);
    const std::string_view nakshatra = NameAt(vedic::kNakshatraName, v.nakshatra[slot]);
    const std::size_t nakStart = out.Position();
    out.Appendf(" %s %d", nakshatra.data(), v.pada[slot] + 1);
    PadTo(out, nakStart, nakshatra.size() + 3 + 12 - std::min<std::size_t>(nakshatra.size(), 12));
    if (slot >= kSun && slot <= kRahu) {
      out.Appendf(" %s", NameAt(kCharaKarakaAbbreviation, v.charaKaraka[slot]).data());
    } else {
      out.Appendf("  - ");
    }
    if (!full) {
      out.Appendf("\n");
      continue;
    }
    if (slot == kAscendant) {
      out.Appendf("   -      -    ");
    } else {
      out.Appendf(" %3.0f%% ", v.residentialStrength[slot] * 100);
      if (slot >= kSun && slot <= kKetu) {
        out.Appendf(" %s", NameAt(kTaraName, v.ownTara[slot]).data());
      } else {
        out.Appendf("   --    ");
      }
    }
    out.Appendf(" %s", NameAt(kTaraName, v.tara[slot]).data());
    out.Appendf("  %s", NameAt(vedic::kPointAbbreviation, vedic::kSignLord[SignOf(state.slotLongitude[slot])]).data());
    out.Appendf("   %s", NameAt(vedic::kPointAbbreviation, vedic::kSignLord[FloorMod(v.navamsa[slot], 12)]).data());
    out.Appendf("   %s", NameAt(vedic::kPointAbbreviation, vedic::NakshatraLord(v.nakshatra[slot])).data());
    out.Appendf("   %s\n", NameAt(vedic::kPointAbbreviation, v.subLord[slot]).data());
  }
  out.Appendf("\n");
}

void WriteBasicInformation(const ChartState& state, const Settings& settings, ReportBuffer& out) {
  WriteBirthDataHeader(state, out);
  WritePanchangaText(state, settings, out);
  if (state.options.tajakaMode == 0) out.Appendf("\n");  // a natal chart's section ends with a blank line
}

}  // namespace orvane
