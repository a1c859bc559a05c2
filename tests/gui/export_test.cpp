// Export: clipboard copies and their messages, the chart bitmaps (header,
// size, pixels), failures that must not read as success, notes beside the
// chart file, and mail through a program started with an argument list.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextBrowser>

#include "computed_chart.h"
#include "display/colours.h"
#include "display/export.h"
#include "modal_driver.h"
#include "compute/collection.h"

namespace orvane {
namespace {

using testing_support::ComputedChart;

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

auto Title(const char* text) {
  return [text](QWidget*, const QString&) -> std::optional<QString> { return QString::fromUtf8(text); };
}

// The file the user picks in the save dialog ("" cancels); `asked` receives
// the name the dialog was opened with.
FilePrompt Pick(const QString& path, QString* asked = nullptr) {
  return [path, asked](QWidget*, const QString& suggested) {
    if (asked) *asked = suggested;
    return path;
  };
}

const QString kPaste =
    QStringLiteral("\n\nYou can \"paste\" it to any program that accepts plain text (e.g. Notepad, Word etc).");

TEST(Export, CopiesPutTheFullTextOnTheClipboardAndSaySo) {
  const Settings settings;
  auto chart = ComputedChart(settings);
  struct Row {
    const char* name;
    std::function<bool()> copy;
    QString expectedText;
    QString message;
  };
  const std::string screen = "Vimsottari Dasa:\n\nJupi 1970-04-04\n";
  const Row rows[] = {
      {"screen", [&] { return CopyScreenText(nullptr, screen); }, QString::fromStdString(screen),
       QStringLiteral("Successfully copied what is on the screen to the clipboard in plain text format.") + kPaste},
      {"basic", [&] { return CopyBasicText(nullptr, *chart, settings); },
       QString::fromStdString(BuildCollectionText(*chart, settings, CollectionSet::kBasic).text),
       QStringLiteral("Successfully copied basic calculations to the clipboard in plain text format.") + kPaste},
      {"complete", [&] { return CopyCompleteText(nullptr, *chart, settings); },
       QString::fromStdString(BuildCollectionText(*chart, settings, CollectionSet::kComplete).text),
       QStringLiteral("Successfully copied all calculations to the clipboard in plain text format.") + kPaste},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    QApplication::clipboard()->clear();
    testing::ModalDriver driver;
    driver.ThenPress();
    EXPECT_TRUE(row.copy());
    EXPECT_EQ(QApplication::clipboard()->text(), row.expectedText);
    EXPECT_EQ(driver.captions(), QStringList{QStringLiteral("Copied in plain text format!")});
    EXPECT_EQ(driver.texts(), QStringList{row.message});
  }
  // The complete set is longer than the old fixed 30000-byte block.
  EXPECT_GT(QApplication::clipboard()->text().size(), 30000);
}

TEST(Export, ACutTextIsNotReportedAsASuccess) {
  testing::ModalDriver driver;
  driver.ThenPress();
  EXPECT_TRUE(CopyScreenText(nullptr, "text", true));
  ASSERT_EQ(driver.texts().size(), 1);
  EXPECT_FALSE(driver.texts().front().startsWith(QStringLiteral("Successfully")));
  EXPECT_TRUE(driver.texts().front().contains(QStringLiteral("cut")));
}

struct BitmapRow {
  const char* name;
  int width;
  int height;
  std::array<unsigned char, 54> header;  // written by hand from the format
};

// "BM", size, 0, 0, offset 54, 40, width, height, 1 plane, 24 bits, zeros.
const BitmapRow kBitmapRows[] = {
    {"chart 1", 400, 400, {'B',  'M',  0x36, 0x53, 0x07, 0x00, 0, 0, 0, 0, 0x36, 0, 0, 0, 0x28, 0, 0, 0,
                           0x90, 0x01, 0, 0, 0x90, 0x01, 0, 0, 1, 0, 0x18, 0}},
    {"south-north", 760, 380, {'B',  'M',  0x96, 0x38, 0x0d, 0x00, 0, 0, 0, 0, 0x36, 0, 0, 0, 0x28, 0, 0, 0,
                               0xf8, 0x02, 0, 0, 0x7c, 0x01, 0, 0, 1, 0, 0x18, 0}},
};

TEST(Export, BitmapsHaveTheHeaderAndTheChartsPixels) {
  const Settings settings;
  auto chart = ComputedChart(settings);
  for (const BitmapRow& row : kBitmapRows) {
    SCOPED_TRACE(row.name);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const bool southNorth = row.width != row.height;
    testing::ModalDriver driver;
    driver.ThenPress();
    // The file goes where the user chose, never into the working folder.
    const QString suggested = dir.filePath(QStringLiteral("Chart.bmp"));
    const QString chosen = dir.filePath(QStringLiteral("mine.bmp"));
    QString asked;
    const std::optional<QString> path =
        southNorth
            ? SaveSouthNorthBitmap(nullptr, *chart, settings, 0, suggested, Title("Test title"), Pick(chosen, &asked))
            : SaveChartBitmap(nullptr, *chart, settings, 0, suggested, Title("Test title"), Pick(chosen, &asked));
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(asked, suggested);
    EXPECT_EQ(*path, chosen);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("mine.bmp")});
    EXPECT_EQ(driver.captions(), QStringList{QStringLiteral("Bitmap saved")});
    ASSERT_EQ(driver.texts().size(), 1);
    EXPECT_TRUE(driver.texts().front().startsWith(QString::fromLatin1(kBitmapSavedText)));
    EXPECT_TRUE(driver.texts().front().contains(chosen));

