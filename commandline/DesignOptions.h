// The options that describe a design, one row each: the place and modes, the
// date basis, the day, the hour lines' range, the dial's plane and what the
// sheet draws. Every command that takes a design reads all of them through
// this one table, and the shared part of every command's help is made from it.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>

struct CommonOptions;

// Reads an option's value into the options; false for a value that is not
// of the option's form.
using DesignValueReader = std::function<bool(std::string_view, CommonOptions&)>;

struct DesignOptionRow {
  std::string_view name;       // "--date-lines"
  std::string_view valueForm;  // "none|seasons|terms|months|day"
  std::string_view help;       // one line or more, each continued under the first
  DesignValueReader read;
  // Why a value was refused, in English for TranslateText("CommandLine", …);
  // empty: the option's name and the value refused are said instead.
  const char* refusal = "";
};

std::span<const DesignOptionRow> DesignOptionTable();
const DesignOptionRow* FindDesignOption(std::string_view name);

// The table's options as the usage lists them: "  --lat DEG           latitude…",
// leaving out those named in `own`.
std::string DesignOptionsUsage(std::span<const std::string_view> own = {});
