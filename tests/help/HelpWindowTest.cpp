// The help window, the about box and the pop-hint table, on the offscreen platform.
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "AboutBox.h"
#include "HelpWindow.h"
#include "PopHints.h"
#include "UiLanguage.h"

class HelpWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void EveryPageAndLinkExists();
  void TopicsLeadToTheirPages();
  void OneWindowFollowsLinksAndHistory();
  void HelpFromAModalDialogIsNotBlocked();
  void AboutBoxShowsTheVersion();
  void PopHintsCoverEveryListedControl();
  void IndexedControlsShareOrOwnTheirHints();
  void EnglishHelpAndHintsHaveNoJapanese();
};

void HelpWindowTest::EveryPageAndLinkExists() {
  // Broken links inside the help are the fault users meet first.
  static const QRegularExpression link(QStringLiteral("(?:href|src)=\"(?![a-z]+:)([^\"#]+)"));
  for (const HelpPage& page : HelpContents()) {
    QFile file(QStringLiteral(":/umbrafex/help/") + page.file);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(page.file));
    const QString html = QString::fromUtf8(file.readAll());
    QVERIFY2(html.contains(QStringLiteral("<title>")), qPrintable(page.file));
    for (const auto& match : link.globalMatch(html)) {
      const QString target = QStringLiteral(":/umbrafex/help/") + match.captured(1);
      QVERIFY2(QFile::exists(target), qPrintable(page.file + " -> " + match.captured(1)));
    }
  }
}

void HelpWindowTest::TopicsLeadToTheirPages() {
  QCOMPARE(HelpTopicUrl("design").fileName(), QStringLiteral("design.html"));
  QCOMPARE(HelpTopicUrl("print.html#x").fragment(), QStringLiteral("x"));
  QCOMPARE(HelpTopicUrl("frmPreview").fileName(), QStringLiteral("preview.html"));
  QCOMPARE(HelpTopicUrl("no-such-page").fileName(), QStringLiteral("index.html"));
  QCOMPARE(HelpTopicUrl("../etc/passwd").fileName(), QStringLiteral("index.html"));
}

void HelpWindowTest::OneWindowFollowsLinksAndHistory() {
  QWidget main;
  main.setObjectName("frmMain");
  ShowHelpContents(&main);
  auto* window = main.findChild<HelpWindow*>("frmHelp");
  QVERIFY(window != nullptr && window->isVisible());
  auto* browser = window->findChild<QTextBrowser*>("txtHelp");
  auto* contents = window->findChild<QListWidget*>("lstContents");
  auto* back = window->findChild<QToolButton*>("cmdBack");
  QVERIFY(!browser->toPlainText().isEmpty());

  ShowHelpTopic(&main, "clock");
  QCOMPARE(main.findChildren<HelpWindow*>().size(), 1);
  QCOMPARE(contents->currentItem()->text(), HelpContents().at(contents->currentRow()).title);
  QCOMPARE(HelpContents().at(contents->currentRow()).file, QStringLiteral("clock.html"));
  QVERIFY(back->isEnabled());

  emit browser->anchorClicked(QUrl("equation.html"));
  QCOMPARE(window->CurrentPage().fileName(), QStringLiteral("equation.html"));
  back->click();
  QCOMPARE(window->CurrentPage().fileName(), QStringLiteral("clock.html"));

  contents->setCurrentRow(1);
  QCOMPARE(window->CurrentPage().fileName(), HelpContents().at(1).file);
  window->findChild<QToolButton*>("cmdHome")->click();
  QCOMPARE(window->CurrentPage().fileName(), QStringLiteral("index.html"));
  window->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window));
  QTest::keyClick(browser, Qt::Key_Escape);
  QVERIFY(!window->isVisible());
}

void HelpWindowTest::HelpFromAModalDialogIsNotBlocked() {
  QWidget main;
  ShowHelpContents(&main);
  auto* window = main.findChild<HelpWindow*>("frmHelp");
  QVERIFY(window != nullptr);
  QDialog dialog(&main);
  bool underDialog = false;
  QTimer::singleShot(0, &dialog, [&] {
    ShowHelpTopic(&dialog, "options");
    underDialog = window->parentWidget() == &dialog;
    dialog.reject();
  });
  dialog.exec();
  QVERIFY(underDialog);
  // Handed back when the dialog closes, so it outlives it.
  QCOMPARE(window->parentWidget(), &main);
  QCOMPARE(window->CurrentPage().fileName(), QStringLiteral("options.html"));
}

void HelpWindowTest::AboutBoxShowsTheVersion() {
  QCOMPARE(AboutVersionText(), QStringLiteral("Version 3.04"));
  AboutBox box;
  QCOMPARE(box.objectName(), QStringLiteral("frmAbout"));
  auto* product = box.findChild<QLabel*>("lblProduct");
  QVERIFY(product->text().contains("Umbrafex Version 3.04"));
  QVERIFY(box.findChild<QLabel*>("lblCredits")->text().contains("GeoNames"));
}

