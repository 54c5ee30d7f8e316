#include "Watchdog.h"

#include <execinfo.h>
#include <pthread.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "MonkeyLog.h"

namespace {

long long Now() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

pthread_t watchedThread;

// Runs on the stalled thread: where it is stuck.
void PrintStack(int) {
  void* frames[64];
  const int count = backtrace(frames, 64);
  const char header[] = "monkey: the stalled thread's stack:\n";
  (void)!write(STDERR_FILENO, header, sizeof header - 1);
  backtrace_symbols_fd(frames, count, STDERR_FILENO);
}

}  // namespace

Watchdog::Watchdog(std::chrono::seconds limit) : limit_(limit), lastBeat_(Now()) {
  watchedThread = pthread_self();
  std::signal(SIGUSR2, PrintStack);
  thread_ = std::thread([this] { Watch(); });
}

Watchdog::~Watchdog() {
  stopping_ = true;
  thread_.join();
}

void Watchdog::Beat() {
  lastBeat_ = Now();
}

void Watchdog::Watch() {
  const long long limit = std::chrono::duration_cast<std::chrono::milliseconds>(limit_).count();
  while (!stopping_) {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const long long silent = Now() - lastBeat_;
    if (silent > limit) {
      std::fprintf(stderr, "monkey: HANG: the event loop has not answered for %lld ms\n", silent);
      DumpRecentActions("hang");
      pthread_kill(watchedThread, SIGUSR2);
      std::this_thread::sleep_for(std::chrono::seconds(2));
      std::_Exit(124);
    }
  }
}
