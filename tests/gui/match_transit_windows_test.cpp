// The matching and transit windows: what they compute, their controls, the
// messages for a second chart that cannot be used, the transit bodies in
// every chart style (in colour and in black-and-white print), and pictures
// of both windows for a person to look at.
#include <QApplication>
#include <QDateTimeEdit>
#include <QLabel>
#include <QMessageBox>
#include <QDir>
#include <QPushButton>

#include "app/chart_square.h"
#include "app/match_commands.h"
#include "app/match_window.h"
#include "app/transit_window.h"
#include "app_fixture.h"
#include "chart_fixture.h"
#include "compute/pipeline.h"
#include "transit/transits.h"

namespace orvane::testing {
namespace {

QString ScreenshotPath(const QString& name) {
  QDir dir(QStringLiteral(ORVANE_BUILD_DIR));
  dir.mkpath(QStringLiteral("screenshots"));
  return dir.filePath(QStringLiteral("screenshots/") + name);
}

// A second chart: 15 August 1975, 6:10, 5:30 East, 72° 50' E, 18° 58' N.
const QByteArray kSecondChart = "8\n15\n1975\n6.1000\n-5.30\n-72.50\n18.58\n";

class MatchTransitTest : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    WriteSettings();
    app_ = Start();
    ASSERT_TRUE(started_);
    frame_ = app_->mainFrame();
    ChartDocument* doc = frame_->OpenDocumentFile(WriteFile(QStringLiteral("groom.orv"), kDefaultChart));
    ASSERT_NE(doc, nullptr);
    ASSERT_NE(frame_->activeView(), nullptr);
  }
  void TearDown() override {
    app_.reset();
    AppFixture::TearDown();
  }
  std::unique_ptr<DesktopApp> app_;
  CMainFrame* frame_ = nullptr;
};

TEST_F(MatchTransitTest, MatchWindowShowsBothChartsAndTheReportAndSwaps) {
  const QString bride = WriteFile(QStringLiteral("bride.orv"), kSecondChart);
  MatchWindow* window = OpenMatchWindow(*frame_, bride);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->ok());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Match - groom.orv with bride.orv"));
  const QString text = window->reportText();
  EXPECT_TRUE(text.contains(QStringLiteral("Groom  groom.orv: Moon in Aquarius"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("Total with exceptions")));
  EXPECT_TRUE(text.contains(QStringLiteral("Manglik (Kuja) dosha")));
  const double total = window->result().moons.total;
  const double withExceptions = window->result().moons.totalWithExceptions;

  window->resize(820, 900);
  window->grab().save(ScreenshotPath(QStringLiteral("match_window.png")));

  window->findChild<QPushButton*>(QStringLiteral("swap"))->click();
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Match - bride.orv with groom.orv"));
  EXPECT_TRUE(window->reportText().contains(QStringLiteral("Groom  bride.orv: Moon in")));
  // Varna, Gana and the tara counts are read in order: swapping may change
  // the total, swapping back restores it.
  window->Swap();
  EXPECT_EQ(window->result().moons.total, total);
  EXPECT_EQ(window->result().moons.totalWithExceptions, withExceptions);
  window->close();
}

