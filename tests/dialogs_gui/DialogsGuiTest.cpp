// The three dialogs driven as a user would: choose a city, copy the listing,
// change an option; and Cancel, which must leave the design alone.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFontDatabase>
#include <QFontDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QtTest>
#include <fstream>
#include <functional>

#include "AboutBox.h"
#include "AppIni.h"
#include "Dialogs.h"
#include "FontSubstitutions.h"
#include "InfoListing.h"
#include "InfoWindow.h"
#include "LocationDatabase.h"
#include "LocationDialog.h"
#include "MainModel.h"
#include "OptionsDialog.h"
#include "UiLanguage.h"
#include "UiServices.h"

namespace {

const std::string kDatabase = UMBRAFEX_RESOURCES_DIR;

template <typename T>
T* Indexed(QWidget* window, const char* name, int index) {
  for (T* child : window->findChildren<T*>(QString::fromLatin1(name))) {
    if (child->property("index").toInt() == index) return child;
  }
  return nullptr;
}

// Runs `step` on the modal dialog once the event loop shows it; a step that
// failed half-way still closes the dialog.
void WhenShown(std::function<void(QWidget*)> step) {
  QTimer::singleShot(0, [step] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    step(dialog);
    if (dialog->isVisible()) dialog->reject();
  });
}

void ChooseRegion(QWidget* dialog, int index) {
  auto* regions = dialog->findChild<QComboBox*>(QStringLiteral("cmbPrefs"));
  regions->setCurrentIndex(index);
  emit regions->activated(index);
}

