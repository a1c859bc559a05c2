// Every screen of a natal and a Tajaka chart laid out in a real chart window:
// no text block over another or over a chart, every text and chart inside
// the area the window scrolls over, every drawn pixel inside the measured
// place of a block or chart, and the screen scaled with the window.
#include <QApplication>
#include <QMenuBar>
#include <QScrollArea>

#include "view_fixture.h"

namespace orvane::testing {
namespace {

class ScreenLayoutTest : public ViewFixture {
 protected:
  ChartView* OpenAt(QSize size, int style = kSouthRegular, bool degrees = false, const char* language = "") {
    ChartView* view = OpenDefaultChart(style, "charts/default.orv", degrees, language);
    if (!view) return nullptr;
    // The program opens its window maximized; a size given is a window of
    // that size.
    CMainFrame& frame = *app_->mainFrame();
    if (size.isValid()) {
      frame.showNormal();
      frame.resize(size);
    }
    Settle();
    if (size.isValid() && frame.size() != size) return nullptr;
    return view;
  }

  // Lets the window sizes and the drawing they cause settle.
  static void Settle() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
  }

  // Shows `screen` as its menu command would (without its dialogs).
  static void Show(ChartView& view, int screen) {
    view.choices().screen = screen;
    view.choices().previousScreen = kScreenTwoCharts;
    view.RefreshScreen();
    QCoreApplication::processEvents();
  }

  static bool Fits(const ScreenLayout& layout, bool tajaka) {
    if (layout.id == kScreenPanchaVargeeya) return tajaka;
    return layout.kind == ScreenKind::kBoth || (layout.kind == ScreenKind::kTajakaOnly) == tajaka;
  }

  // The checks on the screen shown by `view`.
  static void CheckScreen(ChartView& view, const ScreenLayout& layout) {
    const ScreenGeometry& g = view.screenGeometry();
    ASSERT_EQ(static_cast<int>(g.blocks.size()), layout.blockCount);
    ASSERT_EQ(static_cast<int>(g.charts.size()), layout.chartCount);
    std::vector<QRectF> texts;
    for (const QRectF& r : g.blocks) {
      if (!r.isEmpty()) texts.push_back(r);
    }
    ASSERT_FALSE(texts.empty());
    // A screen with marks to explain (the ashtakavarga's "4*") draws its
    // legend, placed like any text, and copying the screen leaves it out.
    EXPECT_EQ(g.legend.isEmpty(), layout.legend.empty());
    if (!layout.legend.empty()) {
      texts.push_back(g.legend);
      EXPECT_FALSE(view.ScreenText().contains(QStringLiteral("Legend")));
      EXPECT_TRUE(view.ScreenText().contains(QStringLiteral("*")));
    }
    for (std::size_t i = 0; i < texts.size(); ++i) {
      for (std::size_t j = i + 1; j < texts.size(); ++j) {
        EXPECT_FALSE(texts[i].intersects(texts[j])) << "blocks " << i << " and " << j;
      }
      for (const QRectF& chart : g.charts) EXPECT_FALSE(texts[i].intersects(chart)) << "block " << i;
    }
    if (g.charts.size() == 2) {
      EXPECT_FALSE(g.charts[0].intersects(g.charts[1]));
    }

    // The scroll area scrolls over the view: everything lies inside it.
    const QRectF scrollable(QPointF(0, 0), QSizeF(view.size()));
    auto* area = qobject_cast<QScrollArea*>(view.parentWidget() ? view.parentWidget()->parentWidget() : nullptr);
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area->widget(), &view);
    for (const QRectF& r : texts) EXPECT_TRUE(scrollable.contains(r)) << "block outside the scrolled area";
    for (const QRectF& r : g.charts) EXPECT_TRUE(scrollable.contains(r)) << "chart outside the scrolled area";

