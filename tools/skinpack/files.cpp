#include "files.h"

#include <fstream>
#include <iterator>
#include <system_error>
#include <cwctype>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#endif

namespace skinpack {

std::filesystem::path PathFromUtf8(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string s = path.u8string();
  return std::string(s.begin(), s.end());
}

bool ReadFile(const std::filesystem::path& path, std::vector<uint8_t>& bytes, std::string& error) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    error = "no such file: " + Utf8FromPath(path);
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot open " + Utf8FromPath(path);
    return false;
  }
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) {
    error = "cannot read " + Utf8FromPath(path);
    return false;
  }
  return true;
}

bool WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes, std::string& error) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (out) out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (out) out.close();
  if (!out) {
    error = "cannot write " + Utf8FromPath(path);
    return false;
  }
  return true;
}

#ifdef _WIN32
std::optional<std::string> EntryNameFromFileName(const std::filesystem::path& file_name) {
  const std::wstring w = file_name.wstring();
  if (w.empty()) return std::string();
  BOOL lossy = FALSE;
  const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, w.data(), static_cast<int>(w.size()),
                                    nullptr, 0, nullptr, &lossy);
  if (n <= 0 || lossy) return std::nullopt;
  std::string s(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, w.data(), static_cast<int>(w.size()), s.data(), n,
                      nullptr, nullptr);
  return s;
}

std::filesystem::path FileNameFromEntryName(const std::string& entry) {
  if (entry.empty()) return {};
  const int n = MultiByteToWideChar(CP_ACP, 0, entry.data(), static_cast<int>(entry.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0) MultiByteToWideChar(CP_ACP, 0, entry.data(), static_cast<int>(entry.size()), w.data(), n);
  return std::filesystem::path(w);
}

std::vector<std::string> CommandLineUtf8(int, char**) {
  std::vector<std::string> words;
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!argv) return words;
  for (int i = 0; i < count; ++i) {
    const std::wstring w(argv[i]);
    const int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
    std::string s(static_cast<size_t>(n > 0 ? n : 0), '\0');
    if (n > 0) WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr, nullptr);
    words.push_back(std::move(s));
  }
  LocalFree(argv);
  return words;
}
#else
std::optional<std::string> EntryNameFromFileName(const std::filesystem::path& file_name) {
  return file_name.native();
}

std::filesystem::path FileNameFromEntryName(const std::string& entry) { return std::filesystem::path(entry); }

std::vector<std::string> CommandLineUtf8(int argc, char** argv) { return std::vector<std::string>(argv, argv + argc); }
#endif

bool SafeEntryFileName(const std::string& entry) {
  // Checked on the file name as the system sees it: a GBK trail byte may be 0x5C or 0x7C.
  const std::filesystem::path::string_type name = FileNameFromEntryName(entry).native();
  using Unit = std::filesystem::path::value_type;
  if (name.empty() || name == std::filesystem::path::string_type(1, Unit('.')) ||
      name == std::filesystem::path::string_type(2, Unit('.')))
    return false;
  for (const Unit u : name) {
    const auto c = static_cast<uint32_t>(u);
    if (c < 0x20 || c == 0x7F || c == '/' || c == '\\' || c == ':') return false;
  }
  if (name.back() == Unit('.') || name.back() == Unit(' ')) return false;
#ifdef _WIN32
  // Device names open devices whatever their extension.
  std::wstring stem = name.substr(0, name.find(L'.'));
  for (wchar_t& c : stem) c = static_cast<wchar_t>(towlower(c));
  static const wchar_t* const kDevices[] = {L"con", L"prn", L"aux", L"nul", L"conin$", L"conout$"};
  for (const wchar_t* d : kDevices)
    if (stem == d) return false;
  if (stem.size() == 4 && (stem.rfind(L"com", 0) == 0 || stem.rfind(L"lpt", 0) == 0) && stem[3] >= L'0' &&
      stem[3] <= L'9')
    return false;
#endif
  return true;
}

}  // namespace skinpack
