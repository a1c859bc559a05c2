#include "vedic/calculation_pass.h"

#include <array>
#include <cmath>

#include "dasa/dasa.h"
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

// Which charts a section writer writes for (in the others the pass leaves
// its section empty).
enum class ChartKinds { kAll, kNatal, kTajaka, kMundane };  // natal: neither Tajaka nor mundane

using SectionWriter = void (*)(ChartState&, const Settings&);
struct SectionWriterRow {
  int section;
  ChartKinds kinds;
  SectionWriter write;
};

// The section writers that write alone on a chart whose pass has run. The
// basic information (4) is written across the pass, and the sections not
// listed are written while their values are derived: those run the pass.
constexpr std::array<SectionWriterRow, 16> kSectionWriters = {{
    {0, ChartKinds::kNatal, VimsottariDasa},
    {1, ChartKinds::kNatal, KalachakraDasa},
    {2, ChartKinds::kNatal, YoginiDasa},
    {3, ChartKinds::kAll, ComputeAshtakavarga},
    {5, ChartKinds::kAll, [](ChartState& state, const Settings&) { WritePlanetTable(state); }},
    {6, ChartKinds::kAll, PatyayiniDasa},
    {7, ChartKinds::kTajaka, MuddaDasa},
    {8, ChartKinds::kTajaka, VarshaYoginiDasas},
    {9, ChartKinds::kNatal, NatalPatyayiniDasa},
    {15, ChartKinds::kMundane, CompressedVimsottariDasa},
    {16, ChartKinds::kMundane, CompressedYoginiDasa},
    {17, ChartKinds::kAll, ComputeAshtakavarga},
    {18, ChartKinds::kAll, ComputeAshtakavarga},
    {19, ChartKinds::kAll, ComputeAshtakavarga},
    {21, ChartKinds::kAll, [](ChartState& state, const Settings&) { WritePlanetTable(state); }},
    {41, ChartKinds::kAll, [](ChartState& state, const Settings&) { WriteTextCharts(state); }},
}};

}  // namespace

double CompressionPeriod(const ChartState& state) {
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
  const bool compressed = section >= kFirstCompressedSection &&
                          section < kFirstCompressedSection + static_cast<int>(kCompressedDasas.size());
  const SectionWriterRow* row = nullptr;
  for (const SectionWriterRow& r : kSectionWriters)
    if (r.section == section) row = &r;
  if (!row && !compressed && section != 42) return false;

  // The pass's opening: an empty buffer and the dasa year of the preferences.
  state.reportSection = section;
  state.report.Clear();
  if (std::isfinite(settings.daysInYear) && settings.daysInYear > 0) state.dasaYearLength = settings.daysInYear;
  const bool tajaka = state.options.tajakaMode != 0;
  const bool mundane = state.options.mundane != 0;
  if (compressed) {
    RunCompressedDasas(state, settings, &kCompressedDasas[static_cast<std::size_t>(section - kFirstCompressedSection)],
                       1);
    return true;
  }
  if (section == 42) {
    if (!tajaka && !mundane) {
      YearLengthGuard keep(state);
      VimsottariSubPeriods(state, settings);
    }
    return true;
  }
  const bool writes = row->kinds == ChartKinds::kAll || (row->kinds == ChartKinds::kNatal && !tajaka && !mundane) ||
                      (row->kinds == ChartKinds::kTajaka && tajaka) ||
                      (row->kinds == ChartKinds::kMundane && mundane && !tajaka);
  if (writes) row->write(state, settings);
  return true;
}

void RunCalculationPass(ChartState& state, const Settings& settings) {
  if (state.reportSection != kNoSection) state.report.Clear();
  // The dasa year is the user's preference.
  if (std::isfinite(settings.daysInYear) && settings.daysInYear > 0) state.dasaYearLength = settings.daysInYear;
  PassGuard guard(state);
  const bool tajaka = state.options.tajakaMode != 0;
  const bool mundane = state.options.mundane != 0;

  WriteBirthDataHeader(state);
  ComputeSreeLagna(state);
  ComputeWeekday(state);
  ComputePointsAndPanchanga(state, settings);
  ComputeSahams(state, settings);

  state.vedic.dasaNakshatraBalance = state.nakshatraBalance;
  if (!tajaka) {
    ComputeDasaBalance(state, settings);
    CloseBasicInformation(state);
  } else {
    state.vedic.tajakaNakshatraBalance = state.nakshatraBalance;
  }

  ComputeAshtakavarga(state, settings);
  ComputeNatureOfPlanets(state, settings);
  ComputeVargas(state, settings);
  WriteVargaDegreeTable(state);
  WriteDignityList(state);
  ComputeShadbala(state, settings);
  if (tajaka) PanchaVargeeyaBala(state, settings);
  TajakaYogas(state, settings);
  WriteTextCharts(state);

  PatyayiniDasa(state, settings);
  if (tajaka) {
    MuddaDasa(state, settings);
    VarshaYoginiDasas(state, settings);
  } else if (mundane) {
    CompressedVimsottariDasa(state, settings);
    CompressedYoginiDasa(state, settings);
  }
  RunCompressedDasas(state, settings, kCompressedDasas.data(), kCompressedDasas.size());
  guard.Restore();

  if (!tajaka && !mundane) {
    KalachakraDasa(state, settings);
    YoginiDasa(state, settings);
    VimsottariDasa(state, settings);
    {
      YearLengthGuard keep(state);  // the pratyantardasas scale the year for themselves
      VimsottariSubPeriods(state, settings);
    }
    NatalPatyayiniDasa(state, settings);
  }
}

}  // namespace orvane
