// The main window's conveniences: the Window menu lists the open charts, Ctrl+Q
// quits through the save prompts, F1 opens the user guide, and the zoom
// commands reach the active chart window.
#include <QAction>
#include <QLineEdit>
#include <QDate>
#include <QAbstractButton>
#include <QHash>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSet>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocumentFragment>

#include "app/child_frame.h"
#include "app/user_guide.h"
#include "display/chart_labels.h"
#include "view_fixture.h"

namespace orvane::testing {
namespace {

using MainWindowCommands = ViewFixture;

QAction* MenuAction(QMenu* menu, const QString& text) {
  for (QAction* action : menu->actions()) {
    if (action->text() == text) return action;
  }
  return nullptr;
}

// Each menu's entries are reached by different letters, and every entry
// reads as plain words.
TEST_F(MainWindowCommands, EveryMenuHasOneEntryPerMnemonic) {
  ChartView* view = OpenDefaultChart();
  ASSERT_NE(view, nullptr);
  CMainFrame& frame = *app_->mainFrame();
  const auto mnemonic = [](const QString& text) -> QChar {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
      if (text[i] != u'&') continue;
      if (text[i + 1] != u'&') return text[i + 1].toLower();
      ++i;  // "&&" is an ampersand
    }
    return {};
  };
  int menus = 0;
  for (QMenu* menu : frame.menuBar()->findChildren<QMenu*>()) {
    emit menu->aboutToShow();
    QHash<QChar, QString> seen;
    for (QAction* action : menu->actions()) {
      if (action->isSeparator() || !action->isVisible() || action->property("windowListEntry").toBool()) continue;
      EXPECT_FALSE(action->text().contains(QStringLiteral(" on as "))) << action->text().toStdString();
      const QChar key = mnemonic(action->text());
      if (key.isNull()) continue;
      EXPECT_FALSE(seen.contains(key)) << menu->title().toStdString() << ": \"" << seen.value(key).toStdString()
                                       << "\" and \"" << action->text().toStdString() << "\"";
      seen.insert(key, action->text());
    }
    ++menus;
  }
  EXPECT_GE(menus, 8);
}

// The annual chart is asked for the current year (then the year chosen
// last), and the window's caption says which Tajaka chart it shows until the
// birth chart is back.
TEST_F(MainWindowCommands, TajakaChartsAreNamedInTheCaption) {
  ChartView* view = OpenDefaultChart();
  ASSERT_NE(view, nullptr);
  CChildFrame* child = app_->mainFrame()->activeChild();
  ASSERT_NE(child, nullptr);
  struct Case {
    const char* year;  // typed (nullptr: what is offered is taken)
    bool monthly;
    const char* month;
    bool hora;
    const char* hora_;
    QString offered;  // the year offered
    QString caption;  // its end
  };
  const QString thisYear = QString::number(QDate::currentDate().year());
  const Case cases[] = {
      {nullptr, false, nullptr, false, nullptr, thisYear, QStringLiteral("\u2014 Annual chart ") + thisYear},
      {"2030", true, "3", false, nullptr, thisYear, QStringLiteral("\u2014 Monthly chart 2030, month 3")},
      {nullptr, true, "4", true, "5", QStringLiteral("2030"), QStringLiteral("\u2014 Hora chart 2030, month 4, hora 5")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption.toStdString());
    ModalDriver driver;
    QString offered;
    driver.Then([&](QWidget* d) {
      offered = d->findChild<QLineEdit*>(QStringLiteral("year"))->text();
      if (c.year) SetText(d, "year", QString::fromLatin1(c.year));
      if (c.monthly) d->findChild<QAbstractButton*>(QStringLiteral("monthly"))->setChecked(true);
      static_cast<QDialog*>(d)->accept();
    });
    if (c.monthly) {
      driver.Then([&](QWidget* d) {
        SetText(d, "month", QString::fromLatin1(c.month));
        if (c.hora) d->findChild<QAbstractButton*>(QStringLiteral("hora"))->setChecked(true);
        static_cast<QDialog*>(d)->accept();
      });
    }
    if (c.hora) {
      driver.Then([&](QWidget* d) {
        SetText(d, "period", QString::fromLatin1(c.hora_));
        static_cast<QDialog*>(d)->accept();
      });
    }
    view->OnTajakaChart();
    QCoreApplication::processEvents();
    EXPECT_EQ(offered, c.offered);
    EXPECT_TRUE(child->windowTitle().contains(c.caption)) << child->windowTitle().toStdString();
    EXPECT_EQ(driver.unexpected(), 0);
  }
  view->OnBackToBirthChart();
  QCoreApplication::processEvents();
  EXPECT_FALSE(child->windowTitle().contains(QStringLiteral("chart 2030"))) << child->windowTitle().toStdString();
}

TEST_F(MainWindowCommands, WindowMenuListsTheOpenChartsAndActivatesThem) {
  ChartView* view = OpenDefaultChart();
  ASSERT_NE(view, nullptr);
  CMainFrame& frame = *app_->mainFrame();
  frame.OnFileNew();
  auto* menu = frame.menuBar()->findChild<QMenu*>(QStringLiteral("windowMenu"));
  ASSERT_NE(menu, nullptr);
  for (int round = 0; round < 2; ++round) {  // opening the menu twice lists each window once
    emit menu->aboutToShow();
    QStringList listed;
    for (QAction* action : menu->actions()) {
      if (action->property("windowListEntry").toBool() && !action->isSeparator()) listed << action->text();
    }
    ASSERT_EQ(listed.size(), 2) << listed.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(listed[0], QStringLiteral("&1 default.orv"));
    EXPECT_TRUE(listed[1].startsWith(QLatin1String("&2 ")));
  }
  // The second chart is active; choosing the first brings it back.
  QAction* first = MenuAction(menu, QStringLiteral("&1 default.orv"));
  ASSERT_NE(first, nullptr);
  EXPECT_FALSE(first->isChecked());
  first->trigger();
  EXPECT_EQ(frame.activeView(), view);
}

// Window > Cascade on a laptop screen: every chart window keeps most of the
// area, so that its charts keep labels a person can read.
TEST_F(MainWindowCommands, CascadeKeepsEveryChartReadable) {
  ChartView* view = OpenDefaultChart();
  ASSERT_NE(view, nullptr);
  CMainFrame& frame = *app_->mainFrame();
  frame.showNormal();
  frame.resize(1366, 768);
  for (int i = 0; i < 4; ++i) frame.OnFileNew();
  auto* menu = frame.menuBar()->findChild<QMenu*>(QStringLiteral("windowMenu"));
  ASSERT_NE(menu, nullptr);
  QAction* cascade = MenuAction(menu, QStringLiteral("&Cascade"));
  ASSERT_NE(cascade, nullptr);
  cascade->trigger();
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
  auto* area = frame.findChild<QMdiArea*>(QStringLiteral("mdiArea"));
  ASSERT_NE(area, nullptr);
  const QRect room(QPoint(0, 0), area->viewport()->size());
  const QList<QMdiSubWindow*> windows = area->subWindowList();
  ASSERT_EQ(windows.size(), 5);
  QSet<int> corners;
  for (QMdiSubWindow* window : windows) {
    SCOPED_TRACE(window->windowTitle().toStdString());
    EXPECT_TRUE(room.contains(window->geometry())) << window->geometry().x() << "," << window->geometry().y();
    EXPECT_GE(window->width(), room.width() * 3 / 4);
    EXPECT_GE(window->height(), room.height() * 3 / 4);
    corners.insert(window->geometry().x());
    auto* child = qobject_cast<CChildFrame*>(window);
    ASSERT_NE(child, nullptr);
    const ScreenGeometry& g = child->view()->screenGeometry();
    ASSERT_EQ(g.charts.size(), 2u);
    EXPECT_GE(g.charts[0].width(), ChartView::kMainChartMinimum);
  }
  EXPECT_GE(corners.size(), 3);  // they overlap in steps, each title bar in sight
  if (const QString shots = qEnvironmentVariable("ORVANE_SHOT_DIR"); !shots.isEmpty()) {
    frame.grab().save(shots + QStringLiteral("/cascade_1366x768.png"));
  }
}

TEST_F(MainWindowCommands, ShortcutsOfQuitGuideCopyAndZoom) {
  ChartView* view = OpenDefaultChart();
  ASSERT_NE(view, nullptr);
  CMainFrame& frame = *app_->mainFrame();
  QMap<QString, QAction*> byShortcut;
  for (QAction* action : frame.findChildren<QAction*>()) {
    for (const QKeySequence& key : action->shortcuts()) {
      const QString text = key.toString(QKeySequence::PortableText);
      // No key does two things.
      EXPECT_FALSE(byShortcut.contains(text)) << text.toStdString();
      byShortcut.insert(text, action);
    }
  }
  struct Row {
    const char* key;
    const char* text;
  };
  for (const Row& row : {Row{"Ctrl+Q", "E&xit"}, Row{"F1", "&User Guide"},
                         Row{"Ctrl+C", "&Text on current screen as plain text"}, Row{"Ctrl++", "Zoom &In"},
                         Row{"Ctrl+=", "Zoom &In"}, Row{"Ctrl+-", "Zoom &Out"}, Row{"Ctrl+0", "&Actual Size"},
                         Row{"Ctrl+9", "&Fit to Window"}}) {
    SCOPED_TRACE(row.key);
    QAction* action = byShortcut.value(QString::fromLatin1(row.key));
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), QString::fromLatin1(row.text));
  }

  // The zoom commands work on the active chart window.
  byShortcut.value(QStringLiteral("Ctrl+0"))->trigger();
  EXPECT_FALSE(view->fitsWindow());
  EXPECT_DOUBLE_EQ(view->scale(), 1.0);
  byShortcut.value(QStringLiteral("Ctrl++"))->trigger();
  EXPECT_DOUBLE_EQ(view->scale(), ChartView::kZoomStep);
  byShortcut.value(QStringLiteral("Ctrl+9"))->trigger();
  EXPECT_TRUE(view->fitsWindow());

  // F1 opens the guide once; a second F1 shows the same window.
  byShortcut.value(QStringLiteral("F1"))->trigger();
  byShortcut.value(QStringLiteral("F1"))->trigger();
  const QList<QDialog*> guides = frame.findChildren<QDialog*>(QStringLiteral("userGuideWindow"));
  ASSERT_EQ(guides.size(), 1);
  auto* text = guides.first()->findChild<QTextBrowser*>(QStringLiteral("userGuideText"));
  ASSERT_NE(text, nullptr);
  EXPECT_TRUE(text->toPlainText().contains(QLatin1String("Ctrl+Q")));
  guides.first()->close();
}

