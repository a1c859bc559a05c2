#include "cli/match_cli.h"

#include <array>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "cli/chart_read.h"
#include "cli/json.h"
#include "cli/options.h"
#include "cli/place_cli.h"
#include "compute/pipeline.h"
#include "io/birth_options.h"
#include "io/chart_file.h"
#include "io/shown_name.h"
#include "match/matching.h"
#include "match/porutham.h"
#include "transit/transits.h"
#include "vedic/names.h"

namespace orvane {

namespace {

constexpr int kExitBadInput = 2;

// Graha names by body slot (Sun..Ketu at 1..9).
constexpr std::array<std::string_view, 10> kGrahaName = {"",        "Sun",   "Moon",   "Mars", "Mercury",
                                                         "Jupiter", "Venus", "Saturn", "Rahu", "Ketu"};

// Reads one chart file through the one reader of chart files; prints its
// message and gives the exit status when it cannot be used.
int LoadChart(const std::string& path, BirthData& birth) {
  const ChartFileInput in = ReadChartInput(path);
  if (in.status != 0) {
    std::fputs(in.message.c_str(), stderr);
    return in.status;
  }
  birth = in.birth;
  return 0;
}

std::string FileName(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

void WriteMoonJson(JsonWriter& json, const match::MoonPoint& p) {
  json.BeginObject();
  json.Key("sign");
  json.String(vedic::NameAt(match::kSignName, p.sign));
  json.Key("nakshatra");
  json.String(vedic::NameAt(vedic::kNakshatraName, p.nakshatra));
  json.Key("pada");
  json.Int(p.pada + 1);
  json.EndObject();
}

void WriteManglikJson(JsonWriter& json, const match::ManglikResult& m) {
  json.BeginObject();
  json.Key("houses");
  json.BeginObject();
  constexpr const char* kKeys[match::kReferenceCount] = {"ascendant", "moon", "venus"};
  for (int i = 0; i < match::kReferenceCount; ++i) {
    json.Key(kKeys[i]);
    json.BeginObject();
    json.Key("house");
    json.Int(m.reference[static_cast<std::size_t>(i)].house);
    json.Key("dosha");
    json.Bool(m.reference[static_cast<std::size_t>(i)].dosha);
    json.EndObject();
  }
  json.EndObject();
  json.Key("manglik");
  json.Bool(m.manglik);
  json.Key("cancelled");
  json.Bool(m.cancelled);
  json.Key("cancellations");
  json.BeginArray();
  for (match::ManglikCancellation c : m.cancellations) json.String(match::CancellationText(c));
  json.EndArray();
  json.EndObject();
}

void WriteMatchJson(JsonWriter& json, const match::ChartMatch& m, const std::string& groom, const std::string& bride) {
  const match::MatchResult& r = m.moons;
  json.BeginObject();
  json.Key("tables");
  json.String(match::kGunaMilanTables.name);
  json.Key("groom");
  json.BeginObject();
  json.Key("file");
  json.String(groom);
  json.Key("moon");
  WriteMoonJson(json, r.groom);
  json.EndObject();
  json.Key("bride");
  json.BeginObject();
  json.Key("file");
  json.String(bride);
  json.Key("moon");
  WriteMoonJson(json, r.bride);
  json.EndObject();
  json.Key("kootas");
  json.BeginArray();
  for (const match::KootaScore& k : r.kootas) {
    json.BeginObject();
    json.Key("koota");
    json.String(match::kKootaName[static_cast<std::size_t>(k.koota)]);
    json.Key("groom");
    json.String(match::AttributeName(k.koota, k.groom));
    json.Key("bride");
    json.String(match::AttributeName(k.koota, k.bride));
    json.Key("points");
    json.Number(k.points);
    json.Key("maximum");
    json.Number(match::kKootaMaximum[static_cast<std::size_t>(k.koota)]);
    json.EndObject();
  }
  json.EndArray();
  json.Key("total");
  json.Number(r.total);
  json.Key("exceptions");
  json.BeginArray();
  for (const match::AppliedException& e : r.exceptions) {
    json.BeginObject();
    json.Key("koota");
    json.String(match::kKootaName[static_cast<std::size_t>(e.koota)]);
    json.Key("text");
    json.String(e.text);
    json.EndObject();
  }
  json.EndArray();
  json.Key("total_with_exceptions");
  json.Number(r.totalWithExceptions);
  json.Key("manglik");
  json.BeginObject();
  json.Key("groom");
  WriteManglikJson(json, m.groomManglik);
  json.Key("bride");
  WriteManglikJson(json, m.brideManglik);
  json.EndObject();
  const match::PoruthamMatch p = match::MatchPoruthams(r.groom, r.bride);
  json.Key("poruthams");
  json.BeginObject();
  json.Key("list");
  json.BeginArray();
  for (const match::PoruthamResult& row : p.poruthams) {
    json.BeginObject();
    json.Key("porutham");
    json.String(match::kPoruthamName[static_cast<std::size_t>(row.porutham)]);
    json.Key("agrees");
    json.String(match::AgreementText(row.agreement));
    json.Key("reason");
    json.String(row.reason);
    json.EndObject();
  }
  json.EndArray();
  json.Key("agreeing");
  json.Int(p.agreeing);
  json.Key("score");
  json.Number(p.score);
  json.Key("rajju_or_vedha_fails");
  json.Bool(p.rajjuOrVedha);
  json.EndObject();
  json.EndObject();
}

void PrintText(const ReportBuffer& report) {
  const std::string_view text = report.Text();
  std::fwrite(text.data(), 1, text.size(), stdout);
}

void WriteTransitJson(JsonWriter& json, const transit::TransitReport& t, std::string_view name) {
  using namespace transit;
  // "2026-12-10T15:30+05:30": local days in the report's zone, with its offset.
  const std::string offset = OffsetText(t.zone);
  auto MomentText = [&offset](double localDays) {
    const CalendarMoment c = CalendarOf(localDays);
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02dT%02d:%02d", c.year, c.month, c.day, c.hour, c.minute);
    return buffer + offset;
  };
  json.BeginObject();
  json.Key("chart");
  json.String(name);
  json.Key("utc_offset");
  json.String(offset);
  json.Key("moment");
  json.String(MomentText(t.reading.moment));
  json.Key("venus_vedha");
  json.String(VenusVedhaName(t.reading.venusVedha));
  json.Key("natal_moon_sign");
  json.String(vedic::NameAt(match::kSignName, t.reading.natalMoonSign));
  json.Key("grahas");
  json.BeginArray();
  for (const GrahaTransit& g : t.reading.graha) {
    json.BeginObject();
    json.Key("graha");
    json.String(vedic::NameAt(kGrahaName, g.slot));
    json.Key("longitude");
    json.Number(g.longitude);
    json.Key("retrograde");
    json.Bool(g.retrograde);
    json.Key("sign");
    json.String(vedic::NameAt(match::kSignName, g.sign));
    json.Key("nakshatra");
    json.String(vedic::NameAt(vedic::kNakshatraName, g.nakshatra));
    json.Key("pada");
    json.Int(g.pada + 1);
    json.Key("house_from_moon");
    json.Int(g.house);
    json.Key("favourable");
    json.Bool(g.favourable);
    json.Key("vedha_house");
    if (g.vedhaHouse) json.Int(g.vedhaHouse); else json.Null();
    json.Key("obstructed_by");
    json.BeginArray();
    for (int slot : g.obstructedBy) json.String(vedic::NameAt(kGrahaName, slot));
    json.EndArray();
    json.Key("bindus");
    if (g.bindus >= 0) json.Int(g.bindus); else json.Null();
    json.Key("sarva_bindus");
    json.Int(g.sarvaBindus);
    json.EndObject();
  }
  json.EndArray();
  json.Key("ingresses");
  json.BeginArray();
  for (const Ingress& in : t.ingresses) {
    json.BeginObject();
    json.Key("graha");
    json.String(vedic::NameAt(kGrahaName, in.slot));
    json.Key("from");
    json.String(vedic::NameAt(match::kSignName, in.fromSign));
    json.Key("to");
    if (in.found) json.String(vedic::NameAt(match::kSignName, in.toSign)); else json.Null();
    json.Key("moment");
    if (in.found) json.String(MomentText(in.moment)); else json.Null();
    json.EndObject();
  }
  json.EndArray();
  json.Key("lifetime");
  json.BeginObject();
  json.Key("start");
  json.String(MomentText(t.lifetimeStart));
  json.Key("end");
  json.String(MomentText(t.lifetimeEnd));
  json.EndObject();
  json.Key("saturn_periods");
  json.BeginArray();
  for (const SaturnPeriod& p : t.periods) {
    json.BeginObject();
    json.Key("kind");
    json.String(PeriodKindName(p.kind));
    json.Key("start");
    json.String(MomentText(p.start));
    json.Key("end");
    json.String(MomentText(p.end));
    json.Key("running_at_birth");
    json.Bool(p.startsBeforeWindow);
    json.Key("running_at_end");
    json.Bool(p.endsAfterWindow);
    json.Key("spans");
    json.BeginArray();
    for (const SaturnSpan& s : p.spans) {
      json.BeginObject();
      json.Key("sign");
      json.String(vedic::NameAt(match::kSignName, s.sign));
      json.Key("house_from_moon");
      json.Int(s.house);
      json.Key("start");
      json.String(MomentText(s.start));
      json.Key("end");
      json.String(MomentText(s.end));
      json.EndObject();
    }
    json.EndArray();
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
}

}  // namespace

bool IsTransitMomentShape(std::string_view text) {
  std::size_t i = 0;
  auto digits = [&](std::size_t least, std::size_t most) {
    std::size_t n = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
      ++i;
      ++n;
    }
    return n >= least && n <= most;
  };
  auto literal = [&](char c) {
    if (i >= text.size() || text[i] != c) return false;
    ++i;
    return true;
  };
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  if (!digits(1, 4) || !literal('-') || !digits(1, 2) || !literal('-') || !digits(1, 2)) return false;
  return i == text.size() || text[i] == 'T';
}

bool ParseTransitMoment(std::string_view text, BirthData& moment, std::string* error) {
  auto fail = [error](const std::string& message) {
    if (error) *error = message;
    return false;
  };
  const std::size_t t = text.find('T');
  const ParsedOption<CalendarDate> date = ParseDateOption(text.substr(0, t));
  if (!date.ok) return fail("--transits: " + date.error);
  double time = 0;
  if (t != std::string_view::npos) {
    // The clock after 'T' is HH:MM, nothing else.
    const std::string_view clockText = text.substr(t + 1);
    const bool shaped = clockText.size() >= 3 && clockText.size() <= 5 && clockText.find(':') != std::string_view::npos &&
                        clockText.find_first_not_of("0123456789:") == std::string_view::npos &&
                        clockText.find(':') == clockText.rfind(':') && clockText.front() != ':' && clockText.back() != ':';
    if (!shaped) return fail("--transits: " + ShownInput(text) + " is not a moment (YYYY-MM-DD or YYYY-MM-DDTHH:MM)");
    const ParsedOption<double> clock = ParseTimeOption(clockText);
    if (!clock.ok) return fail("--transits: " + clock.error);
    time = clock.value;
  }
  moment = BirthData{};
  moment.year = date.value.year;
  moment.month = date.value.month;
  moment.day = date.value.day;
  moment.time = time;
  return true;
}

int RunMatch(const std::string& groomPath, const std::string& bridePath, const Settings& settings, bool json,
             bool poruthams) {
  BirthData groomBirth{}, brideBirth{};
  if (const int status = LoadChart(groomPath, groomBirth)) return status;
  if (const int status = LoadChart(bridePath, brideBirth)) return status;
  const std::optional<Chart> groom = ComputeChart(groomBirth, ChartOptions{}, settings);
  const std::optional<Chart> bride = ComputeChart(brideBirth, ChartOptions{}, settings);
  if (!groom || !bride) {
    std::fprintf(stderr, "orvane-cli: a chart of the match cannot be cast\n");
    return kExitBadInput;
  }
  CheckSwissData(groom->State());
  CheckSwissData(bride->State());
  const match::ChartMatch m = match::MatchCharts(*groom, *bride);
  if (json) {
    JsonWriter writer;
    WriteMatchJson(writer, m, groomPath, bridePath);
    std::printf("%s\n", writer.Text().c_str());
  } else {
    auto report = std::make_unique<ReportBuffer>();
    // A file name in a report line is shown as messages show it: escapes
    // instead of controls and line breaks that could forge report lines.
    match::WriteMatchReport(*report, m, ShownName(FileName(groomPath)), ShownName(FileName(bridePath)));
    if (poruthams) match::WritePoruthamReport(*report, match::MatchPoruthams(m.moons.groom, m.moons.bride));
    PrintText(*report);
  }
  std::fflush(stdout);
  return 0;
}

// The transits of `moment` (none: now) for the natal chart of `birth`, their
// times in the birth zone or in `zone`.
int PrintTransits(const BirthData& birth, const std::optional<BirthData>& moment, std::optional<double> zone,
                  bool venusVedhaOther, const Settings& settings, bool json, std::string_view name) {
  const std::optional<Chart> natal = ComputeChart(birth, ChartOptions{}, settings);
  if (!natal) {
    std::fprintf(stderr, "orvane-cli: the natal chart cannot be cast\n");
    return kExitBadInput;
  }
  CheckSwissData(natal->State());
  BirthData place = transit::BirthPlace(*natal);
  if (zone) place.zone = *zone;
  BirthData at;
  if (moment) {
    at = *moment;
  } else {
    // Now, on the clock of the transit zone.
    const BirthData now = NowBirthData(settings);
    at = transit::BirthAt(transit::ShiftZone(transit::LocalDaysOf(now), now.zone, place.zone), place);
  }
  const transit::TransitReport t = transit::ComputeTransits(
      *natal, settings, at, place,
      venusVedhaOther ? transit::VenusVedha::kElevenThreeTwelveSix : transit::VenusVedha::kElevenSixTwelveThree);
  if (json) {
    JsonWriter writer;
    WriteTransitJson(writer, t, name);
    std::printf("%s\n", writer.Text().c_str());
  } else {
    auto report = std::make_unique<ReportBuffer>();
    const std::string shown = ShownName(name);
    report->Appendf("Natal chart: %.*s\n", static_cast<int>(shown.size()), shown.data());
    transit::WriteTransitReport(*report, t);
    PrintText(*report);
  }
  return 0;
}

int RunTransits(const CliOptions& options, const Settings& settings) {
  const std::optional<BirthData>& moment = options.transitMoment;
  const std::optional<double> zone = options.transitZone;
  int status = 0;
  if (options.now) return PrintTransits(NowBirthData(settings), moment, zone, options.venusVedhaOther, settings, options.json, "now");
  if (options.birth) {
    BirthData birth = *options.birth;
    if (!options.zoneGiven) birth.zone = settings.defaultZone;
    if (!options.longitudeGiven) birth.longitude = settings.defaultLongitude;
    if (!options.latitudeGiven) birth.latitude = settings.defaultLatitude;
    if (!options.place.empty()) {
      // --place: position and offset from the place table at the birth moment.
      PlaceTable table;
      std::string placeError, note;
      PlaceReading place;
      if (!LoadPlaceTable(table, &placeError) || !ReadPlace(table, options.place, birth, place, &placeError, &note)) {
        std::fprintf(stderr, "orvane-cli: %s\n", placeError.c_str());
        return kExitBadInput;
      }
      if (!note.empty()) std::fprintf(stderr, "orvane-cli: note: %s\n", note.c_str());
      ApplyPlace(place, options.zoneGiven, options.longitudeGiven, options.latitudeGiven, birth);
    }
    return PrintTransits(birth, moment, zone, options.venusVedhaOther, settings, options.json, "birth data");
  }
  for (const std::string& path : options.files) {
    BirthData birth{};
    if (const int failed = LoadChart(path, birth)) {
      if (status == 0 || failed == kExitBadInput) status = failed;
      continue;
    }
    const int printed = PrintTransits(birth, moment, zone, options.venusVedhaOther, settings, options.json, FileName(path));
    if (printed) status = printed;
  }
  std::fflush(stdout);
  return status;
}

}  // namespace orvane
