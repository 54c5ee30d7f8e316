#include "UiIcons.h"

#include <QFile>

QIcon UiIcon(const QString& name, const QString& themeFallback) {
  const QString path = QStringLiteral(":/umbrafex/icons/%1.svg").arg(name);
  if (QFile::exists(path)) return QIcon(path);
  if (!themeFallback.isEmpty()) return QIcon::fromTheme(themeFallback);
  return {};
}
