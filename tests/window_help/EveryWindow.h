// Every window of the program, made afresh for a test that walks them all.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "AboutBox.h"
#include "ClockWindow.h"
#include "HelpWindow.h"
#include "InfoWindow.h"
#include "LocationDialog.h"
#include "MainModel.h"
#include "MainWindow.h"
#include "OptionsDialog.h"
#include "PreviewWindow.h"
#include "WindowHooks.h"
#include "YearGraph.h"
#include "YearGraphWindow.h"

using WindowMaker = std::function<std::unique_ptr<QWidget>()>;

inline std::vector<WindowMaker> EveryWindow(MainModel& model, const YearGraphData& year) {
  return {
      [&] { return std::make_unique<MainWindow>(model, InstalledHooks()); },
      [&] { return std::make_unique<LocationDialog>(nullptr, model, UMBRAFEX_RESOURCES_DIR); },
      [&] { return std::make_unique<InfoWindow>(nullptr, u"地域: 兵庫県明石市"_qs); },
      [&] { return std::make_unique<OptionsDialog>(nullptr, model); },
      [&] { return std::make_unique<PreviewWindow>(model); },
      [&] { return std::make_unique<ClockWindow>(model); },
      [&] { return std::make_unique<YearGraphWindow>(model, year); },
      [&] { return std::make_unique<HelpWindow>(); },
      [&] { return std::make_unique<AboutBox>(); },
  };
}
