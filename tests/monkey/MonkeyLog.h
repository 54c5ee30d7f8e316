// What the monkey did last, kept in a ring so that a crash, a sanitizer
// report or a stall can say which actions led to it; and the run's counts.
#pragma once

#include <map>
#include <string>

// Keeps the line among the last few hundred; with tracing on, prints it too.
void Note(const std::string& line);
void SetTracing(bool on);
// Prints the kept lines to stderr, oldest first. Safe from another thread.
void DumpRecentActions(const char* why);
// Dumps the ring when the process dies of a signal or a sanitizer report.
void InstallDeathReport();

struct MonkeyStats {
  long events = 0;                       // keys, texts, clicks, focus moves, commands, closes
  long messages = 0;                     // message boxes answered
  long fileDialogs = 0;                  // file dialogs answered
  long desktopOpens = 0;                 // desktop requests answered
  long sessions = 0;                     // main windows opened in turn
  std::map<std::string, long> commands;  // command object name -> times run
  std::map<std::string, long> modals;    // modal window -> times seen
  std::map<std::string, long> faults;    // what looked wrong -> times
};

MonkeyStats& Stats();
