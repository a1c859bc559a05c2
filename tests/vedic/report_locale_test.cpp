// The report text is the same bytes whatever locale the program linking the
// core has set: a German locale (decimal comma) changes no number.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "tests/common/chart_with_report.h"
#include "compute/pipeline.h"
#include "compute/collection.h"
#include "report/sections.h"

namespace orvane {
namespace {

// Every section of a natal, a Tajaka and a mundane chart, and the
// collected texts of the copy commands.
std::vector<std::string> AllTexts() {
  const Settings settings;
  const BirthData birth{4, 4, 1970, 17.5, -5.30, -81.12, 16.15};
  std::vector<std::string> texts;
  for (int kind = 0; kind < 3; ++kind) {
    for (const ReportSectionInfo& s : kReportSections) {
      auto state = std::make_unique<testing_support::ChartWithReport>();
      if (kind == 1) {
        state->options.tajakaMode = 1;
        state->options.tajakaYear = 2001;
      } else if (kind == 2) {
        state->options.mundane = 1;
        state->options.mundaneDays = 30.5;
      }
      state->options.textChartRasiNavamsa = s.number == 41;
      EXPECT_TRUE(ComputeChartFromBirth(*state, settings, birth, s.number, &state->report));
      texts.emplace_back(state->report.Text());
    }
    auto state = std::make_unique<testing_support::ChartWithReport>();
    EXPECT_TRUE(ComputeChartFromBirth(*state, settings, birth));
    texts.push_back(BuildCollectionText(*state, settings, CollectionSet::kComplete).text);
  }
  return texts;
}

class GermanLocale {
 public:
  GermanLocale() : saved_(std::setlocale(LC_ALL, nullptr)) { ok_ = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr; }
  ~GermanLocale() { std::setlocale(LC_ALL, saved_.c_str()); }
  bool ok() const { return ok_; }

 private:
  std::string saved_;
  bool ok_ = false;
};

TEST(ReportLocale, GermanLocaleChangesNoByte) {
  const std::vector<std::string> plain = AllTexts();
  std::vector<std::string> german;
  {
    const GermanLocale locale;
    ASSERT_TRUE(locale.ok()) << "the locale de_DE.UTF-8 is missing (scripts/deps.sh generates it)";
    // The locale is in force: the C library itself writes a decimal comma.
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 0.5);
    ASSERT_STREQ(probe, "0,5");
    german = AllTexts();
  }
  ASSERT_EQ(plain.size(), german.size());
  for (std::size_t i = 0; i < plain.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(plain[i], german[i]);
  }
  // The numbers are there to be changed: the basic information has decimals.
  EXPECT_NE(plain[4].find('.'), std::string::npos);
}

}  // namespace
}  // namespace orvane
