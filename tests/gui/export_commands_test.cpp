// The export commands in the running program: a chart opened from a file
// presets the print title from the file's name, gets its notes file beside
// it, and is mailed under its own name, without the document changing.
#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QDesktopServices>
#include <QDir>
#include <functional>
#include <QStatusBar>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTextBrowser>
#include <QTimer>

#include <optional>

#include "app/export_commands.h"
#include "file_size_limit.h"
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

// Print from the preview over a good PDF file on a disk that fills up: a
// message, and the good PDF stays whole; no temporary file is left, and
// the next print from the same preview (on the same printer) writes a
// whole PDF.
TEST_F(ExportCommandsTest, PreviewPrintsToAFileOnlyWhole) {
  auto app = Start();
  ASSERT_TRUE(started_);
  ChartDocument* doc = app->mainFrame()->documents().value(0);
  ASSERT_NE(doc, nullptr);
  ChartView* view = ViewOf(*app->mainFrame(), doc);
  ASSERT_NE(view, nullptr);
  const QByteArray good = "%PDF-1.4\n% a good PDF printed last week\n%%EOF\n";
  const QString chosen = WriteFile(QStringLiteral("prints/chart.pdf"), good);
  const QString folder = QFileInfo(chosen).absolutePath();
  QPrinter& printer = app->printer();
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(chosen);

  QString printTitle;
  ViewExportContext context{*app, *doc, view->chart(), 0, printTitle,
                            [](QWidget*, const QString& preset) -> std::optional<QString> { return preset; }};
  std::optional<testing_support::FileSizeLimit> full;
  QByteArray afterFailure;
  QStringList filesAfterFailure;
  auto print = [](QWidget* preview) {
    const QString text = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    for (QAction* action : preview->findChildren<QAction*>()) {
      if (action->text() == text) {
        action->trigger();
        return true;
      }
    }
    return false;
  };
  ModalDriver driver;
  driver.Then([&](QWidget* preview) {
    ASSERT_NE(qobject_cast<QPrintPreviewDialog*>(preview), nullptr);
    // On a full disk, then with room again.
    EXPECT_TRUE(print(preview));
    full.reset();
    afterFailure = ReadFile(chosen);
    filesAfterFailure = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    if (preview->isVisible()) print(preview);
  });
  driver.Then([&](QWidget* dialog) {
    full.emplace(20480);  // room for 20 KiB: a chart page takes far more
    ModalDriver::Press(dialog);
  });
  driver.ThenPress();  // the failure
  driver.ThenPress();  // the print dialog again
  EXPECT_TRUE(OnFilePrintPreview(context));
  full.reset();

  EXPECT_EQ(afterFailure, good);
  EXPECT_EQ(filesAfterFailure, QStringList{QStringLiteral("chart.pdf")});
  ASSERT_EQ(driver.texts().size(), 4) << driver.captions().join(QLatin1Char('|')).toStdString();
  EXPECT_TRUE(driver.texts()[2].contains(QStringLiteral("chart.pdf"))) << driver.texts()[2].toStdString();
  EXPECT_TRUE(driver.texts()[2].contains(QStringLiteral("full"))) << driver.texts()[2].toStdString();
  const QByteArray printed = ReadFile(chosen);
  EXPECT_TRUE(printed.startsWith("%PDF-") && printed.trimmed().endsWith("%%EOF")) << printed.size();
  EXPECT_GT(printed.size(), 20480);
  EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("chart.pdf")});
  EXPECT_EQ(driver.unexpected(), 0);
  EXPECT_TRUE(driver.finished());
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

