// The settings document (.ufx): a header line and sections of key=value
// lines, CP932 with CR LF. Opening merges the file into the current
// settings; saving writes every group.
#include <functional>
#include <optional>
#include <vector>

#include "FileIo.h"
#include "LocalDate.h"
#include "MainModel.h"
#include "Paths.h"
#include "SettingChecks.h"
#include "SettingsKeys.h"
#include "TextCodec.h"
#include "UiText.h"
#include "ValueText.h"
#include "Version.h"

namespace {

constexpr int32_t kFormatError = static_cast<int32_t>(0x80040201u);
constexpr int32_t kPastEndOfFileError = 62;
constexpr const char* kOpenSource = "frmMain.lOpenUfxAll";
constexpr const char* kSaveSource = "frmMain.lSaveUfxAll";
constexpr const char* kFormatMessage =
    UMBRAFEX_TEXT_NOOP("Documents", "This type of file cannot be opened.");
// Far beyond any real document; larger files are refused unread.
constexpr std::size_t kMaxDocumentBytes = 64u * 1024u * 1024u;

std::string HeaderPrefix() {
  return std::string("[") + kProductName;
}

// The document's lines, read one after another with one step back, and the
// section line they are in.
class LineCursor {
 public:
  explicit LineCursor(std::string_view text) : lines_(SplitLines(text)) {}

  std::string_view section;

  bool AtEnd() const { return next_ == lines_.size(); }
  std::string_view Next() { return lines_[next_++]; }
  void Back() { --next_; }

 private:
  std::vector<std::string_view> lines_;
  std::size_t next_ = 0;
};

int32_t CheckedTimeSystem(std::string_view text) {
  const int32_t value = ParseInt32Text(text);
  RequireInRange(value, kTimeSystemRange);
  return value;
}

int16_t CheckedInterval(std::string_view text) {
  const int16_t value = ParseInt16Text(text);
  RequireDialInterval(value);
  return value;
}

// A real of the key's range; the refusal names the range.
double RealIn(std::string_view text, const ValueRange& range) {
  const double value = ParseRealText(text);
  RequireInRange(value, range);
  return value;
}

int32_t Int32In(std::string_view text, const ValueRange& range) {
  const int32_t value = ParseInt32Text(text);
  RequireInRange(value, range);
  return value;
}

using KeyReader = std::function<void(std::string_view key, std::string_view value)>;

// A key's refusal names the line it was refused on; the source marks it for
// the document's message.
constexpr const char* kRefusedKeySource = "Document.Key";
constexpr std::size_t kShownValueLength = 40;

[[noreturn]] void RaiseRefusedKey(const RaisedError& e, std::string_view section,
                                  std::string_view key, std::string_view value) {
  std::string shown(value.substr(0, kShownValueLength));
  if (value.size() > kShownValueLength) shown += "...";
  throw RaisedError(
      e.Number(), kRefusedKeySource,
      FillText(TranslateText("Documents", "%1 %2=%3: %4"), {section, key, shown, e.Description()}));
}

// Reads the key=value lines of one section up to the next section line
// (left for the caller) or the end; lines without "=" are skipped.
void ReadSectionLines(LineCursor& lines, const KeyReader& read) {
  while (!lines.AtEnd()) {
    std::string_view line = TrimText(lines.Next());
    auto equals = line.find('=');
    if (equals == std::string_view::npos) {
      if (line.starts_with('[')) {
        lines.Back();
        return;
      }
      continue;
    }
    const std::string_view key = TrimText(line.substr(0, equals));
    const std::string_view value = TrimText(line.substr(equals + 1));
    try {
      read(key, value);
    } catch (const RaisedError& e) {
      RaiseRefusedKey(e, lines.section, key, value);
    }
  }
}

// The settings group of a section line ("[DialColor]"), if any.
const SettingsSection* GroupSectionNamed(std::string_view line) {
  for (const SettingsSection& section : SettingsSections()) {
    if (EqualsIgnoringCase(line, "[" + std::string(section.name) + "]")) return &section;
  }
  return nullptr;
}

// Reading of the sections that go into the chart or need more than a key table.
class DocumentReader {
 public:
  explicit DocumentReader(MainModel& model) : model_(model), chart_(model.Chart()) {}

  void Read(LineCursor& lines) {
    // A document without [DialPlane] is a horizontal gnomon dial.
    model_.dialPlane = {};
    model_.dialKind = DialKind::Gnomon;
    model_.analemmaticMajor = kDefaultAnalemmaticMajor;
    model_.dialOption.summerTime = false;  // written only when on
    while (!lines.AtEnd()) {
      std::string_view line = TrimText(lines.Next());
      if (!line.starts_with('[')) continue;
      lines.section = line;
      ReadSection(line, lines);
    }
  }

