// Field reader of the location database files: fields are separated by
// commas or line ends, spaces and tabs before a field are skipped, a text
// field that starts with a double quote runs to the next double quote (commas
// and line ends included), and an unquoted field ends at the next comma or
// line end. A record may span several lines.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class LocationFieldReader {
 public:
  explicit LocationFieldReader(std::string_view text) : text_(text) {}

  // True while anything but blanks and line ends is left to read.
  bool HasData() const;

  // Each read returns nullopt when the field is missing or malformed: the end
  // of the text reached before the field, an unterminated quote, a number
  // that is not a decimal number or lies outside its type.
  std::optional<std::string> ReadText();
  std::optional<int16_t> ReadInteger();
  std::optional<double> ReadReal();

  // Where the next field starts, and a way back to the start of the line
  // after a given position: a damaged record is skipped line by line.
  std::size_t Position() const { return pos_; }
  void SkipToLineAfter(std::size_t position);

 private:
  // The field's characters (quotes removed); leaves the position after the
  // field's delimiter.
  std::optional<std::string_view> ReadField();
  void SkipBlanks();
  void SkipDelimiter();

  std::string_view text_;
  std::size_t pos_ = 0;
};
