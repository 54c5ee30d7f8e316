#include "UiIcons.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <iterator>
#include <vector>

#include "PictureIconEngine.h"

namespace {

// Each icon is made once, and the menus, the toolbar and the status bar
// share it. The icons go with the application, before the pixmaps they may
// hold would outlive it.
QHash<QString, QIcon>& OwnIcons() {
  static QHash<QString, QIcon> icons;
  return icons;
}

void ForgetOwnIcons() {
  OwnIcons().clear();
}

// The sizes the build draws each icon at (qtsupport/CMakeLists.txt). Each
// picture is read when a window first shows it at its size; other sizes are
// scaled from the nearest.
constexpr int kPictureSizes[] = {UMBRAFEX_ICON_SIZES};

// The icon's pictures, with "%1" for the size.
QString PicturePattern(const QString& name) {
  return QStringLiteral(":/umbrafex/icons/%1-%2.rgba").arg(name, QStringLiteral("%1"));
}

}  // namespace

QIcon UiIcon(const QString& name, const QString& themeFallback) {
  QHash<QString, QIcon>& icons = OwnIcons();
  if (const auto found = icons.constFind(name); found != icons.cend()) return *found;
  if (const QString pattern = PicturePattern(name); QFile::exists(pattern.arg(kPictureSizes[0]))) {
    if (icons.isEmpty()) qAddPostRoutine(ForgetOwnIcons);
    const std::vector<int> sizes(std::begin(kPictureSizes), std::end(kPictureSizes));
    return *icons.insert(name, QIcon(new PictureIconEngine(pattern, sizes)));
  }
  if (!themeFallback.isEmpty()) return QIcon::fromTheme(themeFallback);
  return {};
}
