#include "app/chart_document.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <string>

#include "display/file_names.h"
#include "io/chart_file.h"

namespace orvane {
namespace {

constexpr char kAppTitle[] = "Orvane Lite";

bool SameFile(const QString& a, const QString& b) {
  if (a.isEmpty() || b.isEmpty()) return false;
  const QFileInfo fa(a), fb(b);
  const QString ca = fa.canonicalFilePath(), cb = fb.canonicalFilePath();
  if (!ca.isEmpty() && !cb.isEmpty()) return ca == cb;
  return fa.absoluteFilePath() == fb.absoluteFilePath();
}

}  // namespace

ChartDocument::ChartDocument(DocType type, QObject* parent) : QObject(parent), type_(type) {}

bool ChartDocument::OnNewDocument(const QString& title) {
  loaded_ = 0;
  invalid_ = false;
  image_.clear();
  validationMessage_.clear();
  pathName_.clear();
  SetTitle(title);
  SetModifiedFlag(false);
  return true;
}

ChartDocument::OpenStatus ChartDocument::OnOpenDocument(const QString& path, QString* error) {
  std::string bytes, reason;
  if (!ReadChartImage(FileNameBytes(path), bytes, &reason)) {
    if (error) *error = QString::fromStdString(reason);
    return OpenStatus::kUnreadable;
  }
  image_ = QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
  const ChartValidation check = ValidateChartImage(bytes);
  loaded_ = check.ok ? 1 : 0;
  invalid_ = !check.ok;
  validationMessage_ = QString::fromStdString(check.message);
  SetPathName(path);
  SetModifiedFlag(false);
  emit titleChanged(title_);  // the caption shows the new image's name and place
  if (!check.ok) {
    if (error) *error = validationMessage_;
    return OpenStatus::kInvalid;
  }
  return OpenStatus::kValid;
}

bool ChartDocument::OnSaveDocument(const QString& path, QString* error) {
  if (textMode == 0 && invalid_ && SameFile(path, pathName_)) {
    // The image is still the file's own (invalid) content: nothing to store,
    // and the chart on screen (the current moment) must not replace it.
    emit statusMessage(tr("\"%1\" is not a valid chart file and was left unchanged.")
                           .arg(ShownFileName(QDir::toNativeSeparators(path))));
    return true;
  }
  const QByteArray& bytes = textMode ? textBuffer : image_;
  std::string reason;
  if (!WriteFileAtomic(FileNameBytes(path),
                       std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), &reason)) {
    if (error) *error = QString::fromStdString(reason);
    return false;
  }
  return true;
}

void ChartDocument::ReadBackImage(const QByteArray& bytes) {
  if (invalid_) return;
  image_ = bytes;
}

void ChartDocument::SetEditedImage(const QByteArray& bytes) {
  image_ = bytes;
  loaded_ = 1;
  invalid_ = false;
  validationMessage_.clear();
  SetModifiedFlag(true);
  emit titleChanged(title_);  // the caption shows the new image's name and place
}

ChartLabels ChartDocument::Labels() const {
  if (invalid_ || image_.isEmpty()) return {};
  return ReadChartLabels(std::string_view(image_.constData(), static_cast<std::size_t>(image_.size())));
}

void ChartDocument::SetEphemerisLabel(std::string_view value) {
  if (invalid_ || image_.isEmpty() || EphemerisLabel() == value) return;
  const std::string bytes =
      WithEphemerisLabel(std::string_view(image_.constData(), static_cast<std::size_t>(image_.size())), value);
  image_ = QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
  SetModifiedFlag(true);
}

std::string ChartDocument::EphemerisLabel() const {
  if (invalid_ || image_.isEmpty()) return {};
  return ReadEphemerisLabel(std::string_view(image_.constData(), static_cast<std::size_t>(image_.size())));
}

QString ChartDocument::Subject() const {
  const ChartLabels labels = Labels();
  QString subject = QString::fromStdString(labels.name);
  if (!labels.place.empty()) {
    if (!subject.isEmpty()) subject += QStringLiteral(", ");
    subject += QString::fromStdString(labels.place);
  }
  return subject;
}

QString ChartDocument::ChartName() const { return QString::fromStdString(Labels().name).trimmed(); }

QString ChartDocument::DisplayName() const {
  const QString name = ChartName();
  return name.isEmpty() ? title_ : name;
}

QString ChartDocument::SuggestedFileName() const {
  QString name = ChartName();
  // A folder separator would place the file elsewhere; leading dots would
  // hide it.
  name.replace(QLatin1Char('/'), QLatin1Char(' '));
  name.replace(QLatin1Char('\\'), QLatin1Char(' '));
  name = name.simplified();
  while (name.startsWith(QLatin1Char('.'))) name.remove(0, 1);
  name = name.trimmed();
  if (name.isEmpty()) {
    name = title_;
    name.remove(QLatin1Char('/'));
  }
  return name + ToQString(docTemplate().extension);
}

void ChartDocument::SetTitle(const QString& title) {
  if (title == title_) return;
  title_ = title;
  emit titleChanged(title_);
}

void ChartDocument::SetPathName(const QString& path) {
  pathName_ = QFileInfo(path).absoluteFilePath();
  SetTitle(QFileInfo(path).fileName());
}

const QString& ChartDocument::RefreshTitleCopy() {
  titleCopy_ = title_;
  return titleCopy_;
}

void ChartDocument::SetModifiedFlag(bool modified) {
  if (modified == modified_) return;
  modified_ = modified;
  emit modifiedChanged(modified_);
}

bool ChartDocument::DoSave(QWidget* parent, bool saveAs) {
  QString path = pathName_;
  if (saveAs || path.isEmpty()) {
    QFileDialog dialog(parent, tr("Save As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(SaveFileFilters(type_));
    dialog.setDefaultSuffix(ToQString(docTemplate().extension).mid(1));
    if (!pathName_.isEmpty()) {
      dialog.selectFile(pathName_);
    } else {
      dialog.setDirectory(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
      dialog.selectFile(SuggestedFileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    path = dialog.selectedFiles().constFirst();
  }
  // A document whose file failed validation is not written back over that
  // file: nothing is saved, so nothing may be announced as saved.
  const bool leftUnchanged = textMode == 0 && invalid_ && SameFile(path, pathName_);
  QString error;
  if (!OnSaveDocument(path, &error)) {
    QMessageBox::warning(
        parent, kAppTitle,
        tr("The chart could not be saved.\n\n%1\n\nThe chart is still open and unchanged.").arg(error));
    return false;
  }
  if (!SameFile(path, pathName_)) {
    // Saving under a new name makes the document that file's.
    SetPathName(path);
  }
  if (textMode == 0) SetModifiedFlag(false);
  if (!leftUnchanged) emit saved(pathName_);
  return true;
}

bool ChartDocument::SaveModified(QWidget* parent) {
  if (!modified_) return true;
  const QMessageBox::StandardButton answer =
      QMessageBox::question(parent, kAppTitle, tr("Save changes to %1?").arg(title_),
                            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
  if (answer == QMessageBox::Cancel) return false;
  if (answer == QMessageBox::No) return true;
  return DoSave(parent, false);
}

void ChartDocument::UpdateAllViews(QObject* sender) { emit viewsNeedUpdate(sender); }

}  // namespace orvane
