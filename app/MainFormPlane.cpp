// The dial-plane group of the main window: the kind of dial, the preset
// list, the facing and tilt boxes, and what each choice lets the user type.
#include "AngleText.h"
#include "MainFormModel.h"
#include "SettingChecks.h"
#include "UiText.h"

namespace {

std::string FacingMessage() {
  return TranslateText("MainFormModel",
                       "The facing must be a number of degrees from 0 to 360 (south is 180).");
}

std::string TiltMessage() {
  return TranslateText("MainFormModel",
                       "The tilt must be a number of degrees from 0 (horizontal) to 180 (a wall "
                       "is 90).");
}

// The facing toward the equator: south in the northern hemisphere.
double EquatorFacing(double latitude) {
  return latitude < 0 ? 0 : 180;
}

}  // namespace

bool MainFormModel::PlaneBoxEnabled(FormBox box) const {
  switch (RowOf(box)) {
    case FormRow::PlaneFacing:
      return FacingEnabled();
    case FormRow::PlaneTilt:
      return TiltEnabled();
    default:
      return true;
  }
}

bool MainFormModel::AcceptPlane(FormBox box) {
  const bool facing = RowOf(box) == FormRow::PlaneFacing;
  const auto value = ReadNumber(Text(box));
  if (!value || !(facing ? IsPlaneFacing(*value) : IsPlaneTilt(*value))) {
    return Refuse(box, FormIcon::Information, facing ? FacingMessage() : TiltMessage());
  }
  if (facing) {
    model_.dialPlane.facing = NormalizedAzimuth(*value);
  } else {
    model_.dialPlane.tilt = *value + 0.0;  // no "-0"
  }
  FillPlane();
  model_.modified = true;
  return true;
}

void MainFormModel::ChoosePlane(int choice) {
  if (choice < 0 || choice > kCustomPlane || choice == planeChoice_) return;
  const PlaneOrientation before = model_.dialPlane;
  if (choice != kCustomPlane) {
    const auto preset = static_cast<PlanePreset>(choice);
    const double latitude = model_.Chart().Location().Latitude();
    // A facing the user chose stays; one a preset computed gives way to the
    // usual wall, which looks toward the equator.
    const double facing = planeChoice_ == kCustomPlane ? before.facing : EquatorFacing(latitude);
    model_.dialPlane = PresetOrientation(preset, latitude, facing);
  }
  planeChoice_ = choice;
  FillPlane();
  if (model_.dialPlane != before) model_.modified = true;
}

void MainFormModel::ChooseDialKind(int choice) {
  const auto kind = static_cast<DialKind>(choice);
  if (kind != DialKind::Gnomon && kind != DialKind::Analemmatic) return;
  if (kind == model_.dialKind) return;
  model_.dialKind = kind;
  model_.modified = true;
}

void MainFormModel::UseWallFacing(double facing) {
  if (!IsPlaneFacing(facing)) return;
  planeChoice_ = static_cast<int>(PlanePreset::Vertical);
  model_.dialKind = DialKind::Gnomon;  // a wall carries the gnomon's dial
  model_.dialPlane =
      PresetOrientation(PlanePreset::Vertical, model_.Chart().Location().Latitude(), facing);
  FillPlane();
  model_.modified = true;
}

void MainFormModel::RecognisePlane() {
  const auto preset = PresetOf(model_.dialPlane, model_.Chart().Location().Latitude());
  planeChoice_ = preset ? static_cast<int>(*preset) : kCustomPlane;
}

void MainFormModel::FollowLatitude() {
  if (planeChoice_ != static_cast<int>(PlanePreset::Polar) &&
      planeChoice_ != static_cast<int>(PlanePreset::Equatorial)) {
    return;
  }
  model_.dialPlane =
      PresetOrientation(static_cast<PlanePreset>(planeChoice_),
                        model_.Chart().Location().Latitude(), model_.dialPlane.facing);
}

void MainFormModel::FillPlane() {
  SetShown(FormBox::PlaneFacing, DegreesText(model_.dialPlane.facing));
  SetShown(FormBox::PlaneTilt, DegreesText(model_.dialPlane.tilt));
  facingCompass_ = CompassPointText(model_.dialPlane.facing);
}
