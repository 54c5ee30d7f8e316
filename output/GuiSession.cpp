#include "GuiSession.h"

#include <QGuiApplication>
#include <cstdlib>

#include "FontSubstitutions.h"

namespace {

bool HasDisplay() {
  const char* x11 = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (x11 != nullptr && *x11 != '\0') || (wayland != nullptr && *wayland != '\0');
}

}  // namespace

void EnsureGuiSession() {
  static bool ready = false;
  if (ready) return;
  if (QGuiApplication::instance() == nullptr) {
    if (!HasDisplay()) setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Qt keeps references to argc and argv for the application's lifetime.
    static int argc = 1;
    static char name[] = "umbrafex";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* application = new QGuiApplication(argc, argv);
    (void)application;
  }
  InstallFontSubstitutions();
  ready = true;
}
