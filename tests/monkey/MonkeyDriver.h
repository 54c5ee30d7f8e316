// Drives whatever window the user could reach: random keys, typed, pasted
// and composed text, clicks, drags, wheel turns, focus moves and commands.
// A modal window is driven for a few events and then closed, as a user
// would; so is an open menu or list. Every action is posted from a timer,
// so that the actions go on inside the event loops that modal windows run.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <chrono>
#include <vector>

class Dice;
class RandomMessages;
class Watchdog;
class QWidget;

class MonkeyDriver : public QObject {
  Q_OBJECT

 public:
  MonkeyDriver(Dice& dice, RandomMessages& messages, Watchdog& watchdog,
               std::chrono::seconds duration, int dwell);
  void Start();
  // The time is up and every window the run opened is closed.
  bool Finished() const { return finished_; }

 private:
  struct Budget {
    QPointer<QWidget> window;
    int left = 0;
    int closeTries = 0;
  };

  void Tick();
  void Step();
  Budget& BudgetOf(QWidget* window);
  void DrivePopup(QWidget* popup);
  // True when the step went into closing the modal window.
  bool CloseWhenSpent(QWidget* modal);
  void TryToClose(QWidget* modal, Budget& budget);
  QWidget* PickWindow();
  void Act(QWidget* window);

  void PressKey(QWidget* window);
  void TypeText(QWidget* window);
  void Paste(QWidget* window);
  void Compose(QWidget* window);
  void Click(QWidget* window);
  void Drag(QWidget* window);
  void Wheel(QWidget* window);
  void MoveFocus(QWidget* window);
  void RunCommand(QWidget* window);
  void Resize(QWidget* window);

  QWidget* FocusIn(QWidget* window);
  QWidget* RandomChild(QWidget* window);
  void SendKey(QWidget* widget, int key, const QString& text, Qt::KeyboardModifiers modifiers);

  Dice& dice_;
  RandomMessages& messages_;
  Watchdog& watchdog_;
  std::chrono::seconds duration_;
  int dwell_;  // the most events a modal window or a popup gets
  QElapsedTimer clock_;
  QTimer timer_;
  std::vector<Budget> budgets_;
  bool stepPending_ = false;
  bool closing_ = false;
  bool finished_ = false;
};
