// The preference dialogs: chart style, ayanamsa, days in a year, special
// lagna and upagraha display with the chosen padas, upagraha calculation
// options, hora chart, printing and the default location. Each is built
// from the current settings and, once accepted, stores its values into a
// Settings with Store().
#pragma once

#include <QDialog>
#include <array>

#include "io/settings.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QVBoxLayout;

namespace orvane {

// Common frame: a caption, a body and OK / Cancel.
class PreferenceDialog : public QDialog {
  Q_OBJECT
 public:
  PreferenceDialog(const QString& caption, QWidget* parent);
  virtual void Store(Settings& settings) const = 0;

 protected:
  QVBoxLayout* body() const { return body_; }
  void AddButtons();

 private:
  QVBoxLayout* body_;
};

// "Choose chart style": styles 0..4.
class CChartStyleDlg : public PreferenceDialog {
  Q_OBJECT
 public:
  explicit CChartStyleDlg(const Settings& settings, QWidget* parent = nullptr);
  int style() const;
  void Store(Settings& settings) const override;

 private:
  QButtonGroup* styles_;
};

// "Choose Ayanamsa": eight choices, the custom deviation and its direction.
class CAyanamsaDlg : public PreferenceDialog {
  Q_OBJECT
 public:
  enum Choice { kChitrapaksha, kRaman, kDevadatta, kKrishnamoorthy, kUshaShashi, kFagan, kTropical, kCustom };
  explicit CAyanamsaDlg(const Settings& settings, QWidget* parent = nullptr);
  void accept() override;
  void Store(Settings& settings) const override;

 private:
  void OnChoiceClicked(int choice);
  void SelectCustom();

  QButtonGroup* choices_;
  QLineEdit* degrees_;
  QLineEdit* minutes_;
  QLineEdit* seconds_;
  QRadioButton* add_;
  QRadioButton* subtract_;
  int choice_ = 0;
  int direction_ = 1;
  double deg_ = 0, min_ = 0, sec_ = 0;
};

// "Number of days in a year (Nakshatra dasas)".
class CDaysInYearDlg : public PreferenceDialog {
  Q_OBJECT
 public:
  explicit CDaysInYearDlg(const Settings& settings, QWidget* parent = nullptr);
  void accept() override;
  void Store(Settings& settings) const override;

 private:
  QLineEdit* days_;
  double value_ = 365.2425;
};

// "Special lagnas and upagrahas": five display switches; "all" and "only
// some" arudha padas exclude each other.
class CSpecialLagnaDlg : public PreferenceDialog {
  Q_OBJECT
 public:
  explicit CSpecialLagnaDlg(const Settings& settings, QWidget* parent = nullptr);
  bool onlySomePadas() const;
  void Store(Settings& settings) const override;

 private:
  QCheckBox* lagnas_;
  QCheckBox* dhooma_;
  QCheckBox* gulika_;
  QCheckBox* allPadas_;
  QCheckBox* somePadas_;
};

// "Padas to be displayed": six pada numbers 0..12.
class CPadasDlg : public PreferenceDialog {
  Q_OBJECT
 public:
  explicit CPadasDlg(const Settings& settings, QWidget* parent = nullptr);
  void accept() override;
  void Store(Settings& settings) const override;

 private:
  std::array<QLineEdit*, 6> edits_{};
  std::array<int, 6> padas_{};
};

// "Upagraha Calculation Options".
class CUpagrahaOptionsDlg : public PreferenceDialog {
  Q_OBJECT
 public:
  explicit CUpagrahaOptionsDlg(const Settings& settings, QWidget* parent = nullptr);
  void Store(Settings& settings) const override;

 private:
  QComboBox* gulika_;
  QComboBox* mandi_;
  QComboBox* kala_;
  QComboBox* relation_;
};

// "Hora chart preference".
class CHoraChartDlg : public PreferenceDialog {
  Q_OBJECT
 public:
  explicit CHoraChartDlg(const Settings& settings, QWidget* parent = nullptr);
  void Store(Settings& settings) const override;

 private:
  QComboBox* method_;
};

// "Preferences for printing": black and white, six items.
class CPrintPrefsDlg : public PreferenceDialog {
  Q_OBJECT
 public:
  explicit CPrintPrefsDlg(const Settings& settings, QWidget* parent = nullptr);
  void Store(Settings& settings) const override;

 private:
  QCheckBox* blackAndWhite_;
  std::array<QCheckBox*, 6> items_{};
};

// "Enter Location": the default zone, longitude and latitude.
class CLocationDlg : public PreferenceDialog {
  Q_OBJECT
 public:
  explicit CLocationDlg(const Settings& settings, QWidget* parent = nullptr);
  void accept() override;
  void Store(Settings& settings) const override;

 private:
  QLineEdit* zoneHours_;
  QLineEdit* zoneMinutes_;
  QComboBox* zoneSide_;
  QLineEdit* longitudeDegrees_;
  QLineEdit* longitudeMinutes_;
  QComboBox* longitudeSide_;
  QLineEdit* latitudeDegrees_;
  QLineEdit* latitudeMinutes_;
  QComboBox* latitudeSide_;
  double zone_ = 0, longitude_ = 0, latitude_ = 0;
};

// "About Orvane Lite....".
class CAboutDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CAboutDlg(const QPixmap& icon, QWidget* parent = nullptr);
};

}  // namespace orvane
