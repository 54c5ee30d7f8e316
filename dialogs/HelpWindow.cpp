#include "HelpWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QListWidget>
#include <QPointer>
#include <QShortcut>
#include <QSplitter>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

#include "PopHints.h"
#include "ScreenPlacement.h"
#include "UiIcons.h"
#include "UiServices.h"
#include "UiText.h"

namespace {

// The English pages sit beside the Japanese ones under the same file names.
QString HelpFolder() {
  return TextLanguage() == UiLanguage::Japanese ? QStringLiteral("qrc:/umbrafex/help/")
                                                : QStringLiteral("qrc:/umbrafex/help/en/");
}

// Windows answer F1 with the page that describes them.
QString PageOfWindow(const QString& name) {
  static const QHash<QString, QString> pages = {
      {QStringLiteral("frmMain"), QStringLiteral("mainwindow.html")},
      {QStringLiteral("frmWall"), QStringLiteral("mainwindow.html")},
      {QStringLiteral("frmPreview"), QStringLiteral("preview.html")},
      {QStringLiteral("frmClock"), QStringLiteral("clock.html")},
      {QStringLiteral("frmLocation"), QStringLiteral("location.html")},
      {QStringLiteral("frmInfo"), QStringLiteral("info.html")},
      {QStringLiteral("frmOption"), QStringLiteral("options.html")},
      {QStringLiteral("frmGraph"), QStringLiteral("tables.html")},
      {QStringLiteral("frmAbout"), QStringLiteral("credits.html")},
      {QStringLiteral("frmHelp"), QStringLiteral("index.html")},
  };
  return pages.value(name);
}

bool IsHelpPage(const QString& file) {
  for (const HelpPage& page : HelpContents())
    if (page.file == file) return true;
  return false;
}

// The help window follows the user into modal dialogs: a window outside
// the modal dialog would be blocked, so it is moved under the dialog while
// that is open and handed back to the dialog's owner when it closes.
class HelpOwner : public QObject {
 public:
  explicit HelpOwner(HelpWindow* window) : QObject(window), window_(window) {}

