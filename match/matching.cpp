#include "match/matching.h"

#include <algorithm>
#include <cmath>

#include "engine/calendar.h"
#include "chart/chart_state.h"
#include "engine/cast.h"
#include "io/settings.h"
#include "vedic/names.h"

namespace orvane::match {

namespace {

using enum Rasi;

constexpr std::size_t At(int i) { return static_cast<std::size_t>(i); }
constexpr std::size_t At(Body body) { return IndexOf(body); }

int Wrap12(int n) { return WrapToSign(n); }

template <typename Names>
std::string_view NameOr(const Names& names, int index) {
  return vedic::NameAt(names, index);
}

// The tara of nakshatra `to` counted from `from`: the count (1..27) taken
// round the nine taras, Janma first.
int TaraFrom(int from, int to) { return static_cast<int>(vedic::FloorMod(to - from, 27) % 9); }

}  // namespace

MoonPoint MoonPointOf(double longitude) {
  const double L = Mod360(longitude);  // [0, 360)
  MoonPoint p;
  p.sign = SignOfTurn(L);
  p.half = L - 30.0 * p.sign >= 15 ? 1 : 0;
  const NakshatraPosition n = NakshatraOf(L);
  p.nakshatra = n.nakshatra;
  p.pada = n.pada;
  return p;
}

std::string_view AttributeName(Koota koota, int a) {
  switch (koota) {
    case kVarnaKoota: return NameOr(kVarnaName, a);
    case kVashyaKoota: return NameOr(kVashyaName, a);
    case kTaraKoota: return NameOr(kTaraName, a);
    case kYoniKoota: return NameOr(kYoniName, a);
    case kMaitriKoota: return NameOr(kLordName, a);
    case kGanaKoota: return NameOr(kGanaName, a);
    case kBhakootKoota: return NameOr(kSignName, a);
    case kNadiKoota: return NameOr(kNadiName, a);
    case kKootaCount: break;
  }
  return "?";
}

KootaScore ScoreKoota(Koota koota, const MoonPoint& g, const MoonPoint& b, const KootaTables& t) {
  KootaScore s;
  s.koota = koota;
  switch (koota) {
    case kVarnaKoota:
      s.groom = t.signVarna[At(g.sign)];
      s.bride = t.signVarna[At(b.sign)];
      s.points = t.varnaPoints[At(s.groom)][At(s.bride)];
      break;
    case kVashyaKoota:
      s.groom = t.signVashya[At(g.sign)][At(g.half)];
      s.bride = t.signVashya[At(b.sign)][At(b.half)];
      s.points = t.vashyaPoints[At(s.groom)][At(s.bride)];
      break;
    case kTaraKoota:
      // Each Moon's nakshatra counted from the other's; a good tara each way
      // gives half the koota.
      s.groom = TaraFrom(b.nakshatra, g.nakshatra);
      s.bride = TaraFrom(g.nakshatra, b.nakshatra);
      s.points = t.taraPoints[At(s.groom)] + t.taraPoints[At(s.bride)];
      break;
    case kYoniKoota:
      s.groom = t.nakshatraYoni[At(g.nakshatra)];
      s.bride = t.nakshatraYoni[At(b.nakshatra)];
      s.points = t.yoniPoints[At(s.groom)][At(s.bride)];
      break;
    case kMaitriKoota:
      s.groom = static_cast<int>(t.signLord[At(g.sign)]);
      s.bride = static_cast<int>(t.signLord[At(b.sign)]);
      s.points = t.maitriPoints[At(s.groom)][At(s.bride)];
      break;
    case kGanaKoota:
      s.groom = t.nakshatraGana[At(g.nakshatra)];
      s.bride = t.nakshatraGana[At(b.nakshatra)];
      s.points = t.ganaPoints[At(s.groom)][At(s.bride)];
      break;
    case kBhakootKoota:
      s.groom = g.sign;
      s.bride = b.sign;
      s.points = t.bhakootPoints[At(Wrap12(b.sign - g.sign))];
      break;
    case kNadiKoota:
      s.groom = t.nakshatraNadi[At(g.nakshatra)];
      s.bride = t.nakshatraNadi[At(b.nakshatra)];
      s.points = t.nadiPoints[At(s.groom)][At(s.bride)];
      break;
    case kKootaCount:
      break;
  }
  return s;
}

bool LordsSameOrFriendly(int groomSign, int brideSign, const KootaTables& t) {
  const Body g = t.signLord[At(groomSign)], b = t.signLord[At(brideSign)];
  // Mutual friends are the pairs the Graha Maitri table gives its full points.
  return g == b || t.maitriPoints[At(g)][At(b)] == kKootaMaximum[kMaitriKoota];
}

MatchResult MatchMoons(const MoonPoint& groom, const MoonPoint& bride, const KootaTables& t) {
  MatchResult r;
  r.groom = groom;
  r.bride = bride;
  for (int k = 0; k < kKootaCount; ++k) {
    r.kootas[At(k)] = ScoreKoota(static_cast<Koota>(k), groom, bride, t);
    r.total += r.kootas[At(k)].points;
  }
  const bool lordsFriendly = LordsSameOrFriendly(groom.sign, bride.sign, t);
  if (r.kootas[kNadiKoota].points == 0) {
    const bool sameNakshatra = groom.nakshatra == bride.nakshatra;
    if (sameNakshatra && groom.pada != bride.pada)
      r.exceptions.push_back({MatchException::kNadiSameNakshatraOtherPada, kNadiKoota,
                              "Nadi dosha cancelled: one nakshatra, different padas"});
    if (sameNakshatra && groom.sign != bride.sign)
      r.exceptions.push_back({MatchException::kNadiSameNakshatraOtherSign, kNadiKoota,
                              "Nadi dosha cancelled: one nakshatra, different Moon signs"});
    if (!sameNakshatra && groom.sign == bride.sign)
      r.exceptions.push_back({MatchException::kNadiSameSignOtherNakshatra, kNadiKoota,
                              "Nadi dosha cancelled: one Moon sign, different nakshatras"});
    // Friendly lords do not cancel Nadi for two Moons in one nakshatra and
    // one pada: that needs at least a different pada.
    const bool samePada = sameNakshatra && groom.pada == bride.pada;
    if (lordsFriendly && !samePada)
      r.exceptions.push_back({MatchException::kNadiLordsFriendly, kNadiKoota,
                              "Nadi dosha cancelled: the Moon-sign lords are the same or friends"});
  }
  if (r.kootas[kBhakootKoota].points == 0 && lordsFriendly)
    r.exceptions.push_back({MatchException::kBhakootLordsFriendly, kBhakootKoota,
                            "Bhakoot dosha cancelled: the Moon-sign lords are the same or friends"});
  r.totalWithExceptions = r.total;
  std::array<bool, kKootaCount> restored{};
  for (const AppliedException& e : r.exceptions) {
    if (restored[At(e.koota)]) continue;  // several reasons restore a koota once
    restored[At(e.koota)] = true;
    r.totalWithExceptions += kKootaMaximum[At(e.koota)] - r.kootas[At(e.koota)].points;
  }
  return r;
}

// ---- Manglik ----------------------------------------------------------------

namespace {

// Signs in which Mars in a given house (from any reference) does not give
// the dosha, as the common manuals list them.
struct HouseSignRelief {
  int house;
  std::array<Rasi, 2> signs;
};
constexpr std::array<HouseSignRelief, 6> kHouseSignRelief = {{
    {1, {kLeo, kAquarius}},
    {2, {kGemini, kVirgo}},
    {4, {kAries, kScorpio}},
    {7, {kCancer, kCapricorn}},
    {8, {kSagittarius, kPisces}},
    {12, {kTaurus, kLibra}},
}};

bool SignRelievesHouse(int house, int sign) {
  for (const HouseSignRelief& r : kHouseSignRelief)
    if (r.house == house)
      return std::any_of(r.signs.begin(), r.signs.end(), [sign](Rasi s) { return ToInt(s) == sign; });
  return false;
}

void AddOnce(std::vector<ManglikCancellation>& list, ManglikCancellation c) {
  if (std::find(list.begin(), list.end(), c) == list.end()) list.push_back(c);
}

}  // namespace

ManglikSigns ManglikSignsOf(const Chart& chart) {
  return {ToInt(chart.AscendantSign()), ToInt(chart.Sign(Body::kMoon)), ToInt(chart.Sign(Body::kVenus)),
          ToInt(chart.Sign(Body::kMars)), ToInt(chart.Sign(Body::kJupiter))};
}

ManglikResult CheckManglik(const ManglikSigns& signs) {
  ManglikResult r;
  const std::array<int, kReferenceCount> from = {signs.ascendant, signs.moon, signs.venus};
  const bool ownSign = signs.mars == ToInt(kAries) || signs.mars == ToInt(kScorpio);
  const bool exalted = signs.mars == ToInt(kCapricorn);
  const bool withJupiter = signs.mars == signs.jupiter;
  bool allFreed = true;
  for (int i = 0; i < kReferenceCount; ++i) {
    ManglikReferenceResult& ref = r.reference[At(i)];
    ref.house = Wrap12(signs.mars - from[At(i)]) + 1;  // 1..12
    ref.dosha = std::find(kManglikHouses.begin(), kManglikHouses.end(), ref.house) != kManglikHouses.end();
    if (!ref.dosha) continue;
    r.manglik = true;
    if (ownSign) AddOnce(r.cancellations, ManglikCancellation::kOwnSign);
    if (exalted) AddOnce(r.cancellations, ManglikCancellation::kExalted);
    if (withJupiter) AddOnce(r.cancellations, ManglikCancellation::kWithJupiter);
    const bool houseSign = SignRelievesHouse(ref.house, signs.mars);
    if (houseSign) AddOnce(r.cancellations, ManglikCancellation::kSignInHouse);
    ref.cancelled = ownSign || exalted || withJupiter || houseSign;
    allFreed = allFreed && ref.cancelled;
  }
  r.cancelled = r.manglik && allFreed;
  return r;
}

std::string_view CancellationText(ManglikCancellation c) {
  switch (c) {
    case ManglikCancellation::kOwnSign: return "Mars in its own sign (Aries or Scorpio)";
    case ManglikCancellation::kExalted: return "Mars exalted (Capricorn)";
    case ManglikCancellation::kSignInHouse: return "Mars in a sign that frees its house";
    case ManglikCancellation::kWithJupiter: return "Mars with Jupiter";
    case ManglikCancellation::kBothManglik: return "both charts are Manglik";
  }
  return "?";
}

void ApplyBothManglik(ManglikResult& a, ManglikResult& b) {
  if (!a.manglik || !b.manglik) return;
  for (ManglikResult* r : {&a, &b}) {
    AddOnce(r->cancellations, ManglikCancellation::kBothManglik);
    r->cancelled = true;
    for (ManglikReferenceResult& ref : r->reference)
      if (ref.dosha) ref.cancelled = true;
  }
}

ChartMatch MatchCharts(const Chart& groom, const Chart& bride) {
  ChartMatch m;
  m.moons = MatchMoons(MoonPointOf(groom.Longitude(Body::kMoon)), MoonPointOf(bride.Longitude(Body::kMoon)));
  m.groomManglik = CheckManglik(ManglikSignsOf(groom));
  m.brideManglik = CheckManglik(ManglikSignsOf(bride));
  ApplyBothManglik(m.groomManglik, m.brideManglik);
  return m;
}

// ---- Report -------------------------------------------------------------------

namespace {

std::string Str(std::string_view v) { return std::string(v); }

void WriteMoon(ReportBuffer& out, const char* role, std::string_view name, const MoonPoint& p) {
  out.Appendf("%-6s %s: Moon in %s, %s pada %d\n", role, Str(name).c_str(), Str(NameOr(kSignName, p.sign)).c_str(),
              Str(vedic::NameAt(vedic::kNakshatraName, p.nakshatra)).c_str(), p.pada + 1);
}

void WriteManglik(ReportBuffer& out, const char* role, const ManglikResult& m) {
  out.Appendf("%s: Mars in house", role);
  for (int i = 0; i < kReferenceCount; ++i)
    out.Appendf("%s %d from %s%s", i ? "," : "", m.reference[At(i)].house,
                Str(kReferenceName[At(i)]).c_str(), m.reference[At(i)].dosha ? " (dosha)" : "");
  out.Appendf("\n  %s\n", !m.manglik ? "Not Manglik" : (m.cancelled ? "Manglik, cancelled" : "Manglik"));
  for (ManglikCancellation c : m.cancellations) out.Appendf("  Cancellation: %s\n", Str(CancellationText(c)).c_str());
}

}  // namespace

void WriteMatchReport(ReportBuffer& out, const ChartMatch& m, std::string_view groomName, std::string_view brideName) {
  const MatchResult& r = m.moons;
  out.Appendf("Ashtakoota matching\n");
  WriteMoon(out, "Groom", groomName, r.groom);
  WriteMoon(out, "Bride", brideName, r.bride);
  out.Appendf("\n%-13s %-13s %-13s %6s\n", "Koota", "Groom", "Bride", "Points");
  for (const KootaScore& k : r.kootas)
    out.Appendf("%-13s %-13s %-13s %4.1f/%.0f\n", Str(kKootaName[At(k.koota)]).c_str(),
                Str(AttributeName(k.koota, k.groom)).c_str(), Str(AttributeName(k.koota, k.bride)).c_str(), k.points,
                kKootaMaximum[At(k.koota)]);
  out.Appendf("%-41s %4.1f/36\n", "Total", r.total);
  if (r.exceptions.empty()) {
    out.Appendf("No exception applies.\n");
  } else {
    out.Appendf("\nExceptions:\n");
    for (const AppliedException& e : r.exceptions) out.Appendf("  %s\n", Str(e.text).c_str());
  }
  out.Appendf("%-41s %4.1f/36\n", "Total with exceptions", r.totalWithExceptions);
  out.Appendf("\nManglik (Kuja) dosha\n");
  WriteManglik(out, "Groom", m.groomManglik);
  WriteManglik(out, "Bride", m.brideManglik);
}

}  // namespace orvane::match
