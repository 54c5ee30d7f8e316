#include "UnitRow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

UnitRow::UnitRow(const QString& stripName, const std::vector<QLineEdit*>& boxes, QWidget* parent)
    : QWidget(parent), boxes_(boxes), alone_(new QLabel(this)) {
  // The strip itself never takes the focus: its row's first box does.
  setObjectName(stripName);
  setFocusPolicy(Qt::NoFocus);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(3);
  for (QLineEdit* box : boxes_) {
    auto* unit = new QLabel(this);
    layout->addWidget(box);
    layout->addWidget(unit);
    units_.push_back(unit);
  }
  layout->addWidget(alone_);
  layout->addStretch(1);
  alone_->hide();
}

void UnitRow::setText(const QString& text) {
  text_ = text;
  static const QRegularExpression kSpaces(QStringLiteral("\\s+"));
  const QStringList words = text.split(kSpaces, Qt::SkipEmptyParts);
  const bool perBox = words.size() == static_cast<qsizetype>(boxes_.size());
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    boxes_[i]->setVisible(perBox);
    units_[i]->setVisible(perBox);
    units_[i]->setText(perBox ? words[static_cast<qsizetype>(i)] : QString());
  }
  alone_->setVisible(!perBox);
  alone_->setText(perBox ? QString() : text);
}
