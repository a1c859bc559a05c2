// The chart window's screens and commands: what the default screen shows in
// each chart style (checked by pixels), every screen of the table for a natal
// and a Tajaka chart, the natal-only / Tajaka-only switching, the chart and
// Tajaka dialogs, the menus and the tool bar.
#include <QAction>
#include <QClipboard>
#include <QPointer>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <cmath>

#include "dialogs/view_dialogs.h"
#include "display/chart_draw.h"
#include "view_fixture.h"

namespace orvane::testing {
namespace {

using ViewScreensTest = ViewFixture;

QColor Rgb(BgrColour bgr) { return ColourFromBgr(bgr); }

// A chart of a screen in device pixels on the view's 1200 x 800 layout:
// x by 1200/1270, y by 800/890, the size by the smaller of the two,
// truncated.
QRectF ScreenSquare(int x, int y, int size) {
  const double side = std::trunc(size * std::min(1200.0 / 1270, 800.0 / 890));
  return QRectF(std::trunc(x * 1200.0 / 1270), std::trunc(y * 800.0 / 890), side, side);
}

TEST(ViewScreenTable, LayoutArithmeticAndChartChoices) {
  // Fonts and rectangles on the view's 1200 x 800 layout, worked by hand:
  // height trunc(800 * (p + 1) / 840), width trunc(1200 * (q + 1) / 1220).
  const ScreenPaintOptions view;
  struct FontRow {
    int heightParam, widthParam, height, width;
  };
  for (const FontRow& r : {FontRow{16, 7, 16, 7}, FontRow{20, 8, 20, 8}, FontRow{23, 8, 22, 8},
                           FontRow{27, 9, 26, 9}}) {
    SCOPED_TRACE(r.heightParam);
    const TextFont f = TextBlockFont(QStringLiteral("Courier New"), r.heightParam, r.widthParam, 550, 0x323264, view);
    EXPECT_EQ(f.height, r.height);
    EXPECT_EQ(f.width, r.width);
    EXPECT_EQ(f.colour, 0x323264u);
  }
  // Screen 7's planet table: 20..1270, 404..920 -> 18..1200, 363..826.
  EXPECT_EQ(TextBlockRect(20, 1270, 404, 920, view), QRect(QPoint(18, 363), QPoint(1199, 825)));
  // Absolute coordinates (a printer page) are taken as they are, and black
  // and white printing makes the text black.
  ScreenPaintOptions page;
  page.layout = QRect(0, 0, 4800, 6600);
  page.absoluteCoordinates = true;
  page.printing = true;
  page.blackAndWhite = true;
  EXPECT_EQ(TextBlockRect(300, 4000, 500, 6000, page), QRect(QPoint(300, 500), QPoint(3999, 5999)));
  EXPECT_EQ(TextBlockFont(QStringLiteral("Courier New"), 9, 8, 450, 0x962332, page).colour, 0u);

  struct VargaRow {
    int index, chartIndex, division;
  };
  for (const VargaRow& r : {VargaRow{0, 0, 1}, VargaRow{8, 8, 9}, VargaRow{12, 12, 16}, VargaRow{15, 15, 27},
                            VargaRow{19, 19, 60}, VargaRow{20, 20, 1}, VargaRow{21, 0, 1}, VargaRow{-1, 0, 1}}) {
    SCOPED_TRACE(r.index);
    EXPECT_EQ(SelectVarga(r.index).chartIndex, r.chartIndex);
    EXPECT_EQ(SelectVarga(r.index).division, r.division);
  }
  EXPECT_EQ(FindScreen(2), nullptr);
  EXPECT_EQ(FindScreen(kScreenTwoCharts)->blocks[0].section, 5);
}

TEST_F(ViewScreensTest, DefaultScreenInEveryStyleShowsItsChartsAndText) {
  const QColor background(0xff, 0xff, 0xf0);  // 0xf0ffff
  for (int style = kSouthRegular; style <= kEastFramed; ++style) {
    SCOPED_TRACE(style);
    ChartView* view = OpenDefaultChart(style);
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->screen(), kScreenTwoCharts);
    ScreenPaintResult result;
    const QImage image = Draw(*view, &result);
    ASSERT_TRUE(result.ok);
    ASSERT_EQ(result.drawnScreen, kScreenTwoCharts);

    // The background everywhere nothing is drawn, within the window's
    // 1600 x 1600 fill and below the layout.
    EXPECT_EQ(image.pixelColor(1290, 990), background);
    EXPECT_EQ(image.pixelColor(1150, 20), background);
    EXPECT_EQ(image.pixelColor(600, 960), background);

    const ChartState& chart = view->chart();
    const int ascendantSign = chart.vedic.vargaSign[kD1][kAscendant];
    const int sunSign = chart.vedic.vargaSign[kD1][kSun];
    ASSERT_EQ(ascendantSign, 5);  // Virgo
    ASSERT_EQ(sunSign, 11);       // Pisces
    ChartDrawOptions options = ChartDrawOptionsFromSettings(view->settings());
    const QRectF square(8, 8, 380, 380);  // chart 1 in layout units
    // South and east charts place a body by its sign; the north chart by its
    // house, the ascendant's house at the top middle.
    const bool north = style == kNorthDiamond;
    const int ascendantCell = north ? 0 : ascendantSign;
    const int sunCell = north ? (sunSign - ascendantSign + 12) % 12 : sunSign;
    for (int cell = 0; cell < 12; ++cell) {
      SCOPED_TRACE(cell);
      const QPolygonF shape = ChartCellShape(square, options, cell);
      ASSERT_FALSE(shape.isEmpty());
      const int green = CountColour(image, shape, Rgb(kAscendantColour), 50);
      if (cell == ascendantCell) {
        EXPECT_GT(green, 0);
      } else {
        EXPECT_EQ(green, 0);
      }
    }
    EXPECT_GT(CountColour(image, ChartCellShape(square, options, sunCell), Rgb(kBodyColour), 50), 0);
    if (north) {
      // The north square is drawn Diamond-fashion: its title stands above it.
      EXPECT_GT(CountColour(image, ScreenSquare(8, 0, 380).adjusted(0, 0, 0, 24), Rgb(kChartTitleColour), 30), 4);
    } else {
      // "Rasi" in the middle block of chart 1, "Navamsa" in chart 2's.
      const QRectF one = ScreenSquare(8, 8, 380), two = ScreenSquare(388, 8, 380);
      const double c = std::floor(one.width() / 4);
      EXPECT_GT(CountColour(image, QRectF(one.x() + c, one.y() + c, 2 * c, 2 * c), Rgb(kChartTitleColour), 30), 4);
      EXPECT_GT(CountColour(image, QRectF(two.x() + c, two.y() + c, 2 * c, 2 * c), Rgb(kChartTitleColour), 30), 4);
    }
    // The two text blocks below the charts in their colours: the planet
    // table on the left, the basic information on the right.
    EXPECT_GT(CountColour(image, QRectF(18, 363, 500, 400), Rgb(0x323264), 30), 100);
    EXPECT_GT(CountColour(image, QRectF(623, 363, 500, 300), Rgb(0x326432), 30), 100);
    EXPECT_EQ(CountColour(image, QRectF(18, 363, 500, 400), Rgb(0x326432), 20), 0);
    app_.reset();
  }
}

TEST_F(ViewScreensTest, EveryScreenDrawsForANatalAndATajakaChart) {
  ChartView* view = OpenDefaultChart();
  ASSERT_NE(view, nullptr);
  ModalDriver driver;
  for (bool tajaka : {false, true}) {
    if (tajaka) {
      AcceptAnnualChart(driver, "2026");
      view->OnTajakaChart();
      ASSERT_TRUE(view->tajakaMode());
    }
    for (const ScreenLayout& layout : ScreenTable()) {
      SCOPED_TRACE(::testing::Message() << (tajaka ? "Tajaka " : "natal ") << layout.id);
      view->choices().screen = layout.id;
      view->choices().previousScreen = kScreenTwoCharts;
      ScreenPaintResult result;
      const QImage image = Draw(*view, &result);
      ASSERT_TRUE(result.ok) << result.failure.toStdString();
      const bool fits = layout.kind == ScreenKind::kBoth || (layout.kind == ScreenKind::kTajakaOnly) == tajaka;
      if (layout.id == kScreenPanchaVargeeya && !tajaka) {
        // The natal chart's screen stays on view.
        EXPECT_EQ(result.drawnScreen, kScreenTwoCharts);
        EXPECT_EQ(result.message, kBalasTajakaOnlyText);
        EXPECT_EQ(view->screen(), kScreenTwoCharts);
        continue;
      }
      EXPECT_EQ(result.drawnScreen, fits ? layout.id : kScreenTwoCharts);
      EXPECT_EQ(result.message, fits ? QString() : QString::fromLatin1(tajaka ? kNatalOnlyText : kTajakaOnlyText));
      EXPECT_EQ(view->screen(), result.drawnScreen);
      // Every drawn screen shows text, and its charts where it has any.
      EXPECT_FALSE(view->ScreenText().trimmed().isEmpty());
      if (fits && layout.chartCount > 0) {
        ASSERT_EQ(static_cast<int>(result.geometry.charts.size()), layout.chartCount);
        EXPECT_GT(CountColour(image, result.geometry.charts[0], Rgb(kBodyColour), 50), 0);
      }
    }
  }
  EXPECT_EQ(driver.unexpected(), 0);
}

TEST_F(ViewScreensTest, ScreensThatDoNotFitTheChartSwitchBackAndSaySoAfterDrawing) {
  ChartView* view = OpenDefaultChart();
  ASSERT_NE(view, nullptr);
  const QString ohNo = QString::fromLatin1(kOhNoCaption);
  {
    // Painting itself never opens a message box: the message comes back
    // with the result.
    ModalDriver driver;
    AcceptAnnualChart(driver, "2026");
    view->OnTajakaChart();
    view->choices().screen = kScreenVimsottari;
    ScreenPaintResult result;
    Draw(*view, &result);
    QCoreApplication::processEvents();
    EXPECT_EQ(result.message, kNatalOnlyText);
    EXPECT_EQ(result.drawnScreen, kScreenTwoCharts);
    EXPECT_EQ(driver.captions().size(), 1);  // the annual-chart dialog only
    // Asked for again while it is also the previous screen: nothing is
    // drawn and nothing is said.
    view->choices().screen = kScreenVimsottari;
    view->choices().previousScreen = kScreenVimsottari;
    Draw(*view, &result);
    EXPECT_EQ(result.drawnScreen, -1);
    EXPECT_TRUE(result.message.isEmpty());
    view->choices().screen = view->choices().previousScreen = kScreenTwoCharts;
    EXPECT_EQ(driver.unexpected(), 0);
  }
  struct Row {
    const char* name;
    bool tajaka;
    void (ChartView::*command)();
    const char* text;
    int screenAfter;
  };
  const Row rows[] = {
      {"Vimsottari in Tajaka mode", true, &ChartView::OnVimsottari, kNatalOnlyText, kScreenTwoCharts},
      {"Kalachakra in Tajaka mode", true, &ChartView::OnKalachakra, kNatalOnlyText, kScreenTwoCharts},
      {"Ashtottari in Tajaka mode", true, &ChartView::OnAshtottari, kNatalOnlyText, kScreenTwoCharts},
      {"pratyantardasas in Tajaka mode (no dialog)", true, &ChartView::OnPratyantardasas, kNatalOnlyText,
       kScreenTwoCharts},
      {"Patyayini for a natal chart", false, &ChartView::OnPatyayini, kTajakaOnlyText, kScreenTwoCharts},
      {"Mudda for a natal chart", false, &ChartView::OnMudda, kTajakaOnlyText, kScreenTwoCharts},
      {"Pancha Vargeeya Bala for a natal chart", false, &ChartView::OnPanchaVargeeyaBala, kBalasTajakaOnlyText,
       kScreenTwoCharts},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ModalDriver driver;
    if (row.tajaka != view->tajakaMode()) {
      if (row.tajaka) {
        AcceptAnnualChart(driver, "2026");
        view->OnTajakaChart();
      } else {
        view->OnBackToBirthChart();
      }
    }
    ASSERT_EQ(view->screen(), kScreenTwoCharts);
    const qsizetype before = driver.captions().size();
    driver.ThenPress();
    (view->*row.command)();
    ASSERT_EQ(driver.captions().size(), before + 1);
    EXPECT_EQ(driver.captions().last(), ohNo);
    EXPECT_EQ(driver.texts().last(), row.text);
    EXPECT_EQ(view->screen(), row.screenAfter);
    EXPECT_EQ(driver.unexpected(), 0);
  }
  // The natal chart's screen stays on view after the Pancha Vargeeya
  // message, as the message says; drawing it again says nothing more.
  ModalDriver quiet;
  EXPECT_TRUE(view->RefreshScreen());
  QCoreApplication::processEvents();
  EXPECT_TRUE(quiet.captions().isEmpty());
  EXPECT_EQ(view->screen(), kScreenTwoCharts);
  EXPECT_EQ(view->screenGeometry().charts.size(), 2u);
  EXPECT_FALSE(view->ScreenText().isEmpty());
}

TEST_F(ViewScreensTest, SelectTwoChartsFirstReturnsToTheTwoChartScreen) {
  ChartView* view = OpenDefaultChart();
  ASSERT_NE(view, nullptr);
  ModalDriver driver;
  view->OnShadbala();
  ASSERT_EQ(view->screen(), kScreenShadbala);
  view->OnSelectTwoCharts();
  EXPECT_EQ(view->screen(), kScreenTwoCharts);
  EXPECT_TRUE(driver.captions().isEmpty());

  driver.Then([](QWidget* d) {
    EXPECT_EQ(d->windowTitle(), "Choose Two Charts");
    EXPECT_TRUE(IsChecked(d, "first0"));   // Rasi
    EXPECT_TRUE(IsChecked(d, "second8"));  // Navamsa
    EXPECT_TRUE(IsChecked(d, "showTwoCharts"));
    Check(d, "first9");    // Dasamsa
    Check(d, "second11");  // Dwadasamsa
    static_cast<QDialog*>(d)->accept();
  });
  view->OnSelectTwoCharts();
  EXPECT_EQ(driver.captions().size(), 1);
  EXPECT_EQ(view->choices().chart1, 9);
  EXPECT_EQ(view->choices().chart2, 11);
  EXPECT_EQ(view->choices().selectedChart, 9);
  EXPECT_EQ(view->screen(), kScreenTwoCharts);
  // The new charts are the ones drawn: Dasamsa's division label in chart 1.
  const QImage image = Draw(*view);
  const ChartState& chart = view->chart();
  const QRectF square(8, 8, 380, 380);
  const ChartDrawOptions options = ChartDrawOptionsFromSettings(view->settings());
  EXPECT_GT(CountColour(image, ChartCellShape(square, options, chart.vedic.vargaSign[kD10][kAscendant]),
                        Rgb(kAscendantColour), 50),
            0);

  // Cancel changes nothing.
  driver.ThenReject();
  view->OnSelectTwoCharts();
  EXPECT_EQ(view->choices().chart1, 9);
  EXPECT_EQ(driver.unexpected(), 0);
}

TEST_F(ViewScreensTest, TajakaChartDialogsCheckTheirRangesAndBackToBirthChartClearsTheMode) {
  ChartView* view = OpenDefaultChart();
  ASSERT_NE(view, nullptr);
  const double natalSun = view->chart().slotLongitude[kSun];
  ModalDriver driver;
  // Cancel changes nothing.
  driver.ThenReject();
  view->OnTajakaChart();
  EXPECT_FALSE(view->tajakaMode());

  // Answers a range message, then corrects the field of the dialog under it
  // and presses OK again.
  auto correct = [](const char* field, const char* value) {
    return [field, value](QWidget* box) {
      QPointer<QWidget> dialog = box->parentWidget();
      ModalDriver::Press(box);
      QTimer::singleShot(0, [dialog, field, value] {
        if (!dialog) return;
        SetText(dialog, field, QString::fromLatin1(value));
        static_cast<QDialog*>(dialog.data())->accept();
      });
    };
  };
  driver
      .Then([](QWidget* d) {
        EXPECT_EQ(d->windowTitle(), "Tajaka Annual Chart");
        EXPECT_EQ(TextOf(d, "year"), QString::number(QDate::currentDate().year()));  // this year
        SetText(d, "year", "5000");            // beyond -3000..3000
        Check(d, "monthly");
        static_cast<QDialog*>(d)->accept();
      })
      .Then(correct("year", "2026"))  // the range message; the dialog stayed open
      .Then([](QWidget* d) {
        EXPECT_EQ(d->windowTitle(), "Tajaka Monthly Chart");
        EXPECT_EQ(TextOf(d, "month"), "1");
        SetText(d, "month", "13");
        Check(d, "hora");
        static_cast<QDialog*>(d)->accept();
      })
      .Then(correct("month", "3"))
      .Then([](QWidget* d) {
        EXPECT_EQ(d->windowTitle(), "Tajaka Hora Chart");
        EXPECT_EQ(TextOf(d, "period"), "1");
        SetText(d, "period", "12");
        static_cast<QDialog*>(d)->accept();
      });
  view->OnTajakaChart();
  ASSERT_GE(driver.texts().size(), 5);
  EXPECT_EQ(driver.texts()[2], "Please enter an integer between -3000 and 3000.");
  EXPECT_EQ(driver.texts()[4], "Please enter an integer between 1 and 12.");
  EXPECT_EQ(driver.captions().size(), 6);
  const ChartOptions& o = view->chart().options;
  EXPECT_TRUE(view->tajakaMode());
  EXPECT_EQ(o.tajakaYear, 2026);
  EXPECT_EQ(o.tajakaMonthly, 1);
  EXPECT_EQ(o.tajakaMonth, 3);
  EXPECT_EQ(o.tajakaHoraWanted, 1);
  EXPECT_EQ(o.tajakaHora, 11);
  EXPECT_EQ(view->screen(), kScreenTwoCharts);
  // Hora period 12 of month 3: the Sun 60 + 27.5 degrees on from its natal place.
  EXPECT_NEAR(view->chart().slotLongitude[kSun], std::fmod(natalSun + 87.5, 360.0), 1e-3);

  view->OnBackToBirthChart();
  EXPECT_FALSE(view->tajakaMode());
  EXPECT_EQ(view->chart().options.tajakaMonthly, 0);
  EXPECT_EQ(view->chart().options.tajakaHoraWanted, 0);
  EXPECT_EQ(view->screen(), kScreenTwoCharts);
  EXPECT_EQ(view->chart().slotLongitude[kSun], natalSun);
  EXPECT_EQ(driver.unexpected(), 0);
}

TEST_F(ViewScreensTest, AshtakavargaAndMahadasaDialogs) {
  ChartView* view = OpenDefaultChart();
  ASSERT_NE(view, nullptr);
  ModalDriver driver;
  driver
      .Then([](QWidget* d) {
        EXPECT_EQ(d->windowTitle(), "Choose One Chart");
        EXPECT_TRUE(IsChecked(d, "chart0"));
        Check(d, "chart8");
        static_cast<QDialog*>(d)->accept();
      })
      .Then([](QWidget* d) {
        EXPECT_EQ(d->windowTitle(), "Select the mahadasa");
        auto* lords = Find<QComboBox>(d, "mahadasa");
        EXPECT_EQ(lords->currentText(), "Sun");
        EXPECT_EQ(lords->count(), 9);
        lords->setCurrentIndex(8);  // Ketu
        static_cast<QDialog*>(d)->accept();
      })
      .ThenReject();
  view->OnAshtakavarga();
  EXPECT_EQ(view->screen(), kScreenAshtakavarga);
  EXPECT_EQ(view->choices().ashtakavargaChart, 8);
  EXPECT_EQ(view->choices().selectedChart, 8);
  EXPECT_EQ(view->chart().options.ashtakavargaChart, 8);
  EXPECT_FALSE(view->ScreenText().trimmed().isEmpty());

  view->OnPratyantardasas();
  EXPECT_EQ(view->choices().mahadasa, 9);
  EXPECT_EQ(view->screen(), kScreenPratyantardasas);
  EXPECT_EQ(view->chart().options.selectedMahadasaLord, 9);
  // Cancel keeps the mahadasa and still shows the listing.
  view->OnVimsottari();
  view->OnPratyantardasas();
  EXPECT_EQ(view->choices().mahadasa, 9);
  EXPECT_EQ(view->screen(), kScreenPratyantardasas);
  EXPECT_EQ(driver.unexpected(), 0);
}

TEST_F(ViewScreensTest, EachWindowDrawsItsOwnChart) {
  ChartView* first = OpenDefaultChart();
  ASSERT_NE(first, nullptr);
  const QString other = WriteFile("charts/other.orv", "11\n23\n1988\n6.1500\n-1.00\n-13.24\n52.31\n");
  ChartDocument* otherDoc = app_->mainFrame()->OpenDocumentFile(other);
  ASSERT_NE(otherDoc, nullptr);
  ChartView* second = ViewOf(*app_->mainFrame(), otherDoc);
  ModalDriver driver;
  AcceptAnnualChart(driver, "2000");
  first->OnTajakaChart();
  const double firstSun = first->chart().slotLongitude[kSun];
  const double secondSun = second->chart().slotLongitude[kSun];
  // Drawn in turn, each keeps its own chart and mode (every drawing casts
  // again, which may move the last digits).
  for (int round = 0; round < 2; ++round) {
    Draw(*second);
    Draw(*first);
    EXPECT_NEAR(first->chart().slotLongitude[kSun], firstSun, 1e-4);
    EXPECT_NEAR(second->chart().slotLongitude[kSun], secondSun, 1e-4);
    EXPECT_GT(std::abs(first->chart().slotLongitude[kSun] - secondSun), 1.0);
    EXPECT_EQ(second->chart().birth.year, 1988);
    EXPECT_EQ(first->chart().birth.year, 1970);
    EXPECT_TRUE(first->tajakaMode());
    EXPECT_FALSE(second->tajakaMode());
  }
  EXPECT_EQ(otherDoc->image(), QByteArray("11\n23\n1988\n6.1500\n-1.00\n-13.24\n52.31\n"));
}

TEST_F(ViewScreensTest, MenusToolBarAndAccelerators) {
  ChartView* view = OpenDefaultChart();
  ASSERT_NE(view, nullptr);
  CMainFrame& frame = *app_->mainFrame();
  ModalDriver driver;  // none expected
  // Menu entries and tool-bar buttons reach the same commands.
  struct Row {
    int menuId, toolId, screen;
  };
  const Row rows[] = {{32771, 32794, kScreenVimsottari}, {32773, 32796, kScreenKalachakra},
                      {32883, 32892, kScreenAshtottari}, {32838, 32838, kScreenMiscellaneous},
                      {32815, 0, kScreenShadbala},       {32813, 0, kScreenSahams}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.menuId);
    for (int id : {r.menuId, r.toolId}) {
      if (id == 0) continue;
      view->choices().screen = kScreenTwoCharts;
      QAction* action = frame.commandAction(id);
      ASSERT_NE(action, nullptr);
      EXPECT_TRUE(action->isEnabled());
      action->trigger();
      EXPECT_EQ(view->screen(), r.screen);
    }
  }

