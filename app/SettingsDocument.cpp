#include "MainModel.h"

// Reading and writing of the settings document. Not written yet.
int32_t MainModel::lOpenUfxAll(const std::string& path) {
  ClearLastError();
  return SaveLastError(RaisedError(static_cast<int32_t>(0x80004001u), "frmMain.lOpenUfxAll",
                                   path + "を開くことができません。"));
}

int32_t MainModel::lSaveUfxAll(const std::string& path) {
  ClearLastError();
  return SaveLastError(RaisedError(static_cast<int32_t>(0x80004001u), "frmMain.lSaveUfxAll",
                                   path + "を保存することができません。"));
}
