// The chart library panel: charts added from a file and from a chart
// window, found by name and by a query, tags and notes kept, a chart opened
// in a window of its own.
#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableWidget>

#include "app/chart_document.h"
#include "app/library_panel.h"
#include "app/main_frame.h"
#include "view_fixture.h"

namespace orvane::testing {
namespace {

class LibraryPanelTest : public ViewFixture {};

QStringList Names(QTableWidget& table) {
  QStringList names;
  for (int row = 0; row < table.rowCount(); ++row) names << table.item(row, 0)->text();
  names.sort();
  return names;
}

TEST_F(LibraryPanelTest, AddFindTagAndOpenCharts) {
  ChartView* view = OpenDefaultChart();
  ASSERT_NE(view, nullptr);
  CMainFrame& frame = *app_->mainFrame();
  LibraryPanel* panel = frame.libraryPanel();
  ASSERT_NE(panel, nullptr);
  ASSERT_TRUE(panel->EnsureOpen()) << panel->status()->text().toStdString();

  // A chart file with a name, and the chart of the open window.
  const QString ravi = WriteFile(QStringLiteral("charts/ravi.orv"),
                                 QByteArray("5\n17\n1990\n10.3000\n-5.30\n-80.17\n13.05\nName: Ravi Kumar\nPlace: Chennai\n"));
  EXPECT_GT(panel->AddFile(ravi), 0);
  EXPECT_GT(panel->SaveChart(*view), 0);
  EXPECT_EQ(panel->AddFile(Home(QStringLiteral("missing.orv"))), 0);
  EXPECT_FALSE(panel->status()->text().isEmpty());

  panel->searchField()->setText(QString());
  EXPECT_EQ(Names(*panel->table()), (QStringList{QStringLiteral("Ravi Kumar"), QStringLiteral("default")}));
  panel->searchField()->setText(QStringLiteral("rav"));
  EXPECT_EQ(Names(*panel->table()), QStringList{QStringLiteral("Ravi Kumar")});
  // A query over the facts: Ravi's Moon is in Capricorn.
  panel->searchField()->setText(QStringLiteral("moon.sign == \"Capricorn\""));
  EXPECT_EQ(Names(*panel->table()), QStringList{QStringLiteral("Ravi Kumar")});
  panel->searchField()->setText(QStringLiteral("moon.sign == \"Capricorm\""));
  EXPECT_TRUE(panel->status()->text().contains(QStringLiteral("column 14")));

  // Tags and notes of the chosen chart.
  panel->searchField()->setText(QStringLiteral("Ravi"));
  panel->table()->selectRow(0);
  panel->tagsField()->setText(QStringLiteral("client, family"));
  panel->notesField()->setPlainText(QStringLiteral("Time from the birth certificate."));
  ASSERT_TRUE(panel->SaveDetails());
  panel->searchField()->setText(QStringLiteral("tag(\"client\")"));
  EXPECT_EQ(Names(*panel->table()), QStringList{QStringLiteral("Ravi Kumar")});
  panel->table()->selectRow(0);
  EXPECT_EQ(panel->notesField()->toPlainText(), QStringLiteral("Time from the birth certificate."));

  // Life events of the chosen chart, by date.
  panel->eventField()->setText(QStringLiteral("marriage 1995-05-01 in Chennai"));
  ASSERT_TRUE(panel->AddEvent());
  panel->eventField()->setText(QStringLiteral("job 1992-07-15"));
  ASSERT_TRUE(panel->AddEvent());
  panel->eventField()->setText(QStringLiteral("illness 1995-02-30"));
  EXPECT_FALSE(panel->AddEvent());
  ASSERT_EQ(panel->eventList()->count(), 2);
  EXPECT_EQ(panel->eventList()->item(0)->text(), QStringLiteral("1992-07-15  job"));
  EXPECT_EQ(panel->eventList()->item(1)->text(), QStringLiteral("1995-05-01  marriage  in Chennai"));

  // Opened in a chart window of its own, with its name.
  const qlonglong id = panel->table()->item(0, 0)->data(Qt::UserRole + 1).toLongLong();
  ChartView* opened = panel->OpenChart(id);
  ASSERT_NE(opened, nullptr);
  EXPECT_EQ(opened->document().ChartName(), QStringLiteral("Ravi Kumar"));
  EXPECT_EQ(opened->chart().birth.year, 1990);
  EXPECT_EQ(panel->store().IntegrityCheck(), "ok");
}

TEST_F(LibraryPanelTest, SavePicturesForReview) {
  const QString folder = qEnvironmentVariable("ORVANE_SHOT_DIR");
  if (folder.isEmpty()) GTEST_SKIP() << "set ORVANE_SHOT_DIR to write the pictures";
  QDir().mkpath(folder);
  ChartView* view = OpenDefaultChart();
  ASSERT_NE(view, nullptr);
  CMainFrame& frame = *app_->mainFrame();
  LibraryPanel* panel = frame.libraryPanel();
  panel->AddFile(WriteFile(QStringLiteral("charts/ravi.orv"),
                           QByteArray("5\n17\n1990\n10.3000\n-5.30\n-80.17\n13.05\nName: Ravi Kumar\nPlace: Chennai, Tamil Nadu, IN\n")));
  panel->SaveChart(*view);
  panel->show();
  panel->searchField()->setText(QString());
  panel->table()->selectRow(0);
  panel->eventField()->setText(QStringLiteral("marriage 1995-05-01 in Chennai"));
  panel->AddEvent();
  frame.resize(1366, 768);
  frame.show();
  EXPECT_TRUE(frame.grab().save(folder + QStringLiteral("/library_panel.png")));
  frame.resize(800, 600);
  EXPECT_TRUE(frame.grab().save(folder + QStringLiteral("/library_panel_800x600.png")));
}

}  // namespace
}  // namespace orvane::testing
