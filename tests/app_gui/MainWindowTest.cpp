// The main window as the user drives it: typing and leaving a box, the
// messages for a wrong value, documents through the file dialogs, closing.
#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

#include "../print/EnglishTexts.h"
#include "AppIni.h"
#include "DialView.h"
#include "MainWindow.h"
#include "UiServices.h"

namespace {

QLineEdit* BoxNamed(QWidget& window, const char* name, int index) {
  for (QLineEdit* box : window.findChildren<QLineEdit*>(QString::fromLatin1(name))) {
    if (box->property("index").toInt() == index) return box;
  }
  return nullptr;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    SetAppIniPath(dir_.filePath(QStringLiteral("umbrafex.ini")).toStdString());
    model_ = std::make_unique<MainModel>();
    window_ = std::make_unique<MainWindow>(*model_, WindowHooks{});
    QVERIFY(window_->Load());
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  }
  void cleanup() {
    model_->modified = false;
    window_.reset();
    SetAppIniPath("");
  }

  void TypingALatitudeAndLeavingUpdatesTheDesign() {
    QLineEdit* degrees = BoxNamed(*window_, "txtLatitude", 0);
    QLineEdit* minutes = BoxNamed(*window_, "txtLatitude", 1);
    const QString northDiff = BoxNamed(*window_, "txtNorthDiff", 0)->text();
    Type(degrees, QStringLiteral("4a0"));  // the letter is filtered out
    minutes->setFocus();
    QCOMPARE(model_->Chart().Location().Latitude(), 40.65);
    QCOMPARE(degrees->text(), QStringLiteral("+40"));
    QVERIFY(model_->modified);
    QVERIFY(BoxNamed(*window_, "txtNorthDiff", 0)->text() != northDiff);  // the chart follows

    ScriptedMessages messages;
    ScopedUiServices services(&messages);
    Type(degrees, QStringLiteral("95"));
    minutes->setFocus();
    QTRY_VERIFY(degrees->hasFocus());
    QCOMPARE(messages.asked.size(), std::size_t{1});
    QVERIFY(messages.asked[0].text.startsWith(QStringLiteral("-89度59分59秒以上")));
    QCOMPARE(messages.asked[0].caption, QStringLiteral("Umbrafex"));
    QCOMPARE(degrees->text(), QStringLiteral("+40"));
    QCOMPARE(model_->Chart().Location().Latitude(), 40.65);
  }

  void ToolbarSaveTakesTheBoxBeingEditedAndTheTitleFollows() {
    ScriptedMessages messages;
    ScriptedFileDialogs files;
    ScopedUiServices services(&messages, &files);
    const QString path = dir_.filePath(QStringLiteral("dial.ufx"));
    files.savePaths.push_back(path);
    Type(BoxNamed(*window_, "txtLongitude", 0), QStringLiteral("140"));
    BoxNamed(*window_, "txtLongitude", 1)->setFocus();
    QTRY_VERIFY(window_->isWindowModified());
    Action("Save")->trigger();  // a toolbar button takes no focus
    QCOMPARE(model_->Chart().Location().Longitude(), 140.0);
    QCOMPARE(window_->windowTitle(), QStringLiteral("Umbrafex - [dial.ufx][*]"));
    QVERIFY(!model_->modified);
    QVERIFY(!window_->isWindowModified());
    QCOMPARE(files.asked.at(0).caption, QStringLiteral("名前を付けて保存"));
    QCOMPARE(files.asked.at(0).filter, QStringLiteral("Umbrafex設定ファイル (*.ufx)"));

    Type(BoxNamed(*window_, "txtLocation", 0), QStringLiteral("Sendai"));
    files.openPaths.push_back(path);
    messages.answers = {MessageAnswer::No};
    Action("mnuFileOpen")->trigger();
    QCOMPARE(messages.asked.at(0).caption, QStringLiteral("保存の確認"));
    QCOMPARE(BoxNamed(*window_, "txtLocation", 0)->text(), QStringLiteral("兵庫県明石市"));
    QCOMPARE(BoxNamed(*window_, "txtLongitude", 0)->text(), QStringLiteral("+140"));
  }

  void StartupWithAPathThatCannotOpenNamesIt() {
    ScriptedMessages messages;
    ScopedUiServices services(&messages);
    const QString path = dir_.filePath(QStringLiteral("my dial.txt"));
    QVERIFY(!window_->OpenAtStartup(path));
    QCOMPARE(messages.asked.at(0).text, path + QStringLiteral("を開くことができません。"));
    QCOMPARE(window_->windowTitle(), QStringLiteral("Umbrafex[*]"));
  }

  void ClosingWithUnsavedChangesCanBeCancelled() {
    ScriptedMessages messages;
    ScopedUiServices services(&messages);
    Type(BoxNamed(*window_, "txtLatitude", 0), QStringLiteral("41"));
    messages.answers = {MessageAnswer::Cancel};
    QVERIFY(!window_->close());  // the close box validates the edit first
    QCOMPARE(messages.asked.size(), std::size_t{1});
    QVERIFY(window_->isVisible());
    QCOMPARE(model_->Chart().Location().Latitude(), 41.65);
  }

