// The dasa systems of the natal chart: section writers of the calculation
// pass. A writer reads the chart and appends its text to the buffer it is
// given (no writer clears it); the values the chart keeps are computed apart.
//
// What they read from ChartState:
// - the chart date: birth.year, .month, .day (whole numbers; the clock
//   time is not used; a date past a month's end is read as the real date its
//   day count names). The dasas compressed into a Tajaka or mundane chart
//   are given their date and dasa year instead (DasaSpan).
// - the Moon: slotLongitude[kMoon]; its nakshatra, pada and unelapsed
//   fraction are taken together through NakshatraOf (nakshatraBalance is not
//   read: it is the same fraction).
// - the tithi dasas also read slotLongitude[kSun] (tithi and its fraction
//   from the Moon's elongation).
// - dasa.yearLength: days per dasa year, read by every writer except the two
//   compressed ones, which read options.mundaneDays instead. No writer
//   changes it.
// - the Vimsottari steps read dasa.balance (kept by the pass; computed on
//   the spot when no balance is stored);
//   VimsottariSubPeriods also reads options.selectedMahadasaLord (1..9;
//   anything else is read as the Sun).
//
// What they give: DasaBalanceOf the balance the pass keeps in dasa.balance;
// ComputeVimsottari fills the DasaState it is given (dasa.vimsottari,
// .vimsottariStart, .vimsottariEnd, .vimsottariValid); the writers append
// report text for their own section only.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "chart/chart_state.h"
#include "dasa/periods.h"
#include "io/settings.h"
#include "report/report_buffer.h"

namespace orvane {

// The Vimsottari balance at birth, from the Moon.
DasaBalance DasaBalanceOf(const ChartState& chart);
// The Vimsottari table the chart keeps (with the balance when none is
// stored yet).
void ComputeVimsottari(const ChartState& chart, DasaState& dasa);
void WriteVimsottari(const ChartState& chart, const Settings& settings, ReportBuffer& out);       // section 0
void VimsottariSubPeriods(const ChartState& chart, const Settings& settings, ReportBuffer& out);  // section 42

// The Vimsottari periods three levels deep, computed as sections 0 and 42
// compute them: the nine main periods with their antardasas (section 0's
// dates; the first main period is shown from `birth`), and per main period
// its antardasas again, each with its pratyantardasas (section 42's dates).
// Reads the chart date, the Moon (when no balance is stored), dasa.balance
// and dasa.yearLength; writes nothing.
struct VimsottariTree {
  DasaDate birth{};
  dasa::PeriodList mains{};
  std::array<dasa::PeriodList, 9> antardasas{};
};
VimsottariTree VimsottariPeriodTree(const ChartState& state);
void KalachakraDasa(const ChartState& state, const Settings& settings, ReportBuffer& out);  // section 1
// The Kalachakra periods the listing shows: each main period's sign 0..11,
// its true start and end, and its sub-periods (the first starts with it).
struct KalachakraRow {
  int sign = 0;
  DasaDate start{};
  DasaDate end{};
  std::vector<KalachakraRow> subs;
};
std::vector<KalachakraRow> KalachakraPeriods(const ChartState& state);

// The nakshatra family: dasas of one shape (a cycle of lords entered by the
// Moon's nakshatra, its Ashtottari group or the tithi, with the balance at
// the chart date), each a row of one table.
enum class NakshatraDasa : int {
  kYogini,                // section 2
  kTithiYogini,           // section 40
  kDwisaptatiSama,        // section 30
  kShatTrimsaSama,        // section 31
  kDwadasottari,          // section 32
  kChaturasitiSama,       // section 33
  kSatabdika,             // section 34
  kShodasottari,          // section 35
  kPanchottari,           // section 36
  kAshtottari,            // section 37
  kTithiAshtottari,       // section 38
  kShashtihayani,         // section 39 (a notice: not programmed)
  kCompressedVimsottari,  // section 15: mundane charts
  kCompressedYogini,      // section 16: mundane charts
  kCount
};

// The report section of a dasa of the family.
int NakshatraDasaSection(NakshatraDasa dasa);
// Where a dasa of the family runs: the date its balance is counted from and
// the days of its dasa year.
struct DasaSpan {
  DasaDate from{};
  double yearLength = 365.2425;
};
// The chart's own span: its date and state.dasa.yearLength.
DasaSpan ChartDasaSpan(const ChartState& state);
// The main periods and their sub-periods a listing of the dasa over `span`
// shows; none for a dasa that has no listing (Shashtihayani).
std::optional<dasa::PeriodList> NakshatraDasaPeriods(const ChartState& state, NakshatraDasa dasa, const DasaSpan& span);
// Appends the dasa's listing over `span` (the compressed Vimsottari and
// Yogini of a mundane chart take their year from options.mundaneDays).
void WriteNakshatraDasa(const ChartState& state, NakshatraDasa dasa, const DasaSpan& span, ReportBuffer& out);

// Each dasa of the family as a section writer of the calculation pass, over
// the chart's own span.
template <NakshatraDasa D>
void NakshatraDasaWriter(const ChartState& state, const Settings&, ReportBuffer& out) {
  WriteNakshatraDasa(state, D, ChartDasaSpan(state), out);
}
using DasaSectionWriter = void (*)(const ChartState&, const Settings&, ReportBuffer&);
inline constexpr DasaSectionWriter YoginiDasa = NakshatraDasaWriter<NakshatraDasa::kYogini>;
inline constexpr DasaSectionWriter TithiYoginiDasa = NakshatraDasaWriter<NakshatraDasa::kTithiYogini>;
inline constexpr DasaSectionWriter DwisaptatiSamaDasa = NakshatraDasaWriter<NakshatraDasa::kDwisaptatiSama>;
inline constexpr DasaSectionWriter ShatTrimsaSamaDasa = NakshatraDasaWriter<NakshatraDasa::kShatTrimsaSama>;
inline constexpr DasaSectionWriter DwadasottariDasa = NakshatraDasaWriter<NakshatraDasa::kDwadasottari>;
inline constexpr DasaSectionWriter ChaturasitiSamaDasa = NakshatraDasaWriter<NakshatraDasa::kChaturasitiSama>;
inline constexpr DasaSectionWriter SatabdikaDasa = NakshatraDasaWriter<NakshatraDasa::kSatabdika>;
inline constexpr DasaSectionWriter ShodasottariDasa = NakshatraDasaWriter<NakshatraDasa::kShodasottari>;
inline constexpr DasaSectionWriter PanchottariDasa = NakshatraDasaWriter<NakshatraDasa::kPanchottari>;
inline constexpr DasaSectionWriter AshtottariDasa = NakshatraDasaWriter<NakshatraDasa::kAshtottari>;
inline constexpr DasaSectionWriter TithiAshtottariDasa = NakshatraDasaWriter<NakshatraDasa::kTithiAshtottari>;
inline constexpr DasaSectionWriter ShashtihayaniDasa = NakshatraDasaWriter<NakshatraDasa::kShashtihayani>;
inline constexpr DasaSectionWriter CompressedVimsottariDasa = NakshatraDasaWriter<NakshatraDasa::kCompressedVimsottari>;
inline constexpr DasaSectionWriter CompressedYoginiDasa = NakshatraDasaWriter<NakshatraDasa::kCompressedYogini>;

}  // namespace orvane
