// Tajaka (solar-return) charts: the annual, monthly and hora chart search and
// the section writers read from them.
#pragma once

#include "engine/chart_state.h"
#include "io/settings.h"

namespace orvane {

void FindTajakaChart(ChartState& state, const Settings& settings);  // searches the solar-return moment and leaves the state cast at it
void ComputeSahams(ChartState& state, const Settings& settings);  // section 10
void PanchaVargeeyaBala(ChartState& state, const Settings& settings);  // section 11, with the year lord
void TajakaYogas(ChartState& state, const Settings& settings);  // section 12
void PatyayiniDasa(ChartState& state, const Settings& settings);  // section 6
void MuddaDasa(ChartState& state, const Settings& settings);  // section 7
void VarshaYoginiDasas(ChartState& state, const Settings& settings);  // section 8
void NatalPatyayiniDasa(ChartState& state, const Settings& settings);  // section 9

}  // namespace orvane
