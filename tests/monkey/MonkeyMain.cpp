// umbrafex_monkey [--seconds N] [--seed S] [--scratch DIR] [--stall SECONDS]
//                 [--dwell EVENTS] [--trace]
// Opens the program's main window with the windows this build installs and
// drives it at random for N seconds; every question is answered at random
// and every file lands in the scratch folder. Closing the main window
// starts it again, as a user restarts the program. Exits 0 after a clean
// run, 1 when it saw faults; --dwell is the most events a modal window gets
// before it is closed (default 40); a crash, a sanitizer report or a stall (no
// answer from the event loop for --stall seconds) ends it at once with the
// last actions.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <QTranslator>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "AppIni.h"
#include "FontSubstitutions.h"
#include "MainWindow.h"
#include "MainWindowUi.h"
#include "MonkeyDice.h"
#include "MonkeyDriver.h"
#include "MonkeyLog.h"
#include "MonkeyServices.h"
#include "Preferences.h"
#include "Watchdog.h"
#include "WindowHooks.h"

namespace {

struct Options {
  long seconds = 60;
  std::uint64_t seed = 0;
  std::string scratch;
  long stall = 60;
  int dwell = 40;
  bool trace = false;
};

std::optional<Options> ReadOptions(int argc, char** argv) {
  Options options;
  options.seed = static_cast<std::uint64_t>(std::time(nullptr));
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--trace")
      options.trace = true;
    else if (arg == "--seconds" && hasValue)
      options.seconds = std::atol(argv[++i]);
    else if (arg == "--seed" && hasValue)
      options.seed = std::strtoull(argv[++i], nullptr, 10);
    else if (arg == "--scratch" && hasValue)
      options.scratch = argv[++i];
    else if (arg == "--stall" && hasValue)
      options.stall = std::atol(argv[++i]);
    else if (arg == "--dwell" && hasValue)
      options.dwell = std::max(2, std::atoi(argv[++i]));
    else
      return std::nullopt;
  }
  return options;
}

// Everything the program writes goes to the scratch folder.
void MoveHomeTo(const QString& scratch) {
  QDir(scratch).mkpath(u"config"_qs);
  QDir(scratch).mkpath(u"cache"_qs);
  qputenv("HOME", scratch.toLocal8Bit());
  qputenv("XDG_CONFIG_HOME", (scratch + u"/config"_qs).toLocal8Bit());
  qputenv("XDG_CACHE_HOME", (scratch + u"/cache"_qs).toLocal8Bit());
  QDir::setCurrent(scratch);
}

std::map<std::string, long>& QtWarnings() {
  static std::map<std::string, long> warnings;
  return warnings;
}

void KeepQtMessage(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtDebugMsg || type == QtInfoMsg) return;
  // The test library's note about a click nobody took is not the program's.
  if (text.startsWith(u"Mouse event"_qs) || text.startsWith(u"Keyboard event"_qs)) return;
  // Font coverage and what the offscreen platform cannot do are not faults.
  if (text.contains(u"OpenType support missing"_qs) || text.startsWith(u"This plugin does not"_qs))
    return;
  Note("Qt says: " + text.toStdString());
  ++QtWarnings()[text.left(160).toStdString()];
  if (type == QtFatalMsg) {
    std::fprintf(stderr, "monkey: Qt fatal: %s\n", qPrintable(text));
    std::abort();
  }
}

void InstallQtTranslation(QApplication& app) {
  auto* translator = new QTranslator(&app);
  if (translator->load(QLocale(QLocale::Japanese, QLocale::Japan), u"qtbase"_qs, u"_"_qs,
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(translator);
}

// A preferences file as a crash, a full disk or a hand edit may leave it.
void DamagePreferences(Dice& dice, const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadWrite)) return;
  QByteArray bytes = file.readAll();
  if (dice.Chance(0.3) && !bytes.isEmpty()) {
    bytes.truncate(dice.Below(int(bytes.size())));
  } else if (dice.Chance(0.5)) {
    bytes += "\n[frmMain]\nLeft=-99999999\nTop=99999999999\nWidth=0\nHeight=-5\n";
  } else {
    for (int i = dice.Between(1, 40); i > 0 && !bytes.isEmpty(); --i)
      bytes[dice.Below(int(bytes.size()))] = char(dice.Below(256));
  }
  file.resize(0);
  file.seek(0);
  file.write(bytes);
  Note("preferences file damaged");
}

