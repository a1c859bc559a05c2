#include "display/export.h"

#include <QCoreApplication>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QSvgGenerator>
#include <QUrl>

#include <memory>

#include "display/chart_draw.h"
#include "display/colours.h"
#include "display/file_names.h"
#include "io/chart_file.h"
#include "io/user_folder.h"
#include "compute/collection.h"

namespace orvane {
namespace {

constexpr char kAppCaption[] = "Orvane Lite";

// Chart 1 sits 6 units from the left and 7 from the top of its bitmap and
// leaves 12 units of its side as margins.
constexpr int kBitmapChartX = 6;
constexpr int kBitmapChartY = 7;
constexpr int kBitmapChartMargin = 12;
constexpr int kBitmapHeaderSize = 54;
constexpr int kBitmapInfoSize = 40;

// The copies' text: ASCII report text with the person's and place's names
// in UTF-8.
QString FromReportText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// `links`: kReplace for the program's own files in its working folder (a
// link planted there is replaced, never followed); kWriteThrough for a
// file the user named.
bool WriteWhole(const QString& path, const QByteArray& bytes, QString* error,
                LinkAtPath links = LinkAtPath::kWriteThrough) {
  std::string reason;
  if (!WriteFileAtomic(FileNameBytes(path), std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                       &reason, links)) {
    if (error) *error = QString::fromStdString(reason);
    return false;
  }
  return true;
}

// A folder of the user's own (0700), created when missing; a link or
// another user's folder in its place is refused.
bool MakeOwnFolder(const QString& folder, QString* error) {
  std::string reason;
  if (!MakeUserFolder(FileNameBytes(folder), &reason)) {
    if (error) {
      *error = QString::fromStdString(reason) + QLatin1Char('.');
      (*error)[0] = (*error)[0].toUpper();
    }
    return false;
  }
  return true;
}

bool IsSouthStyle(int style) { return style != kNorthDiamond && style != kEastSun && style != kEastFramed; }

ChartDrawOptions BitmapOptions(const Settings& settings, int side, const QString& title) {
  ChartDrawOptions options = ChartDrawOptionsFromSettings(settings);
  options.bitmap = true;
  options.bitmapTitle = title;
  options.absoluteCoordinates = true;
  options.layoutSize = QSizeF(side, side);
  options.clearBackground = true;
  return options;
}

// Draws chart 1 as the bitmap shows it on `painter` (a square of `side`);
// a picture (`screenLabels`) names the bodies as the screen does.
void PaintChartBitmap(QPainter& painter, const ChartState& chart, const Settings& settings, int chartIndex,
                      const QString& title, int side, bool screenLabels = false) {
  ChartDrawOptions options = BitmapOptions(settings, side, title);
  options.screenLabels = screenLabels;
  const int size = side - kBitmapChartMargin;
  DrawChart(painter, QRectF(kBitmapChartX, kBitmapChartY, size, size), ChartDrawInputFromState(chart, chartIndex),
            options);
}

void PutLittleEndian(QByteArray& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.append(static_cast<char>((value >> (8 * i)) & 0xff));
}

// The file the user chose for a bitmap, ".bmp" added to a name without a
// suffix; empty when the user cancelled.
QString ChosenBitmapPath(QWidget* parent, const QString& suggested, const FilePrompt& askFile) {
  QString path = askFile(parent, suggested);
  if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".bmp");
  return path;
}

std::optional<QString> WriteBitmapFile(QWidget* parent, const QImage& image, const QString& path) {
  QString error;
  const QByteArray bytes = EncodeBitmap24(image);
  if (bytes.isEmpty()) {
    error = QCoreApplication::translate("Orvane", "The chart could not be drawn.");
  } else {
    WriteWhole(path, bytes, &error, LinkAtPath::kReplace);
  }
  if (!error.isEmpty()) {
    QMessageBox::warning(parent, kAppCaption,
                         QCoreApplication::translate("Orvane", "The bitmap could not be saved.\n\n%1").arg(error));
    return std::nullopt;
  }
  QMessageBox::information(parent, QCoreApplication::translate("Orvane", kBitmapSavedCaption),
                           QCoreApplication::translate("Orvane", "%1\n\nIts file is \"%2\".")
                               .arg(QCoreApplication::translate("Orvane", kBitmapSavedText),
                                    QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())));
  return path;
}

