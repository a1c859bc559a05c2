// "Enter Birthdata": the person's name, date, clock time with AM/PM, time
// zone with daylight saving or local mean time, and the place: searched in
// the place table as the user types (which fills the position and the zone
// in force at the entered moment), taken from the built-in city list, or
// typed as numbers. The dialog moves io's BirthDialogFields in and out of
// its controls and accepts only fields that make a valid chart data file.
#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "io/birth_input.h"
#include "io/chart_file.h"
#include "places/place_table.h"
#include "places/zone_time.h"

class QCheckBox;
class QComboBox;
class QCompleter;
class QLabel;
class QLineEdit;
class QRadioButton;
class QStandardItemModel;

namespace orvane {

class CBirthDataDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kResourceId = 131;

  explicit CBirthDataDlg(const BirthDialogFields& fields, QWidget* parent = nullptr);
  // With the name, place and zone the chart file keeps.
  CBirthDataDlg(const BirthDialogFields& fields, const ChartLabels& labels, QWidget* parent = nullptr);

  // The fields as accepted (valid after exec() returned Accepted).
  const BirthDialogFields& fields() const { return fields_; }
  // The name, place and zone as accepted.
  const ChartLabels& labels() const { return labels_; }

  // The completion list of the place field (for tests and pictures).
  QCompleter* placeCompleter() const { return completer_; }

  void accept() override;

 private:
  void LoadControls(const BirthDialogFields& fields);
  void LoadLocation(const BirthDialogFields& fields);
  void OnCityChosen(int row);
  void OnPlaceEdited(const QString& text);
  void OnPlaceChosen(const QModelIndex& index);
  // Resolves the chosen place's zone at the entered date and time and
  // fills the zone fields (when `fill`) and the zone line.
  void Resolve(bool fill);
  // Reopened with the place's zone: a saved zone that is that zone's
  // daylight saving time at the moment shows as its standard zone with the
  // daylight-saving box ticked.
  void ShowSavedDaylightSaving();
  BirthDialogFields ReadControls() const;
  QLineEdit* EditFor(BirthField field) const;

  BirthDialogFields fields_;
  ChartLabels labels_;
  bool cityChosen_ = false;

  const PlaceTable* places_ = nullptr;  // null when the table is missing
  std::string zoneId_;                  // zone of the chosen place
  double placeLongitude_ = 0;           // degrees east, of the chosen place
  bool placeKnown_ = false;             // a place was chosen (or reopened with its zone)
  std::optional<LocalTimeResolution> resolution_;
  bool filling_ = false;                // the dialog itself is changing the fields

  QLineEdit* name_ = nullptr;
  QLineEdit* place_ = nullptr;
  QCompleter* completer_ = nullptr;
  QStandardItemModel* matches_ = nullptr;
  QLabel* zoneInfo_ = nullptr;
  QCheckBox* secondReading_ = nullptr;  // an ambiguous time's second occurrence
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

// The place table the dialogs search, loaded on first use; null (with the
// reason in `error`) when it cannot be found or read.
const PlaceTable* DialogPlaceTable(QString* error);

}  // namespace orvane
