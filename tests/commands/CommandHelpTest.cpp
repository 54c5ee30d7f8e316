// Each command's --help, and the manual page against it: an option that one
// of them lists and the other does not is a fault of the manual or the help.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "CommandHelp.h"
#include "CommandLine.h"
#include "CommandRun.h"

namespace {

using OptionSet = std::set<std::string>;

OptionSet OptionsIn(const std::string& text) {
  static const std::regex option(R"((^|[\s\[|(])(--?[a-z][a-z-]*))");
  OptionSet found;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), option);
       it != std::sregex_iterator(); ++it) {
    found.insert((*it)[2]);
  }
  return found;
}

// The manual's text from the heading line that starts with `heading` to the
// next heading of the same or a higher level, roff hyphens made plain.
std::string ManualSection(const std::string& heading) {
  std::ifstream file(UMBRAFEX_RESOURCES_DIR "/../docs/umbrafex.1");
  std::string section;
  std::string line;
  bool inside = false;
  while (std::getline(file, line)) {
    const bool isHeading = line.starts_with(".SH") || line.starts_with(".SS");
    if (isHeading && inside && (line.starts_with(".SH") || heading.starts_with(".SS"))) break;
    if (line.starts_with(heading)) inside = true;
    if (inside && !isHeading) section += std::regex_replace(line, std::regex(R"(\\-)"), "-") + '\n';
  }
  return section;
}

TEST(CommandHelp, EveryCommandExplainsItsOptionsOnHelpAndDashH) {
  for (const std::string_view name : CommandNames()) {
    for (const char* ask : {"--help", "-h"}) {
      const CommandResult result = RunCommandLine({std::string(name), "--lat", "-1", ask});
      EXPECT_EQ(result.status, 0) << name << ' ' << ask;
      EXPECT_TRUE(result.out.starts_with("usage: umbrafex " + std::string(name))) << result.out;
      EXPECT_EQ(result.err, "");
    }
  }
  EXPECT_FALSE(AsksForHelp({"--name", "-h"}));
  EXPECT_FALSE(AsksForHelp({"--name", "--help", "dial.ufx"}));
  EXPECT_TRUE(AsksForHelp({"dial.ufx", "--lat", "-35.5", "-h"}));
  EXPECT_TRUE(AsksForHelp({"--edges", "-h"}));
}

TEST(CommandHelp, ManualListsTheOptionsThatHelpLists) {
  const OptionSet shared = OptionsIn(ManualSection(".SH SHARED OPTIONS"));
  ASSERT_TRUE(shared.contains("--lat") && shared.contains("--help")) << "manual not found";
  for (const std::string_view name : CommandNames()) {
    OptionSet manual = OptionsIn(ManualSection(".SS " + std::string(name)));
    manual.insert(shared.begin(), shared.end());
    EXPECT_EQ(OptionsIn(*CommandHelpText(name)), manual) << name;
  }
  EXPECT_EQ(OptionsIn(DesktopUsage()), OptionsIn(ManualSection(".SH OPTIONS")));
}

TEST(CommandHelp, NearestCommandForATypo) {
  EXPECT_EQ(NearestCommandName("exprot"), "export");
  EXPECT_EQ(NearestCommandName("solar"), "solars");
  EXPECT_EQ(NearestCommandName("prnit"), "print");
  EXPECT_EQ(NearestCommandName("dial.ufx"), "");
  EXPECT_EQ(NearestCommandName("ab"), "");
}

}  // namespace
