// The about box: product name, version, licence and credits.
#pragma once

#include <QDialog>
#include <QString>

// "Version 3.04": the major number and the minor number with two digits.
QString AboutVersionText();

// Shows the about box modally over the parent.
void ShowAboutBox(QWidget* parent);

class AboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit AboutBox(QWidget* parent = nullptr);
};
