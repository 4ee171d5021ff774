#pragma once
// The folder chooser: the shell's folder-browsing dialog with a prompt, opened at a start folder.
#include <string>

#include "core/services.h"

namespace ui {

// The chosen folder's full path, or empty text when the user cancels or the choice has no
// file-system path. The dialog has no owner window.
std::string ChooseFolder(const std::string& prompt, const std::string& startFolder);

class ShellFolderChooser final : public core::IFolderChooser {
 public:
  std::string ChooseFolder(const std::string& prompt, const std::string& startFolder) override {
    return ui::ChooseFolder(prompt, startFolder);
  }
};

}  // namespace ui
