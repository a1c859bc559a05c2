// Solar and lunar eclipses from the Swiss Ephemeris' eclipse functions:
// each eclipse of a span of time, globally (kind, greatest eclipse,
// contacts, magnitude) and as seen from a place (whether and how much of it
// is visible there, and its local contacts). Moments are Julian days of
// universal time. The classic engine has no eclipse theory.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

enum class EclipseKind { kTotal, kAnnular, kHybrid, kPartial, kPenumbral };
std::string_view EclipseKindName(EclipseKind kind);  // "total", "annular", "hybrid", "partial", "penumbral"

struct EclipsePhase {
  double start = 0;
  double end = 0;
};

struct Eclipse {
  bool solar = false;
  EclipseKind kind = EclipseKind::kPartial;
  double maximum = 0;  // greatest eclipse
  // Solar: the eclipse anywhere on the Earth; lunar: the penumbral phase.
  EclipsePhase whole;
  // Lunar: the umbral phases (partial includes the total one).
  std::optional<EclipsePhase> partial, total;
  // Solar: the magnitude at greatest eclipse (fraction of the Sun's
  // diameter covered); lunar: the umbral magnitude.
  double magnitude = 0;
  double penumbralMagnitude = 0;  // lunar

  // As seen from the place.
  struct Local {
    bool visible = false;         // some part of it above the horizon
    bool maximumVisible = false;  // its greatest phase above the horizon
    EclipseKind kind = EclipseKind::kPartial;
    double magnitude = 0;         // at the local maximum
    // Solar: first contact, local maximum, last contact; lunar: the
    // phases' moments as for the whole, with those above the horizon
    // flagged by `visible`.
    std::optional<double> begin, maximum, end;
  } local;
};

// The eclipses whose greatest phase falls from `from` to `until`, in order,
// seen from the place (degrees, east and north positive). False with a
// one-line reason when the library cannot compute them.
bool EclipsesBetween(double from, double until, double longitude, double latitude, std::vector<Eclipse>& out,
                     std::string* error);

}  // namespace orvane
