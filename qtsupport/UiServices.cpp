#include "UiServices.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QProcess>

namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Exclamation:
      return QMessageBox::Warning;
    case MessageIcon::Question:
      return QMessageBox::Question;
    case MessageIcon::Critical:
      return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons BoxButtons(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok:
      return QMessageBox::Ok;
    case MessageButtons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

QMessageBox::StandardButton BoxButton(MessageAnswer answer) {
  switch (answer) {
    case MessageAnswer::Ok:
      return QMessageBox::Ok;
    case MessageAnswer::Cancel:
      return QMessageBox::Cancel;
    case MessageAnswer::Yes:
      return QMessageBox::Yes;
    case MessageAnswer::No:
      return QMessageBox::No;
  }
  return QMessageBox::Ok;
}

MessageAnswer AnswerOf(int button) {
  switch (button) {
    case QMessageBox::Yes:
      return MessageAnswer::Yes;
    case QMessageBox::No:
      return MessageAnswer::No;
    case QMessageBox::Cancel:
      return MessageAnswer::Cancel;
    default:
      return MessageAnswer::Ok;
  }
}

// Closing the box with Esc or its close box gives Cancel where there is one,
// No in a Yes/No question, OK otherwise.
class DesktopMessages : public MessageService {
 public:
  MessageAnswer Ask(QWidget* parent, const MessageRequest& request) override {
    QMessageBox box(BoxIcon(request.icon), request.caption, request.text,
                    BoxButtons(request.buttons), parent);
    box.setDefaultButton(BoxButton(request.defaultAnswer));
    if (request.buttons == MessageButtons::YesNo) box.setEscapeButton(QMessageBox::No);
    return AnswerOf(box.exec());
  }
};

class DesktopFileDialogs : public FileDialogService {
 public:
  QString OpenFileName(QWidget* parent, const FileRequest& r) override {
    return QFileDialog::getOpenFileName(parent, r.caption, r.initialPath, r.filter);
  }
  QString SaveFileName(QWidget* parent, const FileRequest& r) override {
    return QFileDialog::getSaveFileName(parent, r.caption, r.initialPath, r.filter);
  }
};

// The desktop's opener reports success as soon as it starts, even when no
// program is registered for the file's type; ask the desktop first so the
// caller can say so instead of silently doing nothing.
bool HasProgramFor(const QUrl& url) {
  if (!url.isLocalFile()) return true;
  const QString type = QMimeDatabase().mimeTypeForFile(url.toLocalFile()).name();
  QProcess query;
  query.start(QStringLiteral("xdg-mime"),
              {QStringLiteral("query"), QStringLiteral("default"), type});
  if (!query.waitForFinished(5000) || query.exitStatus() != QProcess::NormalExit) {
    return true;  // cannot ask: leave it to the opener
  }
  return !query.readAllStandardOutput().trimmed().isEmpty();
}

class DesktopOpener : public DesktopService {
 public:
  bool OpenUrl(const QUrl& url) override {
    return HasProgramFor(url) && QDesktopServices::openUrl(url);
  }
};

DesktopMessages desktopMessages;
DesktopFileDialogs desktopFileDialogs;
DesktopOpener desktopOpener;

MessageService* currentMessages = &desktopMessages;
FileDialogService* currentFiles = &desktopFileDialogs;
DesktopService* currentDesktop = &desktopOpener;

}  // namespace

MessageService& Messages() {
  return *currentMessages;
}
FileDialogService& FileDialogs() {
  return *currentFiles;
}
DesktopService& Desktop() {
  return *currentDesktop;
}

MessageAnswer ShowMessage(QWidget* parent, MessageIcon icon, const QString& text,
                          const QString& caption, MessageButtons buttons,
                          MessageAnswer defaultAnswer) {
  return Messages().Ask(parent, {icon, buttons, text, caption, defaultAnswer});
}

QString ChooseSavePath(QWidget* parent, FileRequest request, const QString& extension) {
  for (;;) {
    const QString chosen = FileDialogs().SaveFileName(parent, request);
    if (chosen.isEmpty() || !QFileInfo(chosen).suffix().isEmpty()) return chosen;
    const QString path = chosen + extension;
    if (!QFileInfo::exists(path)) return path;
    const MessageAnswer answer = ShowMessage(
        parent, MessageIcon::Question,
        QCoreApplication::translate("FileDialogs", "%1 already exists.\nDo you want to replace it?")
            .arg(QFileInfo(path).fileName()),
        request.caption, MessageButtons::YesNo, MessageAnswer::No);
    if (answer == MessageAnswer::Yes) return path;
    request.initialPath = path;
  }
}

ScopedUiServices::ScopedUiServices(MessageService* messages, FileDialogService* files,
                                   DesktopService* desktop)
    : messages_(currentMessages), files_(currentFiles), desktop_(currentDesktop) {
  if (messages != nullptr) currentMessages = messages;
  if (files != nullptr) currentFiles = files;
  if (desktop != nullptr) currentDesktop = desktop;
}

ScopedUiServices::~ScopedUiServices() {
  currentMessages = messages_;
  currentFiles = files_;
  currentDesktop = desktop_;
}

MessageAnswer ScriptedMessages::Ask(QWidget* /*parent*/, const MessageRequest& request) {
  asked.push_back(request);
  if (answers.empty()) return request.defaultAnswer;
  const MessageAnswer answer = answers.front();
  answers.pop_front();
  return answer;
}

namespace {
QString TakeFront(std::deque<QString>& paths) {
  if (paths.empty()) return {};
  QString path = paths.front();
  paths.pop_front();
  return path;
}
}  // namespace

QString ScriptedFileDialogs::OpenFileName(QWidget* /*parent*/, const FileRequest& request) {
  asked.push_back(request);
  return TakeFront(openPaths);
}

QString ScriptedFileDialogs::SaveFileName(QWidget* /*parent*/, const FileRequest& request) {
  asked.push_back(request);
  return TakeFront(savePaths);
}

bool RecordingDesktop::OpenUrl(const QUrl& url) {
  opened.push_back(url);
  return opens;
}
