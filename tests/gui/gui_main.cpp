// The Qt tests' main: one QApplication on the offscreen platform, whose
// screen is as large as a desktop monitor (2560 x 1600), so that windows of
// any size the tests choose fit on it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <clocale>

int main(int argc, char** argv) {
  QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (platform.isEmpty()) platform = "offscreen";
  QTemporaryDir configDir;
  if (platform == "offscreen" && configDir.isValid()) {
    const QString path = QDir(configDir.path()).filePath(QStringLiteral("screens.json"));
    QFile config(path);
    if (config.open(QIODevice::WriteOnly)) {
      config.write(R"({"screens": [{"name": "desktop", "x": 0, "y": 0, "width": 2560, "height": 1600,)"
                   R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
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
