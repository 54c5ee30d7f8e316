// The render tests paint with Qt: one application for the whole run, on the
// offscreen platform, with the font substitutions installed.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cstdlib>

#include "GuiSession.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);
  EnsureGuiSession();
  return RUN_ALL_TESTS();
}
