// The preference dialogs: chart style, ayanamsa, days in a year, special
// lagna and upagraha display with the chosen padas, upagraha calculation
// options, hora chart, ephemeris, printing and the default location; and the
// About box.
//
// Each preference dialog is built from the current settings and checks its
// fields on OK (range messages, the dialog staying open on the offending
// field). Once accepted, Store() writes its values into a Settings; a
// dialog that was cancelled stores nothing, so Cancel never changes a
// stored value.
#pragma once

#include <QStringList>

#include <QDialog>
#include <array>
#include <vector>

#include "io/settings.h"
#include "places/place_table.h"

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QCompleter;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QModelIndex;
class QStandardItemModel;
class QRadioButton;
class QVBoxLayout;

namespace orvane {

// Common frame: a caption, a body and OK (the default button) / Cancel
// (also Escape).
class PreferenceDialog : public QDialog {
  Q_OBJECT
 public:
  PreferenceDialog(const QString& caption, QWidget* parent);
  virtual void Store(Settings& settings) const = 0;

 protected:
  QVBoxLayout* body() const { return body_; }
  // Adds the OK / Cancel row and sets the tab order: `controls` in the
  // order given, then OK, then Cancel.
  void Finish(const std::vector<QWidget*>& controls);

 private:
  QVBoxLayout* body_;
  QDialogButtonBox* buttons_ = nullptr;
};

// "Choose chart style": styles 0..4.
class CChartStyleDlg : public PreferenceDialog {
  Q_OBJECT
 public:
  static constexpr int kResourceId = 138;
  explicit CChartStyleDlg(const Settings& settings, QWidget* parent = nullptr);
  int style() const;
  void Store(Settings& settings) const override;

 private:
  int stored_;
  std::vector<QAbstractButton*> styles_;
  QCheckBox* degrees_ = nullptr;       // degrees and minutes beside the bodies
  QCheckBox* vargaDegrees_ = nullptr;  // ... in the rasi only
};

// "Choose Ayanamsa": eight choices, the deviation from Chitrapaksha
// (Lahiri) and its direction. A choice fills in its deviation; typing a
// deviation or picking its direction makes the choice "Custom ayanamsa".
class CAyanamsaDlg : public PreferenceDialog {
  Q_OBJECT
 public:
  static constexpr int kResourceId = 141;
  enum Choice { kChitrapaksha, kRaman, kDevadatta, kKrishnamoorthy, kUshaShashi, kFagan, kTropical, kCustom, kKpNew };
  explicit CAyanamsaDlg(const Settings& settings, QWidget* parent = nullptr);
  void accept() override;
  void Store(Settings& settings) const override;

 private:
  void OnChoiceClicked(int choice);
  void SelectCustom();

  std::vector<QAbstractButton*> choices_;
  QLineEdit* degrees_ = nullptr;
  QLineEdit* minutes_ = nullptr;
  QLineEdit* seconds_ = nullptr;
  std::vector<QAbstractButton*> directions_;  // "Add", "Subtract"
  int choice_ = 0;
  int direction_ = 1;  // +1 add, -1 subtract
  double deg_ = 0, min_ = 0, sec_ = 0;
};

// "Number of days in a year (Nakshatra dasas)".
// The lengths of a dasa year the dialog accepts, days.
inline constexpr double kMinDaysInYear = 300;
inline constexpr double kMaxDaysInYear = 400;

class CDaysInYearDlg : public PreferenceDialog {
  Q_OBJECT
 public:
  static constexpr int kResourceId = 159;
  explicit CDaysInYearDlg(const Settings& settings, QWidget* parent = nullptr);
  void accept() override;
  void Store(Settings& settings) const override;

 private:
  QLineEdit* days_ = nullptr;
  double value_ = 365.2425;
};

// "Special lagnas and upagrahas": five display switches; "all" and "only
// some" arudha padas exclude each other. With "only some" on, the caller
// follows with CPadasDlg.
class CSpecialLagnaDlg : public PreferenceDialog {
  Q_OBJECT
 public:
  static constexpr int kResourceId = 142;
  explicit CSpecialLagnaDlg(const Settings& settings, QWidget* parent = nullptr);
  bool onlySomePadas() const;
  void Store(Settings& settings) const override;

 private:
  QCheckBox* lagnas_ = nullptr;
  QCheckBox* dhooma_ = nullptr;
  QCheckBox* gulika_ = nullptr;
  QCheckBox* allPadas_ = nullptr;
  QCheckBox* somePadas_ = nullptr;
};

// "Padas to be displayed": six pada numbers 0..12 (0 for none).
class CPadasDlg : public PreferenceDialog {
  Q_OBJECT
 public:
  static constexpr int kResourceId = 143;
  explicit CPadasDlg(const Settings& settings, QWidget* parent = nullptr);
  void accept() override;
  void Store(Settings& settings) const override;

