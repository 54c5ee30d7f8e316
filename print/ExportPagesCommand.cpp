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

Status WritePages(MainModel& model, const std::string& path, ExportKind kind, int16_t pageCount) {
  const PrinterProperties printer = model.Printer().Current();
  ExportPages pages;
  pages.PaperSize = IsSupportedPaper(printer.PaperSize) ? printer.PaperSize : kPaperA4;
  pages.Orientation = printer.Orientation == kLandscape ? kLandscape : kPortrait;
  pages.PageCount = PrintedPageCount(pageCount);
  if (const Status status = model.ApplySeason(); !status.ok()) return status;
  if (kind == ExportKind::Pdf) return ExportPagesToFile(model, path, kind, pages);
  for (int16_t page = 1; page <= pages.PageCount; ++page) {
    pages.Page = page;
    const Status status = ExportPagesToFile(model, PagePicturePath(path, page), kind, pages);
    if (!status.ok()) return status;
  }
  return Status::Ok();
}

}  // namespace

void ExportPagesCommand(QWidget* parent, MainModel& model, int16_t pageCount) {
  const QString caption = Tr("PDF/SVG/PNGに書き出し");
  const QString chosen = FileDialogs().SaveFileName(
      parent, {caption, SuggestedPath(model),
               Tr("PDF ファイル (*.pdf);;SVG 画像 (*.svg);;PNG 画像 (*.png)")});
  if (chosen.isEmpty()) return;
  const std::string path = chosen.toStdString();
  const auto kind = ExportKindOfPath(path);
  if (!kind) {
    ShowMessage(parent, MessageIcon::Information,
                Tr("ファイル名の拡張子は .pdf、.svg、.png のいずれかにしてください。"), caption);
    return;
  }
  model.LastError.Clear();
  Status status;
  {
    BusyScope busy(parent);
    status = WritePages(model, path, *kind, pageCount);
  }
  if (!status.ok()) {
    ShowMessage(parent, MessageIcon::Exclamation,
                QString::fromStdString(model.LastError.Description), caption);
  }
}
