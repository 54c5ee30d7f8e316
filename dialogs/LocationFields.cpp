#include "LocationFields.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsLineEnd(char c) {
  return c == '\r' || c == '\n';
}

std::string_view TrimTrailingBlanks(std::string_view field) {
  while (!field.empty() && IsBlank(field.back())) field.remove_suffix(1);
  return field;
}

// from_chars takes no leading "+"; a second sign after it is still refused.
std::string_view WithoutPlus(std::string_view number) {
  if (number.size() > 1 && number[0] == '+' && number[1] != '-' && number[1] != '+') {
    number.remove_prefix(1);
  }
  return number;
}

}  // namespace

bool LocationFieldReader::HasData() const {
  for (std::size_t i = pos_; i < text_.size(); ++i) {
    if (!IsBlank(text_[i]) && !IsLineEnd(text_[i])) return true;
  }
  return false;
}

void LocationFieldReader::SkipToLineAfter(std::size_t position) {
  pos_ = position;
  while (pos_ < text_.size() && !IsLineEnd(text_[pos_])) ++pos_;
  SkipDelimiter();
}

void LocationFieldReader::SkipBlanks() {
  while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
}

void LocationFieldReader::SkipDelimiter() {
  if (pos_ >= text_.size()) return;
  if (text_[pos_] == ',') {
    ++pos_;
  } else if (text_[pos_] == '\r') {
    ++pos_;
    if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
  } else if (text_[pos_] == '\n') {
    ++pos_;
  }
}

std::optional<std::string_view> LocationFieldReader::ReadField() {
  SkipBlanks();
  if (pos_ >= text_.size()) return std::nullopt;
  std::string_view field;
  if (text_[pos_] == '"') {
    const std::size_t close = text_.find('"', pos_ + 1);
    if (close == std::string_view::npos) return std::nullopt;
    field = text_.substr(pos_ + 1, close - pos_ - 1);
    pos_ = close + 1;
    // Whatever stands between the closing quote and the delimiter is dropped.
    while (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) ++pos_;
  } else {
    const std::size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) ++pos_;
    field = text_.substr(start, pos_ - start);
  }
  SkipDelimiter();
  return field;
}

std::optional<std::string> LocationFieldReader::ReadText() {
  const auto field = ReadField();
  if (!field) return std::nullopt;
  return std::string(*field);
}

std::optional<int16_t> LocationFieldReader::ReadInteger() {
  const auto field = ReadField();
  if (!field) return std::nullopt;
  const std::string_view number = WithoutPlus(TrimTrailingBlanks(*field));
  int32_t value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error != std::errc{} || end != number.data() + number.size()) return std::nullopt;
  if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max()) {
    return std::nullopt;
  }
  return static_cast<int16_t>(value);
}

std::optional<double> LocationFieldReader::ReadReal() {
  const auto field = ReadField();
  if (!field) return std::nullopt;
  const std::string_view number = WithoutPlus(TrimTrailingBlanks(*field));
  double value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value,
                                            std::chars_format::fixed);
  if (error != std::errc{} || end != number.data() + number.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}
