// The preference dialogs, the About box and "Enter title", driven offscreen
// as a user would: presets, ranges (the dialog staying open on the field),
// the ayanamsa presets and the switch to a custom ayanamsa, the pada
// interlock, the location split, the keyboard, and the preference commands
// that rewrite the settings file.
#include <QDir>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QCompleter>
#include <QAbstractItemView>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <functional>

#include "app/artwork.h"
#include "app_fixture.h"
#include "dialogs/dialog_fields.h"
#include "dialogs/preference_dlgs.h"
#include "dialogs/title_dlg.h"

namespace orvane::testing {
namespace {

QLineEdit* Edit(QWidget* dialog, const char* name) {
  auto* edit = dialog->findChild<QLineEdit*>(QLatin1String(name));
  EXPECT_NE(edit, nullptr) << name;
  return edit;
}
void SetText(QWidget* dialog, const char* name, const QString& text) {
  if (QLineEdit* edit = Edit(dialog, name)) edit->setText(text);
}
QString TextOf(QWidget* dialog, const char* name) {
  QLineEdit* edit = Edit(dialog, name);
  return edit ? edit->text() : QString();
}
bool IsChecked(QWidget* dialog, const char* name) {
  auto* button = dialog->findChild<QAbstractButton*>(QLatin1String(name));
  EXPECT_NE(button, nullptr) << name;
  return button && button->isChecked();
}

// Shows `dialog` as the active window, as exec() would.
void Show(QDialog& dialog) {
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  QCoreApplication::processEvents();
}

// Presses OK. A range message that appears is answered and recorded.
struct OkOutcome {
  bool accepted = false;
  QString message;   // the message box's text, empty when none appeared
  QString focus;     // the dialog's focused control afterwards
};
OkOutcome PressOk(QDialog& dialog) {
  ModalDriver driver;
  driver.ThenPress();
  dialog.findChild<QPushButton*>(QStringLiteral("ok"))->click();
  OkOutcome out;
  out.accepted = dialog.result() == QDialog::Accepted && !dialog.isVisible();
  out.message = driver.texts().value(0);
  if (QWidget* focus = dialog.focusWidget()) out.focus = focus->objectName();
  return out;
}

// Replaces a field's text by typing, so the dialog sees a user's edit.
void Type(QWidget* dialog, const char* name, const QString& text) {
  QLineEdit* edit = Edit(dialog, name);
  ASSERT_NE(edit, nullptr);
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClicks(edit, text);
}

QStringList Texts(QWidget* dialog, std::initializer_list<const char*> names) {
  QStringList texts;
  for (const char* name : names) texts << TextOf(dialog, name);
  return texts;
}

int ComboAt(QWidget* dialog, const char* name) {
  return dialog->findChild<QComboBox*>(QLatin1String(name))->currentIndex();
}

// ---- ayanamsa

TEST(AyanamsaDialog, EachChoiceFillsItsDeviationAndCustomKeepsTheFields) {
  Settings start;  // a custom deviation, so that every preset changes something
  start.ayanamsaChoice = CAyanamsaDlg::kCustom;
  start.ayanamsaDegrees = 2;
  start.ayanamsaMinutes = 14.5;
  start.ayanamsaSeconds = 33.25;
  start.ayanamsaDirection = -1;
  struct Row {
    int choice;
    QStringList fields;  // degrees, minutes, seconds
    bool add;
  };
  const Row rows[] = {
      {0, {"0", "0", "0"}, true},         {1, {"1", "27", "0"}, false},   {2, {"0", "22", "37"}, false},
      {3, {"0", "6", "5.4"}, false},      {4, {"3", "48", "16"}, false},  {5, {"0", "53", "0.3"}, true},
      {6, {"0", "0", "0"}, true},         {7, {"2", "14.5", "33.25"}, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.choice);
    CAyanamsaDlg dialog(start);
    Show(dialog);
    const QString name = QStringLiteral("choice%1").arg(row.choice);
    dialog.findChild<QRadioButton*>(name)->click();
    EXPECT_EQ(Texts(&dialog, {"degrees", "minutes", "seconds"}), row.fields);
    EXPECT_EQ(IsChecked(&dialog, "add"), row.add);
    EXPECT_EQ(IsChecked(&dialog, "subtract"), !row.add);
    // Filling the fields itself does not make the choice custom.
    EXPECT_TRUE(IsChecked(&dialog, name.toLatin1().constData()));
  }
}

TEST(AyanamsaDialog, TypingAfterRamanMakesACustomAyanamsaThatKeepsTheRest) {
  CAyanamsaDlg dialog{Settings{}};
  Show(dialog);
  dialog.findChild<QRadioButton*>(QStringLiteral("choice1"))->click();
  Type(&dialog, "seconds", QStringLiteral("30"));
  EXPECT_TRUE(IsChecked(&dialog, "choice7"));
  EXPECT_EQ(Texts(&dialog, {"degrees", "minutes", "seconds"}), QStringList({"1", "27", "30"}));
  EXPECT_TRUE(IsChecked(&dialog, "subtract"));
  ASSERT_TRUE(PressOk(dialog).accepted);
  Settings s;
  dialog.Store(s);
  EXPECT_EQ(s.ayanamsaChoice, 7);
  EXPECT_EQ(s.ayanamsaDegrees, 1);
  EXPECT_EQ(s.ayanamsaMinutes, 27);
  EXPECT_EQ(s.ayanamsaSeconds, 30);
  EXPECT_EQ(s.ayanamsaDirection, -1);
  EXPECT_EQ(s.AyanamsaOffset(), -87.5);  // 1° 27' 30" subtracted
}

TEST(AyanamsaDialog, PickingADirectionMakesACustomAyanamsa) {
  for (const char* direction : {"add", "subtract"}) {
    SCOPED_TRACE(direction);
    CAyanamsaDlg dialog{Settings{}};
    Show(dialog);
    dialog.findChild<QRadioButton*>(QStringLiteral("choice5"))->click();  // Fagan: 0° 53' 0.3" added
    dialog.findChild<QRadioButton*>(QLatin1String(direction))->click();
    EXPECT_TRUE(IsChecked(&dialog, "choice7"));
    EXPECT_EQ(Texts(&dialog, {"degrees", "minutes", "seconds"}), QStringList({"0", "53", "0.3"}));
  }
}

TEST(AyanamsaDialog, TropicalIsStoredAs1000DegreesAndShownAsNoDeviation) {
  CAyanamsaDlg first{Settings{}};
  Show(first);
  first.findChild<QRadioButton*>(QStringLiteral("choice6"))->click();
  ASSERT_TRUE(PressOk(first).accepted);
  Settings s;
  first.Store(s);
  EXPECT_EQ(s.ayanamsaChoice, 6);
  EXPECT_EQ(s.ayanamsaDegrees, 1000);
  EXPECT_EQ(s.ayanamsaMinutes, 0);
  EXPECT_EQ(s.ayanamsaSeconds, 0);
  EXPECT_EQ(s.ayanamsaDirection, 1);

  // Opened again: 0, 0, 0, and OK stores the tropical zodiac once more.
  CAyanamsaDlg again(s);
  Show(again);
  EXPECT_TRUE(IsChecked(&again, "choice6"));
  EXPECT_EQ(Texts(&again, {"degrees", "minutes", "seconds"}), QStringList({"0", "0", "0"}));
  ASSERT_TRUE(PressOk(again).accepted);
  Settings t;
  again.Store(t);
  EXPECT_EQ(t.ayanamsaDegrees, 1000);
}

TEST(AyanamsaDialog, ADeviationOfExactly1000MinutesIsAccepted) {
  struct Row {
    QStringList fields;
    bool accepted;
  };
  const Row rows[] = {{{"16", "40", "0"}, true}, {{"16", "40", "0.5"}, false}, {{"16", "39", "60"}, true},
                      {{"30", "0", "0"}, false}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.fields.join(" ").toStdString());
    CAyanamsaDlg dialog{Settings{}};
    Show(dialog);
    Type(&dialog, "degrees", row.fields[0]);
    Type(&dialog, "minutes", row.fields[1]);
    Type(&dialog, "seconds", row.fields[2]);
    const OkOutcome ok = PressOk(dialog);
    EXPECT_EQ(ok.accepted, row.accepted);
    if (!row.accepted) {
      EXPECT_EQ(ok.focus, QStringLiteral("degrees"));
    }
  }
}

TEST(AyanamsaDialog, OutOfRangeDeviationKeepsTheDialogOpenOnItsField) {
  struct Row {
    const char* field;
    const char* text;
    const char* message;
  };
  const Row rows[] = {
      {"degrees", "31", "Please enter a number between 0 and 30."},
      {"degrees", "-1", "Please enter a number between 0 and 30."},
      {"minutes", "60.5", "Please enter a number between 0 and 60."},
      {"seconds", "abc", "Please enter a number between 0 and 60."},
      {"seconds", "", "Please enter a number between 0 and 60."},
      // Within the ranges, but beyond the 1000 minutes that mark the tropical zodiac.
      {"degrees", "16.7", "Please enter a deviation of at most 16 degrees and 40 minutes (1000 minutes)."},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.field) + " " + row.text);
    Settings s;
    s.ayanamsaChoice = 1;
    CAyanamsaDlg dialog(s);
    Show(dialog);
    Type(&dialog, row.field, QString::fromLatin1(row.text));
    const OkOutcome ok = PressOk(dialog);
    EXPECT_FALSE(ok.accepted);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(ok.message, QString::fromLatin1(row.message));
    EXPECT_EQ(ok.focus, QString::fromLatin1(row.field));
    // Nothing was stored by the refused OK.
    Settings after = s;
    dialog.Store(after);
    EXPECT_EQ(FormatSettings(after), FormatSettings(s));
  }
}

