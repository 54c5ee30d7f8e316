#include "MonkeyLog.h"

#include <array>
#include <csignal>
#include <cstdio>
#include <mutex>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

constexpr std::size_t kKept = 400;

struct Ring {
  std::mutex mutex;
  std::array<std::string, kKept> lines;
  std::size_t next = 0;
  long total = 0;
  bool tracing = false;
};

// Never destroyed: the leak check at exit may still report through it.
Ring& TheRing() {
  static Ring* ring = new Ring;
  return *ring;
}

void DumpOnSignal(int signal) {
  DumpRecentActions(signal == SIGABRT ? "abort" : "fatal signal");
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

}  // namespace

void Note(const std::string& line) {
  Ring& ring = TheRing();
  std::lock_guard lock(ring.mutex);
  ring.lines[ring.next] = line;
  ring.next = (ring.next + 1) % kKept;
  ++ring.total;
  if (ring.tracing) std::fprintf(stderr, "monkey: %s\n", line.c_str());
}

void SetTracing(bool on) {
  TheRing().tracing = on;
}

void DumpRecentActions(const char* why) {
  Ring& ring = TheRing();
  // A stalled or dying thread may hold the lock; print without it then.
  const bool locked = ring.mutex.try_lock();
  std::fprintf(stderr, "\n=== monkey: %s; the last actions (of %ld), oldest first ===\n", why,
               ring.total);
  for (std::size_t i = 0; i < kKept; ++i) {
    const std::string& line = ring.lines[(ring.next + i) % kKept];
    if (!line.empty()) std::fprintf(stderr, "  %s\n", line.c_str());
  }
  std::fprintf(stderr, "=== monkey: end of the last actions ===\n");
  std::fflush(stderr);
  if (locked) ring.mutex.unlock();
}

void InstallDeathReport() {
#if defined(__SANITIZE_ADDRESS__)
  // The sanitizer reports faults itself; only an abort (a Qt fatal, the
  // watchdog) comes past it.
  __sanitizer_set_death_callback([] { DumpRecentActions("sanitizer report"); });
  std::signal(SIGABRT, DumpOnSignal);
#else
  for (int signal : {SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL}) std::signal(signal, DumpOnSignal);
#endif
}

MonkeyStats& Stats() {
  static MonkeyStats stats;
  return stats;
}
