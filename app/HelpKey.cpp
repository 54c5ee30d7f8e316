#include "HelpKey.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWhatsThis>
#include <QWidget>

#include "HelpWindow.h"

namespace {

// The window whose page F1 opens: Qt's own dialogs (colour, font, file,
// message boxes) have no page and lead to the window that opened them.
QWidget* WindowWithPage(QWidget* widget) {
  QWidget* window = widget->window();
  while (!window->objectName().startsWith(QLatin1String("frm")) &&
         window->parentWidget() != nullptr) {
    window = window->parentWidget()->window();
  }
  return window;
}

// Every window gets F1 from one place, whichever layer built it. The main
// window's own F1 (the contents) is a shortcut and never arrives here.
class HelpKeyFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1) return false;
    if (key->modifiers() == Qt::ShiftModifier) {
      QWhatsThis::enterWhatsThisMode();
      return true;
    }
    if (key->modifiers() != Qt::NoModifier) return false;
    // The help window goes with the window in front (a modal dialog would
    // block it otherwise); the page is that of the window with a page.
    auto* widget = static_cast<QWidget*>(watched);
    ShowHelpTopic(widget->window(), WindowWithPage(widget)->objectName());
    return true;
  }
};

}  // namespace

void InstallHelpKey(QObject* owner) {
  qApp->installEventFilter(new HelpKeyFilter(owner));
}
