// The main window's commands. Each first validates the box being edited,
// then runs its window through the hooks and refreshes what it changed.
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QPushButton>
#include <QWhatsThis>

#include "MainWindow.h"
#include "MainWindowUi.h"
#include "UiLanguage.h"
#include "UiServices.h"
#include "YearTables.h"

namespace {

// Told in the language chosen, which the running texts are not in yet.
constexpr const char* kLanguageAtRestart =
    QT_TRANSLATE_NOOP("MainWindow", "The language changes when Umbrafex starts again.");

}  // namespace

StatusFunction MainWindow::StatusCallback() {
  return [this](const QString& icon, const QString& text) { ShowBusyStatus(icon, text); };
}

void MainWindow::EnableCommands() {
  auto enable = [this](std::initializer_list<const char*> names, bool on) {
    for (const char* name : names) {
      if (QAction* action = actions_.value(QString::fromLatin1(name))) action->setEnabled(on);
    }
  };
  enable({"mnuFilePrint", "Print"}, bool(hooks_.print));
  enable({"mnuFileSetup", "Setup"}, bool(hooks_.printerSetup));
  enable({"mnuFilePreview", "Preview"}, bool(hooks_.preview));
  enable({"mnuFileExport"}, bool(hooks_.exportPages));
  enable({"mnuToolLocation", "Location"}, bool(hooks_.location));
  enable({"mnuToolInfo", "Info"}, bool(hooks_.info));
  enable({"mnuToolClock", "Clock"}, bool(hooks_.clock));
  enable({"mnuToolOption", "Option"}, bool(hooks_.options));
  enable({"mnuTableEquationExcel", "mnuTableDeclinationExcel", "tbrEquationExcel",
          "tbrDeclinationExcel", "Equation", "Declination"},
         bool(hooks_.tableToSpreadsheet));
  enable({"mnuTableEquationCsv", "mnuTableDeclinationCsv", "tbrEquationCsv", "tbrDeclinationCsv"},
         bool(hooks_.tableToFile));
  enable({"mnuTableGraph"}, bool(hooks_.yearGraph));
  enable({"mnuHelpTopic", "Help"}, bool(hooks_.helpContents));
  enable({"mnuHelpAbout"}, bool(hooks_.about));
  measureWall_->setEnabled(bool(hooks_.measureWall));
}

void MainWindow::OpenCommand() {
  if (!ValidateEditing()) return;
  form_.Open();
  ShowForm();
}

void MainWindow::SaveCommand() {
  if (!ValidateEditing()) return;
  form_.Save();
  ShowForm();
}

void MainWindow::SaveAsCommand() {
  if (!ValidateEditing()) return;
  form_.SaveDocumentAs();
  ShowForm();
}

void MainWindow::PrintCommand() {
  if (!hooks_.print || !ValidateEditing()) return;
  const auto pages = form_.PrepareOutput(OutputCommand::Print);
  ShowForm();
  if (!pages) return;
  model_.lastError.Clear();
  // The print command shows its own failure message.
  const Status status = hooks_.print(this, model_, *pages, StatusCallback());
  UpdateStatusBar();
  if (status.ok()) {
    ShowDoneStatus(u"print"_qs,
                   tr("Printed on %1").arg(MainText(model_.Printer().Current().deviceName)));
  }
}

void MainWindow::SetupCommand() {
  if (!hooks_.printerSetup || !ValidateEditing()) return;
  hooks_.printerSetup(this, model_, StatusCallback());
  UpdateStatusBar();
}

void MainWindow::PreviewCommand() {
  if (!hooks_.preview || !ValidateEditing()) return;
  const auto pages = form_.PrepareOutput(OutputCommand::Preview);
  ShowForm();
  if (pages) hooks_.preview(this, model_, *pages);
}

void MainWindow::ExportCommand() {
  if (!hooks_.exportPages || !ValidateEditing()) return;
  const auto pages = form_.PrepareOutput(OutputCommand::Export);
  ShowForm();
  if (!pages) return;
  const QString written = hooks_.exportPages(this, model_, *pages);
  form_.RestoreDateBasis();
  UpdateStatusBar();
  if (!written.isEmpty()) {
    ShowDoneStatus(u"export-file"_qs, tr("Exported to %1").arg(QFileInfo(written).fileName()));
  }
}

