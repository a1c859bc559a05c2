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

// The step's section with its switches on `state` (already computed): the
// section's own writer where it has one, else a pass.
void RunStep(ChartState& state, const Settings& settings, const CollectionStep& step) {
  state.options.recompute = 0;
  state.options.nowMode = 0;
  state.options.textChartRasiNavamsa = step.textCharts == TextChartVariant::kRasiNavamsa ? 1 : 0;
  state.options.textChartOthers = step.textCharts == TextChartVariant::kOtherCharts ? 1 : 0;
  if (step.rasiSelected) state.options.ashtakavargaChart = 0;
  if (!WriteSectionAlone(state, settings, step.section)) {
    state.reportSection = step.section;
    state.report.Clear();
    ComputeChartFromBirth(state, settings, state.birthCopy);
  }
  // Both switches are off again after their pass.
  state.options.textChartRasiNavamsa = 0;
  state.options.textChartOthers = 0;
}

}  // namespace

std::string_view CollectionHeader() { return kHeader; }

namespace {

// UTF-8 to Latin-1; anything beyond Latin-1 (or not UTF-8) becomes '?'.
std::string Latin1(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      out += static_cast<char>(c);
      ++i;
      continue;
    }
    std::size_t length = (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 1;
    if (i + length > text.size()) length = 1;
    unsigned code = length == 2 ? ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3Fu) : 0x100;
    out += code < 0x100 ? static_cast<char>(code) : '?';
    i += length;
  }
  return out;
}

}  // namespace

std::string CollectionSubject(const ChartLabels& labels) {
  std::string out;
  if (!labels.name.empty()) out += "Name:  " + Latin1(labels.name) + "\n";
  if (!labels.place.empty()) out += "Place: " + Latin1(labels.place) + "\n";
  if (!out.empty()) out += "\n";
  return out;
}

std::string SectionText(ChartState& state, const Settings& settings, const CollectionStep& step, bool* truncated) {
  RunStep(state, settings, step);
  if (truncated && state.report.Truncated()) *truncated = true;
  return std::string(state.report.Text());
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
        natal->reportSection = kNoSection;
        ComputeChartFromBirth(*natal, settings, chart.birthCopy);
      }
      state = natal.get();
    }
    RunStep(*state, settings, step);
    result.text.append(state->report.Text());
    if (state->report.Truncated()) result.truncated = true;
  }
  return result;
}

}  // namespace orvane
