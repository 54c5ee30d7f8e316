// The document commands of the main window: open, save, save as, the
// unsaved-changes question and the document named at start-up.
#include "AsciiText.h"
#include "DesignCopy.h"
#include "MainFormModel.h"
#include "Paths.h"
#include "UiText.h"

namespace {

constexpr const char* kDefaultName = "umbrafex.ufx";

std::string OpenCaption() {
  return TranslateText("MainFormModel", "Open");
}

std::string SaveCaption() {
  return TranslateText("MainFormModel", "Save");
}

std::string SaveAsCaption() {
  return TranslateText("MainFormModel", "Save As");
}

std::string DocumentFilter() {
  return TranslateText("MainFormModel", "Umbrafex settings files (*.ufx)");
}

std::string StartFolder(const MainModel& model) {
  return model.lastDir.empty() ? DocumentFolder() : model.lastDir;
}

constexpr std::string_view kDocumentExtension = ".ufx";

// Only documents named *.ufx open again, so any other name gets the
// extension added.
bool HasDocumentExtension(const std::string& path) {
  return EndsWithIgnoringCase(path, kDocumentExtension);
}

}  // namespace

bool MainFormModel::ConfirmDiscard() {
  if (!model_.modified) return true;
  const FormAnswer answer = ui_.Ask(
      {FormIcon::Question,
       TranslateText("MainFormModel", "The current settings have not been saved yet. Save them?"),
       TranslateText("MainFormModel", "Save Changes"), FormButtons::YesNoCancel, FormAnswer::Yes});
  if (answer == FormAnswer::Yes) return SaveDocumentAs();
  return answer == FormAnswer::No;
}

void MainFormModel::Open() {
  if (!ConfirmDiscard()) return;
  const std::string path = ui_.OpenFileName({OpenCaption(), StartFolder(model_), DocumentFilter()});
  if (path.empty()) return;
  ui_.ShowBusyStatus("open", TranslateText("MainFormModel", "Opening the file..."));
  Status status;
  {
    FormBusy busy(ui_);
    status = OpenDocument(path);
  }
  if (!status.ok()) {
    UpdateStatusBar();
    ShowError(model_.lastError.description, OpenCaption());
    return;
  }
  AfterOpen();
}

bool MainFormModel::OpenAtStartup(const std::string& path) {
  if (!OpenDocument(path).ok()) {
    ShowError(FillText(TranslateText("MainFormModel", "Cannot open %1."), {path}), kProductCaption);
    return false;
  }
  AfterOpen();
  return true;
}

Status MainFormModel::OpenDocument(const std::string& path) {
  return OpenIntoCopy(model_, path);
}

void MainFormModel::AfterOpen() {
  RecognisePlane();
  ApplySeason();
  ShowChart();
  UpdateStatusBar();
  UpdateTitle();
  model_.modified = false;
}

void MainFormModel::Save() {
  if (model_.documentPath.empty()) {
    SaveDocumentAs();
    return;
  }
  static_cast<void>(SaveTo(model_.documentPath, SaveCaption()));  // shows its own failure
}

bool MainFormModel::SaveDocumentAs() {
  const std::string initial = model_.documentPath.empty()
                                  ? JoinPath(StartFolder(model_), kDefaultName)
                                  : model_.documentPath;
  const std::string path = ChooseSavePath(initial);
  if (path.empty()) return false;
  return SaveTo(path, SaveAsCaption()).ok();
}

Status MainFormModel::SaveTo(const std::string& path, const std::string& caption) {
  ui_.ShowBusyStatus("save", TranslateText("MainFormModel", "Saving the file..."));
  Status status;
  {
    FormBusy busy(ui_);
    status = model_.SaveDocument(path);
  }
  UpdateStatusBar();
  if (!status.ok()) {
    ShowError(model_.lastError.description, caption);
    return status;
  }
  model_.modified = false;
  UpdateTitle();
  return Status::Ok();
}

// The save dialog confirms replacing only the name it was given; a name to
// which the extension was added is asked about here.
std::string MainFormModel::ChooseSavePath(const std::string& initial) {
  std::string suggested = initial;
  for (;;) {
    const std::string chosen = ui_.SaveFileName({SaveAsCaption(), suggested, DocumentFilter()});
    if (chosen.empty() || HasDocumentExtension(chosen)) return chosen;
    const std::string path = chosen + std::string(kDocumentExtension);
    if (!FileExists(path)) return path;
    const FormAnswer answer = ui_.Ask(
        {FormIcon::Question,
         FillText(TranslateText("MainFormModel", "%1 already exists.\nDo you want to replace it?"),
                  {GetFileName(path)}),
         SaveAsCaption(), FormButtons::YesNo, FormAnswer::No});
    if (answer == FormAnswer::Yes) return path;
    suggested = path;
  }
}
