#include "compute/calculation_pass.h"

#include <array>
#include <cmath>
#include <cstdint>

#include "dasa/dasa.h"
#include "report/sections.h"
#include "tajaka/tajaka.h"
#include "vedic/panchanga.h"
#include "vedic/special_lagnas.h"
#include "vedic/strength.h"
#include "vedic/text_charts.h"
#include "vedic/vargas.h"

namespace orvane {

namespace {

// Puts back, when it goes out of scope however the scope is left, the
// values a step may change for its own computation only.
class YearLengthGuard {
 public:
  explicit YearLengthGuard(ChartState& state) : state_(state), yearLength_(state.dasaYearLength) {}
  ~YearLengthGuard() { state_.dasaYearLength = yearLength_; }
  YearLengthGuard(const YearLengthGuard&) = delete;
  YearLengthGuard& operator=(const YearLengthGuard&) = delete;

 private:
  ChartState& state_;
  double yearLength_;
};

// The birth date and time copies and the dasa year length, restored at the
// end of the pass and on any way out of it.
class PassGuard {
 public:
  explicit PassGuard(ChartState& state)
      : state_(state),
        year_(state.birthCopy.year),
        month_(state.birthCopy.month),
        day_(state.birthCopy.day),
        time_(state.birthCopy.time),
        yearLength_(state.dasaYearLength) {}
  ~PassGuard() { Restore(); }
  PassGuard(const PassGuard&) = delete;
  PassGuard& operator=(const PassGuard&) = delete;

  void Restore() {
    state_.birthCopy.year = year_;
    state_.birthCopy.month = month_;
    state_.birthCopy.day = day_;
    state_.birthCopy.time = time_;
    state_.dasaYearLength = yearLength_;
  }

