// "Enter Birthdata": date, clock time with AM/PM, time zone with daylight
// saving or local mean time, and the place, typed or taken from the city
// list. The dialog moves io's BirthDialogFields in and out of its controls
// and accepts only fields that make a valid chart data file.
#pragma once

#include <QDialog>
#include <array>

#include "io/birth_input.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace orvane {

class CBirthDataDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kResourceId = 131;

  explicit CBirthDataDlg(const BirthDialogFields& fields, QWidget* parent = nullptr);

  // The fields as accepted (valid after exec() returned Accepted).
  const BirthDialogFields& fields() const { return fields_; }

  void accept() override;

 private:
  void LoadControls(const BirthDialogFields& fields);
  void LoadLocation(const BirthDialogFields& fields);
  void OnCityChosen(int row);
  QLineEdit* EditFor(BirthField field) const;

  BirthDialogFields fields_;
  bool cityChosen_ = false;

  QComboBox* city_ = nullptr;  // list 1010: the city table in table order
  QLineEdit* month_ = nullptr;
  QLineEdit* day_ = nullptr;
  QLineEdit* year_ = nullptr;
  QLineEdit* hours_ = nullptr;
  QLineEdit* minutes_ = nullptr;
  QLineEdit* seconds_ = nullptr;
  QRadioButton* am_ = nullptr;
  QRadioButton* pm_ = nullptr;
  QLineEdit* zoneHours_ = nullptr;
  QLineEdit* zoneMinutes_ = nullptr;
  QRadioButton* zoneEast_ = nullptr;
  QRadioButton* zoneWest_ = nullptr;
  QCheckBox* daylightSaving_ = nullptr;
  QCheckBox* localMeanTime_ = nullptr;
  QLineEdit* longitudeDegrees_ = nullptr;
  QLineEdit* longitudeMinutes_ = nullptr;
  QRadioButton* east_ = nullptr;
  QRadioButton* west_ = nullptr;
  QLineEdit* latitudeDegrees_ = nullptr;
  QLineEdit* latitudeMinutes_ = nullptr;
  QRadioButton* north_ = nullptr;
  QRadioButton* south_ = nullptr;
};

}  // namespace orvane
