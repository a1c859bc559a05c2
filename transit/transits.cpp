#include "transit/transits.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "engine/zodiac.h"
#include "engine/calendar.h"
#include "compute/pipeline.h"
#include "engine/cast.h"
#include "engine/caster.h"
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
  p.zone = natal.birth.zone;
  p.longitude = natal.birth.longitude;
  p.latitude = natal.birth.latitude;
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

namespace {

// The bodies a cast needs for one slot (Ketu comes with Rahu).
BodySet BodiesOfSlot(int slot) {
  if (slot == kAscendant) return BodySet{}.WithAscendant();
  if (slot == kRahu || slot == kKetu) return BodySet{}.With(Body::kRahu).With(Body::kKetu);
  const int body = GrahaIndexOfSlot(slot);
  return body >= 0 ? BodySet{}.With(BodyAt(body)) : BodySet::All();
}

}  // namespace

void Caster::Cast(const BirthData& moment, BodySet wanted) {
  // The ephemeris chains a few values from one cast into the next; a fresh
  // caster makes every cast the one a new chart would make.
  BirthData at = moment;
  at.zone = place_.zone;
  at.longitude = place_.longitude;
  at.latitude = place_.latitude;
  orvane::Caster caster(EngineSettingsOf(settings_));
  ApplyCast(*state_, caster.Cast(at, wanted));
  ++casts_;
}

double Caster::LongitudeAt(int slot, double localDays) {
  Cast(BirthAt(localDays, place_), BodiesOfSlot(slot));
  return state_->slotLongitude[Ix(slot)];
}

