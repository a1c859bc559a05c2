// The panchanga of each day of a span of dates at a place: sunrise and
// sunset, moonrise and moonset, the tithis, nakshatras (with their padas),
// yogas and karanas running from one sunrise to the next with the moments
// they end, the weekday, the lunar month (amanta and purnimanta, adhika and
// kshaya), the samvatsara, ritu and ayana, the Sun's sankrantis, and the
// day's periods: Rahu kalam, Yamaganda, Gulika kalam, Abhijit, Brahma and
// Dur muhurtas, Varjyam, Amrita kalam, the choghadiyas and the horas.
//
// Moments are Julian days of universal time; the zone of the place turns
// them into its clock times (the offset in force at each moment).
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine_settings.h"
#include "panchanga/sky.h"

namespace orvane {

// The offset east of Greenwich (seconds) in force at a moment (Unix
// seconds) at the place; false when the zone cannot say.
using ZoneOffsetAt = std::function<bool(std::int64_t unixSeconds, int& offsetSeconds)>;

// A fixed offset, for a place given without a zone.
ZoneOffsetAt FixedOffset(int offsetSeconds);

// The clock reading of a moment at an offset (seconds east), to the nearest second.
struct ClockReading {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  int offsetSeconds = 0;
};
ClockReading ClockAt(double jd, int offsetSeconds);
// The same at the offset the zone gives for the moment (0 when it gives none).
ClockReading ClockIn(double jd, const ZoneOffsetAt& zone);

// One tithi, nakshatra, pada, yoga or karana: its number and the moment
// it ends (the end may lie past the day's next sunrise).
struct LunarMonth {
  int index = 0;       // 0 Chaitra .. 11 Phalguna
  bool adhika = false;  // an added month: no sankranti within it
};

struct Span {
  int index = 0;  // tithi 0..29, nakshatra 0..26, pada 0..107, yoga 0..26, karana 0..59 (half-tithis)
  double start = 0;
  double end = 0;
  LunarMonth month;  // tithis only: the amanta month the tithi belongs to
};

// A period of the day, from `start` to `end`.
struct Interval {
  double start = 0;
  double end = 0;
};

// A sign the Sun enters on this day, and when.
struct Sankranti {
  int sign = 0;  // 0 Mesha .. 11 Meena
  double moment = 0;
};

// A choghadiya or a hora: its ruler (0 Sun .. 6 Saturn, the weekday order).
struct RuledInterval {
  int ruler = 0;
  Interval span;
};

struct PanchangaDay {
  int year = 0, month = 0, day = 0;  // the civil date at the place
  int vara = 0;                      // 0 Sunday .. 6 Saturday
  std::optional<double> sunrise, sunset, nextSunrise, moonrise, moonset;
  std::vector<Span> tithis, nakshatras, padas, yogas, karanas;
  LunarMonth amanta, purnimanta;
  // A month left out of the lunar year this day belongs to (two sankrantis
  // in one lunar month), as 0..11; -1 when none.
  int kshayaMonth = -1;
  int sakaYear = 0;
  int vikramYear = 0;
  int samvatsara = 0;  // 0 Prabhava .. 59 Akshaya
  int ritu = 0;        // 0 Vasanta .. 5 Shishira
  bool uttarayana = false;
  int sunSign = 0;     // at sunrise
  int moonSign = 0;    // at sunrise
  std::vector<Sankranti> sankrantis;
  // The periods need sunrise, sunset and the next sunrise; at a place with
  // polar day or night they stay empty.
  std::optional<Interval> rahuKalam, yamaganda, gulikaKalam, abhijit, brahmaMuhurta;
  std::vector<Interval> durMuhurtas, varjyam, amritaKalam;
  std::vector<RuledInterval> choghadiyas;  // the 8 of the day, then the 8 of the night
  std::vector<RuledInterval> horas;        // 12 of the day, then 12 of the night
  // Festivals and observances (panchanga/festivals.h); empty until added.
  std::vector<std::string> observances;
};

struct PanchangaRequest {
  EngineSettings engine;
  SkyPlace place;
  ZoneOffsetAt zone;
  // The civil dates, first and last included.
  int firstYear = 0, firstMonth = 1, firstDay = 1;
  int lastYear = 0, lastMonth = 1, lastDay = 1;
};

// The days asked for. False with a one-line reason when the zone cannot
// give an offset or the dates lie outside the years the calendar covers.
bool ComputePanchanga(const PanchangaRequest& request, std::vector<PanchangaDay>& days, std::string* error);

// Every span of one limb over the days (`list`: &PanchangaDay::tithis, ...)
// once, in order: a span that runs across sunrise stands in two days.
std::vector<Span> FlatSpans(const std::vector<PanchangaDay>& days, std::vector<Span> PanchangaDay::*list);
// The span of `spans` (in order, as FlatSpans gives them) running at t;
// none before the first or past the last.
const Span* SpanAt(const std::vector<Span>& spans, double t);

// The years the calendar covers.
inline constexpr int kPanchangaFirstYear = 1800;
inline constexpr int kPanchangaLastYear = 2399;

// Names.
std::string_view TithiNameOf(int tithi);          // 0..29
std::string_view NakshatraNameOf(int nakshatra);  // 0..26
std::string_view YogaNameOf(int yoga);            // 0..26
std::string_view KaranaNameOf(int halfTithi);     // 0..59
std::string_view VaraNameOf(int vara);            // 0 Sunday
std::string_view LunarMonthNameOf(int month);     // 0 Chaitra
std::string_view SamvatsaraNameOf(int index);     // 0 Prabhava
std::string_view RituNameOf(int ritu);            // 0 Vasanta
std::string_view SignNameOf(int sign);            // 0 Mesha
std::string_view ChoghadiyaNameOf(int ruler);     // by the ruler: 0 Sun Udveg
std::string_view GrahaNameOf(int ruler);          // 0 Sun .. 6 Saturn
// True for the choghadiyas counted good (Amrit, Shubh, Labh, Chal).
bool ChoghadiyaIsGood(int ruler);

}  // namespace orvane