// The guide explains every abbreviation the charts draw (a series such as
// "A2 .. A11" covers its members) and the windows of the Charts and
// Reports menus.
TEST(UserGuide, NamesEveryChartLabelAndTheMatchTransitsAndReportsWindows) {
  const QString guide = QTextDocumentFragment::fromHtml(UserGuideHtml()).toPlainText();
  QStringList labels;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    labels << QString::fromLatin1(BodyLabel(LabelForm::kScreen, 0, slot).data(),
                                  static_cast<qsizetype>(BodyLabel(LabelForm::kScreen, 0, slot).size()));
  }
  for (std::string_view pada : kPadaLabels) labels << QString::fromLatin1(pada.data(), static_cast<qsizetype>(pada.size()));
  const QRegularExpression series(QStringLiteral("^([A-Z])(\\d+)$"));
  for (const QString& label : labels) {
    SCOPED_TRACE(label.toStdString());
    const QRegularExpressionMatch member = series.match(label);
    if (member.hasMatch()) {
      const QRegularExpression range(member.captured(1) + QStringLiteral("(\\d+) \\.\\. ") + member.captured(1) +
                                     QStringLiteral("(\\d+)"));
      const QRegularExpressionMatch r = range.match(guide);
      ASSERT_TRUE(r.hasMatch());
      const int n = member.captured(2).toInt();
      EXPECT_TRUE(n >= r.captured(1).toInt() && n <= r.captured(2).toInt());
    } else {
      EXPECT_TRUE(guide.contains(QRegularExpression(QStringLiteral("\\b") + QRegularExpression::escape(label) +
                                                    QStringLiteral("\\b"))));
    }
  }
  for (const char* window : {"Match with...", "Transits...", "Report sections", "4*"}) {
    EXPECT_TRUE(guide.contains(QLatin1String(window))) << window;
  }
}

TEST_F(MainWindowCommands, QuitAsksToSaveAModifiedChartAndCancelKeepsTheProgram) {
  ChartView* view = OpenDefaultChart();
  ASSERT_NE(view, nullptr);
  CMainFrame& frame = *app_->mainFrame();
  view->document().SetModifiedFlag(true);
  QAction* quit = nullptr;
  for (QAction* action : frame.findChildren<QAction*>()) {
    if (action->shortcut() == QKeySequence(QStringLiteral("Ctrl+Q"))) quit = action;
  }
  ASSERT_NE(quit, nullptr);
  ModalDriver driver;
  driver.ThenPress(QMessageBox::Cancel);
  quit->trigger();
  QCoreApplication::processEvents();
  ASSERT_EQ(driver.captions().size(), 1);
  EXPECT_TRUE(driver.texts().first().startsWith(QLatin1String("Save changes to")));
  EXPECT_TRUE(frame.isVisible());
  EXPECT_EQ(frame.documents().size(), 1);
  EXPECT_EQ(driver.unexpected(), 0);
}

}  // namespace
}  // namespace orvane::testing
