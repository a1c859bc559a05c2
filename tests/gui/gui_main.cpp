// The Qt tests' main: one QApplication on the offscreen platform, whose
// screen is as large as a desktop monitor (2560 x 1600), so that windows of
// any size the tests choose fit on it. ORVANE_TEST_SCREEN ("1366x768", or
// "1280x800@2" for a 2560 x 1600 panel at scale 2) gives the screen another
// size and pixel ratio (the screen-size tests run themselves so).
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <clocale>
#include <cstdio>

int main(int argc, char** argv) {
  QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (platform.isEmpty()) platform = "offscreen";
  QTemporaryDir configDir;
  if (platform == "offscreen" && configDir.isValid()) {
    const QString path = QDir(configDir.path()).filePath(QStringLiteral("screens.json"));
    QFile config(path);
    int width = 2560, height = 1600, ratio = 1;
    const QByteArray wanted = qgetenv("ORVANE_TEST_SCREEN");
    if (!wanted.isEmpty()) {
      int w = 0, h = 0, r = 1;
      if (std::sscanf(wanted.constData(), "%dx%d@%d", &w, &h, &r) >= 2 && w > 0 && h > 0 && r > 0) {
        width = w, height = h, ratio = r;
      }
    }
    if (config.open(QIODevice::WriteOnly)) {
      config.write(QStringLiteral(R"({"screens": [{"name": "desktop", "x": 0, "y": 0, "width": %1, "height": %2,)"
                                  R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": %3}]})")
                       .arg(width)
                       .arg(height)
                       .arg(ratio)
                       .toUtf8());
      config.close();
      platform += ":configfile=" + QFile::encodeName(path);
    }
  }
  qputenv("QT_QPA_PLATFORM", platform);
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
