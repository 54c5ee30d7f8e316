// Profile files of any content: reading never fails, and a written key
// reads back while the rest of the file survives.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "FileIo.h"
#include "ProfileFile.h"
#include "TextCodec.h"

namespace {

const std::string& ScratchPath() {
  static const std::string path =
      "/dev/shm/umbrafex-fuzz-profile-" + std::to_string(::getpid()) + ".ini";
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string& path = ScratchPath();
  if (!WriteFileAtomically(path, bytes)) return 0;

  ReadProfileString(path, "Main", "Name", "default");
  ReadProfileInt(path, "Main", "TimeSystem", 1);
  ReadProfileString(path, "DialOption", "Picture", "");

  const ProfileFile before = ProfileFile::FromBytes(bytes);
  const auto otherBefore = before.Find("Other", "Key");
  if (WriteProfileString(path, "Main", "Written", "value 1") == 0) std::abort();
  if (ReadProfileString(path, "Main", "Written", "") != "value 1") std::abort();

  // Writing one key leaves the other lines of a CP932 file byte for byte,
  // so they read back the same (unless the file has turned into valid UTF-8,
  // which is then read as such).
  const std::optional<std::string> written = ReadFileBytes(path);
  if (!written) std::abort();
  if (IsValidUtf8(WithoutByteOrderMark(bytes)) || IsValidUtf8(WithoutByteOrderMark(*written)))
    return 0;
  std::optional<ProfileFile> after = ProfileFile::Load(path);
  if (!after || after->Find("Other", "Key") != otherBefore) std::abort();
  return 0;
}
