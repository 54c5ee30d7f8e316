// What `umbrafex COMMAND --help` prints: each subcommand's synopsis, what it
// does and every option of its own, followed by the shared options. The
// synopses are also the first line of a command's usage error.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Commands.h"

inline constexpr std::string_view kSolarsSynopsis = "umbrafex solars [DOC.ufx] [options]";
inline constexpr std::string_view kInfoSynopsis =
    "umbrafex info [DOC.ufx] [options] [--save OUT.ufx]\n"
    "       (a document keeps neither --leap, --start, --end, --season nor --day:\n"
    "        it holds them only as comments, or the date basis decides them)";
inline constexpr std::string_view kTableSynopsis =
    "umbrafex table eot|declination [DOC.ufx] [options] -o FILE.csv|FILE.xlsx";
inline constexpr std::string_view kExportSynopsis =
    "umbrafex export [DOC.ufx] [options] -o OUT.pdf|OUT.svg|OUT.png|OUT.dxf\n"
    "       [--paper A3|A4|A5|B4|B5|Letter|Legal] [--tiles yes|no]\n"
    "       [--orientation portrait|landscape] [--pages 1|2] [--page N] [--dpi N]\n"
    "       (--dpi 10 to 2400; a PNG at most 20000 pixels a side: A3 1209, B4 1395,\n"
    "        A4 1710, B5 1976 dpi)";
inline constexpr std::string_view kClockSynopsis =
    "umbrafex clock [DOC.ufx] [options] [--at \"YYYY-MM-DD HH:MM\"] -o OUT.png [--size PX]";
inline constexpr std::string_view kPrintSynopsis =
    "umbrafex print [DOC.ufx] [options] [--printer NAME] [--paper A3|A4|A5|B4|B5|Letter|Legal]\n"
    "       [--orientation portrait|landscape] [--pages 1|2] [--copies N] [--tiles yes|no]";
inline constexpr std::string_view kLinesSynopsis =
    "umbrafex lines [DOC.ufx] [options] [--paper A3|A4|A5|B4|B5|Letter|Legal] [-o FILE.csv]\n"
    "       [--edges]";
inline constexpr std::string_view kWallSynopsis =
    "umbrafex wall --lat DEG --lon DEG --tz HOURS --date M/D --time HH:MM --nail MM --offset MM\n"
    "       [--leap yes|no]";

// The subcommands' names in the order the program's usage lists them.
std::vector<std::string_view> CommandNames();

// The one-line summary of a subcommand, for the program's usage.
std::string_view CommandSummary(std::string_view command);

// The whole help page of a subcommand; nullopt for a name that is none.
std::optional<std::string> CommandHelpText(std::string_view command);

// True when the words after a command's name ask for its help: "-h" or
// "--help" anywhere, except as the value of an option.
bool AsksForHelp(const CommandArgs& args);

// The subcommand a mistyped word most likely meant (at most two letters
// added, dropped, changed or swapped), or "" when none is that close.
std::string NearestCommandName(std::string_view word);
