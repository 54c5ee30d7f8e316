#include "MainFormModel.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "CompassDeclination.h"
#include "LocalDate.h"
#include "Paths.h"
#include "SettingChecks.h"
#include "TimeZone.h"
#include "UiText.h"
#include "ValueText.h"

namespace {

// "E" or "W" of a declination given west positive, none when it rounds to
// no second.
std::string DeclinationSide(double west) {
  if (std::lround(std::fabs(west) * 3600) == 0) return {};
  return west > 0 ? TranslateText("MagneticDeclination", "west of true north")
                  : TranslateText("MagneticDeclination", "east of true north");
}

std::string LatitudeMessage() {
  return TranslateText("MainFormModel",
                       "The latitude must be from −89°59′59″ to 89°59′59″ and not 0°00′00″.");
}

std::string LongitudeMessage() {
  return TranslateText("MainFormModel", "The longitude must be from −180°00′00″ to 180°00′00″.");
}

std::string DateMessage() {
  return TranslateText("MainFormModel",
                       "The date must be a valid date from January 1 to December 31.");
}

constexpr int kMaxLatitudeDegrees = 89;
constexpr int kMaxLongitudeDegrees = 180;
constexpr int kMaxMinutes = 59;

// A box's whole number as the conversion reads it: a text that is no
// number raises the type error, one beyond 16 bits the overflow.
int32_t WholeNumberOf(const std::string& text) {
  return ParseInt16Text(NarrowDigits(text));
}

int DaysInMonth(int month, bool leapYear) {
  switch (month) {
    case 2:
      return leapYear ? 29 : 28;
    case 4:
    case 6:
    case 9:
    case 11:
      return 30;
    default:
      return 31;
  }
}

std::string TwoDigits(int value) {
  return (value < 10 ? "0" : "") + std::to_string(value);
}

}  // namespace

MainFormModel::MainFormModel(MainModel& model, FormUi& ui) : model_(model), ui_(ui) {}

bool MainFormModel::Load() {
  model_.lastError.Clear();
  UpdateTitle();
  RecognisePlane();
  if (!model_.ApplySeason().ok() || !FillAll()) return false;
  UpdateStatusBar();
  model_.modified = false;
  return true;
}

void MainFormModel::Enter(FormBox box) {
  before_[Index(box)] = text_[Index(box)];
  editing_ = box;
}

void MainFormModel::Edit(FormBox box, std::string text) {
  text_[Index(box)] = std::move(text);
  editing_ = box;
}

void MainFormModel::Undo(FormBox box) {
  text_[Index(box)] = before_[Index(box)];
}

bool MainFormModel::Leave(FormBox box) {
  if (editing_ == box) editing_.reset();
  if (Text(box) == Before(box)) return true;
  if (!IsEditable(box) || (RowOf(box) == FormRow::Date && !DateEnabled()) ||
      !PlaneBoxEnabled(box)) {
    Undo(box);
    return true;
  }
  if (AcceptRow(box)) return true;
  editing_ = box;
  return false;
}

bool MainFormModel::ValidateEditing() {
  return !editing_ || Leave(*editing_);
}

bool MainFormModel::AcceptRow(FormBox box) {
  switch (RowOf(box)) {
    case FormRow::Location:
      // A pasted line break or tab would otherwise reach the saved files.
      model_.Chart().Location().setName(WithoutControlCharacters(Text(box)));
      before_[Index(box)] = Text(box);
      model_.modified = true;
      return true;
    case FormRow::Date:
      return AcceptDate(box);
    case FormRow::PlaneFacing:
    case FormRow::PlaneTilt:
      return AcceptPlane(box);
    default:
      return AcceptAngle(box);
  }
}

bool MainFormModel::Refuse(FormBox box, FormIcon icon, const std::string& text) {
  // Undone before the message: the focus coming back to the box while the
  // message is up takes the undone text as its "before" value, not the
  // refused one.
  Undo(box);
  ui_.Ask({icon, text, kProductCaption});
  return false;
}

