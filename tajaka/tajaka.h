// Tajaka (solar-return) charts: the annual, monthly and hora chart search and
// the section writers read from them. Every writer computes its results
// and appends its section's text to `report` when one is given (the
// calculation pass derives with none).
#pragma once

#include "chart/chart_state.h"
#include "engine/caster.h"
#include "report/report_buffer.h"
#include "io/settings.h"

namespace orvane {

// Searches the solar-return moment of the chart cast in state (the natal
// chart) and returns the cast at it. Writes state.tajaka: the natal
// snapshot (which the muntha advances from), the target, the moment and the
// found flag.
CastResult FindTajakaChart(ChartState& state, const Settings& settings, Caster& caster);

// Section 10. Reads slotLongitude[0..9], vedic.dayBirth, options.tajakaMode
// and, in a Tajaka chart, tajaka.moment (the date the important dates count
// from). Writes tajaka.sahams.
void ComputeSahams(ChartState& state, const Settings& settings, ReportBuffer* report = nullptr);

// Section 11, with the year lord. Reads slotLongitude[0..7], vedic.rasi,
// vedic.haddaLord, vedic.vargaSign[kD3] and [kD9] of Sun..Saturn,
// vedic.dayBirth, vedic.munthaRasi and tajaka.natalLongitude[0]. Writes
// tajaka.panchaBala, tajaka.panchaClass and tajaka.yearLord.
void PanchaVargeeyaBala(ChartState& state, const Settings& settings, ReportBuffer* report = nullptr);

// Section 12. Reads slotLongitude[1..9].
void TajakaYogas(const ChartState& state, const Settings& settings, ReportBuffer& out);

// Section 6. Reads slotLongitude[0..7], options.tajakaMode, tajakaMonthly
// and tajakaHoraWanted (the span), and the start: tajaka.moment in a Tajaka
// chart, the birth date and time otherwise. Writes the tajaka.patyayini*
// fields.
void PatyayiniDasa(ChartState& state, const Settings& settings, ReportBuffer* report = nullptr);

// Sections 7 and 8 (Tajaka charts). Read tajaka.natalLongitude[kMoon],
// options.tajakaYear with the birth year (the age), options.tajakaMonthly
// and tajakaHoraWanted (the span), vedic.tajakaNakshatraBalance and the
// tajaka.moment date. Write tajaka.muddaFirstLord and
// tajaka.varshaYoginiFirstLord.
void MuddaDasa(ChartState& state, const Settings& settings, ReportBuffer* report = nullptr);
void VarshaYoginiDasas(ChartState& state, const Settings& settings, ReportBuffer* report = nullptr);

// Section 9 (natal charts). Reads slotLongitude[0..7] and the birth
// date. Writes the tajaka.patyayini* fields.
void NatalPatyayiniDasa(ChartState& state, const Settings& settings, ReportBuffer* report = nullptr);

}  // namespace orvane
