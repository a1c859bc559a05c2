// The desktop program in the languages it is translated into: the
// translation files are finished and keep every argument and access key of
// their texts, the menus of every language have no access key twice, the
// astrological terms are the glossary's in every screen, the charts print
// their Indic labels as text, and the dialogs show their texts whole.
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <map>
#include <set>

#include "app/dasa_browser.h"
#include "app/language.h"
#include "app/main_frame.h"
#include "app/panchanga_window.h"
#include "computed_chart.h"
#include "dialogs/birth_data_dlg.h"
#include "dialogs/preference_dlgs.h"
#include "display/export.h"
#include "display/print_file.h"
#include "display/printing.h"
#include "display/terms.h"
#include "view_fixture.h"

namespace orvane::testing {
namespace {

QString SourceFile(const QString& relative) { return QStringLiteral(ORVANE_SOURCE_DIR "/") + relative; }

// One message of a translation file.
struct Message {
  QString context;
  QString source;
  QStringList translations;  // one, or one per plural form
  bool finished = false;
};

std::vector<Message> ReadTs(const QString& path) {
  std::vector<Message> messages;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return messages;
  QXmlStreamReader xml(&file);
  QString context;
  Message current;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement()) {
      const auto name = xml.name();
      if (name == QLatin1String("name")) {
        context = xml.readElementText();
      } else if (name == QLatin1String("message")) {
        current = Message{context, {}, {}, false};
      } else if (name == QLatin1String("source")) {
        current.source = xml.readElementText();
      } else if (name == QLatin1String("translation")) {
        const QString type = xml.attributes().value(QLatin1String("type")).toString();
        current.finished = type.isEmpty();
        current.translations.clear();
        // Plural forms are <numerusform> children; a plain text is the
        // translation itself.
        QString text;
        while (!(xml.isEndElement() && xml.name() == QLatin1String("translation")) && !xml.atEnd()) {
          xml.readNext();
          if (xml.isCharacters()) text += xml.text();
          if (xml.isStartElement() && xml.name() == QLatin1String("numerusform")) {
            current.translations << xml.readElementText();
          }
        }
        if (current.translations.isEmpty()) current.translations << text;
      }
    } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
      messages.push_back(current);
    }
  }
  EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
  return messages;
}

// The arguments of a text: %1..%99 and %n.
std::multiset<QString> Arguments(const QString& text) {
  static const QRegularExpression argument(QStringLiteral("%(\\d{1,2}|n)"));
  std::multiset<QString> found;
  for (auto it = argument.globalMatch(text); it.hasNext();) found.insert(it.next().captured(0));
  return found;
}

// The access key a text marks with "&" (0 for none; "&&" is an ampersand).
QChar AccessKey(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != QLatin1Char('&')) continue;
    if (text[i + 1] == QLatin1Char('&')) {
      ++i;
      continue;
    }
    return text[i + 1].toUpper();
  }
  return QChar();
}

QStringList TranslatedLanguages() {
  QStringList languages = AvailableLanguages();
  languages.removeAll(QStringLiteral("en"));
  return languages;
}

// The block of Unicode of each language's script; the danda and double
// danda of the Devanagari block serve Bengali too.
bool InScriptOf(const QString& language, char16_t c) {
  static const std::map<QString, std::pair<char16_t, char16_t>> kBlocks = {
      {QStringLiteral("hi"), {0x0900, 0x097f}}, {QStringLiteral("mr"), {0x0900, 0x097f}},
      {QStringLiteral("bn"), {0x0980, 0x09ff}}, {QStringLiteral("gu"), {0x0a80, 0x0aff}},
      {QStringLiteral("ta"), {0x0b80, 0x0bff}}, {QStringLiteral("te"), {0x0c00, 0x0c7f}},
      {QStringLiteral("kn"), {0x0c80, 0x0cff}}, {QStringLiteral("ml"), {0x0d00, 0x0d7f}}};
  if (c < 0x0900 || c > 0x0dff || c == 0x0964 || c == 0x0965) return true;  // not an Indic letter
  const auto& [first, last] = kBlocks.at(language);
  return c >= first && c <= last;
}