 private:
  std::array<QLineEdit*, 6> edits_{};
  std::array<int, 6> padas_{};
};

// "Upagraha Calculation Options": where Gulika, Mandi and Kaala etc rise
// within their portion, and how Vyatipata follows from Dhuma. The third
// choice is stored for all four of Kaala, Mrityu, Artha Prahara and Yama
// Ghantaka.
class CUpagrahaOptionsDlg : public PreferenceDialog {
  Q_OBJECT
 public:
  static constexpr int kResourceId = 170;
  explicit CUpagrahaOptionsDlg(const Settings& settings, QWidget* parent = nullptr);
  void Store(Settings& settings) const override;

 private:
  QComboBox* gulika_ = nullptr;
  QComboBox* mandi_ = nullptr;
  QComboBox* kala_ = nullptr;
  QComboBox* relation_ = nullptr;
};

// "Hora chart preference". A stored method beyond the two the list offers
// (the settings file accepts further ones) is shown with nothing selected
// and kept unless the user picks one.
class CHoraChartDlg : public PreferenceDialog {
  Q_OBJECT
 public:
  static constexpr int kResourceId = 145;
  explicit CHoraChartDlg(const Settings& settings, QWidget* parent = nullptr);
  void Store(Settings& settings) const override;

 private:
  QComboBox* method_ = nullptr;
};

// "Ephemeris": the engine of the charts (the classic one or the Swiss
// Ephemeris) and, for the Swiss Ephemeris, Rahu from the mean or the true
// node. The node choice is open only with the Swiss Ephemeris.
class CEphemerisDlg : public PreferenceDialog {
  Q_OBJECT
 public:
  explicit CEphemerisDlg(const Settings& settings, QWidget* parent = nullptr);
  void Store(Settings& settings) const override;

 private:
  QComboBox* engine_ = nullptr;
  QCheckBox* trueNode_ = nullptr;
};

// "Language": the program's language (or the system's) and whether the
// chart diagrams keep the Latin abbreviations.
class CLanguageDlg : public PreferenceDialog {
  Q_OBJECT
 public:
  // `languages` are the language codes offered and `names` their names in
  // their own scripts, in the same order.
  CLanguageDlg(const Settings& settings, const QStringList& languages, const QStringList& names,
               QWidget* parent = nullptr);
  void Store(Settings& settings) const override;

 private:
  QStringList languages_;
  QComboBox* language_ = nullptr;
  QCheckBox* latinLabels_ = nullptr;
};

// "Preferences for printing": black and white, six items and their count.
class CPrintPrefsDlg : public PreferenceDialog {
  Q_OBJECT
 public:
  static constexpr int kResourceId = 158;
  explicit CPrintPrefsDlg(const Settings& settings, QWidget* parent = nullptr);
  void Store(Settings& settings) const override;

 private:
  QCheckBox* blackAndWhite_ = nullptr;
  std::array<QCheckBox*, 6> items_{};
};

// "Enter Location": the default zone, longitude and latitude, each as a
// whole part, minutes and a direction. A place typed in its place field is
// searched in the place table as the user types; choosing one fills the
// position and the place's standard zone of today.
class CLocationDlg : public PreferenceDialog {
  Q_OBJECT
 public:
  static constexpr int kResourceId = 163;
  explicit CLocationDlg(const Settings& settings, QWidget* parent = nullptr);
  void accept() override;
  void Store(Settings& settings) const override;

  // The completion list of the place field (for tests and pictures).
  QCompleter* placeCompleter() const { return completer_; }

 private:
  void OnPlaceEdited(const QString& text);
  void OnPlaceChosen(const QModelIndex& index);

  const PlaceTable* places_ = nullptr;  // null when the table is missing
  QLineEdit* place_ = nullptr;
  QCompleter* completer_ = nullptr;
  QStandardItemModel* matches_ = nullptr;
  QLabel* zoneInfo_ = nullptr;
  QLineEdit* zoneHours_ = nullptr;
  QLineEdit* zoneMinutes_ = nullptr;
  QComboBox* zoneSide_ = nullptr;
  QLineEdit* longitudeDegrees_ = nullptr;
  QLineEdit* longitudeMinutes_ = nullptr;
  QComboBox* longitudeSide_ = nullptr;
  QLineEdit* latitudeDegrees_ = nullptr;
  QLineEdit* latitudeMinutes_ = nullptr;
  QComboBox* latitudeSide_ = nullptr;
  double zone_ = 0, longitude_ = 0, latitude_ = 0;
};

// "About Orvane Lite....".
class CAboutDlg : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kResourceId = 100;
  explicit CAboutDlg(const QPixmap& icon, QWidget* parent = nullptr);
};

}  // namespace orvane
