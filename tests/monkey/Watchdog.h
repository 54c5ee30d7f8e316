// Aborts the run with a report when the event loop stops answering: a hang
// is a fault like a crash, and must not stall the run until it is killed.
#pragma once

#include <atomic>
#include <chrono>
#include <thread>

class Watchdog {
 public:
  explicit Watchdog(std::chrono::seconds limit);
  ~Watchdog();
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;

  // The event loop is alive.
  void Beat();

 private:
  void Watch();

  std::chrono::seconds limit_;
  std::atomic<long long> lastBeat_;
  std::atomic<bool> stopping_{false};
  std::thread thread_;
};
