#include "compute/sensitivity.h"

#include <array>
#include <cmath>

#include "compute/chart.h"
#include "compute/houses.h"
#include "vedic/kp.h"
#include "engine/calendar.h"
#include "vedic/names.h"
#include "yoga/yoga.h"

namespace orvane {
namespace {

constexpr int kFastStep = 15;    // seconds: no lagna-made point changes twice in it
constexpr int kSlowStep = 600;   // seconds: for the planets and the dasa once the lagna's points are done

// Days in a month; the Julian calendar's leap years before 1583 (the chart
// reads dates before 15 October 1582 as Julian).
int DaysIn(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month != 2) return kDays[month - 1];
  const bool leap = year < 1583 ? (year % 4 == 0) : IsLeapYear(year) != 0;
  return leap ? 29 : 28;
}

void NextDay(int& year, int& month, int& day) {
  if (year == 1582 && month == 10 && day == 4) {
    day = 15;  // the calendar reform
    return;
  }
  if (++day > DaysIn(year, month)) {
    day = 1;
    if (++month > 12) {
      month = 1;
      ++year;
    }
  }
}

void PreviousDay(int& year, int& month, int& day) {
  if (year == 1582 && month == 10 && day == 15) {
    day = 4;
    return;
  }
  if (--day < 1) {
    if (--month < 1) {
      month = 12;
      --year;
    }
    day = DaysIn(year, month);
  }
}

// The points' values at one moment, in a fixed order.
struct Reading {
  std::vector<std::string> values;
  bool ok = false;
};

const std::array<std::pair<const char*, Varga>, 5> kLagnaVargas = {{{"lagna", Varga::kD1},
                                                                    {"navamsa lagna", Varga::kD9},
                                                                    {"D-10 lagna", Varga::kD10},
                                                                    {"D-12 lagna", Varga::kD12},
                                                                    {"D-60 lagna", Varga::kD60}}};
constexpr int kFastPoints = 6;  // the five lagnas and the lagna's pada

std::vector<std::string> PointNames(const SensitivityOptions& options) {
  std::vector<std::string> names;
  names.push_back(kLagnaVargas[0].first);
  names.emplace_back("lagna pada");
  for (std::size_t i = 1; i < kLagnaVargas.size(); ++i) names.push_back(kLagnaVargas[i].first);
  for (int i = 0; i < kGrahaCount; ++i) names.push_back(std::string(yoga::BodyName(BodyAt(i))) + " navamsa");
  if (options.dasaDate) names.emplace_back("dasa lord");
  if (options.kpCusps) {
    for (int h = 1; h <= 12; ++h) names.push_back("cusp " + std::to_string(h) + " sub lord");
  }
  return names;
}

std::string LordName(int code) {
  return code >= 1 && code <= kGrahaCount ? std::string(yoga::BodyName(BodyAt(code - 1))) : "?";
}

Reading Read(const BirthData& birth, const Settings& settings, const SensitivityOptions& options) {
  Reading r;
  const std::optional<Chart> chart = ComputeChart(birth, ChartOptions{}, settings);
  if (!chart) return r;
  const ChartState& state = chart->State();
  r.values.emplace_back(yoga::SignName(ToInt(chart->AscendantSign())));
  r.values.push_back(std::string(vedic::NameAt(vedic::kNakshatraName, state.vedic.nakshatra[kAscendant])) + " " +
                     std::to_string(state.vedic.pada[kAscendant] + 1));
  for (std::size_t i = 1; i < kLagnaVargas.size(); ++i) {
    r.values.emplace_back(yoga::SignName(ToInt(chart->VargaAscendant(kLagnaVargas[i].second))));
  }
  for (int i = 0; i < kGrahaCount; ++i) r.values.emplace_back(yoga::SignName(ToInt(chart->VargaSign(kD9, BodyAt(i)))));
  if (options.dasaDate) {
    const auto [y, m, d] = *options.dasaDate;
    const long long at = y * 10000LL + m * 100 + d;
    auto key = [](int year, int month, int day) { return year * 10000LL + month * 100 + day; };
    std::string lord = "before the first period";
    for (const auto& group : state.dasa.vimsottari) {
      const VimsottariRecord& main = group[0];
      if (at < key(main.startYear, main.startMonth, main.startDay) || at >= key(main.endYear, main.endMonth, main.endDay))
        continue;
      lord = LordName(main.lord);
      for (std::size_t k = 1; k < group.size(); ++k) {
        const VimsottariRecord& sub = group[k];
        if (at >= key(sub.startYear, sub.startMonth, sub.startDay) && at < key(sub.endYear, sub.endMonth, sub.endDay))
          lord += "/" + LordName(sub.lord);
      }
    }
    r.values.push_back(lord);
  }
  if (options.kpCusps) {
    // The KP sub lords of the Placidus cusps; "-" where Placidus is not
    // defined (inside the polar circles).
    HouseCusps cusps;
    const bool got = ChartHouseCusps(*chart, settings, HouseSystem::kPlacidus, cusps, nullptr);
    for (std::size_t h = 0; h < 12; ++h) {
      r.values.push_back(got ? std::string(yoga::BodyName(KpLordsOf(cusps.cusp[h]).sub)) : "-");
    }
  }
  r.ok = true;
  return r;
}

}  // namespace

