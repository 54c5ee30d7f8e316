// Every window on a 1280 × 1024 screen at the scale the test is started
// with (--scale 1 or 2, set before the application starts): the whole
// window on the screen, its buttons inside it and no toolbar button folded
// away, no short list scrolled, both at the window's own size and at a
// stored size too large.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>
#include <functional>
#include <memory>

#include "../window_help/EveryWindow.h"
#include "AboutBox.h"
#include "AppIni.h"
#include "ClockWindow.h"
#include "HelpWindow.h"
#include "InfoWindow.h"
#include "LocationDialog.h"
#include "MainModel.h"
#include "MainWindow.h"
#include "OptionsDialog.h"
#include "PreviewWindow.h"
#include "WindowHooks.h"
#include "YearGraph.h"
#include "YearGraphWindow.h"

namespace {

// What does not fit, one line per fault.
QStringList Misfits(QWidget* window) {
  QStringList faults;
  const QString name = window->objectName();
  const QRect screen = window->screen()->availableGeometry();
  if (!screen.contains(window->frameGeometry())) {
    faults << u"%1: %2x%3 at %4,%5 beyond the screen %6x%7"_qs.arg(name)
                  .arg(window->frameGeometry().width())
                  .arg(window->frameGeometry().height())
                  .arg(window->x())
                  .arg(window->y())
                  .arg(screen.width())
                  .arg(screen.height());
  }
  // A short list shows every item without scrolling.
  for (QListWidget* list : window->findChildren<QListWidget*>()) {
    if (list->isVisible() && list->count() <= 12 && list->verticalScrollBar()->maximum() > 0) {
      faults << u"%1: %2 cuts its items off"_qs.arg(name, list->objectName());
    }
  }
  // A listing opens wide enough for its longest line.
  for (QPlainTextEdit* text : window->findChildren<QPlainTextEdit*>()) {
    if (text->isVisible() && text->horizontalScrollBar()->maximum() > 0) {
      faults << u"%1: %2 cuts its lines off"_qs.arg(name, text->objectName());
    }
  }
  for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
    // A window of its own (a floating dock) is checked by itself.
    if (!button->isVisible() || button->window() != window) continue;
    if (button->objectName() == u"qt_toolbar_ext_button"_qs) {
      faults << name + u": a toolbar folds buttons away"_qs;
      continue;
    }
    const QRect place(button->mapTo(window, QPoint(0, 0)), button->size());
    if (!window->rect().contains(place)) {
      faults << u"%1: %2 \"%3\" cut off"_qs.arg(name, button->objectName(), button->text());
    }
  }
  return faults;
}

}  // namespace

class WindowSizesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    SetAppIniPath(dir_.filePath(u"umbrafex.ini"_qs).toStdString());
    QCOMPARE(QGuiApplication::primaryScreen()->size() * qApp->devicePixelRatio(),
             QSize(1280, 1024));
  }
  void cleanupTestCase() { SetAppIniPath(""); }

  void EveryWindowFitsTheScreen_data() {
    QTest::addColumn<bool>("storedTooLarge");
    QTest::newRow("own size") << false;
    QTest::newRow("stored too large") << true;
  }
  void EveryWindowFitsTheScreen() {
    QFETCH(bool, storedTooLarge);
    if (storedTooLarge) {
      for (const char* section : {"PreviewWindow", "InfoWindow", "DesktopSundial"}) {
        PutIniString(section, "Position", "300, 200, 4000, 3000");
      }
    }
    MainModel model;
    QVERIFY(model.ApplySeason().ok());
    YearGraphData year;
    QVERIFY(BuildYearGraphData(model, std::chrono::year{2024} / 6 / 21, year).ok());
    const QStringList faults = FaultsOfEveryWindow(model, year, Misfits);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u"\n"_qs)));
  }

  // The main window with the dial view open, at the view's own width and at
  // a stored width far too large: the view beside the form, or on a narrow
  // screen in a window of its own, and each on the screen.
  void TheMainWindowFitsWithTheDialViewOpen() {
    for (const char* width : {"0", "5000"}) {
      PutIniString("DialView", "Visible", "True");
      PutIniString("DialView", "Width", width);
      MainModel model;
      MainWindow window(model, InstalledHooks());
      QVERIFY(window.Load());
      window.PlaceOnScreen();
      window.show();
      QVERIFY(QTest::qWaitForWindowExposed(&window));
      QDockWidget* dock = window.ViewDock();
      // A narrow screen starts without it: opened by hand, it floats.
      if (dock->isHidden()) window.findChild<QAction*>(u"mnuViewDial"_qs)->trigger();
      QTRY_VERIFY(dock->isVisible());
      QStringList faults = Misfits(&window);
      if (dock->isFloating()) faults << Misfits(dock);
      QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u"\n"_qs)));
      QVERIFY(dock->widget()->height() >= dock->widget()->minimumSizeHint().height());
    }
  }

  // The preview opens large enough to read: most of the screen's height,
  // the whole page in view.
  void ThePreviewOpensAtAUsefulSize() {
    PutIniString("PreviewWindow", "Position", "");
    MainModel model;
    QVERIFY(model.ApplySeason().ok());
    PreviewWindow window(model);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect screen = window.screen()->availableGeometry();
    QVERIFY2(window.height() >= 0.7 * screen.height(),
             qPrintable(QString::number(window.height())));
    const QRect page(window.Picture()->mapTo(&window, QPoint(0, 0)), window.Picture()->size());
    QVERIFY(window.rect().contains(page));
    // Drawn in the screen's pixels.
    QCOMPARE(window.Picture()->Page().devicePixelRatio(), window.devicePixelRatioF());
  }

 private:
  QTemporaryDir dir_;
};

// The scale comes before the application, which reads it once; the screen
// is the offscreen platform's, made 1280 × 1024 by a configuration file.
int main(int argc, char** argv) {
  std::vector<char*> args(argv, argv + argc);
  QByteArray scale = "1";
  for (std::size_t i = 1; i + 1 < args.size(); ++i) {
    if (QByteArray(args[i]) == "--scale") {
      scale = args[i + 1];
      args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                 args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
      break;
    }
  }
  QTemporaryDir config;
  const QString screens = config.filePath(u"screens.json"_qs);
  QFile file(screens);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(R"({"screens": [{"name": "test", "x": 0, "y": 0, "width": 1280, "height": 1024,
                    "logicalDpi": 96, "logicalBaseDpi": 96}]})") < 0) {
    return 1;
  }
  file.close();
  qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screens).toLocal8Bit());
  qputenv("QT_SCALE_FACTOR", scale);
  int count = static_cast<int>(args.size());
  QApplication app(count, args.data());
  WindowSizesTest test;
  return QTest::qExec(&test, count, args.data());
}

#include "WindowSizesTest.moc"
