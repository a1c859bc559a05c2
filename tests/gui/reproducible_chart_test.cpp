// A chart's results depend only on its birth data and settings: the desktop
// program shows what orvane-cli prints for the same chart, on the first
// screen and after any switching of screens and charts.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "modal_driver.h"
#include "view_fixture.h"

namespace orvane::testing {
namespace {

using ReproducibleChartTest = ViewFixture;

std::string CliOutput(const std::string& args) {
  std::string out;
  std::FILE* pipe = popen((std::string(ORVANE_CLI_PATH) + " " + args).c_str(), "r");
  if (!pipe) return out;
  char buf[4096];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0) out.append(buf, n);
  pclose(pipe);
  return out;
}

TEST_F(ReproducibleChartTest, TajakaAnnualChartShowsTheSameTextOnEveryScreenAndAsOrvaneCli) {
  ChartView* view = OpenDefaultChart(0, "charts/reproducible.orv");
  ASSERT_NE(view, nullptr);
  ModalDriver driver;
  AcceptAnnualChart(driver, "2026");
  view->OnTajakaChart();
  ASSERT_TRUE(view->tajakaMode());

  // The two-chart screen ends with the basic information (section 4).
  ASSERT_EQ(view->screen(), kScreenTwoCharts);
  Draw(*view);
  const QString first = view->ScreenText();
  ASSERT_TRUE(first.contains(QStringLiteral("Time of New Year"))) << first.toStdString();

  using Command = void (ChartView::*)();
  const Command screens[] = {&ChartView::OnSahams, &ChartView::OnMudda, &ChartView::OnShadbala,
                             &ChartView::OnMiscellaneous, &ChartView::OnPatyayini};
  for (int round = 0; round < 2; ++round) {
    for (Command screen : screens) {
      (view->*screen)();
      Draw(*view);
    }
    view->OnSelectTwoCharts();
    ASSERT_EQ(view->screen(), kScreenTwoCharts);
    Draw(*view);
    EXPECT_EQ(view->ScreenText(), first) << "round " << round;
  }

  // Back to the birth chart, a natal screen, and the annual chart again.
  view->OnBackToBirthChart();
  Draw(*view);
  view->OnVimsottari();
  Draw(*view);
  AcceptAnnualChart(driver, "2026");
  view->OnTajakaChart();
  view->OnSelectTwoCharts();
  Draw(*view);
  EXPECT_EQ(view->ScreenText(), first);

  const std::string chart = Home(QStringLiteral("charts/reproducible.orv")).toStdString();
  const std::string cli = CliOutput("--settings '" + paths_.settingsFile.toStdString() +
                                    "' --tajaka 2026 --section 4 '" + chart + "'");
  // The screen's text is every block, the planet table first; the basic
  // information closes it.
  ASSERT_FALSE(cli.empty());
  EXPECT_TRUE(first.toStdString().ends_with(cli)) << first.toStdString() << "\n---\n" << cli;
}

}  // namespace
}  // namespace orvane::testing
