#include "MonkeyDriver.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFileDialog>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>

#include "MonkeyDice.h"
#include "MonkeyLog.h"
#include "MonkeyServices.h"
#include "MonkeyText.h"
#include "Watchdog.h"

namespace {

std::string NameOf(const QObject* object) {
  if (object == nullptr) return "(none)";
  const QString name = object->objectName();
  return (name.isEmpty() ? QString::fromLatin1(object->metaObject()->className()) : name)
      .toStdString();
}

std::string Shown(const QString& text) {
  QString shown = text.left(40);
  shown.replace(u'\n', u"\\n"_qs).replace(u'\r', u"\\r"_qs).replace(u'\t', u"\\t"_qs);
  return '"' + shown.toStdString() + (text.size() > 40 ? "...\"" : "\"") + " (" +
         std::to_string(text.size()) + " chars)";
}

bool IsUsable(const QWidget* w) {
  return w->isVisible() && w->isEnabled() && w->width() > 0 && w->height() > 0;
}

const std::vector<int>& Keys() {
  static const std::vector<int> keys{
      Qt::Key_0,         Qt::Key_1,       Qt::Key_5,      Qt::Key_9,      Qt::Key_A,
      Qt::Key_C,         Qt::Key_E,       Qt::Key_F,      Qt::Key_L,      Qt::Key_O,
      Qt::Key_P,         Qt::Key_S,       Qt::Key_V,      Qt::Key_X,      Qt::Key_Z,
      Qt::Key_Plus,      Qt::Key_Minus,   Qt::Key_Period, Qt::Key_Comma,  Qt::Key_Space,
      Qt::Key_Tab,       Qt::Key_Backtab, Qt::Key_Return, Qt::Key_Enter,  Qt::Key_Escape,
      Qt::Key_Backspace, Qt::Key_Delete,  Qt::Key_Left,   Qt::Key_Right,  Qt::Key_Up,
      Qt::Key_Down,      Qt::Key_Home,    Qt::Key_End,    Qt::Key_PageUp, Qt::Key_PageDown,
      Qt::Key_F1,        Qt::Key_F2,      Qt::Key_F4,     Qt::Key_Insert, Qt::Key_Menu};
  return keys;
}

QString TextOfKey(int key, Qt::KeyboardModifiers modifiers) {
  if (modifiers & (Qt::ControlModifier | Qt::AltModifier)) return {};
  if (key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde) {
    const QChar c(key);
    return modifiers & Qt::ShiftModifier ? QString(c) : QString(c.toLower());
  }
  if (key == Qt::Key_Return || key == Qt::Key_Enter) return u"\r"_qs;
  if (key == Qt::Key_Tab) return u"\t"_qs;
  if (key == Qt::Key_Backspace) return u"\b"_qs;
  if (key == Qt::Key_Escape) return u"\x1b"_qs;
  return {};
}

int KeyOfChar(QChar c) {
  const char16_t u = c.toUpper().unicode();
  return u >= 0x20 && u < 0x7f ? int(u) : int(Qt::Key_unknown);
}

Qt::KeyboardModifiers RandomModifiers(Dice& dice) {
  switch (dice.Weighted({70, 10, 10, 8, 2})) {
    case 1:
      return Qt::ShiftModifier;
    case 2:
      return Qt::ControlModifier;
    case 3:
      return Qt::AltModifier;
    case 4:
      return Qt::ControlModifier | Qt::ShiftModifier;
    default:
      return Qt::NoModifier;
  }
}

bool IsOrdinaryWindow(const QWidget* w) {
  const Qt::WindowType type = w->windowType();
  return w->isVisible() && type != Qt::Popup && type != Qt::ToolTip && type != Qt::Desktop &&
         type != Qt::SplashScreen;
}

}  // namespace

MonkeyDriver::MonkeyDriver(Dice& dice, RandomMessages& messages, Watchdog& watchdog,
                           std::chrono::seconds duration, int dwell)
    : dice_(dice), messages_(messages), watchdog_(watchdog), duration_(duration), dwell_(dwell) {
  timer_.setInterval(1);
  connect(&timer_, &QTimer::timeout, this, &MonkeyDriver::Tick);
}

void MonkeyDriver::Start() {
  clock_.start();
  timer_.start();
}

