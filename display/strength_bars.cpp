#include "display/strength_bars.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "display/terms.h"
#include "vedic/shadbala.h"

namespace orvane {
namespace {

// The seven planets and the twelve signs in the language shown.
QStringList Planets() {
  QStringList names;
  for (int code = 1; code <= 7; ++code) names << GrahaTerm(code);
  return names;
}
// English keeps the two-letter abbreviations; a language with the signs'
// names shows them.
QStringList Signs() {
  static constexpr const char* kEnglish[] = {"Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
                                             "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
  static constexpr const char* kAbbreviations[] = {"Ar", "Ta", "Ge", "Cn", "Le", "Vi",
                                                   "Li", "Sc", "Sg", "Cp", "Aq", "Pi"};
  QStringList names;
  for (int sign = 0; sign < 12; ++sign) {
    const QString name = SignTerm(sign);
    names << (name == QLatin1String(kEnglish[sign]) ? QString::fromLatin1(kAbbreviations[sign]) : name);
  }
  return names;
}

QString Text(const char* text) { return QCoreApplication::translate("Orvane", text); }

// A round step for the value axis: 1, 2 or 5 times a power of ten giving
// about five lines.
double AxisStep(double top) {
  const double raw = top / 5;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  for (const double k : {1.0, 2.0, 5.0, 10.0}) {
    if (k * power >= raw) return k * power;
  }
  return 10 * power;
}

}  // namespace

BarSeries ShadbalaBars(const StrengthState& strength) {
  BarSeries s;
  s.title = Text(QT_TRANSLATE_NOOP("Orvane", "Shadbala"));
  s.labels = Planets();
  for (std::size_t p = 0; p < 7; ++p) {
    s.values.push_back(strength.shadbala[p][kShadbalaRupas]);
    s.marks.push_back(kRequiredShadbalaRupas[p]);
  }
  s.markName = Text(QT_TRANSLATE_NOOP("Orvane", "required"));
  s.unit = Text(QT_TRANSLATE_NOOP("Orvane", "rupas"));
  return s;
}

BarSeries BhavaBalaBars(const StrengthState& strength) {
  BarSeries s;
  s.title = Text(QT_TRANSLATE_NOOP("Orvane", "Bhava bala"));
  for (int h = 1; h <= 12; ++h) s.labels << QString::number(h);
  for (std::size_t h = 0; h < 12; ++h) s.values.push_back(strength.bhava[h][kBhavaRupas]);
  s.unit = Text(QT_TRANSLATE_NOOP("Orvane", "rupas"));
  return s;
}

BarSeries SarvashtakavargaBars(const AshtakavargaState& ashtakavarga) {
  BarSeries s;
  s.title = Text(QT_TRANSLATE_NOOP("Orvane", "Sarvashtakavarga"));
  s.labels = Signs();
  for (std::size_t sign = 0; sign < 12; ++sign) s.values.push_back(ashtakavarga.bindu[kSarvaRow][sign]);
  s.reference = 28;
  s.referenceName = Text(QT_TRANSLATE_NOOP("Orvane", "28, the average"));
  s.unit = Text(QT_TRANSLATE_NOOP("Orvane", "bindus"));
  s.decimals = 0;
  return s;
}

void DrawBarChart(QPainter& painter, const QRectF& rect, const BarSeries& series, bool blackAndWhite) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  const double unit = std::max(1.0, rect.height() / 16.0);
  // Sizes in screen pixels, scaled to the device (a printer has many more
  // dots to the inch).
  const double k = painter.device() ? std::max(1.0, painter.device()->logicalDpiY() / 96.0) : 1.0;
  QFont font = painter.font();
  font.setPixelSize(static_cast<int>(std::clamp(unit * 0.95, 9.0 * k, 18.0 * k)));
  QFont titleFont = font;
  titleFont.setBold(true);
  const QFontMetricsF metrics(font);
  const QColor ink = Qt::black;
  const QColor bar = blackAndWhite ? QColor(0xb0, 0xb0, 0xb0) : QColor(0x4a, 0x7e, 0xbb);
  const QColor weak = blackAndWhite ? QColor(0xe0, 0xe0, 0xe0) : QColor(0xd9, 0x8c, 0x3f);
  const QColor mark = blackAndWhite ? Qt::black : QColor(0xb0, 0x20, 0x20);

  // Title line, then the plot with the value axis on the left and the
  // labels under it.
  painter.setFont(titleFont);
  painter.setPen(ink);
  const double line = metrics.height() * 1.2;
  QString title = series.title + QStringLiteral(" (") + series.unit;
  if (!series.marks.empty()) title += QStringLiteral("; the tick: ") + series.markName;
  if (series.reference >= 0) title += QStringLiteral("; the line: ") + series.referenceName;
  title += QLatin1Char(')');
  painter.drawText(QRectF(rect.left(), rect.top(), rect.width(), line), Qt::AlignLeft | Qt::AlignVCenter, title);
  painter.setFont(font);

