#include "DialTexts.h"

#include <atomic>

namespace {

std::atomic<DialTextTranslator> translator{nullptr};

}  // namespace

void SetDialTextTranslator(DialTextTranslator t) {
  translator.store(t);
}

std::string DialText(const char* source) {
  const DialTextTranslator t = translator.load();
  return t ? t(source) : std::string(source);
}
