// The Swiss engine against the Swiss Ephemeris' own test program, swetest,
// as the outside reference: for random births the sidereal (Lahiri)
// ascendant, the Sun to Saturn, the mean node (Rahu) and its opposite point
// (Ketu) and Uranus to Pluto agree within one arc-second for the same
// universal-time moment. And the engine's behaviour where the data files
// are missing, beyond its ranges and on several threads.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "engine/calendar.h"
#include "engine/cast.h"
#include "engine/caster.h"
#include "engine/swiss_engine.h"

namespace orvane {
namespace {

// Casts the state's birth data with a fresh Caster into the state; returns
// where the Swiss engine took the positions from.
std::uint8_t CastInto(EngineState& state, const EngineSettings& settings) {
  Caster caster(settings);
  ApplyCast(state, caster.Cast(state.birth));
  return caster.Chains().swissSource;
}

constexpr double kArcSecond = 1.0 / 3600.0;

EngineSettings Swiss() {
  EngineSettings s;
  s.ephemeris = EphemerisKind::kSwiss;
  return s;
}

// A birth at a universal-time moment (zone 0), in file units.
struct Moment {
  int year, month, day;
  int hour, minute, second;
  double eastLongitude, northLatitude;  // decimal degrees

  BirthData Birth() const {
    BirthData b;
    b.year = year;
    b.month = month;
    b.day = day;
    b.time = hour + minute / 100.0 + second / 6000.0;
    b.zone = 0;
    b.longitude = FileAngle(-eastLongitude);
    b.latitude = FileAngle(northLatitude);
    return b;
  }
  // Degrees + minutes/100 (+ seconds/6000) of a decimal angle, rounded to
  // the second so that the file value and the reference name one place.
  static double FileAngle(double degrees) {
    const double sign = degrees < 0 ? -1 : 1;
    const long seconds = std::lround(std::fabs(degrees) * 3600);
    return sign * (seconds / 3600 + (seconds / 60 % 60) / 100.0 + (seconds % 60) / 6000.0);
  }
  static double Decimal(double fileAngle) { return DecToDeg(fileAngle); }
};

std::vector<Moment> RandomMoments(unsigned seed, int fromYear, int toYear, int count) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> year(fromYear, toYear), month(1, 12), day(1, 28), hour(0, 23), minute(0, 59);
  std::uniform_real_distribution<double> lon(-180, 180), lat(-60, 60);
  std::vector<Moment> out;
  for (int i = 0; i < count; ++i)
    out.push_back({year(rng), month(rng), day(rng), hour(rng), minute(rng), minute(rng), lon(rng), lat(rng)});
  return out;
}

// swetest's sidereal Lahiri longitudes by its names ("Sun", "mean Node",
// "Ascendant", ...) for a universal-time Julian day and place.
// `sidereal` is swetest's ayanamsa option ("-sid1" for Lahiri; "" tropical).
std::map<std::string, double> Reference(double jdUt, double eastLongitude, double northLatitude,
                                        const char* sidereal = "-sid1") {
  char command[512];
  std::snprintf(command, sizeof command,
                "swetest -bj%.9f -ut -p0123456789m %s -fPl -head -house%.9f,%.9f,E -eswe -edir%s 2>&1", jdUt,
                sidereal, eastLongitude, northLatitude, kSwissDataFolder);
  std::map<std::string, double> values;
  std::FILE* pipe = popen(command, "r");
  if (!pipe) return values;
  std::array<char, 256> line{};
  while (std::fgets(line.data(), line.size(), pipe)) {
    std::string text(line.data());
    const std::size_t end = text.find_last_not_of(" \n\r\t");
    if (end == std::string::npos) continue;
    const std::size_t start = text.find_last_of(" \t", end);
    if (start == std::string::npos) continue;
    std::string name = text.substr(0, start);
    name.erase(name.find_last_not_of(" \t") + 1);
    try {
      values[name] = std::stod(text.substr(start + 1, end - start));
    } catch (...) {
    }
  }
  pclose(pipe);
  return values;
}

bool HaveSwetest() { return std::system("swetest -h >/dev/null 2>&1") == 0; }

struct Range {
  const char* name;
  unsigned seed;
  int fromYear, toYear, count;
};

TEST(SwissEngine, AgreesWithSwetestWithinOneArcSecond) {
  if (!HaveSwetest()) GTEST_SKIP() << "swetest is not installed (scripts/deps.sh installs it)";
  const std::array<Range, 2> ranges = {{{"1800-2399", 18002399, 1800, 2399, 30}, {"1600-1800", 16001800, 1600, 1800, 20}}};
  struct Compared {
    const char* reference;
    int slot;
  };
  const std::array<Compared, 13> compared = {{{"Ascendant", kAscendant},
                                              {"Sun", kSun},
                                              {"Moon", kMoon},
                                              {"Mars", kMars},
                                              {"Mercury", kMercury},
                                              {"Jupiter", kJupiter},
                                              {"Venus", kVenus},
                                              {"Saturn", kSaturn},
                                              {"mean Node", kRahu},
                                              {"mean Node", kKetu},
                                              {"Uranus", kUranus},
                                              {"Neptune", kNeptune},
                                              {"Pluto", kPluto}}};
  for (const Range& range : ranges) {
    for (const Moment& m : RandomMoments(range.seed, range.fromYear, range.toYear, range.count)) {
      EngineState state;
      state.birth = m.Birth();
      EXPECT_EQ(CastInto(state, Swiss()), static_cast<std::uint8_t>(SwissSource::kFiles));
      const BirthData b = m.Birth();
      const double jdUt = DayNumber(b.month, b.day, b.year) - 0.5 + DecToDeg(b.time) / 24;
      const auto ref = Reference(jdUt, Moment::Decimal(-b.longitude), Moment::Decimal(b.latitude));
      char trace[160];
      std::snprintf(trace, sizeof trace, "%s: %04d-%02d-%02d %02d:%02d:%02d UT at %.4f E %.4f N (JD %.6f)",
                    range.name, m.year, m.month, m.day, m.hour, m.minute, m.second, Moment::Decimal(-b.longitude),
                    Moment::Decimal(b.latitude), jdUt);
      SCOPED_TRACE(trace);
      for (const Compared& c : compared) {
        SCOPED_TRACE(c.reference);
        const auto found = ref.find(c.reference);
        ASSERT_NE(found, ref.end()) << "swetest printed no " << c.reference;
        const double expected = c.slot == kKetu ? Mod360(found->second + 180) : found->second;
        EXPECT_LE(MinArc(state.slotLongitude[c.slot], expected), kArcSecond)
            << "orvane " << state.slotLongitude[c.slot] << ", swetest " << expected;
      }
    }
  }
}

// Each ayanamsa choice: the Swiss Ephemeris' own definition where it has one,
// the classic offset from Lahiri for Deva-datta and the custom value, none
// for the tropical zodiac.
TEST(SwissEngine, AyanamsaChoices) {
  if (!HaveSwetest()) GTEST_SKIP() << "swetest is not installed (scripts/deps.sh installs it)";
  struct Case {
    const char* name;
    AyanamsaChoice choice;
    double offsetMinutes;  // the settings' deviation
    const char* reference;  // swetest's option
    double shift;           // degrees the reference is shifted by
  };
  const Case cases[] = {
      {"Chitrapaksha", AyanamsaChoice::kChitrapaksha, 0, "-sid1", 0},
      {"Raman", AyanamsaChoice::kRaman, -87, "-sid3", 0},
      {"Krishnamurti", AyanamsaChoice::kKrishnamurti, -6, "-sid5", 0},
      {"KP new", AyanamsaChoice::kKpNew, -4.6, "-sid45", 0},
      {"Usha-Shashi", AyanamsaChoice::kUshaShashi, 0, "-sid4", 0},
      {"Fagan/Bradley", AyanamsaChoice::kFaganBradley, 53, "-sid0", 0},
      {"Deva-datta", AyanamsaChoice::kDevadatta, -60, "-sid1", 1.0},
      {"custom", AyanamsaChoice::kCustom, 90.5, "-sid1", -90.5 / 60},
      {"tropical", AyanamsaChoice::kTropical, 60000, "", 0},
  };
  const Moment m{1987, 7, 14, 6, 30, 0, 77.2, 28.6};
  const BirthData b = m.Birth();
  const double jdUt = DayNumber(b.month, b.day, b.year) - 0.5 + DecToDeg(b.time) / 24;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EngineSettings settings = Swiss();
    settings.ayanamsa = c.choice;
    settings.ayanamsaOffset = c.offsetMinutes;
    EngineState state;
    state.birth = b;
    CastInto(state, settings);
    const auto ref = Reference(jdUt, m.eastLongitude, m.northLatitude, c.reference);
    ASSERT_TRUE(ref.count("Sun") && ref.count("Ascendant"));
    EXPECT_LE(MinArc(state.slotLongitude[kSun], Mod360(ref.at("Sun") + c.shift)), kArcSecond);
    EXPECT_LE(MinArc(state.slotLongitude[kAscendant], Mod360(ref.at("Ascendant") + c.shift)), kArcSecond);
  }
}

