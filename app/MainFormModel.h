// The main window without its widgets: the texts of every box with their
// "before" values, the choices, the title and status texts, validation of
// each edit, and the document and output commands. The window binds its
// controls to this and shows what it says; everything here runs without a
// display.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "FormBoxes.h"
#include "FormUi.h"
#include "MainModel.h"
#include "OutputChecks.h"

inline constexpr const char* kProductCaption = "Umbrafex";
inline constexpr std::array<int16_t, 5> kIntervalMinutes{10, 15, 20, 30, 60};
// The dial-plane list: the presets in the order of PlanePreset, then a plane
// typed freely.
inline constexpr int kPlanePresetCount = 4;
inline constexpr int kCustomPlane = kPlanePresetCount;

// One status panel: an icon name (empty for none) and its text.
struct StatusPanel {
  std::string icon;
  std::string text;
};

class MainFormModel {
 public:
  MainFormModel(MainModel& model, FormUi& ui);

  MainModel& Model() { return model_; }
  const std::string& Text(FormBox box) const { return text_[Index(box)]; }
  const std::string& Before(FormBox box) const { return before_[Index(box)]; }
  // The unit strip of the magnetic declination, and outside the Japan area
  // the field model's name shown under it ("(WMM2025)"; "" inside).
  const std::string& NorthDiffStrip() const { return northDiffStrip_; }
  const std::string& NorthDiffModel() const { return northDiffModel_; }
  // The interval list's selection, -1 for none.
  int IntervalIndex() const { return intervalIndex_; }
  int TimeSystemOption() const { return timeSystemOption_; }
  int DateOption() const { return dateOption_; }
  bool DateEnabled() const { return dateOption_ == 1; }
  // The dial-plane list's choice (a PlanePreset or kCustomPlane), which of
  // its boxes the choice lets the user type into, and the compass point of
  // the facing shown ("SSE", translated).
  int PlaneChoice() const { return planeChoice_; }
  bool FacingEnabled() const {
    return planeChoice_ == static_cast<int>(PlanePreset::Vertical) || TiltEnabled();
  }
  bool TiltEnabled() const { return planeChoice_ == kCustomPlane; }
  const std::string& FacingCompass() const { return facingCompass_; }
  const std::string& Title() const { return title_; }
  const StatusPanel& StatusPanelAt(int panel) const { return status_[panel == 0 ? 0 : 1]; }
  std::optional<FormBox> Editing() const { return editing_; }

  // Start-up: fills the window from the design (the date basis applied).
  // False after a failure, whose description is in the last-error record.
  bool Load();

  // Editing a box: entering it keeps its text as the "before" value; Edit
  // takes every change of its text (the box is then the one being edited);
  // Undo (Esc) puts the "before" text back.
  void Enter(FormBox box);
  void Edit(FormBox box, std::string text);
  void Undo(FormBox box);
  // Validates the box's row when its text has changed. A refused value has
  // been answered with its message and the box's text undone: the window
  // keeps the focus in the box. True when the box may be left.
  bool Leave(FormBox box);
  // Validates the box being edited, if any: every command and the close
  // run this first and stop when it refuses.
  bool ValidateEditing();

  void ChooseInterval(int index);
  void ChooseTimeSystem(int option);
  void ChooseDateMode(int option);
  // Vertical from horizontal starts facing the equator; polar and
  // equatorial take the plane of the latitude; custom starts from the plane
  // as it is.
  void ChoosePlane(int choice);
  // A wall's facing measured with the sun: a vertical dial facing that way.
  void UseWallFacing(double facing);

  // The routines of the window, each showing its own failure message.
  bool ApplySeason();
  bool ShowChart();
  void UpdateTitle();
  void UpdateStatusBar();

  // Documents.
  bool ConfirmDiscard();
  void Open();
  void Save();
  // True when the document was saved; false when cancelled or failed.
  bool SaveDocumentAs();
  // A path named at start-up: its failure message names the path whatever
  // the reason. True when the document was taken over.
  bool OpenAtStartup(const std::string& path);

  // Print, preview and the desktop sundial: the date basis and the checks.
  // The page count to go on with, or none when the command ends here.
  std::optional<int16_t> PrepareOutput(OutputCommand command);
  // After the location dialog's or the options dialog's OK.
  void AfterLocationChosen();
  void AfterOptionsChanged();
  // After the tables, the year graph and the desktop sundial, which move
  // the chart's day: the design's own day again.
  void RestoreDateBasis();

 private:
  static std::size_t Index(FormBox box) { return static_cast<std::size_t>(box); }
  void SetShown(FormBox box, std::string text);
  void ShowError(const std::string& description, const std::string& caption);
  bool Refuse(FormBox box, FormIcon icon, const std::string& text);
  bool AcceptRow(FormBox box);
  bool AcceptAngle(FormBox box);
  bool AcceptDate(FormBox box);
  bool AcceptPlane(FormBox box);
  bool PlaneBoxEnabled(FormBox box) const;
  // The list's choice for the design's plane, after a load or an open.
  void RecognisePlane();
  // Polar and equatorial planes turn with the latitude.
  void FollowLatitude();
  void FillPlane();
  // The first part carries the sign unless signedFirst is false (a size alone).
  void FillAngleRow(FormRow row, double value, bool signedParts, bool signedFirst = true);
  bool FillAll();
  // Opens into a copy of the design and takes it over only on success.
  Status OpenDocument(const std::string& path);
  void AfterOpen();
  Status SaveTo(const std::string& path, const std::string& caption);
  // The save dialog's path with the document's extension; empty when the
  // user cancelled.
  std::string ChooseSavePath(const std::string& initial);

  MainModel& model_;
  FormUi& ui_;
  std::array<std::string, kFormBoxCount> text_;
  std::array<std::string, kFormBoxCount> before_;
  std::optional<FormBox> editing_;
  std::string northDiffStrip_;
  std::string northDiffModel_;
  int intervalIndex_ = -1;
  int timeSystemOption_ = kMeanStandardTime;
  int dateOption_ = 0;
  int planeChoice_ = 0;
  std::string facingCompass_;
  std::string title_ = kProductCaption;
  std::array<StatusPanel, 2> status_;
};
