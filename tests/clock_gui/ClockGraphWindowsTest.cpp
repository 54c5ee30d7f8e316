// The desktop sundial and year graph windows on the offscreen platform.
// With UMBRAFEX_SCREENSHOT_DIR set, the pictures looked at are kept there.
#include <QAbstractButton>
#include <QAction>
#include <QContextMenuEvent>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QSet>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>

#include "../print/EnglishTexts.h"
#include "AppIni.h"
#include "ClockPictureView.h"
#include "ClockWindow.h"
#include "GuiSession.h"
#include "MainModel.h"
#include "UiServices.h"
#include "YearGraphWindow.h"

namespace {

using namespace std::chrono;

// UTC for a standard time in zone +9.
sys_seconds Utc(int y, unsigned m, unsigned d, int hour, int minute) {
  return sys_days(year_month_day(year(y), month(m), day(d))) + hours(hour - 9) + minutes(minute);
}

int ColourCount(const QImage& image) {
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); y += 3) {
    for (int x = 0; x < image.width(); x += 3) colours.insert(image.pixel(x, y));
  }
  return colours.size();
}

void Keep(QWidget* widget, const QString& name) {
  const QString folder = qEnvironmentVariable("UMBRAFEX_SCREENSHOT_DIR");
  if (!folder.isEmpty()) widget->grab().save(folder + "/" + name + ".png");
}

// What a window shows in words: title, labels, buttons and actions.
QStringList TextsOf(const QWidget& window) {
  QStringList texts{window.windowTitle()};
  for (const auto* label : window.findChildren<QLabel*>()) texts << label->text();
  for (const auto* button : window.findChildren<QAbstractButton*>()) texts << button->text();
  for (const auto* action : window.findChildren<QAction*>()) texts << action->text();
  return texts;
}

}  // namespace

class ClockGraphWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    EnsureGuiSession();
    SetAppIniPath((ini_.path() + "/umbrafex.ini").toStdString());
  }
  void cleanupTestCase() { SetAppIniPath(""); }

  void init() {
    main_ = std::make_unique<MainModel>();
    main_->Chart().setLeapYear(false);
    main_->Chart().Location().setTimeZone(9);
    main_->season.adjustEquation = true;
    main_->season.seasonDate = {2026, 6, 21};
  }

  void clockOpensDrawnAndFollowsTheTrackBar() {
    utc_ = Utc(2026, 6, 21, 14, 0);
    ClockWindow window(*main_, nullptr, [this] { return utc_; });
    QVERIFY(window.Open());
    window.resize(360, 420);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* picture = window.findChild<ClockPictureView*>("picClock");
    auto* track = window.findChild<QSlider*>("trkClock");
    QVERIFY(picture && track);
    QCOMPARE(window.Model().Mode(), ClockMode::Free);
    QVERIFY(track->isEnabled());

    const QImage atTwo = picture->grab().toImage();
    QVERIFY(ColourCount(atTwo) > 3);  // drawn at once, not blank
    Keep(&window, "clock-day");
    track->setValue(9 * 60);
    QCOMPARE(window.Model().Track().position, 540);
    const QImage atNine = picture->grab().toImage();
    QVERIFY(atNine != atTwo);
    track->setValue(22 * 60);
    Keep(&window, "clock-night");

    // The real-time command takes the present and disables the track bar;
    // the thumb stands on the present hour again.
    window.findChild<QAction*>("mnuPopupReal")->trigger();
    QCOMPARE(window.Model().Mode(), ClockMode::RealTime);
    QVERIFY(!track->isEnabled());
    QCOMPARE(track->value(), window.Model().Track().position);
    Keep(&window, "clock-real-time");

    // A right click on the picture opens the mode menu, not the dialog's
    // "What's This?": Real, Free and Exit.
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(20, 20),
                            picture->mapToGlobal(QPoint(20, 20)));
    QApplication::sendEvent(picture, &click);
    auto* menu = window.findChild<QMenu*>("mnuPopup");
    QTRY_VERIFY(menu->isVisible());
    QStringList items;
    for (QAction* action : menu->actions()) items << action->text();
    QCOMPARE(items, (QStringList{"現在時刻", "自由設定", "", "閉じる"}));
    menu->close();
  }

  void clockKeepsItsDialRoundWhenResized() {
    utc_ = Utc(2026, 6, 21, 10, 0);
    ClockWindow window(*main_, nullptr, [this] { return utc_; });
    QVERIFY(window.Open());
    window.resize(600, 360);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* picture = window.findChild<ClockPictureView*>("picClock");
    const QImage image = picture->grab().toImage();
    Keep(&window, "clock-wide");
    QCOMPARE(picture->Picture().Image().size(), picture->size() * picture->devicePixelRatioF());
    // The outer ring (its blue band) stands as far from both sides, and its
    // width is no more than the height: round, not stretched.
    const int y = image.height() / 2;
    auto ring = [&](int x) {
      const QColor c = image.pixelColor(x, y);
      return c.blue() > 200 && c.red() < 180;
    };
    int left = 0;
    while (left < image.width() && !ring(left)) ++left;
    int right = image.width() - 1;
    while (right > 0 && !ring(right)) --right;
    QVERIFY(std::abs(left - (image.width() - 1 - right)) <= 2);
    QVERIFY(right - left < image.height());
  }

  void polarNightOpensInRealTime() {
    main_->Chart().Location().setLatitude(80);
    main_->season.seasonDate = {2026, 12, 21};
    utc_ = Utc(2026, 12, 21, 12, 0);
    ClockWindow window(*main_, nullptr, [this] { return utc_; });
    QVERIFY(window.Open());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.Model().Mode(), ClockMode::RealTime);
    window.findChild<QAction*>("mnuPopupFree")->trigger();
    QVERIFY(!window.findChild<QSlider*>("trkClock")->isEnabled());
    Keep(&window, "clock-polar-night");
  }

  // A failing picture is said once, with the window's caption, and the
  // timer stops instead of failing again every second.
  void clockFailuresAreShownOnceAndStopTheTimer() {
    main_->season.adjustEquation = false;
    utc_ = Utc(2026, 6, 21, 10, 0);
    ScriptedMessages messages;
    ScopedUiServices services(&messages);
    ClockWindow window(*main_, nullptr, [this] { return utc_; });
    QVERIFY(window.Open());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.TimerRunning());
    ClockRoutines broken;
    broken.dialRings = [](DialDesign design, ClockView&, const DialLayout&, double) {
      return design.errors.Record(5, "mdlDraw.DrawDialRings", "broken");
    };
    window.Model().UseRoutines(broken);
    utc_ += minutes(1);
    window.findChild<QTimer*>("tmrClock")->setInterval(5);
    QTRY_COMPARE(messages.asked.size(), size_t(1));
    QCOMPARE(messages.asked[0].caption, QString("デスクトップ日時計"));
    QCOMPARE(messages.asked[0].text, QString("broken"));
    QVERIFY(!window.TimerRunning());
    window.resize(window.width() + 40, window.height());
    QTest::qWait(20);
    QCOMPARE(messages.asked.size(), size_t(1));
  }

  void graphShowsTheYearAndSaves() {
    YearGraphData data;
    QCOMPARE(BuildYearGraphData(*main_, year(2026) / 3 / 5, data), Status::Ok());
    ScriptedMessages messages;
    ScriptedFileDialogs files;
    ScopedUiServices services(&messages, &files);
    main_->lastDir = ini_.path().toStdString();
    YearGraphWindow window(*main_, std::move(data));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* graph = window.findChild<YearGraphView*>("picGraph");
    QVERIFY(ColourCount(graph->grab().toImage()) > 4);
    const double x = YearGraphLayout(graph->rect(), 365).XOfDay(183);
    QTest::mouseMove(graph, QPoint(qRound(x), graph->height() / 2));
    QTRY_COMPARE(graph->HoverDay(), std::optional<int>(183));
    Keep(&window, "graph");

    files.savePaths = {ini_.path() + "/year"};
    window.SaveCommand();
    QCOMPARE(files.asked.at(0).initialPath, ini_.path() + "/均時差・太陽赤緯のグラフ.png");
    QVERIFY(QFile::exists(ini_.path() + "/year.png"));
    QVERIFY(messages.asked.empty());
  }

  void englishWindowsShowNoJapanese() {
    const EnglishTexts english;
    utc_ = Utc(2026, 6, 21, 14, 0);
    ClockWindow clock(*main_, nullptr, [this] { return utc_; });
    QVERIFY(clock.Open());
    clock.show();
    QVERIFY(QTest::qWaitForWindowExposed(&clock));
    const QStringList clockTexts = TextsOf(clock);
    QVERIFY(!clockTexts.filter(QRegularExpression("^Time shown: .* / Mode: ")).isEmpty());
    for (const QString& text : clockTexts) QVERIFY2(!HasJapanese(text), qPrintable(text));
    Keep(&clock, "clock-english");

    YearGraphData data;
    QCOMPARE(BuildYearGraphData(*main_, year(2026) / 3 / 5, data), Status::Ok());
    const QString readout = YearGraphReadout(data, 64);
    QVERIFY2(readout.startsWith("March 5  Equation of time -12.0 min  Solar declination -6.1") &&
                 readout.endsWith("°"),
             qPrintable(readout));
    YearGraphWindow graph(*main_, std::move(data));
    graph.show();
    QVERIFY(QTest::qWaitForWindowExposed(&graph));
    QCOMPARE(graph.windowTitle(), QString("Equation of Time and Solar Declination"));
    for (const QString& text : TextsOf(graph)) QVERIFY2(!HasJapanese(text), qPrintable(text));
    Keep(&graph, "graph-english");
  }

 private:
  QTemporaryDir ini_;
  std::unique_ptr<MainModel> main_;
  sys_seconds utc_{};
};

QTEST_MAIN(ClockGraphWindowsTest)
#include "ClockGraphWindowsTest.moc"