 private:
  void ReadSection(std::string_view name, LineCursor& lines) {
    auto is = [&](std::string_view section) { return EqualsIgnoringCase(name, section); };
    if (is("[General]"))
      ReadGeneral(lines);
    else if (is("[Location]"))
      ReadLocation(lines);
    else if (is("[Season]"))
      ReadSeason(lines);
    else if (is("[CalcTime]"))
      ReadCalcTime(lines);
    else if (is("[DialOption]") || is("[Option]") || is("[Drawing]"))
      ReadDialOption(lines);
    else if (is("[Color]"))  // the older name of [DialColor]
      ReadGroupSection(GroupSectionNamed("[DialColor]"), lines);
    else if (is("[Font]"))
      ReadOldFontSection(lines);
    else if (is("[Printer]"))
      ReadPrinter(lines);
    else if (is("[DialPlane]"))
      ReadDialPlane(lines);
    else
      ReadGroupSection(GroupSectionNamed(name), lines);
  }

  // Reads a section into its group; unknown keys (and sections of no group)
  // are skipped.
  void ReadGroupSection(const SettingsSection* section, LineCursor& lines) {
    if (!section) return;
    ReadSectionLines(lines, [&](std::string_view key, std::string_view value) {
      section->apply(model_, key, value);
    });
  }

  void ReadGeneral(LineCursor& lines) {
    ReadSectionLines(lines, [&](std::string_view key, std::string_view value) {
      if (EqualsIgnoringCase(key, "Compatible"))
        chart_.setCompatible(ParseBoolText(value));
      else if (EqualsIgnoringCase(key, "TimeSystem"))
        chart_.setTimeSystem(CheckedTimeSystem(value));
      else if (EqualsIgnoringCase(key, "IncludeRiseSet"))
        chart_.setIncludeRiseSet(ParseBoolText(value));
      else if (EqualsIgnoringCase(key, "LeapYear"))
        chart_.setLeapYear(ParseBoolText(value));
      else if (EqualsIgnoringCase(key, "DebugMode"))
        model_.general.debugMode = ParseBoolText(value);
    });
  }

  void ReadLocation(LineCursor& lines) {
    ChartLocation& location = chart_.Location();
    ReadSectionLines(lines, [&](std::string_view key, std::string_view value) {
      if (EqualsIgnoringCase(key, "Name"))
        location.setName(WithoutControlCharacters(value));
      else if (EqualsIgnoringCase(key, "Latitude"))
        location.setLatitude(RealIn(value, kLatitudeRange));
      else if (EqualsIgnoringCase(key, "Longitude"))
        location.setLongitude(RealIn(value, kLongitudeRange));
      else if (EqualsIgnoringCase(key, "TimeZone"))
        location.setTimeZone(RealIn(value, kTimeZoneRange));
    });
  }

  void ReadSeason(LineCursor& lines) {
    bool adjustEquation = false;
    int32_t calcSeason = 0;
    int16_t calcDate = 0;
    double solarDeclination = 0;
    double equationOfTime = 0;
    ReadSectionLines(lines, [&](std::string_view key, std::string_view value) {
      if (EqualsIgnoringCase(key, "AdjustEquation"))
        adjustEquation = ParseBoolText(value);
      else if (EqualsIgnoringCase(key, "CalcSeason"))
        calcSeason = Int32In(value, kCalcSeasonRange);
      else if (EqualsIgnoringCase(key, "CalcDate"))
        calcDate = static_cast<int16_t>(Int32In(value, kCalcDateRange));
      else if (EqualsIgnoringCase(key, "SolarDeclination"))
        solarDeclination = RealIn(value, kSolarDeclinationRange);
      else if (EqualsIgnoringCase(key, "EquationOfTime"))
        equationOfTime = RealIn(value, kEquationOfTimeRange);
    });

    ChartSeason& season = chart_.Season();
    if (calcSeason != 0) {
      season.setCalcSeason(calcSeason);
    } else {
      if (!chart_.LeapYear() && calcDate == 366) calcDate = 365;
      season.setCalcDate(calcDate);
      season.setSolarDeclination(solarDeclination);
      CalcDateArray monthDay{};
      if (!chart_.ConvCalcDate(calcDate, monthDay).ok()) RaiseChartError(chart_);
      // 29 February of a leap-year chart falls on 1 March of a common year.
      model_.season.seasonDate = DateOfYear(Today().year, monthDay[0], monthDay[1]);
    }
    model_.season.adjustEquation = adjustEquation;
    season.setEquationOfTime(adjustEquation ? equationOfTime : 0);
  }