    const QByteArray bytes = ReadAll(*path);
    ASSERT_EQ(bytes.size(), 54 + row.width * row.height * 3);
    EXPECT_EQ(bytes.size(), southNorth ? 866454 : 480054);
    for (int i = 0; i < 54; ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(static_cast<unsigned char>(bytes[i]), row.header[static_cast<std::size_t>(i)]);
    }
    // Rows bottom-up, blue-green-red, the same drawing as an image.
    const QImage image = southNorth ? RenderSouthNorthBitmap(*chart, settings, 0, QStringLiteral("Test title"))
                                    : RenderChartBitmap(*chart, settings, 0, QStringLiteral("Test title"));
    ASSERT_EQ(image.size(), QSize(row.width, row.height));
    int mismatches = 0, ink = 0;
    for (int y = 0; y < row.height; ++y) {
      for (int x = 0; x < row.width; ++x) {
        const QRgb p = image.pixel(x, y);
        const qsizetype at = 54 + (static_cast<qsizetype>(row.height - 1 - y) * row.width + x) * 3;
        mismatches += static_cast<unsigned char>(bytes[at]) != qBlue(p) ||
                      static_cast<unsigned char>(bytes[at + 1]) != qGreen(p) ||
                      static_cast<unsigned char>(bytes[at + 2]) != qRed(p);
        ink += p != ColourFromBgr(kBackgroundColour).rgb();
      }
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_GT(ink, 1000);  // a chart, not an empty square
    // The bottom-left corner comes first: background 0xf0ffff as blue, green, red.
    EXPECT_EQ(static_cast<unsigned char>(bytes[54]), 0xf0);
    EXPECT_EQ(static_cast<unsigned char>(bytes[55]), 0xff);
    EXPECT_EQ(static_cast<unsigned char>(bytes[56]), 0xff);
  }
}

TEST(Export, BitmapTitleIsDrawnAndCancelAbandons) {
  const Settings settings;
  auto chart = ComputedChart(settings);
  EXPECT_NE(RenderChartBitmap(*chart, settings, 0, QStringLiteral("Title")),
            RenderChartBitmap(*chart, settings, 0, QString()));
  QTemporaryDir dir;
  testing::ModalDriver driver;
  auto cancel = [](QWidget*, const QString&) -> std::optional<QString> { return std::nullopt; };
  const QString path = dir.filePath(QStringLiteral("chart.bmp"));
  // Cancel at the title, then at the file dialog: nothing is written.
  EXPECT_FALSE(SaveChartBitmap(nullptr, *chart, settings, 0, path, cancel, Pick(path)));
  EXPECT_FALSE(SaveSouthNorthBitmap(nullptr, *chart, settings, 0, path, cancel, Pick(path)));
  EXPECT_FALSE(SaveChartBitmap(nullptr, *chart, settings, 0, path, Title("T"), Pick(QString())));
  EXPECT_FALSE(SaveSouthNorthBitmap(nullptr, *chart, settings, 0, path, Title("T"), Pick(QString())));
  EXPECT_TRUE(QDir(dir.path()).isEmpty());
  EXPECT_TRUE(driver.captions().isEmpty());

  // A name typed without a suffix gets ".bmp".
  driver.ThenPress();
  const std::optional<QString> written =
      SaveChartBitmap(nullptr, *chart, settings, 0, path, Title("T"), Pick(dir.filePath(QStringLiteral("plain"))));
  ASSERT_TRUE(written.has_value());
  EXPECT_EQ(*written, dir.filePath(QStringLiteral("plain.bmp")));
  EXPECT_TRUE(QFile::exists(*written));
}

TEST(Export, ABitmapThatCannotBeWrittenIsNotSaidToBeSaved) {
  const Settings settings;
  auto chart = ComputedChart(settings);
  QTemporaryDir dir;
  // The "folder" is a regular file: nothing can be written below it.
  const QString notAFolder = dir.filePath(QStringLiteral("file"));
  WriteAll(notAFolder, "keep");
  testing::ModalDriver driver;
  driver.ThenPress();
  const QString below = notAFolder + QStringLiteral("/chart.bmp");
  EXPECT_FALSE(SaveChartBitmap(nullptr, *chart, settings, 0, below, Title("T"), Pick(below)));
  EXPECT_EQ(driver.captions(), QStringList{QStringLiteral("Orvane Lite")});
  ASSERT_EQ(driver.texts().size(), 1);
  EXPECT_TRUE(driver.texts().front().startsWith(QStringLiteral("The bitmap could not be saved.")));
  EXPECT_EQ(ReadAll(notAFolder), QByteArray("keep"));
}

TEST(Export, PngAndSvgOfChartOne) {
  const Settings settings;
  auto chart = ComputedChart(settings);
  QTemporaryDir dir;
  QString error;
  const QString png = dir.filePath(QStringLiteral("chart.png"));
  ASSERT_TRUE(WriteChartPicture(png, *chart, settings, 8, QStringLiteral("T"), &error)) << error.toStdString();
  EXPECT_EQ(QImage(png).size(), QSize(kChartBitmapSize, kChartBitmapSize));
  const QString svg = dir.filePath(QStringLiteral("chart.svg"));
  ASSERT_TRUE(WriteChartPicture(svg, *chart, settings, 8, QStringLiteral("T"), &error)) << error.toStdString();
  const QByteArray text = ReadAll(svg);
  EXPECT_TRUE(text.contains("<svg"));
  EXPECT_TRUE(text.contains("Navamsa"));
  EXPECT_FALSE(WriteChartPicture(dir.filePath(QStringLiteral("chart.gif")), *chart, settings, 8, {}, &error));
}

// A picture takes one dialog: the file name with the PNG's size and the
// title below it. Pictures name the bodies as the screen does ("Mo", not
// the bitmap's "Moo"); the bitmaps keep their longer names.
TEST(Export, APictureTakesOneDialogAndUsesTheScreensNames) {
  Settings settings;  // a south style: the picture has a title
  auto chart = ComputedChart(settings);
  QTemporaryDir dir;
  struct Row {
    const char* file;
    int side;  // typed into the size field (a PNG's)
  };
  for (const Row& row : {Row{"ravi.png", 800}, Row{"ravi.svg", 0}}) {
    SCOPED_TRACE(row.file);
    const QString path = dir.filePath(QString::fromLatin1(row.file));
    testing::ModalDriver driver;
    driver.Then([&](QWidget* modal) {
      auto* dialog = qobject_cast<QFileDialog*>(modal);
      ASSERT_NE(dialog, nullptr);
      auto* size = dialog->findChild<QSpinBox*>(QStringLiteral("pictureSize"));
      auto* title = dialog->findChild<QLineEdit*>(QStringLiteral("pictureTitle"));
      ASSERT_NE(size, nullptr);
      ASSERT_NE(title, nullptr);
      EXPECT_EQ(title->text(), QStringLiteral("Ravi Kumar"));  // the chart's name offered
      title->setText(QStringLiteral("Ravi at birth"));
      if (row.side > 0) size->setValue(row.side);
      if (QString::fromLatin1(row.file).endsWith(QLatin1String(".svg"))) {
        dialog->selectNameFilter(dialog->nameFilters().value(1));
        EXPECT_FALSE(size->isEnabled());  // an SVG drawing has no size to choose
      }
      dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
      const QString shots = qEnvironmentVariable("ORVANE_SHOT_DIR");
      if (!shots.isEmpty()) dialog->grab().save(shots + QStringLiteral("/picture_dialog_%1.png").arg(row.file));
      static_cast<QDialog*>(dialog)->accept();
    });
    const std::optional<QString> written = SaveChartPictureAs(nullptr, *chart, settings, 0,
                                                              dir.filePath(QStringLiteral("Chart.png")),
                                                              QStringLiteral("Ravi Kumar"));
    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(*written, path);
    EXPECT_EQ(driver.captions().size(), 1) << driver.captions().join("|").toStdString();
    EXPECT_EQ(driver.unexpected(), 0);
    if (row.side > 0) {
      EXPECT_EQ(QImage(path).size(), QSize(row.side, row.side));
    } else {
      const QByteArray svg = ReadAll(path);
      EXPECT_TRUE(svg.contains(">Ravi at birth<")) << svg.left(3000).toStdString();
      EXPECT_TRUE(svg.contains(">Mo<"));
      EXPECT_FALSE(svg.contains(">Moo<"));
    }
  }
  // Cancel writes nothing.
  testing::ModalDriver driver;
  driver.ThenReject();
  EXPECT_FALSE(SaveChartPictureAs(nullptr, *chart, settings, 0, dir.filePath(QStringLiteral("none.png"))));
  EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("none.png"))));
}

