// The chart window's own dialogs: "Choose One Chart" (the Ashtakavarga
// chart), "Choose Two Charts", "Select the mahadasa" and the three Tajaka
// chart dialogs (annual, monthly, hora). Each takes its presets in the
// constructor and gives its values back once accepted; number fields are
// checked on OK with the toolkit's range messages, the dialog staying open on
// the offending field.
#pragma once

#include <QDialog>
#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;

namespace orvane {

// The twenty divisional charts a chart dialog offers, as chart choices 0..19.
inline constexpr int kChartDialogChoices = 20;

// "Choose One Chart": one of the twenty divisional charts. The radio
// buttons are named "chart0" .. "chart19".
class CChooseOneChartDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CChooseOneChartDlg(int chart, QWidget* parent = nullptr);
  int chart() const;

 private:
  QButtonGroup* charts_;
};

// "Choose Two Charts": the first and the second chart ("first0".."first19",
// "second0".."second19") and "Exit the current view and show two big
// charts" ("showTwoCharts").
class CChooseTwoChartsDlg : public QDialog {
  Q_OBJECT
 public:
  CChooseTwoChartsDlg(int chart1, int chart2, QWidget* parent = nullptr);
  int chart1() const;
  int chart2() const;
  bool showTwoCharts() const;

 private:
  QButtonGroup* first_;
  QButtonGroup* second_;
  QCheckBox* showTwo_;
};

// "Select the mahadasa": Sun .. Ketu ("mahadasa"); planet code 1..9.
class CSelectMahadasaDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CSelectMahadasaDlg(int mahadasa, QWidget* parent = nullptr);
  int mahadasa() const;

 private:
  QComboBox* lords_;
};

// "Tajaka Annual Chart": the year ("year", an integer in -3000..3000: a
// year far beyond that would keep the annual search going for ever) and
// "Need a monthly chart!" ("monthly").
class CTajakaAnnualDlg : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kYearMin = -3000;
  static constexpr int kYearMax = 3000;
  explicit CTajakaAnnualDlg(int year, QWidget* parent = nullptr);
  void accept() override;
  int year() const { return year_; }
  bool monthlyWanted() const;

 private:
  QLineEdit* yearEdit_;
  QCheckBox* monthly_;
  int year_;
};

// "Tajaka Monthly Chart": the month 1..12 ("month", counted from the
// birthday) and "Need a hora chart!" ("hora").
class CTajakaMonthlyDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CTajakaMonthlyDlg(int month, QWidget* parent = nullptr);
  void accept() override;
  int month() const { return month_; }
  bool horaWanted() const;

 private:
  QLineEdit* monthEdit_;
  QCheckBox* hora_;
  int month_;
};

// "Tajaka Hora Chart": the hora period 1..12 ("period").
class CTajakaHoraDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CTajakaHoraDlg(int period, QWidget* parent = nullptr);
  void accept() override;
  int period() const { return period_; }

 private:
  QLineEdit* periodEdit_;
  int period_;
};

}  // namespace orvane
