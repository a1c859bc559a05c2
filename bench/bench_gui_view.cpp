// Speed of drawing the default screen (two charts above two text blocks) as a
// chart window does it: the chart cast again from its working file, the
// calculation passes of the screen, both charts and both text blocks painted
// into an image of the window's size. Runs on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <clocale>
#include <memory>
#include <string>

#include "display/view_screens.h"
#include "compute/pipeline.h"
#include "io/chart_file.h"

namespace orvane {
namespace {

// A screen view computing from one working file, as a chart window does.
class BenchView : public ScreenView {
 public:
  BenchView(std::string path, int style)
      : path_(std::move(path)), state_(std::make_unique<ChartState>()), report_(std::make_unique<ReportBuffer>()) {
    settings_.chartStyle = style;
  }
  bool RunChartPass(int section) override {
    state_->options.recompute = recompute_ ? 1 : 0;
    state_->dasa.yearLength = settings_.daysInYear;
    recompute_ = false;
    return ComputeChart(*state_, settings_, path_, section, report_.get()) == ComputeStatus::kOk;
  }
  const ChartState& chart() const override { return *state_; }
  const ReportBuffer& report() const override { return *report_; }
  const Settings& settings() const override { return settings_; }
  QString lastFailure() const override { return {}; }
  void Recast() { recompute_ = true; }

 private:
  std::string path_;
  Settings settings_;
  std::unique_ptr<ChartState> state_;
  std::unique_ptr<ReportBuffer> report_;
  bool recompute_ = true;
};

void BM_PaintTwoChartScreen(benchmark::State& bench) {
  QTemporaryDir dir;
  const std::string path = QDir(dir.path()).filePath(QStringLiteral("dvktmp.dvk")).toStdString();
  std::string error;
  if (!WriteFileAtomic(path, kStartupDefaultChart, &error)) {
    bench.SkipWithError(error.c_str());
    return;
  }
  BenchView view(path, static_cast<int>(bench.range(0)));
  QImage image(1300, 1000, QImage::Format_RGB32);
  for (auto _ : bench) {
    view.Recast();  // every drawing casts the chart again
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.fillRect(QRect(0, 0, kViewBackgroundExtent, kViewBackgroundExtent), ColourFromBgr(kBackgroundColour));
    const ScreenPaintResult result = view.PaintScreen(painter, ScreenPaintOptions{});
    painter.end();
    if (!result.ok) bench.SkipWithError("the chart pass failed");
    benchmark::DoNotOptimize(image.constBits());
  }
}
// Styles: 0 south, 2 north, 3 east.
BENCHMARK(BM_PaintTwoChartScreen)->Arg(0)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond)->Repetitions(5);

}  // namespace
}  // namespace orvane

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
