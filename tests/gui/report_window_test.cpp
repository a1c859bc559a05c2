// The report sections window: every section orvane-cli prints is listed,
// and each shows exactly the text orvane-cli prints for the same chart
// (natal and Tajaka), with the command that prints it; the text is
// read-only, selectable and copyable, and follows the chart.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <cstdio>
#include <string>

#include "app/report_window.h"
#include "modal_driver.h"
#include "report/sections.h"
#include "view_fixture.h"

namespace orvane::testing {
namespace {

std::string RunCommand(const QString& command) {
  std::string out;
  std::FILE* pipe = popen(command.toStdString().c_str(), "r");
  if (!pipe) return out;
  char buf[4096];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0) out.append(buf, n);
  pclose(pipe);
  return out;
}

class ReportWindowTest : public ViewFixture {
 protected:
  // The default chart under preferences that are not the defaults (another
  // ayanamsa, dasa year and upagraha rule), so that a text computed with
  // other settings than the window's shows.
  ChartView* OpenChart() {
    const QString path = WriteFile(QStringLiteral("charts/report.orv"), kDefaultChart);
    Settings settings;
    settings.ayanamsaChoice = 2;
    settings.daysInYear = 360;
    settings.dhumaRelation = 1;
    WriteSettings(settings);
    app_ = Start({path});
    if (!app_ || app_->mainFrame()->documents().isEmpty()) return nullptr;
    return ViewOf(*app_->mainFrame(), app_->mainFrame()->documents().last());
  }

  // The window's text for every section equals what its command prints.
  static void ExpectEverySectionAsOrvaneCli(ReportWindow& window) {
    for (int section = 0; section < kReportSectionCount; ++section) {
      SCOPED_TRACE(std::string(kReportSections[static_cast<std::size_t>(section)].name));
      window.ShowSection(section);
      QString command = window.command()->text();
      ASSERT_TRUE(command.startsWith(QStringLiteral("orvane-cli "))) << command.toStdString();
      command.replace(0, 10, QStringLiteral(ORVANE_CLI_PATH));
      const QString cli = QString::fromStdString(RunCommand(command));
      EXPECT_EQ(window.sectionText().toStdString(), cli.toStdString()) << command.toStdString();
      // Shown with plain line ends.
      EXPECT_EQ(window.text()->toPlainText(), QString(cli).remove(QLatin1Char('\r')));
    }
  }
};

TEST_F(ReportWindowTest, EverySectionIsListedOnceAndShowsTheTextOfOrvaneCli) {
  ChartView* view = OpenChart();
  ASSERT_NE(view, nullptr);
  view->OnReportSections();
  ReportWindow* window = view->reportWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->section(), ToInt(ReportSection::kBasicInfo));

  // Each section once in the list, under its topic.
  QSet<int> listed;
  for (int i = 0; i < window->list()->count(); ++i) {
    const QVariant section = window->list()->item(i)->data(Qt::UserRole + 1);
    if (!section.isValid()) continue;
    EXPECT_FALSE(listed.contains(section.toInt())) << section.toInt();
    listed.insert(section.toInt());
  }
  EXPECT_EQ(listed.size(), kReportSectionCount);

  // Choosing in the list shows the section.
  for (int i = 0; i < window->list()->count(); ++i) {
    if (window->list()->item(i)->data(Qt::UserRole + 1).toInt() == ToInt(ReportSection::kShadbala)) {
      window->list()->setCurrentRow(i);
      break;
    }
  }
  EXPECT_EQ(window->section(), ToInt(ReportSection::kShadbala));
  EXPECT_TRUE(window->text()->toPlainText().contains(QStringLiteral("Shadbala"))) << window->text()->toPlainText().toStdString();
  // A section the birth chart has no text for says why.
  window->ShowSection(ToInt(ReportSection::kMudda));
  EXPECT_TRUE(window->text()->toPlainText().isEmpty());
  EXPECT_TRUE(window->text()->placeholderText().contains(QStringLiteral("Tajaka chart only")));

  ExpectEverySectionAsOrvaneCli(*window);

  // The mahadasa chosen for the pratyantardasas goes into the command.
  ModalDriver driver;
  driver.Then([](QWidget* d) {
    d->findChild<QComboBox*>(QStringLiteral("mahadasa"))->setCurrentIndex(4);  // Jupiter
    static_cast<QDialog*>(d)->accept();
  });
  view->OnPratyantardasas();
  window->ShowSection(ToInt(ReportSection::kAntardasas));
  QString command = window->command()->text();
  EXPECT_TRUE(command.contains(QStringLiteral(" --mahadasa 5 "))) << command.toStdString();
  command.replace(0, 10, QStringLiteral(ORVANE_CLI_PATH));
  EXPECT_EQ(window->sectionText().toStdString(), RunCommand(command));