  // The tool bar in its order.
  auto* bar = frame.findChild<QToolBar*>(QStringLiteral("standardToolBar"));
  ASSERT_NE(bar, nullptr);
  QList<int> ids;
  for (QAction* a : bar->actions()) ids << (a->isSeparator() ? 0 : frame.commandActions().key(a, -1));
  const QList<int> expected = {57600, 57601, 57603, 57607, 0,     32895, 0,     32792, 0,     32850, 32838,
                               32785, 32784, 0,     32794, 32796, 32892, 32900, 0,     32807, 32812, 32896};
  EXPECT_EQ(ids, expected);
  for (QAction* a : bar->actions()) {
    if (!a->isSeparator()) {
      EXPECT_FALSE(a->icon().isNull()) << a->text().toStdString();
    }
  }
  // Tool tips show the menu text without its mnemonic marks; "&&" is an
  // ampersand.
  EXPECT_EQ(frame.commandAction(32784)->toolTip(), "Ashtakavarga & sodya pindas");
  EXPECT_EQ(frame.commandAction(32850)->toolTip(), "Special lagna & upagraha display (Ctrl+E)");
  EXPECT_EQ(frame.commandAction(32900)->toolTip(), "Pratyantardasas in Vimsottari dasa");

  // Accelerators (with Ctrl).
  struct Key {
    const char* key;
    int id;
  };
  for (const Key& k : {Key{"Ctrl+2", 32780}, Key{"Ctrl+A", 32799}, Key{"Ctrl+B", 32809}, Key{"Ctrl+D", 32781},
                       Key{"Ctrl+M", 32838}, Key{"Ctrl+P", 57607}, Key{"Ctrl+N", 57600}, Key{"Ctrl+O", 57601},
                       Key{"Ctrl+S", 57603}}) {
    SCOPED_TRACE(k.key);
    QAction* action = frame.commandAction(k.id);
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->shortcut(), QKeySequence(QLatin1String(k.key)));
  }
  QStringList menuShortcuts;
  for (QAction* a : frame.findChildren<QAction*>()) {
    if (!a->shortcut().isEmpty()) menuShortcuts << a->shortcut().toString();
  }
  for (const char* key : {"Ctrl+E", "Ctrl+L", "Ctrl+Y"}) EXPECT_TRUE(menuShortcuts.contains(QLatin1String(key))) << key;
  // No key is bound twice.
  EXPECT_EQ(QSet<QString>(menuShortcuts.begin(), menuShortcuts.end()).size(), menuShortcuts.size());

  // The ".dat" menu has no Ashtakavarga entry and no bitmap copies.
  QAction* ashtakavarga = frame.commandAction(32779);
  EXPECT_TRUE(ashtakavarga->isVisible());
  const QString old = WriteFile("charts/old.dat", kDefaultChart);
  ASSERT_NE(frame.OpenDocumentFile(old), nullptr);
  EXPECT_FALSE(ashtakavarga->isVisible());
  EXPECT_FALSE(frame.commandAction(32831)->isVisible());
  EXPECT_FALSE(frame.commandAction(32837)->isVisible());
  EXPECT_TRUE(frame.commandAction(32771)->isVisible());
  EXPECT_EQ(frame.commandAction(32802)->text(), "&Patyayini dasa (Tajaka)");
  EXPECT_EQ(frame.commandAction(32812)->text(), "&Patyayini dasa");
  EXPECT_EQ(driver.unexpected(), 0);
}

