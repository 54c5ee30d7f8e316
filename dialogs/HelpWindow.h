// The help window: the program's help pages in a browser beside a list of
// contents, with back, forward and home. One window per process, raised when
// asked for again.
#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>

class QListWidget;
class QTextBrowser;
class QToolButton;

// One entry of the contents list: the page file and its title.
struct HelpPage {
  QString file;
  QString title;
};

// The pages in reading order; the first is the home page.
const QList<HelpPage>& HelpContents();

// Where a topic leads: a page name ("design", "design.html", with or without
// an "#anchor") or a window's object name ("frmPreview"). An unknown topic
// leads to the home page.
QUrl HelpTopicUrl(const QString& topic);

// Opens the help window at its home page, or at the topic.
void ShowHelpContents(QWidget* parent);
void ShowHelpTopic(QWidget* parent, const QString& topic);

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  void ShowPage(const QUrl& url);
  QUrl CurrentPage() const;

 private:
  QWidget* BuildToolBar();
  void BuildContents();
  void FollowLink(const QUrl& url);
  void ChooseContentsEntry(int row);
  void MarkContentsEntry(const QUrl& url);

  QListWidget* contents_ = nullptr;
  QTextBrowser* browser_ = nullptr;
  QToolButton* back_ = nullptr;
  QToolButton* forward_ = nullptr;
  QToolButton* home_ = nullptr;
};
