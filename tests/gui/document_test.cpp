// Chart documents: opening, the birth-data dialog round trip, saving,
// invalid files, prasna charts, working files that fail, closing.
#include <QFileDialog>
#include <QFileInfo>
#include <QThread>
#include <clocale>

#include "app_fixture.h"
#include "io/chart_file.h"

namespace orvane::testing {
namespace {

class DocumentTest : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    WriteSettings();
  }

  // Opens `path` in the running program and returns its document and view.
  ChartDocument* Open(DesktopApp& app, const QString& path) {
    ChartDocument* doc = app.mainFrame()->OpenDocumentFile(path);
    EXPECT_NE(doc, nullptr);
    return doc;
  }

  // Runs "Edit birth data" on `view`, letting `fill` change the dialog
  // before OK.
  static void EditBirthData(ModalDriver& driver, ChartView* view, const std::function<void(QWidget*)>& fill) {
    driver.Then([fill](QWidget* dialog) {
      fill(dialog);
      static_cast<QDialog*>(dialog)->accept();
    });
    view->OnEditBirthData();
  }
};

TEST_F(DocumentTest, BirthDataDialogWritesTheChartFileThatIsSavedAndReopenedUnchanged) {
  // The dialog opens on the start-up default chart: 5:50:00 PM, 5:30 East,
  // 81° 12' E, 16° 15' N. Each row changes some fields; the expected file
  // is written out by hand from "%d\n%d\n%d\n%.4f\n%.2f\n%.2f\n%.2f\n".
  struct Row {
    const char* name;
    std::function<void(QWidget*)> fill;
    QByteArray expected;
  };
  const Row rows[] = {
      {"12:30 AM is half past midnight",
       [](QWidget* d) {
         SetText(d, "hours", "12");
         SetText(d, "minutes", "30");
         Check(d, "am");
       },
       "4\n4\n1970\n0.3000\n-5.30\n-81.12\n16.15\n"},
      {"12:30 PM is half past noon",
       [](QWidget* d) {
         SetText(d, "hours", "12");
         SetText(d, "minutes", "30");
         Check(d, "pm");
       },
       "4\n4\n1970\n12.3000\n-5.30\n-81.12\n16.15\n"},
      {"seconds are hundredths of a minute in the file",
       [](QWidget* d) {
         SetText(d, "hours", "9");
         SetText(d, "minutes", "5");
         SetText(d, "seconds", "30");
         Check(d, "am");
       },
       "4\n4\n1970\n9.0550\n-5.30\n-81.12\n16.15\n"},
      {"5:30 East with daylight saving",
       [](QWidget* d) { Check(d, "daylightSaving"); },
       "4\n4\n1970\n17.5000\n-6.30\n-81.12\n16.15\n"},
      {"5:00 West with daylight saving",
       [](QWidget* d) {
         SetText(d, "zoneHours", "5");
         SetText(d, "zoneMinutes", "0");
         Check(d, "zoneWest");
         Check(d, "daylightSaving");
       },
       "4\n4\n1970\n17.5000\n4.00\n-81.12\n16.15\n"},
      {"local mean time at 81 12 E ignores the zone typed",
       [](QWidget* d) {
         SetText(d, "zoneHours", "3");
         Check(d, "zoneWest");
         Check(d, "daylightSaving");
         Check(d, "localMeanTime");
       },
       "4\n4\n1970\n17.5000\n-5.25\n-81.12\n16.15\n"},
      {"London, England fills only the zone and the place",
       [](QWidget* d) {
         auto* city = d->findChild<QComboBox*>("city");
         ASSERT_NE(city, nullptr);
         ASSERT_EQ(city->count(), 58);
         ASSERT_EQ(city->itemText(30), "London, England");
         city->setCurrentIndex(30);
         emit city->activated(30);
         EXPECT_EQ(TextOf(d, "zoneHours"), "0");
         EXPECT_EQ(TextOf(d, "zoneMinutes"), "0");
         EXPECT_TRUE(IsChecked(d, "zoneWest"));
         EXPECT_EQ(TextOf(d, "longitudeDegrees"), "0");
         EXPECT_EQ(TextOf(d, "longitudeMinutes"), "10");
         EXPECT_TRUE(IsChecked(d, "west"));
         EXPECT_EQ(TextOf(d, "latitudeDegrees"), "51");
         EXPECT_EQ(TextOf(d, "latitudeMinutes"), "30");
         EXPECT_TRUE(IsChecked(d, "north"));
         EXPECT_EQ(TextOf(d, "month"), "4");
         EXPECT_EQ(TextOf(d, "hours"), "5");
         EXPECT_EQ(TextOf(d, "minutes"), "50");
         EXPECT_TRUE(IsChecked(d, "pm"));
       },
       "4\n4\n1970\n17.5000\n0.00\n0.10\n51.30\n"},
      {"a southern, western place",
       [](QWidget* d) {
         SetText(d, "month", "12");
         SetText(d, "day", "31");
         SetText(d, "year", "-2999");
         SetText(d, "zoneHours", "3");
         SetText(d, "zoneMinutes", "0");
         Check(d, "zoneWest");
         SetText(d, "longitudeDegrees", "43");
         SetText(d, "longitudeMinutes", "12");
         Check(d, "west");
         SetText(d, "latitudeDegrees", "22");
         SetText(d, "latitudeMinutes", "54");
         Check(d, "south");
       },
       "12\n31\n-2999\n17.5000\n3.00\n43.12\n-22.54\n"},
  };
  auto app = Start();
  int n = 0;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const QString path = WriteFile(QStringLiteral("charts/edit%1.orv").arg(++n), kDefaultChart);
    ChartDocument* doc = Open(*app, path);
    ASSERT_NE(doc, nullptr);
    ChartView* view = ViewOf(*app->mainFrame(), doc);
    ASSERT_NE(view, nullptr);
    EXPECT_FALSE(view->isPrasna());

    ModalDriver driver;
    EditBirthData(driver, view, row.fill);
    EXPECT_EQ(driver.unexpected(), 0);
    EXPECT_EQ(doc->image(), row.expected);
    EXPECT_TRUE(doc->IsModified());
    CChildFrame* frame = app->mainFrame()->framesOf(doc).first();
    EXPECT_EQ(frame->windowTitle(), QFileInfo(path).fileName() + "[*]");
    EXPECT_TRUE(frame->isWindowModified());
    EXPECT_EQ(view->screen(), ChartView::kTwoChartScreen);
    // The chart on screen is the edited one.
    const ChartValidation expected = ValidateChartImage(row.expected.toStdString());
    ASSERT_TRUE(expected.ok);
    EXPECT_EQ(view->chart().birth.time, expected.birth.time);
    EXPECT_EQ(view->chart().birth.zone, expected.birth.zone);

    ASSERT_TRUE(doc->DoSave(app->mainFrame(), false));
    EXPECT_FALSE(doc->IsModified());
    EXPECT_FALSE(frame->isWindowModified());
    EXPECT_EQ(ReadFile(path), row.expected);

    // Reopened (under another name, so that it is a new document) and saved
    // again without a change: the same bytes.
    const QString copy = WriteFile(QStringLiteral("charts/edit%1-copy.orv").arg(n), ReadFile(path));
    ChartDocument* reopened = Open(*app, copy);
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(reopened->loaded(), 1);
    EXPECT_EQ(reopened->image(), row.expected);
    ASSERT_TRUE(reopened->DoSave(app->mainFrame(), false));
    EXPECT_EQ(ReadFile(copy), row.expected);
  }
}

