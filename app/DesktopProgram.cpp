#include "DesktopProgram.h"

#include <QApplication>
#include <QSessionManager>
#include <QTimer>

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

// For the start-up benchmark only: with UMBRAFEX_QUIT_AFTER_FIRST_PAINT=1 in
// the environment the program ends once its main window has painted, so the
// whole process from start to the first painted window can be timed.
class QuitAfterFirstPaint : public QObject {
 public:
  using QObject::QObject;

  static void InstallOn(QWidget& window) {
    if (qEnvironmentVariableIntValue("UMBRAFEX_QUIT_AFTER_FIRST_PAINT") == 1)
      window.installEventFilter(new QuitAfterFirstPaint(&window));
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    return false;
  }
};

}  // namespace

int RunDesktopProgram(int& argc, char** argv, const std::string& documentPath,
                      const WindowHooks& hooks) {
  QApplication app(argc, argv);
  ReleaseDisplayCheck();
  QApplication::setApplicationName(QStringLiteral("Umbrafex"));
  QApplication::setDesktopFileName(QStringLiteral("umbrafex"));
  QApplication::setWindowIcon(UiIcon(QStringLiteral("umbrafex")));
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
  QuitAfterFirstPaint::InstallOn(window);
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
