// The dasa browser: its periods carry the dates orvane-cli prints in the
// Vimsottari listing and the pratyantardasa listings of the same chart, the
// period running on the given day is highlighted and opened, the keyboard
// moves through the tree, and a Tajaka chart gets the natal-only message.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QTreeWidget>
#include <nlohmann/json.hpp>
#include <map>
#include <regex>

#include "../common/cli_process.h"
#include "app/dasa_browser.h"
#include "modal_driver.h"
#include "view_fixture.h"

namespace orvane::testing {
namespace {

using testing_support::RunCliProcess;

// A listed period: its four-letter label and start date.
struct Listed {
  std::string label;  // "Jupi", "Sun"
  std::string start;  // "2031-07-18"
};
// A listing line at the left margin starts a main period; its pairs and the
// pairs of the lines under it are the period itself and its sub-periods.
using Listing = std::vector<std::vector<Listed>>;

Listing ParseListing(const std::string& text) {
  static const std::regex pair("(Sun |Moon|Mars|Merc|Jupi|Venu|Satu|Rahu|Ketu) (-?\\d{4,}-\\d\\d-\\d\\d)");
  Listing periods;
  std::size_t from = 0;
  while (from < text.size()) {
    std::size_t to = text.find('\n', from);
    if (to == std::string::npos) to = text.size();
    const std::string line = text.substr(from, to - from);
    from = to + 1;
    bool first = !line.empty() && line[0] != ' ';
    for (auto it = std::sregex_iterator(line.begin(), line.end(), pair); it != std::sregex_iterator(); ++it) {
      Listed listed{(*it)[1].str(), (*it)[2].str()};
      while (!listed.label.empty() && listed.label.back() == ' ') listed.label.pop_back();
      if (first) periods.emplace_back();
      first = false;
      if (!periods.empty()) periods.back().push_back(listed);
    }
  }
  return periods;
}

// The last name of a tree row ("Venus / Rahu" -> "Venus") begins with the
// listed label, and the row starts on the listed date.
void ExpectRow(QTreeWidgetItem* item, const Listed& listed) {
  ASSERT_NE(item, nullptr);
  const QString name = item->text(0).section(QStringLiteral(" / "), -1);
  EXPECT_TRUE(name.startsWith(QString::fromStdString(listed.label)))
      << item->text(0).toStdString() << " vs " << listed.label;
  EXPECT_EQ(item->text(1).toStdString(), listed.start) << item->text(0).toStdString();
}

class DasaBrowserTest : public ViewFixture {
 protected:
  static constexpr char kChart[] = "charts/dasas.orv";

  CDasaBrowser* OpenBrowser() {
    view_ = OpenDefaultChart(0, kChart);
    if (!view_) return nullptr;
    view_->OnDasaBrowser();
    QCoreApplication::processEvents();
    return view_->dasaBrowser();
  }

  std::string Cli(const std::vector<std::string>& extra) {
    std::vector<std::string> args = {"--settings", paths_.settingsFile.toStdString()};
    args.insert(args.end(), extra.begin(), extra.end());
    args.push_back(Home(QString::fromLatin1(kChart)).toStdString());
    const testing_support::CliRun run = RunCliProcess(args);
    EXPECT_EQ(run.status, 0) << run.err;
    return run.out;
  }

