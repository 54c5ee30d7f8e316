#include "CommandLine.h"

#include "CommandHelp.h"
#include "UiText.h"
#include "Version.h"

namespace {

std::string JoinedPath(const std::vector<std::string>& args) {
  std::string path = args.empty() ? std::string() : args.front();
  for (std::size_t i = 1; i < args.size(); ++i) path += " " + args[i];
  return path;
}

std::string SuggestionFor(std::string_view word) {
  const std::string nearest = NearestCommandName(word);
  const std::string text =
      nearest.empty()
          ? FillText(TranslateText("CommandLine", "unknown command '%1'"), {word})
          : FillText(TranslateText("CommandLine", "unknown command '%1' — did you mean '%2'?"),
                     {word, nearest});
  return "umbrafex: " + text + '\n';
}

}  // namespace

DesktopRequest ReadDesktopCommandLine(const std::vector<std::string>& args) {
  if (args.empty()) return {};
  const std::string& first = args.front();
  if (first == "--help" || first == "-h") return {DesktopRequest::Kind::Help, {}, {}};
  if (first == "--version") return {DesktopRequest::Kind::Version, {}, {}};
  if (first.starts_with('-')) {
    return {DesktopRequest::Kind::UsageError,
            {},
            FillText(TranslateText("CommandLine", "unknown option: %1"), {first})};
  }
  std::string path = JoinedPath(args);
  if (path.size() >= 2 && path.front() == '"' && path.back() == '"') {
    path = path.substr(1, path.size() - 2);
  }
  return {DesktopRequest::Kind::Window, path, {}};
}

std::string DesktopUsage() {
  std::string text =
      "usage: umbrafex [DOC.ufx]           open the sundial designer's window\n"
      "       umbrafex COMMAND [options]   run a command for scripts:\n";
  for (const std::string_view name : CommandNames()) {
    text += "         " + std::string(name) + std::string(9 - name.size(), ' ') +
            std::string(CommandSummary(name)) + '\n';
  }
  text +=
      "       umbrafex COMMAND --help      the command's options\n"
      "       umbrafex -h | --help | --version\n";
  return text;
}

std::string DesktopVersion() {
  return std::string(kProductName) + " Version " + PackageVersionText() + "\n";
}

std::string MistypedCommandMessage(const std::vector<std::string>& args, const FileProbe& exists) {
  if (args.size() < 2 || args.front().starts_with('-')) return {};
  bool optionFollows = false;
  for (std::size_t i = 1; i < args.size(); ++i) optionFollows |= args[i].starts_with('-');
  if (!optionFollows || exists(args.front()) || exists(JoinedPath(args))) return {};
  return SuggestionFor(args.front()) +
         "usage: umbrafex COMMAND [options]; umbrafex --help lists them\n";
}

std::string NoDisplayMessage(const std::vector<std::string>& args, std::string_view reason,
                             const FileProbe& exists) {
  std::string text;
  if (!args.empty() && !exists(args.front()) && !exists(JoinedPath(args)) &&
      !NearestCommandName(args.front()).empty()) {
    text = SuggestionFor(args.front());
  }
  text += "umbrafex: " +
          FillText(TranslateText("CommandLine", "There is no display to open the window on. (%1)"),
                   {reason}) +
          '\n';
  text +=
      TranslateText("CommandLine", "For the commands that need no screen, see umbrafex --help.");
  text += '\n';
  return text;
}
