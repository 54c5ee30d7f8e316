// The calculation-conditions window: the listing of the design's place,
// day and sun times in a read-only box, to read and to copy.
#pragma once

#include <QDialog>
#include <QString>

class QPlainTextEdit;

class InfoWindow : public QDialog {
  Q_OBJECT

 public:
  // `listing` as built (CR LF line ends); placed as last closed.
  InfoWindow(QWidget* parent, const QString& listing);

  // Puts the listing on the clipboard; an empty listing leaves it alone.
  void Copy();
  void done(int result) override;

 private:
  void RestorePlacement();
  // Big enough to show every line of the listing whole.
  QSize FittingSize() const;

  QString listing_;
  QPlainTextEdit* txtInfo_ = nullptr;
};