TEST_F(DocumentTest, BirthDataDialogKeepsOutOfRangeValuesOutOfTheFile) {
  // Each row types one bad value; OK shows the range message, the dialog
  // stays open with that field focused, and nothing is written until the
  // value is corrected.
  struct Row {
    const char* field;
    const char* bad;
    const char* good;
    const char* message;
  };
  const Row rows[] = {
      {"month", "13", "4", "Please enter an integer between 1 and 12."},
      {"day", "31", "4", "Please enter an integer between 1 and 30."},  // April
      {"year", "3000", "1970", "Please enter an integer between -2999 and 2999."},
      {"hours", "x", "5", "Please enter an integer between 0 and 12."},
      {"minutes", "60.5", "50", "Please enter a number between 0 and 60."},
      {"seconds", "1e1", "0", "Please enter a number between 0 and 60."},
      {"zoneHours", "25", "5", "Please enter an integer between 0 and 24."},
      {"longitudeDegrees", "181", "81", "Please enter an integer between 0 and 180."},
      {"latitudeDegrees", "91", "16", "Please enter an integer between 0 and 90."},
      {"latitudeMinutes", "-1", "15", "Please enter a number between 0 and 60."},
  };
  auto app = Start();
  const QString path = WriteFile("charts/range.orv", kDefaultChart);
  ChartDocument* doc = Open(*app, path);
  ASSERT_NE(doc, nullptr);
  ChartView* view = ViewOf(*app->mainFrame(), doc);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.field);
    ModalDriver driver;
    driver.Then([&](QWidget* dialog) {
      auto* dlg = static_cast<QDialog*>(dialog);
      SetText(dlg, row.field, QString::fromUtf8(row.bad));
      dlg->accept();  // the range message is answered by the next handler
      EXPECT_TRUE(dlg->isVisible());
      EXPECT_EQ(dlg->focusWidget(), Edit(dlg, row.field));
      SetText(dlg, row.field, QString::fromUtf8(row.good));
      dlg->reject();
    });
    driver.ThenPress();
    view->OnEditBirthData();
    ASSERT_EQ(driver.captions().size(), 2);
    EXPECT_EQ(driver.captions()[1], "Orvane Lite");
    EXPECT_EQ(driver.texts()[1], QString::fromUtf8(row.message));
    EXPECT_EQ(driver.unexpected(), 0);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->image(), kDefaultChart);
  }
}