// Says what was copied: a whole copy in one line through `notice` when
// there is one, otherwise (and for a copy cut short) in a message box.
void AnnounceCopy(QWidget* parent, CopiedText what, bool cut, const CopyNotice& notice) {
  const QString message = CopiedMessage(what, cut);
  if (notice && !cut) {
    notice(message.section(QStringLiteral("\n\n"), 0, 0));
    return;
  }
  QMessageBox::information(parent, QString::fromLatin1(kCopiedCaption), message);
}

bool CopyCollection(QWidget* parent, const ChartState& chart, const Settings& settings, CollectionSet set,
                    CopiedText what, const ChartLabels& labels, const CopyNotice& notice) {
  const CollectionText collected = BuildCollectionText(chart, settings, set, labels);
  if (!PutOnClipboard(parent, FromReportText(collected.text))) return false;
  AnnounceCopy(parent, what, collected.truncated, notice);
  return true;
}

}  // namespace

// ---- Clipboard -----------------------------------------------------------

QString CopiedMessage(CopiedText what, bool cut) {
  QString subject;
  switch (what) {
    case CopiedText::kScreen:
      subject = QCoreApplication::translate("Orvane", "what is on the screen");
      break;
    case CopiedText::kBasic:
      subject = QCoreApplication::translate("Orvane", "basic calculations");
      break;
    case CopiedText::kAll:
      subject = QCoreApplication::translate("Orvane", "all calculations");
      break;
  }
  const QString paste = QStringLiteral(
      "\n\nYou can \"paste\" it to any program that accepts plain text (e.g. Notepad, Word etc).");
  if (cut) {
    return QCoreApplication::translate(
               "Orvane",
               "Copied %1 to the clipboard in plain text format, but a part of it was longer than the "
               "program can hold and its end was cut.")
               .arg(subject) +
           paste;
  }
  return QCoreApplication::translate("Orvane", "Successfully copied %1 to the clipboard in plain text format.")
             .arg(subject) +
         paste;
}

bool PutOnClipboard(QWidget* parent, const QString& text) {
  QClipboard* clipboard = QApplication::clipboard();
  if (!clipboard) {
    QMessageBox::warning(parent, kAppCaption, QCoreApplication::translate("Orvane", "Cannot open the Clipboard"));
    return false;
  }
  clipboard->setText(text, QClipboard::Clipboard);
  if (clipboard->text(QClipboard::Clipboard) != text) {
    QMessageBox::warning(parent, kAppCaption, QCoreApplication::translate("Orvane", "Unable to set Clipboard data"));
    return false;
  }
  return true;
}

bool CopyScreenText(QWidget* parent, const std::string& text, bool cut, const CopyNotice& notice) {
  if (!PutOnClipboard(parent, FromReportText(text))) return false;
  AnnounceCopy(parent, CopiedText::kScreen, cut, notice);
  return true;
}

bool CopyBasicText(QWidget* parent, const ChartState& chart, const Settings& settings, const ChartLabels& labels,
                   const CopyNotice& notice) {
  return CopyCollection(parent, chart, settings, CollectionSet::kBasic, CopiedText::kBasic, labels, notice);
}

bool CopyCompleteText(QWidget* parent, const ChartState& chart, const Settings& settings, const ChartLabels& labels,
                      const CopyNotice& notice) {
  return CopyCollection(parent, chart, settings, CollectionSet::kComplete, CopiedText::kAll, labels, notice);
}

