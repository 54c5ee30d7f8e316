#include "MetafileParser.h"

#include <cmath>

#include "EmfPlayer.h"
#include "WmfPlayer.h"

namespace metafile {

bool LooksLikeMetafile(std::string_view bytes) {
  return detail::IsEmf(bytes) || detail::LooksLikeWmf(bytes);
}

DisplayList ParseMetafile(std::string_view bytes) {
  DisplayList list = detail::IsEmf(bytes) ? detail::ParseEmf(bytes) : detail::ParseWmf(bytes);
  if (!(std::isfinite(list.width) && std::isfinite(list.height)) || list.width <= 0 ||
      list.height <= 0) {
    list.width = list.height = 1;
  }
  return list;
}

}  // namespace metafile
