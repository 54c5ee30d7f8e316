#include "SavedImage.h"

#include <QBuffer>
#include <string_view>

#include "FileIo.h"

bool WriteImageFile(const std::string& path, const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, format)) return false;
  buffer.close();
  return WriteEncodedFile(path, bytes);
}

bool WriteEncodedFile(const std::string& path, const QByteArray& bytes) {
  if (bytes.isEmpty()) return false;
  return WriteFileAtomically(
      path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}
