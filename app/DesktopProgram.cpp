#include "DesktopProgram.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSessionManager>
#include <QTranslator>

#include "FontSubstitutions.h"
#include "HelpKey.h"
#include "MainWindow.h"
#include "MainWindowUi.h"
#include "Preferences.h"
#include "UiIcons.h"
#include "UiServices.h"

namespace {

constexpr int kLoadFailed = 2;

// Qt's own texts (standard buttons, file dialogs) in Japanese, whatever
// the desktop's language: the program's texts are Japanese too.
void InstallQtTranslation(QApplication& app) {
  auto* translator = new QTranslator(&app);
  if (translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(translator);
  }
}

}  // namespace

int RunDesktopProgram(int& argc, char** argv, const std::string& documentPath,
                      const WindowHooks& hooks) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Umbrafex"));
  QApplication::setDesktopFileName(QStringLiteral("umbrafex"));
  QApplication::setWindowIcon(UiIcon(QStringLiteral("umbrafex")));
  InstallQtTranslation(app);
  InstallFontSubstitutions();
  InstallHelpKey(&app);

  MainModel model;
  if (hooks.makePrinter) model.setPrinter(hooks.makePrinter());
  LoadPreferences(model);
  MainWindow window(model, hooks);
  if (!window.Load()) {
    ShowMessage(nullptr, MessageIcon::Critical, MainText(model.LastErrDescription()),
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
  window.show();
  const int status = QApplication::exec();
  window.RememberPlacement();
  SavePreferences(model);
  return status;
}