  // The annual chart of a year and month: the window follows the chart
  // (the Mudda dasa, empty for the birth chart, is written), and every
  // section is as orvane-cli prints it with the Tajaka options.
  window->ShowSection(ToInt(ReportSection::kMudda));
  ASSERT_TRUE(window->sectionText().isEmpty());
  driver
      .Then([](QWidget* d) {
        SetText(d, "year", QStringLiteral("2026"));
        Check(d, "monthly");
        static_cast<QDialog*>(d)->accept();
      })
      .Then([](QWidget* d) {
        SetText(d, "month", QStringLiteral("3"));
        static_cast<QDialog*>(d)->accept();
      });
  view->OnTajakaChart();
  ASSERT_TRUE(view->tajakaMode());
  EXPECT_FALSE(window->sectionText().isEmpty());
  EXPECT_TRUE(window->command()->text().contains(QStringLiteral(" --tajaka 2026 --month 3 ")))
      << window->command()->text().toStdString();
  EXPECT_FALSE(window->text()->toPlainText().isEmpty());
  ExpectEverySectionAsOrvaneCli(*window);
  EXPECT_EQ(driver.unexpected(), 0);
}

TEST_F(ReportWindowTest, TextIsReadOnlyCopyableAndFollowsTheChart) {
  ChartView* view = OpenChart();
  ASSERT_NE(view, nullptr);
  // The Reports menu opens the window on the section chosen.
  QAction* entry = app_->mainFrame()->menuBar()->findChild<QAction*>(
      QStringLiteral("reportSection%1").arg(ToInt(ReportSection::kYogini)));
  ASSERT_NE(entry, nullptr);
  entry->trigger();
  ReportWindow* window = view->reportWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->section(), ToInt(ReportSection::kYogini));
  EXPECT_TRUE(window->text()->isReadOnly());
  EXPECT_TRUE(window->text()->textInteractionFlags() & Qt::TextSelectableByKeyboard);
  const QString before = window->text()->toPlainText();
  ASSERT_FALSE(before.isEmpty());

  // Copy: the whole section, or the selection.
  auto* copy = window->findChild<QPushButton*>(QStringLiteral("copySection"));
  ASSERT_NE(copy, nullptr);
  copy->click();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), window->sectionText());
  QTextCursor cursor = window->text()->textCursor();
  cursor.movePosition(QTextCursor::Start);
  cursor.movePosition(QTextCursor::Down, QTextCursor::KeepAnchor, 2);
  window->text()->setTextCursor(cursor);
  copy->click();
  const QStringList lines = before.split(QLatin1Char('\n'));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), lines[0] + QLatin1Char('\n') + lines[1] + QLatin1Char('\n'));

  // New birth data: the window shows the new chart's section, and the
  // command names no file the text no longer comes from.
  ModalDriver driver;
  driver.Then([](QWidget* d) {
    SetText(d, "year", QStringLiteral("1984"));
    static_cast<QDialog*>(d)->accept();
  });
  view->OnEditBirthData();
  EXPECT_NE(window->text()->toPlainText(), before);
  EXPECT_EQ(window->text()->toPlainText(), view->SectionReport(ToInt(ReportSection::kYogini)));
  EXPECT_TRUE(window->command()->text().endsWith(QStringLiteral(" CHART.orv"))) << window->command()->text().toStdString();

  // A second command brings up the same window.
  view->OnReportSections();
  EXPECT_EQ(view->reportWindow(), window);
  EXPECT_EQ(driver.unexpected(), 0);
}

TEST_F(ReportWindowTest, SavePicturesForReview) {
  const QString folder = qEnvironmentVariable("ORVANE_SHOT_DIR");
  if (folder.isEmpty()) GTEST_SKIP() << "set ORVANE_SHOT_DIR to write the pictures";
  QDir().mkpath(folder);
  ChartView* view = OpenChart();
  ASSERT_NE(view, nullptr);
  view->ShowReportSection(ToInt(ReportSection::kShadbala));
  ReportWindow* window = view->reportWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->grab().save(folder + QStringLiteral("/report_sections_shadbala.png")));
  window->ShowSection(ToInt(ReportSection::kMudda));
  EXPECT_TRUE(window->grab().save(folder + QStringLiteral("/report_sections_mudda_natal.png")));
  window->resize(780, 560);
  window->ShowSection(ToInt(ReportSection::kYogini));
  EXPECT_TRUE(window->grab().save(folder + QStringLiteral("/report_sections_yogini_780x560.png")));
}

}  // namespace
}  // namespace orvane::testing
