// The yoga window: the chart's yogas by family, why each holds, and its
// planets picked out in the chart window's diagrams while it is chosen.
#include <gtest/gtest.h>

#include <QDir>
#include <QPlainTextEdit>
#include <QTreeWidget>

#include "app/yoga_window.h"
#include "display/colours.h"
#include "view_fixture.h"

namespace orvane::testing {
namespace {

class YogaWindowTest : public ViewFixture {};

QStringList TopLevel(QTreeWidget& tree) {
  QStringList names;
  for (int i = 0; i < tree.topLevelItemCount(); ++i) names << tree.topLevelItem(i)->text(0);
  return names;
}

TEST_F(YogaWindowTest, ListsTheYogasAndPicksOutTheirPlanets) {
  ChartView* view = OpenDefaultChart();
  ASSERT_NE(view, nullptr);
  const int highlighted = CountColour(Draw(*view), QPolygonF(QRectF(0, 0, 1300, 1000)), ColourFromBgr(kHighlightColour), 10);
  EXPECT_EQ(highlighted, 0);

  view->OnYogas();
  YogaWindow* window = view->yogaWindow();
  ASSERT_NE(window, nullptr);
  // The default chart (Gemini lagna): the planets beside the Sun in Aries
  // (Vesi), the Kemadruma that Jupiter's aspect cancels, lords in aspect.
  const QStringList families = TopLevel(*window->tree());
  EXPECT_TRUE(families.contains(QStringLiteral("Solar"))) << families.join(u',').toStdString();
  EXPECT_TRUE(families.contains(QStringLiteral("Raja"))) << families.join(u',').toStdString();
  ASSERT_TRUE(window->Select("vesi"));
  const QString details = window->details()->toPlainText();
  EXPECT_TRUE(details.contains(QStringLiteral("Mars, Mercury, Venus and Saturn in Aries, the 2nd from the Sun")))
      << details.toStdString();
  EXPECT_TRUE(details.contains(QStringLiteral("Saturn debilitated in Aries")));
  for (const int slot : {kSun, kMars, kMercury, kVenus, kSaturn}) EXPECT_TRUE(view->highlighted()[slot]) << slot;
  EXPECT_FALSE(view->highlighted()[kMoon]);
  EXPECT_GT(CountColour(Draw(*view), QPolygonF(QRectF(0, 0, 1300, 1000)), ColourFromBgr(kHighlightColour), 10), 0);

  ASSERT_TRUE(window->Select("kemadruma"));
  EXPECT_TRUE(window->details()->toPlainText().contains(QStringLiteral("cancelled: Moon in Aquarius aspected by Jupiter")));
  EXPECT_TRUE(view->highlighted()[kMoon]);
  EXPECT_FALSE(view->highlighted()[kSun]);

  window->close();
  EXPECT_EQ(view->highlighted(), (std::array<bool, kSlotCount>{}));
}

TEST_F(YogaWindowTest, SavePicturesForReview) {
  const QString folder = qEnvironmentVariable("ORVANE_SHOT_DIR");
  if (folder.isEmpty()) GTEST_SKIP() << "set ORVANE_SHOT_DIR to write the pictures";
  QDir().mkpath(folder);
  ChartView* view = OpenDefaultChart();
  ASSERT_NE(view, nullptr);
  view->OnYogas();
  YogaWindow* window = view->yogaWindow();
  ASSERT_NE(window, nullptr);
  window->Select("vesi");
  EXPECT_TRUE(window->grab().save(folder + QStringLiteral("/yogas_window.png")));
  EXPECT_TRUE(Draw(*view).save(folder + QStringLiteral("/yogas_chart_highlight.png")));
  window->resize(800 - 40, 600 - 60);
  EXPECT_TRUE(window->grab().save(folder + QStringLiteral("/yogas_window_800x600.png")));
}

}  // namespace
}  // namespace orvane::testing
