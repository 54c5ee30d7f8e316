// Texts without Qt take their values as Qt's texts do: "%1", "%2" ... mark
// where they go, since a translation may move them within the sentence.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// One pass, so that a value holding "%2" stays as it is.
inline std::string WithArguments(std::string_view text,
                                 std::initializer_list<std::string_view> values) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    const size_t n = i + 1 < text.size() ? size_t(text[i + 1] - '1') : values.size();
    if (text[i] == '%' && n < values.size()) {
      out += values.begin()[n];
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

inline std::string WithArgument(std::string_view text, std::string_view value) {
  return WithArguments(text, {value});
}