  void AFailedLoadReportsAndAPlaceOffScreenComesBack() {
    MainModel broken;
    broken.season.adjustEquation = true;
    broken.season.seasonDate = {2026, 13, 1};
    MainWindow window(broken, WindowHooks{});
    QVERIFY(!window.Load());
    QVERIFY(!broken.lastError.description.empty());

    model_->mainWindow.left = 50000;
    window_->PlaceOnScreen();
    QCOMPARE(window_->pos(), QGuiApplication::primaryScreen()->availableGeometry().topLeft());
    window_->RememberPlacement();
    QCOMPARE(model_->mainWindow.left, 50000.0);  // written back as it was
  }

  void ShownValuesAreReachedByTheirLabelsMnemonics() {
    QTest::keyClick(window_.get(), Qt::Key_I, Qt::AltModifier);
    QTRY_VERIFY(BoxNamed(*window_, "txtTimeDiff", 0)->hasFocus());
  }

  // A finished export says so in the first status panel.
  void AnExportReportsInTheStatusBar() {
    ScriptedMessages messages;  // the output checks' questions, answered yes
    messages.answers.assign(4, MessageAnswer::Yes);
    ScopedUiServices services(&messages);
    WindowHooks hooks;
    hooks.exportPages = [](QWidget*, MainModel&, int16_t) { return u"/tmp/dial.pdf"_qs; };
    MainWindow window(*model_, hooks);
    QVERIFY(window.Load());
    window.findChild<QAction*>(u"mnuFileExport"_qs)->trigger();
    const QList<QLabel*> panel =
        window.findChild<QWidget*>(u"sbrPanel0"_qs)->findChildren<QLabel*>();
    QCOMPARE(panel.value(1)->text(), u"dial.pdf に書き出しました"_qs);
  }

  // The choice waits for the next start and is told in the language chosen.
  void TheLanguageMenuKeepsTheChoiceForTheNextStart() {
    ScriptedMessages messages;
    ScopedUiServices services(&messages);
    QVERIFY(Action("mnuHelpLanguageJapanese")->isChecked());
    Action("mnuHelpLanguageEnglish")->trigger();
    QCOMPARE(model_->language, std::string("en"));
    QCOMPARE(messages.asked.size(), std::size_t{1});
    QCOMPARE(messages.asked[0].text, u"The language changes when Umbrafex starts again."_qs);
    Action("mnuHelpLanguageJapanese")->trigger();  // the running one: nothing to wait for
    QCOMPARE(model_->language, std::string("ja"));
    QCOMPARE(messages.asked.size(), std::size_t{1});

    const EnglishTexts english;
    MainWindow window(*model_, WindowHooks{});
    auto* japanese = window.findChild<QAction*>(u"mnuHelpLanguageJapanese"_qs);
    QVERIFY(!japanese->isChecked());
    QCOMPARE(japanese->text(), u"日本語"_qs);
    model_->language.clear();
    japanese->trigger();
    QCOMPARE(messages.asked.size(), std::size_t{2});
    QCOMPARE(messages.asked[1].text, u"言語は Umbrafex を次に起動したときに切り替わります。"_qs);
  }

  // Under English no caption, item, tip or name shows a Japanese word but
  // the language menu's own "日本語"; the boxes hold the design's values.
  void UnderEnglishTheWindowShowsNoJapanese() {
    const EnglishTexts english;
    MainWindow window(*model_, WindowHooks{});
    QVERIFY(window.Load());
    QStringList texts{window.windowTitle()};
    for (QWidget* widget : window.findChildren<QWidget*>()) {
      texts << widget->accessibleName() << widget->toolTip()
            << widget->property("title").toString();
      if (!qobject_cast<QLineEdit*>(widget)) texts << widget->property("text").toString();
      if (auto* list = qobject_cast<QComboBox*>(widget)) {
        for (int i = 0; i < list->count(); ++i) texts << list->itemText(i);
      }
    }
    for (QAction* action : window.findChildren<QAction*>()) {
      if (action->objectName() != u"mnuHelpLanguageJapanese"_qs)
        texts << action->text() << action->toolTip();
    }
    for (const QString& text : texts) QVERIFY2(!HasJapanese(text), qPrintable(text));
    QCOMPARE(BoxNamed(window, "txtLatitude", 0)->accessibleName(), u"Latitude, degrees"_qs);
    QCOMPARE(BoxNamed(window, "txtPlaneFacing", 0)->accessibleName(), u"Facing, degrees"_qs);
    QCOMPARE(BoxNamed(window, "txtPlaneTilt", 0)->accessibleName(),
             u"Tilt from horizontal, degrees"_qs);
    QCOMPARE(window.findChild<QComboBox*>(u"cmbPlane"_qs)->accessibleName(), u"Dial plane"_qs);
  }

