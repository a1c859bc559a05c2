#include "places/place_table.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace orvane {
namespace {

const PlaceTable& Table() {
  static const PlaceTable* table = [] {
    auto* t = new PlaceTable;
    std::string error;
    EXPECT_TRUE(t->Load(ORVANE_SOURCE_DIR "/data/places.tsv", &error)) << error;
    return t;
  }();
  return *table;
}

struct SearchCase {
  const char* query;
  const char* name;     // the best match
  const char* admin1;
  const char* country;
  const char* zone;
};

TEST(PlaceSearch, BestMatchOfEachQuery) {
  const SearchCase cases[] = {
      {"chenn", "Chennai", "Tamil Nadu", "IN", "Asia/Kolkata"},
      {"CHENNAI", "Chennai", "Tamil Nadu", "IN", "Asia/Kolkata"},
      {"sao paulo", "São Paulo", "São Paulo", "BR", "America/Sao_Paulo"},
      {"São Paulo, PT", "São Paulo", "Lisbon", "PT", "Europe/Lisbon"},
      {"sao paulo, cape verde", "São Paulo", "Sal", "CV", "Atlantic/Cape_Verde"},
      {"london", "London", "England", "GB", "Europe/London"},
      {"london, kentucky", "London", "Kentucky", "US", "America/New_York"},
      {"london, ky", "London", "Kentucky", "US", "America/New_York"},
      {"london, ontario", "London", "Ontario", "CA", "America/Toronto"},
      {"london, oh, us", "London", "Ohio", "US", "America/New_York"},
      {"kathmandu", "Kathmandu", "Bagmati Province", "NP", "Asia/Kathmandu"},
      {"  kolkata  ", "Kolkata", "West Bengal", "IN", "Asia/Kolkata"},
      {"madras", "Chennai", "Tamil Nadu", "IN", "Asia/Kolkata"},     // former name
      {"bombay", "Mumbai", "Maharashtra", "IN", "Asia/Kolkata"},
      {"zurich", "Zürich", "Zurich", "CH", "Europe/Zurich"},
      {"malmo", "Malmö", "Skåne", "SE", "Europe/Stockholm"},
      {"lodz", "Łódź", "Łódź Voivodeship", "PL", "Europe/Warsaw"},
      {"new york, us", "New York City", "New York", "US", "America/New_York"},
      {"indianapolis", "Indianapolis", "Indiana", "US", "America/Indiana/Indianapolis"},
  };
  for (const SearchCase& c : cases) {
    SCOPED_TRACE(c.query);
    const std::vector<std::size_t> found = Table().Search(c.query, 10);
    ASSERT_FALSE(found.empty());
    const Place best = Table().at(found.front());
    EXPECT_EQ(best.name, c.name);
    EXPECT_EQ(best.admin1, c.admin1);
    EXPECT_EQ(best.country, c.country);
    EXPECT_EQ(best.zone, c.zone);
  }
}

TEST(PlaceSearch, RankedByPopulationAndBounded) {
  const std::vector<std::size_t> found = Table().Search("san", 25);
  ASSERT_EQ(found.size(), 25u);
  for (std::size_t i = 1; i < found.size(); ++i) {
    EXPECT_GE(Table().at(found[i - 1]).population, Table().at(found[i]).population);
  }
  for (std::size_t i : found) EXPECT_EQ(Table().Fold(Table().at(i).name).substr(0, 3), "san");
}

TEST(PlaceSearch, QualifiersNarrowEveryResult) {
  for (const std::size_t i : Table().Search("spring, IL", 50)) {
    const Place p = Table().at(i);
    EXPECT_TRUE(p.country == "IL" || p.admin1Code == "IL") << p.name;
  }
  // "india" is the start of India and of Indiana.
  for (const std::size_t i : Table().Search("har, india", 50)) {
    const Place p = Table().at(i);
    EXPECT_TRUE(p.country == "IN" || p.admin1 == "Indiana") << p.name;
  }
}

TEST(PlaceSearch, FindsNothing) {
  for (const char* query : {"", "   ", ", IN", "xqzzyq", "chennai, BR", "chennai, nowhere"}) {
    EXPECT_TRUE(Table().Search(query, 10).empty()) << query;
  }
  EXPECT_TRUE(Table().Search("chennai", 0).empty());
}

TEST(PlaceTable, ChennaiRecord) {
  const std::vector<std::size_t> found = Table().Search("Chennai, Tamil Nadu, IN", 1);
  ASSERT_EQ(found.size(), 1u);
  const Place p = Table().at(found.front());
  EXPECT_NEAR(p.latitude, 13.088, 0.0005);
  EXPECT_NEAR(p.longitude, 80.278, 0.0005);
  EXPECT_GT(p.population, 4000000u);
  EXPECT_EQ(p.countryName, "India");
  EXPECT_EQ(PlaceLabel(p), "Chennai, Tamil Nadu, IN");
  EXPECT_GT(Table().size(), 170000u);
}

// A small table: the file's folding records, places out of key order,
// another spelling, and a place without a division.
constexpr char kSmallTable[] =
    "# test\n"
    "@V\t1\n"
    "@Z\tEurope/Berlin\tAsia/Kolkata\n"
    "@C\tDE\tGermany\n"
    "@C\tIN\tIndia\n"
    "@D\t0\tBY\tBavaria\t0\n"
    "@D\t1\t\t\t1\n"
    "@F\tü\tu\n"
    "@F\tÖ\to\n"
    "@A\tMunich\t1\n"
    "Öhringen\t0\t49200\t9500\t\t23000\n"
    "München\t0\t48137\t11575\t\t1260000\n"
    "Mumbai\t1\t19073\t72883\t\t12691836\n"
    "Münchberg\t0\t50190\t11790\t1\t\n";

TEST(PlaceTable, SmallTableSortedAtLoadWithFoldingAndAlternates) {
  PlaceTable table;
  std::string error;
  ASSERT_TRUE(table.Parse(kSmallTable, "small", &error)) << error;
  EXPECT_EQ(table.Fold("  MüNCHEN-Ost "), "munchen ost");
  EXPECT_EQ(table.Fold("MÜNCHEN"), "mÜnchen");  // no record for Ü: kept as it is
  const std::vector<std::size_t> mu = table.Search("mu", 10);
  ASSERT_EQ(mu.size(), 3u);  // München once, though found by name and as "Munich"
  EXPECT_EQ(table.at(mu[0]).name, "Mumbai");
  EXPECT_EQ(table.at(mu[1]).name, "München");
  EXPECT_EQ(table.at(mu[2]).name, "Münchberg");
  EXPECT_EQ(table.at(mu[2]).zone, "Asia/Kolkata");  // its own zone, not the division's
  EXPECT_EQ(table.at(mu[2]).population, 0u);
  EXPECT_EQ(PlaceLabel(table.at(mu[0])), "Mumbai, IN");
  const std::vector<std::size_t> munich = table.Search("munich, bavaria", 10);
  ASSERT_EQ(munich.size(), 1u);
  EXPECT_EQ(table.at(munich[0]).name, "München");
  EXPECT_EQ(table.at(table.Search("ohr", 1).at(0)).zone, "Europe/Berlin");
}

TEST(PlaceTable, BadFilesRefusedWithTheLine) {
  struct Bad {
    const char* text;
    const char* message;
  };
  const Bad cases[] = {
      {"Berlin\t0\t1\t1\t\t\n", "line 1 of \"bad\": not a place table"},
      {"", "not a place table"},
      {"@V\t2\n", "line 1 of \"bad\": this place table has a format"},
      {"@V\t1\n@Z\tUTC\n@C\tXX\tX\n@D\t0\t\t\t0\nA\t1\t0\t0\t\t\n", "line 5 of \"bad\": unknown division"},
      {"@V\t1\n@Z\tUTC\n@C\tXX\tX\n@D\t0\t\t\t0\nA\t0\t90001\t0\t\t\n", "line 5 of \"bad\": latitude or longitude"},
      {"@V\t1\n@Z\tUTC\n@C\tXX\tX\n@D\t0\t\t\t0\nA\t0\t0\t0\t7\t\n", "line 5 of \"bad\": unknown zone"},
      {"@V\t1\n@Z\tUTC\n@C\tXX\tX\n@D\t0\t\t\t0\nA\t0\t0\t0\t\tmany\n", "population"},
      {"@V\t1\n@Z\tUTC\n@C\tXX\tX\n@D\t0\t\t\t0\nA\t0\t0\t0\n", "six fields"},
      {"@V\t1\n@Q\tx\n", "unknown record"},
      {"@V\t1\n@Z\tUTC\n@C\tXX\tX\n@D\t0\t\t\t0\n@A\tB\t3\nA\t0\t0\t0\t\t\n", "beyond the table"},
      {"@V\t1\n@Z\tUTC\n", "no place"},
  };
  for (const Bad& c : cases) {
    PlaceTable table;
    std::string error;
    EXPECT_FALSE(table.Parse(c.text, "bad", &error)) << c.text;
    EXPECT_NE(error.find(c.message), std::string::npos) << error;
    EXPECT_TRUE(table.empty());
    EXPECT_TRUE(table.Search("a", 5).empty());
  }
}

TEST(PlaceTable, MissingTableNamesWhereItLooked) {
  ::setenv("ORVANE_PLACES", "/nonexistent/places.tsv", 1);
  PlaceTable table;
  std::string error;
  EXPECT_FALSE(LoadPlaceTable(table, &error));
  EXPECT_NE(error.find("not found"), std::string::npos) << error;
  EXPECT_NE(error.find("/nonexistent/places.tsv"), std::string::npos) << error;
  ::setenv("ORVANE_PLACES", ORVANE_SOURCE_DIR "/tests", 1);  // a folder
  EXPECT_FALSE(LoadPlaceTable(table, &error));
  EXPECT_NE(error.find("not a regular file"), std::string::npos) << error;
  ::unsetenv("ORVANE_PLACES");
  EXPECT_TRUE(LoadPlaceTable(table, &error)) << error;  // the source tree's copy
}

// A table file cut short while the program runs (a package upgrade, a user's
// copy) changes nothing that was loaded: every place still reads whole,
// whether the table was parsed or taken from its index.
TEST(PlaceTable, AFileCutShortAfterLoadingChangesNothing) {
  const std::string folder = ::testing::TempDir() + "place_index_cut_" + std::to_string(getpid());
  for (const std::string& indexFolder : {std::string(), folder, folder}) {
    SCOPED_TRACE(indexFolder);
    const std::string copy = ::testing::TempDir() + "places_cut_" + std::to_string(getpid()) + ".tsv";
    std::filesystem::copy_file(ORVANE_SOURCE_DIR "/data/places.tsv", copy,
                               std::filesystem::copy_options::overwrite_existing);
    PlaceTable table;
    std::string error;
    ASSERT_TRUE(table.Load(copy, indexFolder, &error)) << error;
    ASSERT_EQ(::truncate(copy.c_str(), 1000), 0);
    std::size_t letters = 0;
    for (std::size_t i = 0; i < table.size(); ++i) letters += table.at(i).name.size() + table.at(i).zone.size();
    EXPECT_GT(letters, table.size());
    EXPECT_FALSE(table.Search("chennai", 3).empty());
    std::filesystem::remove(copy);
  }
  std::filesystem::remove_all(folder);
}

// Everything a search and a place show, for comparing two loads.
std::string Listing(const PlaceTable& table, const std::vector<const char*>& queries) {
  std::string out;
  for (const char* query : queries) {
    out += query;
    for (const std::size_t i : table.Search(query, 30)) {
      const Place p = table.at(i);
      out += "|" + std::to_string(i) + " " + PlaceLabel(p) + " " + std::string(p.countryName) + " " +
             std::string(p.zone) + " " + std::to_string(p.latitude) + " " + std::to_string(p.longitude) + " " +
             std::to_string(p.population);
    }
    out += "\n";
  }
  return out;
}

struct TempFolder {
  std::string path = ::testing::TempDir() + "place_index_" + std::to_string(getpid()) + "_" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name();
  TempFolder() { std::filesystem::remove_all(path); }
  ~TempFolder() { std::filesystem::remove_all(path); }
  std::vector<std::filesystem::path> Files() const {
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(path, ec)) files.push_back(entry.path());
    return files;
  }
};

