#include "engine/caster.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "engine/cast.h"

namespace orvane {

namespace {

// Bodies whose retrograde flag the chart keeps from the engine; the Sun,
// the Moon and the nodes are never shown retrograde.
constexpr Body kFlaggedBodies[] = {Body::kMars,   Body::kMercury, Body::kJupiter, Body::kVenus,
                                   Body::kSaturn, Body::kUranus,  Body::kNeptune, Body::kPluto};

int WholeNumber(double v) { return static_cast<int>(std::trunc(v)); }

}  // namespace

Caster::Caster(const EngineSettings& settings) : settings_(settings), engine_(&EngineFor(settings.ephemeris)) {}

namespace {

bool SameMoment(const BirthData& a, const BirthData& b) {
  return a.month == b.month && a.day == b.day && a.year == b.year && a.time == b.time && a.zone == b.zone &&
         a.longitude == b.longitude && a.latitude == b.latitude;
}

}  // namespace

CastResult Caster::Cast(const BirthData& moment, BodySet wanted) {
  ++chains_.casts;
  const bool remember = settings_.ephemeris == EphemerisKind::kSwiss && wanted == BodySet::All();
  if (remember) {
    for (int i = 0; i < rememberedCount_; ++i) {
      if (SameMoment(remembered_[static_cast<std::size_t>(i)].moment, moment)) return remembered_[static_cast<std::size_t>(i)];
    }
  }
  const CastChains before = chains_;
  // The date's ayanamsa first, then the positions: the chains advance in
  // this order on every cast.
  const double ayanamsa = engine_->DateAyanamsa(settings_, WholeNumber(moment.year), WholeNumber(moment.month),
                                                WholeNumber(moment.day), chains_);
  const CastMoment converted = CastMomentOf(moment);
  CastResult cast = engine_->Cast(converted, settings_, wanted, chains_);
  cast.moment = moment;
  cast.converted = converted;
  cast.ayanamsa = ayanamsa;
  // A Swiss cast beyond the library's range is the classic engine's, whose
  // chains advance: such a cast is not remembered.
  if (remember && chains_.siderealCorrection == before.siderealCorrection &&
      chains_.reportAyanamsaPrev == before.reportAyanamsaPrev) {
    remembered_[static_cast<std::size_t>(rememberedNext_)] = cast;
    rememberedNext_ = (rememberedNext_ + 1) % kRemembered;
    rememberedCount_ = std::max(rememberedCount_, rememberedNext_ == 0 ? kRemembered : rememberedNext_);
  }
  return cast;
}

CastResult Caster::CastAtClock(const BirthData& place, int year, int month, int day, FileClock time,
                               BodySet wanted) {
  BirthData moment = place;
  moment.year = year;
  moment.month = month;
  moment.day = day;
  moment.time = time.value;
  return Cast(moment, wanted);
}

CastResult Caster::CastAt(const BirthData& place, const DasaDate& moment, BodySet wanted) {
  const double h = ToHours(Ghatis{moment.ghatis}).value;
  const double fl = std::floor(h);
  return CastAtClock(place, moment.year, moment.month, moment.day, FileClock{fl + (h - fl) * 0.6000000000000001},
                     wanted);
}

int ApplyCast(EngineState& state, const CastResult& cast) {
  state.castMoment = cast.moment;
  state.ayanamsaValue = cast.ayanamsa;
  for (std::size_t b = 0; b < kBodyCount; ++b) {
    const Body body = static_cast<Body>(b);
    if (cast.computed.Has(body)) state.slotLongitude[SlotOf(body)] = cast.longitude[b];
  }
  for (Body body : kFlaggedBodies) {
    if (cast.computed.Has(body))
      state.slotRetrograde[SlotOf(body)] = cast.retrograde[static_cast<std::size_t>(body)];
  }
  if (cast.computed.HasAscendant()) state.slotLongitude[kAscendant] = cast.ascendant;
  for (int slot : {kAscendant, kSun, kMoon, kRahu, kKetu}) state.slotRetrograde[slot] = 0;
  const NakshatraPosition moon = NakshatraOf(state.slotLongitude[kMoon]);
  state.nakshatraBalance = moon.unelapsed;
  return moon.nakshatra;
}

}  // namespace orvane
