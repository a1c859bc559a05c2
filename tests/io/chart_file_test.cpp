#include "io/chart_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

#include "io_test_support.h"

namespace orvane {
namespace {

using testing_io::CommaLocale;
using testing_io::ScratchFolder;

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void Put(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

// Names in a folder other than the ones a test put there: leftover
// temporary files.
std::vector<std::string> Entries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

TEST(ValidateChartImage, AcceptsWellFormedFiles) {
  struct Case {
    const char* name;
    std::string_view image;
    BirthData expected;
  };
  const Case cases[] = {
      {"start-up default without final line end", kStartupDefaultChart, {4, 4, 1970, 17.5, -5.3, -81.12, 16.15}},
      {"CR LF line ends", "4\r\n4\r\n1970\r\n17.5000\r\n-5.30\r\n-81.12\r\n16.15\r\n",
       {4, 4, 1970, 17.5, -5.3, -81.12, 16.15}},
      {"one line, tabs, words after the seventh", "4\t4 1970  17.5 -5.3 -81.12 16.15 notes: born at home\n",
       {4, 4, 1970, 17.5, -5.3, -81.12, 16.15}},
      {"lower bounds", "1 1 -2999 -24 -24 -180 -180", {1, 1, -2999, -24, -24, -180, -180}},
      {"upper bounds", "12 31 2999 24 24 180 180", {12, 31, 2999, 24, 24, 180, 180}},
      {"signs and bare points", "+4 4. 1970 .5 -.5 0 -0", {4, 4, 1970, 0.5, -0.5, 0, 0}},
      {"seventh ends a longer text", "4 4 1970 17.5 -5.3 -81.12 16.15 17.50.30 nan", {4, 4, 1970, 17.5, -5.3, -81.12, 16.15}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ChartValidation v = ValidateChartImage(c.image);
    ASSERT_TRUE(v.ok) << v.message;
    EXPECT_EQ(v.message, "");
    EXPECT_EQ(v.birth.month, c.expected.month);
    EXPECT_EQ(v.birth.day, c.expected.day);
    EXPECT_EQ(v.birth.year, c.expected.year);
    EXPECT_EQ(v.birth.time, c.expected.time);
    EXPECT_EQ(v.birth.zone, c.expected.zone);
    EXPECT_EQ(v.birth.longitude, c.expected.longitude);
    EXPECT_EQ(v.birth.latitude, c.expected.latitude);
  }
}

TEST(ValidateChartImage, RefusesMalformedOrOutOfRangeFiles) {
  struct Case {
    const char* name;
    std::string image;
    const char* messagePart;  // the field the message must name
  };
  const Case cases[] = {
      {"year 3000 (the dialog's bound is not the file's)", "4 4 3000 17.5 -5.3 -81.12 16.15", "year"},
      {"year -3000", "4 4 -3000 17.5 -5.3 -81.12 16.15", "year"},
      {"month 0", "0 4 1970 17.5 -5.3 -81.12 16.15", "month"},
      {"month 13", "13 4 1970 17.5 -5.3 -81.12 16.15", "month"},
      {"day 0", "4 0 1970 17.5 -5.3 -81.12 16.15", "day"},
      {"day 32", "4 32 1970 17.5 -5.3 -81.12 16.15", "day"},
      {"time past 24", "4 4 1970 24.0001 -5.3 -81.12 16.15", "time"},
      {"zone below -24", "4 4 1970 17.5 -24.5 -81.12 16.15", "zone"},
      {"longitude past 180", "4 4 1970 17.5 -5.3 180.01 16.15", "longitude"},
      {"latitude below -180", "4 4 1970 17.5 -5.3 -81.12 -180.5", "latitude"},
      {"nan", "4 4 1970 nan -5.3 -81.12 16.15", "time"},
      {"inf", "4 4 inf 17.5 -5.3 -81.12 16.15", "year"},
      {"negative infinity", "4 4 1970 17.5 -inf -81.12 16.15", "zone"},
      {"hexadecimal", "0x4 4 1970 17.5 -5.3 -81.12 16.15", "month"},
      {"exponent", "4 4 1.97e3 17.5 -5.3 -81.12 16.15", "year"},
      {"run-together numbers", "4 4 1970 17.50.30 -5.3 -81.12 16.15", "time"},
      {"decimal comma", "4 4 1970 17,50 -5,30 -81,12 16,15", "time"},
      {"six numbers", "4 4 1970 17.5 -5.3 -81.12", "seven"},
      {"empty", "", "seven"},
      {"text without numbers", "Dear diary, today nothing happened.\n", "month"},
      {"NUL inside a number", std::string("4 4 19") + '\0' + "70 17.5 -5.3 -81.12 16.15", "year"},
      {"a number too large for a double", "4 4 1" + std::string(400, '0') + " 17.5 -5.3 -81.12 16.15", "year"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ChartValidation v = ValidateChartImage(c.image);
    EXPECT_FALSE(v.ok);
    EXPECT_NE(v.message.find(c.messagePart), std::string::npos) << v.message;
    EXPECT_EQ(v.message.find('\n'), std::string::npos) << "one line";
  }
}

TEST(FormatChartDataFile, WritesTheSevenLines) {
  struct Case {
    const char* name;
    BirthData birth;
    const char* expected;
  };
  const Case cases[] = {
      {"start-up chart", {4, 4, 1970, 17.5, -5.3, -81.12, 16.15}, "4\n4\n1970\n17.5000\n-5.30\n-81.12\n16.15\n"},
      {"date truncated toward zero", {4.9, 30.99, -1999.7, 0.3, 0, 0.1, -0.1},
       "4\n30\n-1999\n0.3000\n0.00\n0.10\n-0.10\n"},
      {"bounds", {12, 31, -2999, -24, 24, -180, 180}, "12\n31\n-2999\n-24.0000\n24.00\n-180.00\n180.00\n"},
      {"a date that is not a number stays bounded", {std::nan(""), 1e300, -1e300, 12.3, 0, 0, 0},
       "0\n0\n0\n12.3000\n0.00\n0.00\n0.00\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FormatChartDataFile(c.birth), c.expected);
  }
}

// A file the program writes reads back to the values it stands for.
TEST(FormatChartDataFile, RoundTripsThroughValidation) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> year(-2999, 2999), month(1, 12), day(1, 31), hundredths(-2400, 2400),
      lon(-18000, 18000), ten_thousandths(-240000, 240000);
  for (int i = 0; i < 5000; ++i) {
    const BirthData b{double(month(random)),        double(day(random)),   double(year(random)),
                      ten_thousandths(random) / 1e4, hundredths(random) / 1e2, lon(random) / 1e2,
                      lon(random) / 1e2};
    const std::string text = FormatChartDataFile(b);
    const ChartValidation v = ValidateChartImage(text);
    ASSERT_TRUE(v.ok) << text << v.message;
    EXPECT_EQ(FormatChartDataFile(v.birth), text);
    EXPECT_NEAR(v.birth.time, b.time, 1e-12);
    EXPECT_NEAR(v.birth.latitude, b.latitude, 1e-12);
  }
}

// Under a decimal-comma locale the files keep their decimal point, both
// ways.
TEST(ChartFileLocale, CommaLocaleChangesNothing) {
  CommaLocale locale;
  if (!locale.active()) GTEST_SKIP() << "de_DE.UTF-8 locale not installed";
  char probe[16];
  std::snprintf(probe, sizeof probe, "%.2f", 17.5);
  ASSERT_STREQ(probe, "17,50") << "the locale must really use a decimal comma";
  const BirthData b{4, 4, 1970, 17.5, -5.3, -81.12, 16.15};
  EXPECT_EQ(FormatChartDataFile(b), "4\n4\n1970\n17.5000\n-5.30\n-81.12\n16.15\n");
  const ChartValidation v = ValidateChartImage(kStartupDefaultChart);
  ASSERT_TRUE(v.ok) << v.message;
  EXPECT_EQ(v.birth.longitude, -81.12);
  EXPECT_EQ(v.birth.time, 17.5);
}

class ChartFileOnDisk : public ::testing::Test {
 protected:
  ScratchFolder folder_;
};

TEST_F(ChartFileOnDisk, ReadsBytesUnchangedUpToTheLimit) {
  const std::string crlf = std::string("4\r\n4\r\n1970\r\n17.5000\r\n-5.30\r\n-81.12\r\n16.15\r\n") + '\0' + "tail";
  Put(folder_.File("a.orv"), crlf);
  std::string bytes = "stale";
  std::string error;
  ASSERT_TRUE(ReadChartImage(folder_.File("a.orv"), bytes, &error)) << error;
  EXPECT_EQ(bytes, crlf);

  const std::string full(kChartImageLimit, ' ');
  Put(folder_.File("full.orv"), full);
  ASSERT_TRUE(ReadChartImage(folder_.File("full.orv"), bytes, &error)) << error;
  EXPECT_EQ(bytes.size(), kChartImageLimit);
}

TEST_F(ChartFileOnDisk, RefusesWhatIsNotAChartFile) {
  Put(folder_.File("big.orv"), std::string(kChartImageLimit + 1, '1'));
  std::filesystem::create_directory(folder_.File("folder.orv"));
  ASSERT_EQ(::mkfifo(folder_.File("pipe.orv").c_str(), 0600), 0);
  for (const char* name : {"big.orv", "folder.orv", "pipe.orv", "missing.orv"}) {
    SCOPED_TRACE(name);
    std::string bytes = "stale";
    std::string error;
    EXPECT_FALSE(ReadChartImage(folder_.File(name), bytes, &error));  // the pipe must not block
    EXPECT_TRUE(bytes.empty());
    EXPECT_NE(error.find(name), std::string::npos) << error;
  }
}

TEST_F(ChartFileOnDisk, WriteReplacesWholeAndKeepsPermissions) {
  const std::string path = folder_.File("chart.orv");
  std::string error;
  ASSERT_TRUE(WriteFileAtomic(path, kStartupDefaultChart, &error)) << error;
  EXPECT_EQ(Slurp(path), kStartupDefaultChart);
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  ASSERT_TRUE(WriteFileAtomic(path, "1\n2\n3\n", &error)) << error;
  EXPECT_EQ(Slurp(path), "1\n2\n3\n");
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  ASSERT_TRUE(WriteFileAtomic(path, "", &error)) << error;
  EXPECT_EQ(Slurp(path), "");
  EXPECT_EQ(Entries(folder_.path()), std::vector<std::string>{"chart.orv"});
}

TEST_F(ChartFileOnDisk, WriteThroughALinkReplacesTheLinkedFile) {
  const std::string real = folder_.File("real.orv");
  const std::string link = folder_.File("link.orv");
  Put(real, "old");
  std::filesystem::create_symlink(real, link);
  std::string error;
  ASSERT_TRUE(WriteFileAtomic(link, "new", &error)) << error;
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(Slurp(real), "new");
}

TEST_F(ChartFileOnDisk, FailedWritesAreReportedAndKeepTheOldFile) {
  // A folder that does not exist.
  std::string error;
  EXPECT_FALSE(WriteFileAtomic(folder_.File("no-such-folder/chart.orv"), "x", &error));
  EXPECT_NE(error.find("no-such-folder/chart.orv"), std::string::npos) << error;

  // The rename cannot replace a folder: the old entry stays, no temporary
  // file is left behind.
  const std::string folderTarget = folder_.File("taken");
  std::filesystem::create_directory(folderTarget);
  Put(folderTarget + "/inside", "kept");
  error.clear();
  EXPECT_FALSE(WriteFileAtomic(folderTarget, "x", &error));
  EXPECT_NE(error.find("replacing"), std::string::npos) << error;
  EXPECT_EQ(Slurp(folderTarget + "/inside"), "kept");
  EXPECT_EQ(Entries(folder_.path()), std::vector<std::string>{"taken"});
}

// A full disk, simulated with a file-size limit in a child process: the
// write fails part way, is reported, and the old file is untouched.
TEST_F(ChartFileOnDisk, FullDiskKeepsTheOldFile) {
  const std::string path = folder_.File("chart.orv");
  Put(path, std::string(kStartupDefaultChart));
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = 16;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::string error;
    const bool ok = WriteFileAtomic(path, std::string(4096, '7'), &error);
    const bool reported = error.find("writing") != std::string::npos && error.find(path) != std::string::npos;
    ::_exit(ok ? 1 : reported ? 0 : 2);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "1: reported success, 2: error text missing";
  EXPECT_EQ(Slurp(path), kStartupDefaultChart);
  EXPECT_EQ(Entries(folder_.path()), std::vector<std::string>{"chart.orv"});
}

}  // namespace
}  // namespace orvane