TEST(Export, NotesFileSitsBesideTheChartFile) {
  struct Row {
    const char* chart;
    const char* notes;  // empty: none
  };
  const Row rows[] = {
      {"/home/u/charts/chart1.orv", "/home/u/charts/chart1.txt"},
      {"/home/u/charts/OLD.DAT", "/home/u/charts/OLD.txt"},
      {"/home/u/my.charts/a.b.orv", "/home/u/my.charts/a.b.txt"},
      {"/home/u/x.orv/chart", ""},
      {"/home/u/.orv", ""},
      {"", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.chart);
    const std::optional<QString> notes = NotesFileFor(QString::fromUtf8(row.chart));
    EXPECT_EQ(notes.value_or(QString()), QString::fromUtf8(row.notes));
  }
}

TEST(Export, EditNotesCreatesTheFileBesideTheChartAndOpensIt) {
  QTemporaryDir dir;
  const QString folder = dir.filePath(QStringLiteral("charts"));
  ASSERT_TRUE(QDir().mkpath(folder));
  const QString chartPath = folder + QStringLiteral("/chart1.orv");
  WriteAll(chartPath, "4\n4\n1970\n17.5000\n-5.30\n-81.12\n16.15");

  QTextBrowser opened;  // stands in for the user's editor
  QDesktopServices::setUrlHandler(QStringLiteral("file"), &opened, "setSource");
  const std::optional<QString> notes = EditNotes(nullptr, chartPath);
  ASSERT_TRUE(notes.has_value());
  EXPECT_EQ(*notes, folder + QStringLiteral("/chart1.txt"));
  EXPECT_TRUE(QFileInfo(*notes).isFile());
  EXPECT_EQ(QFileInfo(*notes).size(), 0);
  EXPECT_EQ(opened.source(), QUrl::fromLocalFile(*notes));
  EXPECT_FALSE(QFile::exists(QDir::current().filePath(QStringLiteral("chart1.txt"))));

  // Notes written before are kept.
  WriteAll(*notes, "Jupiter dasa notes\n");
  EXPECT_TRUE(EditNotes(nullptr, chartPath).has_value());
  EXPECT_EQ(ReadAll(*notes), QByteArray("Jupiter dasa notes\n"));
  QDesktopServices::unsetUrlHandler(QStringLiteral("file"));

  testing::ModalDriver driver;
  driver.ThenPress();
  EXPECT_FALSE(EditNotes(nullptr, QString()).has_value());
  EXPECT_EQ(driver.captions(), QStringList{QStringLiteral("First save it")});
  EXPECT_EQ(driver.texts(),
            QStringList{QStringLiteral("You can enter notes only after saving the file. First save it.")});
}

