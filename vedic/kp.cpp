#include "vedic/kp.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/calendar.h"
#include "engine/zodiac.h"
#include "vedic/names.h"

namespace orvane {
namespace {

// The Vimsottari order from Ketu (the nakshatras' lords), with the years of
// each lord (120 in all), and the lords of the signs: the tables of
// vedic/names.h, which hold planet codes, read as bodies.
constexpr Body BodyOfCode(std::int32_t code) { return BodyAt(GrahaIndexOfSlot(code)); }
constexpr std::array<Body, 9> kOrder = [] {
  std::array<Body, 9> order{};
  for (std::size_t i = 0; i < 9; ++i) order[i] = BodyOfCode(vedic::kNakshatraLordCycle[i]);
  return order;
}();
constexpr std::array<double, 9> kYears = [] {
  std::array<double, 9> years{};
  for (std::size_t i = 0; i < 9; ++i) years[i] = vedic::kVimsottariYears[static_cast<std::size_t>(vedic::kNakshatraLordCycle[i])];
  return years;
}();
constexpr std::array<Body, 12> kSignLord = [] {
  std::array<Body, 12> lords{};
  for (std::size_t i = 0; i < 12; ++i) lords[i] = BodyOfCode(vedic::kSignLord[i]);
  return lords;
}();

// Divides `span` among the nine lords from the one at `first` in the order,
// and finds the part `offset` falls in: its lord's place in the order and
// the offset into it.
void Divide(double span, std::size_t first, double offset, std::size_t& part, double& within, double& partSpan) {
  double start = 0;
  for (std::size_t k = 0; k < 9; ++k) {
    const std::size_t at = (first + k) % 9;
    const double length = span * kYears[at] / 120.0;
    if (offset < start + length || k == 8) {
      part = at;
      within = std::max(0.0, offset - start);
      partSpan = length;
      return;
    }
    start += length;
  }
}

std::array<KpSub, kKpSubCount> BuildTable() {
  std::array<KpSub, kKpSubCount> table{};
  std::size_t n = 0;
  for (int nakshatra = 0; nakshatra < kNakshatraCount; ++nakshatra) {
    const double begin = nakshatra * (360.0 / 27);
    const std::size_t lord = static_cast<std::size_t>(nakshatra % 9);
    double start = begin;
    for (std::size_t k = 0; k < 9; ++k) {
      const std::size_t at = (lord + k) % 9;
      const double end = k == 8 ? (nakshatra + 1) * (360.0 / 27) : start + (360.0 / 27) * kYears[at] / 120.0;
      // A sub that straddles the end of a sign is two subs, one in each sign.
      const double signEnd = 30.0 * (std::floor(start / 30.0 + 1e-9) + 1);
      std::array<std::pair<double, double>, 2> pieces = {{{start, end}, {0, 0}}};
      int count = 1;
      if (end > signEnd + 1e-9 && start < signEnd - 1e-9) {
        pieces = {{{start, signEnd}, {signEnd, end}}};
        count = 2;
      }
      for (int p = 0; p < count && n < table.size(); ++p) {
        KpSub& s = table[n];
        s.number = static_cast<int>(n + 1);
        s.start = pieces[static_cast<std::size_t>(p)].first;
        s.end = pieces[static_cast<std::size_t>(p)].second;
        s.sign = kSignLord[static_cast<std::size_t>(std::floor(s.start / 30.0 + 1e-9)) % 12];
        s.star = kOrder[lord];
        s.sub = kOrder[at];
        ++n;
      }
      start = end;
    }
  }
  return table;
}

}  // namespace

std::string KpPositionText(double siderealLongitude) {
  const long seconds = std::lround(Mod360(siderealLongitude) * 3600) % (360 * 3600);
  const long inSign = seconds % (30 * 3600);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%2ld %s %02ld'%02ld\"", inSign / 3600,
                std::string(vedic::kSignAbbreviation[static_cast<std::size_t>(seconds / (30 * 3600))]).c_str(),
                inSign / 60 % 60, inSign % 60);
  return buf;
}

