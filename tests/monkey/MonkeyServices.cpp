#include "MonkeyServices.h"

#include <QEventLoop>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTimer>

#include "MonkeyDice.h"
#include "MonkeyLog.h"

namespace {

std::string Short(const QString& text) {
  return text.left(60).simplified().toStdString();
}

const char* NameOf(MessageAnswer answer) {
  switch (answer) {
    case MessageAnswer::Ok:
      return "OK";
    case MessageAnswer::Cancel:
      return "Cancel";
    case MessageAnswer::Yes:
      return "Yes";
    case MessageAnswer::No:
      return "No";
  }
  return "?";
}

std::vector<MessageAnswer> AnswersOf(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok:
      return {MessageAnswer::Ok};
    case MessageButtons::OkCancel:
      return {MessageAnswer::Ok, MessageAnswer::Cancel};
    case MessageButtons::YesNo:
      return {MessageAnswer::Yes, MessageAnswer::No};
    case MessageButtons::YesNoCancel:
      return {MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Cancel};
  }
  return {MessageAnswer::Ok};
}

// The first extension the filter offers ("Name (*.ufx)" -> "ufx").
QString ExtensionOf(const QString& filter) {
  static const QRegularExpression pattern(u"\\*\\.([A-Za-z0-9]+)"_qs);
  const QRegularExpressionMatch match = pattern.match(filter);
  return match.hasMatch() ? match.captured(1) : u"ufx"_qs;
}

}  // namespace

MessageAnswer RandomMessages::Ask(QWidget*, const MessageRequest& request) {
  ++Stats().messages;
  const MessageAnswer answer =
      dice_.Chance(0.15) ? request.defaultAnswer : dice_.Pick(AnswersOf(request.buttons));
  Note("message [" + Short(request.caption) + "] " + Short(request.text) + " -> " + NameOf(answer));
  // A real box runs its own event loop: timers and repaints go on meanwhile.
  if (dice_.Chance(0.2)) {
    answering_ = true;
    QEventLoop loop;
    QTimer::singleShot(dice_.Between(1, 30), &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    answering_ = false;
  }
  return answer;
}

RandomFileDialogs::RandomFileDialogs(Dice& dice, const QString& scratch)
    : dice_(dice), folder_(scratch) {
  folder_.mkpath(u"docs"_qs);
  folder_.cd(u"docs"_qs);
}

void RandomFileDialogs::Remember(const QString& path) {
  if (!path.isEmpty() && !saved_.contains(path)) saved_.append(path);
}

QString RandomFileDialogs::SavedFile() {
  saved_.removeIf([](const QString& path) { return !QFile::exists(path); });
  return saved_.isEmpty() ? QString() : saved_.at(dice_.Below(int(saved_.size())));
}

QString RandomFileDialogs::StartupDocument() {
  switch (dice_.Weighted({60, 25, 15})) {
    case 0:
      return SavedFile();
    case 1:
      return BrokenCopy(u"ufx"_qs);
    default:
      return Odd(u"ufx"_qs);
  }
}

QString RandomFileDialogs::BrokenCopy(const QString& extension) {
  const QString source = SavedFile();
  QByteArray bytes;
  if (!source.isEmpty()) {
    QFile in(source);
    if (in.open(QIODevice::ReadOnly)) bytes = in.readAll();
  }
  if (bytes.isEmpty() || dice_.Chance(0.3)) {
    for (int i = dice_.Between(0, 4000); i > 0; --i) bytes.append(char(dice_.Below(256)));
  } else if (dice_.Chance(0.5)) {
    bytes.truncate(dice_.Below(int(bytes.size())));
  } else {
    for (int i = dice_.Between(1, 20); i > 0; --i)
      bytes[dice_.Below(int(bytes.size()))] = char(dice_.Below(256));
  }
  const QString path = folder_.filePath(u"broken-%1.%2"_qs.arg(++made_).arg(extension));
  QFile out(path);
  if (out.open(QIODevice::WriteOnly)) out.write(bytes);
  return path;
}

// Places where a file cannot be, or a name no dialog would give.
QString RandomFileDialogs::Odd(const QString& extension) {
  switch (dice_.Below(6)) {
    case 0:
      return folder_.path();  // a folder
    case 1:
      return folder_.filePath(u"missing/none."_qs + extension);
    case 2:
      return u"/proc/umbrafex-monkey."_qs + extension;  // cannot be written
    case 3:
      return folder_.filePath(u"名前 with space, ;=[x]."_qs + extension);
    case 4:
      return folder_.filePath(u"no-extension-%1"_qs.arg(++made_));
    default:
      return u"relative-%1."_qs.arg(++made_) + extension;
  }
}

QString RandomFileDialogs::OpenFileName(QWidget*, const FileRequest& request) {
  ++Stats().fileDialogs;
  const QString extension = ExtensionOf(request.filter);
  QString path;
  switch (dice_.Weighted({25, 40, 15, 10, 10})) {
    case 0:
      break;  // cancelled
    case 1:
      path = SavedFile();
      break;
    case 2:
      path = BrokenCopy(extension);
      break;
    case 3:
      path = folder_.filePath(u"never-saved."_qs + extension);
      break;
    default:
      path = Odd(extension);
  }
  Note("open file dialog [" + Short(request.caption) + "] -> " + path.toStdString());
  return path;
}

QString RandomFileDialogs::SaveFileName(QWidget*, const FileRequest& request) {
  ++Stats().fileDialogs;
  const QString extension = ExtensionOf(request.filter);
  QString path;
  switch (dice_.Weighted({20, 45, 20, 15})) {
    case 0:
      break;  // cancelled
    case 1:
      path = folder_.filePath(u"doc-%1."_qs.arg(++made_ % 40) + extension);
      break;
    case 2:
      path = SavedFile();
      break;
    default:
      path = Odd(extension);
  }
  Remember(path.isEmpty() || path.startsWith(u"/proc"_qs) ? QString() : path);
  Note("save file dialog [" + Short(request.caption) + "] -> " + path.toStdString());
  return path;
}

bool RandomDesktop::OpenUrl(const QUrl& url) {
  ++Stats().desktopOpens;
  const bool opened = dice_.Chance(0.7);
  Note("desktop open " + url.toString().toStdString() + (opened ? " -> opened" : " -> failed"));
  return opened;
}

bool MonkeyPrinter::available = true;

MonkeyPrinter::MonkeyPrinter(const QString& pdfPath) : pdfPath_(pdfPath), printer_(&Printer()) {
  printer_->setOutputFileName(pdfPath_);
}

bool MonkeyPrinter::IsPrinterAvailable() const {
  return available;
}

PrinterProperties MonkeyPrinter::Current() const {
  // Whatever the print dialog was given, the pages stay in the scratch folder.
  if (printer_->outputFileName() != pdfPath_) printer_->setOutputFileName(pdfPath_);
  return QtPrinterSetup::Current();
}
