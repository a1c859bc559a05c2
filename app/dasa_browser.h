// The dasa browser: the periods of a dasa system as a tree with start and
// end dates and the native's age at each start, the period running today
// highlighted and opened. A choice at the top picks the system: the
// Vimsottari (main periods, antardasas and pratyantardasas, with the dates
// the Vimsottari and pratyantardasa listings show), the other nakshatra
// dasas and Kalachakra (main and sub-periods, as their listings show them),
// and the Jaimini rasi dasas (main periods and antardasas).
#pragma once

#include <QDialog>
#include <QString>
#include <vector>

#include "dasa/dasa.h"

class QComboBox;
class QLabel;
class QTreeWidget;

namespace orvane {

// A period of the tree: its lord (planet code 1..9), the start it shows (the
// birth date for the first main period), its true start and its end.
struct DasaRow {
  int lord = 0;
  QString label;  // the period's name when it is no planet (a sign)
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

// A dasa system as the browser lists it: its name, its rows and a line on
// how it is reckoned and its balance at birth.
struct DasaSystem {
  QString name;
  std::vector<DasaRow> rows;
  QString note;
};

// Every dasa system of a natal chart the browser offers, the Vimsottari first.
std::vector<DasaSystem> ChartDasaSystems(const ChartState& state);

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
  // The systems to choose from, `birth` the chart date the ages count from.
  CDasaBrowser(const QString& title, std::vector<DasaSystem> systems, const DasaDate& today, const DasaDate& birth,
               QWidget* parent = nullptr);
  QTreeWidget* tree() const { return tree_; }
  QComboBox* systemBox() const { return system_; }
  QLabel* note() const { return note_; }
  // Shows system `index` of the list.
  void ShowSystem(int index);

 private:
  QString title_;
  std::vector<DasaSystem> systems_;
  DasaDate today_{};
  DasaDate birth_{};
  QTreeWidget* tree_;
  QComboBox* system_;
  QLabel* note_;
};

}  // namespace orvane
