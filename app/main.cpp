// Orvane Lite, the desktop program.
#include <QApplication>

#include "app/app_paths.h"
#include "app/artwork.h"
#include "app/dhruvak_app.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  orvane::UseCNumericLocale();
  QApplication::setApplicationName(QStringLiteral("Orvane Lite"));
  QApplication::setApplicationVersion(QStringLiteral("3.0"));
  QApplication::setDesktopFileName(QStringLiteral("orvane"));
  QApplication::setWindowIcon(orvane::AppIcon());

  orvane::CDhruvakApp app(orvane::AppPaths::Defaults());
  if (!app.InitInstance(QApplication::arguments())) return app.exitCode();
  return application.exec();
}
