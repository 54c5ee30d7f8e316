#include "FormBoxes.h"

#include <array>
#include <cmath>

#include "EngineErrors.h"
#include "ValueText.h"

namespace {

constexpr std::array<std::string_view, 9> kRowNames{
    "txtLocation", "txtLatitude", "txtLongitude",   "txtTimeDiff", "txtNorthDiff",
    "txtEquation", "txtDate",     "txtPlaneFacing", "txtPlaneTilt"};
// The first box of each row, in the order of FormRow.
constexpr std::array<FormBox, 9> kRowStarts{
    FormBox::Location,  FormBox::Latitude0,   FormBox::Longitude0,
    FormBox::TimeDiff0, FormBox::NorthDiff0,  FormBox::Equation0,
    FormBox::Date0,     FormBox::PlaneFacing, FormBox::PlaneTilt};

// Decodes one UTF-8 character at `i`, moving `i` past it.
char32_t NextCharacter(std::string_view text, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  if (i + length > text.size()) length = 1;
  char32_t c = length == 1 ? lead : lead & (0x3F >> (length - 1));
  for (std::size_t k = 1; k < length; ++k) {
    c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
  }
  i += length;
  return c;
}

std::optional<char> AsciiOf(char32_t c) {
  if (c >= U'０' && c <= U'９') return static_cast<char>('0' + (c - U'０'));
  switch (c) {
    case U'－':
    case U'−':
    case U'ー':
      return '-';
    case U'＋':
      return '+';
    case U'．':
      return '.';
    case U'：':
      return ':';
    case U'　':
      return ' ';
    default:
      return std::nullopt;
  }
}

}  // namespace

FormRow RowOf(FormBox box) {
  const auto index = static_cast<std::size_t>(box);
  for (std::size_t row = kRowStarts.size(); row-- > 0;) {
    if (index >= static_cast<std::size_t>(kRowStarts[row])) return static_cast<FormRow>(row);
  }
  return FormRow::Location;
}

int PartOf(FormBox box) {
  const auto row = static_cast<std::size_t>(RowOf(box));
  return static_cast<int>(static_cast<std::size_t>(box) -
                          static_cast<std::size_t>(kRowStarts[row]));
}

FormBox BoxAt(FormRow row, int part) {
  return static_cast<FormBox>(static_cast<int>(kRowStarts[static_cast<std::size_t>(row)]) + part);
}

std::string_view RowName(FormRow row) {
  return kRowNames[static_cast<std::size_t>(row)];
}

bool IsEditable(FormBox box) {
  switch (RowOf(box)) {
    case FormRow::Location:
    case FormRow::Latitude:
    case FormRow::Longitude:
    case FormRow::Date:
    case FormRow::PlaneFacing:
    case FormRow::PlaneTilt:
      return true;
    default:
      return false;
  }
}

int FilterKindOf(FormBox box) {
  const FormRow row = RowOf(box);
  if (row == FormRow::Location || !IsEditable(box)) return 4;
  if ((row == FormRow::Latitude || row == FormRow::Longitude) && PartOf(box) == 0) return 0;
  // A sign passes so that a negative angle gets the range message rather
  // than becoming a positive one.
  if (row == FormRow::PlaneFacing || row == FormRow::PlaneTilt) return 3;
  return 1;
}

bool KeyPasses(int filterKind, char32_t key) {
  if ((key >= U'0' && key <= U'9') || key == U'\b' || key == U'\t') return true;
  switch (filterKind) {
    case 0:
      return key == U'-';
    case 2:
      return key == U'.';
    case 3:
      return key == U'-' || key == U'.';
    case 4:
      return true;
    default:
      return false;
  }
}

std::string NarrowDigits(std::string_view text) {
  std::string narrow;
  narrow.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t start = i;
    const auto ascii = AsciiOf(NextCharacter(text, i));
    if (ascii) {
      narrow += *ascii;
    } else {
      narrow.append(text.substr(start, i - start));
    }
  }
  return narrow;
}

std::optional<double> ReadNumber(std::string_view text) {
  double value = 0;
  if (!TrapStatus([&] { value = ParseRealText(NarrowDigits(text)); }).ok()) return std::nullopt;
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}
