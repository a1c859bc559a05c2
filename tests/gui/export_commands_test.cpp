// The export commands in the running program: a chart opened from a file
// presets the print title from the file's name, gets its notes file beside
// it, and is mailed under its own name, without the document changing.
#include <QDesktopServices>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTextBrowser>
#include <QTimer>

#include "app/export_commands.h"
#include "app_fixture.h"

namespace orvane::testing {
namespace {

class ExportCommandsTest : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    WriteSettings();
  }
};

TEST_F(ExportCommandsTest, AChartFromMychartOrvPresetsTheTitleAndKeepsItForTheNextJob) {
  auto app = Start();
  ASSERT_TRUE(started_);
  const QString path = WriteFile(QStringLiteral("charts/mychart.orv"), kDefaultChart);
  ChartDocument* doc = app->mainFrame()->OpenDocumentFile(path);
  ASSERT_NE(doc, nullptr);
  ChartView* view = ViewOf(*app->mainFrame(), doc);
  ASSERT_NE(view, nullptr);

  QString printTitle;
  QStringList offered;
  ViewExportContext context{*app, *doc, view->chart(), 0, printTitle,
                            [&](QWidget*, const QString& preset) -> std::optional<QString> {
                              offered << preset;
                              return preset;
                            }};
  ModalDriver driver;
  driver.ThenReject().ThenReject();  // the two preview windows
  EXPECT_TRUE(OnFilePrintPreview(context));
  EXPECT_EQ(printTitle, QStringLiteral("mychart"));
  printTitle = QStringLiteral("Changed by the user");
  EXPECT_TRUE(OnFilePrintPreview(context));
  EXPECT_EQ(offered, (QStringList{QStringLiteral("mychart"), QStringLiteral("Changed by the user")}));
  EXPECT_EQ(driver.unexpected(), 0);
}

// The bitmap commands offer a file named after the chart beside it, and a
// file that is there already is replaced only when the user says so.
TEST_F(ExportCommandsTest, BitmapsGoWhereTheUserSaysAndNeverSilentlyOverAnOlderOne) {
  auto app = Start();
  ASSERT_TRUE(started_);
  const QString path = WriteFile(QStringLiteral("charts/mychart.orv"), kDefaultChart);
  const QString older = WriteFile(QStringLiteral("charts/mychart.bmp"), "older");
  ChartDocument* doc = app->mainFrame()->OpenDocumentFile(path);
  ASSERT_NE(doc, nullptr);
  ChartView* view = ViewOf(*app->mainFrame(), doc);
  ASSERT_NE(view, nullptr);
  QString printTitle;
  ViewExportContext context{*app, *doc, view->chart(), 0, printTitle,
                            [](QWidget*, const QString&) -> std::optional<QString> { return QStringLiteral("T"); }};

  struct Case {
    const char* name;
    QMessageBox::StandardButton answer;  // to "replace it?"
  };
  for (const Case& c : {Case{"keep the older file", QMessageBox::No}, Case{"replace it", QMessageBox::Yes}}) {
    SCOPED_TRACE(c.name);
    ModalDriver driver;
    QString offered;
    driver.Then([&](QWidget* modal) {
      auto* dialog = qobject_cast<QFileDialog*>(modal);
      ASSERT_NE(dialog, nullptr);
      offered = dialog->selectedFiles().value(0);
      if (c.answer == QMessageBox::No) {
        // Asked to replace the file and told no, the user cancels.
        QTimer::singleShot(0, dialog, [dialog] { dialog->reject(); });
      }
      static_cast<QDialog*>(dialog)->accept();
    });
    driver.ThenPress(c.answer);
    if (c.answer == QMessageBox::Yes) driver.ThenPress();  // "Bitmap saved"
    OnSaveChartBitmap(context);
    EXPECT_EQ(QFileInfo(offered).absoluteFilePath(), QFileInfo(older).absoluteFilePath());
    // The file dialog, then its question about the file that is there.
    ASSERT_GE(driver.texts().size(), 2);
    EXPECT_TRUE(driver.texts().value(1).contains(QStringLiteral("mychart.bmp")));
    if (c.answer == QMessageBox::No) {
      EXPECT_EQ(ReadFile(older), "older");
    } else {
      EXPECT_TRUE(ReadFile(older).startsWith("BM"));
      EXPECT_EQ(driver.captions().value(2), QStringLiteral("Bitmap saved"));
    }
    EXPECT_EQ(driver.unexpected(), 0);
    EXPECT_FALSE(QFile::exists(app->paths().workingFolder + QStringLiteral("/tmp.bmp")));
  }
}

