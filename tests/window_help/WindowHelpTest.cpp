// Help inside the windows. Pop hints: in What's This mode every control a
// user can point at answers with its text; a control without one shows
// nothing at all, which looks broken, so the test lists every one that lacks
// its text. F1: each window opens the help page that describes it.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolButton>
#include <QWhatsThis>
#include <QtTest>
#include <functional>
#include <memory>

#include "AboutBox.h"
#include "AppIni.h"
#include "ClockWindow.h"
#include "EveryWindow.h"
#include "HelpKey.h"
#include "HelpWindow.h"
#include "InfoWindow.h"
#include "LocationDialog.h"
#include "MainModel.h"
#include "MainWindow.h"
#include "OptionsDialog.h"
#include "PopHints.h"
#include "PreviewWindow.h"
#include "YearGraph.h"
#include "YearGraphWindow.h"

namespace {

bool IsControl(const QWidget* widget) {
  return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
         qobject_cast<const QComboBox*>(widget) || qobject_cast<const QAbstractItemView*>(widget) ||
         qobject_cast<const QAbstractSlider*>(widget) || qobject_cast<const QTextEdit*>(widget) ||
         qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QMenu*>(widget) ||
         widget->objectName().startsWith(QLatin1String("pic"));
}

// A control of the window itself: Qt's own parts (a line edit's clear
// button, a combo box's list) are not ours to name.
bool IsOwnControl(const QWidget* widget, const QWidget* window) {
  if (widget->objectName().startsWith(QLatin1String("qt_"))) return false;
  // Our menus are named; an unnamed one is a toolbar's or menu bar's overflow.
  if (qobject_cast<const QMenu*>(widget) && widget->objectName().isEmpty()) return false;
  for (const QWidget* up = widget->parentWidget(); up != nullptr && up != window;
       up = up->parentWidget()) {
    if (qobject_cast<const QComboBox*>(up) || qobject_cast<const QAbstractScrollArea*>(up) ||
        qobject_cast<const QLineEdit*>(up) || qobject_cast<const QAbstractSlider*>(up)) {
      return false;
    }
  }
  return IsControl(widget);
}

QString NameOf(const QObject* object) {
  const QVariant index = object->property("index");
  return index.isValid() ? object->objectName() + u"(%1)"_qs.arg(index.toInt())
                         : object->objectName();
}

// The controls without a hint; unnamed controls cannot have one and are
// listed with their class.
QStringList MissingHints(QWidget* window) {
  QStringList missing;
  for (QWidget* child : window->findChildren<QWidget*>()) {
    if (!IsOwnControl(child, window) || !child->whatsThis().isEmpty()) continue;
    missing << (child->objectName().isEmpty()
                    ? u"<unnamed %1 \"%2\">"_qs.arg(QLatin1String(child->metaObject()->className()),
                                                    child->property("text").toString())
                    : NameOf(child));
  }
  for (QAction* action : window->findChildren<QAction*>()) {
    // Qt's own actions ("_q_qlineeditclearaction") are not ours to name.
    if (action->isSeparator() || action->objectName().isEmpty() ||
        action->objectName().startsWith(QLatin1String("_q_"))) {
      continue;
    }
    if (action->whatsThis().isEmpty()) missing << NameOf(action);
  }
  missing.removeDuplicates();
  return missing;
}

// The inputs, lists, combo boxes and read-only texts a screen reader would
// read out without a name: neither an accessible name of their own nor a
// label whose buddy they are.
QStringList UnnamedInputs(QWidget* window) {
  QStringList unnamed;
  for (QWidget* child : window->findChildren<QWidget*>()) {
    const bool input = qobject_cast<QLineEdit*>(child) || qobject_cast<QComboBox*>(child) ||
                       qobject_cast<QAbstractItemView*>(child) || qobject_cast<QTextEdit*>(child) ||
                       qobject_cast<QPlainTextEdit*>(child) ||
                       qobject_cast<QAbstractSpinBox*>(child);
    if (!input || !IsOwnControl(child, window)) continue;
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(child);
    if (accessible == nullptr || accessible->text(QAccessible::Name).trimmed().isEmpty())
      unnamed << NameOf(child);
  }
  return unnamed;
}

// The table's lines for controls the window does not have: a renamed
// control has silently lost its hint.
QStringList UnknownKeys(const QWidget* window) {
  QSet<QString> names;
  for (const QObject* child : window->findChildren<QObject*>()) {
    names << child->objectName();
    const QVariant index = child->property("index");
    if (index.isValid()) names << child->objectName() + u"_%1"_qs.arg(index.toInt());
  }
  QFile table(u":/umbrafex/help/pophints.tsv"_qs);
  if (!table.open(QIODevice::ReadOnly)) return {u"<no table>"_qs};
  const QString prefix = window->objectName() + u"."_qs;
  QStringList unknown;
  for (const QString& line : QString::fromUtf8(table.readAll()).split(u'\n')) {
    const QString key = line.section(u'\t', 0, 0);
    if (key.startsWith(prefix) && !names.contains(key.mid(prefix.size()))) unknown << key;
  }
  return unknown;
}

// The state of the buttons changes as the user works (a page turned, a
// command disabled); a tool button takes its action's hint again each time.
void ChangeEveryAction(QWidget* window) {
  for (QAction* action : window->findChildren<QAction*>()) {
    action->setEnabled(!action->isEnabled());
    action->setEnabled(!action->isEnabled());
  }
}

// The help window F1 opened, which is not the window under test.
HelpWindow* OpenHelpWindow(const QWidget* tested = nullptr) {
  for (QWidget* widget : QApplication::allWidgets()) {
    auto* help = qobject_cast<HelpWindow*>(widget);
    if (help != nullptr && help != tested && help->isVisible()) return help;
  }
  return nullptr;
}

}  // namespace

class WindowHelpTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    SetAppIniPath(dir_.filePath(QStringLiteral("umbrafex.ini")).toStdString());
  }
  void cleanupTestCase() { SetAppIniPath(""); }

  void EveryControlOfEveryWindowHasItsHint() {
    MainModel model;
    YearGraphData year;
    QCOMPARE(BuildYearGraphData(model, std::chrono::year{2024} / 6 / 21, year), Status::Ok());
    QStringList missing;
    QStringList unknown;
    for (const auto& make : EveryWindow(model, year)) {
      std::unique_ptr<QWidget> window = make();
      window->show();
      QVERIFY(QTest::qWaitForWindowExposed(window.get()));
      ChangeEveryAction(window.get());
      for (const QString& name : MissingHints(window.get()))
        missing << window->objectName() + u"."_qs + name;
      unknown << UnknownKeys(window.get());
      window->close();
    }
    QVERIFY2(missing.isEmpty(), qPrintable(u"no hint: "_qs + missing.join(u", "_qs)));
    QVERIFY2(unknown.isEmpty(), qPrintable(u"no such control: "_qs + unknown.join(u", "_qs)));
  }

  void EveryInputOfEveryWindowHasAnAccessibleName() {
    MainModel model;
    YearGraphData year;
    QVERIFY(BuildYearGraphData(model, std::chrono::year{2024} / 6 / 21, year).ok());
    QStringList unnamed;
    for (const auto& make : EveryWindow(model, year)) {
      std::unique_ptr<QWidget> window = make();
      window->show();
      QVERIFY(QTest::qWaitForWindowExposed(window.get()));
      for (const QString& name : UnnamedInputs(window.get()))
        unnamed << window->objectName() + u"."_qs + name;
      window->close();
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(u"no accessible name: "_qs + unnamed.join(u", "_qs)));
  }

  // F1 where the user is typing opens the window's page, also from Qt's own
  // dialogs, which lead to the window that opened them; Shift+F1 starts the
  // pop hints in every window.
  void F1OpensTheWindowsPage() {
    InstallHelpKey(this);
    MainModel model;
    YearGraphData year;
    QCOMPARE(BuildYearGraphData(model, std::chrono::year{2024} / 6 / 21, year), Status::Ok());
    // The main window's F1 is its Help command: the contents.
    const QStringList pages = {u"index.html"_qs,     u"location.html"_qs, u"info.html"_qs,
                               u"options.html"_qs,   u"preview.html"_qs,  u"clock.html"_qs,
                               u"tables.html"_qs,    u"index.html"_qs,    u"credits.html"_qs,
                               u"mainwindow.html"_qs};
    const std::vector<WindowMaker> windows = EveryWindow(model, year);
    for (std::size_t i = 0; i < windows.size(); ++i) {
      std::unique_ptr<QWidget> window = windows[i]();
      window->show();
      QVERIFY(QTest::qWaitForWindowActive(window.get()));
      QWidget* focus = window->focusWidget() != nullptr ? window->focusWidget() : window.get();
      QTest::keyClick(focus, Qt::Key_F1);
      HelpWindow* help = OpenHelpWindow(window.get());
      QVERIFY2(help != nullptr, qPrintable(window->objectName()));
      QCOMPARE(help->CurrentPage().fileName(), pages[qsizetype(i)]);
      help->close();
      QTest::keyClick(focus, Qt::Key_F1, Qt::ShiftModifier);
      QVERIFY2(QWhatsThis::inWhatsThisMode(), qPrintable(window->objectName()));
      QWhatsThis::leaveWhatsThisMode();
      if (i == 3) {  // a colour dialog opened by the options dialog
        QWidget dialog(window.get(), Qt::Dialog);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::keyClick(&dialog, Qt::Key_F1);
        QTRY_VERIFY(OpenHelpWindow() != nullptr);
        QCOMPARE(OpenHelpWindow()->CurrentPage().fileName(), u"options.html"_qs);
        OpenHelpWindow()->close();
      }
    }
  }

  // A member of a control array finds its own line, else the array's.
  void ArrayMembersFindTheirOwnHint() {
    QCOMPARE(PopHintText(u"frmMain"_qs, u"optTimeSystem_1"_qs),
             PopHintText(u"frmMain"_qs, u"optTimeSystem1"_qs));
    QVERIFY(PopHintText(u"frmMain"_qs, u"optTimeSystem_1"_qs) !=
            PopHintText(u"frmMain"_qs, u"optTimeSystem_0"_qs));
    QCOMPARE(PopHintText(u"frmMain"_qs, u"txtLatitude_2"_qs),
             PopHintText(u"frmMain"_qs, u"txtLatitude"_qs));
    QVERIFY(PopHintText(u"frmMain"_qs, u"noSuchControl"_qs).isEmpty());
  }

 private:
  QTemporaryDir dir_;
};

QTEST_MAIN(WindowHelpTest)
#include "WindowHelpTest.moc"