  void ReadCalcTime(LineCursor& lines) {
    // -1 is the older way of saying "from sunrise" or "to sunset".
    auto time = [](std::string_view value) {
      double t = ParseRealText(value);
      return t == -1 ? -999.0 : t;
    };
    ReadSectionLines(lines, [&](std::string_view key, std::string_view value) {
      if (EqualsIgnoringCase(key, "StartTime"))
        model_.calcTime.startTime = time(value);
      else if (EqualsIgnoringCase(key, "EndTime"))
        model_.calcTime.endTime = time(value);
      else if (EqualsIgnoringCase(key, "Interval"))
        model_.calcTime.interval = CheckedInterval(value);
    });
  }

  void ReadDialPlane(LineCursor& lines) {
    PlaneOrientation plane;
    ReadSectionLines(lines, [&](std::string_view key, std::string_view value) {
      if (EqualsIgnoringCase(key, "Facing")) {
        plane.facing = NormalizedAzimuth(RealIn(value, kPlaneFacingRange));
      } else if (EqualsIgnoringCase(key, "Tilt")) {
        plane.tilt = RealIn(value, kPlaneTiltRange);
      } else if (EqualsIgnoringCase(key, "Kind")) {
        const std::optional<DialKind> kind = DialKindOfName(value);
        if (!kind) {
          RaiseError(kInvalidPropertyValueError, "Umbrafex",
                     TranslateText("Documents", "must be gnomon or analemmatic"));
        }
        model_.dialKind = *kind;
      } else if (EqualsIgnoringCase(key, "Major")) {
        model_.analemmaticMajor = RealIn(value, kAnalemmaticMajorRange);
      }
    });
    model_.dialPlane = plane;
  }

  void ReadDialOption(LineCursor& lines) {
    ReadSectionLines(lines, [&](std::string_view key, std::string_view value) {
      if (EqualsIgnoringCase(key, "Picture") || EqualsIgnoringCase(key, "BackPicture")) {
        model_.dialOption.picture = PicturePath(value);
      } else {
        ApplyDialOptionKey(model_.dialOption, key, value);
      }
    });
  }

  // "$(AppPath)" stands for the program's folder, where its data files
  // are looked for (FindDataFile); what follows it must stay inside.
  // Documents written on Windows separate folders with "\".
  static std::string PicturePath(std::string_view value) {
    constexpr std::string_view kAppPath = "$(AppPath)";
    if (!StartsWithIgnoringCase(value, kAppPath)) return UnquotePath(value);
    const std::optional<std::string> inside =
        PathInsideFolder(UnquotePath(TrimText(value.substr(kAppPath.size()))));
    if (!inside) {
      RaiseError(kInvalidPropertyValueError, "Umbrafex",
                 TranslateText("Documents", "must name a file in the program's folder"));
    }
    return FindDataFile(*inside);
  }

  // The path's folders and name joined by "/", "." and empty parts left
  // out and ".." taking the folder before it away; nullopt when ".." would
  // leave the folder the path starts in, or nothing is named.
  static std::optional<std::string> PathInsideFolder(std::string_view path) {
    std::vector<std::string_view> parts;
    while (!path.empty()) {
      const std::size_t end = path.find_first_of("/\\");
      const std::string_view part = path.substr(0, end);
      path = end == std::string_view::npos ? std::string_view() : path.substr(end + 1);
      if (part.empty() || part == ".") continue;
      if (part != "..") {
        parts.push_back(part);
      } else if (parts.empty()) {
        return std::nullopt;
      } else {
        parts.pop_back();
      }
    }
    if (parts.empty()) return std::nullopt;
    std::string joined;
    for (const std::string_view part : parts) {
      if (!joined.empty()) joined += '/';
      joined += part;
    }
    return joined;
  }

  // The older single font section: the three dial fonts with prefixed keys.
  void ReadOldFontSection(LineCursor& lines) {
    const std::pair<std::string_view, FontSpec*> prefixes[] = {
        {"Ori", &model_.dialOrientationFont},
        {"Tim", &model_.dialTimeFont},
        {"Inf", &model_.dialInformationFont}};
    ReadSectionLines(lines, [&](std::string_view key, std::string_view value) {
      for (const auto& [prefix, font] : prefixes) {
        if (StartsWithIgnoringCase(key, prefix)) {
          ApplyFontKey(*font, key.substr(prefix.size()), value);
          return;
        }
      }
    });
  }