TEST(TranslationFiles, EveryLanguageIsFinishedAndKeepsArgumentsAndAccessKeys) {
  const QStringList languages = TranslatedLanguages();
  ASSERT_EQ(languages.size(), 8);
  for (const QString& language : languages) {
    SCOPED_TRACE(language.toStdString());
    const std::vector<Message> messages = ReadTs(SourceFile(QStringLiteral("translations/orvane_%1.ts").arg(language)));
    ASSERT_GT(messages.size(), 400u);
    std::size_t finished = 0;
    for (const Message& m : messages) {
      if (!m.finished) continue;
      ++finished;
      SCOPED_TRACE(m.source.toStdString());
      for (const QString& t : m.translations) {
        EXPECT_FALSE(t.trimmed().isEmpty());
        // The same arguments, each as often: a lost %1 drops a value from
        // the text, an extra one shows "%2" to the user.
        EXPECT_EQ(Arguments(t), Arguments(m.source)) << t.toStdString();
        // A text with an access key keeps one, on the same letter, so that
        // the keyboard reaches every menu entry and field in any language.
        EXPECT_EQ(AccessKey(t), AccessKey(m.source)) << t.toStdString();
        // Written in the language's own script: a text pasted into the
        // wrong language's column shows another script.
        for (const QChar c : t) EXPECT_TRUE(InScriptOf(language, c.unicode())) << t.toStdString();
      }
    }
    EXPECT_GE(finished * 100, messages.size() * 95) << finished << " of " << messages.size() << " finished";
  }
}

// The glossary: a term in every language, and the one a screen shows.
struct GlossaryRow {
  QString kind, english;
  std::map<QString, QString> terms;  // by language
};

std::vector<GlossaryRow> ReadGlossary() {
  std::vector<GlossaryRow> rows;
  QFile file(SourceFile(QStringLiteral("translations/glossary.tsv")));
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return rows;
  const QStringList header = QString::fromUtf8(file.readLine()).trimmed().split(QLatin1Char('\t'));
  while (!file.atEnd()) {
    const QStringList cells = QString::fromUtf8(file.readLine()).chopped(1).split(QLatin1Char('\t'));
    if (cells.size() < 2) continue;
    GlossaryRow row{cells[0], cells[1], {}};
    for (qsizetype i = 2; i < header.size(); ++i) row.terms[header[i]] = cells.value(i);
    rows.push_back(row);
  }
  return rows;
}

class LanguageTest : public ViewFixture {
 protected:
  void TearDown() override {
    app_.reset();
    InstallLanguage(QStringLiteral("en"));
  }

  // The start-up chart in a program whose preferences choose `language`.
  ChartView* OpenIn(const QString& language, int style = kSouthRegular, bool latin = false) {
    Settings settings;
    settings.chartStyle = style;
    settings.latinLabels = latin ? 1 : 0;
    const QByteArray code = language.toLatin1();
    std::copy(code.begin(), code.end(), settings.language.begin());
    WriteSettings(settings);
    const QString path = WriteFile(QStringLiteral("charts/default.orv"), kDefaultChart);
    app_ = Start({path});
    if (!app_ || !app_->mainFrame() || app_->mainFrame()->documents().isEmpty()) return nullptr;
    return ViewOf(*app_->mainFrame(), app_->mainFrame()->documents().last());
  }
};

