#include "panchanga/festivals.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "vedic/panchanga.h"

namespace orvane {

namespace {

constexpr int kVishti = 6;  // the karana of Bhadra
// Tithis by number within the month.
constexpr int kSuklaPratipat = 0, kSuklaPanchami = 4, kSuklaShashthi = 5, kSuklaNavami = 8,
              kSuklaDasami = 9, kSuklaEkadasi = 10, kSuklaTrayodasi = 12, kPurnima = 14,
              kKrishnaChaturthi = 18, kKrishnaEkadasi = 25, kKrishnaTrayodasi = 27, kKrishnaChaturdasi = 28,
              kAmavasya = 29;
// Months, amanta.
constexpr int kChaitra = 0, kVaisakha = 1, kAshadha = 3, kSravana = 4, kBhadrapada = 5, kAswayuja = 6,
              kKarthika = 7, kMagha = 10, kPhalguna = 11;

// The moment of a time of the day; nothing without sunrise and sunset (or
// the moonrise asked for).
std::optional<double> PointOf(const PanchangaDay& day, FestivalTime time) {
  if (!day.sunrise || !day.sunset || !day.nextSunrise) return std::nullopt;
  const double rise = *day.sunrise, set = *day.sunset, next = *day.nextSunrise;
  const double length = set - rise, night = next - set;
  switch (time) {
    case FestivalTime::kSunrise:
      return rise;
    case FestivalTime::kMorning:
      return rise + length / 4;
    case FestivalTime::kMidday:
      return rise + length / 2;
    case FestivalTime::kAfternoon:
      return rise + length * 0.7;
    case FestivalTime::kSunset:
      return set;
    case FestivalTime::kPradosha:
      return set + night / 10;
    case FestivalTime::kNishita:
      return set + night * 7.5 / 15;
    case FestivalTime::kMoonrise:
      return day.moonrise;
  }
  return std::nullopt;
}

// The window of a day: its sunrise to the next sunrise.
bool InDay(const PanchangaDay& day, double t) {
  return day.sunrise && day.nextSunrise && *day.sunrise <= t && t < *day.nextSunrise;
}

bool Covers(const Span& s, double t) { return s.start <= t && t < s.end; }

class Calendar {
 public:
  explicit Calendar(std::vector<PanchangaDay>& days)
      : days_(days), tithis_(FlatSpans(days, &PanchangaDay::tithis)), karanas_(FlatSpans(days, &PanchangaDay::karanas)) {}

  const std::vector<Span>& Tithis() const { return tithis_; }
  std::size_t Size() const { return days_.size(); }
  PanchangaDay& Day(std::size_t i) { return days_[i]; }

  // The days (indices) on which a tithi occurrence prevails at a time.
  std::optional<std::size_t> FirstAt(const Span& tithi, FestivalTime time) const {
    for (std::size_t i = 0; i < days_.size(); ++i) {
      const std::optional<double> p = PointOf(days_[i], time);
      if (p && Covers(tithi, *p)) return i;
    }
    return std::nullopt;
  }
  // The general rule's fall-backs: the day at whose sunrise the tithi runs,
  // else the day in which it begins.
  std::optional<std::size_t> Fallback(const Span& tithi) const {
    if (auto i = FirstAt(tithi, FestivalTime::kSunrise)) return i;
    for (std::size_t i = 0; i < days_.size(); ++i)
      if (InDay(days_[i], tithi.start)) return i;
    return std::nullopt;
  }
  std::optional<std::size_t> ByRule(const Span& tithi, FestivalTime time) const {
    if (auto i = FirstAt(tithi, time)) return i;
    return Fallback(tithi);
  }
  bool VishtiAt(double t) const {
    const Span* k = SpanAt(karanas_, t);
    return k && KaranaOfHalfTithi(k->index) == kVishti;
  }
  const Span* TithiAt(double t) const { return SpanAt(tithis_, t); }

  void Add(std::optional<std::size_t> day, std::string_view name) {
    if (!day) return;
    std::vector<std::string>& list = days_[*day].observances;
    if (std::find(list.begin(), list.end(), name) == list.end()) list.emplace_back(name);
  }