void HelpWindowTest::PopHintsCoverEveryListedControl() {
  QFile file(QStringLiteral(UMBRAFEX_RESOURCES_DIR "/help/pophints.tsv"));
  QVERIFY(file.open(QIODevice::ReadOnly));
  int listed = 0;
  for (const QByteArray& line : file.readAll().split('\n')) {
    if (line.isEmpty() || line.startsWith('#')) continue;
    const QList<QByteArray> fields = line.split('\t');
    QVERIFY2(fields.size() == 2 && !fields[1].trimmed().isEmpty(), line.constData());
    const QString key = QString::fromUtf8(fields[0]);
    QVERIFY2(!PopHintText(key.section('.', 0, 0), key.section('.', 1)).isEmpty(), qPrintable(key));
    ++listed;
  }
  QVERIFY(listed > 100);
  for (const char* key :
       {"frmMain.txtLatitude", "frmMain.optTimeSystem_0", "frmMain.mnuHelpTopic",
        "frmPreview.picPreview", "frmClock.picClock", "frmLocation.txtFilter", "frmInfo.cmdCopy",
        "frmOption.cmbPalette", "frmGraph.cmdSave", "frmHelp.lstContents"}) {
    const QString k = QString::fromLatin1(key);
    QVERIFY2(!PopHintText(k.section('.', 0, 0), k.section('.', 1)).isEmpty(), key);
  }
}

void HelpWindowTest::IndexedControlsShareOrOwnTheirHints() {
  QWidget window;
  window.setObjectName("frmMain");
  auto named = [&](const char* name) {
    auto* w = new QWidget(&window);
    w->setObjectName(name);
    return w;
  };
  QWidget* seconds = named("txtLatitude_2");
  QWidget* trueSolar = named("optTimeSystem_0");
  QWidget* meanTime = named("optTimeSystem1");
  ApplyPopHints(&window);
  QCOMPARE(seconds->whatsThis(), PopHintText("frmMain", "txtLatitude"));
  QVERIFY(!trueSolar->whatsThis().isEmpty());
  QVERIFY(trueSolar->whatsThis() != meanTime->whatsThis());
  QCOMPARE(meanTime->whatsThis(), PopHintText("frmMain", "optTimeSystem_1"));
}

namespace {

// Japanese script or full-width forms, apart from the language's own name.
bool HasJapanese(QString text) {
  static const QRegularExpression cjk(QStringLiteral("[\\x{3000}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
  return text.remove(QStringLiteral("日本語")).contains(cjk);
}

QString ResourceText(const QUrl& url) {
  QFile file(QLatin1Char(':') + url.path());
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList HintKeys(const QString& table) {
  QStringList keys;
  for (const QString& line : ResourceText(QUrl(table)).split(u'\n'))
    if (!line.startsWith(u'#') && line.contains(u'\t')) keys << line.section(u'\t', 0, 0);
  return keys;
}

}  // namespace

void HelpWindowTest::EnglishHelpAndHintsHaveNoJapanese() {
  const auto restore = qScopeGuard([] { InstallUiLanguage(LanguageFromLocale()); });
  InstallUiLanguage(UiLanguage::English);
  // Every page, the files it uses and the pages it links to, with their anchors.
  static const QRegularExpression link(QStringLiteral("(?:href|src)=\"(?![a-z]+:)([^\"]+)\""));
  for (const HelpPage& page : HelpContents()) {
    const QUrl url = HelpTopicUrl(page.file);
    QCOMPARE(url.fileName(), page.file);
    const QString html = ResourceText(url);
    QVERIFY2(!HasJapanese(html) && !HasJapanese(page.title), qPrintable(url.toString()));
    QVERIFY2(html.contains(u"<title>"_qs + page.title + u"</title>"_qs), qPrintable(page.title));
    for (const auto& match : link.globalMatch(html)) {
      const QUrl target = url.resolved(QUrl(match.captured(1)));
      const QString text = ResourceText(target);
      const QString where = page.file + " -> " + match.captured(1);
      QVERIFY2(!text.isEmpty() && !HasJapanese(text), qPrintable(where));
      if (target.hasFragment())
        QVERIFY2(text.contains(u"id=\""_qs + target.fragment() + u'"'), qPrintable(where));
    }
  }
  const QStringList keys = HintKeys(u"/umbrafex/help/pophints.tsv"_qs);
  QCOMPARE(HintKeys(u"/umbrafex/help/en/pophints.tsv"_qs), keys);
  for (const QString& key : keys) {
    const QString hint = PopHintText(key.section(u'.', 0, 0), key.section(u'.', 1));
    QVERIFY2(!hint.isEmpty() && !HasJapanese(hint), qPrintable(key));
  }
  // Japanese keeps the pages and hints it always had.
  InstallUiLanguage(UiLanguage::Japanese);
  QCOMPARE(HelpTopicUrl(u"design"_qs).path(), u"/umbrafex/help/design.html"_qs);
  QVERIFY(HasJapanese(PopHintText(u"frmMain"_qs, u"txtLatitude"_qs)));
  QCOMPARE(HelpContents().first().title, u"はじめに"_qs);
}

QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
