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

std::string FillText(std::string_view pattern, std::initializer_list<std::string_view> values) {
  std::string text;
  text.reserve(pattern.size() + 32);
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    const auto n = static_cast<std::size_t>(next - '0');
    if (pattern[i] == '%' && next >= '1' && next <= '9' && n <= values.size()) {
      text += values.begin()[n - 1];
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}