// ---- special lagnas and padas

TEST(SpecialLagnaDialog, AllAndOnlySomePadasExcludeEachOther) {
  Settings s;  // all padas on, only some off
  CSpecialLagnaDlg dialog(s);
  Show(dialog);
  auto* all = dialog.findChild<QCheckBox*>(QStringLiteral("allPadas"));
  auto* some = dialog.findChild<QCheckBox*>(QStringLiteral("somePadas"));
  ASSERT_TRUE(all->isChecked());
  some->click();
  EXPECT_TRUE(some->isChecked());
  EXPECT_FALSE(all->isChecked());
  all->click();
  EXPECT_TRUE(all->isChecked());
  EXPECT_FALSE(some->isChecked());
  // Switching one off leaves the other off: neither is a valid choice.
  all->click();
  EXPECT_FALSE(all->isChecked());
  EXPECT_FALSE(some->isChecked());
  // From the keyboard as well.
  some->setFocus();
  QTest::keyClick(some, Qt::Key_Space);
  all->setFocus();
  QTest::keyClick(all, Qt::Key_Space);
  EXPECT_TRUE(all->isChecked());
  EXPECT_FALSE(some->isChecked());

  dialog.findChild<QCheckBox*>(QStringLiteral("lagnas"))->click();
  dialog.findChild<QCheckBox*>(QStringLiteral("gulika"))->click();
  ASSERT_TRUE(PressOk(dialog).accepted);
  Settings out = s;
  dialog.Store(out);
  EXPECT_EQ(out.showSpecialLagnas, 0);
  EXPECT_EQ(out.showDhoomaGroup, 0);
  EXPECT_EQ(out.showGulikaGroup, 1);
  EXPECT_EQ(out.showAllPadas, 1);
  EXPECT_EQ(out.showSomePadas, 0);
  EXPECT_FALSE(dialog.onlySomePadas());
}

TEST(PadasDialog, SixPadaNumbersFrom0To12) {
  Settings s;
  s.chosenPadas = {2, 3, 4, 5, 6, 12};
  struct Row {
    const char* field;
    const char* text;
    bool accepted;
  };
  const Row rows[] = {
      {"pada1", "0", true}, {"pada6", "12", true}, {"pada4", "13", false},
      {"pada2", "-1", false}, {"pada5", "1.5", false}, {"pada3", "", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.field) + " " + row.text);
    CPadasDlg dialog(s);
    Show(dialog);
    EXPECT_EQ(Texts(&dialog, {"pada1", "pada2", "pada3", "pada4", "pada5", "pada6"}),
              QStringList({"2", "3", "4", "5", "6", "12"}));
    Type(&dialog, row.field, QString::fromLatin1(row.text));
    const OkOutcome ok = PressOk(dialog);
    EXPECT_EQ(ok.accepted, row.accepted);
    Settings out = s;
    dialog.Store(out);
    if (row.accepted) {
      const int index = row.field[4] - '1';
      std::array<int, 6> expected = s.chosenPadas;
      expected[static_cast<std::size_t>(index)] = QString::fromLatin1(row.text).toInt();
      EXPECT_EQ(out.chosenPadas, expected);
    } else {
      EXPECT_EQ(ok.message, QStringLiteral("Please enter an integer between 0 and 12."));
      EXPECT_EQ(ok.focus, QString::fromLatin1(row.field));
      EXPECT_EQ(out.chosenPadas, s.chosenPadas);
    }
  }
}