  ChartView* view_ = nullptr;
};

TEST_F(DasaBrowserTest, DatesAreThoseOrvaneCliPrints) {
  CDasaBrowser* browser = OpenBrowser();
  ASSERT_NE(browser, nullptr);
  QTreeWidget* tree = browser->tree();
  ASSERT_EQ(tree->topLevelItemCount(), 9);

  // The main periods and antardasas of the Vimsottari listing. The first
  // main period starts at birth, and the listing leaves out its antardasas
  // that began before: the tree has them all, the listed ones last.
  const Listing mains = ParseListing(Cli({"--section", "0"}));
  ASSERT_EQ(mains.size(), 9u);
  for (int m = 0; m < 9; ++m) {
    SCOPED_TRACE(::testing::Message() << "main period " << m);
    QTreeWidgetItem* main = tree->topLevelItem(m);
    ExpectRow(main, mains[m][0]);
    if (m + 1 < 9) {
      EXPECT_EQ(main->text(2).toStdString(), mains[m + 1][0].start);
    }
    ASSERT_EQ(main->childCount(), 9);
    const std::size_t listed = mains[m].size() - 1;
    if (m > 0) {
      EXPECT_EQ(listed, 8u);  // all but the first, which starts with the main period
    }
    for (std::size_t a = 1; a <= listed; ++a) ExpectRow(main->child(static_cast<int>(9 - listed + a - 1)), mains[m][a]);
    EXPECT_EQ(main->child(8)->text(2), main->text(2));  // the last antardasa ends with its period
  }

  // The pratyantardasas of every main period's listing (--mahadasa 1..9).
  for (int lord = 1; lord <= 9; ++lord) {
    SCOPED_TRACE(::testing::Message() << "mahadasa " << lord);
    const Listing subs = ParseListing(Cli({"--section", "42", "--mahadasa", std::to_string(lord)}));
    ASSERT_EQ(subs.size(), 9u);
    QTreeWidgetItem* main = nullptr;
    for (int m = 0; m < 9; ++m) {
      if (tree->topLevelItem(m)->text(0).startsWith(QString::fromStdString(subs[0][0].label))) {
        main = tree->topLevelItem(m);
      }
    }
    ASSERT_NE(main, nullptr);
    for (int a = 0; a < 9; ++a) {
      QTreeWidgetItem* antardasa = main->child(a);
      ASSERT_EQ(antardasa->childCount(), 9);
      ASSERT_EQ(subs[a].size(), 9u);
      // The listed antardasa is its first pratyantardasa, on the date the
      // Vimsottari listing gives the antardasa.
      ExpectRow(antardasa->child(0), subs[a][0]);
      EXPECT_EQ(antardasa->text(1).toStdString(), subs[a][0].start);
      for (int p = 1; p < 9; ++p) ExpectRow(antardasa->child(p), subs[a][p]);
      for (int p = 0; p + 1 < 9; ++p) EXPECT_EQ(antardasa->child(p)->text(2), antardasa->child(p + 1)->text(1));
      EXPECT_EQ(antardasa->child(8)->text(2), antardasa->text(2));
    }
  }
}

// Every other system's main periods start on the dates orvane-cli prints:
// the nakshatra dasas' listings (the first main period at birth), the
// Kalachakra listing's signs, the rasi dasas' JSON.
TEST_F(DasaBrowserTest, EverySystemListsTheDatesOrvaneCliPrints) {
  CDasaBrowser* browser = OpenBrowser();
  ASSERT_NE(browser, nullptr);
  QComboBox* systems = browser->systemBox();
  ASSERT_GE(systems->count(), 20);
  auto show = [&](const QString& name) {
    const int index = systems->findText(name);
    EXPECT_GE(index, 0) << name.toStdString();
    browser->ShowSystem(index);
    EXPECT_TRUE(browser->windowTitle().startsWith(name + QStringLiteral(" dasa")));
    return browser->tree();
  };
  struct Nakshatra {
    const char* name;
    const char* section;
  };
  for (const Nakshatra& n : {Nakshatra{"Yogini", "2"}, Nakshatra{"Ashtottari", "37"}, Nakshatra{"Dwadasottari", "32"},
                             Nakshatra{"Tithi Yogini", "40"}}) {
    SCOPED_TRACE(n.name);
    QTreeWidget* tree = show(QString::fromLatin1(n.name));
    const Listing listed = ParseListing(Cli({"--section", n.section}));
    ASSERT_EQ(static_cast<std::size_t>(tree->topLevelItemCount()), listed.size());
    for (int m = 0; m < tree->topLevelItemCount(); ++m) ExpectRow(tree->topLevelItem(m), listed[static_cast<std::size_t>(m)][0]);
    EXPECT_EQ(tree->topLevelItem(0)->text(3), QStringLiteral("0.0"));  // the native's age at the first period
    EXPECT_TRUE(browser->note()->text().contains(QStringLiteral("Balance at birth: ")));
  }
  {
    QTreeWidget* tree = show(QStringLiteral("Kalachakra"));
    const std::string text = Cli({"--section", "1"});
    // "Cn 1990-05-17" at the left margin: each main period's sign and start.
    static const std::regex main("\\n(Ar|Ta|Ge|Cn|Le|Vi|Li|Sc|Sg|Cp|Aq|Pi) (\\d{4}-\\d\\d-\\d\\d)");
    int m = 0;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), main); it != std::sregex_iterator(); ++it, ++m) {
      ASSERT_LT(m, tree->topLevelItemCount());
      EXPECT_EQ(tree->topLevelItem(m)->text(1).toStdString(), (*it)[2].str());
      static const std::map<std::string, QString> kSign = {
          {"Ar", "Aries"}, {"Ta", "Taurus"},  {"Ge", "Gemini"},      {"Cn", "Cancer"},    {"Le", "Leo"},      {"Vi", "Virgo"},
          {"Li", "Libra"}, {"Sc", "Scorpio"}, {"Sg", "Sagittarius"}, {"Cp", "Capricorn"}, {"Aq", "Aquarius"}, {"Pi", "Pisces"}};
      EXPECT_EQ(tree->topLevelItem(m)->text(0), kSign.at((*it)[1].str()));
    }
    EXPECT_EQ(m, tree->topLevelItemCount());
  }
  {
    QTreeWidget* tree = show(QStringLiteral("Chara (Jaimini)"));
    const nlohmann::json dasa = nlohmann::json::parse(Cli({"--rasi-dasa", "chara", "--json"})).at("rasi_dasa");
    int m = 0;
    for (const nlohmann::json& p : dasa.at("periods")) {
      if (p.at("years").get<double>() <= 0) continue;
      ASSERT_LT(m, tree->topLevelItemCount());
      EXPECT_EQ(tree->topLevelItem(m)->text(0).toStdString(), p.at("sign").get<std::string>());
      EXPECT_EQ(tree->topLevelItem(m)->text(1).toStdString(), p.at("start").get<std::string>());
      EXPECT_EQ(tree->topLevelItem(m)->childCount(), 12);
      ++m;
    }
    EXPECT_EQ(m, tree->topLevelItemCount());
  }
}