// A timer does not fire again while its own handler runs, so the step is
// posted: a step that opens a modal window returns only when it closes, and
// the steps in between drive that window.
void MonkeyDriver::Tick() {
  watchdog_.Beat();
  if (stepPending_) return;
  stepPending_ = true;
  QMetaObject::invokeMethod(this, &MonkeyDriver::Step, Qt::QueuedConnection);
}

void MonkeyDriver::Step() {
  stepPending_ = false;
  watchdog_.Beat();
  if (finished_ || messages_.Answering()) return;
  closing_ = closing_ || clock_.elapsed() > std::chrono::milliseconds(duration_).count();

  if (QWidget* popup = QApplication::activePopupWidget()) return DrivePopup(popup);
  QWidget* window = QApplication::activeModalWidget();
  if (window != nullptr) {
    if (CloseWhenSpent(window)) return;
  } else if (closing_) {
    Note("time is up");
    finished_ = true;
    timer_.stop();
    QApplication::exit(0);
    return;
  } else {
    window = PickWindow();
  }
  // A busy window takes no input; the user waits.
  if (window == nullptr || !window->isEnabled()) return;
  Act(window);
}

MonkeyDriver::Budget& MonkeyDriver::BudgetOf(QWidget* window) {
  std::erase_if(budgets_,
                [](const Budget& b) { return b.window.isNull() || !b.window->isVisible(); });
  for (Budget& budget : budgets_) {
    if (budget.window == window) return budget;
  }
  ++Stats().modals[NameOf(window)];
  Note("window appears: " + NameOf(window));
  budgets_.push_back({window, dice_.Between(2, dwell_), 0});
  return budgets_.back();
}

void MonkeyDriver::DrivePopup(QWidget* popup) {
  Budget& budget = BudgetOf(popup);
  ++Stats().events;
  QPointer<QWidget> guard(popup);
  if (closing_ || --budget.left < 0) {
    Note("popup " + NameOf(popup) + ": Escape");
    SendKey(popup, Qt::Key_Escape, {}, Qt::NoModifier);
    if (guard && ++budget.closeTries > 3) guard->close();
    return;
  }
  if (dice_.Chance(0.3)) return Click(popup);
  static const std::vector<int> keys{Qt::Key_Down,  Qt::Key_Down,   Qt::Key_Up,     Qt::Key_Left,
                                     Qt::Key_Right, Qt::Key_Return, Qt::Key_Escape, Qt::Key_A};
  const int key = dice_.Pick(keys);
  Note("popup " + NameOf(popup) + ": key " + QKeySequence(key).toString().toStdString());
  QWidget* receiver = popup->focusWidget() != nullptr ? popup->focusWidget() : popup;
  SendKey(receiver, key, TextOfKey(key, Qt::NoModifier), Qt::NoModifier);
}

bool MonkeyDriver::CloseWhenSpent(QWidget* modal) {
  Budget& budget = BudgetOf(modal);
  // Qt's own file dialog (from the print dialog) browses the real disk:
  // never let random clicks delete or overwrite files there.
  const bool foreign = qobject_cast<QFileDialog*>(modal) != nullptr;
  if (!foreign && !closing_ && --budget.left >= 0) return false;
  TryToClose(modal, budget);
  return true;
}

void MonkeyDriver::TryToClose(QWidget* modal, Budget& budget) {
  ++Stats().events;
  const int tries = ++budget.closeTries;
  const std::string name = NameOf(modal);
  auto* dialog = qobject_cast<QDialog*>(modal);
  if (qobject_cast<QFileDialog*>(modal) != nullptr || tries > 12 || (closing_ && tries > 2)) {
    if (tries > 12) ++Stats().faults["a modal window would not close: " + name];
    Note("modal " + name + ": forced shut");
    if (dialog != nullptr)
      dialog->reject();
    else
      modal->hide();
    return;
  }
  switch (dice_.Weighted({40, 30, 20, 10})) {
    case 0:
      Note("modal " + name + ": Escape");
      SendKey(FocusIn(modal), Qt::Key_Escape, u"\x1b"_qs, Qt::NoModifier);
      break;
    case 1: {
      std::vector<QAbstractButton*> buttons;
      for (QAbstractButton* b : modal->findChildren<QAbstractButton*>())
        if (IsUsable(b) && b->window() == modal) buttons.push_back(b);
      if (buttons.empty()) return;
      QAbstractButton* button = dice_.Pick(buttons);
      Note("modal " + name + ": clicks " + NameOf(button) + " " + Shown(button->text()));
      button->click();
      break;
    }
    case 2:
      Note("modal " + name + ": close box");
      modal->close();
      break;
    default:
      Note("modal " + name + ": reject");
      if (dialog != nullptr)
        dialog->reject();
      else
        modal->close();
  }
}

