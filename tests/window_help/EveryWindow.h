// Every window of the program, made afresh for a test that walks them all.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <QtTest>
#include <functional>
#include <memory>
#include <vector>

#include "AboutBox.h"
#include "Chart.h"
#include "ClockWindow.h"
#include "HelpWindow.h"
#include "InfoListing.h"
#include "InfoWindow.h"
#include "LocationDialog.h"
#include "MainModel.h"
#include "MainWindow.h"
#include "OptionsDialog.h"
#include "PreviewWindow.h"
#include "WallWindow.h"
#include "WindowHooks.h"
#include "YearGraph.h"
#include "YearGraphWindow.h"

using WindowMaker = std::function<std::unique_ptr<QWidget>()>;

inline std::vector<WindowMaker> EveryWindow(MainModel& model, const YearGraphData& year) {
  return {
      // Loaded, so that it has its size and the dial view beside it.
      [&] {
        auto window = std::make_unique<MainWindow>(model, InstalledHooks());
        window->Load();
        return window;
      },
      [&] { return std::make_unique<LocationDialog>(nullptr, model, UMBRAFEX_RESOURCES_DIR); },
      // A listing with its longest lines (the world model's declination, the
      // clock ahead of the sundial), which the window must show whole.
      [&] {
        Chart london;
        london.Location().setLatitude(51.5);
        london.Location().setLongitude(-0.1);
        london.Location().setTimeZone(0);
        return std::make_unique<InfoWindow>(nullptr,
                                            QString::fromStdString(BuildInfoListing(london, 2026)));
      },
      [&] { return std::make_unique<OptionsDialog>(nullptr, model); },
      [&] { return std::make_unique<PreviewWindow>(model); },
      [&] { return std::make_unique<ClockWindow>(model); },
      [&] { return std::make_unique<YearGraphWindow>(model, year); },
      [&] { return std::make_unique<HelpWindow>(); },
      [&] { return std::make_unique<AboutBox>(); },
      [&] { return std::make_unique<WallWindow>(nullptr, WallModelNow(model)); },
  };
}

// What `check` finds on each window of the program, shown in turn at its
// own size; a window that does not show is a fault too.
inline QStringList FaultsOfEveryWindow(MainModel& model, const YearGraphData& year,
                                       const std::function<QStringList(QWidget*)>& check) {
  QStringList faults;
  for (const auto& make : EveryWindow(model, year)) {
    std::unique_ptr<QWidget> window = make();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) {
      faults << window->objectName() + u": not shown"_qs;
      continue;
    }
    faults << check(window.get());
    window->close();
  }
  return faults;
}
