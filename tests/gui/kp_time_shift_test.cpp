// The KP and houses window (cusps, lords, significators, the bhava chalit
// chart, horary numbers) and the birth-time window (sensitivity and the
// time-shift control that recasts the chart).
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>

#include "app/chart_square.h"
#include "app/kp_window.h"
#include "app/time_shift_window.h"
#include "compute/chart.h"
#include "compute/houses.h"
#include "compute/sensitivity.h"
#include "vedic/kp.h"
#include "view_fixture.h"

namespace orvane::testing {
namespace {

class KpTimeShiftTest : public ViewFixture {};

TEST_F(KpTimeShiftTest, KpWindowTablesChalitAndHorary) {
  ChartView* view = OpenDefaultChart();
  ASSERT_NE(view, nullptr);
  view->OnKp();
  KpWindow* w = view->kpWindow();
  ASSERT_NE(w, nullptr);
  ASSERT_EQ(w->cuspTable()->rowCount(), 12);
  ASSERT_EQ(w->planetTable()->rowCount(), 9);
  ASSERT_EQ(w->houseSignificatorTable()->rowCount(), 12);
  // Each house's fourth-level significator is its cusp's sign lord.
  for (int h = 0; h < 12; ++h) {
    EXPECT_EQ(w->houseSignificatorTable()->item(h, 4)->text(), w->cuspTable()->item(h, 2)->text()) << h;
  }
  // The chalit chart puts each graha in the sign that counts its bhava from
  // the lagna's sign.
  const Chart chart(view->chart());
  const ChartDrawInput& chalit = w->chalit()->input();
  EXPECT_EQ(chalit.title, QStringLiteral("Bhava Chalit (Placidus)"));
  for (int i = 0; i < kGrahaCount; ++i) {
    const int house = w->planetTable()->item(i, 2)->text().toInt();
    ASSERT_GE(house, 1);
    EXPECT_EQ(chalit.sign[static_cast<std::size_t>(SlotOf(BodyAt(i)))],
              WrapToSign(ToInt(chart.AscendantSign()) + house - 1)) << i;
  }
  // Whole-sign houses: every graha's bhava is its sign's house.
  w->systemBox()->setCurrentIndex(static_cast<int>(HouseSystem::kWholeSign));
  for (int i = 0; i < kGrahaCount; ++i) {
    EXPECT_EQ(w->planetTable()->item(i, 2)->text().toInt(), chart.SignHouse(BodyAt(i))) << i;
  }
  // A horary number: the first cusp is its sub's start, the system box off.
  w->horaryBox()->setValue(100);
  EXPECT_FALSE(w->systemBox()->isEnabled());
  EXPECT_EQ(w->cuspTable()->item(0, 1)->text(), QStringLiteral("24 Le 00'00\""));
  EXPECT_EQ(w->cuspTable()->item(0, 4)->text(), QStringLiteral("Mercury"));
  w->horaryBox()->setValue(0);
  EXPECT_TRUE(w->systemBox()->isEnabled());
  EXPECT_TRUE(w->message()->isHidden());
}

TEST_F(KpTimeShiftTest, TimeShiftRecastsTheChartAndComesBack) {
  ChartView* view = OpenDefaultChart();
  ASSERT_NE(view, nullptr);
  const BirthData start = view->chart().birth;
  view->OnTimeShift();
  TimeShiftWindow* w = view->timeShiftWindow();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->table()->rowCount(), 27);  // 15 points and 12 cusp sub lords
  EXPECT_EQ(w->table()->item(0, 0)->text(), QStringLiteral("lagna"));

  auto* plusHour = w->findChild<QPushButton*>(QStringLiteral("shift3600"));
  auto* plusMinute = w->findChild<QPushButton*>(QStringLiteral("shift60"));
  ASSERT_NE(plusHour, nullptr);
  ASSERT_NE(plusMinute, nullptr);
  plusHour->click();
  plusMinute->click();
  EXPECT_EQ(w->shift(), 3660);
  EXPECT_EQ(w->slider()->value(), 3660);
  const BirthData moved = view->chart().birth;
  EXPECT_EQ(ShiftBirthTime(start, 3660).time, moved.time);
  EXPECT_TRUE(w->timeLabel()->text().contains(QStringLiteral("+1 h 1 min")));
  // The table reads the moved chart.
  const std::vector<std::string> values = SensitivityPointValues(moved, view->settings(), {});
  EXPECT_EQ(w->table()->item(0, 1)->text().toStdString(), values[0]);

  w->slider()->setValue(-90);
  EXPECT_EQ(view->chart().birth.time, ShiftBirthTime(start, -90).time);
  w->findChild<QPushButton*>(QStringLiteral("shiftReset"))->click();
  EXPECT_EQ(view->chart().birth.time, start.time);
  EXPECT_EQ(w->slider()->value(), 0);
}

TEST_F(KpTimeShiftTest, SavePicturesForReview) {
  const QString folder = qEnvironmentVariable("ORVANE_SHOT_DIR");
  if (folder.isEmpty()) GTEST_SKIP() << "set ORVANE_SHOT_DIR to write the pictures";
  QDir().mkpath(folder);
  ChartView* view = OpenDefaultChart();
  ASSERT_NE(view, nullptr);
  view->OnKp();
  KpWindow* kp = view->kpWindow();
  ASSERT_NE(kp, nullptr);
  EXPECT_TRUE(kp->grab().save(folder + QStringLiteral("/kp_window.png")));
  kp->findChild<QTabWidget*>(QStringLiteral("kpTabs"))->setCurrentIndex(2);
  EXPECT_TRUE(kp->grab().save(folder + QStringLiteral("/kp_window_significators.png")));
  kp->resize(800 - 40, 600 - 60);
  EXPECT_TRUE(kp->grab().save(folder + QStringLiteral("/kp_window_800x600.png")));
  view->OnTimeShift();
  TimeShiftWindow* shift = view->timeShiftWindow();
  ASSERT_NE(shift, nullptr);
  shift->ShiftTo(240);
  shift->Refresh();
  EXPECT_TRUE(shift->grab().save(folder + QStringLiteral("/time_shift.png")));
  shift->resize(800 - 40, 600 - 60);
  EXPECT_TRUE(shift->grab().save(folder + QStringLiteral("/time_shift_800x600.png")));
}

}  // namespace
}  // namespace orvane::testing