TEST_F(LanguageTest, EveryScreenShowsTheGlossarysTerms) {
  const std::vector<GlossaryRow> glossary = ReadGlossary();
  ASSERT_GT(glossary.size(), 150u);
  std::set<QString> kinds;
  for (const GlossaryRow& row : glossary) {
    kinds.insert(row.kind);
    for (const QString& language : TranslatedLanguages()) {
      EXPECT_FALSE(row.terms.at(language).isEmpty()) << row.english.toStdString() << " in " << language.toStdString();
    }
  }
  for (const char* kind : {"planet", "sign", "nakshatra", "tithi", "yoga", "karana", "dasa", "varga", "bhava"}) {
    EXPECT_EQ(kinds.count(QString::fromLatin1(kind)), 1u) << kind;
  }
  // The names the screens look up by number are the glossary's, in every
  // language.
  for (const QString& language : TranslatedLanguages()) {
    SCOPED_TRACE(language.toStdString());
    ASSERT_EQ(InstallLanguage(language), language);
    std::map<QString, QString> term;
    for (const GlossaryRow& row : glossary) term[row.english] = row.terms.at(language);
    for (int code = 1; code <= 9; ++code) {
      EXPECT_EQ(GrahaTerm(code), term.at(QString::fromLatin1(std::array{"Sun", "Moon", "Mars", "Mercury", "Jupiter",
                                                                        "Venus", "Saturn", "Rahu", "Ketu"}[code - 1])));
    }
    EXPECT_EQ(SignTerm(0), term.at(QStringLiteral("Aries")));
    EXPECT_EQ(SignTerm(11), term.at(QStringLiteral("Pisces")));
    EXPECT_EQ(NakshatraTerm(0), term.at(QStringLiteral("Aswini")));
    EXPECT_EQ(NakshatraTerm(26), term.at(QStringLiteral("Revathi")));
    EXPECT_EQ(ChartTitleTerm(8), term.at(QStringLiteral("Navamsa")));
    // A diagram's labels: the language's abbreviation, its retrograde mark,
    // or the Latin label when asked for.
    EXPECT_EQ(DiagramLabel(LabelForm::kScreen, 0, 1, false), term.at(QStringLiteral("Su")));
    EXPECT_EQ(DiagramLabel(LabelForm::kScreen, 1, 3, false),
              term.at(QStringLiteral("Ma")) + term.at(QStringLiteral("(R)")));
    EXPECT_EQ(DiagramLabel(LabelForm::kScreen, 1, 3, true), QStringLiteral("MaR"));
    EXPECT_EQ(DiagramLabel(LabelForm::kBitmap, 0, 2, true), QStringLiteral("Moo"));
  }
  // English keeps the Latin labels of every form.
  InstallLanguage(QStringLiteral("en"));
  EXPECT_EQ(DiagramLabel(LabelForm::kScreen, 1, 3, false), QStringLiteral("MaR"));
  EXPECT_EQ(DiagramLabel(LabelForm::kBitmap, 1, 3, false), QStringLiteral("MarR"));
  EXPECT_EQ(DiagramLabel(LabelForm::kScreen, 0, 0, false), QStringLiteral("Asc"));
  EXPECT_EQ(GrahaTerm(5), QStringLiteral("Jupiter"));
}

// Every menu of the main window, in every language: the entries have
// their access keys, and no two entries of one menu (nor two menus of the
// bar) share one.
TEST_F(LanguageTest, NoMenuHasAnAccessKeyTwice) {
  for (const QString& language : AvailableLanguages()) {
    SCOPED_TRACE(language.toStdString());
    ASSERT_NE(OpenIn(language), nullptr);
    QMenuBar* bar = app_->mainFrame()->menuBar();
    std::vector<std::pair<QString, QList<QAction*>>> menus{{QStringLiteral("menu bar"), bar->actions()}};
    for (QAction* top : bar->actions()) {
      if (QMenu* menu = top->menu()) menus.emplace_back(top->text(), menu->actions());
    }
    if (language != QLatin1String("en")) {
      // The bar is in the language: the test reads translated menus.
      EXPECT_NE(bar->actions().value(0)->text(), QStringLiteral("&File"));
    }
    for (const auto& [title, actions] : menus) {
      std::map<QChar, QString> keys;
      for (QAction* action : actions) {
        if (action->isSeparator() || !action->isVisible() || action->text().isEmpty()) continue;
        const QChar key = AccessKey(action->text());
        if (key.isNull()) continue;
        const auto [at, added] = keys.emplace(key, action->text());
        EXPECT_TRUE(added) << title.toStdString() << ": \"" << action->text().toStdString() << "\" and \""
                           << at->second.toStdString() << "\" share " << QString(key).toStdString();
      }
    }
    app_.reset();
  }
}