// With no data file the library's analytical mode takes over: the cast
// still gives the planets (within a few arc-seconds of the files) and says
// where its positions came from; the program-wide engine, whose folder has
// the files, is not disturbed by the other folder.
TEST(SwissEngine, MissingDataFilesFallBackToTheAnalyticalMode) {
  const std::filesystem::path empty =
      std::filesystem::temp_directory_path() / ("orvane-no-ephemeris-" + std::to_string(getpid()));
  std::filesystem::create_directories(empty);
  const SwissEngine noFiles(empty.string());
  const EphemerisEngine& withFiles = EngineFor(EphemerisKind::kSwiss);
  const Moment m{1970, 4, 4, 12, 0, 0, -81.2, 16.25};

  for (int round = 0; round < 2; ++round) {  // switching folders back and forth
    CastChains a, b;
    const CastResult ra = noFiles.Cast(CastMomentOf(m.Birth()), Swiss(), BodySet::All(), a);
    const CastResult rb = withFiles.Cast(CastMomentOf(m.Birth()), Swiss(), BodySet::All(), b);
    EXPECT_EQ(a.swissSource, static_cast<std::uint8_t>(SwissSource::kAnalytical));
    EXPECT_EQ(b.swissSource, static_cast<std::uint8_t>(SwissSource::kFiles));
    EXPECT_NE(noFiles.Describe(a.swissSource).find("analytical"), std::string::npos)
        << noFiles.Describe(a.swissSource);
    EXPECT_NE(withFiles.Describe(b.swissSource).find("files"), std::string::npos) << withFiles.Describe(b.swissSource);
    for (int body = 0; body < kBodyCount; ++body) {
      SCOPED_TRACE(body);
      ASSERT_TRUE(ra.computed.Has(static_cast<Body>(body)));
      EXPECT_LE(MinArc(ra.longitude[body], rb.longitude[body]), 5 * kArcSecond);
    }
    EXPECT_LE(MinArc(ra.ascendant, rb.ascendant), kArcSecond);
  }
  std::filesystem::remove_all(empty);
}