// ---- default location

TEST(LocationDialog, SplitsWithMinutesRoundedUpFrom30SecondsAndSetsTheDirections) {
  struct Row {
    const char* name;
    double zone, longitude, latitude;
    QStringList fields;  // zone h, min, longitude deg, min, latitude deg, min
    int zoneSide, longitudeSide, latitudeSide;  // 0 East / E / N, 1 West / W / S
  };
  const Row rows[] = {
      // 71° 7' 40" W is stored as 71.0766...: 40 seconds raise the minutes.
      {"71 7 40 W", 5.0, 71 + 0.07 + 40.0 / 6000, 42.30, {"5", "0", "71", "8", "42", "30"}, 1, 1, 0},
      {"71 7 29 W", 5.0, 71 + 0.07 + 29.0 / 6000, 42.30, {"5", "0", "71", "7", "42", "30"}, 1, 1, 0},
      {"east and south", -5.30, -81.12, -16.15, {"5", "30", "81", "12", "16", "15"}, 0, 0, 1},
      {"59 30 carries", 0.0, 10.5950, 0.0, {"0", "0", "11", "0", "0", "0"}, 1, 1, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Settings s;
    s.defaultZone = row.zone;
    s.defaultLongitude = row.longitude;
    s.defaultLatitude = row.latitude;
    CLocationDlg dialog(s);
    Show(dialog);
    EXPECT_EQ(Texts(&dialog, {"zoneHours", "zoneMinutes", "longitudeDegrees", "longitudeMinutes",
                              "latitudeDegrees", "latitudeMinutes"}),
              row.fields);
    EXPECT_EQ(ComboAt(&dialog, "zoneSide"), row.zoneSide);
    EXPECT_EQ(ComboAt(&dialog, "longitudeSide"), row.longitudeSide);
    EXPECT_EQ(ComboAt(&dialog, "latitudeSide"), row.latitudeSide);
  }
}

TEST(LocationDialog, OkComposesSignedValuesAndRefusesImpossiblePlaces) {
  struct Row {
    const char* name;
    QStringList fields;  // as above
    int zoneSide, longitudeSide, latitudeSide;
    const char* message;  // nullptr: accepted
    const char* focus;
    double zone, longitude, latitude;
  };
  const Row rows[] = {
      {"east and south", {"5", "30", "81", "12", "16", "15"}, 0, 0, 1, nullptr, "", -5.30, -81.12, -16.15},
      {"west and north", {"5", "0", "71", "8", "42", "30"}, 1, 1, 0, nullptr, "", 5.0, 71.08, 42.30},
      {"limits", {"24", "0", "180", "0", "90", "0"}, 1, 0, 1, nullptr, "", 24, -180, -90},
      {"latitude 91", {"5", "0", "71", "8", "91", "0"}, 1, 1, 0, "Please enter an integer between 0 and 90.",
       "latitudeDegrees", 0, 0, 0},
      {"latitude 150 south", {"5", "0", "71", "8", "150", "0"}, 1, 1, 1,
       "Please enter an integer between 0 and 90.", "latitudeDegrees", 0, 0, 0},
      {"latitude 90 and minutes", {"5", "0", "71", "8", "90", "1"}, 1, 1, 0,
       "Please enter a number between 0 and 0.", "latitudeMinutes", 0, 0, 0},
      {"longitude 181", {"5", "0", "181", "0", "0", "0"}, 1, 1, 0, "Please enter an integer between 0 and 180.",
       "longitudeDegrees", 0, 0, 0},
      {"zone 25", {"25", "0", "71", "0", "0", "0"}, 1, 1, 0, "Please enter an integer between 0 and 24.",
       "zoneHours", 0, 0, 0},
      {"zone minutes 61", {"5", "61", "71", "0", "0", "0"}, 1, 1, 0, "Please enter a number between 0 and 60.",
       "zoneMinutes", 0, 0, 0},
      {"longitude minutes blank", {"5", "0", "71", "", "0", "0"}, 1, 1, 0,
       "Please enter a number between 0 and 60.", "longitudeMinutes", 0, 0, 0},
  };
  const char* names[] = {"zoneHours", "zoneMinutes", "longitudeDegrees", "longitudeMinutes", "latitudeDegrees",
                         "latitudeMinutes"};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const Settings s;
    CLocationDlg dialog(s);
    Show(dialog);
    for (int i = 0; i < 6; ++i) SetText(&dialog, names[i], row.fields[i]);
    dialog.findChild<QComboBox*>(QStringLiteral("zoneSide"))->setCurrentIndex(row.zoneSide);
    dialog.findChild<QComboBox*>(QStringLiteral("longitudeSide"))->setCurrentIndex(row.longitudeSide);
    dialog.findChild<QComboBox*>(QStringLiteral("latitudeSide"))->setCurrentIndex(row.latitudeSide);
    const OkOutcome ok = PressOk(dialog);
    Settings out = s;
    dialog.Store(out);
    if (!row.message) {
      EXPECT_TRUE(ok.accepted);
      EXPECT_EQ(out.defaultZone, row.zone);
      EXPECT_EQ(out.defaultLongitude, row.longitude);
      EXPECT_EQ(out.defaultLatitude, row.latitude);
    } else {
      EXPECT_FALSE(ok.accepted);
      EXPECT_EQ(ok.message, QString::fromLatin1(row.message));
      EXPECT_EQ(ok.focus, QString::fromLatin1(row.focus));
      EXPECT_EQ(FormatSettings(out), FormatSettings(s));
    }
  }
}

