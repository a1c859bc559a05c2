#include "app/match_window.h"

#include "app/window_place.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <string>
#include <utility>

#include "app/chart_square.h"
#include "compute/pipeline.h"
#include "io/chart_file.h"
#include "match/porutham.h"
#include "report/report_buffer.h"

namespace orvane {

bool ReadChartForMatch(const QString& path, BirthData& birth, QString* error, QString* name) {
  const std::string local = path.toLocal8Bit().toStdString();
  std::string bytes, readError;
  if (!QFileInfo::exists(path)) {
    if (error) *error = QCoreApplication::translate("Orvane", "File '%1' not found.").arg(path);
    return false;
  }
  if (!ReadChartImage(local, bytes, &readError)) {
    if (error) *error = QString::fromLocal8Bit(readError.c_str());
    return false;
  }
  const ChartValidation valid = ValidateChartImage(bytes);
  if (!valid.ok) {
    if (error)
      *error = QCoreApplication::translate("Orvane", "%1 is not a valid chart data file: %2")
                   .arg(QFileInfo(path).fileName(), QString::fromStdString(valid.message));
    return false;
  }
  birth = valid.birth;
  if (name) {
    *name = QString::fromStdString(ReadChartLabels(bytes).name).trimmed();
    if (name->isEmpty()) *name = QFileInfo(path).fileName();
  }
  return true;
}

MatchWindow::MatchWindow(const Settings& settings, const BirthData& groom, const QString& groomName,
                         const BirthData& bride, const QString& brideName, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      groom_(ComputeChart(groom, ChartOptions{}, settings)),
      bride_(ComputeChart(bride, ChartOptions{}, settings)),
      groomName_(groomName),
      brideName_(brideName) {
  ok_ = groom_.has_value() && bride_.has_value();

  groomChart_ = new ChartSquare(this);
  brideChart_ = new ChartSquare(this);
  groomLabel_ = new QLabel(this);
  brideLabel_ = new QLabel(this);
  for (QLabel* label : {groomLabel_, brideLabel_}) {
    label->setAlignment(Qt::AlignHCenter);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
  }
  text_ = new QPlainTextEdit(this);
  text_->setReadOnly(true);
  QFont mono(QStringLiteral("Courier New"));
  mono.setStyleHint(QFont::TypeWriter);
  mono.setPixelSize(13);
  text_->setFont(mono);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);

  auto* swap = new QPushButton(QCoreApplication::translate("Orvane", "&Swap groom and bride"), this);
  swap->setObjectName(QStringLiteral("swap"));
  swap->setAutoDefault(false);
  connect(swap, &QPushButton::clicked, this, &MatchWindow::Swap);
  auto* close = new QPushButton(QCoreApplication::translate("Orvane", "Close"), this);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  auto* groomColumn = new QVBoxLayout;
  groomColumn->addWidget(groomLabel_);
  groomColumn->addWidget(groomChart_, 1);
  auto* brideColumn = new QVBoxLayout;
  brideColumn->addWidget(brideLabel_);
  brideColumn->addWidget(brideChart_, 1);
  auto* charts = new QHBoxLayout;
  charts->addLayout(groomColumn);
  charts->addLayout(brideColumn);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(swap);
  buttons->addStretch(1);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(charts, 2);
  layout->addWidget(text_, 3);
  layout->addLayout(buttons);
  PlaceWindow(this, QSize(820, 900), QStringLiteral("Match"));
  Recompute();
}

MatchWindow::~MatchWindow() = default;

QString MatchWindow::reportText() const { return text_->toPlainText(); }

void MatchWindow::Swap() {
  std::swap(groom_, bride_);
  std::swap(groomName_, brideName_);
  Recompute();
}

void MatchWindow::Recompute() {
  setWindowTitle(tr("Match - %1 with %2").arg(groomName_, brideName_));
  groomLabel_->setText(tr("Groom: %1").arg(groomName_));
  brideLabel_->setText(tr("Bride: %1").arg(brideName_));
  if (!ok_) {
    text_->setPlainText(tr("A chart of the match cannot be cast."));
    return;
  }
  const ChartDrawOptions options = ChartDrawOptionsFromSettings(settings_);
  groomChart_->SetChart(ChartDrawInputFromState(groom_->State(), 0), options);
  brideChart_->SetChart(ChartDrawInputFromState(bride_->State(), 0), options);
  match_ = match::MatchCharts(*groom_, *bride_);
  auto buffer = std::make_unique<ReportBuffer>();
  const std::string groom = groomName_.toStdString(), bride = brideName_.toStdString();
  match::WriteMatchReport(*buffer, match_, groom, bride);
  // The South Indian reading beside the North Indian one.
  match::WritePoruthamReport(*buffer, match::MatchPoruthams(match_.moons.groom, match_.moons.bride));
  const std::string_view text = buffer->Text();
  text_->setPlainText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace orvane
