#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <set>

#include "../platform/ScratchFolder.h"
#include "FileIo.h"
#include "LocalDate.h"
#include "MainModel.h"
#include "Paths.h"
#include "TextCodec.h"
#include "UiLanguage.h"

namespace fs = std::filesystem;

namespace {

constexpr int32_t kFormatError = static_cast<int32_t>(0x80040201u);
const std::string kFormatMessage = "この形式のファイルは開くことができません。";

class SettingsDocumentTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return scratch_.Path(name); }

  // Writes a document given in UTF-8 as CP932 with CR LF and returns its path.
  std::string WriteDocument(const std::string& name, const std::string& utf8Lines) {
    std::string crlf;
    for (char c : utf8Lines) {
      if (c == '\n') crlf += '\r';
      crlf += c;
    }
    const std::string path = Path(name);
    EXPECT_TRUE(WriteFileAtomically(path, *Utf8ToCp932(crlf)));
    return path;
  }

  std::string ReadUtf8(const std::string& path) { return Cp932ToUtf8(*ReadFileBytes(path)); }

  ScratchFolder scratch_{"doc"};
  const fs::path& folder_ = scratch_.path();
};

std::string WithoutComments(const std::string& text) {
  std::string kept;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    end = end == std::string::npos ? text.size() : end + 1;
    if (text.compare(start, 3, "// ") != 0) kept += text.substr(start, end - start);
    start = end;
  }
  return kept;
}

// A model with a value other than the default in every stored group.
void ChangeEverything(MainModel& model) {
  model.Chart().setCompatible(false);
  model.Chart().setTimeSystem(kTrueSolarTime);
  model.Chart().setIncludeRiseSet(false);
  model.Chart().Location().setName("東京都 = 新宿区");
  model.Chart().Location().setLatitude(-33.8675);
  model.Chart().Location().setLongitude(151.2069);
  model.Chart().Location().setTimeZone(10);
  model.season.adjustEquation = true;
  model.season.seasonDate = {Today().year, 2, 14};
  ASSERT_EQ(model.ApplySeason(), Status::Ok());
  model.calcTime.interval = 15;
  model.dialOption = {false, false, false, "/opt/my pictures/dial.png", 0.25, false, 0, 2};
  model.dialColor.hourLine = kColorGreen;
  model.dialColor.informationFont = 123456;
  model.dialInformationFont = {"IPAゴシック", 10.5, true, true, true, true};
  model.clockOption = {false, 1, false};
  model.clockNightColor.background = 42;
  model.clockClockFont.size = 7.25;
}

TEST_F(SettingsDocumentTest, SavedDocumentReopensToTheSameBytes) {
  MainModel first;
  ChangeEverything(first);
  const std::string a = Path("a.ufx");
  ASSERT_EQ(first.SaveDocument(a), Status::Ok());
  EXPECT_EQ(first.documentPath, a);
  EXPECT_EQ(first.lastDir, folder_.string());

  MainModel second;
  ASSERT_EQ(second.OpenDocument(a), Status::Ok()) << second.lastError.description;
  EXPECT_EQ(second.Chart().Location().Name(), "東京都 = 新宿区");
  EXPECT_DOUBLE_EQ(second.Chart().Location().Latitude(), -33.8675);
  EXPECT_EQ(second.Chart().TimeSystem(), kTrueSolarTime);
  EXPECT_FALSE(second.Chart().Compatible());
  EXPECT_TRUE(second.season.adjustEquation);
  EXPECT_EQ(second.season.seasonDate, (CalendarDate{Today().year, 2, 14}));
  EXPECT_EQ(second.dialOption.picture, "/opt/my pictures/dial.png");
  EXPECT_EQ(second.dialOption.maxPages, 2);
  EXPECT_EQ(second.dialInformationFont, first.dialInformationFont);
  EXPECT_EQ(second.clockClockFont.size, 7.25);
  EXPECT_EQ(second.clockNightColor.background, 42);
  EXPECT_EQ(second.dialColor.hourLine, kColorGreen);
  EXPECT_EQ(second.clockOption.timeFormat, 1);

  // The day's declination comes back to 15 digits, so computed comment
  // values may move in their last digit once; from then on nothing moves.
  const std::string b = Path("b.ufx");
  ASSERT_EQ(second.SaveDocument(b), Status::Ok());
  EXPECT_EQ(WithoutComments(*ReadFileBytes(a)), WithoutComments(*ReadFileBytes(b)));
  MainModel third;
  ASSERT_EQ(third.OpenDocument(b), Status::Ok());
  const std::string c = Path("c.ufx");
  ASSERT_EQ(third.SaveDocument(c), Status::Ok());
  EXPECT_EQ(ReadFileBytes(b), ReadFileBytes(c));
}

