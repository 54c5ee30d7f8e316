// The main window's command table: menus, toolbar and status bar.
#include <QAction>
#include <QActionGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "MainWindow.h"
#include "MainWindowUi.h"
#include "UiIcons.h"
#include "UiLanguage.h"

namespace {

constexpr int kToolIconSize = 20;
constexpr int kStatusIconSize = 16;

// The desktop theme's icon where a standard one fits our own.
QIcon ToolIcon(const QString& name) {
  static const QHash<QString, QString> theme{{u"open"_qs, u"document-open"_qs},
                                             {u"save"_qs, u"document-save"_qs},
                                             {u"print"_qs, u"document-print"_qs},
                                             {u"setup"_qs, u"document-page-setup"_qs},
                                             {u"preview"_qs, u"document-print-preview"_qs},
                                             {u"location"_qs, u"find-location"_qs},
                                             {u"info"_qs, u"dialog-information"_qs},
                                             {u"clock"_qs, u"appointment-soon"_qs},
                                             {u"option"_qs, u"preferences-system"_qs},
                                             {u"equation"_qs, u"x-office-spreadsheet"_qs},
                                             {u"declination"_qs, u"x-office-spreadsheet"_qs},
                                             {u"pophint"_qs, u"help-whatsthis"_qs},
                                             {u"help"_qs, u"help-contents"_qs},
                                             {u"export-pdf"_qs, u"document-export"_qs},
                                             {u"export-file"_qs, u"document-save-as"_qs},
                                             {u"export-spreadsheet"_qs, u"x-office-spreadsheet"_qs},
                                             {u"graph"_qs, u"x-office-presentation"_qs},
                                             {u"zone-differs"_qs, u"dialog-warning"_qs}};
  return UiIcon(name, theme.value(name));
}

}  // namespace

QAction* MainWindow::NewAction(const QString& name, const QString& text,
                               void (MainWindow::*slot)()) {
  auto* action = new QAction(text, this);
  action->setObjectName(name);
  connect(action, &QAction::triggered, this, slot);
  actions_.insert(name, action);
  return action;
}

void MainWindow::BuildMenus() {
  QMenuBar* bar = menuBar();
  auto addMenu = [&](const QString& name, const QString& title) {
    QMenu* menu = bar->addMenu(title);
    menu->setObjectName(name);
    // Opening a menu first validates the box being edited; a refused value
    // keeps the menu from staying open.
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
      if (!ValidateEditing()) QTimer::singleShot(0, menu, &QMenu::close);
    });
    return menu;
  };

  QMenu* file = addMenu(u"mnuFile"_qs, tr("&File"));
  file->addAction(NewAction(u"mnuFileOpen"_qs, tr("&Open..."), &MainWindow::OpenCommand));
  file->addAction(NewAction(u"mnuFileSave"_qs, tr("&Save"), &MainWindow::SaveCommand));
  file->addAction(NewAction(u"mnuFileSaveAs"_qs, tr("Save &As..."), &MainWindow::SaveAsCommand));
  file->addSeparator();
  file->addAction(NewAction(u"mnuFilePrint"_qs, tr("&Print"), &MainWindow::PrintCommand));
  file->addAction(
      NewAction(u"mnuFileSetup"_qs, tr("Printer Set&up..."), &MainWindow::SetupCommand));
  file->addAction(
      NewAction(u"mnuFilePreview"_qs, tr("Print Pre&view..."), &MainWindow::PreviewCommand));
  file->addAction(
      NewAction(u"mnuFileExport"_qs, tr("&Export to PDF/SVG/PNG..."), &MainWindow::ExportCommand));
  file->addSeparator();
  file->addAction(NewAction(u"mnuFileExit"_qs, tr("E&xit"), &MainWindow::ExitCommand));
  actions_[u"mnuFileOpen"_qs]->setShortcut(QKeySequence::Open);
  actions_[u"mnuFileSave"_qs]->setShortcut(QKeySequence::Save);
  actions_[u"mnuFilePrint"_qs]->setShortcut(QKeySequence::Print);

  QMenu* view = addMenu(u"mnuView"_qs, tr("&View"));
  view->addAction(dialViewAction_);

  QMenu* tool = addMenu(u"mnuTool"_qs, tr("&Tools"));
  tool->addAction(
      NewAction(u"mnuToolLocation"_qs, tr("Choose &Location..."), &MainWindow::LocationCommand));
  tool->addAction(
      NewAction(u"mnuToolInfo"_qs, tr("Calculation &Info..."), &MainWindow::InfoCommand));
  tool->addAction(
      NewAction(u"mnuToolClock"_qs, tr("Desktop &Sundial..."), &MainWindow::ClockCommand));
  tool->addAction(NewAction(u"mnuToolOption"_qs, tr("&Options..."), &MainWindow::OptionCommand));

  QMenu* table = addMenu(u"mnuTable"_qs, tr("Ta&bles"));
  QMenu* equation = table->addMenu(tr("&Equation of Time"));
  equation->setObjectName(u"mnuTableEquation"_qs);
  equation->addAction(NewAction(u"mnuTableEquationExcel"_qs, tr("To E&xcel Workbook..."),
                                &MainWindow::EquationToSpreadsheet));
  equation->addAction(
      NewAction(u"mnuTableEquationCsv"_qs, tr("To &File..."), &MainWindow::EquationToFile));
  QMenu* declination = table->addMenu(tr("Solar &Declination"));
  declination->setObjectName(u"mnuTableDeclination"_qs);
  declination->addAction(NewAction(u"mnuTableDeclinationExcel"_qs, tr("To E&xcel Workbook..."),
                                   &MainWindow::DeclinationToSpreadsheet));
  declination->addAction(
      NewAction(u"mnuTableDeclinationCsv"_qs, tr("To &File..."), &MainWindow::DeclinationToFile));
  table->addSeparator();
  table->addAction(NewAction(u"mnuTableGraph"_qs, tr("Equation of Time and Declination &Graph..."),
                             &MainWindow::YearGraphCommand));

  QMenu* help = addMenu(u"mnuHelp"_qs, tr("&Help"));
  help->addAction(NewAction(u"mnuHelpTopic"_qs, tr("&Contents..."), &MainWindow::HelpCommand));
  BuildLanguageMenu(help->addMenu(tr("&Language")));
  help->addAction(
      NewAction(u"mnuHelpAbout"_qs, tr("&About Umbrafex..."), &MainWindow::AboutCommand));
  actions_[u"mnuHelpTopic"_qs]->setShortcut(QKeySequence::HelpContents);

  // A menu command shows the picture of its toolbar button, so the two are
  // recognised as one.
  static const std::pair<const char*, const char*> pictures[] = {
      {"mnuFileOpen", "open"},
      {"mnuFileSave", "save"},
      {"mnuFilePrint", "print"},
      {"mnuFileSetup", "setup"},
      {"mnuFilePreview", "preview"},
      {"mnuFileExport", "export-pdf"},
      {"mnuToolLocation", "location"},
      {"mnuToolInfo", "info"},
      {"mnuToolClock", "clock"},
      {"mnuToolOption", "option"},
      {"mnuTableEquationExcel", "export-spreadsheet"},
      {"mnuTableEquationCsv", "export-file"},
      {"mnuTableDeclinationExcel", "export-spreadsheet"},
      {"mnuTableDeclinationCsv", "export-file"},
      {"mnuTableGraph", "graph"},
      {"mnuHelpTopic", "help"},
  };
  for (const auto& [action, picture] : pictures)
    actions_[QLatin1String(action)]->setIcon(ToolIcon(QLatin1String(picture)));
  equation->setIcon(ToolIcon(u"equation"_qs));
  declination->setIcon(ToolIcon(u"declination"_qs));
}