  // The list enables the boxes its choice lets the user type into; the
  // wall measured comes in as a vertical dial facing that way.
  void ThePlaneListAndTheMeasuredWall() {
    WindowHooks hooks;
    hooks.measureWall = [](QWidget*, const MainModel&) { return std::optional<double>(160.2); };
    MainWindow window(*model_, hooks);
    QVERIFY(window.Load());
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QLineEdit* facing = BoxNamed(window, "txtPlaneFacing", 0);
    QLineEdit* tilt = BoxNamed(window, "txtPlaneTilt", 0);
    auto* plane = window.findChild<QComboBox*>(u"cmbPlane"_qs);
    QVERIFY(!facing->isEnabled() && !tilt->isEnabled());
    QTest::keyClick(&window, Qt::Key_K, Qt::AltModifier);  // 種類(K)
    QTRY_VERIFY(plane->hasFocus());
    QTest::keyClick(plane, Qt::Key_Down);
    QCOMPARE(plane->currentIndex(), 1);
    QVERIFY(facing->isEnabled() && !tilt->isEnabled());
    QCOMPARE(facing->text(), u"180"_qs);
    QCOMPARE(tilt->text(), u"90"_qs);

    QTest::keyClick(plane, Qt::Key_Down);
    QTest::keyClick(plane, Qt::Key_Down);
    QTest::keyClick(plane, Qt::Key_Down);  // custom
    QVERIFY(facing->isEnabled() && tilt->isEnabled());
    window.findChild<QPushButton*>(u"cmdMeasureWall"_qs)->click();
    QCOMPARE(plane->currentIndex(), 1);
    QCOMPARE(facing->text(), u"160.2"_qs);
    QVERIFY(!tilt->isEnabled());
    QCOMPARE(window.findChild<QLabel*>(u"lblPlaneCompass"_qs)->text(), u"南南東"_qs);
    QVERIFY(window.isWindowModified());
  }

  // The dial view takes each character typed once the value is good, the
  // form's choices, and keeps whether it is shown for the next start.
  void TheDialViewFollowsTheFormAndKeepsItsShownState() {
    const DialViewModel& view = window_->View()->Model();
    // The test screen is narrow: the view starts hidden, and opens by hand.
    if (window_->ViewDock()->isHidden()) Action("mnuViewDial")->trigger();
    QVERIFY(!window_->ViewDock()->isHidden());
    const double latitude = model_->Chart().Location().Latitude();
    QLineEdit* degrees = BoxNamed(*window_, "txtLatitude", 0);
    Type(degrees, u"-"_qs);
    QCOMPARE(view.Design().Chart().Location().Latitude(), latitude);
    QTest::keyClicks(degrees, u"4"_qs);
    QVERIFY(view.Design().Chart().Location().Latitude() < -4);
    QCOMPARE(model_->Chart().Location().Latitude(), latitude);  // until the box is left
    auto* plane = window_->findChild<QComboBox*>(u"cmbPlane"_qs);
    plane->setFocus();
    QTest::keyClick(plane, Qt::Key_Down);
    QCOMPARE(view.Design().dialPlane.tilt, 90.0);
    QCOMPARE(view.Design().Chart().Location().Latitude(), model_->Chart().Location().Latitude());

    // The slider steps ten minutes, a page an hour.
    auto* slider = window_->findChild<QSlider*>(u"trkDialViewTime"_qs);
    QCOMPARE(slider->accessibleName(), u"時刻"_qs);
    QCOMPARE(slider->singleStep(), 10);
    QCOMPARE(slider->pageStep(), 60);

    const int wide = window_->width();
    Action("mnuViewDial")->trigger();
    QVERIFY(window_->ViewDock()->isHidden());
    if (!window_->ViewDock()->isFloating()) QVERIFY(window_->width() < wide);
    window_->RememberPlacement();
    MainWindow again(*model_, WindowHooks{});
    QVERIFY(again.Load());
    QVERIFY(again.ViewDock()->isHidden());
    QVERIFY(!again.findChild<QAction*>(u"mnuViewDial"_qs)->isChecked());
  }

  void CommandsWithoutTheirWindowStayDisabled() {
    QVERIFY(!Action("Print")->isEnabled());
    QVERIFY(!Action("mnuToolOption")->isEnabled());
    QVERIFY(Action("mnuFileOpen")->isEnabled());
    QVERIFY(window_->findChild<QWidget*>(QStringLiteral("txtLabelTImeDiff")) != nullptr);
  }

 private:
  void Type(QLineEdit* box, const QString& text) {
    box->setFocus();
    QTRY_VERIFY(box->hasFocus());
    QCoreApplication::processEvents();
    box->selectAll();
    QTest::keyClicks(box, text);
  }
  QAction* Action(const char* name) {
    return window_->findChild<QAction*>(QString::fromLatin1(name));
  }

  QTemporaryDir dir_;
  std::unique_ptr<MainModel> model_;
  std::unique_ptr<MainWindow> window_;
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
