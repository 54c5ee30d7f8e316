#include "ExportPagesCommand.h"

#include <QCoreApplication>
#include <QDir>

#include "Busy.h"
#include "MainModel.h"
#include "PageExport.h"
#include "Paths.h"
#include "PrintJob.h"
#include "UiServices.h"

namespace {

struct Texts {
  Q_DECLARE_TR_FUNCTIONS(ExportPagesCommand)
};

QString SuggestedPath(const MainModel& model) {
  const std::string& document = model.documentPath;
  if (!document.empty()) {
    return QString::fromStdString(RemoveExtension(document)) + QStringLiteral(".pdf");
  }
  const QString folder =
      model.lastDir.empty() ? QDir::homePath() : QString::fromStdString(model.lastDir);
  return QDir(folder).filePath(QStringLiteral("sundial.pdf"));
}

Status WritePages(MainModel& model, const std::string& path, const ExportChoice& choice) {
  if (const Status status = model.ApplySeason(); !status.ok()) return status;
  for (const ExportChoice::File& file : choice.Files(path)) {
    const Status status = ExportPagesToFile(model, file.path, choice.Kind(), file.pages);
    if (!status.ok()) return status;
  }
  return Status::Ok();
}

}  // namespace

QString ExportPagesCommand(QWidget* parent, MainModel& model, int16_t pageCount) {
  return ExportPagesCommand(parent, model, pageCount, ShowExportOptionsDialog);
}

QString ExportPagesCommand(QWidget* parent, MainModel& model, int16_t pageCount,
                           const ExportOptionsDialog& askOptions) {
  const QString caption = Texts::tr("Export to PDF/SVG/PNG");
  const QString chosen = FileDialogs().SaveFileName(
      parent, {caption, SuggestedPath(model),
               Texts::tr("PDF files (*.pdf);;SVG pictures (*.svg);;PNG pictures (*.png);;"
                         "DXF drawings (*.dxf)")});
  if (chosen.isEmpty()) return {};
  const std::string path = chosen.toStdString();
  const auto kind = ExportKindOfPath(path);
  if (!kind) {
    ShowMessage(parent, MessageIcon::Information,
                Texts::tr("The file name must end in .pdf, .svg, .png or .dxf."), caption);
    return {};
  }
  const PrinterProperties printer = model.Printer().Current();
  ExportChoice choice(*kind, printer.paperSize, printer.orientation, pageCount);
  choice.setTilesAvailable(model.dialOption.faceSize > 0);
  if (!askOptions(parent, choice)) return {};
  model.lastError.Clear();
  Status status;
  {
    BusyScope busy(parent);
    status = WritePages(model, path, choice);
  }
  if (!status.ok()) {
    ShowMessage(parent, MessageIcon::Exclamation,
                QString::fromStdString(model.lastError.description), caption);
    return {};
  }
  return chosen;
}
