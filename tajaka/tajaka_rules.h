// The rules behind the Tajaka section writers, as functions of plain values
// or of the chart state, so that each rule can be checked on its own.
// Longitudes are sidereal degrees in [0, 360); planets are planet codes
// (1 Sun .. 9 Ketu, the same numbers as the body slots).
#pragma once

#include <array>
#include <cstdint>

#include "engine/calendar.h"
#include "chart/chart_state.h"

namespace orvane::tajaka {

// ---- Strengths -------------------------------------------------------------

// Classes of the five-source strength.
enum PanchaClass : int { kWeak, kOrdinary, kPowerful, kVeryStrong, kExtraordinary };

// Points of one source by the planet's relationship to the lord judged:
// `own` for the lord itself, half of it for a friend, a quarter for an enemy.
double SourcePoints(int planet, int lord, double own);

// Pancha Vargeeya Bala (0..20) of a planet from the lords of its rasi, its
// hadda, its drekkana and its navamsa, and its uchcha bala.
double PanchaVargeeyaOf(int planet, int rasiLord, int haddaLord, int drekkanaLord, int navamsaLord,
                        double uchchaBala);

// Class 0..4 of a bala: a bala exactly on a bound (5, 10, 15, 20) belongs to
// the higher class.
int PanchaClassOf(double bala);
// "Weak" .. "Extraordinary"; "?" outside 0..4.
const char* PanchaClassName(int panchaClass);

// The year lord (planet code 1..7) from the balas and classes in
// state.tajaka, the Tajaka chart's longitudes (slots 0..7), the natal
// ascendant of the snapshot, the muntha sign and the day flag. Stores it in
// state.tajaka.yearLord.
int FindVarsheswara(const ChartState& chart, TajakaState& tajaka);

// ---- Sahams ----------------------------------------------------------------

enum Saham : int {
  kPunya, kVidya, kYasa, kMitra, kMahatmya, kAsha, kSamartha, kBhratru, kGaurava, kPitru,
  kRajya, kMatru, kPutra, kJeeva, kKarma, kRoga, kKali, kSastra, kBandhu, kMrityuSaham,
  kParadesa, kArtha, kParadara, kVanik, kKaryasiddhi, kVivaha, kSantapa, kSraddha, kPreeti, kJadya,
  kVyapara, kSatru, kJalapatana, kBandhana, kApamrityu, kLabha,
};

// What a saham reads of its chart besides its three points.
struct SahamChart {
  std::array<double, 10> longitude{};  // slots 0..9: ascendant, Sun..Ketu
  bool night = false;                  // the Sun below the horizon
};

// One saham from its points X, Y, Z (before the night exchange and the
// special inputs of Samartha and Karyasiddhi, which this applies).
double ComputeSaham(const SahamChart& chart, int index, double x, double y, double z);

// The 36 sahams in table order.
std::array<double, kSahamCount> ComputeSahamTable(const SahamChart& chart);

// ---- Patyayini ---------------------------------------------------------------

// Order, shares and fractions of the ascendant and Sun..Saturn (slots 0..7)
// by their degrees inside the sign. When every point stands at 0 degrees of
// its sign the whole span goes to the first point.
struct PatyayiniShares {
  std::array<std::int32_t, kPatyayiniPoints> order{};
  std::array<double, kPatyayiniPoints> share{};
  std::array<double, kPatyayiniPoints> fraction{};
  double total = 0;
};
PatyayiniShares ComputePatyayiniShares(const SlotArray<double>& longitude);

// A fraction of a span of days as a duration of whole days and ghatis.
DasaDuration ShareToDuration(double fraction, double spanDays);

}  // namespace orvane::tajaka