// The place field searches the place table as the user types; the place
// chosen fills the position and the zone's standard time, so that OK stores
// the place's numbers.
TEST(LocationDialog, APlaceFromTheCompletionListFillsTheFields) {
  struct Row {
    const char* query;
    const char* place;
    QStringList fields;  // zone, longitude, latitude: whole part and minutes
    int zoneSide, longitudeSide, latitudeSide;
    const char* zoneLine;  // its start
    double zone, longitude, latitude;
  };
  const Row rows[] = {
      {"chenn", "Chennai, Tamil Nadu, IN", {"5", "30", "80", "17", "13", "5"}, 0, 0, 0, "Asia/Kolkata, +5:30",
       -5.30, -80.17, 13.05},
      {"new york", "New York City, New York, US", {"5", "0", "74", "0", "40", "43"}, 1, 1, 0,
       "America/New_York, -5:00", 5.0, 74.0, 40.43},
      {"sao paulo", "S\u00e3o Paulo, S\u00e3o Paulo, BR", {"3", "0", "46", "38", "23", "33"}, 1, 1, 1,
       "America/Sao_Paulo, -3:00", 3.0, 46.38, -23.33},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.place);
    const Settings s;
    CLocationDlg dialog(s);
    Show(dialog);
    auto* place = dialog.findChild<QLineEdit*>(QStringLiteral("place"));
    ASSERT_NE(place, nullptr);
    place->setFocus();
    QTest::keyClicks(place, QString::fromUtf8(row.query));
    QAbstractItemView* popup = dialog.placeCompleter()->popup();
    ASSERT_TRUE(popup->isVisible());
    const QAbstractItemModel* model = popup->model();
    int found = -1;
    for (int i = 0; i < model->rowCount() && found < 0; ++i) {
      if (model->index(i, 0).data().toString().startsWith(QString::fromUtf8(row.place))) found = i;
    }
    ASSERT_GE(found, 0);
    if (const QString folder = qEnvironmentVariable("ORVANE_SHOT_DIR"); !folder.isEmpty() && &row == rows) {
      // The dialog with its open list below the place field.
      QDir().mkpath(folder);
      const QPoint at = popup->mapToGlobal(QPoint(0, 0)) - dialog.mapToGlobal(QPoint(0, 0));
      const QRect area = QRect(QPoint(0, 0), dialog.size()).united(QRect(at, popup->size()));
      QImage image(area.size(), QImage::Format_ARGB32);
      image.fill(Qt::white);
      QPainter painter(&image);
      painter.drawPixmap(-area.topLeft(), dialog.grab());
      painter.drawPixmap(at - area.topLeft(), popup->grab());
      painter.end();
      EXPECT_TRUE(image.save(folder + QStringLiteral("/location_completion.png")));
    }
    popup->setCurrentIndex(model->index(found, 0));
    QTest::keyClick(popup, Qt::Key_Return);
    EXPECT_EQ(place->text(), QString::fromUtf8(row.place));
    EXPECT_EQ(Texts(&dialog, {"zoneHours", "zoneMinutes", "longitudeDegrees", "longitudeMinutes", "latitudeDegrees",
                              "latitudeMinutes"}),
              row.fields);
    EXPECT_EQ(ComboAt(&dialog, "zoneSide"), row.zoneSide);
    EXPECT_EQ(ComboAt(&dialog, "longitudeSide"), row.longitudeSide);
    EXPECT_EQ(ComboAt(&dialog, "latitudeSide"), row.latitudeSide);
    const QString zoneLine = dialog.findChild<QLabel*>(QStringLiteral("zoneInfo"))->text();
    EXPECT_TRUE(zoneLine.startsWith(QString::fromUtf8(row.zoneLine))) << zoneLine.toStdString();
    if (const QString folder = qEnvironmentVariable("ORVANE_SHOT_DIR"); !folder.isEmpty() && &row == rows) {
      EXPECT_TRUE(dialog.grab().save(folder + QStringLiteral("/location_chosen.png")));
    }
    EXPECT_TRUE(PressOk(dialog).accepted);
    Settings out = s;
    dialog.Store(out);
    EXPECT_EQ(out.defaultZone, row.zone);
    EXPECT_EQ(out.defaultLongitude, row.longitude);
    EXPECT_EQ(out.defaultLatitude, row.latitude);
  }
}

// ---- the other preference dialogs

TEST(DaysInYearDialog, RealFrom300To400) {
  struct Row {
    const char* text;
    bool accepted;
    double stored;
  };
  // A length far from a year (0 put every dasa date at the birth date) is
  // refused with the range message.
  const Row rows[] = {{"360", true, 360},        {"365.25", true, 365.25}, {"300", true, 300},
                      {"400", true, 400},        {"0", false, 0},          {"299.99", false, 0},
                      {"400.5", false, 0},       {"1000000", false, 0},    {"-1", false, 0},
                      {"365 days", false, 0}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    const Settings s;
    CDaysInYearDlg dialog(s);
    Show(dialog);
    EXPECT_EQ(TextOf(&dialog, "days"), QStringLiteral("365.2425"));
    Type(&dialog, "days", QString::fromLatin1(row.text));
    const OkOutcome ok = PressOk(dialog);
    EXPECT_EQ(ok.accepted, row.accepted);
    Settings out = s;
    dialog.Store(out);
    if (row.accepted) {
      EXPECT_EQ(out.daysInYear, row.stored);
    } else {
      EXPECT_EQ(ok.message, QStringLiteral("Please enter a number between 300 and 400."));
      EXPECT_EQ(ok.focus, QStringLiteral("days"));
      EXPECT_EQ(out.daysInYear, s.daysInYear);
    }
  }
  // A length stored by an older version is shown in plain digits; OK asks
  // for a sensible one.
  Settings largest;
  largest.daysInYear = 1000000;
  CDaysInYearDlg dialog(largest);
  Show(dialog);
  EXPECT_EQ(TextOf(&dialog, "days"), QStringLiteral("1000000"));
  EXPECT_FALSE(PressOk(dialog).accepted);
}