// ---- Bitmaps -----------------------------------------------------------

QByteArray EncodeBitmap24(const QImage& source) {
  const int w = source.width();
  const int h = source.height();
  if (w <= 0 || h <= 0 || (w * 3) % 4 != 0) return {};
  const QImage image = source.convertToFormat(QImage::Format_RGB32);
  const std::uint32_t pixelBytes = static_cast<std::uint32_t>(w) * static_cast<std::uint32_t>(h) * 3;
  QByteArray out;
  out.reserve(kBitmapHeaderSize + static_cast<qsizetype>(pixelBytes));
  out.append("BM", 2);
  PutLittleEndian(out, (static_cast<std::uint32_t>(w) * static_cast<std::uint32_t>(h) + 18) * 3, 4);
  PutLittleEndian(out, 0, 2);
  PutLittleEndian(out, 0, 2);
  PutLittleEndian(out, kBitmapHeaderSize, 4);
  PutLittleEndian(out, kBitmapInfoSize, 4);
  PutLittleEndian(out, static_cast<std::uint32_t>(w), 4);
  PutLittleEndian(out, static_cast<std::uint32_t>(h), 4);
  PutLittleEndian(out, 1, 2);
  PutLittleEndian(out, 24, 2);
  for (int i = 0; i < 6; ++i) PutLittleEndian(out, 0, 4);
  for (int y = h - 1; y >= 0; --y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < w; ++x) {
      out.append(static_cast<char>(qBlue(row[x])));
      out.append(static_cast<char>(qGreen(row[x])));
      out.append(static_cast<char>(qRed(row[x])));
    }
  }
  return out;
}

QImage RenderChartBitmap(const ChartState& chart, const Settings& settings, int chartIndex, const QString& title) {
  QImage image(kChartBitmapSize, kChartBitmapSize, QImage::Format_RGB32);
  image.fill(ColourFromBgr(kBackgroundColour));
  QPainter painter(&image);
  PaintChartBitmap(painter, chart, settings, chartIndex, title, kChartBitmapSize);
  painter.end();
  return image;
}

QImage RenderSouthNorthBitmap(const ChartState& chart, const Settings& settings, int chartIndex,
                              const QString& title) {
  const int half = kSouthNorthBitmapHalf;
  QImage image(2 * half, half, QImage::Format_RGB32);
  image.fill(ColourFromBgr(kBackgroundColour));
  QPainter painter(&image);
  const ChartDrawInput input = ChartDrawInputFromState(chart, chartIndex);
  const int size = half - kBitmapChartMargin;

  ChartDrawOptions south = BitmapOptions(settings, half, title);
  south.layoutSize = QSizeF(2 * half, half);
  south.chartStyle = kSouthRegular;
  south.southMirrored = false;
  south.southNorth = true;
  DrawChart(painter, QRectF(kBitmapChartX, kBitmapChartY, size, size), input, south);

  ChartDrawOptions north = south;
  north.chartStyle = kNorthDiamond;
  north.clearBackground = false;
  DrawChart(painter, QRectF(half + kBitmapChartX, kBitmapChartY, size, size), input, north);
  painter.end();
  return image;
}

QString PresetPictureTitle(const QString& chartName) {
  const QString name = chartName.trimmed();
  return name.isEmpty() ? QCoreApplication::translate("Orvane", "Chart") : name;
}

QString AskBitmapFile(QWidget* parent, const QString& suggested) {
  return QFileDialog::getSaveFileName(parent, QCoreApplication::translate("Orvane", "Save the chart as a bitmap"),
                                      suggested, QCoreApplication::translate("Orvane", "Windows bitmaps (*.bmp)"));
}

