// A form UI that answers from queues and keeps what it was asked.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "FormUi.h"

class ScriptedFormUi : public FormUi {
 public:
  FormAnswer Ask(const FormMessage& message) override {
    asked.push_back(message);
    if (whileAsking) whileAsking();
    return Take(answers, message.defaultAnswer);
  }
  std::string OpenFileName(const FileChoice& choice) override {
    choices.push_back(choice);
    return Take(openPaths, std::string());
  }
  std::string SaveFileName(const FileChoice& choice) override {
    choices.push_back(choice);
    return Take(savePaths, std::string());
  }
  void ShowBusyStatus(std::string_view, std::string_view text) override {
    statusTexts.emplace_back(text);
  }
  void SetBusy(bool busy) override { busyDepth += busy ? 1 : -1; }

  // The last message's text, or empty.
  std::string LastText() const { return asked.empty() ? std::string() : asked.back().text; }

  // Runs while a message is up, as the desktop may (focus coming back).
  std::function<void()> whileAsking;
  std::deque<FormAnswer> answers;
  std::deque<std::string> openPaths;
  std::deque<std::string> savePaths;
  std::vector<FormMessage> asked;
  std::vector<FileChoice> choices;
  std::vector<std::string> statusTexts;
  int busyDepth = 0;

 private:
  template <typename T>
  static T Take(std::deque<T>& queue, T fallback) {
    if (queue.empty()) return fallback;
    T value = queue.front();
    queue.pop_front();
    return value;
  }
};