// The ayanamsa is a small signed angle on both sides of its zero year
// (Lahiri's is zero near 285 CE): the library gives it in 0..360, so a
// negative one came out as 358.8 degrees. The value kept is the negated
// ayanamsa, so it falls from year to year.
TEST(SwissEngine, AyanamsaKeepsItsSignBeforeItsZeroYear) {
  struct Case {
    int year;
    double expected;  // the negated ayanamsa, degrees
    double tolerance;
  };
  const Case cases[] = {
      {-2999, 45.25, 0.1}, {200, 1.18, 0.05}, {280, 0.07, 0.05}, {290, -0.07, 0.05}, {2000, -23.86, 0.02},
  };
  const SwissEngine engine;
  double before = 1e9;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.year);
    CastChains chains;
    const double value = engine.DateAyanamsa(Swiss(), c.year, 1, 1, chains);
    EXPECT_NEAR(value, c.expected, c.tolerance);
    EXPECT_LT(value, before);
    before = value;
  }
}

// A damaged data file (cut short, random bytes, empty, another file under its
// name) or one that is not a file (a named pipe, which would block the
// library for ever) is a problem named with the file: the cast says so
// (kDamaged) instead of standing in silently with other positions, and a
// good folder afterwards casts from its files again.
TEST(SwissEngine, DamagedDataFilesAreNamedNeverStoodInForSilently) {
  const std::filesystem::path source = kSwissDataFolder;
  if (!std::filesystem::exists(source / "sepl_18.se1")) GTEST_SKIP() << "the Swiss data files are not installed";
  struct Case {
    const char* name;
    std::function<void(const std::filesystem::path&)> spoil;  // spoils sepl_18.se1
    const char* problem;
  };
  auto write = [](const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary | std::ios::trunc) << bytes;
  };
  const Case cases[] = {
      {"cut short", [](const std::filesystem::path& p) { std::filesystem::resize_file(p, 30000); }, "is damaged"},
      {"random bytes", [&](const std::filesystem::path& p) { write(p, std::string(200000, '\x5a')); },
       "is not a Swiss Ephemeris file"},
      {"empty", [&](const std::filesystem::path& p) { write(p, ""); }, "is empty"},
      {"another file",
       [](const std::filesystem::path& p) {
         std::filesystem::copy_file(p.parent_path() / "semo_18.se1", p,
                                    std::filesystem::copy_options::overwrite_existing);
       },
       "sepl_18.se1"},
      {"named pipe",
       [](const std::filesystem::path& p) {
         std::filesystem::remove(p);
         ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0);
       },
       "is not a regular file"},
  };
  const EphemerisEngine& good = EngineFor(EphemerisKind::kSwiss);
  const Moment m{1970, 4, 4, 12, 0, 0, -81.2, 16.25};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("orvane-damaged-" + std::to_string(getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    for (const char* file : {"sepl_18.se1", "semo_18.se1", "seas_18.se1"})
      std::filesystem::copy_file(source / file, folder / file);
    c.spoil(folder / "sepl_18.se1");
    const SwissEngine damaged(folder.string());
    CastChains chains;
    damaged.Cast(CastMomentOf(m.Birth()), Swiss(), BodySet::All(), chains);
    EXPECT_EQ(chains.swissSource, static_cast<std::uint8_t>(SwissSource::kDamaged));
    EXPECT_NE(SwissDataProblem().find(c.problem), std::string::npos) << SwissDataProblem();
    EXPECT_NE(SwissDataProblem().find("sepl_18.se1"), std::string::npos) << SwissDataProblem();
    EXPECT_NE(damaged.Describe(chains.swissSource).find("sepl_18.se1"), std::string::npos);
    CastChains again;
    good.Cast(CastMomentOf(m.Birth()), Swiss(), BodySet::All(), again);
    EXPECT_EQ(again.swissSource, static_cast<std::uint8_t>(SwissSource::kFiles));
    std::filesystem::remove_all(folder);
  }
}

