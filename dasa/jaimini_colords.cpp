#include "dasa/jaimini_colords.h"

#include <cmath>

namespace orvane {
namespace {

using enum Rasi;

// Dignity signs by planet code - 1 (Sun..Ketu).
constexpr std::array<Rasi, 9> kExaltationSign = {
    kAries, kTaurus, kCapricorn, kVirgo, kCancer, kPisces, kLibra, kGemini, kSagittarius};
constexpr std::array<Rasi, 9> kDebilitationSign = {
    kLibra, kScorpio, kCancer, kPisces, kCapricorn, kVirgo, kAries, kSagittarius, kGemini};
constexpr std::array<Rasi, 9> kMoolatrikonaSign = {
    kLeo, kTaurus, kAries, kVirgo, kSagittarius, kLibra, kAquarius, kVirgo, kPisces};

bool IsPlanet(int code) { return code >= kSun && code <= kKetu; }

int SignOf(const CoLordChart& chart, int planet) { return WrapToSign(chart.sign[planet]); }

// 0 movable, 1 fixed, 2 dual.
int Modality(int sign) { return sign % 3; }

bool NextTo(int a, int b) {
  const int d = WrapToSign(a - b);  // [0, 11]
  return d == 1 || d == 11;
}

// Number of planets Sun..Ketu in sign s.
int Occupants(const CoLordChart& chart, int s) {
  int n = 0;
  for (int planet = kSun; planet <= kKetu; ++planet) {
    if (SignOf(chart, planet) == s) ++n;
  }
  return n;
}

// Whether planet x influences sign s: a movable sign from its own place and
// from fixed signs not next to it, a fixed sign from its own place and from
// movable signs not next to it, a dual sign from every dual sign.
bool Aspects(const CoLordChart& chart, int x, int s) {
  if (!IsPlanet(x)) return false;
  const int t = SignOf(chart, x);
  switch (Modality(s)) {
    case 0:
      return t == s || (Modality(t) == 1 && !NextTo(t, s));
    case 1:
      return t == s || (Modality(t) == 0 && !NextTo(t, s));
    default:
      return Modality(t) == 2;
  }
}

int Support(const CoLordChart& chart, const JaiminiLordTable& lords, int s) {
  return (Aspects(chart, kJupiter, s) ? 1 : 0) + (Aspects(chart, kMercury, s) ? 1 : 0) +
         (Aspects(chart, lords[s], s) ? 1 : 0);
}

bool IsPair(int p, int q, int a, int b) { return (p == a && q == b) || (p == b && q == a); }

// Compares one measure: the planet with the larger value wins; 0 when equal.
// Returns +1 when p wins, -1 when q wins.
int Compare(double p, double q) { return p > q ? 1 : (p < q ? -1 : 0); }

}  // namespace

CoLordChart MakeCoLordChart(const std::array<std::int32_t, kSlotCount>& signs,
                            const std::array<double, kSlotCount>& longitudes) {
  CoLordChart chart;
  chart.sign = signs;
  for (int k = 0; k < kSlotCount; ++k) {
    const double l = longitudes[k];
    chart.degrees[k] = std::isfinite(l) ? l - 30.0 * std::trunc(l / 30.0) : 0.0;
  }
  return chart;
}

int StrongerCoLord(const CoLordChart& chart, const JaiminiLordTable& lords, int p, int q) {
  if (!IsPlanet(p) || !IsPlanet(q)) return IsPlanet(p) || !IsPlanet(q) ? p : q;

  const int sp = SignOf(chart, p);
  const int sq = SignOf(chart, q);
  const auto is = [](const std::array<Rasi, 9>& table, int planet, int sign) {
    return ToInt(table[planet - 1]) == sign ? 1.0 : 0.0;
  };

  int verdict = Compare(Occupants(chart, sp), Occupants(chart, sq));
  if (verdict == 0) verdict = Compare(Support(chart, lords, sp), Support(chart, lords, sq));
  if (verdict == 0) verdict = Compare(is(kExaltationSign, p, sp), is(kExaltationSign, q, sq));
  if (verdict == 0) verdict = Compare(is(kDebilitationSign, q, sq), is(kDebilitationSign, p, sp));
  if (verdict == 0) verdict = Compare(is(kMoolatrikonaSign, p, sp), is(kMoolatrikonaSign, q, sq));
  if (verdict == 0) verdict = Compare(lords[sp] == p, lords[sq] == q);
  if (verdict == 0) verdict = Compare(Modality(sp), Modality(sq));
  if (verdict == 0 && IsPair(p, q, kSaturn, kRahu)) {
    // Signs counted on from Aquarius: Aquarius 0 .. Capricorn 11.
    verdict = Compare(WrapToSign(sp + 2), WrapToSign(sq + 2));
  }
  if (verdict == 0 && IsPair(p, q, kMars, kKetu)) {
    // Signs counted on from Scorpio: Scorpio 0 .. Libra 11.
    verdict = Compare(WrapToSign(sp + 5), WrapToSign(sq + 5));
  }
  if (verdict == 0) verdict = Compare(chart.degrees[p], chart.degrees[q]);
  return verdict < 0 ? q : p;
}

JaiminiLordTable DecideCoLords(const CoLordChart& chart, JaiminiLordTable lords) {
  if (SignOf(chart, kKetu) == ToInt(kScorpio)) {
    lords[ToInt(kScorpio)] = kMars;
  } else if (SignOf(chart, kMars) == ToInt(kScorpio)) {
    lords[ToInt(kScorpio)] = kKetu;
  } else {
    lords[ToInt(kScorpio)] = StrongerCoLord(chart, lords, kMars, kKetu);
  }
  if (SignOf(chart, kRahu) == ToInt(kAquarius)) {
    lords[ToInt(kAquarius)] = kSaturn;
  } else if (SignOf(chart, kSaturn) == ToInt(kAquarius)) {
    lords[ToInt(kAquarius)] = kRahu;
  } else {
    lords[ToInt(kAquarius)] = StrongerCoLord(chart, lords, kSaturn, kRahu);
  }
  return lords;
}

}  // namespace orvane
