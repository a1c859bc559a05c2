#include "panchanga/days.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/calendar.h"
#include "vedic/names.h"
#include "vedic/panchanga.h"

namespace orvane {

namespace {

// The angles the five limbs are read from, with the arc of one part and the
// rate (degrees a day) at which the angle grows on average.
enum class Limb { kTithi, kKarana, kNakshatra, kPada, kYoga };

struct LimbShape {
  double width;
  int count;
  double rate;
};

LimbShape ShapeOf(Limb limb) {
  switch (limb) {
    case Limb::kTithi:
      return {12.0, 30, 12.19};
    case Limb::kKarana:
      return {6.0, 60, 12.19};
    case Limb::kNakshatra:
      return {360.0 / 27, 27, 13.18};
    case Limb::kPada:
      return {360.0 / 108, 108, 13.18};
    case Limb::kYoga:
      return {360.0 / 27, 27, 14.17};
  }
  return {12.0, 30, 12.19};
}

double AngleOf(Limb limb, const SunMoon& p) {
  switch (limb) {
    case Limb::kTithi:
    case Limb::kKarana:
      return Mod360(p.moon - p.sun);
    case Limb::kNakshatra:
    case Limb::kPada:
      return Mod360(p.moon);
    case Limb::kYoga:
      return Mod360(p.moon + p.sun);
  }
  return 0;
}

double Signed180(double a) {
  a = std::fmod(a, 360.0);
  if (a > 180) a -= 360;
  if (a <= -180) a += 360;
  return a;
}

// The moment near `guess` at which `angle` reaches `target` (degrees),
// by secant steps on the angle still to go. The angle grows at about
// `rate` degrees a day and never turns back, so the root is unique within
// a few days of the guess.
template <typename Angle>
double SolveAngle(Angle angle, double target, double guess, double rate) {
  double t0 = guess;
  double f0 = Signed180(target - angle(t0));
  double t1 = t0 + f0 / rate;
  for (int i = 0; i < 30; ++i) {
    const double f1 = Signed180(target - angle(t1));
    if (std::fabs(f1) < 1e-9) break;
    double slope = (f0 - f1) / (t1 - t0);  // degrees a day, the angle's rate
    if (!(slope > rate * 0.3 && slope < rate * 3)) slope = rate;
    const double t2 = t1 + f1 / slope;
    t0 = t1;
    f0 = f1;
    t1 = t2;
    if (std::fabs(t1 - t0) < 1e-9) break;  // about a ten-thousandth of a second
  }
  return t1;
}

// The moment a limb's part `index` (counted on from the part at `near`)
// begins, near the moment `near`.
double BoundaryOf(Sky& sky, Limb limb, long long boundary, double near) {
  const LimbShape shape = ShapeOf(limb);
  const double target = Mod360(static_cast<double>(boundary) * shape.width);
  return SolveAngle([&](double t) { return AngleOf(limb, sky.At(t)); }, target, near, shape.rate);
}

// The parts of a limb running from `from` to `until`, each with its start and end.
// `carry` is the last part found before (reused when it still runs at `from`).
std::vector<Span> SpansOf(Sky& sky, Limb limb, double from, double until, std::optional<Span>& carry) {
  const LimbShape shape = ShapeOf(limb);
  std::vector<Span> out;
  Span current;
  if (carry && carry->start <= from && carry->end > from) {
    current = *carry;
  } else {
    const double a = AngleOf(limb, sky.At(from));
    int index = static_cast<int>(std::floor(a / shape.width));
    index = std::clamp(index, 0, shape.count - 1);
    current.index = index;
    const double done = (a - index * shape.width) / shape.rate;
    const double left = ((index + 1) * shape.width - a) / shape.rate;
    current.start = BoundaryOf(sky, limb, index, from - done);
    current.end = BoundaryOf(sky, limb, index + 1, from + left);
  }
  out.push_back(current);
  while (current.end < until && out.size() < 8) {
    Span next;
    next.index = (current.index + 1) % shape.count;
    next.start = current.end;
    next.end = BoundaryOf(sky, limb, next.index + 1, current.end + shape.width / shape.rate);
    if (!(next.end > next.start)) break;  // never: the angle only grows
    out.push_back(next);
    current = next;
  }
  carry = out.back();
  return out;
}

// The first moment of a civil date at the place (a Julian day of
// universal time), the offset read at the moment itself.
bool LocalMidnight(const ZoneOffsetAt& zone, int y, int m, int d, double& jd, std::string* error) {
  const double jd0 = JulianDayOfDate(y, m, d);
  int offset = 0;
  double t = jd0;
  for (int i = 0; i < 3; ++i) {
    if (!zone(static_cast<std::int64_t>(std::llround(UnixOfJulianDay(t))), offset)) {
      if (error) *error = "the time zone gives no offset for the dates asked";
      return false;
    }
    t = jd0 - offset / 86400.0;
  }
  jd = t;
  return true;
}

// The rulers 0 Sun .. 6 Saturn in the order of the horas.
constexpr std::array<int, 7> kHoraOrder = {0, 5, 3, 1, 6, 4, 2};
int HoraPosition(int ruler) {
  for (int i = 0; i < 7; ++i)
    if (kHoraOrder[static_cast<std::size_t>(i)] == ruler) return i;
  return 0;
}

// Eighth of the day (1..8) of each period, by weekday from Sunday.
constexpr std::array<int, 7> kRahuPart = {8, 2, 7, 5, 6, 4, 3};
constexpr std::array<int, 7> kYamagandaPart = {5, 4, 3, 2, 1, 7, 6};
constexpr std::array<int, 7> kGulikaPart = {7, 6, 5, 4, 3, 2, 1};
// The Dur muhurtas (fifteenths of the day 1..15; negative: of the night).
const std::array<std::vector<int>, 7>& DurMuhurtaParts() {
  static const std::array<std::vector<int>, 7> parts = {
      std::vector<int>{14}, {9, 12}, {4, -7}, {8}, {6, 12}, {4, 9}, {1, 2}};
  return parts;
}
// Varjyam and Amrita kalam begin this many ghatis (sixtieths of the
// nakshatra's time) into each nakshatra, Aswini first, and last 4 of them.
constexpr std::array<int, 27> kVarjyamGhati = {50, 24, 30, 40, 14, 21, 30, 20, 32, 30, 20, 18, 21, 20,
                                                14, 14, 10, 14, 20, 20, 20, 10, 10, 18, 16, 24, 30};
constexpr std::array<int, 27> kAmritaGhati = {42, 48, 54, 52, 38, 35, 54, 44, 56, 54, 44, 42, 45, 44,
                                               38, 38, 34, 38, 44, 48, 44, 34, 34, 42, 40, 48, 54};

Interval Part(double start, double length, int parts, int part) {
  const double each = length / parts;
  return {start + each * (part - 1), start + each * part};
}

// The new moons around the span, with the Sun's sign at each.
struct NewMoon {
  double moment;
  int sunSign;
};

std::vector<NewMoon> NewMoonsBetween(Sky& sky, double from, double until) {
  std::vector<NewMoon> out;
  const auto elongation = [&](double t) {
    const SunMoon p = sky.At(t);
    return Mod360(p.moon - p.sun);
  };
  double t = from;
  const double rate = 12.19;
  double e = elongation(t);
  t = SolveAngle(elongation, 0.0, t + (360 - e) / rate, rate);
  while (t < until + 40) {
    if (t >= from) out.push_back({t, static_cast<int>(std::floor(Mod360(sky.At(t).sun) / 30)) % 12});
    t = SolveAngle(elongation, 0.0, t + 29.53, rate);
  }
  return out;
}

bool IsAfterOrOn(const Interval& a, double t) { return a.end > t; }

// The amanta month begun by a new moon with the Sun in sign s0 and ended by
// one with the Sun in s1.
LunarMonth MonthBetween(int s0, int s1) { return {(s0 + 1) % 12, s0 == s1}; }

LunarMonth MonthAt(const std::vector<NewMoon>& newMoons, double t) {
  for (std::size_t k = 0; k + 1 < newMoons.size(); ++k)
    if (newMoons[k].moment <= t && t < newMoons[k + 1].moment)
      return MonthBetween(newMoons[k].sunSign, newMoons[k + 1].sunSign);
  return {};
}

}  // namespace

ZoneOffsetAt FixedOffset(int offsetSeconds) {
  return [offsetSeconds](std::int64_t, int& offset) {
    offset = offsetSeconds;
    return true;
  };
}

ClockReading ClockAt(double jd, int offsetSeconds) {
  const long long seconds = std::llround(UnixOfJulianDay(jd)) + offsetSeconds;
  long long days = seconds / 86400, rest = seconds % 86400;
  if (rest < 0) {
    rest += 86400;
    days -= 1;
  }
  ClockReading c;
  GregorianFromDayCount(GregorianDayCount(1970, 1, 1) + days, c.year, c.month, c.day);
  c.hour = static_cast<int>(rest / 3600);
  c.minute = static_cast<int>(rest / 60 % 60);
  c.second = static_cast<int>(rest % 60);
  c.offsetSeconds = offsetSeconds;
  return c;
}

ClockReading ClockIn(double jd, const ZoneOffsetAt& zone) {
  int offset = 0;
  if (!zone || !zone(static_cast<std::int64_t>(std::llround(UnixOfJulianDay(jd))), offset)) offset = 0;
  return ClockAt(jd, offset);
}

bool ComputePanchanga(const PanchangaRequest& request, std::vector<PanchangaDay>& days, std::string* error) {
  days.clear();
  // A day's margin on either side of the years covered, for the rules
  // that read the neighbouring days.
  auto inRange = [](int y) { return y >= kPanchangaFirstYear - 1 && y <= kPanchangaLastYear + 1; };
  if (!inRange(request.firstYear) || !inRange(request.lastYear)) {
    if (error) *error = "the calendar covers the years 1800 to 2399";
    return false;
  }
  if (!request.zone) {
    if (error) *error = "no time zone given";
    return false;
  }
  if (!(std::fabs(request.place.latitude) <= 90) || !(std::fabs(request.place.longitude) <= 180)) {
    if (error) *error = "the place lies outside the globe's coordinates";
    return false;
  }
  const std::int64_t firstCount = GregorianDayCount(request.firstYear, request.firstMonth, request.firstDay);
  const std::int64_t lastCount = GregorianDayCount(request.lastYear, request.lastMonth, request.lastDay);
  if (lastCount < firstCount) {
    if (error) *error = "the last date lies before the first";
    return false;
  }
  Sky sky(request.engine, request.place);

  // Local midnights and sunrises from the day before the first to the day
  // after the last.
  const std::int64_t n = lastCount - firstCount + 1;
  std::vector<double> midnight(static_cast<std::size_t>(n + 3));
  for (std::int64_t i = -1; i <= n + 1; ++i) {
    int y = 0, m = 0, d = 0;
    GregorianFromDayCount(firstCount + i, y, m, d);
    if (!LocalMidnight(request.zone, y, m, d, midnight[static_cast<std::size_t>(i + 1)], error)) return false;
  }
  auto mid = [&](std::int64_t i) { return midnight[static_cast<std::size_t>(i + 1)]; };
  std::vector<std::optional<double>> sunrise(static_cast<std::size_t>(n + 2)), sunset(static_cast<std::size_t>(n + 2));
  for (std::int64_t i = -1; i <= n; ++i) {
    auto& rise = sunrise[static_cast<std::size_t>(i + 1)];
    rise = sky.Sunrise(mid(i), mid(i + 1));
    if (i < n) sunset[static_cast<std::size_t>(i + 1)] = sky.Sunset(rise ? *rise : mid(i), mid(i + 1) + 0.5);
  }
  auto riseOf = [&](std::int64_t i) { return sunrise[static_cast<std::size_t>(i + 1)]; };
  auto setOf = [&](std::int64_t i) { return sunset[static_cast<std::size_t>(i + 1)]; };

  const std::vector<NewMoon> newMoons = NewMoonsBetween(sky, mid(0) - 40, mid(n) + 40);

  std::optional<Span> carry[5];
  days.reserve(static_cast<std::size_t>(n));
  for (std::int64_t i = 0; i < n; ++i) {
    PanchangaDay day;
    GregorianFromDayCount(firstCount + i, day.year, day.month, day.day);
    const double jd0 = JulianDayOfDate(day.year, day.month, day.day);
    day.vara = static_cast<int>(vedic::FloorMod(static_cast<long long>(std::floor(jd0 + 1.5)), 7));
    day.sunrise = riseOf(i);
    day.sunset = setOf(i);
    day.nextSunrise = riseOf(i + 1);
    day.moonrise = sky.Moonrise(mid(i), mid(i + 1));
    day.moonset = sky.Moonset(mid(i), mid(i + 1));
    const double from = day.sunrise ? *day.sunrise : mid(i);
    const double until = day.nextSunrise ? *day.nextSunrise : mid(i + 1);

    day.tithis = SpansOf(sky, Limb::kTithi, from, until, carry[0]);
    day.karanas = SpansOf(sky, Limb::kKarana, from, until, carry[1]);
    day.nakshatras = SpansOf(sky, Limb::kNakshatra, from, until, carry[2]);
    day.padas = SpansOf(sky, Limb::kPada, from, until, carry[3]);
    day.yogas = SpansOf(sky, Limb::kYoga, from, until, carry[4]);

    const SunMoon atRise = sky.At(from);
    const SunMoon atNext = sky.At(until);
    day.sunSign = static_cast<int>(std::floor(atRise.sun / 30)) % 12;
    day.moonSign = static_cast<int>(std::floor(atRise.moon / 30)) % 12;
    const int nextSign = static_cast<int>(std::floor(atNext.sun / 30)) % 12;
    if (nextSign != day.sunSign) {
      const double t = SolveAngle([&](double x) { return sky.At(x).sun; }, nextSign * 30.0,
                                  from + Signed180(nextSign * 30.0 - atRise.sun) / 0.985, 0.985);
      day.sankrantis.push_back({nextSign, t});
    }
    day.uttarayana = atRise.sun >= 270 || atRise.sun < 90;

    // The lunar month of the sunrise: between the new moons around it.
    for (std::size_t k = 0; k + 1 < newMoons.size(); ++k) {
      if (!(newMoons[k].moment <= from && from < newMoons[k + 1].moment)) continue;
      const int s0 = newMoons[k].sunSign, s1 = newMoons[k + 1].sunSign;
      day.amanta = MonthBetween(s0, s1);
      if ((s1 - s0 + 12) % 12 == 2) day.kshayaMonth = (s0 + 2) % 12;
      const bool krishna = !day.tithis.empty() && day.tithis.front().index >= 15;
      day.purnimanta = day.amanta;
      if (krishna && !day.amanta.adhika) {
        // The dark half belongs to the month the next new moon begins.
        day.purnimanta.index = (s1 + 1) % 12;
        day.purnimanta.adhika = false;
      }
      break;
    }
    for (Span& tithi : day.tithis) tithi.month = MonthAt(newMoons, (tithi.start + tithi.end) / 2);
    // The lunar year (Saka) begins with Chaitra; Margasira to Phalguna in
    // the first half of a Gregorian year belong to the year before.
    day.sakaYear = day.year - 78 - (day.amanta.index >= 8 && day.month <= 6 ? 1 : 0);
    day.vikramYear = day.sakaYear + 135;
    day.samvatsara = static_cast<int>(vedic::FloorMod(day.sakaYear + 11, 60));
    day.ritu = day.amanta.index / 2;

    if (day.sunrise && day.sunset && day.nextSunrise) {
      const double rise = *day.sunrise, set = *day.sunset, next = *day.nextSunrise;
      const double dayLength = set - rise, night = next - set;
      const auto v = static_cast<std::size_t>(day.vara);
      day.rahuKalam = Part(rise, dayLength, 8, kRahuPart[v]);
      day.yamaganda = Part(rise, dayLength, 8, kYamagandaPart[v]);
      day.gulikaKalam = Part(rise, dayLength, 8, kGulikaPart[v]);
      day.abhijit = Part(rise, dayLength, 15, 8);
      if (const std::optional<double> prevSet = setOf(i - 1)) {
        const double prevNight = rise - *prevSet;
        day.brahmaMuhurta = Part(*prevSet, prevNight, 15, 14);
      }
      for (int part : DurMuhurtaParts()[v])
        day.durMuhurtas.push_back(part > 0 ? Part(rise, dayLength, 15, part) : Part(set, night, 15, -part));
      for (const Span& nak : day.nakshatras) {
        const double length = nak.end - nak.start;
        const auto k = static_cast<std::size_t>(nak.index);
        const Interval varjyam{nak.start + length * kVarjyamGhati[k] / 60, nak.start + length * (kVarjyamGhati[k] + 4) / 60};
        const Interval amrita{nak.start + length * kAmritaGhati[k] / 60, nak.start + length * (kAmritaGhati[k] + 4) / 60};
        if (varjyam.start < next && IsAfterOrOn(varjyam, rise)) day.varjyam.push_back(varjyam);
        if (amrita.start < next && IsAfterOrOn(amrita, rise)) day.amritaKalam.push_back(amrita);
      }
      const int lord = HoraPosition(day.vara);
      for (int k = 0; k < 8; ++k)
        day.choghadiyas.push_back({kHoraOrder[static_cast<std::size_t>((lord + k) % 7)], Part(rise, dayLength, 8, k + 1)});
      for (int k = 0; k < 8; ++k)
        day.choghadiyas.push_back(
            {kHoraOrder[static_cast<std::size_t>((lord + 5 + 5 * k) % 7)], Part(set, night, 8, k + 1)});
      for (int k = 0; k < 24; ++k) {
        const Interval span = k < 12 ? Part(rise, dayLength, 12, k + 1) : Part(set, night, 12, k - 11);
        day.horas.push_back({kHoraOrder[static_cast<std::size_t>((lord + k) % 7)], span});
      }
    }
    days.push_back(std::move(day));
  }
  return true;
}

std::string_view TithiNameOf(int tithi) { return TithiName(tithi); }
std::string_view NakshatraNameOf(int nakshatra) { return vedic::NameAt(vedic::kNakshatraName, nakshatra); }
std::string_view YogaNameOf(int yoga) { return YogaName(yoga); }
std::string_view KaranaNameOf(int halfTithi) { return KaranaName(KaranaOfHalfTithi(halfTithi)); }
std::string_view VaraNameOf(int vara) { return WeekdayName(vara); }
std::string_view LunarMonthNameOf(int month) { return LunarMonthNameBySunSign((month + 11) % 12); }

std::string_view SamvatsaraNameOf(int index) {
  static constexpr std::array<std::string_view, 60> kNames = {
      "Prabhava",   "Vibhava",     "Shukla",      "Pramoda",   "Prajapati",  "Angirasa",  "Shrimukha",
      "Bhava",      "Yuva",        "Dhatri",      "Ishvara",   "Bahudhanya", "Pramathi",  "Vikrama",
      "Vrisha",     "Chitrabhanu", "Svabhanu",    "Tarana",    "Parthiva",   "Vyaya",     "Sarvajit",
      "Sarvadhari", "Virodhi",     "Vikriti",     "Khara",     "Nandana",    "Vijaya",    "Jaya",
      "Manmatha",   "Durmukhi",    "Hevilambi",   "Vilambi",   "Vikari",     "Sharvari",  "Plava",
      "Shubhakrit", "Shobhakrit",  "Krodhi",      "Vishvavasu", "Parabhava", "Plavanga",  "Kilaka",
      "Saumya",     "Sadharana",   "Virodhikrit", "Paridhavi", "Pramadi",    "Ananda",    "Rakshasa",
      "Nala",       "Pingala",     "Kalayukti",   "Siddharthi", "Raudra",    "Durmati",   "Dundubhi",
      "Rudhirodgari", "Raktakshi", "Krodhana",    "Akshaya"};
  return vedic::NameAt(kNames, index);
}

std::string_view RituNameOf(int ritu) {
  static constexpr std::array<std::string_view, 6> kNames = {"Vasanta", "Grishma", "Varsha",
                                                             "Sharad",  "Hemanta", "Shishira"};
  return vedic::NameAt(kNames, ritu);
}

std::string_view SignNameOf(int sign) {
  static constexpr std::array<std::string_view, 12> kNames = {"Mesha",  "Vrishabha", "Mithuna", "Karka",
                                                              "Simha",  "Kanya",     "Tula",    "Vrischika",
                                                              "Dhanu",  "Makara",    "Kumbha",  "Meena"};
  return vedic::NameAt(kNames, sign);
}

std::string_view ChoghadiyaNameOf(int ruler) {
  static constexpr std::array<std::string_view, 7> kNames = {"Udveg", "Amrit", "Rog", "Labh",
                                                             "Shubh", "Chal",  "Kaal"};
  return vedic::NameAt(kNames, ruler);
}

std::string_view GrahaNameOf(int ruler) {
  static constexpr std::array<std::string_view, 7> kNames = {"Sun",     "Moon",  "Mars",  "Mercury",
                                                             "Jupiter", "Venus", "Saturn"};
  return vedic::NameAt(kNames, ruler);
}

bool ChoghadiyaIsGood(int ruler) { return ruler == 1 || ruler == 4 || ruler == 3 || ruler == 5; }

std::vector<Span> FlatSpans(const std::vector<PanchangaDay>& days, std::vector<Span> PanchangaDay::*list) {
  std::vector<Span> out;
  for (const PanchangaDay& day : days)
    for (const Span& s : day.*list)
      if (out.empty() || s.start > out.back().start + 1e-6) out.push_back(s);
  return out;
}

const Span* SpanAt(const std::vector<Span>& spans, double t) {
  auto it = std::upper_bound(spans.begin(), spans.end(), t, [](double x, const Span& s) { return x < s.start; });
  if (it == spans.begin()) return nullptr;
  --it;
  return t < it->end ? &*it : nullptr;
}

}  // namespace orvane