// Beyond every range of the library (no file and no analytical theory for
// the date) the classic engine stands in for the cast, and the engine says
// so; nothing is left unset or non-finite.
TEST(SwissEngine, DatesBeyondItsRangeAreCastByTheClassicEngine) {
  const std::filesystem::path empty =
      std::filesystem::temp_directory_path() / ("orvane-no-ephemeris-far-" + std::to_string(getpid()));
  std::filesystem::create_directories(empty);
  const SwissEngine noFiles(empty.string());
  const std::array<int, 2> years = {-9000, 9000};
  for (int year : years) {
    SCOPED_TRACE(year);
    CastChains chains;
    const CastResult r =
        noFiles.Cast(CastMomentOf(Moment{year, 6, 1, 0, 0, 0, 10, 50}.Birth()), Swiss(), BodySet::All(), chains);
    EXPECT_EQ(chains.swissSource, static_cast<std::uint8_t>(SwissSource::kOutOfRange));
    EXPECT_NE(noFiles.Describe(chains.swissSource).find("classic"), std::string::npos);
    for (int body = 0; body < 8; ++body) EXPECT_TRUE(std::isfinite(r.longitude[body]));
    EXPECT_TRUE(std::isfinite(r.ascendant));
  }
  std::filesystem::remove_all(empty);
}

// The library keeps its state per thread: casts on several threads at once,
// with different ayanamsas, give exactly what the same casts give one after
// another, and a new thread gives what the thread before it gave with the
// same settings (each thread sets the sidereal mode and the data path in its
// own copy of the library).
TEST(SwissEngine, ConcurrentCastsGiveTheSameResults) {
  const std::vector<Moment> moments = RandomMoments(4242, 1900, 2100, 24);
  std::array<EngineSettings, 3> settings = {Swiss(), Swiss(), Swiss()};
  settings[1].ayanamsa = AyanamsaChoice::kRaman;
  settings[2].ayanamsa = AyanamsaChoice::kFaganBradley;
  auto castAll = [&](std::size_t which, std::vector<double>& out) {
    for (const Moment& m : moments) {
      EngineState state;
      state.birth = m.Birth();
      CastInto(state, settings[which]);
      out.insert(out.end(), state.slotLongitude.begin(), state.slotLongitude.end());
      out.push_back(state.ayanamsaValue);
    }
  };
  std::array<std::vector<double>, 3> alone, together;
  for (std::size_t i = 0; i < settings.size(); ++i) castAll(i, alone[i]);
  for (std::size_t i = 0; i < settings.size(); ++i) {
    SCOPED_TRACE(i);
    std::vector<double> here, fresh;
    castAll(i, here);
    std::thread([&] { castAll(i, fresh); }).join();
    EXPECT_EQ(fresh, here);
  }
  std::vector<std::thread> threads;
  for (std::size_t i = 0; i < settings.size(); ++i) threads.emplace_back([&, i] { castAll(i, together[i]); });
  for (std::thread& t : threads) t.join();
  for (std::size_t i = 0; i < settings.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(alone[i], together[i]);
  }
  // The three ayanamsas really differ (the mode was not shared by accident).
  EXPECT_NE(alone[0][kSun], alone[1][kSun]);
  EXPECT_NE(alone[0][kSun], alone[2][kSun]);
}

}  // namespace
}  // namespace orvane
