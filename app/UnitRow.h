// One row of number boxes with their unit strip ("度    分    秒"): each
// unit word follows its box. A strip text of one word ("計算対象外地域")
// stands alone in place of the boxes, which are then hidden.
#pragma once

#include <QString>
#include <QWidget>
#include <vector>

class QLabel;
class QLineEdit;

class UnitRow : public QWidget {
  Q_OBJECT

 public:
  UnitRow(const QString& stripName, const std::vector<QLineEdit*>& boxes, QWidget* parent);

  QString text() const { return text_; }
  void setText(const QString& text);

 private:
  std::vector<QLineEdit*> boxes_;
  std::vector<QLabel*> units_;
  QLabel* alone_;
  QString text_;
};
