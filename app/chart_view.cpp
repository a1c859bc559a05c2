#include "app/chart_view.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "app/dhruvak_app.h"
#include "app/dhruvak_doc.h"
#include "dialogs/birth_data_dlg.h"
#include "engine/pipeline.h"
#include "engine/slot_labels.h"
#include "io/birth_input.h"
#include "io/chart_file.h"

namespace orvane {
namespace {

// Report sections of the two text blocks of the two-chart screen.
constexpr int kBasicInformationSection = 5;
constexpr int kPlanetTableSection = 4;

// Colours as 0xBBGGRR values.
QColor FromBgr(unsigned bgr) { return QColor(bgr & 0xff, (bgr >> 8) & 0xff, (bgr >> 16) & 0xff); }
constexpr unsigned kBackground = 0xf0ffff;
constexpr unsigned kLeftColour = 0x323264;
constexpr unsigned kRightColour = 0x326432;
constexpr unsigned kTitleColour = 0x461464;

constexpr std::array<std::string_view, 12> kSignName = {
    "Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces",
};
constexpr std::array<std::string_view, 12> kMonthName = {
    "January", "February", "March", "April", "May", "June",
    "July", "August", "September", "October", "November", "December",
};

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString TwoDigits(int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); }

// "Virgo      14°52'27\"" for a sidereal longitude.
QString PositionText(double longitude, int retrograde) {
  if (!std::isfinite(longitude)) return QStringLiteral("-");
  long long arcSeconds = std::llround(longitude * 3600.0) % (360LL * 3600);  // [0, 1295999]
  if (arcSeconds < 0) arcSeconds += 360LL * 3600;
  const int sign = static_cast<int>(arcSeconds / (30 * 3600));
  const int inSign = static_cast<int>(arcSeconds % (30 * 3600));
  return QStringLiteral("%1 %2%3%4'%5\"%6")
      .arg(Text(kSignName[static_cast<std::size_t>(sign)]), -11)
      .arg(inSign / 3600, 2)
      .arg(QChar(0x00b0))
      .arg(TwoDigits(inSign / 60 % 60), TwoDigits(inSign % 60), retrograde ? QStringLiteral(" R") : QString());
}

QString BirthText(const BirthData& birth) {
  const BirthDialogFields f = SplitForDialog(birth);
  const int hour24 = (f.hours % 12) + (f.pm ? 12 : 0);
  const QString month = f.month >= 1 && f.month <= 12 ? Text(kMonthName[static_cast<std::size_t>(f.month - 1)])
                                                      : QString::number(f.month);
  return QStringLiteral("%1 %2 %3, %4:%5:%6, zone %7:%8 %9 of GMT, %10%11%12' %13, %14%15%16' %17")
      .arg(f.day)
      .arg(month)
      .arg(f.year)
      .arg(TwoDigits(hour24), TwoDigits(static_cast<int>(f.minutes)), TwoDigits(static_cast<int>(f.seconds)))
      .arg(f.zoneHours)
      .arg(TwoDigits(static_cast<int>(f.zoneMinutes)), f.zoneEast ? QStringLiteral("East") : QStringLiteral("West"))
      .arg(f.longitudeDegrees)
      .arg(QChar(0x00b0))
      .arg(TwoDigits(static_cast<int>(f.longitudeMinutes)), f.longitudeEast ? QStringLiteral("E") : QStringLiteral("W"))
      .arg(f.latitudeDegrees)
      .arg(QChar(0x00b0))
      .arg(TwoDigits(static_cast<int>(f.latitudeMinutes)), f.latitudeSouth ? QStringLiteral("S") : QStringLiteral("N"));
}

QString StatusText(ComputeStatus status, const QString& path) {
  const QString file = QDir::toNativeSeparators(path);
  switch (status) {
    case ComputeStatus::kOk:
      return {};
    case ComputeStatus::kFileNotFound:
      return QStringLiteral("The working file \"%1\" cannot be read.").arg(file);
    case ComputeStatus::kBadFile:
      return QStringLiteral("The working file \"%1\" does not hold a chart.").arg(file);
    case ComputeStatus::kWriteFailed:
      return QStringLiteral("The working file \"%1\" cannot be written.").arg(file);
  }
  return {};
}

}  // namespace

CDhruvakView::CDhruvakView(CDhruvakApp& app, CDhruvakDoc& doc, QWidget* parent)
    : QWidget(parent), app_(app), doc_(doc), state_(std::make_unique<ChartState>()) {
  setObjectName(QStringLiteral("CDhruvakView"));
  setAutoFillBackground(false);
  setMinimumSize(kScrollWidth, kScrollHeight);
  const int serial = app_.NextViewSerial();
  const QString folder = app_.paths().workingFolder;
  dataFile_ = folder + QStringLiteral("/dvktmp.%1.dvk").arg(serial);
  nowFile_ = folder + QStringLiteral("/dvknow.%1.dvk").arg(serial);
  // The first chart view of a run loads the settings, or walks the user
  // through the preferences on a first run.
  app_.EnsureSettings();
  connect(&doc_, &CDhruvakDoc::viewsNeedUpdate, this, &CDhruvakView::OnDocumentUpdate);
}