GrahaPositions Caster::At(const BirthData& moment) {
  const EngineState& s = *state_;
  Cast(moment, BodySet::All());
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

namespace {

// Saturn's sign changes on the day grid of a window, found without casting
// every grid moment: a stretch between two cast grid moments is split only
// while Saturn could meet a sign boundary inside it.
class SaturnGridSearch {
 public:
  SaturnGridSearch(Caster& caster, int moonSign, double from, double to, std::vector<SaturnSpan>& spans)
      : caster_(caster), moonSign_(moonSign), spans_(spans) {
    // The grid moments exactly as a walk of kSaturnStepDays steps reaches them.
    for (double t = from; t < to;) {
      grid_.push_back(t);
      t = std::min(t + kSaturnStepDays, to);
    }
    grid_.push_back(to);
    first_ = caster_.LongitudeAt(kSaturn, from);
    sign_ = SignOfTurn(first_);
    spanStart_ = from;
  }

  void Run() {
    // Each stretch is as long as Saturn, going on at the speed of the last
    // one, would stay clear of a boundary; a wrong guess costs casts only,
    // as Stretch checks and splits.
    constexpr std::size_t kLongest = 128;  // grid steps
    const std::size_t last = grid_.size() - 1;
    double a = first_, speed = 0;
    for (std::size_t i = 0; i < last;) {
      std::size_t steps = kLongest;
      auto ahead = [&](std::size_t n) {
        const double days = static_cast<double>(n) * kSaturnStepDays;
        return Reaches(a, speed * days, days);
      };
      while (steps > 1 && ahead(steps)) steps -= (steps + 3) / 4;
      const std::size_t j = std::min(i + steps, last);
      const double b = caster_.LongitudeAt(kSaturn, grid_[j]);
      Stretch(i, a, j, b);
      speed = Turn(b - a) / (grid_[j] - grid_[i]);
      i = j;
      a = b;
    }
    spans_.push_back({sign_, Wrap12(sign_ - moonSign_) + 1, spanStart_, grid_[last]});
  }

 private:
  // Grid moments i < j with Saturn at `a` and `b`; every sign change between
  // consecutive grid moments in it, in time order.
  void Stretch(std::size_t i, double a, std::size_t j, double b) {
    if (j == i + 1) {
      const int s = SignOfTurn(b);
      if (SignOfTurn(a) != s) {
        const double crossing = Crossing(grid_[i], a, grid_[j], b);
        spans_.push_back({sign_, Wrap12(sign_ - moonSign_) + 1, spanStart_, crossing});
        sign_ = s;
        spanStart_ = crossing;
      }
      return;
    }
    // The longitude stays within the chord's range widened by the most a
    // curve of bounded bend can leave its chord.
    if (!Reaches(a, Turn(b - a), grid_[j] - grid_[i])) return;
    const std::size_t k = i + (j - i) / 2;
    const double c = caster_.LongitudeAt(kSaturn, grid_[k]);
    Stretch(i, a, k, c);
    Stretch(k, c, j, b);
  }

  // Bisect(caster, kSaturn, lo, hi) for Saturn at `a` and `b` at the ends,
  // with fewer casts. Where Saturn moves one way all through [lo, hi] (its
  // motion outruns the most its speed can change there), the moment its
  // sign changes is first pinned between two close moments by secant
  // steps; then each halving whose middle falls outside them is decided
  // without a cast. Elsewhere (a station, a jump of more than one sign) the
  // plain bisection runs.
  double Crossing(double lo, double a, double hi, double b) {
    const int loSign = SignOfTurn(a), hiSign = SignOfTurn(b);
    const bool forward = Wrap12(hiSign - loSign) == 1, backward = Wrap12(loSign - hiSign) == 1;
    const double width = hi - lo;
    if (!(forward || backward) || !(std::fabs(Turn(b - a)) > 2 * kSaturnMostBend * width * width))
      return Bisect(caster_, kSaturn, lo, hi);
    const double boundary = 30.0 * (forward ? hiSign : loSign);
    auto offset = [&](double longitude) { return Turn(longitude - boundary); };
    // [before, after]: the last moment known in the old sign, the first
    // known in the new one.
    double before = lo, after = hi, fBefore = offset(a), fAfter = offset(b);
    auto probe = [&](double t) {
      const double longitude = caster_.LongitudeAt(kSaturn, t);
      const bool old = SignOfTurn(longitude) == loSign;
      (old ? before : after) = t;
      (old ? fBefore : fAfter) = offset(longitude);
      return old;
    };
    constexpr double kPinned = 1e-9;  // days
    // Secant steps from the ends, then a probe just either side of the
    // estimate.
    double t0 = lo, f0 = fBefore, t1 = hi, f1 = fAfter;
    for (int step = 0; step < 8 && f1 != f0; ++step) {
      double t = t1 - f1 * (t1 - t0) / (f1 - f0);
      if (!(t > before && t < after)) break;
      const bool old = probe(t);
      t0 = t1;
      f0 = f1;
      t1 = t;
      f1 = old ? fBefore : fAfter;
      if (std::fabs(t1 - t0) < kPinned / 4) break;
    }
    for (double t : {t1 - kPinned / 2, t1 + kPinned / 2})
      if (t > before && t < after) probe(t);
    // The halvings of Bisect, with the middles outside (before, after)
    // decided by the motion being one way.
    double l = lo, h = hi;
    while (h - l > kCrossingTolerance) {
      const double mid = 0.5 * (l + h);
      bool old;
      if (mid <= before)
        old = true;
      else if (mid >= after)
        old = false;
      else
        old = probe(mid);
      (old ? l : h) = mid;
    }
    return h;
  }

  // Whether a longitude that starts at `a` and moves by `delta` over `days`,
  // bending at most kSaturnMostBend, can touch a sign boundary on the way:
  // it stays within the range of its chord widened by the most a curve of
  // that bend can leave its chord.
  static bool Reaches(double a, double delta, double days) {
    const double bend = kSaturnMostBend * days * days / 8.0;
    const double low = std::min(a, a + delta) - bend, high = std::max(a, a + delta) + bend;
    return std::floor(low / 30.0) != std::floor(high / 30.0);
  }

  // A difference of longitudes brought into (-180, 180].
  static double Turn(double d) {
    if (d > 180) d -= 360;
    if (d <= -180) d += 360;
    return d;
  }

  Caster& caster_;
  int moonSign_;
  std::vector<SaturnSpan>& spans_;
  std::vector<double> grid_;
  double first_ = 0;  // Saturn at the start
  int sign_ = 0;
  double spanStart_ = 0;
};

}  // namespace

std::vector<SaturnPeriod> SaturnPeriods(Caster& caster, int moonSign, double from, double to) {
  // Saturn's stays sign by sign over the window.
  std::vector<SaturnSpan> spans;
  SaturnGridSearch(caster, moonSign, from, to, spans).Run();

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
  const double birth = ShiftZone(LocalDaysOf(natal.birth), natal.birth.zone, place.zone);
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