// The index is written on the first load and read on the next: both answer
// every query alike, to the place numbers.
TEST(PlaceIndex, AnswersAsTheParsedTable) {
  TempFolder folder;
  const std::vector<const char*> queries = {"chenn", "s",        "sao paulo",   "london, ky", "madras",
                                            "bombay", "new york, us", "lodz", "zurich", "xqzzyq"};
  PlaceTable parsed, indexed;
  std::string error;
  ASSERT_TRUE(parsed.Load(ORVANE_SOURCE_DIR "/data/places.tsv", folder.path, &error)) << error;
  EXPECT_FALSE(parsed.fromIndex());
  ASSERT_EQ(folder.Files().size(), 1u);  // the index, and no file left half-written
  ASSERT_TRUE(indexed.Load(ORVANE_SOURCE_DIR "/data/places.tsv", folder.path, &error)) << error;
  EXPECT_TRUE(indexed.fromIndex());
  EXPECT_EQ(indexed.size(), parsed.size());
  EXPECT_EQ(Listing(indexed, queries), Listing(parsed, queries));
  EXPECT_EQ(indexed.Fold("  MÜNCHEN-Ost "), parsed.Fold("  MÜNCHEN-Ost "));

  // A table listed out of order keeps its order in the index too.
  const std::string small = folder.path + "/small.tsv";
  {
    std::FILE* f = std::fopen(small.c_str(), "w");
    ASSERT_NE(f, nullptr);
    std::fputs(kSmallTable, f);
    std::fclose(f);
  }
  ASSERT_TRUE(parsed.Load(small, folder.path, &error)) << error;
  ASSERT_TRUE(indexed.Load(small, folder.path, &error)) << error;
  EXPECT_TRUE(indexed.fromIndex());
  EXPECT_EQ(Listing(indexed, {"mu", "munich, bavaria", "ohr"}), Listing(parsed, {"mu", "munich, bavaria", "ohr"}));
}