  double top = 0;
  for (const double v : series.values) top = std::max(top, v);
  for (const double m : series.marks) top = std::max(top, m);
  top = std::max(top, series.reference);
  if (!(top > 0)) top = 1;
  top *= 1.12;  // room above the tallest bar for its number
  const double step = AxisStep(top);
  top = std::ceil(top / step) * step;
  const double axisWidth = metrics.horizontalAdvance(QString::number(top, 'f', step < 1 ? 1 : 0)) + 6 * k;
  const QRectF plot(rect.left() + axisWidth, rect.top() + line + 4, rect.width() - axisWidth - 4,
                    rect.height() - 2 * line - 8);
  if (plot.width() <= 0 || plot.height() <= 0) {
    painter.restore();
    return;
  }
  auto y = [&](double v) { return plot.bottom() - plot.height() * std::clamp(v / top, 0.0, 1.0); };
  painter.setPen(QPen(QColor(0xcc, 0xcc, 0xcc), k));
  for (double v = 0; v <= top + 1e-9; v += step) {
    painter.drawLine(QPointF(plot.left(), y(v)), QPointF(plot.right(), y(v)));
    painter.setPen(ink);
    painter.drawText(QRectF(rect.left(), y(v) - line / 2, axisWidth - 4, line), Qt::AlignRight | Qt::AlignVCenter,
                     QString::number(v, 'f', step < 1 ? 1 : 0));
    painter.setPen(QPen(QColor(0xcc, 0xcc, 0xcc), k));
  }
  const int n = static_cast<int>(series.values.size());
  const double slot = plot.width() / std::max(1, n);
  // The labels and numbers narrower than their slot: a smaller font when
  // the widest would run into its neighbour.
  double widest = 0;
  for (const QString& label : series.labels) widest = std::max(widest, metrics.horizontalAdvance(label));
  for (const double v : series.values) widest = std::max(widest, metrics.horizontalAdvance(QString::number(v, 'f', series.decimals)));
  if (widest > slot * 0.92) {
    QFont smaller = font;
    smaller.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * slot * 0.92 / widest)));
    painter.setFont(smaller);
  }
  for (int i = 0; i < n; ++i) {
    const double v = series.values[static_cast<std::size_t>(i)];
    const double left = plot.left() + i * slot + slot * 0.18;
    const double width = slot * 0.64;
    const bool below = (!series.marks.empty() && v < series.marks[static_cast<std::size_t>(i)]) ||
                       (series.reference >= 0 && v < series.reference);
    const QRectF barRect(left, y(v), width, plot.bottom() - y(v));
    painter.fillRect(barRect, below ? weak : bar);
    if (blackAndWhite && below) {
      painter.fillRect(barRect, QBrush(Qt::black, Qt::BDiagPattern));
    }
    painter.setPen(ink);
    painter.drawText(QRectF(left - slot * 0.18, y(v) - line, slot, line), Qt::AlignHCenter | Qt::AlignBottom,
                     QString::number(v, 'f', series.decimals));
    painter.drawText(QRectF(plot.left() + i * slot, plot.bottom() + 2, slot, line), Qt::AlignHCenter | Qt::AlignTop,
                     series.labels.value(i));
    if (!series.marks.empty()) {
      painter.setPen(QPen(mark, 2.5 * k));
      const double m = y(series.marks[static_cast<std::size_t>(i)]);
      painter.drawLine(QPointF(left - 3 * k, m), QPointF(left + width + 3 * k, m));
    }
  }
  if (series.reference >= 0) {
    painter.setPen(QPen(mark, 1.5 * k, Qt::DashLine));
    painter.drawLine(QPointF(plot.left(), y(series.reference)), QPointF(plot.right(), y(series.reference)));
  }
  painter.setPen(QPen(ink, k));
  painter.drawLine(plot.bottomLeft(), plot.bottomRight());
  painter.restore();
}

void DrawStrengthCharts(QPainter& painter, const QRectF& rect, const std::vector<BarSeries>& charts,
                        bool blackAndWhite) {
  if (charts.empty()) return;
  const double height = rect.height() / static_cast<double>(charts.size());
  for (std::size_t i = 0; i < charts.size(); ++i) {
    const QRectF part(rect.left(), rect.top() + height * static_cast<double>(i), rect.width(), height);
    DrawBarChart(painter, part.adjusted(0, 4, 0, -8), charts[i], blackAndWhite);
  }
}

}  // namespace orvane
