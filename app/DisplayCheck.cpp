#include "DisplayCheck.h"

#include <dlfcn.h>
#include <sys/stat.h>

#include <cstdlib>
#include <sstream>
#include <string_view>

#include "UiText.h"

namespace {

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::string(value) : std::string();
}

// The platforms Qt will try, from QT_QPA_PLATFORM ("xcb", "wayland;xcb"),
// or the two desktop ones when it is unset.
bool PlatformsNeedDisplay(const std::string& platforms, bool& xcb, bool& wayland) {
  xcb = wayland = platforms.empty();
  std::istringstream list(platforms);
  std::string entry;
  while (std::getline(list, entry, ';')) {
    const std::string_view name = std::string_view(entry).substr(0, entry.find(':'));
    if (name == "xcb") {
      xcb = true;
    } else if (name.starts_with("wayland")) {
      wayland = true;
    } else if (!name.empty()) {
      return false;  // offscreen, vnc, ...: no display needed
    }
  }
  return true;
}

bool WaylandSocketExists(const std::string& display) {
  std::string path = display;
  if (!display.starts_with('/')) {
    const std::string runtime = Variable("XDG_RUNTIME_DIR");
    if (runtime.empty()) return false;
    path = runtime + "/" + display;
  }
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0;
}

using Disconnect = void (*)(void*);

// The check's connection while it is kept open, see ReleaseDisplayCheck.
struct HeldConnection {
  void* library = nullptr;
  void* connection = nullptr;
  Disconnect disconnect = nullptr;
};
HeldConnection heldConnection;

// Opens a connection through the library Qt's own plugin uses, kept open on
// success; when the library cannot be loaded, Qt is left to judge.
bool XServerAnswers(const std::string& display) {
  void* library = ::dlopen("libxcb.so.1", RTLD_LAZY | RTLD_LOCAL);
  if (library == nullptr) return true;
  using Connect = void* (*)(const char*, int*);
  using HasError = int (*)(void*);
  const auto connect = reinterpret_cast<Connect>(::dlsym(library, "xcb_connect"));
  const auto hasError = reinterpret_cast<HasError>(::dlsym(library, "xcb_connection_has_error"));
  const auto disconnect = reinterpret_cast<Disconnect>(::dlsym(library, "xcb_disconnect"));
  if (connect == nullptr || hasError == nullptr || disconnect == nullptr) {
    ::dlclose(library);
    return true;
  }
  void* connection = connect(display.c_str(), nullptr);
  const bool answers = connection != nullptr && hasError(connection) == 0;
  if (answers) {
    ReleaseDisplayCheck();
    heldConnection = {library, connection, disconnect};
    return true;
  }
  if (connection != nullptr) disconnect(connection);
  ::dlclose(library);
  return false;
}

}  // namespace

std::string DisplayProblem() {
  bool xcb = false;
  bool wayland = false;
  if (!PlatformsNeedDisplay(Variable("QT_QPA_PLATFORM"), xcb, wayland)) return {};
  const std::string waylandDisplay = Variable("WAYLAND_DISPLAY");
  if (wayland && !waylandDisplay.empty() && WaylandSocketExists(waylandDisplay)) return {};
  const std::string x11Display = Variable("DISPLAY");
  if (xcb && !x11Display.empty()) {
    if (XServerAnswers(x11Display)) return {};
    return FillText(TranslateText("DisplayCheck", "cannot connect to DISPLAY=%1"), {x11Display});
  }
  if (!waylandDisplay.empty()) {
    return FillText(TranslateText("DisplayCheck", "cannot connect to WAYLAND_DISPLAY=%1"),
                    {waylandDisplay});
  }
  return TranslateText("DisplayCheck", "neither DISPLAY nor WAYLAND_DISPLAY is set");
}

void ReleaseDisplayCheck() {
  if (heldConnection.library == nullptr) return;
  heldConnection.disconnect(heldConnection.connection);
  ::dlclose(heldConnection.library);
  heldConnection = {};
}
