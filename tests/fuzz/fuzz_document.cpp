// Settings documents of any content: opening ends in success or the
// system's message, and whatever was opened saves and opens again.
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FileIo.h"
#include "MainModel.h"

namespace {

std::string ScratchPath(const char* role) {
  return "/dev/shm/umbrafex-fuzz-" + std::string(role) + "-" + std::to_string(::getpid()) + ".ufx";
}

bool StartsWith(const std::string& text, const std::string& head) {
  return text.compare(0, head.size(), head) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string input = ScratchPath("in");
  static const std::string saved = ScratchPath("saved");
  if (!WriteFileAtomically(input, std::string(reinterpret_cast<const char*>(data), size))) return 0;

  MainModel model;
  if (!model.OpenDocument(input).ok()) {
    const std::string& text = model.lastError.description;
    // No translator here: the English source texts.
    if (text != "This type of file cannot be opened." && !StartsWith(text, "Cannot open ")) {
      std::abort();
    }
    return 0;
  }
  if (!model.SaveDocument(saved).ok()) std::abort();
  // Reals are written to 15 significant digits, which may carry a value
  // just inside an open range onto its limit (89.99999999999999 becomes 90).
  const Chart& chart = model.Chart();
  if (std::fabs(chart.Location().Latitude()) > 89.9999999999 ||
      chart.Location().Longitude() < -179.9999999999 ||
      std::fabs(chart.Season().EquationOfTime()) > 19.9999999999) {
    return 0;
  }
  MainModel reopened;
  if (!reopened.OpenDocument(saved).ok()) std::abort();
  return 0;
}
