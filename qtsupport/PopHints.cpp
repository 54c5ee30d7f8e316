#include "PopHints.h"

#include <QAction>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QToolButton>
#include <QWidget>

#include "UiText.h"

namespace {

// One line a hint: "window.control<TAB>text", with "\n" for a line break.
// Each language has its own table with the same keys.
QHash<QString, QString> LoadHints(const QString& path) {
  QHash<QString, QString> hints;
  QFile file(path);
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
  if (TextLanguage() == UiLanguage::Japanese) {
    static const QHash<QString, QString> japanese =
        LoadHints(QStringLiteral(":/umbrafex/help/pophints.tsv"));
    return japanese;
  }
  static const QHash<QString, QString> english =
      LoadHints(QStringLiteral(":/umbrafex/help/en/pophints.tsv"));
  return english;
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

namespace {

// Members of a control array share one object name and tell themselves
// apart by their "index" property.
QString ControlName(const QObject* control) {
  const QVariant index = control->property("index");
  if (!index.isValid()) return control->objectName();
  return control->objectName() + QLatin1Char('_') + QString::number(index.toInt());
}

}  // namespace

void ApplyPopHints(QWidget* window) {
  if (window == nullptr) return;
  const QString name = window->objectName();
  for (QWidget* child : window->findChildren<QWidget*>()) {
    const QString text = PopHintText(name, ControlName(child));
    if (!text.isEmpty()) child->setWhatsThis(text);
  }
  for (QAction* action : window->findChildren<QAction*>()) {
    const QString text = PopHintText(name, ControlName(action));
    if (!text.isEmpty()) action->setWhatsThis(text);
  }
  // A tool button copies its action's hint whenever the action changes
  // (enabled, checked), so both must carry the same text.
  for (QToolButton* button : window->findChildren<QToolButton*>()) {
    QAction* action = button->defaultAction();
    if (action == nullptr) continue;
    if (action->whatsThis().isEmpty()) action->setWhatsThis(button->whatsThis());
    button->setWhatsThis(action->whatsThis());
  }
}