// Names beyond CP932 make the document UTF-8 after a byte-order mark; a name
// that fits keeps it CP932, as older versions wrote and read it.
TEST_F(SettingsDocumentTest, NamesBeyondCp932SurviveASave) {
  // Cyrillic and plain Greek are in CP932; accented Latin and Greek are not.
  const std::set<std::string> fitting = {"Москва", "兵庫県明石市"};
  for (const std::string name : {"Zürich · São Paulo", "Москва", "Αθήνα", "𠮷野家 北京 丟",
                                 "Sundial ☀️🌍", "兵庫県明石市"}) {
    MainModel first;
    first.Chart().Location().setName(name);
    const std::string path = Path("names.ufx");
    ASSERT_EQ(first.SaveDocument(path), Status::Ok()) << name;
    const std::string bytes = *ReadFileBytes(path);
    EXPECT_EQ(bytes.starts_with("\xEF\xBB\xBF"), !fitting.contains(name)) << name;
    EXPECT_EQ(bytes.find('?'), std::string::npos) << name;
    MainModel second;
    ASSERT_EQ(second.OpenDocument(path), Status::Ok()) << name;
    EXPECT_EQ(second.Chart().Location().Name(), name);
    ASSERT_EQ(second.SaveDocument(Path("again.ufx")), Status::Ok());
    EXPECT_EQ(*ReadFileBytes(Path("again.ufx")), bytes) << name;
  }
}

TEST_F(SettingsDocumentTest, SeasonModeDocumentReopensToTheSameBytesAtOnce) {
  MainModel first;
  first.Chart().Location().setLatitude(-20);
  ASSERT_EQ(first.ApplySeason(), Status::Ok());
  ASSERT_EQ(first.SaveDocument(Path("a.ufx")), Status::Ok());
  MainModel second;
  ASSERT_EQ(second.OpenDocument(Path("a.ufx")), Status::Ok());
  EXPECT_EQ(second.Chart().Season().CalcSeason(), 8);
  ASSERT_EQ(second.SaveDocument(Path("b.ufx")), Status::Ok());
  EXPECT_EQ(ReadFileBytes(Path("a.ufx")), ReadFileBytes(Path("b.ufx")));
}

TEST_F(SettingsDocumentTest, WrittenLayoutIsCp932WithOneBlankLineBeforeEachSection) {
  MainModel model;
  model.Chart().Location().setTimeZone(9);
  const std::string path = Path("layout.ufx");
  ASSERT_EQ(model.SaveDocument(path), Status::Ok());
  const std::string bytes = *ReadFileBytes(path);
  EXPECT_NE(bytes.find("Name=\x95\xBA\x8C\xC9\x8C\xA7\x96\xBE\x90\xCE\x8E\x73\r\n"),
            std::string::npos);

  const std::string text = Cp932ToUtf8(bytes);
  EXPECT_TRUE(
      text.starts_with("[Umbrafex 3.04.00]\r\n\r\n[General]\r\nCompatible=True\r\nTimeSystem=1\r\n"
                       "IncludeRiseSet=True\r\n// LeapYear="));
  EXPECT_NE(
      text.find("\r\n\r\n[Location]\r\nName=兵庫県明石市\r\nLatitude=34.65\r\nLongitude=135\r\n"
                "// NorthDiff="),
      std::string::npos);
  EXPECT_NE(text.find("TimeZone=9\r\n// StandardMeridian=135\r\n\r\n[Season]\r\n"
                      "AdjustEquation=False\r\nCalcSeason=4\r\n"),
            std::string::npos);
  EXPECT_NE(
      text.find("\r\n\r\n[CalcTime]\r\n// StartTime=-999\r\n// EndTime=-999\r\nInterval=30\r\n"),
      std::string::npos);
  EXPECT_NE(
      text.find("[DialOption]\r\n// $(AppPath)はUmbrafexのインストールフォルダ。\r\nPicture="),
      std::string::npos);
  EXPECT_NE(text.find("[DialInformationFont]\r\nName=ＭＳ Ｐゴシック\r\nSize=10\r\nBold=False\r\n"),
            std::string::npos);
  EXPECT_NE(
      text.find(
          "[ClockDayColor]\r\nTimeLine=0\r\nTimeFill=16744576\r\nInnerFill=16777215\r\n"
          "OrientationLine=0\r\nOrientationFont=0\r\nHourLine=255\r\nMinuteLine=8421504\r\n"
          "TimeFont=16777215\r\nShadowFill=4210752\r\nClockFont=0\r\nBackground=16777215\r\n"),
      std::string::npos);
  // No usable printer: the section stands empty at the end.
  EXPECT_TRUE(text.ends_with("Strikethrough=False\r\n\r\n[Printer]\r\n"));

  const char* sections[] = {"General",
                            "Location",
                            "Season",
                            "CalcTime",
                            "DialOption",
                            "DialColor",
                            "DialOrientationFont",
                            "DialTimeFont",
                            "DialInformationFont",
                            "ClockOption",
                            "ClockDayColor",
                            "ClockNightColor",
                            "ClockOrientationFont",
                            "ClockTimeFont",
                            "ClockClockFont",
                            "Printer"};
  std::size_t at = 0;
  for (const char* section : sections) {
    std::size_t found = text.find(std::string("\r\n\r\n[") + section + "]\r\n", at);
    ASSERT_NE(found, std::string::npos) << section;
    at = found + 1;
  }
  EXPECT_EQ(text.find("\r\n\r\n\r\n"), std::string::npos);
}

