#pragma once
// Recording fakes of the core's platform services. Every fake appends what it was asked to one
// shared log, so tests can check the order of effects across services.
#include <cstdio>
#include <deque>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/file_system.h"
#include "core/program_files.h"
#include "core/registry.h"
#include "core/services.h"

namespace fakes {

using Log = std::vector<std::string>;

// Files in memory. Failures are injected per path and operation; a failing write leaves half the
// bytes behind, as a full disk would.
class FakeFileSystem : public core::IFileSystem {
 public:
  explicit FakeFileSystem(Log& log) : log_(log) {}

  std::map<std::string, std::string> files;
  std::set<std::string> folders;
  std::map<std::string, core::IoStatus> failRead, failWrite, failReplace, failCopy;

  bool FileExists(const std::string& path) override { return files.count(path) != 0; }
  bool FolderExists(const std::string& path) override { return folders.count(path) != 0; }

  core::IoStatus ReadFile(const std::string& path, std::size_t maxBytes, std::string& out) override {
    out.clear();
    if (auto f = failRead.find(path); f != failRead.end()) return f->second;
    auto it = files.find(path);
    if (it == files.end()) return {core::IoError::NotFound, 2};
    if (it->second.size() > maxBytes) return {core::IoError::TooLarge, 0};
    out = it->second;
    return {};
  }
  core::IoStatus WriteFile(const std::string& path, std::string_view bytes) override {
    log_.push_back("write:" + path);
    if (auto f = failWrite.find(path); f != failWrite.end()) {
      files[path] = std::string(bytes.substr(0, bytes.size() / 2));
      return f->second;
    }
    files[path] = std::string(bytes);
    return {};
  }
  core::IoStatus ReplaceFile(const std::string& from, const std::string& to) override {
    log_.push_back("replace:" + from + ">" + to);
    if (auto f = failReplace.find(to); f != failReplace.end()) return f->second;
    auto it = files.find(from);
    if (it == files.end()) return {core::IoError::NotFound, 2};
    files[to] = it->second;
    files.erase(from);
    return {};
  }
  core::IoStatus CopyNewFile(const std::string& from, const std::string& to) override {
    log_.push_back("copy:" + from + ">" + to);
    if (auto f = failCopy.find(to); f != failCopy.end()) return f->second;
    if (files.count(to)) return {core::IoError::AlreadyExists, 80};
    auto it = files.find(from);
    if (it == files.end()) return {core::IoError::NotFound, 2};
    files[to] = it->second;
    return {};
  }
  core::IoStatus RemoveFile(const std::string& path) override {
    log_.push_back("remove:" + path);
    return files.erase(path) ? core::IoStatus{} : core::IoStatus{core::IoError::NotFound, 2};
  }

 private:
  Log& log_;
};

class FakeRegistry : public core::IRegistry {
 public:
  explicit FakeRegistry(Log& log) : log_(log) {}

  bool openFails = false;
  bool setFails = false;
  core::QueryResult value{core::QueryStatus::Text, "C:\\Program Files"};
  std::string openedPath;
  unsigned long openedAccess = 0;

  std::unique_ptr<core::IRegistryKey> OpenLocalMachineKey(const std::string& path,
                                                          unsigned long access) override {
    log_.push_back("open");
    openedPath = path;
    openedAccess = access;
    if (openFails) return nullptr;
    return std::make_unique<Key>(*this);
  }

 private:
  class Key : public core::IRegistryKey {
   public:
    explicit Key(FakeRegistry& r) : r_(r) {}
    ~Key() override { r_.log_.push_back("close"); }
    core::QueryResult QueryValue(const std::string& name) override {
      r_.log_.push_back("query:" + name);
      return r_.value;
    }
    bool SetStringValue(const std::string& name, const std::string& text) override {
      r_.log_.push_back("set:" + name + "=" + text);
      if (r_.setFails) return false;
      r_.value = {core::QueryStatus::Text, text};
      return true;
    }

   private:
    FakeRegistry& r_;
  };
  Log& log_;
};

class RecordingServices : public core::IMessages,
                          public core::IShellNotify,
                          public core::ISound,
                          public core::IClipboard,
                          public core::IFolderChooser,
                          public core::ICurrentPathView {
 public:
  explicit RecordingServices(Log& log) : log_(log) {}

  std::deque<std::string> chooserAnswers;  // empty text when none are left

  void ShowError(const std::string& text) override { log_.push_back("error:" + text); }
  void ReportGeneralError(const std::string& text) override { log_.push_back("report:" + text); }
  void ChangeNotify(long event, unsigned flags) override {
    log_.push_back("notify:" + Hex(static_cast<unsigned long>(event)) + "/" + Hex(flags));
  }
  void PlayAsync(const std::string& path) override { log_.push_back("sound:" + path); }
  void SetText(const std::string& text) override { log_.push_back("clip:" + text); }
  std::string ChooseFolder(const std::string& prompt, const std::string& start) override {
    log_.push_back("choose:" + prompt + "|" + start);
    if (chooserAnswers.empty()) return {};
    std::string answer = chooserAnswers.front();
    chooserAnswers.pop_front();
    return answer;
  }
  void ShowCurrentPath(const std::string& text) override { log_.push_back("show:" + text); }

 private:
  static std::string Hex(unsigned long v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%lX", v);
    return buf;
  }
  Log& log_;
};

// All fakes of the core over one log.
struct CoreWorld {
  Log log;
  FakeFileSystem fs{log};
  FakeRegistry registry{log};
  RecordingServices ui{log};

  core::ProgramFilesServices ProgramFiles() { return {registry, ui, ui, ui, fs, ui}; }
  // Entries of the log that start with `prefix`.
  std::vector<std::string> Only(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const auto& e : log)
      if (e.rfind(prefix, 0) == 0) out.push_back(e);
    return out;
  }
};

}  // namespace fakes