 private:
  std::vector<PanchangaDay>& days_;
  std::vector<Span> tithis_, karanas_;
};

bool IsTithi(const Span& s, int tithi, int month) {
  return s.index == tithi && (month < 0 || (s.month.index == month && !s.month.adhika));
}

// Ekadashi: the Smarta day is the first with Ekadashi at sunrise (or the day
// it begins, when it runs at no sunrise); the Vaishnava day is the last
// with Ekadashi at sunrise, moved to the next day when Dasami still runs at
// arunodaya (four ghatis, 96 minutes, before that sunrise), or the day after
// the one it begins in when it runs at no sunrise.
void AddEkadashi(Calendar& cal, const Span& ekadashi) {
  const std::optional<std::size_t> smarta = cal.Fallback(ekadashi);
  std::optional<std::size_t> vaishnava;
  for (std::size_t i = 0; i < cal.Size(); ++i) {
    const PanchangaDay& day = cal.Day(i);
    if (day.sunrise && Covers(ekadashi, *day.sunrise)) vaishnava = i;
  }
  if (vaishnava) {
    const double arunodaya = *cal.Day(*vaishnava).sunrise - 4.0 / 60;
    if (arunodaya < ekadashi.start && *vaishnava + 1 < cal.Size()) vaishnava = *vaishnava + 1;
  } else if (smarta && *smarta + 1 < cal.Size()) {
    vaishnava = *smarta + 1;
  }
  if (smarta && vaishnava && *smarta == *vaishnava) {
    cal.Add(smarta, "Ekadashi");
  } else {
    cal.Add(smarta, "Ekadashi (Smarta)");
    cal.Add(vaishnava, "Ekadashi (Vaishnava)");
  }
}

// Holika Dahan: the evening of Phalguna Purnima (Purnima at sunset); when
// Bhadra (the Vishti karana) still runs at that night's nishita and Purnima
// runs at the next sunrise, the next evening. Holi is the day after.
void AddHoli(Calendar& cal, const Span& purnima) {
  std::optional<std::size_t> dahan = cal.FirstAt(purnima, FestivalTime::kSunset);
  if (dahan) {
    const std::optional<double> nishita = PointOf(cal.Day(*dahan), FestivalTime::kNishita);
    const std::size_t next = *dahan + 1;
    if (nishita && cal.VishtiAt(*nishita) && next < cal.Size() && cal.Day(next).sunrise &&
        Covers(purnima, *cal.Day(next).sunrise))
      dahan = next;
  } else {
    dahan = cal.Fallback(purnima);
  }
  cal.Add(dahan, "Holika Dahan");
  if (dahan && *dahan + 1 < cal.Size()) cal.Add(*dahan + 1, "Holi");
}

// Raksha Bandhan: Sravana Purnima at sunrise when it runs on for at least
// six ghatis (2 h 24 min) after it, the forenoon being free of Bhadra then;
// otherwise the day with Purnima in the afternoon.
void AddRakshaBandhan(Calendar& cal, const Span& purnima) {
  for (std::size_t i = 0; i < cal.Size(); ++i) {
    const PanchangaDay& day = cal.Day(i);
    if (day.sunrise && Covers(purnima, *day.sunrise) && purnima.end - *day.sunrise >= 6.0 / 60) {
      cal.Add(i, "Raksha Bandhan");
      return;
    }
  }
  cal.Add(cal.ByRule(purnima, FestivalTime::kAfternoon), "Raksha Bandhan");
}

}  // namespace

const std::vector<FestivalRule>& FestivalRules() {
  static const std::vector<FestivalRule> rules = {
      {"Vasant Panchami", kMagha, kSuklaPanchami, FestivalTime::kMorning},
      {"Maha Shivaratri", kMagha, kKrishnaChaturdasi, FestivalTime::kNishita},
      {"Ugadi / Gudi Padwa", kChaitra, kSuklaPratipat, FestivalTime::kSunrise},
      {"Chaitra Navaratri begins", kChaitra, kSuklaPratipat, FestivalTime::kSunrise},
      {"Rama Navami", kChaitra, kSuklaNavami, FestivalTime::kMidday},
      {"Hanuman Jayanti", kChaitra, kPurnima, FestivalTime::kSunrise},
      {"Akshaya Tritiya", kVaisakha, 2, FestivalTime::kMorning},
      {"Guru Purnima", kAshadha, kPurnima, FestivalTime::kSunrise},
      {"Nag Panchami", kSravana, kSuklaPanchami, FestivalTime::kMorning},
      {"Krishna Janmashtami", kSravana, 22, FestivalTime::kSunrise},
      {"Ganesh Chaturthi", kBhadrapada, 3, FestivalTime::kMidday},
      {"Anant Chaturdashi", kBhadrapada, 13, FestivalTime::kSunrise},
      {"Sharad Navaratri begins", kAswayuja, kSuklaPratipat, FestivalTime::kSunrise},
      {"Durga Ashtami", kAswayuja, 7, FestivalTime::kSunrise},
      {"Dussehra", kAswayuja, kSuklaDasami, FestivalTime::kAfternoon},
      {"Sharad Purnima", kAswayuja, kPurnima, FestivalTime::kPradosha},
      {"Karva Chauth", kAswayuja, kKrishnaChaturthi, FestivalTime::kMoonrise},
      {"Dhanteras", kAswayuja, kKrishnaTrayodasi, FestivalTime::kPradosha},
      {"Naraka Chaturdashi", kAswayuja, kKrishnaChaturdasi, FestivalTime::kSunrise},
      {"Diwali", kAswayuja, kAmavasya, FestivalTime::kPradosha},
      {"Govardhan Puja", kKarthika, kSuklaPratipat, FestivalTime::kSunrise},
      {"Bhai Dooj", kKarthika, 1, FestivalTime::kAfternoon},
      {"Chhath Puja", kKarthika, kSuklaShashthi, FestivalTime::kSunset},
      {"Kartika Purnima", kKarthika, kPurnima, FestivalTime::kSunrise},
  };
  return rules;
}

void AddObservances(std::vector<PanchangaDay>& days) {
  Calendar cal(days);
  for (const Span& t : cal.Tithis()) {
    // The monthly observances (in added months too).
    if (IsTithi(t, kSuklaEkadasi, -1) || IsTithi(t, kKrishnaEkadasi, -1)) AddEkadashi(cal, t);
    if (IsTithi(t, kPurnima, -1)) cal.Add(cal.Fallback(t), "Purnima");
    if (IsTithi(t, kAmavasya, -1)) cal.Add(cal.Fallback(t), "Amavasya");
    if (IsTithi(t, kSuklaTrayodasi, -1) || IsTithi(t, kKrishnaTrayodasi, -1))
      cal.Add(cal.ByRule(t, FestivalTime::kSunset), "Pradosha");
    if (IsTithi(t, kKrishnaChaturthi, -1)) cal.Add(cal.ByRule(t, FestivalTime::kMoonrise), "Sankashti Chaturthi");
    if (IsTithi(t, kKrishnaChaturdasi, -1) && !IsTithi(t, kKrishnaChaturdasi, kMagha))
      cal.Add(cal.ByRule(t, FestivalTime::kNishita), "Masik Shivaratri");
    // The year's festivals.
    for (const FestivalRule& rule : FestivalRules())
      if (IsTithi(t, rule.tithi, rule.month)) cal.Add(cal.ByRule(t, rule.time), rule.name);
    if (IsTithi(t, kPurnima, kPhalguna)) AddHoli(cal, t);
    if (IsTithi(t, kPurnima, kSravana)) AddRakshaBandhan(cal, t);
  }
  // Makar Sankranti: the day the Sun enters Makara, or the next day when it
  // enters after sunset.
  for (std::size_t i = 0; i < cal.Size(); ++i) {
    for (const Sankranti& s : cal.Day(i).sankrantis) {
      if (s.sign != 9) continue;
      const PanchangaDay& day = cal.Day(i);
      const bool evening = day.sunset && s.moment > *day.sunset;
      if (!evening)
        cal.Add(i, "Makar Sankranti");
      else if (i + 1 < cal.Size())
        cal.Add(i + 1, "Makar Sankranti");
    }
  }
}

}  // namespace orvane
