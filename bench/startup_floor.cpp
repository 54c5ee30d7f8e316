// The start-up floor: a bare main window with a menu bar, a toolbar and a
// dozen line edits, the least a desktop program of this kind shows. With
// --quit-after-paint it quits once its first frame is painted, so a whole
// process can be timed from start to the first painted window.
#include <QApplication>
#include <QEvent>
#include <QFormLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>
#include <cstring>

namespace {

class FloorWindow : public QMainWindow {
 public:
  explicit FloorWindow(bool quitAfterPaint) : quitAfterPaint_(quitAfterPaint) {
    for (const char* title : {"ファイル(&F)", "ツール(&T)", "表・グラフ(&V)", "ヘルプ(&H)"}) {
      QMenu* menu = menuBar()->addMenu(QString::fromUtf8(title));
      for (int i = 0; i < 4; ++i) menu->addAction(QStringLiteral("項目 %1").arg(i));
    }
    QToolBar* tools = addToolBar(QStringLiteral("tools"));
    for (int i = 0; i < 13; ++i) tools->addAction(QStringLiteral("%1").arg(i));
    auto* central = new QWidget(this);
    auto* form = new QFormLayout(central);
    for (int i = 0; i < 12; ++i) form->addRow(QStringLiteral("入力 %1").arg(i), new QLineEdit);
    setCentralWidget(central);
  }

 protected:
  bool event(QEvent* e) override {
    const bool handled = QMainWindow::event(e);
    if (e->type() == QEvent::Paint && quitAfterPaint_)
      QTimer::singleShot(0, qApp, &QApplication::quit);
    return handled;
  }

 private:
  bool quitAfterPaint_;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const bool quit = argc > 1 && std::strcmp(argv[1], "--quit-after-paint") == 0;
  FloorWindow window(quit);
  window.show();
  return app.exec();
}