TEST(ChartStyleDialog, ShowsTheStoredStyleAndStoresTheChosenOne) {
  for (int stored = 0; stored < 5; ++stored) {
    SCOPED_TRACE(stored);
    Settings s;
    s.chartStyle = stored;
    CChartStyleDlg dialog(s);
    Show(dialog);
    for (int i = 0; i < 5; ++i) {
      EXPECT_EQ(IsChecked(&dialog, QStringLiteral("style%1").arg(i).toLatin1().constData()),
                i == stored);
    }
    const int chosen = (stored + 2) % 5;
    dialog.findChild<QRadioButton*>(QStringLiteral("style%1").arg(chosen))->click();
    // The degrees in the charts: off by default, switched with the style.
    EXPECT_FALSE(IsChecked(&dialog, "degrees"));
    // "In the rasi only" goes with the degrees.
    auto* vargaDegrees = dialog.findChild<QCheckBox*>(QStringLiteral("vargaDegrees"));
    ASSERT_NE(vargaDegrees, nullptr);
    EXPECT_FALSE(vargaDegrees->isEnabled());
    dialog.findChild<QCheckBox*>(QStringLiteral("degrees"))->click();
    EXPECT_TRUE(vargaDegrees->isEnabled());
    vargaDegrees->click();
    ASSERT_TRUE(PressOk(dialog).accepted);
    dialog.Store(s);
    EXPECT_EQ(s.chartStyle, chosen);
    EXPECT_EQ(s.chartDegrees, 1);
    EXPECT_EQ(s.vargaDegrees, 1);
  }
}

TEST(UpagrahaOptionsDialog, TheKaalaChoiceIsStoredForAllFourOfItsPoints) {
  Settings s;
  s.upagrahaRising = {2, 0, 1, 0, 0, 1};  // Kaala, Mrityu, Artha Prahara, Yama Ghantaka, Mandi, Gulika
  s.dhumaRelation = 1;
  CUpagrahaOptionsDlg dialog(s);
  Show(dialog);
  EXPECT_EQ(ComboAt(&dialog, "gulika"), 1);
  EXPECT_EQ(ComboAt(&dialog, "mandi"), 0);
  EXPECT_EQ(ComboAt(&dialog, "kala"), 2);
  EXPECT_EQ(ComboAt(&dialog, "relation"), 1);
  // Storing unchanged evens out the four points.
  ASSERT_TRUE(PressOk(dialog).accepted);
  Settings same = s;
  dialog.Store(same);
  EXPECT_EQ(same.upagrahaRising, (std::array<int, 6>{2, 2, 2, 2, 0, 1}));

  CUpagrahaOptionsDlg change(s);
  Show(change);
  change.findChild<QComboBox*>(QStringLiteral("kala"))->setCurrentIndex(1);
  change.findChild<QComboBox*>(QStringLiteral("mandi"))->setCurrentIndex(2);
  change.findChild<QComboBox*>(QStringLiteral("gulika"))->setCurrentIndex(0);
  change.findChild<QComboBox*>(QStringLiteral("relation"))->setCurrentIndex(0);
  ASSERT_TRUE(PressOk(change).accepted);
  change.Store(s);
  EXPECT_EQ(s.upagrahaRising, (std::array<int, 6>{1, 1, 1, 1, 2, 0}));
  EXPECT_EQ(s.dhumaRelation, 0);
}

TEST(HoraChartDialog, AMethodBeyondTheListIsKeptUnlessOneIsChosen) {
  struct Row {
    int stored;
    int shown;  // -1: nothing selected
    int chosen; // -1: left alone
    int result;
  };
  const Row rows[] = {{0, 0, 1, 1}, {1, 1, -1, 1}, {3, -1, -1, 3}, {3, -1, 0, 0}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.stored * 10 + row.chosen);
    Settings s;
    s.horaMethod = row.stored;
    CHoraChartDlg dialog(s);
    Show(dialog);
    EXPECT_EQ(ComboAt(&dialog, "method"), row.shown);
    if (row.chosen >= 0) dialog.findChild<QComboBox*>(QStringLiteral("method"))->setCurrentIndex(row.chosen);
    ASSERT_TRUE(PressOk(dialog).accepted);
    dialog.Store(s);
    EXPECT_EQ(s.horaMethod, row.result);
  }
}

TEST(PrintPrefsDialog, StoresTheFlagsAndCountsTheItems) {
  Settings s;
  s.printItems = {1, 0, 1, 0, 0, 1};
  s.printItemCount = 3;
  CPrintPrefsDlg dialog(s);
  Show(dialog);
  EXPECT_FALSE(IsChecked(&dialog, "blackAndWhite"));
  EXPECT_TRUE(IsChecked(&dialog, "item1"));
  EXPECT_FALSE(IsChecked(&dialog, "item2"));
  EXPECT_TRUE(IsChecked(&dialog, "item6"));
  for (const char* name : {"blackAndWhite", "item1", "item2", "item4", "item5"}) {
    dialog.findChild<QCheckBox*>(QLatin1String(name))->click();
  }
  ASSERT_TRUE(PressOk(dialog).accepted);
  dialog.Store(s);
  EXPECT_EQ(s.blackAndWhite, 1);
  EXPECT_EQ(s.printItems, (std::array<int, 6>{0, 1, 1, 1, 1, 1}));
  EXPECT_EQ(s.printItemCount, 5);
}

// ---- "Enter title"

TEST(TitleDialog, OkGivesTheTitleAndCancelAbandons) {
  struct Row {
    const char* name;
    std::function<void(QWidget*)> answer;
    std::optional<QString> result;
  };
  const Row rows[] = {
      {"OK keeps the preset", [](QWidget* d) { static_cast<QDialog*>(d)->accept(); }, QStringLiteral("mychart")},
      {"typed and Enter",
       [](QWidget* d) {
         Type(d, "title", QStringLiteral("Rama's chart"));
         QTest::keyClick(Edit(d, "title"), Qt::Key_Return);
       },
       QStringLiteral("Rama's chart")},
      {"empty title", [](QWidget* d) {
         SetText(d, "title", QString());
         static_cast<QDialog*>(d)->accept();
       },
       QString()},
      {"Cancel", [](QWidget* d) { d->findChild<QPushButton*>(QStringLiteral("cancel"))->click(); }, std::nullopt},
      {"Escape", [](QWidget* d) { QTest::keyClick(d, Qt::Key_Escape); }, std::nullopt},
      {"window closed", [](QWidget* d) { d->close(); }, std::nullopt},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ModalDriver driver;
    QString caption;
    QString preset;
    driver.Then([&](QWidget* d) {
      caption = d->windowTitle();
      preset = TextOf(d, "title");
      row.answer(d);
    });
    const std::optional<QString> title = AskTitle(QStringLiteral("mychart"), nullptr);
    EXPECT_EQ(caption, QStringLiteral("Enter title"));
    EXPECT_EQ(preset, QStringLiteral("mychart"));
    EXPECT_EQ(title, row.result);
    EXPECT_EQ(driver.captions().size(), 1);  // asked once, never again
  }
}

