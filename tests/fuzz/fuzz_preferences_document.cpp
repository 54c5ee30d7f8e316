// An ini file and then a settings document, both of any content, as a start
// with a document on its command line meets them. The first two bytes give
// the ini file's length; the rest after it is the document. Whatever is read
// must be a value the design can hold; a design that opened saves and opens
// again, and the preferences written at exit read back to the same design.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "AppIni.h"
#include "FileIo.h"
#include "MainModel.h"
#include "Preferences.h"
#include "SettingChecks.h"

namespace {

std::string ScratchPath(const char* role, const char* extension) {
  return "/dev/shm/umbrafex-fuzz-prefs-" + std::string(role) + "-" + std::to_string(::getpid()) +
         extension;
}

bool StartsWith(const std::string& text, std::string_view head) {
  return text.compare(0, head.size(), head) == 0;
}

// The values whose range the readers check.
void RequireHoldableDesign(const MainModel& model) {
  const Chart& chart = model.Chart();
  if (!IsTimeSystem(chart.TimeSystem()) || !IsDialInterval(model.calcTime.interval) ||
      !IsColorValue(model.dialColor.hourLine) || !IsColorValue(model.clockNightColor.background) ||
      !kMaxPagesRange.Contains(model.dialOption.maxPages) ||
      !kNodusHeightRange.Contains(model.dialOption.nodusHeight) ||
      !kDateLinesRange.Contains(model.dialOption.dateLines) ||
      !kHourCurvesRange.Contains(model.dialOption.hourCurves) ||
      !kLineWidthRange.Contains(model.dialOption.lineWidth) ||
      HasControlCharacters(chart.Location().Name())) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  static const std::string ini = ScratchPath("ini", ".ini");
  static const std::string document = ScratchPath("doc", ".ufx");
  static const std::string saved = ScratchPath("saved", ".ufx");
  const std::string_view input(reinterpret_cast<const char*>(data) + 2, size - 2);
  const std::size_t iniLength = std::min<std::size_t>(data[0] | (data[1] << 8), input.size());
  if (!WriteFileAtomically(ini, input.substr(0, iniLength)) ||
      !WriteFileAtomically(document, input.substr(iniLength))) {
    return 0;
  }
  SetAppIniPath(ini);

  MainModel model;
  LoadPreferences(model);
  RequireHoldableDesign(model);
  if (!model.OpenDocument(document).ok()) {
    const std::string& text = model.lastError.description;
    // No translator here: the English source texts.
    if (text != "This type of file cannot be opened." && !StartsWith(text, "Cannot open ")) {
      std::abort();
    }
  } else {
    RequireHoldableDesign(model);
    if (!model.SaveDocument(saved).ok()) std::abort();
  }

  // The preferences written at exit come back at the next start.
  SavePreferences(model);
  MainModel next;
  LoadPreferences(next);
  RequireHoldableDesign(next);
  if (std::optional<ProfileFile> file = LoadAppIni(); file && file->Find("Main", "Interval")) {
    if (next.calcTime.interval != model.calcTime.interval ||
        next.Chart().TimeSystem() != model.Chart().TimeSystem()) {
      std::abort();
    }
  }
  return 0;
}