TEST_F(ExportCommandsTest, PreviewShowsEveryPageWhateverRangeTheLastPrintJobChose) {
  auto app = Start();
  ASSERT_TRUE(started_);
  ChartDocument* doc = app->mainFrame()->documents().value(0);
  ASSERT_NE(doc, nullptr);
  ChartView* view = ViewOf(*app->mainFrame(), doc);
  ASSERT_NE(view, nullptr);
  // The last print job printed page 2 only.
  QPrinter& printer = app->printer();
  printer.setPrintRange(QPrinter::PageRange);
  printer.setFromTo(2, 2);

  QString printTitle;
  ViewExportContext context{*app, *doc, view->chart(), 0, printTitle,
                            [](QWidget*, const QString& preset) -> std::optional<QString> { return preset; }};
  int pages = -1;
  ModalDriver driver;
  driver.Then([&pages](QWidget* modal) {
    if (auto* widget = modal->findChild<QPrintPreviewWidget*>()) pages = widget->pageCount();
    static_cast<QDialog*>(modal)->reject();
  });
  EXPECT_TRUE(OnFilePrintPreview(context));
  EXPECT_EQ(pages, 6);  // the six print items of the default settings
  EXPECT_EQ(driver.unexpected(), 0);
}

TEST_F(ExportCommandsTest, NotesOfChart1OrvAreChart1TxtBesideIt) {
  auto app = Start();
  ASSERT_TRUE(started_);
  const QString path = WriteFile(QStringLiteral("charts/chart1.orv"), kDefaultChart);
  ChartDocument* doc = app->mainFrame()->OpenDocumentFile(path);
  ASSERT_NE(doc, nullptr);
  ChartView* view = ViewOf(*app->mainFrame(), doc);
  ASSERT_NE(view, nullptr);
  QString printTitle;
  ViewExportContext context{*app, *doc, view->chart(), 0, printTitle};
  context.askTitle = AskTitleSimple;

  QTextBrowser opened;
  QDesktopServices::setUrlHandler(QStringLiteral("file"), &opened, "setSource");
  OnEditNotes(context);
  QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
  const QString notes = Home(QStringLiteral("charts/chart1.txt"));
  EXPECT_TRUE(QFileInfo(notes).isFile());
  EXPECT_EQ(opened.source(), QUrl::fromLocalFile(notes));

  // Mailing leaves the document as it was.
  const QString title = doc->title();
  const QString pathName = doc->pathName();
  const bool modified = doc->IsModified();
  ModalDriver driver;
  driver.ThenPress();
  context.mailProgram = QStringLiteral("orvane-no-such-mail-program");
  OnMailAsText(context);
  EXPECT_EQ(driver.captions(), QStringList{QStringLiteral("Orvane Lite")});
  EXPECT_EQ(doc->title(), title);
  EXPECT_EQ(doc->pathName(), pathName);
  EXPECT_EQ(doc->IsModified(), modified);
  EXPECT_EQ(doc->textMode, 0);
  EXPECT_TRUE(QFileInfo::exists(paths_.workingFolder + QStringLiteral("/mail/chart1.txt")));
}

TEST_F(ExportCommandsTest, ANewChartCannotGetNotesBeforeItIsSaved) {
  auto app = Start();
  ASSERT_TRUE(started_);
  ChartDocument* doc = app->mainFrame()->activeDocument();
  ASSERT_NE(doc, nullptr);
  ChartView* view = ViewOf(*app->mainFrame(), doc);
  ASSERT_NE(view, nullptr);
  QString printTitle;
  ViewExportContext context{*app, *doc, view->chart(), 0, printTitle};
  ModalDriver driver;
  driver.ThenPress();
  OnEditNotes(context);
  EXPECT_EQ(driver.captions(), QStringList{QStringLiteral("First save it")});
}

}  // namespace
}  // namespace orvane::testing