KpLords KpLordsOf(double siderealLongitude) {
  const double l = Mod360(siderealLongitude);
  KpLords out;
  out.sign = kSignLord[static_cast<std::size_t>(SignOfTurn(l))];
  const double span = 360.0 / 27;
  const int nakshatra = std::min(static_cast<int>(l / span), kNakshatraCount - 1);
  const std::size_t lord = static_cast<std::size_t>(nakshatra % 9);
  out.star = kOrder[lord];
  std::size_t sub = 0, subSub = 0;
  double within = 0, subSpan = 0, within2 = 0, subSubSpan = 0;
  Divide(span, lord, l - nakshatra * span, sub, within, subSpan);
  out.sub = kOrder[sub];
  Divide(subSpan, sub, within, subSub, within2, subSubSpan);
  out.subSub = kOrder[subSub];
  return out;
}

const std::array<KpSub, kKpSubCount>& KpSubTable() {
  static const std::array<KpSub, kKpSubCount> table = BuildTable();
  return table;
}

const KpSub& KpHorary(int number) {
  return KpSubTable()[static_cast<std::size_t>(std::clamp(number, 1, kKpSubCount) - 1)];
}

namespace {

// The house 1..12 of a longitude among the cusps.
int HouseAmong(const std::array<double, 12>& cusps, double longitude) {
  for (int h = 0; h < 12; ++h) {
    const double from = cusps[static_cast<std::size_t>(h)], to = cusps[static_cast<std::size_t>((h + 1) % 12)];
    const double span = std::fmod(to - from + 720.0, 360.0), into = std::fmod(longitude - from + 720.0, 360.0);
    if (into < span) return h + 1;
  }
  return 1;
}

}  // namespace

std::array<int, 9> HousesAmong(const std::array<double, 12>& bounds, const std::array<double, 9>& longitudes) {
  std::array<int, 9> houses{};
  for (std::size_t p = 0; p < 9; ++p) houses[p] = HouseAmong(bounds, longitudes[p]);
  return houses;
}

KpSignificators KpSignificatorsOf(const std::array<double, 12>& cusps, const std::array<double, 9>& longitudes) {
  KpSignificators s;
  std::array<Body, 12> owner{};
  for (std::size_t h = 0; h < 12; ++h) owner[h] = KpLordsOf(cusps[h]).sign;
  std::array<Body, 9> star{};
  std::array<Body, 9> signLord{};
  for (std::size_t p = 0; p < 9; ++p) {
    s.occupies[p] = HouseAmong(cusps, longitudes[p]);
    const KpLords l = KpLordsOf(longitudes[p]);
    star[p] = l.star;
    signLord[p] = l.sign;
  }
  // The houses a graha owns; a node stands for its sign's lord.
  auto owned = [&](Body b) {
    std::vector<int> houses;
    Body as = b;
    if (b == Body::kRahu || b == Body::kKetu) as = signLord[IndexOf(b)];
    for (int h = 0; h < 12; ++h) {
      if (owner[static_cast<std::size_t>(h)] == as) houses.push_back(h + 1);
    }
    return houses;
  };
  for (std::size_t p = 0; p < 9; ++p) {
    const std::size_t st = IndexOf(star[p]);
    s.planet[p][0] = {s.occupies[st]};
    s.planet[p][1] = {s.occupies[p]};
    s.planet[p][2] = owned(star[p]);
    s.planet[p][3] = owned(BodyAt(static_cast<int>(p)));
  }
  for (std::size_t h = 0; h < 12; ++h) {
    auto& levels = s.house[h];
    for (std::size_t p = 0; p < 9; ++p) {
      if (s.occupies[p] == static_cast<int>(h + 1)) levels[1].push_back(BodyAt(static_cast<int>(p)));
    }
    for (std::size_t p = 0; p < 9; ++p) {
      if (std::find(levels[1].begin(), levels[1].end(), star[p]) != levels[1].end()) {
        levels[0].push_back(BodyAt(static_cast<int>(p)));
      }
      if (star[p] == owner[h]) levels[2].push_back(BodyAt(static_cast<int>(p)));
    }
    levels[3] = {owner[h]};
  }
  return s;
}

}  // namespace orvane
