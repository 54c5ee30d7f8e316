#include "GuiSession.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

#include "FontSubstitutions.h"
#include "UiLanguage.h"

namespace {

bool HasDisplay() {
  const char* x11 = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (x11 != nullptr && *x11 != '\0') || (wayland != nullptr && *wayland != '\0');
}

// Without a login session Qt notes on every start that XDG_RUNTIME_DIR is
// unset; scripts read our standard error, so that one note is dropped.
QtMessageHandler previousHandler = nullptr;

void FilterMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths:"))) return;
  if (previousHandler != nullptr) {
    previousHandler(type, context, message);
  } else {
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
  }
}

}  // namespace

void EnsureGuiSession() {
  static bool ready = false;
  if (ready) return;
  if (QGuiApplication::instance() == nullptr) {
    if (!HasDisplay()) setenv("QT_QPA_PLATFORM", "offscreen", 0);
    previousHandler = qInstallMessageHandler(FilterMessages);
    // Qt keeps references to argc and argv for the application's lifetime.
    static int argc = 1;
    static char name[] = "umbrafex";
    static char* argv[] = {name, nullptr};
    // Destroyed at exit, which also lets the font libraries release their caches.
    static QGuiApplication application(argc, argv);
  }
  InstallFontSubstitutions();
  InstallUiLanguageIntoApplication();
  ready = true;
}