    // What is drawn lies in the measured places: text drawn beyond its block
    // would overlap whatever was placed next to it.
    const QImage& image = view.screenImage();
    ASSERT_FALSE(image.isNull());
    const QColor background = ColourFromBgr(kBackgroundColour);
    const double ratio = image.devicePixelRatio();
    int stray = 0, legendInk = 0;
    QPoint firstStray;
    for (int y = 0; y < image.height(); ++y) {
      const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
      for (int x = 0; x < image.width(); ++x) {
        const QColor c = QColor::fromRgb(line[x]);
        if (std::abs(c.red() - background.red()) + std::abs(c.green() - background.green()) +
                std::abs(c.blue() - background.blue()) < 30)
          continue;
        const QPointF p((x + 0.5) / ratio, (y + 0.5) / ratio);
        if (g.legend.contains(p)) ++legendInk;
        bool inside = false;
        for (const QRectF& r : texts) inside = inside || r.adjusted(-1, -1, 1, 1).contains(p);
        for (const QRectF& r : g.charts) inside = inside || r.adjusted(-2, -2, 2, 2).contains(p);
        if (!inside && stray++ == 0) firstStray = QPoint(x, y);
      }
    }
    EXPECT_EQ(stray, 0) << "first at " << firstStray.x() << ", " << firstStray.y();
    if (!layout.legend.empty()) {
      EXPECT_GT(legendInk, 100);
    }
  }
};

// In English at both sizes, and at 800 x 600 in Tamil and Malayalam, whose
// words are the longest: the screens as in English, and the menu bar shows
// every menu's title whole.
TEST_F(ScreenLayoutTest, NothingOverlapsAndEverythingScrollsIntoView) {
  struct Case {
    QSize size;
    const char* language;
  };
  for (const Case& c :
       {Case{QSize(), ""}, Case{QSize(800, 600), ""}, Case{QSize(800, 600), "ta"}, Case{QSize(800, 600), "ml"}}) {
    const QSize size = c.size;
    SCOPED_TRACE(size.isValid() ? "800 x 600" : "maximized (the default)");
    SCOPED_TRACE(*c.language ? c.language : "English");
    ChartView* view = OpenAt(size, kSouthRegular, false, c.language);
    ASSERT_NE(view, nullptr);
    QMenuBar* bar = app_->mainFrame()->menuBar();
    if (*c.language) {
      EXPECT_NE(bar->actions().value(0)->text(), QStringLiteral("&File"));
    }
    for (QAction* menu : bar->actions()) {
      const QRect title = bar->actionGeometry(menu);
      EXPECT_TRUE(!title.isEmpty() && bar->rect().contains(title)) << "menu cut off: " << menu->text().toStdString();
    }
    ModalDriver driver;
    for (bool tajaka : {false, true}) {
      if (tajaka) {
        AcceptAnnualChart(driver, "2026");
        view->OnTajakaChart();
        ASSERT_TRUE(view->tajakaMode());
      }
      for (const ScreenLayout& layout : ScreenTable()) {
        if (!Fits(layout, tajaka)) continue;
        SCOPED_TRACE(::testing::Message() << (tajaka ? "Tajaka " : "natal ") << layout.id);
        Show(*view, layout.id);
        ASSERT_EQ(view->screen(), layout.id);
        CheckScreen(*view, layout);
      }
    }
    EXPECT_EQ(driver.unexpected(), 0);
    app_.reset();
  }
}

// With the bodies' degrees in the charts, every style's charts keep to
// their places on the screens that show charts.
TEST_F(ScreenLayoutTest, DegreesInTheChartsStayInTheirPlaces) {
  for (int style : {kSouthRegular, kNorthDiamond, kEastSun}) {
    for (const QSize size : {QSize(), QSize(800, 600)}) {
      SCOPED_TRACE(::testing::Message() << "style " << style << (size.isValid() ? " 800 x 600" : " maximized"));
      ChartView* view = OpenAt(size, style, true);
      ASSERT_NE(view, nullptr);
      for (int screen : {kScreenTwoCharts, kScreenAshtakavarga}) {
        SCOPED_TRACE(screen);
        const ScreenLayout* layout = nullptr;
        for (const ScreenLayout& l : ScreenTable()) {
          if (l.id == screen) layout = &l;
        }
        ASSERT_NE(layout, nullptr);
        Show(*view, screen);
        CheckScreen(*view, *layout);
      }
      app_.reset();
    }
  }
}