TEST_F(DocumentTest, AFileAsItWasWrittenIsStoredBackByteForByte) {
  // Whatever a valid chart file looks like (CR LF, blanks, a comment after
  // the seventh number, no final line end), Save and Save As store the same
  // bytes.
  const QByteArray odd = "  4\r\n4\r\n1970\r\n17.5\r\n-5.3   -81.12\r\n16.15 saved by hand\r\n";
  auto app = Start();
  const QString path = WriteFile("charts/odd.orv", odd);
  ChartDocument* doc = Open(*app, path);
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->loaded(), 1);
  ChartView* view = ViewOf(*app->mainFrame(), doc);
  view->RefreshScreen();
  EXPECT_EQ(doc->image(), odd);
  ASSERT_TRUE(doc->DoSave(app->mainFrame(), false));
  EXPECT_EQ(ReadFile(path), odd);
  const QString other = Home("charts/odd-copy.orv");
  ASSERT_TRUE(doc->OnSaveDocument(other, nullptr));
  EXPECT_EQ(ReadFile(other), odd);
}

TEST_F(DocumentTest, InvalidFileOpensAsAPrasnaChartAndIsNeverOverwritten) {
  struct Row {
    const char* name;
    QByteArray bytes;
  };
  const Row rows[] = {
      {"text without numbers", "hello, world\n"},
      {"year 3000", "4\n4\n3000\n17.5000\n-5.30\n-81.12\n16.15\n"},
      {"six numbers", "4\n4\n1970\n17.5000\n-5.30\n-81.12\n"},
      {"binary", QByteArray("4\n4\n19\0" "70\n17.5\n-5.3\n-81.12\n16.15\n", 35)},
  };
  const QString kInvalidText = QStringLiteral(
      "Oh no, the file you attempted to open is not a valid \"Orvane\" data file.\n\nA chart will be cast for "
      "the current time instead.");
  auto app = Start();
  int n = 0;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const QString path = WriteFile(QStringLiteral("charts/bad%1.orv").arg(++n), row.bytes);
    const QDateTime stamp = QFileInfo(path).lastModified();
    ModalDriver driver;
    driver.ThenPress();
    ChartDocument* doc = Open(*app, path);
    ASSERT_NE(doc, nullptr);
    ASSERT_EQ(driver.captions().size(), 1);
    EXPECT_EQ(driver.captions()[0], "Invalid file");
    EXPECT_EQ(driver.texts()[0], kInvalidText);
    EXPECT_TRUE(doc->invalid());
    EXPECT_EQ(doc->loaded(), 0);
    ChartView* view = ViewOf(*app->mainFrame(), doc);
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->hasChart());
    EXPECT_TRUE(view->isPrasna());
    // Shown again: still a chart of the current moment, and the document
    // keeps the file's own bytes.
    ASSERT_TRUE(view->RefreshScreen());
    EXPECT_TRUE(view->isPrasna());
    EXPECT_EQ(doc->image(), row.bytes);
    EXPECT_FALSE(doc->IsModified());

    QThread::msleep(20);
    ASSERT_TRUE(doc->DoSave(app->mainFrame(), false));
    EXPECT_EQ(ReadFile(path), row.bytes);
    EXPECT_EQ(QFileInfo(path).lastModified(), stamp);
    EXPECT_EQ(driver.unexpected(), 0);
  }
  // On the border of the year range the file is valid.
  const QString border = WriteFile("charts/border.orv", "4\n4\n2999\n17.5000\n-5.30\n-81.12\n16.15\n");
  ModalDriver quiet;
  ChartDocument* doc = Open(*app, border);
  ASSERT_NE(doc, nullptr);
  EXPECT_FALSE(doc->invalid());
  EXPECT_TRUE(quiet.captions().isEmpty());
}

