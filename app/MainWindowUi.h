// The main window's bridge to the desktop services: the form model's
// messages, file dialogs, busy state and status text.
#pragma once

#include <QString>

#include "FormUi.h"

class MainWindow;

class MainWindowUi : public FormUi {
 public:
  explicit MainWindowUi(MainWindow& window) : window_(window) {}
  FormAnswer Ask(const FormMessage& message) override;
  std::string OpenFileName(const FileChoice& choice) override;
  std::string SaveFileName(const FileChoice& choice) override;
  void ShowBusyStatus(std::string_view icon, std::string_view text) override;
  void SetBusy(bool busy) override;

 private:
  MainWindow& window_;
};

// A text of the form model or the design, as Qt text (the form model's own
// texts are translated where it makes them).
QString MainText(const std::string& text);
