// Muhurta search: the windows of a span of panchanga days in which the
// tithi, nakshatra, weekday, yoga, karana, lagna and (for a person whose
// birth star is given) tara and chandra bala suit an undertaking by its
// rules. A window is a stretch over which none of these changes; each
// carries the rules it meets and the ones it misses.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "panchanga/days.h"

namespace orvane {

enum class MuhurtaEvent { kMarriage, kGrihaPravesha, kTravel, kBusiness, kNamakarana };

// "marriage", "griha-pravesha", "travel", "business", "namakarana".
std::optional<MuhurtaEvent> MuhurtaEventNamed(std::string_view name);
std::string_view MuhurtaEventName(MuhurtaEvent event);

// The Moon's nakshatra (0..26) and pada (0..3) at the person's birth.
struct BirthStar {
  int nakshatra = 0;
  int pada = 0;
};

struct MuhurtaCheck {
  std::string rule;    // "nakshatra", "tithi", "vara", "yoga", "karana", "lagna", "tara bala", "chandra bala"
  bool met = false;
  std::string detail;  // what the window has: "Rohini", "Vipat (3rd) tara", ...
};

struct MuhurtaWindow {
  double start = 0, end = 0;  // Julian days of universal time
  int tithi = 0, nakshatra = 0, yoga = 0, karana = 0, vara = 0, lagna = 0;
  std::vector<MuhurtaCheck> checks;
  bool allMet = false;
};

// The windows of `days` (computed for `request`) whose tithi, nakshatra and
// weekday suit the event, with every rule's check; the windows meeting every
// rule are marked. Tara and chandra bala are checked only with a birth star.
// Windows shorter than a minute are left out.
std::vector<MuhurtaWindow> FindMuhurtas(MuhurtaEvent event, const PanchangaRequest& request,
                                        const std::vector<PanchangaDay>& days, const std::optional<BirthStar>& star);

}  // namespace orvane