TEST_F(SettingsDocumentTest, ComputedValuesAreCommentsNamingTheirState) {
  MainModel model;
  model.Chart().Location().setLatitude(75);  // midnight sun at the June solstice
  model.Chart().Location().setLongitude(20);
  ASSERT_EQ(model.ApplySeason(), Status::Ok());
  const std::string path = Path("arctic.ufx");
  ASSERT_EQ(model.SaveDocument(path), Status::Ok());
  const std::string text = ReadUtf8(path);
  EXPECT_NE(text.find("// NorthDiff=計算対象外地域\r\n"), std::string::npos);
  EXPECT_NE(text.find("// SunRiseTime=白夜\r\n// SunSetTime=白夜\r\n"), std::string::npos);
  EXPECT_NE(text.find("// NightState=1\r\n"), std::string::npos);
}

TEST_F(SettingsDocumentTest, ExtensionAndHeaderDecideWhetherAFileIsADocument) {
  const std::string body = "\n[CalcTime]\nInterval=20\n";
  MainModel model;
  EXPECT_EQ(model.OpenDocument(WriteDocument("upper.UFX", "[Umbrafex 3.04.00]" + body)),
            Status::Ok());
  EXPECT_EQ(model.calcTime.interval, 20);
  EXPECT_EQ(model.OpenDocument(
                WriteDocument("lower.ufx", "  [umbrafex 9.99]  \n[CalcTime]\nInterval=10\n")),
            Status::Ok());
  EXPECT_EQ(model.calcTime.interval, 10);

  model.documentPath = "/before.ufx";
  const std::string spaced = WriteDocument("spaced.ufx ", "[Umbrafex 3.04.00]" + body);
  EXPECT_EQ(model.OpenDocument(spaced), Status::Error(kFormatError));
  EXPECT_EQ(model.lastError.description, kFormatMessage);
  EXPECT_EQ(model.lastError.source, "frmMain.lOpenUfxAll");
  EXPECT_EQ(model.OpenDocument(WriteDocument("nobracket.ufx", "Umbrafex 3.04.00" + body)),
            Status::Error(kFormatError));
  EXPECT_EQ(model.lastError.description, kFormatMessage);
  EXPECT_EQ(model.OpenDocument(WriteDocument("other.ufx", "[Sundial 1.0]" + body)),
            Status::Error(kFormatError));
  EXPECT_EQ(model.calcTime.interval, 10);
  EXPECT_EQ(model.documentPath, "/before.ufx");

  // A file that cannot be read names itself.
  const std::string missing = Path("missing.ufx");
  EXPECT_NE(model.OpenDocument(missing), Status::Ok());
  EXPECT_EQ(model.lastError.description, missing + "を開くことができません。");
  const std::string empty = WriteDocument("empty.ufx", "");
  EXPECT_NE(model.OpenDocument(empty), Status::Ok());
  EXPECT_EQ(model.lastError.description, empty + "を開くことができません。");
  // A FIFO is refused at once instead of waiting for a writer.
  const std::string fifo = Path("fifo.ufx");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_NE(model.OpenDocument(fifo), Status::Ok());
  EXPECT_EQ(model.lastError.description, fifo + "を開くことができません。");
}

// Under English the messages name the file in English; a "%1" in the name
// stays as it is.
TEST_F(SettingsDocumentTest, MessagesInEnglish) {
  InstallUiLanguage(UiLanguage::English);
  MainModel model;
  EXPECT_EQ(model.OpenDocument(WriteDocument("other.ufx", "[Sundial 1.0]\n")),
            Status::Error(kFormatError));
  EXPECT_EQ(model.lastError.description, "This type of file cannot be opened.");
  const std::string missing = Path("missing %1.ufx");
  EXPECT_NE(model.OpenDocument(missing), Status::Ok());
  EXPECT_EQ(model.lastError.description, "Cannot open " + missing + ".");
  const std::string intoMissingFolder = Path("none/a.ufx");
  EXPECT_NE(model.SaveDocument(intoMissingFolder), Status::Ok());
  EXPECT_EQ(model.lastError.description, "Cannot save " + intoMissingFolder + ".");
  InstallUiLanguage(LanguageFromLocale());
}

TEST_F(SettingsDocumentTest, OpeningMergesSectionsIntoTheCurrentSettings) {
  MainModel model;
  model.dialColor.hourLine = 1;
  model.dialTimeFont.name = "Keep";
  const std::string path = WriteDocument("merge.ufx",
                                         "[Umbrafex 3.04.00]\n"
                                         "[Location]\n"
                                         "Name =  札幌市  \n"
                                         "Latitude = 43.06\n"
                                         "Longitude=141.35\n"
                                         "// NorthDiff=-9\n"
                                         "StandardMeridian=0\n"
                                         "Unknown=1\n"
                                         "\n"
                                         "[General]\n"
                                         "// LeapYear=True\n"
                                         "[CalcTime]\n"
                                         "Interval = 15\n"
                                         "StartTime=-1\n"
                                         "EndTime=8.5\n");
  model.Chart().setLeapYear(false);
  model.Chart().Location().setTimeZone(9);
  ASSERT_EQ(model.OpenDocument(path), Status::Ok()) << model.lastError.description;
  EXPECT_EQ(model.Chart().Location().Name(), "札幌市");
  EXPECT_DOUBLE_EQ(model.Chart().Location().Latitude(), 43.06);
  EXPECT_DOUBLE_EQ(model.Chart().Location().StandardMeridian(), 135);
  EXPECT_FALSE(model.Chart().LeapYear());  // a comment line is never applied
  EXPECT_EQ(model.calcTime.interval, 15);
  EXPECT_EQ(model.calcTime.startTime, -999);
  EXPECT_EQ(model.calcTime.endTime, 8.5);
  EXPECT_EQ(model.dialColor.hourLine, 1);
  EXPECT_EQ(model.dialTimeFont.name, "Keep");
  EXPECT_EQ(model.documentPath, path);

  ASSERT_EQ(model.OpenDocument(WriteDocument("leap.ufx", "[Umbrafex]\n[general]\nleapyear=TRUE\n")),
            Status::Ok());
  EXPECT_TRUE(model.Chart().LeapYear());
}

