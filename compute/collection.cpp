#include "compute/collection.h"

#include <memory>

#include "compute/pipeline.h"
#include "compute/calculation_pass.h"

namespace orvane {
namespace {

constexpr std::string_view kHeader =
    "--------------------------------------------------------------------\n"
    "These calculations were made with \"Orvane Lite\", the Vedic astrology\n"
    "program from Meruvan. Orvane Lite is free: it is obtained from\n"
    "Meruvan's web site, where its updates are published too.\n"
    "--------------------------------------------------------------------\n"
    "\n";
static_assert(kHeader.substr(0, 69) ==
              "--------------------------------------------------------------------\n");

// The step's section with its switches on `state` (already computed), into
// `out`: the section's own writer where it has one, else a pass.
void RunStep(ChartState& state, const Settings& settings, const CollectionStep& step, ReportBuffer& out) {
  state.options.recompute = 0;
  state.options.nowMode = 0;
  state.options.textChartRasiNavamsa = step.textCharts == TextChartVariant::kRasiNavamsa ? 1 : 0;
  state.options.textChartOthers = step.textCharts == TextChartVariant::kOtherCharts ? 1 : 0;
  if (step.rasiSelected) state.options.ashtakavargaChart = 0;
  if (!WriteSectionAlone(state, settings, step.section, out)) {
    out.Clear();
    ComputeChartFromBirth(state, settings, state.birth, step.section, &out);
  }
  // Both switches are off again after their pass.
  state.options.textChartRasiNavamsa = 0;
  state.options.textChartOthers = 0;
}

}  // namespace

std::string_view CollectionHeader() { return kHeader; }

std::string CollectionSubject(const ChartLabels& labels) {
  std::string out;
  const std::string name = CleanChartLabel(labels.name), place = CleanChartLabel(labels.place);
  if (!name.empty()) out += "Name:  " + name + "\n";
  if (!place.empty()) out += "Place: " + place + "\n";
  if (!out.empty()) out += "\n";
  return out;
}

std::string SectionText(ChartState& state, const Settings& settings, const CollectionStep& step, bool* truncated) {
  auto out = std::make_unique<ReportBuffer>();
  RunStep(state, settings, step, *out);
  if (truncated && out->Truncated()) *truncated = true;
  return std::string(out->Text());
}

std::vector<CollectionStep> CollectionSteps(CollectionSet set, bool tajaka) {
  using V = TextChartVariant;
  std::vector<CollectionStep> steps = {{4}, {21}, {41, V::kRasiNavamsa}};
  const bool natalDasas = set == CollectionSet::kMail || !tajaka;
  if (!natalDasas) {
    steps.push_back({6});
    steps.push_back({7});
  } else {
    const bool natalChart = tajaka;  // only the mail of a Tajaka chart
    steps.push_back({0, V::kNone, false, natalChart});
    if (set != CollectionSet::kBasic) {
      steps.push_back({37, V::kNone, false, natalChart});
      steps.push_back({1, V::kNone, false, natalChart});
    }
  }
  if (set != CollectionSet::kBasic) {
    steps.push_back({3, V::kNone, true});
    steps.push_back({41, V::kOtherCharts});
  }
  return steps;
}

CollectionText BuildCollectionText(const ChartState& chart, const Settings& settings, CollectionSet set,
                                   const ChartLabels& labels) {
  CollectionText result;
  const bool tajaka = chart.options.tajakaMode != 0;
  const std::vector<CollectionStep> steps = CollectionSteps(set, tajaka);

  // ChartState is large: the working copies live on the heap.
  auto shown = std::make_unique<ChartState>(chart);
  std::unique_ptr<ChartState> natal;
  auto out = std::make_unique<ReportBuffer>();
  result.text.reserve(set == CollectionSet::kBasic ? 16 * 1024 : 160 * 1024);
  result.text.append(kHeader);
  result.text.append(CollectionSubject(labels));
  for (const CollectionStep& step : steps) {
    ChartState* state = shown.get();
    if (step.natalChart && tajaka) {
      if (!natal) {
        natal = std::make_unique<ChartState>(chart);
        natal->options.tajakaMode = 0;
        natal->options.tajakaMonthly = 0;
        natal->options.tajakaHoraWanted = 0;
        natal->options.recompute = 1;
        natal->options.nowMode = 0;
        ComputeChartFromBirth(*natal, settings, chart.birth);
      }
      state = natal.get();
    }
    RunStep(*state, settings, step, *out);
    result.text.append(out->Text());
    if (out->Truncated()) result.truncated = true;
  }
  return result;
}

}  // namespace orvane
