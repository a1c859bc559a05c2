// Divisional charts (vargas) D-1 .. D-60, the trimsamsa and hadda lords, the
// vimsopaka dignities, and their two report sections: the divisional-chart
// degree table (section 14) and the dignity list (section 24).
#pragma once

#include "chart/chart_state.h"
#include "engine/zodiac.h"
#include "io/settings.h"
#include "report/report_buffer.h"
#include "chart/vedic_state.h"

namespace orvane {

// Sign of a longitude in the hora chart (D-2) under a hora method: 0
// Cancer-Leo, 2 rasi / seventh, 3 rasi / third, 4 the Sun-and-Moon table;
// 1 and every other value count the zodiac twice.
int HoraSign(double longitude, int horaMethod);
// Sign of a longitude in any divisional chart (D-9 through the navamsa rule
// of the per-point pass, which agrees with the nakshatra pada).
int VargaSignOf(Varga varga, double longitude, int horaMethod);
// The degrees [0, 30) a longitude stands at in its sign of a divisional
// chart: its place in its part of the rasi, stretched to a whole sign (the
// rasi's own degrees for D-1; for the unequal parts of D-5 and D-30 the
// part's own length, counted the way the part runs in the sign).
double DegreesInVarga(Varga varga, double longitude);
// Planet code (3..7) of the trimsamsa part a longitude falls in.
int TrimsamsaLordOf(double longitude);
// Planet code (3..7) of the hadda (Tajaka terms) part a longitude falls in;
// a point exactly on a bound belongs to the following part.
int HaddaLordOf(double longitude);

// Fills state.vedic.vargaSign for D-2 .. D-60 (D-1 and D-9 are copied from
// the rasi and navamsa of the per-point pass), the trimsamsa lords of the 40
// points, the hadda lords of slots 0..9 and the vimsopaka dignity counts and
// ordering of Sun..Saturn.
void ComputeVargas(ChartState& state, const Settings& settings);

// Section 14: the degrees of slots 0..9 inside their part of each chart.
void WriteVargaDegreeTable(const ChartState& state, ReportBuffer& out);
// Section 24: planets by vimsopaka dignity.
void WriteDignityList(const ChartState& state, ReportBuffer& out);

}  // namespace orvane
