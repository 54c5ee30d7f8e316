// Window tests speak the language of their locale, as the program does:
// CTest runs them under ja_JP.UTF-8, and the English runs under en_US.UTF-8.
#include <QCoreApplication>

#include "UiLanguage.h"

namespace {

void InstallLocaleLanguage() {
  InstallUiLanguage(LanguageFromLocale());
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallLocaleLanguage)
