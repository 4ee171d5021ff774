#pragma once
// The registry as the core uses it: one key opened with full access, one text value read and written.
#include <memory>
#include <string>

namespace core {

constexpr const char* kProgramFilesKeyPath = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
constexpr const char* kProgramFilesValueName = "ProgramFilesDir";
constexpr unsigned long kKeyAllAccess = 0xF003F;

enum class QueryStatus {
  Text,       // a string or expandable-string value; `text` holds its raw bytes
  Missing,    // no value of that name
  WrongType,  // a value of another type
  Failed,     // any other read failure
};

struct QueryResult {
  QueryStatus status = QueryStatus::Missing;
  std::string text;
};

// An open key; destroying it closes the key.
class IRegistryKey {
 public:
  virtual ~IRegistryKey() = default;
  virtual QueryResult QueryValue(const std::string& name) = 0;
  virtual bool SetStringValue(const std::string& name, const std::string& text) = 0;  // REG_SZ
};

class IRegistry {
 public:
  virtual ~IRegistry() = default;
  // Opens a key below HKEY_LOCAL_MACHINE, never creating it; null when it cannot be opened.
  virtual std::unique_ptr<IRegistryKey> OpenLocalMachineKey(const std::string& path,
                                                            unsigned long access) = 0;
};

}  // namespace core
