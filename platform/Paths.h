// Path helpers for documents, preferences and the program's own files.
// Folders are separated by "/".
#pragma once

#include <string>
#include <string_view>

// The folder that holds the program file (no trailing separator).
std::string AppFolder();
// Where file dialogs start when the user has not chosen a folder yet: the
// user's home folder (the current folder without one), never the program's.
std::string DocumentFolder();
// folder + "/" + name, or folder + name when the folder already ends with a
// separator; just name when the folder is empty.
std::string JoinPath(std::string_view folder, std::string_view name);
// The path without its last component; the current folder when the path has
// no folder part.
std::string GetFolderName(std::string_view path);
// The last component of the path.
std::string GetFileName(std::string_view path);
// The path without the extension of its last component.
std::string RemoveExtension(std::string_view path);
// Whether a file or folder of that name exists.
bool FileExists(const std::string& path);
// Encloses text that contains a space in double quotes (the quotes that are
// already there are kept and not doubled).
std::string QuotePath(std::string_view text);
// Removes one double quote at the start and one at the end, where present.
std::string UnquotePath(std::string_view text);
// Where a data file shipped with the program lives: AppFolder, then
// ../share/umbrafex beside it. The AppFolder path when it is in neither.
std::string FindDataFile(std::string_view name);
