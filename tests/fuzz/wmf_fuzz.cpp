// Feeds arbitrary bytes to the metafile reader: it must return a display
// list or throw NotAMetafile, and never crash, hang or exhaust memory.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "MetafileParser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  try {
    const metafile::DisplayList list = metafile::ParseMetafile(bytes);
    // Touch what a painter would read.
    double sum = list.width + list.height;
    for (const metafile::Op& op : list.ops) {
      for (const auto& figure : op.figures) sum += static_cast<double>(figure.size());
      sum += static_cast<double>(op.text.size());
    }
    if (sum < 0) return 1;
  } catch (const metafile::NotAMetafile&) {
  }
  return 0;
}
