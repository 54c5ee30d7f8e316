// What the main window does around the other windows: the date basis and
// the checks before output, and the refresh after a dialog or a table.
#include "MainFormModel.h"

namespace {

FormAnswer AskAnswerOf(CheckAnswer answer) {
  switch (answer) {
    case CheckAnswer::Yes:
      return FormAnswer::Yes;
    case CheckAnswer::No:
      return FormAnswer::No;
    case CheckAnswer::Cancel:
      return FormAnswer::Cancel;
  }
  return FormAnswer::Yes;
}

CheckAnswer CheckAnswerOf(FormAnswer answer) {
  switch (answer) {
    case FormAnswer::Yes:
    case FormAnswer::Ok:
      return CheckAnswer::Yes;
    case FormAnswer::No:
      return CheckAnswer::No;
    case FormAnswer::Cancel:
      return CheckAnswer::Cancel;
  }
  return CheckAnswer::Cancel;
}

FormMessage MessageOf(const CheckItem& item) {
  if (item.kind != CheckKind::Ask) return {FormIcon::Information, item.text, item.caption};
  return {FormIcon::Question, item.text, item.caption,
          item.withCancel ? FormButtons::YesNoCancel : FormButtons::YesNo,
          AskAnswerOf(item.defaultAnswer)};
}

}  // namespace

std::optional<int16_t> MainFormModel::PrepareOutput(OutputCommand command) {
  if (command != OutputCommand::Clock && !ApplySeason()) return std::nullopt;
  const CheckOutcome outcome = RunOutputChecks(
      model_, RequestFromModel(model_, command),
      [this](const CheckItem& item) { return CheckAnswerOf(ui_.Ask(MessageOf(item))); });
  if (!outcome.proceed) return std::nullopt;
  return outcome.pageCount;
}

void MainFormModel::AfterLocationChosen() {
  FollowLatitude();
  ShowChart();
  UpdateStatusBar();
  model_.modified = true;
}

void MainFormModel::AfterOptionsChanged() {
  ApplySeason();
  ShowChart();
  UpdateStatusBar();
  model_.modified = true;
}

void MainFormModel::RestoreDateBasis() {
  ApplySeason();
  ShowChart();
}
