// Test programs speak the language of their locale, as the program does:
// CTest runs them under ja_JP.UTF-8, and the English runs under en_US.UTF-8.
#include <gtest/gtest.h>

#include "UiLanguage.h"

namespace {

class LanguageEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { InstallUiLanguage(LanguageFromLocale()); }
};

const auto* const kLanguage = ::testing::AddGlobalTestEnvironment(new LanguageEnvironment);

}  // namespace
