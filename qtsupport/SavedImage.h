// Image and vector files made in memory and written whole through
// WriteFileAtomically, so a full disk or a file-size limit is reported and
// the previous file survives. Qt's save file checks neither the bytes it
// buffers nor the final flush before it renames.
#pragma once

#include <QByteArray>
#include <QImage>
#include <string>

// Encodes the image ("PNG") and writes it; false when either fails.
bool WriteImageFile(const std::string& path, const QImage& image, const char* format);
// Writes bytes a painter produced in memory (SVG, PDF); false on failure.
bool WriteEncodedFile(const std::string& path, const QByteArray& bytes);
