#include "OutputChecks.h"

#include <cmath>
#include <ostream>

#include "MainModel.h"
#include "Paths.h"
#include "mdlPrint.h"

namespace {

constexpr double kHighLatitude = 66.55;
constexpr double kLowLatitude = 23.45;
constexpr double kMaxMeridianDistance = 15;

bool IsPolarNightDial(const MainModel& main) {
  return main.Chart().Season().NightState() == kNightStatePolarNight && main.Season.AdjustEquation;
}

void NoteTimeZone(const MainModel& main, std::ostream& err) {
  const clsChartLocation& location = main.Chart().Location();
  if (std::fabs(location.Longitude() - location.StandardMeridian()) > kMaxMeridianDistance &&
      main.Chart().TimeSystem() == 1) {
    err << "経度と標準時子午線との差が15度を超えています。\n"
           "タイムゾーンが正しく設定されていない可能性があります。\n";
  }
}

void NoteLatitude(const MainModel& main, std::ostream& err) {
  const double latitude = std::fabs(main.Chart().Location().Latitude());
  if (latitude >= kHighLatitude) {
    err << "水平型日時計の仕組み上、高緯度地域では\n正常な日時計が作成できない場合があります。\n";
  } else if (latitude <= kLowLatitude) {
    err << "水平型日時計の仕組み上、低緯度地域では\n正常な日時計が作成できない場合があります。\n";
  }
}

}  // namespace

std::optional<double> PageSplitLimit(int16_t paperSize, int16_t orientation) {
  const bool portrait = orientation == kPortrait;
  if (!portrait && orientation != kLandscape) return std::nullopt;
  switch (paperSize) {
    case kPaperB5:
      return portrait ? 40 : 35;
    case kPaperB4:
      return portrait ? 47 : 42;
    case kPaperA4:
      return portrait ? 45 : 40;
    case kPaperA3:
      return portrait ? 50 : 45;
    default:
      return std::nullopt;
  }
}

bool CheckOutputForScript(MainModel& main, int16_t paperSize, int16_t orientation,
                          int16_t pageCount, std::ostream& err) {
  if (IsPolarNightDial(main)) {
    err << "極夜(1日中太陽が昇らない)のため、\n日時計を作成することはできません。\n";
    return false;
  }
  if (!IsSupportedPaper(paperSize)) {
    err << "選択された用紙サイズはサポートしていません。\n";
  }
  // Signed on purpose: southern latitudes never reach the limits.
  const auto limit = PageSplitLimit(paperSize, orientation);
  if (pageCount < 2 && limit && main.Chart().Location().Latitude() >= *limit) {
    err << "印刷範囲からはみ出る可能性があります。\n"
           "(--pages 2 puts the dial and the gnomon on two pages)\n";
  }
  const std::string& picture = main.DialOption.Picture;
  if (!picture.empty() && !FileExists(picture)) {
    err << "指定された背景画像が見つかりません。\n(exporting without it)\n";
    main.DialOption.Picture.clear();
  }
  NoteTimeZone(main, err);
  NoteLatitude(main, err);
  return true;
}

void CheckClockForScript(const MainModel& main, std::ostream& err) {
  NoteTimeZone(main, err);
  NoteLatitude(main, err);
}