// ---- the keyboard

// Each dialog's controls in tab order from where it opens (a radio group is
// one stop, at the button that is on), the default OK button, Return for OK
// and Escape for Cancel, and a mnemonic of a label on a fresh dialog.
TEST(DialogKeyboard, TabOrderDefaultButtonsAndMnemonics) {
  Settings s;
  s.chartStyle = 2;
  Settings swiss;
  swiss.ephemeris = 1;
  struct Row {
    const char* name;
    std::function<std::unique_ptr<QDialog>()> make;
    QStringList tabs;
    Qt::Key mnemonic;  // with Alt; Qt::Key_unknown for none
    QString mnemonicTarget;
  };
  const Row rows[] = {
      {"style", [&] { return std::make_unique<CChartStyleDlg>(s); }, {"style2", "degrees", "ok", "cancel"},
       Qt::Key_D, "style2"},
      {"ayanamsa", [&] { return std::make_unique<CAyanamsaDlg>(s); },
       {"choice0", "degrees", "minutes", "seconds", "add", "ok", "cancel"}, Qt::Key_S, "seconds"},
      {"days", [&] { return std::make_unique<CDaysInYearDlg>(s); }, {"days", "ok", "cancel"}, Qt::Key_D, "days"},
      {"lagnas", [&] { return std::make_unique<CSpecialLagnaDlg>(s); },
       {"lagnas", "dhooma", "gulika", "allPadas", "somePadas", "ok", "cancel"}, Qt::Key_S, "allPadas"},
      {"padas", [&] { return std::make_unique<CPadasDlg>(s); },
       {"pada1", "pada2", "pada3", "pada4", "pada5", "pada6", "ok", "cancel"}, Qt::Key_4, "pada4"},
      {"upagrahas", [&] { return std::make_unique<CUpagrahaOptionsDlg>(s); },
       {"gulika", "mandi", "kala", "relation", "ok", "cancel"}, Qt::Key_K, "kala"},
      {"hora", [&] { return std::make_unique<CHoraChartDlg>(s); }, {"method", "ok", "cancel"}, Qt::Key_H, "method"},
      // The node choice is closed while the classic engine is chosen.
      {"ephemeris", [&] { return std::make_unique<CEphemerisDlg>(s); }, {"engine", "ok", "cancel"}, Qt::Key_P,
       "engine"},
      {"ephemeris, swiss", [&] { return std::make_unique<CEphemerisDlg>(swiss); }, {"engine", "trueNode", "ok", "cancel"},
       Qt::Key_P, "engine"},
      {"print", [&] { return std::make_unique<CPrintPrefsDlg>(s); },
       {"blackAndWhite", "item1", "item2", "item3", "item4", "item5", "item6", "ok", "cancel"}, Qt::Key_I, "item1"},
      {"location", [&] { return std::make_unique<CLocationDlg>(s); },
       {"place", "zoneHours", "zoneMinutes", "zoneSide", "longitudeDegrees", "longitudeMinutes", "longitudeSide",
        "latitudeDegrees", "latitudeMinutes", "latitudeSide", "ok", "cancel"},
       Qt::Key_A, "latitudeDegrees"},
      {"title", [] { return std::make_unique<CTitleDlg>(QStringLiteral("Chart")); }, {"title", "ok", "cancel"},
       Qt::Key_unknown, ""},
      {"about", [] { return std::make_unique<CAboutDlg>(AppIconPixmap(64)); }, {"ok"}, Qt::Key_unknown, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    {
      std::unique_ptr<QDialog> dialog = row.make();
      Show(*dialog);
      auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("ok"));
      ASSERT_NE(ok, nullptr);
      EXPECT_TRUE(ok->isDefault());
      QStringList seen;
      for (qsizetype i = 0; i <= row.tabs.size(); ++i) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        seen << focus->objectName();
        QTest::keyClick(focus, Qt::Key_Tab);
      }
      // Round the circle and back to the start.
      EXPECT_EQ(seen, row.tabs + QStringList{row.tabs.front()});
      // Return on the first control presses OK (every preset is valid).
      QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
      EXPECT_EQ(dialog->result(), QDialog::Accepted);
      EXPECT_FALSE(dialog->isVisible());
    }
    {
      std::unique_ptr<QDialog> dialog = row.make();
      Show(*dialog);
      if (row.mnemonic != Qt::Key_unknown) {
        QTest::keyClick(QApplication::focusWidget(), row.mnemonic, Qt::AltModifier);
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), row.mnemonicTarget);
      }
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
      EXPECT_EQ(dialog->result(), QDialog::Rejected);
      EXPECT_FALSE(dialog->isVisible());
    }
  }
}

TEST(DialogKeyboard, ArrowKeysThroughTheAyanamsaChoicesFillTheirDeviations) {
  CAyanamsaDlg dialog{Settings{}};
  Show(dialog);
  ASSERT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("choice0"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  EXPECT_TRUE(IsChecked(&dialog, "choice1"));
  EXPECT_EQ(Texts(&dialog, {"degrees", "minutes", "seconds"}), QStringList({"1", "27", "0"}));
  EXPECT_TRUE(IsChecked(&dialog, "subtract"));
}

// ---- the About box

TEST(AboutDialog, NamesTheProgramItsVersionAndItsKind) {
  CAboutDlg about(AppIconPixmap(64));
  EXPECT_EQ(about.windowTitle(), QStringLiteral("About Orvane Lite...."));
  EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("name"))->text(), QStringLiteral("Orvane Lite\nVersion 3.0"));
  EXPECT_FALSE(about.findChild<QLabel*>(QStringLiteral("kind"))->text().isEmpty());
  EXPECT_FALSE(about.findChild<QLabel*>(QStringLiteral("notice"))->text().isEmpty());
  EXPECT_EQ(about.findChild<QPushButton*>(QStringLiteral("cancel")), nullptr);  // OK only
  const QString notice = about.findChild<QLabel*>(QStringLiteral("notice"))->text();
  EXPECT_TRUE(notice.contains(QStringLiteral("AGPL-3.0-or-later"))) << notice.toStdString();
  EXPECT_TRUE(notice.contains(QStringLiteral("Swiss Ephemeris"))) << notice.toStdString();
  EXPECT_FALSE(notice.contains(QStringLiteral("All rights reserved"))) << notice.toStdString();
}

