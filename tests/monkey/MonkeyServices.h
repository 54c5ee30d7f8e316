// The desktop services answered at random: every message box, file dialog
// and request to open a file with the desktop's programs. File dialogs pick
// paths in the scratch folder: new and existing documents, broken copies,
// folders and places that cannot be written.
#pragma once

#include <QDir>
#include <QStringList>

#include "PrinterSetupQt.h"
#include "UiServices.h"

class Dice;

class RandomMessages : public MessageService {
 public:
  explicit RandomMessages(Dice& dice) : dice_(dice) {}
  MessageAnswer Ask(QWidget* parent, const MessageRequest& request) override;
  // True while a simulated box is up: the user can reach nothing else.
  bool Answering() const { return answering_; }

 private:
  Dice& dice_;
  bool answering_ = false;
};

class RandomFileDialogs : public FileDialogService {
 public:
  RandomFileDialogs(Dice& dice, const QString& scratch);
  QString OpenFileName(QWidget* parent, const FileRequest& request) override;
  QString SaveFileName(QWidget* parent, const FileRequest& request) override;
  // A file saved earlier, if any is left.
  QString SavedFile();
  // What a user may name on the command line: a saved document, a broken
  // one, one that is not there.
  QString StartupDocument();

 private:
  QString BrokenCopy(const QString& extension);
  QString Odd(const QString& extension);
  void Remember(const QString& path);

  Dice& dice_;
  QDir folder_;
  QStringList saved_;
  int made_ = 0;
};

class RandomDesktop : public DesktopService {
 public:
  explicit RandomDesktop(Dice& dice) : dice_(dice) {}
  bool OpenUrl(const QUrl& url) override;

 private:
  Dice& dice_;
};

// A printer that prints into a PDF in the scratch folder and comes and
// goes as printers on a desktop do.
class MonkeyPrinter : public QtPrinterSetup {
 public:
  explicit MonkeyPrinter(const QString& pdfPath);
  bool IsPrinterAvailable() const override;
  PrinterProperties Current() const override;
  static bool available;

 private:
  QString pdfPath_;
  QPrinter* printer_;
};