// A stand-in for xdg-email that writes its arguments, one per line.
QString FakeMailProgram(const QString& folder) {
  const QString path = folder + QStringLiteral("/fake-xdg-email");
  WriteAll(path,
           "#!/bin/sh\n"
           "out=\"$(dirname \"$0\")/args.txt\"\n"
           "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$out.tmp\" && mv \"$out.tmp\" \"$out\"\n");
  QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  return path;
}

QByteArray WaitForFile(const QString& path) {
  QElapsedTimer timer;
  timer.start();
  while (!QFile::exists(path) && timer.elapsed() < 10000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  return ReadAll(path);
}

TEST(Export, MailAttachesTheTextAloneNamedAfterTheChart) {
  const Settings settings;
  auto chart = ComputedChart(settings, 2026);  // a Tajaka chart carries the natal dasas
  struct Row {
    const char* title;
    const char* attachment;
  };
  const Row rows[] = {
      {"chart1.orv", "chart1.txt"},
      {"old.dat", "old.txt"},
      {"Prasna 3", "Orvane Chart.txt"},
      {"a\"b$(touch PWNED)'c;ls.orv", "a\"b$(touch PWNED)'c;ls.txt"},
  };
  const std::string expected = BuildCollectionText(*chart, settings, CollectionSet::kMail).text;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.title);
    QTemporaryDir dir;
    const QString program = FakeMailProgram(dir.path());
    const QString work = dir.filePath(QStringLiteral("work"));
    testing::ModalDriver driver;
    const std::optional<QString> attachment =
        MailAsText(nullptr, *chart, settings, QString::fromUtf8(row.title), work, program);
    ASSERT_TRUE(attachment.has_value());
    EXPECT_EQ(QFileInfo(*attachment).fileName(), QString::fromUtf8(row.attachment));
    EXPECT_EQ(ReadAll(*attachment).toStdString(), expected);  // no padding of zero bytes
    EXPECT_EQ(QFileInfo(QFileInfo(*attachment).absolutePath()).permissions() &
                  (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
              QFileDevice::Permissions());
    const QByteArray args = WaitForFile(dir.filePath(QStringLiteral("args.txt")));
    EXPECT_EQ(QString::fromUtf8(args), QStringLiteral("--attach\n") + *attachment + QStringLiteral("\n"));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("PWNED"))));
    EXPECT_FALSE(QFile::exists(QDir::current().filePath(QStringLiteral("PWNED"))));
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), expected);
    EXPECT_TRUE(driver.captions().isEmpty());
  }
  EXPECT_NE(expected.find("Vimsottari Dasa:\n\nJupi 1970-04-04"), std::string::npos);
}

