#pragma once
// The small platform services the core calls: messages, shell notification, sound, clipboard,
// folder chooser and the edit line that shows the current path. The program implements them with
// the platform; tests with recording fakes.
#include <string>

namespace core {

constexpr const char* kErrorCaption = "出错";

class IMessages {
 public:
  virtual ~IMessages() = default;
  // Message box with caption "出错", one OK button and no icon.
  virtual void ShowError(const std::string& text) = 0;
  // The application's general error report for an error a handler did not catch itself.
  virtual void ReportGeneralError(const std::string& text) = 0;
};

constexpr long kShcneAssocChanged = 0x08000000;
constexpr long kShcneAllEvents = 0x7FFFFFFF;
constexpr unsigned kShcnfIdList = 0;
constexpr unsigned kShcnfFlush = 0x1000;

class IShellNotify {
 public:
  virtual ~IShellNotify() = default;
  virtual void ChangeNotify(long event, unsigned flags) = 0;  // SHChangeNotify with no items
};

class ISound {
 public:
  virtual ~ISound() = default;
  virtual void PlayAsync(const std::string& wavePath) = 0;  // sndPlaySoundA(path, SND_ASYNC)
};

class IClipboard {
 public:
  virtual ~IClipboard() = default;
  virtual void SetText(const std::string& text) = 0;  // plain text
};

class IFolderChooser {
 public:
  virtual ~IFolderChooser() = default;
  // The chosen folder's path, or empty text when cancelled.
  virtual std::string ChooseFolder(const std::string& prompt, const std::string& startFolder) = 0;
};

class ICurrentPathView {
 public:
  virtual ~ICurrentPathView() = default;
  virtual void ShowCurrentPath(const std::string& text) = 0;  // the edit line LabeledEdit1
};

}  // namespace core