CDhruvakView::~CDhruvakView() {
  QFile::remove(dataFile_);
  QFile::remove(nowFile_);
}

QSize CDhruvakView::sizeHint() const { return {kScrollWidth, kScrollHeight}; }

void CDhruvakView::OnInitialUpdate() {
  screen_ = kTwoChartScreen;
  chart1_ = 0;
  chart2_ = 8;
  RefreshScreen();
  if (doc_.invalid()) {
    QMessageBox::warning(app_.DialogParent(), QStringLiteral("Invalid file"),
                         QStringLiteral("Oh no, the file you attempted to open is not a valid \"Orvane\" data "
                                        "file.\n\nA chart will be cast for the current time instead."));
  }
}

bool CDhruvakView::RefreshScreen() {
  // A document without a valid image (new, or its file failed validation)
  // is a prasna chart: the current moment at the default place, written by
  // the pass into this view's own "now" file. A new document keeps the
  // moment of its first pass (the read-back fills its image); a document
  // whose file failed validation is cast afresh every time and keeps its
  // own bytes.
  const bool prasna = doc_.invalid() || doc_.image().isEmpty();
  QString error;
  if (!MakePrivateFolder(app_.paths().workingFolder, &error)) {
    ReportFailure(error);
    return false;
  }
  const QString path = prasna ? nowFile_ : dataFile_;
  if (!prasna) {
    std::string reason;
    const QByteArray& image = doc_.image();
    if (!WriteFileAtomic(QFile::encodeName(path).toStdString(),
                         std::string_view(image.constData(), static_cast<std::size_t>(image.size())), &reason)) {
      ReportFailure(QString::fromStdString(reason));
      return false;
    }
  }
  const PassResult pass = ComputeScreen(path, prasna);
  if (!pass.ok) {
    ReportFailure(pass.error);
    return false;
  }
  prasna_ = prasna;
  doc_.ReadBackImage(pass.readBack);
  update();
  return true;
}

CDhruvakView::PassResult CDhruvakView::ComputeScreen(const QString& path, bool nowMode) {
  PassResult result;
  const Settings& settings = app_.settings();
  auto trial = std::make_unique<ChartState>(*state_);
  const std::string file = QFile::encodeName(path).toStdString();

  trial->options.recompute = 1;
  trial->options.nowMode = nowMode ? 1 : 0;
  trial->dasaYearLength = settings.daysInYear;
  trial->reportSection = kBasicInformationSection;
  trial->report.Clear();
  ComputeStatus status = ComputeChart(*trial, settings, file);
  if (status != ComputeStatus::kOk) {
    result.error = StatusText(status, path);
    return result;
  }
  const QString basic = QString::fromUtf8(trial->report.Text().data(), static_cast<qsizetype>(trial->report.Text().size()));

  trial->options.recompute = 0;
  trial->options.nowMode = 0;
  trial->reportSection = kPlanetTableSection;
  trial->report.Clear();
  status = ComputeChart(*trial, settings, file);
  if (status != ComputeStatus::kOk) {
    result.error = StatusText(status, path);
    return result;
  }
  const QString planets =
      QString::fromUtf8(trial->report.Text().data(), static_cast<qsizetype>(trial->report.Text().size()));

  // The working file after the pass goes back into the document's image.
  std::string bytes, reason;
  if (!ReadChartImage(file, bytes, &reason)) {
    result.error = QString::fromStdString(reason);
    return result;
  }
  result.readBack = QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
  result.ok = true;

  *state_ = *trial;
  hasChart_ = true;
  workingFile_ = path;
  problem_.clear();
  heading_ = QStringLiteral("%1%2").arg(doc_.title(), nowMode ? QStringLiteral("  (prasna: the chart of the current "
                                                                                "moment)")
                                                              : QString());
  subheading_.clear();
  if (basic.trimmed().isEmpty() && planets.trimmed().isEmpty()) {
    BuildPositionsText();
  } else {
    leftText_ = basic;
    rightText_ = planets;
  }
  return result;
}

void CDhruvakView::BuildPositionsText() {
  const ChartState& s = *state_;
  subheading_ = BirthText(s.birthCopy);
  auto line = [&](int slot) {
    const auto i = static_cast<std::size_t>(slot);
    // Slots 10 and up that are still exactly 0 have not been computed by
    // the calculation pass: a dash, not a false "0 Aries".
    const bool computed = slot <= kKetu || s.slotLongitude[i] != 0.0;
    return QStringLiteral("%1 %2\n")
        .arg(Text(kSlotLabel[i]), -8)
        .arg(computed ? PositionText(s.slotLongitude[i], s.slotRetrograde[i]) : QStringLiteral("-"));
  };
  QString left = QStringLiteral("Sidereal positions\n\n");
  QString right = QStringLiteral("\n\n");
  for (int slot = 0; slot < kSlotCount / 2; ++slot) left += line(slot);
  for (int slot = kSlotCount / 2; slot < kSlotCount; ++slot) right += line(slot);
  leftText_ = left;
  rightText_ = right;
}

