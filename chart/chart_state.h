// The computed chart: one object that the caller owns and passes by
// reference. The engine's part (engine/engine_state.h: birth data, body
// slots of the chart's cast, sunrise values) is its base; on top it holds
// the chart's options and every value a calculation pass derives. It is
// trivially copyable, so many charts can live side by side.
#pragma once

#include <cstdint>
#include <type_traits>

#include "chart/dasa_state.h"
#include "engine/engine_state.h"
#include "chart/tajaka_state.h"
#include "chart/vedic_state.h"

namespace orvane {

// The chart settings a view carries and copies into the state before a pass.
struct ChartOptions {
  int recompute = 1;   // cast again before deriving
  int nowMode = 0;     // take the clock instead of reading the chart file
  int tajakaMode = 0;  // 1: the chart is a Tajaka (solar-return) chart
  int tajakaYear = 0;
  int tajakaMonthly = 0;
  int tajakaMonth = 1;  // 1..12
  int tajakaHoraWanted = 0;
  int tajakaHora = 0;   // 0..11
  int mundane = 0;
  double mundaneDays = 365.2425;
  int selectedMahadasaLord = 1;  // planet code of the antardasa listing
  int ashtakavargaChart = 0;     // chart choice whose signs the ashtakavarga reads
  int textChartRasiNavamsa = 0;  // section 41: rasi and navamsa text charts
  int textChartOthers = 0;       // section 41: the other divisional charts
  int planetTableWithoutUpagrahas = 0;  // planet tables (sections 5, 21) stop after the ghati lagna
  double carried = 0;            // value the calculation pass restores from and saves to
};

// What a chart is: the birth chart, a Tajaka chart of a year, a month or a
// hora (1/12 of a month) of the year, or a mundane chart. The options'
// flags say it; KindOf reads them in one place.
enum class ChartKind : std::uint8_t { kNatal, kAnnual, kMonthly, kHora, kMundane };

constexpr ChartKind KindOf(const ChartOptions& o) {
  if (o.tajakaMode != 0) {
    if (o.tajakaMonthly == 0) return ChartKind::kAnnual;
    return o.tajakaHoraWanted != 0 ? ChartKind::kHora : ChartKind::kMonthly;
  }
  return o.mundane != 0 ? ChartKind::kMundane : ChartKind::kNatal;
}
constexpr bool IsTajaka(ChartKind kind) {
  return kind == ChartKind::kAnnual || kind == ChartKind::kMonthly || kind == ChartKind::kHora;
}

struct ChartState : EngineState {
  ChartOptions options{};

  VedicState vedic{};
  DasaState dasa{};
  TajakaState tajaka{};
};
static_assert(std::is_trivially_copyable_v<ChartState>);

// The section number that asks a pass to write no section.
inline constexpr int kNoSection = 10000;

}  // namespace orvane