TEST_F(SettingsDocumentTest, SeasonSectionSetsTheDayOrTheSeason) {
  MainModel model;
  model.Chart().setLeapYear(false);
  ASSERT_EQ(model.OpenDocument(WriteDocument("day.ufx",
                                             "[Umbrafex 3.04.00]\n[Season]\nAdjustEquation=True\n"
                                             "CalcSeason=0\nCalcDate=366\nSolarDeclination=-23\n"
                                             "EquationOfTime=0.05\n// SunRiseTime=7\n")),
            Status::Ok())
      << model.lastError.description;
  EXPECT_EQ(model.Chart().Season().CalcDate(), 365);
  EXPECT_DOUBLE_EQ(model.Chart().Season().SolarDeclination(), -23);
  EXPECT_DOUBLE_EQ(model.Chart().Season().EquationOfTime(), 0.05);
  EXPECT_TRUE(model.season.adjustEquation);
  EXPECT_EQ(model.season.seasonDate, (CalendarDate{Today().year, 12, 31}));

  ASSERT_EQ(model.OpenDocument(WriteDocument("season.ufx",
                                             "[Umbrafex 3.04.00]\n[Season]\nCalcSeason=2\n"
                                             "EquationOfTime=0.05\n")),
            Status::Ok());
  EXPECT_EQ(model.Chart().Season().CalcSeason(), 2);
  EXPECT_FALSE(model.season.adjustEquation);
  EXPECT_EQ(model.Chart().Season().EquationOfTime(), 0);
  EXPECT_EQ(model.season.seasonDate, (CalendarDate{Today().year, 12, 31}));

  // Day 60 of a leap-year chart is 29 February, a date the current year has
  // only when it is a leap year itself; otherwise the date is 1 March.
  ASSERT_EQ(model.OpenDocument(WriteDocument("leapday.ufx",
                                             "[Umbrafex 3.04.00]\n[General]\nLeapYear=True\n"
                                             "[Season]\nAdjustEquation=True\nCalcDate=60\n")),
            Status::Ok());
  const int year = Today().year;
  const bool leapYear = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
  const CalendarDate expected = leapYear ? CalendarDate{year, 2, 29} : CalendarDate{year, 3, 1};
  EXPECT_EQ(model.season.seasonDate, expected);

  // A day no year has fails the open with the file's name and the key.
  const std::string bad =
      WriteDocument("badday.ufx", "[Umbrafex 3.04.00]\n[Season]\nCalcDate=400\n");
  EXPECT_NE(model.OpenDocument(bad), Status::Ok());
  EXPECT_TRUE(model.lastError.description.starts_with(bad + "を開くことができません。\n" +
                                                      "[Season] CalcDate=400 : "));
}

TEST_F(SettingsDocumentTest, PicturePathsExpandTheProgramFolderAndLoseQuotes) {
  MainModel model;
  ASSERT_EQ(model.OpenDocument(WriteDocument("app.ufx",
                                             "[Umbrafex 3.04.00]\n[DialOption]\n"
                                             "Picture=$(apppath)\\bkgcolor.wmf\n")),
            Status::Ok());
  EXPECT_EQ(model.dialOption.picture, FindDataFile("bkgcolor.wmf"));
  ASSERT_EQ(model.OpenDocument(WriteDocument("up.ufx",
                                             "[Umbrafex]\n[DialOption]\n"
                                             "Picture=$(AppPath)\\a\\..\\.\\b.png\n")),
            Status::Ok());
  EXPECT_EQ(model.dialOption.picture, FindDataFile("b.png"));
  // The program's folder is never left.
  for (const char* outside :
       {"$(AppPath)\\..\\..\\etc\\passwd", "$(AppPath)/a/../../x", "$(AppPath)"}) {
    EXPECT_NE(model.OpenDocument(WriteDocument(
                  "out.ufx", std::string("[Umbrafex]\n[DialOption]\nPicture=") + outside + "\n")),
              Status::Ok())
        << outside;
  }
  ASSERT_EQ(model.OpenDocument(WriteDocument("quoted.ufx",
                                             "[Umbrafex 3.04.00]\n[Option]\n"
                                             "BackPicture=\"/home/a b/p.bmp\"\nLineWidth=0.5\n")),
            Status::Ok());
  EXPECT_EQ(model.dialOption.picture, "/home/a b/p.bmp");
  EXPECT_EQ(model.dialOption.lineWidth, 0.5);
  ASSERT_EQ(model.OpenDocument(WriteDocument("drawing.ufx",
                                             "[Umbrafex 3.04.00]\n[Drawing]\nPicture=\n"
                                             "PrintMark=0\nPrintInfo=-1\nPrintTitle=false\n")),
            Status::Ok());
  EXPECT_EQ(model.dialOption.picture, "");
  EXPECT_FALSE(model.dialOption.printMark);
  EXPECT_TRUE(model.dialOption.printInfo);
  EXPECT_FALSE(model.dialOption.printTitle);
}