// The texts of a window that hold a CJK character (U+3000 on), with the
// widget's name. Pop hints come from their own table; the document's font
// names and the picture's path are the design's own.
QStringList CjkTexts(QWidget* window) {
  static const QStringList kDesignData = {QStringLiteral("lblDialFont"),
                                          QStringLiteral("lblClockFont"),
                                          QStringLiteral("txtDialPicture")};
  QStringList found;
  const auto check = [&found](QWidget* widget, const QString& text) {
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x3000; }))
      found << widget->objectName() + QStringLiteral(": ") + text;
  };
  QList<QWidget*> widgets = window->findChildren<QWidget*>();
  widgets.prepend(window);
  for (QWidget* widget : widgets) {
    if (kDesignData.contains(widget->objectName())) continue;
    check(widget, widget->windowTitle());
    check(widget, widget->accessibleName());
    if (auto* label = qobject_cast<QLabel*>(widget)) check(widget, label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) check(widget, button->text());
    if (auto* group = qobject_cast<QGroupBox*>(widget)) check(widget, group->title());
    if (auto* box = qobject_cast<QLineEdit*>(widget)) {
      check(widget, box->text());
      check(widget, box->placeholderText());
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
      for (int i = 0; i < combo->count(); ++i) check(widget, combo->itemText(i));
    }
    if (auto* list = qobject_cast<QListWidget*>(widget)) {
      for (int i = 0; i < list->count(); ++i) check(widget, list->item(i)->text());
    }
  }
  return found;
}

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class DialogsGuiTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir scratch_;
  ScriptedMessages messages_;
  std::unique_ptr<ScopedUiServices> services_;

 private slots:
  void initTestCase() {
    InstallFontSubstitutions();
    SetAppIniPath(scratch_.filePath(QStringLiteral("umbrafex.ini")).toStdString());
    services_ = std::make_unique<ScopedUiServices>(&messages_);
  }
  void cleanupTestCase() {
    services_.reset();
    SetAppIniPath("");
  }
  void init() { messages_.asked.clear(); }

  void locationOkHandsThePlaceOverAndKeepsTheChoice() {
    MainModel model;
    LocationDialog dialog(nullptr, model, kDatabase);
    dialog.Load();
    ChooseRegion(&dialog, 0);
    dialog.findChild<QListWidget*>(QStringLiteral("lstCities"))->setCurrentRow(1);
    QCOMPARE(Indexed<QLineEdit>(&dialog, "txtLocation", 0)->text().isEmpty(), false);
    QTest::mouseClick(Indexed<QPushButton>(&dialog, "cmdLocation", 0), Qt::LeftButton);

    const auto cities = ReadCityFile(kDatabase, 1, CoordinateSet::Default);
    QVERIFY(dialog.Chosen());
    QCOMPARE(model.Chart().Location().Name(), "北海道" + (*cities)[1].japaneseName);
    QCOMPARE(GetIniString("LocationDialog", "SelectPref", ""), std::string("1"));
    QCOMPARE(GetIniString("LocationDialog", "SelectCity", ""), std::string("2"));
    QVERIFY(messages_.asked.empty());
  }

  void locationSearchAndDoubleClickThroughTheEntryPoint() {
    MainModel model;
    model.Chart().Location().setName("somewhere");
    model.Chart().Location().setLatitude(10);
    WhenShown([](QWidget* dialog) {
      QCOMPARE(dialog->objectName(), QStringLiteral("frmLocation"));
      QCOMPARE(dialog->windowTitle(), QStringLiteral("地域の選択"));
      dialog->findChild<QLineEdit*>(QStringLiteral("txtFilter"))->setText(QStringLiteral("明石"));
      auto* cities = dialog->findChild<QListWidget*>(QStringLiteral("lstCities"));
      QCOMPARE(cities->count(), 1);
      cities->setCurrentRow(0);
      QCOMPARE(dialog->findChild<QComboBox*>(QStringLiteral("cmbPrefs"))->currentText(),
               QStringLiteral("兵庫県"));
      // A desktop that activates items on a single click does not close it.
      emit cities->itemActivated(cities->item(0));
      QVERIFY(dialog->isVisible());
      emit cities->itemDoubleClicked(cities->item(0));
    });
    QVERIFY(ShowLocationDialog(nullptr, model));
    QCOMPARE(model.Chart().Location().Name(), std::string("兵庫県明石市"));
    QCOMPARE(model.Chart().Location().Latitude(), 34.65);
    QCOMPARE(model.Chart().Location().TimeZone(), 9.0);
    const QString saved = scratch_.filePath(QStringLiteral("akashi.ufx"));
    QCOMPARE(model.SaveDocument(saved.toStdString()), Status::Ok());
    QVERIFY(FileBytes(saved).contains("34.65"));
  }

  void locationCancelChangesNothing() {
    MainModel model;
    const std::string before = model.Chart().Location().Name();
    PutIniString("LocationDialog", "SelectPref", "28");
    WhenShown([](QWidget* dialog) {
      ChooseRegion(dialog, 0);
      Indexed<QPushButton>(dialog, "cmdLocation", 1)->click();
    });
    QVERIFY(!ShowLocationDialog(nullptr, model));
    QCOMPARE(model.Chart().Location().Name(), before);
    QCOMPARE(GetIniString("LocationDialog", "SelectPref", ""), std::string("28"));
    QVERIFY(!GetIniString("LocationDialog", "Position", "").empty());
  }

  void locationRegionWithoutCitiesKeepsTheDialogUsable() {
    QTemporaryDir folder;
    std::ofstream(folder.filePath(QStringLiteral("prefs.dat")).toStdString())
        << "1,\"A\",\"a\",\"甲県\"\r\n2,\"B\",\"b\",\"乙県\"\r\n";
    std::ofstream(folder.filePath(QStringLiteral("cities.dat")).toStdString())
        << "1,1,\"X\",\"甲市\",35,0,0,135,0,0,35,0,10,134,59,50,9,\"\"\r\n";
    PutIniString("LocationDialog", "SelectPref", "2");
    MainModel model;
    LocationDialog dialog(nullptr, model, folder.path().toStdString());
    dialog.Load();
    auto* ok = Indexed<QPushButton>(&dialog, "cmdLocation", 0);
    QCOMPARE(dialog.findChild<QListWidget*>(QStringLiteral("lstCities"))->count(), 0);
    QVERIFY(!ok->isEnabled());
    QVERIFY(dialog.findChild<QComboBox*>(QStringLiteral("cmbPrefs"))->isEnabled());
    ChooseRegion(&dialog, 0);
    QVERIFY(ok->isEnabled());
    QVERIFY(messages_.asked.empty());
    dialog.reject();
  }

  void infoCopiesTheListingAsBuilt() {
    MainModel model;
    const QString listing =
        QString::fromStdString(BuildInfoListing(model.Chart(), model.season.seasonDate.year));
    QApplication::clipboard()->setText(QStringLiteral("before"));
    WhenShown([](QWidget* window) {
      QCOMPARE(window->windowTitle(), QStringLiteral("計算条件一覧"));
      window->findChild<QPushButton*>(QStringLiteral("cmdCopy"))->click();
      window->findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
    });
    ShowInfoWindow(nullptr, model);
    QCOMPARE(QApplication::clipboard()->text(), listing);
    QVERIFY(listing.contains(QStringLiteral("\r\n")));
    QVERIFY(!GetIniString("InfoWindow", "Position", "").empty());

    InfoWindow empty(nullptr, QString());
    empty.Copy();
    QCOMPARE(QApplication::clipboard()->text(), listing);
  }

  void everyDialogSpeaksEnglishUnderEnglish() {
    // Fresh preferences, and back to the locale's language and the common
    // ones even when a check fails half-way.
    struct EnglishScope {
      explicit EnglishScope(const QTemporaryDir& scratch) : scratch_(scratch) {
        SetAppIniPath(scratch_.filePath(QStringLiteral("english.ini")).toStdString());
        InstallUiLanguage(UiLanguage::English);
      }
      ~EnglishScope() {
        InstallUiLanguage(LanguageFromLocale());
        SetAppIniPath(scratch_.filePath(QStringLiteral("umbrafex.ini")).toStdString());
      }
      const QTemporaryDir& scratch_;
    } english(scratch_);
    MainModel model;
    LocationDialog location(nullptr, model, kDatabase);
    location.Load();
    QVERIFY(location.findChild<QCheckBox*>(QStringLiteral("chkEnglish"))->isChecked());
    QCOMPARE(CjkTexts(&location), QStringList());
    OptionsDialog options(nullptr, model, {});
    QCOMPARE(CjkTexts(&options), QStringList());
    // The listing starts with the new design's place, in English too.
    InfoWindow info(nullptr, QString::fromStdString(BuildInfoListing(model.Chart(), 2026)));
    QCOMPARE(CjkTexts(&info), QStringList());
    AboutBox about(nullptr);
    QCOMPARE(CjkTexts(&about), QStringList());
    location.reject();
  }

  void optionsOkWritesEveryChangeBack() {
    MainModel model;
    OptionPickers pickers;
    pickers.pickColor = [](QWidget*, ColorRef) { return std::optional<ColorRef>(kColorGreen); };
    pickers.pickFont = [](QWidget*, const FontChoice& initial) {
      FontChoice choice = initial;
      choice.font.size = 20;
      choice.color = 0x0000ff;
      return std::optional<FontChoice>(choice);
    };
    OptionsDialog dialog(nullptr, model, pickers);
    dialog.findChild<QListWidget*>(QStringLiteral("lstDialOptions"))->setCurrentRow(3);
    Indexed<QPushButton>(&dialog, "lblDialColor", 0)->click();
    QVERIFY(!Indexed<QPushButton>(&dialog, "lblDialColor", 1)->isEnabled());
    dialog.findChild<QListWidget*>(QStringLiteral("lstDialOptions"))->setCurrentRow(7);
    dialog.findChild<QPushButton*>(QStringLiteral("lblDialFont"))->click();
    dialog.findChild<QCheckBox*>(QStringLiteral("chkMergePages"))->setChecked(false);
    dialog.findChild<QComboBox*>(QStringLiteral("cmbClockOptions"))->setCurrentIndex(1);
    dialog.findChild<QListWidget*>(QStringLiteral("lstClockOptions"))->setCurrentRow(7);
    Indexed<QPushButton>(&dialog, "lblClockColor", 0)->click();
    Indexed<QLineEdit>(&dialog, "txtTimeZone", 0)->setText(QStringLiteral("5"));
    Indexed<QLineEdit>(&dialog, "txtTimeZone", 1)->setText(QStringLiteral("30"));
    Indexed<QPushButton>(&dialog, "cmdOption", 0)->click();

    QVERIFY(dialog.Stored());
    QCOMPARE(model.dialColor.hourLine, 0x00ff00);
    QCOMPARE(model.dialInformationFont.name, std::string("ＭＳ Ｐゴシック"));
    QCOMPARE(model.dialInformationFont.size, 20.0);
    QCOMPARE(model.dialColor.informationFont, 0x0000ff);
    QCOMPARE(model.dialOption.maxPages, int16_t{2});
    QCOMPARE(model.clockNightColor.background, 0x00ff00);
    QCOMPARE(model.clockDayColor.background, kClockDayColorDefaults.background);
    QCOMPARE(model.Chart().Location().TimeZone(), 5.5);

    const QString saved = scratch_.filePath(QStringLiteral("options.ufx"));
    QCOMPARE(model.SaveDocument(saved.toStdString()), Status::Ok());
    QVERIFY(FileBytes(saved).contains("HourLine=65280"));
  }

  void optionsCancelAfterDefaultsChangesNothing() {
    MainModel model;
    model.dialOption.lineWidth = 2.5;
    model.dialTimeFont.name = "ＭＳ 明朝";
    model.Chart().Location().setTimeZone(-3.5);
    OptionPickers pickers;
    pickers.pickColor = [](QWidget*, ColorRef) { return std::optional<ColorRef>(0x123456); };
    WhenShown([](QWidget* dialog) {
      QCOMPARE(dialog->findChild<QComboBox*>(QStringLiteral("cmbPalette"))->currentIndex(), 3);
      QVERIFY(Indexed<QPushButton>(dialog, "cmdOption", 2)->isEnabled());
      QVERIFY(
          Indexed<QPushButton>(dialog, "cmdOption", 3)->isEnabled());  // the date-line page follows
      Indexed<QPushButton>(dialog, "cmdOption", 4)->click();
      QCOMPARE(dialog->findChild<QLineEdit*>(QStringLiteral("txtDialLine"))->text(),
               QStringLiteral("1.00"));
      Indexed<QPushButton>(dialog, "cmdOption", 1)->click();
    });
    QVERIFY(!ShowOptionsDialog(nullptr, model, 3));
    QCOMPARE(model.dialOption.lineWidth, 2.5);
    QCOMPARE(model.dialTimeFont.name, std::string("ＭＳ 明朝"));
    QCOMPARE(model.Chart().Location().TimeZone(), -3.5);
  }

  void optionsRefuseZonesBeyondTwelveAndBadWidths() {
    MainModel model;
    model.Chart().Location().setTimeZone(9);
    OptionsDialog dialog(nullptr, model, {});
    dialog.ShowPage(3);
    Indexed<QLineEdit>(&dialog, "txtTimeZone", 0)->setText(QStringLiteral("12"));
    Indexed<QLineEdit>(&dialog, "txtTimeZone", 1)->setText(QStringLiteral("30"));
    auto* ok = Indexed<QPushButton>(&dialog, "cmdOption", 0);
    ok->click();
    QVERIFY(!dialog.Stored());
    QCOMPARE(messages_.asked.size(), std::size_t{1});
    QCOMPARE(messages_.asked[0].text,
             QStringLiteral("-12:00以上12:00以下の時間を入力してください。"));
    QCOMPARE(messages_.asked[0].caption, QStringLiteral("オプション"));

    Indexed<QLineEdit>(&dialog, "txtTimeZone", 0)->setText(QStringLiteral("-12"));
    Indexed<QLineEdit>(&dialog, "txtTimeZone", 1)->setText(QStringLiteral("0"));
    dialog.findChild<QLineEdit*>(QStringLiteral("txtDialLine"))->setText(QStringLiteral("100"));
    ok->click();
    QVERIFY(!dialog.Stored());
    QCOMPARE(messages_.asked.back().text,
             QStringLiteral("0.0ポイント以上100.0ポイント未満の線幅を入力してください。"));
    QCOMPARE(dialog.Page(), 1);

    dialog.findChild<QLineEdit*>(QStringLiteral("txtDialLine"))->setText(QStringLiteral("0"));
    ok->click();
    QVERIFY(dialog.Stored());
    QCOMPARE(model.Chart().Location().TimeZone(), -12.0);
    QCOMPARE(model.Chart().Location().StandardMeridian(), 180.0);
    QCOMPARE(model.dialOption.lineWidth, 0.0);
  }

  void optionsRefuseTheComputersZoneBeyondTwelve() {
    const QByteArray oldTz = qgetenv("TZ");
    const bool hadTz = qEnvironmentVariableIsSet("TZ");
    qputenv("TZ", "XYZ-14");  // 14 hours east of Greenwich
    MainModel model;
    model.Chart().Location().setTimeZone(9);
    OptionsDialog dialog(nullptr, model, {});
    dialog.ShowPage(3);
    auto* hours = Indexed<QLineEdit>(&dialog, "txtTimeZone", 0);
    const QString shown = hours->text();
    dialog.findChild<QPushButton*>(QStringLiteral("cmdTimeZone"))->click();
    QCOMPARE(messages_.asked.size(), std::size_t{1});
    QCOMPARE(messages_.asked[0].text,
             QStringLiteral("-12:00以上12:00以下の時間を入力してください。"));
    QCOMPARE(hours->text(), shown);

    // The defaults take the computer's zone; OK refuses it instead of
    // closing while the chart keeps the old one.
    Indexed<QPushButton>(&dialog, "cmdOption", 4)->click();
    dialog.ShowPage(0);
    Indexed<QPushButton>(&dialog, "cmdOption", 0)->click();
    QVERIFY(!dialog.Stored());
    QCOMPARE(messages_.asked.size(), std::size_t{2});
    QCOMPARE(dialog.Page(), 3);
    QCOMPARE(model.Chart().Location().TimeZone(), 9.0);
    if (hadTz) {
      qputenv("TZ", oldTz);
    } else {
      qunsetenv("TZ");
    }
  }

  // Under Qt's Japanese texts the dialog shows the stored face (bold, not
  // the family's first, "Bold Italic"), and Escape cancels it all rather
  // than emptying it.
  void theFontDialogShowsTheStoredFaceAndEscapeCancels() {
    QTranslator japanese;
    QVERIFY(japanese.load(QLocale(QLocale::Japanese, QLocale::Japan), u"qtbase"_qs, u"_"_qs,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    QCoreApplication::installTranslator(&japanese);
    QFont shown;
    bool escapeLeftItOpen = false;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return;
      poll.stop();
      auto* fonts = dialog->findChild<QFontDialog*>();
      shown = fonts->currentFont();
      QTest::keyClick(fonts, Qt::Key_Escape);
      escapeLeftItOpen = dialog->isVisible();
      if (escapeLeftItOpen) dialog->reject();
    });
    poll.start(20);
    const FontChoice bold{{"Arial", 12, true, false, false, false}, 0};
    QVERIFY(!DesktopOptionPickers().pickFont(nullptr, bold));
    QCoreApplication::removeTranslator(&japanese);
    QVERIFY(!escapeLeftItOpen);
    QVERIFY(!shown.italic());
    if (QFontDatabase::styles(shown.family()).size() > 1) QVERIFY(shown.bold());
  }

  void aFontPickedKeepsTheDocumentsName() {
    const FontSpec document{"ＭＳ Ｐゴシック", 10, false, false, false, false};
    QFont drawn(ResolvedFontFamily(QString::fromStdString(document.name)));
    drawn.setPointSizeF(12);
    drawn.setStrikeOut(true);
    const FontSpec kept = FontSpecFromQFont(drawn, document);
    QCOMPARE(kept.name, document.name);
    QCOMPARE(kept.size, 12.0);
    QVERIFY(kept.strikethrough);
    QCOMPARE(FontSpecFromQFont(QFont(QStringLiteral("DejaVu Serif")), document).name,
             std::string("DejaVu Serif"));
  }
};

QTEST_MAIN(DialogsGuiTest)
#include "DialogsGuiTest.moc"
