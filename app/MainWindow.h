// The main window (frmMain): the place, the time system, the date basis
// and the interval, the derived values, and every command in menus and
// toolbar. A thin view over MainFormModel: the widgets pass what the user
// does to the form model and show what it holds.
#pragma once

#include <QMainWindow>
#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <array>
#include <memory>

#include "DialViewPreferences.h"
#include "MainFormModel.h"
#include "UiText.h"
#include "WindowHooks.h"

class QAction;
class QButtonGroup;
class QComboBox;
class QDockWidget;
class DialView;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QSessionManager;
class UnitRow;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(MainModel& model, WindowHooks hooks, QWidget* parent = nullptr);
  ~MainWindow() override;

  MainFormModel& Form() { return form_; }

  // The load step: title, date basis and every display filled from the
  // design. False after a failure, whose description is in the model's
  // last-error record (the window then must not be shown).
  bool Load();
  // Places the window where the preferences keep it, or on the primary
  // screen when that place lies off every present screen.
  void PlaceOnScreen();
  // Opens the document named at start-up, as the Open command does.
  bool OpenAtStartup(const QString& path);
  // Keeps the window's place in the model for the preferences.
  void RememberPlacement();
  // For logging out: validates the edit and asks about unsaved changes;
  // false cancels the logout.
  bool ConfirmClose();

  // The dial view beside the form, and its dock.
  DialView* View() const { return dialView_; }
  QDockWidget* ViewDock() const { return dialDock_; }

  // Shows a long operation's icon and text in the first status panel.
  void ShowBusyStatus(const QString& icon, const QString& text);
  // Tells in the first status panel what a command has done, for a while.
  void ShowDoneStatus(const QString& icon, const QString& text);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  class Ui;

  void BuildControls();
  QGroupBox* BuildPlaceFrame();
  QGroupBox* BuildTimeFrame();
  QGroupBox* BuildDateFrame();
  QGroupBox* BuildPlaneFrame();
  // A row's label and boxes in two columns of the grid, from `column`.
  void AddRow(class QGridLayout* grid, int row, const QString& caption, FormRow formRow,
              const QString& stripName, const QString& units, const QStringList& unitNames,
              int column = 0);
  // A row's boxes in their unit strip, and the label that leads to them.
  UnitRow* NewUnitRow(const QString& caption, FormRow formRow, const QString& stripName,
                      const QString& units, const QStringList& unitNames);
  QLabel* NewRowLabel(const QString& caption, FormRow formRow);
  static QString DegreeUnits();
  static QStringList DegreeUnitNames();
  static QString TimeUnits();
  static QStringList TimeUnitNames();
  void BuildMenus();
  void BuildLanguageMenu(QMenu* menu);
  void BuildToolBar();
  void BuildStatusBar();
  QAction* NewAction(const QString& name, const QString& text, void (MainWindow::*slot)());
  void FixClientSize();
  // The dial view (MainWindowDialView.cpp): built hidden, shown as the
  // preferences say once the form's size is known, and fed every change.
  void BuildDialView();
  void ShowDialView(bool shown);
  // Beside the form when the screen is wide enough for both. Otherwise it
  // starts hidden, and asked for, opens in a window of its own.
  void FitDialView(bool starting = false);
  bool DialViewFitsBeside() const;
  void KeepDialViewPreferences();

  // Input.
  QLineEdit* Box(FormBox box) const { return boxes_[static_cast<std::size_t>(box)]; }
  std::optional<FormBox> BoxOf(QObject* object) const;
  bool FilterKey(FormBox box, class QKeyEvent* event);
  void LeaveBox(FormBox box);
  void HoldFocus(FormBox box);
  // Validates the box being edited; false holds the focus there.
  bool ValidateEditing();
  void ShowForm();

  // Commands.
  void OpenCommand();
  void SaveCommand();
  void SaveAsCommand();
  void PrintCommand();
  void SetupCommand();
  void PreviewCommand();
  void ExportCommand();
  void ExitCommand();
  void LocationCommand();
  void InfoCommand();
  void ClockCommand();
  void MeasureWallCommand();
  void OptionCommand();
  void ShowOptions(int page);
  void EquationToSpreadsheet();
  void EquationToFile();
  void DeclinationToSpreadsheet();
  void DeclinationToFile();
  void RunTable(TableKind kind, bool spreadsheet);
  void YearGraphCommand();
  void PopHintCommand();
  void HelpCommand();
  void AboutCommand();
  // Keeps the language for the next start and says so in that language.
  void ChooseLanguage(UiLanguage language);
  void EnableCommands();
  void UpdateStatusBar();
  void ShowStatusPanels();
  StatusFunction StatusCallback();

  MainModel& model_;
  WindowHooks hooks_;
  std::unique_ptr<FormUi> ui_;
  MainFormModel form_;
  std::array<QLineEdit*, kFormBoxCount> boxes_{};
  UnitRow* northDiffRow_ = nullptr;
  QLabel* northDiffModel_ = nullptr;
  QComboBox* interval_ = nullptr;
  QButtonGroup* timeSystem_ = nullptr;
  QButtonGroup* dateMode_ = nullptr;
  QGroupBox* dateFrame_ = nullptr;
  QComboBox* plane_ = nullptr;
  QComboBox* dialKind_ = nullptr;
  QLabel* facingCompass_ = nullptr;
  QPushButton* measureWall_ = nullptr;
  std::array<QLabel*, 2> statusIcons_{};
  std::array<QLabel*, 2> statusTexts_{};
  QWidget* timeZonePanel_ = nullptr;
  QTimer* doneStatus_ = nullptr;
  QHash<QString, QAction*> actions_;
  // Where PlaceOnScreen put a window whose stored place was off every screen.
  std::optional<QPoint> broughtBackTo_;
  QDockWidget* dialDock_ = nullptr;
  DialView* dialView_ = nullptr;
  QAction* dialViewAction_ = nullptr;
  DialViewPreferences dialViewPreferences_;
  // The window's size for the form alone, as FixClientSize found it.
  QSize formSize_;
  bool validating_ = false;
  bool closeConfirmed_ = false;
};