// The windows name each chart by the person's name its file keeps, and by
// the file's name when it keeps none.
TEST_F(MatchTransitTest, WindowsNameChartsByTheirStoredNames) {
  struct Case {
    const char* groomLabels;
    const char* brideLabels;
    const char* groom;  // as the windows name the groom's chart
    const char* bride;
  };
  const Case cases[] = {
      {"Name: Ravi Kumar\nPlace: Chennai, Tamil Nadu, IN\n", "Name: Sita Devi\n", "Ravi Kumar", "Sita Devi"},
      {"Place: Chennai, Tamil Nadu, IN\n", "Name: Sita Devi\n", "g%1.orv", "Sita Devi"},
      {"Name: Ravi Kumar\n", "", "Ravi Kumar", "b%1.orv"},
  };
  for (const Case& c : cases) {
    const int n = static_cast<int>(&c - cases);
    SCOPED_TRACE(n);
    const QString groomFile = WriteFile(QStringLiteral("g%1.orv").arg(n), kDefaultChart + "\n" + c.groomLabels);
    const QString brideFile = WriteFile(QStringLiteral("b%1.orv").arg(n), kSecondChart + c.brideLabels);
    ASSERT_NE(frame_->OpenDocumentFile(groomFile), nullptr);
    const auto named = [n](const char* text) {
      const QString name = QString::fromUtf8(text);
      return name.contains(QStringLiteral("%1")) ? name.arg(n) : name;
    };
    const QString groom = named(c.groom), bride = named(c.bride);
    MatchWindow* window = OpenMatchWindow(*frame_, brideFile);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Match - %1 with %2").arg(groom, bride));
    QStringList labels;
    for (const QLabel* label : window->findChildren<QLabel*>()) labels << label->text();
    EXPECT_TRUE(labels.contains(QStringLiteral("Groom: ") + groom)) << labels.join(u'|').toStdString();
    EXPECT_TRUE(labels.contains(QStringLiteral("Bride: ") + bride)) << labels.join(u'|').toStdString();
    EXPECT_TRUE(window->reportText().contains(QStringLiteral("Groom  %1: Moon in").arg(groom)));
    if (n == 0) window->grab().save(ScreenshotPath(QStringLiteral("match_window_named.png")));
    window->close();
    TransitWindow* transits = OpenTransitWindow(*frame_, QDateTime(QDate(2026, 12, 10), QTime(12, 0)));
    ASSERT_NE(transits, nullptr);
    EXPECT_EQ(transits->windowTitle(), QStringLiteral("Transits - ") + groom);
    transits->close();
  }
}

// A chart file's name is text, never HTML: every label of the window (and of
// a message box) shows the tags as they are written.
TEST_F(MatchTransitTest, LabelsShowAFileNameWithTagsAsPlainText) {
  const QString hostile = QStringLiteral("<h1>BIG<img src=x.png>.orv");
  MatchWindow* window = OpenMatchWindow(*frame_, WriteFile(hostile, kSecondChart));
  ASSERT_NE(window, nullptr);
  window->show();
  QApplication::processEvents();
  int named = 0;
  for (const QLabel* label : window->findChildren<QLabel*>()) {
    EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->text().toStdString();
    if (label->text().contains(QStringLiteral("<h1>BIG<img"))) ++named;
  }
  EXPECT_GE(named, 1);
  window->close();
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Orvane"), hostile);
  box.show();
  QApplication::processEvents();
  for (const QLabel* label : box.findChildren<QLabel*>()) EXPECT_EQ(label->textFormat(), Qt::PlainText);
  box.close();
}

TEST_F(MatchTransitTest, MissingOrInvalidSecondChartIsReported) {
  struct Row {
    const char* name;
    QString path;
    QString message;
  };
  const QString bad = WriteFile(QStringLiteral("bad.orv"), "4\n4\n1970\n");
  const QString missing = Home(QStringLiteral("nowhere.orv"));
  const Row rows[] = {
      {"missing", missing, QStringLiteral("File '%1' not found.").arg(missing)},
      {"invalid", bad, QStringLiteral("bad.orv is not a valid chart data file: ")},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    ModalDriver driver;
    driver.ThenPress();
    EXPECT_EQ(OpenMatchWindow(*frame_, r.path), nullptr);
    ASSERT_EQ(driver.texts().size(), 1);
    EXPECT_TRUE(driver.texts()[0].startsWith(r.message)) << driver.texts()[0].toStdString();
    EXPECT_EQ(driver.unexpected(), 0);
  }
}

