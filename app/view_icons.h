// The tool-bar pictures of the chart window's commands, drawn in code in the
// program's own colours (ivory sheets, maroon titles, saffron Sun), sharp at
// any screen density.
#pragma once

#include <QIcon>

namespace orvane {

enum class ViewIcon {
  kNone,
  kPrint,
  kCopyComplete,
  kSpecialLagnas,
  kMiscellaneous,
  kTwoCharts,
  kAshtakavarga,
  kVimsottari,
  kKalachakra,
  kAshtottari,
  kPratyantardasas,
  kTajaka,
  kPatyayini,
  kMudda,
};

// An empty icon for kNone.
QIcon ViewToolIcon(ViewIcon which);

}  // namespace orvane
