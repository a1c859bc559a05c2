#include "engine/eclipses.h"

#include <swephexp.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/swiss_engine.h"

namespace orvane {

namespace {

EclipseKind KindOf(int flags) {
  if (flags & SE_ECL_ANNULAR_TOTAL) return EclipseKind::kHybrid;
  if (flags & SE_ECL_TOTAL) return EclipseKind::kTotal;
  if (flags & SE_ECL_ANNULAR) return EclipseKind::kAnnular;
  if (flags & SE_ECL_PENUMBRAL) return EclipseKind::kPenumbral;
  return EclipseKind::kPartial;
}

// A moment the library gives, or nothing for its 0 ("no such phase").
std::optional<double> Moment(double jd) {
  if (!(jd > 0)) return std::nullopt;
  return jd;
}

// An eclipse the library found near another one is the same one.
constexpr double kSameEclipseDays = 1.0;

bool Solar(double from, double until, double* geopos, std::vector<Eclipse>& out, std::string* error) {
  std::array<char, 256> serr{};
  double t = from;
  for (int guard = 0; guard < 2000; ++guard) {
    std::array<double, 10> tret{};
    const int flags = swe_sol_eclipse_when_glob(t, SEFLG_SWIEPH, 0, tret.data(), 0, serr.data());
    if (flags < 0) {
      if (error) *error = std::string("the Swiss Ephemeris cannot compute the solar eclipses: ") + serr.data();
      return false;
    }
    if (tret[0] >= until) break;
    Eclipse e;
    e.solar = true;
    e.kind = KindOf(flags);
    e.maximum = tret[0];
    e.whole = {tret[2], tret[3]};
    std::array<double, 20> attr{};
    std::array<double, 10> where{};
    if (swe_sol_eclipse_where(tret[0], SEFLG_SWIEPH, where.data(), attr.data(), serr.data()) >= 0)
      e.magnitude = attr[8];  // the fraction of the Sun's diameter covered (the ratio of the diameters when central)
    // The next eclipse visible from the place: this one when it is.
    std::array<double, 10> lret{};
    std::array<double, 20> lattr{};
    const int local =
        swe_sol_eclipse_when_loc(tret[0] - kSameEclipseDays, SEFLG_SWIEPH, geopos, lret.data(), lattr.data(), 0,
                                 serr.data());
    if (local > 0 && std::fabs(lret[0] - tret[0]) < kSameEclipseDays) {
      e.local.visible = (local & SE_ECL_VISIBLE) != 0;
      e.local.maximumVisible = (local & SE_ECL_MAX_VISIBLE) != 0;
      e.local.kind = KindOf(local);
      e.local.magnitude = lattr[8];
      e.local.begin = Moment(lret[1]);
      e.local.maximum = Moment(lret[0]);
      e.local.end = Moment(lret[4]);
    }
    out.push_back(e);
    t = tret[0] + 20;
  }
  return true;
}

bool Lunar(double from, double until, double* geopos, std::vector<Eclipse>& out, std::string* error) {
  std::array<char, 256> serr{};
  double t = from;
  for (int guard = 0; guard < 2000; ++guard) {
    std::array<double, 10> tret{};
    const int flags = swe_lun_eclipse_when(t, SEFLG_SWIEPH, 0, tret.data(), 0, serr.data());
    if (flags < 0) {
      if (error) *error = std::string("the Swiss Ephemeris cannot compute the lunar eclipses: ") + serr.data();
      return false;
    }
    if (tret[0] >= until) break;
    Eclipse e;
    e.kind = KindOf(flags);
    e.maximum = tret[0];
    e.whole = {tret[6], tret[7]};
    if (tret[2] > 0 && tret[3] > 0) e.partial = EclipsePhase{tret[2], tret[3]};
    if (tret[4] > 0 && tret[5] > 0) e.total = EclipsePhase{tret[4], tret[5]};
    std::array<double, 20> attr{};
    if (swe_lun_eclipse_how(tret[0], SEFLG_SWIEPH, geopos, attr.data(), serr.data()) >= 0) {
      e.magnitude = attr[0];
      e.penumbralMagnitude = attr[1];
    }
    std::array<double, 10> lret{};
    std::array<double, 20> lattr{};
    const int local =
        swe_lun_eclipse_when_loc(tret[0] - kSameEclipseDays, SEFLG_SWIEPH, geopos, lret.data(), lattr.data(), 0,
                                 serr.data());
    e.local.kind = e.kind;
    if (local > 0 && std::fabs(lret[0] - tret[0]) < kSameEclipseDays) {
      e.local.visible = (local & SE_ECL_VISIBLE) != 0;
      e.local.maximumVisible = (local & SE_ECL_MAX_VISIBLE) != 0;
      e.local.magnitude = lattr[0];
      // From the later of the eclipse's start and moonrise to the earlier
      // of its end and moonset.
      const double begin = std::max(lret[6], lret[8] > 0 ? lret[8] : lret[6]);
      const double end = lret[9] > 0 ? std::min(lret[7], lret[9]) : lret[7];
      e.local.begin = Moment(begin);
      e.local.maximum = e.local.maximumVisible ? Moment(lret[0]) : std::nullopt;
      e.local.end = Moment(end);
    }
    out.push_back(e);
    t = tret[0] + 20;
  }
  return true;
}

}  // namespace

std::string_view EclipseKindName(EclipseKind kind) {
  switch (kind) {
    case EclipseKind::kTotal:
      return "total";
    case EclipseKind::kAnnular:
      return "annular";
    case EclipseKind::kHybrid:
      return "hybrid";
    case EclipseKind::kPartial:
      return "partial";
    case EclipseKind::kPenumbral:
      return "penumbral";
  }
  return "partial";
}

bool EclipsesBetween(double from, double until, double longitude, double latitude, std::vector<Eclipse>& out,
                     std::string* error) {
  out.clear();
  const std::string problem = PrepareSwissLibrary();
  if (!problem.empty()) {
    if (error) *error = problem;
    return false;
  }
  double geopos[3] = {longitude, latitude, 0};
  if (!Solar(from, until, geopos, out, error) || !Lunar(from, until, geopos, out, error)) return false;
  std::sort(out.begin(), out.end(), [](const Eclipse& a, const Eclipse& b) { return a.maximum < b.maximum; });
  return true;
}

}  // namespace orvane
