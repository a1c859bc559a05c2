#include "jaimini/jaimini.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "dasa/jaimini_colords.h"
#include "engine/calendar.h"
#include "yoga/rules.h"

namespace orvane::jaimini {

namespace {

constexpr std::array<Body, kSignCount> kSingleLord = {
    Body::kMars, Body::kVenus,   Body::kMercury, Body::kMoon,   Body::kSun,    Body::kMercury,
    Body::kVenus, Body::kMars,   Body::kJupiter, Body::kSaturn, Body::kSaturn, Body::kJupiter,
};

std::size_t At(Body body) { return IndexOf(body); }
std::size_t At(Rasi sign) { return static_cast<std::size_t>(ToInt(sign)); }

// Exaltation signs of the nine grahas (the nodes: Rahu in Taurus, Ketu in
// Scorpio); a graha is debilitated in the sign opposite.
int ExaltationOf(Body body) {
  if (body == Body::kRahu) return ToInt(Rasi::kTaurus);
  if (body == Body::kKetu) return ToInt(Rasi::kScorpio);
  return yoga::rules::ExaltationSign(body);
}
bool Exalted(const JaiminiChart& c, Body b) { return ToInt(c.sign[At(b)]) == ExaltationOf(b); }
bool Debilitated(const JaiminiChart& c, Body b) { return ToInt(c.sign[At(b)]) == WrapToSign(ExaltationOf(b) + 6); }

bool Malefic(Body b) {
  return b == Body::kSun || b == Body::kMars || b == Body::kSaturn || b == Body::kRahu || b == Body::kKetu;
}

int CountIn(const JaiminiChart& c, Rasi sign) {
  return static_cast<int>(std::count(c.sign.begin(), c.sign.end(), sign));
}

// The stronger of two grahas: more grahas in its sign; exalted, then not
// debilitated; further into its sign. Equal: the first.
Body StrongerBody(const JaiminiChart& c, Body p, Body q) {
  const int np = CountIn(c, c.sign[At(p)]), nq = CountIn(c, c.sign[At(q)]);
  if (np != nq) return np > nq ? p : q;
  if (Exalted(c, p) != Exalted(c, q)) return Exalted(c, p) ? p : q;
  if (Debilitated(c, p) != Debilitated(c, q)) return Debilitated(c, p) ? q : p;
  return c.degrees[At(q)] > c.degrees[At(p)] ? q : p;
}

std::array<std::int32_t, kSlotCount> SlotSigns(const JaiminiChart& c) {
  std::array<std::int32_t, kSlotCount> signs{};
  for (int i = 0; i < kGrahaCount; ++i) signs[static_cast<std::size_t>(SlotOf(BodyAt(i)))] = ToInt(c.sign[static_cast<std::size_t>(i)]);
  return signs;
}

}  // namespace

// ---- The chart -------------------------------------------------------------------

JaiminiChart JaiminiChartOf(const Chart& chart) {
  JaiminiChart c;
  for (int i = 0; i < kGrahaCount; ++i) {
    const Body b = BodyAt(i);
    c.sign[static_cast<std::size_t>(i)] = chart.Sign(b);
    c.degrees[static_cast<std::size_t>(i)] = DegreesInSign(chart.Longitude(b));
    c.navamsa[static_cast<std::size_t>(i)] = chart.VargaSign(kD9, b);
  }
  c.lagna = chart.AscendantSign();
  c.navamsaLagna = chart.VargaAscendant(kD9);
  const int ak = GrahaIndexOfSlot(chart.State().vedic.atmakarakaSlot);
  c.atmakaraka = ak >= 0 ? BodyAt(ak) : Body::kSun;
  const BirthData& b = chart.Birth();
  c.birthDays = static_cast<double>(GregorianDayCount(static_cast<std::int64_t>(std::trunc(b.year)),
                                                      static_cast<std::int64_t>(std::trunc(b.month)),
                                                      static_cast<std::int64_t>(std::trunc(b.day)))) +
                DecToDeg(b.time) / 24.0;
  c.yearDays = chart.State().dasa.yearLength > 0 ? chart.State().dasa.yearLength : 365.2425;
  return c;
}

// ---- Signs -------------------------------------------------------------------

Modality ModalityOf(Rasi sign) { return static_cast<Modality>(ToInt(sign) % 3); }
bool IsOddSign(Rasi sign) { return ToInt(sign) % 2 == 0; }
bool IsOddFooted(Rasi sign) {
  const int s = ToInt(sign);
  return (s >= 0 && s <= 2) || (s >= 6 && s <= 8);
}
Rasi SignFrom(Rasi from, int count, bool forward) {
  return RasiAt(ToInt(from) + (forward ? count - 1 : -(count - 1)));
}
int CountFrom(Rasi from, Rasi to, bool forward) {
  const int d = ToInt(to) - ToInt(from);
  return WrapToSign(forward ? d : -d) + 1;
}

std::vector<Body> LordsOf(Rasi sign) {
  if (sign == Rasi::kScorpio) return {Body::kMars, Body::kKetu};
  if (sign == Rasi::kAquarius) return {Body::kSaturn, Body::kRahu};
  return {kSingleLord[At(sign)]};
}

Body LordOf(const JaiminiChart& chart, Rasi sign) {
  if (sign != Rasi::kScorpio && sign != Rasi::kAquarius) return kSingleLord[At(sign)];
  std::array<double, kSlotCount> longitudes{};
  for (int i = 0; i < kGrahaCount; ++i) {
    longitudes[static_cast<std::size_t>(SlotOf(BodyAt(i)))] =
        kSignSpan * ToInt(chart.sign[static_cast<std::size_t>(i)]) + chart.degrees[static_cast<std::size_t>(i)];
  }
  const JaiminiLordTable lords = DecideCoLords(MakeCoLordChart(SlotSigns(chart), longitudes));
  const int index = GrahaIndexOfSlot(lords[At(sign)]);
  return index >= 0 ? BodyAt(index) : kSingleLord[At(sign)];
}

std::vector<Body> BodiesIn(const JaiminiChart& chart, Rasi sign) {
  std::vector<Body> in;
  for (int i = 0; i < kGrahaCount; ++i) {
    if (chart.sign[static_cast<std::size_t>(i)] == sign) in.push_back(BodyAt(i));
  }
  return in;
}

// ---- Rasi drishti ----------------------------------------------------------------

std::array<Rasi, 3> AspectedSigns(Rasi sign) {
  // From a movable sign the 5th, 8th and 11th; from a fixed sign the 3rd,
  // 6th and 9th; from a dual sign the 4th, 7th and 10th.
  static constexpr std::array<std::array<int, 3>, 3> kHouses = {{{5, 8, 11}, {3, 6, 9}, {4, 7, 10}}};
  const auto& h = kHouses[static_cast<std::size_t>(ModalityOf(sign))];
  return {SignFrom(sign, h[0]), SignFrom(sign, h[1]), SignFrom(sign, h[2])};
}

bool Aspects(Rasi from, Rasi to) {
  const auto a = AspectedSigns(from);
  return std::find(a.begin(), a.end(), to) != a.end();
}

Rasi StrongerSign(const JaiminiChart& chart, Rasi a, Rasi b) {
  const int na = CountIn(chart, a), nb = CountIn(chart, b);
  if (na != nb) return na > nb ? a : b;
  auto influence = [&](Rasi s) {
    int n = 0;
    std::vector<Body> who = {Body::kJupiter, Body::kMercury};
    const Body lord = LordOf(chart, s);
    if (std::find(who.begin(), who.end(), lord) == who.end()) who.push_back(lord);
    for (const Body w : who) {
      const Rasi at = chart.sign[At(w)];
      if (at == s || Aspects(at, s)) ++n;
    }
    return n;
  };
  const int ia = influence(a), ib = influence(b);
  if (ia != ib) return ia > ib ? a : b;
  auto exalted = [&](Rasi s) {
    int n = 0;
    for (const Body w : BodiesIn(chart, s)) n += Exalted(chart, w) ? 1 : 0;
    return n;
  };
  const int ea = exalted(a), eb = exalted(b);
  if (ea != eb) return ea > eb ? a : b;
  if (ModalityOf(a) != ModalityOf(b)) return ModalityOf(a) > ModalityOf(b) ? a : b;
  const double da = chart.degrees[At(LordOf(chart, a))], db = chart.degrees[At(LordOf(chart, b))];
  return db > da ? b : a;
}

// ---- Argala ------------------------------------------------------------------

std::vector<Argala> ArgalasOn(const JaiminiChart& chart, Rasi sign) {
  static constexpr std::array<std::array<int, 2>, 4> kPairs = {{{2, 12}, {4, 10}, {11, 3}, {5, 9}}};
  std::vector<Argala> out;
  auto make = [&](int house, int obstruction, std::vector<Body> by) {
    Argala a;
    a.house = house;
    a.obstructionHouse = obstruction;
    a.by = std::move(by);
    a.obstructedBy = BodiesIn(chart, SignFrom(sign, obstruction));
    a.stands = a.by.size() > a.obstructedBy.size();
    out.push_back(std::move(a));
  };
  for (const auto& [house, obstruction] : kPairs) {
    std::vector<Body> by = BodiesIn(chart, SignFrom(sign, house));
    if (!by.empty()) make(house, obstruction, std::move(by));
  }
  std::vector<Body> third = BodiesIn(chart, SignFrom(sign, 3));
  if (std::count_if(third.begin(), third.end(), Malefic) >= 2) {
    third.erase(std::remove_if(third.begin(), third.end(), [](Body b) { return !Malefic(b); }), third.end());
    make(3, 11, std::move(third));
  }
  return out;
}

// ---- Karakamsa -------------------------------------------------------------------

Karakamsa KarakamsaOf(const JaiminiChart& chart) {
  Karakamsa k;
  k.atmakaraka = chart.atmakaraka;
  k.sign = chart.navamsa[At(chart.atmakaraka)];
  for (std::size_t i = 0; i < kGrahaCount; ++i) {
    k.rasiHouse[i] = CountFrom(k.sign, chart.sign[i]);
    k.navamsaHouse[i] = CountFrom(k.sign, chart.navamsa[i]);
  }
  k.lagnaRasiHouse = CountFrom(k.sign, chart.lagna);
  k.navamsaLagnaHouse = CountFrom(k.sign, chart.navamsaLagna);
  return k;
}

// ---- Rasi dasas ----------------------------------------------------------------

namespace {

struct DasaRow {
  RasiDasa dasa;
  std::string_view name;
  std::string_view key;
};
constexpr std::array<DasaRow, kRasiDasaCount> kDasas = {{
    {RasiDasa::kChara, "Chara", "chara"},
    {RasiDasa::kNarayana, "Narayana", "narayana"},
    {RasiDasa::kSthira, "Sthira", "sthira"},
    {RasiDasa::kShoola, "Shoola", "shoola"},
    {RasiDasa::kNiryanaShoola, "Niryana Shoola", "niryana-shoola"},
    {RasiDasa::kDrig, "Drig", "drig"},
    {RasiDasa::kNavamsa, "Navamsa", "navamsa"},
}};

// Sthira and Niryana Shoola: 7 years a movable sign, 8 a fixed, 9 a dual.
int ModalityYears(Rasi sign) { return 7 + static_cast<int>(ModalityOf(sign)); }

// The twelve signs of a Narayana sequence from `start`: consecutive from a
// movable sign, every sixth from a fixed one, the kendras, then the
// panapharas, then the apoklimas from a dual one.
std::array<Rasi, kSignCount> NarayanaOrder(Rasi start, bool forward) {
  std::array<Rasi, kSignCount> order{};
  for (int i = 0; i < kSignCount; ++i) {
    int step = 0;
    switch (ModalityOf(start)) {
      case Modality::kMovable: step = i; break;
      case Modality::kFixed: step = 5 * i; break;
      case Modality::kDual: step = 3 * (i % 4) + i / 4; break;
    }
    order[static_cast<std::size_t>(i)] = SignFrom(start, step + 1, forward);
  }
  return order;
}

std::array<Rasi, kSignCount> Consecutive(Rasi start, bool forward) {
  std::array<Rasi, kSignCount> order{};
  for (int i = 0; i < kSignCount; ++i) order[static_cast<std::size_t>(i)] = SignFrom(start, i + 1, forward);
  return order;
}

// The Drig order: the ninth from the lagna and the three signs it aspects,
// then the tenth and its three, then the eleventh and its three; the
// aspected signs forward from an odd sign, backward from an even one.
std::array<Rasi, kSignCount> DrigOrder(Rasi lagna) {
  std::array<Rasi, kSignCount> order{};
  std::size_t n = 0;
  for (int house = 9; house <= 11; ++house) {
    const Rasi s = SignFrom(lagna, house);
    order[n++] = s;
    std::array<Rasi, 3> a = AspectedSigns(s);
    if (!IsOddSign(s)) {
      std::sort(a.begin(), a.end(), [&](Rasi x, Rasi y) { return CountFrom(s, x, false) < CountFrom(s, y, false); });
    }
    for (const Rasi r : a) order[n++] = r;
  }
  return order;
}

// The direction of a Narayana-type sequence from a sign: forward from an odd
// sign; always forward with Saturn in it; reversed with Ketu in it.
bool NarayanaForward(const JaiminiChart& c, Rasi sign) {
  bool forward = IsOddSign(sign);
  if (c.sign[At(Body::kSaturn)] == sign) forward = true;
  if (c.sign[At(Body::kKetu)] == sign) forward = !forward;
  return forward;
}

void AddSubPeriods(RasiPeriod& p, const std::array<Rasi, kSignCount>& order, double yearDays) {
  const double each = p.years / kSignCount;
  double at = p.startDays;
  for (const Rasi s : order) {
    RasiPeriod sub;
    sub.sign = s;
    sub.years = each;
    sub.startDays = at;
    at += each * yearDays;
    sub.endDays = at;
    p.subPeriods.push_back(sub);
  }
  p.subPeriods.back().endDays = p.endDays;
}

}  // namespace

std::string_view RasiDasaName(RasiDasa dasa) { return kDasas[static_cast<std::size_t>(dasa)].name; }
std::string_view RasiDasaKey(RasiDasa dasa) { return kDasas[static_cast<std::size_t>(dasa)].key; }
std::optional<RasiDasa> RasiDasaNamed(std::string_view key) {
  for (const DasaRow& row : kDasas) {
    if (row.key == key) return row.dasa;
  }
  return std::nullopt;
}

int SignYears(const JaiminiChart& chart, Rasi sign) {
  const std::vector<Body> lords = LordsOf(sign);
  // Both lords of a sign with two in it: the full twelve years.
  const bool allIn = std::all_of(lords.begin(), lords.end(), [&](Body b) { return chart.sign[At(b)] == sign; });
  if (allIn) return 12;
  Body lord = LordOf(chart, sign);
  if (lords.size() == 2 && chart.sign[At(lord)] == sign) {
    // One lord at home, the other away: the one away is counted to.
    lord = lords[0] == lord ? lords[1] : lords[0];
  }
  const Rasi at = chart.sign[At(lord)];
  if (at == sign) return 12;
  int years = CountFrom(sign, at, IsOddFooted(sign)) - 1;
  if (Exalted(chart, lord)) ++years;
  if (Debilitated(chart, lord)) --years;
  return years;
}

Body BrahmaGraha(const JaiminiChart& chart) {
  const Rasi from = StrongerSign(chart, chart.lagna, SignFrom(chart.lagna, 7));
  std::vector<Body> candidates;
  for (const int house : {6, 8, 12}) {
    for (const Body lord : LordsOf(SignFrom(from, house))) {
      if (lord == Body::kSaturn || lord == Body::kRahu || lord == Body::kKetu) continue;
      if (std::find(candidates.begin(), candidates.end(), lord) == candidates.end()) candidates.push_back(lord);
    }
  }
  // Saturn lords the sixth, eighth and twelfth together only with other
  // lords beside it; with none left, the sixth's lord stands.
  if (candidates.empty()) candidates.push_back(LordOf(chart, SignFrom(from, 6)));
  auto pick = [&](auto keep) -> std::optional<Body> {
    std::optional<Body> best;
    for (const Body b : candidates) {
      if (!keep(b)) continue;
      best = best ? StrongerBody(chart, *best, b) : b;
    }
    return best;
  };
  auto odd = [&](Body b) { return IsOddSign(chart.sign[At(b)]); };
  if (const auto b = pick([&](Body x) { return odd(x) && CountFrom(chart.lagna, chart.sign[At(x)]) >= 7; })) return *b;
  if (const auto b = pick(odd)) return *b;
  return *pick([](Body) { return true; });
}

RasiDasaResult ComputeRasiDasa(const JaiminiChart& chart, RasiDasa dasa, const RasiDasaOptions& options) {
  RasiDasaResult r;
  r.dasa = dasa;
  std::array<Rasi, kSignCount> order{};
  // Years of a sign in the first cycle.
  auto years = [&](Rasi s) -> double {
    switch (dasa) {
      case RasiDasa::kChara:
      case RasiDasa::kNarayana:
      case RasiDasa::kDrig: return SignYears(chart, s);
      case RasiDasa::kSthira:
      case RasiDasa::kNiryanaShoola: return ModalityYears(s);
      case RasiDasa::kShoola:
      case RasiDasa::kNavamsa: return 9;
    }
    return 0;
  };
  switch (dasa) {
    case RasiDasa::kChara:
      r.start = chart.lagna;
      r.forward = options.charaDirection == CharaDirection::kNinthFootedness ? IsOddFooted(SignFrom(chart.lagna, 9))
                                                                               : IsOddSign(chart.lagna);
      order = Consecutive(r.start, r.forward);
      break;
    case RasiDasa::kNarayana:
      r.start = StrongerSign(chart, chart.lagna, SignFrom(chart.lagna, 7));
      r.forward = NarayanaForward(chart, r.start);
      order = NarayanaOrder(r.start, r.forward);
      break;
    case RasiDasa::kSthira:
      r.start = chart.sign[At(BrahmaGraha(chart))];
      r.forward = IsOddSign(r.start);
      order = Consecutive(r.start, r.forward);
      break;
    case RasiDasa::kShoola:
      r.start = StrongerSign(chart, chart.lagna, SignFrom(chart.lagna, 7));
      r.forward = IsOddSign(r.start);
      order = Consecutive(r.start, r.forward);
      break;
    case RasiDasa::kNiryanaShoola:
      r.start = StrongerSign(chart, SignFrom(chart.lagna, 2), SignFrom(chart.lagna, 8));
      r.forward = IsOddSign(r.start);
      order = Consecutive(r.start, r.forward);
      break;
    case RasiDasa::kDrig:
      r.start = SignFrom(chart.lagna, 9);
      r.forward = IsOddSign(r.start);
      order = DrigOrder(chart.lagna);
      break;
    case RasiDasa::kNavamsa:
      r.start = chart.lagna;
      r.forward = IsOddSign(r.start);
      order = Consecutive(r.start, r.forward);
      break;
  }
  // Antardasas: the Chara dasa's from the sign after the main period's
  // (forward from an odd-footed sign, backward from an even-footed one),
  // ending with the sign itself; the Narayana and Drig dasas' from the sign
  // of the main sign's lord, in the direction the main sign would run; the
  // others' from the main sign, in the main periods' direction.
  auto subOrder = [&](Rasi s) {
    switch (dasa) {
      case RasiDasa::kChara: {
        const bool fwd = IsOddFooted(s);
        return Consecutive(SignFrom(s, 2, fwd), fwd);
      }
      case RasiDasa::kNarayana:
      case RasiDasa::kDrig: return Consecutive(chart.sign[At(LordOf(chart, s))], NarayanaForward(chart, s));
      default: return Consecutive(s, r.forward);
    }
  };
  const bool cyclic = options.secondCycle && (dasa == RasiDasa::kChara || dasa == RasiDasa::kNarayana || dasa == RasiDasa::kDrig);
  double at = chart.birthDays;
  for (int cycle = 0; cycle < (cyclic ? 2 : 1); ++cycle) {
    for (const Rasi s : order) {
      RasiPeriod p;
      p.sign = s;
      const double first = years(s);
      p.years = cycle == 0 ? first : std::max(0.0, 12.0 - first);
      p.startDays = at;
      at += p.years * chart.yearDays;
      p.endDays = at;
      if (p.years > 0) AddSubPeriods(p, subOrder(s), chart.yearDays);
      r.periods.push_back(std::move(p));
    }
  }
  return r;
}

}  // namespace orvane::jaimini