TEST_F(MatchTransitTest, TransitWindowStepsTheMomentAndDrawsTheTransitBodies) {
  const QDateTime start(QDate(2026, 12, 10), QTime(12, 0));
  TransitWindow* window = OpenTransitWindow(*frame_, start);
  ASSERT_NE(window, nullptr);
  // The lifetime's periods are there, and the reading is of the moment shown.
  EXPECT_FALSE(window->report().periods.empty());
  EXPECT_TRUE(window->reportText().contains(QStringLiteral("Transits of 2026-12-10 12:00")));
  EXPECT_TRUE(window->reportText().contains(QStringLiteral("Sade Sati and small panoti")));

  struct Row {
    const char* button;
    QDateTime expected;
  };
  const Row rows[] = {
      {"dayForward", QDateTime(QDate(2026, 12, 11), QTime(12, 0))},
      {"monthForward", QDateTime(QDate(2027, 1, 11), QTime(12, 0))},
      {"yearForward", QDateTime(QDate(2028, 1, 11), QTime(12, 0))},
      {"yearBack", QDateTime(QDate(2027, 1, 11), QTime(12, 0))},
      {"monthBack", QDateTime(QDate(2026, 12, 11), QTime(12, 0))},
      {"dayBack", QDateTime(QDate(2026, 12, 10), QTime(12, 0))},
  };
  const Settings& settings = app_->settings();
  for (const Row& r : rows) {
    SCOPED_TRACE(r.button);
    window->findChild<QPushButton*>(QLatin1String(r.button))->click();
    EXPECT_EQ(window->moment(), r.expected);
    // The positions are those of a chart computed for the moment, and the
    // chart draws each graha in its sign.
    BirthData moment{};
    moment.year = r.expected.date().year();
    moment.month = r.expected.date().month();
    moment.day = r.expected.date().day();
    moment.time = r.expected.time().hour() + r.expected.time().minute() / 100.0;
    // Read in the native's birth zone and place.
    const transit::GrahaPositions cast =
        transit::ChartPositions(settings, moment, transit::BirthPlace(Chart(frame_->activeView()->chart())));
    for (const transit::GrahaTransit& g : window->report().reading.graha) {
      EXPECT_EQ(g.longitude, cast.longitude[g.slot]) << g.slot;
      EXPECT_EQ(window->chartWidget()->options().transits.sign[g.slot], g.sign) << g.slot;
    }
  }
  window->resize(1180, 640);
  window->grab().save(ScreenshotPath(QStringLiteral("transit_window.png")));
  window->close();
}

// Pixels of a colour (within a small distance, for antialiasing).
int CountColour(const QImage& image, QColor colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) + std::abs(c.blue() - colour.blue()) < 60)
        ++n;
    }
  return n;
}

TEST(TransitOverlay, DrawnInEveryStyleInItsColourAndApartInBlackAndWhite) {
  using testing_support::DefaultChart;
  using testing_support::Render;
  for (int style = kSouthRegular; style <= kEastFramed; ++style) {
    SCOPED_TRACE(style);
    for (bool print : {false, true}) {
      SCOPED_TRACE(print ? "black-and-white print" : "screen");
      ChartDrawOptions options;
      options.chartStyle = style;
      options.southMirrored = style == kSouthMirrored;
      options.eastFramed = style == kEastFramed;
      options.absoluteCoordinates = true;
      options.printing = print;
      options.blackAndWhite = print;
      const auto draw = [&](const ChartDrawOptions& o) {
        return Render(400, 400, [&](QPainter& p) { DrawChart(p, QRectF(5, 5, 390, 390), DefaultChart(), o); });
      };
      const QImage natal = draw(options);
      ChartDrawOptions withTransits = options;
      // Saturn in Taurus, the other grahas in Scorpio.
      for (int slot = kSun; slot <= kKetu; ++slot) withTransits.transits.sign[slot] = slot == kSaturn ? 1 : 7;
      const QImage both = draw(withTransits);
      EXPECT_NE(natal, both);
      const int transitPixels = CountColour(both, testing_support::Rgb(kTransitColour));
      if (print) {
        EXPECT_EQ(transitPixels, 0);  // all black: the "t" and the italics tell them apart
      } else {
        EXPECT_GT(transitPixels, 5);
        EXPECT_EQ(CountColour(natal, testing_support::Rgb(kTransitColour)), 0);
      }
      // Only the cells of Taurus and Scorpio change.
      for (int sign = 0; sign < 12; ++sign) {
        const int index = style == kNorthDiamond ? (sign - DefaultChart().sign[kAscendant] + 12) % 12 : sign;
        const QRect cell = ChartCellShape(QRectF(5, 5, 390, 390), withTransits, index).boundingRect().toRect()
                               .adjusted(3, 3, -3, -3);
        if (sign == 1 || sign == 7 || cell.isEmpty()) continue;
        const QRect inner = cell.intersected(QRect(0, 0, 400, 400));
        if (style >= kNorthDiamond) continue;  // triangles and kites overlap their bounding boxes
        EXPECT_EQ(natal.copy(inner), both.copy(inner)) << sign;
      }
      if (style == kSouthRegular || style == kNorthDiamond)
        both.save(ScreenshotPath(QStringLiteral("transit_overlay_%1%2.png").arg(style).arg(print ? "_bw" : "")));
    }
  }
}

}  // namespace
}  // namespace orvane::testing