bool MainFormModel::AcceptAngle(FormBox box) {
  const FormRow row = RowOf(box);
  const bool latitude = row == FormRow::Latitude;
  const std::string rangeMessage = latitude ? LatitudeMessage() : LongitudeMessage();
  const auto changed = ReadNumber(Text(box));
  if (!changed) return Refuse(box, FormIcon::Information, rangeMessage);
  const double whole = std::nearbyint(*changed);
  const int maxDegrees = latitude ? kMaxLatitudeDegrees : kMaxLongitudeDegrees;
  const bool partInRange =
      PartOf(box) == 0 ? std::fabs(whole) <= maxDegrees : whole >= 0 && whole <= kMaxMinutes;
  if (!partInRange) return Refuse(box, FormIcon::Information, rangeMessage);

  // The sign is the degrees box's: a minus anywhere in it, so that minus
  // zero degrees with minutes is south or west.
  const bool negative = NarrowDigits(Text(BoxAt(row, 0))).find('-') != std::string::npos;
  DmsAngle dms{};
  Chart& chart = model_.Chart();
  double degrees = 0;
  bool inRange = false;
  ErrorRecord refused;
  const Status status = TrapStatus(refused, [&] {
    for (int part = 0; part < 3; ++part) {
      const int32_t magnitude = std::abs(WholeNumberOf(Text(BoxAt(row, part))));
      if (magnitude > INT16_MAX) RaiseOverflow();
      dms[static_cast<std::size_t>(part)] = static_cast<int16_t>(negative ? -magnitude : magnitude);
    }
    if (!chart.ConvDegAngle(dms, degrees).ok()) RaiseChartError(chart);
    inRange = latitude ? degrees > -90 && degrees < 90 && degrees != 0
                       : degrees >= -180 && degrees <= 180;
    if (!inRange) return;
    // The chart refuses what the window lets pass (a longitude of -180):
    // its message, and the box back to the value the chart keeps.
    if (latitude) {
      chart.Location().setLatitude(degrees);
    } else {
      chart.Location().setLongitude(degrees);
    }
  });
  if (!status.ok()) return Refuse(box, FormIcon::Exclamation, refused.description);
  if (!inRange) return Refuse(box, FormIcon::Information, rangeMessage);
  if (latitude) FollowLatitude();
  ShowChart();
  model_.modified = true;
  return true;
}

bool MainFormModel::AcceptDate(FormBox box) {
  if (!ReadNumber(Text(box))) return Refuse(box, FormIcon::Information, DateMessage());
  int32_t month = 0;
  int32_t day = 0;
  ErrorRecord refused;
  const Status status = TrapStatus(refused, [&] {
    month = WholeNumberOf(Text(FormBox::Date0));
    day = WholeNumberOf(Text(FormBox::Date1));
  });
  if (!status.ok()) return Refuse(box, FormIcon::Exclamation, refused.description);
  if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(month, model_.Chart().LeapYear())) {
    return Refuse(box, FormIcon::Information, DateMessage());
  }
  model_.season.seasonDate = DateOfYear(Today().year, month, day);
  ApplySeason();
  ShowChart();
  model_.modified = true;
  return true;
}

void MainFormModel::ChooseInterval(int index) {
  if (index < 0 || index >= static_cast<int>(kIntervalMinutes.size()) || index == intervalIndex_) {
    return;
  }
  intervalIndex_ = index;
  model_.calcTime.interval = kIntervalMinutes[static_cast<std::size_t>(index)];
  model_.modified = true;
}

void MainFormModel::ChooseTimeSystem(int option) {
  const int32_t timeSystem = option == kTrueSolarTime ? kTrueSolarTime : kMeanStandardTime;
  if (timeSystem == model_.Chart().TimeSystem()) return;
  model_.Chart().setTimeSystem(timeSystem);
  ShowChart();
  UpdateStatusBar();
  model_.modified = true;
}

void MainFormModel::ChooseDateMode(int option) {
  const bool adjust = option != 0;
  if (adjust == model_.season.adjustEquation) return;
  model_.season.adjustEquation = adjust;
  ApplySeason();
  ShowChart();
  UpdateStatusBar();
  model_.modified = true;
}