std::optional<QString> SaveChartBitmap(QWidget* parent, const ChartState& chart, const Settings& settings,
                                       int chartIndex, const QString& suggestedPath, const TitlePrompt& ask,
                                       const FilePrompt& askFile, const QString& presetTitle) {
  const QString path = ChosenBitmapPath(parent, suggestedPath, askFile);
  if (path.isEmpty()) return std::nullopt;
  QString title;
  if (IsSouthStyle(settings.chartStyle)) {
    const std::optional<QString> entered = ask(parent, PresetPictureTitle(presetTitle));
    if (!entered) return std::nullopt;
    title = *entered;
  }
  return WriteBitmapFile(parent, RenderChartBitmap(chart, settings, chartIndex, title), path);
}

std::optional<QString> SaveSouthNorthBitmap(QWidget* parent, const ChartState& chart, const Settings& settings,
                                            int chartIndex, const QString& suggestedPath, const TitlePrompt& ask,
                                            const FilePrompt& askFile, const QString& presetTitle) {
  const QString path = ChosenBitmapPath(parent, suggestedPath, askFile);
  if (path.isEmpty()) return std::nullopt;
  const std::optional<QString> title = ask(parent, PresetPictureTitle(presetTitle));
  if (!title) return std::nullopt;
  return WriteBitmapFile(parent, RenderSouthNorthBitmap(chart, settings, chartIndex, *title), path);
}

bool WriteChartPicture(const QString& path, const ChartState& chart, const Settings& settings, int chartIndex,
                       const QString& title, QString* error, int side) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (side < kMinPictureSize || side > kMaxPictureSize) {
    if (error) {
      *error = QCoreApplication::translate("Orvane", "A picture is %1 to %2 pixels wide.")
                   .arg(kMinPictureSize)
                   .arg(kMaxPictureSize);
    }
    return false;
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (suffix == QLatin1String("svg")) {
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(kChartBitmapSize, kChartBitmapSize));
    svg.setViewBox(QRect(0, 0, kChartBitmapSize, kChartBitmapSize));
    svg.setTitle(title.isEmpty() ? QCoreApplication::translate("Orvane", "Chart") : title);
    // The description names the chart.
    const std::string_view name = ChartTitle(chartIndex);
    svg.setDescription(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    QPainter painter(&svg);
    painter.fillRect(QRect(0, 0, kChartBitmapSize, kChartBitmapSize), ColourFromBgr(kBackgroundColour));
    PaintChartBitmap(painter, chart, settings, chartIndex, title, kChartBitmapSize, true);
    painter.end();
  } else if (suffix == QLatin1String("png")) {
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(ColourFromBgr(kBackgroundColour));
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    // The bitmap's drawing, scaled: its margins and lines keep their share.
    painter.scale(side / double(kChartBitmapSize), side / double(kChartBitmapSize));
    PaintChartBitmap(painter, chart, settings, chartIndex, title, kChartBitmapSize, true);
    painter.end();
    if (!image.save(&buffer, "PNG")) {
      if (error) *error = QCoreApplication::translate("Orvane", "The picture could not be encoded.");
      return false;
    }
  } else {
    if (error) *error = QCoreApplication::translate("Orvane", "Pictures are saved as .png or .svg files.");
    return false;
  }
  buffer.close();
  return WriteWhole(path, bytes, error);
}