void MainWindow::ExitCommand() {
  if (!ValidateEditing() || !form_.ConfirmDiscard()) return ShowForm();
  closeConfirmed_ = true;
  close();
}

bool MainWindow::ConfirmClose() {
  const bool confirmed = closeConfirmed_ || (ValidateEditing() && form_.ConfirmDiscard());
  ShowForm();
  closeConfirmed_ = confirmed;
  return confirmed;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!ConfirmClose()) {
    event->ignore();
    return;
  }
  RememberPlacement();
  event->accept();
  // Any other top-level window (help) goes with the main window.
  QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

void MainWindow::LocationCommand() {
  if (!hooks_.location || !ValidateEditing()) return;
  if (hooks_.location(this, model_)) form_.AfterLocationChosen();
  ShowForm();
}

void MainWindow::InfoCommand() {
  if (!hooks_.info || !ValidateEditing()) return;
  if (!model_.ApplySeason().ok()) {
    ShowMessage(this, MessageIcon::Exclamation, MainText(model_.lastError.description),
                tr("Calculation Info"));
    return;
  }
  hooks_.info(this, model_);
}

void MainWindow::ClockCommand() {
  if (!hooks_.clock || !ValidateEditing()) return;
  const auto pages = form_.PrepareOutput(OutputCommand::Clock);
  if (pages) {
    hooks_.clock(this, model_);
    form_.RestoreDateBasis();
  }
  ShowForm();
}

void MainWindow::MeasureWallCommand() {
  if (!hooks_.measureWall || !ValidateEditing()) return;
  if (const auto facing = hooks_.measureWall(this, model_)) form_.UseWallFacing(*facing);
  ShowForm();
}

void MainWindow::OptionCommand() {
  ShowOptions(0);
}

void MainWindow::ShowOptions(int page) {
  if (!hooks_.options || !ValidateEditing()) return;
  if (hooks_.options(this, model_, page)) form_.AfterOptionsChanged();
  ShowForm();
}

void MainWindow::EquationToSpreadsheet() {
  RunTable(TableKind::EquationOfTime, true);
}
void MainWindow::EquationToFile() {
  RunTable(TableKind::EquationOfTime, false);
}
void MainWindow::DeclinationToSpreadsheet() {
  RunTable(TableKind::SolarDeclination, true);
}
void MainWindow::DeclinationToFile() {
  RunTable(TableKind::SolarDeclination, false);
}

void MainWindow::RunTable(TableKind kind, bool spreadsheet) {
  const auto& hook = spreadsheet ? hooks_.tableToSpreadsheet : hooks_.tableToFile;
  if (!hook || !ValidateEditing()) return;
  hook(this, model_, kind, StatusCallback());
  form_.RestoreDateBasis();
  UpdateStatusBar();
  ShowForm();
}

void MainWindow::YearGraphCommand() {
  if (!hooks_.yearGraph || !ValidateEditing()) return;
  hooks_.yearGraph(this, model_);
  form_.RestoreDateBasis();
  ShowForm();
}

void MainWindow::PopHintCommand() {
  if (!ValidateEditing()) return;
  QWhatsThis::enterWhatsThisMode();
}

void MainWindow::HelpCommand() {
  if (!hooks_.helpContents || !ValidateEditing()) return;
  hooks_.helpContents(this);
}

void MainWindow::AboutCommand() {
  if (!hooks_.about || !ValidateEditing()) return;
  hooks_.about(this);
}

void MainWindow::ChooseLanguage(UiLanguage language) {
  const std::string code(LanguageCode(language));
  if (model_.language == code) return;
  model_.language = code;
  // Back to the language of the running texts: nothing changes at the restart.
  if (language == TextLanguage()) return;
  ShowMessage(this, MessageIcon::Information,
              TextInLanguage(language, "MainWindow", kLanguageAtRestart),
              QStringLiteral("Umbrafex"));
}
