// The dasa browser: the Vimsottari main periods, their antardasas and
// pratyantardasas as a tree with start and end dates, the period running
// today highlighted and opened. The dates are those the Vimsottari listing
// and the pratyantardasa listing of the same chart show.
#pragma once

#include <QDialog>
#include <QString>
#include <vector>

#include "dasa/dasa.h"

class QTreeWidget;

namespace orvane {

// A period of the tree: its lord (planet code 1..9), the start it shows (the
// birth date for the first main period), its true start and its end.
struct DasaRow {
  int lord = 0;
  DasaDate shownStart{};
  DasaDate start{};
  DasaDate end{};
  bool beforeBirth = false;  // ended before the chart's birth date
  std::vector<DasaRow> children;
};

// The nine main periods with their antardasas (the Vimsottari listing's
// dates), each antardasa with its pratyantardasas (the pratyantardasa
// listing's dates).
std::vector<DasaRow> DasaRows(const VimsottariTree& tree);

// The rows running on `day` (main period, antardasa, pratyantardasa), as
// indexes into each level; shorter when the day lies outside a level. A
// period runs from its start date up to the day before its end date.
std::vector<int> RunningPath(const std::vector<DasaRow>& rows, const DasaDate& day);

// A date as the listings print it ("2031-07-18").
QString DasaDateText(const DasaDate& date);

class CDasaBrowser : public QDialog {
  Q_OBJECT

 public:
  // `title` names the chart; `today` is the day whose periods are
  // highlighted and opened.
  CDasaBrowser(const QString& title, const std::vector<DasaRow>& rows, const DasaDate& today,
               QWidget* parent = nullptr);
  QTreeWidget* tree() const { return tree_; }

 private:
  QTreeWidget* tree_;
};

}  // namespace orvane
