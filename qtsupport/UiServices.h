// The desktop services every window goes through: message boxes, file
// dialogs and opening files or addresses with the desktop's programs. Tests
// and the monkey run replace them to answer questions and pick files.
#pragma once

#include <QString>
#include <QUrl>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

class QWidget;

enum class MessageIcon { Information, Exclamation, Question, Critical };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct MessageRequest {
  MessageIcon icon = MessageIcon::Information;
  MessageButtons buttons = MessageButtons::Ok;
  QString text;
  QString caption;
  MessageAnswer defaultAnswer = MessageAnswer::Ok;
};

class MessageService {
 public:
  virtual ~MessageService() = default;
  virtual MessageAnswer Ask(QWidget* parent, const MessageRequest& request) = 0;
};

struct FileRequest {
  QString caption;
  QString initialPath;  // a folder, or a folder and a suggested name
  QString filter;       // "Name (*.ext);;Other (*.a *.b)"
};

class FileDialogService {
 public:
  virtual ~FileDialogService() = default;
  // The chosen path, or empty when the user cancelled.
  virtual QString OpenFileName(QWidget* parent, const FileRequest& request) = 0;
  virtual QString SaveFileName(QWidget* parent, const FileRequest& request) = 0;
};

class DesktopService {
 public:
  virtual ~DesktopService() = default;
  // False when nothing on the desktop could open it.
  virtual bool OpenUrl(const QUrl& url) = 0;
};

MessageService& Messages();
FileDialogService& FileDialogs();
DesktopService& Desktop();

// The save dialog, with `extension` (".csv") added to a name typed without
// one. The dialog confirms replacing only the name it returned, so a file
// that the added extension names is asked about here; No opens the dialog
// again. Empty when the user cancelled.
QString ChooseSavePath(QWidget* parent, FileRequest request, const QString& extension);

// Shows a long command's text and icon name in the window's first status
// panel; an empty text puts the window's usual status back.
using StatusFunction = std::function<void(const QString& icon, const QString& text)>;

// Shows a message through the current service.
MessageAnswer ShowMessage(QWidget* parent, MessageIcon icon, const QString& text,
                          const QString& caption, MessageButtons buttons = MessageButtons::Ok,
                          MessageAnswer defaultAnswer = MessageAnswer::Ok);

// Puts the given services in place while it lives, then restores the
// earlier ones. A null pointer keeps the current service.
class ScopedUiServices {
 public:
  ScopedUiServices(MessageService* messages, FileDialogService* files = nullptr,
                   DesktopService* desktop = nullptr);
  ~ScopedUiServices();
  ScopedUiServices(const ScopedUiServices&) = delete;
  ScopedUiServices& operator=(const ScopedUiServices&) = delete;

 private:
  MessageService* messages_;
  FileDialogService* files_;
  DesktopService* desktop_;
};

// Answers from a queue (then the request's default) and keeps every request.
class ScriptedMessages : public MessageService {
 public:
  MessageAnswer Ask(QWidget* parent, const MessageRequest& request) override;
  std::deque<MessageAnswer> answers;
  std::vector<MessageRequest> asked;
};

// Hands out paths from queues (then the empty cancel) and keeps every request.
class ScriptedFileDialogs : public FileDialogService {
 public:
  QString OpenFileName(QWidget* parent, const FileRequest& request) override;
  QString SaveFileName(QWidget* parent, const FileRequest& request) override;
  std::deque<QString> openPaths;
  std::deque<QString> savePaths;
  std::vector<FileRequest> asked;
};

// Records what would have been opened and answers `opens`.
class RecordingDesktop : public DesktopService {
 public:
  bool OpenUrl(const QUrl& url) override;
  bool opens = true;
  std::vector<QUrl> opened;
};
