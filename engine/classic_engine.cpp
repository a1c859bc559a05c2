#include "engine/classic_engine.h"

#include <array>
#include <cstddef>

#include "engine/ephemeris.h"

namespace orvane {

namespace {

// The bodies this engine computes (Ketu is derived from Rahu by every cast).
constexpr Body kClassicBodies[] = {Body::kSun,     Body::kMoon,  Body::kMars,   Body::kMercury,
                                   Body::kJupiter, Body::kVenus, Body::kSaturn, Body::kRahu};

// The parts of the classic cast that give the bodies of `wanted`: the Sun
// alone is cheap, any planet needs the whole planetary table (which starts
// with the Sun), the Moon and the node come together.
unsigned PartsFor(BodySet wanted) {
  unsigned parts = 0;
  if (wanted.HasAscendant()) parts |= kCastAscendant;
  if (wanted.Has(Body::kSun)) parts |= kCastSun;
  for (Body planet : {Body::kMars, Body::kMercury, Body::kJupiter, Body::kVenus, Body::kSaturn}) {
    if (wanted.Has(planet)) parts |= kCastSun | kCastPlanets;
  }
  if (wanted.Has(Body::kMoon) || wanted.Has(Body::kRahu)) parts |= kCastMoon;
  return parts;
}

bool Computes(unsigned parts, Body body) {
  switch (body) {
    case Body::kSun:
      return (parts & kCastSun) != 0;
    case Body::kMoon:
    case Body::kRahu:
      return (parts & kCastMoon) != 0;
    default:
      return (parts & kCastPlanets) != 0;
  }
}

}  // namespace

void ClassicEngine::CastBodies(const CastMoment& moment, const EngineSettings& settings, BodySet wanted,
                               CastChains& chains, CastResult& out) const {
  const unsigned parts = PartsFor(wanted);
  const EphemerisState eph = CastEphemeris(moment, settings, chains, parts);
  out.computed = (parts & kCastAscendant) ? BodySet{}.WithAscendant() : BodySet{};
  for (Body body : kClassicBodies) {
    if (!Computes(parts, body)) continue;
    const std::size_t b = IndexOf(body);
    out.longitude[b] = eph.longitude[b];
    out.retrograde[b] = eph.retrograde[b] != 0 ? 1 : 0;
    out.computed = out.computed.With(body);
  }
  out.ascendant = eph.ascendant;
  out.ramc = eph.ramc;
  out.obliquity = eph.obliquity;
  out.siderealCorrection = eph.siderealCorrection;
}

double ClassicEngine::DateAyanamsa(const EngineSettings& settings, int year, int month, int day,
                                   CastChains& chains) const {
  return ReportAyanamsa(chains, settings, year, month, day);
}

std::string ClassicEngine::Describe(std::uint8_t) const { return {}; }

std::string ClassicRangeNote(int year) {
  if (year >= kClassicCloseFromYear && year <= kClassicCloseToYear) return {};
  return "the classic engine is within a few arc-minutes of the sky only from " +
         std::to_string(kClassicCloseFromYear) + " to " + std::to_string(kClassicCloseToYear) +
         " (Jupiter and Saturn drift outside them): use the Swiss Ephemeris for this date";
}

std::string ClassicRangeShortNote(int year) {
  if (year >= kClassicCloseFromYear && year <= kClassicCloseToYear) return {};
  return "classic engine (use the Swiss Ephemeris outside " + std::to_string(kClassicCloseFromYear) + "-" +
         std::to_string(kClassicCloseToYear) + ")";
}

}  // namespace orvane
