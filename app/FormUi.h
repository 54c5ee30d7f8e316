// What the main window's form model needs of the desktop, without naming
// it: questions and messages, file choices, the status panel's busy text
// and the waiting pointer. The window implements it with its services;
// tests answer it from scripts.
#pragma once

#include <string>
#include <string_view>

enum class FormIcon { Information, Exclamation, Question, Critical };
enum class FormButtons { Ok, YesNo, YesNoCancel };
enum class FormAnswer { Ok, Yes, No, Cancel };

struct FormMessage {
  FormIcon icon = FormIcon::Information;
  std::string text;
  std::string caption;
  FormButtons buttons = FormButtons::Ok;
  FormAnswer defaultAnswer = FormAnswer::Ok;
};

struct FileChoice {
  std::string caption;
  std::string initialPath;  // a folder, or a folder and a suggested name
  std::string filter;
};

class FormUi {
 public:
  virtual ~FormUi() = default;
  virtual FormAnswer Ask(const FormMessage& message) = 0;
  // The chosen path, or empty when the user cancelled.
  virtual std::string OpenFileName(const FileChoice& choice) = 0;
  virtual std::string SaveFileName(const FileChoice& choice) = 0;
  // A long operation's icon name and text in the first status panel.
  virtual void ShowBusyStatus(std::string_view icon, std::string_view text) = 0;
  virtual void SetBusy(bool busy) = 0;
};

// The waiting state for one scope, undone on every way out.
class FormBusy {
 public:
  explicit FormBusy(FormUi& ui) : ui_(ui) { ui_.SetBusy(true); }
  ~FormBusy() { ui_.SetBusy(false); }
  FormBusy(const FormBusy&) = delete;
  FormBusy& operator=(const FormBusy&) = delete;

 private:
  FormUi& ui_;
};
