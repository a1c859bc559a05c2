// The birth-data dialog's place search: typing part of a name offers the
// place table's matches; choosing one fills the position and the zone in
// force at the entered moment; the name and the place are kept with the
// chart and shown again.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QCompleter>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QTest>

#include "app_fixture.h"
#include "computed_chart.h"
#include "display/printing.h"
#include "dialogs/birth_data_dlg.h"
#include "io/birth_input.h"
#include "io/chart_file.h"

namespace orvane::testing {
namespace {

QString Text(QWidget* dialog, const char* name) { return dialog->findChild<QLineEdit*>(name)->text(); }
bool Checked(QWidget* dialog, const char* name) { return dialog->findChild<QAbstractButton*>(name)->isChecked(); }
QString ZoneLine(QWidget* dialog) { return dialog->findChild<QLabel*>("zoneInfo")->text(); }

// Types `query` into the place field and picks the completion that starts
// with `label`. False when the list does not offer it.
bool PickPlace(CBirthDataDlg* dialog, const QString& query, const QString& label) {
  auto* place = dialog->findChild<QLineEdit*>("place");
  place->setFocus();
  place->clear();
  QTest::keyClicks(place, query);
  QAbstractItemView* popup = dialog->placeCompleter()->popup();
  if (!popup->isVisible()) return false;
  const QAbstractItemModel* model = popup->model();
  for (int row = 0; row < model->rowCount(); ++row) {
    const QModelIndex index = model->index(row, 0);
    if (!index.data(Qt::DisplayRole).toString().startsWith(label)) continue;
    popup->setCurrentIndex(index);
    QTest::keyClick(popup, Qt::Key_Return);
    return true;
  }
  return false;
}

// The dialog and its open completion list in one picture.
void SaveWithPopup(CBirthDataDlg& dialog, const QString& path) {
  QAbstractItemView* popup = dialog.placeCompleter()->popup();
  const QPoint origin = dialog.mapToGlobal(QPoint(0, 0));
  QRect area(QPoint(0, 0), dialog.frameSize());
  QRect popupRect;
  if (popup->isVisible()) {
    popupRect = QRect(popup->mapToGlobal(QPoint(0, 0)) - origin, popup->size());
    area = area.united(popupRect);
  }
  QImage image(area.size(), QImage::Format_ARGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.drawPixmap(-area.topLeft(), dialog.grab());
  if (popup->isVisible()) painter.drawPixmap(popupRect.topLeft() - area.topLeft(), popup->grab());
  painter.end();
  EXPECT_TRUE(image.save(path));
}

class BirthPlaceTest : public AppFixture {};

BirthDialogFields StartupFields() {
  return SplitForDialog(ValidateChartImage(kStartupDefaultChart).birth);
}

TEST_F(BirthPlaceTest, ChennaiFromTheCompletionListFillsPositionAndZone) {
  CBirthDataDlg dialog(StartupFields());
  dialog.show();
  QTest::keyClicks(dialog.findChild<QLineEdit*>("name"), "Ravi Kumar");
  auto* place = dialog.findChild<QLineEdit*>("place");
  place->setFocus();
  QTest::keyClicks(place, "chenn");
  QAbstractItemView* popup = dialog.placeCompleter()->popup();
  ASSERT_TRUE(popup->isVisible());
  EXPECT_TRUE(popup->model()->index(0, 0).data().toString().startsWith("Chennai, Tamil Nadu, IN"));
  if (const QString folder = qEnvironmentVariable("ORVANE_SHOT_DIR"); !folder.isEmpty()) {
    QDir().mkpath(folder);
    SaveWithPopup(dialog, folder + "/birthdata_completion.png");
  }
  ASSERT_TRUE(PickPlace(&dialog, "chenn", "Chennai, Tamil Nadu, IN"));
  EXPECT_FALSE(popup->isVisible());
  EXPECT_EQ(place->text(), "Chennai, Tamil Nadu, IN");
  EXPECT_EQ(Text(&dialog, "longitudeDegrees"), "80");
  EXPECT_EQ(Text(&dialog, "longitudeMinutes"), "17");
  EXPECT_TRUE(Checked(&dialog, "east"));
  EXPECT_EQ(Text(&dialog, "latitudeDegrees"), "13");
  EXPECT_EQ(Text(&dialog, "latitudeMinutes"), "5");
  EXPECT_TRUE(Checked(&dialog, "north"));
  EXPECT_EQ(Text(&dialog, "zoneHours"), "5");
  EXPECT_EQ(Text(&dialog, "zoneMinutes"), "30");
  EXPECT_TRUE(Checked(&dialog, "zoneEast"));
  EXPECT_FALSE(Checked(&dialog, "daylightSaving"));
  EXPECT_EQ(ZoneLine(&dialog), "Asia/Kolkata, +5:30 IST, standard time");
  if (const QString folder = qEnvironmentVariable("ORVANE_SHOT_DIR"); !folder.isEmpty()) {
    SaveWithPopup(dialog, folder + "/birthdata_chennai.png");
  }

  // War time: the same place in 1943 reads +6:30, one hour of it daylight saving.
  QLineEdit* year = dialog.findChild<QLineEdit*>("year");
  year->setText("1943");
  EXPECT_EQ(Text(&dialog, "zoneHours"), "5");
  EXPECT_EQ(Text(&dialog, "zoneMinutes"), "30");
  EXPECT_TRUE(Checked(&dialog, "daylightSaving"));
  EXPECT_EQ(ZoneLine(&dialog), "Asia/Kolkata, +6:30, daylight saving time");
  year->setText("1970");
  EXPECT_FALSE(Checked(&dialog, "daylightSaving"));

  dialog.accept();
  ASSERT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.labels(), (ChartLabels{"Ravi Kumar", "Chennai, Tamil Nadu, IN", "Asia/Kolkata"}));
  const std::string file = FormatChartDataFile(ComposeFromDialog(dialog.fields())) + FormatChartLabels(dialog.labels());
  EXPECT_EQ(file, "4\n4\n1970\n17.5000\n-5.30\n-80.17\n13.05\n"
                  "Name: Ravi Kumar\nPlace: Chennai, Tamil Nadu, IN\nZone: Asia/Kolkata\n");

  // Reopened from what was written: name, place and zone line shown again.
  const ChartValidation read = ValidateChartImage(file);
  ASSERT_TRUE(read.ok);
  CBirthDataDlg again(SplitForDialog(read.birth), ReadChartLabels(file));
  EXPECT_EQ(Text(&again, "name"), "Ravi Kumar");
  EXPECT_EQ(Text(&again, "place"), "Chennai, Tamil Nadu, IN");
  EXPECT_EQ(ZoneLine(&again), "Asia/Kolkata, +5:30 IST, standard time");
}

TEST_F(BirthPlaceTest, ClockChangesAndLocalMeanTime) {
  BirthDialogFields f = StartupFields();
  f.year = 2021, f.month = 3, f.day = 14, f.hours = 2, f.minutes = 30, f.pm = false;
  CBirthDataDlg dialog(f);
  dialog.show();
  ASSERT_TRUE(PickPlace(&dialog, "new york, us", "New York City, New York, US"));
  EXPECT_EQ(ZoneLine(&dialog),
            "2021-03-14 02:30 does not exist in America/New_York: the clocks moved forward from 02:00 to 03:00 "
            "(-5:00 to -4:00).");
  // OK is refused with the reason (answered by the driver).
  {
    ModalDriver driver;
    driver.ThenPress();
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(driver.texts().size(), 1);
    EXPECT_TRUE(driver.texts().front().contains("does not exist in America/New_York")) << driver.texts().front().toStdString();
  }

  // 1:30 on 7 November 2021 happened twice: the first, daylight one is
  // taken; the box takes the second.
  dialog.findChild<QLineEdit*>("month")->setText("11");
  dialog.findChild<QLineEdit*>("day")->setText("7");
  dialog.findChild<QLineEdit*>("hours")->setText("1");
  auto* second = dialog.findChild<QCheckBox*>("secondReading");
  EXPECT_TRUE(second->isVisibleTo(&dialog));
  EXPECT_TRUE(ZoneLine(&dialog).contains("occurs twice")) << ZoneLine(&dialog).toStdString();
  EXPECT_EQ(Text(&dialog, "zoneHours"), "5");
  EXPECT_FALSE(Checked(&dialog, "zoneEast"));
  EXPECT_TRUE(Checked(&dialog, "daylightSaving"));  // -5:00 and an hour of daylight saving: -4:00
  second->setChecked(true);
  EXPECT_EQ(Text(&dialog, "zoneHours"), "5");
  EXPECT_FALSE(Checked(&dialog, "daylightSaving"));
  EXPECT_TRUE(ZoneLine(&dialog).startsWith("America/New_York, -5:00 EST, standard time")) << ZoneLine(&dialog).toStdString();

  // Before standard time the zone's city kept local mean time; the place's
  // own is offered instead, from its longitude.
  dialog.findChild<QLineEdit*>("year")->setText("1850");
  EXPECT_TRUE(Checked(&dialog, "localMeanTime"));
  EXPECT_TRUE(ZoneLine(&dialog).contains("local mean time")) << ZoneLine(&dialog).toStdString();
  EXPECT_TRUE(ZoneLine(&dialog).contains("-4:56:")) << ZoneLine(&dialog).toStdString();

  // Typing over the place drops its zone; the numbers stay and OK works.
  QTest::keyClicks(dialog.findChild<QLineEdit*>("place"), " (hospital)");
  EXPECT_TRUE(ZoneLine(&dialog).isEmpty());
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_TRUE(dialog.labels().zone.empty());
  EXPECT_EQ(dialog.labels().place, "New York City, New York, US (hospital)");
}

// The zone line shows its whole reading, however long: a standard zone,
// the zone city's local mean time, a moment the clocks skipped and one
// they passed twice.
TEST_F(BirthPlaceTest, TheZoneLineIsNeverCut) {
  struct Row {
    const char* query;
    const char* label;
    int year, month, day, hours, minutes;
  };
  const Row rows[] = {
      {"kathmandu", "Kathmandu", 1970, 4, 4, 5, 50},
      {"kathmandu", "Kathmandu", 1900, 4, 4, 5, 50},
      {"new york, us", "New York City", 2021, 3, 14, 2, 30},
      {"new york, us", "New York City", 1850, 3, 14, 2, 30},
      {"new york, us", "New York City", 2021, 11, 7, 1, 30},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::Message() << row.label << " " << row.year << "-" << row.month << "-" << row.day);
    BirthDialogFields f = StartupFields();
    f.year = row.year, f.month = row.month, f.day = row.day, f.hours = row.hours, f.minutes = row.minutes;
    f.pm = false;
    CBirthDataDlg dialog(f);
    dialog.show();
    ASSERT_TRUE(PickPlace(&dialog, row.query, row.label));
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    auto* line = dialog.findChild<QLabel*>("zoneInfo");
    ASSERT_FALSE(line->text().isEmpty());
    EXPECT_GE(line->height(), line->heightForWidth(line->width())) << line->text().toStdString();
    EXPECT_TRUE(dialog.rect().contains(line->geometry().translated(line->parentWidget()->mapTo(&dialog, QPoint()))));
  }
}

TEST_F(BirthPlaceTest, NameAndPlaceKeptWithTheChartAndShownInTheTitle) {
  WriteSettings();
  const QString path = WriteFile("charts/chart.orv", kDefaultChart);
  auto app = Start();
  CMainFrame& frame = *app->mainFrame();
  ChartDocument* doc = frame.OpenDocumentFile(path);
  ASSERT_NE(doc, nullptr);
  ChartView* view = ViewOf(frame, doc);
  ASSERT_NE(view, nullptr);
  ModalDriver driver;
  driver.Then([](QWidget* d) {
    auto* dialog = static_cast<CBirthDataDlg*>(d);
    QTest::keyClicks(dialog->findChild<QLineEdit*>("name"), "Ravi Kumar");
    EXPECT_TRUE(PickPlace(dialog, "chenn", "Chennai, Tamil Nadu, IN"));
    dialog->accept();
  });
  view->OnEditBirthData();
  ASSERT_TRUE(doc->OnSaveDocument(path, nullptr));
  const QByteArray saved = ReadFile(path);
  EXPECT_TRUE(saved.endsWith("Name: Ravi Kumar\nPlace: Chennai, Tamil Nadu, IN\nZone: Asia/Kolkata\n")) << saved.toStdString();
  EXPECT_EQ(frame.framesOf(doc).first()->windowTitle(), "chart.orv[*] \u2014 Ravi Kumar, Chennai, Tamil Nadu, IN");

  // Opened again in a new program: the title and the dialog show them.
  app.reset();
  auto second = Start();
  ChartDocument* reopened = second->mainFrame()->OpenDocumentFile(path);
  ASSERT_NE(reopened, nullptr);
  EXPECT_EQ(second->mainFrame()->framesOf(reopened).first()->windowTitle(),
            "chart.orv[*] \u2014 Ravi Kumar, Chennai, Tamil Nadu, IN");
  ModalDriver check;
  check.Then([](QWidget* d) {
    EXPECT_EQ(Text(d, "name"), "Ravi Kumar");
    EXPECT_EQ(Text(d, "place"), "Chennai, Tamil Nadu, IN");
    EXPECT_EQ(ZoneLine(d), "Asia/Kolkata, +5:30 IST, standard time");
    static_cast<QDialog*>(d)->reject();
  });
  ViewOf(*second->mainFrame(), reopened)->OnEditBirthData();
  EXPECT_EQ(check.unexpected(), 0);
}

// A zone with daylight saving is kept in the file as one number; reopened
// with the place's zone, the dialog shows what was entered (the standard
// zone and the box ticked, the zone line filled), and OK stores the same
// bytes again.
TEST_F(BirthPlaceTest, DaylightSavingSurvivesASave) {
  WriteSettings();
  struct Case {
    const char* query;
    const char* place;
    const char* year;
    const char* month;
    const char* day;
    const char* zoneHours;
    const char* zoneMinutes;
    bool east;
    bool daylight;
    const char* zoneLine;  // its start
  };
  const Case cases[] = {
      {"chenn", "Chennai, Tamil Nadu, IN", "1943", "4", "4", "5", "30", true, true, "Asia/Kolkata, +6:30"},
      {"new york", "New York City, New York, US", "2021", "7", "15", "5", "0", false, true, "America/New_York, -4:00"},
      {"chenn", "Chennai, Tamil Nadu, IN", "1970", "4", "4", "5", "30", true, false, "Asia/Kolkata, +5:30"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.place + std::string(" ") + c.year);
    const QString path = WriteFile(QStringLiteral("charts/dst%1.orv").arg(&c - cases), kDefaultChart);
    QByteArray saved;
    {
      auto app = Start();
      ChartDocument* doc = app->mainFrame()->OpenDocumentFile(path);
      ASSERT_NE(doc, nullptr);
      ModalDriver driver;
      driver.Then([&](QWidget* d) {
        auto* dialog = static_cast<CBirthDataDlg*>(d);
        dialog->findChild<QLineEdit*>("year")->setText(c.year);
        dialog->findChild<QLineEdit*>("month")->setText(c.month);
        dialog->findChild<QLineEdit*>("day")->setText(c.day);
        EXPECT_TRUE(PickPlace(dialog, c.query, c.place));
        EXPECT_EQ(Checked(d, "daylightSaving"), c.daylight);
        dialog->accept();
      });
      ViewOf(*app->mainFrame(), doc)->OnEditBirthData();
      ASSERT_TRUE(doc->OnSaveDocument(path, nullptr));
      saved = ReadFile(path);
      EXPECT_EQ(driver.unexpected(), 0);
    }
    auto app = Start();
    ChartDocument* doc = app->mainFrame()->OpenDocumentFile(path);
    ASSERT_NE(doc, nullptr);
    ModalDriver check;
    check.Then([&](QWidget* d) {
      EXPECT_EQ(Text(d, "zoneHours"), c.zoneHours);
      EXPECT_EQ(Text(d, "zoneMinutes"), c.zoneMinutes);
      EXPECT_EQ(Checked(d, "zoneEast"), c.east);
      EXPECT_EQ(Checked(d, "daylightSaving"), c.daylight);
      EXPECT_TRUE(ZoneLine(d).startsWith(c.zoneLine)) << ZoneLine(d).toStdString();
      if (const QString folder = qEnvironmentVariable("ORVANE_SHOT_DIR"); !folder.isEmpty() && &c == cases) {
        QDir().mkpath(folder);
        EXPECT_TRUE(d->grab().save(folder + QStringLiteral("/birthdata_reopened_daylight.png")));
      }
      static_cast<QDialog*>(d)->accept();
    });
    ViewOf(*app->mainFrame(), doc)->OnEditBirthData();
    ASSERT_TRUE(doc->OnSaveDocument(path, nullptr));
    EXPECT_EQ(ReadFile(path), saved);
    EXPECT_EQ(check.unexpected(), 0);
  }
}

// Printed pages name the person and the place: page 1 in its footer line,
// the other pages in their header; a chart that names neither prints as
// before.
TEST(BirthPlacePrinting, PagesNameThePersonAndPlace) {
  Settings settings;
  settings.printItems = {1, 0, 0, 1, 0, 0};
  auto chart = testing_support::ComputedChart(settings);
  auto print = [&](const QString& subject, int page) {
    ChartPrintJob job(*chart, settings);
    job.SetTitle(QStringLiteral("mychart"));
    job.SetSubject(subject);
    QImage image(1240, 1754, QImage::Format_RGB32);
    image.setDotsPerMeterX(5906);
    image.setDotsPerMeterY(5906);
    image.fill(Qt::white);
    QPainter painter(&image);
    job.PrintPage(painter, page);
    painter.end();
    return image;
  };
  const QString subject = QStringLiteral("Ravi Kumar, São Paulo, São Paulo, BR");
  for (const int page : {1, 2}) {
    SCOPED_TRACE(page);
    const QImage plain = print(QString(), page);
    const QImage named = print(subject, page);
    // Only the band that carries the subject differs.
    const QRect band = page == 1 ? QRect(0, 1660, 1240, 94) : QRect(0, 0, 1240, 100);
    EXPECT_NE(plain.copy(band), named.copy(band));
    QImage rest = named;
    QPainter cover(&rest);
    cover.fillRect(band, Qt::white);
    cover.end();
    QImage plainRest = plain;
    QPainter coverPlain(&plainRest);
    coverPlain.fillRect(band, Qt::white);
    coverPlain.end();
    EXPECT_EQ(plainRest, rest);
    if (const QString folder = qEnvironmentVariable("ORVANE_SHOT_DIR"); !folder.isEmpty()) {
      QDir().mkpath(folder);
      EXPECT_TRUE(named.save(folder + QStringLiteral("/print_subject_page%1.png").arg(page)));
    }
  }
}

}  // namespace
}  // namespace orvane::testing
