#include "UiText.h"

namespace {

TextTranslator installedTranslator = nullptr;
UiLanguage installedLanguage = UiLanguage::English;

}  // namespace

void InstallTextTranslator(TextTranslator translator, UiLanguage language) {
  installedTranslator = translator;
  installedLanguage = language;
}

UiLanguage TextLanguage() {
  return installedLanguage;
}

std::string TranslateText(const char* context, const char* source) {
  if (installedTranslator == nullptr) return source;
  return installedTranslator(context, source);
}
