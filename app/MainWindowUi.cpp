#include "MainWindowUi.h"

#include "Busy.h"
#include "MainWindow.h"
#include "UiServices.h"

namespace {

MessageIcon IconOf(FormIcon icon) {
  switch (icon) {
    case FormIcon::Information:
      return MessageIcon::Information;
    case FormIcon::Exclamation:
      return MessageIcon::Exclamation;
    case FormIcon::Question:
      return MessageIcon::Question;
    case FormIcon::Critical:
      return MessageIcon::Critical;
  }
  return MessageIcon::Information;
}

MessageButtons ButtonsOf(FormButtons buttons) {
  switch (buttons) {
    case FormButtons::Ok:
      return MessageButtons::Ok;
    case FormButtons::YesNo:
      return MessageButtons::YesNo;
    case FormButtons::YesNoCancel:
      return MessageButtons::YesNoCancel;
  }
  return MessageButtons::Ok;
}

MessageAnswer MessageAnswerOf(FormAnswer answer) {
  switch (answer) {
    case FormAnswer::Ok:
      return MessageAnswer::Ok;
    case FormAnswer::Yes:
      return MessageAnswer::Yes;
    case FormAnswer::No:
      return MessageAnswer::No;
    case FormAnswer::Cancel:
      return MessageAnswer::Cancel;
  }
  return MessageAnswer::Ok;
}

FormAnswer FormAnswerOf(MessageAnswer answer) {
  switch (answer) {
    case MessageAnswer::Ok:
      return FormAnswer::Ok;
    case MessageAnswer::Yes:
      return FormAnswer::Yes;
    case MessageAnswer::No:
      return FormAnswer::No;
    case MessageAnswer::Cancel:
      return FormAnswer::Cancel;
  }
  return FormAnswer::Cancel;
}

FileRequest RequestOf(const FileChoice& choice) {
  return {MainText(choice.caption), QString::fromStdString(choice.initialPath),
          MainText(choice.filter)};
}

}  // namespace

QString MainText(const std::string& text) {
  return QString::fromStdString(text);
}

FormAnswer MainWindowUi::Ask(const FormMessage& message) {
  return FormAnswerOf(ShowMessage(&window_, IconOf(message.icon), MainText(message.text),
                                  MainText(message.caption), ButtonsOf(message.buttons),
                                  MessageAnswerOf(message.defaultAnswer)));
}

std::string MainWindowUi::OpenFileName(const FileChoice& choice) {
  return FileDialogs().OpenFileName(&window_, RequestOf(choice)).toStdString();
}

std::string MainWindowUi::SaveFileName(const FileChoice& choice) {
  return FileDialogs().SaveFileName(&window_, RequestOf(choice)).toStdString();
}

void MainWindowUi::ShowBusyStatus(std::string_view icon, std::string_view text) {
  window_.ShowBusyStatus(QString::fromUtf8(icon.data(), static_cast<qsizetype>(icon.size())),
                         MainText(std::string(text)));
}

void MainWindowUi::SetBusy(bool busy) {
  ::SetBusy(&window_, busy);
}
