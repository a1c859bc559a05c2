#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "io/chart_file.h"
#include "compute/collection.h"

namespace orvane {
namespace {

constexpr BirthData kChennai{4, 4, 1970, 17.5, -5.30, -80.17, 13.05};

TEST(ChartLabels, WrittenAfterTheSevenNumbersAndReadBack) {
  const ChartLabels cases[] = {
      {"Ravi Kumar", "Chennai, Tamil Nadu, IN", "Asia/Kolkata"},
      {"", "São Paulo, São Paulo, BR", "America/Sao_Paulo"},
      {"Anna", "", ""},
      {"", "", ""},
  };
  for (const ChartLabels& labels : cases) {
    SCOPED_TRACE(labels.name + "|" + labels.place);
    const std::string file = FormatChartDataFile(kChennai) + FormatChartLabels(labels);
    const ChartValidation read = ValidateChartImage(file);
    ASSERT_TRUE(read.ok) << read.message;
    EXPECT_EQ(FormatChartDataFile(read.birth), FormatChartDataFile(kChennai));
    EXPECT_EQ(ReadChartLabels(file), labels);
    // A reader that takes only the first seven numbers, as "%lf" seven times.
    double v[7] = {};
    ASSERT_EQ(std::sscanf(file.c_str(), "%lf%lf%lf%lf%lf%lf%lf", &v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6]), 7);
    EXPECT_EQ(v[4], -5.30);
    EXPECT_EQ(v[6], 13.05);
  }
  EXPECT_EQ(FormatChartLabels({"Ravi Kumar", "Chennai, Tamil Nadu, IN", "Asia/Kolkata"}),
            "Name: Ravi Kumar\nPlace: Chennai, Tamil Nadu, IN\nZone: Asia/Kolkata\n");
  EXPECT_EQ(FormatChartLabels({}), "");
}

TEST(ChartLabels, ReadFromAnyFileThatValidates) {
  struct Case {
    const char* image;
    ChartLabels labels;
  };
  const Case cases[] = {
      {"4\n4\n1970\n17.5000\n-5.30\n-81.12\n16.15", {}},    // the start-up chart, no final line end
      {"4\n4\n1970\n17.5000\n-5.30\n-81.12\n16.15\n", {}},  // an existing file
      {"4\r\n4\r\n1970\r\n17.5\r\n-5.3\r\n-80.17\r\n13.05\r\nName: Ravi\r\nPlace:  Chennai \r\n", {"Ravi", "Chennai", ""}},
      {"4 4 1970 17.5 -5.3 -80.17 13.05\nnotes\nZone: Asia/Kolkata\nName:\n", {"", "", "Asia/Kolkata"}},
      {"4\n4\n1970\n17.5\n-5.3\n-80.17\nName: not a number\n", {}},  // six numbers: no labels
      {"4\n4\n1970\n17.5\n-5.3\n-80.17\n13.05 Name: on the number's line\n", {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadChartLabels(c.image), c.labels) << c.image;
  }
}

// The engine's label is set or removed without touching any other byte of
// the file, and always goes last.
TEST(ChartLabels, EphemerisLabelIsSetAloneAndLast) {
  struct Case {
    const char* name;
    std::string image;
    std::string value;
    std::string expected;
  };
  const std::string seven = "4\n4\n1970\n17.5000\n-5.30\n-81.12\n16.15";
  const Case cases[] = {
      {"no final line end", seven, "swiss", seven + "\nEphemeris: swiss\n"},
      {"after the labels", seven + "\nName: Ravi\nZone: Asia/Kolkata\n", "swiss",
       seven + "\nName: Ravi\nZone: Asia/Kolkata\nEphemeris: swiss\n"},
      {"replaced", seven + "\nEphemeris: swiss\nName: Ravi\n", "classic",
       seven + "\nName: Ravi\nEphemeris: classic\n"},
      {"removed", seven + "\nEphemeris: swiss\nnotes\n", "", seven + "\nnotes\n"},
      {"CR LF and odd numbers kept", "4\r\n4\r\n1970\r\n17.5\r\n-5.3\r\n-80.17\r\n13.05\r\nName: Ravi\r\n", "swiss",
       "4\r\n4\r\n1970\r\n17.5\r\n-5.3\r\n-80.17\r\n13.05\r\nName: Ravi\r\nEphemeris: swiss\n"},
      {"fewer than seven numbers", "4\n4\n1970\n", "swiss", "4\n4\n1970\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string out = WithEphemerisLabel(c.image, c.value);
    EXPECT_EQ(out, c.expected);
    if (ValidateChartImage(c.image).ok) {
      EXPECT_EQ(ReadEphemerisLabel(out), c.value);
      EXPECT_EQ(ReadChartLabels(out), ReadChartLabels(c.image));
      EXPECT_EQ(FormatChartDataFile(ValidateChartImage(out).birth), FormatChartDataFile(ValidateChartImage(c.image).birth));
    }
  }
}

TEST(ChartLabels, CleanedToOneBoundedLine) {
  EXPECT_EQ(CleanChartLabel("  Ravi\tKumar\n"), "Ravi Kumar");
  EXPECT_EQ(CleanChartLabel("a\rb\x7f" "c"), "a b c");
  EXPECT_EQ(CleanChartLabel("   "), "");
  // Cut at the limit, never inside a character: 199 ASCII bytes and a
  // two-byte "ã" would make 201.
  const std::string longName = std::string(199, 'x') + "ã";
  EXPECT_EQ(CleanChartLabel(longName), std::string(199, 'x'));
  const std::string file = FormatChartDataFile(kChennai) + FormatChartLabels({"Line\nZone: injected", "", ""});
  EXPECT_EQ(ReadChartLabels(file), (ChartLabels{"Line Zone: injected", "", ""}));
}

TEST(ChartLabels, CopiesHeaderNamesThePersonAndPlaceOnlyWhenGiven) {
  EXPECT_EQ(CollectionSubject({}), "");
  EXPECT_EQ(CollectionSubject({"", "", "Asia/Kolkata"}), "");
  EXPECT_EQ(CollectionSubject({"Ravi Kumar", "Chennai, Tamil Nadu, IN", "Asia/Kolkata"}),
            "Name:  Ravi Kumar\nPlace: Chennai, Tamil Nadu, IN\n\n");
  // The names are UTF-8, whatever their script.
  EXPECT_EQ(CollectionSubject({"José", "São Paulo, Łódź", ""}), "Name:  José\nPlace: São Paulo, Łódź\n\n");
  EXPECT_EQ(CollectionSubject({"रवि", "", ""}), "Name:  रवि\n\n");
}

// Labels are valid UTF-8 that cannot drive a terminal or reorder a line:
// bytes that are not UTF-8 (an overlong "/" too) become U+FFFD; C1 controls
// and the bidirectional overrides become blanks.
TEST(ChartLabels, LabelsAreValidUtf8WithoutControls) {
  struct Case {
    const char* in;
    const char* out;
  };
  const Case cases[] = {
      {"a\xff" "b", "a\uFFFD" "b"},
      {"x\xc0\xaf" "y", "x\uFFFD\uFFFD" "y"},
      {"cut \xe0\xa4", "cut \uFFFD\uFFFD"},
      {"csi\u009B" "31m", "csi 31m"},
      {"abc\u202E" "fdp.exe", "abc fdp.exe"},
      {"São Paulo", "São Paulo"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.in);
    EXPECT_EQ(CleanChartLabel(c.in), c.out);
    EXPECT_EQ(CollectionSubject({c.in, "", ""}), std::string("Name:  ") + c.out + "\n\n");
  }
}

}  // namespace
}  // namespace orvane