// An index that no longer describes its table, or is damaged, is never
// trusted as it is: the table is read again (and the index rewritten), and a
// damaged record reads as an empty name, never outside the file.
TEST(PlaceIndex, StaleOrDamagedIndexIsNotTrusted) {
  TempFolder folder;
  const std::string tsv = folder.path + "/places.tsv";
  std::filesystem::create_directories(folder.path);
  auto write = [&](const std::string& text) {
    std::FILE* f = std::fopen(tsv.c_str(), "w");
    ASSERT_NE(f, nullptr);
    std::fputs(text.c_str(), f);
    std::fclose(f);
  };
  auto indexFile = [&] {
    for (const auto& p : folder.Files()) {
      if (p.extension() == ".idx") return p.string();
    }
    return std::string();
  };
  PlaceTable table;
  std::string error;
  write(kSmallTable);
  ASSERT_TRUE(table.Load(tsv, folder.path, &error)) << error;
  ASSERT_TRUE(table.Load(tsv, folder.path, &error)) << error;
  ASSERT_TRUE(table.fromIndex());

  // The table changed: its new place is found.
  write(std::string(kSmallTable) + "Aachen\t0\t50776\t6084\t\t249070\n");
  ASSERT_TRUE(table.Load(tsv, folder.path, &error)) << error;
  EXPECT_FALSE(table.fromIndex());
  ASSERT_EQ(table.Search("aach", 5).size(), 1u);
  ASSERT_TRUE(table.Load(tsv, folder.path, &error)) << error;
  EXPECT_TRUE(table.fromIndex());
  ASSERT_EQ(table.Search("aach", 5).size(), 1u);

  // Cut short, or its header damaged: read again.
  const std::string index = indexFile();
  ASSERT_FALSE(index.empty());
  const auto fullSize = std::filesystem::file_size(index);
  for (const std::uintmax_t cut : {fullSize / 2, std::uintmax_t{100}, std::uintmax_t{0}}) {
    ASSERT_TRUE(table.Load(tsv, folder.path, &error));  // restores the index
    ASSERT_EQ(::truncate(index.c_str(), static_cast<off_t>(cut)), 0);
    ASSERT_TRUE(table.Load(tsv, folder.path, &error)) << error;
    EXPECT_FALSE(table.fromIndex()) << cut;
    EXPECT_EQ(table.at(table.Search("aach", 5).at(0)).name, "Aachen");
  }

  // The places and the other spellings overwritten (the header gives each run
  // of records its offset and count at byte 48 + 16 * run; places are run 5,
  // other spellings run 7): the index is taken, and whatever is read of it
  // stays inside it.
  ASSERT_TRUE(table.Load(tsv, folder.path, &error));
  {
    std::FILE* f = std::fopen(index.c_str(), "r+b");
    ASSERT_NE(f, nullptr);
    for (const long run : {5, 7}) {
      std::uint64_t where[2] = {};
      std::fseek(f, 48 + 16 * run, SEEK_SET);
      ASSERT_EQ(std::fread(where, sizeof where, 1, f), 1u);
      const std::uint64_t width = run == 5 ? 24 : 12;
      std::fseek(f, static_cast<long>(where[0]), SEEK_SET);
      for (std::uint64_t i = 0; i < where[1] * width; ++i) std::fputc(i % 5 == 0 ? 0x7F : 0xFF, f);
    }
    std::fclose(f);
  }
  PlaceTable damaged;
  ASSERT_TRUE(damaged.Load(tsv, folder.path, &error)) << error;
  EXPECT_TRUE(damaged.fromIndex());
  for (std::size_t i = 0; i < damaged.size(); ++i) (void)PlaceLabel(damaged.at(i));
  for (const char* q : {"a", "m", "mu", "\xFF", "munich, bavaria"}) (void)damaged.Search(q, 10);

  // A folder that cannot hold the index: the table still loads.
  ASSERT_TRUE(table.Load(tsv, tsv + "/not-a-folder", &error)) << error;
  EXPECT_FALSE(table.fromIndex());
}

}  // namespace
}  // namespace orvane