TEST_F(ViewScreensTest, CopyingTheScreenCopiesAllItsText) {
  ChartView* view = OpenDefaultChart();
  ASSERT_NE(view, nullptr);
  ModalDriver driver;  // a copy is said in the status bar: no box to close
  struct Row {
    int screen;
    std::vector<const char*> parts;  // what the copy holds, in this order
  };
  // The two-chart screen: the planet table, then the basic information; the
  // miscellaneous screen the other way round; the shadbala screen its
  // headings and both tables.
  const Row rows[] = {
      {kScreenTwoCharts, {"Planet      Position", "Ascdt", "Date of Birth:", "Dasa year length"}},
      {kScreenMiscellaneous, {"Date of Birth:", "Planet      Position", "Gulika"}},
      {kScreenVimsottari, {"Vimsottari"}},
      {kScreenShadbala, {"ShadBalas:", "Kashta Phala", "BhavaBalas:", "Total", "Rupas"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.parts.front());
    view->choices().screen = row.screen;
    ASSERT_TRUE(view->RefreshScreen());
    app_->mainFrame()->commandAction(32861)->trigger();
    const QString copied = QApplication::clipboard()->text();
    EXPECT_EQ(copied, view->ScreenText());
    EXPECT_EQ(app_->mainFrame()->statusBar()->currentMessage(),
              QStringLiteral("Successfully copied what is on the screen to the clipboard in plain text format."));
    qsizetype at = 0;
    for (const char* part : row.parts) {
      const qsizetype found = copied.indexOf(QLatin1String(part), at);
      EXPECT_GE(found, at) << part;
      if (found >= 0) at = found;
    }
  }
  // Ctrl+C is the command's shortcut.
  EXPECT_EQ(app_->mainFrame()->commandAction(32861)->shortcut(), QKeySequence(QStringLiteral("Ctrl+C")));
  EXPECT_TRUE(driver.captions().isEmpty()) << driver.captions().join(QLatin1Char('|')).toStdString();
}

}  // namespace
}  // namespace orvane::testing
