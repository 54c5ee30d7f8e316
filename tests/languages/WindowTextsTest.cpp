// Every window in the language of the locale the test runs under (CTest runs
// it in Japanese and in English): every label, button and caption shows its
// whole text, and under English no Japanese character is left, except the
// language menu's "日本語".
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "../window_help/EveryWindow.h"
#include "AppIni.h"
#include "ExportOptionsDialog.h"
#include "UiText.h"

namespace {

// A text and the widget it was found on, for the fault report.
struct ShownText {
  QString where;
  QString text;
};

QString Where(const QWidget* window, const QObject* object) {
  return window->objectName() + u"/"_qs + object->objectName() + u" ("_qs +
         QString::fromLatin1(object->metaObject()->className()) + u")"_qs;
}

void AddActionTexts(const QWidget* window, const QList<QAction*>& actions,
                    QList<ShownText>& texts) {
  for (const QAction* action : actions) {
    texts.append({Where(window, action), action->text()});
    texts.append({Where(window, action), action->toolTip()});
    if (action->menu() != nullptr) AddActionTexts(window, action->menu()->actions(), texts);
  }
}

// Every text of the window a person may read: captions, labels, buttons,
// items, tips, menus and the accessible names a screen reader speaks.
QList<ShownText> TextsOf(QWidget* window) {
  QList<ShownText> texts{{window->objectName(), window->windowTitle()}};
  AddActionTexts(window, window->actions(), texts);
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    const QString where = Where(window, widget);
    texts.append({where, widget->toolTip()});
    texts.append({where, widget->accessibleName()});
    AddActionTexts(window, widget->actions(), texts);
    if (auto* label = qobject_cast<QLabel*>(widget)) texts.append({where, label->text()});
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
      texts.append({where, button->text()});
    if (auto* group = qobject_cast<QGroupBox*>(widget)) texts.append({where, group->title()});
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
      for (int i = 0; i < combo->count(); ++i) texts.append({where, combo->itemText(i)});
    }
    if (auto* list = qobject_cast<QListWidget*>(widget)) {
      // Long lists are data (the cities); their first items stand for them.
      for (int i = 0; i < std::min(list->count(), 50); ++i)
        texts.append({where, list->item(i)->text()});
    }
    if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
      for (int i = 0; i < tabs->count(); ++i) texts.append({where, tabs->tabText(i)});
    }
    if (auto* header = qobject_cast<QHeaderView*>(widget); header && header->model()) {
      for (int i = 0; i < header->count(); ++i) {
        texts.append({where, header->model()->headerData(i, header->orientation()).toString()});
      }
    }
    if (auto* browser = qobject_cast<QTextBrowser*>(widget))
      texts.append({where, browser->toPlainText()});
  }
  return texts;
}

QStringList JapaneseLeft(QWidget* window) {
  static const QRegularExpression japanese(u"[\u3000-\u30ff\u4e00-\u9fff\uff00-\uffef]"_qs);
  QStringList faults;
  for (const ShownText& shown : TextsOf(window)) {
    QString text = shown.text;
    text.remove(u"日本語"_qs);
    if (text.contains(japanese)) faults << shown.where + u": "_qs + shown.text.left(80);
  }
  return faults;
}

// A visible label, button or check box narrower than its text.
QStringList ClippedTexts(QWidget* window) {
  QStringList faults;
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    if (!widget->isVisibleTo(window) || widget->width() == 0) continue;
    QString text;
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      if (label->wordWrap() || label->text().isEmpty() || label->pixmap().isNull() == false)
        continue;
      text = label->text();
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      if (button->text().isEmpty()) continue;
      text = button->text();
    } else {
      continue;
    }
    if (widget->minimumSizeHint().width() > widget->width()) {
      faults << u"%1 \"%2\": %3 px wide, needs %4"_qs.arg(Where(window, widget), text)
                    .arg(widget->width())
                    .arg(widget->minimumSizeHint().width());
    }
  }
  return faults;
}

QStringList FaultsOf(QWidget* window) {
  QStringList faults = ClippedTexts(window);
  if (TextLanguage() == UiLanguage::English) faults << JapaneseLeft(window);
  return faults;
}

// Each page of a window that stacks them, shown in turn.
QStringList FaultsOnEveryPage(QWidget* window) {
  QStringList faults = FaultsOf(window);
  for (QStackedWidget* stack : window->findChildren<QStackedWidget*>()) {
    for (int page = 0; page < stack->count(); ++page) {
      stack->setCurrentIndex(page);
      faults << ClippedTexts(stack->currentWidget());
    }
  }
  return faults;
}

}  // namespace

class WindowTextsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { SetAppIniPath(dir_.filePath(u"umbrafex.ini"_qs).toStdString()); }
  void cleanupTestCase() { SetAppIniPath(""); }

  void EveryWindowShowsItsWholeTextInItsLanguage() {
    MainModel model;
    QVERIFY(model.ApplySeason().ok());
    YearGraphData year;
    QCOMPARE(BuildYearGraphData(model, std::chrono::year{2024} / 6 / 21, year), Status::Ok());
    const QStringList faults = FaultsOfEveryWindow(model, year, FaultsOnEveryPage);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u"\n"_qs)));
  }

  void TheExportDialogToo() {
    QStringList faults;
    QTimer::singleShot(0, [&] {
      QWidget* dialog = QApplication::activeModalWidget();
      if (dialog == nullptr) return;
      faults << FaultsOf(dialog);
      dialog->close();
    });
    ExportChoice choice(ExportKind::Pdf, kPaperA4, kPortrait, 2);
    ShowExportOptionsDialog(nullptr, choice);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u"\n"_qs)));
  }

 private:
  QTemporaryDir dir_;
};

QTEST_MAIN(WindowTextsTest)
#include "WindowTextsTest.moc"