QWidget* MonkeyDriver::PickWindow() {
  std::vector<QWidget*> windows;
  QWidget* main = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (!IsOrdinaryWindow(w)) continue;
    if (w->objectName() == u"frmMain"_qs)
      main = w;
    else
      windows.push_back(w);
  }
  // Other top-level windows live beside the main window: help only.
  if (main != nullptr && (windows.empty() || dice_.Chance(0.85))) return main;
  return windows.empty() ? nullptr : dice_.Pick(windows);
}

void MonkeyDriver::Act(QWidget* window) {
  ++Stats().events;
  const bool isMain = window->objectName() == u"frmMain"_qs;
  switch (dice_.Weighted(
      {240, 140, 50, 50, 240, 30, 40, 60, 100, isMain ? 2 : 20, 10, isMain ? 5 : 0})) {
    case 0:
      return PressKey(window);
    case 1:
      return TypeText(window);
    case 2:
      return Paste(window);
    case 3:
      return Compose(window);
    case 4:
      return Click(window);
    case 5:
      return Drag(window);
    case 6:
      return Wheel(window);
    case 7:
      return MoveFocus(window);
    case 8:
      return RunCommand(window);
    case 9:
      Note("close box of " + NameOf(window));
      window->close();
      return;
    case 10:
      return Resize(window);
    default:
      MonkeyPrinter::available = !MonkeyPrinter::available;
      Note(MonkeyPrinter::available ? "printer plugged in" : "printer removed");
  }
}

QWidget* MonkeyDriver::FocusIn(QWidget* window) {
  QWidget* focus = QApplication::focusWidget();
  if (focus != nullptr && focus->window() == window) return focus;
  return window->focusWidget() != nullptr ? window->focusWidget() : window;
}

QWidget* MonkeyDriver::RandomChild(QWidget* window) {
  std::vector<QWidget*> children{window};
  for (QWidget* w : window->findChildren<QWidget*>())
    if (IsUsable(w) && w->window() == window) children.push_back(w);
  return dice_.Pick(children);
}

void MonkeyDriver::SendKey(QWidget* widget, int key, const QString& text,
                           Qt::KeyboardModifiers modifiers) {
  // Press and release apart: the press may open a modal window that takes
  // the widget with it.
  QPointer<QWidget> guard(widget);
  QTest::sendKeyEvent(QTest::Press, widget, Qt::Key(key), text, modifiers);
  if (guard) QTest::sendKeyEvent(QTest::Release, guard, Qt::Key(key), text, modifiers);
}

void MonkeyDriver::PressKey(QWidget* window) {
  QWidget* target = FocusIn(window);
  const int key = dice_.Pick(Keys());
  const Qt::KeyboardModifiers modifiers = RandomModifiers(dice_);
  Note("key " + QKeySequence(key | modifiers).toString().toStdString() + " to " + NameOf(target) +
       " in " + NameOf(window));
  SendKey(target, key, TextOfKey(key, modifiers), modifiers);
}

void MonkeyDriver::TypeText(QWidget* window) {
  QPointer<QWidget> target = FocusIn(window);
  const QString text = TypedText(dice_);
  Note("types " + Shown(text) + " into " + NameOf(target));
  for (QChar c : text) {
    if (!target) return;
    SendKey(target, KeyOfChar(c), QString(c), Qt::NoModifier);
  }
}

void MonkeyDriver::Paste(QWidget* window) {
  QWidget* target = FocusIn(window);
  const QString text = PastedText(dice_);
  Note("pastes " + Shown(text) + " into " + NameOf(target));
  QGuiApplication::clipboard()->setText(text);
  SendKey(target, dice_.Chance(0.8) ? Qt::Key_V : Qt::Key_Insert, {},
          dice_.Chance(0.8) ? Qt::ControlModifier : Qt::ShiftModifier);
}

// Text as an input method commits it (Japanese input arrives this way).
void MonkeyDriver::Compose(QWidget* window) {
  QWidget* target = FocusIn(window);
  if (!target->testAttribute(Qt::WA_InputMethodEnabled)) return PressKey(window);
  const QString text = dice_.Chance(0.5) ? TypedText(dice_) : PastedText(dice_);
  Note("composes " + Shown(text) + " into " + NameOf(target));
  QInputMethodEvent preedit(text.left(3), {});
  QApplication::sendEvent(target, &preedit);
  QInputMethodEvent commit;
  commit.setCommitString(text);
  QApplication::sendEvent(target, &commit);
}

