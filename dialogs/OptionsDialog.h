// The options dialog: colours, fonts, lines, background picture and page
// arrangement of the dial, colours and fonts of the desktop sundial, and the
// time zone, on four pages. It edits a working copy; OK writes it back.
#pragma once

#include <QDialog>

#include "OptionPickers.h"
#include "OptionsModel.h"

class MainModel;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QStackedWidget;

// The size of the background picture's preview.
inline constexpr QSize kPicturePreviewSize(120, 90);

class OptionsDialog : public QDialog {
  Q_OBJECT

 public:
  OptionsDialog(QWidget* parent, MainModel& model, OptionPickers pickers = DesktopOptionPickers());

  void ShowPage(int page);
  int Page() const;
  // True after OK wrote the working copy back.
  bool Stored() const { return stored_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* BuildDialPage1();
  QWidget* BuildDialPage2();
  QWidget* BuildClockPage();
  QWidget* BuildTimeZonePage();
  void BuildButtons();

  void ShowAll();
  void ShowDialSamples();
  void ShowClockSamples();
  void ShowPicture();
  void ShowTimeZone();
  void TakeSystemTimeZone();

  void PickDialColor(int part);
  void PickDialFont();
  void PickClockColor(int part);
  void PickClockFont();
  bool ApplyFont(FontSpec& font, ColorRef& color);
  void PickPicture();
  // The typed values on leaving their boxes: taken when valid, else the
  // message and the focus back in the box.
  TypedOptions Typed() const;
  bool LeavingForCancel() const;
  void CommitTimeZone(QLineEdit* box);
  void CommitLineWidth();
  // Shows a typed value's outcome; false when refused. `quiet` skips a
  // message already shown for the same text.
  bool ShowTyped(QLineEdit* box, TypedValue value, bool quiet);
  QWidget* BuildNodusPage();
  QGroupBox* BuildNodusGroup(QWidget* page);
  void ShowNodus();
  bool CommitNodusHeight(bool quiet);
  bool CommitFaceSize(bool quiet);
  // A box of millimetres, empty for automatic: how it reads and what it
  // says when it cannot.
  struct MillimetreBox {
    std::optional<double> (*parse)(std::string_view);
    QString refusal;
  };
  bool CommitMillimetres(QLineEdit* box, double& stored, const MillimetreBox& kind, bool quiet);
  QLineEdit* NumberBox(const QString& name, const QString& emptyText, QWidget* parent);
  bool Refuse(QLineEdit* box, const QString& message, bool quiet);
  void RestoreDefaults();
  void StoreAndClose();

  MainModel& model_;
  OptionPickers pickers_;
  OptionSettings working_;
  bool stored_ = false;
  QString refusedText_;  // the box text last answered with a message

  QComboBox* cmbPalette_ = nullptr;
  QStackedWidget* pages_ = nullptr;
  QPushButton* cmdOption_[5] = {};

  QListWidget* lstDialOptions_ = nullptr;
  QPushButton* lblDialColor_[2] = {};
  QPushButton* lblDialFont_ = nullptr;
  QLineEdit* txtDialPicture_ = nullptr;
  QLabel* picDialPicture_ = nullptr;

  QCheckBox* chkMergePages_ = nullptr;
  QCheckBox* chkDialMark_ = nullptr;
  QCheckBox* chkDialInfo_ = nullptr;
  QCheckBox* chkDialLine_ = nullptr;
  QLineEdit* txtDialLine_ = nullptr;
  QRadioButton* optDialFormat_[2] = {};
  QComboBox* cmbDateLines_ = nullptr;
  QComboBox* cmbHourCurves_ = nullptr;
  QLineEdit* txtNodusHeight_ = nullptr;
  QLineEdit* txtFaceSize_ = nullptr;
  QCheckBox* chkScaleBar_ = nullptr;
  QCheckBox* chkSummerTime_ = nullptr;

  QComboBox* cmbClockOptions_ = nullptr;
  QListWidget* lstClockOptions_ = nullptr;
  QPushButton* lblClockColor_[2] = {};
  QPushButton* lblClockFont_ = nullptr;
  QCheckBox* chkClockPicture_ = nullptr;
  QCheckBox* chkClockInvert_ = nullptr;

  QLineEdit* txtTimeZone_[2] = {};
  QLineEdit* txtMeridian_ = nullptr;
};
