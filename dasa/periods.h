// The machinery every nakshatra dasa shares: a cycle of lords with their
// years, the balance at birth, main periods with proportional sub-periods,
// and the text lines of a listing. Also the Vimsottari and Yogini tables,
// which the Tajaka dasas reuse.
//
// Units: years of a dasa are whole numbers of "dasa years"; a dasa year lasts
// yearLength days of real time (the user's 365.2425 by default). Balances are
// split in the 360-day reckoning (12 months of 30 days) before scaling, and
// every length handed to the calendar is a count of ghatis (60 to a day).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "engine/calendar.h"
#include "chart/chart_state.h"
#include "report/report_buffer.h"

namespace orvane::dasa {

// A lord of a cycle with its years, in cycle order.
struct LordYears {
  int lord = 0;
  int years = 0;
};

// A dasa cycle by lord code (planet codes 1..9, or cycle positions 1..9 for
// Kalachakra): the years of each lord with the total in entry 0, and the
// successor of each lord (0 for codes outside the cycle).
struct LordCycle {
  int lordCount = 0;
  int firstLord = 0;  // the lord the cycle order starts with
  std::array<int, 10> years{};
  std::array<int, 10> next{};
};

template <std::size_t N>
constexpr LordCycle MakeCycle(const std::array<LordYears, N>& order) {
  LordCycle c;
  c.lordCount = static_cast<int>(N);
  c.firstLord = order[0].lord;
  for (std::size_t i = 0; i < N; ++i) {
    c.years[order[i].lord] = order[i].years;
    c.years[0] += order[i].years;
    c.next[order[i].lord] = order[(i + 1) % N].lord;
  }
  return c;
}

// Vimsottari: Ketu, Venus, Sun, Moon, Mars, Rahu, Jupiter, Saturn, Mercury.
inline constexpr LordCycle kVimsottari = MakeCycle(std::array<LordYears, 9>{{
    {kKetu, 7}, {kVenus, 20}, {kSun, 6}, {kMoon, 10}, {kMars, 7},
    {kRahu, 18}, {kJupiter, 16}, {kSaturn, 19}, {kMercury, 17}}});
static_assert(kVimsottari.years == std::array<int, 10>{120, 6, 10, 7, 17, 16, 20, 19, 18, 7});

// Lord of each nakshatra, Ashwini (0) to Revati (26): the nine Vimsottari
// lords three times over from Ashwini.
inline constexpr std::array<int, 27> kNakshatraLord = {
    kKetu, kVenus, kSun, kMoon, kMars, kRahu, kJupiter, kSaturn, kMercury,
    kKetu, kVenus, kSun, kMoon, kMars, kRahu, kJupiter, kSaturn, kMercury,
    kKetu, kVenus, kSun, kMoon, kMars, kRahu, kJupiter, kSaturn, kMercury};

// Yogini: Moon 1, Sun 2, Jupiter 3, Mars 4, Mercury 5, Saturn 6, Venus 7,
// Rahu 8 (36 years).
inline constexpr LordCycle kYogini = MakeCycle(std::array<LordYears, 8>{{
    {kMoon, 1}, {kSun, 2}, {kJupiter, 3}, {kMars, 4}, {kMercury, 5},
    {kSaturn, 6}, {kVenus, 7}, {kRahu, 8}}});
static_assert(kYogini.years[0] == 36);

// First Yogini lord by position (n + 4) mod 8, n the Moon's nakshatra: the
// cycle order rotated by one place.
inline constexpr std::array<int, 8> kYoginiIndex = {kRahu,    kMoon,   kSun,    kJupiter,
                                                    kMars,    kMercury, kSaturn, kVenus};

// The four-character label of a planet in dasa lines: the first four
// characters of its point name ("Sun " keeps its blank).
inline constexpr std::array<const char*, 10> kDasaLabel = {
    "Ascd", "Sun ", "Moon", "Mars", "Merc", "Jupi", "Venu", "Satu", "Rahu", "Ketu"};

// One period: its lord and its true start and end.
struct Period {
  int lord = 0;
  DasaDate start{};
  DasaDate end{};
};

// A main period with its sub-periods (as many as the cycle has lords).
struct MainPeriod {
  Period period{};
  int subCount = 0;
  std::array<Period, 9> sub{};
};

inline constexpr int kMaxMainPeriods = 24;  // Shat-Trimsa Sama lists 24

struct PeriodList {
  int count = 0;
  std::array<MainPeriod, kMaxMainPeriods> main{};
};

// The chart's birth date at 0 ghatis, read as the real date its day count
// names.
// Fields that are not finite whole-number-sized values are brought into range.
DasaDate ChartDate(const ChartState& state);
// The same reading of any date in file units (the clock time is not used).
DasaDate ChartDateOf(const BirthData& date);

// b dasa years split into the 360-day reckoning: whole years, months of 30
// days, days and the rest in ghatis. b >= 0.
DasaDuration SplitBalance(double years);

// Ghatis of real time that a 360-day duration stands for when a dasa year
// lasts yearLength days.
double ScaledGhatis(const DasaDuration& duration, double yearLength);

// Ghatis of a full period of `years` dasa years.
double PeriodGhatis(int years, double yearLength);

// Fills m's sub-periods: lords from its own lord on through the cycle, each
// lasting years[s] / total of the main period's full length, the first
// starting at the main period's true start.
void DivideMainPeriod(MainPeriod& m, const LordCycle& cycle, double lengthGhatis);

// `count` main periods from `firstLord` on, the first starting at
// `firstStart` (its true start) and ending at `firstEnd` when given, every
// other one lasting its lord's years at yearLength days and starting at the
// previous end; each divided into sub-periods. count is at most
// kMaxMainPeriods.
PeriodList MainPeriods(const LordCycle& cycle, int firstLord, const DasaDate& firstStart,
                       double yearLength, int count, const DasaDate* firstEnd = nullptr);

// The period running at birth: its balance (balanceYears of its lordYears
// still to run) split in the 360-day reckoning, its end (the chart date plus
// the balance at yearLength days a year) and its true start (that end minus
// the full period).
struct FirstPeriod {
  DasaDuration balance{};
  DasaDate start{};
  DasaDate end{};
};
FirstPeriod PeriodAtBirth(const DasaDate& birth, int lordYears, double balanceYears, double yearLength);

// MainPeriods entered at birth with `firstLord` and the balance fraction f.
PeriodList BalancedPeriods(const LordCycle& cycle, int firstLord, const DasaDate& birth,
                           double fraction, double yearLength, int count);

// True when `date` lies strictly after 0 ghatis of `day` (year, month, day,
// then ghatis against 0).
bool StartsAfter(const DasaDate& date, const DasaDate& day);

// The year as printed in dasa lines: its absolute value.
int PrintedYear(int year);

// Appends the lines of a planet dasa: per main period its label and start,
// then its sub-periods from the second on, five to a line. With `birth`
// given, the first main period shows the birth date as its start and only
// the sub-periods that start strictly after it.
void AppendPlanetPeriods(ReportBuffer& report, const PeriodList& list, const DasaDate* birth);

}  // namespace orvane::dasa
