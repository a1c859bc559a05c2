// Special lagnas and upagrahas: the Sree lagna of the calculation pass, and
// the lagnas and upagrahas that depend on the sunrise, run inside the sunrise
// step after each new cast.
#pragma once

#include "chart/chart_state.h"
#include "engine/caster.h"
#include "io/settings.h"

namespace orvane {

// Sree lagna (slot 10): the ascendant advanced by a whole turn times the
// part of its nakshatra the Moon has passed.
void ComputeSreeLagna(ChartState& state);

// Bhava, hora and ghati lagna and the varnada lagnas (slots 11..25), from
// the Sun at the sunrise moment (the lagnas start from it), with
// state.sunrise filled as far as minutesSinceSunrise; `natalAscendant` is
// the ascendant of the chart moment.
void ComputeTimeLagnas(ChartState& state, double sunAtSunrise, double natalAscendant);

// Varnada lagna of house i (0..11) from the ascendant and the hora lagna.
double VarnadaLagna(double ascendant, double horaLagna, int house);

// The six upagrahas measured in eighths of the day or night (slots 34..39):
// the ascendant cast at each portion's moment. `atChart` is the cast of the
// chart moment (its weekday counts), state.sunrise holds the day and night
// lengths and the sunrise, sunset and next sunrise moments.
void ComputeTimeUpagrahas(ChartState& state, const Settings& settings, Caster& caster, const CastResult& atChart);

// Portion 0..7 of the day (or night) that an upagraha of the weekday planet
// `planet` (0 Sun .. 6 Saturn) takes when the day's weekday number is w.
int UpagrahaPortion(int planet, int w);

}  // namespace orvane