 private:
  ChartState& state_;
  double year_, month_, day_, time_;
  double yearLength_;
};

// The dasas compressed into a Tajaka or mundane chart, in the order they
// run: the dasas of sections 30 to 40.
constexpr int kFirstCompressedSection = 30;
constexpr std::array<CompressedDasa, 11> kCompressedDasas = {{
    {DwisaptatiSamaDasa, 72},
    {ShatTrimsaSamaDasa, 36},
    {DwadasottariDasa, 112},
    {ChaturasitiSamaDasa, 84},
    {SatabdikaDasa, 100},
    {ShodasottariDasa, 116},
    {PanchottariDasa, 105},
    {AshtottariDasa, 108},
    {TithiAshtottariDasa, 108},
    {ShashtihayaniDasa, 60},
    {TithiYoginiDasa, 36},
}};
static_assert(kCompressedDasas[0].write == DwisaptatiSamaDasa && kCompressedDasas[7].write == AshtottariDasa &&
              kCompressedDasas[10].write == TithiYoginiDasa);

// Which charts a section is written for (in the others it stays empty).
enum class WrittenFor { kNone, kAll, kNatal, kTajaka, kMundane };

using SectionWriter = void (*)(ChartState&, const Settings&);
struct SectionWriterRow {
  ReportSection section;
  WrittenFor kinds;
  SectionWriter write;
};

// A dasa compressed into a Tajaka or mundane chart, written alone.
template <std::size_t kIndex>
void WriteCompressedDasa(ChartState& state, const Settings& settings) {
  RunCompressedDasas(state, settings, &kCompressedDasas[kIndex], 1);
}

template <bool kFull>
void WritePlanetTableSection(ChartState& state, const Settings&) {
  WritePlanetTable(state, kFull);
}
template <bool kFull>
void WriteShadbalaText(ChartState& state, const Settings&) {
  WriteShadbalaSection(state, kFull);
}
template <AshtakavargaText kText>
void WriteAshtakavargaText(ChartState& state, const Settings& settings) {
  WriteAshtakavarga(state, settings, kText);
}
void WriteTextChartSection(ChartState& state, const Settings&) { WriteTextCharts(state); }
void WriteVargaDegreeSection(ChartState& state, const Settings&) { WriteVargaDegreeTable(state); }
void WriteDignitySection(ChartState& state, const Settings&) { WriteDignityList(state); }
void WriteSubPeriodSection(ChartState& state, const Settings& settings) {
  YearLengthGuard keep(state);  // the pratyantardasas scale the year for themselves
  VimsottariSubPeriods(state, settings);
}

// Who writes each report section, one row per section in the order of
// their numbers, keyed by ReportSection: the writer runs on a
// derived chart with state.reportSection set to its section. The writers
// that also derive values (the dasas whose periods the chart keeps, the
// sahams, the Pancha Vargeeya Bala, the ashtakavarga of the chosen chart)
// derive them again, from the same inputs. Numbers 20,
// 23 and 25 to 29 are reserved: nothing writes them.
constexpr std::array<SectionWriterRow, kReportSectionCount> kSectionWriters = {{
    {ReportSection::kVimsottari, WrittenFor::kNatal, VimsottariDasa},
    {ReportSection::kKalachakra, WrittenFor::kNatal, KalachakraDasa},
    {ReportSection::kYogini, WrittenFor::kNatal, YoginiDasa},
    {ReportSection::kAshtakavarga, WrittenFor::kAll, WriteAshtakavargaText<AshtakavargaText::kTables>},
    {ReportSection::kBasicInfo, WrittenFor::kAll, WriteBasicInformation},
    {ReportSection::kPlanets, WrittenFor::kAll, WritePlanetTableSection<true>},
    {ReportSection::kPatyayini, WrittenFor::kAll, PatyayiniDasa},
    {ReportSection::kMudda, WrittenFor::kTajaka, MuddaDasa},
    {ReportSection::kVarshaYogini, WrittenFor::kTajaka, VarshaYoginiDasas},
    {ReportSection::kNatalPatyayini, WrittenFor::kNatal, NatalPatyayiniDasa},
    {ReportSection::kSahams, WrittenFor::kAll, ComputeSahams},
    {ReportSection::kPanchaVargeeya, WrittenFor::kTajaka, PanchaVargeeyaBala},
    {ReportSection::kTajakaYogas, WrittenFor::kAll, TajakaYogas},
    {ReportSection::kShadbala, WrittenFor::kAll, WriteShadbalaText<true>},
    {ReportSection::kDivisionalDegrees, WrittenFor::kAll, WriteVargaDegreeSection},
    {ReportSection::kMundaneVimsottari, WrittenFor::kMundane, CompressedVimsottariDasa},
    {ReportSection::kMundaneYogini, WrittenFor::kMundane, CompressedYoginiDasa},
    {ReportSection::kSodyaPindas, WrittenFor::kAll, WriteAshtakavargaText<AshtakavargaText::kPindas>},
    {ReportSection::kPrastaraSunMars, WrittenFor::kAll, WriteAshtakavargaText<AshtakavargaText::kPrastaraSunToMars>},
    {ReportSection::kPrastaraMercurySaturn, WrittenFor::kAll, WriteAshtakavargaText<AshtakavargaText::kPrastaraMercuryToSaturn>},
    {ReportSection::kKakshya, WrittenFor::kNone, nullptr},
    {ReportSection::kPlanetsShort, WrittenFor::kAll, WritePlanetTableSection<false>},
    {ReportSection::kShadbalaTotals, WrittenFor::kAll, WriteShadbalaText<false>},
    {ReportSection::kChara, WrittenFor::kNone, nullptr},
    {ReportSection::kVimsopaka, WrittenFor::kAll, WriteDignitySection},
    {ReportSection::kMoola, WrittenFor::kNone, nullptr},
    {ReportSection::kNarayana, WrittenFor::kNone, nullptr},
    {ReportSection::kSudasa, WrittenFor::kNone, nullptr},
    {ReportSection::kDrigdasa, WrittenFor::kNone, nullptr},
    {ReportSection::kShoola, WrittenFor::kNone, nullptr},
    {ReportSection::kDwisaptatiSama, WrittenFor::kAll, WriteCompressedDasa<0>},
    {ReportSection::kShatTrimsaSama, WrittenFor::kAll, WriteCompressedDasa<1>},
    {ReportSection::kDwadasottari, WrittenFor::kAll, WriteCompressedDasa<2>},
    {ReportSection::kChaturasitiSama, WrittenFor::kAll, WriteCompressedDasa<3>},
    {ReportSection::kSatabdika, WrittenFor::kAll, WriteCompressedDasa<4>},
    {ReportSection::kShodasottari, WrittenFor::kAll, WriteCompressedDasa<5>},
    {ReportSection::kPanchottari, WrittenFor::kAll, WriteCompressedDasa<6>},
    {ReportSection::kAshtottari, WrittenFor::kAll, WriteCompressedDasa<7>},
    {ReportSection::kTithiAshtottari, WrittenFor::kAll, WriteCompressedDasa<8>},
    {ReportSection::kShashtihayani, WrittenFor::kAll, WriteCompressedDasa<9>},
    {ReportSection::kTithiYogini, WrittenFor::kAll, WriteCompressedDasa<10>},
    {ReportSection::kTextCharts, WrittenFor::kAll, WriteTextChartSection},
    {ReportSection::kAntardasas, WrittenFor::kNatal, WriteSubPeriodSection},
}};

constexpr bool RowsInSectionOrder() {
  for (std::size_t i = 0; i < kSectionWriters.size(); ++i)
    if (ToInt(kSectionWriters[i].section) != static_cast<int>(i)) return false;
  return true;
}
static_assert(RowsInSectionOrder());
static_assert(kSectionWriters.size() == static_cast<std::size_t>(kReportSectionCount));

bool WritesFor(WrittenFor kinds, const ChartState& state) {
  const ChartKind kind = KindOf(state.options);
  switch (kinds) {
    case WrittenFor::kNone:
      return false;
    case WrittenFor::kAll:
      return true;
    case WrittenFor::kNatal:
      return kind == ChartKind::kNatal;
    case WrittenFor::kTajaka:
      return IsTajaka(kind);
    case WrittenFor::kMundane:
      return kind == ChartKind::kMundane;
  }
  return false;
}

// Writes `section` from the derived values in place (the buffer emptied
// first, the dasa year of the preferences).
void WriteSection(ChartState& state, const Settings& settings, int section) {
  state.reportSection = section;
  state.report.Clear();
  if (std::isfinite(settings.daysInYear) && settings.daysInYear > 0) state.dasaYearLength = settings.daysInYear;
  const SectionWriterRow& row = kSectionWriters[static_cast<std::size_t>(section)];
  if (row.write && WritesFor(row.kinds, state)) row.write(state, settings);
}

}  // namespace

double CompressionPeriod(const ChartState& state) {
  // Only a flag of exactly 1 compresses (a stray value leaves the dasas
  // whole), which is why this reads the flags rather than KindOf.
  const ChartOptions& o = state.options;
  if (o.tajakaMode == 1) {
    if (o.tajakaMonthly == 1 && o.tajakaHoraWanted == 1) return 2.53640625;
    if (o.tajakaMonthly == 1) return 30.436875;
    return 365.2425;
  }
  if (o.mundane == 1) return o.mundaneDays;
  return 0;
}

void RunCompressedDasas(ChartState& state, const Settings& settings, const CompressedDasa* dasas, std::size_t count) {
  PassGuard guard(state);
  const double period = CompressionPeriod(state);
  const bool compress = std::isfinite(period) && period > 0;
  if (compress && state.options.tajakaMode == 1) {
    // The dasas of a Tajaka chart run from the moment of the year.
    const BirthData& moment = state.castMoment;
    state.birthCopy.year = moment.year;
    state.birthCopy.month = moment.month;
    state.birthCopy.day = moment.day;
    state.birthCopy.time = moment.time;
  }
  for (std::size_t i = 0; i < count; ++i) {
    if (compress) state.dasaYearLength = period / dasas[i].totalYears;
    dasas[i].write(state, settings);
  }
}

bool WriteSectionAlone(ChartState& state, const Settings& settings, int section) {
  if (section < 0 || section >= static_cast<int>(kSectionWriters.size())) return false;
  WriteSection(state, settings, section);
  return true;
}

void RunCalculationPass(ChartState& state, const Settings& settings) {
  // The derivations write nothing: the section asked for is written at the
  // end, from the derived values, by its row of the writers' table.
  const std::int32_t section = state.reportSection;
  state.reportSection = kNoSection;
  // The dasa year is the user's preference.
  if (std::isfinite(settings.daysInYear) && settings.daysInYear > 0) state.dasaYearLength = settings.daysInYear;
  {
    PassGuard guard(state);
    const bool tajaka = state.options.tajakaMode != 0;
    const bool mundane = state.options.mundane != 0;

    ComputeSreeLagna(state);
    ComputeWeekday(state);
    ComputePointsAndPanchanga(state, settings);
    ComputeSahams(state, settings);

    state.vedic.dasaNakshatraBalance = state.nakshatraBalance;
    if (!tajaka) {
      ComputeDasaBalance(state, settings);
    } else {
      state.vedic.tajakaNakshatraBalance = state.nakshatraBalance;
    }

    ComputeAshtakavarga(state, settings);
    ComputeNatureOfPlanets(state, settings);
    ComputeVargas(state, settings);
    ComputeShadbala(state, settings);
    if (tajaka) PanchaVargeeyaBala(state, settings);

    PatyayiniDasa(state, settings);
    if (tajaka) {
      MuddaDasa(state, settings);
      VarshaYoginiDasas(state, settings);
    }
    guard.Restore();

    if (!tajaka && !mundane) {
      VimsottariDasa(state, settings);
      NatalPatyayiniDasa(state, settings);
    }
  }
  state.reportSection = section;
  if (section >= 0 && section < static_cast<std::int32_t>(kSectionWriters.size())) {
    WriteSection(state, settings, section);
  } else if (section != kNoSection) {
    state.report.Clear();
  }
}

SectionCharts ChartsOfSection(int section) {
  if (section < 0 || section >= static_cast<int>(kSectionWriters.size())) return SectionCharts::kNone;
  switch (kSectionWriters[static_cast<std::size_t>(section)].kinds) {
    case WrittenFor::kNone:
      return SectionCharts::kNone;
    case WrittenFor::kAll:
      return SectionCharts::kAll;
    case WrittenFor::kNatal:
      return SectionCharts::kNatal;
    case WrittenFor::kTajaka:
      return SectionCharts::kTajaka;
    case WrittenFor::kMundane:
      return SectionCharts::kMundane;
  }
  return SectionCharts::kNone;
}

}  // namespace orvane
