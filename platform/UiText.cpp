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

std::string ArgText(std::string text, std::string_view value) {
  const std::size_t place = text.find("%1");
  if (place != std::string::npos) text.replace(place, 2, value);
  return text;
}
