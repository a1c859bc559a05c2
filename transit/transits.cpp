#include "transit/transits.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "engine/zodiac.h"
#include "engine/calendar.h"
#include "compute/pipeline.h"
#include "engine/cast.h"
#include "vedic/ashtakavarga.h"
#include "vedic/names.h"

namespace orvane::transit {

namespace {

constexpr std::size_t Ix(int i) { return static_cast<std::size_t>(i); }
int Wrap12(long long n) { return WrapToSign(n); }
std::string Str(std::string_view v) { return std::string(v); }

}  // namespace

// ---- Moments -----------------------------------------------------------------

double LocalDaysOf(const BirthData& m) {
  const std::int64_t day = GregorianDayCount(static_cast<std::int64_t>(std::trunc(m.year)),
                                             static_cast<std::int64_t>(std::trunc(m.month)),
                                             static_cast<std::int64_t>(std::trunc(m.day)));
  return static_cast<double>(day) + DecToDeg(m.time) / 24.0;
}

BirthData BirthAt(double localDays, const BirthData& place) {
  const double whole = std::floor(localDays);
  double hours = (localDays - whole) * 24.0;  // [0, 24)
  int year = 0, month = 1, day = 1;
  GregorianFromDayCount(static_cast<std::int64_t>(whole), year, month, day);
  const double h = std::floor(hours);
  const double minutes = (hours - h) * 60.0;  // [0, 60), seconds as its fraction
  BirthData b = place;
  b.year = year;
  b.month = month;
  b.day = day;
  b.time = h + minutes / 100.0;
  return b;
}

CalendarMoment CalendarOf(double localDays) {
  const double minutes = std::round(localDays * 1440.0);
  const double whole = std::floor(minutes / 1440.0);
  const int minuteOfDay = static_cast<int>(minutes - whole * 1440.0);  // [0, 1439]
  CalendarMoment c;
  GregorianFromDayCount(static_cast<std::int64_t>(whole), c.year, c.month, c.day);
  c.hour = minuteOfDay / 60;
  c.minute = minuteOfDay % 60;
  return c;
}

double ShiftZone(double localDays, double fromZone, double toZone) {
  // Zones are positive west: universal time = local time + zone.
  return localDays + (DecToDeg(fromZone) - DecToDeg(toZone)) / 24.0;
}

BirthData TransitPlace(const Settings& settings) {
  BirthData p;
  p.zone = settings.defaultZone;
  p.longitude = settings.defaultLongitude;
  p.latitude = settings.defaultLatitude;
  return p;
}

BirthData BirthPlace(const ChartState& natal) {
  BirthData p;
  p.zone = natal.birthCopy.zone;
  p.longitude = natal.birthCopy.longitude;
  p.latitude = natal.birthCopy.latitude;
  return p;
}

std::string OffsetText(double zone) {
  const long long minutes = std::llround(-DecToDeg(zone) * 60.0);
  const long long magnitude = minutes < 0 ? -minutes : minutes;
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%c%02lld:%02lld", minutes < 0 ? '-' : '+', magnitude / 60, magnitude % 60);
  return buffer;
}

std::string ZoneText(double zone) { return "UTC" + OffsetText(zone); }

// ---- Casting -------------------------------------------------------------------

Caster::Caster(const Settings& settings, const BirthData& place)
    : settings_(settings), place_(place), state_(std::make_unique<EngineState>()) {}
Caster::~Caster() = default;

GrahaPositions Caster::At(double localDays) { return At(BirthAt(localDays, place_)); }

GrahaPositions Caster::At(const BirthData& moment) {
  EngineState& s = *state_;
  // The ephemeris chains a few values from one cast into the next; a fresh
  // ephemeris state makes every cast the one a new chart would make.
  s.ephemeris = EphemerisState{};
  s.birth = moment;
  s.birth.zone = place_.zone;
  s.birth.longitude = place_.longitude;
  s.birth.latitude = place_.latitude;
  RecastChart(s, EngineSettingsOf(settings_));
  ++casts_;
  GrahaPositions p;
  for (int slot = kAscendant; slot <= kKetu; ++slot) {
    p.longitude[Ix(slot)] = s.slotLongitude[Ix(slot)];
    p.retrograde[Ix(slot)] = s.slotRetrograde[Ix(slot)];
  }
  return p;
}

// ---- Reading against the natal Moon ------------------------------------------------

namespace {

// Good houses from the Moon and their vedha (obstruction) houses, by graha:
// entry h-1 holds the vedha house of house h, 0 where house h is not good.
using VedhaTable = std::array<int, 12>;
//                                         1  2  3  4   5  6   7  8  9   10 11  12
constexpr VedhaTable kSunVedha = {         0, 0, 9, 0,  0, 12, 0, 0, 0,  4, 5,  0};
constexpr VedhaTable kMoonVedha = {        5, 0, 9, 0,  0, 12, 2, 0, 0,  4, 8,  0};
constexpr VedhaTable kMarsVedha = {        0, 0, 12, 0, 0, 9,  0, 0, 0,  0, 5,  0};
constexpr VedhaTable kMercuryVedha = {     0, 5, 0, 3,  0, 9,  0, 1, 0,  8, 12, 0};
constexpr VedhaTable kJupiterVedha = {     0, 12, 0, 0, 4, 0,  3, 0, 10, 0, 8,  0};
constexpr VedhaTable kVenusVedha = {       8, 7, 1, 10, 9, 0,  0, 5, 11, 0, 6,  3};
constexpr VedhaTable kVenusVedhaOther = {  8, 7, 1, 10, 9, 0,  0, 5, 11, 0, 3,  6};
// Saturn, Rahu and Ketu share one row.
constexpr VedhaTable kSaturnVedha = {      0, 0, 12, 0, 0, 9,  0, 0, 0,  0, 5,  0};

constexpr std::array<const VedhaTable*, 10> kVedhaBySlot = {
    nullptr, &kSunVedha, &kMoonVedha, &kMarsVedha, &kMercuryVedha, &kJupiterVedha,
    &kVenusVedha, &kSaturnVedha, &kSaturnVedha, &kSaturnVedha};

constexpr VedhaTable kNoVedha{};

}  // namespace

std::string_view VenusVedhaName(VenusVedha pairing) {
  return pairing == VenusVedha::kElevenThreeTwelveSix ? "11-3" : "11-6";
}

const std::array<int, 12>& VedhaRow(int slot, VenusVedha pairing) {
  if (slot < kSun || slot > kKetu) return kNoVedha;
  if (slot == kVenus && pairing == VenusVedha::kElevenThreeTwelveSix) return kVenusVedhaOther;
  return *kVedhaBySlot[Ix(slot)];
}

bool CanObstruct(int slot, int other) {
  if (slot == other) return false;
  auto pair = [&](int a, int b) { return (slot == a && other == b) || (slot == b && other == a); };
  return !pair(kSun, kSaturn) && !pair(kMoon, kMercury) && !pair(kRahu, kKetu);
}

TransitReading ReadTransits(const ChartState& natal, const Settings& settings, const GrahaPositions& positions,
                            double moment, VenusVedha pairing) {
  TransitReading r;
  r.moment = moment;
  r.venusVedha = pairing;
  r.natalMoonSign = SignOfTurn(natal.slotLongitude[kMoon]);

  // The natal ashtakavarga of the rasi, whatever chart the view has chosen.
  ChartState rasiChoice;
  rasiChoice.options.ashtakavargaChart = 0;
  rasiChoice.vedic.rasi = natal.vedic.rasi;
  AshtakavargaState av;
  ComputeAshtakavargaFromSigns(av, AshtakavargaChartSigns(rasiChoice, settings));

  for (int slot = kSun; slot <= kKetu; ++slot) {
    GrahaTransit& g = r.graha[Ix(slot - 1)];
    g.slot = slot;
    g.longitude = positions.longitude[Ix(slot)];
    g.retrograde = positions.retrograde[Ix(slot)] != 0;
    g.sign = SignOfTurn(g.longitude);
    const NakshatraPosition n = NakshatraOf(g.longitude);
    g.nakshatra = n.nakshatra;
    g.pada = n.pada;
    g.house = Wrap12(g.sign - r.natalMoonSign) + 1;
    g.bindus = slot <= kSaturn ? av.bindu[Ix(slot - 1)][Ix(g.sign)] : -1;
    g.sarvaBindus = av.bindu[kSarvaRow][Ix(g.sign)];
  }
  for (GrahaTransit& g : r.graha) {
    const int vedha = VedhaRow(g.slot, pairing)[Ix(g.house - 1)];
    g.favourable = vedha != 0;
    g.vedhaHouse = vedha;
    if (!vedha) continue;
    for (const GrahaTransit& other : r.graha)
      if (other.house == vedha && CanObstruct(g.slot, other.slot)) g.obstructedBy.push_back(other.slot);
  }
  return r;
}

// ---- Ingresses -----------------------------------------------------------------

namespace {

// Bisection between two moments whose signs differ: the first moment of the
// later sign, within kCrossingTolerance.
double Bisect(Caster& caster, int slot, double lo, double hi) {
  const int loSign = SignOfTurn(caster.LongitudeAt(slot, lo));
  while (hi - lo > kCrossingTolerance) {
    const double mid = 0.5 * (lo + hi);
    if (SignOfTurn(caster.LongitudeAt(slot, mid)) == loSign)
      lo = mid;
    else
      hi = mid;
  }
  return hi;
}

}  // namespace

double RefineCrossing(Caster& caster, int slot, double lo, double hi) { return Bisect(caster, slot, lo, hi); }

namespace {

// The moment of whole minute `minute` (local days times 1440) as a transit
// listing of that minute reads it: date, and the clock time in hours and
// minutes.
BirthData MinuteMoment(long long minute) {
  const long long day = minute >= 0 ? minute / 1440 : -((-minute + 1439) / 1440);
  const long long ofDay = minute - day * 1440;
  BirthData b;
  int year = 0, month = 1, dayOfMonth = 1;
  GregorianFromDayCount(static_cast<std::int64_t>(day), year, month, dayOfMonth);
  b.year = year;
  b.month = month;
  b.day = dayOfMonth;
  b.time = static_cast<double>(ofDay / 60) + static_cast<double>(ofDay % 60) / 100.0;
  return b;
}

// The first whole minute at which the positions a chart shows have `slot`
// out of `fromSign`, near `approximate` (a crossing found on plain casts,
// which differ from the chart's positions by a few minutes of time at most).
double FirstMinuteOutOf(const Caster& caster, int slot, int fromSign, double approximate) {
  auto moved = [&](long long minute) {
    return SignOfTurn(ChartPositions(caster.settings(), MinuteMoment(minute), caster.place()).longitude[Ix(slot)]) !=
           fromSign;
  };
  constexpr int kMostSteps = 240;
  long long minute = std::llround(approximate * 1440.0);
  if (moved(minute)) {
    for (int i = 0; i < kMostSteps && moved(minute - 1); ++i) --minute;
  } else {
    for (int i = 0; i < kMostSteps && !moved(minute); ++i) ++minute;
  }
  return static_cast<double>(minute) / 1440.0;
}

}  // namespace

std::array<Ingress, 4> NextIngresses(Caster& caster, double from) {
  constexpr std::array<int, 4> kSlots = {kJupiter, kSaturn, kRahu, kKetu};
  std::array<Ingress, 4> out{};
  GrahaPositions prev = caster.At(from);
  for (std::size_t i = 0; i < kSlots.size(); ++i) {
    out[i].slot = kSlots[i];
    out[i].fromSign = SignOfTurn(prev.longitude[Ix(kSlots[i])]);
  }
  double t = from;
  int left = 4;
  while (left > 0 && t - from < kIngressSearchDays) {
    const double next = t + 1.0;
    const GrahaPositions now = caster.At(next);
    for (std::size_t i = 0; i < kSlots.size(); ++i) {
      Ingress& in = out[i];
      if (in.found) continue;
      const int sign = SignOfTurn(now.longitude[Ix(in.slot)]);
      if (sign == in.fromSign) continue;
      in.found = true;
      in.moment = FirstMinuteOutOf(caster, in.slot, in.fromSign, Bisect(caster, in.slot, t, next));
      in.toSign = sign;
      --left;
    }
    t = next;
  }
  return out;
}

// ---- Sade Sati and the small panoti -------------------------------------------------

std::string_view PeriodKindName(SaturnPeriodKind kind) {
  switch (kind) {
    case SaturnPeriodKind::kSadeSati: return "Sade Sati";
    case SaturnPeriodKind::kPanotiFourth: return "Small panoti (4th)";
    case SaturnPeriodKind::kPanotiEighth: return "Small panoti (8th)";
  }
  return "?";
}

namespace {

// The period a house from the Moon belongs to; false for the other houses.
bool KindOfHouse(int house, SaturnPeriodKind& kind) {
  switch (house) {
    case 12: case 1: case 2: kind = SaturnPeriodKind::kSadeSati; return true;
    case 4: kind = SaturnPeriodKind::kPanotiFourth; return true;
    case 8: kind = SaturnPeriodKind::kPanotiEighth; return true;
    default: return false;
  }
}

}  // namespace

std::vector<SaturnPeriod> SaturnPeriods(Caster& caster, int moonSign, double from, double to) {
  // Saturn's stays sign by sign over the window.
  std::vector<SaturnSpan> spans;
  int sign = SignOfTurn(caster.LongitudeAt(kSaturn, from));
  double spanStart = from;
  for (double t = from; t < to;) {
    const double next = std::min(t + kSaturnStepDays, to);
    const int s = SignOfTurn(caster.LongitudeAt(kSaturn, next));
    if (s != sign) {
      const double crossing = Bisect(caster, kSaturn, t, next);
      spans.push_back({sign, Wrap12(sign - moonSign) + 1, spanStart, crossing});
      sign = s;
      spanStart = crossing;
    }
    t = next;
  }
  spans.push_back({sign, Wrap12(sign - moonSign) + 1, spanStart, to});

  // Consecutive stays of one kind make one period.
  std::vector<SaturnPeriod> periods;
  bool open = false;
  for (const SaturnSpan& span : spans) {
    SaturnPeriodKind kind{};
    if (!KindOfHouse(span.house, kind)) {
      open = false;
      continue;
    }
    if (!open || periods.back().kind != kind) {
      SaturnPeriod p;
      p.kind = kind;
      p.start = span.start;
      p.startsBeforeWindow = span.start <= from;
      periods.push_back(p);
      open = true;
    }
    SaturnPeriod& p = periods.back();
    p.end = span.end;
    p.endsAfterWindow = span.end >= to;
    p.spans.push_back(span);
  }
  return periods;
}

// ---- The whole report ------------------------------------------------------------------

std::vector<SaturnPeriod> LifetimeSaturnPeriods(const ChartState& natal, const Settings& settings,
                                                const BirthData& place, double* start, double* end) {
  const double birth = ShiftZone(LocalDaysOf(natal.birthCopy), natal.birthCopy.zone, place.zone);
  const double last = birth + kLifetimeYears * 365.2425;
  if (start) *start = birth;
  if (end) *end = last;
  Caster caster(settings, place);
  return SaturnPeriods(caster, SignOfTurn(natal.slotLongitude[kMoon]), birth, last);
}

GrahaPositions ChartPositions(const Settings& settings, const BirthData& moment, const BirthData& place) {
  auto chart = std::make_unique<ChartState>();
  BirthData at = moment;
  at.zone = place.zone;
  at.longitude = place.longitude;
  at.latitude = place.latitude;
  GrahaPositions p;
  if (!ComputeChartFromBirth(*chart, settings, at)) return p;
  for (int slot = kAscendant; slot <= kKetu; ++slot) {
    p.longitude[Ix(slot)] = chart->slotLongitude[Ix(slot)];
    p.retrograde[Ix(slot)] = chart->slotRetrograde[Ix(slot)];
  }
  return p;
}

TransitReport ComputeTransitsAt(const ChartState& natal, const Settings& settings, const BirthData& moment,
                                const BirthData& place, VenusVedha pairing) {
  TransitReport report;
  report.zone = place.zone;
  Caster caster(settings, place);
  const double localDays = LocalDaysOf(moment);
  report.reading = ReadTransits(natal, settings, ChartPositions(settings, moment, place), localDays, pairing);
  report.ingresses = NextIngresses(caster, localDays);
  return report;
}

TransitReport ComputeTransits(const ChartState& natal, const Settings& settings, const BirthData& moment,
                              const BirthData& place, VenusVedha pairing) {
  TransitReport report = ComputeTransitsAt(natal, settings, moment, place, pairing);
  report.periods = LifetimeSaturnPeriods(natal, settings, place, &report.lifetimeStart, &report.lifetimeEnd);
  return report;
}

namespace {

void AppendMoment(ReportBuffer& out, double localDays) {
  const CalendarMoment c = CalendarOf(localDays);
  out.Appendf("%04d-%02d-%02d %02d:%02d", c.year, c.month, c.day, c.hour, c.minute);
}

std::string HouseText(int house) {
  static constexpr std::array<std::string_view, 12> kOrdinal = {"1st", "2nd", "3rd", "4th",  "5th",  "6th",
                                                                "7th", "8th", "9th", "10th", "11th", "12th"};
  return Str(vedic::NameAt(kOrdinal, house - 1));
}

}  // namespace

void WriteTransitReport(ReportBuffer& out, const TransitReport& report) {
  const TransitReading& r = report.reading;
  out.Appendf("Transits of ");
  AppendMoment(out, r.moment);
  out.Appendf(", read from the natal Moon sign %s\n", Str(vedic::NameAt(vedic::kSignAbbreviation, r.natalMoonSign)).c_str());
  out.Appendf("Times in %s\n", ZoneText(report.zone).c_str());
  if (r.venusVedha != VenusVedha::kElevenSixTwelveThree)
    out.Appendf("Venus's vedha: the 11th from the 3rd, the 12th from the 6th\n");
  out.Appendf("\n");
  out.Appendf("%-8s %-11s %-12s %5s  %-26s %6s %5s\n", "Graha", "Position", "Nakshatra", "House", "Reading", "Bindus",
              "Sarva");
  for (const GrahaTransit& g : r.graha) {
    const double inSign = Mod360(g.longitude) - 30.0 * g.sign;
    const int deg = static_cast<int>(inSign);
    const int min = static_cast<int>((inSign - deg) * 60);
    std::string reading = g.favourable ? "favourable" : "-";
    if (!g.obstructedBy.empty()) {
      reading = "vedha by";
      for (int slot : g.obstructedBy) reading += " " + Str(vedic::NameAt(vedic::kPointAbbreviation, slot));
    }
    char bindus[16];
    if (g.bindus >= 0)
      std::snprintf(bindus, sizeof bindus, "%d", g.bindus);
    else
      std::snprintf(bindus, sizeof bindus, "-");
    out.Appendf("%-8s %2d %s %02d'%-2s %-12s %5s  %-26s %6s %5d\n",
                Str(vedic::NameAt(vedic::kPointName, g.slot)).c_str(), deg,
                Str(vedic::NameAt(vedic::kSignAbbreviation, g.sign)).c_str(), min, g.retrograde ? "R" : "",
                Str(vedic::NameAt(vedic::kNakshatraName, g.nakshatra)).c_str(), HouseText(g.house).c_str(),
                reading.c_str(), bindus, g.sarvaBindus);
  }
  out.Appendf("\nNext sign ingresses\n");
  for (const Ingress& in : report.ingresses) {
    out.Appendf("%-8s ", Str(vedic::NameAt(vedic::kPointName, in.slot)).c_str());
    if (!in.found) {
      out.Appendf("no sign change within %.0f years\n", kIngressSearchDays / 365.25);
      continue;
    }
    out.Appendf("%s -> %s  ", Str(vedic::NameAt(vedic::kSignAbbreviation, in.fromSign)).c_str(),
                Str(vedic::NameAt(vedic::kSignAbbreviation, in.toSign)).c_str());
    AppendMoment(out, in.moment);
    out.Appendf("\n");
  }
  if (report.lifetimeEnd <= report.lifetimeStart) return;
  out.Appendf("\nSade Sati and small panoti, birth to %.0f years\n", kLifetimeYears);
  if (report.periods.empty()) out.Appendf("none\n");
  for (const SaturnPeriod& p : report.periods) {
    out.Appendf("%-19s %s", Str(PeriodKindName(p.kind)).c_str(), p.startsBeforeWindow ? "(birth) " : "");
    AppendMoment(out, p.start);
    out.Appendf(" to ");
    AppendMoment(out, p.end);
    out.Appendf("%s\n", p.endsAfterWindow ? " (end of search)" : "");
    if (p.kind != SaturnPeriodKind::kSadeSati) continue;
    for (const SaturnSpan& s : p.spans) {
      out.Appendf("    %-4s %-3s from the Moon  ", HouseText(s.house).c_str(),
                  Str(vedic::NameAt(vedic::kSignAbbreviation, s.sign)).c_str());
      AppendMoment(out, s.start);
      out.Appendf(" to ");
      AppendMoment(out, s.end);
      out.Appendf("\n");
    }
  }
}

}  // namespace orvane::transit