// ---- the ephemeris

TEST(EphemerisDialog, TheNodeChoiceIsOpenOnlyWithTheSwissEphemerisAndKeptOtherwise) {
  struct Row {
    const char* name;
    int ephemeris, trueNode;  // stored before
    int pick;                 // engine chosen in the dialog
    bool tick;                // click the node box when it is open
    int wantEphemeris, wantTrueNode;
  };
  const Row rows[] = {
      {"classic stays, true node kept", 0, 1, 0, false, 0, 1},
      {"classic to swiss, node ticked", 0, 0, 1, true, 1, 1},
      {"swiss to classic keeps the node", 1, 1, 0, false, 0, 1},
      {"swiss, node unticked", 1, 1, 1, true, 1, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Settings start;
    start.ephemeris = row.ephemeris;
    start.trueNode = row.trueNode;
    CEphemerisDlg dialog(start);
    Show(dialog);
    auto* engine = dialog.findChild<QComboBox*>(QStringLiteral("engine"));
    auto* node = dialog.findChild<QCheckBox*>(QStringLiteral("trueNode"));
    ASSERT_NE(engine, nullptr);
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(engine->currentIndex(), row.ephemeris);
    EXPECT_EQ(node->isChecked(), row.trueNode == 1);
    EXPECT_EQ(node->isEnabled(), row.ephemeris == 1);
    engine->setCurrentIndex(row.pick);
    EXPECT_EQ(node->isEnabled(), row.pick == 1);
    if (row.tick) node->click();
    ASSERT_TRUE(PressOk(dialog).accepted);
    Settings stored = start;
    dialog.Store(stored);
    EXPECT_EQ(stored.ephemeris, row.wantEphemeris);
    EXPECT_EQ(stored.trueNode, row.wantTrueNode);
  }
}

// ---- the preference commands

class PreferenceCommandTest : public AppFixture {};

TEST_F(PreferenceCommandTest, EachCommandRewritesTheSettingsFileOrLeavesItAloneOnCancel) {
  auto accept = [](QWidget* d) { static_cast<QDialog*>(d)->accept(); };
  struct Row {
    const char* name;
    void (DesktopApp::*command)();
    std::vector<ModalDriver::Handler> answers;  // the dialogs and messages, in order
    std::function<void(Settings&)> expect;
    int recompute;  // settingsChanged(true / false); -1: not emitted (printing)
  };
  const std::vector<Row> rows = {
      {"chart style", &DesktopApp::OnChartStyle,
       {[&](QWidget* d) {
         Find<QRadioButton>(d, "style3")->click();
         accept(d);
       }},
       [](Settings& s) { s.chartStyle = 3; }, 0},
      {"ayanamsa, then the nonlinear notice", &DesktopApp::OnAyanamsa,
       {[&](QWidget* d) {
          Find<QRadioButton>(d, "choice4")->click();  // Usha-Shashi: 3° 48' 16" subtracted
          accept(d);
        },
        [](QWidget* d) { ModalDriver::Press(d); }},
       [](Settings& s) {
         s.ayanamsaChoice = 4;
         s.ayanamsaDegrees = 3;
         s.ayanamsaMinutes = 48;
         s.ayanamsaSeconds = 16;
         s.ayanamsaDirection = -1;
       },
       1},
      {"days in a year", &DesktopApp::OnDaysInYear,
       {[&](QWidget* d) {
         SetText(d, "days", QStringLiteral("360"));
         accept(d);
       }},
       [](Settings& s) { s.daysInYear = 360; }, 1},
      {"special lagnas, only some padas, then the padas", &DesktopApp::OnSpecialLagnaDisplay,
       {[&](QWidget* d) {
          Find<QCheckBox>(d, "dhooma")->click();
          Find<QCheckBox>(d, "somePadas")->click();
          accept(d);
        },
        [&](QWidget* d) {
          EXPECT_EQ(d->windowTitle(), QStringLiteral("Padas to be displayed"));
          SetText(d, "pada4", QStringLiteral("10"));
          accept(d);
        }},
       [](Settings& s) {
         s.showDhoomaGroup = 1;
         s.showAllPadas = 0;
         s.showSomePadas = 1;
         s.chosenPadas = {1, 12, 7, 10, 0, 0};
       },
       1},
      {"upagraha options", &DesktopApp::OnUpagrahaOptions,
       {[&](QWidget* d) {
         d->findChild<QComboBox*>(QStringLiteral("kala"))->setCurrentIndex(2);
         d->findChild<QComboBox*>(QStringLiteral("relation"))->setCurrentIndex(1);
         accept(d);
       }},
       [](Settings& s) {
         s.upagrahaRising = {2, 2, 2, 2, 1, 0};
         s.dhumaRelation = 1;
       },
       1},
      {"hora chart", &DesktopApp::OnHoraChart,
       {[&](QWidget* d) {
         d->findChild<QComboBox*>(QStringLiteral("method"))->setCurrentIndex(1);
         accept(d);
       }},
       [](Settings& s) { s.horaMethod = 1; }, 0},
      {"ephemeris", &DesktopApp::OnEphemeris,
       {[&](QWidget* d) {
         d->findChild<QComboBox*>(QStringLiteral("engine"))->setCurrentIndex(1);
         Find<QCheckBox>(d, "trueNode")->click();
         accept(d);
       }},
       [](Settings& s) {
         s.ephemeris = 1;
         s.trueNode = 1;
       },
       1},
      {"printing", &DesktopApp::OnPrintItems,
       {[&](QWidget* d) {
         Find<QCheckBox>(d, "item2")->click();
         Find<QCheckBox>(d, "blackAndWhite")->click();
         accept(d);
       }},
       [](Settings& s) {
         s.printItems = {1, 0, 1, 1, 1, 1};
         s.printItemCount = 5;
         s.blackAndWhite = 1;
       },
       -1},
      {"default location", &DesktopApp::OnDefaultLocation,
       {[&](QWidget* d) {
         SetText(d, "latitudeDegrees", QStringLiteral("51"));
         SetText(d, "latitudeMinutes", QStringLiteral("28"));
         d->findChild<QComboBox*>(QStringLiteral("longitudeSide"))->setCurrentIndex(0);  // E
         accept(d);
       }},
       [](Settings& s) {
         s.defaultLatitude = 51.28;
         s.defaultLongitude = -71.12;
       },
       1},
  };
  WriteSettings();
  auto app = Start();
  ASSERT_TRUE(started_);
  ASSERT_TRUE(app->settingsLoaded());
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const Settings before = app->settings();
    const QByteArray fileBefore = ReadFile(paths_.settingsFile);

    // Cancel: nothing changes, nothing is written.
    {
      QSignalSpy changed(app.get(), &DesktopApp::settingsChanged);
      ModalDriver driver;
      driver.ThenReject();
      (app.get()->*row.command)();
      EXPECT_EQ(driver.captions().size(), 1);
      EXPECT_EQ(FormatSettings(app->settings()), FormatSettings(before));
      EXPECT_EQ(ReadFile(paths_.settingsFile), fileBefore);
      EXPECT_EQ(changed.count(), 0);
    }
    // OK: the new value in memory and in the file, then the charts follow.
    QSignalSpy changed(app.get(), &DesktopApp::settingsChanged);
    ModalDriver driver;
    for (const auto& answer : row.answers) driver.Then(answer);
    (app.get()->*row.command)();
    EXPECT_TRUE(driver.finished());
    EXPECT_EQ(driver.unexpected(), 0);
    Settings expected = before;
    row.expect(expected);
    EXPECT_EQ(FormatSettings(app->settings()), FormatSettings(expected));
    Settings reread;
    ASSERT_EQ(LoadSettings(paths_.settingsFile.toStdString(), reread).status, SettingsStatus::kLoaded);
    EXPECT_EQ(FormatSettings(reread), FormatSettings(expected));
    if (row.recompute < 0) {
      EXPECT_EQ(changed.count(), 0);
    } else {
      ASSERT_EQ(changed.count(), 1);
      EXPECT_EQ(changed.first().first().toBool(), row.recompute == 1);
    }
  }
}