TEST_F(DasaBrowserTest, TodaysPeriodsAreHighlightedOpenedAndTheKeysMove) {
  CDasaBrowser* opened = OpenBrowser();
  ASSERT_NE(opened, nullptr);
  // The browser of the menu command: today's pratyantardasa is current,
  // highlighted, inside its dates, its antardasa and main period open.
  {
    QTreeWidgetItem* current = opened->tree()->currentItem();
    ASSERT_NE(current, nullptr);
    ASSERT_NE(current->parent(), nullptr);
    ASSERT_NE(current->parent()->parent(), nullptr);
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    EXPECT_LE(current->text(1), today);
    EXPECT_GT(current->text(2), today);
    for (QTreeWidgetItem* item = current; item; item = item->parent()) {
      EXPECT_TRUE(item->font(0).bold()) << item->text(0).toStdString();
      if (item != current) {
        EXPECT_TRUE(item->isExpanded()) << item->text(0).toStdString();
      }
    }
  }
  // The command again: one browser, of the chart as it is now.
  QPointer<CDasaBrowser> first(opened);
  view_->OnDasaBrowser();
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(first.isNull());
  ASSERT_NE(view_->dasaBrowser(), nullptr);

  ASSERT_TRUE(view_->RunChartPass(0));
  const std::vector<DasaRow> rows = DasaRows(VimsottariPeriodTree(view_->chart()));
  struct Case {
    DasaDate day;
    const char* current;  // nullptr: no period runs, nothing highlighted
  };
  // Venus's main period, Rahu's antardasa: Jupiter's pratyantardasa from
  // 2026-08-03, Saturn's from 2026-12-27 (the default chart's listings).
  const Case cases[] = {
      {{2026, 12, 10, 0}, "Venus / Rahu / Jupiter"},
      {{2026, 12, 26, 59}, "Venus / Rahu / Jupiter"},
      {{2026, 12, 27, 0}, "Venus / Rahu / Saturn"},
      {{2018, 12, 21, 0}, "Venus / Venus / Venus"},
      {{1900, 1, 1, 0}, nullptr},
      {{2300, 1, 1, 0}, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.day.year << "-" << c.day.month << "-" << c.day.day);
    CDasaBrowser browser(QStringLiteral("test"), rows, c.day);
    browser.show();
    QTreeWidget* tree = browser.tree();
    QTreeWidgetItem* current = tree->currentItem();
    ASSERT_NE(current, nullptr);
    if (!c.current) {
      EXPECT_EQ(current, tree->topLevelItem(0));
      EXPECT_FALSE(current->font(0).bold());
      EXPECT_FALSE(current->isExpanded());
      continue;
    }
    EXPECT_EQ(current->text(0), QString::fromLatin1(c.current));
    EXPECT_TRUE(current->font(0).bold());
    ASSERT_NE(current->parent(), nullptr);
    EXPECT_TRUE(current->parent()->isExpanded());
    EXPECT_TRUE(current->parent()->parent()->isExpanded());
    // Only the running periods are highlighted.
    int bold = 0;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) bold += (*it)->font(0).bold() ? 1 : 0;
    EXPECT_EQ(bold, 3);

    // Down: the next pratyantardasa (or the next antardasa after the last);
    // Left on it: up to its antardasa; Left again closes it, Right opens it.
    QTest::keyClick(tree, Qt::Key_Down);
    QTreeWidgetItem* next = tree->currentItem();
    ASSERT_NE(next, current);
    QTest::keyClick(tree, Qt::Key_Left);
    QTreeWidgetItem* up = tree->currentItem();
    ASSERT_NE(up, nullptr);
    EXPECT_EQ(up, next->parent());
    EXPECT_TRUE(up->isExpanded());
    QTest::keyClick(tree, Qt::Key_Left);
    EXPECT_FALSE(up->isExpanded());
    QTest::keyClick(tree, Qt::Key_Right);
    EXPECT_TRUE(up->isExpanded());
  }
}