  void ReadPrinter(LineCursor& lines) {
    PrinterSetup& printer = model_.Printer();
    PrinterProperties wanted = printer.Current();
    if (!printer.IsPrinterAvailable()) {
      // No printer to set up, so nothing here can fail the document; the
      // paper still gives the preview its sheet, and the values are kept
      // for saving the document again.
      bool any = false;
      ReadSectionLines(lines, [&](std::string_view key, std::string_view value) {
        static_cast<void>(TrapStatus([&] { any = ApplyPrinterKey(wanted, key, value) || any; }));
      });
      printer.setPaperSize(wanted.paperSize);
      printer.setOrientation(wanted.orientation);
      if (any) printer.KeepDocumentValues(wanted);
      return;
    }
    ReadSectionLines(lines, [&](std::string_view key, std::string_view value) {
      ApplyPrinterKey(wanted, key, value);
    });
    printer.SelectPrinter(wanted.deviceName);
    // Each value by itself: one the printer refuses is skipped silently.
    printer.setPaperSize(wanted.paperSize);
    printer.setPaperBin(wanted.paperBin);
    printer.setPrintQuality(wanted.printQuality);
    printer.setColorMode(wanted.colorMode);
    printer.setDuplex(wanted.duplex);
    printer.setOrientation(wanted.orientation);
    printer.setZoom(wanted.zoom);
    printer.setCopies(wanted.copies);
  }

  MainModel& model_;
  Chart& chart_;
};

// The lines of a document, joined with CR LF at the end.
class DocumentWriter {
 public:
  explicit DocumentWriter(const MainModel& model) : model_(model), chart_(model.Chart()) {}

  std::string Write() {
    Line("[" + std::string(kProductName) + " " + VersionText() + "]");
    WriteGeneral();
    WriteLocation();
    WriteSeason();
    WriteCalcTime();
    WriteDialPlane();
    for (const SettingsSection& section : SettingsSections()) {
      Section(section.name);
      if (std::string_view(section.name) == "DialOption") {
        Line("// $(AppPath)はUmbrafexのインストールフォルダ。");
      }
      Entries(section.entries(model_));
    }
    WritePrinter();
    return std::move(text_);
  }

 private:
  void Line(const std::string& line) {
    text_ += line;
    text_ += "\r\n";
  }
  void Section(const std::string& name) {
    Line("");
    Line("[" + name + "]");
  }
  // A control character in a text (a line break above all) would make
  // structure of the file; it is written as a space.
  void Key(const std::string& key, const std::string& value) {
    Line(key + "=" + WithoutControlCharacters(value));
  }
  void Entries(const KeyValueTexts& entries) {
    for (const auto& [key, value] : entries) Key(key, value);
  }

  void WriteGeneral() {
    Section("General");
    Key("Compatible", BoolText(chart_.Compatible()));
    Key("TimeSystem", std::to_string(chart_.TimeSystem()));
    Key("IncludeRiseSet", BoolText(chart_.IncludeRiseSet()));
    Key("// LeapYear", BoolText(chart_.LeapYear()));
    Key("// DebugMode", BoolText(model_.general.debugMode));
  }

  void WriteLocation() {
    const ChartLocation& location = chart_.Location();
    Section("Location");
    Key("Name", location.Name());
    Key("Latitude", RealText(location.Latitude()));
    Key("Longitude", RealText(location.Longitude()));
    if (chart_.IsJapanArea(location.Latitude(), location.Longitude())) {
      Key("// NorthDiff", RealText(location.NorthDiff()));
    } else {
      Key("// NorthDiff", "計算対象外地域");
    }
    Key("TimeZone", RealText(location.TimeZone()));
    Key("// StandardMeridian", RealText(location.StandardMeridian()));
  }

  void WriteSeason() {
    const ChartSeason& season = chart_.Season();
    Section("Season");
    Key("AdjustEquation", BoolText(model_.season.adjustEquation));
    Key("CalcSeason", std::to_string(season.CalcSeason()));
    Key("CalcDate", std::to_string(season.CalcDate()));
    Key("SolarDeclination", RealText(season.SolarDeclination()));
    Key("EquationOfTime", RealText(season.EquationOfTime()));
    const int32_t nightState = season.NightState();
    auto riseSet = [&](auto time) {
      if (nightState == kNightStateMidnightSun) return std::string("白夜");
      if (nightState == kNightStatePolarNight) return std::string("極夜");
      return RealText(time());
    };
    Key("// SunRiseTime", riseSet([&] { return season.SunRiseTime(); }));
    Key("// SunSetTime", riseSet([&] { return season.SunSetTime(); }));
    Key("// TimeDiff", RealText(season.TimeDiff()));
    Key("// NightState", std::to_string(nightState));
  }