namespace {

// The picture's one dialog: the file chooser with the picture's size (for a
// PNG) and its title (for the south styles, which draw one) below the name.
class PictureFileDialog : public QFileDialog {
 public:
  PictureFileDialog(QWidget* parent, const QString& suggestedName, bool withTitle, const QString& presetTitle)
      : QFileDialog(parent, QCoreApplication::translate("Orvane", "Save chart 1 as a picture"), suggestedName,
                    QCoreApplication::translate("Orvane", "PNG pictures (*.png);;SVG drawings (*.svg)")) {
    setObjectName(QStringLiteral("PictureFileDialog"));
    setOption(QFileDialog::DontUseNativeDialog, true);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setDefaultSuffix(QStringLiteral("png"));
    if (suggestedName.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) selectNameFilter(nameFilters().value(1));

    size_ = new QSpinBox(this);
    size_->setObjectName(QStringLiteral("pictureSize"));
    size_->setRange(kMinPictureSize, kMaxPictureSize);
    size_->setSingleStep(100);
    size_->setValue(kDefaultPictureSize);
    size_->setSuffix(QCoreApplication::translate("Orvane", " pixels"));
    size_->setToolTip(QCoreApplication::translate(
                          "Orvane", "Width and height of a PNG picture (%1 to %2 pixels); an SVG drawing scales")
                          .arg(kMinPictureSize)
                          .arg(kMaxPictureSize));
    if (withTitle) {
      title_ = new QLineEdit(PresetPictureTitle(presetTitle), this);
      title_->setObjectName(QStringLiteral("pictureTitle"));
    }
    if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
      int row = grid->rowCount();
      auto* sizeLabel = new QLabel(QCoreApplication::translate("Orvane", "Picture si&ze:"), this);
      sizeLabel->setBuddy(size_);
      grid->addWidget(sizeLabel, row, 0);
      grid->addWidget(size_, row, 1);
      if (title_) {
        ++row;
        auto* titleLabel = new QLabel(QCoreApplication::translate("Orvane", "T&itle:"), this);
        titleLabel->setBuddy(title_);
        grid->addWidget(titleLabel, row, 0);
        grid->addWidget(title_, row, 1);
      }
    }
    // The size is a PNG's: an SVG drawing (chosen as the file type, or by
    // the name typed) has none to choose.
    auto follow = [this] {
      const auto* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      const bool svg = name && QFileInfo(name->text()).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0
                           ? true
                           : selectedNameFilter().contains(QLatin1String("*.svg"));
      size_->setEnabled(!svg);
      setDefaultSuffix(svg ? QStringLiteral("svg") : QStringLiteral("png"));
    };
    if (auto* types = findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))) {
      connect(types, &QComboBox::currentIndexChanged, this, follow);
    }
    if (auto* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
      connect(name, &QLineEdit::textChanged, this, follow);
    }
    follow();
  }

  int side() const { return size_->value(); }
  QString title() const { return title_ ? title_->text() : QString(); }

 private:
  QSpinBox* size_ = nullptr;
  QLineEdit* title_ = nullptr;
};

}  // namespace

std::optional<QString> SaveChartPictureAs(QWidget* parent, const ChartState& chart, const Settings& settings,
                                          int chartIndex, const QString& suggestedName, const QString& presetTitle) {
  PictureFileDialog dialog(parent, suggestedName, IsSouthStyle(settings.chartStyle), presetTitle);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  QString path = dialog.selectedFiles().constFirst();
  if (path.isEmpty()) return std::nullopt;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".png");
  const bool png = QFileInfo(path).suffix().toLower() == QLatin1String("png");
  QString error;
  if (!WriteChartPicture(path, chart, settings, chartIndex, dialog.title(), &error,
                         png ? dialog.side() : kChartBitmapSize)) {
    QMessageBox::warning(parent, kAppCaption,
                         QCoreApplication::translate("Orvane", "The picture could not be saved.\n\n%1").arg(error));
    return std::nullopt;
  }
  return path;
}

// ---- Notes -------------------------------------------------------------

std::optional<QString> NotesFileFor(const QString& chartPath) {
  if (chartPath.isEmpty()) return std::nullopt;
  const QFileInfo info(chartPath);
  const QString name = info.fileName();
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  // The extension must stand after the first character of the name.
  if (dot < 1) return std::nullopt;
  const QString extension = name.mid(dot).toLower();
  if (extension != QLatin1String(".orv") && extension != QLatin1String(".dat")) return std::nullopt;
  return info.absoluteDir().filePath(name.left(dot) + QStringLiteral(".txt"));
}

