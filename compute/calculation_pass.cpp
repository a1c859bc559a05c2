#include "compute/calculation_pass.h"

#include <array>
#include <cmath>
#include <memory>
#include <cstdint>

#include "compute/chart.h"
#include "compute/yoga_chart.h"
#include "dasa/dasa.h"
#include "report/sections.h"
#include "tajaka/tajaka.h"
#include "vedic/panchanga.h"
#include "vedic/special_lagnas.h"
#include "vedic/strength.h"
#include "vedic/text_charts.h"
#include "vedic/vargas.h"
#include "yoga/text.h"

namespace orvane {

namespace {

// A dasa of the nakshatra family over a given span.
template <NakshatraDasa D>
void NakshatraDasaOver(const ChartState& state, const DasaSpan& span, ReportBuffer& out) {
  WriteNakshatraDasa(state, D, span, out);
}

// The dasas compressed into a Tajaka or mundane chart, in the order they
// run: the dasas of sections 30 to 40.
constexpr std::array<CompressedDasa, 11> kCompressedDasas = {{
    {NakshatraDasaOver<NakshatraDasa::kDwisaptatiSama>, 72},
    {NakshatraDasaOver<NakshatraDasa::kShatTrimsaSama>, 36},
    {NakshatraDasaOver<NakshatraDasa::kDwadasottari>, 112},
    {NakshatraDasaOver<NakshatraDasa::kChaturasitiSama>, 84},
    {NakshatraDasaOver<NakshatraDasa::kSatabdika>, 100},
    {NakshatraDasaOver<NakshatraDasa::kShodasottari>, 116},
    {NakshatraDasaOver<NakshatraDasa::kPanchottari>, 105},
    {NakshatraDasaOver<NakshatraDasa::kAshtottari>, 108},
    {NakshatraDasaOver<NakshatraDasa::kTithiAshtottari>, 108},
    {NakshatraDasaOver<NakshatraDasa::kShashtihayani>, 60},
    {NakshatraDasaOver<NakshatraDasa::kTithiYogini>, 36},
}};

// Which charts a section is written for (in the others it stays empty).
enum class WrittenFor { kNone, kAll, kNatal, kTajaka, kMundane };

using SectionWriter = void (*)(const ChartState&, const Settings&, ReportBuffer&);
struct SectionWriterRow {
  ReportSection section;
  WrittenFor kinds;
  SectionWriter write;
};

// A dasa compressed into a Tajaka or mundane chart, written alone.
template <std::size_t kIndex>
void WriteCompressedDasa(const ChartState& state, const Settings&, ReportBuffer& out) {
  RunCompressedDasas(state, &kCompressedDasas[kIndex], 1, out);
}

// A writer that reads the derived chart only.
template <void (*kWrite)(const ChartState&, const Settings&, ReportBuffer&)>
void Reads(const ChartState& state, const Settings& settings, ReportBuffer& out) {
  kWrite(state, settings, out);
}
// A Tajaka step that derives the values the chart keeps and, given a
// buffer, writes their text: run again as a writer, it derives them again
// from the same inputs, on a copy of the chart (the chart stays as it was
// derived).
template <void (*kStep)(const ChartState&, const Settings&, TajakaState&, ReportBuffer*)>
void DerivesAndWrites(const ChartState& state, const Settings& settings, ReportBuffer& out) {
  auto copy = std::make_unique<ChartState>(state);
  kStep(*copy, settings, copy->tajaka, &out);
}

template <bool kFull>
void WritePlanetTableSection(const ChartState& state, const Settings&, ReportBuffer& out) {
  WritePlanetTable(state, kFull, out);
}
template <bool kFull>
void WriteShadbalaText(const ChartState& state, const Settings&, ReportBuffer& out) {
  WriteShadbalaSection(state, kFull, out);
}
// The ashtakavarga of the chart the options choose now, written.
template <AshtakavargaText kText>
void WriteAshtakavargaText(const ChartState& state, const Settings& settings, ReportBuffer& out) {
  WriteAshtakavarga(AshtakavargaOf(state, settings), kText, out);
}
void WriteTextChartSection(const ChartState& state, const Settings&, ReportBuffer& out) { WriteTextCharts(state, out); }
void WriteVargaDegreeSection(const ChartState& state, const Settings&, ReportBuffer& out) {
  WriteVargaDegreeTable(state, out);
}
void WriteDignitySection(const ChartState& state, const Settings&, ReportBuffer& out) { WriteDignityList(state, out); }
// The Vimsottari table derived again (on a copy of the chart), and its
// listing.
void WriteVimsottariSection(const ChartState& state, const Settings& settings, ReportBuffer& out) {
  auto copy = std::make_unique<ChartState>(state);
  ComputeVimsottari(*copy, copy->dasa);
  WriteVimsottari(*copy, settings, out);
}
// The yogas of the rasi, as orvane-cli --yogas prints them.
void WriteYogaSection(const ChartState& state, const Settings&, ReportBuffer& out) {
  out.Append(yoga::YogasText(yoga::FindYogas(YogaChartOf(Chart(state))), 1));
}
void WriteSubPeriodSection(const ChartState& state, const Settings& settings, ReportBuffer& out) {
  VimsottariSubPeriods(state, settings, out);
}

// Who writes each report section, one row per section in the order of
// their numbers, keyed by ReportSection: the writer runs on a
// derived chart and appends to the caller's buffer. The writers
// that also derive values (the dasas whose periods the chart keeps, the
// sahams, the Pancha Vargeeya Bala, the ashtakavarga of the chosen chart)
// derive them again, from the same inputs. Numbers 20,
// 23 and 25 to 29 are reserved: nothing writes them.
constexpr std::array<SectionWriterRow, kReportSectionCount> kSectionWriters = {{
    {ReportSection::kVimsottari, WrittenFor::kNatal, WriteVimsottariSection},
    {ReportSection::kKalachakra, WrittenFor::kNatal, Reads<KalachakraDasa>},
    {ReportSection::kYogini, WrittenFor::kNatal, Reads<YoginiDasa>},
    {ReportSection::kAshtakavarga, WrittenFor::kAll, WriteAshtakavargaText<AshtakavargaText::kTables>},
    {ReportSection::kBasicInfo, WrittenFor::kAll, Reads<WriteBasicInformation>},
    {ReportSection::kPlanets, WrittenFor::kAll, WritePlanetTableSection<true>},
    {ReportSection::kPatyayini, WrittenFor::kAll, DerivesAndWrites<PatyayiniDasa>},
    {ReportSection::kMudda, WrittenFor::kTajaka, DerivesAndWrites<MuddaDasa>},
    {ReportSection::kVarshaYogini, WrittenFor::kTajaka, DerivesAndWrites<VarshaYoginiDasas>},
    {ReportSection::kNatalPatyayini, WrittenFor::kNatal, DerivesAndWrites<NatalPatyayiniDasa>},
    {ReportSection::kSahams, WrittenFor::kAll, DerivesAndWrites<ComputeSahams>},
    {ReportSection::kPanchaVargeeya, WrittenFor::kTajaka, DerivesAndWrites<PanchaVargeeyaBala>},
    {ReportSection::kTajakaYogas, WrittenFor::kAll, Reads<TajakaYogas>},
    {ReportSection::kShadbala, WrittenFor::kAll, WriteShadbalaText<true>},
    {ReportSection::kDivisionalDegrees, WrittenFor::kAll, WriteVargaDegreeSection},
    {ReportSection::kMundaneVimsottari, WrittenFor::kMundane, Reads<CompressedVimsottariDasa>},
    {ReportSection::kMundaneYogini, WrittenFor::kMundane, Reads<CompressedYoginiDasa>},
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
    {ReportSection::kYogas, WrittenFor::kAll, WriteYogaSection},
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

// Writes `section` from the derived values into `out` (emptied first), at
// the dasa year of the preferences (from a copy of the chart that has it,
// when the chart was derived with another).
void WriteSection(const ChartState& state, const Settings& settings, int section, ReportBuffer& out) {
  out.Clear();
  const SectionWriterRow& row = kSectionWriters[static_cast<std::size_t>(section)];
  if (!row.write || !WritesFor(row.kinds, state)) return;
  if (std::isfinite(settings.daysInYear) && settings.daysInYear > 0 && state.dasa.yearLength != settings.daysInYear) {
    auto copy = std::make_unique<ChartState>(state);
    copy->dasa.yearLength = settings.daysInYear;
    row.write(*copy, settings, out);
    return;
  }
  row.write(state, settings, out);
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

void RunCompressedDasas(const ChartState& state, const CompressedDasa* dasas, std::size_t count, ReportBuffer& out) {
  const double period = CompressionPeriod(state);
  const bool compress = std::isfinite(period) && period > 0;
  DasaSpan span = ChartDasaSpan(state);
  // The dasas of a Tajaka chart run from the moment of the year.
  if (compress && state.options.tajakaMode == 1) span.from = dasa::ChartDateOf(state.castMoment);
  for (std::size_t i = 0; i < count; ++i) {
    if (compress) span.yearLength = period / dasas[i].totalYears;
    dasas[i].write(state, span, out);
  }
}

bool WriteSectionAlone(const ChartState& state, const Settings& settings, int section, ReportBuffer& out) {
  if (section < 0 || section >= static_cast<int>(kSectionWriters.size())) return false;
  WriteSection(state, settings, section, out);
  return true;
}

void RunCalculationPass(ChartState& state, const Settings& settings, int section, ReportBuffer* report) {
  // The derivations write nothing: the section asked for is written at the
  // end, from the derived values, by its row of the writers' table.
  // The dasa year is the user's preference.
  if (std::isfinite(settings.daysInYear) && settings.daysInYear > 0) state.dasa.yearLength = settings.daysInYear;
  const bool tajaka = state.options.tajakaMode != 0;
  const bool mundane = state.options.mundane != 0;

  state.slotLongitude[kSreeLagna] = SreeLagna(state.slotLongitude[kAscendant], state.slotLongitude[kMoon]);
  state.slotRetrograde[kSreeLagna] = 0;
  const Weekday weekday = ChartWeekday(state);
  state.vedic.dayCount = weekday.dayCount;
  state.vedic.vara = weekday.vara;
  ComputePointsAndPanchanga(state, state.vedic);
  ComputeSahams(state, settings, state.tajaka);

  state.vedic.dasaNakshatraBalance = state.nakshatraBalance;
  if (!tajaka) {
    state.dasa.balance = DasaBalanceOf(state);
  } else {
    state.vedic.tajakaNakshatraBalance = state.nakshatraBalance;
  }

  state.vedic.strength.ashtakavarga = AshtakavargaOf(state, settings);
  ComputeVargas(state, settings, state.vedic);
  ComputeShadbala(state, settings, state.vedic.strength);
  if (tajaka) PanchaVargeeyaBala(state, settings, state.tajaka);

  PatyayiniDasa(state, settings, state.tajaka);
  if (tajaka) {
    MuddaDasa(state, settings, state.tajaka);
    VarshaYoginiDasas(state, settings, state.tajaka);
  }

  if (!tajaka && !mundane) {
    ComputeVimsottari(state, state.dasa);
    NatalPatyayiniDasa(state, settings, state.tajaka);
  }
  if (!report) return;
  if (section >= 0 && section < static_cast<int>(kSectionWriters.size())) {
    WriteSection(state, settings, section, *report);
  } else if (section != kNoSection) {
    report->Clear();
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
