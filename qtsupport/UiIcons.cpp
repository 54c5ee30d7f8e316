#include "UiIcons.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>

namespace {

// Each of our pictures is read once: a scalable icon parses its file when it
// is made, and the menus, the toolbar and the status bar share them. The
// icons go with the application, before the pixmaps they may hold would
// outlive it.
QHash<QString, QIcon>& OwnIcons() {
  static QHash<QString, QIcon> icons;
  return icons;
}

void ForgetOwnIcons() {
  OwnIcons().clear();
}

}  // namespace

QIcon UiIcon(const QString& name, const QString& themeFallback) {
  QHash<QString, QIcon>& icons = OwnIcons();
  if (const auto found = icons.constFind(name); found != icons.cend()) return *found;
  const QString path = QStringLiteral(":/umbrafex/icons/%1.svg").arg(name);
  if (QFile::exists(path)) {
    if (icons.isEmpty()) qAddPostRoutine(ForgetOwnIcons);
    return *icons.insert(name, QIcon(path));
  }
  if (!themeFallback.isEmpty()) return QIcon::fromTheme(themeFallback);
  return {};
}