void CDhruvakView::ReportFailure(const QString& error) {
  const QString folder = QDir::toNativeSeparators(app_.paths().workingFolder);
  const QString text =
      QStringLiteral("The chart \"%1\" could not be computed.\n\n%2\n\nOrvane Lite keeps its working files in "
                     "\"%3\". Please check that this folder exists and can be written. The chart window stays "
                     "open and nothing was lost.")
          .arg(doc_.title(), error, folder);
  if (!hasChart_) {
    problem_ = text;
    update();
  }
  QMessageBox::warning(app_.DialogParent(), QStringLiteral("Orvane Lite"), text);
}

void CDhruvakView::OnDocumentUpdate(QObject* sender) {
  if (sender != this) RefreshScreen();
}

void CDhruvakView::OnEditBirthData() {
  const BirthData current = hasChart_ ? state_->birthCopy : NowBirthData(app_.settings());
  CBirthDataDlg dialog(SplitForDialog(current), app_.DialogParent());
  if (dialog.exec() != QDialog::Accepted) return;

  const std::string bytes = FormatChartDataFile(ComposeFromDialog(dialog.fields()));
  QString error;
  if (!MakePrivateFolder(app_.paths().workingFolder, &error)) {
    ReportFailure(error);
    return;
  }
  std::string reason;
  if (!WriteFileAtomic(QFile::encodeName(dataFile_).toStdString(), bytes, &reason)) {
    ReportFailure(QString::fromStdString(reason));
    return;
  }
  const PassResult pass = ComputeScreen(dataFile_, false);
  if (!pass.ok) {
    ReportFailure(pass.error);
    return;
  }
  prasna_ = false;
  screen_ = kTwoChartScreen;
  doc_.SetEditedImage(pass.readBack);
  heading_ = doc_.title();
  doc_.UpdateAllViews(this);
  update();
}

QString CDhruvakView::ShownText() const {
  if (!problem_.isEmpty()) return problem_;
  return heading_ + QLatin1Char('\n') + subheading_ + QLatin1Char('\n') + leftText_ + QLatin1Char('\n') +
         rightText_;
}

void CDhruvakView::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.fillRect(event->rect(), FromBgr(kBackground));
  p.setRenderHint(QPainter::TextAntialiasing);

  const int margin = 24;
  if (!problem_.isEmpty()) {
    QFont font(QStringLiteral("Helvetica"));
    font.setPixelSize(15);
    p.setFont(font);
    p.setPen(FromBgr(kTitleColour));
    p.drawText(QRect(margin, margin, 760, 400), Qt::TextWordWrap, problem_);
    return;
  }
  if (!hasChart_) return;

  QFont title(QStringLiteral("Times New Roman"));
  title.setPixelSize(26);
  title.setBold(true);
  p.setFont(title);
  p.setPen(FromBgr(kTitleColour));
  p.drawText(QRect(margin, 14, width() - 2 * margin, 36), Qt::AlignLeft | Qt::AlignVCenter, heading_);
  p.setPen(QPen(FromBgr(kTitleColour), 1));
  p.drawLine(margin, 54, margin + 1150, 54);

  int top = 72;
  if (!subheading_.isEmpty()) {
    QFont sub(QStringLiteral("Times New Roman"));
    sub.setPixelSize(18);
    p.setFont(sub);
    p.setPen(FromBgr(kLeftColour));
    p.drawText(QRect(margin, 62, width() - 2 * margin, 26), Qt::AlignLeft | Qt::AlignVCenter, subheading_);
    top = 104;
  }

  QFont text(QStringLiteral("Courier New"));
  text.setStyleHint(QFont::Monospace);
  text.setPixelSize(16);
  text.setWeight(QFont::Medium);
  p.setFont(text);
  if (subheading_.isEmpty()) {
    // The report: the basic information (section 4) above the table of
    // points (section 5), each in its own colour.
    const QFontMetrics metrics(text);
    const int lines = static_cast<int>(rightText_.count(QLatin1Char('\n'))) + 1;
    p.setPen(FromBgr(kRightColour));
    p.drawText(QRect(margin, top, kScrollWidth - margin, kScrollHeight - top), Qt::AlignLeft | Qt::AlignTop,
               rightText_);
    const int below = top + lines * metrics.lineSpacing() + 8;
    p.setPen(FromBgr(kLeftColour));
    p.drawText(QRect(margin, below, kScrollWidth - margin, kScrollHeight - below), Qt::AlignLeft | Qt::AlignTop,
               leftText_);
    return;
  }
  // The positions list: two narrow columns.
  p.setPen(FromBgr(kLeftColour));
  p.drawText(QRect(margin, top, 400, kScrollHeight - top), Qt::AlignLeft | Qt::AlignTop, leftText_);
  p.setPen(FromBgr(kRightColour));
  p.drawText(QRect(margin + 420, top, 400, kScrollHeight - top), Qt::AlignLeft | Qt::AlignTop, rightText_);
}

}  // namespace orvane
