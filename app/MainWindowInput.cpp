// Typing in the main window: the key filter, Esc, validation on leaving a
// box (and before every command), and showing what the form model holds.
#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "DialView.h"
#include "MainWindow.h"
#include "MainWindowUi.h"
#include "UnitRow.h"

std::optional<FormBox> MainWindow::BoxOf(QObject* object) const {
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    if (boxes_[i] == object) return static_cast<FormBox>(i);
  }
  return std::nullopt;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick && timeZonePanel_ != nullptr &&
      (watched == timeZonePanel_ || watched->parent() == timeZonePanel_)) {
    QTimer::singleShot(0, this, [this] { ShowOptions(3); });
    return true;
  }
  const auto box = BoxOf(watched);
  if (!box) return QMainWindow::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::KeyPress:
      return FilterKey(*box, static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn:
      form_.Enter(*box);
      // After the click that brought the focus has placed the cursor.
      QTimer::singleShot(0, Box(*box), &QLineEdit::selectAll);
      break;
    case QEvent::FocusOut:
      // A context menu (paste) leaves the edit going on.
      if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) LeaveBox(*box);
      break;
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

// Lets through what the box's filter allows; editing and movement keys
// without text (arrows, Delete, Ctrl+C/V/Z) always pass.
bool MainWindow::FilterKey(FormBox box, QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    form_.Undo(box);
    Box(box)->setText(MainText(form_.Text(box)));
    Box(box)->selectAll();
    return true;
  }
  const QString text = event->text();
  if (text.isEmpty() || !text.at(0).isPrint() ||
      (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
    return false;
  }
  const int kind = FilterKindOf(box);
  for (const uint key : text.toUcs4()) {
    if (!KeyPasses(kind, static_cast<char32_t>(key))) return true;
  }
  return false;
}

void MainWindow::LeaveBox(FormBox box) {
  if (validating_) return;
  validating_ = true;
  const bool accepted = form_.Leave(box);
  validating_ = false;
  ShowForm();
  if (!accepted) HoldFocus(box);
}

void MainWindow::HoldFocus(FormBox box) {
  QLineEdit* edit = Box(box);
  QTimer::singleShot(0, edit, [edit] {
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
  });
}

bool MainWindow::ValidateEditing() {
  if (validating_) return false;
  const auto editing = form_.Editing();
  if (!editing) return true;
  validating_ = true;
  const bool accepted = form_.ValidateEditing();
  validating_ = false;
  ShowForm();
  if (!accepted) HoldFocus(*editing);
  return accepted;
}

void MainWindow::ShowForm() {
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    const QString text = MainText(form_.Text(static_cast<FormBox>(i)));
    if (boxes_[i] != nullptr && boxes_[i]->text() != text) boxes_[i]->setText(text);
  }
  northDiffRow_->setText(MainText(form_.NorthDiffStrip()));
  northDiffModel_->setText(MainText(form_.NorthDiffModel()));
  interval_->setCurrentIndex(form_.IntervalIndex());
  timeSystem_->button(form_.TimeSystemOption())->setChecked(true);
  dateMode_->button(form_.DateOption())->setChecked(true);
  dateFrame_->setEnabled(form_.DateEnabled());
  dialKind_->setCurrentIndex(form_.DialKindChoice());
  plane_->setCurrentIndex(form_.PlaneChoice());
  plane_->setEnabled(form_.PlaneEnabled());
  Box(FormBox::PlaneFacing)->setEnabled(form_.FacingEnabled());
  Box(FormBox::PlaneTilt)->setEnabled(form_.TiltEnabled());
  facingCompass_->setText(MainText(form_.FacingCompass()));
  // "[*]" marks unsaved changes; one in a file name is doubled to stay text.
  QString title = MainText(form_.Title());
  title.replace(u"[*]"_qs, u"[*][*]"_qs);
  setWindowTitle(title + u"[*]"_qs);
  setWindowModified(model_.modified);
  ShowStatusPanels();
  dialView_->Model().DesignChanged();
}