  void AttachTo(QWidget* owner) {
    if (window_->parentWidget() == owner) return;
    const QRect frame = window_->geometry();
    const bool shown = window_->isVisible();
    window_->setParent(owner, window_->windowFlags() | Qt::Window);
    window_->setGeometry(frame);
    if (owner != nullptr && owner->isModal()) owner->installEventFilter(this);
    if (shown) window_->show();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Hide && watched == window_->parentWidget()) {
      watched->removeEventFilter(this);
      QWidget* dialog = window_->parentWidget();
      QWidget* next =
          dialog->parentWidget() != nullptr ? dialog->parentWidget()->window() : nullptr;
      AttachTo(next);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  HelpWindow* window_;
};

HelpWindow* HelpWindowFor(QWidget* parent) {
  static QPointer<HelpWindow> window;
  QWidget* owner = parent != nullptr ? parent->window() : nullptr;
  if (window.isNull()) {
    window = new HelpWindow(owner);
  } else if (owner != nullptr) {
    window->findChild<HelpOwner*>()->AttachTo(owner);
  }
  return window;
}

void Present(HelpWindow* window) {
  window->show();
  if (window->isMinimized()) window->showNormal();
  window->raise();
  window->activateWindow();
}

// The contents list's titles, collected for translation here and
// translated when the list is made.
QList<HelpPage> TranslatedContents() {
  static const std::pair<const char*, const char*> pages[] = {
      {"index.html", QT_TRANSLATE_NOOP("frmHelp", "Introduction")},
      {"sundial.html", QT_TRANSLATE_NOOP("frmHelp", "What Is a Horizontal Sundial?")},
      {"planes.html", QT_TRANSLATE_NOOP("frmHelp", "Dials on Any Plane")},
      {"design.html", QT_TRANSLATE_NOOP("frmHelp", "Making a Sundial Step by Step")},
      {"timesystem.html", QT_TRANSLATE_NOOP("frmHelp", "Solar Time and Standard Time")},
      {"equation.html", QT_TRANSLATE_NOOP("frmHelp", "The Equation of Time and the Date")},
      {"print.html", QT_TRANSLATE_NOOP("frmHelp", "Printing and Splitting Pages")},
      {"assemble.html", QT_TRANSLATE_NOOP("frmHelp", "Cutting Out and Assembling")},
      {"install.html", QT_TRANSLATE_NOOP("frmHelp", "Setting Up the Sundial")},
      {"wall.html", QT_TRANSLATE_NOOP("frmHelp", "Measuring and Mounting a Wall Dial")},
      {"mainwindow.html", QT_TRANSLATE_NOOP("frmHelp", "The Main Window")},
      {"commands.html", QT_TRANSLATE_NOOP("frmHelp", "Menus and Toolbar")},
      {"location.html", QT_TRANSLATE_NOOP("frmHelp", "Choosing a Location")},
      {"preview.html", QT_TRANSLATE_NOOP("frmHelp", "Print Preview")},
      {"clock.html", QT_TRANSLATE_NOOP("frmHelp", "The Desktop Sundial")},
      {"tables.html", QT_TRANSLATE_NOOP("frmHelp", "Tables and Graph")},
      {"info.html", QT_TRANSLATE_NOOP("frmHelp", "The Summary")},
      {"options.html", QT_TRANSLATE_NOOP("frmHelp", "Options")},
      {"files.html", QT_TRANSLATE_NOOP("frmHelp", "Files and the Command Line")},
      {"trouble.html", QT_TRANSLATE_NOOP("frmHelp", "Troubleshooting")},
      {"credits.html", QT_TRANSLATE_NOOP("frmHelp", "Data Sources and Licenses")},
  };
  QList<HelpPage> contents;
  for (const auto& [file, title] : pages)
    contents.append({QLatin1String(file), QCoreApplication::translate("frmHelp", title)});
  return contents;
}

}  // namespace

const QList<HelpPage>& HelpContents() {
  // Kept per language: the titles are fixed once the language is installed.
  if (TextLanguage() == UiLanguage::Japanese) {
    static const QList<HelpPage> japanese = TranslatedContents();
    return japanese;
  }
  static const QList<HelpPage> english = TranslatedContents();
  return english;
}

QUrl HelpTopicUrl(const QString& topic) {
  QString file = topic.section(QLatin1Char('#'), 0, 0).trimmed();
  const QString anchor = topic.section(QLatin1Char('#'), 1);
  if (const QString page = PageOfWindow(file); !page.isEmpty()) file = page;
  if (!file.isEmpty() && !file.endsWith(QLatin1String(".html"))) file += QLatin1String(".html");
  if (!IsHelpPage(file)) return QUrl(HelpFolder() + HelpContents().first().file);
  QUrl url(HelpFolder() + file);
  if (!anchor.isEmpty()) url.setFragment(anchor);
  return url;
}

void ShowHelpContents(QWidget* parent) {
  ShowHelpTopic(parent, HelpContents().first().file);
}

void ShowHelpTopic(QWidget* parent, const QString& topic) {
  HelpWindow* window = HelpWindowFor(parent);
  window->ShowPage(HelpTopicUrl(topic));
  Present(window);
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("frmHelp"));
  setWindowTitle(QCoreApplication::translate("frmHelp", "Umbrafex Help"));
  setWindowIcon(UiIcon(QStringLiteral("help"), QStringLiteral("help-contents")));
  // An open help window never keeps the program running after its main window.
  setAttribute(Qt::WA_QuitOnClose, false);
  new HelpOwner(this);