  void WriteCalcTime() {
    Section("CalcTime");
    Key("// StartTime", RealText(model_.calcTime.startTime));
    Key("// EndTime", RealText(model_.calcTime.endTime));
    Key("Interval", std::to_string(model_.calcTime.interval));
  }

  // Only a dial off the horizontal or an analemmatic dial has the section,
  // so that a horizontal gnomon design is written as before.
  void WriteDialPlane() {
    const bool analemmatic = model_.IsAnalemmatic();
    if (model_.dialPlane.IsHorizontal() && !analemmatic) return;
    Section("DialPlane");
    if (!model_.dialPlane.IsHorizontal()) {
      Key("Facing", RealText(model_.dialPlane.facing));
      Key("Tilt", RealText(model_.dialPlane.tilt));
    }
    if (!analemmatic) return;
    Key("Kind", DialKindName(model_.dialKind));
    Key("Major", RealText(model_.analemmaticMajor));
  }

  void WritePrinter() {
    Section("Printer");
    const PrinterSetup& printer = model_.Printer();
    if (printer.IsPrinterAvailable()) {
      Entries(PrinterEntries(printer.Current()));
    } else if (const auto kept = printer.DocumentValues()) {
      Entries(PrinterEntries(*kept));
    }
  }

  const MainModel& model_;
  const Chart& chart_;
  std::string text_;
};

std::string ReadDocumentText(const std::string& path) {
  std::optional<std::string> bytes = ReadFileBytes(path, kMaxDocumentBytes);
  if (!bytes) {
    bool missing = !FileExists(path);
    RaiseError(missing ? kFileNotFoundNumber : kFileAccessNumber, kOpenSource,
               missing ? TranslateText("Documents", "File not found.")
                       : TranslateText("Documents", "Invalid path."));
  }
  return DecodeFileText(*bytes);
}

// Any other fault while the document is read or written is taken for
// memory running out.
ErrorRecord OpenFault(const std::exception&) {
  return {kOutOfMemoryNumber, kOpenSource, ""};
}
ErrorRecord SaveFault(const std::exception&) {
  return {kOutOfMemoryNumber, kSaveSource, ""};
}

// The failure's text names the file, except that a file-type error keeps
// its own when opening.
Status NameFile(ErrorRecord& record, const std::string& text) {
  return record.Record(record.number, record.source, text);
}

}  // namespace

Status MainModel::OpenDocument(const std::string& path) {
  lastError.Clear();
  const Status status = TrapStatus(
      lastError,
      [&] {
        if (!EndsWithIgnoringCase(path, ".ufx"))
          RaiseError(kFormatError, kOpenSource, TranslateText("Documents", kFormatMessage));
        const std::string text = ReadDocumentText(path);
        LineCursor lines(text);
        if (lines.AtEnd())
          RaiseError(kPastEndOfFileError, kOpenSource,
                     TranslateText("Documents", "The file is empty."));
        if (!StartsWithIgnoringCase(TrimText(lines.Next()), HeaderPrefix())) {
          RaiseError(kFormatError, kOpenSource, TranslateText("Documents", kFormatMessage));
        }
        DocumentReader(*this).Read(lines);
      },
      OpenFault);
  if (status.number() == kFormatError) return status;
  if (!status.ok()) {
    std::string text = FillText(TranslateText("Documents", "Cannot open %1."), {path});
    if (lastError.source == kRefusedKeySource) text += "\n" + lastError.description;
    return lastError.Record(lastError.number, kOpenSource, text);
  }
  documentPath = path;
  lastDir = GetFolderName(path);
  return Status::Ok();
}

Status MainModel::SaveDocument(const std::string& path) {
  lastError.Clear();
  const Status status = TrapStatus(
      lastError,
      [&] {
        std::optional<std::string> bytes = EncodeFileText(DocumentWriter(*this).Write());
        // Written beside the old document and moved over it only when complete,
        // so a failed save leaves the previous document as it was.
        if (!bytes || !WriteFileAtomically(path, *bytes)) {
          RaiseError(kFileAccessNumber, kSaveSource, TranslateText("Documents", "Invalid path."));
        }
      },
      SaveFault);
  if (!status.ok()) {
    return NameFile(lastError, FillText(TranslateText("Documents", "Cannot save %1."), {path}));
  }
  documentPath = path;
  lastDir = GetFolderName(path);
  return Status::Ok();
}