// Each language is named in itself, so that either can be found whatever
// the texts around it; the one of the running texts is checked.
void MainWindow::BuildLanguageMenu(QMenu* menu) {
  menu->setObjectName(u"mnuHelpLanguage"_qs);
  auto* group = new QActionGroup(this);
  const std::tuple<QString, QString, UiLanguage> languages[] = {
      {u"mnuHelpLanguageJapanese"_qs, u"日本語"_qs, UiLanguage::Japanese},
      {u"mnuHelpLanguageEnglish"_qs, u"English"_qs, UiLanguage::English}};
  for (const auto& [name, text, language] : languages) {
    auto* action = new QAction(text, group);
    action->setObjectName(name);
    action->setCheckable(true);
    action->setChecked(language == TextLanguage());
    connect(action, &QAction::triggered, this, [this, which = language] { ChooseLanguage(which); });
    actions_.insert(name, action);
    menu->addAction(action);
  }
}

void MainWindow::BuildToolBar() {
  QToolBar* bar = addToolBar(tr("Toolbar"));
  bar->setObjectName(u"picToolBar"_qs);
  bar->setMovable(false);
  bar->setFloatable(false);
  bar->setIconSize(QSize(kToolIconSize, kToolIconSize));
  bar->setContextMenuPolicy(Qt::PreventContextMenu);
  auto button = [&](const QString& key, const QString& icon, const QString& tip,
                    void (MainWindow::*slot)()) {
    QAction* action = NewAction(key, tip, slot);
    action->setIcon(ToolIcon(icon));
    action->setToolTip(tip);
    bar->addAction(action);
    bar->widgetForAction(action)->setObjectName(key);
    return action;
  };
  auto separator = [&](const QString& key) { bar->addSeparator()->setObjectName(key); };
  auto dropDown = [&](const QString& key, const QString& icon, const QString& tip,
                      void (MainWindow::*slot)(), const QString& menuName,
                      std::array<std::pair<QString, QString>, 2> items,
                      std::array<void (MainWindow::*)(), 2> handlers) {
    QAction* action = button(key, icon, tip, slot);
    auto* menu = new QMenu(this);
    menu->setObjectName(menuName);
    for (std::size_t i = 0; i < 2; ++i) {
      QAction* item = NewAction(items[i].first, items[i].second, handlers[i]);
      item->setIcon(ToolIcon(i == 0 ? u"export-spreadsheet"_qs : u"export-file"_qs));
      menu->addAction(item);
    }
    auto* tool = qobject_cast<QToolButton*>(bar->widgetForAction(action));
    tool->setMenu(menu);
    tool->setPopupMode(QToolButton::MenuButtonPopup);
  };

  button(u"Open"_qs, u"open"_qs, tr("Open"), &MainWindow::OpenCommand);
  button(u"Save"_qs, u"save"_qs, tr("Save"), &MainWindow::SaveCommand);
  separator(u"Sep1"_qs);
  button(u"Print"_qs, u"print"_qs, tr("Print"), &MainWindow::PrintCommand);
  button(u"Setup"_qs, u"setup"_qs, tr("Printer Setup"), &MainWindow::SetupCommand);
  button(u"Preview"_qs, u"preview"_qs, tr("Print Preview"), &MainWindow::PreviewCommand);
  separator(u"Sep2"_qs);
  button(u"Location"_qs, u"location"_qs, tr("Choose Location"), &MainWindow::LocationCommand);
  button(u"Info"_qs, u"info"_qs, tr("Calculation Info"), &MainWindow::InfoCommand);
  button(u"Clock"_qs, u"clock"_qs, tr("Desktop Sundial"), &MainWindow::ClockCommand);
  button(u"Option"_qs, u"option"_qs, tr("Options"), &MainWindow::OptionCommand);
  bar->addAction(dialViewAction_);
  bar->widgetForAction(dialViewAction_)->setObjectName(u"DialView"_qs);
  separator(u"Sep3"_qs);
  dropDown(u"Equation"_qs, u"equation"_qs, tr("Equation of Time"),
           &MainWindow::EquationToSpreadsheet, u"tbrEquation"_qs,
           {{{u"tbrEquationExcel"_qs, tr("To E&xcel Workbook...")},
             {u"tbrEquationCsv"_qs, tr("To &File...")}}},
           {&MainWindow::EquationToSpreadsheet, &MainWindow::EquationToFile});
  dropDown(u"Declination"_qs, u"declination"_qs, tr("Solar Declination"),
           &MainWindow::DeclinationToSpreadsheet, u"tbrDeclination"_qs,
           {{{u"tbrDeclinationExcel"_qs, tr("To E&xcel Workbook...")},
             {u"tbrDeclinationCsv"_qs, tr("To &File...")}}},
           {&MainWindow::DeclinationToSpreadsheet, &MainWindow::DeclinationToFile});
  separator(u"Sep4"_qs);
  button(u"PopHint"_qs, u"pophint"_qs, tr("Pop Hints"), &MainWindow::PopHintCommand)
      ->setShortcut(QKeySequence::WhatsThis);
  button(u"Help"_qs, u"help"_qs, tr("Help"), &MainWindow::HelpCommand);
}

