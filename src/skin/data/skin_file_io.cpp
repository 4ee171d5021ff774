#include "skin/data/skin_file_io.h"

#include <windows.h>

#include <algorithm>

#include "framework/handles.h"

namespace skin {

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
  HANDLE raw = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  if (raw == INVALID_HANDLE_VALUE) return false;
  fw::UniqueKernelHandle file(raw);
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 ||
      static_cast<uint64_t>(size.QuadPart) > kMaxSkinFileBytes)
    return false;
  std::vector<uint8_t> data(static_cast<size_t>(size.QuadPart));
  size_t done = 0;
  while (done < data.size()) {
    DWORD got = 0;
    const DWORD want = static_cast<DWORD>(std::min<size_t>(data.size() - done, 1u << 20));
    if (!ReadFile(file.get(), data.data() + done, want, &got, nullptr)) return false;
    if (got == 0) break;  // the file shrank: keep what was there
    done += got;
  }
  data.resize(done);
  bytes = std::move(data);
  return true;
}

}  // namespace skin
