// Small text helpers for file formats whose keywords are ASCII.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The lines of a text, ended by CR LF, CR or LF; a last line without an end
// counts too, an empty text has none.
std::vector<std::string_view> SplitLines(std::string_view text);
// Spaces and tabs removed at both ends.
std::string_view TrimText(std::string_view text);
// Whether the two texts are equal ignoring ASCII letter case.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
// Whether text begins with prefix, ignoring ASCII letter case.
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix);
// Whether text ends with suffix, ignoring ASCII letter case.
bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix);
// Every occurrence of `from` replaced by `to`, left to right. Works on
// bytes, so UTF-8 texts may be searched for UTF-8 words.
std::string ReplaceAll(std::string text, std::string_view from, std::string_view to);
// The character in lower case when it is an ASCII capital.
char LowerAscii(char c);