// A chart that keeps a person's name is named by it: the print title, the
// picture's title and, for a chart never saved, the file Save As offers and
// the picture's file. A chart without a name keeps the file's name.
TEST_F(ExportCommandsTest, TheStoredNameNamesTheChart) {
  auto app = Start();
  ASSERT_TRUE(started_);
  struct Case {
    const char* labels;     // after the seven numbers
    const char* printName;  // the print title offered for charts/mychart.orv
    const char* picture;    // the picture's title offered
    const char* saveAs;     // the file Save As offers the same chart never saved (null: its title)
  };
  const Case cases[] = {
      {"", "mychart", "Chart", nullptr},
      {"Name: Ravi Kumar\nPlace: Chennai, Tamil Nadu, IN\n", "Ravi Kumar", "Ravi Kumar", "Ravi Kumar.orv"},
      {"Place: Chennai, Tamil Nadu, IN\n", "mychart", "Chart", nullptr},
      {"Name: AC/DC\n", "AC/DC", "AC/DC", "AC DC.orv"},
      {"Name: ..hidden\n", "..hidden", "..hidden", "hidden.orv"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.labels);
    const QByteArray image = kDefaultChart + "\n" + c.labels;
    const QString path = WriteFile(QStringLiteral("charts/%1/mychart.orv").arg(&c - cases), image);
    ChartDocument* doc = app->mainFrame()->OpenDocumentFile(path);
    ASSERT_NE(doc, nullptr);
    ChartView* view = ViewOf(*app->mainFrame(), doc);
    ASSERT_NE(view, nullptr);
    QString printTitle;
    QStringList offered;
    ViewExportContext context{*app, *doc, view->chart(), 0, printTitle,
                              [&](QWidget*, const QString& preset) -> std::optional<QString> {
                                offered << preset;
                                return std::nullopt;  // cancel after seeing the offer
                              }};
    EXPECT_FALSE(OnFilePrintPreview(context));
    ModalDriver driver;
    driver.Then([&](QWidget* modal) {
      auto* dialog = qobject_cast<QFileDialog*>(modal);
      ASSERT_NE(dialog, nullptr);
      dialog->selectFile(QDir(dir_.path()).filePath(QStringLiteral("picture.bmp")));
      static_cast<QDialog*>(dialog)->accept();
    });
    OnSaveSouthNorthBitmap(context);
    EXPECT_EQ(offered, (QStringList{QString::fromUtf8(c.printName), QString::fromUtf8(c.picture)}));
    EXPECT_FALSE(QFile::exists(QDir(dir_.path()).filePath(QStringLiteral("picture.bmp"))));

    // The same chart, entered in a new window and never saved.
    ChartDocument* fresh = app->mainFrame()->OnFileNew();
    ASSERT_NE(fresh, nullptr);
    fresh->SetEditedImage(image);
    QString suggested;
    driver.Then([&](QWidget* modal) {
      auto* dialog = qobject_cast<QFileDialog*>(modal);
      ASSERT_NE(dialog, nullptr);
      suggested = QFileInfo(dialog->selectedFiles().value(0)).fileName();
      dialog->reject();
    });
    EXPECT_FALSE(fresh->DoSave(app->mainFrame(), true));
    EXPECT_EQ(suggested, c.saveAs ? QString::fromUtf8(c.saveAs) : fresh->title() + QStringLiteral(".orv"));
    EXPECT_EQ(driver.unexpected(), 0);
    fresh->SetModifiedFlag(false);
    app->mainFrame()->mdiArea()->closeAllSubWindows();
    QApplication::processEvents();
  }
}

// A copy from the chart window is said in the status bar, without a box to
// close after it; the clipboard holds the text.
TEST_F(ExportCommandsTest, CopiesAreAnnouncedInTheStatusBar) {
  auto app = Start();
  ASSERT_TRUE(started_);
  ChartDocument* doc = app->mainFrame()->OpenDocumentFile(WriteFile(QStringLiteral("charts/mychart.orv"), kDefaultChart));
  ASSERT_NE(doc, nullptr);
  ChartView* view = ViewOf(*app->mainFrame(), doc);
  ASSERT_NE(view, nullptr);
  QString printTitle;
  ViewExportContext context{*app, *doc, view->chart(), 0, printTitle};
  struct Case {
    const char* name;
    std::function<void()> copy;
    const char* message;
  };
  const Case cases[] = {
      {"screen", [&] { OnCopyScreenText(context, "Vimsottari Dasa:\n"); },
       "Successfully copied what is on the screen to the clipboard in plain text format."},
      {"basic", [&] { OnCopyBasicText(context); },
       "Successfully copied basic calculations to the clipboard in plain text format."},
      {"complete", [&] { OnCopyCompleteText(context); },
       "Successfully copied all calculations to the clipboard in plain text format."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QApplication::clipboard()->clear();
    app->mainFrame()->statusBar()->clearMessage();
    ModalDriver driver;
    c.copy();
    EXPECT_TRUE(driver.captions().isEmpty()) << driver.captions().join(u'|').toStdString();
    EXPECT_EQ(app->mainFrame()->statusBar()->currentMessage(), QString::fromLatin1(c.message));
    EXPECT_FALSE(QApplication::clipboard()->text().isEmpty());
  }
  // A copy whose end was cut is not a success: still said in a box.
  ModalDriver driver;
  driver.ThenPress();
  OnCopyScreenText(context, "text", true);
  EXPECT_EQ(driver.captions(), QStringList{QStringLiteral("Copied in plain text format!")});
  EXPECT_EQ(driver.unexpected(), 0);
}

}  // namespace
}  // namespace orvane::testing