TEST_F(DocumentTest, PrasnaChartsKeepTheirOwnData) {
  const QString bad = WriteFile("charts/bad.orv", "not a chart\n");
  auto app = Start();  // Chart1, a prasna chart
  CMainFrame& frame = *app->mainFrame();
  ChartDocument* first = frame.documents().first();
  ChartDocument* second = frame.OnFileNew();
  ModalDriver driver;
  driver.ThenPress();  // "Invalid file"
  ChartDocument* invalid = Open(*app, bad);
  ASSERT_NE(invalid, nullptr);
  ChartView* firstView = ViewOf(frame, first);
  ChartView* secondView = ViewOf(frame, second);
  ChartView* invalidView = ViewOf(frame, invalid);

  for (ChartView* view : {firstView, secondView, invalidView}) EXPECT_TRUE(view->isPrasna());
  // A new prasna chart keeps the moment of its first computation.
  const QByteArray firstImage = first->image();
  EXPECT_TRUE(ValidateChartImage(firstImage.toStdString()).ok);

  // Editing the second chart changes nothing in the others.
  EditBirthData(driver, secondView, [](QWidget* d) {
    SetText(d, "month", "1");
    SetText(d, "day", "2");
    SetText(d, "year", "1903");
  });
  EXPECT_TRUE(second->image().startsWith("1\n2\n1903\n"));
  ASSERT_TRUE(firstView->RefreshScreen());
  ASSERT_TRUE(invalidView->RefreshScreen());
  EXPECT_EQ(first->image(), firstImage);
  EXPECT_EQ(firstView->chart().birth.year, ValidateChartImage(firstImage.toStdString()).birth.year);
  EXPECT_NE(firstView->chart().birth.year, 1903);
  EXPECT_EQ(invalid->image(), QByteArray("not a chart\n"));
  EXPECT_NE(invalidView->chart().birth.year, 1903);
  EXPECT_FALSE(first->IsModified());
  EXPECT_FALSE(invalid->IsModified());

  // Saving the prasna charts stores each one's own data.
  const QString firstPath = Home("charts/first.orv");
  const QString secondPath = Home("charts/second.orv");
  ASSERT_TRUE(first->OnSaveDocument(firstPath, nullptr));
  ASSERT_TRUE(second->OnSaveDocument(secondPath, nullptr));
  EXPECT_EQ(ReadFile(firstPath), firstImage);
  EXPECT_TRUE(ReadFile(secondPath).startsWith("1\n2\n1903\n"));
  EXPECT_EQ(ReadFile(bad), QByteArray("not a chart\n"));

  // Birth data typed for the invalid file's chart make it a chart of its
  // own, saved only when the user saves it.
  EditBirthData(driver, invalidView, [](QWidget* d) { SetText(d, "year", "1950"); });
  EXPECT_FALSE(invalid->invalid());
  EXPECT_TRUE(invalid->IsModified());
  EXPECT_FALSE(invalidView->isPrasna());
  EXPECT_EQ(ReadFile(bad), QByteArray("not a chart\n"));
  ASSERT_TRUE(invalid->DoSave(&frame, false));
  EXPECT_EQ(ReadFile(bad), invalid->image());
  EXPECT_TRUE(ValidateChartImage(ReadFile(bad).toStdString()).ok);
  EXPECT_EQ(driver.unexpected(), 0);
}

