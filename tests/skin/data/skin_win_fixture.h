#pragma once
// Shared pieces of the Windows tests of the skin data component and the skin manager: one
// application object for the process, our own skins from the application folder, message pumping,
// and a fixture that leaves no manager, form or component behind.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/framework.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_manage.h"

namespace skintest {

fw::TApplication& App();

// Path (GBK) of a skin in the application folder's "皮肤".
std::string DistSkin(const char* fileName);
std::string DefaultSkinPath();  // 白兰_mxp1.skn
std::string SecondSkinPath();   // 墨夜_dark.skn
// A file written into the artifacts folder.
std::string WriteArtifact(const std::string& name, const std::vector<uint8_t>& bytes);

void Pump(DWORD ms);
// Pumps until `done` answers true or `timeoutMs` passes; the last answer.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000);

// A framework form shown at a fixed place.
std::unique_ptr<fw::TForm> ShowForm(int tag = 0, const std::string& caption = "Skin test");

// Registers a window class of this module (DefWindowProc) once.
void RegisterOwnClass(const char* className);
// A top-level window of our own class (registered in this module), not shown.
HWND CreateOwnWindow(const char* className, int width, int height, DWORD style = WS_OVERLAPPEDWINDOW,
                     DWORD exStyle = 0);
// A modeless "#32770" dialog with the given style, shown.
HWND CreateDialogWindow(DWORD style);

// Each test starts without a manager and ends by destroying it, then the windows it made.
class SkinWinTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A component without an owner (so it is not being read) and optionally a skin loaded.
  skin::TSkinData* NewSkinData(skin::TSkinFormType type = skin::TSkinFormType::sfMainform,
                               const std::string& skinFile = std::string());
  skin::TSkinManage& Manager() { return skin::EnsureSkinManager(); }
  fw::TForm* Form(int tag = 0);
  HWND Keep(HWND window) {
    windows_.push_back(window);
    return window;
  }

  std::vector<std::unique_ptr<skin::TSkinData>> datas_;
  std::vector<std::unique_ptr<fw::TForm>> forms_;
  std::vector<HWND> windows_;
};

}  // namespace skintest
