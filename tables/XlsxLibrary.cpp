#include "XlsxLibrary.h"

#include <dlfcn.h>

namespace {

// Every function found, or none: a library of another version is refused.
bool Resolve(void* handle, XlsxLibrary& library) {
  bool complete = true;
#define UMBRAFEX_XLSX_RESOLVE(name)                                         \
  library.name = reinterpret_cast<decltype(&::name)>(dlsym(handle, #name)); \
  complete = complete && library.name != nullptr;
  UMBRAFEX_XLSX_FUNCTIONS(UMBRAFEX_XLSX_RESOLVE)
#undef UMBRAFEX_XLSX_RESOLVE
  return complete;
}

const XlsxLibrary* Load() {
  // The build names the library by the file name its version is known by.
  void* handle = dlopen(UMBRAFEX_XLSXWRITER_SONAME, RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) return nullptr;
  static XlsxLibrary library;
  if (Resolve(handle, library)) return &library;
  dlclose(handle);
  return nullptr;
}

}  // namespace

const XlsxLibrary* LoadXlsxLibrary() {
  static const XlsxLibrary* const library = Load();
  return library;
}
