// A full calculation pass on birth data decoded from arbitrary bytes:
// ordinary charts, the bounds of every field and anything at all (NaN,
// infinities, the largest doubles), any year, latitudes up to the poles,
// every report section, natal, Tajaka annual, monthly and hora charts and
// mundane charts, under any settings the settings file can hold.
//
// Checked: non-finite or absurdly large birth data is refused before
// anything is cast; otherwise the pass ends within the searches' bound on
// casts and leaves only finite values, longitudes in [0, 360), and a report
// section without a "nan" or "inf" in its text; a second pass over the
// cached chart (no recast) for another section keeps the same guarantees.
//
// Input layout (bytes past the end read as zero):
//   mode, section, flags, Tajaka year (2 bytes), Tajaka month, hora period,
//   mahadasa lord, ashtakavarga chart, second section, mundane days (4),
//   settings (12 bytes), then per birth field a selector byte and 8 bytes.
#include <array>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>

#include "compute/pipeline.h"
#include "fuzz/fuzz_check.h"

namespace orvane {
namespace {

enum class Mode : std::uint8_t { kNatal, kAnnual, kMonthly, kHora, kMundane };
constexpr int kModeCount = 5;

// Casts one pass may need: the Tajaka day search (two casts a day over at
// most 800 days) and its bisection (about 100), the natal cast, and the
// new-moon and sunrise searches (at most 250, see the engine's sweep test).
// A pass beyond this has lost the bound of one of its searches.
constexpr std::uint32_t kMaxCasts = 2 * 800 + 102 + 1 + 250;

// The fields as BirthData lists them, with the range of an ordinary chart.
struct FieldRange {
  int wholeMin;
  int wholeMax;
  bool minutes;  // whole.minutes value (time, zone, angles) or a whole number
};
constexpr std::array<FieldRange, 7> kFieldRanges = {{
    {1, 12, false},       // month
    {1, 31, false},       // day
    {-2999, 2999, false}, // year
    {0, 23, true},        // time
    {-12, 12, true},      // zone
    {-180, 179, true},    // longitude
    {-90, 89, true},      // latitude
}};

// Values at and beyond the edges of every field.
constexpr std::array<double, 30> kEdgeValues = {
    0.0,     -0.0,    1.0,      12.0,    13.0,     31.0,     32.0,  29.0,   2999.0, -2999.0,
    3000.0,  -3000.0, 23.5959,  24.0,    -24.0,    25.0,     90.0,  -90.0,  89.59,  -89.59,
    180.0,   -180.0,  1e6,      -1e6,    1e300,    -1e300,   DBL_MAX, -DBL_MAX, DBL_MIN, 0.9999,
};

double DecodeField(fuzz::ByteReader& in, const FieldRange& range) {
  const std::uint8_t selector = in.Byte();
  switch (selector % 4) {
    case 0: {  // an ordinary value
      const double whole = static_cast<double>(in.InRange(range.wholeMin, range.wholeMax));
      if (!range.minutes) {
        in.Bits(4);
        return whole;
      }
      const double minutes = static_cast<double>(in.InRange(0, 5999)) / 100;  // minutes and seconds
      return std::copysign(std::fabs(whole) + minutes / 100, whole < 0 ? -1.0 : 1.0);
    }
    case 1: {
      const double value = kEdgeValues[in.Byte() % kEdgeValues.size()];
      in.Bits(7);
      return value;
    }
    case 2:  // any pattern of bits
      return in.RawDouble();
    default: {  // a wide range around the ordinary one, in hundredths
      const std::uint64_t bits = in.Bits(8);
      return static_cast<std::int32_t>(bits & 0xffffffffu) / 100.0;
    }
  }
}

// Settings as the settings file can hold them (its reader keeps every value
// inside these ranges).
Settings DecodeSettings(fuzz::ByteReader& in) {
  Settings s;
  s.ayanamsaChoice = in.Byte() % kAyanamsaChoiceCount;
  s.ayanamsaDirection = (in.Byte() & 1) ? -1 : 1;
  const std::uint8_t deviation = in.Byte();
  s.ayanamsaDegrees = deviation >= 240 ? 1000 : deviation % 31;
  s.ayanamsaMinutes = in.Byte() % 61;
  s.ayanamsaSeconds = in.Byte() % 61;
  s.horaMethod = in.Byte() % 5;
  s.sunriseDefinition = in.Byte() % 3;
  const std::uint8_t flags = in.Byte();
  s.dhumaRelation = flags & 1;
  s.showSpecialLagnas = (flags >> 1) & 1;
  s.showDhoomaGroup = (flags >> 2) & 1;
  s.showGulikaGroup = (flags >> 3) & 1;
  s.showAllPadas = (flags >> 4) & 1;
  s.showSomePadas = (flags >> 5) & 1;
  const std::uint8_t rising = in.Byte();
  for (int i = 0; i < 6; ++i) s.upagrahaRising[i] = ((rising >> i) + i) % 3;
  const std::uint8_t padas = in.Byte();
  for (int i = 0; i < 6; ++i) s.chosenPadas[i] = (padas + 5 * i) % 13;
  const std::uint16_t days = static_cast<std::uint16_t>(in.Bits(2));
  constexpr std::array<double, 4> kDays = {365.2425, 0.0, 1000000.0, 360.0};
  s.daysInYear = days < 4 * 1024 ? kDays[days % 4] : days / 16.0;
  return s;
}

int DecodeSection(std::uint8_t byte) {
  const int n = byte % 44;
  return n == 43 ? kNoSection : n;
}

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// True when `text` shows a number that is not finite: printf writes those
// as the words "nan" and "inf" (in either case, possibly signed).
bool ShowsNonFinite(std::string_view text) {
  for (std::size_t i = 0; i + 3 <= text.size(); ++i) {
    if (i > 0 && IsLetter(text[i - 1])) continue;
    if (i + 3 < text.size() && IsLetter(text[i + 3])) continue;
    const char a = static_cast<char>(text[i] | 0x20), b = static_cast<char>(text[i + 1] | 0x20),
               c = static_cast<char>(text[i + 2] | 0x20);
    if ((a == 'n' && b == 'a' && c == 'n') || (a == 'i' && b == 'n' && c == 'f')) return true;
  }
  return false;
}

void CheckChart(const ChartState& state, const ReportBuffer& report) {
  FUZZ_CHECK(state.castCount <= kMaxCasts);
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const double L = state.slotLongitude[slot];
    FUZZ_CHECK(std::isfinite(L) && L >= 0 && L < 360);
    FUZZ_CHECK(state.slotRetrograde[slot] == 0 || state.slotRetrograde[slot] == 1);
  }
  FUZZ_CHECK(std::isfinite(state.ayanamsaValue));
  FUZZ_CHECK(state.nakshatraBalance > 0 && state.nakshatraBalance <= 1);
  FUZZ_CHECK(state.lunarMonthSign >= 0 && state.lunarMonthSign < 12);
  const SunriseValues& sr = state.sunrise;
  for (double v : {sr.sunriseGhatis, sr.minutesSinceSunrise, sr.dayLength, sr.nightLength})
    FUZZ_CHECK(std::isfinite(v));
  FUZZ_CHECK(std::isfinite(state.dasa.yearLength));
  FUZZ_CHECK(report.Text().size() <= ReportBuffer::kCapacity);
  FUZZ_CHECK(!ShowsNonFinite(report.Text()));
}

}  // namespace
}  // namespace orvane

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvane;
  fuzz::ByteReader in(data, size);

  // A ChartState and a report buffer are large: keep them off the stack.
  static ChartState state;
  static ReportBuffer report;
  state = ChartState{};
  report.Clear();
  ChartOptions& o = state.options;

  const Mode mode = static_cast<Mode>(in.Byte() % kModeCount);
  const int section = DecodeSection(in.Byte());
  const std::uint8_t flags = in.Byte();
  o.textChartRasiNavamsa = flags & 1;
  o.textChartOthers = (flags >> 1) & 1;
  const bool secondPass = (flags >> 2) & 1;
  const int year = static_cast<std::int16_t>(in.Bits(2));
  const int month = in.Byte() % 12 + 1;
  const int hora = in.Byte() % 12;
  o.selectedMahadasaLord = in.Byte() % 9 + 1;
  o.ashtakavargaChart = in.Byte() % 21;
  const int laterSection = DecodeSection(in.Byte());
  const double mundaneDays = 0.01 + static_cast<double>(in.Bits(4) % 100000000) / 100;  // (0, 1e6]
  switch (mode) {
    case Mode::kHora:
      o.tajakaHoraWanted = 1;
      o.tajakaHora = hora;
      [[fallthrough]];
    case Mode::kMonthly:
      o.tajakaMonthly = 1;
      o.tajakaMonth = month;
      [[fallthrough]];
    case Mode::kAnnual:
      o.tajakaMode = 1;
      o.tajakaYear = year;
      break;
    case Mode::kMundane:
      o.mundane = 1;
      o.mundaneDays = mundaneDays;
      break;
    case Mode::kNatal:
      break;
  }
  const Settings settings = DecodeSettings(in);

  BirthData birth;
  std::array<double, 7> fields{};
  for (std::size_t i = 0; i < fields.size(); ++i) fields[i] = DecodeField(in, kFieldRanges[i]);
  birth = {fields[0], fields[1], fields[2], fields[3], fields[4], fields[5], fields[6]};

  const bool ok = ComputeChartFromBirth(state, settings, birth, section, &report);
  if (!IsCastable(birth)) {
    FUZZ_CHECK(!ok);
    FUZZ_CHECK(state.castCount == 0);
    return 0;
  }
  FUZZ_CHECK(ok);
  CheckChart(state, report);

  if (secondPass) {
    // The view's cached chart, another section: no recast.
    const std::uint32_t casts = state.castCount;
    o.recompute = 0;
    FUZZ_CHECK(ComputeChartFromBirth(state, settings, birth, laterSection, &report));
    FUZZ_CHECK(state.castCount == casts);
    CheckChart(state, report);
  }
  return 0;
}