TEST_F(DocumentTest, SavingANewPrasnaChartAsksForANameAndStoresItsMoment) {
  auto app = Start();
  CMainFrame& frame = *app->mainFrame();
  ChartDocument* doc = frame.documents().first();
  ASSERT_TRUE(doc->pathName().isEmpty());
  const QByteArray moment = doc->image();  // the moment of its first computation
  ASSERT_TRUE(ValidateChartImage(moment.toStdString()).ok);
  const QString typed = Home("charts/now");  // no extension typed
  QDir().mkpath(Home("charts"));
  ModalDriver driver;
  driver.Then([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->nameFilters().value(0), "Orvane data files (*.orv)");
    EXPECT_EQ(dialog->nameFilters().value(1), "Old Data Files (*.dat)");
    // What a user types into the name field.
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(name, nullptr);
    name->setText(typed);
    static_cast<QDialog*>(dialog)->accept();
  });
  ASSERT_TRUE(doc->DoSave(&frame, false));
  EXPECT_EQ(doc->pathName(), typed + ".orv");
  EXPECT_EQ(doc->title(), "now.orv");
  EXPECT_EQ(frame.framesOf(doc).first()->windowTitle(), "now.orv[*]");
  EXPECT_EQ(ReadFile(typed + ".orv"), moment);
  EXPECT_EQ(app->RecentFiles().value(0), typed + ".orv");
  EXPECT_EQ(driver.unexpected(), 0);
}

// Charts are computed from the birth data in memory: a working folder that
// cannot be written stops nothing, and birth data that cannot be cast are
// said plainly, with the chart shown before kept.
TEST_F(DocumentTest, ChartsComputeWithoutWritingFilesAndUncastableDataAreSaid) {
  auto app = Start();
  CMainFrame& frame = *app->mainFrame();
  const QString path = WriteFile("charts/kept.orv", kDefaultChart);
  ChartDocument* doc = Open(*app, path);
  ChartView* view = ViewOf(frame, doc);
  ASSERT_TRUE(view->hasChart());
  const double ascendant = view->chart().slotLongitude[kAscendant];
  ChartDocument* prasna = frame.documents().first();
  ChartView* prasnaView = ViewOf(frame, prasna);
  const QByteArray prasnaImage = prasna->image();

  // The run's folder replaced by a file: nothing can be written there.
  const QString folder = app->runFolder();
  ASSERT_TRUE(QDir(folder).removeRecursively());
  QFile blocker(folder);
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  ModalDriver driver;
  EXPECT_TRUE(view->RefreshScreen());
  EXPECT_TRUE(prasnaView->RefreshScreen());
  EXPECT_EQ(prasna->image(), prasnaImage);
  EditBirthData(driver, view, [](QWidget* d) { SetText(d, "year", "1980"); });
  EXPECT_EQ(view->chart().birth.year, 1980);
  EXPECT_TRUE(doc->image().startsWith("4\n4\n1980\n"));
  const QString bad = WriteFile("charts/bad.orv", "junk");
  driver.ThenPress();  // "Invalid file"
  ChartDocument* invalid = Open(*app, bad);
  ASSERT_NE(invalid, nullptr);
  ChartView* invalidView = ViewOf(frame, invalid);
  EXPECT_TRUE(invalidView->hasChart());
  EXPECT_TRUE(invalidView->RefreshScreen());
  EXPECT_EQ(invalid->image(), QByteArray("junk"));
  // The birth-data dialog and "Invalid file": nothing else was said.
  ASSERT_EQ(driver.captions().size(), 2) << driver.texts().join("|").toStdString();

  // Data that cannot be cast: the reason, and the chart shown before stays.
  const double cast1980 = view->chart().slotLongitude[kAscendant];
  EXPECT_NE(cast1980, ascendant);
  doc->SetEditedImage("4\n4\n5000\n17.5000\n-5.30\n-81.12\n16.15\n");
  driver.ThenPress();
  EXPECT_FALSE(view->RefreshScreen());
  ASSERT_EQ(driver.captions().size(), 3);
  EXPECT_EQ(driver.captions()[2], "Orvane Lite");
  EXPECT_TRUE(driver.texts()[2].contains(QStringLiteral("the year \"5000\" is outside -2999..2999")))
      << driver.texts()[2].toStdString();
  EXPECT_FALSE(driver.texts()[2].contains(QStringLiteral("working file")));
  EXPECT_TRUE(view->hasChart());
  EXPECT_EQ(view->chart().slotLongitude[kAscendant], cast1980);
  EXPECT_EQ(driver.unexpected(), 0);
  ASSERT_TRUE(QFile::remove(folder));
}

