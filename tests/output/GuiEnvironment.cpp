// Every render test needs the Qt application and the font substitutions.
#include <gtest/gtest.h>

#include "GuiSession.h"

namespace {

class GuiEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { EnsureGuiSession(); }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

}  // namespace