  browser_ = new QTextBrowser;
  browser_->setObjectName(QStringLiteral("txtHelp"));
  browser_->setAccessibleName(QCoreApplication::translate("frmHelp", "Help text"));
  browser_->setOpenLinks(false);
  connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::FollowLink);
  connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::MarkContentsEntry);
  BuildContents();

  auto* splitter = new QSplitter;
  splitter->addWidget(contents_);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({220, 580});

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(BuildToolBar());
  layout->addWidget(splitter, 1);
  ResizeToFit(this, QSize(860, 620));
  // The page takes the keys first: arrows and Page Down read on.
  browser_->setFocus();
  ApplyPopHints(this);
}

QWidget* HelpWindow::BuildToolBar() {
  auto* bar = new QWidget;
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(0, 0, 0, 0);
  auto button = [&](const char* name, const QString& icon, const QString& fallback,
                    const QString& text, const QKeySequence& keys) {
    auto* b = new QToolButton;
    b->setObjectName(QLatin1String(name));
    b->setIcon(UiIcon(icon, fallback));
    b->setText(text);
    b->setToolTip(text);
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setAutoRaise(true);
    b->setShortcut(keys);
    row->addWidget(b);
    return b;
  };
  back_ = button("cmdBack", QStringLiteral("help-back"), QStringLiteral("go-previous"),
                 QCoreApplication::translate("frmHelp", "Back"), QKeySequence::Back);
  forward_ = button("cmdForward", QStringLiteral("help-forward"), QStringLiteral("go-next"),
                    QCoreApplication::translate("frmHelp", "Forward"), QKeySequence::Forward);
  home_ = button("cmdHome", QStringLiteral("help-home"), QStringLiteral("go-home"),
                 QCoreApplication::translate("frmHelp", "Contents"),
                 QKeySequence(Qt::ALT | Qt::Key_Home));
  row->addStretch(1);
  back_->setEnabled(false);
  forward_->setEnabled(false);
  connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
  connect(home_, &QToolButton::clicked, this, [this] { ShowPage(HelpTopicUrl(QString())); });
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);
  new QShortcut(QKeySequence::Close, this, this, &QWidget::close);
  // Esc closes it as it closes every dialog of the program.
  new QShortcut(Qt::Key_Escape, this, this, &QWidget::close);
  return bar;
}

void HelpWindow::BuildContents() {
  contents_ = new QListWidget;
  contents_->setObjectName(QStringLiteral("lstContents"));
  contents_->setAccessibleName(QCoreApplication::translate("frmHelp", "Contents"));
  for (const HelpPage& page : HelpContents()) contents_->addItem(page.title);
  connect(contents_, &QListWidget::currentRowChanged, this, &HelpWindow::ChooseContentsEntry);
}

void HelpWindow::ShowPage(const QUrl& url) {
  if (url.adjusted(QUrl::RemoveFragment) == browser_->source().adjusted(QUrl::RemoveFragment) &&
      url.fragment().isEmpty()) {
    return;
  }
  browser_->setSource(url);
}

QUrl HelpWindow::CurrentPage() const {
  return browser_->source();
}

void HelpWindow::FollowLink(const QUrl& link) {
  const QUrl url = browser_->source().resolved(link);
  if (url.scheme() == QLatin1String("qrc")) {
    ShowPage(url);
    return;
  }
  // Web addresses and mail go to the desktop's own programs.
  if (!Desktop().OpenUrl(url)) {
    ShowMessage(this, MessageIcon::Exclamation,
                QCoreApplication::translate("frmHelp", "The link cannot be opened.") +
                    QLatin1Char('\n') + url.toString(),
                windowTitle());
  }
}

void HelpWindow::ChooseContentsEntry(int row) {
  if (row < 0 || row >= HelpContents().size()) return;
  ShowPage(QUrl(HelpFolder() + HelpContents().at(row).file));
}

void HelpWindow::MarkContentsEntry(const QUrl& url) {
  const QString file = url.fileName();
  for (int row = 0; row < HelpContents().size(); ++row) {
    if (HelpContents().at(row).file != file) continue;
    const QSignalBlocker quiet(contents_);
    contents_->setCurrentRow(row);
    return;
  }
}
