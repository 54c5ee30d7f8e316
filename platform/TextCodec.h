// Text at the file boundary: files are CP932 (the Japanese ANSI code page),
// the program's texts are UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// CP932 bytes to UTF-8; bytes that are not CP932 become U+FFFD.
std::string Cp932ToUtf8(std::string_view cp932);
// UTF-8 to CP932; characters CP932 lacks become "?". nullopt for invalid UTF-8.
std::optional<std::string> Utf8ToCp932(std::string_view utf8);
// UTF-8 to CP932 when every character has a CP932 form that reads back as
// the same character; nullopt otherwise (and for invalid UTF-8).
std::optional<std::string> Utf8ToCp932Exactly(std::string_view utf8);
// The bytes of a file's text: CP932 when it fits (older versions read it),
// else UTF-8 after a byte-order mark, which DecodeFileText reads back. Nothing
// is replaced. nullopt for invalid UTF-8.
std::optional<std::string> EncodeFileText(std::string_view utf8);
// Whether the bytes are well-formed UTF-8.
bool IsValidUtf8(std::string_view bytes);
// Bytes read from a file: UTF-8 (a byte-order mark removed) when they are
// valid UTF-8, otherwise CP932. The result is UTF-8.
std::string DecodeFileText(std::string_view bytes);
// The bytes without a leading UTF-8 byte-order mark.
std::string_view WithoutByteOrderMark(std::string_view bytes);
