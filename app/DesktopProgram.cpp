#include "DesktopProgram.h"

#include <QApplication>
#include <QSessionManager>
#include <QTimer>
#include <functional>
#include <utility>

#include "DisplayCheck.h"
#include "FontSubstitutions.h"
#include "GuiSession.h"
#include "HelpKey.h"
#include "MainWindow.h"
#include "MainWindowUi.h"
#include "Preferences.h"
#include "UiIcons.h"
#include "UiLanguage.h"
#include "UiServices.h"

namespace {

constexpr int kLoadFailed = 2;

// Runs a piece of work once, right after the window's first paint: what the
// first picture of the window does not need waits for it.
class AfterFirstPaint : public QObject {
 public:
  AfterFirstPaint(QWidget& window, std::function<void()> work)
      : QObject(&window), work_(std::move(work)) {
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && work_) {
      QTimer::singleShot(0, qApp, std::move(work_));
      work_ = nullptr;
    }
    return false;
  }

 private:
  std::function<void()> work_;
};

// For the start-up benchmark only: with UMBRAFEX_QUIT_AFTER_FIRST_PAINT=1 in
// the environment the program ends once its main window has painted, so the
// whole process from start to the first painted window can be timed.
void QuitAfterFirstPaint(QWidget& window) {
  if (qEnvironmentVariableIntValue("UMBRAFEX_QUIT_AFTER_FIRST_PAINT") == 1)
    new AfterFirstPaint(window, &QCoreApplication::quit);
}

}  // namespace

int RunDesktopProgram(int& argc, char** argv, const std::string& documentPath,
                      const WindowHooks& hooks) {
  QApplication app(argc, argv);
  ReleaseDisplayCheck();
  QApplication::setApplicationName(QStringLiteral("Umbrafex"));
  QApplication::setDesktopFileName(QStringLiteral("umbrafex"));
  InstallUiLanguageIntoApplication();

  MainModel model;
  if (hooks.makePrinter) model.setPrinter(hooks.makePrinter());
  LoadPreferences(model);
  // The language chosen in the Help menu wins over the locale's; every
  // window's texts are made after this.
  if (const auto chosen = LanguageFromCode(model.language)) InstallUiLanguage(*chosen);
  InstallFontSubstitutions();
  InstallHelpKey(&app);
  // Told once, at start-up, when the file is there; otherwise at exit.
  const QString iniProblem = QString::fromStdString(PreferencesProblemMessage());
  MainWindow window(model, hooks);
  if (!window.Load()) {
    ShowMessage(nullptr, MessageIcon::Critical, MainText(model.lastError.description),
                QStringLiteral("Umbrafex"));
    SavePreferences(model);
    return kLoadFailed;
  }
  window.PlaceOnScreen();
  if (!documentPath.empty()) window.OpenAtStartup(QString::fromStdString(documentPath));

  // Logging out closes the window as the close box does; the user may
  // cancel it at the unsaved-changes question.
  QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                   [&window](QSessionManager& manager) {
                     if (!manager.allowsInteraction()) return;
                     const bool confirmed = window.ConfirmClose();
                     manager.release();
                     if (!confirmed) manager.cancel();
                   });
  QuitAfterFirstPaint(window);
  // The icon is drawn from its SVG at every size the window manager may
  // want, a few milliseconds the first picture need not wait for.
  new AfterFirstPaint(window,
                      [] { QApplication::setWindowIcon(UiIcon(QStringLiteral("umbrafex"))); });
  window.show();
  if (!iniProblem.isEmpty()) {
    QTimer::singleShot(0, &window, [&window, &iniProblem] {
      ShowMessage(&window, MessageIcon::Exclamation, iniProblem, QStringLiteral("Umbrafex"));
    });
  }
  const int status = QApplication::exec();
  window.RememberPlacement();
  if (!SavePreferences(model) && iniProblem.isEmpty()) {
    ShowMessage(nullptr, MessageIcon::Exclamation,
                QString::fromStdString(PreferencesNotSavedMessage()), QStringLiteral("Umbrafex"));
  }
  return status;
}