std::vector<std::string> SensitivityPointNames(const SensitivityOptions& options) { return PointNames(options); }

std::vector<std::string> SensitivityPointValues(const BirthData& birth, const Settings& settings,
                                                const SensitivityOptions& options) {
  return Read(birth, settings, options).values;
}

BirthData ShiftBirthTime(const BirthData& birth, long long seconds) {
  BirthData b = birth;
  const double hours = std::floor(birth.time);
  // File units: hours + minutes/100 + seconds/6000, so the fraction times
  // 6000 is 60 * minutes + seconds.
  double total = hours * 3600 + (birth.time - hours) * 6000 + static_cast<double>(seconds);
  int year = static_cast<int>(birth.year), month = static_cast<int>(birth.month), day = static_cast<int>(birth.day);
  while (total < 0) {
    PreviousDay(year, month, day);
    total += 86400;
  }
  while (total >= 86400) {
    NextDay(year, month, day);
    total -= 86400;
  }
  const double h = std::floor(total / 3600);
  const double rest = total - h * 3600;
  const double m = std::floor(rest / 60);
  b.time = h + m / 100 + (rest - m * 60) / 6000;
  b.year = year;
  b.month = month;
  b.day = day;
  return b;
}

std::string DurationText(int seconds) {
  const int h = seconds / 3600, m = seconds % 3600 / 60, s = seconds % 60;
  std::string text;
  if (h > 0) text += std::to_string(h) + " h";
  if (m > 0 || (h > 0 && s > 0)) text += (text.empty() ? "" : " ") + std::to_string(m) + " min";
  if (s > 0 || text.empty()) text += (text.empty() ? "" : " ") + std::to_string(s) + " s";
  return text;
}

std::vector<SensitivityWindow> BirthTimeSensitivity(const BirthData& birth, const Settings& settings,
                                                    const SensitivityOptions& options) {
  const Reading here = Read(birth, settings, options);
  if (!here.ok) return {};
  const std::vector<std::string> names = PointNames(options);
  std::vector<SensitivityWindow> out(names.size());
  for (std::size_t i = 0; i < names.size(); ++i) {
    out[i].point = names[i];
    out[i].value = here.values[i];
  }
  const int limit = std::max(1, options.limitSeconds);
  for (const int direction : {+1, -1}) {
    // Step out, noting for each point the last second it was seen unchanged
    // and the first it was seen changed; then close each bracket to the second.
    std::vector<int> same(names.size(), 0), changed(names.size(), 0);
    std::size_t open = names.size();
    int t = 0;
    while (open > 0 && t < limit) {
      bool fastOpen = false;
      for (int i = 0; i < kFastPoints; ++i) fastOpen = fastOpen || changed[static_cast<std::size_t>(i)] == 0;
      t = std::min(limit, t + (fastOpen ? kFastStep : kSlowStep));
      const Reading r = Read(ShiftBirthTime(birth, static_cast<long long>(direction) * t), settings, options);
      if (!r.ok) break;
      for (std::size_t i = 0; i < names.size(); ++i) {
        if (changed[i] != 0) continue;
        if (r.values[i] == here.values[i]) {
          same[i] = t;
        } else {
          changed[i] = t;
          --open;
        }
      }
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
      int low = same[i], high = changed[i];
      if (high != 0) {
        while (high - low > 1) {
          const int mid = low + (high - low) / 2;
          const Reading r = Read(ShiftBirthTime(birth, static_cast<long long>(direction) * mid), settings, options);
          (r.ok && r.values[i] == here.values[i] ? low : high) = mid;
        }
      }
      (direction > 0 ? out[i].after : out[i].before) = high != 0 ? low : same[i];
      (direction > 0 ? out[i].afterLimited : out[i].beforeLimited) = high == 0;
    }
  }
  return out;
}

}  // namespace orvane
