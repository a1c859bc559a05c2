// Parashari ashtakavarga: bindu tables of Sun..Saturn and their sum, the
// trikona and ekadhipatya reductions, and the rasi, graha and sodya pindas.
// AshtakavargaOf (vedic/strength.h) reads options.ashtakavargaChart,
// vedic.rasi[0..8] (rasi chosen) or slotLongitude[0..8] with
// settings.horaMethod (any other chart) and returns the tables the chart
// keeps in vedic.strength.ashtakavarga; WriteAshtakavarga writes their texts.
#pragma once

#include <array>
#include <cstdint>

#include "chart/chart_state.h"
#include "io/settings.h"
#include "chart/strength_state.h"

namespace orvane {

// Signs 0..11 of slots 0..8 (ascendant, Sun..Saturn, Rahu).
using AshtakavargaSigns = std::array<std::int32_t, 9>;

// Signs of slots 0..8 in the chart chosen by state.options.ashtakavargaChart
// (chart choice 0..19 = D-1 .. D-60; any other value reads the rasi).
// Computed here from the longitudes, so the result never depends on which
// divisional charts an earlier pass left behind. Reads state.vedic.rasi for
// the rasi, state.slotLongitude[0..8] and settings.horaMethod otherwise.
AshtakavargaSigns AshtakavargaChartSigns(const ChartState& state, const Settings& settings);

// Bindus of Sun..Saturn by sign and the sarvashtakavarga row.
std::array<SignRow, kAshtakavargaRows> BinduTables(const AshtakavargaSigns& signs);

// Signs holding the ascendant or one of Sun..Rahu.
std::array<bool, 12> OccupiedSigns(const AshtakavargaSigns& signs);

// The trikona reduction of one row, over the triplets (s, s + 4, s + 8).
void ReduceTrikona(SignRow& row);
// The ekadhipatya reduction of one row, over the pairs of signs of one lord.
void ReduceEkadhipatya(SignRow& row, const std::array<bool, 12>& occupied);

// The tables, reductions and pindas of a sign array (slots 0..8).
void ComputeAshtakavargaFromSigns(AshtakavargaState& result, const AshtakavargaSigns& signs);

}  // namespace orvane