std::optional<QString> EditNotes(QWidget* parent, const QString& chartPath) {
  const std::optional<QString> notes = NotesFileFor(chartPath);
  if (!notes) {
    QMessageBox::information(parent, QString::fromLatin1(kFirstSaveCaption), QString::fromLatin1(kFirstSaveText));
    return std::nullopt;
  }
  if (!QFileInfo::exists(*notes)) {
    QFile file(*notes);
    // NewOnly: a file made in the meantime is never emptied.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) && !QFileInfo::exists(*notes)) {
      QMessageBox::warning(parent, kAppCaption,
                           QCoreApplication::translate("Orvane", "The notes file \"%1\" could not be created.\n\n%2")
                               .arg(QDir::toNativeSeparators(*notes), file.errorString()));
      return std::nullopt;
    }
  }
  if (!QDesktopServices::openUrl(QUrl::fromLocalFile(*notes))) {
    QMessageBox::warning(
        parent, kAppCaption,
        QCoreApplication::translate("Orvane", "The notes file \"%1\" could not be opened in an editor.")
            .arg(QDir::toNativeSeparators(*notes)));
    return std::nullopt;
  }
  return notes;
}

// ---- Mail --------------------------------------------------------------

QString MailAttachmentName(const QString& documentTitle) {
  QString title = documentTitle;
  title.replace(QLatin1Char('/'), QLatin1Char('_'));
  title.replace(QChar(0), QLatin1Char('_'));
  for (const QLatin1String extension : {QLatin1String(".orv"), QLatin1String(".dat")}) {
    const qsizetype at = title.indexOf(extension);
    if (at >= 1) return title.left(at) + QStringLiteral(".txt") + title.mid(at + extension.size());
    if (at == 0) break;
  }
  return QStringLiteral("Orvane Chart.txt");
}

std::optional<QString> MailAsText(QWidget* parent, const ChartState& chart, const Settings& settings,
                                  const QString& documentTitle, const QString& folder, const QString& program,
                                  const ChartLabels& labels) {
  const CollectionText collected = BuildCollectionText(chart, settings, CollectionSet::kMail, labels);
  PutOnClipboard(parent, FromReportText(collected.text));

  QString error;
  const QString mailFolder = QDir(folder).filePath(QStringLiteral("mail"));
  const QString attachment = QDir(mailFolder).filePath(MailAttachmentName(documentTitle));
  const QByteArray bytes(collected.text.data(), static_cast<qsizetype>(collected.text.size()));
  if (!MakeOwnFolder(mailFolder, &error) || !WriteWhole(attachment, bytes, &error, LinkAtPath::kReplace)) {
    QMessageBox::warning(parent, kAppCaption,
                         QCoreApplication::translate(
                             "Orvane", "The chart could not be mailed: its text file could not be written.\n\n%1")
                             .arg(error));
    return std::nullopt;
  }
  const QString executable =
      QFileInfo(program).isAbsolute() ? program : QStandardPaths::findExecutable(program);
  if (executable.isEmpty() || !QFileInfo(executable).isExecutable()) {
    QMessageBox::warning(
        parent, kAppCaption,
        QCoreApplication::translate("Orvane",
                                    "The chart could not be mailed: the program \"%1\" was not found (it comes "
                                    "with the package xdg-utils).\n\nThe complete calculations are on the "
                                    "clipboard and in the file \"%2\"; you can attach that file to a message "
                                    "yourself.")
            .arg(program, QDir::toNativeSeparators(attachment)));
    return std::nullopt;
  }
  // An argument list: the file name reaches the program as it is, whatever
  // quotes or "$(...)" it holds, and no shell ever reads it.
  if (!QProcess::startDetached(executable, {QStringLiteral("--attach"), attachment})) {
    QMessageBox::warning(parent, kAppCaption,
                         QCoreApplication::translate("Orvane", "Send Mail failed to send message."));
    return std::nullopt;
  }
  return attachment;
}

}  // namespace orvane