TEST_F(SettingsDocumentTest, OlderSectionAndKeyNamesStillOpen) {
  MainModel model;
  ASSERT_EQ(
      model.OpenDocument(WriteDocument("old.ufx",
                                       "[Umbrafex 2.00]\n"
                                       "[Color]\nHorLine=255\nCirLine=1\nTimFill=2\nCirFill=3\n"
                                       "OriLine=4\nOriFont=5\nMinLine=6\nTimFont=7\nNmnLine=8\n"
                                       "NmnFill=9\nMrkLine=10\nInfFont=11\n"
                                       "[Font]\nOriName=Times\nOriSize=20\nTimBold=False\n"
                                       "InfItalic=True\nInfName=Courier\n"
                                       "[Printer]\nDevice=Old printer\n")),
      Status::Ok())
      << model.lastError.description;
  const DialColorSettings& c = model.dialColor;
  EXPECT_EQ((std::array{c.hourLine, c.timeLine, c.timeFill, c.innerFill, c.orientationLine,
                        c.orientationFont, c.minuteLine, c.timeFont, c.gnomonLine, c.gnomonFill,
                        c.markLine, c.informationFont}),
            (std::array{255, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
  EXPECT_EQ(model.dialOrientationFont.name, "Times");
  EXPECT_EQ(model.dialOrientationFont.size, 20);
  EXPECT_FALSE(model.dialTimeFont.bold);
  EXPECT_EQ(model.dialInformationFont.name, "Courier");
  EXPECT_TRUE(model.dialInformationFont.italic);
}

TEST_F(SettingsDocumentTest, ValueConversions) {
  MainModel model;
  auto open = [&](const std::string& lines) {
    return model.OpenDocument(WriteDocument("values.ufx", "[Umbrafex 3.04.00]\n" + lines));
  };
  ASSERT_EQ(open("[CalcTime]\nInterval=10.5\n"), Status::Ok());
  EXPECT_EQ(model.calcTime.interval, 10);  // halves go to the even neighbour
  ASSERT_EQ(open("[CalcTime]\nInterval=29.5\n"), Status::Ok());
  EXPECT_EQ(model.calcTime.interval, 30);
  ASSERT_EQ(open("[DialColor]\nHourLine=1.5e3\n[DialTimeFont]\nSize=10.123456\n"), Status::Ok());
  EXPECT_EQ(model.dialColor.hourLine, 1500);
  EXPECT_DOUBLE_EQ(model.dialTimeFont.size, 10.1235);
  ASSERT_EQ(open("[Location]\nLatitude=+35.000000000000000000000000000000000000001\n"),
            Status::Ok());
  EXPECT_DOUBLE_EQ(model.Chart().Location().Latitude(), 35);

  const std::string failing[] = {
      "[CalcTime]\nInterval=40000\n",   // beyond 16 bits
      "[DialOption]\nPrintMark=yes\n",  // neither a boolean word nor a number
      "[DialColor]\nHourLine=\n",       // empty number
      "[DialColor]\nHourLine=0x10\n",   // not decimal
      "[DialColor]\nHourLine=1,5\n",    // comma is no decimal point
      "[Location]\nLatitude=nan\n",     // not a number
      "[Location]\nLatitude=1e400\n",   // too large for a real
      "[Location]\nLatitude=" + std::string(400, '9') + "\n",
      "[Location]\nLatitude=95\n",  // refused by the engine
      "[DialTimeFont]\nSize=0\n",   // not a font size
      // Numbers of their kind that the setting cannot take.
      "[General]\nTimeSystem=2\n",
      "[General]\nTimeSystem=-1\n",
      "[CalcTime]\nInterval=0\n",
      "[CalcTime]\nInterval=61\n",
      "[CalcTime]\nInterval=25\n",
      "[DialOption]\nMaxPages=3\n",
      "[DialOption]\nTimeFormat=2\n",
      "[DialOption]\nLineWidth=100\n",
      "[ClockOption]\nTimeFormat=-1\n",
      "[DialColor]\nHourLine=-1\n",
      "[ClockNightColor]\nBackground=16777216\n",
  };
  // The refusal names the file, then the section, the key and (the start of)
  // the value it was refused on.
  for (const std::string& lines : failing) {
    EXPECT_NE(open(lines), Status::Ok()) << lines;
    std::string named = lines.substr(0, lines.size() - 1);
    named[named.find('\n')] = ' ';
    if (named.size() > 60) named = named.substr(0, named.find('=') + 41) + "...";
    EXPECT_TRUE(model.lastError.description.starts_with(
        Path("values.ufx") + "を開くことができません。\n" + named + " : "))
        << model.lastError.description;
  }
}

// A name holding line breaks must not add lines or sections to the file.
TEST_F(SettingsDocumentTest, TextsWithLineBreaksStayOnTheirLine) {
  MainModel model;
  model.Chart().Location().setName("evil\r\nLatitude=80\r\n[Location]\r\nLatitude=-80");
  model.dialTimeFont.name = "Arial\n[General]";
  ASSERT_EQ(model.SaveDocument(Path("inj.ufx")), Status::Ok());
  const std::string text = ReadUtf8(Path("inj.ufx"));
  EXPECT_EQ(text.find("\n[Location]"), text.rfind("\n[Location]"));
  EXPECT_EQ(text.find("\n[General]"), text.rfind("\n[General]"));
  EXPECT_EQ(text.find("\nLatitude=80"), std::string::npos);
  MainModel reopened;
  ASSERT_EQ(reopened.OpenDocument(Path("inj.ufx")), Status::Ok());
  EXPECT_EQ(reopened.Chart().Location().Latitude(), 34.65);
  EXPECT_EQ(reopened.Chart().Location().Name(), "evil  Latitude=80  [Location]  Latitude=-80");
}

TEST_F(SettingsDocumentTest, FailureKeepsTheSectionsAppliedBeforeIt) {
  MainModel model;
  const std::string path =
      WriteDocument("partial.ufx",
                    "[Umbrafex 3.04.00]\n[CalcTime]\nInterval=20\n"
                    "[DialOption]\nMaxPages=2\nPrintMark=maybe\nPrintInfo=False\n"
                    "[ClockOption]\nTimeFormat=1\n");
  EXPECT_NE(model.OpenDocument(path), Status::Ok());
  EXPECT_TRUE(model.lastError.description.starts_with(path + "を開くことができません。\n" +
                                                      "[DialOption] PrintMark=maybe : "));
  EXPECT_EQ(model.calcTime.interval, 20);
  EXPECT_EQ(model.dialOption.maxPages, 2);
  EXPECT_TRUE(model.dialOption.printInfo);
  EXPECT_EQ(model.clockOption.timeFormat, 0);
  EXPECT_EQ(model.documentPath, "");
}

TEST_F(SettingsDocumentTest, FailedSaveLeavesThePreviousDocument) {
  MainModel model;
  const std::string path = Path("keep.ufx");
  ASSERT_EQ(model.SaveDocument(path), Status::Ok());
  const auto before = ReadFileBytes(path);
  model.documentPath = "/elsewhere.ufx";
  model.calcTime.interval = 60;

  if (::geteuid() != 0) {
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_NE(model.SaveDocument(path), Status::Ok());
    EXPECT_EQ(model.lastError.description, path + "を保存することができません。");
    EXPECT_EQ(model.lastError.source, "frmMain.lSaveUfxAll");
    fs::permissions(folder_, fs::perms::owner_all);
    EXPECT_EQ(ReadFileBytes(path), before);
  }
  {
    // A disk that fills up halfway through the document.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 100;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const Status result = model.SaveDocument(path);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_NE(result, Status::Ok());
    EXPECT_EQ(model.lastError.description, path + "を保存することができません。");
    EXPECT_EQ(ReadFileBytes(path), before);
  }
  // A document made read-only is not replaced, even where the folder allows it.
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
  EXPECT_NE(model.SaveDocument(path), Status::Ok());
  EXPECT_EQ(model.lastError.description, path + "を保存することができません。");
  EXPECT_EQ(ReadFileBytes(path), before);
  const std::string intoMissingFolder = Path("no/such.ufx");
  EXPECT_NE(model.SaveDocument(intoMissingFolder), Status::Ok());
  EXPECT_EQ(model.lastError.description, intoMissingFolder + "を保存することができません。");
  EXPECT_EQ(model.documentPath, "/elsewhere.ufx");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(SettingsDocumentTest, BadInputNeverCrashes) {
  MainModel model;
  const std::string openFailed = "を開くことができません。";
  // Binary bytes after a good header; invalid CP932; a section running to the end.
  std::string binary = "[Umbrafex]\r\n[DialOption]\r\n";
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 131) & 0xFF);
  ASSERT_TRUE(WriteFileAtomically(Path("binary.ufx"), binary));
  static_cast<void>(model.OpenDocument(Path("binary.ufx")));  // either way, no crash
  ASSERT_TRUE(WriteFileAtomically(Path("cp932.ufx"),
                                  "[Umbrafex]\r\n[Location]\r\nName=\x81\xFF\x80\xA0\xFD"));
  ASSERT_EQ(model.OpenDocument(Path("cp932.ufx")), Status::Ok());
  EXPECT_EQ(model.Chart().Location().Name(), "\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD");
  // Unknown sections and keys and a 1 MB line are skipped.
  ASSERT_TRUE(WriteFileAtomically(Path("long.ufx"),
                                  "[Umbrafex]\r\n[Nothing]\r\nA=" + std::string(1 << 20, 'x') +
                                      "\r\n[CalcTime]\r\nInterval=60"));
  ASSERT_EQ(model.OpenDocument(Path("long.ufx")), Status::Ok());
  EXPECT_EQ(model.calcTime.interval, 60);

  // A file beyond any document's size is refused unread.
  const std::string huge = Path("huge.ufx");
  ASSERT_TRUE(WriteFileAtomically(huge, "[Umbrafex]\r\n"));
  fs::resize_file(huge, 65u * 1024u * 1024u);
  EXPECT_NE(model.OpenDocument(huge), Status::Ok());
  EXPECT_EQ(model.lastError.description, huge + openFailed);
  // A folder named like a document.
  fs::create_directory(Path("dir.ufx"));
  EXPECT_NE(model.OpenDocument(Path("dir.ufx")), Status::Ok());
  EXPECT_EQ(model.lastError.description, Path("dir.ufx") + openFailed);
}

TEST_F(SettingsDocumentTest, Utf8DocumentsOpenToo) {
  MainModel model;
  ASSERT_TRUE(WriteFileAtomically(Path("utf8.ufx"),
                                  "\xEF\xBB\xBF[Umbrafex 3.04.00]\n[Location]\nName=那覇市\n"));
  ASSERT_EQ(model.OpenDocument(Path("utf8.ufx")), Status::Ok());
  EXPECT_EQ(model.Chart().Location().Name(), "那覇市");
}

// A printer that records what the document asks of it.
class FakePrinter : public PrinterSetup {
 public:
  bool IsPrinterAvailable() const override { return true; }
  PrinterProperties Current() const override { return current; }
  bool SelectPrinter(const std::string& name) override {
    selected = name;
    return true;
  }
  bool setPaperSize(int16_t v) override { return Set(current.paperSize, v); }
  bool setPaperBin(int16_t v) override { return Set(current.paperBin, v); }
  bool setPrintQuality(int16_t v) override { return Set(current.printQuality, v); }
  bool setColorMode(int16_t v) override { return Set(current.colorMode, v); }
  bool setDuplex(int16_t v) override { return Set(current.duplex, v); }
  bool setOrientation(int16_t v) override { return Set(current.orientation, v); }
  bool setZoom(int32_t v) override { return Set(current.zoom, v); }
  bool setCopies(int16_t v) override { return Set(current.copies, v); }

  PrinterProperties current{"Office Laser", kPaperA4, 7, -4, 2, 1, kPortrait, 100, 1};
  std::string selected;

 private:
  template <typename T>
  bool Set(T& field, T value) {
    if (value < 0) return false;  // refused, like a driver would
    field = value;
    return true;
  }
};

TEST_F(SettingsDocumentTest, PrinterSectionGoesThroughThePrinterSetUp) {
  MainModel model;
  auto printer = std::make_shared<FakePrinter>();
  model.setPrinter(printer);
  const std::string path = Path("printer.ufx");
  ASSERT_EQ(model.SaveDocument(path), Status::Ok());
  EXPECT_TRUE(ReadUtf8(path).ends_with(
      "[Printer]\r\nDeviceName=Office Laser\r\nPaperSize=9\r\nPaperBin=7\r\nPrintQuality=-4\r\n"
      "ColorMode=2\r\nDuplex=1\r\nOrientation=1\r\nZoom=100\r\nCopies=1\r\n"));

  ASSERT_EQ(
      model.OpenDocument(WriteDocument("other.ufx",
                                       "[Umbrafex]\n[Printer]\nDeviceName=Photo\nPaperSize=8\n"
                                       "Orientation=-2\nZoom=40000\n[CalcTime]\nInterval=20\n")),
      Status::Ok())
      << model.lastError.description;
  EXPECT_EQ(printer->selected, "Photo");
  EXPECT_EQ(printer->current.paperSize, kPaperA3);
  EXPECT_EQ(printer->current.orientation, kPortrait);  // refused value skipped
  EXPECT_EQ(printer->current.zoom, 40000);
  EXPECT_EQ(model.calcTime.interval, 20);

  // Without a usable printer a bad value is skipped, and only a supported
  // paper and the orientation are kept, as the sheet of the preview.
  model.setPrinter(nullptr);
  EXPECT_EQ(model.Printer().Current().paperSize, kPaperA4);
  EXPECT_EQ(model.Printer().Current().orientation, kPortrait);
  ASSERT_EQ(model.OpenDocument(WriteDocument(
                "none.ufx", "[Umbrafex]\n[Printer]\nPaperSize=bad\n[CalcTime]\nInterval=10\n")),
            Status::Ok());
  EXPECT_EQ(model.calcTime.interval, 10);
  EXPECT_EQ(model.Printer().Current().paperSize, kPaperA4);
  ASSERT_EQ(model.OpenDocument(WriteDocument(
                "a3.ufx", "[Umbrafex]\n[Printer]\nPaperSize=8\nOrientation=2\nCopies=3\n")),
            Status::Ok());
  EXPECT_EQ(model.Printer().Current().paperSize, kPaperA3);
  EXPECT_EQ(model.Printer().Current().orientation, kLandscape);
  EXPECT_FALSE(model.Printer().IsPrinterAvailable());
  ASSERT_EQ(
      model.OpenDocument(WriteDocument("tabloid.ufx", "[Umbrafex]\n[Printer]\nPaperSize=3\n")),
      Status::Ok());
  EXPECT_EQ(model.Printer().Current().paperSize, kPaperA3);  // an unsupported paper is no sheet
  ASSERT_EQ(model.OpenDocument(WriteDocument("letter.ufx", "[Umbrafex]\n[Printer]\nPaperSize=1\n")),
            Status::Ok());
  EXPECT_EQ(model.Printer().Current().paperSize, kPaperLetter);

  // Saved again on this machine, the document keeps what it came with.
  ASSERT_EQ(model.OpenDocument(path), Status::Ok());
  const std::string again = Path("again.ufx");
  ASSERT_EQ(model.SaveDocument(again), Status::Ok());
  EXPECT_TRUE(ReadUtf8(again).ends_with(
      "[Printer]\r\nDeviceName=Office Laser\r\nPaperSize=9\r\nPaperBin=7\r\nPrintQuality=-4\r\n"
      "ColorMode=2\r\nDuplex=1\r\nOrientation=1\r\nZoom=100\r\nCopies=1\r\n"));
}

}  // namespace

namespace {

// A design on a wall keeps its plane through a save; a horizontal one writes
// no plane at all, so that documents of every earlier version read and write
// as before; and a document without the section is horizontal, whatever the
// design before it was.
// The dial's plane and the summer-time hours are written only where a
// design has them, so that other documents keep their bytes; a document
// without them opens horizontal and without summer time, whatever was open.
TEST_F(SettingsDocumentTest, ThePlaneAndSummerTimeRoundTripAndADefaultDesignWritesNeither) {
  MainModel wall;
  wall.dialPlane = {202.5, 90};
  wall.dialOption.summerTime = true;
  ASSERT_TRUE(wall.SaveDocument(Path("wall.ufx")).ok());
  EXPECT_NE(ReadUtf8(Path("wall.ufx")).find("[DialPlane]\r\nFacing=202.5\r\nTilt=90\r\n"),
            std::string::npos);
  EXPECT_NE(ReadUtf8(Path("wall.ufx")).find("ScaleBar=True\r\nSummerTime=True\r\n"),
            std::string::npos);
  MainModel flat;
  ASSERT_TRUE(flat.SaveDocument(Path("flat.ufx")).ok());
  EXPECT_EQ(ReadUtf8(Path("flat.ufx")).find("DialPlane"), std::string::npos);
  EXPECT_EQ(ReadUtf8(Path("flat.ufx")).find("SummerTime"), std::string::npos);

  MainModel reader;
  ASSERT_TRUE(reader.OpenDocument(Path("wall.ufx")).ok());
  EXPECT_EQ(reader.dialPlane, (PlaneOrientation{202.5, 90}));
  EXPECT_TRUE(reader.dialOption.summerTime);
  ASSERT_TRUE(reader.OpenDocument(Path("flat.ufx")).ok());
  EXPECT_TRUE(reader.dialPlane.IsHorizontal());
  EXPECT_FALSE(reader.dialOption.summerTime);
  // A value that is no yes or no refuses the document, as for every key.
  const std::string bad =
      WriteDocument("bad.ufx", "[Umbrafex 3.04.00]\n[DialOption]\nSummerTime=maybe\n");
  EXPECT_FALSE(reader.OpenDocument(bad).ok());

  // An analemmatic dial lies level and writes its kind and size alone; a
  // document without them is the gnomon's again.
  MainModel ground;
  ground.dialKind = DialKind::Analemmatic;
  ground.analemmaticMajor = 1250.5;
  ASSERT_TRUE(ground.SaveDocument(Path("ground.ufx")).ok());
  EXPECT_NE(
      ReadUtf8(Path("ground.ufx")).find("[DialPlane]\r\nKind=analemmatic\r\nMajor=1250.5\r\n"),
      std::string::npos);
  ASSERT_TRUE(reader.OpenDocument(Path("ground.ufx")).ok());
  EXPECT_TRUE(reader.IsAnalemmatic());
  EXPECT_EQ(reader.analemmaticMajor, 1250.5);
  ASSERT_TRUE(reader.OpenDocument(Path("flat.ufx")).ok());
  EXPECT_FALSE(reader.IsAnalemmatic());
  EXPECT_EQ(reader.analemmaticMajor, kDefaultAnalemmaticMajor);
}

TEST_F(SettingsDocumentTest, APlaneOutOfRangeRefusesTheDocumentAndNorthIsRead) {
  const std::string head = "[Umbrafex 3.04]\n[DialPlane]\n";
  MainModel model;
  for (const char* bad : {"Facing=360.5", "Facing=-1", "Tilt=181", "Tilt=-0.5", "Facing=SSW",
                          "Kind=sundial", "Major=5", "Major=20001", "Major=nan"}) {
    EXPECT_FALSE(model.OpenDocument(WriteDocument("bad.ufx", head + bad + "\n")).ok()) << bad;
  }
  // The refusal names the key.
  EXPECT_NE(model.lastError.description.find("Major=nan"), std::string::npos);
  ASSERT_TRUE(model.OpenDocument(WriteDocument("north.ufx", head + "Facing=360\nTilt=90\n")).ok());
  EXPECT_EQ(model.dialPlane, (PlaneOrientation{0, 90}));
}

}  // namespace