TEST_F(PreferenceCommandTest, CancellingThePadasKeepsTheSwitchesButNotNewPadas) {
  WriteSettings();
  auto app = Start();
  ASSERT_TRUE(started_);
  ModalDriver driver;
  driver
      .Then([](QWidget* d) {
        Find<QCheckBox>(d, "somePadas")->click();
        static_cast<QDialog*>(d)->accept();
      })
      .Then([](QWidget* d) {
        SetText(d, "pada1", QStringLiteral("5"));
        static_cast<QDialog*>(d)->reject();
      });
  app->OnSpecialLagnaDisplay();
  Settings reread;
  ASSERT_EQ(LoadSettings(paths_.settingsFile.toStdString(), reread).status, SettingsStatus::kLoaded);
  EXPECT_EQ(reread.showSomePadas, 1);
  EXPECT_EQ(reread.showAllPadas, 0);
  EXPECT_EQ(reread.chosenPadas, (std::array<int, 6>{1, 12, 7, 0, 0, 0}));
  EXPECT_EQ(driver.unexpected(), 0);
}

// ---- pictures for review

TEST(DialogPictures, EveryDialogIsWrittenAsPng) {
  QDir dir(QStringLiteral(ORVANE_BUILD_DIR));
  dir.mkpath(QStringLiteral("screenshots/dialogs"));
  Settings s;
  s.ayanamsaChoice = CAyanamsaDlg::kRaman;
  s.ayanamsaDirection = -1;
  s.ayanamsaDegrees = 1;
  s.ayanamsaMinutes = 27;
  s.showAllPadas = 0;
  s.showSomePadas = 1;
  auto save = [&](QDialog& dialog, const char* name) {
    Show(dialog);
    const QString path = dir.filePath(QStringLiteral("screenshots/dialogs/%1.png").arg(QLatin1String(name)));
    EXPECT_TRUE(dialog.grab().save(path)) << name;
    dialog.hide();
  };
  CAboutDlg about(AppIconPixmap(64));
  save(about, "100_about");
  CChartStyleDlg style(s);
  save(style, "138_chart_style");
  CTitleDlg title(QStringLiteral("Machilipatnam 1970"));
  save(title, "140_enter_title");
  CAyanamsaDlg ayanamsa(s);
  save(ayanamsa, "141_ayanamsa");
  CSpecialLagnaDlg lagnas(s);
  save(lagnas, "142_special_lagnas");
  CPadasDlg padas(s);
  save(padas, "143_padas");
  CHoraChartDlg hora(s);
  save(hora, "145_hora_chart");
  Settings swiss = s;
  swiss.ephemeris = 1;
  CEphemerisDlg ephemeris(swiss);
  save(ephemeris, "ephemeris");
  CPrintPrefsDlg print(s);
  save(print, "158_printing");
  CDaysInYearDlg days(s);
  save(days, "159_days_in_a_year");
  CLocationDlg location(s);
  save(location, "163_location");
  CUpagrahaOptionsDlg upagrahas(s);
  save(upagrahas, "170_upagraha_options");
}

}  // namespace
}  // namespace orvane::testing

namespace orvane::testing {
namespace {

// A dialog is at least as wide as its caption needs: the title bar never
// cuts "Special lagnas and upagrahas" to "Special lagna...d upagrahas".
TEST(PreferenceDialogs, AreWideEnoughForTheirCaptions) {
  const Settings s;
  CSpecialLagnaDlg lagnas(s);
  CDaysInYearDlg days(s);
  CHoraChartDlg hora(s);
  CUpagrahaOptionsDlg upagrahas(s);
  CEphemerisDlg ephemeris(s);
  for (QDialog* dialog : std::initializer_list<QDialog*>{&lagnas, &days, &hora, &upagrahas, &ephemeris}) {
    SCOPED_TRACE(dialog->windowTitle().toStdString());
    Show(*dialog);
    QFont bold = QApplication::font("QMdiSubWindowTitleBar");
    bold.setBold(true);
    // The caption, the icon and three title-bar buttons.
    EXPECT_GE(dialog->width(), QFontMetrics(bold).horizontalAdvance(dialog->windowTitle()) + 3 * 24 + 24);
    dialog->hide();
  }
}

}  // namespace
}  // namespace orvane::testing
