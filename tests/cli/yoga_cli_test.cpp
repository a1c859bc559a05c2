// orvane-cli --yogas and --list-yogas, and docs/yogas.md against the library.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <cmath>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/common/cli_process.h"

namespace {

using orvane::testing_support::CliRun;
using orvane::testing_support::RunCliProcess;

const std::vector<std::string> kBirth = {"--date", "1990-05-17", "--time", "10:30", "--utc-offset", "+05:30",
                                         "--lon", "80:17E", "--lat", "13:05N"};

std::vector<std::string> With(std::vector<std::string> args) {
  args.insert(args.end(), kBirth.begin(), kBirth.end());
  return args;
}

TEST(CliYogas, ListsTheLibraryAndDocsNameEveryRow) {
  const CliRun run = RunCliProcess({"--list-yogas", "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  const nlohmann::json rows = nlohmann::json::parse(run.out);
  std::ifstream file(ORVANE_SOURCE_DIR "/docs/yogas.md");
  const std::string docs((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  ASSERT_FALSE(docs.empty());
  std::set<std::string> keys;
  for (const auto& r : rows) {
    const std::string key = r.at("key");
    SCOPED_TRACE(key);
    EXPECT_TRUE(keys.insert(key).second);
    for (const char* field : {"name", "family", "source", "effect", "rule"}) {
      EXPECT_FALSE(r.at(field).get<std::string>().empty()) << field;
    }
    // The docs are made from this listing (scripts/yogas-doc.sh): a row added
    // or changed without them shows here.
    EXPECT_NE(docs.find("### " + r.at("name").get<std::string>() + " (`" + key + "`)"), std::string::npos);
    EXPECT_NE(docs.find("- Rule: " + r.at("rule").get<std::string>() + "\n"), std::string::npos);
    EXPECT_NE(docs.find("- Source: " + r.at("source").get<std::string>() + "\n"), std::string::npos);
  }
  EXPECT_NE(docs.find("Orvane finds " + std::to_string(rows.size()) + " yogas."), std::string::npos);
  const CliRun text = RunCliProcess({"--list-yogas"});
  EXPECT_EQ(text.out.rfind(std::to_string(rows.size()) + " yogas\n", 0), 0u);
}

TEST(CliYogas, ChartYogasAsTextAndJson) {
  const CliRun json = RunCliProcess(With({"--yogas", "--json"}));
  ASSERT_EQ(json.status, 0) << json.err;
  const nlohmann::json chart = nlohmann::json::parse(json.out);
  EXPECT_EQ(chart.at("chart"), "D1");
  std::set<std::string> keys;
  for (const auto& y : chart.at("yogas")) {
    keys.insert(y.at("key").get<std::string>());
    EXPECT_FALSE(y.at("conditions").empty()) << y.at("key");
    for (const char* field : {"name", "family", "source"}) EXPECT_TRUE(y.at(field).is_string());
    EXPECT_TRUE(y.at("cancelled").is_boolean());
  }
  // Cancer lagna; Saturn in its own Capricorn in the 7th; Mars, lord of the
  // 5th and 10th; the Moon and Saturn together (lords of the 1st and 7th).
  for (const char* k : {"sasa", "yogakaraka", "raja-1-7", "moon-saturn", "kala-sarpa"}) EXPECT_TRUE(keys.count(k)) << k;
  const CliRun text = RunCliProcess(With({"--yogas"}));
  ASSERT_EQ(text.status, 0) << text.err;
  EXPECT_NE(text.out.find("Yogas of the rasi (D-1), houses in whole signs from the lagna: " +
                          std::to_string(chart.at("yogas").size()) + " found\n"),
            std::string::npos);
  EXPECT_NE(text.out.find("  Sasa (sasa)  [Phaladeepika, ch. 6]\n"), std::string::npos);
  EXPECT_NE(text.out.find("      - Saturn in Capricorn, the 7th from the lagna\n"), std::string::npos);

  const CliRun navamsa = RunCliProcess(With({"--yogas", "--json", "--yoga-chart", "D9"}));
  ASSERT_EQ(navamsa.status, 0) << navamsa.err;
  EXPECT_EQ(nlohmann::json::parse(navamsa.out).at("chart"), "D9");
  EXPECT_NE(navamsa.out, json.out);
}

TEST(CliYogas, BatchRowsCarryTheirIds) {
  const std::string csv = orvane::testing_support::WriteTempFile(
      "yoga_rows.csv", "id,date,time,utc_offset,lon,lat\na,1990-05-17,10:30,+05:30,80:17E,13:05N\n"
                       "b,1970-04-04,17:50,+05:30,81:12E,16:15N\n");
  const CliRun batch = RunCliProcess({"--yogas", "--json", "--jobs", "2", "--input", csv});
  ASSERT_EQ(batch.status, 0) << batch.err;
  std::istringstream lines(batch.out);
  std::string line;
  std::vector<std::string> ids;
  while (std::getline(lines, line)) ids.push_back(nlohmann::json::parse(line).at("id"));
  EXPECT_EQ(ids, (std::vector<std::string>{"a", "b"}));
  const CliRun one = RunCliProcess(With({"--yogas", "--json"}));
  EXPECT_EQ(batch.out.substr(0, batch.out.find('\n') + 1), "{\"id\":\"a\"," + one.out.substr(1));
}

TEST(CliSensitivity, TextAndJsonSayTheSameWindows) {
  const CliRun json = RunCliProcess(With({"--sensitivity", "--json", "--dasa-at", "2030-01-01"}));
  ASSERT_EQ(json.status, 0) << json.err;
  const nlohmann::json windows = nlohmann::json::parse(json.out).at("sensitivity");
  ASSERT_EQ(windows.size(), 28u);  // 15 points, the dasa lord, 12 cusp sub lords
  EXPECT_EQ(windows[0].at("point"), "lagna");
  EXPECT_EQ(windows[16].at("point"), "cusp 1 sub lord");
  EXPECT_EQ(windows[0].at("value"), "Cancer");
  const CliRun text = RunCliProcess(With({"--sensitivity", "--dasa-at", "2030-01-01"}));
  ASSERT_EQ(text.status, 0) << text.err;
  // "lagna            Cancer                 stays for −38 min 2 s / +1 h 31 min 21 s"
  const int before = windows[0].at("before_seconds"), after = windows[0].at("after_seconds");
  EXPECT_EQ(before, 38 * 60 + 2);
  EXPECT_EQ(after, 3600 + 31 * 60 + 21);
  EXPECT_NE(text.out.find("stays for \u221238 min 2 s / +1 h 31 min 21 s\n"), std::string::npos) << text.out;
}

TEST(CliKp, HousesInTheJsonAndTheKpListing) {
  const CliRun json = RunCliProcess(With({"--json", "--houses", "placidus"}));
  ASSERT_EQ(json.status, 0) << json.err;
  const nlohmann::json chart = nlohmann::json::parse(json.out);
  const nlohmann::json& cusps = chart.at("houses").at("cusps");
  ASSERT_EQ(cusps.size(), 12u);
  EXPECT_EQ(chart.at("houses").at("system"), "placidus");
  EXPECT_NEAR(cusps[0].at("longitude").get<double>(), chart.at("slots")[0].at("longitude").get<double>(), 1e-9);
  EXPECT_EQ(cusps[0].at("sign_lord"), "Moon");  // Cancer lagna
  // Without --houses the chart's JSON is as it always was.
  const CliRun plain = RunCliProcess(With({"--json"}));
  EXPECT_EQ(nlohmann::json::parse(plain.out).count("houses"), 0u);

  const CliRun kp = RunCliProcess(With({"--kp", "--json"}));
  ASSERT_EQ(kp.status, 0) << kp.err;
  const nlohmann::json k = nlohmann::json::parse(kp.out);
  EXPECT_EQ(k.at("cusps").size(), 12u);
  EXPECT_EQ(k.at("planets").size(), 9u);
  // 17 May 1990 was a Thursday: Jupiter rules the day.
  EXPECT_EQ(k.at("ruling_planets").at("day_lord"), "Jupiter");
  EXPECT_EQ(k.at("ruling_planets").at("lagna_sign_lord"), "Moon");
  ASSERT_EQ(k.at("significators").at("houses").size(), 12u);
  ASSERT_EQ(k.at("significators").at("planets").size(), 9u);
  // Each house's level 4 is the sign lord of its cusp.
  for (std::size_t h = 0; h < 12; ++h) {
    EXPECT_EQ(k.at("significators").at("houses")[h].at("levels")[3][0], k.at("cusps")[h].at("sign_lord"));
  }
  // Horary numbers: the ascendant is the start of the number's sub (100:
  // 24 Leo, where Mercury's sub of Purva Phalguni begins; 249: Revati's
  // last sub, Saturn's, from 27 Pi 53'20").
  for (const int n : {1, 100, 249}) {
    const CliRun h = RunCliProcess(With({"--kp-horary", std::to_string(n), "--json"}));
    ASSERT_EQ(h.status, 0) << h.err;
    const nlohmann::json hj = nlohmann::json::parse(h.out);
    EXPECT_EQ(hj.at("horary_number"), n);
    const double asc = hj.at("cusps")[0].at("longitude").get<double>();
    EXPECT_LT(std::fabs(asc - (n == 1 ? 0.0 : n == 100 ? 144.0 : 357.8888888888889)), 1e-6) << n;
  }
  const CliRun text = RunCliProcess(With({"--kp", "--houses", "equal"}));
  EXPECT_NE(text.out.find("KP lords: equal cusps"), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("Ruling planets of the chart's moment: day lord Jupiter;"), std::string::npos);
}

TEST(CliKp, KpNewAyanamsaInBothEngines) {
  // The classic engine applies the KP (new) ayanamsa as a deviation from
  // Lahiri; the Swiss engine by its own definition. The two engines differ
  // by the same few arc-seconds with either ayanamsa when the deviation is
  // right.
  auto ascendant = [](const char* ayanamsa, const char* engine) {
    const CliRun run = RunCliProcess(With({"--json", "--ayanamsa", ayanamsa, "--ephemeris", engine}));
    EXPECT_EQ(run.status, 0) << run.err;
    return nlohmann::json::parse(run.out).at("slots")[0].at("longitude").get<double>();
  };
  const double lahiri = ascendant("chitrapaksha", "swiss") - ascendant("chitrapaksha", "classic");
  const double kpNew = ascendant("kp-new", "swiss") - ascendant("kp-new", "classic");
  EXPECT_NEAR(kpNew, lahiri, 1.0 / 3600);
  // 4' 36" less than Lahiri in 1990.
  EXPECT_NEAR(ascendant("kp-new", "swiss") - ascendant("chitrapaksha", "swiss"), 276.2 / 3600, 1.0 / 3600);
}

TEST(CliJaimini, RasiDasasAndSignReadings) {
  struct Case {
    const char* name;
    std::size_t periods;
  };
  const Case cases[] = {{"chara", 24},  {"narayana", 24},       {"sthira", 12}, {"shoola", 12},
                        {"niryana-shoola", 12}, {"drig", 24}, {"navamsa", 12}};
  for (const Case& c : cases) {
    const CliRun run = RunCliProcess(With({"--rasi-dasa", c.name, "--json"}));
    ASSERT_EQ(run.status, 0) << c.name << run.err;
    const nlohmann::json d = nlohmann::json::parse(run.out).at("rasi_dasa");
    EXPECT_EQ(d.at("system"), c.name);
    const nlohmann::json& periods = d.at("periods");
    ASSERT_EQ(periods.size(), c.periods) << c.name;
    EXPECT_EQ(periods[0].at("start"), "1990-05-17") << c.name;
    EXPECT_EQ(periods[0].at("sign"), d.at("start"));
    std::set<std::string> signs;
    for (std::size_t i = 0; i < 12; ++i) signs.insert(periods[i].at("sign").get<std::string>());
    EXPECT_EQ(signs.size(), 12u) << c.name << ": each sign once a cycle";
    for (std::size_t i = 1; i < periods.size(); ++i) {
      EXPECT_EQ(periods[i].at("start"), periods[i - 1].at("end")) << c.name << " " << i;
    }
    const nlohmann::json& subs = periods[0].at("antardasas");
    ASSERT_EQ(subs.size(), 12u);
    EXPECT_EQ(subs[0].at("start"), periods[0].at("start"));
    EXPECT_EQ(subs[11].at("end"), periods[0].at("end"));
    const CliRun text = RunCliProcess(With({"--rasi-dasa", c.name}));
    EXPECT_NE(text.out.find("Starts from " + d.at("start").get<std::string>()), std::string::npos) << text.out;
  }
  const CliRun j = RunCliProcess(With({"--jaimini", "--json"}));
  ASSERT_EQ(j.status, 0) << j.err;
  const nlohmann::json jaimini = nlohmann::json::parse(j.out);
  ASSERT_EQ(jaimini.at("houses").size(), 12u);
  EXPECT_EQ(jaimini.at("houses")[0].at("sign"), "Cancer");
  // A movable sign aspects the fixed signs but Leo beside it.
  EXPECT_EQ(jaimini.at("houses")[0].at("aspects_signs"), (nlohmann::json{"Scorpio", "Aquarius", "Taurus"}));
  EXPECT_EQ(jaimini.at("karakamsa").at("planets").size(), 9u);
}

TEST(CliYogas, OptionsRefusedWithAMessage) {
  struct Case {
    std::vector<std::string> args;
    const char* message;
  };
  const Case cases[] = {
      {With({"--yoga-chart", "D9"}), "--yoga-chart goes with --yogas"},
      {With({"--yogas", "--yoga-chart", "D2"}), "--yoga-chart takes D1, D9 or D10"},
      {With({"--yogas", "--section", "4"}), "--yogas excludes --section"},
      {With({"--dasa-at", "2030-01-01"}), "--dasa-at goes with --sensitivity"},
      {With({"--sensitivity", "--dasa-at", "2030-13-01"}), "--dasa-at takes a date as 2030-01-31"},
      {With({"--sensitivity", "--yogas"}), "--sensitivity excludes --section"},
      {With({"--houses", "placidus"}), "--houses goes with --json or --kp"},
      {With({"--json", "--houses", "topocentric"}), "--houses takes placidus, koch, porphyry"},
      {With({"--kp", "--yogas"}), "--kp excludes --section"},
      {With({"--json", "--ayanamsa", "custom"}), "--ayanamsa takes chitrapaksha, raman"},
      {With({"--kp-horary", "250"}), "--kp-horary takes a number 1..249"},
      {With({"--kp-horary", "5", "--houses", "koch"}), "--kp-horary takes Placidus cusps"},
      {With({"--rasi-dasa", "kalachakra"}), "--rasi-dasa takes chara, narayana, sthira"},
      {With({"--rasi-dasa", "narayana", "--chara-direction", "lagna"}), "--chara-direction goes with --rasi-dasa chara"},
      {With({"--rasi-dasa", "chara", "--chara-direction", "tenth"}), "--chara-direction takes ninth or lagna"},
      {With({"--jaimini", "--kp"}), "--jaimini excludes --section"},
      {With({"--rasi-dasa", "chara", "--section", "4"}), "--rasi-dasa excludes --section"},
      {{"--date", "1990-05-17", "--time", "10:30", "--lat", "70:00N", "--json", "--houses", "koch"},
       "Koch houses are not defined inside the polar circles (latitude 70)"},
  };
  for (const Case& c : cases) {
    const CliRun run = RunCliProcess(c.args);
    EXPECT_EQ(run.status, 2) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
}

}  // namespace
