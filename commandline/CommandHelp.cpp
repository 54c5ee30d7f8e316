#include "CommandHelp.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <span>

#include "CommonOptions.h"

namespace {

struct CommandPage {
  std::string_view name;
  std::string_view summary;
  std::string_view synopsis;
  std::string_view ownOptions;  // "" when the command has none
  // The design options whose names the command takes for its own.
  std::span<const std::string_view> ownDesignNames = {};
};

constexpr std::string_view kClockOwnNames[] = {"--size"};

constexpr std::string_view kSheetOptions =
    "  --paper A3|A4|A5|B4|B5|Letter|Legal\n"
    "                      paper size (default: the document's or the printer's)\n"
    "  --orientation portrait|landscape\n"
    "                      paper orientation\n"
    "  --pages 1|2         print the dial on one sheet or divide it over two\n"
    "  --tiles yes|no      the face at its --size on as many sheets as it needs,\n"
    "                      overlapping by 10 mm: an assembly map, the tiles (A1, A2, ...)\n"
    "                      with crop marks, crosses and a scale bar, and the table of\n"
    "                      edge crossings; a PNG or SVG is one file a sheet (OUT-map,\n"
    "                      OUT-A1, ..., OUT-edges)\n";

const std::array<CommandPage, 8>& Pages() {
  static const std::string exportOptions =
      "  -o OUT              output file; .pdf holds every page, .svg, .png and\n"
      "                      .dxf one; .svg and .dxf keep the layers face,\n"
      "                      hour-lines, date-lines, hour-curves, labels,\n"
      "                      gnomon, cut and fold, in millimetres\n" +
      std::string(kSheetOptions) +
      "  --page N            the page of a PNG, SVG or DXF file, 1 or 2 (default 1)\n"
      "  --dpi N             resolution of a PNG picture, 10 to 2400 (default 150)\n";
  static const std::string printOptions =
      "  --printer NAME      the printer (default: the document's, or the system's default)\n" +
      std::string(kSheetOptions) + "  --copies N          number of copies, 1 to 999\n";
  static const std::string linesOptions =
      "  -o FILE.csv         output file (default: standard output)\n"
      "  --paper A3|A4|A5|B4|B5|Letter|Legal\n"
      "                      the paper whose scale gives the millimetres\n"
      "  --edges             instead, where each hour line meets the face's edge:\n"
      "                      Key,X,Y,Distance in mm from the style's root\n"
      "  (with --dial analemmatic: the hour points and the date scale at full size,\n"
      "  in millimetres east and north of the ellipse's centre)\n";
  static const std::array<CommandPage, 8> pages = {{
      {"solars", "sun positions of the dial's hour lines", kSolarsSynopsis,
       "  (south of the equator the Altitude column is 180 minus the altitude)\n"},
      {"info", "the calculation conditions listing", kInfoSynopsis,
       "  --save OUT.ufx      also save the design as a settings document\n"},
      {"table", "equation-of-time or declination table", kTableSynopsis,
       "  eot|declination     the table: equation of time or solar declination\n"
       "  -o FILE             output file, .csv (text) or .xlsx (workbook with a chart)\n"},
      {"export", "the printed pages as PDF, SVG, PNG or DXF", kExportSynopsis, exportOptions},
      {"clock", "the desktop sundial's picture as PNG", kClockSynopsis,
       "  --at \"YYYY-MM-DD HH:MM\"\n"
       "                      the local date and time shown (default: now)\n"
       "  -o OUT.png          output file\n"
       "  --size PX           width and height in pixels, 32 to 8000 (default 500)\n",
       kClockOwnNames},
      {"print", "the printed pages on a printer", kPrintSynopsis, printOptions},
      {"lines", "the points of the date lines and hour curves as CSV", kLinesSynopsis,
       linesOptions},
      {"wall", "which way a wall faces, from a nail's shadow", kWallSynopsis,
       "  --date M/D          the day of the reading\n"
       "  --time HH:MM        the clock time of the reading, in the zone's standard time\n"
       "  --nail MM           the nail's length, held square to the wall\n"
       "  --offset MM         where the tip of its shadow falls: right of the nail's foot\n"
       "                      positive, left negative, as seen facing the wall\n"},
  }};
  return pages;
}

const CommandPage* FindPage(std::string_view command) {
  for (const CommandPage& page : Pages()) {
    if (page.name == command) return &page;
  }
  return nullptr;
}

bool IsNegativeNumber(std::string_view word) {
  return word.size() > 1 && word[0] == '-' &&
         ((word[1] >= '0' && word[1] <= '9') || word[1] == '.');
}

// Levenshtein distance with adjacent transpositions counted as one edit.
std::size_t EditDistance(std::string_view a, std::string_view b) {
  std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
  for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
  for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t cost = a[i - 1] == b[j - 1] ? 0 : 1;
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
      }
    }
  }
  return d[a.size()][b.size()];
}

}  // namespace

std::vector<std::string_view> CommandNames() {
  std::vector<std::string_view> names;
  for (const CommandPage& page : Pages()) names.push_back(page.name);
  return names;
}

std::string_view CommandSummary(std::string_view command) {
  const CommandPage* page = FindPage(command);
  return page != nullptr ? page->summary : std::string_view();
}

std::optional<std::string> CommandHelpText(std::string_view command) {
  const CommandPage* page = FindPage(command);
  if (page == nullptr) return std::nullopt;
  std::string summary(page->summary);
  summary[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(summary[0])));
  std::string text = "usage: " + std::string(page->synopsis) + "\n\n" + summary + ".\n\n";
  if (!page->ownOptions.empty()) {
    text += "options of " + std::string(page->name) + ":\n" + std::string(page->ownOptions) + '\n';
  }
  text += CommonOptionsUsage(page->ownDesignNames);
  text += "  -h, --help          show this help\n";
  return text;
}

bool AsksForHelp(const CommandArgs& args) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    if (word == "-h" || word == "--help") return true;
    // Every other option of the commands but lines's --edges takes a value,
    // which may be "-h".
    if (word.size() > 1 && word[0] == '-' && !IsNegativeNumber(word) && word != "--edges") ++i;
  }
  return false;
}

std::string NearestCommandName(std::string_view word) {
  constexpr std::size_t kMostEdits = 2;
  std::string best;
  std::size_t bestDistance = kMostEdits + 1;
  for (const CommandPage& page : Pages()) {
    const std::size_t distance = EditDistance(word, page.name);
    if (distance < bestDistance && distance < page.name.size()) {
      best = page.name;
      bestDistance = distance;
    }
  }
  return best;
}
