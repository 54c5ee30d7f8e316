#include "PopHints.h"

#include <QAction>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QWidget>

namespace {

// One line a hint: "window.control<TAB>text", with "\n" for a line break.
QHash<QString, QString> LoadHints() {
  QHash<QString, QString> hints;
  QFile file(QStringLiteral(":/umbrafex/help/pophints.tsv"));
  if (!file.open(QIODevice::ReadOnly)) return hints;
  const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
  for (const QString& line : lines) {
    const qsizetype tab = line.indexOf(QLatin1Char('\t'));
    if (line.startsWith(QLatin1Char('#')) || tab <= 0) continue;
    QString text = line.mid(tab + 1).trimmed();
    text.replace(QLatin1String("\\n"), QLatin1String("\n"));
    hints.insert(line.left(tab), text);
  }
  return hints;
}

const QHash<QString, QString>& Hints() {
  static const QHash<QString, QString> hints = LoadHints();
  return hints;
}

}  // namespace

QString PopHintText(const QString& window, const QString& control) {
  const QString prefix = window + QLatin1Char('.');
  if (auto found = Hints().constFind(prefix + control); found != Hints().constEnd()) return *found;
  // A member of a control array ("txtLatitude_2", "txtLatitude2", "txtLatitude(2)") takes
  // the hint of its own index ("optTimeSystem_1") or else the array's ("txtLatitude").
  static const QRegularExpression member(QStringLiteral("^(\\D+?)[_(\\[]?(\\d+)[)\\]]?$"));
  const QRegularExpressionMatch match = member.match(control);
  if (!match.hasMatch()) return {};
  const QString base = prefix + match.captured(1);
  return Hints().value(base + QLatin1Char('_') + match.captured(2), Hints().value(base));
}

void ApplyPopHints(QWidget* window) {
  if (window == nullptr) return;
  const QString name = window->objectName();
  for (QWidget* child : window->findChildren<QWidget*>()) {
    const QString text = PopHintText(name, child->objectName());
    if (!text.isEmpty()) child->setWhatsThis(text);
  }
  for (QAction* action : window->findChildren<QAction*>()) {
    const QString text = PopHintText(name, action->objectName());
    if (!text.isEmpty()) action->setWhatsThis(text);
  }
}