TEST(Export, MailWithoutTheMailProgramSaysSo) {
  const Settings settings;
  auto chart = ComputedChart(settings);
  QTemporaryDir dir;
  testing::ModalDriver driver;
  driver.ThenPress();
  EXPECT_FALSE(MailAsText(nullptr, *chart, settings, QStringLiteral("chart1.orv"), dir.path(),
                          QStringLiteral("orvane-no-such-mail-program"))
                   .has_value());
  ASSERT_EQ(driver.texts().size(), 1);
  EXPECT_TRUE(driver.texts().front().contains(QStringLiteral("\"orvane-no-such-mail-program\" was not found")));
  EXPECT_TRUE(driver.texts().front().contains(QStringLiteral("chart1.txt")));
}

// The bitmaps of the default chart in the build folder, for people to look
// at: the chart in each style and the south-north pair.
TEST(Export, ReviewBitmapsOfTheDefaultChart) {
  const QString folder = QStringLiteral(ORVANE_BUILD_DIR "/print_review");
  ASSERT_TRUE(QDir().mkpath(folder));
  for (const int style : {0, 2, 4}) {
    SCOPED_TRACE(style);
    Settings settings;
    settings.chartStyle = style;
    auto chart = ComputedChart(settings);
    const QByteArray bytes = EncodeBitmap24(RenderChartBitmap(*chart, settings, 0, QStringLiteral("mychart")));
    ASSERT_EQ(bytes.size(), 480054);
    WriteAll(folder + QStringLiteral("/chart1_style%1.bmp").arg(style), bytes);
  }
  const Settings settings;
  auto chart = ComputedChart(settings);
  WriteAll(folder + QStringLiteral("/south_north.bmp"),
           EncodeBitmap24(RenderSouthNorthBitmap(*chart, settings, 0, QStringLiteral("mychart"))));
}

}  // namespace
}  // namespace orvane