// A new dasa year length moves the dates: the open browser shows the new
// ones, in the same place.
TEST_F(DasaBrowserTest, TheBrowserFollowsThePreferences) {
  CDasaBrowser* browser = OpenBrowser();
  ASSERT_NE(browser, nullptr);
  const QString before = browser->tree()->topLevelItem(8)->text(1);
  browser->move(40, 50);
  const QRect place = browser->geometry();
  ModalDriver driver;
  driver.Then([](QWidget* d) {
    SetText(d, "days", "360");
    static_cast<QDialog*>(d)->accept();
  });
  app_->OnDaysInYear();
  QCoreApplication::processEvents();
  ASSERT_EQ(app_->settings().daysInYear, 360.0);
  CDasaBrowser* after = view_->dasaBrowser();
  ASSERT_NE(after, nullptr);
  EXPECT_NE(after->tree()->topLevelItem(8)->text(1), before);
  EXPECT_EQ(after->geometry(), place);
  // The dates are those orvane-cli prints with the same preferences.
  const Listing mains = ParseListing(Cli({"--section", "0"}));
  ASSERT_EQ(mains.size(), 9u);
  EXPECT_EQ(after->tree()->topLevelItem(8)->text(1).toStdString(), mains[8][0].start);
  EXPECT_EQ(driver.unexpected(), 0);
}

TEST_F(DasaBrowserTest, TajakaChartsGetTheNatalOnlyMessage) {
  view_ = OpenDefaultChart(0, kChart);
  ASSERT_NE(view_, nullptr);
  ModalDriver driver;
  AcceptAnnualChart(driver, "2026");
  view_->OnTajakaChart();
  ASSERT_TRUE(view_->tajakaMode());
  driver.ThenPress();
  view_->OnDasaBrowser();
  EXPECT_EQ(view_->dasaBrowser(), nullptr);
  ASSERT_FALSE(driver.texts().isEmpty());
  EXPECT_EQ(driver.texts().last(), QString::fromLatin1(kNatalOnlyText));
  EXPECT_EQ(driver.unexpected(), 0);
}

// A picture of the browser for a person to look at: written only when
// ORVANE_SHOT_DIR names a folder.
TEST_F(DasaBrowserTest, SavePictureForReview) {
  const QString folder = qEnvironmentVariable("ORVANE_SHOT_DIR");
  if (folder.isEmpty()) GTEST_SKIP() << "set ORVANE_SHOT_DIR to write the picture";
  QDir().mkpath(folder);
  CDasaBrowser* browser = OpenBrowser();
  ASSERT_NE(browser, nullptr);
  QCoreApplication::processEvents();
  EXPECT_TRUE(browser->grab().save(folder + QStringLiteral("/dasa_browser.png")));
  browser->ShowSystem(browser->systemBox()->findText(QStringLiteral("Narayana (Jaimini)")));
  QCoreApplication::processEvents();
  EXPECT_TRUE(browser->grab().save(folder + QStringLiteral("/dasa_browser_narayana.png")));
  browser->ShowSystem(browser->systemBox()->findText(QStringLiteral("Yogini")));
  EXPECT_TRUE(browser->grab().save(folder + QStringLiteral("/dasa_browser_yogini.png")));
}

}  // namespace
}  // namespace orvane::testing