void MainFormModel::ShowError(const std::string& description, const std::string& caption) {
  ui_.Ask({FormIcon::Exclamation, description, caption});
}

bool MainFormModel::ApplySeason() {
  if (model_.ApplySeason().ok()) return true;
  ShowError(model_.lastError.description, kProductCaption);
  return false;
}

bool MainFormModel::ShowChart() {
  if (FillAll()) return true;
  ShowError(model_.lastError.description, kProductCaption);
  return false;
}

void MainFormModel::SetShown(FormBox box, std::string text) {
  before_[Index(box)] = text;
  text_[Index(box)] = std::move(text);
}

void MainFormModel::FillAngleRow(FormRow row, double value, bool signedParts, bool signedFirst) {
  Chart& chart = model_.Chart();
  for (int part = 0; part < 3; ++part) {
    const bool sign = (part == 0 && signedFirst) || signedParts;
    std::string text = chart.FormatDegAngleS(value, part, sign ? "+-" : "");
    if (chart.ErrNumber() != 0) RaiseChartError(chart);
    SetShown(BoxAt(row, part), std::move(text));
  }
}

bool MainFormModel::FillAll() {
  const Status status = TrapStatus(model_.lastError, [&] {
    Chart& chart = model_.Chart();
    const ChartLocation& location = chart.Location();
    SetShown(FormBox::Location, location.Name());
    FillAngleRow(FormRow::Latitude, location.Latitude(), false);
    FillAngleRow(FormRow::Longitude, location.Longitude(), false);
    // Outside the Japan area the model's name follows the last unit word.
    const CompassDeclination declination =
        CompassDeclinationOf(chart, model_.season.seasonDate.year);
    northDiffStrip_ = TranslateText("MainFormModel", "°    ′    ″");
    // The boxes hold the size; the side of true north follows in words.
    northDiffModel_ = DeclinationSide(declination.west);
    if (!declination.model.empty()) {
      northDiffModel_ +=
          (northDiffModel_.empty() ? "(" : " (") + std::string(declination.model) + ")";
    }
    FillAngleRow(FormRow::NorthDiff, std::fabs(declination.west), false, false);
    FillAngleRow(FormRow::TimeDiff, chart.Season().TimeDiff(), true);
    FillAngleRow(FormRow::Equation, chart.Season().EquationOfTime(), false);

    intervalIndex_ = -1;
    for (std::size_t i = 0; i < kIntervalMinutes.size(); ++i) {
      if (kIntervalMinutes[i] == model_.calcTime.interval) intervalIndex_ = static_cast<int>(i);
    }
    SetShown(FormBox::Date0, std::to_string(model_.season.seasonDate.month));
    SetShown(FormBox::Date1, TwoDigits(model_.season.seasonDate.day));
    dateOption_ = model_.season.adjustEquation ? 1 : 0;
    timeSystemOption_ = chart.TimeSystem() == kTrueSolarTime ? kTrueSolarTime : kMeanStandardTime;
    FillPlane();
  });
  return status.ok();
}

void MainFormModel::UpdateTitle() {
  title_ = kProductCaption;
  if (!model_.documentPath.empty()) title_ += " - [" + GetFileName(model_.documentPath) + "]";
}

void MainFormModel::UpdateStatusBar() {
  Chart& chart = model_.Chart();
  if (chart.TimeSystem() == kTrueSolarTime) {
    status_[0] = {"true-solar", TranslateText("MainFormModel", "Time shown: true solar time")};
  } else if (model_.season.adjustEquation) {
    status_[0] = {"mean-time", TranslateText("MainFormModel",
                                             "Time shown: standard time / equation of "
                                             "time: corrected")};
  } else {
    status_[0] = {"mean-time", TranslateText("MainFormModel",
                                             "Time shown: standard time / equation of "
                                             "time: not corrected")};
  }
  const double zone = chart.Location().TimeZone();
  status_[1] = {zone == GetSystemTimeZone() ? "" : "zone-differs",
                "GMT" + chart.FormatDegAngle(zone, "+-+", ": ")};
}
