#pragma once
// File access for skinpack, and the mapping between file names and skin entry names. Entry names
// are bytes in the program's code page: on Windows the ANSI code page, elsewhere the file name's
// own bytes.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace skinpack {

std::filesystem::path PathFromUtf8(const std::string& utf8);
std::string Utf8FromPath(const std::filesystem::path& path);  // for messages

// Whole-file reading and writing; false with a reason in `error`.
bool ReadFile(const std::filesystem::path& path, std::vector<uint8_t>& bytes, std::string& error);
bool WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes, std::string& error);

// Entry name of a file; nothing when the name cannot be written in the code page.
std::optional<std::string> EntryNameFromFileName(const std::filesystem::path& file_name);
// File name for an entry name (not checked for safety, see SafeEntryFileName).
std::filesystem::path FileNameFromEntryName(const std::string& entry);

// Whether an entry name may become a file in the output folder: not empty, not "." or "..", no
// path separators, drive colons or control characters, no trailing dot or blank, and on Windows
// no device name.
bool SafeEntryFileName(const std::string& entry);

// Command-line words in UTF-8 (on Windows taken from the wide command line).
std::vector<std::string> CommandLineUtf8(int argc, char** argv);

}  // namespace skinpack