// A printed chart in Hindi: the diagrams' planet names are text in the PDF
// (found by pdftotext), not pictures or boxes.
TEST_F(LanguageTest, APrintedChartHoldsTheHindiPlanetNamesAsText) {
  const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  ASSERT_EQ(InstallLanguage(QStringLiteral("hi")), QStringLiteral("hi"));
  Settings settings;
  settings.printItems = {1, 0, 0, 0, 0, 0};
  settings.printItemCount = CountPrintItems(settings);
  auto chart = testing_support::ComputedChart(settings);
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString pdf = dir.filePath(QStringLiteral("hindi.pdf"));
  ChartPrintJob job(*chart, settings);
  job.SetTitle(QStringLiteral("default"));
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pdf);
  QString error;
  ASSERT_TRUE(PrintJobToPrinter(job, printer, &error)) << error.toStdString();
  QProcess process;
  process.start(pdftotext, {pdf, QStringLiteral("-")});
  ASSERT_TRUE(process.waitForFinished(30000));
  const QString text = QString::fromUtf8(process.readAllStandardOutput());
  ASSERT_FALSE(text.isEmpty());
  // The grahas and the lagna as the Hindi charts abbreviate them (Saturn's
  // "श" is inside Venus' "शु"), a retrograde mark, and the navamsa chart's
  // name. (A vowel sign drawn before its consonant, as in "राशि", is not
  // given back by the PDF's text map; the page shows it right.)
  for (const char* name :
       {"\u0938\u0942", "\u091a\u0902", "\u092e\u0902", "\u092c\u0941", "\u0917\u0941", "\u0936\u0941", "\u0930\u093e",
        "\u0915\u0947", "\u0932", "(\u0935)", "\u0928\u0935\u092e\u093e\u0902\u0936"}) {
    EXPECT_TRUE(text.contains(QString::fromUtf8(name))) << name;
  }
  // Nothing was drawn as a box for a missing glyph.
  EXPECT_FALSE(text.contains(QChar(0xfffd)));
  EXPECT_FALSE(text.contains(QChar(0x25a1)));
  // The report's text stays English.
  EXPECT_TRUE(text.contains(QStringLiteral("Sun"))) << text.left(400).toStdString();
}

// Chart 1 as an SVG and a PNG picture in Malayalam: the SVG keeps the
// labels as text in the script (so any renderer shapes them), librsvg draws
// them, and the PNG has the diagram's ink.
TEST_F(LanguageTest, PicturesKeepTheLabelsOfTheLanguage) {
  ASSERT_EQ(InstallLanguage(QStringLiteral("ml")), QStringLiteral("ml"));
  Settings settings;
  auto chart = testing_support::ComputedChart(settings);
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString svg = dir.filePath(QStringLiteral("chart.svg")), png = dir.filePath(QStringLiteral("chart.png"));
  QString error;
  ASSERT_TRUE(WriteChartPicture(svg, *chart, settings, 0, QString(), &error)) << error.toStdString();
  ASSERT_TRUE(WriteChartPicture(png, *chart, settings, 0, QString(), &error)) << error.toStdString();
  QFile file(svg);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(file.readAll());
  // The Moon (ച), the chart's name (രാശി) and no Latin label of a graha.
  EXPECT_TRUE(text.contains(QStringLiteral(">\u0d1a<")) || text.contains(QStringLiteral(">\u0d1a ")));
  EXPECT_TRUE(text.contains(QStringLiteral("\u0d30\u0d3e\u0d36\u0d3f")));
  EXPECT_FALSE(text.contains(QStringLiteral(">Mo<")));
  const QImage picture(png);
  ASSERT_FALSE(picture.isNull());
  if (!QStandardPaths::findExecutable(QStringLiteral("rsvg-convert")).isEmpty()) {
    QProcess rsvg;
    const QString drawn = dir.filePath(QStringLiteral("rsvg.png"));
    rsvg.start(QStringLiteral("rsvg-convert"),
               {QStringLiteral("-w"), QStringLiteral("400"), QStringLiteral("-o"), drawn, svg});
    ASSERT_TRUE(rsvg.waitForFinished(60000));
    EXPECT_EQ(rsvg.exitCode(), 0);
    EXPECT_FALSE(QImage(drawn).isNull());
    const QString folder = qEnvironmentVariable("ORVANE_SHOT_DIR");
    if (!folder.isEmpty()) {
      QFile::copy(drawn, folder + QStringLiteral("/ml_chart_svg_rsvg.png"));
      QFile::copy(png, folder + QStringLiteral("/ml_chart_png.png"));
    }
  }
}

