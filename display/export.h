// Getting results out of the program: report text to the clipboard, chart 1
// as a 24-bit bitmap (and as PNG or SVG), a notes file beside the chart
// file opened in the user's editor, and the complete text mailed as an
// attachment. Each command takes what it reads (the view's computed chart,
// the settings, the document's title or path) and reports in message boxes
// with `parent`.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>
#include <string>

#include "display/enter_title.h"
#include "chart/chart_state.h"
#include "io/chart_file.h"
#include "io/settings.h"

class QWidget;

namespace orvane {

// ---- Clipboard -----------------------------------------------------------

enum class CopiedText { kScreen, kBasic, kAll };

// Caption and text of the message after a copy; `cut` says that a section
// was longer than the report buffer and its end was cut.
inline constexpr char kCopiedCaption[] = "Copied in plain text format!";
QString CopiedMessage(CopiedText what, bool cut);

// Puts `text` on the clipboard as plain text and checks that it arrived;
// false (after "Unable to set Clipboard data") otherwise.
bool PutOnClipboard(QWidget* parent, const QString& text);

// Where a copy that went well is announced (a status bar): one line. A
// copy whose end was cut is still said in a message box.
using CopyNotice = std::function<void(const QString& message)>;

// "&Text on current screen as plain text": the text of the screen's last
// text block, as the view drew it. Without `notice` every copy is
// announced in a message box.
bool CopyScreenText(QWidget* parent, const std::string& text, bool cut = false, const CopyNotice& notice = {});
// "&Basic calculations as plain text" and "&Complete calculations as plain
// text": the collected sections of the view's computed chart.
// `labels`: the person and the place the chart file names.
bool CopyBasicText(QWidget* parent, const ChartState& chart, const Settings& settings, const ChartLabels& labels = {},
                   const CopyNotice& notice = {});
bool CopyCompleteText(QWidget* parent, const ChartState& chart, const Settings& settings,
                      const ChartLabels& labels = {}, const CopyNotice& notice = {});

// ---- Bitmaps -----------------------------------------------------------

// Side of the chart-1 bitmap and of each half of the south-north bitmap.
inline constexpr int kChartBitmapSize = 400;
inline constexpr int kSouthNorthBitmapHalf = 380;
inline constexpr char kBitmapSavedCaption[] = QT_TRANSLATE_NOOP("Orvane", "Bitmap saved");
inline constexpr char kBitmapSavedText[] =
    QT_TRANSLATE_NOOP("Orvane",
                      "What you see on the screen now is saved as a Windows bitmap. You can convert it to other "
                      "formats or include it in a document.");

// The file of a 24-bit uncompressed bitmap of `image`: the 54-byte header
// ("BM", file size (w*h + 18)*3, two zero words, pixel offset 54, info size
// 40, width, height, 1 plane, 24 bits, no compression, six zero fields; all
// little-endian), then the rows from the bottom up, blue-green-red, without
// row padding (the widths used, 400 and 760, need none). Empty for an image
// whose rows would need padding or that is empty.
QByteArray EncodeBitmap24(const QImage& image);

// Chart 1 drawn off screen in bitmap mode: `chartIndex` of the computed
// chart at (6, 7) with side 400 - 12 on the background colour, with
// `title` (south styles) above the chart's name.
QImage RenderChartBitmap(const ChartState& chart, const Settings& settings, int chartIndex, const QString& title);
// The south-north bitmap: the chart in the regular south style at (6, 7)
// and in the north style at (386, 7), each of side 380 - 12, 760 x 380.
QImage RenderSouthNorthBitmap(const ChartState& chart, const Settings& settings, int chartIndex,
                              const QString& title);

// Asks where a file goes, starting from `suggested`; an empty answer
// cancels. AskBitmapFile is the file dialog, which asks before replacing a
// file.
using FilePrompt = std::function<QString(QWidget* parent, const QString& suggested)>;
QString AskBitmapFile(QWidget* parent, const QString& suggested);

// "Chart 1 on screen as a b&itmap" and "Chart 1 on screen as a &south-north
// bitmap": asks where to save it (from `suggestedPath`; ".bmp" added to a
// name without a suffix), asks for the title (south styles), writes the
// file whole or not at all and says "Bitmap saved" with its path, or says
// why it was not. Cancel at either question abandons the command. The
// title offered is `presetTitle` (the person's name the chart keeps), or
// "Chart" when that is empty. Returns the path written, or nothing.
std::optional<QString> SaveChartBitmap(QWidget* parent, const ChartState& chart, const Settings& settings,
                                       int chartIndex, const QString& suggestedPath,
                                       const TitlePrompt& ask = AskTitleSimple,
                                       const FilePrompt& askFile = AskBitmapFile, const QString& presetTitle = {});
std::optional<QString> SaveSouthNorthBitmap(QWidget* parent, const ChartState& chart, const Settings& settings,
                                            int chartIndex, const QString& suggestedPath,
                                            const TitlePrompt& ask = AskTitleSimple,
                                            const FilePrompt& askFile = AskBitmapFile,
                                            const QString& presetTitle = {});

// The sides a chart picture may have, pixels.
inline constexpr int kMinPictureSize = 200;
inline constexpr int kMaxPictureSize = 4000;
inline constexpr int kDefaultPictureSize = 1200;

// Chart 1 as a picture file at `path`: PNG (the bitmap's drawing with the
// screen's labels, `side` pixels square, kMinPictureSize..kMaxPictureSize)
// or SVG (the same drawing as vectors, its labels as text in the font
// named, narrowed by a transform so that every renderer draws them the
// width the screen does), by the file's suffix; written whole or not at
// all. False with a one-line reason in `error`.
bool WriteChartPicture(const QString& path, const ChartState& chart, const Settings& settings, int chartIndex,
                       const QString& title, QString* error, int side = kChartBitmapSize);
// One dialog: the file name (PNG or SVG; it asks before replacing a file)
// with, below it, a PNG's size and, for the south styles, the title
// (offered as for SaveChartBitmap); then writes the picture and says why
// when it could not. Returns the path written, or nothing.
std::optional<QString> SaveChartPictureAs(QWidget* parent, const ChartState& chart, const Settings& settings,
                                          int chartIndex, const QString& suggestedName,
                                          const QString& presetTitle = {});

// The title a picture offers: `chartName` without blanks at its ends, or
// "Chart" for none.
QString PresetPictureTitle(const QString& chartName);

// ---- Notes -------------------------------------------------------------

inline constexpr char kFirstSaveCaption[] = "First save it";
inline constexpr char kFirstSaveText[] = "You can enter notes only after saving the file. First save it.";

// The notes file of a chart file: its full path with the final extension
// ".orv" or ".dat" replaced by ".txt" ("/a/chart1.orv" -> "/a/chart1.txt");
// nothing for a chart never saved or a file without one of those
// extensions.
std::optional<QString> NotesFileFor(const QString& chartPath);

// "Edit chart &notes": creates the notes file when it does not exist and
// opens it in the user's editor (QDesktopServices, no shell); "First save
// it" for a chart not saved. Returns the notes file opened.
std::optional<QString> EditNotes(QWidget* parent, const QString& chartPath);

// ---- Mail --------------------------------------------------------------

// The attachment's name: the title with ".orv" (or else ".dat") replaced by
// ".txt" when the extension stands after the first character, otherwise
// "Orvane Chart.txt". Folder separators are taken out.
QString MailAttachmentName(const QString& documentTitle);

// "&Email as text file attachment": the complete calculations with the
// natal dasas, placed on the clipboard and written (the text alone) to a
// private folder below `folder` under the attachment's name, then handed to
// `program` ("xdg-email --attach FILE", started with an argument list). A
// missing program or a file that cannot be written is said in a message
// box. The document is not touched. Returns the attachment written.
std::optional<QString> MailAsText(QWidget* parent, const ChartState& chart, const Settings& settings,
                                  const QString& documentTitle, const QString& folder,
                                  const QString& program = QStringLiteral("xdg-email"),
                                  const ChartLabels& labels = {});

}  // namespace orvane