// The rows that used to fall off the bottom of their screens are on screen.
TEST_F(ScreenLayoutTest, LongScreensKeepTheirLastRows) {
  ChartView* view = OpenAt(QSize(1400, 1000));
  ASSERT_NE(view, nullptr);
  struct Row {
    int screen;
    const char* last;  // text of the last rows
  };
  for (const Row& row : {Row{kScreenShadbala, "Rupas"}, Row{kScreenShadbala, "BhavaBalas:"},
                         Row{kScreenSahams, "Labha"}, Row{kScreenSahams, "Apamrityu"}}) {
    SCOPED_TRACE(row.last);
    Show(*view, row.screen);
    EXPECT_TRUE(view->ScreenText().contains(QLatin1String(row.last)));
    const ScreenGeometry& g = view->screenGeometry();
    ASSERT_FALSE(g.blocks.empty());
    EXPECT_LE(g.blocks.back().bottom(), view->height());
  }
  // The Bhava Bala heading stands above its table, below the shadbala rows.
  Show(*view, kScreenShadbala);
  const ScreenGeometry& g = view->screenGeometry();
  ASSERT_EQ(g.blocks.size(), 4u);
  EXPECT_GE(g.blocks[2].top(), g.blocks[1].bottom());
  EXPECT_GE(g.blocks[3].top(), g.blocks[2].bottom());
}

TEST_F(ScreenLayoutTest, ScreenFitsTheWindowAndZooms) {
  ChartView* view = OpenAt(QSize(1920, 1200));
  ASSERT_NE(view, nullptr);
  ASSERT_EQ(view->screen(), kScreenTwoCharts);
  ASSERT_TRUE(view->fitsWindow());
  const ScreenGeometry& g = view->screenGeometry();
  ASSERT_EQ(g.charts.size(), 2u);
  const double span = g.charts[1].right() - g.charts[0].left();
  EXPECT_GE(span, 0.45 * 1920) << span;
  // The whole screen fits the window: nothing to scroll.
  EXPECT_LE(g.extent.width(), view->width());
  EXPECT_LE(g.extent.height(), view->height());

  // A smaller window, a smaller screen.
  const double large = view->scale();
  app_->mainFrame()->resize(1000, 700);
  Settle();
  ASSERT_EQ(app_->mainFrame()->width(), 1000);
  Settle();
  EXPECT_LT(view->scale(), large);

  // Zoom in and out by steps, back to the actual size, and fit again.
  const double fitted = view->scale();
  view->ZoomIn();
  EXPECT_FALSE(view->fitsWindow());
  EXPECT_NEAR(view->scale(), fitted * ChartView::kZoomStep, 1e-9);
  view->ZoomOut();
  view->ZoomOut();
  // Zooming out stops where the text would become too small to read.
  EXPECT_NEAR(view->scale(), std::max(fitted / ChartView::kZoomStep, view->MinimumTextScale()), 1e-9);
  for (int i = 0; i < 5; ++i) {
    view->ZoomOut();
    EXPECT_GE(view->smallestTextDrawn(), kMinimumTextHeight);
  }
  EXPECT_DOUBLE_EQ(view->scale(), view->MinimumTextScale());
  view->ZoomActualSize();
  EXPECT_DOUBLE_EQ(view->scale(), 1.0);
  // At the actual size the screen is as large as the window was drawn for.
  EXPECT_EQ(view->screenGeometry().charts[0].width(), std::trunc(380 * std::min(1200.0 / 1270, 800.0 / 890)));
  for (int i = 0; i < 20; ++i) view->ZoomIn();
  EXPECT_DOUBLE_EQ(view->scale(), ChartView::kMaxZoom);
  view->ZoomToFit();
  EXPECT_TRUE(view->fitsWindow());
  EXPECT_DOUBLE_EQ(view->scale(), fitted);
}

