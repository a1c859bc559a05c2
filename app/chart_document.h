// One chart document: the bytes of its chart data file (the chart image),
// its flags and its title. It holds no computed results; the views compute
// from the image in memory.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include "app/doc_template.h"
#include "io/chart_file.h"

class QWidget;

namespace orvane {

class ChartDocument : public QObject {
  Q_OBJECT

 public:
  explicit ChartDocument(DocType type, QObject* parent = nullptr);

  DocType type() const { return type_; }
  const DocTemplate& docTemplate() const { return kDocTemplates[static_cast<int>(type_)]; }

  // A new, untitled prasna chart: no image, so its views cast the current
  // moment at the default place.
  bool OnNewDocument(const QString& title);

  enum class OpenStatus {
    kValid,       // the image holds a valid chart data file
    kInvalid,     // read, but not a chart data file: the views show a prasna chart
    kUnreadable,  // nothing read (missing, not a regular file, over 64 KiB); the document is unchanged
  };
  // Reads the whole file (at most 64 KiB) into the image, unchanged, and
  // validates it. `error` receives a one-line reason for kInvalid and
  // kUnreadable.
  OpenStatus OnOpenDocument(const QString& path, QString* error);
  // Writes the image (or, in text mode, the text buffer) to `path` whole or
  // not at all. A document whose file failed validation is never written
  // back over that file: its bytes are still the file's own.
  bool OnSaveDocument(const QString& path, QString* error);

  // Loaded flag: 1 after a file was read and passed validation.
  int loaded() const { return loaded_; }
  // Invalid flag: the last file opened failed validation.
  bool invalid() const { return invalid_; }
  const QByteArray& image() const { return image_; }
  const QString& validationMessage() const { return validationMessage_; }

  // After a prasna chart's first pass the view hands back the moment it
  // cast. A document whose file failed validation keeps its own bytes.
  void ReadBackImage(const QByteArray& bytes);
  // The birth-data round trip: a new, valid image; the document becomes a
  // loaded chart and is marked modified.
  void SetEditedImage(const QByteArray& bytes);

  // The person, place and zone the image keeps after its seven numbers
  // (none for an image that fails validation).
  ChartLabels Labels() const;
  // Keeps the engine the chart is cast with in the image ("Ephemeris:"
  // label, after the others; `value` empty removes it) and marks the
  // document modified when that changes it. A document without a valid
  // image (a prasna chart, a file that failed validation) keeps nothing.
  void SetEphemerisLabel(std::string_view value);
  // That label's value (empty when there is none, or no valid image).
  std::string EphemerisLabel() const;
  // "Ravi Kumar, Chennai, Tamil Nadu, IN": the name and the place, empty
  // when the chart names neither.
  QString Subject() const;
  // "Ravi Kumar": the person's name the chart keeps (empty for none).
  QString ChartName() const;
  // What names the chart to the user: its name, else the file's name
  // ("Chart1" for a chart never saved).
  QString DisplayName() const;
  // The file name Save As offers a chart never saved: its name (without
  // characters a file name cannot hold) or the title, and the extension.
  QString SuggestedFileName() const;

  const QString& title() const { return title_; }
  const QString& pathName() const { return pathName_; }
  void SetTitle(const QString& title);
  // Sets the path and the title (the file's name).
  void SetPathName(const QString& path);
  // Title copy for printing and notes, refreshed on demand.
  const QString& RefreshTitleCopy();

  bool IsModified() const { return modified_; }
  void SetModifiedFlag(bool modified = true);

  // Mailing as text: while set, saving stores the text buffer.
  int textMode = 0;
  QByteArray textBuffer;

  // "Save" (saveAs false: the current name when there is one) or "Save As":
  // asks for a name when needed, stores, reports a failure in a message box.
  // Returns true when the document was stored.
  bool DoSave(QWidget* parent, bool saveAs);
  // Before closing: "Save changes to %1?" with Yes, No and Cancel when the
  // document is modified. Returns false when closing must stop (Cancel, or
  // the save failed).
  bool SaveModified(QWidget* parent);

  // Tells every view of the document except `sender` to update.
  void UpdateAllViews(QObject* sender);

 signals:
  void modifiedChanged(bool modified);
  void titleChanged(const QString& title);
  void viewsNeedUpdate(QObject* sender);
  void saved(const QString& path);
  void statusMessage(const QString& text);

 private:
  DocType type_;
  int loaded_ = 0;
  QByteArray image_;
  QString titleCopy_;
  bool invalid_ = false;
  QString validationMessage_;
  QString title_;
  QString pathName_;
  bool modified_ = false;
};

}  // namespace orvane
