// Whole-file reading and safe replacement of files.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The file's bytes, or nullopt when it cannot be read, exceeds maxBytes or
// is not a plain file (a folder, a FIFO, a device).
std::optional<std::string> ReadFileBytes(const std::string& path,
                                         std::size_t maxBytes = 64u * 1024u * 1024u);
// Writes to a temporary file in the same folder, flushes it and renames it
// over the target, so a failure leaves the previous file untouched. A
// symbolic link is written through; a target that is read-only or not a
// plain file is refused.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);
