// A computed chart as a value: the birth data and options it was computed
// from, the cast, and what each layer derived from it. It cannot change
// once computed, and copies share one computation, so a chart can be kept,
// passed to several readers and threads, and compared.
//
// It reads by body, sign and varga, without the report's slot numbers:
//   const std::optional<Chart> chart = ComputeChart(birth, ChartOptions{}, settings);
//   chart->Sign(Body::kMoon), chart->House(Body::kSaturn),
//   chart->VargaSign(kD9, Body::kVenus), chart->Vimsottari().mains
// The layers' own values (ChartState: the vedic, dasa and Tajaka results)
// stay readable through State() for the section writers and front ends.
#pragma once

#include <memory>
#include <optional>

#include "chart/chart_state.h"
#include "dasa/dasa.h"
#include "engine/body.h"
#include "engine/zodiac.h"
#include "io/settings.h"
#include "report/report_buffer.h"

namespace orvane {

class Chart {
 public:
  // The chart a computation left in `state` (copied once).
  explicit Chart(const ChartState& state);
  // The chart a computation left in `state`, taken over without a copy.
  explicit Chart(std::unique_ptr<ChartState> state);

  ChartKind Kind() const { return KindOf(state_->options); }
  const ChartOptions& Options() const { return state_->options; }
  // The birth data (file units) and the moment the positions are cast for:
  // the birth of a natal chart, the found moment of a Tajaka chart.
  const BirthData& Birth() const { return state_->birth; }
  const BirthData& CastMoment() const { return state_->castMoment; }

  // Sidereal longitude, degrees [0, 360), and retrograde motion of a body;
  // the outer bodies hold 0 unless the engine computes them (the Swiss one).
  double Longitude(Body body) const { return state_->slotLongitude[SlotOf(body)]; }
  bool Retrograde(Body body) const { return state_->slotRetrograde[SlotOf(body)] == 1; }
  double AscendantLongitude() const { return state_->slotLongitude[kAscendant]; }

  Rasi Sign(Body body) const { return RasiAt(SignOf(Longitude(body))); }
  Rasi AscendantSign() const { return RasiAt(SignOf(AscendantLongitude())); }
  // The house 1..12 of a body: equal houses of 30 degrees, the ascendant in
  // the middle of the first (the houses the report's tables show).
  int House(Body body) const;
  // The house 1..12 counted in whole signs from the ascendant's sign.
  int SignHouse(Body body) const { return WrapToSign(ToInt(Sign(body)) - ToInt(AscendantSign())) + 1; }
  // The sign of a body and of the ascendant in a divisional chart.
  Rasi VargaSign(Varga varga, Body body) const;
  Rasi VargaAscendant(Varga varga) const;
  // The nakshatra 0..26 and pada 0..3 of a body.
  int Nakshatra(Body body) const;
  int Pada(Body body) const;

  // The Vimsottari periods three levels deep (the dasa layer's reading).
  VimsottariTree Vimsottari() const { return VimsottariPeriodTree(*state_); }

  // Every value of the chart by layer, for the section writers and views.
  const ChartState& State() const { return *state_; }

 private:
  std::shared_ptr<const ChartState> state_;
};

// Computes the chart of `birth` (file units) with `options` and `settings`:
// the casts in their one order, then every derivation. Empty when the birth
// data cannot be cast (IsCastable).
std::optional<Chart> ComputeChart(const BirthData& birth, const ChartOptions& options, const Settings& settings);

// Writes report section `section` of a computed chart into `out` (emptied
// first), as a pass of the chart with that section writes it; false, with
// `out` empty, for a number that names no section.
bool WriteChartSection(const Chart& chart, const Settings& settings, int section, ReportBuffer& out);

}  // namespace orvane
