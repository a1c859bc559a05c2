// The collected texts of the copy and mail commands: a notice, then a fixed
// sequence of report sections, each written by its own calculation pass.
// The desktop program puts them on the clipboard or mails them; orvane-cli
// prints them (--basic, --complete).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "chart/chart_state.h"
#include "compute/chart.h"
#include "io/chart_file.h"
#include "io/settings.h"

namespace orvane {

// The notice that opens every collected text: a line of 68 hyphens, where
// the text comes from, another line of 68 hyphens and an empty line.
std::string_view CollectionHeader();

// Which text chart diagrams a pass with section 41 writes.
enum class TextChartVariant : int {
  kNone,
  kRasiNavamsa,  // the rasi and the navamsa
  kOtherCharts,  // the eighteen other divisional charts, D-2 .. D-60
};

// One pass of a collection.
struct CollectionStep {
  int section = kNoSection;
  TextChartVariant textCharts = TextChartVariant::kNone;
  // The ashtakavarga reads the rasi, whatever chart the view has chosen.
  bool rasiSelected = false;
  // Written from the natal chart even when the chart shown is a Tajaka
  // chart (the natal dasas of a mailed Tajaka chart).
  bool natalChart = false;
};

enum class CollectionSet : int {
  kBasic,     // sections 4, 21, the rasi and navamsa diagrams, the main dasa(s)
  kComplete,  // the basic set, the other dasas, the ashtakavarga and all diagrams
  kMail,      // the complete set, always with the natal dasas
};

// The passes of a set for a natal (tajaka false) or Tajaka chart:
//   basic:    4, 21, 41 (rasi and navamsa), then 6 and 7 (Tajaka) or 0;
//   complete: 4, 21, 41 (rasi and navamsa), then 6 and 7 (Tajaka) or 0, 37
//             and 1; 3 with the rasi selected; 41 (the other charts);
//   mail:     the complete set with 0, 37 and 1 for every chart.
std::vector<CollectionStep> CollectionSteps(CollectionSet set, bool tajaka);

// One calculation pass on `state` (a computed chart, not cast again) with
// the step's section, text-chart switch and chart selection; returns the
// section's text. The switches are off again afterwards; `truncated`, when
// given, is set when the text was cut at the report buffer's end.
std::string SectionText(ChartState& state, const Settings& settings, const CollectionStep& step,
                        bool* truncated = nullptr);

struct CollectionText {
  std::string text;  // the header and every section, at its full length
  // A section was longer than the report buffer holds and was cut.
  bool truncated = false;
};

// The lines that name the person and the place after the notice, when the
// chart file names them: "Name:  %s\n" and "Place: %s\n" (each only when
// given) and an empty line; nothing at all for a chart without them. The
// names are UTF-8 (the rest of every report text is ASCII), cleaned as
// chart labels are: invalid bytes as U+FFFD, controls as blanks.
std::string CollectionSubject(const ChartLabels& labels);

// Runs the passes of `set` on copies of `chart` (a computed chart with its
// options: Tajaka mode and choices, mahadasa...) and returns the header
// followed by each section's text. `chart` itself is not changed. A Tajaka
// chart's natal steps run on the natal chart cast afresh from its birth
// data. The person and the place of `labels` follow the notice
// (CollectionSubject).
CollectionText BuildCollectionText(const ChartState& chart, const Settings& settings, CollectionSet set,
                                   const ChartLabels& labels = {});
inline CollectionText BuildCollectionText(const Chart& chart, const Settings& settings, CollectionSet set,
                                          const ChartLabels& labels = {}) {
  return BuildCollectionText(chart.State(), settings, set, labels);
}

}  // namespace orvane