TEST_F(DocumentTest, AFailedSaveIsReportedAndTheChartStaysModified) {
  auto app = Start();
  const QString path = WriteFile("charts/target.orv", kDefaultChart);
  ChartDocument* doc = Open(*app, path);
  ChartView* view = ViewOf(*app->mainFrame(), doc);
  ModalDriver driver;
  EditBirthData(driver, view, [](QWidget* d) { SetText(d, "year", "1980"); });
  ASSERT_TRUE(doc->IsModified());
  // The file has become a folder: it cannot be replaced.
  ASSERT_TRUE(QFile::remove(path));
  ASSERT_TRUE(QDir().mkpath(path));
  driver.ThenPress();
  EXPECT_FALSE(doc->DoSave(app->mainFrame(), false));
  ASSERT_EQ(driver.captions().size(), 2);
  EXPECT_TRUE(driver.texts()[1].contains("could not be saved"));
  EXPECT_TRUE(doc->IsModified());
  EXPECT_TRUE(doc->image().startsWith("4\n4\n1980\n"));
  EXPECT_EQ(driver.unexpected(), 0);
}

TEST_F(DocumentTest, ClosingAModifiedChartAsksToSave) {
  auto app = Start();
  CMainFrame& frame = *app->mainFrame();
  const QString path = WriteFile("charts/close.orv", kDefaultChart);
  ChartDocument* doc = Open(*app, path);
  ModalDriver driver;
  EditBirthData(driver, ViewOf(frame, doc), [](QWidget* d) { SetText(d, "day", "5"); });
  const QByteArray edited = doc->image();
  CChildFrame* child = frame.framesOf(doc).first();

  struct Row {
    const char* name;
    QMessageBox::StandardButton answer;
    bool closed;
    QByteArray file;
  };
  const Row rows[] = {
      {"Cancel keeps the chart open", QMessageBox::Cancel, false, kDefaultChart},
      {"Yes saves and closes", QMessageBox::Yes, true, edited},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    driver.ThenPress(row.answer);
    const int before = driver.captions().size();
    EXPECT_EQ(child->close(), row.closed);
    ASSERT_EQ(driver.captions().size(), before + 1);
    EXPECT_EQ(driver.texts().last(), "Save changes to close.orv?");
    EXPECT_EQ(ReadFile(path), row.file);
  }
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(frame.documents().contains(doc));

  // "No" closes without writing.
  ChartDocument* again = Open(*app, path);
  EditBirthData(driver, ViewOf(frame, again), [](QWidget* d) { SetText(d, "day", "6"); });
  driver.ThenPress(QMessageBox::No);
  EXPECT_TRUE(frame.framesOf(again).first()->close());
  EXPECT_EQ(ReadFile(path), edited);
  EXPECT_EQ(driver.unexpected(), 0);
}

TEST_F(DocumentTest, CommaDecimalLocaleLeavesEveryFileByteIdentical) {
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed";
  const QLocale savedQt;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  char probe[16];
  std::snprintf(probe, sizeof probe, "%.2f", 17.5);
  EXPECT_STREQ(probe, "17,50");  // the locale really uses a comma

  auto app = Start();
  // A chart: opened, edited (a real number in a field), saved.
  const QString path = WriteFile("charts/de.orv", kDefaultChart);
  ChartDocument* doc = Open(*app, path);
  ModalDriver driver;
  EditBirthData(driver, ViewOf(*app->mainFrame(), doc), [](QWidget* d) {
    SetText(d, "seconds", "30.5");
    SetText(d, "zoneMinutes", "45");
  });
  ASSERT_TRUE(doc->DoSave(app->mainFrame(), false));
  EXPECT_EQ(ReadFile(path), QByteArray("4\n4\n1970\n17.5051\n-5.45\n-81.12\n16.15\n"));
  // The settings file: the same bytes as io writes in the "C" locale.
  Settings expected = app->settings();
  driver.Then([](QWidget* d) {
    SetText(d, "days", "365.25");
    static_cast<QDialog*>(d)->accept();
  });
  app->OnDaysInYear();
  expected.daysInYear = 365.25;
  EXPECT_EQ(ReadFile(paths_.settingsFile), QByteArray::fromStdString(FormatSettings(expected)));
  EXPECT_TRUE(ReadFile(paths_.settingsFile).contains("\n365.250000\n"));
  EXPECT_EQ(driver.unexpected(), 0);

  QLocale::setDefault(savedQt);
  std::setlocale(LC_ALL, saved.c_str());
  std::setlocale(LC_NUMERIC, "C");
}

}  // namespace
}  // namespace orvane::testing
