// Orvane Lite, the desktop program.
#include <QApplication>

#include "app/app_paths.h"
#include "app/artwork.h"
#include "app/desktop_app.h"
#include "display/file_names.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  orvane::UseCNumericLocale();
  QApplication::setApplicationName(QStringLiteral("Orvane Lite"));
  QApplication::setApplicationVersion(QStringLiteral("3.0"));
  QApplication::setDesktopFileName(QStringLiteral("orvane"));
  QApplication::setWindowIcon(orvane::AppIcon());

  // The arguments as the file system names them: QApplication::arguments()
  // would turn bytes that are not UTF-8 into U+FFFD. QApplication has taken
  // its own options out of argv by now.
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments += orvane::DecodeFileName(QByteArray(argv[i]));
  orvane::DesktopApp app(orvane::AppPaths::Defaults());
  if (!app.InitInstance(arguments)) return app.exitCode();
  return application.exec();
}