TEST(ScreenFitScale, FitsWholeDownToReadableTextThenScrolls) {
  struct Case {
    QSizeF extent;
    QSize room;
    double scale;
  };
  // The least readable scale of these cases' text: 0.6.
  const Case cases[] = {
      {{1000, 800}, {2000, 1200}, 1.5},    // the height decides
      {{1000, 400}, {1500, 1200}, 1.5},    // the width decides
      {{1000, 1000}, {1200, 700}, 0.7},    // smaller than its actual size, whole in the window
      {{1000, 2000}, {1200, 1300}, 0.65},  // a long listing too, while its text stays readable
      {{1000, 2000}, {1200, 900}, 1.0},    // one that would need smaller text scrolls at its actual size
      {{1000, 2000}, {816, 900}, 0.8},     // ... or the width's scale
      {{1000, 2000}, {516, 900}, 0.6},     // ... never below the readable scale
      {{1000, 800}, {100, 80}, 0.6},
      {{100, 80}, {4000, 4000}, ChartView::kMaxZoom},
      {{0, 0}, {800, 600}, 1.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.extent.width() << " x " << c.extent.height() << " in " << c.room.width()
                                      << " x " << c.room.height());
    EXPECT_DOUBLE_EQ(ChartView::FitScale(c.extent, c.room, 16, 0.6), c.scale);
  }
}

// Pictures of every screen at two window sizes for a person to look at:
// written only when ORVANE_SHOT_DIR names a folder.
TEST_F(ScreenLayoutTest, SavePicturesForReview) {
  const QString folder = qEnvironmentVariable("ORVANE_SHOT_DIR");
  if (folder.isEmpty()) GTEST_SKIP() << "set ORVANE_SHOT_DIR to write the pictures";
  QDir().mkpath(folder);
  for (const QSize size : {QSize(800, 600), QSize(1366, 768), QSize(1400, 1000), QSize(1920, 1200)}) {
    for (int style : {kSouthRegular, kNorthDiamond, kEastSun}) {
      if (style == kEastSun && size.width() != 1400) continue;
      ChartView* view = OpenAt(size, style);
      ASSERT_NE(view, nullptr);
      ModalDriver driver;
      for (bool tajaka : {false, true}) {
        if (style != kSouthRegular && tajaka) break;
        if (tajaka) {
          AcceptAnnualChart(driver, "2026");
          view->OnTajakaChart();
        }
        for (const ScreenLayout& layout : ScreenTable()) {
          if (!Fits(layout, tajaka)) continue;
          if (style != kSouthRegular && layout.id != kScreenTwoCharts) continue;
          Show(*view, layout.id);
          const QString name = QStringLiteral("%1/screen%2_%3%4_%5x%6.png")
                                   .arg(folder)
                                   .arg(layout.id)
                                   .arg(style == kNorthDiamond ? "north" : style == kEastSun ? "east" : "south")
                                   .arg(tajaka ? "_tajaka" : "")
                                   .arg(size.width())
                                   .arg(size.height());
          EXPECT_TRUE(app_->mainFrame()->grab().save(name));
        }
      }
      app_.reset();
    }
  }
  // The charts with the bodies' degrees, in each style.
  for (int style : {kSouthRegular, kNorthDiamond, kEastSun}) {
    ChartView* view = OpenAt(QSize(1400, 1000), style, true);
    ASSERT_NE(view, nullptr);
    Show(*view, kScreenTwoCharts);
    EXPECT_TRUE(app_->mainFrame()->grab().save(
        QStringLiteral("%1/degrees_style%2_1400x1000.png").arg(folder).arg(style)));
    app_.reset();
  }
}

}  // namespace
}  // namespace orvane::testing