void MonkeyDriver::Click(QWidget* window) {
  QWidget* target = RandomChild(window);
  const QPoint at(dice_.Below(target->width()), dice_.Below(target->height()));
  const Qt::MouseButton button =
      dice_.Chance(0.8) ? Qt::LeftButton : (dice_.Chance(0.7) ? Qt::RightButton : Qt::MiddleButton);
  const bool twice = dice_.Chance(0.12);
  Note(std::string(twice ? "double-clicks " : "clicks ") + NameOf(target) + " at " +
       std::to_string(at.x()) + "," + std::to_string(at.y()) + " in " + NameOf(window) +
       (button == Qt::LeftButton ? "" : " (other button)"));
  QPointer<QWidget> guard(target);
  QTest::mousePress(target, button, {}, at);
  if (guard) QTest::mouseRelease(guard, button, {}, at);
  if (twice && guard) QTest::mouseDClick(guard, button, {}, at);
}

void MonkeyDriver::Drag(QWidget* window) {
  QWidget* target = RandomChild(window);
  const QPoint from(dice_.Below(target->width()), dice_.Below(target->height()));
  const QPoint to(dice_.Below(target->width()), dice_.Below(target->height()));
  Note("drags in " + NameOf(target) + " in " + NameOf(window));
  QPointer<QWidget> guard(target);
  QTest::mousePress(target, Qt::LeftButton, {}, from);
  if (guard) QTest::mouseMove(guard, (from + to) / 2);
  if (guard) QTest::mouseMove(guard, to);
  if (guard) QTest::mouseRelease(guard, Qt::LeftButton, {}, to);
}

void MonkeyDriver::Wheel(QWidget* window) {
  QWidget* target = RandomChild(window);
  const QPointF at(dice_.Below(target->width()), dice_.Below(target->height()));
  const int steps = dice_.Chance(0.5) ? 120 : -120 * dice_.Between(1, 5);
  const Qt::KeyboardModifiers modifiers =
      dice_.Chance(0.2) ? Qt::ControlModifier : Qt::KeyboardModifiers();
  Note("wheel " + std::to_string(steps) + " on " + NameOf(target) + " in " + NameOf(window));
  QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, steps), Qt::NoButton,
                    modifiers, Qt::NoScrollPhase, false);
  QApplication::sendEvent(target, &wheel);
}

void MonkeyDriver::MoveFocus(QWidget* window) {
  std::vector<QWidget*> focusable;
  for (QWidget* w : window->findChildren<QWidget*>())
    if (IsUsable(w) && (w->focusPolicy() & Qt::TabFocus) && w->window() == window)
      focusable.push_back(w);
  if (focusable.empty()) return;
  QWidget* target = dice_.Pick(focusable);
  Note("focus to " + NameOf(target) + " in " + NameOf(window));
  target->setFocus(dice_.Chance(0.5) ? Qt::TabFocusReason : Qt::MouseFocusReason);
}

void MonkeyDriver::RunCommand(QWidget* window) {
  std::vector<QAction*> actions;
  for (QAction* a : window->findChildren<QAction*>()) {
    if (a->isSeparator() || !a->isEnabled() || a->menu() != nullptr) continue;
    if (a->objectName().isEmpty() && a->text().isEmpty()) continue;
    // Leaving the program ends the session: now and then, not often.
    if (a->objectName() == u"mnuFileExit"_qs && dice_.Chance(0.8)) continue;
    actions.push_back(a);
  }
  if (actions.empty()) return Click(window);
  QAction* action = dice_.Pick(actions);
  const std::string name = action->objectName().isEmpty()
                               ? NameOf(window) + ":" + action->text().toStdString()
                               : action->objectName().toStdString();
  ++Stats().commands[name];
  Note("command " + name + " in " + NameOf(window));
  action->trigger();
}

void MonkeyDriver::Resize(QWidget* window) {
  const QSize size(dice_.Between(50, 1600), dice_.Between(50, 1200));
  Note("resizes " + NameOf(window) + " to " + std::to_string(size.width()) + "x" +
       std::to_string(size.height()));
  window->resize(size);
}
