#include "ExportPagesCommand.h"

#include <QCoreApplication>
#include <QDir>

#include "Busy.h"
#include "MainModel.h"
#include "PageExport.h"
#include "Paths.h"
#include "UiServices.h"
#include "PrintJob.h"

namespace {

QString Tr(const char* text) {
  return QCoreApplication::translate("ExportPagesCommand", text);
}

QString SuggestedPath(const MainModel& model) {
  const std::string& document = model.DocumentPath;
  if (!document.empty()) {
    return QString::fromStdString(RemoveExtension(document)) + QStringLiteral(".pdf");
  }
  const QString folder =
      model.LastDir.empty() ? QDir::homePath() : QString::fromStdString(model.LastDir);
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
  const QString caption = Tr("PDF/SVG/PNGに書き出し");
  const QString chosen = FileDialogs().SaveFileName(
      parent, {caption, SuggestedPath(model),
               Tr("PDF ファイル (*.pdf);;SVG 画像 (*.svg);;PNG 画像 (*.png)")});
  if (chosen.isEmpty()) return {};
  const std::string path = chosen.toStdString();
  const auto kind = ExportKindOfPath(path);
  if (!kind) {
    ShowMessage(parent, MessageIcon::Information,
                Tr("ファイル名の拡張子は .pdf、.svg、.png のいずれかにしてください。"), caption);
    return {};
  }
  const PrinterProperties printer = model.Printer().Current();
  ExportChoice choice(*kind, printer.PaperSize, printer.Orientation, pageCount);
  if (!askOptions(parent, choice)) return {};
  model.LastError.Clear();
  Status status;
  {
    BusyScope busy(parent);
    status = WritePages(model, path, choice);
  }
  if (!status.ok()) {
    ShowMessage(parent, MessageIcon::Exclamation,
                QString::fromStdString(model.LastError.Description), caption);
    return {};
  }
  return chosen;
}
