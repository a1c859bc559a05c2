#include "app/strength_window.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSvgGenerator>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/chart_document.h"
#include "app/chart_view.h"
#include "app/window_place.h"
#include "vedic/strength.h"

namespace orvane {
namespace {

constexpr QSize kPictureSize(900, 1200);

// One bar chart drawn in the widget's whole area.
class BarWidget : public QWidget {
 public:
  BarWidget(const BarSeries* series, QWidget* parent) : QWidget(parent), series_(series) {
    setMinimumSize(320, 220);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    DrawBarChart(painter, QRectF(rect()).adjusted(8, 6, -8, -6), *series_);
  }

 private:
  const BarSeries* series_;
};

// A number item that sorts by its value.
class NumberItem : public QTableWidgetItem {
 public:
  NumberItem(double value, int decimals) : QTableWidgetItem(QString::number(value, 'f', decimals)), value_(value) {
    setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
  bool operator<(const QTableWidgetItem& other) const override {
    if (const auto* n = dynamic_cast<const NumberItem*>(&other)) return value_ < n->value_;
    return QTableWidgetItem::operator<(other);
  }

 private:
  double value_;
};

}  // namespace

StrengthWindow::StrengthWindow(ChartView& view) : QDialog(&view), view_(&view), tabs_(new QTabWidget(this)) {
  setObjectName(QStringLiteral("strengthWindow"));
  setAttribute(Qt::WA_DeleteOnClose);
  charts_.resize(3);
  const QStringList names = {tr("&Shadbala"), tr("&Bhava bala"), tr("Sarv&ashtakavarga")};
  for (int i = 0; i < 3; ++i) {
    auto* page = new QWidget(tabs_);
    auto* table = new QTableWidget(page);
    table->setObjectName(QStringLiteral("strengthTable%1").arg(i));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->verticalHeader()->setVisible(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setSortingEnabled(true);
    auto* bars = new BarWidget(&charts_[static_cast<std::size_t>(i)], page);
    bars->setObjectName(QStringLiteral("strengthBars%1").arg(i));
    bars->setAccessibleName(tr("Bar chart"));
    auto* row = new QHBoxLayout(page);
    row->addWidget(table, 2);
    row->addWidget(bars, 3);
    tabs_->addTab(page, names[i]);
    tables_.push_back(table);
    bars_.push_back(bars);
  }
  tabs_->setObjectName(QStringLiteral("strengthTabs"));
  auto* note = new QLabel(tr("Click a column's heading to sort by it; select rows and press Ctrl+C to copy them. The "
                             "bars below what a planet needs (or below 28 bindus) are drawn in orange."),
                          this);
  note->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  auto* save = buttons->addButton(tr("Save &picture..."), QDialogButtonBox::ActionRole);
  auto* print = buttons->addButton(tr("&Print..."), QDialogButtonBox::ActionRole);
  connect(save, &QPushButton::clicked, this, &StrengthWindow::OnSavePicture);
  connect(print, &QPushButton::clicked, this, &StrengthWindow::OnPrint);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(note);
  layout->addWidget(tabs_, 1);
  layout->addWidget(buttons);
  PlaceWindow(this, QSize(980, 560), QStringLiteral("Strengths"));
  Refresh();
}

void StrengthWindow::Refresh() {
  if (!view_ || !view_->hasChart()) return;
  const ChartState& state = view_->chart();
  StrengthState strength{};
  ComputeShadbala(state, view_->settings(), strength);
  const AshtakavargaState ashtakavarga = AshtakavargaOf(state, view_->settings());
  charts_[0] = ShadbalaBars(strength);
  charts_[1] = BhavaBalaBars(strength);
  charts_[2] = SarvashtakavargaBars(ashtakavarga);
  setWindowTitle(tr("Strengths - %1").arg(view_->document().DisplayName()));

  // The tables: the value of each bar with what it is measured against.
  const std::vector<QStringList> headers = {
      {tr("Planet"), tr("Rupas"), tr("Required"), tr("Percent")},
      {tr("House"), tr("Rupas")},
      {tr("Sign"), tr("Bindus"), tr("From the average")},
  };
  for (std::size_t t = 0; t < 3; ++t) {
    QTableWidget* table = tables_[t];
    const BarSeries& s = charts_[t];
    table->setSortingEnabled(false);
    table->clear();
    table->setColumnCount(static_cast<int>(headers[t].size()));
    table->setHorizontalHeaderLabels(headers[t]);
    table->setRowCount(static_cast<int>(s.values.size()));
    for (int r = 0; r < static_cast<int>(s.values.size()); ++r) {
      const double v = s.values[static_cast<std::size_t>(r)];
      // The name sorts by its place (Sun..Saturn, houses and signs in order).
      auto* label = new NumberItem(r, 0);
      label->setText(s.labels.value(r));
      label->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
      table->setItem(r, 0, label);
      table->setItem(r, 1, new NumberItem(v, s.decimals));
      if (t == 0) {
        const double need = s.marks[static_cast<std::size_t>(r)];
        table->setItem(r, 2, new NumberItem(need, 1));
        table->setItem(r, 3, new NumberItem(100 * v / need, 0));
      } else if (t == 2) {
        table->setItem(r, 2, new NumberItem(v - 28, 0));
      }
    }
    table->setSortingEnabled(true);
    table->sortItems(0);
  }
  for (QWidget* w : bars_) w->update();
}

bool StrengthWindow::SavePicture(const QString& path, QString* error) const {
  const QRectF area(30, 30, kPictureSize.width() - 60, kPictureSize.height() - 60);
  if (QFileInfo(path).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0) {
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(kPictureSize);
    svg.setViewBox(QRect(QPoint(0, 0), kPictureSize));
    svg.setTitle(windowTitle());
    QPainter painter;
    if (!painter.begin(&svg)) {
      if (error) *error = tr("%1 cannot be written.").arg(path);
      return false;
    }
    painter.fillRect(QRect(QPoint(0, 0), kPictureSize), Qt::white);
    DrawStrengthCharts(painter, area, charts_);
    return painter.end();
  }
  QImage image(kPictureSize, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    DrawStrengthCharts(painter, area, charts_);
  }
  if (!image.save(path, "PNG")) {
    if (error) *error = tr("%1 cannot be written.").arg(path);
    return false;
  }
  return true;
}

void StrengthWindow::PrintTo(QPrinter& printer) const {
  printer.setDocName(windowTitle());
  QPainter painter(&printer);
  if (!painter.isActive()) return;
  const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
  const QRectF area(0, 0, page.width(), page.height());
  DrawStrengthCharts(painter, area, charts_, printer.colorMode() == QPrinter::GrayScale);
}

void StrengthWindow::OnSavePicture() {
  const QString path = QFileDialog::getSaveFileName(this, tr("Save the strength charts"), QStringLiteral("strengths.png"),
                                                    tr("PNG picture (*.png);;SVG picture (*.svg)"));
  if (path.isEmpty()) return;
  QString error;
  if (!SavePicture(path, &error)) QMessageBox::warning(this, windowTitle(), error);
}

void StrengthWindow::OnPrint() {
  QPrinter printer;
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  PrintTo(printer);
}

}  // namespace orvane
