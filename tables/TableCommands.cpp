#include "TableCommands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>
#include <string>

#include "Busy.h"
#include "MainModel.h"
#include "Paths.h"
#include "SeasonGuard.h"

namespace {

struct Texts {
  Q_DECLARE_TR_FUNCTIONS(TableCommands)
};

QString Translated(std::string_view source) {
  return QString::fromStdString(TableText(source));
}

QString FromStd(const std::string& text) {
  return QString::fromStdString(text);
}

void ShowFailure(QWidget* parent, const MainModel& model, const QString& caption) {
  ShowMessage(parent, MessageIcon::Exclamation, FromStd(model.lastError.description), caption);
}

// The table as a file of the given kind; the chart's season is put back
// afterwards, as the main window and the document still describe the
// design's own day.
template <typename Writer>
Status WriteWithSeasonKept(QWidget* parent, MainModel& model, Writer writer) {
  const BusyScope busy(parent);
  const SeasonGuard season(model.Chart());
  return writer();
}

}  // namespace

FileRequest TableSaveRequest(const MainModel& model, TableKind kind) {
  const std::string folder =
      SuggestedTableFolder(model.documentPath, model.lastDir, DocumentFolder());
  const std::string name = SuggestedTableFileName(kind, model.documentPath);
  return {Translated(TableTextsOf(kind).fileCaption), FromStd(JoinPath(folder, name)),
          Texts::tr("Comma-separated files (*.csv)")};
}

QString SpreadsheetWorkbookPath(const MainModel& model, TableKind kind) {
  const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
  QString name = FromStd(SuggestedTableFileName(kind, model.documentPath));
  name.chop(QStringLiteral(".csv").size());
  return QDir(cache).filePath(QStringLiteral("umbrafex/") + name + QStringLiteral(".xlsx"));
}

void SaveTableToFile(QWidget* parent, MainModel& model, TableKind kind,
                     const StatusFunction& showStatus) {
  model.lastError.Clear();
  const FileRequest request = TableSaveRequest(model, kind);
  const QString chosen = ChooseSavePath(parent, request, QStringLiteral(".csv"));
  if (chosen.isEmpty()) return;
  const std::string path = chosen.toStdString();
  if (showStatus) {
    showStatus(QStringLiteral("export-file"), Texts::tr("Writing the file..."));
  }
  const Status status =
      WriteWithSeasonKept(parent, model, [&] { return WriteTableFile(model, kind, path); });
  if (!status.ok()) ShowFailure(parent, model, request.caption);
}

void OpenTableInSpreadsheet(QWidget* parent, MainModel& model, TableKind kind,
                            const StatusFunction& showStatus) {
  model.lastError.Clear();
  const QString caption = Translated(TableTextsOf(kind).spreadsheetCaption);
  const QString path = SpreadsheetWorkbookPath(model, kind);
  if (showStatus) {
    showStatus(QStringLiteral("export-spreadsheet"), Texts::tr("Writing the spreadsheet..."));
  }
  QDir().mkpath(QFileInfo(path).absolutePath());  // a failure shows as the file's
  const Status status = WriteWithSeasonKept(
      parent, model, [&] { return WriteTableWorkbook(model, kind, path.toStdString()); });
  if (!status.ok()) {
    ShowFailure(parent, model, caption);
    return;
  }
  if (!Desktop().OpenUrl(QUrl::fromLocalFile(path))) {
    ShowMessage(parent, MessageIcon::Exclamation,
                Texts::tr("No spreadsheet program responded or could be started.\n\n"
                          "The table was saved in this file:\n%1")
                    .arg(QDir::toNativeSeparators(path)),
                caption);
  }
}
