// The document commands of the main window: open, save, save as, the
// unsaved-changes question and the document named at start-up.
#include "DesignCopy.h"
#include "MainFormModel.h"
#include "Paths.h"

namespace {

constexpr const char* kOpenCaption = "開く";
constexpr const char* kSaveCaption = "上書き保存";
constexpr const char* kSaveAsCaption = "名前を付けて保存";
constexpr const char* kDefaultName = "umbrafex.ufx";

std::string StartFolder(const MainModel& model) {
  return model.LastDir.empty() ? AppFolder() : model.LastDir;
}

// A name typed without any extension gets the document's.
std::string WithDocumentExtension(const std::string& path) {
  const std::string name = GetFileName(path);
  return name.find('.') == std::string::npos ? path + ".ufx" : path;
}

}  // namespace

bool MainFormModel::ConfirmDiscard() {
  if (!model_.Modified) return true;
  const FormAnswer answer =
      ui_.Ask({FormIcon::Question, "現在の設定はまだ保存されていません。保存しますか?",
               "保存の確認", FormButtons::YesNoCancel, FormAnswer::Yes});
  if (answer == FormAnswer::Yes) return SaveDocumentAs() == kTrue;
  return answer == FormAnswer::No;
}

void MainFormModel::Open() {
  if (!ConfirmDiscard()) return;
  const std::string path = ui_.OpenFileName({kOpenCaption, StartFolder(model_), kDocumentFilter});
  if (path.empty()) return;
  ui_.ShowBusyStatus("open", "ファイルを開いています...");
  int32_t status;
  {
    FormBusy busy(ui_);
    status = OpenDocument(path);
  }
  if (status != kTrue) {
    UpdateStatusBar();
    ShowError(model_.LastErrDescription(), kOpenCaption);
    return;
  }
  AfterOpen();
}

bool MainFormModel::OpenAtStartup(const std::string& path) {
  if (OpenDocument(path) != kTrue) {
    ShowError(path + "を開くことができません。", kProductCaption);
    return false;
  }
  AfterOpen();
  return true;
}

int32_t MainFormModel::OpenDocument(const std::string& path) {
  return OpenIntoCopy(model_, path);
}

void MainFormModel::AfterOpen() {
  ApplySeason();
  ShowChart();
  UpdateStatusBar();
  UpdateTitle();
  model_.Modified = false;
}

void MainFormModel::Save() {
  if (model_.DocumentPath.empty()) {
    SaveDocumentAs();
    return;
  }
  SaveTo(model_.DocumentPath, kSaveCaption);
}

int32_t MainFormModel::SaveDocumentAs() {
  const std::string initial = model_.DocumentPath.empty()
                                  ? JoinPath(StartFolder(model_), kDefaultName)
                                  : model_.DocumentPath;
  const std::string path = ui_.SaveFileName({kSaveAsCaption, initial, kDocumentFilter});
  if (path.empty()) return 0;
  return SaveTo(WithDocumentExtension(path), kSaveAsCaption);
}

int32_t MainFormModel::SaveTo(const std::string& path, const char* caption) {
  ui_.ShowBusyStatus("save", "ファイルを保存しています...");
  int32_t status;
  {
    FormBusy busy(ui_);
    status = model_.lSaveUfxAll(path);
  }
  UpdateStatusBar();
  if (status != kTrue) {
    ShowError(model_.LastErrDescription(), caption);
    return status;
  }
  model_.Modified = false;
  UpdateTitle();
  return kTrue;
}
