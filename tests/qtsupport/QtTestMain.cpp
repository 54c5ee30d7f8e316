// The platform tests paint with Qt, which needs a QGuiApplication; it runs on
// the offscreen platform so no display is needed.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cstdlib>

#include "FontSubstitutions.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);
  InstallFontSubstitutions();
  return RUN_ALL_TESTS();
}
