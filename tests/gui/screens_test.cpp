// Pictures of the main window and of every dialog, for a person to look at:
// written only when ORVANE_SHOT_DIR names a folder.
#include <QImage>
#include <QPixmap>

#include "app/artwork.h"
#include "app_fixture.h"
#include "dialogs/birth_data_dlg.h"
#include "dialogs/preference_dlgs.h"
#include "io/birth_input.h"
#include "io/chart_file.h"

namespace orvane::testing {
namespace {

using ScreensTest = AppFixture;

TEST_F(ScreensTest, SavePicturesForReview) {
  const QString folder = qEnvironmentVariable("ORVANE_SHOT_DIR");
  if (folder.isEmpty()) GTEST_SKIP() << "set ORVANE_SHOT_DIR to write the pictures";
  QDir().mkpath(folder);
  WriteSettings();
  const QString chart = WriteFile("charts/Machilipatnam 1970.orv", kDefaultChart);
  auto app = Start({chart});
  CMainFrame& frame = *app->mainFrame();
  frame.setGeometry(0, 0, 1280, 800);
  QCoreApplication::processEvents();
  EXPECT_TRUE(frame.grab().save(folder + "/main.png"));

  auto save = [&](QWidget& dialog, const QString& name) {
    dialog.adjustSize();
    dialog.show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(dialog.grab().save(folder + "/" + name + ".png"));
    dialog.hide();
  };
  CBirthDataDlg birth(SplitForDialog(ValidateChartImage(kDefaultChart.toStdString()).birth));
  save(birth, "birthdata");
  const Settings& s = app->settings();
  CChartStyleDlg style(s);
  save(style, "style");
  CAyanamsaDlg ayanamsa(s);
  save(ayanamsa, "ayanamsa");
  CDaysInYearDlg days(s);
  save(days, "days");
  CSpecialLagnaDlg lagnas(s);
  save(lagnas, "lagnas");
  CPadasDlg padas(s);
  save(padas, "padas");
  CUpagrahaOptionsDlg upagrahas(s);
  save(upagrahas, "upagrahas");
  CHoraChartDlg hora(s);
  save(hora, "hora");
  CPrintPrefsDlg print(s);
  save(print, "print");
  CLocationDlg location(s);
  save(location, "location");
  CAboutDlg about(AppIconPixmap(64));
  save(about, "about");
}

}  // namespace
}  // namespace orvane::testing