// The dialogs in the languages of the longest words, on a screen of
// 800 x 600: each fits it, and every label and button is as wide as its
// text needs.
TEST_F(LanguageTest, DialogsShowTheirTextsWholeInTamilAndMalayalam) {
  for (const QString& language : {QStringLiteral("ta"), QStringLiteral("ml")}) {
    SCOPED_TRACE(language.toStdString());
    ASSERT_EQ(InstallLanguage(language), language);
    Settings settings;
    const QStringList languages = AvailableLanguages();
    std::vector<std::unique_ptr<QDialog>> dialogs;
    dialogs.push_back(std::make_unique<CBirthDataDlg>(BirthDialogFields{}));
    dialogs.push_back(std::make_unique<CChartStyleDlg>(settings));
    dialogs.push_back(std::make_unique<CAyanamsaDlg>(settings));
    dialogs.push_back(std::make_unique<CSpecialLagnaDlg>(settings));
    dialogs.push_back(std::make_unique<CUpagrahaOptionsDlg>(settings));
    dialogs.push_back(std::make_unique<CEphemerisDlg>(settings));
    dialogs.push_back(std::make_unique<CPrintPrefsDlg>(settings));
    dialogs.push_back(std::make_unique<CLocationDlg>(settings));
    dialogs.push_back(std::make_unique<CLanguageDlg>(settings, languages, languages));
    for (const auto& dialog : dialogs) {
      SCOPED_TRACE(dialog->windowTitle().toStdString());
      dialog->show();
      QCoreApplication::processEvents();
      EXPECT_LE(dialog->width(), 800);
      EXPECT_LE(dialog->height(), 600);
      int checked = 0;
      for (QWidget* w : dialog->findChildren<QWidget*>()) {
        if (!w->isVisible()) continue;
        QString text;
        if (auto* label = qobject_cast<QLabel*>(w)) {
          if (label->wordWrap() || label->text().isEmpty()) continue;
          text = label->text();
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
          if (button->text().isEmpty()) continue;
          text = button->text();
        } else {
          continue;
        }
        ++checked;
        EXPECT_GE(w->width(), w->minimumSizeHint().width()) << "clipped: " << text.toStdString();
        EXPECT_GE(w->height(), w->minimumSizeHint().height()) << "clipped: " << text.toStdString();
      }
      EXPECT_GT(checked, 0);
    }
  }
}

// Pictures of the main window (south and north charts), the birth-data
// dialog and the dasa browser in every language, for a person to look at:
// written only when ORVANE_SHOT_DIR names a folder.
TEST_F(LanguageTest, SavePicturesForReview) {
  const QString folder = qEnvironmentVariable("ORVANE_SHOT_DIR");
  if (folder.isEmpty()) GTEST_SKIP() << "set ORVANE_SHOT_DIR to write the pictures";
  QDir().mkpath(folder);
  for (const QString& language : AvailableLanguages()) {
    for (int style : {kSouthRegular, kNorthDiamond}) {
      ChartView* view = OpenIn(language, style);
      ASSERT_NE(view, nullptr);
      CMainFrame& frame = *app_->mainFrame();
      frame.showNormal();
      frame.resize(1280, 800);
      for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
      EXPECT_TRUE(frame.grab().save(
          QStringLiteral("%1/%2_main_%3.png")
              .arg(folder, language, style == kNorthDiamond ? QStringLiteral("north") : QStringLiteral("south"))));
      if (style == kSouthRegular) {
        view->OnDasaBrowser();
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
        if (CDasaBrowser* browser = view->dasaBrowser()) {
          EXPECT_TRUE(browser->grab().save(QStringLiteral("%1/%2_dasa_browser.png").arg(folder, language)));
        }
        ModalDriver driver;
        driver.Then([&](QWidget* dialog) {
          EXPECT_TRUE(dialog->grab().save(QStringLiteral("%1/%2_birth_data.png").arg(folder, language)));
          static_cast<QDialog*>(dialog)->reject();
        });
        frame.OnEditBirthData();
        QStringList names;
        for (const QString& code : AvailableLanguages()) names << LanguageNativeName(code);
        PanchangaWindow panchanga(app_->settings(), QDate(2026, 4, 14), &frame);
        panchanga.resize(1200, 760);
        panchanga.show();
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
        EXPECT_TRUE(panchanga.grab().save(QStringLiteral("%1/%2_panchanga.png").arg(folder, language)));
        CLanguageDlg choice(Settings{}, AvailableLanguages(), names, &frame);
        choice.show();
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
        EXPECT_TRUE(choice.grab().save(QStringLiteral("%1/%2_language_dialog.png").arg(folder, language)));
      }
      app_.reset();
    }
  }
}

}  // namespace
}  // namespace orvane::testing