// One start of the program: as the desktop program runs it.
bool RunSession(const WindowHooks& hooks, Dice& dice, RandomFileDialogs& files) {
  ++Stats().sessions;
  Note("program starts (session " + std::to_string(Stats().sessions) + ")");
  MainModel model;
  model.setPrinter(hooks.makePrinter());
  LoadPreferences(model);
  MainWindow window(model, hooks);
  if (!window.Load()) {
    ++Stats().faults["the main window did not load: " + model.lastError.description];
    return false;
  }
  window.PlaceOnScreen();
  const QString document = dice.Chance(0.3) ? files.StartupDocument() : QString();
  if (!document.isEmpty()) {
    Note("opens at start-up: " + document.toStdString());
    window.OpenAtStartup(document);
  }
  window.show();
  QApplication::exec();
  window.RememberPlacement();
  SavePreferences(model);
  return true;
}

void Report(const Options& options) {
  const MonkeyStats& s = Stats();
  long commands = 0;
  for (const auto& [name, count] : s.commands) commands += count;
  std::cout << "monkey: seed " << options.seed << ", " << options.seconds << " s\n"
            << "  events " << s.events << ", commands " << commands << ", messages answered "
            << s.messages << ", file dialogs " << s.fileDialogs << ", desktop requests "
            << s.desktopOpens << ", program starts " << s.sessions << '\n';
  std::cout << "  commands run:";
  for (const auto& [name, count] : s.commands) std::cout << ' ' << name << '=' << count;
  std::cout << "\n  windows seen:";
  for (const auto& [name, count] : s.modals) std::cout << ' ' << name << '=' << count;
  std::cout << "\n  Qt warnings:" << (QtWarnings().empty() ? " none" : "") << '\n';
  for (const auto& [text, count] : QtWarnings())
    std::cout << "    " << count << "x " << text << '\n';
  std::cout << "  faults:" << (s.faults.empty() ? " none" : "") << '\n';
  for (const auto& [text, count] : s.faults) std::cout << "    " << count << "x " << text << '\n';
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<Options> options = ReadOptions(argc, argv);
  if (!options) {
    std::cerr << "usage: umbrafex_monkey [--seconds N] [--seed S] [--scratch DIR] "
                 "[--stall SECONDS] [--dwell EVENTS] [--trace]\n";
    return 2;
  }
  std::unique_ptr<QTemporaryDir> temporary;
  QString scratch = QString::fromStdString(options->scratch);
  if (scratch.isEmpty()) {
    temporary = std::make_unique<QTemporaryDir>();
    scratch = temporary->path();
  }
  QDir().mkpath(scratch);
  scratch = QDir(scratch).absolutePath();
  MoveHomeTo(scratch);

  InstallDeathReport();
  SetTracing(options->trace);
  qInstallMessageHandler(KeepQtMessage);
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  QApplication::setApplicationName(u"Umbrafex"_qs);
  InstallQtTranslation(app);
  InstallFontSubstitutions();
  SetAppIniPath((scratch + u"/umbrafex.ini"_qs).toStdString());
  std::cout << "monkey: seed " << options->seed << ", " << options->seconds << " s, scratch "
            << scratch.toStdString() << std::endl;

  Dice dice(options->seed);
  RandomMessages messages(dice);
  RandomFileDialogs files(dice, scratch);
  RandomDesktop desktop(dice);
  ScopedUiServices services(&messages, &files, &desktop);
  Watchdog watchdog{std::chrono::seconds(options->stall)};
  MonkeyDriver driver(dice, messages, watchdog, std::chrono::seconds(options->seconds),
                      options->dwell);

  WindowHooks hooks = InstalledHooks();
  const QString printed = scratch + u"/printed.pdf"_qs;
  hooks.makePrinter = [printed] { return std::make_shared<MonkeyPrinter>(printed); };

  driver.Start();
  while (!driver.Finished()) {
    if (!RunSession(hooks, dice, files)) break;
    if (dice.Chance(0.1)) DamagePreferences(dice, scratch + u"/umbrafex.ini"_qs);
  }
  Report(*options);
  return Stats().faults.empty() ? 0 : 1;
}
