#include "panchanga/muhurta.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <set>

#include "vedic/panchanga.h"

namespace orvane {

namespace {

struct EventRules {
  MuhurtaEvent event;
  std::string_view name;
  std::set<int> nakshatras;   // 0 Aswini .. 26 Revathi
  std::set<int> tithiNumbers;  // 1..15 within either half (15: Pournimasya; Amavasya never)
  std::set<int> varas;        // 0 Sunday .. 6 Saturday
  std::set<int> lagnas;       // 0 Mesha .. 11 Meena
};

const std::vector<EventRules>& Rules() {
  static const std::vector<EventRules> rules = {
      {MuhurtaEvent::kMarriage, "marriage", {3, 4, 9, 11, 12, 14, 16, 18, 20, 25, 26}, {2, 3, 5, 7, 10, 11, 13},
       {1, 3, 4, 5}, {1, 2, 5, 6, 8, 11}},
      {MuhurtaEvent::kGrihaPravesha, "griha-pravesha", {3, 4, 11, 13, 16, 20, 25, 26}, {2, 3, 5, 7, 10, 11, 13},
       {1, 3, 4, 5}, {1, 4, 7, 10}},
      {MuhurtaEvent::kTravel, "travel", {0, 4, 6, 7, 12, 16, 21, 22, 26}, {2, 3, 5, 7, 10, 11, 13}, {1, 3, 4, 5},
       {0, 3, 6, 9}},
      {MuhurtaEvent::kBusiness, "business", {0, 3, 7, 11, 12, 13, 16, 20, 21, 22, 25, 26}, {2, 3, 5, 7, 10, 11, 13},
       {3, 4, 5}, {1, 2, 4, 5, 7, 8, 10, 11}},
      {MuhurtaEvent::kNamakarana, "namakarana", {0, 3, 4, 6, 7, 11, 12, 13, 14, 16, 20, 21, 22, 23, 25, 26},
       {2, 3, 5, 7, 10, 11, 13}, {1, 3, 4, 5}, {1, 2, 4, 5, 7, 8, 10, 11}},
  };
  return rules;
}

const EventRules& RulesOf(MuhurtaEvent event) {
  for (const EventRules& r : Rules())
    if (r.event == event) return r;
  return Rules().front();
}

// Yogas no undertaking begins in: Vishkambha, Atiganda, Soola, Ganda,
// Vyaghata, Vajra, Vyatipata, Parigha, Vaidhriti.
const std::set<int> kBadYogas = {0, 5, 8, 9, 12, 14, 16, 18, 26};
constexpr int kVishti = 6;
// Taras counted from the birth star that are avoided: Vipat (3rd),
// Pratyak (5th), Naidhana (7th).
const std::set<int> kBadTaras = {2, 4, 6};
// The Moon's sign counted from the birth Moon's: 1, 3, 6, 7, 10, 11 are good.
const std::set<int> kGoodChandra = {1, 3, 6, 7, 10, 11};

constexpr std::array<std::string_view, 9> kTaraName = {"Janma",   "Sampat",  "Vipat",  "Kshema",     "Pratyak",
                                                       "Sadhana", "Naidhana", "Mitra", "Parama Mitra"};
constexpr std::array<std::string_view, 12> kSignName = {"Mesha", "Vrishabha", "Mithuna",   "Karka",
                                                        "Simha", "Kanya",     "Tula",      "Vrischika",
                                                        "Dhanu", "Makara",    "Kumbha",    "Meena"};

int SignAt(Sky& sky, double t) { return static_cast<int>(std::floor(sky.Ascendant(t) / 30)) % 12; }

// The moments from `from` to `until` at which the lagna changes sign:
// the ascendant sampled every ten minutes (a sign rises in no less than
// about twenty minutes below the polar circles), each change then halved
// down to a second.
std::vector<double> LagnaChanges(Sky& sky, double from, double until) {
  std::vector<double> out;
  const double step = 10.0 / 1440;
  double t0 = from;
  int s0 = SignAt(sky, t0);
  while (t0 < until) {
    const double t1 = std::min(t0 + step, until);
    const int s1 = SignAt(sky, t1);
    if (s1 != s0) {
      double a = t0, b = t1;
      while (b - a > 1.0 / 86400) {
        const double m = (a + b) / 2;
        if (SignAt(sky, m) == s0)
          a = m;
        else
          b = m;
      }
      out.push_back(b);
    }
    t0 = t1;
    s0 = s1;
  }
  return out;
}

}  // namespace

std::optional<MuhurtaEvent> MuhurtaEventNamed(std::string_view name) {
  for (const EventRules& r : Rules())
    if (r.name == name) return r.event;
  return std::nullopt;
}

std::string_view MuhurtaEventName(MuhurtaEvent event) { return RulesOf(event).name; }

std::vector<MuhurtaWindow> FindMuhurtas(MuhurtaEvent event, const PanchangaRequest& request,
                                        const std::vector<PanchangaDay>& days, const std::optional<BirthStar>& star) {
  std::vector<MuhurtaWindow> out;
  if (days.empty() || !days.front().sunrise || !days.back().nextSunrise) return out;
  const EventRules& rules = RulesOf(event);
  const double from = *days.front().sunrise, until = *days.back().nextSunrise;
  const std::vector<Span> tithis = FlatSpans(days, &PanchangaDay::tithis);
  const std::vector<Span> nakshatras = FlatSpans(days, &PanchangaDay::nakshatras);
  const std::vector<Span> yogas = FlatSpans(days, &PanchangaDay::yogas);
  const std::vector<Span> karanas = FlatSpans(days, &PanchangaDay::karanas);
  const std::vector<Span> padas = FlatSpans(days, &PanchangaDay::padas);
  Sky sky(request.engine, request.place);

  // Every moment at which a factor changes.
  std::vector<double> cuts = {from, until};
  for (const std::vector<Span>* list : {&tithis, &nakshatras, &yogas, &karanas})
    for (const Span& s : *list) cuts.push_back(s.end);
  // The Moon changes sign at a pada boundary (every ninth pada).
  for (const Span& p : padas)
    if ((p.index + 1) % 9 == 0) cuts.push_back(p.end);
  for (const PanchangaDay& day : days)
    if (day.nextSunrise) cuts.push_back(*day.nextSunrise);
  for (double t : LagnaChanges(sky, from, until)) cuts.push_back(t);
  std::sort(cuts.begin(), cuts.end());
  cuts.erase(std::remove_if(cuts.begin(), cuts.end(), [&](double t) { return t < from || t > until; }), cuts.end());

  const int birthSign = star ? (star->nakshatra * 4 + star->pada) / 9 : 0;
  for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
    const double a = cuts[i], b = cuts[i + 1];
    if (b - a < 1.0 / 1440) continue;
    const double mid = (a + b) / 2;
    const Span* tithi = SpanAt(tithis, mid);
    const Span* nakshatra = SpanAt(nakshatras, mid);
    const Span* yoga = SpanAt(yogas, mid);
    const Span* karana = SpanAt(karanas, mid);
    const PanchangaDay* day = nullptr;
    for (const PanchangaDay& d : days)
      if (d.sunrise && d.nextSunrise && *d.sunrise <= mid && mid < *d.nextSunrise) day = &d;
    if (!tithi || !nakshatra || !yoga || !karana || !day) continue;
    const int number = tithi->index % 15 + 1;
    const bool amavasya = tithi->index == 29;
    // Only the windows whose tithi, nakshatra and weekday suit the event.
    if (!rules.nakshatras.count(nakshatra->index) || amavasya || !rules.tithiNumbers.count(number) ||
        !rules.varas.count(day->vara))
      continue;
    MuhurtaWindow w;
    w.start = a;
    w.end = b;
    w.tithi = tithi->index;
    w.nakshatra = nakshatra->index;
    w.yoga = yoga->index;
    w.karana = karana->index;
    w.vara = day->vara;
    w.lagna = SignAt(sky, mid);
    auto check = [&](std::string rule, bool met, std::string detail) {
      w.checks.push_back({std::move(rule), met, std::move(detail)});
    };
    check("nakshatra", true, std::string(NakshatraNameOf(w.nakshatra)));
    check("tithi", true, std::string(TithiNameOf(w.tithi)));
    check("vara", true, std::string(VaraNameOf(w.vara)));
    check("yoga", !kBadYogas.count(w.yoga), std::string(YogaNameOf(w.yoga)));
    check("karana", KaranaOfHalfTithi(w.karana) != kVishti, std::string(KaranaNameOf(w.karana)));
    check("lagna", rules.lagnas.count(w.lagna) > 0, std::string(kSignName[static_cast<std::size_t>(w.lagna)]));
    if (star) {
      const int tara = ((w.nakshatra - star->nakshatra) % 27 + 27) % 27 % 9;
      check("tara bala", !kBadTaras.count(tara), std::string(kTaraName[static_cast<std::size_t>(tara)]) + " tara");
      const int moonSign = static_cast<int>(std::floor(sky.At(mid).moon / 30)) % 12;
      const int house = ((moonSign - birthSign) % 12 + 12) % 12 + 1;
      check("chandra bala", kGoodChandra.count(house) > 0,
            "the Moon in " + std::string(kSignName[static_cast<std::size_t>(moonSign)]) + ", " + std::to_string(house) +
                (house == 1 ? "st" : house == 2 ? "nd" : house == 3 ? "rd" : "th") + " from the birth Moon");
    }
    w.allMet = std::all_of(w.checks.begin(), w.checks.end(), [](const MuhurtaCheck& c) { return c.met; });
    out.push_back(std::move(w));
  }
  return out;
}

}  // namespace orvane