void MainWindow::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName(u"sbrStatus"_qs);
  bar->setSizeGripEnabled(false);
  for (int i = 0; i < 2; ++i) {
    auto* panel = new QWidget(bar);
    panel->setObjectName(u"sbrPanel%1"_qs.arg(i));
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(2, 0, 8, 0);
    layout->setSpacing(4);
    statusIcons_[i] = new QLabel(panel);
    statusIcons_[i]->setFixedSize(kStatusIconSize, kStatusIconSize);
    statusTexts_[i] = new QLabel(panel);
    layout->addWidget(statusIcons_[i]);
    layout->addWidget(statusTexts_[i], 1);
    bar->addPermanentWidget(panel, i == 0 ? 1 : 0);
  }
  doneStatus_ = new QTimer(this);
  doneStatus_->setSingleShot(true);
  doneStatus_->setInterval(10000);
  connect(doneStatus_, &QTimer::timeout, this, &MainWindow::ShowStatusPanels);
  // A double click on the time-zone panel opens the options at that page.
  timeZonePanel_ = statusIcons_[1]->parentWidget();
  for (QWidget* w : {timeZonePanel_, static_cast<QWidget*>(statusIcons_[1]),
                     static_cast<QWidget*>(statusTexts_[1])}) {
    w->installEventFilter(this);
  }
}

void MainWindow::ShowBusyStatus(const QString& icon, const QString& text) {
  const QIcon image = icon.isEmpty() ? QIcon() : ToolIcon(icon);
  statusIcons_[0]->setPixmap(image.pixmap(kStatusIconSize, kStatusIconSize));
  statusTexts_[0]->setText(text);
  statusTexts_[0]->repaint();
}

void MainWindow::ShowDoneStatus(const QString& icon, const QString& text) {
  ShowBusyStatus(icon, text);
  doneStatus_->start();
}

void MainWindow::UpdateStatusBar() {
  form_.UpdateStatusBar();
  ShowStatusPanels();
}

void MainWindow::ShowStatusPanels() {
  for (int i = 0; i < 2; ++i) {
    const StatusPanel& panel = form_.StatusPanelAt(i);
    const QString icon = QString::fromStdString(panel.icon);
    statusIcons_[i]->setPixmap(
        icon.isEmpty() ? QPixmap() : ToolIcon(icon).pixmap(kStatusIconSize, kStatusIconSize));
    statusTexts_[i]->setText(MainText(panel.text));
  }
}
